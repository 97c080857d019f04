// Tournament seasons, their columns by classement and the estimation of one tournament.
#pragma once

#include "tournaments/tournament_sheet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;

// The tournaments of one season.
struct Tournament_Group {
    std::string name;                 // "Championnat " + season field, at most 31 bytes
    std::string classement;           // classement field of the group's last tournament
    std::vector<int32_t> tournaments; // indices into Mem_Tournois, in store order
    int64_t points = 0;               // sum of the stored points fields

    int count() const { return static_cast<int>(tournaments.size()); }
};

// The tournaments in use: min(tournament count, store size), never negative.
int UsedTournamentCount(const SharedState &state);

// "2000 - 2001": a tournament before August belongs to the season that began
// the year before. Computed in 64 bits, so any typed year gives a plain text.
std::string TournamentSeason(uint32_t year, uint32_t month);

// Columns: column i is Classement_Index i for "1T" .. the lowest classement
// (i < N + 3); "NC" is column N + 3; columns N + 4 .. 22 stay 0.
int TournamentColumnCount(int n); // N + 4
// The column of a label: N + 3 - its Extended_Scale position, or -1 off the scale.
int TournamentColumnOf(int n, std::string_view label);
// The label a column stands for, "" for an unused column.
std::string_view TournamentColumnLabel(int n, int column);

// The match points rule applied to the counts of a sheet, for a reference
// label; 64-bit so cells of up to 4,294,967,295 cannot overflow. A label off
// the scale finds every column weaker than itself.
int64_t EstimateTournament(int n, std::string_view label, const Tournament_Sheet &sheet);
int64_t EstimateTournament(const SharedState &state, std::string_view label, const Tournament_Sheet &sheet);

// The record's points field is 32-bit: larger estimations are stored at its bounds.
int32_t StoredTournamentPoints(int64_t points);

// Groups by the first 24 characters of the season field, sorted by name.
std::vector<Tournament_Group> GroupTournaments(const SharedState &state);
void SortTournamentGroups(std::vector<Tournament_Group> &groups);

} // namespace zel
