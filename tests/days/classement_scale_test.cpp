// The classement scale, the player's list and the match points rule.
#include "days/classement_scale.h"

#include "days/day_fixtures.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Labels = std::vector<std::string>;

TEST(ClassementScale, indexesAndScaleLabels) {
    EXPECT_EQ(ClassementIndexOf("1T"), 0);
    EXPECT_EQ(ClassementIndexOf("30"), 7);
    EXPECT_EQ(ClassementIndexOf("NC"), 22);
    for (std::string_view off : {"", "nc", "10", "30 ", "1000"})
        EXPECT_EQ(ClassementIndexOf(off), Off_Scale_Index) << off;
    EXPECT_FALSE(IsScaleLabel(7, "100")); // on the full scale, below the championship
    EXPECT_TRUE(IsScaleLabel(7, "1T"));
    EXPECT_TRUE(IsScaleLabel(19, "100"));
    EXPECT_FALSE(IsScaleLabel(7, "nc"));
}

TEST(ClassementScale, playerListAndExtendedScale) {
    EXPECT_EQ(BuildClassementList(7), (Labels{"NC", "40", "35", "30", "25", "20", "15"}));
    EXPECT_EQ(BuildClassementList(19).size(), 19u);
    // A damaged scale length never reads outside the table.
    EXPECT_EQ(BuildClassementList(-5), (Labels{"NC"}));
    EXPECT_EQ(BuildClassementList(400).size(), 19u);
    EXPECT_EQ(Extended_Scale(1), (Labels{"NC", "4T", "3T", "2T", "1T"}));
    // "100" fills the profile field without a terminator.
    EXPECT_EQ(OwnClassement(test::MakePlayer(19, "100")), "100");
}

TEST(PointsForMatch, followsTheStepTableForAPlayerClassed30) {
    // N = 7, lowest classement "40".
    const struct {
        std::string_view opponent;
        int code;
        int32_t points;
    } cases[] = {
        {"20", Result_Victory, 4}, {"25", Result_Victory, 3},
        {"30", Result_Victory, 2}, {"35", Result_Victory, 1},
        {"NC", Result_Victory, 0}, {"35", Result_Defeat, -3},
        {"NC", Result_Defeat, -4}, {"30", Result_Defeat, -2},
        {"1T", Result_Defeat, 0},  {"30", Result_None, No_Result_Points},
    };
    const SharedState state = test::MakePlayer(7, "30");
    for (const auto &c : cases)
        EXPECT_EQ(PointsForMatch(state, c.opponent, c.code), c.points) << c.opponent << " code " << c.code;
    // Steps are counted on the player's own scale: for "NC" with N = 1, "4T" is one step up.
    EXPECT_EQ(PointsForMatch(1, "NC", "4T", Result_Victory), 3);
    EXPECT_EQ(PointsForMatch(1, "NC", "NC", Result_Defeat), -2);
}

TEST(PointsForMatch, givesAMarkerThatIsNoPointsWhenALabelIsOffTheScale) {
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_None), No_Result_Points);
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_Victory), Off_Scale_Points);
    EXPECT_EQ(PointsForMatch(7, "30", "95", Result_Defeat), Off_Scale_Points);
    EXPECT_GT(Off_Scale_Points, 4);
    EXPECT_NE(Off_Scale_Points, No_Result_Points);
}

} // namespace
} // namespace zel
