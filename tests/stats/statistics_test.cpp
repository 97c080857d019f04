// Tallies by opponent classement, the victory rule and the estimation.
#include "stats/statistics.h"

#include "days/day_fixtures.h"
#include "days/day_store.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_store.h"

#include <gtest/gtest.h>

#include <limits>
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

TEST(AddTournamentGroup, addsColumnsWithNcAtIndex22In64Bits) {
    SharedState state = MakePlayer(5, "30"); // columns 1T..30, NC at 8
    Tournament_Sheet sheet{};
    SetFieldText(sheet.season, "2000 - 2001");
    sheet.columns[7] = {2, 1};
    sheet.columns[8] = {3, 4};   // "NC"
    sheet.columns[9] = {50, 50}; // unused column, ignored
    ASSERT_TRUE(AppendTournament(state, sheet, nullptr));
    sheet.columns[0] = {std::numeric_limits<uint32_t>::max(), 0};
    ASSERT_TRUE(AppendTournament(state, sheet, nullptr));
    const std::vector<Tournament_Group> groups = GroupTournaments(state);

    Stat_Tallies t;
    t.Stat_Victoires[7] = 1;
    AddTournamentGroup(state, groups, FindTournamentGroup(groups, "Championnat 2000 - 2001"), t);
    EXPECT_EQ(std::vector({t.Stat_Victoires[7], t.Stat_Defaites[7], t.Stat_Victoires[22], t.Stat_Defaites[22],
                           t.Stat_Victoires[8]}),
              std::vector<int64_t>({5, 2, 6, 8, 0}));
    EXPECT_EQ(RowTotal(t, 0), int64_t{std::numeric_limits<uint32_t>::max()} + 11);
    // The group name is matched exactly, case included.
    EXPECT_EQ(FindTournamentGroup(groups, "championnat 2000 - 2001"), No_Group);
    const Stat_Tallies before = t;
    AddTournamentGroup(state, groups, No_Group, t);
    EXPECT_EQ(t.Stat_Victoires, before.Stat_Victoires);
}

TEST(EstimatePoints, treatsNcAsOneStepBelowTheLowestClassementAndSaturates) {
    struct Case {
        int n;
        std::string_view label, opponent;
        int victories, defeats;
        int64_t points;
    } cases[] = {
        {5, "30", "NC", 1, 1, 1 - 3}, {5, "25", "NC", 1, 1, 0 - 4}, {5, "NC", "30", 1, 0, 3},
        {5, "NC", "NC", 1, 0, 2},     {5, "NC", "NC", 0, 1, -2},    {5, "NC", "30", 0, 1, 0},
        {19, "100", "NC", 1, 0, 1},   {19, "100", "NC", 0, 1, -3},  {19, "NC", "100", 1, 1, 3},
        {7, "zz", "1T", 5, 0, 0},
    };
    for (const Case &c : cases) {
        Stat_Tallies t;
        const int k = ClassementIndexOf(c.opponent);
        t.Stat_Victoires[k] = c.victories;
        t.Stat_Defaites[k] = c.defeats;
        EXPECT_EQ(EstimatePoints(t, c.n, c.label), c.points)
            << "N " << c.n << " " << c.label << " vs " << c.opponent;
    }
    Stat_Tallies t;
    t.Stat_Victoires.fill(std::numeric_limits<int64_t>::max());
    EXPECT_EQ(EstimatePoints(t, 7, "30"), std::numeric_limits<int64_t>::max());
    t.Stat_Victoires.fill(0);
    t.Stat_Defaites.fill(std::numeric_limits<int64_t>::max());
    EXPECT_EQ(EstimatePoints(t, 7, "1T"), std::numeric_limits<int64_t>::min());
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

} // namespace
} // namespace zel
