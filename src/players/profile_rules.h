// Rules of the profile form: the scale length chosen in it, and keeping stored
// tournaments meaningful when that length changes.
#pragma once

#include "tournaments/tournament_sheet.h"

#include <string_view>

namespace zel {

struct SharedState;

// The lowest-classement list of the form offers "100" .. "15" (positions 0..17);
// choosing position p gives the scale length N = 19 - p, and back.
inline constexpr int Lowest_Choice_Count = 18;
int ScaleLengthForLowestChoice(int position);
int LowestChoiceForScaleLength(int n);
std::string_view LowestChoiceLabel(int position);

// A tournament's counts are kept by column, and "NC" sits at column N + 3, so
// a new N moves them: "NC" goes from column n_old + 3 to n_new + 3, the counts
// of classements that leave the scale (when it shrinks) are added to "NC"
// (saturating at the field's maximum), and every column past the new "NC" is
// zero. Stored points and classement are not touched. A length outside 1..19
// is taken as its nearest valid value.
void RemapTournamentColumns(Tournament_Sheet &sheet, int n_old, int n_new);

// The same for every tournament in use.
void RemapTournamentStore(SharedState &state, int n_old, int n_new);

} // namespace zel
