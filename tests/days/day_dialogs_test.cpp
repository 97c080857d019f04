// The day dialogs driven by control id: entry, championship lists, viewer, modification.
#include "days/championship_dialogs.h"
#include "days/day_commands.h"
#include "days/day_entry_dialog.h"
#include "days/day_form.h"
#include "days/day_store.h"
#include "days/match_rules.h"
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "resources/templates/day_form_template.h"
#include "storage/player_file.h"
#include "support/fake_platform.h"

#include "day_fixtures.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace zel {
namespace {

using test::AddDay;
using test::MakeDay;

constexpr int kValider = 1037, kAnnuler = 1038, kSupprimer = 1039;

// A male player classed "30" in a championship whose lowest classement is "40"
// (N = 7), with his file in a temporary players' directory.
class DayDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state = test::MakePlayer(7, "30");
        SetFieldText(state.Current_Profile.name, "Dupont");
        SetFieldText(state.Current_Profile.club, "TC Ville");
        SetFieldText(state.Current_Profile.file_name, "dupont.usr");
        state.Current_Profile.sex = 'M';
        state.User_Dir = dir.path().toStdString() + "/";
        state.Player_State = 1;
        ASSERT_TRUE(SaveCurrentPlayer(state, platform));
    }

    std::string path() const { return state.User_Dir + "dupont.usr"; }
    QByteArray fileBytes() const {
        QFile f(QString::fromStdString(path()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    PlayerData reload() {
        PlayerData data;
        EXPECT_EQ(LoadPlayerFile(path(), data, platform), LoadResult::Ok);
        return data;
    }
    void save() { ASSERT_TRUE(SaveCurrentPlayer(state, platform)); }

    QTemporaryDir dir;
    SharedState state;
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};
};

// A valid header: 12/10, day 3, D1 poule 2, letter A, poule B, at home.
void FillHeader(TemplateForm &f) {
    f.setText(kDayEdit, "12");
    f.setText(kMonthEdit, "10");
    f.setText(kNumberEdit, "3");
    f.setText(kDivisionCombo, "D1");
    f.setText(kDivisionPouleEdit, "2");
    f.setText(kClubEdit, "Club Rival");
    f.setText(kPlaceCombo, "Domicile");
    f.setText(kTeamLetterCombo, "A");
    f.setText(kPouleCombo, "B");
}

void FillSingle(TemplateForm &f, int k, const QString &label, std::array<int, 6> scores,
                const QString &name = {}) {
    const SingleControls &c = kSingleControls[std::size_t(k)];
    if (!name.isEmpty())
        f.setText(c.name, name);
    f.setText(c.classement, label);
    for (int set = 0; set < 3; ++set) {
        f.setText(c.player[set],
                  scores[std::size_t(2 * set)] ? QString::number(scores[std::size_t(2 * set)]) : "");
        f.setText(c.opponent[set],
                  scores[std::size_t(2 * set + 1)] ? QString::number(scores[std::size_t(2 * set + 1)]) : "");
    }
}

// Leaves only the first single ticked.
void OnlyFirstSingle(TemplateForm &f) {
    for (int id : {1081, 1082, 1131, 1083})
        f.click(id);
}

int LastMark(const TemplateForm &f, int id) {
    int colour = 0;
    for (const Mark &m : f.markList())
        if (m.id == id)
            colour = m.colour;
    return colour;
}

const uint8_t *Bytes(const Day_Sheet &d) {
    return reinterpret_cast<const uint8_t *>(&d);
}
uint32_t U32At(const Day_Sheet &d, std::size_t offset) {
    uint32_t v;
    std::memcpy(&v, Bytes(d) + offset, 4);
    return v;
}
std::string TextAt(const Day_Sheet &d, std::size_t offset) {
    return reinterpret_cast<const char *>(Bytes(d) + offset);
}

// ---------------------------------------------------------------------------------------
// JOURNEEBOX

TEST_F(DayDialogs, aWholeDayIsStoredAtItsOffsetsSavedAndReloaded) {
    platform.onDialog([](QDialog &d) {
        TemplateDialog &f = FakePlatform::form(d);
        EXPECT_EQ(f.text(kTeamEdit), "TC Ville");
        EXPECT_EQ(f.text(1049), "Anonyme");
        EXPECT_EQ(f.text(1054), "Anonyme");
        FillHeader(f);
        FillSingle(f, 0, "20", {21, 19, 21, 17, 0, 0}, "Martin");
        FillSingle(f, 1, "35", {19, 21, 15, 21, 0, 0});
        FillSingle(f, 2, "NC", {21, 19, 19, 21, 21, 15});
        FillSingle(f, 3, "1T", {10, 21, 21, 12, 12, 21});
        f.setText(1055, "Durand");
        for (int id : {1006, 1005, 1007})
            f.setText(id, "30");
        for (int id : {1029, 1033, 1030, 1031})
            f.setText(id, id == 1029 || id == 1030 ? "21" : "18");
        f.click(kValider);
    });
    EXPECT_EQ(RunAddDay(context), kDayStored);
    ASSERT_EQ(state.dayCount(), 1);
    const Day_Sheet &d = state.Mem_Days[0];
    EXPECT_EQ(TextAt(d, 0), "Championnat 2000 - 2001"); // 15 March 2001
    EXPECT_EQ(Bytes(d)[32], 12);
    EXPECT_EQ(Bytes(d)[33], 10);
    EXPECT_EQ(Bytes(d)[34], 'M');
    EXPECT_EQ(TextAt(d, 35), "30");
    EXPECT_EQ(U32At(d, 40), 3u);
    EXPECT_EQ(TextAt(d, 44), "D1");
    EXPECT_EQ(Bytes(d)[47], '2');
    EXPECT_EQ(TextAt(d, 48), "TC Ville");
    EXPECT_EQ(Bytes(d)[176], 'A');
    EXPECT_EQ(TextAt(d, 177), "Club Rival");
    EXPECT_EQ(TextAt(d, 305), "Domicile");
    EXPECT_EQ(Bytes(d)[315], 'B');
    // Singles: played, name, label, scores, points (4, -3, 0, 0).
    const int32_t points[4] = {4, -3, 0, 0};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t slot = 316 + 168 * k;
        EXPECT_EQ(U32At(d, slot), 1u) << k;
        EXPECT_EQ(static_cast<int32_t>(U32At(d, slot + 164)), points[k]) << k;
    }
    EXPECT_EQ(TextAt(d, 316 + 4), "Martin");
    EXPECT_EQ(TextAt(d, 316 + 132), "20");
    EXPECT_EQ(U32At(d, 316 + 140), 21u);
    EXPECT_EQ(U32At(d, 316 + 152), 19u);
    EXPECT_EQ(U32At(d, 316 + 144), 21u);
    EXPECT_EQ(U32At(d, 316 + 156), 17u);
    EXPECT_EQ(TextAt(d, 484 + 4), "Anonyme");
    EXPECT_EQ(U32At(d, 652 + 148), 21u); // 3rd single, third set
    EXPECT_EQ(U32At(d, 988), 1u);
    EXPECT_EQ(TextAt(d, 992), "Durand");
    EXPECT_EQ(TextAt(d, 1120), "30");
    EXPECT_EQ(TextAt(d, 1256), "Anonyme");
    EXPECT_EQ(U32At(d, 1388), 21u);
    EXPECT_EQ(U32At(d, 1400), 18u);

    const PlayerData data = reload();
    EXPECT_EQ(data.profile.day_count, 1);
    ASSERT_EQ(data.days.size(), 1u);
    EXPECT_EQ(std::memcmp(&data.days[0], &d, sizeof(Day_Sheet)), 0);
}

