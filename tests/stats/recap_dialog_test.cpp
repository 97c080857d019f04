// The recap: opening, tournaments, "+" / "-", the estimation and the printed page.
#include "stats/recap_dialog.h"

#include "resources/templates/recap_template.h"
#include "shell/command_context.h"
#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace zel {
namespace {

using test::AddDay;
using test::AddTournament;
using test::MakeDay;
using test::MakePlayer;
using test::Season;

constexpr int kName = 1052, kNext = 1064, kPrevious = 1065, kWith = 1121, kWithout = 1122;
constexpr int kVictoryTotal = 1111, kDefeatTotal = 1112, kCombo = 107, kEstimation = 1113;

FakePlatform platform; // the desktop of the dialogs that do not print

QString Cell(const RecapDialog &d, int row, std::string_view label) {
    return d.text(Recap_Cell_Ids[row][ClassementIndexOf(label)]);
}

// The 46 cells, in order.
QStringList Cells(const RecapDialog &d) {
    QStringList cells;
    for (const auto &row : Recap_Cell_Ids)
        for (int id : row)
            cells << d.text(id);
    return cells;
}

// N = 5 ("NC", "30", "25", "20", "15"), own "30"; tournaments only, in two seasons.
SharedState TournamentPlayer() {
    SharedState state = MakePlayer(5, "30");
    AddTournament(state, "1999 - 2000", {{7, 2, 0}});
    AddTournament(state, "2000 - 2001", {{5, 3, 0}, {8, 0, 1}}); // 3 wins over "20", a defeat by "NC"
    return state;
}

TEST(RecapDialog, playerWithTournamentsOnlyOpensOnTheLastSeasonWithTournaments) {
    const SharedState state = TournamentPlayer();
    RecapDialog d(state, platform);
    EXPECT_TRUE(d.checked(kWith));
    EXPECT_FALSE(d.checked(kWithout));
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    EXPECT_EQ(Cell(d, 0, "20"), "3");
    EXPECT_EQ(Cell(d, 1, "NC"), "1");
    EXPECT_EQ(Cell(d, 0, "30"), ""); // the earlier season is not added
    EXPECT_EQ(d.text(kVictoryTotal), "3");
    // For "30": 4 per win two steps up; the defeat by "NC", one step below "30", costs 3.
    EXPECT_EQ(d.text(kCombo), "30");
    EXPECT_EQ(d.text(kEstimation), "9");
    ASSERT_EQ(d.itemCount(kCombo), 5);
    EXPECT_EQ(d.itemText(kCombo, 0), "NC");
}

TEST(RecapDialog, withoutAnyChampionshipPlusMinusAndTheRefreshDoNothing) {
    SharedState state = TournamentPlayer();
    // A closed player's days stay in the store behind a day count of 0.
    state.Mem_Days.push_back(MakeDay(Season, "30", {{"20", 4}, {"25", 3}}));
    RecapDialog d(state, platform);
    d.click(kNext);
    d.click(kPrevious);
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    EXPECT_EQ(Cell(d, 0, "20"), "3");

    // Zero counts leave empty cells while a zero total shows 0.
    d.click(kWithout);
    EXPECT_EQ(Cells(d), QStringList(2 * Scale_Size, QString()));
    EXPECT_EQ(d.text(kVictoryTotal), "0");
    EXPECT_EQ(d.text(kDefeatTotal), "0");
    EXPECT_EQ(d.text(kEstimation), "0");
}

// N = 5, own "30": two championships; the last one has an off-scale opponent.
SharedState DayPlayer() {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay("Championnat 1999 - 2000", "25", {{"25", 2}, {"20", 3}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"30", 2}, {"30", -2}, {"XX", 4}}));
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"15", 4, false}}));
    return state;
}

TEST(RecapDialog, playerWithDaysOnlyShowsTheSameCountsWithAndWithoutTournaments) {
    const SharedState state = DayPlayer();
    RecapDialog d(state, platform);
    EXPECT_TRUE(d.checked(kWithout));
    EXPECT_EQ(d.currentChampionship(), 1);
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    EXPECT_EQ(Cell(d, 0, "20"), "2");
    EXPECT_EQ(Cell(d, 0, "30"), "1");
    EXPECT_EQ(Cell(d, 1, "30"), "1");
    EXPECT_EQ(Cell(d, 0, "15"), "");       // not played
    EXPECT_EQ(d.text(kVictoryTotal), "3"); // "XX" has no column and no total
    EXPECT_EQ(d.text(kEstimation), "8");
    const QStringList without = Cells(d);
    EXPECT_EQ(without.count(QString()), 43);
    // Another classement changes the estimation, not the table. For "25": a win
    // over "20" is 3, over "30" 1; a defeat by "30" costs 3.
    d.setCurrentIndex(kCombo, d.findItem(kCombo, "25"));
    d.command(kCombo, kSelChange);
    EXPECT_EQ(d.text(kEstimation), "4");
    EXPECT_EQ(Cells(d), without);

    d.click(kWith);
    d.click(kWith); // a second click adds nothing
    EXPECT_TRUE(d.withTournaments());
    EXPECT_EQ(Cells(d), without);
    EXPECT_EQ(d.text(kVictoryTotal), "3");
    EXPECT_EQ(d.text(kEstimation), "8"); // the own classement again
}

