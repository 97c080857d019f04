// USERTBOX: the profile form, for a new player and for the loaded player's changes.
#include "players/profile_dialog.h"

#include "days/classement_scale.h"
#include "days/day_store.h"
#include "platform/paths.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "players/player_library.h"
#include "players/profile_rules.h"
#include "resources/templates/usertbox_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/fixed_text.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zel {
namespace {

// Text limits in characters; the record fields keep one byte for the terminator.
constexpr int kNameLimit = 32, kLicenceLimit = 16, kAgeLimit = 2, kClubLimit = 32, kPasswordLimit = 16;
constexpr std::size_t kNameBytes = 31, kClubBytes = 63, kPasswordBytes = 15, kLabelBytes = 3;

} // namespace

ProfileDialog::ProfileDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kUserTBoxTemplate, parent), state_(state), platform_(platform) {
    setLimit(kLicence, kLicenceLimit);
    setLimit(kName, kNameLimit);
    setLimit(kFirstName, kNameLimit);
    setLimit(kAge, kAgeLimit);
    setLimit(kClub, kClubLimit);
    setLimit(kPassword, kPasswordLimit);
    setLimit(kConfirmation, kPasswordLimit);
    setChecked(kMale, true);
    setChecked(kFemale, false);
    for (int p = 0; p < Lowest_Choice_Count; ++p)
        addItem(kLowestList, QString::fromLatin1(LowestChoiceLabel(p)));
    for (std::string_view label : Lowest_Classement_Table)
        addItem(kOwnList, QString::fromLatin1(label));
    setCurrentIndex(kLowestList, -1);
    setCurrentIndex(kOwnList, -1);
    title_picture_ =
        LoadPicture(QString::fromStdString(ResolveStartPath(state_.Start_Dir, ".\\data\\titre.bmp")),
                    devicePixelRatioF());
}

QRect ProfileDialog::pictureRect() const {
    if (title_picture_.isNull())
        return {};
    const BaseUnits b = baseUnits();
    const double f = std::min(b.x / 6.0, b.y / 13.0);
    // Copied unchanged; shrunk only when a smaller font leaves it no room.
    const QSize own = title_picture_.deviceIndependentSize().toSize();
    const QSize size = f < 1.0 ? own * f : own;
    return {int(std::lround(kPictureX * b.x / 6.0)), int(std::lround(kPictureY * b.y / 13.0)), size.width(),
            size.height()};
}

void ProfileDialog::fillOwnList(int scale_length) {
    clearItems(kOwnList);
    for (const std::string &label : BuildClassementList(scale_length))
        addItem(kOwnList, QString::fromStdString(label));
}

void ProfileDialog::lowestChanged() {
    const int p = currentIndex(kLowestList);
    // Nothing to build from while no lowest classement is chosen: the own list
    // keeps its entries and the user's choice in it.
    if (p < 0 || p == Lowest_Choice)
        return;
    fillOwnList(ScaleLengthForLowestChoice(p));
    setCurrentIndex(kOwnList, p);
    Lowest_Choice = p;
}

void ProfileDialog::readForm(Player_Profile &profile) const {
    SetFieldText(profile.name, textCp1252(kName, kNameBytes));
    SetFieldText(profile.first_name, textCp1252(kFirstName, kNameBytes));
    SetFieldTextFull(profile.classement, textCp1252(kOwnList, kLabelBytes));
    const int lowest = currentIndex(kLowestList);
    if (lowest >= 0)
        profile.scale_length = ScaleLengthForLowestChoice(lowest);
    SetFieldText(profile.club, textCp1252(kClub, kClubBytes));
    SetFieldText(profile.password, textCp1252(kPassword, kPasswordBytes));
    // "Féminin" stands for every byte but 'M': one the form did not make stays.
    if (checked(kMale))
        profile.sex = 'M';
    else if (checked(kFemale) && (profile.sex == 'M' || profile.sex == 0))
        profile.sex = 'F';
    profile.age = number(kAge);
    profile.licence = number(kLicence);
}

bool ProfileDialog::validateForm() {
    if (textCp1252(kConfirmation, kPasswordBytes) != textCp1252(kPassword, kPasswordBytes)) {
        platform_.message("Mot de passe erroné", "Information", Icon::Exclamation);
        return false;
    }
    clearMarks();
    bool ok = true;
    if (currentIndex(kLowestList) < 0) {
        markControl(kLowestList, 12, -8, kMarkRed);
        ok = false;
    } else {
        markControl(kLowestList, 12, -8, kMarkFace);
    }
    if (currentIndex(kOwnList) < 0) {
        markControl(kOwnList, 12, -8, kMarkRed);
        ok = false;
    }
    return ok;
}