TEST_F(DayDialogs, theTimerShowsEachSinglesPointsForItsLabel) {
    DayEntryDialog d(state, platform);
    d.setText(1020, "old");
    struct Case {
        const char *label;
        std::array<int, 6> scores;
        const char *shown;
    };
    const Case cases[] = {
        {"20", {21, 19, 21, 17, 0, 0}, "4"},   // two steps stronger
        {"15", {21, 19, 21, 17, 0, 0}, "4"},   //
        {"25", {21, 19, 21, 17, 0, 0}, "3"},   //
        {"30", {21, 19, 21, 17, 0, 0}, "2"},   // an equal
        {"35", {21, 19, 21, 17, 0, 0}, "1"},   //
        {"NC", {21, 19, 21, 17, 0, 0}, "0"},   // far weaker
        {"35", {19, 21, 17, 21, 0, 0}, "-3"},  // a defeat one step weaker
        {"NC", {19, 21, 17, 21, 0, 0}, "-4"},  //
        {"1T", {19, 21, 17, 21, 0, 0}, "0"},   // a defeat against stronger costs nothing
        {"20", {0, 0, 0, 0, 0, 0}, "9"},       // the sets decide nothing yet
        {"20", {21, 19, 19, 21, 0, 0}, "9"},   //
        {"45", {21, 19, 21, 17, 0, 0}, "9"},   // off the scale: the field keeps its text
        {"20", {21, 19, 19, 21, 21, 15}, "4"}, // won in the third set
    };
    for (const Case &c : cases) {
        FillSingle(d, 0, c.label, c.scores);
        d.tick(kDayEntryTimer);
        EXPECT_EQ(d.text(1020).toStdString(), c.shown) << c.label << " " << c.scores[0] << "-" << c.scores[1];
    }
}

