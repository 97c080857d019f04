// zel-export: every exported figure of two players against files whose figures were worked out by
// hand, CSV quoting, and refusal of bad files and bad usage.
#include "export/export.h"

#include "stats/history_fixture.h"
#include "storage/player_file.h"
#include "storage/storage_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zel {
namespace {

using nlohmann::json;

// ---------------------------------------------------------------------------
// The known player, tests/data/export/known_player.usr. Own classement "30"
// with the lowest classement "40" (N = 7: "NC", "40", "35", "30", "25", "20",
// "15"), so that on the player's steps NC < 40 < 35 < 30 < 25 < 20 < 15 < 4T.
// Texts are Windows-1252; the password is "Secret42". Store order (the 2000
// season was typed first, then last year's day):
//   day 0  2000 - 2001, poule A, home:   W "20" 2 sets (4), W "35" 3 sets (1),
//                                        L "30" 3 sets (-2), 4th unplayed (stale 3)
//   day 1  2000 - 2001, poule B, away:   W "NC" (0), L "25" 11-8 5-11 0-11 (0),
//                                        L "40" (-4), W "15" 3 sets (4)
//   day 2  1999 - 2000, poule A, home, own "35" then: W "35" (2), L "30" (0)
//   day 3  2000 - 2001, poule A, home:   nothing played; the 1st slot holds a
//                                        stale -4 and a third set of 6
//   tournament 0  "2000 - 2001": "20" 0-1, "30" 1-1, "35" 1-0, "NC" 2-0 (points 1)
//   tournament 1  "1998 - 1999": "40" 3-0 (points 3), a season with no days
//
// What known_player.json holds, worked out by hand:
// - championships sorted: 1999 - 2000 (days [2], classement "35", total 2), then
//   2000 - 2001 (days [0, 1, 3], classement "30" from day 3, the last in store
//   order; total 4 + 1 - 2 + 0 + 0 - 4 + 4 = 3: unplayed singles' stale points do not count).
// - estimations by the match points rule, one result at a time, with "NC" one step
//   below "40": a victory is worth 2 + d clamped to 0..4 and a defeat d - 2 clamped
//   to -4..0 (0 once the opponent is stronger), d being how many steps the opponent
//   stands above the chosen classement.
// - 2000 - 2001 without tournaments: W "20", W "35", L "30"; W "NC" (0 points, weaker
//   than the day's "30"), L "25" (0 points, stronger), L "40", W "15": victories at
//   indices 4, 5, 8, 22, defeats at 6, 7, 9; estimation NC 14, 40 10, 35 7, 30 3,
//   25 -2, 20 -6, 15 -9.
// - with its tournaments: plus "Open de Lyon" (same season): W "30", W "35", 2 W "NC",
//   L "20", L "30": estimation NC 26, 40 19, 35 12, 30 4, 25 -4, 20 -12, 15 -16.
//   "Tournoi d'hiver" belongs to a season without days and is never added.
// - 1999 - 2000: L "30" with 0 points, "30" standing above the day's own "35", is a
//   defeat; estimation NC 4, 40 3, 35 2, 30 -1, 25 -3, 20 -4, 15 -4; no tournament
//   group of that name, so with and without tournaments agree.
// - details of 2000 - 2001: poule A is day 0 (2 of 3), poule B day 1 (2 of 4); day 3
//   played nothing, so it counts in the general average only: 4 / 3 days, shown as
//   1.33, 57 %. Belles: day 0's 2nd (won) and 3rd (lost), day 1's 4th (won), and day
//   3's unplayed slot with a third set (lost); day 1's 2nd lost 0-11 in the third set
//   and is no belle. Last season: the 0-point single against "30" is a defeat for
//   today's "30": 50 %, one home defeat.
// - graph 2: the own classement "30" takes the stored points (3, 3, 3), the others the
//   rule (NC 8, 14, 14; 15 -3, -9, -9); graph 3: 2, 4, 4. Last season's points were
//   stored for "35": graph 2 for today's "30" shows them (2), while the estimation for
//   "30" recomputes them (-1).
// history_player.json is the player of the history tests (tests/stats/history_fixture.h),
// whose seasons and opponents the history tests count by hand.
// ---------------------------------------------------------------------------

const std::string kData = std::string(ZEL_TEST_DATA) + "/export/";

std::string ReadAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PlayerData KnownPlayer() {
    PlayerData p;
    EXPECT_EQ(DecodePlayer(test::ReadBytes(kData + "known_player.usr"), p), PlayerFileStatus::Ok);
    return p;
}

TEST(ExportJson, everyFigureOfBothPlayersAsWorkedOutByHand) {
    // The JSON patch that would turn the expected file into what was exported: empty when equal.
    for (const auto &[file, player] : {std::pair{"known_player.json", KnownPlayer()},
                                       std::pair{"history_player.json", test::HistoryPlayer()}})
        EXPECT_EQ(json::diff(json::parse(ReadAll(kData + file)), ExportJson(player)), json::array()) << file;
}

TEST(ExportCsv, oneLinePerSingleQuotedAsRfc4180) {
    EXPECT_EQ(ExportCsv(KnownPlayer()), ReadAll(kData + "known_player.csv"));
    EXPECT_EQ(CsvField("Dupont, Jean"), "\"Dupont, Jean\""); // a comma alone quotes the field
}

// ---------------------------------------------------------------------------
// The command: files on disk, exit codes and messages.
// ---------------------------------------------------------------------------

// The exit code, standard output and standard error of a run.
using Outcome = std::tuple<int, std::string, std::string>;

Outcome Export(const std::vector<std::string> &args, bool output_fails = false) {
    std::ostringstream out, err;
    if (output_fails)
        out.setstate(std::ios::badbit); // as a full disk or a closed pipe leaves std::cout
    const int code = RunExport(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(ExportCommand, badFilesBadUsageAndAFailedOutputAreNoSuccess) {
    const test::TempDir dir;
    const std::string good = ReadAll(kData + "known_player.usr"), path = dir.path() + "bad.usr";
    // Empty (not a player file) and truncated (a damaged one).
    for (const std::string &bytes : {std::string(), good.substr(0, good.size() - 1)}) {
        std::ofstream(path, std::ios::binary) << bytes;
        const auto [code, out, err] = Export({path});
        EXPECT_EQ(std::tuple(code, out), std::tuple(Export_Refused, "")) << bytes.size();
        EXPECT_TRUE(err.starts_with("zel-export : ") && err.find(path) != std::string::npos) << err;
    }

    const std::string known = kData + "known_player.usr";
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {}, {"--csv"}, {known, known}, {"--json", known}, {"-x", known}}) {
        const auto [code, out, err] = Export(args);
        EXPECT_EQ(std::tuple(code, out), std::tuple(Export_Refused, ""));
        EXPECT_NE(err.find("usage : zel-export [--csv] JOUEUR.usr"), std::string::npos) << err;
    }
    EXPECT_EQ(json::parse(std::get<1>(Export({known}))), ExportJson(KnownPlayer()));
    EXPECT_EQ(std::get<1>(Export({"--csv", known})), ReadAll(kData + "known_player.csv"));
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{known}, {"--csv", known}}) {
        const auto [code, out, err] = Export(args, true);
        EXPECT_EQ(code, Export_Failed);
        EXPECT_NE(err.find("erreur d'\u00E9criture"), std::string::npos) << err;
    }
}

} // namespace
} // namespace zel
