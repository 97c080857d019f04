// The championship day commands of the main window.
#include "days/day_commands.h"

#include "days/championship_dialogs.h"
#include "days/day_entry_dialog.h"
#include "platform/platform.h"

namespace zel {

int RunAddDay(CommandContext &context) {
    DayEntryDialog dialog(context.state, context.platform, context.parent);
    return context.platform.runModal(dialog);
}

int RunViewChampionships(CommandContext &context) {
    ChampionshipListDialog dialog(ChampionshipListDialog::Purpose::View, context.state, context.platform,
                                  context.parent);
    return context.platform.runModal(dialog);
}

int RunModifyDay(CommandContext &context) {
    ChampionshipListDialog dialog(ChampionshipListDialog::Purpose::Modify, context.state, context.platform,
                                  context.parent);
    return context.platform.runModal(dialog);
}

} // namespace zel
