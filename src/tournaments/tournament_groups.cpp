// Tournament seasons, their columns by classement and the estimation of one tournament.
#include "tournaments/tournament_groups.h"

#include "days/classement_scale.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace zel {

int UsedTournamentCount(const SharedState &state) {
    const int64_t count = std::max<int64_t>(state.Current_Profile.tournament_count, 0);
    return static_cast<int>(std::min<int64_t>(count, static_cast<int64_t>(state.Mem_Tournois.size())));
}

std::string TournamentSeason(uint32_t year, uint32_t month) {
    const int64_t first = month < 8 ? int64_t{year} - 1 : int64_t{year};
    return std::to_string(first) + " - " + std::to_string(first + 1);
}

int TournamentColumnCount(int n) {
    return ClampScaleLength(n) + 4;
}

int TournamentColumnOf(int n, std::string_view label) {
    n = ClampScaleLength(n);
    const int p = ExtendedPosition(n, label);
    return p < 0 ? -1 : n + 3 - p;
}

std::string_view TournamentColumnLabel(int n, int column) {
    n = ClampScaleLength(n);
    if (column >= 0 && column < n + 3)
        return Full_Scale[column];
    if (column == n + 3)
        return Full_Scale[NC_Index];
    return {};
}

int64_t EstimateTournament(int n, std::string_view label, const Tournament_Sheet &sheet) {
    n = ClampScaleLength(n);
    const int m = n + 4;
    const int c = TournamentColumnOf(n, label);
    int64_t total = 0;
    for (int i = 0; i < m; ++i) {
        const int delta = c - i; // steps the opponents of column i stand above the label
        const int64_t v = sheet.columns[i].victories;
        const int64_t f = sheet.columns[i].defeats;
        total += v * PointsForSteps(delta, true);
        total += f * PointsForSteps(delta, false);
    }
    return total;
}

int64_t EstimateTournament(const SharedState &state, std::string_view label, const Tournament_Sheet &sheet) {
    return EstimateTournament(ScaleLength(state), label, sheet);
}

int32_t StoredTournamentPoints(int64_t points) {
    return static_cast<int32_t>(std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::vector<Tournament_Group> GroupTournaments(const SharedState &state) {
    const int count = UsedTournamentCount(state);
    std::vector<Tournament_Group> groups;
    std::unordered_map<std::string_view, std::size_t> group_of_key;
    for (int k = 0; k < count; ++k) {
        const Tournament_Sheet &sheet = state.Mem_Tournois[k];
        const std::string_view season = FieldText(sheet.season);
        const auto [it, inserted] = group_of_key.try_emplace(season.substr(0, 24), groups.size());
        if (inserted)
            groups.emplace_back();
        Tournament_Group &group = groups[it->second];
        // The name shares the 32-byte form of a championship name, so a long
        // season text is cut to fit it rather than run past it.
        group.name = ("Championnat " + std::string(season)).substr(0, 31);
        group.classement = FieldText(sheet.classement);
        group.tournaments.push_back(k);
        group.points += sheet.points;
    }
    SortTournamentGroups(groups);
    return groups;
}

void SortTournamentGroups(std::vector<Tournament_Group> &groups) {
    for (std::size_t k = 0; k + 1 < groups.size(); ++k) {
        std::size_t smallest = k;
        for (std::size_t q = k + 1; q < groups.size(); ++q)
            if (groups[q].name < groups[smallest].name)
                smallest = q;
        if (smallest != k)
            std::swap(groups[k], groups[smallest]);
    }
}

} // namespace zel
