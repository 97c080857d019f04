// The championship day commands of the main window: each runs its dialog and returns its result.
#pragma once

#include "shell/command_context.h"

namespace zel {

int RunAddDay(CommandContext &context);            // 2101, 19002, 40019: JOURNEEBOX, 302 when stored
int RunViewChampionships(CommandContext &context); // 502, 19003, 40028: VIEW_CHAMP
int RunModifyDay(CommandContext &context);         // 2102: MODIF_CHAMP

} // namespace zel
