// The tournament commands from the main window: steps T and U follow what the real dialogs did.
#include "tournament_dialog_fixture.h"

#include "shell/main_window.h"

#include <QAction>

namespace zel::test {
namespace {

using TournamentCommands = TournamentDialogTest;

TEST_F(TournamentCommands, addingEnablesTheTournamentItemsAndDeletingTheOnlyOneGraysThem) {
    MainWindow w(platform, QDir(dir.path()).absolutePath().toStdString());
    w.startUp();
    w.state().Current_Profile = state.Current_Profile;
    w.state().Player_State = 1;
    w.RefreshPlayerShell();
    const auto enabled = [&w] {
        return std::vector<bool>{w.menuAction(40007)->isEnabled(), w.menuAction(40014)->isEnabled(),
                                 w.menuAction(40015)->isEnabled(), w.toolbarAction(19006)->isEnabled()};
    };
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1037); });
    w.dispatch(40024); // Ctrl+T
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));
    platform.onDialog([this](QDialog &d) {
        auto &list = FakePlatform::form(d);
        list.controlAs<SeasonList>(1118)->selectRow(0);
        platform.onDialog([](QDialog &modify) { FakePlatform::form(modify).click(1038); });
        list.click(1037);
        list.click(1038);
    });
    w.dispatch(40015);
    EXPECT_EQ(w.state().tournamentCount(), 0);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false})); // no days either
}

} // namespace
} // namespace zel::test
