// Tallies by opponent classement, the victory rule and the estimation; the axes of the graphs at
// the values where their rounding rules change. (The graphs dialog tests check ordinary
// championships pixel by pixel.)
#include "days/day_fixtures.h"
#include "days/day_store.h"
#include "stats/graph_series.h"
#include "stats/history.h"
#include "stats/statistics.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_store.h"

#include <gtest/gtest.h>

#include <random>

namespace zel {
namespace {

using namespace test;

TEST(CountChampionship, aZeroPointSingleAgainstAnEqualOrUnknownClassementOrAMarkerIsOnlyAMatch) {
    struct Case {
        std::string_view day_classement, opponent;
        int32_t points;
        int victories, defeats, matches;
    } cases[] = {
        {"30", "30", 0, 0, 0, 1},                // equal: counted in the matches only
        {"", "30", 0, 0, 0, 1},                  // the day's own classement is unknown
        {"30", "25", Off_Scale_Points, 0, 0, 1}, // played against a "25", neither won nor lost
        {"30", "3O", -2, 0, 0, 0},               // off the scale: counted nowhere
    };
    for (const Case &c : cases) {
        SharedState state = MakePlayer(19, "15");
        AddDay(state, MakeDay("Championnat 2000 - 2001", c.day_classement, {{c.opponent, c.points}}));
        Stat_Tallies t;
        CountChampionship(state, GroupDays(state)[0], t);
        const int k = std::min(ClassementIndexOf(c.opponent), Scale_Size - 1);
        EXPECT_EQ(std::tuple(t.Stat_Victoires[k], t.Stat_Defaites[k], t.Stat_Matchs[k]),
                  std::tuple(c.victories, c.defeats, c.matches))
            << c.day_classement << " vs " << c.opponent;
        EXPECT_EQ(RowTotal(t, 0) + RowTotal(t, 1), c.victories + c.defeats);
    }
}

// Only the columns of the player's scale count, and the group's name is matched as it is, case
// included.
TEST(AddTournamentGroup, addsOnlyTheScalesColumnsOfTheGroupNamedExactly) {
    SharedState state = MakePlayer(5, "30"); // columns 1T..30, NC at 8
    Tournament_Sheet sheet{};
    SetFieldText(sheet.season, "2000 - 2001");
    sheet.columns[7] = {2, 1};
    sheet.columns[9] = {50, 50}; // unused column, ignored
    ASSERT_TRUE(AppendTournament(state, sheet, nullptr));
    const std::vector<Tournament_Group> groups = GroupTournaments(state);
    Stat_Tallies t;
    t.Stat_Victoires[7] = 1;
    AddTournamentGroup(state, groups, FindTournamentGroup(groups, "Championnat 2000 - 2001"), t);
    EXPECT_EQ(std::pair(RowTotal(t, 0), RowTotal(t, 1)), std::pair(int64_t{3}, int64_t{1}));
    EXPECT_EQ(FindTournamentGroup(groups, "championnat 2000 - 2001"), No_Group);
}

// For every label of the player's list and opponents on the player's scale,
// the estimation is the sum of the match points of the counted results.
TEST(EstimatePoints, equalsTheSumOfMatchPointsOverThePlayersScale) {
    std::mt19937 random(20240611);
    for (int n = 1; n <= 19; ++n) {
        std::vector<int> opponents{NC_Index}; // Classement_Index of the player's scale
        for (int k = 0; k <= n + 2; ++k)
            opponents.push_back(k);
        for (int round = 0; round < 20; ++round) {
            Stat_Tallies t;
            for (int k : opponents) {
                t.Stat_Victoires[k] = random() % 4;
                t.Stat_Defaites[k] = random() % 4;
            }
            for (const std::string &label : BuildClassementList(n)) {
                int64_t sum = 0;
                for (int k : opponents)
                    sum += t.Stat_Victoires[k] * MatchPoints(n, label, Full_Scale[k], true) +
                           t.Stat_Defaites[k] * MatchPoints(n, label, Full_Scale[k], false);
                ASSERT_EQ(EstimatePoints(t, n, label), sum) << "N " << n << " label " << label;
            }
        }
    }
}

// A championship of days whose singles, each against a "30", are worth these points to the player
// (own classement "30", so the points are the stored ones). A day holds up to four.
SharedState Championship(const std::vector<std::vector<int32_t>> &days) {
    SharedState state = MakePlayer(7, "30");
    for (const auto &points : days) {
        Day_Sheet day = MakeDay("Championnat 2000 - 2001", "30", {});
        for (std::size_t k = 0; k < points.size(); ++k)
            day.singles[k] = {1, "", "30", {}, {21, 21, 0}, {0, 0, 0}, points[k]};
        AddDay(state, day);
    }
    return state;
}

// `won` singles won for 2 points, four a day.
SharedState Won(int won) {
    std::vector<std::vector<int32_t>> days(std::size_t((won + 3) / 4), std::vector<int32_t>(4, 2));
    if (won % 4 != 0)
        days.back().resize(std::size_t(won % 4));
    return Championship(days);
}

TEST(GraphAxes, graph1RowsHoldOneMatchEachUpTo300ThenWhatMakes300RowsAtMost) {
    const struct {
        int matches;
        int64_t unit;
        int rows, scale, y;
    } cases[] = {
        {0, 1, 1, 300, 350}, // an empty championship scales for one match
        {7, 1, 7, 42, 56},   // 300 / 7 rounds down
        {300, 1, 300, 1, 50},
        {301, 2, 151, 1, 200}, // 301 / 2 rounds down
    };
    for (const auto &c : cases) {
        const SharedState state = Won(c.matches);
        const Graph1_Series g =
            ComputeGraph1(state, GroupDays(state).empty() ? Championship_Entry{} : GroupDays(state)[0]);
        ASSERT_EQ(g.value_ticks.size(), std::size_t(c.rows)) << c.matches;
        EXPECT_EQ(std::tuple(g.unit, g.grid.rows, g.scale, g.grid.y0, g.value_ticks.back().value,
                             g.matches_curve[7].y), // the "30" column
                  std::tuple(c.unit, c.rows, c.scale, 350 - c.rows * c.scale, c.rows * c.unit, c.y))
            << c.matches;
    }
}

TEST(GraphAxes, graph2StepIsATenthOfTheRangeRoundedUpAndPointsRoundTowardTheAxis) {
    const struct {
        int32_t total;
        int64_t range, step;
        int y;
    } cases[] = {
        {0, 1, 1, 225},    {10, 10, 1, 55}, {11, 11, 2, 132},
        {-11, 11, 2, 318}, {20, 20, 2, 55}, {21, 21, 3, 106},
    };
    for (const auto &c : cases) {
        const SharedState state = Championship({{c.total}});
        const Graph2_Series g = ComputeGraph2(state, GroupDays(state)[0], "30");
        ASSERT_EQ(g.value_ticks.size(), 20u);
        EXPECT_EQ(std::tuple(g.range, g.step, g.curve[0].y, g.value_ticks[18].value, g.value_ticks[19].value),
                  std::tuple(c.range, c.step, c.y, 10 * c.step, -10 * c.step))
            << c.total;
    }
}

TEST(GraphAxes, graph3RowsHoldOneVictoryEachUpTo350AndLabelsEveryTwentiethPlusOne) {
    const struct {
        int won;
        int64_t range, unit;
        int scale;
        int64_t step;
        std::size_t ticks;
        int y;
    } cases[] = {
        {0, 1, 1, 350, 1, 2, 385},    {19, 19, 1, 18, 1, 20, 43},    {20, 20, 1, 17, 2, 11, 45},
        {350, 350, 1, 1, 18, 20, 35}, {351, 351, 2, 1, 18, 20, 210},
    };
    for (const auto &c : cases) {
        const SharedState state = c.won ? Won(c.won) : Championship({{-2}});
        const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
        EXPECT_EQ(std::tuple(g.range, g.unit, g.scale, g.step, g.value_ticks.size(), g.curve.back().y,
                             g.grid.y0 + g.grid.rows * g.grid.dy),
                  std::tuple(c.range, c.unit, c.scale, c.step, c.ticks, c.y, 385))
            << c.won;
    }
}

TEST(GraphAxes, daysShareTheWidthOf14BeyondThemAndLabelsNeverOverlap) {
    const struct {
        int days, dx, label_every;
    } cases[] = {{14, 43, 1}, {15, 39, 1}, {26, 22, 1}, {27, 21, 2}, {560, 1, 22}};
    for (const auto &c : cases) {
        const SharedState state = Championship(std::vector<std::vector<int32_t>>(std::size_t(c.days), {2}));
        const Graph3_Series g = ComputeGraph3(state, GroupDays(state)[0]);
        EXPECT_EQ(std::tuple(g.axis.positions, g.axis.dx, g.axis.label_every),
                  std::tuple(c.days, c.dx, c.label_every));
        EXPECT_LE(g.curve.back().x, 625) << c.days; // inside the grid of 14 days
    }
    // Season labels are four digits wide.
    for (auto [seasons, label_every] : {std::pair{19, 1}, {20, 2}})
        EXPECT_EQ(ComputeSeasonsGraph(std::vector<Season_Row>(std::size_t(seasons))).axis.label_every,
                  label_every);
}

TEST(GraphAxes, seasonPointsStepIsATenthOfTheirSpreadFromAMultipleAtOrBelowZero) {
    const struct {
        std::vector<int64_t> points;
        int64_t step, bottom;
        std::size_t ticks;
        int row_height;
    } cases[] = {{{0}, 1, 0, 2, 300}, {{10}, 1, 0, 11, 30}, {{11}, 2, 0, 7, 50}, {{-5, 12}, 2, -6, 10, 33}};
    for (const auto &c : cases) {
        std::vector<Season_Row> seasons(c.points.size());
        for (std::size_t i = 0; i < seasons.size(); ++i)
            seasons[i].points = c.points[i];
        const Seasons_Series g = ComputeSeasonsGraph(seasons);
        EXPECT_EQ(std::tuple(g.points_step, g.points_ticks.front().value, g.points_ticks.size(),
                             g.points_ticks[0].y - g.points_ticks[1].y, g.points_curve.back().y),
                  std::tuple(c.step, c.bottom, c.ticks, c.row_height,
                             350 - int((c.points.back() - c.bottom) * c.row_height / c.step)))
            << c.points.back();
    }
}

} // namespace
} // namespace zel
