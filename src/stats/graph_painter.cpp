// Drawing of the three graphs.
#include "stats/graph_painter.h"

#include <QPainter>
#include <QPolygon>

namespace zel {

GraphArea::GraphArea(Paint paint, QWidget *parent) : QFrame(parent), paint_(std::move(paint)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void GraphArea::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    paint_(painter, QRect(QPoint(0, 0), inside.size()));
}

namespace {

// Pixels (x0 .. x1 - 1, y): axes are laid pixel by pixel, end excluded.
void RowRun(QPainter &p, int x0, int x1, int y) {
    if (x1 > x0)
        p.fillRect(QRect(x0, y, x1 - x0, 1), Qt::black);
}

void ColumnRun(QPainter &p, int x, int y0, int y1, const QColor &colour = Qt::black) {
    if (y1 > y0)
        p.fillRect(QRect(x, y0, 1, y1 - y0), colour);
}

void Pixel(QPainter &p, int x, int y, const QColor &colour = Qt::black) {
    p.fillRect(QRect(x, y, 1, 1), colour);
}

// A horizontal axis of rows y .. y + 2 from x = 50 to `end`, and its
// arrowhead starting at h.
void XAxis(QPainter &p, int y, int end, int h) {
    for (int r = 0; r < 3; ++r)
        RowRun(p, 50, end, y + r);
    for (int k = 1; k <= 4; ++k) {
        RowRun(p, h, h + 5 - k, y - k);
        RowRun(p, h, h + 5 - k, y + 2 + k);
    }
}

// Columns x .. x + 2.
void YAxis(QPainter &p, int y0, int y1, int x = 50, const QColor &colour = Qt::black) {
    for (int c = x; c <= x + 2; ++c)
        ColumnRun(p, c, y0, y1, colour);
}

// Text centred in the rectangle left, top, right, bottom.
void Centred(QPainter &p, int left, int top, int right, int bottom, const QString &text) {
    p.drawText(QRect(left, top, right - left, bottom - top), Qt::AlignCenter | Qt::TextDontClip, text);
}

// A value label left of the y axis, its tick pair at rows y and y + 1; or
// beside another axis, its ticks in column tick_x and its text from left to right.
void ValueLabel(QPainter &p, int y, int64_t value, int tick_x = 53, int left = 32, int right = 48,
                const QColor &colour = Qt::black) {
    Pixel(p, tick_x, y, colour);
    Pixel(p, tick_x, y + 1, colour);
    p.setPen(QPen(colour, 1));
    Centred(p, left, y - 8, right, y + 8, QString::number(value));
    p.setPen(QPen(Qt::black, 1));
}

// Dotted: every other pixel from the line's start.
void Grid(QPainter &p, const Graph_Grid &g) {
    QPolygon dots;
    const int bottom = g.y0 + g.rows * g.dy;
    for (int i = 1; i < g.columns; ++i) {
        const int x = g.x0 + i * g.dx;
        for (int y = g.y0; y <= bottom; y += 2)
            dots << QPoint(x, y);
    }
    const int right = g.x0 + (g.columns - 1) * g.dx;
    for (int r = 0; r <= g.rows; ++r) {
        const int y = g.y0 + r * g.dy;
        for (int x = g.x0 - g.overhang; x <= right; x += 2)
            dots << QPoint(x, y);
    }
    p.setPen(QPen(Graph_Grid_Colour, 1));
    p.drawPoints(dots);
}

void Curve(QPainter &p, const std::vector<Graph_Point> &points, const QColor &colour) {
    if (points.empty())
        return;
    // From the first point to each following one; a zero-length first segment
    // would make the raster engine drop the first pixel.
    QPolygon line;
    for (const Graph_Point &pt : points)
        line << QPoint(pt.x, pt.y);
    p.setPen(QPen(colour, 1));
    if (line.size() == 1)
        p.drawPoint(line.front());
    else
        p.drawPolyline(line);
    p.setPen(QPen(Qt::black, 1));
}

// The background and the title; the title's lines hang from the top of its box.
void Begin(QPainter &p, const QRect &area, const QString &title) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawText(QRect(0, 15, 640, 69), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, title);
}

// Ticks and labels along a day axis whose rows start at `axis_y`: the day
// numbers, or the given names of the first positions.
void DayLabels(QPainter &p, const Day_Axis &axis, int axis_y, bool double_tick,
               const std::vector<std::string> *names = nullptr) {
    for (int j = 0; j < axis.positions; ++j) {
        const int x = axis.x(j);
        Pixel(p, x, axis_y - 2);
        if (double_tick)
            Pixel(p, x, axis_y - 1);
        if (j % axis.label_every != 0)
            continue;
        if (!names)
            Centred(p, x - 10, axis_y + 5, x + 10, axis_y + 21, QString::number(j + 1));
        else if (std::size_t(j) < names->size())
            Centred(p, x - 10, axis_y + 5, x + 10, axis_y + 21,
                    QString::fromStdString((*names)[std::size_t(j)]));
    }
}

} // namespace