TEST_F(DayDialogs, setsDecideValidityAndMarkTheFaultyScores) {
    struct Case {
        std::array<int, 6> scores;
        bool valid;
        int red_pair; // the set whose two fields end red, -1 none
    };
    const Case cases[] = {
        {{21, 19, 19, 21, 21, 15}, true, -1},
        {{21, 19, 21, 17, 5, 0}, false, 2}, // a third set after a match won 2-0
        {{21, 20, 21, 17, 0, 0}, false, 0}, // 21-20 is no set
        {{22, 20, 24, 22, 0, 0}, true, -1}, //
        {{23, 20, 21, 17, 0, 0}, false, 0}, //
        {{21, 19, 19, 21, 0, 0}, false, 2}, // split sets need a third
    };
    for (const Case &c : cases) {
        DayEntryDialog d(state, platform);
        FillHeader(d);
        OnlyFirstSingle(d);
        FillSingle(d, 0, "20", c.scores);
        d.click(kValider);
        EXPECT_EQ(d.result() == kDayStored, c.valid) << c.scores[0] << "-" << c.scores[1];
        const SingleControls &s = kSingleControls[0];
        for (int set = 0; set < 3; ++set) {
            const int want = set == c.red_pair ? kMarkRed : kMarkFace;
            EXPECT_EQ(LastMark(d, s.player[set]), want) << "set " << set << " of " << c.scores[0];
            EXPECT_EQ(LastMark(d, s.opponent[set]), want);
        }
        if (!c.valid) {
            EXPECT_TRUE(d.timerActive(kDayEntryTimer));
            EXPECT_EQ(d.markList().front().id, kPlaceCombo); // the header is checked first
        }
    }
    EXPECT_EQ(state.dayCount(), 2);
}

TEST_F(DayDialogs, headerRulesMarkTheirControls) {
    DayEntryDialog d(state, platform);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "trente", {21, 19, 21, 17, 0, 0});
    d.setText(kTeamLetterCombo, "B");
    d.click(kValider);
    EXPECT_NE(d.result(), kDayStored);
    for (int id : {kPlaceCombo, kPouleCombo, kTeamLetterCombo, kDivisionCombo, kSingleControls[0].classement})
        EXPECT_EQ(LastMark(d, id), kMarkRed) << id;
    EXPECT_EQ(LastMark(d, kTypeCombo), kMarkFace);
    EXPECT_EQ(d.markList()[0].x, 36);
    EXPECT_EQ(d.markList()[0].y, -8);
    // Put right, the next validation erases the marks and stores the day.
    FillHeader(d);
    d.setText(kSingleControls[0].classement, "25");
    d.click(kValider);
    EXPECT_EQ(d.result(), kDayStored);
    for (const Mark &m : d.markList())
        EXPECT_EQ(m.colour, kMarkFace) << m.id;
}

