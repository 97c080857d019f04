// zel-export: every exported figure against values worked out by hand, CSV
// quoting, and refusal of bad files and bad usage.
#include "export/export.h"

#include "days/day_fixtures.h"
#include "stats/history_fixture.h"
#include "text/fixed_text.h"
#include "storage/player_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zel {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// The known player. Own classement "30" with the lowest classement "40"
// (N = 7: "NC", "40", "35", "30", "25", "20", "15"), so that on the player's
// steps NC < 40 < 35 < 30 < 25 < 20 < 15 < 4T. Texts are Windows-1252.
//
// Store order (the 2000 season was typed first, then last year's day):
//   day 0  2000 - 2001, poule A, home:   W "20" 2 sets (4), W "35" 3 sets (1),
//                                        L "30" 3 sets (-2), 4th unplayed (stale 3)
//   day 1  2000 - 2001, poule B, away:   W "NC" (0), L "25" 11-8 5-11 0-11 (0),
//                                        L "40" (-4), W "15" 3 sets (4)
//   day 2  1999 - 2000, poule A, home, own "35" then: W "35" (2), L "30" (0)
//   day 3  2000 - 2001, poule A, home:   nothing played; the 1st slot holds a
//                                        stale -4 and a third set of 6
//   tournament 0  "2000 - 2001": "20" 0-1, "30" 1-1, "35" 1-0, "NC" 2-0 (points 1)
//   tournament 1  "1998 - 1999": "40" 3-0 (points 3), a season with no days
// ---------------------------------------------------------------------------

constexpr std::string_view kPassword = "Secret42";

Day_Sheet Day(std::string_view season, uint8_t day, uint8_t month, std::string_view own, char poule,
              std::string_view place, std::initializer_list<test::Single> singles) {
    Day_Sheet d = test::MakeDay(season, own, singles, poule, place);
    d.day = day;
    d.month = month;
    d.type = 'M';
    d.number = month; // any number will do; it is exported as typed
    SetFieldText(d.division, "R2");
    d.division_poule = '3';
    SetFieldText(d.team, "Saint-\xC9tienne 2");
    d.team_letter = 'A';
    SetFieldText(d.opponent_club, "Lyon, \"Les Pieds\" \xE9t\xE9");
    return d;
}

Tournament_Sheet Tournament(std::string_view season, std::string_view name, uint32_t day, uint32_t month,
                            uint32_t year, int32_t points, std::string_view own) {
    Tournament_Sheet t{};
    SetFieldText(t.season, season);
    SetFieldText(t.name, name);
    t.day = day, t.month = month, t.year = year, t.points = points;
    SetFieldText(t.classement, own);
    return t;
}

