// Tallies by opponent classement, the victory rule, match points and the estimation.
#include "stats/statistics.h"

#include "days/day_store.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_groups.h"

#include <algorithm>
#include <limits>

namespace zel {

namespace {

int64_t SatAdd(int64_t a, int64_t b) {
    int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return sum;
}

int64_t SatMul(int64_t a, int64_t factor) {
    int64_t product;
    if (__builtin_mul_overflow(a, factor, &product))
        return (a > 0) == (factor > 0) ? std::numeric_limits<int64_t>::max()
                                       : std::numeric_limits<int64_t>::min();
    return product;
}

} // namespace

Recap_Result RecapResult(const Day_Sheet &day, const Single_Slot &slot) {
    if (slot.played == 0)
        return Recap_Result::Uncounted;
    const int k = ClassementIndexOf(FieldText(slot.classement));
    if (k == Off_Scale_Index)
        return Recap_Result::Uncounted;
    const std::optional<int32_t> points = CountedPoints(slot);
    if (!points)
        return Recap_Result::Undecided;
    if (*points != 0)
        return *points > 0 ? Recap_Result::Victory : Recap_Result::Defeat;
    const int own = ClassementIndexOf(FieldText(day.classement));
    if (own == Off_Scale_Index || k == own)
        return Recap_Result::Undecided;
    return k > own ? Recap_Result::Victory : Recap_Result::Defeat;
}

void CountChampionship(const SharedState &state, const Championship_Entry &entry, Stat_Tallies &tallies) {
    const int used = UsedDayCount(state);
    for (int32_t index : entry.days) {
        if (index < 0 || index >= used)
            continue;
        const Day_Sheet &day = state.Mem_Days[index];
        for (const Single_Slot &slot : day.singles) {
            const Recap_Result result = RecapResult(day, slot);
            if (result == Recap_Result::Uncounted)
                continue;
            const int k = ClassementIndexOf(FieldText(slot.classement));
            if (result == Recap_Result::Victory)
                ++tallies.Stat_Victoires[k];
            else if (result == Recap_Result::Defeat)
                ++tallies.Stat_Defaites[k];
            ++tallies.Stat_Matchs[k];
        }
    }
}

void AddTournamentGroup(const SharedState &state, const std::vector<Tournament_Group> &groups, int group,
                        Stat_Tallies &tallies) {
    if (group < 0 || static_cast<std::size_t>(group) >= groups.size())
        return;
    const int n = ScaleLength(state);
    const int used = UsedTournamentCount(state);
    for (int32_t index : groups[group].tournaments) {
        if (index < 0 || index >= used)
            continue;
        const Tournament_Sheet &sheet = state.Mem_Tournois[index];
        for (int i = 0; i <= n + 3; ++i) {
            const int k = i == n + 3 ? NC_Index : i;
            tallies.Stat_Victoires[k] = SatAdd(tallies.Stat_Victoires[k], sheet.columns[i].victories);
            tallies.Stat_Defaites[k] = SatAdd(tallies.Stat_Defaites[k], sheet.columns[i].defeats);
        }
    }
}

int64_t RowTotal(const Stat_Tallies &tallies, int row) {
    const auto &counts = row == 0 ? tallies.Stat_Victoires : tallies.Stat_Defaites;
    int64_t total = 0;
    for (int64_t count : counts)
        total = SatAdd(total, count);
    return total;
}

int FindTournamentGroup(const std::vector<Tournament_Group> &groups, std::string_view name) {
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (groups[g].name == name)
            return static_cast<int>(g);
    return No_Group;
}

bool IsVictory(const SharedState &state, const Single_Slot &slot) {
    if (slot.points != 0)
        return slot.points > 0;
    return ClassementIndexOf(OwnClassement(state)) < ClassementIndexOf(FieldText(slot.classement));
}

Single_Outcome OutcomeOf(const SharedState &state, const Single_Slot &slot) {
    if (!CountedPoints(slot) || ClassementIndexOf(FieldText(slot.classement)) == Off_Scale_Index)
        return Single_Outcome::Uncounted;
    return IsVictory(state, slot) ? Single_Outcome::Victory : Single_Outcome::Defeat;
}

namespace {

int EffectiveIndex(int n, std::string_view label) {
    const int index = ClassementIndexOf(label);
    return index == NC_Index ? n + 3 : index;
}

} // namespace

int MatchPoints(int n, std::string_view own, std::string_view opponent, bool victory) {
    n = ClampScaleLength(n);
    if (ClassementIndexOf(own) == Off_Scale_Index || ClassementIndexOf(opponent) == Off_Scale_Index)
        return 0;
    // A lower index is a stronger classement.
    return PointsForSteps(EffectiveIndex(n, own) - EffectiveIndex(n, opponent), victory);
}

int MatchPoints(const SharedState &state, std::string_view own, std::string_view opponent, bool victory) {
    return MatchPoints(ScaleLength(state), own, opponent, victory);
}

int64_t EstimatePoints(const Stat_Tallies &tallies, int n, std::string_view label) {
    n = ClampScaleLength(n);
    const int c = ClassementIndexOf(label);
    if (c == Off_Scale_Index)
        return 0;
    const bool nc = label == "NC";
    int64_t total = 0;
    for (int k = 0; k < Scale_Size; ++k) {
        const int64_t v = tallies.Stat_Victoires[k];
        int factor = 0;
        if (k <= c - 2 && k <= n + 1)
            factor = 4;
        else if (k == c - 1)
            factor = 3;
        else if (k == n + 2 && nc)
            factor = 3;
        else if (k == c)
            factor = 2;
        else if (k == c + 1)
            factor = 1;
        total = SatAdd(total, SatMul(v, factor));
    }
    // With N below 19, "NC" stands right under the lowest classement, not at
    // index c + 1: victories against it are worth 1 instead of 0.
    if (c == n + 2 && n != 19)
        total = SatAdd(total, tallies.Stat_Victoires[NC_Index]);
    for (int k = 0; k < Scale_Size; ++k) {
        const int64_t f = tallies.Stat_Defaites[k];
        const int factor = k < c ? 0 : k == c ? -2 : k == c + 1 ? -3 : -4;
        total = SatAdd(total, SatMul(f, factor));
    }
    // ... and a defeat against it costs 3 instead of 4.
    if (c == n + 2 && n != 19)
        total = SatAdd(total, tallies.Stat_Defaites[NC_Index]);
    return total;
}

int64_t EstimatePoints(const SharedState &state, const Stat_Tallies &tallies, std::string_view label) {
    return EstimatePoints(tallies, ScaleLength(state), label);
}

int NextChampionship(int current, int count) {
    if (count <= 0)
        return 0;
    return current + 1 >= count ? count - 1 : current + 1;
}

int PreviousChampionship(int current, int count) {
    if (count <= 0)
        return 0;
    return current - 1 < 0 ? 0 : std::min(current - 1, count - 1);
}

} // namespace zel
