// The search of the history's opponents. (Its seasons and opponents tables, on a player full of
// traps, are checked through the export of that player: tests/export.)
#include "stats/history.h"

#include "stats/history_fixture.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(ComputeHistory, aSearchIgnoresCaseAndAccentsInNamesAndClubs) {
    const Player_History h = ComputeHistory(test::HistoryState());
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
