// The figures of one championship's details.
#include "stats/details.h"

#include "days/day_store.h"
#include "shell/shared_state.h"
#include "stats/statistics.h"
#include "text/fixed_text.h"

#include <vector>

namespace zel {

int VictoryPercentage(int64_t victories, int64_t matches) {
    if (matches <= 0)
        return 0;
    return static_cast<int>(victories * 100 / matches);
}

namespace {

void FinishRow(Details_Row &row, int64_t victory_sum) {
    row.average = row.days > 0 ? static_cast<float>(victory_sum) / static_cast<float>(row.days) : 0.0f;
    row.percentage = VictoryPercentage(row.victories, row.matches);
}

} // namespace

Championship_Details ComputeDetails(const SharedState &state, const Championship_Entry &entry) {
    Championship_Details details;
    const int used = UsedDayCount(state);
    int64_t all_victories = 0;
    for (int32_t index : entry.days) {
        if (index < 0 || index >= used)
            continue;
        const Day_Sheet &day = state.Mem_Days[index];
        const bool home = FieldText(day.place) == "Domicile";
        int64_t day_victories = 0;
        char day_poule = 0; // set only by a counted single
        for (const Single_Slot &slot : day.singles) {
            if (slot.played == 0)
                continue;
            const Single_Outcome outcome = OutcomeOf(state, slot);
            if (outcome == Single_Outcome::Uncounted)
                continue;
            if (outcome == Single_Outcome::Victory) {
                ++day_victories;
                ++(home ? details.home_victories : details.away_victories);
            } else {
                ++(home ? details.home_defeats : details.away_defeats);
            }
            day_poule = day.poule;
            ++(day.poule == 'A' ? details.poule_a.matches : details.poule_b.matches);
            ++details.general.matches;
        }
        all_victories += day_victories;
        if (day_poule == 'A') {
            ++details.poule_a.days;
            details.poule_a.victories += day_victories;
        } else if (day_poule == 'B') {
            ++details.poule_b.days;
            details.poule_b.victories += day_victories;
        }

        // A deciding set counts whenever the player scored in it, played or not.
        for (const Single_Slot &slot : day.singles) {
            if (slot.player_scores[2] == 0)
                continue;
            if (slot.played != 0) {
                const Single_Outcome outcome = OutcomeOf(state, slot);
                if (outcome == Single_Outcome::Uncounted)
                    continue;
                ++(outcome == Single_Outcome::Victory ? details.belles_won : details.belles_lost);
            } else {
                ++details.belles_lost;
            }
        }
    }
    details.belles = details.belles_won + details.belles_lost;

    details.general.days = entry.dayCount();
    details.general.victories = details.poule_a.victories + details.poule_b.victories;
    FinishRow(details.general, all_victories);
    FinishRow(details.poule_a, details.poule_a.victories);
    FinishRow(details.poule_b, details.poule_b.victories);
    return details;
}

} // namespace zel
