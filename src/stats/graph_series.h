// What the three graphs of a championship show, in pixels of a drawing area of
// at least 675 x 409, so that drawing is only lines and texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;
struct Championship_Entry;
struct Season_Row;

struct Graph_Point {
    int x = 0;
    int y = 0;
};

// A value label and the pixel row of its tick.
struct Graph_Tick {
    int64_t value = 0;
    int y = 0;
};

// Dotted grid: vertical lines at x0 + i * dx (i = 1 .. columns - 1) from y0 to
// y0 + rows * dy; horizontal lines at y0 + r * dy (r = 0 .. rows) from
// x0 - overhang to x0 + (columns - 1) * dx.
struct Graph_Grid {
    int x0 = 0, dx = 0, columns = 0, overhang = 0, y0 = 0, dy = 0, rows = 0;
};

// Matches played and won by opponent classement. Columns 0 .. N + 2 are
// Classement_Index 0 .. N + 2; column N + 3 holds the "NC" counts.
struct Graph1_Series {
    int n = 1;
    std::vector<std::string> labels; // per column
    std::vector<int> label_x;        // per column: tick and label centre
    std::vector<int64_t> matches, victories;
    int64_t max = 1;  // largest count of matches, 1 when there is none
    int64_t unit = 1; // matches per grid row: 1 unless max exceeds 300
    int scale = 300;  // pixels per grid row
    Graph_Grid grid;
    std::vector<Graph_Tick> value_ticks; // unit, 2 * unit, ... max rounded up
    std::vector<Graph_Point> matches_curve, victories_curve;
    int axis_end = 0; // the x axis runs from 50 to here
    int arrow_head = 0;
};

// Day after day, for the championship's days in day-list order (all of them).
// Up to 14 days keep 43 pixels per day; more days share the same width.
struct Day_Axis {
    int positions = 14; // day positions drawn, at least 14
    int dx = 43;
    int label_every = 1; // label days 1, 1 + label_every, ... so labels do not overlap
    int x(int j) const { return 66 + dx * j; }
};

// Running total of the points the singles are worth for a chosen classement.
struct Graph2_Series {
    std::vector<int64_t> day_values, running_totals;
    int64_t range = 1; // largest |running total|, 1 when all are 0
    int64_t step = 1;  // range / 10 rounded up: the value of one of the 10 label rows
    Day_Axis axis;
    Graph_Grid grid;
    std::vector<Graph_Tick> value_ticks; // step * i above and -step * i below, i = 1..10
    std::vector<Graph_Point> curve;
};

// Running total of singles won.
struct Graph3_Series {
    std::vector<int64_t> day_values, running_totals;
    int64_t range = 1; // largest running total, 1 when it is 0
    int64_t unit = 1;  // victories per grid row: 1 unless range exceeds 350
    int scale = 350;   // pixels per grid row
    int64_t step = 1;  // range / 20 + 1, between value labels
    Day_Axis axis;
    Graph_Grid grid;
    std::vector<Graph_Tick> value_ticks; // 0, step, ... up to range
    std::vector<Graph_Point> curve;
};

// The championships side by side, one point per season along a day axis: the
// victory percentage on the left scale (0 to 100, 3 pixels a point, black) and
// the total of points on a right scale of its own (red).
struct Seasons_Series {
    std::vector<std::string> labels; // per season: its first year
    Day_Axis axis;
    Graph_Grid grid;                       // on the percentage rows
    std::vector<Graph_Tick> percent_ticks; // 0, 10 ... 100
    int64_t points_step = 1;               // between points labels: a tenth of their range, rounded up
    std::vector<Graph_Tick>
        points_ticks; // from the multiple of points_step at or below 0 and the lowest total
    std::vector<Graph_Point> percent_curve, points_curve;
};

Graph1_Series ComputeGraph1(const SharedState &state, const Championship_Entry &entry);
// The stored points when graph_classement is the player's current classement,
// MatchPoints for it otherwise.
Graph2_Series ComputeGraph2(const SharedState &state, const Championship_Entry &entry,
                            std::string_view graph_classement);
Graph3_Series ComputeGraph3(const SharedState &state, const Championship_Entry &entry);
Seasons_Series ComputeSeasonsGraph(const std::vector<Season_Row> &seasons);

} // namespace zel
