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
    const std::pair<int, const char *> fields[] = {
        {kDayEdit, "12"},          {kMonthEdit, "10"},        {kNumberEdit, "3"},
        {kDivisionCombo, "D1"},    {kDivisionPouleEdit, "2"}, {kClubEdit, "Club Rival"},
        {kPlaceCombo, "Domicile"}, {kTeamLetterCombo, "A"},   {kPouleCombo, "B"}};
    for (const auto &[id, text] : fields)
        f.setText(id, text);
}

void FillSingle(TemplateForm &f, int k, const QString &label, std::array<int, 6> scores,
                const QString &name = {}) {
    const SingleControls &c = kSingleControls[std::size_t(k)];
    if (!name.isEmpty())
        f.setText(c.name, name);
    f.setText(c.classement, label);
    for (std::size_t i = 0; i < 6; ++i) // an empty field for a 0 score
        f.setText(i % 2 ? c.opponent[i / 2] : c.player[i / 2], scores[i] ? QString::number(scores[i]) : "");
}

// A valid header and only the first single ticked, with `scores` against a "20".
void FillOneSingleDay(TemplateForm &f, std::array<int, 6> scores = {21, 19, 21, 17, 0, 0}) {
    FillHeader(f);
    for (int id : {1081, 1082, 1131, 1083})
        f.click(id);
    FillSingle(f, 0, "20", scores);
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
    // Header, first single (name, label, scores), the 3rd single's belle, the double.
    for (const auto &[offset, text] : {std::pair<std::size_t, const char *>{0, "Championnat 2000 - 2001"},
                                       {35, "30"},
                                       {48, "TC Ville"},
                                       {177, "Club Rival"},
                                       {320, "Martin"},
                                       {448, "20"},
                                       {992, "Durand"},
                                       {1256, "Anonyme"}})
        EXPECT_EQ(TextAt(d, offset), text) << offset;
    for (const auto &[offset, byte] :
         {std::pair<std::size_t, uint8_t>{32, 12}, {33, 10}, {34, 'M'}, {315, 'B'}})
        EXPECT_EQ(Bytes(d)[offset], byte) << offset;
    for (const auto &[offset, word] :
         {std::pair<std::size_t, uint32_t>{40, 3}, {456, 21}, {468, 19}, {800, 21}, {988, 1}, {1400, 18}})
        EXPECT_EQ(U32At(d, offset), word) << offset;
    // Singles: played, points (4, -3, 0, 0).
    const int32_t points[4] = {4, -3, 0, 0};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(U32At(d, 316 + 168 * k), 1u) << k;
        EXPECT_EQ(static_cast<int32_t>(U32At(d, 316 + 168 * k + 164)), points[k]) << k;
    }
    const PlayerData data = reload();
    ASSERT_EQ(data.days.size(), 1u);
    EXPECT_EQ(std::memcmp(&data.days[0], &d, sizeof(Day_Sheet)), 0);
}

TEST_F(DayDialogs, theTimerShowsEachSinglesPointsForItsLabel) {
    DayEntryDialog d(state, platform);
    d.setText(1020, "old");
    const struct {
        const char *label;
        std::array<int, 6> scores;
        const char *shown;
    } cases[] = {
        {"20", {21, 19, 21, 17, 0, 0}, "4"},   // two steps stronger
        {"35", {21, 19, 21, 17, 0, 0}, "1"},   //
        {"NC", {21, 19, 21, 17, 0, 0}, "0"},   // far weaker
        {"35", {19, 21, 17, 21, 0, 0}, "-3"},  // a defeat one step weaker
        {"20", {21, 19, 19, 21, 0, 0}, "9"},   // the sets decide nothing yet
        {"45", {21, 19, 21, 17, 0, 0}, "9"},   // off the scale: the field keeps its text
        {"20", {21, 19, 19, 21, 21, 15}, "4"}, // won in the third set
    };
    for (const auto &c : cases) {
        FillSingle(d, 0, c.label, c.scores);
        d.tick(kDayEntryTimer);
        EXPECT_EQ(d.text(1020).toStdString(), c.shown) << c.label << " " << c.scores[0] << "-" << c.scores[1];
    }
}