TEST_F(DayDialogs, anUntickedSingleIsDisabledNeitherValidatedNorRead) {
    DayEntryDialog d(state, platform);
    FillHeader(d);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "20", {21, 19, 21, 17, 0, 0});
    const SingleControls &second = kSingleControls[1];
    EXPECT_FALSE(d.enabled(second.name));
    EXPECT_FALSE(d.enabled(second.classement));
    EXPECT_FALSE(d.enabled(second.player[2]));
    EXPECT_FALSE(d.enabled(kDoubleControls.names[2]));
    EXPECT_TRUE(d.enabled(second.points));
    FillSingle(d, 1, "garbage", {21, 20, 5, 0, 3, 3}, "Jamais lu");
    d.click(kValider);
    ASSERT_EQ(d.result(), kDayStored);
    const Day_Sheet &day = state.Mem_Days[0];
    EXPECT_EQ(day.singles[1].played, 0u);
    EXPECT_EQ(day.singles[1].name[0], 0);
    EXPECT_EQ(day.singles[1].player_scores[0], 0u);
    EXPECT_EQ(day.double_match.played, 0u);
    for (const Mark &m : d.markList())
        EXPECT_NE(m.id, second.player[0]);
    // Ticking it again enables the row.
    d.click(second.check);
    EXPECT_TRUE(d.enabled(second.name));
}

TEST_F(DayDialogs, theSeasonFollowsTheClockAndTheButtons) {
    platform.fixedClock.set({2000, 7, 31});
    {
        DayEntryDialog d(state, platform);
        EXPECT_EQ(d.text(kSeasonStatic), "Championnat 1999 - 2000");
    }
    platform.fixedClock.set({2000, 8, 1});
    DayEntryDialog d(state, platform);
    EXPECT_EQ(d.text(kSeasonStatic), "Championnat 2000 - 2001");
    d.click(kSeasonPlus);
    d.click(kSeasonPlus);
    EXPECT_EQ(d.text(kSeasonStatic), "Championnat 2002 - 2003");
    d.click(kSeasonMinus);
    EXPECT_EQ(d.currentSeason(), 2001);
}

TEST_F(DayDialogs, theChampionshipTypeFollowsThePlayersSex) {
    {
        DayEntryDialog d(state, platform);
        EXPECT_EQ(d.text(kTypeCombo), "Masculin");
        EXPECT_EQ(d.itemCount(kTypeCombo), 1);
        EXPECT_FALSE(d.enabled(kTypeCombo));
    }
    state.Current_Profile.sex = 'F';
    DayEntryDialog d(state, platform);
    EXPECT_EQ(d.text(kTypeCombo), "Féminin");
    EXPECT_EQ(d.itemText(kTypeCombo, 1), "Masculin");
    EXPECT_TRUE(d.enabled(kTypeCombo));
    // The classement combos offer the player's Extended_Scale, weakest first.
    EXPECT_EQ(d.itemCount(1066), 11);
    EXPECT_EQ(d.itemText(1066, 0), "NC");
    EXPECT_EQ(d.itemText(1066, 10), "1T");
    // Limits: two digits, except the 4th single's scores.
    EXPECT_EQ(d.controlAs<QLineEdit>(1011)->maxLength(), 2);
    EXPECT_GT(d.controlAs<QLineEdit>(1058)->maxLength(), 2);
    EXPECT_EQ(d.controlAs<QLineEdit>(kTeamEdit)->maxLength(), 32);
}

TEST_F(DayDialogs, validerRightAfterTypingStoresThePointsOfTheLastScore) {
    DayEntryDialog d(state, platform);
    FillHeader(d);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "20", {21, 19, 19, 21, 0, 0});
    d.tick(kDayEntryTimer); // shows 9: the split sets decide nothing yet
    EXPECT_EQ(d.text(1020), "9");
    d.setText(1016, "21");
    d.setText(1014, "17");
    d.click(kValider); // before the next tick
    ASSERT_EQ(d.result(), kDayStored);
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 4);
}

TEST_F(DayDialogs, aDayThatNoLongerFitsThePlayerFileIsRefused) {
    // 742 days fill the record; one more would not fit.
    for (int i = 0; i < 742; ++i)
        AddDay(state, MakeDay("Championnat 2000 - 2001", "30", {}));
    ASSERT_FALSE(FitsOneMoreDay(state));
    DayEntryDialog d(state, platform);
    FillHeader(d);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "20", {21, 19, 21, 17, 0, 0}, "Martin");
    d.click(kValider);
    EXPECT_NE(d.result(), kDayStored);
    EXPECT_EQ(state.dayCount(), 742);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Zel Manager");
    EXPECT_EQ(d.text(1049), "Martin");
    EXPECT_TRUE(d.timerActive(kDayEntryTimer));
}

