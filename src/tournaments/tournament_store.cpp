// The tournament store: appending, replacing and deleting tournaments in memory.
#include "tournaments/tournament_store.h"

#include "days/classement_scale.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_groups.h"

#include <algorithm>
#include <cstdint>

namespace zel {

bool AppendTournament(SharedState &state, const Tournament_Sheet &sheet,
                      const std::function<bool(const SharedState &)> &fits) {
    if (fits && !fits(state))
        return false;
    const int count = std::max<int32_t>(state.Current_Profile.tournament_count, 0);
    if (count == INT32_MAX)
        return false;
    if (state.Mem_Tournois.size() <= static_cast<std::size_t>(count))
        state.Mem_Tournois.resize(static_cast<std::size_t>(count) + 1, Tournament_Sheet{});
    state.Mem_Tournois[count] = sheet;
    state.Current_Profile.tournament_count = count + 1;
    return true;
}

void StampTournament(const SharedState &state, Tournament_Sheet &sheet) {
    SetFieldText(sheet.season, TournamentSeason(sheet.year, sheet.month));
    SetFieldText(sheet.classement, OwnClassement(state));
    sheet.points = StoredTournamentPoints(EstimateTournament(state, OwnClassement(state), sheet));
}

bool DeleteTournament(SharedState &state, int index) {
    const int count = UsedTournamentCount(state);
    if (index < 0 || index >= count)
        return false;
    std::copy(state.Mem_Tournois.begin() + index + 1, state.Mem_Tournois.begin() + count,
              state.Mem_Tournois.begin() + index);
    state.Current_Profile.tournament_count = count - 1;
    return true;
}

} // namespace zel
