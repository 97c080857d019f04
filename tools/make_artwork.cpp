// Paints every picture Zel Manager ships: the main window picture, the dialogs' title picture,
// the two toolbar strips and the window icon, all from code so they can be redrawn at will.
//
// Usage: make_artwork <source root>   (normally through tools/make_artwork.sh)
// Writes, under the source root:
//   runtime/data/main.bmp            320 x 240, 24-bit, drawn under the toolbar of the main window
//   runtime/data/titre.bmp           128 x 128, 24-bit, about box and player dialogs
//   src/resources/images/toolbar122.png   simple toolbar, 2 images of 16 x 15
//   src/resources/images/toolbar123.png   full toolbar, 10 images of 16 x 15
//   src/resources/images/zel.png          window icon, 64 x 64
//   src/resources/images/zel-256.png      desktop icon, 256 x 256
// and each picture and strip again at twice the size, "@2x" before the extension (PNG), for
// screens at 200 %: the same drawing on a painter scaled by 2, so both sizes show one picture.
//
// The output depends only on this file, Qt's raster painter and, for the name on the main
// picture, the DejaVu Sans Bold font file (fonts-dejavu-core), so a rerun gives the same files.

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One calm palette for every picture: navy ink, a blue-green playing surface, a warm ball.
const QColor Navy(0x1f, 0x3a, 0x5f);
const QColor NavyLight(0x35, 0x50, 0x6e);
const QColor Surface(0x1f, 0x6e, 0x8c);
const QColor SurfaceFar(0x2d, 0x8c, 0xad);
const QColor SurfaceNear(0x18, 0x58, 0x74);
const QColor SurfaceEdge(0x10, 0x3a, 0x4e);
const QColor Ball(0xf2, 0x8c, 0x28);
const QColor BallDark(0xc4, 0x62, 0x0c);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Grid(0xdc, 0xe6, 0xef);
const QColor Bar(0x8f, 0xab, 0xc9);

QPointF lerp(QPointF a, QPointF b, qreal t) {
    return a + (b - a) * t;
}

// ---------------------------------------------------------------------------------------------
// Scene pieces shared by the main picture and the title picture.

// Wall and floor behind the table; the horizon sits at `horizon` pixels from the top.
void paintBackdrop(QPainter &p, const QRectF &r, qreal horizon) {
    QLinearGradient wall(r.topLeft(), QPointF(r.left(), horizon));
    wall.setColorAt(0, QColor(0xf6, 0xf9, 0xfc));
    wall.setColorAt(1, QColor(0xe1, 0xeb, 0xf4));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), wall);

    QLinearGradient floor(QPointF(r.left(), horizon), r.bottomLeft());
    floor.setColorAt(0, QColor(0xd4, 0xe2, 0xee));
    floor.setColorAt(1, QColor(0xb9, 0xcf, 0xe1));
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), floor);

    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 150), 1));
    p.drawLine(QPointF(r.left(), horizon + 0.5), QPointF(r.right(), horizon + 0.5));
}

