// The tournament commands of the main window: each runs its dialog and returns its result.
#pragma once

#include "shell/command_context.h"

namespace zel {

int RunAddTournament(CommandContext &context);    // 40013, 19005, 40024: ADD_TOURNOI, non-zero when stored
int RunViewTournaments(CommandContext &context);  // 40014, 19006, 40023: VIEW_TOURNOI, viewing
int RunModifyTournament(CommandContext &context); // 40015: VIEW_TOURNOI, modification

} // namespace zel
