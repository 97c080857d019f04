// What a player stored changes only when they ask: forms show stored values
// whole, a save that failed leaves the dialog open and memory equal to the
// file.
#include "days/championship_dialogs.h"
#include "days/classement_scale.h"
#include "days/day_commands.h"
#include "days/day_entry_dialog.h"
#include "days/day_fixtures.h"
#include "days/day_form_fill.h"
#include "days/match_rules.h"
#include "players/player_commands.h"
#include "players/profile_dialog.h"
#include "resources/templates/day_form_template.h"
#include "resources/templates/tournament_table_template.h"
#include "storage_test_support.h"
#include "support/disk_faults.h"
#include "support/saved_player.h"
#include "tournaments/tournament_commands.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_modify_dialog.h"

namespace zel {
namespace {

// Values no form makes: an age of three digits, a club longer than its
// typing limit, a 4th single won 123-121, 21-19 and tournaments of the year 20011.
constexpr std::string_view kLongClub = "Association sportive des cheminots de L."; // 40 bytes

struct StoredPlayer : test::SavedPlayer {
    StoredPlayer() {
        Player_Profile &p = state.Current_Profile = test::MakeProfile("Dupont", "Jean", "Dupont.usr");
        SetFieldText(p.club, kLongClub);
        p.scale_length = 7;
        p.age = 100;
        BuildClassementList(state);
        test::AddDay(state, test::MakeTeamDay("Championnat 2000 - 2001", 0, 4));
        Single_Slot &fourth = state.Mem_Days[0].singles[3];
        fourth = {1, "Martin", "30", {}, {123, 21, 0}, {121, 19, 0}, 0};
        fourth.points = PointsForMatch(7, "30", "30", MatchResult(fourth));
        for (const char *name : {"Open", "Coupe"}) {
            Tournament_Sheet t{};
            t.day = 15;
            t.month = 10;
            t.year = 20011;
            SetFieldText(t.name, name);
            t.columns[5].victories = 1;
            SetFieldText(t.season, TournamentSeason(t.year, t.month));
            SetFieldText(t.classement, "30");
            t.points = StoredTournamentPoints(EstimateTournament(state, "30", t));
            state.Mem_Tournois.push_back(t);
        }
        p.tournament_count = 2;
        saveAsLoaded();
    }
};

TEST(StoredValues, shownWholeAndKeptByUneditedValidationsAndByEnterInAField) {
    StoredPlayer f;
    const QByteArray before = f.fileBytes();
    f.platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(ProfileDialog::kValidate); });
    EXPECT_EQ(RunModifyProfile(f.context), 302);
    f.throughList(RunModifyDay, [](QDialog &d) {
        auto &m = dynamic_cast<ModifyDaysDialog &>(d);
        m.tick(kModifyDayTimer);
        m.click(1037);
    });
    f.throughList(RunModifyTournament, [](QDialog &d) {
        auto &t = dynamic_cast<TournamentModifyDialog &>(d);
        t.tick(1);
        EXPECT_TRUE(t.tabs().selectTab(1) && t.tabs().selectTab(0));
        t.click(1037);
    });

    // A new day takes the club, whole, as its team.
    DayEntryDialog entry(f.state, f.platform);
    EXPECT_EQ(entry.textCp1252(kTeamEdit), kLongClub);

    // Enter in a field does nothing without a default button: no day stored, no season changed by a
    // button taken for the default. The file stays as it was through all of it.
    const auto press_enter = [](TemplateForm &form, int field) {
        const QString season = form.text(kSeasonStatic);
        form.setFocusTo(field);
        QTest::keyClick(form.control(field), Qt::Key_Return);
        EXPECT_EQ(form.text(kSeasonStatic), season);
    };
    f.platform.onDialog(
        [&](QDialog &d) {
            test::FillOneSingleDay(FakePlatform::form(d));
            press_enter(FakePlatform::form(d), 1049);
        },
        FakePlatform::StaysOpen);
    RunAddDay(f.context);
    f.throughList(
        RunModifyDay,
        [&](QDialog &d) {
            auto &m = dynamic_cast<ModifyDaysDialog &>(d);
            m.page()->setText(kClubEdit, "Autre club");
            press_enter(*m.page(), kClubEdit);
        },
        FakePlatform::StaysOpen);
    EXPECT_EQ(f.fileBytes(), before);
}

TEST(FailedSave, everyDialogThatSavesStaysOpenWithMemoryEqualToTheFile) {
    const struct {
        const char *what;
        int (*command)(CommandContext &);
        bool through_list;
        std::function<void(QDialog &)> edit;
        int button; // pressed with a full disk
    } cases[] = {
        {"profile", RunModifyProfile, false,
         [](QDialog &d) {
             FakePlatform::form(d).setCurrentIndex(ProfileDialog::kLowestList, 0); // remaps the tournaments
             FakePlatform::form(d).setCurrentIndex(ProfileDialog::kOwnList, 1);
         },
         ProfileDialog::kValidate},
        {"new day", RunAddDay, false, [](QDialog &d) { test::FillOneSingleDay(FakePlatform::form(d)); },
         1037},
        {"day modified", RunModifyDay, true,
         [](QDialog &d) { dynamic_cast<ModifyDaysDialog &>(d).page()->setText(kClubEdit, "Autre club"); },
         1037},
        {"day deleted", RunModifyDay, true, [](QDialog &) {}, 1039},
        {"new tournament", RunAddTournament, false,
         [](QDialog &d) { FakePlatform::form(d).setText(Victory_Cell_Ids[7], "2"); }, 1037},
        {"tournament modified", RunModifyTournament, true,
         [](QDialog &d) {
             dynamic_cast<TournamentModifyDialog &>(d).page()->setText(Victory_Cell_Ids[7], "3");
         },
         1037},
        {"cancel after a saved deletion", RunModifyTournament, true,
         [](QDialog &d) { FakePlatform::form(d).click(1038); }, 1042},
    };
    for (const auto &c : cases) {
        StoredPlayer f;
        const auto body = [&c](QDialog &d) {
            c.edit(d);
            test::FileSizeLimit limit(0);
            FakePlatform::form(d).click(c.button);
        };
        if (c.through_list) {
            f.throughList(c.command, body, FakePlatform::StaysOpen);
        } else {
            f.platform.onDialog(body, FakePlatform::StaysOpen);
            c.command(f.context);
        }
        ASSERT_FALSE(f.platform.messages.empty()) << c.what;
        EXPECT_EQ(f.platform.messages.back(),
                  (FakePlatform::Message{"Erreur d'écriture de l'identificateur", "Info"}))
            << c.what;
        // Nothing the user was told failed can reach the file with the next save.
        EXPECT_EQ(f.memoryBytes(), f.fileBytes()) << c.what;
    }
}

} // namespace
} // namespace zel
