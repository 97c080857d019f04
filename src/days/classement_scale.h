// The classement scale, the player's own list of labels and the match points rule.
#pragma once

#include "days/day_sheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;

// The 23 labels, strongest first; a Classement_Index is a position on it.
inline constexpr int Scale_Size = 23;
inline constexpr std::array<std::string_view, Scale_Size> Full_Scale = {
    "1T", "2T", "3T", "4T", "15", "20", "25", "30", "35", "40",  "45", "50",
    "55", "60", "65", "70", "75", "80", "85", "90", "95", "100", "NC"};
inline constexpr int NC_Index = 22;
// What ClassementIndexOf gives for a label that is not on the scale.
inline constexpr int Off_Scale_Index = Scale_Size;

// The choices of the lowest classement of a championship, weakest first.
inline constexpr int Lowest_Classement_Count = 19;
inline constexpr std::array<std::string_view, Lowest_Classement_Count> Lowest_Classement_Table = {
    "NC", "100", "95", "90", "85", "80", "75", "70", "65", "60",
    "55", "50",  "45", "40", "35", "30", "25", "20", "15"};

// Appended after the player's list, weakest first.
inline constexpr std::array<std::string_view, 4> Top_Labels = {"4T", "3T", "2T", "1T"};

// Result codes of a single, and the points shown while the sets decide nothing.
inline constexpr int Result_None = 0;
inline constexpr int Result_Victory = 10;
inline constexpr int Result_Defeat = 30;
inline constexpr int32_t No_Result_Points = 9;
// Points of a decided single when the player's own label (or the opponent's) is
// not on the player's scale: no step difference exists, so there are no points.
// Far outside -4..4 and distinct from No_Result_Points, so it is never taken for
// points. Only PointsForMatch writes it and only CountedPoints reads it.
inline constexpr int32_t Off_Scale_Points = 99;

// What a stored single adds to every total, tally and series: its points, or
// nothing when it was not played or carries Off_Scale_Points (no points exist
// for it, so it is neither a victory nor a defeat).
std::optional<int32_t> CountedPoints(const Single_Slot &slot);

// Position 0..22 on the 23-label scale by exact comparison; Off_Scale_Index when absent.
int ClassementIndexOf(std::string_view label);

// N, the length of the player's list, from the profile: "NC" plus the lowest
// classement up to "15". A value outside 1..19 (a damaged profile) is clamped.
int ScaleLength(const SharedState &state);
int ClampScaleLength(int32_t n);

// "NC", then the N - 1 classements from the lowest one up to "15".
std::vector<std::string> BuildClassementList(int n);
// Rebuilds state.Classement_List from the profile's scale length.
void BuildClassementList(SharedState &state);
// state.Classement_List, or the list of the profile's scale length while
// nothing has built it yet.
std::vector<std::string> PlayerClassementList(const SharedState &state);

// The player's list followed by the four Top_Labels: N + 4 labels, weakest first.
std::vector<std::string> Extended_Scale(int n);
std::vector<std::string> Extended_Scale(const SharedState &state);

// Position on the Extended_Scale (first equal), or -1.
int ExtendedPosition(int n, std::string_view label);
bool IsScaleLabel(int n, std::string_view label);
bool IsScaleLabel(const SharedState &state, std::string_view label);

// The player's own label as the profile holds it ("100" fills its 3 bytes).
std::string_view OwnClassement(const SharedState &state);

// The match points rule on a difference of d steps, positive when the opponent
// stands higher: a victory is worth 2 + d, from 0 to 4; a defeat costs 2 - d,
// from 2 up to 4, and nothing against a stronger opponent.
int32_t PointsForSteps(int d, bool victory);

// The match points rule for one single, steps counted on the Extended_Scale:
// No_Result_Points for code 0; Off_Scale_Points when either label is off the
// player's Extended_Scale; otherwise 0..4 for a victory, -4..0 for a defeat.
int32_t PointsForMatch(int n, std::string_view own, std::string_view opponent, int code);
int32_t PointsForMatch(const SharedState &state, std::string_view opponent, int code);

} // namespace zel