// A season chart: pale bars for the days, a rising orange line for the running total.
// `values` are heights in [0, 1] for the bars, `totals` the line, one point per bar.
void paintSeasonChart(QPainter &p, const QRectF &panel, const std::vector<qreal> &values,
                      const std::vector<qreal> &totals, qreal radius, qreal lineWidth) {
    p.save();
    p.setPen(QPen(QColor(0x9d, 0xb6, 0xcc), 1));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const qreal margin = panel.width() * 0.09;
    const QRectF plot = panel.adjusted(margin + 2, margin, -margin, -margin);

    p.setPen(QPen(Grid, 1));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = qRound(plot.bottom() - plot.height() * i / 4.0) + 0.5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    const int n = int(values.size());
    const qreal step = plot.width() / n;
    const qreal barWidth = step * 0.56;
    std::vector<QPointF> points;
    for (int i = 0; i < n; ++i) {
        const qreal cx = plot.left() + step * (i + 0.5);
        const qreal h = plot.height() * values[i];
        QLinearGradient g(QPointF(0, plot.bottom() - h), QPointF(0, plot.bottom()));
        g.setColorAt(0, Bar);
        g.setColorAt(1, Bar.lighter(118));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(cx - barWidth / 2, plot.bottom() - h, barWidth, h), 1.2, 1.2);
        points.push_back(QPointF(cx, plot.bottom() - plot.height() * totals[i]));
    }

    p.setPen(QPen(NavyLight, 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(plot.left() - 0.5, plot.top() - 2), QPointF(plot.left() - 0.5, plot.bottom() + 0.5));
    p.drawLine(QPointF(plot.left() - 0.5, plot.bottom() + 0.5),
               QPointF(plot.right() + 2, plot.bottom() + 0.5));

    QPainterPath line(points.front());
    for (size_t i = 1; i < points.size(); ++i)
        line.lineTo(points[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ball, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.setPen(QPen(Ball, lineWidth * 0.8));
    p.setBrush(Paper);
    for (const QPointF &pt : points)
        p.drawEllipse(pt, lineWidth * 1.2, lineWidth * 1.2);
    p.restore();
}

// The playing table in perspective: far edge (farL..farR at farY), near edge (nearL..nearR at
// nearY), a net across, two visible legs and a soft shadow on the floor.
struct Table {
    qreal farY, nearY, farL, farR, nearL, nearR;
    qreal thickness, legHeight;
};

QPointF tableAt(const Table &t, qreal u, qreal v) { // u across 0..1, v depth 0 = far .. 1 = near
    // Depth is foreshortened: equal steps on the table get closer together towards the far edge.
    const qreal w = v * v * 0.16 + v * 0.84;
    const QPointF left = lerp(QPointF(t.farL, t.farY), QPointF(t.nearL, t.nearY), w);
    const QPointF right = lerp(QPointF(t.farR, t.farY), QPointF(t.nearR, t.nearY), w);
    return lerp(left, right, u);
}

void paintTable(QPainter &p, const Table &t, qreal scale) {
    p.save();
    // Floor shadow.
    const QRectF shadow(t.nearL - 6 * scale, t.nearY + t.legHeight - 7 * scale,
                        t.nearR - t.nearL + 12 * scale, 12 * scale);
    QRadialGradient sg(shadow.center(), shadow.width() / 2);
    sg.setColorAt(0, QColor(0x10, 0x2a, 0x40, 90));
    sg.setColorAt(1, QColor(0x10, 0x2a, 0x40, 0));
    p.save();
    p.translate(shadow.center());
    p.scale(1, shadow.height() / shadow.width());
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawEllipse(QPointF(0, 0), shadow.width() / 2, shadow.width() / 2);
    p.restore();

    // Legs under the near corners, slightly inset.
    const qreal legW = 4.2 * scale;
    QLinearGradient lg(QPointF(0, t.nearY), QPointF(0, t.nearY + t.legHeight));
    lg.setColorAt(0, QColor(0x24, 0x30, 0x3a));
    lg.setColorAt(1, QColor(0x3b, 0x4a, 0x57));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    for (qreal x : {t.nearL + 14 * scale, t.nearR - 14 * scale - legW})
        p.drawRect(QRectF(x, t.nearY, legW, t.legHeight));
    // The far legs show just below the table's near face, between the near legs.
    p.setBrush(QColor(0x2c, 0x39, 0x45));
    const qreal farLegTop = t.nearY + t.thickness;
    const qreal farLegH = t.legHeight * 0.55;
    for (qreal x : {t.farL + 12 * scale, t.farR - 12 * scale - legW * 0.8})
        p.drawRect(QRectF(x, farLegTop, legW * 0.8, farLegH));

    // Top and its near face.
    QPolygonF top;
    top << QPointF(t.farL, t.farY) << QPointF(t.farR, t.farY) << QPointF(t.nearR, t.nearY)
        << QPointF(t.nearL, t.nearY);
    QPolygonF face;
    face << QPointF(t.nearL, t.nearY) << QPointF(t.nearR, t.nearY) << QPointF(t.nearR, t.nearY + t.thickness)
         << QPointF(t.nearL, t.nearY + t.thickness);
    p.setBrush(SurfaceEdge);
    p.drawPolygon(face);
    QLinearGradient tg(QPointF(0, t.farY), QPointF(0, t.nearY));
    tg.setColorAt(0, SurfaceFar);
    tg.setColorAt(0.6, Surface);
    tg.setColorAt(1, SurfaceNear);
    p.setBrush(tg);
    p.drawPolygon(top);

    // White lines: border and centre line.
    const qreal inset = 0.022;
    QPolygonF border;
    border << tableAt(t, inset, inset * 1.6) << tableAt(t, 1 - inset, inset * 1.6)
           << tableAt(t, 1 - inset, 1 - inset) << tableAt(t, inset, 1 - inset);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 1.4 * scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(border);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.9 * scale));
    p.drawLine(tableAt(t, 0.5, inset * 1.6), tableAt(t, 0.5, 1 - inset));

    // Net across the middle depth, a little wider than the table.
    const QPointF nl = tableAt(t, -0.025, 0.5);
    const QPointF nr = tableAt(t, 1.025, 0.5);
    const qreal netH = 11 * scale;
    QRectF net(nl.x(), nl.y() - netH, nr.x() - nl.x(), netH);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x22, 0x2e, 150));
    p.drawRect(net);
    p.setPen(QPen(QColor(255, 255, 255, 55), 0.6));
    for (qreal x = net.left() + 2.5 * scale; x < net.right(); x += 2.5 * scale)
        p.drawLine(QPointF(x, net.top() + 1.5 * scale), QPointF(x, net.bottom()));
    for (qreal y = net.top() + 4 * scale; y < net.bottom(); y += 2.5 * scale)
        p.drawLine(QPointF(net.left(), y), QPointF(net.right(), y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf8, 0xfb, 0xfd));
    p.drawRect(QRectF(net.left(), net.top(), net.width(), 1.8 * scale));
    p.setBrush(QColor(0x22, 0x2c, 0x35));
    p.drawRect(QRectF(net.left() - 1.5 * scale, net.top() - 0.5 * scale, 2 * scale, netH + 2 * scale));
    p.drawRect(QRectF(net.right() - 0.5 * scale, net.top() - 0.5 * scale, 2 * scale, netH + 2 * scale));
    p.restore();
}

