// Drawing of the three graphs on a painter whose origin is the top-left corner
// of the drawing area, in its pixels; the series say where everything goes.
#pragma once

#include "stats/graph_series.h"

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace zel {

// The graphs' coordinates need this much room.
inline constexpr int Graph_Area_Width = 675;
inline constexpr int Graph_Area_Height = 409;

inline const QColor Graph_Grid_Colour{0x40, 0x40, 0xFF};
inline const QColor Graph_Victories_Colour{0xFF, 0, 0};

// Each fills `area` with white, then draws the title, the dotted grid when
// `grid` is set, the axes with their ticks and labels and the curves.
void PaintGraph1(QPainter &painter, const QRect &area, const Graph1_Series &series,
                 const QString &championship, bool grid);
void PaintGraph2(QPainter &painter, const QRect &area, const Graph2_Series &series,
                 const QString &championship, const QString &classement, bool grid);
void PaintGraph3(QPainter &painter, const QRect &area, const Graph3_Series &series,
                 const QString &championship, bool grid);

} // namespace zel
