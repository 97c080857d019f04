// The tournament commands from the main window: steps T and U follow the store.
#include "tournament_dialog_fixture.h"

#include "platform/season_list.h"
#include "shell/main_window.h"

#include <QAction>
#include <QDir>

namespace zel::test {
namespace {

class TournamentCommands : public TournamentDialogTest {
  protected:
    bool item(MainWindow &w, int id) {
        QAction *a = w.menuAction(id);
        EXPECT_NE(a, nullptr) << id;
        return a && a->isEnabled();
    }
    bool button(MainWindow &w, int id) {
        QAction *a = w.toolbarAction(id);
        EXPECT_NE(a, nullptr) << id;
        return a && a->isEnabled();
    }
};

TEST_F(TournamentCommands, addingEnablesTheTournamentItemsAndDeletingTheOnlyOneGraysThem) {
    MainWindow w(platform, QDir(dir.path()).absolutePath().toStdString());
    w.startUp();
    SharedState &s = w.state();
    s.Current_Profile = state.Current_Profile;
    s.Player_State = 1;
    BuildClassementList(s);
    w.RefreshPlayerShell();

    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); });
    w.dispatch(40013); // Ctrl+T's command
    ASSERT_EQ(s.tournamentCount(), 1);
    EXPECT_TRUE(item(w, 40014));
    EXPECT_TRUE(item(w, 40015));
    EXPECT_TRUE(button(w, 19006));

    platform.onDialog([this](QDialog &d) {
        auto &list = FakePlatform::form(d);
        list.controlAs<SeasonList>(1118)->selectRow(0);
        platform.onDialog([](QDialog &modify) { FakePlatform::form(modify).click(1038); });
        list.click(1037);
        list.click(1038);
    });
    w.dispatch(40015);
    EXPECT_TRUE(platform.leftOpen.empty());
    EXPECT_EQ(s.tournamentCount(), 0);
    EXPECT_FALSE(item(w, 40014));
    EXPECT_FALSE(item(w, 40015));
    EXPECT_FALSE(button(w, 19006));
    EXPECT_FALSE(item(w, 40007)); // no days either
}

} // namespace
} // namespace zel::test
