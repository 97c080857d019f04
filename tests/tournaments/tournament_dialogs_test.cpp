// The tournament dialogs driven by control id: entry, the season list, viewer and modification,
// and the main window's items after them.
#include "days/classement_scale.h"
#include "resources/templates/tournament_table_template.h"
#include "resources/templates/tournoibox_template.h"
#include "support/saved_player.h"
#include "tournaments/add_tournament_dialog.h"
#include "tournaments/tournament_commands.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_list_dialog.h"
#include "tournaments/tournament_modify_dialog.h"
#include "tournaments/tournament_page.h"
#include "tournaments/tournament_store.h"
#include "tournaments/tournament_viewer_dialog.h"

#include <QTimer>

namespace zel::test {
namespace {

constexpr int kTimer = 1; // the estimation's

int VictoryCell(std::string_view label) {
    return Victory_Cell_Ids[std::size_t(ClassementIndexOf(label))];
}

class TournamentDialogTest : public ::testing::Test, public SavedPlayer {
  protected:
    // A player classed "30" whose championship goes down to "40" (N = 7), loaded but not yet saved.
    void SetUp() override {
        state.User_Dir = dir.path().toStdString() + "/";
        SetFieldText(state.Current_Profile.club, "AS Lyon");
        SetFieldText(state.Current_Profile.file_name, "martin.usr");
        setPlayer("30", 7);
        state.Player_State = 1;
    }

    void setPlayer(const char *classement, int n) {
        SetFieldTextFull(state.Current_Profile.classement, classement);
        state.Current_Profile.scale_length = n;
        BuildClassementList(state);
    }

    // A stored tournament: the sheet as the entry dialog would have made it.
    Tournament_Sheet tournament(const char *name, uint32_t day, uint32_t month, uint32_t year) {
        Tournament_Sheet t{};
        SetFieldText(t.name, name);
        t.day = day;
        t.month = month;
        t.year = year;
        SetFieldText(t.season, TournamentSeason(year, month));
        SetFieldText(t.classement, OwnClassement(state));
        return t;
    }
};

// ---------------------------------------------------------------------------------------
// ADD_TOURNOI

using AddTournament = TournamentDialogTest;

TEST_F(AddTournament, opensOnTodayWithTheOwnClassementAndTheListInItsOwnOrder) {
    AddTournamentDialog d(state, platform);
    EXPECT_EQ(std::tuple(d.text(1038) + "/" + d.text(1039) + "/" + d.text(1040), d.text(107),
                         d.controlAs<QLineEdit>(1040)->maxLength(), d.findChild<QTimer *>()->interval()),
              std::tuple("15/3/2001", "30", 4, 150));
    setPlayer("NC", 19);
    AddTournamentDialog nc(state, platform);
    // "100" before "15", "NC" last and chosen.
    EXPECT_EQ(std::tuple(nc.itemCount(107), nc.itemText(107, 0), nc.itemText(107, 18), nc.text(107)),
              std::tuple(19, "100", "NC", "NC"));
}

TEST_F(AddTournament, estimatesForTheChosenLabelButStoresTheOwnClassementsPointsInTheTypedSeason) {
    platform.onDialog([](QDialog &dialog) {
        TemplateDialog &d = FakePlatform::form(dialog);
        d.setText(VictoryCell("20"), "1");
        d.tick(kTimer);
        EXPECT_EQ(d.text(1113), "4");
        d.setCurrentIndex(107, d.findItem(107, "15")); // only for the estimation
        d.setText(1039, "7");                          // July: the season begun the year before
        d.setText(1040, "2000");
        d.setText(VictoryCell("45"), "9"); // weaker than the lowest classement: not read
        d.setText(VictoryCell("NC"), "6"); // worth 0
        d.click(1037);
    });
    EXPECT_EQ(RunAddTournament(context), 1);
    ASSERT_EQ(state.tournamentCount(), 1);
    const Tournament_Sheet &t = state.Mem_Tournois[0];
    // Column N + 3 is "NC".
    EXPECT_EQ(std::tuple(t.points, FieldText(t.season), t.columns[10].victories),
              std::tuple(4, "1999 - 2000", 6u));
    for (int i = 11; i < 23; ++i)
        EXPECT_EQ(t.columns[i].victories + t.columns[i].defeats, 0u) << i;
    EXPECT_EQ(reload().tournaments.at(0).points, 4);
}

TEST_F(AddTournament, cancelStoresNothingAndATournamentTheFileCannotTakeIsRefusedBeforeCountingIt) {
    platform.onDialog([](QDialog &d) {
        FakePlatform::form(d).setText(VictoryCell("20"), "1");
        FakePlatform::form(d).click(1042);
    });
    EXPECT_EQ(RunAddTournament(context), 1);
    EXPECT_EQ(state.tournamentCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(file())));
    // 742 days and one tournament leave 212 bytes of the largest record every build reads.
    state.Mem_Days.resize(742);
    state.Current_Profile.day_count = 742;
    ASSERT_TRUE(AppendTournament(state, tournament("Open", 12, 7, 2000), nullptr));
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); }, FakePlatform::StaysOpen);
    RunAddTournament(context);
    EXPECT_EQ(state.tournamentCount(), 1);
    EXPECT_EQ(platform.messages,
              (std::vector<FakePlatform::Message>{
                  {"Ce tournoi ne peut pas être enregistré : le fichier du joueur a atteint sa "
                   "taille maximale.",
                   "Zel Manager", Icon::Stop}}));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(file())));
}

