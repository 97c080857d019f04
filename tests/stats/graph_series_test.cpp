// The series of the three graphs.
#include "stats/graph_series.h"

#include "days/day_fixtures.h"
#include "days/day_store.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;
using test::MakePlayer;

const char *const Season = "Championnat 2000 - 2001";

TEST(Graph1, putsNcAfterTheLowestClassementAndScalesAnEmptyChampionshipForOne) {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay(Season, "30", {{"NC", 2, false}, {"35", 2, false}}));
    const Graph1_Series g = ComputeGraph1(state, GroupDays(state)[0]);
    ASSERT_EQ(g.labels.size(), 9u);
    EXPECT_EQ(g.labels[8], "NC");
    EXPECT_EQ(g.label_x[8], 284);
    EXPECT_EQ(g.max, 1);
    EXPECT_EQ(g.scale, 300);
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
    EXPECT_EQ(g.value_ticks[18].value, 20);
    EXPECT_EQ(g.value_ticks[19].value, -20);
    // For "40" every match is valued again: a win over "25" is 4; defeats against "40" cost 2,
    // against "35" nothing.
    EXPECT_EQ(ComputeGraph2(state, GroupDays(state)[0], "40").day_values, (std::vector<int64_t>{4, -6, 8}));
}

TEST(Graph3, coversEveryDayAndEveryVictoryInsideTheArea) {
    SharedState state = MakePlayer(7, "30");
    for (int day = 0; day < 100; ++day)
        AddDay(state, MakeDay(Season, "30", {{"25", 3}, {"25", 3}, {"25", 3}, {"25", 3}}));
    const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
    ASSERT_EQ(g.curve.size(), 100u);
    EXPECT_EQ(g.axis.positions, 100);
    EXPECT_LE(g.curve.back().x, 625); // inside the axis
    EXPECT_GE(g.axis.label_every * g.axis.dx, 22);
    EXPECT_EQ(g.range, 400);
    EXPECT_GE(g.scale, 1);
    EXPECT_GE(g.curve.back().y, 35);
    EXPECT_LE(g.grid.rows, 350);
}

} // namespace
} // namespace zel
