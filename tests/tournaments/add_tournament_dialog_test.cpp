// ADD_TOURNOI and the reading and filling of tournament forms, driven by control id.
#include "tournament_dialog_fixture.h"

#include "resources/templates/add_tournoi_template.h"
#include "resources/templates/tournoibox_template.h"
#include "tournaments/add_tournament_dialog.h"
#include "tournaments/tournament_commands.h"
#include "tournaments/tournament_page.h"

#include <QLineEdit>
#include <QTimer>

namespace zel::test {
namespace {

constexpr int kTimer = 1;

int VictoryCell(std::string_view label) {
    return Victory_Cell_Ids[std::size_t(ClassementIndexOf(label))];
}
int DefeatCell(std::string_view label) {
    return Defeat_Cell_Ids[std::size_t(ClassementIndexOf(label))];
}

using AddTournament = TournamentDialogTest;

TEST_F(AddTournament, opensOnTodayWithTheOwnClassementAndNoPointsYet) {
    AddTournamentDialog d(state, platform);
    EXPECT_EQ(d.windowTitle(), "Ajout d'un tournoi");
    EXPECT_EQ(d.text(1038), "15");
    EXPECT_EQ(d.text(1039), "3");
    EXPECT_EQ(d.text(1040), "2001");
    EXPECT_EQ(d.text(107), "30");
    for (int id : Victory_Cell_Ids)
        EXPECT_EQ(d.text(id), "");
    EXPECT_TRUE(d.timerActive(kTimer));
    const auto timers = d.findChildren<QTimer *>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers[0]->interval(), 150);
    d.tick(kTimer);
    EXPECT_EQ(d.text(1113), "0");
    EXPECT_EQ(d.text(kTournamentHeadsId).toStdString(), kTournamentHeads);
}

TEST_F(AddTournament, offersThePlayersLabelsInTheListsOwnOrder) {
    setPlayer("NC", 19);
    AddTournamentDialog d(state, platform);
    ASSERT_EQ(d.itemCount(107), 19);
    EXPECT_EQ(d.itemText(107, 0), "100");
    EXPECT_EQ(d.itemText(107, 1), "15");
    EXPECT_EQ(d.itemText(107, 18), "NC");
    EXPECT_EQ(d.text(107), "NC");
}

TEST_F(AddTournament, estimatesForTheChosenLabelButStoresTheOwnClassementsPoints) {
    AddTournamentDialog d(state, platform);
    d.setText(VictoryCell("20"), "1");
    d.tick(kTimer);
    EXPECT_EQ(d.text(1113), "4");

    d.setCurrentIndex(107, d.findItem(107, "15")); // "20" is one step above "15": worth 1
    d.tick(kTimer);
    EXPECT_EQ(d.text(1113), "1");

    d.setText(1041, "Open d'Été");
    d.click(1037);
    EXPECT_EQ(d.result(), 1);
    EXPECT_FALSE(d.timerActive(kTimer));
    ASSERT_EQ(state.tournamentCount(), 1);
    const Tournament_Sheet &t = state.Mem_Tournois[0];
    EXPECT_EQ(t.points, 4);
    EXPECT_EQ(FieldText(t.classement), "30");
    EXPECT_EQ(FieldText(t.name), "Open d'\xC9t\xE9"); // Windows-1252 in the record
    EXPECT_EQ(t.columns[5].victories, 1u);

    const PlayerData disk = onDisk();
    ASSERT_EQ(disk.profile.tournament_count, 1);
    EXPECT_EQ(disk.tournaments.at(0).points, 4);
}

TEST_F(AddTournament, readsTheUsedColumnsAndTheNcCellsOnly) {
    AddTournamentDialog d(state, platform);
    d.setText(VictoryCell("1T"), "3");
    d.setText(DefeatCell("40"), "2");
    d.setText(VictoryCell("45"), "9"); // weaker than the lowest classement: not read
    d.setText(VictoryCell("NC"), "5");
    d.setText(DefeatCell("NC"), "6");
    d.click(1037);
    ASSERT_EQ(state.tournamentCount(), 1);
    const Tournament_Sheet &t = state.Mem_Tournois[0];
    EXPECT_EQ(t.columns[0].victories, 3u);
    EXPECT_EQ(t.columns[9].defeats, 2u);
    EXPECT_EQ(t.columns[10].victories, 5u); // N + 3: "NC"
    EXPECT_EQ(t.columns[10].defeats, 6u);
    for (int i = 11; i < 23; ++i)
        EXPECT_EQ(t.columns[i].victories + t.columns[i].defeats, 0u) << i;
}

TEST_F(AddTournament, datesBeforeAugustBelongToTheSeasonBegunTheYearBefore) {
    const struct {
        const char *day, *month, *year, *season;
    } cases[] = {{"12", "7", "2000", "1999 - 2000"},
                 {"15", "8", "2000", "2000 - 2001"},
                 {"1", "1", "2001", "2000 - 2001"},
                 {"31", "12", "1999", "1999 - 2000"}};
    for (const auto &c : cases) {
        state.Current_Profile.tournament_count = 0;
        AddTournamentDialog d(state, platform);
        d.setText(1038, c.day);
        d.setText(1039, c.month);
        d.setText(1040, c.year);
        d.click(1037);
        ASSERT_EQ(state.tournamentCount(), 1);
        EXPECT_EQ(FieldText(state.Mem_Tournois[0].season), c.season) << c.month << "/" << c.year;
    }
}

TEST_F(AddTournament, limitsTheYearToFourDigitsAndTheNameToItsField) {
    AddTournamentDialog d(state, platform);
    EXPECT_EQ(d.controlAs<QLineEdit>(1040)->maxLength(), 4);
    EXPECT_EQ(d.controlAs<QLineEdit>(1041)->maxLength(), 127);
}

TEST_F(AddTournament, showsNoPointsWhenTheOwnClassementIsNotOffered) {
    setPlayer("45", 7); // the championship stops at "40"
    AddTournamentDialog d(state, platform);
    EXPECT_EQ(d.currentIndex(107), -1);
    d.setText(VictoryCell("20"), "1");
    d.tick(kTimer);
    EXPECT_EQ(d.text(1113), "");
}

TEST_F(AddTournament, cancelStoresNothingAndEscapeDoesNotClose) {
    AddTournamentDialog d(state, platform);
    d.show();
    d.setText(VictoryCell("20"), "1");
    d.command(kIdCancel);
    EXPECT_TRUE(d.isVisible());
    d.click(1042);
    EXPECT_EQ(d.result(), 1);
    EXPECT_FALSE(d.stored());
    EXPECT_EQ(state.tournamentCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(filePath())));
}

