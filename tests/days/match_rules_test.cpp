// Season names, the set rule and the result of a single.
#include "days/match_rules.h"

#include "days/classement_scale.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(SeasonYear, boundariesAndHugeYears) {
    EXPECT_EQ(SeasonName(2147483647), "Championnat 2147483647 - 2147483648");
    EXPECT_EQ(SeasonFirstYear("Championnat 99999999999 - 0"), INT32_MAX);
    EXPECT_EQ(SeasonFirstYear("Championnat -"), 0);
    // The entry form's season begins in August, the points update's in June.
    const struct {
        Date date;
        int proposed, update;
    } dates[] = {{{2000, 5, 31}, 1999, 1999}, {{2000, 6, 1}, 1999, 2000}, {{2000, 8, 1}, 2000, 2000}};
    for (const auto &c : dates) {
        FixedClock clock(c.date);
        EXPECT_EQ(ProposedSeasonYear(clock), c.proposed) << c.date.month << "/" << c.date.day;
        EXPECT_EQ(UpdateSeasonYear(clock), c.update) << c.date.month << "/" << c.date.day;
    }
}

TEST(MatchResult, finishedSetsDecideAndAThirdSetAfterTwoToNothingDecidesNothing) {
    // The winner has 21 or more, and beyond 21 exactly two ahead.
    const struct {
        uint32_t player, opponent;
        int result;
    } sets[] = {{21, 19, 1}, {0, 21, -1}, {22, 20, 1}, {30, 28, 1}, {22, 19, 0}, {20, 18, 0}};
    for (const auto &c : sets)
        EXPECT_EQ(CheckSet(c.player, c.opponent), c.result) << c.player << "-" << c.opponent;
    const uint32_t won[3] = {21, 21, 0}, lost[3] = {15, 17, 0}, third[3] = {21, 21, 5}, low[3] = {19, 17, 0};
    EXPECT_EQ(MatchResult(won, lost), Result_Victory);
    EXPECT_EQ(MatchResult(lost, won), Result_Defeat);
    EXPECT_EQ(MatchResult(third, low), Result_None);
}

} // namespace
} // namespace zel
