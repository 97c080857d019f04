// The championship day commands of the main window.
#include "days/day_commands.h"

namespace zel {

// Each returns 0 (nothing happened) until its dialog exists.
int RunAddDay(CommandContext &) {
    return 0;
}
int RunViewChampionships(CommandContext &) {
    return 0;
}
int RunModifyDay(CommandContext &) {
    return 0;
}

} // namespace zel