void paintBall(QPainter &p, QPointF c, qreal r) {
    p.save();
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.35);
    g.setColorAt(0, QColor(0xff, 0xe9, 0xcf));
    g.setColorAt(0.35, Ball);
    g.setColorAt(1, BallDark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

// The ball's flight: a dotted arc from `from` rising through `apex` towards the ball.
void paintFlight(QPainter &p, QPointF from, QPointF control, QPointF to, qreal width) {
    p.save();
    QPainterPath path(from);
    path.quadTo(control, to);
    QPen pen(QColor(0xf2, 0x8c, 0x28, 150), width, Qt::CustomDashLine, Qt::RoundCap);
    pen.setDashPattern({0.1, 2.6});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void paintBallShadow(QPainter &p, QPointF c, qreal rx, qreal ry) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x06, 0x20, 0x30, 85));
    p.drawEllipse(c, rx, ry);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Main window picture, 320 x 240.

QImage paintMain(const QString &fontFamily, int scale) {
    QImage img(320 * scale, 240 * scale, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p, QRectF(0, 0, 320, 240), 142);

    paintSeasonChart(p, QRectF(186, 16, 120, 88), {0.30, 0.45, 0.38, 0.62, 0.52, 0.74, 0.66, 0.86},
                     {0.10, 0.20, 0.28, 0.42, 0.50, 0.64, 0.72, 0.88}, 7, 1.8);

    // The name, with a short accent stroke under it.
    QFont f(fontFamily);
    f.setPixelSize(23);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(f);
    p.setPen(Navy);
    p.drawText(QPointF(16, 42), QStringLiteral("Zel"));
    QFont light = f;
    light.setBold(false);
    const qreal zelWidth = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Zel "));
    p.setFont(light);
    p.setPen(NavyLight);
    p.drawText(QPointF(16 + zelWidth, 42), QStringLiteral("Manager"));
    p.setPen(Qt::NoPen);
    p.setBrush(Ball);
    p.drawRoundedRect(QRectF(17, 51, 34, 3.2), 1.6, 1.6);
    p.setBrush(QColor(0x9d, 0xb6, 0xcc));
    p.drawRoundedRect(QRectF(55, 51, 12, 3.2), 1.6, 1.6);

    const Table t{132, 192, 96, 224, 34, 286, 6, 30};
    paintTable(p, t, 1.0);

    // Ball in flight over the near half, coming from the far side.
    paintFlight(p, tableAt(t, 0.70, 0.16), QPointF(178, 62), QPointF(122, 94), 1.6);
    paintBallShadow(p, tableAt(t, 0.34, 0.80), 5.5, 1.8);
    paintBall(p, QPointF(118, 97), 6.2);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Title picture, 128 x 128: the same scene, closer.

QImage paintTitle(int scale) {
    QImage img(128 * scale, 128 * scale, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p, QRectF(0, 0, 128, 128), 74);

    paintSeasonChart(p, QRectF(58, 8, 62, 46), {0.32, 0.50, 0.44, 0.68, 0.84}, {0.12, 0.28, 0.42, 0.62, 0.86},
                     5, 1.5);

    const Table t{70, 104, 28, 100, 6, 122, 4, 16};
    paintTable(p, t, 0.62);

    paintFlight(p, tableAt(t, 0.52, 0.14), QPointF(44, 36), QPointF(27, 44), 1.3);
    paintBallShadow(p, tableAt(t, 0.22, 0.78), 3.6, 1.2);
    paintBall(p, QPointF(24, 47), 4.6);

    // A thin frame so the picture sits cleanly on a dialog's face.
    // Filled, not stroked: one pixel of the picture wide at either scale.
    const QColor frame(0x9d, 0xb6, 0xcc);
    for (const QRect &side :
         {QRect(0, 0, 128, 1), QRect(0, 127, 128, 1), QRect(0, 0, 1, 128), QRect(127, 0, 1, 128)})
        p.fillRect(side, frame);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Icon: a rounded tile with the table and a rising season line ending in the ball.

QImage paintIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    const QRectF tile(2, 2, 60, 60);
    QLinearGradient bg(tile.topLeft(), tile.bottomRight());
    bg.setColorAt(0, QColor(0x3a, 0x7f, 0xb4));
    bg.setColorAt(1, Navy);
    p.setPen(QPen(QColor(0x16, 0x2b, 0x47), 1));
    p.setBrush(bg);
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 13, 13);
    // Soft light on the upper half.
    QLinearGradient gloss(QPointF(0, 2), QPointF(0, 34));
    gloss.setColorAt(0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(3, 3, 58, 30), 12, 12);

    // Table top in perspective, light blue-green with white lines, its near face below.
    QPolygonF top;
    top << QPointF(16, 39) << QPointF(48, 39) << QPointF(58, 53) << QPointF(6, 53);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x24, 0x38));
    p.drawRect(QRectF(6, 53, 52, 3.5));
    QLinearGradient tg(QPointF(0, 39), QPointF(0, 53));
    tg.setColorAt(0, QColor(0x6a, 0xcd, 0xdf));
    tg.setColorAt(1, QColor(0x2a, 0x9c, 0xb8));
    p.setBrush(tg);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(top);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(32, 39.5), QPointF(32, 52.5));
    // Net with its white tape.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x24, 0x38, 200));
    p.drawRect(QRectF(9, 40.5, 46, 4.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 40.5, 46, 1.5));

    // Rising season line with the ball at its end.
    const QPointF pts[] = {QPointF(10, 32), QPointF(20, 25), QPointF(29, 28), QPointF(40, 17)};
    QPainterPath line(pts[0]);
    for (int i = 1; i < 4; ++i)
        line.lineTo(pts[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(pts[i], 3.0, 3.0);
    paintBall(p, QPointF(45.5, 13.5), 7.6);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Toolbar images, 16 x 15 each, drawn on a transparent background. Coordinates are pixels of
// one cell; strokes of odd width sit on pixel centres (x.5) so they stay sharp at this size.

using Glyph = std::function<void(QPainter &)>;

const QColor Outline(0x2b, 0x3a, 0x4a);
const QColor Person(0x3d, 0x7c, 0xc9);
const QColor PersonDark(0x1f, 0x4a, 0x80);
const QColor Plus(0x3c, 0xb0, 0x4c);
const QColor PlusDark(0x1d, 0x6b, 0x2a);
const QColor Gold(0xf2, 0xc1, 0x3a);
const QColor GoldDark(0x9c, 0x6a, 0x05);
const QColor FolderFill(0xf4, 0xc8, 0x5a);
const QColor FolderDark(0xa8, 0x78, 0x10);

// Head and shoulders of a player, in the upper left of the cell.
void drawPerson(QPainter &p) {
    p.setPen(QPen(PersonDark, 1));
    QLinearGradient g(QPointF(0, 7), QPointF(0, 14));
    g.setColorAt(0, Person.lighter(115));
    g.setColorAt(1, Person);
    p.setBrush(g);
    QPainterPath body;
    body.moveTo(1.5, 14.5);
    body.lineTo(1.5, 12);
    body.cubicTo(1.5, 9.2, 3.5, 8.5, 6.5, 8.5);
    body.cubicTo(9.5, 8.5, 11.5, 9.2, 11.5, 12);
    body.lineTo(11.5, 14.5);
    body.closeSubpath();
    p.drawPath(body);
    QRadialGradient hg(QPointF(5.6, 3.4), 4);
    hg.setColorAt(0, Person.lighter(140));
    hg.setColorAt(1, Person);
    p.setBrush(hg);
    p.drawEllipse(QPointF(6.5, 4.5), 3, 3);
}

// Green "+": add something new. Lower right corner, 7 x 7 pixels.
void drawPlus(QPainter &p) {
    QPolygonF plus;
    plus << QPointF(11.5, 7.5) << QPointF(13.5, 7.5) << QPointF(13.5, 9.5) << QPointF(15.5, 9.5)
         << QPointF(15.5, 11.5) << QPointF(13.5, 11.5) << QPointF(13.5, 13.5) << QPointF(11.5, 13.5)
         << QPointF(11.5, 11.5) << QPointF(9.5, 11.5) << QPointF(9.5, 9.5) << QPointF(11.5, 9.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Plus);
    p.drawRect(12, 8, 1, 5);
    p.drawRect(10, 10, 5, 1);
    p.setPen(QPen(PlusDark, 1));
    p.setBrush(Qt::NoBrush);
    p.translate(-0.5, -0.5);
    p.drawPolygon(plus);
    p.translate(0.5, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Plus.lighter(130));
    p.drawRect(12, 8, 1, 5);
    p.drawRect(10, 10, 5, 1);
    p.setRenderHint(QPainter::Antialiasing, true);
}

// Magnifying glass: look at what is stored. Lower right corner.
void drawLens(QPainter &p) {
    p.setPen(QPen(QColor(0x4a, 0x35, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.8, 11.8), QPointF(14.6, 13.6));
    QRadialGradient lg(QPointF(9.6, 8.4), 3.2);
    lg.setColorAt(0, QColor(0xf4, 0xfa, 0xff));
    lg.setColorAt(1, QColor(0xa9, 0xd2, 0xf0));
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(lg);
    p.drawEllipse(QPointF(10.5, 9.5), 2.8, 2.8);
}

// Small open folder: load from the players' directory. Lower right corner.
void drawFolder(QPainter &p) {
    p.setPen(QPen(FolderDark, 1));
    p.setBrush(FolderFill.darker(112));
    QPainterPath back;
    back.moveTo(7.5, 14.5);
    back.lineTo(7.5, 7.5);
    back.lineTo(10.5, 7.5);
    back.lineTo(11.5, 8.5);
    back.lineTo(14.5, 8.5);
    back.lineTo(14.5, 14.5);
    back.closeSubpath();
    p.drawPath(back);
    QPolygonF front;
    front << QPointF(7.5, 14.5) << QPointF(9.5, 10.5) << QPointF(15.5, 10.5) << QPointF(14.5, 14.5);
    QLinearGradient g(QPointF(0, 10), QPointF(0, 15));
    g.setColorAt(0, FolderFill.lighter(115));
    g.setColorAt(1, FolderFill);
    p.setBrush(g);
    p.drawPolygon(front);
}

// A calendar page: a championship day.
void drawCalendar(QPainter &p) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 2.5, 12, 11));
    p.setPen(Qt::NoPen);
    QLinearGradient hg(QPointF(0, 3), QPointF(0, 6));
    hg.setColorAt(0, QColor(0xe0, 0x5a, 0x4a));
    hg.setColorAt(1, QColor(0xb8, 0x3a, 0x2c));
    p.setBrush(hg);
    p.drawRect(QRectF(1, 3, 12, 3));
    // Binder rings.
    p.setBrush(Outline);
    p.drawRect(QRectF(3, 1, 1, 3));
    p.drawRect(QRectF(9, 1, 1, 3));
    // Day grid: three weeks of days, one of them marked with the ball's colour.
    p.setBrush(QColor(0x6f, 0x86, 0x9e));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(2 + 3 * c, 7 + 2 * r, 2, 1));
    p.setBrush(Ball);
    p.drawRect(QRectF(5, 9, 2, 1));
}

