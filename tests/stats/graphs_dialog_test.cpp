// The graphs: pixels of the drawing area at the coordinates of each graph,
// the choices and the grid option.
#include "stats/graphs_dialog.h"

#include "stats/graph_painter.h"
#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

#include <QFrame>

#include <set>
#include <span>

namespace zel {
namespace {

using namespace test;

constexpr int kGraph2 = 1114, kGraph3 = 1116, kCombo = 107, kGrid = 1153;

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb GridBlue = qRgb(0x40, 0x40, 0xFF);
const QRgb Red = qRgb(0xFF, 0, 0);

bool Inked(const QImage &image, const QRect &r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != White)
                return true;
    return false;
}

struct Pixel {
    int x, y;
    QRgb colour;
};

void ExpectPixels(const QImage &image, std::span<const Pixel> pixels) {
    for (const Pixel &p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
}

// The columns of the dotted grid crossing row 120.
std::set<int> GridColumns(const QImage &image) {
    std::set<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, 120) == GridBlue)
            columns.insert(x);
    return columns;
}

// N = 5: two matches against "NC" (one won), one won against "30".
SharedState NcPlayer() {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay(Season, "30", {{"NC", 2}, {"NC", -4}, {"30", 2}}));
    return state;
}

TEST(GraphsDialog, opensOnGraphOneWithAxesColumnsCurvesAndNineGridLines) {
    SharedState state = NcPlayer();
    state.Grid_Shown = true;
    GraphsDialog d(state);
    EXPECT_EQ(d.text(kCombo), "30"); // graph 1, for the own classement
    EXPECT_GE(d.graphSize().width(), Graph_Area_Width);
    EXPECT_GE(d.graphSize().height(), Graph_Area_Height);
    const QImage image = d.renderGraph();
    // x axis: rows 350..352 from 50 up to 26 * 5 + 180 = 310 excluded; arrowhead from 305; y axis up to 50.
    // "NC" at 26 * 5 + 154 = 284, after "30" at 258, and no column after it. Curve ends: two matches
    // and one victory against "NC", one victory against "30".
    const Pixel pixels[] = {{50, 350, Black},  {50, 351, Black},  {50, 352, Black},   {309, 352, Black},
                            {310, 351, White}, {305, 346, Black}, {306, 346, White},  {51, 50, Black},
                            {51, 49, White},   {284, 348, Black}, {310, 348, White},  {284, 50, Black},
                            {284, 200, Red},   {258, 200, Red},   {54, 200, GridBlue}};
    ExpectPixels(image, pixels);
    EXPECT_TRUE(Inked(image, QRect(274, 356, 21, 15)));
    EXPECT_TRUE(Inked(image, QRect(32, 192, 16, 16))); // value label 1 at scale 150
    // Grid: N + 5 = 10 columns, 9 dotted vertical lines from x = 76 to 284.
    EXPECT_EQ(GridColumns(image), (std::set<int>{76, 102, 128, 154, 180, 206, 232, 258, 284}));
}

TEST(GraphsDialog, gridFollowsTheCheckBoxAndCloseRestoresTheOption) {
    SharedState state = NcPlayer();
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};
    const auto toggleAndClose = [](QDialog &dialog) {
        auto &d = dynamic_cast<GraphsDialog &>(dialog);
        EXPECT_TRUE(GridColumns(d.renderGraph()).empty());
        d.click(kGrid);
        EXPECT_EQ(GridColumns(d.renderGraph()).size(), 9u);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        d.click(1042);
    };
    state.Opt_AutoGrid = false;
    platform.onDialog(toggleAndClose);
    EXPECT_EQ(RunGraphs(context), 1);
    EXPECT_FALSE(state.Grid_Shown);
    state.Opt_AutoGrid = true; // the choice is kept
    platform.onDialog(toggleAndClose);
    EXPECT_EQ(RunGraphs(context), 1);
    EXPECT_TRUE(state.Grid_Shown);
    EXPECT_EQ(platform.dialogs, (std::vector<std::string>{"Graphes", "Graphes"}));
}

