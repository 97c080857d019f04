// The seasons and opponents tables of the history, on a player full of traps.
#include "stats/history.h"

#include "stats/history_fixture.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(ComputeHistory, oneRowPerChampionshipCountedAsTheRecapWithItsTournamentSeason) {
    const Player_History h = ComputeHistory(test::HistoryState());
    struct Row {
        const char *name;
        int days;
        int64_t matches, victories, defeats;
        int percentage;
        int64_t points, tournament_victories, tournament_defeats;
        const char *classement;
    } expected[] = {
        // Neither the off-scale label, the unplayed single nor the double counts; the 0-point
        // single against a weaker "40" is won.
        {"Championnat 1999 - 2000", 1, 2, 2, 0, 100, 2, 0, 0, "35"},
        // The classement of the first day entered, though another is earlier in the season.
        {"Championnat 2000 - 2001", 2, 5, 4, 1, 80, 3, 2, 1, "30"},
        {"Championnat 2001 - 2002", 1, 3, 2, 1, 66, -2, 0, 0, "25"},
    }; // and no row for the tournaments of 1998 - 1999
    ASSERT_EQ(h.seasons.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Row &e = expected[i];
        const Season_Row &s = h.seasons[i];
        EXPECT_EQ(s.name, e.name);
        EXPECT_EQ(std::tuple(s.days, s.matches, s.victories, s.defeats, s.percentage),
                  std::tuple(e.days, e.matches, e.victories, e.defeats, e.percentage))
            << e.name;
        EXPECT_EQ(std::tuple(s.points, s.tournament_victories, s.tournament_defeats),
                  std::tuple(e.points, e.tournament_victories, e.tournament_defeats))
            << e.name;
        EXPECT_EQ(s.classement, e.classement);
    }
}

TEST(ComputeHistory, opponentsByNameAndClubCaseAsideAccentsKeptAnonymousLast) {
    const SharedState state = test::HistoryState();
    const Player_History h = ComputeHistory(state);
    struct Row {
        const char *name, *club;
        int64_t meetings, victories, defeats;
        const char *last_classement, *last_date;
    } expected[] = {
        {"DUPR\xC9", "tt nord", 2, 2, 0, "35", "15/11/2001"}, // "Dupré" before: the same
        {"Dupre", "tt nord", 1, 1, 0, "40", "15/11/2001"},    // without the accent: another
        {"martin", "tt nord", 3, 1, 2, "20", "15/11/2001"},   // three seasons, three spellings
        {"Martin", "Zel Sud", 1, 1, 0, "35", "05/10/2000"},   // the homonym of another club
        {"Anonyme", "", 3, 3, 0, "NC", "20/01/2001"},         // "Anonyme", " Anonyme" and no name
    }; // Petit (off-scale label) and Bernard (unplayed) met nowhere
    ASSERT_EQ(h.opponents.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Row &e = expected[i];
        const Opponent_Row &o = h.opponents[i];
        const Day_Sheet &last = state.Mem_Days[std::size_t(o.last().day)];
        EXPECT_EQ(std::tuple(o.name, o.club, o.meetings(), o.victories, o.defeats),
                  std::tuple(std::string(e.name), std::string(e.club), e.meetings, e.victories, e.defeats));
        EXPECT_EQ(FieldText(last.singles[o.last().single].classement), e.last_classement) << e.name;
        EXPECT_EQ(DayDate(last), e.last_date) << e.name;
    }
    // In time order, October before the January entered earlier; the match points as stored.
    const std::vector<Opponent_Match> &anonymous = h.opponents[4].matches;
    EXPECT_EQ(std::vector({anonymous[0].day, anonymous[1].day, anonymous[2].day}), std::vector({0, 2, 1}));
    const std::vector<Opponent_Match> &martin = h.opponents[2].matches;
    EXPECT_EQ(std::vector({*martin[0].points, *martin[1].points, *martin[2].points}),
              std::vector({2, -2, -4}));
    EXPECT_EQ(martin[1].result, Recap_Result::Defeat);
    EXPECT_EQ(martin[1].season, 1u);

    // A search ignores case and accents, in names and clubs.
    const auto found = [&](std::string_view text) {
        std::string names;
        for (const Opponent_Row &o : h.opponents)
            if (MatchesSearch(o, text))
                names += o.name + ";";
        return names;
    };
    EXPECT_EQ(found("dupr\xC9"), "DUPR\xC9;Dupre;");
    EXPECT_EQ(found(" SUD"), "Martin;");
    EXPECT_EQ(found(""), "DUPR\xC9;Dupre;martin;Martin;Anonyme;");
}

} // namespace
} // namespace zel
