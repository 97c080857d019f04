// The classement scale, the player's list and the match points rule. (The points of ordinary
// matches are checked through the day form and the known player of the export tests.)
#include "days/classement_scale.h"

#include "days/day_fixtures.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Labels = std::vector<std::string>;

TEST(ClassementScale, labelsAreComparedExactlyAndListsNeverReadOutsideTheTable) {
    EXPECT_EQ(ClassementIndexOf("NC"), NC_Index);
    for (std::string_view off : {"nc", "30 ", "1000"})
        EXPECT_EQ(ClassementIndexOf(off), Off_Scale_Index) << off;
    EXPECT_EQ(BuildClassementList(-5), (Labels{"NC"})); // a damaged scale length
    EXPECT_EQ(BuildClassementList(400).size(), 19u);
    EXPECT_EQ(Extended_Scale(1), (Labels{"NC", "4T", "3T", "2T", "1T"}));
    // "100" fills the profile field without a terminator.
    EXPECT_EQ(OwnClassement(test::MakePlayer(19, "100")), "100");
}

TEST(PointsForMatch, stepsOnThePlayersScaleAndAMarkerThatIsNoPointsOffIt) {
    // For "NC" with N = 1, "4T" is one step up.
    EXPECT_EQ(PointsForMatch(1, "NC", "4T", Result_Victory), 3);
    EXPECT_EQ(PointsForMatch(1, "NC", "NC", Result_Defeat), -2);
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_None), No_Result_Points);
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_Victory), Off_Scale_Points);
    EXPECT_EQ(PointsForMatch(7, "30", "95", Result_Defeat), Off_Scale_Points);
}

} // namespace
} // namespace zel
