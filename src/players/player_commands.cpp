// The player commands of the main window.
#include "players/player_commands.h"

namespace zel {

// Each returns 0 (nothing happened) until its dialog exists.
int RunNewPlayer(CommandContext &) {
    return 0;
}
int RunLoadPlayer(CommandContext &) {
    return 0;
}
int RunModifyProfile(CommandContext &) {
    return 0;
}
int RunDeletePlayer(CommandContext &) {
    return 0;
}
int RunImportPlayer(CommandContext &) {
    return 0;
}

} // namespace zel
