// The tournament store: appending, replacing and deleting tournaments in memory.
#pragma once

#include "tournaments/tournament_sheet.h"

#include <functional>

namespace zel {

struct SharedState;

// Puts the sheet after the used tournaments and raises the tournament count,
// when fits(state) says the player file can take one more; otherwise changes
// nothing and returns false. Saving is the caller's.
bool AppendTournament(SharedState &state, const Tournament_Sheet &sheet,
                      const std::function<bool(const SharedState &)> &fits);

// False when index is not below the tournament count.
bool ReplaceTournament(SharedState &state, int index, const Tournament_Sheet &sheet);

// Moves every later tournament one place down and lowers the count.
bool DeleteTournament(SharedState &state, int index);

} // namespace zel
