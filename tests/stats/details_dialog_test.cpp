// The details: every figure by id, the championship buttons, Escape and OK.
#include "stats/details_dialog.h"

#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

namespace zel {
namespace {

using namespace test;

// The figures of `ids`, in order.
std::string Figures(const DetailsDialog &d, std::initializer_list<int> ids) {
    std::string out;
    for (int id : ids)
        out += d.text(id).toStdString() + "; ";
    return out;
}

// Poule A: 7 victories in 12 singles over three days, one of them at "domicile" in
// lower case; poule B: one day whose singles were not played, and an earlier season.
TEST(DetailsDialog, showsEveryFigureOfTheLastChampionshipAndPlusMinusMoveInsideTheTable) {
    SharedState state = test::MakePlayer(5, "30");
    AddDay(state, MakeDay("Championnat 1999 - 2000", "30", {{"20", 4}}, 'B'));
    AddDay(state, MakeDay(test::Season, "30", {{"30", 2, true, {11, 5, 11}}, {"30", 2}, {"30", 2}, {"30", 2}},
                          'A', "Domicile"));
    AddDay(state,
           MakeDay(test::Season, "30", {{"30", 2}, {"30", 2}, {"30", -2}, {"30", -2}}, 'A', "domicile"));
    AddDay(state,
           MakeDay(test::Season, "30", {{"30", 2}, {"30", -2, true, {5, 11, 9}}, {"30", -2}, {"30", -2}}, 'A',
                   "Extérieur"));
    AddDay(state,
           MakeDay(test::Season, "30", {{"30", 2, false, {0, 0, 5}}, {"30", 2, false}}, 'B', "Domicile"));
    DetailsDialog d(state);
    EXPECT_EQ(d.text(1052), "Championnat 2000 - 2001");
    // General: 7 wins over 4 days; poule A: 3 days; the unplayed day is no poule B day;
    // an unplayed third set still counts; "domicile" is away.
    EXPECT_EQ(Figures(d, {1060, 1073, 1053, 1066, 1062, 1075, 1056, 1067, 1061, 1074, 1057, 1068, 1069, 1070,
                          1071, 1081, 1082, 1083, 1084}),
              "12; 7; 1.75; 58 %; 12; 7; 2.33; 58 %; 0; 0; 0.00; 0 %; 3; 1; 2; 4; 0; 3; 5; ");
    d.click(1064);
    EXPECT_EQ(d.text(1052), "Championnat 2000 - 2001");
    d.click(1065);
    d.click(1065);
    EXPECT_EQ(d.text(1052), "Championnat 1999 - 2000");
    EXPECT_EQ(Figures(d, {1060, 1062, 1061, 1068}), "1; 0; 1; 100 %; ");
}

TEST(DetailsDialog, escapeAndOkCloseIt) {
    SharedState state = test::MakePlayer(5, "30");
    AddDay(state, MakeDay(test::Season, "30", {{"20", 4}}));
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
