// What a player stored changes only when they ask: forms show stored values
// whole, a save that failed leaves the dialog open and memory equal to the
// file, and the keyboard alone reaches every list and button.
#include "days/championship_dialogs.h"
#include "days/classement_scale.h"
#include "days/day_commands.h"
#include "days/day_entry_dialog.h"
#include "days/match_rules.h"
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "players/load_player_dialog.h"
#include "players/player_commands.h"
#include "players/player_library.h"
#include "players/profile_dialog.h"
#include "resources/templates/day_form_template.h"
#include "resources/templates/tournament_table_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "support/disk_faults.h"
#include "support/fake_platform.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_commands.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_modify_dialog.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace zel {
namespace {

// Values no form makes: an age of three digits, a club longer than its
// typing limit, a 4th single won 123-121, 21-19 and tournaments of the year 20011.
constexpr std::string_view kLongClub = "Association sportive des cheminots de L.";
static_assert(kLongClub.size() == 40);

struct StoredPlayer {
    QTemporaryDir dir;
    SharedState state;
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};

    StoredPlayer() {
        Player_Profile &p = state.Current_Profile;
        SetFieldText(p.name, "Dupont");
        SetFieldText(p.first_name, "Jean");
        SetFieldText(p.file_name, "Dupont.usr");
        SetFieldText(p.club, kLongClub);
        SetFieldTextFull(p.classement, "30");
        p.scale_length = 7;
        p.age = 100;
        p.sex = 'M';
        state.User_Dir = dir.path().toStdString() + "/";
        state.Player_State = 1;
        BuildClassementList(state);

        Day_Sheet day{};
        SetFieldText(day.season, "Championnat 2000 - 2001");
        SetFieldText(day.classement, "30");
        SetFieldText(day.place, "Domicile");
        SetFieldText(day.division, "D1");
        day.type = 'M';
        day.poule = 'A';
        day.team_letter = 'A';
        Single_Slot &fourth = day.singles[3];
        fourth = {1, "Martin", "30", {}, {123, 21, 0}, {121, 19, 0}, 0};
        fourth.points = PointsForMatch(7, "30", "30", MatchResult(fourth));
        state.Mem_Days = {day};
        p.day_count = 1;

        for (const char *name : {"Open", "Coupe"}) {
            Tournament_Sheet t{};
            SetFieldText(t.name, name);
            t.day = 15;
            t.month = 10;
            t.year = 20011;
            t.columns[5].victories = 1;
            state.Mem_Tournois.push_back(t);
        }
        for (Tournament_Sheet &t : state.Mem_Tournois) {
            SetFieldText(t.season, TournamentSeason(t.year, t.month));
            SetFieldText(t.classement, "30");
            t.points = StoredTournamentPoints(EstimateTournament(state, "30", t));
        }
        p.tournament_count = 2;
        EXPECT_TRUE(SaveCurrentPlayer(state, platform));
    }

