// The tournament commands of the main window.
#include "tournaments/tournament_commands.h"

namespace zel {

// Each returns 0 (nothing happened) until its dialog exists.
int RunAddTournament(CommandContext &) {
    return 0;
}
int RunViewTournaments(CommandContext &) {
    return 0;
}
int RunModifyTournament(CommandContext &) {
    return 0;
}

} // namespace zel
