// The day store: appending, replacing and deleting days, the championship
// table derived from it, and the points update after a change of classement.
#pragma once

#include "days/day_sheet.h"
#include "platform/clock.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zel {

struct SharedState;

// One championship: the days whose season names agree in their first 24 characters.
struct Championship_Entry {
    std::string name;          // season name of the group's last day in store order
    std::string classement;    // the player's own label on that last day
    std::vector<int32_t> days; // indices into Mem_Days, increasing
    int64_t total_points = 0;  // points of the played singles (off-scale markers left out)

    int dayCount() const { return static_cast<int>(days.size()); }
};

// The days in use: min(day count, store size), never negative.
int UsedDayCount(const SharedState &state);

// Copies Day_Work_Record to the end of the used days and raises the day count,
// when fits(state) says the player file can take one more day; otherwise
// changes nothing and returns false. Saving is the caller's.
using CapacityCheck = std::function<bool(const SharedState &)>;
bool AppendDay(SharedState &state, const CapacityCheck &fits);

// Moves every later day one place down and lowers the day count; false when
// out of range. The store keeps its size: bytes behind the count are not read.
bool DeleteDay(SharedState &state, int index);

// The championship table, sorted by name (unsigned bytes, shorter first).
std::vector<Championship_Entry> GroupDays(const SharedState &state);
// Selection sort that keeps the first-found of equal names, as the table always had.
void SortChampionships(std::vector<Championship_Entry> &table);

// After a change of the player's classement, recomputes the points of the
// played singles of the current season (it begins in June) for the player's
// current classement and stamps that classement on its days. A single whose
// opponent label, or the player's own, is off the new Extended_Scale keeps its
// points. Returns false when the last championship is not the current season.
// Saving is the caller's.
bool UpdateSeasonPoints(SharedState &state, const Clock &clock);

} // namespace zel
