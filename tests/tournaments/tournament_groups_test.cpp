// Tournament seasons, columns, estimation, grouping and the store.
#include "tournaments/tournament_groups.h"

#include "days/day_fixtures.h"
#include "tournaments/tournament_store.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace zel {
namespace {

Tournament_Sheet MakeTournament(std::string_view season, int32_t points) {
    Tournament_Sheet sheet{};
    SetFieldText(sheet.season, season);
    SetFieldText(sheet.classement, "30");
    sheet.points = points;
    return sheet;
}

TEST(TournamentSeason, beginsInAugustAndColumnsRunFromTheTopLabelsDownToNc) {
    EXPECT_EQ(std::tuple(TournamentSeason(2000, 7), TournamentSeason(2000, 8)),
              std::tuple("1999 - 2000", "2000 - 2001"));
    // N = 2: "1T", "2T", "3T", "4T", "15", then "NC" in column 5.
    EXPECT_EQ(std::tuple(TournamentColumnCount(2), TournamentColumnLabel(2, 4), TournamentColumnLabel(2, 5),
                         TournamentColumnLabel(2, 6), TournamentColumnOf(11, "NC"),
                         TournamentColumnOf(11, "65")),
              std::tuple(6, "15", "NC", "", 14, -1));
}

TEST(EstimateTournament, appliesTheMatchPointsRuleToCountsIn64Bits) {
    Tournament_Sheet sheet{};
    // A label off the scale finds every column stronger: victories count 1 in
    // column "1T" only; defeats -3 there and -4 elsewhere.
    for (int i = 0; i < 15; ++i)
        sheet.columns[i] = {1, 1};
    EXPECT_EQ(EstimateTournament(11, "95", sheet), 1 - 3 - 4 * 14);
    const int64_t max = std::numeric_limits<uint32_t>::max();
    for (auto &column : sheet.columns)
        column = {uint32_t(max), uint32_t(max)};
    // For "NC" with N = 19: 21 columns at 4, "100" at 3, "NC" at 2; only the NC defeats cost 2.
    EXPECT_EQ(EstimateTournament(19, "NC", sheet), max * (21 * 4 + 3 + 2) - max * 2);
    EXPECT_EQ((std::vector{StoredTournamentPoints(max * 79), StoredTournamentPoints(-max * 90),
                           StoredTournamentPoints(-17)}),
              (std::vector{INT32_MAX, INT32_MIN, -17}));
}

TEST(GroupTournaments, seasonsAgreeingInTheirFirst24CharactersAreOneGroupAndGroupsSortByName) {
    SharedState state = test::MakePlayer(7, "30");
    //                                      123456789012345678901234
    for (const char *season : {"2001 - 2002", "1999 - 2000 (hiver) 01 A", "1999 - 2000 (hiver) 01 AB",
                               "1999 - 2000 (hiver) 01 B", "2001 - 2002"})
        ASSERT_TRUE(AppendTournament(state, MakeTournament(season, 5), nullptr));
    state.Mem_Tournois[4].points = 3;
    SetFieldText(state.Mem_Tournois[4].classement, "20");
    const std::vector<Tournament_Group> groups = GroupTournaments(state);
    ASSERT_EQ(groups.size(), 3u);
    // Seasons that differ only past their 19th character give groups of the same name, cut to the
    // 31 bytes of a name.
    EXPECT_EQ(std::tuple(groups[0].name, groups[1].name),
              std::tuple("Championnat 1999 - 2000 (hiver)", "Championnat 1999 - 2000 (hiver)"));
    EXPECT_EQ((std::set{groups[0].tournaments, groups[1].tournaments}),
              (std::set<std::vector<int32_t>>{{1, 2}, {3}}));
    // Stored points, not a new estimation; the last tournament's classement.
    EXPECT_EQ(std::tuple(groups[2].tournaments, groups[2].points, groups[2].classement),
              std::tuple(std::vector<int32_t>{0, 4}, 8, "20"));
}

} // namespace
} // namespace zel
