// Profile rules and the import core: scale lengths, tournament columns across
// a change of scale, the import chooser's listing and the import itself.
#include "players/player_import.h"
#include "players/profile_rules.h"

#include "days/classement_scale.h"
#include "platform/fixed_text.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage_test_support.h"
#include "tournaments/tournament_groups.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::Exists;
using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
using test::WriteBytes;

TEST(ProfileRules, LowestChoiceAndScaleLengthAreInverse) {
    struct Case {
        const char *label;
        int position;
        int n;
    };
    for (const Case c : {Case{"100", 0, 19}, Case{"60", 8, 11}, Case{"40", 12, 7}, Case{"15", 17, 2}}) {
        EXPECT_EQ(LowestChoiceLabel(c.position), c.label);
        EXPECT_EQ(ScaleLengthForLowestChoice(c.position), c.n) << c.label;
        EXPECT_EQ(LowestChoiceForScaleLength(c.n), c.position) << c.label;
    }
    EXPECT_EQ(LowestChoiceLabel(18), "");
    EXPECT_EQ(LowestChoiceLabel(-1), "");
}

Tournament_Sheet Sheet() {
    Tournament_Sheet t{};
    SetFieldText(t.name, "Open de Metz");
    t.points = 7;
    SetFieldText(t.classement, "40");
    return t;
}

// Counts by label, read the way the viewer reads them.
uint32_t Victories(const Tournament_Sheet &t, int n, std::string_view label) {
    const int c = TournamentColumnOf(n, label);
    return c < 0 ? 0 : t.columns[c].victories;
}
uint32_t Defeats(const Tournament_Sheet &t, int n, std::string_view label) {
    const int c = TournamentColumnOf(n, label);
    return c < 0 ? 0 : t.columns[c].defeats;
}

TEST(ProfileRules, NcCountsFollowTheScaleLengthBothWays) {
    Tournament_Sheet t = Sheet();
    t.columns[TournamentColumnOf(11, "NC")].victories = 2;
    t.columns[TournamentColumnOf(11, "60")].defeats = 1;
    t.columns[TournamentColumnOf(11, "4T")].victories = 1;

    RemapTournamentColumns(t, 11, 19); // lowest "60" -> "100"
    EXPECT_EQ(Victories(t, 19, "NC"), 2u);
    EXPECT_EQ(Victories(t, 19, "65"), 0u); // the old "NC" column is now "65": emptied
    EXPECT_EQ(Defeats(t, 19, "60"), 1u);
    EXPECT_EQ(Victories(t, 19, "4T"), 1u);

    RemapTournamentColumns(t, 19, 11); // and back
    EXPECT_EQ(Victories(t, 11, "NC"), 2u);
    EXPECT_EQ(Defeats(t, 11, "60"), 1u);
    EXPECT_EQ(Victories(t, 11, "4T"), 1u);
    for (int c = TournamentColumnCount(11); c < 23; ++c)
        EXPECT_EQ(t.columns[c].victories + t.columns[c].defeats, 0u) << c;
    EXPECT_EQ(t.points, 7);
    EXPECT_STREQ(t.classement, "40");
}

TEST(ProfileRules, ClassementsLeavingTheScaleCountAsNc) {
    Tournament_Sheet t = Sheet();
    t.columns[TournamentColumnOf(19, "100")].victories = 3;
    t.columns[TournamentColumnOf(19, "65")].defeats = 2;
    t.columns[TournamentColumnOf(19, "NC")].defeats = 1;
    t.columns[TournamentColumnOf(19, "60")].victories = 4;

    RemapTournamentColumns(t, 19, 11);
    EXPECT_EQ(Victories(t, 11, "NC"), 3u);
    EXPECT_EQ(Defeats(t, 11, "NC"), 3u);
    EXPECT_EQ(Victories(t, 11, "60"), 4u);
    for (int c = TournamentColumnCount(11); c < 23; ++c)
        EXPECT_EQ(t.columns[c].victories + t.columns[c].defeats, 0u) << c;
}

TEST(ProfileRules, MergedCountsSaturateAndEqualLengthsChangeNothing) {
    Tournament_Sheet t = Sheet();
    const uint32_t max = std::numeric_limits<uint32_t>::max();
    t.columns[TournamentColumnOf(19, "NC")].victories = max - 1;
    t.columns[TournamentColumnOf(19, "100")].victories = 5;
    Tournament_Sheet same = t;
    RemapTournamentColumns(same, 19, 19);
    EXPECT_EQ(std::memcmp(&same, &t, sizeof t), 0);

    RemapTournamentColumns(t, 19, 2);
    EXPECT_EQ(Victories(t, 2, "NC"), max);
}

TEST(ProfileRules, StoreRemapTouchesOnlyTheCountedTournaments) {
    SharedState s;
    s.Mem_Tournois.assign(3, Sheet());
    for (auto &t : s.Mem_Tournois)
        t.columns[TournamentColumnOf(11, "NC")].victories = 2;
    s.Current_Profile.tournament_count = 2;
    RemapTournamentStore(s, 11, 19);
    EXPECT_EQ(Victories(s.Mem_Tournois[0], 19, "NC"), 2u);
    EXPECT_EQ(Victories(s.Mem_Tournois[1], 19, "NC"), 2u);
    EXPECT_EQ(s.Mem_Tournois[2].columns[TournamentColumnOf(11, "NC")].victories, 2u);
}

