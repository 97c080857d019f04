// The day store, the championship table and the season points update.
#include "days/day_store.h"

#include "days/classement_scale.h"
#include "days/match_rules.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace zel {

int UsedDayCount(const SharedState &state) {
    const int64_t count = std::max<int64_t>(state.Current_Profile.day_count, 0);
    return static_cast<int>(std::min<int64_t>(count, static_cast<int64_t>(state.Mem_Days.size())));
}

bool AppendDay(SharedState &state, const CapacityCheck &fits) {
    if (fits && !fits(state))
        return false;
    const int count = std::max<int32_t>(state.Current_Profile.day_count, 0);
    if (count == INT32_MAX)
        return false;
    if (state.Mem_Days.size() <= static_cast<std::size_t>(count))
        state.Mem_Days.resize(static_cast<std::size_t>(count) + 1, Day_Sheet{});
    state.Mem_Days[count] = state.Day_Work_Record;
    state.Current_Profile.day_count = count + 1;
    return true;
}

bool DeleteDay(SharedState &state, int index) {
    const int count = UsedDayCount(state);
    if (index < 0 || index >= count)
        return false;
    std::copy(state.Mem_Days.begin() + index + 1, state.Mem_Days.begin() + count,
              state.Mem_Days.begin() + index);
    state.Current_Profile.day_count = count - 1;
    return true;
}

namespace {

// Days belong together when their season names agree up to the 24th character
// or the end of the shorter name, whichever comes first.
std::string_view GroupKey(const Day_Sheet &day) {
    return FieldText(day.season).substr(0, 24);
}

} // namespace

std::vector<Championship_Entry> GroupDays(const SharedState &state) {
    const int count = UsedDayCount(state);
    std::vector<Championship_Entry> table;
    std::unordered_map<std::string_view, std::size_t> entry_of_key;
    for (int k = 0; k < count; ++k) {
        const Day_Sheet &day = state.Mem_Days[k];
        const auto [it, inserted] = entry_of_key.try_emplace(GroupKey(day), table.size());
        if (inserted)
            table.emplace_back();
        Championship_Entry &entry = table[it->second];
        entry.name = FieldText(day.season);
        entry.classement = FieldText(day.classement);
        entry.days.push_back(k);
        for (const Single_Slot &slot : day.singles)
            if (const std::optional<int32_t> points = CountedPoints(slot))
                entry.total_points += *points;
    }
    SortChampionships(table);
    return table;
}

void SortChampionships(std::vector<Championship_Entry> &table) {
    for (std::size_t p = 0; p + 1 < table.size(); ++p) {
        std::size_t smallest = p;
        for (std::size_t q = p + 1; q < table.size(); ++q)
            if (table[q].name < table[smallest].name)
                smallest = q;
        if (smallest != p)
            std::swap(table[p], table[smallest]);
    }
}

namespace {

// The update decides a single from its stored scores alone, without checking sets.
int UpdateResultCode(const Single_Slot &slot) {
    if (slot.player_scores[2] > slot.opponent_scores[2])
        return Result_Victory;
    if (slot.player_scores[2] != 0 || slot.opponent_scores[2] != 0)
        return Result_Defeat;
    return slot.player_scores[1] > slot.opponent_scores[1] ? Result_Victory : Result_Defeat;
}

} // namespace

bool UpdateSeasonPoints(SharedState &state, const Clock &clock) {
    const std::string season = SeasonName(UpdateSeasonYear(clock));
    const std::vector<Championship_Entry> table = GroupDays(state);
    if (table.empty() || table.back().name != season)
        return false;
    const int n = ScaleLength(state);
    const std::string own(OwnClassement(state));
    for (int32_t index : table.back().days) {
        Day_Sheet &day = state.Mem_Days[index];
        for (Single_Slot &slot : day.singles) {
            if (slot.played == 0)
                continue;
            Single_Slot updated = slot;
            updated.points = PointsForMatch(n, own, FieldText(updated.classement), UpdateResultCode(slot));
            // No points exist off the new scale: the single keeps the ones it had.
            if (CountedPoints(updated))
                slot = updated;
        }
        SetFieldText(day.classement, own);
    }
    return true;
}

} // namespace zel
