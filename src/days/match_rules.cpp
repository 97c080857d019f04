// Season names and the rules that decide sets and singles from their scores.
#include "days/match_rules.h"

#include "days/classement_scale.h"

#include <algorithm>
#include <cstdint>

namespace zel {

std::string SeasonName(int64_t first_year) {
    return "Championnat " + std::to_string(first_year) + " - " + std::to_string(first_year + 1);
}

bool IsSeasonYear(int64_t first_year) {
    return first_year >= First_Season_Year && first_year <= Last_Season_Year;
}

int32_t StepSeasonYear(int32_t first_year, int step) {
    if (step > 0)
        return first_year < Last_Season_Year ? std::max(first_year + 1, First_Season_Year) : first_year;
    return first_year > First_Season_Year ? std::min(first_year - 1, Last_Season_Year) : first_year;
}

int32_t SeasonFirstYear(std::string_view season_name) {
    constexpr std::string_view kPrefix = "Championnat ";
    if (season_name.size() <= kPrefix.size())
        return 0;
    int64_t value = 0;
    for (char ch : season_name.substr(kPrefix.size())) {
        if (ch < '0' || ch > '9')
            break;
        value = std::min<int64_t>(value * 10 + (ch - '0'), INT32_MAX);
    }
    return static_cast<int32_t>(value);
}

int32_t ProposedSeasonYear(const Clock &clock) {
    const Date today = clock.today();
    return today.month < 8 ? today.year - 1 : today.year;
}

int32_t UpdateSeasonYear(const Clock &clock) {
    const Date today = clock.today();
    return today.month < 6 ? today.year - 1 : today.year;
}

namespace {

bool WinsSet(uint32_t winner, uint32_t loser) {
    const uint32_t lead = winner - loser; // winner >= loser here
    return winner >= 21 && lead >= 2 && (winner < 22 || lead == 2);
}

} // namespace

int CheckSet(uint32_t player, uint32_t opponent) {
    if (player >= opponent)
        return WinsSet(player, opponent) ? 1 : 0;
    return WinsSet(opponent, player) ? -1 : 0;
}

int MatchResult(const uint32_t (&player)[3], const uint32_t (&opponent)[3]) {
    const int r1 = CheckSet(player[0], opponent[0]);
    const int r2 = CheckSet(player[1], opponent[1]);
    if (r1 + r2 == 0) {
        if (CheckSet(player[2], opponent[2]) != 0)
            return player[2] > opponent[2] ? Result_Victory : Result_Defeat;
        return Result_None;
    }
    if (player[2] != 0 || opponent[2] != 0)
        return Result_None;
    return player[1] > opponent[1] ? Result_Victory : Result_Defeat;
}

int MatchResult(const Single_Slot &slot) {
    return MatchResult(slot.player_scores, slot.opponent_scores);
}

} // namespace zel
