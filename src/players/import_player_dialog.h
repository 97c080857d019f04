// USER_IMPORT: browsing for a player file and moving it into the players' directory.
#pragma once

#include "platform/template_dialog.h"

#include <string>
#include <vector>

namespace zel {

struct SharedState;
class Platform;

// Browses without touching the process's current directory: the directory
// shown is the dialog's own. Ends with 1 after an import and after "&Annuler".
class ImportPlayerDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum : int { kDirectory = 1011, kEntries = 1122, kValidate = 1037, kCancel = 1042 };

    // Starts in Start_Dir.
    ImportPlayerDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

    const std::string &directory() const { return dir_; }

  protected:
    void onCommand(int id, int code) override;
    // Enter on a directory of the list enters it, as a double click does.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    struct Entry {
        std::string name; // as on disk
        bool directory;
    };
    void list();
    void choose(bool enter);
    void validate();

    SharedState &state_;
    Platform &platform_;
    std::string dir_;
    std::vector<Entry> entries_;
    const Entry *chosen_ = nullptr; // the entry last chosen; none after entering a directory
    std::string Import_Name;
};

} // namespace zel
