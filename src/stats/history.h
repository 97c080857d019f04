// The long view of a player: every championship side by side, and the record
// against every opponent met in a single, counted as the recap counts.
#pragma once

#include "stats/statistics.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;

// One championship of the championship table, with the tournament season of
// the same name (none: zero tournament results).
struct Season_Row {
    std::string name; // the championship's name, Windows-1252
    int days = 0;
    int64_t matches = 0; // the recap's matches, decided or not
    int64_t victories = 0;
    int64_t defeats = 0;
    int percentage = 0; // VictoryPercentage(victories, matches)
    int64_t points = 0; // the stored points of the singles counted
    int64_t tournament_victories = 0;
    int64_t tournament_defeats = 0;
    std::string classement; // the player's own label on its first day
};

// One single against an opponent; its texts and scores are in the day.
struct Opponent_Match {
    int32_t day = 0;        // index into Mem_Days
    int single = 0;         // 0..3
    std::size_t season = 0; // index into Player_History::seasons
    Recap_Result result = Recap_Result::Undecided;
    std::optional<int32_t> points; // CountedPoints
};

// Everyone met under one name (case aside, surrounding blanks dropped) for one
// opposing club (likewise). Every single whose name is "Anonyme" or empty, of
// any club, makes one row of its own.
struct Opponent_Row {
    std::string name; // as written at the last meeting; "Anonyme" for the anonymous row
    std::string club; // the opposing club at the last meeting; empty for the anonymous row
    bool anonymous = false;
    int64_t victories = 0;
    int64_t defeats = 0;
    std::vector<Opponent_Match> matches; // oldest first; never empty
    std::string search_key;              // name and club for MatchesSearch

    int64_t meetings() const { return static_cast<int64_t>(matches.size()); }
    const Opponent_Match &last() const { return matches.back(); }
};

struct Player_History {
    std::vector<Season_Row> seasons; // oldest first, one per championship
    std::vector<Opponent_Row>
        opponents; // by name then club, without regard to case or accents; anonymous last
};

// Days are in time order by season, then by month from August, then by day of
// the month, then in the order they were entered.
Player_History ComputeHistory(const SharedState &state);

// Whether the row's name or club holds `text` (Windows-1252), compared without
// regard to case or accents. An empty text matches every row.
bool MatchesSearch(const Opponent_Row &row, std::string_view text);

// "2000 - 2001" from "Championnat 2000 - 2001"; any other name as it is.
std::string_view SeasonYears(std::string_view championship_name);

// "12/10/2000". A season begins in August: August to December are in its
// first year. "12/10" when the season name holds no year.
std::string DayDate(const Day_Sheet &day);

} // namespace zel