PlayerData KnownPlayer() {
    PlayerData p;
    p.profile = {};
    SetFieldText(p.profile.name, "Dupont");
    SetFieldText(p.profile.first_name, "Jean-\xC9ric");
    p.profile.age = 34;
    p.profile.sex = 'M';
    SetFieldTextFull(p.profile.classement, "30");
    SetFieldText(p.profile.club, "TC Saint-\xC9tienne");
    SetFieldText(p.profile.password, kPassword);
    p.profile.licence = 1234567;
    SetFieldText(p.profile.file_name, "Dupont.usr");
    p.profile.scale_length = 7;

    const std::string_view y2000 = "Championnat 2000 - 2001", y1999 = "Championnat 1999 - 2000";
    // Singles as {label, points, played, player's sets, opponent's sets}.
    p.days.push_back(Day(y2000, 14, 10, "30", 'A', "Domicile",
                         {{"20", 4, true, {11, 11, 0}, {5, 7, 0}},
                          {"35", 1, true, {9, 11, 11}, {11, 6, 8}},
                          {"30", -2, true, {11, 7, 8}, {9, 11, 11}},
                          {"NC", 3, false}}));
    SetFieldText(p.days[0].singles[0].name, "Andr\xE9 L\xE9ger");
    SetFieldText(p.days[0].singles[3].name, "Forfait");
    p.days.push_back(Day(y2000, 4, 11, "30", 'B', "Ext\xE9rieur",
                         {{"NC", 0, true, {11, 11, 0}, {3, 4, 0}},
                          {"25", 0, true, {11, 5, 0}, {8, 11, 11}},
                          {"40", -4, true, {6, 7, 0}, {11, 11, 0}},
                          {"15", 4, true, {8, 11, 11}, {11, 9, 4}}}));
    p.days.push_back(Day(y1999, 20, 11, "35", 'A', "Domicile",
                         {{"35", 2, true, {11, 11, 0}, {2, 3, 0}}, {"30", 0, true, {4, 5, 0}, {11, 11, 0}}}));
    p.days.push_back(Day(y2000, 2, 12, "30", 'A', "Domicile",
                         {{"25", -4, false, {11, 5, 6}, {9, 11, 11}}})); // other slots left blank
    Double_Block &d = p.days[0].double_match;
    d.played = 1;
    SetFieldText(d.partner, "Chlo\xE9 Martin");
    SetFieldText(d.partner_classement, "35");
    SetFieldText(d.opponent1, "Paul Roux");
    SetFieldText(d.opponent1_classement, "30");
    SetFieldText(d.opponent2, "Luc Blanc");
    SetFieldText(d.opponent2_classement, "40");
    d.pair_scores[0] = 11, d.pair_scores[1] = 9, d.pair_scores[2] = 11;
    d.opponent_scores[0] = 8, d.opponent_scores[1] = 11, d.opponent_scores[2] = 7;

    // Columns are Classement_Index 0 .. N + 2, then "NC" at N + 3 = 10.
    Tournament_Sheet lyon = Tournament("2000 - 2001", "Open de Lyon", 15, 10, 2000, 1, "30");
    lyon.columns[5].defeats = 1;   // "20"
    lyon.columns[7].victories = 1; // "30"
    lyon.columns[7].defeats = 1;
    lyon.columns[8].victories = 1;  // "35"
    lyon.columns[10].victories = 2; // "NC"
    Tournament_Sheet hiver = Tournament("1998 - 1999", "Tournoi d'hiver", 10, 1, 1999, 3, "35");
    hiver.columns[9].victories = 3; // "40"
    p.tournaments = {lyon, hiver};

    p.profile.day_count = static_cast<int32_t>(p.days.size());
    p.profile.tournament_count = static_cast<int32_t>(p.tournaments.size());
    return p;
}

const json &Exported() {
    static const json j = ExportJson(KnownPlayer());
    return j;
}

std::vector<int> Indexed(std::initializer_list<std::pair<int, int>> cells) {
    std::vector<int> row(23, 0);
    for (auto [index, count] : cells)
        row[index] = count;
    return row;
}

TEST(ExportJson, hasExactlyTheFixedTopLevelKeysAndNoPassword) {
    std::vector<std::string> keys;
    for (const auto &[key, value] : Exported().items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"championships", "days", "history", "profile",
                                              "tournament_groups", "tournaments"}));
    const std::string json_text = Exported().dump();
    EXPECT_EQ(json_text.find(kPassword), std::string::npos);
    EXPECT_EQ(json_text.find("password"), std::string::npos);
    EXPECT_EQ(ExportCsv(KnownPlayer()).find(kPassword), std::string::npos);
}

TEST(ExportJson, profileInUtf8WithoutPassword) {
    const json expected = {{"name", "Dupont"},
                           {"first_name", "Jean-\u00C9ric"},
                           {"age", 34},
                           {"sex", "M"},
                           {"classement", "30"},
                           {"club", "TC Saint-\u00C9tienne"},
                           {"licence", 1234567},
                           {"file_name", "Dupont.usr"},
                           {"scale_length", 7},
                           {"day_count", 4},
                           {"tournament_count", 2}};
    EXPECT_EQ(Exported().at("profile"), expected);
}

json SingleJson(bool played, std::string_view name, std::string_view label, std::array<int, 3> player,
                std::array<int, 3> opponent, int points) {
    return {{"played", played},
            {"name", name},
            {"classement", label},
            {"player_scores", player},
            {"opponent_scores", opponent},
            {"points", points}};
}