void ProfileDialog::onCommand(int id, int code) {
    if ((id == kLowestList || id == kOwnList) && code == kSelChange) {
        lowestChanged();
    } else if (id == kValidate && code == kClicked) {
        if (!validateForm())
            return;
        Player_Profile profile = startingProfile();
        readForm(profile);
        accepted(profile);
    } else if ((id == kCancel && code == kClicked) || id == kIdCancel) {
        done(kCancel);
    }
}

void ProfileDialog::paintEvent(QPaintEvent *event) {
    TemplateDialog::paintEvent(event);
    if (title_picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(pictureRect(), title_picture_);
}

void ProfileDialog::showHelp(QWidget *over) {
    const std::string path = ResolveStartPath(state_.Start_Dir, ".\\help\\zel.hlp");
    if (!platform_.openHelp(path, controlId(over)))
        platform_.message("Impossible d'activer l'aide", "Zel Manager", Icon::Stop);
}

void ProfileDialog::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1 && givesHelp()) {
        showHelp(focusWidget());
        event->accept();
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

void ProfileDialog::contextMenuEvent(QContextMenuEvent *event) {
    if (!givesHelp()) {
        TemplateDialog::contextMenuEvent(event);
        return;
    }
    showHelp(childAt(event->pos()));
    event->accept();
}

NewPlayerDialog::NewPlayerDialog(SharedState &state, Platform &platform, QWidget *parent)
    : ProfileDialog(state, platform, parent) {}

void NewPlayerDialog::accepted(const Player_Profile &profile) {
    // Registered from a scratch state, so a refusal leaves the loaded player whole.
    SharedState scratch;
    scratch.User_Dir = state_.User_Dir;
    scratch.Current_Profile = profile;
    if (!RegisterNewPlayer(scratch, platform_))
        return;
    state_.Current_Profile = scratch.Current_Profile;
    BuildClassementList(state_);
    state_.Player_State = state_.Player_State == 0 ? 1 : 2;
    done(kValidate);
}

ModifyProfileDialog::ModifyProfileDialog(SharedState &state, Platform &platform, QWidget *parent)
    : ProfileDialog(state, platform, parent) {
    setWindowTitle(QStringLiteral("Modification du profil du joueur"));
    const Player_Profile &p = state_.Current_Profile;
    label_at_opening_ = std::string(OwnClassement(state_));
    const int n = ScaleLength(state_);
    Lowest_Choice = LowestChoiceForScaleLength(n);
    setCurrentIndex(kLowestList, Lowest_Choice);
    fillOwnList(n);
    const QString own = QString::fromLatin1(label_at_opening_);
    for (int i = 0; i < itemCount(kOwnList); ++i)
        if (itemText(kOwnList, i) == own)
            setCurrentIndex(kOwnList, i);
    setTextCp1252(kName, FieldText(p.name));
    setTextCp1252(kFirstName, FieldText(p.first_name));
    setTextCp1252(kClub, FieldText(p.club));
    setTextCp1252(kPassword, FieldText(p.password));
    setTextCp1252(kConfirmation, FieldText(p.password));
    setText(kAge, QString::number(p.age));
    setText(kLicence, QString::number(p.licence));
    setChecked(kMale, p.sex == 'M');
    setChecked(kFemale, p.sex != 'M');
}

Player_Profile ModifyProfileDialog::startingProfile() const {
    return state_.Current_Profile;
}

void ModifyProfileDialog::accepted(const Player_Profile &profile) {
    const bool saved = SavePlayerChange(state_, platform_, [&](SharedState &s) {
        const int old_length = ScaleLength(s);
        s.Current_Profile = profile;
        BuildClassementList(s);
        const int new_length = ScaleLength(s);
        if (new_length != old_length)
            RemapTournamentStore(s, old_length, new_length);
        if (OwnClassement(s) != label_at_opening_)
            UpdateSeasonPoints(s, platform_.clock());
        return true;
    });
    if (!saved)
        return; // reported; the loaded player is as the file has it, the form as typed
    state_.Player_State = state_.Player_State == 0 ? 1 : 2;
    done(302);
}

} // namespace zel
