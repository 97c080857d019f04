// Season names and the rules that decide sets and singles from their scores.
#pragma once

#include "days/day_sheet.h"
#include "platform/clock.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

// "Championnat 2000 - 2001" for the season that begins in 2000.
std::string SeasonName(int64_t first_year);

// The first years a season can begin in: the name of the season gives each of its
// two years four digits, and the day sheet keeps the name whole.
inline constexpr int32_t First_Season_Year = 1000;
inline constexpr int32_t Last_Season_Year = 9998;
bool IsSeasonYear(int64_t first_year);

// The season "+" (step 1) or "-" (step -1) goes to: the next one in that
// direction, never out of range; from out of range, the nearest season in range
// when that lies in the direction pressed, else `first_year` unchanged.
int32_t StepSeasonYear(int32_t first_year, int step);

// The first year of a season name: every digit after "Championnat " (a number
// too large for 32 bits saturates); 0 when none follows.
int32_t SeasonFirstYear(std::string_view season_name);

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