TEST_F(DayDialogs, aFailedSaveIsReportedAndTheDialogStaysOpen) {
    const std::string good_dir = state.User_Dir;
    state.User_Dir = good_dir + "missing/";
    DayEntryDialog d(state, platform);
    FillHeader(d);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "20", {21, 19, 21, 17, 0, 0});
    d.click(kValider);
    EXPECT_NE(d.result(), kDayStored);
    EXPECT_FALSE(platform.messages.empty());
    EXPECT_EQ(state.dayCount(), 1); // kept in memory
    // Once the directory is back, "Valider" stores that same day, not a second one.
    state.User_Dir = good_dir;
    d.setText(1049, "Martin");
    d.click(kValider);
    EXPECT_EQ(d.result(), kDayStored);
    EXPECT_EQ(state.dayCount(), 1);
    EXPECT_EQ(reload().days.at(0).singles[0].name, std::string("Martin"));
}

TEST_F(DayDialogs, annulerAfterAFailedSaveKeepsNothing) {
    state.User_Dir += "missing/";
    DayEntryDialog d(state, platform);
    FillHeader(d);
    OnlyFirstSingle(d);
    FillSingle(d, 0, "20", {21, 19, 21, 17, 0, 0});
    d.click(kValider);
    EXPECT_EQ(state.dayCount(), 1);
    d.click(kAnnuler);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(state.dayCount(), 0);
    EXPECT_FALSE(d.timerActive(kDayEntryTimer));
}

// ---------------------------------------------------------------------------------------
// Championship lists and the viewer

Day_Sheet Day(const char *season, uint32_t number, int32_t points, std::string_view team = "TC Ville") {
    Day_Sheet d = MakeDay(season, "30", {{"20", points, true, {21, 21, 0}, {19, 17, 0}}});
    d.number = number;
    d.type = 'M';
    SetFieldText(d.team, team);
    SetFieldText(d.division, "D1");
    d.team_letter = 'A';
    return d;
}

TEST_F(DayDialogs, twoSeasonsGiveTwoRowsWithoutTheWordChampionnat) {
    AddDay(state, Day("Championnat 2001 - 2002", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 1, 3));
    AddDay(state, Day("Championnat 2001 - 2002", 2, 2));
    ChampionshipListDialog d(ChampionshipListDialog::Purpose::View, state, platform);
    SeasonList &list = d.list();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.textAt(0, 0), "2000 - 2001");
    EXPECT_EQ(list.textAt(1, 0), "2001 - 2002");
    EXPECT_EQ(list.textAt(1, 1), "2");
    EXPECT_EQ(list.textAt(1, 2), "30");
    EXPECT_EQ(list.textAt(1, 3), "TC Ville");
    EXPECT_EQ(list.textAt(1, 4), "6");
    EXPECT_EQ(list.head(1), "Nombre de journées");
    EXPECT_GE(list.columnWidth(4), 60);
    // Shown with the focus in the list, "Valider" waits for a selected row.
    d.show();
    list.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(d.enabled(kValider));
    ChampionshipListDialog m(ChampionshipListDialog::Purpose::Modify, state, platform);
    EXPECT_EQ(m.list().head(1), "Nombre de journée");
    EXPECT_EQ(m.windowTitle(), "Championnats : Modification d'une journée");
}