// With N = 7: the used columns and the NC cells in 1061 / 1062.
TEST_F(AddTournament, aPageShowsTheUsedColumnsAndIsReadBackAsShown) {
    Tournament_Sheet t = tournament("Open", 12, 7, 2000);
    t.columns[5].victories = 1;  // "20"
    t.columns[7].victories = 2;  // "30"
    t.columns[10].victories = 4; // N + 3: "NC"
    t.columns[10].defeats = 1;
    TemplatePage page(kTournoiBoxTemplate);
    PrepareTournamentForm(page);
    FillTournamentPage(page, state, t);
    // Estimated: 4 above, 2 x 2 against equals, 4 x 0 and 1 x -4 against "NC".
    EXPECT_EQ(std::tuple(page.text(VictoryCell("30")), page.text(VictoryCell("15")), page.text(1061),
                         page.text(1062), page.text(107), page.text(1113)),
              std::tuple("2", "0", "4", "1", "30", "4"));
    Tournament_Sheet back = t;
    ReadTournamentPage(page, state, back);
    EXPECT_EQ(std::memcmp(&back, &t, sizeof t), 0); // read back as it was shown
}

// ---------------------------------------------------------------------------------------
// VIEW_TOURNOI, ONGLETTOURNOI, ONGLETMODIFTOURNOI

class TournamentList : public TournamentDialogTest {
  protected:
    // Seasons entered 2001, 1999, 2001: two rows, the later one holding tournaments 0 and 2;
    // Charlie won once against a "35".
    void SetUp() override {
        TournamentDialogTest::SetUp();
        using Row = std::tuple<const char *, uint32_t, int32_t>;
        for (auto [name, year, points] :
             {Row{"Alpha", 2001, 3}, Row{"Bravo", 1999, 5}, Row{"Charlie", 2001, 7}}) {
            Tournament_Sheet t = tournament(name, 10, 10, year);
            t.points = points;
            ASSERT_TRUE(AppendTournament(state, t, nullptr));
        }
        state.Mem_Tournois[2].columns[TournamentColumnOf(7, "35")].victories = 1;
        save();
    }
};