TEST(RecapDialog, plusAndMinusMoveOnlyInsideTheTableAndAddTheSeasonsTournaments) {
    SharedState state = DayPlayer();
    AddTournament(state, "1999 - 2000", {{4, 5, 0}}); // five wins over "15" in the first season
    RecapDialog d(state, platform);
    const QStringList last = Cells(d);
    d.click(kNext);
    EXPECT_EQ(d.currentChampionship(), 1);
    EXPECT_EQ(Cells(d), last);

    // The first season: its first day's classement is chosen and valued.
    d.click(kPrevious);
    d.click(kPrevious);
    EXPECT_EQ(d.currentChampionship(), 0);
    EXPECT_EQ(d.text(kName), "Championnat 1999 - 2000");
    EXPECT_EQ(Cell(d, 0, "25"), "1");
    EXPECT_EQ(Cell(d, 0, "15"), "");
    EXPECT_EQ(d.text(kCombo), "25");
    EXPECT_EQ(d.text(kEstimation), "5"); // 2 against an equal, 3 one step up

    d.click(kWith);
    EXPECT_EQ(Cell(d, 0, "15"), "5");
    d.click(kNext);
    EXPECT_EQ(d.currentTournamentGroup(), No_Group);
    EXPECT_EQ(Cells(d), last);
    d.click(kPrevious);
    EXPECT_EQ(Cell(d, 0, "15"), "5");
    EXPECT_EQ(d.text(kCombo), "30"); // the tournament view values the player's own classement
    EXPECT_EQ(d.text(kEstimation), QString::number(3 + 4 + 5 * 4));
}

TEST(RecapDialog, escapeDoesNotCloseOnlyOkDoes) {
    SharedState state = DayPlayer();
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        FakePlatform::form(d).click(1037);
    });
    EXPECT_EQ(RunRecap(context), 1);
    EXPECT_EQ(platform.dialogs, std::vector<std::string>{"Récapitulatif"});
}

// The printed page, saved as a PDF where the user says (no printer here) or
// where ZEL_PRINT_PDF says, read back as text.
class RecapPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        if (!QPrinterInfo::defaultPrinter().isNull())
            GTEST_SKIP() << "a default printer would print for real";
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath("recap.pdf");
    }
    void TearDown() override { qunsetenv(Print_Pdf_Variable); }

    QString printedText(RecapDialog &d) {
        d.click(1038);
        EXPECT_TRUE(QFileInfo::exists(pdf_));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf_, "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dir_;
    QString pdf_;
    FakePlatform desktop_;
};

TEST_F(RecapPrint, withoutAPrinterTheUserSavesThePageAsAPdf) {
    SharedState state = MakePlayer(5, "30");
    test::Name(state, "Dupr\xe9", "H\xe9l\xe8ne"); // Windows-1252
    AddDay(state, MakeDay(Season, "30", {{"20", 4}, {"30", 2}, {"30", -2}}));
    RecapDialog d(state, desktop_);
    desktop_.saveAnswers = {pdf_.toStdString()};
    // A home of the test's own, with its Documents folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
    QDir(dir_.path()).mkdir("Documents");
    const QString text = printedText(d);
    qputenv("HOME", home);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(desktop_.saveProposals,
              std::vector<std::string>{dir_.filePath("Documents/Championnat 2000 - 2001.pdf").toStdString()});
    EXPECT_EQ(QFileInfo(pdf_).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    for (const char *expected : {"Résultat du Championnat 2000 - 2001 sans tournois", "Dupré Hélène",
                                 "Victoire(s) : 2", "Défaite(s) : 1", "Classement 30 : 4 points"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // The victory row, under "1T 2T 3T 4T 15 20 25 30": over "20" and "30".
    EXPECT_TRUE(text.contains(QRegularExpression("\\n *V +1 +1 *\\n"))) << text.toStdString();
    // A file that cannot be written is said, not dropped in silence.
    desktop_.saveAnswers = {"/nonexistent-directory/recap.pdf"};
    d.click(1038);
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, "Le fichier /nonexistent-directory/recap.pdf ne peut pas être écrit "
                                         ": la page n'est pas enregistrée.");
}

TEST_F(RecapPrint, zelPrintPdfPrintsLargeTotalsAndEstimationsWholeWithoutAQuestion) {
    qputenv(Print_Pdf_Variable, pdf_.toLocal8Bit());
    SharedState state = MakePlayer(5, "30");
    test::Name(state, "Martin", "Paul");
    AddTournament(state, "2000 - 2001", {{5, 1000, 0}, {8, 0, 150}});
    RecapDialog d(state, desktop_);
    const QString text = printedText(d);
    EXPECT_TRUE(desktop_.saveProposals.empty());
    for (const char *expected : {"Résultat du Championnat 2000 - 2001 avec tournois", "Victoire(s) : 1000",
                                 "Défaite(s) : 150", "Classement 30 : 3550 points"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST(RecapPrinting, theWholeTableFitsTheAreaItIsScaledInto) {
    // An A4 page at 100 dpi with 15 mm margins.
    QImage image(827, 1169, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF area(59, 59, 709, 1051);
    const double s = area.width() / Recap_Page_Width;
    Recap_Page page;
    page.title = RecapTitle("Championnat 2000 - 2001", true);
    {
        QPainter painter(&image);
        PaintRecapPage(painter, page, area);
    }
    const auto dark = [&](double x, double y) { return qGray(image.pixel(int(x), int(y))) < 160; };
    // The last vertical line (x = 2840) and the bottom line (y = 950), in page units.
    EXPECT_TRUE(dark(59 + 2840 * s, 59 + 700 * s));
    EXPECT_TRUE(dark(59 + 1000 * s, 59 + 950 * s));
    QImage margin(827 - 768, 1169, QImage::Format_RGB32); // nothing in the right margin
    margin.fill(Qt::white);
    EXPECT_TRUE(image.copy(768, 0, margin.width(), margin.height()) == margin);
}

} // namespace
} // namespace zel
