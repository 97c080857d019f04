// Drawing of the three graphs on a painter whose origin is the top-left corner
// of the drawing area, in its pixels; the series say where everything goes.
#pragma once

#include "stats/graph_series.h"

#include <QColor>
#include <QFrame>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

namespace zel {

// The graphs' coordinates need this much room.
inline constexpr int Graph_Area_Width = 675;
inline constexpr int Graph_Area_Height = 409;
// The seasons' graph has a second scale right of its x axis.
inline constexpr int Seasons_Graph_Width = 706;

inline const QColor Graph_Grid_Colour{0x40, 0x40, 0xFF};
inline const QColor Graph_Victories_Colour{0xFF, 0, 0};

// A framed drawing area: every repaint calls `paint` with a painter whose
// origin is the top-left corner inside the frame, and the room there.
class GraphArea final : public QFrame {
  public:
    using Paint = std::function<void(QPainter &, const QRect &)>;
    explicit GraphArea(Paint paint, QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Paint paint_;
};

// Each fills `area` with white, then draws the title, the dotted grid when
// `grid` is set, the axes with their ticks and labels and the curves.
void PaintGraph1(QPainter &painter, const QRect &area, const Graph1_Series &series,
                 const QString &championship, bool grid);
void PaintGraph2(QPainter &painter, const QRect &area, const Graph2_Series &series,
                 const QString &championship, const QString &classement, bool grid);
void PaintGraph3(QPainter &painter, const QRect &area, const Graph3_Series &series,
                 const QString &championship, bool grid);
void PaintSeasonsGraph(QPainter &painter, const QRect &area, const Seasons_Series &series, bool grid);

} // namespace zel