TEST_F(DayDialogs, afterSortingByPointsValiderOpensTheSelectedRowsDays) {
    AddDay(state, Day("Championnat 1999 - 2000", 5, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 7, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 8, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 9, 4)); // 12 points
    std::vector<QString> tabs;
    platform.onDialog([](QDialog &dialog) {
        auto &d = dynamic_cast<ChampionshipListDialog &>(dialog);
        d.list().sortByColumn(4);
        EXPECT_EQ(d.list().textAt(0, 4), "12"); // "12" before "4" as text
        d.list().selectRow(0);
        EXPECT_TRUE(d.enabled(kValider));
        d.click(kValider);
        EXPECT_EQ(d.chosenChampionship(), 1);
        d.click(1038);
    });
    platform.onDialog([&](QDialog &dialog) {
        auto &v = dynamic_cast<DayViewerDialog &>(dialog);
        EXPECT_EQ(v.windowTitle(), "Journées d'un championnat : Visualisation");
        for (int t = 0; t < v.tabs().count(); ++t)
            tabs.push_back(v.tabs().tabText(t));
        EXPECT_EQ(v.tabs().currentTab(), 0);
        EXPECT_EQ(v.page()->text(kNumberEdit), "7");
        v.tabs().tabBar()->setCurrentIndex(2);
        EXPECT_EQ(v.page()->text(kNumberEdit), "9");
        v.tabs().tabBar()->setCurrentIndex(0);
        EXPECT_EQ(v.page()->text(kNumberEdit), "7");
        v.reject(); // Escape
        EXPECT_TRUE(v.isVisible());
        v.click(1037);
        EXPECT_EQ(v.result(), 1);
    });
    EXPECT_EQ(RunViewChampionships(context), 1);
    EXPECT_EQ(tabs, (std::vector<QString>{"Journée n°7", "Journée n°8", "Journée n°9"}));
    EXPECT_TRUE(platform.leftOpen.empty());
}

TEST_F(DayDialogs, validerWithNoRowSelectedOpensNothing) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    ChampionshipListDialog d(ChampionshipListDialog::Purpose::View, state, platform);
    d.list().selectRow(0);
    d.list().clearRowSelection();
    EXPECT_TRUE(d.enabled(kValider)); // deselecting changes a row's state too
    d.click(kValider);
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(d.chosenChampionship(), -1);
}

TEST_F(DayDialogs, theViewerPageShowsAStoredDayReadOnly) {
    Day_Sheet day = Day("Championnat 2000 - 2001", 4, -2);
    day.singles[0].player_scores[2] = 0;
    day.singles[1].played = 0;
    SetFieldText(day.singles[1].name, "Absent");
    AddDay(state, day);
    DayViewerDialog v(state, GroupDays(state)[0]);
    TemplatePage &p = *v.page();
    EXPECT_EQ(p.text(kSeasonStatic), "Championnat 2000 - 2001");
    EXPECT_EQ(p.text(kSingleControls[0].player[0]), "21");
    EXPECT_EQ(p.text(kSingleControls[0].player[2]), ""); // a 0 score shows nothing
    EXPECT_EQ(p.text(kSingleControls[0].points), "-2");
    EXPECT_EQ(p.text(kSingleControls[0].classement), "20");
    EXPECT_EQ(p.text(kTypeCombo), "Masculin");
    EXPECT_FALSE(p.enabled(kSingleControls[1].name));
    EXPECT_EQ(p.text(kSingleControls[1].name), "");
    EXPECT_TRUE(p.controlAs<QLineEdit>(kDivisionCombo)->isReadOnly());
    EXPECT_EQ(p.control(kSeasonPlus), nullptr);
    EXPECT_EQ(p.control(1078), nullptr);
    EXPECT_EQ(p.control(1015)->accessibleName(), "1er Match : 1er set, adversaire");
}

// ---------------------------------------------------------------------------------------
// MODIF_CHAMP, MODIF_DAY

// Opens the modification list, selects row `row` and runs `body` in MODIF_DAY.
void ModifyRow(FakePlatform &platform, int row, std::function<void(ModifyDaysDialog &)> body,
               std::function<void(ChampionshipListDialog &)> after = {}) {
    platform.onDialog([row, after](QDialog &dialog) {
        auto &d = dynamic_cast<ChampionshipListDialog &>(dialog);
        d.list().selectRow(row);
        d.click(kValider);
        EXPECT_FALSE(d.enabled(kValider)); // rebuilt after MODIF_DAY
        if (after)
            after(d);
        d.click(1038);
    });
    platform.onDialog([body](QDialog &dialog) { body(dynamic_cast<ModifyDaysDialog &>(dialog)); });
}

TEST_F(DayDialogs, editingDayOneSwitchingToDayTwoAndAnnulerChangesNothing) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 2, 4));
    save();
    const QByteArray before = fileBytes();
    const std::vector<Day_Sheet> days = state.Mem_Days;
    ModifyRow(platform, 0, [](ModifyDaysDialog &m) {
        EXPECT_EQ(m.tabs().count(), 2);
        m.page()->setText(kClubEdit, "Autre club");
        EXPECT_TRUE(m.tabs().selectTab(1));
        EXPECT_EQ(m.page()->text(kNumberEdit), "2");
        m.click(kAnnuler);
        EXPECT_EQ(m.result(), 1);
        EXPECT_FALSE(m.timerActive(kModifyDayTimer));
    });
    EXPECT_EQ(RunModifyDay(context), 1);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(std::memcmp(state.Mem_Days.data(), days.data(), 2 * sizeof(Day_Sheet)), 0);
}

