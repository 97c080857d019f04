// ADD_TOURNOI and the reading and filling of tournament forms, driven by control id.
#include "tournament_dialog_fixture.h"

#include "resources/templates/tournoibox_template.h"
#include "tournaments/add_tournament_dialog.h"
#include "tournaments/tournament_commands.h"
#include "tournaments/tournament_page.h"

#include <QTimer>

namespace zel::test {
namespace {

using AddTournament = TournamentDialogTest;

TEST_F(AddTournament, opensOnTodayWithTheOwnClassementAndTheListInItsOwnOrder) {
    AddTournamentDialog d(state, platform);
    EXPECT_EQ(d.text(1038) + "/" + d.text(1039) + "/" + d.text(1040), "15/3/2001");
    EXPECT_EQ(d.text(107), "30");
    EXPECT_EQ(d.controlAs<QLineEdit>(1040)->maxLength(), 4);
    EXPECT_EQ(d.findChild<QTimer *>()->interval(), 150);
    setPlayer("NC", 19);
    AddTournamentDialog nc(state, platform);
    ASSERT_EQ(nc.itemCount(107), 19);
    EXPECT_EQ(nc.itemText(107, 0), "100"); // "100" before "15", "NC" last
    EXPECT_EQ(nc.itemText(107, 18), "NC");
    EXPECT_EQ(nc.text(107), "NC");
}

TEST_F(AddTournament, estimatesForTheChosenLabelButStoresTheOwnClassementsPointsInTheTypedSeason) {
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &dialog) {
        TemplateDialog &d = FakePlatform::form(dialog);
        d.setText(VictoryCell("20"), "1");
        d.tick(kTimer);
        EXPECT_EQ(d.text(1113), "4");
        d.setCurrentIndex(107, d.findItem(107, "15")); // "20" is one step above "15": worth 1
        d.tick(kTimer);
        EXPECT_EQ(d.text(1113), "1");
        d.setText(1039, "7"); // July: the season begun the year before
        d.setText(1040, "2000");
        d.setText(VictoryCell("45"), "9"); // weaker than the lowest classement: not read
        d.setText(VictoryCell("NC"), "6"); // worth 0
        d.click(1037);
    });
    EXPECT_EQ(RunAddTournament(context), 1);
    ASSERT_EQ(state.tournamentCount(), 1);
    const Tournament_Sheet &t = state.Mem_Tournois[0];
    EXPECT_EQ(t.points, 4);
    EXPECT_EQ(FieldText(t.season), "1999 - 2000");
    EXPECT_EQ(t.columns[10].victories, 6u); // N + 3: "NC"
    for (int i = 11; i < 23; ++i)
        EXPECT_EQ(t.columns[i].victories + t.columns[i].defeats, 0u) << i;
    EXPECT_EQ(onDisk().tournaments.at(0).points, 4);
}

TEST_F(AddTournament, showsNoPointsWhenTheOwnClassementIsNotOffered) {
    setPlayer("45", 7); // the championship stops at "40"
    AddTournamentDialog d(state, platform);
    d.setText(VictoryCell("20"), "1");
    d.tick(kTimer);
    EXPECT_EQ(d.text(1113), "");
}

TEST_F(AddTournament, cancelStoresNothingAndATournamentTheFileCannotTakeIsRefusedBeforeCountingIt) {
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &d) {
        FakePlatform::form(d).setText(VictoryCell("20"), "1");
        FakePlatform::form(d).click(1042);
    });
    EXPECT_EQ(RunAddTournament(context), 1);
    EXPECT_EQ(state.tournamentCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(filePath())));
    // 742 days and one tournament leave 212 bytes of the largest record every build reads.
    state.Mem_Days.resize(742);
    state.Current_Profile.day_count = 742;
    addStored(tournament("Open", 12, 7, 2000));
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); }, FakePlatform::StaysOpen);
    RunAddTournament(context);
    EXPECT_EQ(state.tournamentCount(), 1);
    EXPECT_EQ(platform.messages,
              (std::vector<FakePlatform::Message>{
                  {"Ce tournoi ne peut pas être enregistré : le fichier du joueur a atteint sa "
                   "taille maximale.",
                   "Zel Manager", Icon::Stop}}));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(filePath())));
}

// With N = 7: the used columns, the NC cells in 1061 / 1062, the cells of weaker classements empty.
TEST_F(AddTournament, aPageShowsTheUsedColumnsAndLeavesWeakerClassementsEmpty) {
    Tournament_Sheet t = tournament("Open", 12, 7, 2000);
    t.columns[5].victories = 1;  // "20"
    t.columns[7].victories = 2;  // "30"
    t.columns[10].victories = 4; // N + 3: "NC"
    t.columns[10].defeats = 1;
    TemplatePage page(kTournoiBoxTemplate);
    PrepareTournamentForm(page);
    FillTournamentPage(page, state, t);
    EXPECT_EQ(page.text(VictoryCell("30")), "2");
    EXPECT_EQ(page.text(VictoryCell("15")), "0");
    for (const char *weaker : {"45", "60", "100"})
        EXPECT_EQ(page.text(VictoryCell(weaker)) + page.text(DefeatCell(weaker)), "") << weaker;
    EXPECT_EQ(page.text(1061) + " " + page.text(1062), "4 1");
    EXPECT_EQ(page.text(107), "30");
    EXPECT_EQ(page.text(1113), "4"); // 4 above, 2 x 2 against equals, 4 x 0 and 1 x -4 against "NC"
    Tournament_Sheet back = t;
    ReadTournamentPage(page, state, back);
    EXPECT_EQ(std::memcmp(&back, &t, sizeof t), 0); // read back as it was shown
}

} // namespace
} // namespace zel::test
