// The player commands of the main window: each runs its dialog and returns its result.
#pragma once

#include "shell/command_context.h"

namespace zel {

int RunNewPlayer(CommandContext &context);     // 301, 19000, 40001: USERTBOX, ends with 300 when created
int RunLoadPlayer(CommandContext &context);    // 302, 19001, 40018: USERLOADBOX, 302 when loaded
int RunModifyProfile(CommandContext &context); // 40005: USERTBOX, 302 when changed
int RunDeletePlayer(CommandContext &context);  // 304: USERSUPBOX
int RunImportPlayer(CommandContext &context);  // 40017, 40029: USER_IMPORT

} // namespace zel
