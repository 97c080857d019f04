// The graphs: pixels of the drawing area at the coordinates of each graph,
// the choices and the grid option.
#include "stats/graphs_dialog.h"

#include "stats/graph_painter.h"
#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

#include <QFrame>

#include <set>

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
    EXPECT_EQ(d.currentGraph(), GraphsDialog::MatchesByClassement); // for the own classement
    EXPECT_EQ(d.text(kCombo), "30");
    EXPECT_GE(d.graphSize().width(), Graph_Area_Width);
    EXPECT_GE(d.graphSize().height(), Graph_Area_Height);
    const QImage image = d.renderGraph();
    // x axis: rows 350..352 from 50 up to 26 * 5 + 180 = 310 excluded; arrowhead from 305.
    for (int y : {350, 351, 352})
        EXPECT_EQ(image.pixel(50, y), Black) << y;
    EXPECT_EQ(image.pixel(309, 352), Black);
    EXPECT_EQ(image.pixel(310, 351), White);
    EXPECT_EQ(image.pixel(305, 346), Black);
    EXPECT_EQ(image.pixel(306, 346), White);
    EXPECT_EQ(image.pixel(51, 50), Black); // y axis up to 50
    EXPECT_EQ(image.pixel(51, 49), White);
    // "NC" at 26 * 5 + 154 = 284, after "30" at 258, and no column after it.
    EXPECT_EQ(image.pixel(284, 348), Black);
    EXPECT_TRUE(Inked(image, QRect(274, 356, 21, 15)));
    EXPECT_EQ(image.pixel(310, 348), White);
    EXPECT_TRUE(Inked(image, QRect(32, 192, 16, 16))); // value label 1 at scale 150
    // Curve ends: two matches and one victory against "NC", one victory against "30".
    EXPECT_EQ(image.pixel(284, 50), Black);
    EXPECT_EQ(image.pixel(284, 200), Red);
    EXPECT_EQ(image.pixel(258, 200), Red);
    // Grid: N + 5 = 10 columns, 9 dotted vertical lines from x = 76 to 284.
    EXPECT_EQ(GridColumns(image), (std::set<int>{76, 102, 128, 154, 180, 206, 232, 258, 284}));
    EXPECT_EQ(image.pixel(54, 200), GridBlue);
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
    EXPECT_EQ(d.currentGraph(), GraphsDialog::PointsTotal);
    const QImage shown = d.control(1143)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inside = static_cast<QFrame *>(d.control(1143))->contentsRect().topLeft();
    EXPECT_EQ(shown.pixel(inside + QPoint(650, 226)), Black); // the tip
    EXPECT_EQ(shown.pixel(inside + QPoint(650, 352)), White); // no graph 1 axis

    const QImage image = d.renderGraph();
    EXPECT_EQ(image.pixel(649, 227), Black);
    EXPECT_EQ(image.pixel(650, 225), White);
    // Step 2: ticks and labels of 2 .. 20 above, -2 .. -20 below, none for 0.
    for (int i : {1, 10}) {
        EXPECT_EQ(image.pixel(53, 225 - 17 * i), Black) << i;
        EXPECT_EQ(image.pixel(53, 226 + 17 * i), Black) << i;
        EXPECT_TRUE(Inked(image, QRect(32, 217 - 17 * i, 16, 16)) &&
                    Inked(image, QRect(32, 217 + 17 * i, 16, 16)))
            << i;
    }
    EXPECT_FALSE(Inked(image, QRect(32, 220, 16, 4)));
    // The curve, 43 pixels a day: 225 - 17 * t / 2.
    EXPECT_EQ(image.pixel(66, 200), Black);
    EXPECT_EQ(image.pixel(109, 327), Black);
    EXPECT_EQ(image.pixel(152, 267), Black);
    EXPECT_EQ(image.pixel(54, 55), GridBlue);
}

TEST(GraphsDialog, graphThreeEndingAtTwentyHasStepTwoAndScaleSeventeen) {
    SharedState state = MakePlayer(5, "30");
    for (int day = 0; day < 5; ++day)
        AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", 2}, {"30", 2}, {"30", 2}}));
    GraphsDialog d(state);
    d.click(kGraph3);
    const QImage image = d.renderGraph();
    EXPECT_EQ(image.pixel(600, 387), Black);
    EXPECT_EQ(image.pixel(51, 35), Black);
    EXPECT_EQ(image.pixel(51, 34), White);
    // Labels 0, 2, ..., 20 every 34 pixels, none for 1.
    for (int v = 0; v <= 20; v += 2)
        EXPECT_TRUE(Inked(image, QRect(32, 377 - 17 * v, 16, 16))) << v;
    EXPECT_FALSE(Inked(image, QRect(32, 377 - 17, 16, 4)));
    EXPECT_EQ(image.pixel(66, 385 - 4 * 17), Black); // day 1: 4 won
    EXPECT_EQ(image.pixel(66 + 43 * 4, 45), Black);  // day 5: 20 won
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
