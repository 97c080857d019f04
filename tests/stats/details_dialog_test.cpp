// The details: every figure by id, the championship buttons and Escape.
#include "stats/details_dialog.h"

#include "shell/command_context.h"
#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;
using test::MakePlayer;
using test::Season;

// Poule A: 7 victories in 12 singles over three days, one of them at
// "domicile" in lower case; poule B: one day whose singles were not played.
SharedState PouleAPlayer() {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay("Championnat 1999 - 2000", "30", {{"20", 4}}, 'B'));
    AddDay(state, MakeDay(Season, "30", {{"30", 2, true, {11, 5, 11}}, {"30", 2}, {"30", 2}, {"30", 2}}, 'A',
                          "Domicile"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", 2}, {"30", -2}, {"30", -2}}, 'A', "domicile"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", -2, true, {5, 11, 9}}, {"30", -2}, {"30", -2}},
                          'A', "Extérieur"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2, false, {0, 0, 5}}, {"30", 2, false}}, 'B', "Domicile"));
    return state;
}

TEST(DetailsDialog, showsEveryFigureOfTheLastChampionship) {
    const SharedState state = PouleAPlayer();
    DetailsDialog d(state);
    EXPECT_EQ(d.currentChampionship(), 1);
    EXPECT_EQ(d.text(1052), "Championnat 2000 - 2001");
    const std::pair<int, const char *> expected[] = {
        {1060, "12"}, {1073, "7"}, {1053, "1.75"}, {1066, "58 %"}, // general: 7 wins over 4 days
        {1062, "12"}, {1075, "7"}, {1056, "2.33"}, {1067, "58 %"}, // poule A: 3 days
        {1061, "0"},  {1074, "0"}, {1057, "0.00"}, {1068, "0 %"},  // the unplayed day is no poule B day
        {1069, "3"},  {1070, "1"}, {1071, "2"},                    // an unplayed third set still counts
        {1081, "4"},  {1082, "0"}, {1083, "3"},    {1084, "5"},    // "domicile" is away
    };
    for (const auto &[id, text] : expected)
        EXPECT_EQ(d.text(id), QString::fromUtf8(text)) << id;
}

TEST(DetailsDialog, plusAndMinusMoveOnlyInsideTheTable) {
    const SharedState state = PouleAPlayer();
    DetailsDialog d(state);
    d.click(1064);
    EXPECT_EQ(d.currentChampionship(), 1);
    d.click(1065);
    d.click(1065);
    EXPECT_EQ(d.currentChampionship(), 0);
    EXPECT_EQ(d.text(1052), "Championnat 1999 - 2000");
    const std::pair<int, const char *> expected[] = {{1060, "1"}, {1062, "0"}, {1061, "1"}, {1068, "100 %"}};
    for (const auto &[id, text] : expected)
        EXPECT_EQ(d.text(id), QString::fromUtf8(text)) << id;
}

TEST(DetailsDialog, escapeAndOkCloseIt) {
    SharedState state = PouleAPlayer();
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(RunDetails(context), 1);
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); });
    EXPECT_EQ(RunDetails(context), 1);
    EXPECT_EQ(platform.dialogs.back(), "Détails sur le championnat");
}

} // namespace
} // namespace zel
