// The player commands of the main window.
#include "players/player_commands.h"

#include "platform/platform.h"
#include "players/delete_player_dialog.h"
#include "players/import_player_dialog.h"
#include "players/load_player_dialog.h"
#include "players/profile_dialog.h"

namespace zel {

int RunNewPlayer(CommandContext &c) {
    NewPlayerDialog dialog(c.state, c.platform, c.parent);
    return c.platform.runModal(dialog);
}
int RunLoadPlayer(CommandContext &c) {
    LoadPlayerDialog dialog(c.state, c.platform, c.parent);
    return c.platform.runModal(dialog);
}
int RunModifyProfile(CommandContext &c) {
    ModifyProfileDialog dialog(c.state, c.platform, c.parent);
    return c.platform.runModal(dialog);
}
int RunDeletePlayer(CommandContext &c) {
    DeletePlayerDialog dialog(c.state, c.platform, c.parent);
    return c.platform.runModal(dialog);
}
int RunImportPlayer(CommandContext &c) {
    ImportPlayerDialog dialog(c.state, c.platform, c.parent);
    return c.platform.runModal(dialog);
}

} // namespace zel
