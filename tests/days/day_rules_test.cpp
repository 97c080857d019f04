// The classement scale, season names, the set rule, the day store,
// the championship table and the season points update.
#include "days/classement_scale.h"
#include "days/day_fixtures.h"
#include "days/day_store.h"
#include "days/match_rules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zel {
namespace {

using namespace test;
using Labels = std::vector<std::string>;

TEST(ClassementScale, labelsAreComparedExactlyAndTheShortestScaleAndTheLongestLabelAreWhole) {
    EXPECT_EQ(ClassementIndexOf("NC"), NC_Index);
    for (std::string_view off : {"nc", "30 ", "1000"})
        EXPECT_EQ(ClassementIndexOf(off), Off_Scale_Index) << off;
    EXPECT_EQ(Extended_Scale(1), (Labels{"NC", "4T", "3T", "2T", "1T"}));
    // "100" fills the profile field without a terminator.
    EXPECT_EQ(OwnClassement(MakePlayer(19, "100")), "100");
}

TEST(SeasonYear, theEntryFormsSeasonBeginsInAugust) {
    EXPECT_EQ(ProposedSeasonYear(FixedClock({2000, 8, 1})), 2000);
}

TEST(CheckSet, theWinnerHas21OrMoreAndBeyond21ExactlyTwoAhead) {
    const struct {
        uint32_t player, opponent;
        int result;
    } sets[] = {{21, 19, 1}, {0, 21, -1}, {22, 20, 1}, {30, 28, 1}, {22, 19, 0}, {20, 18, 0}};
    for (const auto &c : sets)
        EXPECT_EQ(CheckSet(c.player, c.opponent), c.result) << c.player << "-" << c.opponent;
}

TEST(DayStore, appendOverwritesStaleRecordsBehindTheCount) {
    SharedState state = MakePlayer(7, "30");
    // Records of a previous player stay behind the count and are overwritten.
    state.Mem_Days.resize(3, MakeDay("Championnat 1990 - 1991", "NC", {}));
    state.Current_Profile.day_count = 1;
    state.Day_Work_Record = MakeDay("Championnat 2000 - 2001", "30", {{"25", 3}});
    ASSERT_TRUE(AppendDay(state, [](const SharedState &) { return true; }));
    EXPECT_EQ(state.Current_Profile.day_count, 2);
    EXPECT_EQ(std::memcmp(&state.Mem_Days[1], &state.Day_Work_Record, sizeof(Day_Sheet)), 0);
}

TEST(GroupDays, namesAgreeingInTheFirst24CharactersAreOneChampionshipSortedByName) {
    SharedState state = MakePlayer(7, "30");
    //                    123456789012345678901234
    AddDay(state, MakeDay("Championnat 2000 - 2001X", "30", {})); // differs at the 24th
    AddDay(state, MakeDay("Championnat 2000 - 2001 A", "30", {}));
    AddDay(state, MakeDay("Championnat 2000 - 2001 B", "25", {{"30", 2}, {"30", Off_Scale_Points}}));
    const std::vector<Championship_Entry> table = GroupDays(state);
    ASSERT_EQ(table.size(), 2u);
    // The last day's name and classement; no off-scale marker in the points.
    EXPECT_EQ(
        std::tuple(table[0].name, table[0].classement, table[0].days, table[0].total_points, table[1].name),
        std::tuple("Championnat 2000 - 2001 B", "25", std::vector<int32_t>{1, 2}, 2,
                   "Championnat 2000 - 2001X"));
    // The count decides which records are days.
    state.Current_Profile.day_count = 0;
    EXPECT_TRUE(GroupDays(state).empty());
}

TEST(UpdateSeasonPoints, recomputesTheCurrentSeasonForTheNewClassementWhereItHasPoints) {
    SharedState state = MakePlayer(5, "25"); // was "30"; scale NC, 30, 25, 20, 15
    AddDay(state, MakeDay("Championnat 1999 - 2000", "30", {{"30", 2, true, {21, 21, 0}, {15, 17, 0}}}));
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30",
                          {{"30", 2, true, {21, 21, 0}, {15, 17, 0}},     // won 2-0: victory
                           {"20", -2, true, {21, 15, 12}, {19, 21, 21}},  // lost the belle: defeat
                           {"NC", 1, false, {21, 21, 0}, {1, 1, 0}},      // not played: untouched
                           {"40", -1, true, {15, 15, 0}, {21, 21, 0}}})); // "40" left the scale
    ASSERT_TRUE(UpdateSeasonPoints(state, FixedClock({2000, 6, 15})));
    const Day_Sheet &day = state.Mem_Days[1];
    EXPECT_EQ(std::vector({day.singles[0].points, day.singles[1].points, day.singles[2].points,
                           day.singles[3].points}),
              std::vector({1, 0, 1, -1}));
    EXPECT_STREQ(day.classement, "25");
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 2); // another season
    // Only when the last championship is the current season.
    EXPECT_FALSE(UpdateSeasonPoints(state, FixedClock({2000, 5, 31})));
    EXPECT_FALSE(UpdateSeasonPoints(state, FixedClock({2002, 1, 1})));
    // The player's own label below the championship's lowest one: nothing is made up.
    SetFieldTextFull(state.Current_Profile.classement, "60");
    ASSERT_TRUE(UpdateSeasonPoints(state, FixedClock({2001, 3, 1})));
    EXPECT_EQ(state.Mem_Days[1].singles[0].points, 1);
}

} // namespace
} // namespace zel
