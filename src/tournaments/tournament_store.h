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

// What a tournament keeps of the moment it is stored or changed: the season of
// its date, the player's own classement, and the points its counts are worth
// for that classement (whatever classement the estimation list shows).
void StampTournament(const SharedState &state, Tournament_Sheet &sheet);

// Moves every later tournament one place down and lowers the count.
bool DeleteTournament(SharedState &state, int index);

} // namespace zel
