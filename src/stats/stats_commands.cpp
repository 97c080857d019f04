// The statistics commands of the main window.
#include "stats/stats_commands.h"

#include "platform/platform.h"
#include "stats/details_dialog.h"
#include "stats/graphs_dialog.h"
#include "stats/history_dialog.h"
#include "stats/recap_dialog.h"

namespace zel {

int RunRecap(CommandContext &context) {
    RecapDialog dialog(context.state, context.platform, context.parent);
    return context.platform.runModal(dialog);
}

int RunDetails(CommandContext &context) {
    DetailsDialog dialog(context.state, context.parent);
    return context.platform.runModal(dialog);
}

int RunGraphs(CommandContext &context) {
    GraphsDialog dialog(context.state, context.parent);
    return context.platform.runModal(dialog);
}

int RunHistory(CommandContext &context) {
    HistoryDialog dialog(context.state, context.parent);
    return context.platform.runModal(dialog);
}

} // namespace zel