TEST_F(TournamentList, showsOneRowPerSeasonAndOpensTheSelectedRowsTournamentsWhateverTheSort) {
    TournamentListDialog d(state, platform, TournamentListMode::View);
    SeasonList &list = d.list();
    ASSERT_EQ(list.rowCount(), 2);
    const char *expected[2][5] = {{"1999 - 2000", "1", "30", "AS Lyon", "5"},
                                  {"2001 - 2002", "2", "30", "AS Lyon", "10"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(list.textAt(r, c), expected[r][c]) << r << " " << c;

    list.sortByColumn(4); // "10" before "5": the 2001 season comes first
    list.selectRow(0);
    platform.onDialog([&](QDialog &dialog) {
        auto &viewer = dynamic_cast<TournamentViewerDialog &>(dialog);
        EXPECT_EQ(std::tuple(viewer.tabs().count(), viewer.tabs().tabText(0), viewer.tabs().tabText(1)),
                  std::tuple(2, "Alpha", "Charlie"));
        viewer.tabs().selectTab(1);
        // A win over a "35" for the player's "30".
        EXPECT_EQ(std::tuple(viewer.page()->text(1041), viewer.page()->text(1113)),
                  std::tuple("Charlie", "1"));
        viewer.page()->setCurrentIndex(107, viewer.page()->findItem(107, "NC"));
        viewer.page()->command(107, kSelChange);
        EXPECT_EQ(viewer.page()->text(1113), "4"); // and for a "NC"
        viewer.click(1037);
    });
    d.click(1037);
}

using TournamentModify = TournamentList;

TEST_F(TournamentModify, theOwnPointsAreStoredAnnulerKeepsTheFileAndValiderKeepsRenamedTabsAfterADeletion) {
    {
        TournamentModifyDialog d(state, platform, GroupTournaments(state).at(0));
        TemplatePage &page = *d.page();
        page.setText(VictoryCell("20"), "1");
        page.setCurrentIndex(107, page.findItem(107, "NC"));
        page.command(107, kSelChange);
        d.tick(kTimer);
        EXPECT_EQ(page.text(1113), "4"); // "20" is five steps above "NC"
        page.setText(VictoryCell("30"), "2");
        d.click(1037);
        EXPECT_EQ(reload().tournaments.at(1).points, 8); // for "30": 4 + 2 x 2
    }
    const QByteArray before = fileBytes();
    {
        TournamentModifyDialog d(state, platform, GroupTournaments(state).at(1));
        d.show();
        d.page()->setText(1041, "Changé");
        d.tabs().selectTab(1);
        platform.answers = {false, true};
        d.click(1038); // "Non" changes nothing
        EXPECT_EQ(d.tabs().count(), 2);
        d.click(1038);
        d.click(1042);
        EXPECT_FALSE(d.isVisible());
    }
    EXPECT_EQ(fileBytes(), before);
    TournamentModifyDialog d(state, platform, GroupTournaments(state).at(1));
    d.show();
    d.page()->setText(1041, "Alpha Été");
    d.tabs().selectTab(1);
    EXPECT_EQ(d.tabs().tabText(0), "Alpha Été");
    EXPECT_EQ(d.currentTournament(), 2);
    d.tabs().selectTab(0);
    d.click(1038); // deletes "Alpha": "Charlie" moves down to index 1
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(std::tuple(d.tabs().count(), d.tabs().tabText(0)), std::tuple(1, "Charlie"));
    d.page()->setText(1041, "Charlie Été");
    d.click(1037);
    EXPECT_FALSE(d.isVisible());
    const PlayerData disk = reload();
    EXPECT_EQ(std::tuple(FieldText(disk.tournaments.at(0).name), FieldText(disk.tournaments.at(1).name)),
              std::tuple("Bravo", "Charlie \xC9t\xE9"));
}

TEST_F(TournamentModify, deletingTheLastTournamentOfASeasonEndsTheDialogAndDropsItsRow) {
    TournamentListDialog list(state, platform, TournamentListMode::Modify);
    list.list().selectRow(0); // 1999 - 2000: "Bravo" alone
    platform.onDialog([](QDialog &modify) { FakePlatform::form(modify).click(1038); });
    list.click(1037);
    EXPECT_EQ(platform.messages,
              (std::vector<FakePlatform::Message>{{"Suppression de cet onglet ???",
                                                   "Confirmation de suppression", Icon::Exclamation, true}}));
    ASSERT_EQ(list.list().rowCount(), 1);
    EXPECT_EQ(std::tuple(list.list().textAt(0, 0), list.enabled(1037), reload().profile.tournament_count),
              std::tuple("2001 - 2002", false, 2));
    list.enable(1037, true);
    list.click(1037); // no row selected: nothing opens
}

} // namespace
} // namespace zel::test