TEST_F(DayDialogs, validerKeepsTheEditsOfEveryVisitedPage) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 2, 4));
    save();
    ModifyRow(platform, 0, [](ModifyDaysDialog &m) {
        m.page()->setText(kClubEdit, "Autre club");
        m.tabs().selectTab(1);
        m.page()->setText(kSingleControls[0].opponent[1], "19");
        m.click(kValider); // no tick has run: the points are worked out now
        EXPECT_EQ(m.result(), 1);
    });
    RunModifyDay(context);
    const PlayerData data = reload();
    EXPECT_EQ(FieldText(data.days.at(0).opponent_club), "Autre club");
    EXPECT_EQ(data.days.at(1).singles[0].opponent_scores[1], 19u);
    EXPECT_EQ(data.days.at(1).singles[0].points, 4);
}

TEST_F(DayDialogs, aFreeTextClassementBlocksTheChangeOfTab) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 2, 4));
    const Day_Sheet first = state.Mem_Days[0];
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    m.page()->setText(kSingleControls[0].classement, "trente");
    m.page()->setText(kClubEdit, "Autre club");
    m.tabs().tabBar()->setCurrentIndex(1); // as a click
    EXPECT_EQ(m.modifTab(), 0);
    EXPECT_EQ(m.tabs().tabBar()->currentIndex(), 0);
    EXPECT_EQ(LastMark(*m.page(), kSingleControls[0].classement), kMarkRed);
    EXPECT_EQ(std::memcmp(&state.Mem_Days[0], &first, sizeof(Day_Sheet)), 0);
    // Corrected, the page is written back and the change goes through.
    m.page()->setText(kSingleControls[0].classement, "25");
    EXPECT_TRUE(m.tabs().selectTab(1));
    EXPECT_EQ(FieldText(state.Mem_Days[0].singles[0].classement), "25");
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 3);
}

TEST_F(DayDialogs, anUnplayedSingleKeepsItsStoredBytesThroughAModification) {
    Day_Sheet day = Day("Championnat 2000 - 2001", 1, 4);
    Single_Slot &kept = day.singles[2];
    kept.played = 0;
    SetFieldText(kept.name, "Ancien");
    SetFieldText(kept.classement, "35");
    kept.player_scores[0] = 21;
    kept.points = 1;
    day.double_match.played = 0;
    SetFieldText(day.double_match.partner, "Partenaire");
    AddDay(state, day);
    save();
    ModifyRow(platform, 0, [](ModifyDaysDialog &m) {
        EXPECT_FALSE(m.page()->enabled(kSingleControls[2].name));
        m.click(kValider);
    });
    RunModifyDay(context);
    const PlayerData data = reload();
    const Day_Sheet &after = data.days.at(0);
    EXPECT_EQ(std::memcmp(&after.singles[2], &day.singles[2], sizeof(Single_Slot)), 0);
    EXPECT_EQ(std::memcmp(&after.double_match, &day.double_match, sizeof(Double_Block)), 0);
}

TEST_F(DayDialogs, untickingASingleOnThePageChangesTheStoredFlagAtOnce) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    m.page()->click(kSingleControls[0].check);
    EXPECT_EQ(state.Mem_Days[0].singles[0].played, 0u);
    EXPECT_FALSE(m.page()->enabled(kSingleControls[0].name));
    // The page keeps the 2-digit limit of the 4th single's scores.
    EXPECT_EQ(m.page()->controlAs<QLineEdit>(1058)->maxLength(), 2);
}