TEST_F(DayDialogs, setsDecideValidityAndMarkTheFaultyScores) {
    const struct {
        std::array<int, 6> scores;
        bool valid;
        int red_pair; // the set whose two fields end red, -1 none
    } cases[] = {
        {{21, 19, 19, 21, 21, 15}, true, -1},
        {{21, 19, 21, 17, 5, 0}, false, 2}, // a third set after a match won 2-0
        {{21, 20, 21, 17, 0, 0}, false, 0}, // 21-20 is no set
        {{21, 19, 19, 21, 0, 0}, false, 2}, // split sets need a third
    };
    for (const auto &c : cases) {
        DayEntryDialog d(state, platform);
        FillOneSingleDay(d, c.scores);
        d.click(kValider);
        EXPECT_EQ(d.result() == kDayStored, c.valid) << c.scores[0] << "-" << c.scores[1];
        const SingleControls &s = kSingleControls[0];
        for (int set = 0; set < 3; ++set) {
            const int want = set == c.red_pair ? kMarkRed : kMarkFace;
            EXPECT_EQ(LastMark(d, s.player[set]), want) << "set " << set << " of " << c.scores[0];
            EXPECT_EQ(LastMark(d, s.opponent[set]), want);
        }
    }
    EXPECT_EQ(state.dayCount(), 1);
}

TEST_F(DayDialogs, headerRulesMarkTheirControlsUntilPutRight) {
    DayEntryDialog d(state, platform);
    FillOneSingleDay(d);
    for (int id : {kPlaceCombo, kPouleCombo, kDivisionCombo})
        d.setText(id, "");
    d.setText(kSingleControls[0].classement, "trente");
    d.click(kValider);
    EXPECT_NE(d.result(), kDayStored);
    for (int id : {kPlaceCombo, kPouleCombo, kDivisionCombo, kSingleControls[0].classement})
        EXPECT_EQ(LastMark(d, id), kMarkRed) << id;
    EXPECT_EQ(LastMark(d, kTypeCombo), kMarkFace);
    FillHeader(d);
    d.setText(kSingleControls[0].classement, "25");
    d.click(kValider);
    EXPECT_EQ(d.result(), kDayStored);
    for (const Mark &m : d.markList())
        EXPECT_EQ(m.colour, kMarkFace) << m.id;
}

TEST_F(DayDialogs, anUntickedSingleIsDisabledNeitherValidatedNorRead) {
    DayEntryDialog d(state, platform);
    FillOneSingleDay(d);
    const SingleControls &second = kSingleControls[1];
    EXPECT_FALSE(d.enabled(second.classement));
    EXPECT_FALSE(d.enabled(kDoubleControls.names[2]));
    FillSingle(d, 1, "garbage", {21, 20, 5, 0, 3, 3}, "Jamais lu");
    d.click(kValider);
    ASSERT_EQ(d.result(), kDayStored);
    const Day_Sheet &day = state.Mem_Days[0];
    EXPECT_EQ(day.singles[1].played, 0u);
    EXPECT_EQ(day.singles[1].name[0], 0);
    EXPECT_EQ(day.double_match.played, 0u);
    d.click(second.check);
    EXPECT_TRUE(d.enabled(second.name));
}

TEST_F(DayDialogs, theSeasonFollowsTheClockAndTheButtonsAndTheTypeTheSex) {
    platform.fixedClock.set({2000, 7, 31});
    EXPECT_EQ(DayEntryDialog(state, platform).text(kSeasonStatic), "Championnat 1999 - 2000");
    platform.fixedClock.set({2000, 8, 1});
    DayEntryDialog d(state, platform);
    EXPECT_EQ(d.text(kSeasonStatic), "Championnat 2000 - 2001");
    d.click(kSeasonPlus);
    d.click(kSeasonPlus);
    d.click(kSeasonMinus);
    EXPECT_EQ(d.text(kSeasonStatic), "Championnat 2001 - 2002");
    EXPECT_FALSE(d.enabled(kTypeCombo)); // 'M': "Masculin" only
    state.Current_Profile.sex = 'F';
    DayEntryDialog f(state, platform);
    EXPECT_EQ(f.text(kTypeCombo), "Féminin");
    EXPECT_TRUE(f.enabled(kTypeCombo));
    EXPECT_GT(f.controlAs<QLineEdit>(1058)->maxLength(), 2); // the 4th single's scores
}

