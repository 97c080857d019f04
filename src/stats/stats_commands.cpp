// The statistics commands of the main window.
#include "stats/stats_commands.h"

namespace zel {

// Each returns 0 (nothing happened) until its dialog exists.
int RunRecap(CommandContext &) {
    return 0;
}
int RunDetails(CommandContext &) {
    return 0;
}
int RunGraphs(CommandContext &) {
    return 0;
}

} // namespace zel
