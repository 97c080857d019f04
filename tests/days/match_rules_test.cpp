// Season names, the set rule and the result of a single.
#include "days/match_rules.h"

#include "days/classement_scale.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(SeasonName, namesTheFirstYearAndTheNext) {
    EXPECT_EQ(SeasonName(2000), "Championnat 2000 - 2001");
    EXPECT_EQ(SeasonName(1999), "Championnat 1999 - 2000");
    EXPECT_EQ(SeasonName(2147483647), "Championnat 2147483647 - 2147483648");
}

TEST(SeasonName, entryFormProposesTheSeasonThatBeganInAugust) {
    FixedClock clock({2000, 7, 31});
    EXPECT_EQ(ProposedSeasonYear(clock), 1999);
    clock.set({2000, 8, 1});
    EXPECT_EQ(ProposedSeasonYear(clock), 2000);
    clock.set({2001, 1, 15});
    EXPECT_EQ(ProposedSeasonYear(clock), 2000);
}

TEST(SeasonName, pointsUpdateTakesTheSeasonThatBeganInJune) {
    FixedClock clock({2000, 5, 31});
    EXPECT_EQ(UpdateSeasonYear(clock), 1999);
    clock.set({2000, 6, 1});
    EXPECT_EQ(UpdateSeasonYear(clock), 2000);
    // June and July: the update and the entry form disagree on purpose.
    clock.set({2000, 7, 10});
    EXPECT_EQ(UpdateSeasonYear(clock), 2000);
    EXPECT_EQ(ProposedSeasonYear(clock), 1999);
}

struct SetCase {
    uint32_t player, opponent;
    int result;
};

TEST(CheckSet, acceptsOnlyFinishedSets) {
    const SetCase cases[] = {
        {21, 19, 1}, {19, 21, -1}, {21, 0, 1},  {22, 20, 1}, {20, 22, -1}, {24, 22, 1},
        {25, 23, 1}, {30, 28, 1},  {21, 20, 0}, {20, 21, 0}, {22, 19, 0},  {23, 20, 0},
        {20, 23, 0}, {20, 18, 0},  {0, 0, 0},   {21, 21, 0}, {26, 23, 0},  {0, 21, -1},
    };
    for (const SetCase &c : cases)
        EXPECT_EQ(CheckSet(c.player, c.opponent), c.result) << c.player << "-" << c.opponent;
}

struct MatchCase {
    uint32_t player[3];
    uint32_t opponent[3];
    int code;
};

TEST(MatchResult, decidesBySetsWithABelleOnlyAfterASplit) {
    const MatchCase cases[] = {
        {{21, 21, 0}, {15, 17, 0}, Result_Victory},   {{15, 17, 0}, {21, 21, 0}, Result_Defeat},
        {{21, 19, 21}, {19, 21, 15}, Result_Victory}, {{21, 19, 15}, {19, 21, 21}, Result_Defeat},
        {{21, 21, 5}, {19, 17, 0}, Result_None}, // a third set after 2-0
        {{21, 19, 0}, {19, 21, 0}, Result_None}, // split, no belle yet
        {{21, 19, 21}, {19, 21, 20}, Result_None},    {{0, 0, 0}, {0, 0, 0}, Result_None},
    };
    for (const MatchCase &c : cases)
        EXPECT_EQ(MatchResult(c.player, c.opponent), c.code)
            << c.player[0] << "-" << c.opponent[0] << " " << c.player[1] << "-" << c.opponent[1] << " "
            << c.player[2] << "-" << c.opponent[2];
}

} // namespace
} // namespace zel
