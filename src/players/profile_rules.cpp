// Rules of the profile form.
#include "players/profile_rules.h"

#include "days/classement_scale.h"
#include "shell/shared_state.h"
#include "tournaments/tournament_groups.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zel {
namespace {

uint32_t SaturatingAdd(uint32_t a, uint32_t b) {
    return b > std::numeric_limits<uint32_t>::max() - a ? std::numeric_limits<uint32_t>::max() : a + b;
}

} // namespace

int ScaleLengthForLowestChoice(int position) {
    return Lowest_Classement_Count - std::clamp(position, 0, Lowest_Choice_Count - 1);
}

int LowestChoiceForScaleLength(int n) {
    return Lowest_Classement_Count - ClampScaleLength(n);
}

std::string_view LowestChoiceLabel(int position) {
    if (position < 0 || position >= Lowest_Choice_Count)
        return {};
    return Lowest_Classement_Table[static_cast<std::size_t>(position) + 1];
}

void RemapTournamentColumns(Tournament_Sheet &sheet, int n_old, int n_new) {
    n_old = ClampScaleLength(n_old);
    n_new = ClampScaleLength(n_new);
    if (n_old == n_new)
        return;
    constexpr int kColumns = static_cast<int>(std::size(Tournament_Sheet{}.columns));
    Tournament_Column nc = sheet.columns[n_old + 3];
    // Classements weaker than the new lowest one are no longer on the scale:
    // their opponents now count as "NC".
    for (int c = n_new + 3; c < n_old + 3; ++c) {
        nc.victories = SaturatingAdd(nc.victories, sheet.columns[c].victories);
        nc.defeats = SaturatingAdd(nc.defeats, sheet.columns[c].defeats);
    }
    // Classements that join the scale have no counts yet.
    for (int c = std::min(n_old, n_new) + 3; c < kColumns; ++c)
        sheet.columns[c] = {};
    sheet.columns[n_new + 3] = nc;
}

void RemapTournamentStore(SharedState &state, int n_old, int n_new) {
    const int count = UsedTournamentCount(state);
    for (int i = 0; i < count; ++i)
        RemapTournamentColumns(state.Mem_Tournois[static_cast<std::size_t>(i)], n_old, n_new);
}

} // namespace zel