TEST_F(AddTournament, refusesATournamentTheFileCannotTakeBeforeCountingIt) {
    // 742 days and one tournament leave 212 bytes of the largest record every build reads.
    state.Mem_Days.resize(742);
    state.Current_Profile.day_count = 742;
    addStored(tournament("Open", 12, 7, 2000));
    AddTournamentDialog d(state, platform);
    d.show();
    d.click(1037);
    EXPECT_EQ(state.tournamentCount(), 1);
    EXPECT_FALSE(d.stored());
    EXPECT_TRUE(d.isVisible());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Zel Manager");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(filePath())));
}

TEST_F(AddTournament, aFailedSaveIsReportedAndTheTournamentStaysInMemory) {
    state.User_Dir = dir.path().toStdString() + "/missing/";
    AddTournamentDialog d(state, platform);
    d.click(1037);
    EXPECT_TRUE(d.stored());
    EXPECT_FALSE(d.saved());
    EXPECT_EQ(state.tournamentCount(), 1);
    EXPECT_FALSE(platform.messages.empty());
}

TEST_F(AddTournament, theCommandSaysWhetherATournamentWasAdded) {
    CommandContext context{state, platform, nullptr};
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1042); });
    EXPECT_EQ(RunAddTournament(context), 0);
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); });
    EXPECT_NE(RunAddTournament(context), 0);
    EXPECT_EQ(platform.dialogs, (std::vector<std::string>{"Ajout d'un tournoi", "Ajout d'un tournoi"}));
    EXPECT_EQ(onDisk().profile.tournament_count, 1);
}

