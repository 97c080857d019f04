// USER_IMPORT: browsing for a player file and moving it into the players' directory.
#include "players/import_player_dialog.h"

#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "players/player_import.h"
#include "resources/templates/user_import_template.h"
#include "shell/shared_state.h"

#include <QKeyEvent>

#include <filesystem>

namespace zel {
namespace {

constexpr const char *kInformation = "Information";

} // namespace

ImportPlayerDialog::ImportPlayerDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kUserImportTemplate, parent), state_(state), platform_(platform) {
    std::error_code ec;
    const std::string start =
        state_.Start_Dir.empty() ? std::filesystem::current_path(ec).string() : state_.Start_Dir;
    dir_ = EnterDirectory(start, ".");
    list();
}

void ImportPlayerDialog::list() {
    const ImportListing listing = ListImportDirectory(dir_);
    chosen_ = nullptr;
    entries_.clear();
    for (const std::string &f : listing.files)
        entries_.push_back({f, false});
    for (const std::string &d : listing.directories)
        entries_.push_back({d, true});
    clearItems(kEntries);
    for (const Entry &e : entries_)
        addItem(kEntries, QString::fromStdString(e.directory ? "[" + e.name + "]" : e.name));
    setText(kDirectory, QString::fromStdString(dir_));
}

void ImportPlayerDialog::choose(bool enter) {
    const int line = currentIndex(kEntries);
    if (line < 0 || line >= int(entries_.size()))
        return;
    chosen_ = &entries_[std::size_t(line)];
    Import_Name = itemText(kEntries, line).toStdString();
    if (enter && chosen_->directory) {
        dir_ = EnterDirectory(dir_, chosen_->name);
        list();
        Import_Name = "*.usr";
    }
}

void ImportPlayerDialog::validate() {
    if (SameDirectory(dir_, state_.User_Dir)) {
        platform_.message("Vous tentez d'écraser un fichier par lui même", kInformation, Icon::None);
        return;
    }
    // Only a file can be imported: nothing chosen, "*.usr" or a directory entry reads nothing.
    if (!chosen_ || chosen_->directory) {
        platform_.message("Ceci est un répertoire", kInformation, Icon::None);
        return;
    }
    switch (ImportPlayerFile(state_, dir_, chosen_->name, platform_)) {
    case ImportResult::Imported:
        // Moved rather than copied: the source goes to the Trash. One that stays
        // is a second copy, never a loss.
        (void)MoveToTrash(dir_ + "/" + chosen_->name);
        done(1);
        return;
    case ImportResult::SameDirectory:
        platform_.message("Vous tentez d'écraser un fichier par lui même", kInformation, Icon::None);
        return;
    case ImportResult::NotPlayerFile:
        platform_.message("Le fichier " + Import_Name + " n'est pas un fichier joueur valide", kInformation,
                          Icon::None);
        return;
    case ImportResult::ReadFailed:
    case ImportResult::RegisterFailed:
        return; // the user has been told why; the source is where it was
    }
}

void ImportPlayerDialog::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == control(kEntries) && chosen_ && chosen_->directory) {
        choose(true);
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

void ImportPlayerDialog::onCommand(int id, int code) {
    if (id == kEntries && (code == kSelChange || code == kDoubleClick))
        choose(code == kDoubleClick);
    else if (id == kValidate && code == kClicked)
        validate();
    else if ((id == kCancel && code == kClicked) || id == kIdCancel)
        done(1);
}

} // namespace zel