TEST(ExportJson, daysInStoreOrderFieldByField) {
    const json &days = Exported().at("days");
    ASSERT_EQ(days.size(), 4u);
    const json day0 = {{"season", "Championnat 2000 - 2001"},
                       {"day", 14},
                       {"month", 10},
                       {"type", "M"},
                       {"classement", "30"},
                       {"number", 10},
                       {"division", "R2"},
                       {"division_poule", "3"},
                       {"team", "Saint-\u00C9tienne 2"},
                       {"team_letter", "A"},
                       {"opponent_club", "Lyon, \"Les Pieds\" \u00E9t\u00E9"},
                       {"place", "Domicile"},
                       {"poule", "A"},
                       {"singles",
                        {SingleJson(true, "Andr\u00E9 L\u00E9ger", "20", {11, 11, 0}, {5, 7, 0}, 4),
                         SingleJson(true, "", "35", {9, 11, 11}, {11, 6, 8}, 1),
                         SingleJson(true, "", "30", {11, 7, 8}, {9, 11, 11}, -2),
                         SingleJson(false, "Forfait", "NC", {0, 0, 0}, {0, 0, 0}, 3)}},
                       {"double",
                        {{"played", true},
                         {"partner", "Chlo\u00E9 Martin"},
                         {"partner_classement", "35"},
                         {"opponent1", "Paul Roux"},
                         {"opponent1_classement", "30"},
                         {"opponent2", "Luc Blanc"},
                         {"opponent2_classement", "40"},
                         {"pair_scores", {11, 9, 11}},
                         {"opponent_scores", {8, 11, 7}}}}};
    EXPECT_EQ(days[0], day0);
    EXPECT_EQ(days.at(1).at("place"), "Ext\u00E9rieur");
    EXPECT_EQ(days.at(2).at("classement"), "35");
    EXPECT_EQ(days.at(3).at("singles").at(0).at("played"), false);
    EXPECT_EQ(days.at(3).at("double").at("played"), false);
}

TEST(ExportJson, tournamentsInStoreOrderWithTheirColumns) {
    const json &t = Exported().at("tournaments");
    ASSERT_EQ(t.size(), 2u);
    const json lyon = {{"season", "2000 - 2001"},
                       {"name", "Open de Lyon"},
                       {"day", 15},
                       {"month", 10},
                       {"year", 2000},
                       {"victories", Indexed({{7, 1}, {8, 1}, {10, 2}})},
                       {"defeats", Indexed({{5, 1}, {7, 1}})},
                       {"points", 1},
                       {"classement", "30"}};
    EXPECT_EQ(t[0], lyon);
    EXPECT_EQ(t.at(1).at("name"), "Tournoi d'hiver");
    EXPECT_EQ(t.at(1).at("victories"), Indexed({{9, 3}}));
}

TEST(ExportJson, tournamentGroupsSortedByName) {
    const json expected = json::array({{{"name", "Championnat 1998 - 1999"},
                                        {"classement", "35"},
                                        {"count", 1},
                                        {"indices", json::array({1})},
                                        {"points", 3}},
                                       {{"name", "Championnat 2000 - 2001"},
                                        {"classement", "30"},
                                        {"count", 1},
                                        {"indices", json::array({0})},
                                        {"points", 1}}});
    EXPECT_EQ(Exported().at("tournament_groups"), expected);
}

TEST(ExportJson, championshipTableSortedWithDayIndicesAndTotals) {
    const json &c = Exported().at("championships");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c.at(0).at("name"), "Championnat 1999 - 2000");
    EXPECT_EQ(c.at(0).at("classement"), "35");
    EXPECT_EQ(c.at(0).at("days"), json::array({2}));
    EXPECT_EQ(c.at(0).at("total_points"), 2);
    EXPECT_EQ(c.at(1).at("name"), "Championnat 2000 - 2001");
    EXPECT_EQ(c.at(1).at("classement"), "30"); // from day 3, the last in store order
    EXPECT_EQ(c.at(1).at("days"), json::array({0, 1, 3}));
    // 4 + 1 - 2 + 0 + 0 - 4 + 4: unplayed singles' stale points do not count.
    EXPECT_EQ(c.at(1).at("total_points"), 3);
}

// Estimations by the match points rule, one result at a time, with "NC" one
// step below "40": a victory is worth 2 + d clamped to 0..4 and a defeat
// d - 2 clamped to -4..0 (0 once the opponent is stronger), d being how many
// steps the opponent stands above the chosen classement.
TEST(ExportJson, recapOfTheCurrentSeasonWithoutAndWithItsTournaments) {
    const json &c = Exported().at("championships").at(1);
    // Played: W "20", W "35", L "30"; W "NC" (0 points, weaker than the day's
    // "30"), L "25" (0 points, stronger), L "40", W "15".
    const json without = {
        {"victoires", Indexed({{4, 1}, {5, 1}, {8, 1}, {22, 1}})},
        {"defaites", Indexed({{6, 1}, {7, 1}, {9, 1}})},
        {"total_victoires", 4},
        {"total_defaites", 3},
        {"estimation", {{"NC", 14}, {"40", 10}, {"35", 7}, {"30", 3}, {"25", -2}, {"20", -6}, {"15", -9}}}};
    EXPECT_EQ(c.at("recap_without_tournaments"), without);
    // Plus "Open de Lyon" (same season): W "30", W "35", 2 W "NC", L "20", L "30".
    // "Tournoi d'hiver" belongs to a season without days and is never added.
    const json with = {
        {"victoires", Indexed({{4, 1}, {5, 1}, {7, 1}, {8, 2}, {22, 3}})},
        {"defaites", Indexed({{5, 1}, {6, 1}, {7, 2}, {9, 1}})},
        {"total_victoires", 8},
        {"total_defaites", 5},
        {"estimation",
         {{"NC", 26}, {"40", 19}, {"35", 12}, {"30", 4}, {"25", -4}, {"20", -12}, {"15", -16}}}};
    EXPECT_EQ(c.at("recap_with_tournaments"), with);
}

