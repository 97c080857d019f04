// The main window: menus, accelerators, toolbar, picture, and the dispatch of
// every command to its dialog.
#pragma once

#include "platform/platform.h"
#include "resources/shell_resources.h"
#include "shell/command_context.h"
#include "shell/command_table.h"
#include "shell/shared_state.h"

#include <QMainWindow>
#include <QPixmap>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QToolBar;

namespace zel {

// What a command's dialog is: it runs and returns the value it ended with.
using Opener = std::function<int(CommandContext &)>;
// The dialog of each command, by the command's menu id (301, 302, 2101 ...).
using Openers = std::map<int, Opener>;

// The program's own dialogs.
Openers ProgramDialogs();

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window with no player: SIMPLE menu, simple toolbar.
    MainWindow(Platform &platform, const std::string &start_dir, Openers openers = ProgramDialogs(),
               QWidget *parent = nullptr);

    // Reads Zel.ini in the start directory, resolves the players' directory
    // (created when missing) and loads a player automatically when asked to.
    void startUp();

    SharedState &state() { return state_; }
    Platform &platform() { return platform_; }

    // A command from a menu, an accelerator or a toolbar button.
    void dispatch(int id);

    // Menu bar, title and toolbar after Player_State, everything enabled.
    void RefreshPlayerShell();

    bool fullMenu() const { return full_; }
    QAction *menuAction(int id) const;    // nullptr when the menu shown has no such item
    QAction *toolbarAction(int id) const; // likewise for the toolbar
    QToolBar *toolbar() const { return toolbar_; }

    // Height of everything below the menu bar: the toolbar strip and the picture.
    static constexpr int kToolbarStrip = 24;
    static constexpr int kPictureWidth = 320;
    static constexpr int kPictureHeight = 240;

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildMenu(const std::vector<MenuEntry> &entries);
    void fitMenuTitles();
    void buildToolbar(const std::vector<ToolbarSlot> &layout, const char *images);
    void runStep(Step step);
    void setMenuItems(const int *ids, std::size_t count, bool enabled);
    template <class Ids> void setMenuItems(const Ids &ids, bool enabled) {
        setMenuItems(ids.data(), ids.size(), enabled);
    }
    void setButton(int id, bool enabled);
    void openHelp();

    Platform &platform_;
    SharedState state_;
    Openers openers_;
    std::map<int, QAction *> menu_items_;
    std::map<int, QAction *> buttons_;
    QToolBar *toolbar_ = nullptr;
    QWidget *client_ = nullptr;
    QLabel *picture_ = nullptr;
    bool full_ = false;
};

} // namespace zel
