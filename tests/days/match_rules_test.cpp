// Season names, the set rule and the result of a single.
#include "days/match_rules.h"

#include "days/classement_scale.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(SeasonName, namesAndBoundariesOfTheEntryFormAndThePointsUpdate) {
    EXPECT_EQ(SeasonName(2000), "Championnat 2000 - 2001");
    EXPECT_EQ(SeasonName(2147483647), "Championnat 2147483647 - 2147483648");
    // The entry form's season begins in August, the points update's in June.
    const struct {
        Date date;
        int proposed, update;
    } cases[] = {{{2000, 5, 31}, 1999, 1999},
                 {{2000, 6, 1}, 1999, 2000},
                 {{2000, 7, 31}, 1999, 2000},
                 {{2000, 8, 1}, 2000, 2000}};
    for (const auto &c : cases) {
        FixedClock clock(c.date);
        EXPECT_EQ(ProposedSeasonYear(clock), c.proposed) << c.date.month << "/" << c.date.day;
        EXPECT_EQ(UpdateSeasonYear(clock), c.update) << c.date.month << "/" << c.date.day;
    }
}

TEST(SeasonYear, isReadWholeAndStepsStayWithinFourDigitYears) {
    const struct {
        const char *name;
        int32_t year;
    } names[] = {{"Championnat 2000 - 2001", 2000},
                 {"Championnat 20011 - 20012", 20011}, // not the 2001 of its first four digits
                 {"Championnat 99999999999 - 0", INT32_MAX},
                 {"Championnat -", 0}};
    for (const auto &n : names)
        EXPECT_EQ(SeasonFirstYear(n.name), n.year) << n.name;
    const struct {
        int32_t from;
        int step, to;
    } steps[] = {{2000, 1, 2001},   {2000, -1, 1999},  {9998, 1, 9998}, {1000, -1, 1000},
                 {20011, -1, 9998}, {20011, 1, 20011}, {0, 1, 1000},    {0, -1, 0}};
    for (const auto &s : steps)
        EXPECT_EQ(StepSeasonYear(s.from, s.step), s.to) << s.from << " " << s.step;
}

TEST(CheckSet, acceptsOnlyFinishedSets) {
    const struct {
        uint32_t player, opponent;
        int result;
    } cases[] = {
        {21, 19, 1}, {19, 21, -1}, {22, 20, 1}, {25, 23, 1}, {30, 28, 1}, {21, 20, 0},
        {22, 19, 0}, {23, 20, 0},  {20, 18, 0}, {0, 0, 0},   {26, 23, 0}, {0, 21, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckSet(c.player, c.opponent), c.result) << c.player << "-" << c.opponent;
}

TEST(MatchResult, decidesBySetsWithABelleOnlyAfterASplit) {
    const struct {
        uint32_t player[3];
        uint32_t opponent[3];
        int code;
    } cases[] = {
        {{21, 21, 0}, {15, 17, 0}, Result_Victory},   {{15, 17, 0}, {21, 21, 0}, Result_Defeat},
        {{21, 19, 21}, {19, 21, 15}, Result_Victory}, {{21, 19, 15}, {19, 21, 21}, Result_Defeat},
        {{21, 21, 5}, {19, 17, 0}, Result_None}, // a third set after 2-0
        {{21, 19, 0}, {19, 21, 0}, Result_None}, // split, no belle yet
    };
    for (const auto &c : cases)
        EXPECT_EQ(MatchResult(c.player, c.opponent), c.code)
            << c.player[0] << "-" << c.opponent[0] << " " << c.player[2] << "-" << c.opponent[2];
}

} // namespace
} // namespace zel
