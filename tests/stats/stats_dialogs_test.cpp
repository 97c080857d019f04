// The statistics dialogs driven by control id: the details, the graphs pixel by pixel, the
// history's seasons, opponents and matches, and the recap with its printed page.
#include "resources/templates/recap_template.h"
#include "stats/details_dialog.h"
#include "stats/graphs_dialog.h"
#include "stats/history_dialog.h"
#include "stats/history_fixture.h"
#include "stats/recap_dialog.h"
#include "stats/recap_print.h"
#include "stats/stats_commands.h"
#include "support/fake_platform.h"

#include <QFrame>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include <initializer_list>
#include <set>
#include <span>
#include <string_view>

namespace zel {
namespace {

using namespace test;

constexpr int kName = 1052, kNext = 1064, kPrevious = 1065, kCombo = 107;

constexpr std::string_view Season = "Championnat 2000 - 2001";

// Tournament columns as {column, victories, defeats}; the season as typed, "2000 - 2001".
void AddTournament(SharedState &state, std::string_view season,
                   std::initializer_list<std::tuple<int, uint32_t, uint32_t>> counts) {
    Tournament_Sheet sheet{};
    SetFieldText(sheet.season, season);
    SetFieldText(sheet.name, "Open");
    for (const auto &[column, victories, defeats] : counts)
        sheet.columns[column] = {victories, defeats};
    state.Mem_Tournois.push_back(sheet);
    state.Current_Profile.tournament_count = static_cast<int32_t>(state.Mem_Tournois.size());
}

void Name(SharedState &state, std::string_view name, std::string_view first_name) {
    SetFieldText(state.Current_Profile.name, name);
    SetFieldText(state.Current_Profile.first_name, first_name);
    state.Player_State = 1;
}

// The figures of `ids`, in order.
std::string Figures(const DetailsDialog &d, std::initializer_list<int> ids) {
    std::string out;
    for (int id : ids)
        out += d.text(id).toStdString() + "; ";
    return out;
}

// Poule A: 7 victories in 12 singles over three days, one of them at "domicile" in
// lower case; poule B: one day whose singles were not played. The earlier season's poule C
// adds its matches to poule B and the general row but neither its victories nor its days,
// though the general average takes every victory; an off-scale single counts nowhere.
TEST(DetailsDialog, showsEveryFigureOfTheLastChampionshipAndPlusMinusMoveInsideTheTable) {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay("Championnat 1999 - 2000", "30", {{"20", 4}}, 'B'));
    AddDay(state,
           MakeDay("Championnat 1999 - 2000", "30", {{"30", 2}, {"30", -2}, {"25", Off_Scale_Points}}, 'C'));
    AddDay(state, MakeDay(Season, "30", {{"30", 2, true, {11, 5, 11}}, {"30", 2}, {"30", 2}, {"30", 2}}, 'A',
                          "Domicile"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", 2}, {"30", -2}, {"30", -2}}, 'A', "domicile"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", -2, true, {5, 11, 9}}, {"30", -2}, {"30", -2}},
                          'A', "Extérieur"));
    AddDay(state, MakeDay(Season, "30", {{"30", 2, false, {0, 0, 5}}, {"30", 2, false}}, 'B', "Domicile"));
    DetailsDialog d(state);
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    // General: 7 wins over 4 days; poule A: 3 days; the unplayed day is no poule B day;
    // an unplayed third set still counts; "domicile" is away.
    EXPECT_EQ(Figures(d, {1060, 1073, 1053, 1066, 1062, 1075, 1056, 1067, 1061, 1074, 1057, 1068, 1069, 1070,
                          1071, 1081, 1082, 1083, 1084}),
              "12; 7; 1.75; 58 %; 12; 7; 2.33; 58 %; 0; 0; 0.00; 0 %; 3; 1; 2; 4; 0; 3; 5; ");
    d.click(kNext);
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    d.click(kPrevious);
    d.click(kPrevious);
    EXPECT_EQ(d.text(kName), "Championnat 1999 - 2000");
    EXPECT_EQ(Figures(d, {1060, 1073, 1053, 1066, 1062, 1061, 1074, 1057, 1068}),
              "3; 1; 1.00; 33 %; 0; 3; 1; 1.00; 33 %; ");
}

constexpr int kGraph2 = 1114, kGraph3 = 1116, kGrid = 1153, kWith = 1121, kWithout = 1122;

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), GridBlue = qRgb(0x40, 0x40, 0xFF),
           Red = qRgb(0xFF, 0, 0);

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

