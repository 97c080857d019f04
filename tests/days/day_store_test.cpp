// The day store, the championship table and the season points update.
#include "days/day_store.h"

#include "days/day_fixtures.h"
#include "days/match_rules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;
using test::MakePlayer;

TEST(DayStore, appendObeysTheCapacityCheckAndOverwritesStaleRecords) {
    SharedState state = MakePlayer(7, "30");
    // Records of a previous player stay behind the count and are overwritten.
    state.Mem_Days.resize(3, MakeDay("Championnat 1990 - 1991", "NC", {}));
    state.Current_Profile.day_count = 1;
    state.Day_Work_Record = MakeDay("Championnat 2000 - 2001", "30", {{"25", 3}});
    EXPECT_FALSE(AppendDay(state, [](const SharedState &) { return false; }));
    EXPECT_EQ(state.Current_Profile.day_count, 1);
    ASSERT_TRUE(AppendDay(state, [](const SharedState &) { return true; }));
    EXPECT_EQ(state.Current_Profile.day_count, 2);
    EXPECT_EQ(state.Mem_Days.size(), 3u);
    EXPECT_EQ(std::memcmp(&state.Mem_Days[1], &state.Day_Work_Record, sizeof(Day_Sheet)), 0);
}

TEST(DayStore, deleteMovesLaterDaysDownAndStaysInRange) {
    SharedState state = MakePlayer(7, "30");
    for (const char *season : {"Championnat 1 - 2", "Championnat 2 - 3", "Championnat 3 - 4"})
        AddDay(state, MakeDay(season, "30", {}));
    ASSERT_TRUE(DeleteDay(state, 0));
    EXPECT_EQ(state.Current_Profile.day_count, 2);
    EXPECT_STREQ(state.Mem_Days[1].season, "Championnat 3 - 4");
    EXPECT_FALSE(DeleteDay(state, 2));
    EXPECT_FALSE(DeleteDay(state, -1));
}

TEST(GroupDays, sortsSeasonsEnteredOutOfOrderAndTotalsPlayedSinglesOnly) {
    SharedState state = MakePlayer(7, "30");
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30", {{"25", 3}, {"30", -2}}));
    AddDay(state, MakeDay("Championnat 1999 - 2000", "35", {{"25", 4}, {"35", 2, false}}));
    AddDay(state,
           MakeDay("Championnat 2000 - 2001", "25", {{"20", 3, false}, {"NC", 0}, {"30", Off_Scale_Points}}));
    const std::vector<Championship_Entry> table = GroupDays(state);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].name, "Championnat 1999 - 2000");
    EXPECT_EQ(table[0].days, (std::vector<int32_t>{1}));
    EXPECT_EQ(table[0].total_points, 4);
    EXPECT_EQ(table[1].days, (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(table[1].total_points, 1);  // no unplayed single, no off-scale marker
    EXPECT_EQ(table[1].classement, "25"); // from the last day in store order
    // The count decides which records are days.
    state.Current_Profile.day_count = 0;
    EXPECT_TRUE(GroupDays(state).empty());
}

TEST(GroupDays, namesAgreeingInTheFirst24CharactersAreOneChampionship) {
    SharedState state = MakePlayer(7, "30");
    //                    123456789012345678901234
    AddDay(state, MakeDay("Championnat 2000 - 2001 A", "30", {}));
    AddDay(state, MakeDay("Championnat 2000 - 2001 B", "30", {}));
    AddDay(state, MakeDay("Championnat 2000 - 200", "30", {})); // differs at the 23rd
    const std::vector<Championship_Entry> table = GroupDays(state);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].name, "Championnat 2000 - 200");
    EXPECT_EQ(table[1].name, "Championnat 2000 - 2001 B"); // the last day's name
    EXPECT_EQ(table[1].days, (std::vector<int32_t>{0, 1}));
}

TEST(GroupDays, holdsAnyNumberOfChampionshipsAndDays) {
    SharedState state = MakePlayer(7, "30");
    for (int i = 0; i < 150; ++i) // 150 days, 40 in the first season, 111 seasons
        AddDay(state, MakeDay(SeasonName(i < 40 ? 1900 : 1900 + i), "30", {{"30", 2}}));
    const std::vector<Championship_Entry> table = GroupDays(state);
    ASSERT_EQ(table.size(), 111u);
    EXPECT_EQ(table[0].total_points, 80);
}

TEST(UpdateSeasonPoints, recomputesTheCurrentSeasonForTheNewClassement) {
    SharedState state = MakePlayer(7, "25"); // was "30"
    AddDay(state, MakeDay("Championnat 1999 - 2000", "30", {{"30", 2, true, {21, 21, 0}, {15, 17, 0}}}));
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30",
                          {{"30", 2, true, {21, 21, 0}, {15, 17, 0}},    // won 2-0: victory
                           {"25", -2, true, {21, 15, 12}, {19, 21, 21}}, // lost the belle: defeat
                           {"NC", 1, false, {21, 21, 0}, {1, 1, 0}}}));  // not played: untouched
    ASSERT_TRUE(UpdateSeasonPoints(state, FixedClock({2000, 6, 15})));
    const Day_Sheet &day = state.Mem_Days[1];
    EXPECT_EQ(day.singles[0].points, 1);
    EXPECT_EQ(day.singles[1].points, -2);
    EXPECT_EQ(day.singles[2].points, 1);
    EXPECT_STREQ(day.classement, "25");
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 2); // another season
    // Only when the last championship is the current season.
    EXPECT_FALSE(UpdateSeasonPoints(state, FixedClock({2000, 5, 31})));
    EXPECT_FALSE(UpdateSeasonPoints(state, FixedClock({2002, 1, 1})));
}

TEST(UpdateSeasonPoints, keepsPointsWhenALabelIsOffTheNewScale) {
    SharedState state = MakePlayer(5, "25"); // scale NC, 30, 25, 20, 15
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30",
                          {{"40", -1, true, {15, 15, 0}, {21, 21, 0}}, // "40" left the scale
                           {"30", -2, true, {15, 15, 0}, {21, 21, 0}}}));
    const FixedClock clock({2001, 3, 1});
    ASSERT_TRUE(UpdateSeasonPoints(state, clock));
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, -1);
    EXPECT_EQ(state.Mem_Days[0].singles[1].points, -3);
    // The player's own label below the championship's lowest one: nothing is made up.
    SetFieldTextFull(state.Current_Profile.classement, "60");
    ASSERT_TRUE(UpdateSeasonPoints(state, clock));
    EXPECT_EQ(state.Mem_Days[0].singles[1].points, -3);
}

} // namespace
} // namespace zel
