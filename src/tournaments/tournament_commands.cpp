// The tournament commands of the main window.
#include "tournaments/tournament_commands.h"

#include "platform/platform.h"
#include "tournaments/add_tournament_dialog.h"
#include "tournaments/tournament_list_dialog.h"

namespace zel {

int RunAddTournament(CommandContext &context) {
    AddTournamentDialog dialog(context.state, context.platform, context.parent);
    return context.platform.runModal(dialog);
}

int RunViewTournaments(CommandContext &context) {
    TournamentListDialog dialog(context.state, context.platform, TournamentListMode::View, context.parent);
    return context.platform.runModal(dialog);
}

int RunModifyTournament(CommandContext &context) {
    TournamentListDialog dialog(context.state, context.platform, TournamentListMode::Modify, context.parent);
    return context.platform.runModal(dialog);
}

} // namespace zel