// Running totals of the player's own points 3, -12, -5.
SharedState ThreeDays() {
    SharedState state = MakePlayer(7, "30");
    AddDay(state, MakeDay(Season, "30", {{"25", 3}}));
    AddDay(state, MakeDay(Season, "30", {{"40", -4}, {"40", -4}, {"40", -4}, {"35", -3}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"25", 3}}));
    return state;
}

// Choosing a classement switches to graph 2; a repaint shows it too.
TEST(GraphsDialog, graphTwoDrawsTheZeroLineTwentyLabelRowsAndTheRunningTotal) {
    SharedState state = ThreeDays();
    state.Grid_Shown = true;
    GraphsDialog d(state);
    d.show();
    d.setCurrentIndex(kCombo, d.findItem(kCombo, "30"));
    d.command(kCombo, kSelChange);
    EXPECT_TRUE(d.checked(kGraph2));
    const QImage shown = d.control(1143)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inside = static_cast<QFrame *>(d.control(1143))->contentsRect().topLeft();
    EXPECT_EQ(shown.pixel(inside + QPoint(650, 226)), Black); // the tip
    EXPECT_EQ(shown.pixel(inside + QPoint(650, 352)), White); // no graph 1 axis

    const QImage image = d.renderGraph();
    // The curve, 43 pixels a day: 225 - 17 * t / 2. Step 2: ticks and labels of 2 .. 20 above
    // (225 - 17 * k / 2), -2 .. -20 below (226 + 17 * k / 2), none for 0.
    const Pixel pixels[] = {{649, 227, Black}, {650, 225, White},  {66, 200, Black}, {109, 327, Black},
                            {152, 267, Black}, {54, 55, GridBlue}, {53, 208, Black}, {53, 243, Black},
                            {53, 55, Black},   {53, 396, Black}};
    ExpectPixels(image, pixels);
    for (int i : {1, 10})
        EXPECT_TRUE(Inked(image, QRect(32, 217 - 17 * i, 16, 16)) &&
                    Inked(image, QRect(32, 217 + 17 * i, 16, 16)))
            << i;
    EXPECT_FALSE(Inked(image, QRect(32, 220, 16, 4)));
}

TEST(GraphsDialog, graphThreeEndingAtTwentyHasStepTwoAndScaleSeventeen) {
    SharedState state = MakePlayer(5, "30");
    for (int day = 0; day < 5; ++day)
        AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", 2}, {"30", 2}, {"30", 2}}));
    GraphsDialog d(state);
    d.click(kGraph3);
    const QImage image = d.renderGraph();
    // Day 1 at 66: 4 won; day 5 at 66 + 4 * 43: 20 won.
    const Pixel pixels[] = {
        {600, 387, Black}, {51, 35, Black}, {51, 34, White}, {66, 317, Black}, {238, 45, Black}};
    ExpectPixels(image, pixels);
    // Labels 0, 2, ..., 20 every 34 pixels, none for 1.
    for (int v = 0; v <= 20; v += 2)
        EXPECT_TRUE(Inked(image, QRect(32, 377 - 17 * v, 16, 16))) << v;
    EXPECT_FALSE(Inked(image, QRect(32, 377 - 17, 16, 4)));
}

TEST(GraphsDialog, plusAndMinusStayInsideTheTableAndRedraw) {
    SharedState state = NcPlayer();
    AddDay(state, MakeDay("Championnat 2001 - 2002", "30", {{"25", 3}}));
    GraphsDialog d(state);
    d.click(kGraph3);
    EXPECT_EQ(d.currentChampionship(), 1); // opens on the last one
    d.click(1064);
    EXPECT_EQ(d.currentChampionship(), 1);
    d.click(1065);
    d.click(1065);
    EXPECT_EQ(d.renderGraph().pixel(66, 385 - 2 * 175), Black); // 2 won
}

} // namespace
} // namespace zel
