// The series of the three graphs.
#include "stats/graph_series.h"

#include "days/day_fixtures.h"
#include "days/day_store.h"
#include "days/match_rules.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;
using test::MakePlayer;

const char *const Season = "Championnat 2000 - 2001";

TEST(Graph1, putsNcAfterTheLowestClassementOfThePlayersScale) {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay(Season, "30", {{"NC", 2}, {"NC", -2}, {"30", 2}, {"35", 2}}));
    const Graph1_Series g = ComputeGraph1(state, GroupDays(state)[0]);
    ASSERT_EQ(g.labels.size(), 9u);
    EXPECT_EQ(g.labels[7], "30");
    EXPECT_EQ(g.labels[8], "NC");
    EXPECT_EQ(g.label_x[8], 284);
    EXPECT_EQ(g.matches[8], 2);
    EXPECT_EQ(g.victories[8], 1);
    EXPECT_EQ(g.max, 2); // "35" is off the player's scale but still counted
    EXPECT_EQ(g.scale, 150);
    EXPECT_EQ(g.grid.columns, 10);
    EXPECT_EQ(g.grid.y0, 50);
    EXPECT_EQ(g.matches_curve[8].x, 284);
    EXPECT_EQ(g.matches_curve[8].y, 50);
    EXPECT_EQ(g.victories_curve[8].y, 200);
    EXPECT_EQ(g.matches_curve[0].y, 350);
    EXPECT_EQ(g.axis_end, 310);
    EXPECT_EQ(g.arrow_head, 305);
}

TEST(Graph1, emptyChampionshipScalesForOne) {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay(Season, "30", {{"30", 2, false}}));
    const Graph1_Series g = ComputeGraph1(state, GroupDays(state)[0]);
    EXPECT_EQ(g.max, 1);
    EXPECT_EQ(g.scale, 300);
    ASSERT_EQ(g.value_ticks.size(), 1u);
    EXPECT_EQ(g.value_ticks[0].y, 50);
}

// Three days whose points for the player's own classement run 3, -12, -5.
SharedState ThreeDays() {
    SharedState state = MakePlayer(7, "30");
    AddDay(state, MakeDay(Season, "30", {{"25", 3}}));
    AddDay(state, MakeDay(Season, "30", {{"40", -4}, {"40", -4}, {"40", -4}, {"35", -3}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"25", 3}}));
    return state;
}

TEST(Graph2, rangeAndStepFollowTheRunningTotals) {
    const SharedState state = ThreeDays();
    const Graph2_Series g = ComputeGraph2(state, GroupDays(state)[0], "30");
    EXPECT_EQ(g.running_totals, (std::vector<int64_t>{3, -12, -5}));
    EXPECT_EQ(g.range, 12);
    EXPECT_EQ(g.step, 2);
    ASSERT_EQ(g.value_ticks.size(), 20u);
    EXPECT_EQ(g.value_ticks[0].value, 2);
    EXPECT_EQ(g.value_ticks[18].value, 20);
    EXPECT_EQ(g.value_ticks[19].value, -20);
    EXPECT_EQ(g.value_ticks[19].y, 395);
    ASSERT_EQ(g.curve.size(), 3u);
    EXPECT_EQ(g.curve[0].x, 66);
    EXPECT_EQ(g.curve[0].y, 225 - 25); // 17 * 3 / 2 truncated
    EXPECT_EQ(g.curve[1].x, 109);
    EXPECT_EQ(g.curve[1].y, 225 + 102);
    EXPECT_EQ(g.curve[2].y, 225 + 42);
    EXPECT_EQ(g.axis.positions, 14);
}

TEST(Graph2, anotherClassementRecomputesEveryMatch) {
    const SharedState state = ThreeDays();
    const Graph2_Series g = ComputeGraph2(state, GroupDays(state)[0], "40");
    // For "40": a win over "25" is 4; defeats against "40" cost 2, against "35" nothing.
    EXPECT_EQ(g.day_values, (std::vector<int64_t>{4, -6, 8}));
}

TEST(Graph3, stepAndScaleForTwentyVictories) {
    SharedState state = MakePlayer(7, "30");
    for (int day = 0; day < 5; ++day)
        AddDay(state, MakeDay(Season, "30", {{"25", 3}, {"25", 3}, {"30", 2}, {"35", 1}}));
    const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
    EXPECT_EQ(g.running_totals.back(), 20);
    EXPECT_EQ(g.step, 2);
    EXPECT_EQ(g.scale, 17);
    ASSERT_EQ(g.value_ticks.size(), 11u);
    EXPECT_EQ(g.value_ticks.back().value, 20);
    EXPECT_EQ(g.value_ticks.back().y, 385 - 340);
    EXPECT_EQ(g.grid.y0, 45);
    EXPECT_EQ(g.curve.back().y, 45);
}

TEST(Graph3, coversEveryDayOfALongChampionship) {
    SharedState state = MakePlayer(7, "30");
    for (int day = 0; day < 40; ++day)
        AddDay(state, MakeDay(Season, "30", {{"25", 3}}));
    const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
    ASSERT_EQ(g.curve.size(), 40u);
    EXPECT_EQ(g.axis.positions, 40);
    EXPECT_LE(g.curve.back().x, 625); // inside the axis
    EXPECT_GE(g.axis.label_every * g.axis.dx, 22);
    EXPECT_EQ(g.curve.back().y, 385 - 40 * 8);
}

TEST(Graph3, manyVictoriesStayInsideTheArea) {
    SharedState state = MakePlayer(7, "30");
    for (int day = 0; day < 100; ++day)
        AddDay(state, MakeDay(Season, "30", {{"25", 3}, {"25", 3}, {"25", 3}, {"25", 3}}));
    const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
    EXPECT_EQ(g.range, 400);
    EXPECT_GE(g.scale, 1);
    EXPECT_GE(g.grid.y0, 35);
    EXPECT_GE(g.curve.back().y, 35);
    EXPECT_LE(g.grid.rows, 350);
}

} // namespace
} // namespace zel
