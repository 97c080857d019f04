// Season names and the rules that decide sets and singles from their scores.
#pragma once

#include "days/day_sheet.h"
#include "platform/clock.h"

#include <cstdint>
#include <string>

namespace zel {

// "Championnat 2000 - 2001" for the season that begins in 2000.
std::string SeasonName(int64_t first_year);

// The season the day entry form proposes: it begins in August.
int32_t ProposedSeasonYear(const Clock &clock);
// The season the points update works on: it begins in June.
int32_t UpdateSeasonYear(const Clock &clock);

// 1 when the player won the set validly, -1 when the opponent did, 0 when the
// score is no finished set: the winner has 21 or more, two points ahead, and
// beyond 21 exactly two ahead (21-19, 22-20, 25-23; not 21-20, 22-19, 23-20).
int CheckSet(uint32_t player, uint32_t opponent);

// Result_Victory, Result_Defeat or Result_None. A third set counts exactly when
// the first two are split; a match decided in two sets must leave it at 0-0.
int MatchResult(const uint32_t (&player)[3], const uint32_t (&opponent)[3]);
int MatchResult(const Single_Slot &slot);

} // namespace zel