TEST_F(DayDialogs, deletingTheOnlyDayOfAChampionshipRemovesItsRow) {
    AddDay(state, Day("Championnat 1999 - 2000", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    save();
    ModifyRow(
        platform, 0,
        [](ModifyDaysDialog &m) {
            m.click(kSupprimer);
            EXPECT_EQ(m.result(), 1);
            EXPECT_FALSE(m.isVisible());
        },
        [](ChampionshipListDialog &d) {
            ASSERT_EQ(d.list().rowCount(), 1);
            EXPECT_EQ(d.list().textAt(0, 0), "2000 - 2001");
        });
    RunModifyDay(context);
    EXPECT_EQ(platform.messages.at(0).text, "Suppression de cet onglet ???");
    EXPECT_EQ(platform.messages.at(0).caption, "Confirmation de suppression");
    EXPECT_EQ(state.dayCount(), 1);
    EXPECT_EQ(reload().days.size(), 1u);
}

TEST_F(DayDialogs, deletingThenAnnulerBringsTheDayBack) {
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 2, 4));
    save();
    const QByteArray before = fileBytes();
    platform.answers = {false, true};
    ModifyRow(platform, 0, [&](ModifyDaysDialog &m) {
        m.click(kSupprimer); // "Non"
        EXPECT_EQ(m.tabs().count(), 2);
        m.click(kSupprimer);
        EXPECT_EQ(m.tabs().count(), 1);
        EXPECT_EQ(m.page()->text(kNumberEdit), "2");
        EXPECT_EQ(reload().days.size(), 1u); // saved at once
        m.click(kAnnuler);
    });
    RunModifyDay(context);
    EXPECT_EQ(state.dayCount(), 2);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(DayDialogs, afterADeletionTheTabsFollowTheChampionshipsNewDays) {
    // Days 0 and 2 form one championship, day 1 another; deleting day 0 moves day 2 to 1.
    AddDay(state, Day("Championnat 2000 - 2001", 1, 4));
    AddDay(state, Day("Championnat 1999 - 2000", 5, 4));
    AddDay(state, Day("Championnat 2000 - 2001", 2, 4));
    save();
    ModifyRow(platform, 1, [](ModifyDaysDialog &m) {
        m.click(kSupprimer);
        ASSERT_EQ(m.tabs().count(), 1);
        EXPECT_EQ(m.shownDay(), 1);
        m.page()->setText(kClubEdit, "Nouveau");
        m.click(kValider);
    });
    RunModifyDay(context);
    ASSERT_EQ(state.dayCount(), 2);
    EXPECT_EQ(FieldText(state.Mem_Days[0].opponent_club), ""); // the other season's day
    EXPECT_EQ(state.Mem_Days[0].number, 5u);
    EXPECT_EQ(FieldText(state.Mem_Days[1].opponent_club), "Nouveau");
}

TEST_F(DayDialogs, plusOnThePageMovesTheDayToTheNextSeason) {
    AddDay(state, Day("Championnat 1999 - 2000", 1, 4));
    AddDay(state, Day("Championnat 1999 - 2000", 2, 4));
    save();
    ModifyRow(
        platform, 0,
        [](ModifyDaysDialog &m) {
            EXPECT_EQ(m.pageSeason(), 1999);
            m.page()->click(kSeasonPlus);
            EXPECT_EQ(m.page()->text(kSeasonStatic), "Championnat 2000 - 2001");
            m.click(kValider);
        },
        [](ChampionshipListDialog &d) {
            ASSERT_EQ(d.list().rowCount(), 2);
            EXPECT_EQ(d.list().textAt(1, 0), "2000 - 2001");
        });
    RunModifyDay(context);
    EXPECT_EQ(FieldText(reload().days.at(0).season), "Championnat 2000 - 2001");
}

TEST_F(DayDialogs, aSeasonNameIsCutTo23CharactersWhenWrittenBack) {
    AddDay(state, Day("Championnat 2000 - 2001 bis", 1, 4));
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    m.click(kValider);
    EXPECT_EQ(FieldText(state.Mem_Days[0].season), "Championnat 2000 - 2001");
}

TEST_F(DayDialogs, theBackupHoldsEveryDay) {
    for (int i = 0; i < 800; ++i)
        AddDay(state, Day("Championnat 2000 - 2001", uint32_t(i), 0));
    BackupDays(state);
    EXPECT_EQ(state.Mem_Buffer.days.size(), 800u);
    DeleteDay(state, 0);
    RestoreDays(state);
    EXPECT_EQ(state.dayCount(), 800);
    EXPECT_EQ(state.Mem_Days[0].number, 0u);
}

} // namespace
} // namespace zel
