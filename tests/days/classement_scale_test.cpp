// The classement scale, the player's list and the match points rule.
#include "days/classement_scale.h"

#include "days/day_fixtures.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using Labels = std::vector<std::string>;

TEST(ClassementScale, indexesFollowTheScaleAndMissLabelsOffIt) {
    EXPECT_EQ(ClassementIndexOf("1T"), 0);
    EXPECT_EQ(ClassementIndexOf("15"), 4);
    EXPECT_EQ(ClassementIndexOf("30"), 7);
    EXPECT_EQ(ClassementIndexOf("100"), 21);
    EXPECT_EQ(ClassementIndexOf("NC"), 22);
    for (std::string_view off : {"", "nc", "10", "30 ", "1t", "1000"})
        EXPECT_EQ(ClassementIndexOf(off), Off_Scale_Index) << off;
}

TEST(ClassementScale, playerListRunsFromNcAndTheLowestClassementUpTo15) {
    EXPECT_EQ(BuildClassementList(7), (Labels{"NC", "40", "35", "30", "25", "20", "15"}));
    EXPECT_EQ(BuildClassementList(1), (Labels{"NC"}));
    const Labels full = BuildClassementList(19);
    ASSERT_EQ(full.size(), 19u);
    EXPECT_EQ(full[1], "100");
    EXPECT_EQ(full[18], "15");
    // A damaged scale length never reads outside the table.
    EXPECT_EQ(BuildClassementList(0), (Labels{"NC"}));
    EXPECT_EQ(BuildClassementList(-5), (Labels{"NC"}));
    EXPECT_EQ(BuildClassementList(400).size(), 19u);
}

TEST(ClassementScale, extendedScaleAddsTheTopLabelsWeakestFirst) {
    EXPECT_EQ(Extended_Scale(1), (Labels{"NC", "4T", "3T", "2T", "1T"}));
    SharedState state = test::MakePlayer(7, "30");
    EXPECT_EQ(state.Classement_List, BuildClassementList(7));
    EXPECT_EQ(Extended_Scale(state).size(), 11u);
    EXPECT_EQ(Extended_Scale(state).back(), "1T");
}

TEST(ClassementScale, scaleLabelsAreThePlayersOnly) {
    EXPECT_FALSE(IsScaleLabel(7, "100")); // on the full scale, below the championship
    EXPECT_TRUE(IsScaleLabel(7, "40"));
    EXPECT_TRUE(IsScaleLabel(7, "1T"));
    EXPECT_TRUE(IsScaleLabel(7, "NC"));
    EXPECT_FALSE(IsScaleLabel(7, "nc"));
    EXPECT_FALSE(IsScaleLabel(7, ""));
    EXPECT_TRUE(IsScaleLabel(19, "100"));
}

TEST(ClassementScale, ownLabel100FillsTheProfileFieldWithoutTerminator) {
    SharedState state = test::MakePlayer(19, "100");
    EXPECT_EQ(OwnClassement(state), "100");
}

struct PointsCase {
    std::string_view opponent;
    int code;
    int32_t points;
};

TEST(PointsForMatch, followsTheStepTableForAPlayerClassed30) {
    // N = 7, lowest classement "40".
    const PointsCase cases[] = {
        {"20", Result_Victory, 4}, {"15", Result_Victory, 4}, {"1T", Result_Victory, 4},
        {"25", Result_Victory, 3}, {"30", Result_Victory, 2}, {"35", Result_Victory, 1},
        {"40", Result_Victory, 0}, {"NC", Result_Victory, 0}, {"35", Result_Defeat, -3},
        {"40", Result_Defeat, -4}, {"NC", Result_Defeat, -4}, {"30", Result_Defeat, -2},
        {"25", Result_Defeat, 0},  {"1T", Result_Defeat, 0},  {"30", Result_None, No_Result_Points},
    };
    const SharedState state = test::MakePlayer(7, "30");
    for (const PointsCase &c : cases)
        EXPECT_EQ(PointsForMatch(state, c.opponent, c.code), c.points) << c.opponent << " code " << c.code;
}

TEST(PointsForMatch, countsStepsOnThePlayersOwnScale) {
    // "NC" with N = 1: the scale is NC, 4T, 3T, 2T, 1T, so "4T" is one step up.
    EXPECT_EQ(PointsForMatch(1, "NC", "4T", Result_Victory), 3);
    EXPECT_EQ(PointsForMatch(1, "NC", "3T", Result_Victory), 4);
    EXPECT_EQ(PointsForMatch(1, "NC", "NC", Result_Defeat), -2);
    // "15" to "4T" is one step.
    EXPECT_EQ(PointsForMatch(7, "15", "4T", Result_Victory), 3);
}

TEST(PointsForMatch, givesAMarkerThatIsNoPointsWhenALabelIsOffTheScale) {
    // An undecided single shows 9 whatever the labels.
    EXPECT_EQ(PointsForMatch(7, "30", "zz", Result_None), No_Result_Points);
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_None), No_Result_Points);
    // Own classement weaker than the championship's lowest one.
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_Victory), Off_Scale_Points);
    EXPECT_EQ(PointsForMatch(7, "100", "30", Result_Defeat), Off_Scale_Points);
    EXPECT_EQ(PointsForMatch(7, "30", "95", Result_Victory), Off_Scale_Points);
    EXPECT_GT(Off_Scale_Points, 4);
    EXPECT_NE(Off_Scale_Points, No_Result_Points);
}

} // namespace
} // namespace zel