TEST_F(DayDialogs, validerRightAfterTypingStoresThePointsOfTheLastScore) {
    DayEntryDialog d(state, platform);
    FillOneSingleDay(d, {21, 19, 19, 21, 0, 0});
    d.tick(kDayEntryTimer); // shows 9: the split sets decide nothing yet
    d.setText(1016, "21");
    d.setText(1014, "17");
    d.click(kValider); // before the next tick
    ASSERT_EQ(d.result(), kDayStored);
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 4);
}

TEST_F(DayDialogs, aDayTheFileCannotTakeIsRefusedBeforeAnythingChanges) {
    state.Mem_Days.resize(742);
    state.Current_Profile.day_count = 742;
    DayEntryDialog full(state, platform);
    full.show();
    FillOneSingleDay(full);
    full.click(kValider);
    EXPECT_TRUE(full.isVisible());
    EXPECT_EQ(state.dayCount(), 742);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Le fichier du joueur est plein : cette journée ne peut pas être enregistrée.");
}

// ---------------------------------------------------------------------------------------
// Championship lists and the viewer

Day_Sheet Day(const char *season, uint32_t number, int32_t points) {
    Day_Sheet d = MakeDay(season, "30", {{"20", points, true, {21, 21, 0}, {19, 17, 0}}});
    d.number = number;
    d.type = 'M';
    SetFieldText(d.team, "TC Ville");
    SetFieldText(d.division, "D1");
    d.team_letter = 'A';
    return d;
}

void AddDays(SharedState &state, std::initializer_list<Day_Sheet> days) {
    for (const Day_Sheet &d : days)
        AddDay(state, d);
}

TEST_F(DayDialogs, twoSeasonsGiveTwoRowsWithoutTheWordChampionnat) {
    AddDays(state, {Day("Championnat 2001 - 2002", 1, 4), Day("Championnat 2000 - 2001", 1, 3),
                    Day("Championnat 2001 - 2002", 2, 2)});
    ChampionshipListDialog d(ChampionshipListDialog::Purpose::View, state, platform);
    SeasonList &list = d.list();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.textAt(0, 0), "2000 - 2001");
    const char *row[] = {"2001 - 2002", "2", "30", "TC Ville", "6"};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(list.textAt(1, c), row[c]) << c;
    EXPECT_FALSE(d.enabled(kValider));
    ChampionshipListDialog m(ChampionshipListDialog::Purpose::Modify, state, platform);
    EXPECT_EQ(m.list().head(1), "Nombre de journée");
}

TEST_F(DayDialogs, afterSortingByPointsValiderOpensTheSelectedRowsDays) {
    AddDays(state, {Day("Championnat 1999 - 2000", 5, 4), Day("Championnat 2000 - 2001", 7, 4),
                    Day("Championnat 2000 - 2001", 8, 4), Day("Championnat 2000 - 2001", 9, 4)});
    std::vector<QString> tabs;
    platform.onDialog([](QDialog &dialog) {
        auto &d = dynamic_cast<ChampionshipListDialog &>(dialog);
        d.list().sortByColumn(4);
        EXPECT_EQ(d.list().textAt(0, 4), "12"); // "12" before "4" as text
        d.list().selectRow(0);
        d.click(kValider);
        EXPECT_EQ(d.chosenChampionship(), 1);
        d.click(kAnnuler);
    });
    platform.onDialog([&](QDialog &dialog) {
        auto &v = dynamic_cast<DayViewerDialog &>(dialog);
        for (int t = 0; t < v.tabs().count(); ++t)
            tabs.push_back(v.tabs().tabText(t));
        v.tabs().tabBar()->setCurrentIndex(2);
        EXPECT_EQ(v.page()->text(kNumberEdit), "9");
        v.reject(); // Escape
        EXPECT_TRUE(v.isVisible());
        v.click(kValider);
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
    d.click(kValider);
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(d.chosenChampionship(), -1);
}

TEST_F(DayDialogs, theViewerPageShowsAStoredDayReadOnly) {
    Day_Sheet day = Day("Championnat 2000 - 2001", 4, -2);
    day.singles[1].played = 0;
    SetFieldText(day.singles[1].name, "Absent");
    AddDay(state, day);
    DayViewerDialog v(state, GroupDays(state)[0]);
    TemplatePage &p = *v.page();
    EXPECT_EQ(p.text(kSingleControls[0].player[0]), "21");
    EXPECT_EQ(p.text(kSingleControls[0].player[2]), ""); // a 0 score shows nothing
    EXPECT_EQ(p.text(kSingleControls[0].points), "-2");
    EXPECT_FALSE(p.enabled(kSingleControls[1].name));
    EXPECT_TRUE(p.controlAs<QLineEdit>(kDivisionCombo)->isReadOnly());
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
        if (after)
            after(d);
        d.click(kAnnuler);
    });
    platform.onDialog([body](QDialog &dialog) { body(dynamic_cast<ModifyDaysDialog &>(dialog)); });
}

