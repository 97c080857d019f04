// The details figures of a championship.
#include "stats/details.h"

#include "days/day_fixtures.h"
#include "days/day_store.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;
using test::MakePlayer;

TEST(VictoryPercentage, isTheExactIntegerPart) {
    struct Case {
        int64_t v, m;
        int percent;
    };
    const Case cases[] = {{7, 12, 58}, {12, 12, 100}, {97, 97, 100}, {1, 3, 33},   {2, 3, 66},
                          {0, 5, 0},   {0, 0, 0},     {5, 0, 0},     {29, 29, 100}};
    for (const Case &c : cases)
        EXPECT_EQ(VictoryPercentage(c.v, c.m), c.percent) << c.v << " of " << c.m;
}

TEST(ComputeDetails, splitsByPouleAsTheTableDoes) {
    SharedState state = MakePlayer(7, "30");
    const char *season = "Championnat 2000 - 2001";
    AddDay(state, MakeDay(season, "30", {{"25", 3}, {"30", 2}, {"35", -3}, {"20", -1}}, 'A', "Domicile"));
    AddDay(state, MakeDay(season, "30", {{"25", 3}, {"30", -2}}, 'B', "Extérieur"));
    AddDay(state, MakeDay(season, "30", {{"25", 3, false}}, 'A')); // nothing played
    AddDay(state, MakeDay(season, "30", {{"25", 3}, {"25", -2}}, 'C', "domicile"));

    const Championship_Details d = ComputeDetails(state, GroupDays(state)[0]);
    EXPECT_EQ(d.poule_a.matches, 4);
    EXPECT_EQ(d.poule_a.victories, 2);
    EXPECT_EQ(d.poule_a.days, 1); // the unplayed day is in no poule
    EXPECT_FLOAT_EQ(d.poule_a.average, 2.0f);
    EXPECT_EQ(d.poule_a.percentage, 50);

    EXPECT_EQ(d.poule_b.matches, 4);   // poule "C" adds its matches to B
    EXPECT_EQ(d.poule_b.victories, 1); // ... but not its victories
    EXPECT_EQ(d.poule_b.days, 1);
    EXPECT_EQ(d.poule_b.percentage, 25);

    EXPECT_EQ(d.general.matches, 8);
    EXPECT_EQ(d.general.victories, 3);
    EXPECT_EQ(d.general.days, 4);
    EXPECT_FLOAT_EQ(d.general.average, 4.0f / 4.0f); // every victory over every day
    EXPECT_EQ(d.general.percentage, 37);

    EXPECT_EQ(d.home_victories, 2);
    EXPECT_EQ(d.home_defeats, 2);
    EXPECT_EQ(d.away_victories, 2); // "domicile" in lower case is away
    EXPECT_EQ(d.away_defeats, 2);
}

TEST(ComputeDetails, countsBelles) {
    SharedState state = MakePlayer(7, "30");
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30",
                          {{"25", 3, true, {21, 15, 21}, {15, 21, 10}},     // won in the third set
                           {"25", -2, true, {21, 15, 18}, {15, 21, 21}},    // lost in it
                           {"25", -2, true, {15, 21, 0}, {21, 15, 21}},     // lost, player scored 0: no belle
                           {"25", 3, false, {21, 15, 21}, {15, 21, 10}}})); // unplayed: a belle lost
    const Championship_Details d = ComputeDetails(state, GroupDays(state)[0]);
    EXPECT_EQ(d.belles_won, 1);
    EXPECT_EQ(d.belles_lost, 2);
    EXPECT_EQ(d.belles, 3);
}

TEST(ComputeDetails, countsOffScaleSinglesNowhere) {
    SharedState state = MakePlayer(7, "30");
    AddDay(state, MakeDay("Championnat 2000 - 2001", "30",
                          {{"", 3, true, {21, 15, 21}, {15, 21, 10}}, {"25", Off_Scale_Points}, {"25", 2}}));
    const Championship_Details d = ComputeDetails(state, GroupDays(state)[0]);
    EXPECT_EQ(d.general.matches, 1);
    EXPECT_EQ(d.general.victories, 1);
    EXPECT_EQ(d.home_defeats, 0);
    EXPECT_EQ(d.belles, 0);
}

TEST(ComputeDetails, championshipWithoutDaysGivesZeros) {
    const SharedState state = MakePlayer(7, "30");
    const Championship_Details d = ComputeDetails(state, Championship_Entry{});
    EXPECT_EQ(d.general.matches, 0);
    EXPECT_EQ(d.general.average, 0.0f);
    EXPECT_EQ(d.general.percentage, 0);
    EXPECT_EQ(d.poule_b.average, 0.0f);
}

} // namespace
} // namespace zel