// A results table: header row and first column shaded, counts in the cells.
void drawRecap(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 14, 13);
    p.setBrush(QColor(0x4a, 0x7f, 0xbf));
    p.drawRect(1, 1, 14, 3);
    p.setBrush(QColor(0xd6, 0xe4, 0xf2));
    p.drawRect(1, 4, 4, 10);
    p.setPen(QColor(0xa8, 0xb8, 0xc8));
    for (int y : {7, 10})
        p.drawLine(1, y, 14, y);
    for (int x : {5, 10})
        p.drawLine(x, 4, x, 13);
    p.setPen(Qt::NoPen);
    // Victories in green, defeats in red.
    p.setBrush(QColor(0x2e, 0x9e, 0x4f));
    p.drawRect(7, 5, 2, 1);
    p.drawRect(12, 5, 2, 1);
    p.setBrush(QColor(0xc8, 0x3c, 0x32));
    p.drawRect(7, 8, 2, 1);
    p.setBrush(Navy);
    p.drawRect(7, 11, 2, 1);
    p.drawRect(12, 11, 2, 1);
    p.setPen(Outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 15, 14);
    p.setRenderHint(QPainter::Antialiasing, true);
}

// A cup: a tournament.
void drawCup(QPainter &p) {
    QLinearGradient g(QPointF(1, 0), QPointF(12, 0));
    g.setColorAt(0, Gold.lighter(125));
    g.setColorAt(0.45, Gold);
    g.setColorAt(1, QColor(0xd2, 0x98, 0x14));
    // Handles.
    p.setPen(QPen(GoldDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(2.5, 2.5) << QPointF(0.5, 2.5) << QPointF(0.5, 4.5)
                               << QPointF(3, 7));
    p.drawPolyline(QPolygonF() << QPointF(10.5, 2.5) << QPointF(12.5, 2.5) << QPointF(12.5, 4.5)
                               << QPointF(10, 7));
    // Bowl.
    QPainterPath bowl;
    bowl.moveTo(2.5, 1.5);
    bowl.lineTo(10.5, 1.5);
    bowl.cubicTo(10.5, 6.5, 9, 8.5, 6.5, 8.5);
    bowl.cubicTo(4, 8.5, 2.5, 6.5, 2.5, 1.5);
    bowl.closeSubpath();
    p.setPen(QPen(GoldDark, 1));
    p.setBrush(g);
    p.drawPath(bowl);
    // Stem and base.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(GoldDark);
    p.drawRect(6, 9, 1, 2);
    p.setBrush(g);
    p.drawRect(4, 11, 5, 1);
    p.setBrush(QColor(0x6b, 0x4a, 0x2a));
    p.drawRect(3, 12, 7, 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Shine.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(4.5, 2.8), QPointF(4.5, 5.2));
}

QImage paintStrip(const std::vector<Glyph> &glyphs, int scale) {
    QImage img(16 * scale * int(glyphs.size()), 15 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (!glyphs[i])
            continue;
        p.save();
        p.setClipRect(int(16 * i), 0, 16, 15);
        p.translate(16.0 * i, 0);
        p.setRenderHint(QPainter::Antialiasing);
        glyphs[i](p);
        p.restore();
    }
    return img;
}

// Image i of a strip is the image of toolbar slot i. Slots that hold separators (2, 3 and 7 of
// the full toolbar) are never shown and stay transparent.
//   image 0  button 19000 "Nouveau joueur"              (menu Joueur > Nouveau, 301)
//   image 1  button 19001 "Chargement d'un joueur"      (menu Joueur > Charger, 302)
//   image 4  button 19002 "Nouvelle journée"            (menu Saison > Ajout d'une journée, 2101)
//   image 5  button 19003 "Visualisation des journées"  (menu Saison > Résultats, 502)
//   image 6  button 19004 "Récapitulatif"               (menu Statistiques > Récapitulatif, 40007)
//   image 8  button 19005 "Nouveau tournoi"             (menu Saison > Ajout d'un tournoi, 40013)
//   image 9  button 19006 "Visualisation des tournois"  (menu Saison > Vue tournoi(s), 40014)
// A "+" means "add", a magnifying glass "look at what is stored".
const Glyph NewPlayer = [](QPainter &p) {
    drawPerson(p);
    drawPlus(p);
};
const Glyph LoadPlayer = [](QPainter &p) {
    drawPerson(p);
    drawFolder(p);
};
const Glyph NewDay = [](QPainter &p) {
    drawCalendar(p);
    drawPlus(p);
};
const Glyph ViewDays = [](QPainter &p) {
    drawCalendar(p);
    drawLens(p);
};
const Glyph Recap = [](QPainter &p) { drawRecap(p); };
const Glyph NewTournament = [](QPainter &p) {
    drawCup(p);
    drawPlus(p);
};
const Glyph ViewTournaments = [](QPainter &p) {
    drawCup(p);
    drawLens(p);
};

bool save(const QImage &img, const QString &path, const char *format) {
    if (!img.save(path, format)) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <source root>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);

    // A named font file keeps the lettering the same from one machine to the next.
    QString family = QStringLiteral("DejaVu Sans");
    for (const char *file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0)
            std::fprintf(stderr, "make_artwork: %s missing, using the system's sans-serif font\n", file);
        else
            family = QFontDatabase::applicationFontFamilies(id).value(0, family);
    }

    bool ok = true;
    const QString data = root + "/runtime/data/";
    const QString images = root + "/src/resources/images/";
    const std::vector<Glyph> simple{NewPlayer, LoadPlayer};
    const std::vector<Glyph> full{NewPlayer, LoadPlayer, nullptr, nullptr,       NewDay,
                                  ViewDays,  Recap,      nullptr, NewTournament, ViewTournaments};
    // BMP from an RGB32 image is written as 24 bits per pixel, as the program's loaders expect.
    ok &= save(paintMain(family, 1), data + "main.bmp", "BMP");
    ok &= save(paintTitle(1), data + "titre.bmp", "BMP");
    ok &= save(paintStrip(simple, 1), images + "toolbar122.png", "PNG");
    ok &= save(paintStrip(full, 1), images + "toolbar123.png", "PNG");
    ok &= save(paintMain(family, 2), data + "main@2x.png", "PNG");
    ok &= save(paintTitle(2), data + "titre@2x.png", "PNG");
    ok &= save(paintStrip(simple, 2), images + "toolbar122@2x.png", "PNG");
    ok &= save(paintStrip(full, 2), images + "toolbar123@2x.png", "PNG");
    ok &= save(paintIcon(64), images + "zel.png", "PNG");
    ok &= save(paintIcon(256), images + "zel-256.png", "PNG");
    return ok ? 0 : 1;
}