TEST_F(DayDialogs, editingSwitchingTabsDeletingThenAnnulerLeavesTheFileAsItWas) {
    AddDays(state, {Day("Championnat 2000 - 2001", 1, 4), Day("Championnat 2000 - 2001", 2, 4)});
    save();
    const QByteArray before = fileBytes();
    platform.answers = {false, true};
    ModifyRow(platform, 0, [&](ModifyDaysDialog &m) {
        m.page()->setText(kClubEdit, "Autre club");
        EXPECT_TRUE(m.tabs().selectTab(1));
        EXPECT_EQ(m.page()->text(kNumberEdit), "2");
        m.click(kSupprimer); // "Non"
        EXPECT_EQ(m.tabs().count(), 2);
        m.click(kSupprimer);
        EXPECT_EQ(m.tabs().count(), 1);
        EXPECT_EQ(reload().days.size(), 1u); // saved at once
        m.click(kAnnuler);
    });
    EXPECT_EQ(RunModifyDay(context), 1);
    EXPECT_EQ(state.dayCount(), 2);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(DayDialogs, aFreeTextClassementBlocksTheChangeOfTab) {
    AddDays(state, {Day("Championnat 2000 - 2001", 1, 4), Day("Championnat 2000 - 2001", 2, 4)});
    const Day_Sheet first = state.Mem_Days[0];
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    m.page()->setText(kSingleControls[0].classement, "trente");
    m.tabs().tabBar()->setCurrentIndex(1); // as a click
    EXPECT_EQ(m.tabs().tabBar()->currentIndex(), 0);
    EXPECT_EQ(LastMark(*m.page(), kSingleControls[0].classement), kMarkRed);
    EXPECT_EQ(std::memcmp(&state.Mem_Days[0], &first, sizeof(Day_Sheet)), 0);
    // Corrected, the page is written back and the change goes through.
    m.page()->setText(kSingleControls[0].classement, "25");
    EXPECT_TRUE(m.tabs().selectTab(1));
    EXPECT_EQ(state.Mem_Days[0].singles[0].points, 3);
}

TEST_F(DayDialogs, validerKeepsEveryVisitedPageWithFreshPointsAndUnplayedRowsAsStored) {
    Day_Sheet first = Day("Championnat 2000 - 2001 bis", 1, 4);
    first.singles[2] = {}; // unplayed, with stale data that must stay
    SetFieldText(first.singles[2].name, "Ancien");
    first.singles[2].player_scores[0] = 21;
    first.singles[2].points = 1;
    SetFieldText(first.double_match.partner, "Partenaire");
    AddDays(state, {first, Day("Championnat 2000 - 2001 bis", 2, 4)});
    save();
    ModifyRow(platform, 0, [](ModifyDaysDialog &m) {
        m.page()->setText(kClubEdit, "Autre club");
        m.tabs().selectTab(1);
        m.page()->setText(kSingleControls[0].opponent[1], "19");
        m.click(kValider); // no tick has run: the points are worked out now
    });
    RunModifyDay(context);
    const PlayerData data = reload();
    const Day_Sheet &after = data.days.at(0);
    EXPECT_EQ(FieldText(after.opponent_club), "Autre club");
    EXPECT_EQ(FieldText(after.season), "Championnat 2000 - 2001 bis"); // whole, as shown
    EXPECT_EQ(std::memcmp(&after.singles[2], &first.singles[2], sizeof(Single_Slot)), 0);
    EXPECT_EQ(std::memcmp(&after.double_match, &first.double_match, sizeof(Double_Block)), 0);
    EXPECT_EQ(data.days.at(1).singles[0].opponent_scores[1], 19u);
    EXPECT_EQ(data.days.at(1).singles[0].points, 4);
}

TEST_F(DayDialogs, deletingTheOnlyDayOfAChampionshipRemovesItsRow) {
    AddDays(state, {Day("Championnat 1999 - 2000", 1, 4), Day("Championnat 2000 - 2001", 1, 4)});
    save();
    ModifyRow(
        platform, 0, [](ModifyDaysDialog &m) { m.click(kSupprimer); },
        [](ChampionshipListDialog &d) {
            ASSERT_EQ(d.list().rowCount(), 1);
            EXPECT_EQ(d.list().textAt(0, 0), "2000 - 2001");
        });
    RunModifyDay(context);
    EXPECT_EQ(platform.messages.at(0).text, "Suppression de cet onglet ???");
    EXPECT_EQ(platform.messages.at(0).caption, "Confirmation de suppression");
    EXPECT_EQ(reload().days.size(), 1u);
}

TEST_F(DayDialogs, afterADeletionTheTabsFollowTheChampionshipsNewDays) {
    // Days 0 and 2 form one championship, day 1 another; deleting day 0 moves day 2 to 1.
    AddDays(state, {Day("Championnat 2000 - 2001", 1, 4), Day("Championnat 1999 - 2000", 5, 4),
                    Day("Championnat 2000 - 2001", 2, 4)});
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
    EXPECT_EQ(FieldText(state.Mem_Days[1].opponent_club), "Nouveau");
}

TEST_F(DayDialogs, plusOnThePageMovesTheDayToTheNextSeason) {
    AddDays(state, {Day("Championnat 1999 - 2000", 1, 4), Day("Championnat 1999 - 2000", 2, 4)});
    save();
    ModifyRow(
        platform, 0,
        [](ModifyDaysDialog &m) {
            m.page()->click(kSeasonPlus);
            m.click(kValider);
        },
        [](ChampionshipListDialog &d) { EXPECT_EQ(d.list().textAt(1, 0), "2000 - 2001"); });
    RunModifyDay(context);
    EXPECT_EQ(FieldText(reload().days.at(0).season), "Championnat 2000 - 2001");
}

// A season name holds two years of four digits: a longer one is shown whole
// and refused, and "+" / "-" never leave the years a name can hold.
TEST_F(DayDialogs, aSeasonYearIsReadWholeRefusedWhenTooLongAndKeptInRangeByTheButtons) {
    AddDay(state, Day("Championnat 20011 - 20012", 1, 4));
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    EXPECT_EQ(m.pageSeason(), 20011);
    m.click(kValider);
    EXPECT_EQ(LastMark(*m.page(), kSeasonStatic), kMarkRed);
    EXPECT_EQ(m.result(), 0);
    m.page()->click(kSeasonPlus); // already past the last season: stays
    EXPECT_EQ(m.page()->text(kSeasonStatic), "Championnat 20011 - 20012");
    m.page()->click(kSeasonMinus);
    EXPECT_EQ(m.page()->text(kSeasonStatic), "Championnat 9998 - 9999");
    m.click(kValider);
    EXPECT_EQ(m.result(), 1);
    EXPECT_EQ(FieldText(reload().days.at(0).season), "Championnat 9998 - 9999");
}

TEST_F(DayDialogs, theBackupHoldsEveryDay) {
    for (int i = 0; i < 800; ++i)
        AddDay(state, Day("Championnat 2000 - 2001", uint32_t(i), 0));
    BackupDays(state);
    DeleteDay(state, 0);
    RestoreDays(state);
    EXPECT_EQ(state.dayCount(), 800);
    EXPECT_EQ(state.Mem_Days[0].number, 0u);
}

} // namespace
} // namespace zel