TEST(ExportJson, recapOfLastSeasonCountsZeroPointsAgainstThatDaysClassement) {
    const json &c = Exported().at("championships").at(0);
    // L "30" with 0 points: "30" stands above the day's own "35", so a defeat.
    const json recap = {
        {"victoires", Indexed({{8, 1}})},
        {"defaites", Indexed({{7, 1}})},
        {"total_victoires", 1},
        {"total_defaites", 1},
        {"estimation", {{"NC", 4}, {"40", 3}, {"35", 2}, {"30", -1}, {"25", -3}, {"20", -4}, {"15", -4}}}};
    EXPECT_EQ(c.at("recap_without_tournaments"), recap);
    EXPECT_EQ(c.at("recap_with_tournaments"), recap); // no tournament group of that name
}

TEST(ExportJson, detailsByPouleAndPlace) {
    // Poule A: day 0 (2 of 3); poule B: day 1 (2 of 4); day 3 played nothing,
    // so it counts in the general average only: 4 / 3 days, shown as 1.33.
    // Belles: day 0's 2nd (won) and 3rd (lost), day 1's 4th (won), and day 3's
    // unplayed slot with a third set (lost); day 1's 2nd lost 0-11 in the third
    // set and is no belle.
    const json expected = {
        {"matches", 7},
        {"victories", 4},
        {"general_average", 1.33},
        {"general_percentage", 57},
        {"poule_a", {{"days", 1}, {"victories", 2}, {"matches", 3}, {"average", 2.0}, {"percentage", 66}}},
        {"poule_b", {{"days", 1}, {"victories", 2}, {"matches", 4}, {"average", 2.0}, {"percentage", 50}}},
        {"home_victories", 2},
        {"home_defeats", 1},
        {"away_victories", 2},
        {"away_defeats", 2},
        {"belles", 4},
        {"belles_won", 2},
        {"belles_lost", 2}};
    EXPECT_EQ(Exported().at("championships").at(1).at("details"), expected);

    // Last season: the 0-point single against "30" is a defeat for today's "30".
    const json &last = Exported().at("championships").at(0).at("details");
    EXPECT_EQ(last.at("general_percentage"), 50);
    EXPECT_EQ(last.at("home_defeats"), 1);
}

TEST(ExportJson, graphRunningTotalsPerDay) {
    const json &current = Exported().at("championships").at(1);
    // The own classement "30" takes the stored points; the others the rule.
    const json graph2 = {{"NC", {8, 14, 14}}, {"40", {7, 10, 10}},  {"35", {6, 7, 7}},   {"30", {3, 3, 3}},
                         {"25", {0, -2, -2}}, {"20", {-2, -6, -6}}, {"15", {-3, -9, -9}}};
    EXPECT_EQ(current.at("graph2"), graph2);
    EXPECT_EQ(current.at("graph3"), json::array({2, 4, 4}));

    // Last season's points were stored for "35": graph 2 for today's "30"
    // shows them (2), while the estimation for "30" recomputes them (-1).
    const json &last = Exported().at("championships").at(0);
    EXPECT_EQ(last.at("graph2").at("30"), json::array({2}));
    EXPECT_EQ(last.at("graph3"), json::array({1}));
}

