// What the three graphs of a championship show.
#include "stats/graph_series.h"

#include "days/classement_scale.h"
#include "days/day_store.h"
#include "shell/shared_state.h"
#include "stats/history.h"
#include "stats/statistics.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <cstdlib>

namespace zel {

namespace {

int64_t CeilDiv(int64_t a, int64_t b) {
    return (a + b - 1) / b;
}

// Grid rows of `unit` values each, so that at most `height` rows fit one pixel or more.
struct Rows {
    int64_t unit;
    int rows;
    int scale;
};

Rows FitRows(int64_t range, int height) {
    const int64_t unit = CeilDiv(range, height);
    const int rows = static_cast<int>(CeilDiv(range, unit));
    return {unit, rows, height / rows};
}

// Labels are label_width pixels wide, with a gap of 2.
Day_Axis MakeDayAxis(std::size_t days, int label_width = 20) {
    Day_Axis axis;
    axis.positions = static_cast<int>(std::max<std::size_t>(days, 14));
    if (axis.positions > 14)
        axis.dx = std::max(1, 43 * 13 / (axis.positions - 1));
    axis.label_every = static_cast<int>(CeilDiv(label_width + 2, axis.dx));
    return axis;
}

std::vector<int64_t> RunningTotals(const std::vector<int64_t> &values) {
    std::vector<int64_t> totals(values.size());
    int64_t total = 0;
    for (std::size_t j = 0; j < values.size(); ++j)
        totals[j] = total += values[j];
    return totals;
}

// Calls f(day position, slot, stored points, victory) for the counted singles of each day.
template <typename F>
void ForEachCountedSingle(const SharedState &state, const Championship_Entry &entry, F f) {
    const int used = UsedDayCount(state);
    for (std::size_t j = 0; j < entry.days.size(); ++j) {
        const int32_t index = entry.days[j];
        if (index < 0 || index >= used)
            continue;
        for (const Single_Slot &slot : state.Mem_Days[index].singles) {
            const std::optional<int32_t> points = CountedPoints(slot);
            const Single_Outcome outcome = OutcomeOf(state, slot);
            if (points && outcome != Single_Outcome::Uncounted)
                f(j, slot, *points, outcome == Single_Outcome::Victory);
        }
    }
}

} // namespace

Graph1_Series ComputeGraph1(const SharedState &state, const Championship_Entry &entry) {
    Graph1_Series g;
    g.n = ScaleLength(state);
    const int n = g.n;
    Stat_Tallies tallies;
    CountChampionship(state, entry, tallies);
    g.max = std::max<int64_t>(1, *std::max_element(tallies.Stat_Matchs.begin(), tallies.Stat_Matchs.end()));
    const Rows rows = FitRows(g.max, 300);
    g.unit = rows.unit;
    g.scale = rows.scale;

    g.grid = {50, 26, n + 5, 0, 350 - rows.rows * rows.scale, rows.scale, rows.rows};
    g.axis_end = 26 * n + 180;
    g.arrow_head = 26 * n + 175;
    for (int r = 1; r <= rows.rows; ++r)
        g.value_ticks.push_back({r * g.unit, 350 - r * g.scale});

    const auto y = [&](int64_t value) { return 350 - static_cast<int>(value * g.scale / g.unit); };
    for (int i = 0; i <= n + 3; ++i) {
        const int k = i == n + 3 ? NC_Index : i;
        g.labels.emplace_back(Full_Scale[k]);
        g.label_x.push_back(76 + 26 * i);
        g.matches.push_back(tallies.Stat_Matchs[k]);
        g.victories.push_back(tallies.Stat_Victoires[k]);
        g.matches_curve.push_back({76 + 26 * i, y(g.matches.back())});
        g.victories_curve.push_back({76 + 26 * i, y(g.victories.back())});
    }
    return g;
}

Graph2_Series ComputeGraph2(const SharedState &state, const Championship_Entry &entry,
                            std::string_view graph_classement) {
    Graph2_Series g;
    g.day_values.assign(entry.days.size(), 0);
    const bool own = graph_classement == OwnClassement(state);
    const int n = ScaleLength(state);
    ForEachCountedSingle(
        state, entry, [&](std::size_t j, const Single_Slot &slot, int32_t points, bool victory) {
            g.day_values[j] +=
                own ? points : MatchPoints(n, graph_classement, FieldText(slot.classement), victory);
        });
    g.running_totals = RunningTotals(g.day_values);
    g.range = 1;
    for (int64_t t : g.running_totals)
        g.range = std::max(g.range, t < 0 ? -t : t);
    g.step = CeilDiv(g.range, 10);

    g.axis = MakeDayAxis(entry.days.size());
    g.grid = {66, g.axis.dx, g.axis.positions, 16, 55, 17, 20};
    for (int i = 1; i <= 10; ++i) {
        g.value_ticks.push_back({g.step * i, 225 - 17 * i});
        g.value_ticks.push_back({-g.step * i, 225 + 17 * i});
    }
    for (std::size_t j = 0; j < g.running_totals.size(); ++j)
        g.curve.push_back(
            {g.axis.x(static_cast<int>(j)), 225 - static_cast<int>(17 * g.running_totals[j] / g.step)});
    return g;
}

Graph3_Series ComputeGraph3(const SharedState &state, const Championship_Entry &entry) {
    Graph3_Series g;
    g.day_values.assign(entry.days.size(), 0);
    ForEachCountedSingle(state, entry, [&](std::size_t j, const Single_Slot &, int32_t, bool victory) {
        if (victory)
            ++g.day_values[j];
    });
    g.running_totals = RunningTotals(g.day_values);
    g.range = 1;
    for (int64_t t : g.running_totals)
        g.range = std::max(g.range, t);
    const Rows rows = FitRows(g.range, 350);
    g.unit = rows.unit;
    g.scale = rows.scale;
    g.step = g.range / 20 + 1;

    g.axis = MakeDayAxis(entry.days.size());
    g.grid = {66, g.axis.dx, g.axis.positions, 16, 385 - rows.rows * rows.scale, rows.scale, rows.rows};
    const auto y = [&](int64_t value) { return 385 - static_cast<int>(value * g.scale / g.unit); };
    for (int64_t v = 0; v <= g.range; v += g.step)
        g.value_ticks.push_back({v, y(v)});
    for (std::size_t j = 0; j < g.running_totals.size(); ++j)
        g.curve.push_back({g.axis.x(static_cast<int>(j)), y(g.running_totals[j])});
    return g;
}

Seasons_Series ComputeSeasonsGraph(const std::vector<Season_Row> &seasons) {
    Seasons_Series g;
    g.axis = MakeDayAxis(seasons.size(), 28); // four digits
    g.grid = {66, g.axis.dx, g.axis.positions, 16, 50, 30, 10};
    for (int v = 0; v <= 100; v += 10)
        g.percent_ticks.push_back({v, 350 - 3 * v});

    int64_t low = 0, high = 0;
    for (const Season_Row &s : seasons) {
        low = std::min(low, s.points);
        high = std::max(high, s.points);
    }
    g.points_step = CeilDiv(std::max<int64_t>(high - low, 1), 10);
    const int64_t bottom = -CeilDiv(-low, g.points_step) * g.points_step;
    const int rows = static_cast<int>(std::max<int64_t>(CeilDiv(high - bottom, g.points_step), 1));
    const int row_height = 300 / rows;
    for (int r = 0; r <= rows; ++r)
        g.points_ticks.push_back({bottom + r * g.points_step, 350 - r * row_height});

    for (std::size_t j = 0; j < seasons.size(); ++j) {
        const std::string_view years = SeasonYears(seasons[j].name);
        g.labels.emplace_back(years.substr(0, years.find(' ')));
        const int x = g.axis.x(static_cast<int>(j));
        g.percent_curve.push_back({x, 350 - 3 * seasons[j].percentage});
        g.points_curve.push_back(
            {x, 350 - static_cast<int>((seasons[j].points - bottom) * row_height / g.points_step)});
    }
    return g;
}

} // namespace zel
