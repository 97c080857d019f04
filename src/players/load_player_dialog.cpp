// USERLOADBOX: choosing a player of the library and loading it behind its password.
#include "players/load_player_dialog.h"

#include "days/classement_scale.h"
#include "platform/platform.h"
#include "resources/templates/userloadbox_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

namespace zel {
namespace {

constexpr int kPasswordLimit = 16;
constexpr std::size_t kPasswordBytes = 15;

} // namespace

LoadPlayerDialog::LoadPlayerDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kUserLoadBoxTemplate, parent), state_(state), platform_(platform) {
    entries_ = ReadPlayerLibrary(state_, platform_);
    for (const LibraryEntry &e : entries_)
        addItem(kPlayers, QString::fromStdString(Cp1252ToUtf8(e.display)));
    setCurrentIndex(kPlayers, -1);
    nameControl(kPlayers, QStringLiteral("Joueurs")); // no label of its own
    setLimit(kPassword, kPasswordLimit);
}

void LoadPlayerDialog::showPlayer() {
    const int line = currentIndex(kPlayers);
    if (line < 0 || line >= int(entries_.size()))
        return;
    Load_Selection = line;
    const Player_Profile &p = state_.Library_Image[entries_[std::size_t(line)].record];
    setText(kLicence, QString::number(p.licence));
    setText(kAge, QString::number(p.age));
    setTextCp1252(kName, FieldText(p.name));
    setTextCp1252(kFirstName, FieldText(p.first_name));
    setText(kSex, p.sex == 'M' ? QStringLiteral("Masculin") : QStringLiteral("Féminin"));
    setTextCp1252(kClassement, FieldText(p.classement));
    setTextCp1252(kClub, FieldText(p.club));
    // Long names and clubs are cut by their boxes: the whole text on hover.
    for (int id : {kName, kFirstName, kClub})
        if (QWidget *w = control(id))
            w->setToolTip(text(id));
    selected_ = true;
}

void LoadPlayerDialog::load() {
    if (!selected_)
        return;
    const LibraryEntry &entry = entries_[std::size_t(Load_Selection)];
    const Player_Profile &chosen = state_.Library_Image[entry.record];
    if (textCp1252(kPassword, kPasswordBytes) != FieldText(chosen.password)) {
        setText(kMessage, QStringLiteral("Mot de passe non valide"));
        return;
    }
    // The stores are read against the chosen profile's counts; a refused file
    // leaves the loaded player as it was and the dialog open.
    const Player_Profile before = state_.Current_Profile;
    state_.Current_Profile = chosen;
    if (!LoadPlayerData(state_, entry.file_name, platform_)) {
        state_.Current_Profile = before;
        return;
    }
    state_.Player_State = state_.Player_State == 0 ? 1 : 2;
    BuildClassementList(state_);
    done(kValidate);
}

void LoadPlayerDialog::onCommand(int id, int code) {
    if (id == kPlayers)
        showPlayer();
    else if (id == kValidate && code == kClicked)
        load();
    else if ((id == kCancel && code == kClicked) || id == kIdCancel)
        done(kCancel);
}

} // namespace zel