// The player of the history tests: the same rows as the dialog, the matches
// of each opponent in time order.
TEST(ExportJson, historyOfTheSeasonsAndOpponents) {
    const json h = ExportJson(test::HistoryPlayer()).at("history");
    ASSERT_EQ(h.at("seasons").size(), 3u);
    const json season = {{"name", "Championnat 2000 - 2001"},
                         {"days", 2},
                         {"matches", 5},
                         {"victories", 4},
                         {"defeats", 1},
                         {"percentage", 80},
                         {"points", 3},
                         {"tournament_victories", 2},
                         {"tournament_defeats", 1},
                         {"classement", "30"}};
    EXPECT_EQ(h.at("seasons").at(1), season);

    const json &o = h.at("opponents");
    ASSERT_EQ(o.size(), 5u);
    EXPECT_EQ(o.at(0).at("name"), "DUPR\u00C9");
    EXPECT_EQ(o.at(4).at("anonymous"), true);
    const json martin = o.at(2);
    EXPECT_EQ(martin.at("name"), "martin");
    EXPECT_EQ(martin.at("club"), "tt nord");
    EXPECT_EQ(std::tuple(martin.at("meetings"), martin.at("victories"), martin.at("defeats")),
              std::tuple(3, 1, 2));
    EXPECT_EQ(martin.at("last_classement"), "20");
    EXPECT_EQ(martin.at("last_date"), "15/11/2001");
    EXPECT_EQ(martin.at("last_season"), "Championnat 2001 - 2002");
    const json match = {{"day", 1},
                        {"single", 2},
                        {"date", "20/01/2001"},
                        {"championship", "Championnat 2000 - 2001"},
                        {"classement", "25"},
                        {"player_scores", {21, 15, 19}},
                        {"opponent_scores", {19, 21, 21}},
                        {"result", "defeat"},
                        {"points", -2}};
    ASSERT_EQ(martin.at("matches").size(), 3u);
    EXPECT_EQ(martin.at("matches").at(1), match);
}

TEST(ExportJson, recordsBeyondTheProfileCountsAreLeftOut) {
    PlayerData p = KnownPlayer();
    p.profile.day_count = 1;
    json j = ExportJson(p);
    EXPECT_EQ(j.at("days").size(), 1u);
    ASSERT_EQ(j.at("championships").size(), 1u);
    EXPECT_EQ(j.at("championships").at(0).at("days"), json::array({0}));
    EXPECT_EQ(j.at("tournament_groups").size(), 2u);

    p.profile.day_count = 0; // tournaments alone make no championship
    p.profile.tournament_count = 0;
    j = ExportJson(p);
    EXPECT_TRUE(j.at("championships").is_array() && j.at("championships").empty());
    EXPECT_TRUE(j.at("tournaments").empty());
}

// ---------------------------------------------------------------------------
// CSV
// ---------------------------------------------------------------------------

std::vector<std::string> CsvLines(const std::string &csv) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "the last line lacks its CR LF";
    return lines;
}

TEST(ExportCsv, quotesAsRfc4180) {
    struct Case {
        std::string_view text, field;
    } cases[] = {{"plain", "plain"},
                 {"Dupont, Jean", "\"Dupont, Jean\""},
                 {"dit \"le Grand\"", "\"dit \"\"le Grand\"\"\""},
                 {"two\nlines", "\"two\nlines\""},
                 {"cr\rhere", "\"cr\rhere\""}};
    for (const Case &c : cases)
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

TEST(ExportCsv, oneLinePerSingleAfterTheHeader) {
    const std::vector<std::string> lines = CsvLines(ExportCsv(KnownPlayer()));
    ASSERT_EQ(lines.size(), 1u + 4 * 4);
    EXPECT_EQ(lines[0],
              "day_index,season,day,month,type,classement,number,division,division_poule,team,"
              "team_letter,opponent_club,place,poule,single,played,opponent,opponent_classement,"
              "player_set1,player_set2,player_set3,opponent_set1,opponent_set2,opponent_set3,points");
    const std::string day0 = "0,Championnat 2000 - 2001,14,10,M,30,10,R2,3,Saint-\u00C9tienne 2,A,"
                             "\"Lyon, \"\"Les Pieds\"\" \u00E9t\u00E9\",Domicile,A,";
    EXPECT_EQ(lines[1], day0 + "1,1,Andr\u00E9 L\u00E9ger,20,11,11,0,5,7,0,4");
    EXPECT_EQ(lines[4], day0 + "4,0,Forfait,NC,0,0,0,0,0,0,3");
    EXPECT_NE(lines[5].find(",Ext\u00E9rieur,B,1,1,,NC,11,11,0,3,4,0,0"), std::string::npos) << lines[5];
}

// ---------------------------------------------------------------------------
// The command: files on disk, exit codes and messages.
// ---------------------------------------------------------------------------

class ExportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-export-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string &name, const std::vector<uint8_t> &bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        return path;
    }
    std::string WritePlayer(const PlayerData &p) {
        return Write("Dupont.usr", EncodePlayer(p.profile, p.days, p.tournaments));
    }

    struct Run {
        int code;
        std::string out, err;
    };
    Run Export(const std::vector<std::string> &args) {
        std::ostringstream out, err;
        const int code = RunExport(args, out, err);
        return {code, out.str(), err.str()};
    }

    fs::path dir_;
};

