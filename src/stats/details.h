// The figures of one championship's details: matches, victories, averages,
// percentages, deciding sets and results at home and away.
#pragma once

#include <cstdint>

namespace zel {

struct SharedState;
struct Championship_Entry;

struct Details_Row {
    int64_t matches = 0; // singles played
    int64_t victories = 0;
    int days = 0;         // days averaged over
    float average = 0.0f; // victories per day, shown "%1.2f"
    int percentage = 0;   // shown "%d %%"
};

struct Championship_Details {
    // The general row's victories are those of poule A plus poule B, while its
    // average counts every victory over every day of the championship; a day
    // whose poule letter is neither adds its matches to poule B.
    Details_Row general, poule_a, poule_b;
    int64_t belles = 0, belles_won = 0, belles_lost = 0;
    int64_t home_victories = 0, home_defeats = 0, away_victories = 0, away_defeats = 0;
};

// The integer part of 100 * v / m, exact in integers; 0 when m is 0.
int VictoryPercentage(int64_t victories, int64_t matches);

// Singles decided as the statistics do (OutcomeOf): an off-scale opponent or a
// single without counted points is counted nowhere. A championship without days
// gives zeros, never a division by zero.
Championship_Details ComputeDetails(const SharedState &state, const Championship_Entry &entry);

} // namespace zel
