// The statistics commands of the main window: each runs its dialog and returns its result.
#pragma once

#include "shell/command_context.h"

namespace zel {

int RunRecap(CommandContext &context);   // 40007, 19004, 40026: RECAPBOX
int RunDetails(CommandContext &context); // 40008, 40025: DETAILBOX
int RunGraphs(CommandContext &context);  // 40010, 40027: GRAPHEBOX
int RunHistory(CommandContext &context); // 40030: HISTOBOX

} // namespace zel
