// The recap: opening, tournaments, "+" / "-", the estimation and the printed page.
#include "stats/recap_dialog.h"

#include "resources/templates/recap_template.h"
#include "stats/recap_print.h"
#include "stats/stats_commands.h"
#include "stats/stats_dialog_fixtures.h"

#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

namespace zel {
namespace {

using namespace test;

constexpr int kName = 1052, kNext = 1064, kPrevious = 1065, kWith = 1121, kWithout = 1122, kCombo = 107;

// The cells that show a figure ("V20=3": 3 victories over "20"), the two totals, then
// the classement chosen and its estimation.
std::string Shown(const RecapDialog &d) {
    std::string out;
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < Scale_Size; ++k)
            if (const QString t = d.text(Recap_Cell_Ids[row][k]); !t.isEmpty())
                out += (row ? "D" : "V") + std::string(Full_Scale[k]) + "=" + t.toStdString() + " ";
    for (int id : {1111, 1112})
        out += "| " + d.text(id).toStdString() + " ";
    return out + "| " + d.text(kCombo).toStdString() + ":" + d.text(1113).toStdString();
}

void Choose(RecapDialog &d, const char *label) {
    d.setCurrentIndex(kCombo, d.findItem(kCombo, label));
    d.command(kCombo, kSelChange);
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
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    EXPECT_EQ(d.itemCount(kCombo), 5);
    EXPECT_EQ(d.itemText(kCombo, 0), "NC");
    // For "30": 4 per win two steps up; the defeat by "NC", one step below "30", costs 3.
    const std::string shown = "V20=3 DNC=1 | 3 | 1 | 30:9";
    EXPECT_EQ(Shown(d), shown);
    d.click(kNext);
    d.click(kPrevious);
    EXPECT_EQ(Shown(d), shown);
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    d.click(kWithout); // zero counts leave empty cells, zero totals show 0
    EXPECT_EQ(Shown(d), "| 0 | 0 | 30:0");
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
    EXPECT_EQ(d.text(kName), "Championnat 2000 - 2001");
    const std::string last = "V20=2 V30=1 D30=1 | 3 | 1 | 30:8";
    EXPECT_EQ(Shown(d), last);
    // Another classement changes the estimation, not the table. For "25": a win over
    // "20" is 3, over "30" 1; a defeat by "30" costs 3.
    Choose(d, "25");
    EXPECT_EQ(Shown(d), "V20=2 V30=1 D30=1 | 3 | 1 | 25:4");
    d.click(kNext);
    EXPECT_EQ(Shown(d), "V20=2 V30=1 D30=1 | 3 | 1 | 25:4");

    // The first season: its first day's classement is chosen and valued.
    d.click(kPrevious);
    d.click(kPrevious);
    EXPECT_EQ(d.text(kName), "Championnat 1999 - 2000");
    EXPECT_EQ(Shown(d), "V20=1 V25=1 | 2 | 0 | 25:5"); // 2 against an equal, 3 one step up
    d.click(kWith); // the tournament view values the player's own classement
    EXPECT_EQ(Shown(d), "V15=5 V20=1 V25=1 | 7 | 0 | 30:27");
    d.click(kNext); // a season without tournaments
    EXPECT_EQ(Shown(d), last);
}

TEST(RecapDialog, escapeDoesNotCloseOnlyOkDoes) {
    SharedState state = MakePlayer(5, "30");
    AddDay(state, MakeDay(Season, "30", {{"20", 4}}));
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
    }
    void TearDown() override { qunsetenv(Print_Pdf_Variable); }

    QString printedText(RecapDialog &d) {
        d.click(1038);
        QProcess p;
        p.start("pdftotext", {"-layout", pdf_, "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    void expectLines(const QString &text, std::initializer_list<const char *> lines) {
        for (const char *line : lines)
            EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    }

    QTemporaryDir dir_;
    QString pdf_ = dir_.filePath("recap.pdf");
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
    expectLines(text, {"Résultat du Championnat 2000 - 2001 sans tournois", "Dupré Hélène", "Victoire(s) : 2",
                       "Défaite(s) : 1", "Classement 30 : 4 points"});
    // The victory row, under "1T 2T 3T 4T 15 20 25 30": over "20" and "30".
    EXPECT_TRUE(text.contains(QRegularExpression("\\n *V +1 +1 *\\n"))) << text.toStdString();
    // A file that cannot be written is said, not dropped in silence.
    desktop_.saveAnswers = {"/nonexistent-directory/recap.pdf"};
    d.click(1038);
    EXPECT_EQ(desktop_.messages,
              (std::vector<FakePlatform::Message>{
                  {"Le fichier /nonexistent-directory/recap.pdf ne peut pas être écrit : la "
                   "page n'est pas enregistrée.",
                   "Zel Manager", Icon::Exclamation}}));
}

TEST_F(RecapPrint, zelPrintPdfPrintsLargeTotalsAndEstimationsWholeWithoutAQuestion) {
    qputenv(Print_Pdf_Variable, pdf_.toLocal8Bit());
    SharedState state = MakePlayer(5, "30");
    test::Name(state, "Martin", "Paul");
    AddTournament(state, "2000 - 2001", {{5, 1000, 0}, {8, 0, 150}});
    RecapDialog d(state, desktop_);
    expectLines(printedText(d), {"Résultat du Championnat 2000 - 2001 avec tournois", "Victoire(s) : 1000",
                                 "Défaite(s) : 150", "Classement 30 : 3550 points"});
}

TEST(RecapPrinting, theWholeTableFitsTheAreaItIsScaledInto) {
    // An A4 page at 100 dpi with 15 mm margins.
    QImage image(827, 1169, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double s = 709 / Recap_Page_Width;
    {
        QPainter painter(&image);
        PaintRecapPage(painter, Recap_Page{}, QRectF(59, 59, 709, 1051));
    }
    const auto dark = [&](double x, double y) {
        return qGray(image.pixel(int(59 + x * s), int(59 + y * s))) < 160;
    };
    EXPECT_TRUE(dark(2840, 700) && dark(1000, 950));      // the last vertical line and the bottom line
    QImage margin(827 - 768, 1169, QImage::Format_RGB32); // nothing in the right margin
    margin.fill(Qt::white);
    EXPECT_TRUE(image.copy(768, 0, margin.width(), margin.height()) == margin);
}

} // namespace
} // namespace zel