    QByteArray fileBytes() const {
        QFile f(QString::fromStdString(state.User_Dir + "Dupont.usr"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray memoryBytes() const {
        const std::vector<uint8_t> b =
            EncodePlayer(state.Current_Profile, state.Mem_Days, state.Mem_Tournois);
        return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
    }

    // Runs a list command: row 0 is chosen, `body` drives the dialog it opens, then the list closes.
    template <class Dialog>
    void throughList(int (*command)(CommandContext &), std::function<void(Dialog &)> body,
                     FakePlatform::Ending ending = FakePlatform::Closes) {
        platform.onDialog([](QDialog &d) {
            auto &list = FakePlatform::form(d);
            list.controlAs<SeasonList>(list.control(1072) ? 1072 : 1118)->selectRow(0);
            list.click(1037);
            list.click(1038);
        });
        platform.onDialog([body](QDialog &d) { body(dynamic_cast<Dialog &>(d)); }, ending);
        command(context);
    }
};

TEST(StoredValues, everyFormShowsThemWholeAndGivesBackTheSameBytesWhenValidatedUnedited) {
    StoredPlayer f;
    const QByteArray before = f.fileBytes();
    f.platform.onDialog([](QDialog &d) {
        auto &form = FakePlatform::form(d);
        EXPECT_EQ(form.text(ProfileDialog::kAge), "100");
        EXPECT_EQ(form.textCp1252(ProfileDialog::kClub), kLongClub);
        form.click(ProfileDialog::kValidate);
    });
    EXPECT_EQ(RunModifyProfile(f.context), 302);
    f.throughList<ModifyDaysDialog>(RunModifyDay, [](ModifyDaysDialog &m) {
        const SingleControls &fourth = kSingleControls[3];
        EXPECT_EQ(m.page()->text(fourth.player[0]), "123");
        EXPECT_EQ(m.page()->text(fourth.opponent[0]), "121");
        m.tick(kModifyDayTimer);
        m.click(1037);
    });
    f.throughList<TournamentModifyDialog>(RunModifyTournament, [](TournamentModifyDialog &t) {
        EXPECT_EQ(t.page()->text(1040), "20011");
        t.tick(1);
        EXPECT_TRUE(t.tabs().selectTab(1));
        EXPECT_TRUE(t.tabs().selectTab(0));
        t.click(1037);
    });
    
    EXPECT_EQ(f.fileBytes(), before);
    // A new day takes the club, whole, as its team.
    DayEntryDialog entry(f.state, f.platform);
    EXPECT_EQ(entry.textCp1252(kTeamEdit), kLongClub);
}

// Fills the day entry form with a valid day: only the first single, won against a "20".
void FillValidDay(TemplateForm &d) {
    for (const auto &[id, text] : std::initializer_list<std::pair<int, const char *>>{
             {kDivisionCombo, "D1"}, {kPlaceCombo, "Domicile"}, {kTeamLetterCombo, "A"}, {kPouleCombo, "B"}})
        d.setText(id, text);
    for (int id : {1081, 1082, 1131, 1083})
        d.click(id);
    const SingleControls &c = kSingleControls[0];
    d.setText(c.classement, "20");
    for (const auto &[id, score] :
         {std::pair{c.player[0], "21"}, {c.opponent[0], "19"}, {c.player[1], "21"}, {c.opponent[1], "17"}})
        d.setText(id, score);
}

TEST(FailedSave, everyDialogThatSavesStaysOpenWithMemoryEqualToTheFile) {
    const auto full_disk = [](TemplateForm &form, int button) {
        test::FileSizeLimit limit(0);
        form.click(button);
    };
    struct Case {
        const char *what;
        std::function<void(StoredPlayer &)> run;
        std::string stays_open;
    };
    const Case cases[] = {
        {"profile",
         [&](StoredPlayer &f) {
             f.platform.onDialog([&](QDialog &d) {
                 auto &form = FakePlatform::form(d);
                 form.setCurrentIndex(ProfileDialog::kLowestList, 0); // a new scale remaps the tournaments
                 form.setCurrentIndex(ProfileDialog::kOwnList, 1);
                 full_disk(form, ProfileDialog::kValidate);
             }, FakePlatform::StaysOpen);
             RunModifyProfile(f.context);
         },
         "Modification du profil du joueur"},
        {"new day",
         [&](StoredPlayer &f) {
             f.platform.onDialog([&](QDialog &d) {
                 FillValidDay(FakePlatform::form(d));
                 full_disk(FakePlatform::form(d), 1037);
             }, FakePlatform::StaysOpen);
             RunAddDay(f.context);
         },
         "Résultat d'une journée"},
        {"day modified",
         [&](StoredPlayer &f) {
             f.throughList<ModifyDaysDialog>(RunModifyDay, [&](ModifyDaysDialog &m) {
                 m.page()->setText(kClubEdit, "Autre club");
                 full_disk(m, 1037);
             }, FakePlatform::StaysOpen);
         },
         "Journées d'un championnat : Modification"},
        {"day deleted",
         [&](StoredPlayer &f) {
             f.throughList<ModifyDaysDialog>(RunModifyDay, [&](ModifyDaysDialog &m) { full_disk(m, 1039); },
                                           FakePlatform::StaysOpen);
         },
         "Journées d'un championnat : Modification"},
        {"new tournament",
         [&](StoredPlayer &f) {
             f.platform.onDialog([&](QDialog &d) {
                 FakePlatform::form(d).setText(Victory_Cell_Ids[7], "2");
                 full_disk(FakePlatform::form(d), 1037);
             }, FakePlatform::StaysOpen);
             RunAddTournament(f.context);
         },
         "Ajout d'un tournoi"},
        {"tournament modified",
         [&](StoredPlayer &f) {
             f.throughList<TournamentModifyDialog>(RunModifyTournament, [&](TournamentModifyDialog &t) {
                 t.page()->setText(Victory_Cell_Ids[7], "3");
                 full_disk(t, 1037);
             }, FakePlatform::StaysOpen);
         },
         "Tournois : Modification"},
        {"cancel after a saved deletion",
         [&](StoredPlayer &f) {
             f.throughList<TournamentModifyDialog>(RunModifyTournament, [&](TournamentModifyDialog &t) {
                 t.click(1038); // saved at once
                 full_disk(t, 1042);
             }, FakePlatform::StaysOpen);
         },
         "Tournois : Modification"},
    };
    for (const Case &c : cases) {
        StoredPlayer f;
        c.run(f);
        
        ASSERT_FALSE(f.platform.messages.empty()) << c.what;
        EXPECT_EQ(f.platform.messages.back().text, "Erreur d'écriture de l'identificateur") << c.what;
        EXPECT_EQ(f.platform.messages.back().caption, "Info") << c.what;
        // Nothing the user was told failed can reach the file with the next save.
        EXPECT_EQ(f.memoryBytes(), f.fileBytes()) << c.what;
    }
}

TEST(Keyboard, enterInAFieldDoesNothingWithoutADefaultButton) {
    StoredPlayer f;
    const QByteArray before = f.fileBytes();
    // Nothing may happen: no day stored, no season changed by a button taken for the default.
    const auto press_enter = [](TemplateForm &form, int field) {
        const QString season = form.text(kSeasonStatic);
        form.setFocusTo(field);
        QTest::keyClick(form.control(field), Qt::Key_Return);
        EXPECT_EQ(form.text(kSeasonStatic), season);
    };
    f.platform.onDialog([&](QDialog &d) {
        FillValidDay(FakePlatform::form(d));
        press_enter(FakePlatform::form(d), 1049);
    }, FakePlatform::StaysOpen);
    RunAddDay(f.context);
    f.throughList<ModifyDaysDialog>(RunModifyDay, [&](ModifyDaysDialog &m) {
        m.page()->setText(kClubEdit, "Autre club");
        press_enter(*m.page(), kClubEdit);
    }, FakePlatform::StaysOpen);
    EXPECT_EQ(f.fileBytes(), before);
}

TEST(Keyboard, theOnlyPlayerIsChosenWithAnArrowAndLoadedWithEnter) {
    StoredPlayer f;
    std::string record(kLibraryRecordBytes, '\0');
    record.replace(0, 10, "Dupont.usr");
    std::ofstream(f.state.User_Dir + kLibraryFileName, std::ios::binary) << record;
    f.state.Player_State = 0;
    f.platform.onDialog([](QDialog &d) {
        auto &form = FakePlatform::form(d);
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QWidget *list = form.control(LoadPlayerDialog::kPlayers);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(form.text(LoadPlayerDialog::kName), "Dupont");
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(RunLoadPlayer(f.context), LoadPlayerDialog::kValidate);
}

} // namespace
} // namespace zel