TEST(ImportListing, PlayerFilesThenDirectoriesEachSorted) {
    TempDir d;
    for (const char *f : {"b.usr", "A.USR", "notes.txt", ".hidden.usr", "c.usr.bak"})
        WriteBytes(d.path() + f, {1});
    for (const char *sub : {"zeta", "Alpha", ".cache", "x.usr"})
        fs::create_directory(d.path() + sub);
    const ImportListing l = ListImportDirectory(d.path());
    EXPECT_EQ(l.files, (std::vector<std::string>{"A.USR", "b.usr"}));
    EXPECT_EQ(l.directories, (std::vector<std::string>{"..", "Alpha", "x.usr", "zeta"}));
    EXPECT_EQ(ListImportDirectory("/").directories.front() == "..", false);
}

TEST(ImportListing, EnteringAndLeavingDirectories) {
    TempDir d;
    fs::create_directory(d.path() + "sub");
    const std::string root = fs::canonical(d.path()).string();
    EXPECT_EQ(EnterDirectory(root, "sub"), root + "/sub");
    EXPECT_EQ(EnterDirectory(root + "/sub", ".."), root);
    EXPECT_EQ(EnterDirectory("/", ".."), "/");
}

struct ImportFixture {
    TempDir root;
    std::string users, elsewhere;
    SharedState s;
    RecordingReporter r;
    ImportFixture() : users(root.path() + "users/"), elsewhere(root.path() + "elsewhere") {
        fs::create_directory(users);
        fs::create_directory(elsewhere);
        s.User_Dir = users;
    }
    // Writes a player file for `data` as `path`.
    static void Put(const std::string &path, const PlayerData &data) {
        WriteBytes(path, EncodePlayer(data.profile, data.days, data.tournaments));
    }
};

TEST(ImportPlayer, MovesThePlayerAndLeavesTheLoadedOneAlone) {
    ImportFixture f;
    // A loaded player, as the load dialog leaves it.
    f.s.Current_Profile = test::MakeProfile("Martin", "Paul", "Martin.usr");
    f.s.Mem_Days.assign(1, Day_Sheet{});
    f.s.Current_Profile.day_count = 1;
    f.s.Player_State = 1;
    const SharedState before = f.s;

    const PlayerData dupont = test::MakeDeterministicPlayer();
    ImportFixture::Put(f.elsewhere + "/Transfert.usr", dupont);
    std::string registered;
    ASSERT_EQ(ImportPlayerFile(f.s, f.elsewhere, "Transfert.usr", f.r, &registered), ImportResult::Imported);

    EXPECT_EQ(registered, "Dupont.usr");
    EXPECT_FALSE(Exists(f.elsewhere + "/Transfert.usr"));
    EXPECT_EQ(ReadBytes(f.users + "User.bib").size(), kLibraryRecordBytes);
    PlayerData copy;
    ASSERT_EQ(LoadPlayerFile(f.users + "Dupont.usr", copy, f.r), LoadResult::Ok);
    EXPECT_EQ(copy.days.size(), 2u);
    EXPECT_EQ(copy.tournaments.size(), 1u);
    EXPECT_EQ(FieldText(copy.profile.file_name), "Dupont.usr");
    EXPECT_EQ(std::memcmp(&f.s.Current_Profile, &before.Current_Profile, sizeof(Player_Profile)), 0);
    EXPECT_EQ(f.s.Mem_Days.size(), 1u);
    EXPECT_EQ(f.s.Player_State, 1);
    EXPECT_TRUE(f.r.messages.empty());
}

TEST(ImportPlayer, RefusalsLeaveTheSourceWhereItWas) {
    ImportFixture f;
    WriteBytes(f.elsewhere + "/faux.usr", {'U', 'S', 'R', 0, 0});
    EXPECT_EQ(ImportPlayerFile(f.s, f.elsewhere, "faux.usr", f.r), ImportResult::NotPlayerFile);
    EXPECT_TRUE(Exists(f.elsewhere + "/faux.usr"));

    // The players' directory itself, however it is named.
    ImportFixture::Put(f.users + "Dupont.usr", test::MakeDeterministicPlayer());
    fs::create_directory_symlink(f.users, f.root.path() + "lien");
    for (const std::string &dir : {f.users, f.root.path() + "lien", f.elsewhere + "/../users"})
        EXPECT_EQ(ImportPlayerFile(f.s, dir, "Dupont.usr", f.r), ImportResult::SameDirectory) << dir;
    EXPECT_TRUE(Exists(f.users + "Dupont.usr"));

    EXPECT_EQ(ImportPlayerFile(f.s, f.elsewhere, "../users/Dupont.usr", f.r), ImportResult::NotPlayerFile);
    EXPECT_FALSE(Exists(f.users + "User.bib"));
}

TEST(ImportPlayer, FailedSaveKeepsTheSource) {
    ImportFixture f;
    ImportFixture::Put(f.elsewhere + "/Dupont.usr", test::MakeDeterministicPlayer());
    f.s.User_Dir = f.root.path() + "missing/";
    EXPECT_EQ(ImportPlayerFile(f.s, f.elsewhere, "Dupont.usr", f.r), ImportResult::RegisterFailed);
    EXPECT_TRUE(Exists(f.elsewhere + "/Dupont.usr"));
    EXPECT_FALSE(f.r.messages.empty());
}

} // namespace
} // namespace zel