void PaintGraph1(QPainter &p, const QRect &area, const Graph1_Series &g, const QString &championship,
                 bool grid) {
    p.save();
    Begin(p, area, QStringLiteral("Courbes des matchs gagnés/rencontrés du %1\n").arg(championship));
    if (grid)
        Grid(p, g.grid);
    p.setPen(QPen(Qt::black, 1));
    XAxis(p, 350, g.axis_end, g.arrow_head);
    YAxis(p, 50, 350);
    for (std::size_t i = 0; i < g.labels.size(); ++i) {
        const int x = g.label_x[i];
        Pixel(p, x, 348);
        Pixel(p, x, 349);
        const int half = g.labels[i] == "100" ? 25 : 10;
        Centred(p, x - half, 355, x + half, 371, QString::fromStdString(g.labels[i]));
    }
    for (const Graph_Tick &t : g.value_ticks)
        ValueLabel(p, t.y, t.value);

    Curve(p, g.matches_curve, Qt::black);
    p.drawLine(100, 400, 150, 400);
    Centred(p, 120, 392, 320, 408, QStringLiteral(": Matchs effectués"));
    Curve(p, g.victories_curve, Graph_Victories_Colour);
    p.setPen(QPen(Graph_Victories_Colour, 1));
    p.drawLine(300, 400, 350, 400);
    p.setPen(QPen(Qt::black, 1));
    Centred(p, 315, 392, 515, 408, QStringLiteral(": Matchs gagnés"));
    p.restore();
}

void PaintGraph2(QPainter &p, const QRect &area, const Graph2_Series &g, const QString &championship,
                 const QString &classement, bool grid) {
    p.save();
    Begin(p, area, QStringLiteral("Cumul des points du %1\n Classement %2").arg(championship, classement));
    if (grid)
        Grid(p, g.grid);
    p.setPen(QPen(Qt::black, 1));
    XAxis(p, 225, 650, 645);
    Pixel(p, 650, 226);
    YAxis(p, 50, 404);
    DayLabels(p, g.axis, 225, false);
    for (const Graph_Tick &t : g.value_ticks)
        ValueLabel(p, t.y, t.value);
    Curve(p, g.curve, Qt::black);
    p.restore();
}

void PaintGraph3(QPainter &p, const QRect &area, const Graph3_Series &g, const QString &championship,
                 bool grid) {
    p.save();
    Begin(p, area, QStringLiteral("Cumul des matchs gagnés du %1").arg(championship));
    if (grid)
        Grid(p, g.grid);
    p.setPen(QPen(Qt::black, 1));
    XAxis(p, 385, 650, 645);
    Pixel(p, 650, 386);
    YAxis(p, 35, 385);
    DayLabels(p, g.axis, 385, true);
    for (const Graph_Tick &t : g.value_ticks)
        ValueLabel(p, t.y, t.value);
    Curve(p, g.curve, Qt::black);
    p.restore();
}

void PaintSeasonsGraph(QPainter &p, const QRect &area, const Seasons_Series &g, bool grid) {
    p.save();
    Begin(p, area, QStringLiteral("Victoires et points par saison"));
    if (grid)
        Grid(p, g.grid);
    p.setPen(QPen(Qt::black, 1));
    XAxis(p, 350, 650, 645);
    YAxis(p, 50, 350);
    DayLabels(p, g.axis, 350, true, &g.labels);
    for (const Graph_Tick &t : g.percent_ticks)
        ValueLabel(p, t.y, t.value);
    YAxis(p, 50, 351, 660, Graph_Victories_Colour);
    for (const Graph_Tick &t : g.points_ticks)
        ValueLabel(p, t.y, t.value, 659, 666, 704, Graph_Victories_Colour);

    // A mark on each season's point: a single season is a point, not a line.
    const auto marked = [&](const std::vector<Graph_Point> &curve, const QColor &colour) {
        Curve(p, curve, colour);
        for (const Graph_Point &pt : curve)
            p.fillRect(QRect(pt.x - 2, pt.y - 2, 5, 5), colour);
    };
    marked(g.percent_curve, Qt::black);
    p.drawLine(100, 400, 150, 400);
    Centred(p, 120, 392, 320, 408, QStringLiteral(": % de victoires"));
    marked(g.points_curve, Graph_Victories_Colour);
    p.setPen(QPen(Graph_Victories_Colour, 1));
    p.drawLine(300, 400, 350, 400);
    p.setPen(QPen(Qt::black, 1));
    Centred(p, 315, 392, 515, 408, QStringLiteral(": Points"));
    p.restore();
}

} // namespace zel