// Escape ends the details but neither the recap nor the graphs; OK and Fermer end them. The grid
// follows its check box, and closing the graphs puts back the option's choice.
TEST(StatsDialogs, escapeEndsOnlyTheDetailsAndClosingTheGraphsRestoresTheGridOption) {
    SharedState state = NcPlayer();
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(RunDetails(context), 1);
    const auto ok = [](QDialog &d) { FakePlatform::form(d).click(1037); };
    platform.onDialog(ok);
    EXPECT_EQ(RunDetails(context), 1);
    platform.onDialog([&](QDialog &d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        ok(d);
    });
    EXPECT_EQ(RunRecap(context), 1);
    for (bool automatic : {false, true}) {
        state.Opt_AutoGrid = automatic;
        platform.onDialog([](QDialog &dialog) {
            auto &d = dynamic_cast<GraphsDialog &>(dialog);
            EXPECT_TRUE(GridColumns(d.renderGraph()).empty());
            d.click(kGrid);
            EXPECT_EQ(GridColumns(d.renderGraph()).size(), 9u);
            QTest::keyClick(&d, Qt::Key_Escape);
            EXPECT_TRUE(d.isVisible());
            d.click(1042);
        });
        EXPECT_EQ(RunGraphs(context), 1);
        EXPECT_EQ(state.Grid_Shown, automatic);
    }
    EXPECT_EQ(platform.dialogs,
              (std::vector<std::string>{"Détails sur le championnat", "Détails sur le championnat",
                                        "Récapitulatif", "Graphes", "Graphes"}));
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

// Plus and minus stay inside the table and redraw.
TEST(GraphsDialog, graphThreeEndingAtTwentyHasStepTwoAndScaleSeventeen) {
    SharedState state = MakePlayer(5, "30");
    for (int day = 0; day < 5; ++day)
        AddDay(state, MakeDay(Season, "30", {{"30", 2}, {"30", 2}, {"30", 2}, {"30", 2}}));
    AddDay(state, MakeDay("Championnat 2001 - 2002", "30", {{"25", 3}}));
    GraphsDialog d(state);
    d.click(kGraph3);
    EXPECT_EQ(d.currentChampionship(), 1); // opens on the last one
    d.click(kNext);
    EXPECT_EQ(d.currentChampionship(), 1);
    d.click(kPrevious);
    d.click(kPrevious);
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

constexpr int kList = 1072, kSearch = 1011, kMatches = 1073;

std::vector<QString> Row(const SeasonList &list, int row) {
    std::vector<QString> texts;
    for (int c = 0; c < list.columnCount(); ++c)
        texts.push_back(list.textAt(row, c));
    return texts;
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
    EXPECT_EQ(d.seasonsSeries().labels, (std::vector<std::string>{"1999", "2000", "2001"}));
    const QImage image = d.renderSeasons();
    // The points' own axis at 661.
    const Pixel points[] = {{66, 50, Black},   {66, 110, Red},  {109, 110, Black}, {109, 50, Red},
                            {152, 152, Black}, {152, 350, Red}, {661, 200, Red}};
    ExpectPixels(image, points);

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
    QTest::mouseClick(opponents->viewport(), Qt::LeftButton, {},
                      opponents->visualRect(opponents->model()->index(0, 0)).center());
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

// The championship, the cells that show a figure ("V20=3": 3 victories over "20"), the two
// totals, then the classement chosen and its estimation.
std::string Shown(const RecapDialog &d) {
    std::string out = d.text(kName).toStdString() + ": ";
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < Scale_Size; ++k)
            if (const QString t = d.text(Recap_Cell_Ids[row][k]); !t.isEmpty())
                out += (row ? "D" : "V") + std::string(Full_Scale[k]) + "=" + t.toStdString() + " ";
    for (int id : {1111, 1112})
        out += "| " + d.text(id).toStdString() + " ";
    return out + "| " + d.text(kCombo).toStdString() + ":" + d.text(1113).toStdString();
}

// N = 5 ("NC", "30", "25", "20", "15"), own "30".
TEST(RecapDialog, tournamentsOnlyOpenOnTheLastSeasonAndWithoutChampionshipTheButtonsDoNothing) {
    SharedState state = MakePlayer(5, "30");
    AddTournament(state, "1999 - 2000", {{7, 2, 0}});
    AddTournament(state, "2000 - 2001", {{5, 3, 0}, {8, 0, 1}});  // 3 wins over "20", a defeat by "NC"
    state.Mem_Days.push_back(MakeDay(Season, "30", {{"20", 4}})); // a closed player's, behind a count of 0
    FakePlatform platform;
    RecapDialog d(state, platform);
    EXPECT_TRUE(d.checked(kWith) && !d.checked(kWithout));
    EXPECT_EQ(std::pair(d.itemCount(kCombo), d.itemText(kCombo, 0)), std::pair(5, QString("NC")));
    // For "30": 4 per win two steps up; the defeat by "NC", one step below "30", costs 3.
    const std::string shown = "Championnat 2000 - 2001: V20=3 DNC=1 | 3 | 1 | 30:9";
    EXPECT_EQ(Shown(d), shown);
    d.click(kNext);
    d.click(kPrevious);
    EXPECT_EQ(Shown(d), shown);
    d.click(kWithout); // zero counts leave empty cells, zero totals show 0
    EXPECT_EQ(Shown(d), "Championnat 2000 - 2001: | 0 | 0 | 30:0");
}

TEST(RecapDialog, daysShowTheLastChampionshipAndPlusMinusMoveInsideTheTableAddingTheSeasonsTournaments) {
    // Two championships; the last one has an off-scale opponent and an unplayed single.
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay("Championnat 1999 - 2000", "25", {{"25", 2}, {"20", 3}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"30", 2}, {"30", -2}, {"XX", 4}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"15", 4, false}}));
    AddTournament(state, "1999 - 2000", {{4, 5, 0}}); // five wins over "15" in the first season
    FakePlatform platform;
    RecapDialog d(state, platform);
    EXPECT_TRUE(d.checked(kWithout));
    const std::string last = "Championnat 2000 - 2001: V20=2 V30=1 D30=1 | 3 | 1 | 30:8";
    EXPECT_EQ(Shown(d), last);
    // Another classement changes the estimation, not the table. For "25": a win over
    // "20" is 3, over "30" 1; a defeat by "30" costs 3.
    d.setCurrentIndex(kCombo, d.findItem(kCombo, "25"));
    d.command(kCombo, kSelChange);
    EXPECT_EQ(Shown(d), "Championnat 2000 - 2001: V20=2 V30=1 D30=1 | 3 | 1 | 25:4");
    d.click(kNext);
    EXPECT_EQ(Shown(d), "Championnat 2000 - 2001: V20=2 V30=1 D30=1 | 3 | 1 | 25:4");

    // The first season: its first day's classement is chosen and valued.
    d.click(kPrevious);
    d.click(kPrevious);
    // 2 against an equal, 3 one step up.
    EXPECT_EQ(Shown(d), "Championnat 1999 - 2000: V20=1 V25=1 | 2 | 0 | 25:5");
    d.click(kWith); // the tournament view values the player's own classement
    EXPECT_EQ(Shown(d), "Championnat 1999 - 2000: V15=5 V20=1 V25=1 | 7 | 0 | 30:27");
    d.click(kNext); // a season without tournaments
    EXPECT_EQ(Shown(d), last);
}

