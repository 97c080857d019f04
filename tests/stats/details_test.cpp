// The details figures of a championship. (The known player of the export tests checks the
// figures of ordinary championships.)
#include "stats/details.h"

#include "days/day_fixtures.h"
#include "days/day_store.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using namespace test;

// Poule "C" adds its matches to poule B and the general row but neither its
// victories nor its days, so poule B can have matches over no day; off-scale
// singles count nowhere.
TEST(ComputeDetails, pouleCOffScaleSinglesAndEmptyPoulesDivideByNothing) {
    SharedState state = test::MakePlayer(7, "30");
    const char *season = "Championnat 2000 - 2001";
    AddDay(state,
           MakeDay(season, "30",
                   {{"25", 3},
                    {"30", -2, true, {15, 21, 0}, {21, 15, 21}}, // lost with 0 in the third set: no belle
                    {"", 3, true, {21, 15, 21}, {15, 21, 10}},
                    {"25", Off_Scale_Points}},
                   'A', "Domicile"));
    AddDay(state, MakeDay(season, "30", {{"25", 3}, {"25", -2}}, 'C', "domicile")); // lower case: away

    const Championship_Details d = ComputeDetails(state, GroupDays(state)[0]);
    EXPECT_EQ(std::tuple(d.general.matches, d.general.victories, d.general.percentage), std::tuple(4, 1, 25));
    EXPECT_FLOAT_EQ(d.general.average, 1.0f); // but the average takes every victory over every day
    EXPECT_EQ(std::tuple(d.poule_a.matches, d.poule_b.matches, d.poule_b.victories, d.poule_b.days),
              std::tuple(2, 2, 0, 0));
    EXPECT_EQ(d.poule_b.average, 0.0f);
    EXPECT_EQ(std::tuple(d.home_victories + d.home_defeats, d.away_victories + d.away_defeats, d.belles),
              std::tuple(2, 2, 0));

    const Championship_Details none = ComputeDetails(state, Championship_Entry{});
    EXPECT_EQ(std::tuple(none.general.matches, none.general.average, none.general.percentage),
              std::tuple(0, 0.0f, 0));
}

} // namespace
} // namespace zel
