// The day dialogs driven by control id: entry, championship lists, viewer, modification.
#include "days/championship_dialogs.h"
#include "days/day_commands.h"
#include "days/day_entry_dialog.h"
#include "days/day_store.h"
#include "resources/templates/day_form_template.h"
#include "support/saved_player.h"

#include "day_fixtures.h"
#include "day_form_fill.h"

#include <QTimer>

#include <map>

namespace zel {
namespace {

using namespace test;

constexpr int kValider = 1037, kAnnuler = 1038, kSupprimer = 1039;

// A male player classed "30" in a championship whose lowest classement is "40"
// (N = 7), with his file in a temporary players' directory.
class DayDialogs : public ::testing::Test, public SavedPlayer {
  protected:
    void SetUp() override {
        state = MakePlayer(7, "30");
        SetFieldText(state.Current_Profile.club, "TC Ville");
        SetFieldText(state.Current_Profile.file_name, "dupont.usr");
        state.Current_Profile.sex = 'M';
        saveAsLoaded();
    }

    // Team days as {season's years, number, points}, stored in this order.
    void addDays(std::initializer_list<std::tuple<const char *, uint32_t, int32_t>> days) {
        for (const auto &[years, number, points] : days)
            AddDay(state, MakeTeamDay(std::string("Championnat ") + years, number, points));
    }

