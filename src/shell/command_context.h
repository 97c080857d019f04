// What every command's dialog receives from the main window.
#pragma once

class QWidget;

namespace zel {

struct SharedState;
class Platform;

struct CommandContext {
    SharedState &state;
    Platform &platform; // message boxes, help, clock; run dialogs with platform.runModal
    QWidget *parent;    // the main window: owner of the modal dialog
};

// A command's dialog: runs it and returns the value it ended with, which the
// shell tests to bring menus, title and toolbar into line.
using CommandDialog = int (*)(CommandContext &context);

} // namespace zel