TEST_F(ExportCommand, refusesBadFilesWithAMessageAndCode2) {
    const PlayerData p = KnownPlayer();
    const std::vector<uint8_t> good = EncodePlayer(p.profile, p.days, p.tournaments);
    std::vector<uint8_t> flipped = good;
    flipped[5] ^= 0xFF; // Num_code far beyond 256
    for (const std::vector<uint8_t> &bytes :
         {std::vector<uint8_t>{}, flipped, std::vector<uint8_t>(good.begin(), good.end() - 1)}) {
        const std::string path = Write("bad.usr", bytes);
        const Run run = Export({path});
        EXPECT_EQ(run.code, Export_Refused) << bytes.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    }
    const Run missing = Export({(dir_ / "absent.usr").string()});
    EXPECT_EQ(missing.code, Export_Refused);
    EXPECT_FALSE(fs::exists(dir_ / "absent.usr")) << "reading must never create the file";
}

// A damaged file the loader accepts (any label, any count) still exports as
// well-formed JSON; one it refuses says why.
TEST_F(ExportCommand, damagedFilesAreExportedOrRefusedNeverWorse) {
    const PlayerData p = KnownPlayer();
    const std::vector<uint8_t> good = EncodePlayer(p.profile, p.days, p.tournaments);
    for (std::size_t at = 0; at < good.size(); at += 5) {
        std::vector<uint8_t> bytes = good;
        bytes[at] ^= 0x5A;
        const Run run = Export({Write("flip.usr", bytes)});
        if (run.code == Export_Ok)
            EXPECT_TRUE(json::accept(run.out)) << at;
        else
            EXPECT_TRUE(run.code == Export_Refused && !run.err.empty()) << at;
    }
}

TEST_F(ExportCommand, badUsageShowsTheUsageAndCode2) {
    const std::string path = WritePlayer(KnownPlayer());
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{}, {"--csv"}, {path, path}, {"--json", path}, {"-x", path}}) {
        const Run run = Export(args);
        EXPECT_EQ(run.code, Export_Refused);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage : zel-export [--csv] JOUEUR.usr"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Export({"--help"}).code, Export_Ok);
}

TEST_F(ExportCommand, anOutputThatCannotBeWrittenIsNoSuccess) {
    const std::string path = WritePlayer(KnownPlayer());
    for (const char *format : {"", "--csv"}) {
        std::ostringstream out, err;
        out.setstate(std::ios::badbit); // as a full disk or a closed pipe leaves std::cout
        std::vector<std::string> args{path};
        if (*format)
            args.insert(args.begin(), format);
        EXPECT_EQ(RunExport(args, out, err), Export_Failed);
        EXPECT_NE(err.str().find("erreur d'\u00E9criture"), std::string::npos) << err.str();
    }
}

// The real program, as a script would run it.
std::string ReadAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ExportCommand, programExitsWith2OnACorruptFileAnd0OnAGoodOne) {
    const std::string bad = Write("bad.usr", {'u', 's', 'r', 1, 0, 0, 0, 0xFF});
    const std::string out = (dir_ / "out").string(), err = (dir_ / "err").string();
    const auto run = [&](const std::string &args) {
        const int status =
            std::system((std::string(ZEL_EXPORT_PROGRAM) + " " + args + " >" + out + " 2>" + err).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("'" + bad + "'"), 2);
    EXPECT_EQ(ReadAll(out), "");
    EXPECT_NE(ReadAll(err).find("zel-export : "), std::string::npos) << ReadAll(err);

    const std::string good = WritePlayer(KnownPlayer());
    EXPECT_EQ(run("'" + good + "'"), 0) << ReadAll(err);
    EXPECT_EQ(json::parse(ReadAll(out)), Exported());
    EXPECT_EQ(run("--csv '" + good + "'"), 0);
    EXPECT_EQ(ReadAll(out), ExportCsv(KnownPlayer()));
}

} // namespace
} // namespace zel
