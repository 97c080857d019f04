// The classement scale, the player's own list and the match points rule.
#include "days/classement_scale.h"

#include "shell/shared_state.h"
#include "text/fixed_text.h"

#include <algorithm>

namespace zel {

int ClassementIndexOf(std::string_view label) {
    for (int i = 0; i < Scale_Size; ++i)
        if (Full_Scale[i] == label)
            return i;
    return Off_Scale_Index;
}

int ClampScaleLength(int32_t n) {
    return std::clamp<int32_t>(n, 1, Lowest_Classement_Count);
}

int ScaleLength(const SharedState &state) {
    return ClampScaleLength(state.Current_Profile.scale_length);
}

std::vector<std::string> BuildClassementList(int n) {
    n = ClampScaleLength(n);
    std::vector<std::string> list;
    list.reserve(n + Top_Labels.size());
    list.emplace_back("NC");
    for (int p = 20 - n; p <= 18; ++p)
        list.emplace_back(Lowest_Classement_Table[p]);
    return list;
}

void BuildClassementList(SharedState &state) {
    state.Classement_List = BuildClassementList(ScaleLength(state));
}

std::vector<std::string> PlayerClassementList(const SharedState &state) {
    return state.Classement_List.empty() ? BuildClassementList(ScaleLength(state)) : state.Classement_List;
}

std::vector<std::string> Extended_Scale(int n) {
    std::vector<std::string> scale = BuildClassementList(n);
    scale.insert(scale.end(), Top_Labels.begin(), Top_Labels.end());
    return scale;
}

std::vector<std::string> Extended_Scale(const SharedState &state) {
    return Extended_Scale(ScaleLength(state));
}

int ExtendedPosition(int n, std::string_view label) {
    const std::vector<std::string> scale = Extended_Scale(n);
    const auto it = std::find(scale.begin(), scale.end(), label);
    return it == scale.end() ? -1 : static_cast<int>(it - scale.begin());
}

bool IsScaleLabel(int n, std::string_view label) {
    return ExtendedPosition(n, label) >= 0;
}

bool IsScaleLabel(const SharedState &state, std::string_view label) {
    return IsScaleLabel(ScaleLength(state), label);
}

std::string_view OwnClassement(const SharedState &state) {
    return FieldText(state.Current_Profile.classement);
}

int32_t PointsForSteps(int d, bool victory) {
    if (victory)
        return std::clamp(d + 2, 0, 4);
    return d >= 1 ? 0 : std::max(d - 2, -4);
}

int32_t PointsForMatch(int n, std::string_view own, std::string_view opponent, int code) {
    if (code == Result_None)
        return No_Result_Points;
    const int o = ExtendedPosition(n, opponent);
    const int m = ExtendedPosition(n, own);
    if (o < 0 || m < 0)
        return Off_Scale_Points;
    // Any other code counts as a defeat, as the entry form never makes one.
    return PointsForSteps(o - m, code == Result_Victory);
}

int32_t PointsForMatch(const SharedState &state, std::string_view opponent, int code) {
    return PointsForMatch(ScaleLength(state), OwnClassement(state), opponent, code);
}

std::optional<int32_t> CountedPoints(const Single_Slot &slot) {
    if (slot.played == 0 || slot.points == Off_Scale_Points)
        return std::nullopt;
    return slot.points;
}

} // namespace zel