// The printed page, saved as a PDF where the user says (no printer here) or, without a
// question, where ZEL_PRINT_PDF says; read back as text.
TEST(RecapPrint, goesToThePdfTheUserNamesOrToZelPrintPdfWithLargeFiguresWhole) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer would print for real";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("recap.pdf");
    FakePlatform desktop;
    const auto printed = [&](RecapDialog &d, std::initializer_list<const char *> lines) {
        d.click(1038);
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        p.waitForFinished();
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *line : lines)
            EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
        return text;
    };
    SharedState state = MakePlayer(5, "30");
    Name(state, "Dupr\xe9", "H\xe9l\xe8ne"); // Windows-1252
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"30", 2}, {"30", -2}}));
    RecapDialog d(state, desktop);
    desktop.saveAnswers = {pdf.toStdString()};
    // A home of the test's own, with its Documents folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QDir(dir.path()).mkdir("Documents");
    const QString text = printed(d, {"Résultat du Championnat 2000 - 2001 sans tournois", "Dupré Hélène",
                                     "Victoire(s) : 2", "Défaite(s) : 1", "Classement 30 : 4 points"});
    qputenv("HOME", home);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(desktop.saveProposals,
              std::vector<std::string>{dir.filePath("Documents/Championnat 2000 - 2001.pdf").toStdString()});
    EXPECT_EQ(QFileInfo(pdf).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    // The victory row, under "1T 2T 3T 4T 15 20 25 30": over "20" and "30".
    EXPECT_TRUE(text.contains(QRegularExpression("\\n *V +1 +1 *\\n"))) << text.toStdString();
    // A file that cannot be written is said, not dropped in silence.
    desktop.saveAnswers = {"/nonexistent-directory/recap.pdf"};
    d.click(1038);
    EXPECT_EQ(desktop.messages,
              (std::vector<FakePlatform::Message>{
                  {"Le fichier /nonexistent-directory/recap.pdf ne peut pas être écrit : la "
                   "page n'est pas enregistrée.",
                   "Zel Manager", Icon::Exclamation}}));

    // No answer is left: a question would print nothing and leave the page above.
    qputenv(Print_Pdf_Variable, pdf.toLocal8Bit());
    SharedState large = MakePlayer(5, "30");
    Name(large, "Martin", "Paul");
    AddTournament(large, "2000 - 2001", {{5, 1000, 0}, {8, 0, 150}});
    RecapDialog big(large, desktop);
    printed(big, {"Résultat du Championnat 2000 - 2001 avec tournois", "Victoire(s) : 1000",
                  "Défaite(s) : 150", "Classement 30 : 3550 points"});
    qunsetenv(Print_Pdf_Variable);
}

} // namespace
} // namespace zel