// The pages show the player's columns; the cells of weaker classements stay empty.
TEST_F(AddTournament, aPageShowsTheUsedColumnsAndLeavesWeakerClassementsEmpty) {
    Tournament_Sheet t = tournament("Open", 12, 7, 2000);
    t.columns[5].victories = 1;  // "20"
    t.columns[7].victories = 2;  // "30"
    t.columns[10].victories = 4; // N + 3: "NC"
    t.columns[10].defeats = 1;
    TemplatePage page(kTournoiBoxTemplate);
    PrepareTournamentForm(page);
    FillTournamentPage(page, state, t);
    EXPECT_EQ(page.text(1041), "Open");
    EXPECT_EQ(page.text(1040), "2000");
    EXPECT_EQ(page.text(VictoryCell("30")), "2");
    EXPECT_EQ(page.text(VictoryCell("15")), "0");
    for (const char *weaker : {"45", "50", "55", "60", "65", "70", "75", "80", "85", "90", "95", "100"}) {
        EXPECT_EQ(page.text(VictoryCell(weaker)), "") << weaker;
        EXPECT_EQ(page.text(DefeatCell(weaker)), "") << weaker;
    }
    EXPECT_EQ(page.text(1061), "4");
    EXPECT_EQ(page.text(1062), "1");
    // "NC", "40" ... "15" in the player's order, the own classement chosen.
    ASSERT_EQ(page.itemCount(107), 7);
    EXPECT_EQ(page.itemText(107, 0), "NC");
    EXPECT_EQ(page.itemText(107, 6), "15");
    EXPECT_EQ(page.text(107), "30");
    EXPECT_EQ(page.text(1113), "4"); // 4 above, 2 x 2 against equals, 4 x 0 and 1 x -4 against "NC"

    Tournament_Sheet back = t;
    ReadTournamentPage(page, state, back);
    EXPECT_EQ(std::memcmp(&back, &t, offsetof(Tournament_Sheet, points)), 0);
    EXPECT_EQ(back.points, 4);
}

TEST_F(AddTournament, everyFieldIsNamedForWhatItHolds) {
    AddTournamentDialog d(state, platform);
    const std::pair<int, const char *> names[] = {{1041, "Nom"},
                                                  {1038, "Jour"},
                                                  {1039, "Mois"},
                                                  {1040, "Année"},
                                                  {107, "Classement"},
                                                  {1113, "Points"},
                                                  {1011, "Victoires contre 1T"},
                                                  {1061, "Victoires contre NC"},
                                                  {1059, "Défaites contre 95"}};
    for (const auto &[id, name] : names)
        EXPECT_EQ(d.control(id)->accessibleName(), QString::fromUtf8(name)) << id;
}

// Nothing of the table may fall outside the form or out from under its heads;
// the cells of a row run left to right (the entry dialog's overlap by one unit
// from "70" on, as they always have).
TEST(TournamentForms, cellsLieUnderTheHeadsInsideTheForm) {
    for (const DialogTemplate *t : {&kAddTournoiTemplate, &kTournoiBoxTemplate, &kTournoiModifBoxTemplate}) {
        const ControlTemplate &heads = t->controls[std::size_t(FindControl(*t, kTournamentHeadsId))];
        int previous_x = -1;
        for (int c = 0; c < kTournamentCellColumns; ++c)
            for (int id : {Victory_Cell_Ids[std::size_t(c)], Defeat_Cell_Ids[std::size_t(c)]}) {
                const int i = FindControl(*t, id);
                ASSERT_GE(i, 0) << t->name << " " << id;
                const ControlTemplate &cell = t->controls[std::size_t(i)];
                EXPECT_GE(cell.x, heads.x) << t->name << " " << id;
                EXPECT_LE(cell.x + cell.w, heads.x + heads.w) << t->name << " " << id;
                EXPECT_LE(cell.y + cell.h, t->h) << t->name << " " << id;
                if (id == Victory_Cell_Ids[std::size_t(c)]) {
                    EXPECT_GE(cell.x, previous_x + cell.w - 1) << t->name << " " << id;
                    previous_x = cell.x;
                }
            }
    }
}

} // namespace
} // namespace zel::test
