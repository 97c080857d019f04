// Tallies of one championship's singles by opponent classement, the victory
// rule, the match points by effective index and the points estimation.
#pragma once

#include "days/classement_scale.h"
#include "days/day_sheet.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;
struct Championship_Entry;
struct Tournament_Group;

// Counts by Classement_Index. 64-bit: tournament cells hold up to 4,294,967,295 each.
struct Stat_Tallies {
    std::array<int64_t, Scale_Size> Stat_Victoires{};
    std::array<int64_t, Scale_Size> Stat_Defaites{};
    std::array<int64_t, Scale_Size> Stat_Matchs{};
};

// FindTournamentGroup's answer when no group matches.
inline constexpr int No_Group = 1638;

// How the recap counts one single of a day. Only a played single whose opponent
// label is on the 23-label scale (it has a column) counts at all. A single with
// 0 points is a victory when its opponent stands lower on the scale than the
// classement stored in its day, a defeat when higher, undecided when equal (or
// when that classement is off the scale); a single CountedPoints gives nothing
// for is undecided. An undecided single counts as a match only.
enum class Recap_Result { Victory, Defeat, Undecided, Uncounted };
Recap_Result RecapResult(const Day_Sheet &day, const Single_Slot &slot);

// Adds the singles of the championship's days as RecapResult counts them;
// Stat_Matchs counts every single that is not Uncounted.
void CountChampionship(const SharedState &state, const Championship_Entry &entry, Stat_Tallies &tallies);

// Adds the columns of every tournament of groups[group] ("NC", column N + 3,
// goes to index 22). Nothing when group is No_Group or out of range.
void AddTournamentGroup(const SharedState &state, const std::vector<Tournament_Group> &groups, int group,
                        Stat_Tallies &tallies);

// Row 0 victories, row 1 defeats. Sums saturate at the int64 bounds.
int64_t RowTotal(const Stat_Tallies &tallies, int row);

// First group whose name is exactly `name` (case-sensitive), or No_Group.
int FindTournamentGroup(const std::vector<Tournament_Group> &groups, std::string_view name);

// A single with non-zero points is a victory when they are positive; with 0
// points, when the opponent stands lower on the scale than the player's
// current classement.
bool IsVictory(const SharedState &state, const Single_Slot &slot);

// How the details and graphs count a played single: off-scale opponents and
// singles CountedPoints gives nothing for are counted nowhere, everything
// else by IsVictory.
enum class Single_Outcome { Victory, Defeat, Uncounted };
Single_Outcome OutcomeOf(const SharedState &state, const Single_Slot &slot);

// The match points rule on effective indexes: the Classement_Index, except
// that "NC" stands at N + 3, one step below the player's lowest classement.
// 0 when either label is off the 23-label scale.
int MatchPoints(int n, std::string_view own, std::string_view opponent, bool victory);
int MatchPoints(const SharedState &state, std::string_view own, std::string_view opponent, bool victory);

// The points the tallies are worth for a chosen label; for every label of the
// player's list and opponents on the player's scale it is the sum of
// MatchPoints over the counted results. 0 for a label off the 23-label scale.
int64_t EstimatePoints(const Stat_Tallies &tallies, int n, std::string_view label);
int64_t EstimatePoints(const SharedState &state, const Stat_Tallies &tallies, std::string_view label);

// The championship "+" / "-" buttons: never wrap. Returns the new index,
// which equals `current` at the ends (no real move). count 0 gives 0.
int NextChampionship(int current, int count);
int PreviousChampionship(int current, int count);

} // namespace zel