    // Opens the modification list at `row` and runs `body` in MODIF_DAY.
    int modifyRow(int row, std::function<void(ModifyDaysDialog &)> body,
                  std::function<void(QDialog &)> after = {}) {
        return throughList(
            RunModifyDay,
            [body](QDialog &dialog) {
                auto &m = dynamic_cast<ModifyDaysDialog &>(dialog);
                EXPECT_TRUE(m.timerActive(kModifyDayTimer));
                body(m);
                EXPECT_FALSE(m.timerActive(kModifyDayTimer)); // stopped on every way out
            },
            FakePlatform::Closes, row, after);
    }
};

// Where the controls whose last mark is red are marked, as "id@x,y", in the order marked.
std::string RedMarks(const TemplateForm &f) {
    std::map<int, Mark> last;
    std::vector<int> order;
    for (const Mark &m : f.markList())
        if (last.insert_or_assign(m.id, m).second)
            order.push_back(m.id);
    std::string out;
    for (int id : order)
        if (const Mark &m = last[id]; m.colour == kMarkRed)
            out += std::to_string(id) + "@" + std::to_string(m.x) + "," + std::to_string(m.y) + " ";
    return out;
}

QString Items(const TemplateForm &f, int id) {
    QStringList items;
    for (int i = 0; i < f.itemCount(id); ++i)
        items << f.itemText(id, i);
    return items.join(' ');
}

// ---------------------------------------------------------------------------------------
// JOURNEEBOX

TEST_F(DayDialogs, aWholeDayIsStoredAsTypedSavedAndReloaded) {
    platform.onDialog([](QDialog &d) {
        TemplateDialog &f = FakePlatform::form(d);
        FillHeader(f);
        f.setText(kSingleControls[0].name, "Martin");
        FillSingle(f, 0, "20", {21, 19, 21, 17, 0, 0});
        FillSingle(f, 1, "35", {19, 21, 15, 21, 0, 0});
        FillSingle(f, 2, "NC", {21, 19, 19, 21, 21, 15});
        FillSingle(f, 3, "1T", {10, 21, 21, 12, 12, 21});
        f.setText(kDoubleControls.names[0], "Durand");
        for (int id : kDoubleControls.classements)
            f.setText(id, "30");
        FillSets(f, kDoubleControls.pair, kDoubleControls.opponents, {21, 18, 21, 16, 0, 0});
        f.click(kValider);
    });
    EXPECT_EQ(RunAddDay(context), kDayStored);
    ASSERT_EQ(state.dayCount(), 1);
    const Day_Sheet &d = state.Mem_Days[0];
    const Double_Block &pair = d.double_match;
    EXPECT_EQ((std::vector<std::string_view>{
                  FieldText(d.season), FieldText(d.classement), FieldText(d.team), FieldText(d.opponent_club),
                  FieldText(d.division), FieldText(d.place), FieldText(d.singles[0].name),
                  FieldText(d.singles[0].classement), FieldText(pair.partner), FieldText(pair.opponent2),
                  FieldText(pair.opponent1_classement)}),
              (std::vector<std::string_view>{"Championnat 2000 - 2001", "30", "TC Ville", "Club Rival", "D1",
                                             "Domicile", "Martin", "20", "Durand", "Anonyme", "30"}));
    EXPECT_EQ(
        (std::vector<int>{d.day, d.month, d.type, d.poule, d.team_letter, d.division_poule, int(d.number),
                          int(d.singles[2].player_scores[2]), int(d.singles[2].opponent_scores[2]),
                          int(pair.pair_scores[1]), int(pair.opponent_scores[1]), int(pair.played)}),
        (std::vector<int>{12, 10, 'M', 'B', 'A', '2', 3, 21, 15, 21, 16, 1}));
    const int32_t points[4] = {4, -3, 0, 0};
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(std::pair(d.singles[k].played, d.singles[k].points), std::pair(1u, points[k])) << k;
}

TEST_F(DayDialogs, theTimerShowsASinglesPointsNineUntilDecidedAndNothingForAnOffScaleLabel) {
    DayEntryDialog d(state, platform);
    const struct {
        const char *label;
        std::array<int, 6> scores;
        const char *shown;
    } cases[] = {
        {"20", {21, 19, 21, 17, 0, 0}, "4"},     // two steps stronger
        {"20", {21, 19, 19, 21, 0, 0}, "9"},     // the sets decide nothing yet
        {"45", {21, 19, 21, 17, 0, 0}, "avant"}, // off the scale: the field keeps its text
    };
    for (const auto &c : cases) {
        d.setText(1020, "avant");
        FillSingle(d, 0, c.label, c.scores);
        d.tick(kDayEntryTimer);
        EXPECT_EQ(d.text(1020).toStdString(), c.shown) << c.label << " " << c.scores[2] << "-" << c.scores[3];
    }
}

TEST_F(DayDialogs, theSetsOfASingleAndOfTheDoubleDecideValidityAndAreMarkedAtTheirPlace) {
    const struct {
        bool in_double;
        std::array<int, 6> scores;
        const char *red;
    } cases[] = {
        {false, {21, 19, 21, 17, 5, 0}, "1016@12,-10 1014@12,-10 "}, // a third set after a match won 2-0
        {false, {21, 20, 21, 17, 0, 0}, "1011@12,-10 1015@12,-10 "}, // 21-20 is no set
        {false, {21, 19, 19, 21, 0, 0}, "1016@12,-10 1014@12,-10 "}, // split sets need a third
        {true, {21, 19, 19, 21, 0, 0}, "1034@12,-10 1032@12,-10 "},
    };
    for (const auto &c : cases) {
        DayEntryDialog d(state, platform);
        FillOneSingleDay(d, c.in_double ? std::array<int, 6>{21, 19, 21, 17, 0, 0} : c.scores);
        if (c.in_double) {
            d.click(kDoubleControls.check);
            for (int id : kDoubleControls.classements)
                d.setText(id, "30");
            FillSets(d, kDoubleControls.pair, kDoubleControls.opponents, c.scores);
        }
        d.click(kValider);
        EXPECT_EQ(std::tuple(RedMarks(d), d.result() == kDayStored), std::tuple(std::string(c.red), !*c.red))
            << c.in_double << " " << c.scores[1];
    }
}

TEST_F(DayDialogs, headerAndClassementFaultsAreMarkedAtTheirPlaceUntilPutRight) {
    DayEntryDialog d(state, platform);
    FillOneSingleDay(d);
    d.click(kDoubleControls.check);
    FillSets(d, kDoubleControls.pair, kDoubleControls.opponents, {21, 19, 21, 17, 0, 0});
    for (int id : {kPlaceCombo, kPouleCombo, kTeamLetterCombo, kDivisionCombo})
        d.setText(id, "");
    d.setText(kSingleControls[0].classement, "trente");
    d.setText(kDoubleControls.classements[1], "30"); // the partner's and the second opponent's stay empty
    d.click(kValider);
    EXPECT_NE(d.result(), kDayStored);
    EXPECT_EQ(RedMarks(d), "1022@36,-8 1036@8,-8 1039@8,-8 1019@12,-8 1066@12,-8 1006@12,-8 1007@12,-8 ");
    FillHeader(d);
    for (int id :
         {kSingleControls[0].classement, kDoubleControls.classements[0], kDoubleControls.classements[2]})
        d.setText(id, "25");
    d.click(kValider);
    EXPECT_EQ(std::tuple(d.result(), RedMarks(d)), std::tuple(kDayStored, ""));
}

TEST_F(DayDialogs, anUntickedMatchTakesNoInputAndIsNeitherValidatedNorRead) {
    DayEntryDialog d(state, platform);
    d.show();
    const SingleControls &second = kSingleControls[1];
    QTest::keyClicks(d.control(second.classement), "zz"); // typed while it was still played
    EXPECT_EQ(d.text(second.classement), "zz");
    FillOneSingleDay(d);
    QTest::keyClicks(d.control(second.name), "Jamais lu");
    EXPECT_EQ(d.text(second.name), "Anonyme");
    d.click(kValider);
    ASSERT_EQ(d.result(), kDayStored);
    const Day_Sheet &day = state.Mem_Days[0];
    EXPECT_EQ(std::tuple(day.singles[1].played, FieldText(day.singles[1].name), day.double_match.played),
              std::tuple(0u, "", 0u));
    d.click(second.check);
    EXPECT_TRUE(d.enabled(second.name));
}

TEST_F(DayDialogs, theFormOffersItsListsInOrderTheTypeBySexAndTheSeasonOfTheClock) {
    platform.fixedClock.set({2000, 7, 31}); // before August: the season begun the year before
    DayEntryDialog m(state, platform);
    EXPECT_EQ(m.text(kSeasonStatic), "Championnat 1999 - 2000");
    for (int id : {kSeasonPlus, kSeasonPlus, kSeasonMinus})
        m.click(id);
    EXPECT_EQ(m.text(kSeasonStatic), "Championnat 2000 - 2001");
    const std::pair<int, const char *> lists[] = {
        {kDivisionCombo, "SP N1 N2 N3 N4 R1 R2 R3 R4 D1 D2 D3 D4 AD"},
        {kTypeCombo, "Masculin"},
        {kPlaceCombo, "Domicile Extérieur"},
        {kPouleCombo, "A B"},
        {kTeamLetterCombo, "A X"}};
    for (const auto &[id, items] : lists)
        EXPECT_EQ(Items(m, id), QString::fromUtf8(items)) << id;
    for (const SingleControls &s : kSingleControls)
        EXPECT_EQ(Items(m, s.classement), "NC 40 35 30 25 20 15 4T 3T 2T 1T") << s.classement;
    for (int id : kDoubleControls.classements)
        EXPECT_EQ(Items(m, id), "NC 40 35 30 25 20 15 4T 3T 2T 1T") << id;
    EXPECT_FALSE(m.enabled(kTypeCombo));
    state.Current_Profile.sex = 'F';
    DayEntryDialog f(state, platform);
    EXPECT_EQ(std::tuple(Items(f, kTypeCombo), f.text(kTypeCombo), f.enabled(kTypeCombo)),
              std::tuple("Féminin Masculin", "Féminin", true));
}

TEST_F(DayDialogs, aDayTheFileCannotTakeIsRefusedBeforeAnythingChanges) {
    state.Mem_Days.resize(742);
    state.Current_Profile.day_count = 742;
    platform.onDialog(
        [](QDialog &d) {
            FillOneSingleDay(FakePlatform::form(d));
            FakePlatform::form(d).click(kValider);
        },
        FakePlatform::StaysOpen);
    RunAddDay(context);
    EXPECT_EQ(state.dayCount(), 742);
    EXPECT_EQ(platform.messages,
              (std::vector<FakePlatform::Message>{
                  {"Le fichier du joueur est plein : cette journée ne peut pas être enregistrée.",
                   "Zel Manager", Icon::Exclamation}}));
}

// ---------------------------------------------------------------------------------------
// Championship lists and the viewer

TEST_F(DayDialogs, aRowPerSeasonWithoutTheWordChampionnatAndAfterSortingValiderOpensItsDays) {
    addDays({{"1999 - 2000", 5, 4}, {"2000 - 2001", 7, 4}, {"2000 - 2001", 8, 8}, {"2000 - 2001", 9, -2}});
    std::vector<QString> tabs;
    platform.onDialog([](QDialog &dialog) {
        auto &d = dynamic_cast<ChampionshipListDialog &>(dialog);
        SeasonList &list = d.list();
        ASSERT_EQ(list.rowCount(), 2);
        const char *row[] = {"2000 - 2001", "3", "30", "TC Ville", "10"};
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(list.textAt(1, c), row[c]) << c;
        EXPECT_FALSE(d.enabled(kValider));
        list.selectRow(0);
        list.clearRowSelection();
        d.click(kValider); // no row selected: nothing opens
        EXPECT_EQ(d.chosenChampionship(), -1);
        list.sortByColumn(4);
        // Sorted as text, "10" comes before "4": the second season is row 0.
        list.selectRow(0);
        d.click(kValider);
        d.click(kAnnuler);
    });
    platform.onDialog([&](QDialog &dialog) {
        auto &v = dynamic_cast<DayViewerDialog &>(dialog);
        for (int t = 0; t < v.tabs().count(); ++t)
            tabs.push_back(v.tabs().tabText(t));
        v.tabs().tabBar()->setCurrentIndex(2);
        EXPECT_EQ(v.page()->text(kSingleControls[0].points), "-2");
        v.click(kValider);
    });
    EXPECT_EQ(RunViewChampionships(context), 1);
    EXPECT_EQ(tabs, (std::vector<QString>{"Journée n°7", "Journée n°8", "Journée n°9"}));
}

// ---------------------------------------------------------------------------------------
// MODIF_CHAMP, MODIF_DAY

TEST_F(DayDialogs, annulerLeavesTheFileAsItWasAFreeTextClassementKeepsItsPageValiderKeepsEveryVisitedPage) {
    Day_Sheet first = MakeTeamDay("Championnat 2000 - 2001 bis", 1, 4);
    first.singles[2] = {0, "Ancien", "", {}, {21, 0, 0}, {}, 1}; // unplayed, with stale data that must stay
    SetFieldText(first.double_match.partner, "Partenaire");
    AddDay(state, first);
    addDays({{"2000 - 2001 bis", 2, 4}});
    save();
    const QByteArray before = fileBytes();
    platform.answers = {false, true};
    const int ended = modifyRow(0, [&](ModifyDaysDialog &m) {
        EXPECT_EQ(m.findChild<QTimer *>()->interval(), 500);
        m.page()->setText(kClubEdit, "Autre club");
        EXPECT_TRUE(m.tabs().selectTab(1));
        EXPECT_EQ(m.page()->text(kNumberEdit), "2");
        m.click(kSupprimer); // "Non"
        EXPECT_EQ(m.tabs().count(), 2);
        m.click(kSupprimer);
        EXPECT_EQ(m.tabs().count(), 1);
        m.click(kAnnuler);
    });
    EXPECT_EQ(std::tuple(ended, state.dayCount(), fileBytes()), std::tuple(1, 2, before));
    EXPECT_EQ(platform.messages.at(0),
              (FakePlatform::Message{"Suppression de cet onglet ???", "Confirmation de suppression",
                                     Icon::Exclamation, true}));
    modifyRow(0, [&](ModifyDaysDialog &m) {
        m.page()->setText(kClubEdit, "Autre club");
        m.page()->setText(kSingleControls[0].classement, "trente");
        m.tabs().tabBar()->setCurrentIndex(1); // as a click: a free-text classement keeps the page
        EXPECT_EQ(m.tabs().tabBar()->currentIndex(), 0);
        EXPECT_EQ(RedMarks(*m.page()), "1066@12,-8 ");
        EXPECT_EQ(std::memcmp(&state.Mem_Days[0], &first, sizeof(Day_Sheet)), 0);
        m.page()->setText(kSingleControls[0].classement, "25");
        EXPECT_TRUE(m.tabs().selectTab(1)); // corrected, the page is written back
        EXPECT_EQ(state.Mem_Days[0].singles[0].points, 3);
        m.page()->setText(kSingleControls[0].opponent[1], "19");
        m.click(kValider); // no tick has run: the points are worked out now
    });
    const PlayerData data = reload();
    const Day_Sheet &after = data.days.at(0);
    EXPECT_EQ(
        std::tuple(FieldText(after.opponent_club), FieldText(after.season)), // the season whole, as shown
        std::tuple("Autre club", "Championnat 2000 - 2001 bis"));
    EXPECT_EQ(std::memcmp(&after.singles[2], &first.singles[2], sizeof(Single_Slot)), 0);
    EXPECT_EQ(std::memcmp(&after.double_match, &first.double_match, sizeof(Double_Block)), 0);
    EXPECT_EQ(std::tuple(data.days.at(1).singles[0].opponent_scores[1], data.days.at(1).singles[0].points),
              std::tuple(19u, 4));
}

TEST_F(DayDialogs, afterADeletionTheTabsFollowTheChampionshipsDaysAndItsLastDeletionEndsTheDialog) {
    // Days 0 and 2 form one championship, day 1 another; deleting day 0 moves day 2 to 1.
    addDays({{"2000 - 2001", 1, 4}, {"1999 - 2000", 5, 4}, {"2000 - 2001", 2, 4}});
    save();
    modifyRow(1, [](ModifyDaysDialog &m) {
        m.click(kSupprimer);
        ASSERT_EQ(m.tabs().count(), 1);
        m.page()->setText(kClubEdit, "Nouveau");
        m.click(kValider);
    });
    // The other season's day first, untouched.
    EXPECT_EQ(std::tuple(state.dayCount(), FieldText(state.Mem_Days[0].opponent_club),
                         FieldText(state.Mem_Days[1].opponent_club)),
              std::tuple(2, "", "Nouveau"));
    // The 1999 season's only day gone, its dialog ends and its row goes.
    modifyRow(
        0, [](ModifyDaysDialog &m) { m.click(kSupprimer); },
        [](QDialog &dialog) {
            auto &d = dynamic_cast<ChampionshipListDialog &>(dialog);
            ASSERT_EQ(d.list().rowCount(), 1);
            EXPECT_EQ(d.list().textAt(0, 0), "2000 - 2001");
        });
}

// A season name holds two years of four digits: a longer one is shown whole
// and refused, and "+" / "-" never leave the years a name can hold.
TEST_F(DayDialogs, aSeasonYearIsReadWholeRefusedWhenTooLongAndKeptInRangeByTheButtons) {
    AddDay(state, MakeTeamDay("Championnat 20011 - 20012", 1, 4));
    ModifyDaysDialog m(state, platform, GroupDays(state)[0]);
    EXPECT_EQ(m.pageSeason(), 20011);
    m.click(kValider);
    EXPECT_EQ(std::tuple(RedMarks(*m.page()), m.result()), std::tuple("1052@12,-8 ", 0));
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
        AddDay(state, MakeTeamDay("Championnat 2000 - 2001", uint32_t(i), 0));
    BackupDays(state);
    DeleteDay(state, 0);
    RestoreDays(state);
    EXPECT_EQ(std::tuple(state.dayCount(), state.Mem_Days[0].number), std::tuple(800, 0u));
}

} // namespace
} // namespace zel
