// The shell's own dialogs: options, start-up password and automatic loading, about box.
#include "shell/shell_dialogs.h"

#include "days/classement_scale.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "players/player_library.h"
#include "resources/templates/shell_templates.h"
#include "shell/command_context.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "zel_homepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QUrl>

#include <algorithm>

namespace zel {
namespace {

const char *Flag(bool on) {
    return on ? "TRUE" : "FALSE";
}

} // namespace

OptionsDialog::OptionsDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kOptionsTemplate, parent), s_(state), platform_(platform),
      saved_ask_(state.Opt_AskPassword), saved_auto_(state.Opt_AutoLoad), saved_grid_(state.Opt_AutoGrid) {
    if (s_.Opt_AutoLoad) {
        setChecked(1151, true);
        setChecked(1154, s_.Opt_AskPassword);
    } else {
        enable(1154, false);
    }
    setChecked(1155, s_.Opt_AutoGrid);
}

void OptionsDialog::onCommand(int id, int code) {
    if (code == kClicked) {
        // A disabled 1154 keeps its check mark, and with it Opt_AskPassword.
        s_.Opt_AutoLoad = checked(1151);
        enable(1154, s_.Opt_AutoLoad);
        s_.Opt_AskPassword = checked(1154);
        s_.Opt_AutoGrid = checked(1155);
    }
    if (id == 1) {
        if (writeSettings())
            done(1);
    } else if (id == 303) {
        s_.Opt_AskPassword = saved_ask_;
        s_.Opt_AutoLoad = saved_auto_;
        s_.Opt_AutoGrid = saved_grid_;
        done(1);
    }
}

bool OptionsDialog::writeSettings() {
    const std::string path = ResolveStartPath(s_.Start_Dir, "Zel.ini");
    ReadFileStatus read = ReadFileStatus::Ok;
    IniFile ini = IniFile::Load(path, &read);
    const char *why = nullptr;
    switch (read) {
    case ReadFileStatus::Ok:
    case ReadFileStatus::Missing:
        break;
    case ReadFileStatus::OpenFailed:
        why = "ne peut pas être ouvert (droits d'accès)";
        break;
    case ReadFileStatus::NotRegular:
        why = "n'est pas un fichier ordinaire";
        break;
    case ReadFileStatus::ReadFailed:
        why = "n'a pas pu être lu";
        break;
    case ReadFileStatus::TooLarge:
        why = "est trop volumineux";
        break;
    }
    if (why) {
        platform_.message(std::string("Le fichier des paramètres Zel.ini ") + why +
                              " : les options ne sont pas enregistrées et il reste tel quel.",
                          "Zel Manager", Icon::Exclamation);
        return false;
    }
    ini.set("Options", "AutoGrid", Flag(s_.Opt_AutoGrid));
    ini.set("Options", "AutoLoad", Flag(s_.Opt_AutoLoad));
    ini.set("Options", "APassword", Flag(s_.Opt_AskPassword));
    ini.set("Options", "AFileName",
            s_.Opt_AutoLoad ? Cp1252ToUtf8(FieldText(s_.Current_Profile.file_name)) : kNoAutoLoadName);
    // As before, a settings file that cannot be written is not reported.
    (void)ini.save(path);
    return true;
}

AutoPassDialog::AutoPassDialog(SharedState &state, Platform &platform, const Player_Profile &expected,
                               QWidget *parent)
    : TemplateDialog(kAutoPassTemplate, parent), s_(state), platform_(platform), expected_(expected) {
    setLimit(1011, 16);
    nameControl(1011, QStringLiteral("Mot de passe"));
}

void AutoPassDialog::onCommand(int id, int) {
    if (id == 1) {
        // A player password is read as at most 15 characters everywhere.
        if (textCp1252(1011, 15) != FieldText(expected_.password)) {
            platform_.message("Mot de passe incorrect", "Zel Manager", Icon::Exclamation);
            return;
        }
        s_.Opt_AskPassword = true;
        done(1);
    } else if (id == 303) {
        s_.Opt_AskPassword = false;
        done(0);
    }
}

std::string HomePage(const std::string &program_dir) {
    if (*ZEL_HOMEPAGE_WEB)
        return ZEL_HOMEPAGE_WEB;
    const QString page = QDir::cleanPath(QString::fromStdString(program_dir) +
                                         QStringLiteral("/" ZEL_DOC_FROM_PROGRAM "/README.html"));
    return QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded).toStdString();
}

AboutBox::AboutBox(const std::string &picture_path, std::string home_page, Platform &platform,
                   QWidget *parent)
    : TemplateDialog(kAboutTemplate, parent), home_page_(std::move(home_page)), platform_(platform) {
    QString address = QString::fromStdString(home_page_);
    if (*ZEL_CONTACT)
        address += QStringLiteral("\n" ZEL_CONTACT);
    setText(kAboutAddressId, address);
    // The frame holds the picture at its own size; a missing picture leaves the frame empty.
    const QPixmap picture = LoadPicture(QString::fromStdString(picture_path), devicePixelRatioF());
    setPicture(kAboutPictureId, picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    if (QWidget *frame = control(kAboutPictureId); frame && !picture.isNull())
        frame->setGeometry(0, 0, std::min(frame->width(), size.width() + 2),
                           std::min(frame->height(), size.height() + 2));
}

void AboutBox::onCommand(int id, int) {
    if (id == 1)
        done(1);
    else if (id == 2) // "Site Web", and Escape with it
        platform_.openUrl(home_page_);
}

int RunOptions(CommandContext &c) {
    OptionsDialog d(c.state, c.platform, c.parent);
    return c.platform.runModal(d);
}

int RunAboutBox(CommandContext &c) {
    AboutBox d(ResolveStartPath(c.state.Start_Dir, ".\\data\\titre.bmp"),
               HomePage(QCoreApplication::applicationDirPath().toStdString()), c.platform, c.parent);
    return c.platform.runModal(d);
}

bool AutoLoadPlayer(CommandContext &c, const std::string &file_name, bool ask_password) {
    SharedState &s = c.state;
    (void)ReadPlayerLibrary(s, c.platform);
    const std::string wanted = Utf8ToCp1252(file_name);
    const Player_Profile *record = nullptr;
    for (const Player_Profile &p : s.Library_Image)
        if (!wanted.empty() && FieldText(p.file_name) == wanted) {
            record = &p;
            break;
        }
    if (!record) {
        c.platform.message("Autochargement impossible, vérifier les paramêtres dans Option\\Utilisateur.",
                           "Zel Manager", Icon::Exclamation);
        return false;
    }
    // The password is checked against the library's copy: until it is accepted
    // nothing of this player reaches Current_Profile.
    const Player_Profile candidate = *record;
    if (ask_password) {
        AutoPassDialog d(s, c.platform, candidate, c.parent);
        if (c.platform.runModal(d) != 1 || !s.Opt_AskPassword)
            return false;
    }
    const Player_Profile previous = s.Current_Profile;
    s.Current_Profile = candidate;
    if (!LoadPlayerData(s, std::string(FieldText(candidate.file_name)), c.platform)) {
        s.Current_Profile = previous;
        return false;
    }
    s.Player_State = s.Player_State == 0 ? 1 : 2;
    BuildClassementList(s);
    return true;
}

} // namespace zel
