// VIEW_TOURNOI, ONGLETTOURNOI and ONGLETMODIFTOURNOI, driven by control id.
#include "tournament_dialog_fixture.h"

#include "tournaments/tournament_list_dialog.h"
#include "tournaments/tournament_modify_dialog.h"
#include "tournaments/tournament_viewer_dialog.h"

namespace zel::test {
namespace {

std::vector<std::string> TabTexts(const TabbedPages &tabs) {
    std::vector<std::string> texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts.push_back(tabs.tabText(i).toStdString());
    return texts;
}

void Choose(TemplateForm &page, const char *label) {
    page.setCurrentIndex(107, page.findItem(107, label));
    page.command(107, kSelChange);
}

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
            addStored(t);
        }
        state.Mem_Tournois[2].columns[TournamentColumnOf(7, "35")].victories = 1;
        saveNow();
    }
};

TEST_F(TournamentList, showsOneRowPerSeasonAndOpensTheSelectedRowsTournamentsWhateverTheSort) {
    TournamentListDialog d(state, platform, TournamentListMode::View);
    SeasonList &list = d.list();
    EXPECT_EQ(list.head(1), "Nombre de Tournoi");
    ASSERT_EQ(list.rowCount(), 2);
    const char *expected[2][5] = {{"1999 - 2000", "1", "30", "AS Lyon", "5"},
                                  {"2001 - 2002", "2", "30", "AS Lyon", "10"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(list.textAt(r, c), expected[r][c]) << r << " " << c;

    list.sortByColumn(4); // "10" before "5": the 2001 season comes first
    list.selectRow(0);
    std::vector<std::string> tabs;
    platform.onDialog([&](QDialog &dialog) {
        auto &viewer = dynamic_cast<TournamentViewerDialog &>(dialog);
        tabs = TabTexts(viewer.tabs());
        viewer.tabs().selectTab(1);
        EXPECT_EQ(viewer.page()->text(1041), "Charlie");
        EXPECT_EQ(viewer.page()->text(1113), "1"); // a win over a "35" for the player's "30"
        Choose(*viewer.page(), "NC");
        EXPECT_EQ(viewer.page()->text(1113), "4"); // and for a "NC"
        viewer.command(kIdCancel);                 // Escape does not close the viewer
        EXPECT_TRUE(viewer.isVisible());
        viewer.click(1037);
    });
    d.click(1037);
    EXPECT_EQ(tabs, (std::vector<std::string>{"Alpha", "Charlie"}));
}

TEST_F(TournamentList, validerWithoutASelectedRowOpensNothing) {
    TournamentListDialog d(state, platform, TournamentListMode::Modify);
    EXPECT_EQ(d.list().head(1), "Nombre de Tournois");
    d.enable(1037, true);
    d.click(1037);
}

using TournamentModify = TournamentList;

TEST_F(TournamentModify, aRenamedTournamentNamesItsTabWhenLeftAndValiderSavesIt) {
    TournamentModifyDialog d(state, platform, GroupTournaments(state).at(1));
    d.show();
    d.page()->setText(1041, "Alpha Été");
    d.tabs().selectTab(1);
    EXPECT_EQ(d.tabs().tabText(0), "Alpha Été");
    EXPECT_EQ(d.currentTournament(), 2);
    d.click(1037);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(FieldText(onDisk().tournaments.at(0).name), "Alpha \xC9t\xE9");
}

TEST_F(TournamentModify, theEstimationFollowsTheEditsAndTheOwnClassementsPointsAreStored) {
    TournamentModifyDialog d(state, platform, GroupTournaments(state).at(0));
    TemplatePage &page = *d.page();
    page.setText(VictoryCell("20"), "1");
    Choose(page, "NC");
    d.tick(kTimer);
    EXPECT_EQ(page.text(1113), "4"); // "20" is five steps above "NC"
    page.setText(VictoryCell("30"), "2");
    d.click(1037);
    EXPECT_EQ(onDisk().tournaments.at(1).points, 8); // for "30": 4 + 2 x 2
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
    EXPECT_EQ(list.list().textAt(0, 0), "2001 - 2002");
    EXPECT_FALSE(list.enabled(1037));
    EXPECT_EQ(onDisk().profile.tournament_count, 2);
}

TEST_F(TournamentModify, afterADeletionTheSeasonIsFoundAgainAndItsTabsRebuilt) {
    TournamentModifyDialog d(state, platform, GroupTournaments(state).at(1));
    d.show();
    d.click(1038); // deletes "Alpha": "Charlie" moves down to index 1
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(TabTexts(d.tabs()), (std::vector<std::string>{"Charlie"}));
    d.page()->setText(1041, "Charlie 2");
    d.click(1037);
    ASSERT_EQ(state.tournamentCount(), 2);
    EXPECT_EQ(FieldText(state.Mem_Tournois[0].name), "Bravo");
    EXPECT_EQ(FieldText(state.Mem_Tournois[1].name), "Charlie 2");
}

TEST_F(TournamentModify, annulerAfterADeletionPutsEverythingBackInTheFile) {
    const std::vector<Tournament_Sheet> before(state.Mem_Tournois.begin(), state.Mem_Tournois.begin() + 3);
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
    const PlayerData disk = onDisk();
    ASSERT_EQ(disk.tournaments.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::memcmp(&disk.tournaments[i], &before[i], sizeof(Tournament_Sheet)), 0) << i;
}

} // namespace
} // namespace zel::test
