// HISTOBOX driven by control id: the seasons' rows and graph, the opponents
// filtered as the user types, and the matches of the one clicked.
#include "stats/history_dialog.h"

#include "stats/graph_painter.h"
#include "stats/history_fixture.h"
#include "support/fake_platform.h"

namespace zel {
namespace {

constexpr int kList = 1072, kSearch = 1011, kMatches = 1073;

std::vector<QString> Row(const SeasonList &list, int row) {
    std::vector<QString> texts;
    for (int c = 0; c < list.columnCount(); ++c)
        texts.push_back(list.textAt(row, c));
    return texts;
}

void ClickRow(SeasonList &list, int row) {
    const QRect cell = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

TEST(HistoryDialog, seasonsAndTheirGraphThenOpponentsAsTypedAndTheMatchesOfTheOneClicked) {
    const SharedState state = test::HistoryState();
    HistoryDialog d(state);
    d.show();
    SeasonList *seasons = d.list(kList);
    ASSERT_TRUE(seasons);
    ASSERT_EQ(seasons->rowCount(), 3);
    EXPECT_EQ(Row(*seasons, 1),
              (std::vector<QString>{"2000 - 2001", "2", "5", "4", "1", "80 %", "3", "2 / 1", "30"}));

    // Percentages 100, 80, 66 on 3 pixels a point; points 2, 3, -2 on rows of 60 from -2 up.
    // The graph has the room its coordinates need, and its page the room of the tabs.
    const QWidget *area = d.page()->control(1143);
    EXPECT_GE(area->contentsRect().width(), Seasons_Graph_Width);
    EXPECT_GE(area->contentsRect().height(), Graph_Area_Height);
    EXPECT_TRUE(d.tabs().pageArea().contains(d.page()->geometry()));

    const Seasons_Series &g = d.seasonsSeries();
    EXPECT_EQ(g.labels, (std::vector<std::string>{"1999", "2000", "2001"}));
    const QImage image = d.renderSeasons();
    const QRgb black = qRgb(0, 0, 0), red = qRgb(0xFF, 0, 0);
    const struct {
        int x, y;
        QRgb colour;
    } points[] = {{66, 50, black}, {66, 110, red},    {109, 110, black},
                  {109, 50, red},  {152, 152, black}, {152, 350, red}};
    for (const auto &p : points)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
    EXPECT_EQ(image.pixel(661, 200), red); // the points' own axis

    QTabBar *bar = d.tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(HistoryDialog::Opponents).center());
    SeasonList *opponents = d.list(kList);
    SeasonList *matches = d.list(kMatches);
    ASSERT_TRUE(opponents && matches);
    ASSERT_EQ(opponents->rowCount(), 5);
    EXPECT_EQ(Row(*opponents, 2),
              (std::vector<QString>{"martin", "tt nord", "3", "1", "2", "20", "15/11/2001 (2001 - 2002)"}));
    EXPECT_EQ(opponents->textAt(4, 0), "Anonyme");

    QTest::keyClicks(d.page()->control(kSearch), "MÀRT");
    ASSERT_EQ(opponents->rowCount(), 2);
    ClickRow(*opponents, 0);
    ASSERT_EQ(matches->rowCount(), 3);
    EXPECT_EQ(Row(*matches, 1), (std::vector<QString>{"20/01/2001", "2000 - 2001", "25", "21-19", "15-21",
                                                      "19-21", "Défaite", "-2"}));
    // A search that leaves the chosen opponent out leaves no matches shown.
    QTest::keyClick(d.page()->control(kSearch), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.page()->control(kSearch), "sud");
    ASSERT_EQ(opponents->rowCount(), 1);
    EXPECT_EQ(opponents->textAt(0, 1), "Zel Sud");
    EXPECT_EQ(matches->rowCount(), 0);
}

} // namespace
} // namespace zel
