// Players saved and loaded back up to the size limits, changes that fail on a real disk (a file size
// limit anywhere in the write, something else standing where a file or directory should be) and
// changes killed at random moments, through one driver: the disk always holds a version written
// whole, and a failed change leaves memory as it was and tells the user what the program says for
// that failure.
#include "players/player_library.h"
#include "storage/player_file.h"
#include "storage_test_support.h"
#include "support/disk_faults.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zel {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

TEST(CodecProperty, aSavedPlayerLoadsBackAsItWasInMemory) {
    // Sizes up to the largest the file allows: 742 days, or days and
    // tournaments together up to the same 1 MB record.
    const struct { int days, tournaments; } sizes[] = {{0, 0}, {0, 1}, {3, 5}, {742, 0}, {600, 529}};
    test::TempDir dir;
    const std::string path = dir.path() + "Joueur.usr";
    std::mt19937 rng(4242);
    for (const auto &size : sizes) {
        for (bool realistic : {true, false}) {
            const PlayerData p = realistic ? test::MakeRealisticPlayer(size.days, size.tournaments, rng())
                                           : test::MakeRandomPlayer(rng, size.days, size.tournaments);
            SCOPED_TRACE(testing::Message() << size.days << " days, " << size.tournaments << " tournaments, "
                                            << (realistic ? "realistic" : "random"));
            test::RecordingReporter r;
            ::unlink(path.c_str());
            // Random sheets pack badly: the largest of them may not fit, and are refused whole.
            const bool fits = CheckPlayerFit(p.profile, p.days, p.tournaments) == PlayerFit::Ok;
            ASSERT_TRUE(fits || !realistic);
            ASSERT_EQ(SavePlayerFile(path, p.profile, p.days, p.tournaments, r), fits);
            if (!fits) {
                EXPECT_EQ(r.told, "Le joueur est trop volumineux pour être enregistré|Info");
                EXPECT_TRUE(dir.names().empty());
                continue;
            }
            // Load then save gives the same bytes: junk after terminators is kept.
            const std::vector<uint8_t> first = test::ReadBytes(path);
            PlayerData back;
            ASSERT_EQ(LoadPlayerFile(path, back, r), LoadResult::Ok);
            EXPECT_TRUE(test::SameBytes(back, p));
            ASSERT_TRUE(SavePlayerFile(path, back.profile, back.days, back.tournaments, r));
            EXPECT_EQ(test::ReadBytes(path), first);
            EXPECT_EQ(r.told, "");
        }
    }
}

// Every change the sweeps make, on the players' directory and the player in memory of `s`.
using ChangeFn = bool (*)(SharedState &, Reporter &);
const ChangeFn Save = [](SharedState &s, Reporter &r) { return SaveCurrentPlayer(s, r); };
const ChangeFn Register = [](SharedState &s, Reporter &r) { return RegisterNewPlayer(s, r); };
const ChangeFn Remove = [](SharedState &s, Reporter &r) { return RemoveFromLibrary(s, r); };
const ChangeFn Load = [](SharedState &s, Reporter &r) { return LoadPlayerData(s, "Dupont.usr", r); };
// A name that leaves the players' directory, even to come back.
const ChangeFn LoadOutside = [](SharedState &s, Reporter &r) {
    return LoadPlayerData(s, "../users/Dupont.usr", r);
};
const ChangeFn List = [](SharedState &s, Reporter &r) { return !ReadPlayerLibrary(s, r).empty(); };

// Every path under `root` with what stands there and, for a file, its bytes.
std::map<std::string, std::pair<fs::file_type, std::vector<uint8_t>>> Disk(const std::string &root) {
    std::map<std::string, std::pair<fs::file_type, std::vector<uint8_t>>> out;
    for (const auto &e : fs::recursive_directory_iterator(root))
        out[e.path()] = {e.status().type(),
                         e.is_regular_file() ? test::ReadBytes(e.path()) : std::vector<uint8_t>{}};
    return out;
}

// A players' directory with Dupont.usr saved and listed in User.bib among 60 players, and in
// memory a bigger Dupont, not yet saved.
struct Scene {
    test::TempDir dir;
    std::string users = dir.path() + "users/";
    SharedState s = test::StateWith(test::MakeDeterministicPlayer(), users);

    Scene() {
        fs::create_directory(users);
        test::RecordingReporter r;
        EXPECT_TRUE(SaveCurrentPlayer(s, r));
        std::vector<uint8_t> library;
        for (int i = 0; i < 60; ++i) {
            const std::string name = i == 7 ? "Dupont.usr" : "Joueur" + std::to_string(i) + ".usr";
            library.insert(library.end(), name.begin(), name.end());
            library.resize(kLibraryRecordBytes * (i + 1), 0);
        }
        test::WriteBytes(users + kLibraryFileName, library);
        PlayerData next = test::MakeRealisticPlayer(40, 30, 11);
        next.profile = s.Current_Profile;
        next.profile.day_count = 40;
        next.profile.tournament_count = 30;
        s = test::StateWith(next, users);
    }
};

enum class Stand { Nothing, File, Directory, Fifo, TooLarge, Damaged };

TEST(FaultSweep, aFailedChangeLeavesDiskAndMemoryAsTheyWereAndSaysWhy) {
    // Offsets in the file the bigger Dupont saves to: each section names itself.
    const Scene scene;
    const std::vector<uint8_t> file =
        EncodePlayer(scene.s.Current_Profile, scene.s.Mem_Days, scene.s.Mem_Tournois);
    const std::size_t n = file[3] | file[4] << 8;
    const std::string open = "@Dupont.usr|Probleme d'ouverture du fichier",
                      library = "Impossible d'accéder à la librairie des joueurs|@User.bib",
                      unlisted =
                          "Le répertoire des joueurs ne peut pas être lu : aucun joueur n'y est enregistré.",
                      damaged =
                          "Fichier joueur endommagé : nombre de codes (Num_code) invalide\n@Dupont.usr|Info",
                      counts =
                          " ne correspond pas au profil du joueur (nombre de journées ou de tournois)|Info";
    using enum Stand;
    const struct {
        ChangeFn change;
        std::optional<rlim_t> limit;
        Stand stands;
        const char *where; // what it stands in place of, in the players' directory ("" for itself)
        std::string told;  // '@' stands for the players' directory
    } cases[] = {
        {Save, 0, {}, "", "Erreur d'écriture de l'identificateur|Info"},
        {Save, 5, {}, "", "Erreur d'écriture de Num_code|Info"},
        {Save, 7 + 8 * 3, {}, "", "Erreur d'écriture Code|Info"},
        {Save, 7 + 8 * n + 2, {}, "", "Erreur d'écriture Bin_pos|Info"},
        {Save, 11 + 8 * n + 1, {}, "", "Erreur d'écriture Recept|Info"},
        {Save, file.size() - 1, {}, "", "Erreur d'écriture Recept|Info"},
        {Save, {}, File, "", open},
        {Save, {}, Directory, "Dupont.usr", open},
        {Save, {}, TooLarge, "", "Le joueur est trop volumineux pour être enregistré|Info"},
        // Room for the new player's file, not for the longer library: the new file goes again.
        {Register, 4000, {}, "", "beep"},
        {Register, {}, Directory, "User.bib", "beep"},
        // No free name is chosen from a partial picture of the directory.
        {Register, {}, File, "", unlisted + "|Zel Manager"},
        {Remove, 2 * kLibraryRecordBytes, {}, "", "beep"},
        // Nothing ever writes into these FIFOs: a reader that opened them as files would wait forever.
        {Remove, {}, Fifo, "User.bib", "beep"},
        {List, {}, Fifo, "User.bib", library},
        {List, {}, Directory, "User.bib", library},
        {Load, {}, Fifo, "Dupont.usr", open},
        {Load, {}, File, "Dupont.usr", "Le fichier Dupont.usr n'est pas un fichier joueur valide|Info"},
        {Load, {}, Damaged, "Dupont.usr", damaged},
        // The file holds 2 days and 1 tournament, the profile in memory 40 and 30.
        {Load, {}, {}, "", "Le fichier Dupont.usr" + counts},
        {LoadOutside, {}, {}, "", "@../users/Dupont.usr|Probleme d'ouverture du fichier"},
    };
    for (const auto &c : cases) {
        Scene f;
        const std::size_t what = &c - cases;
        if (c.change == Register)
            f.s.Current_Profile = test::MakeProfile("Petit", "Luc", "Avant.usr");
        const std::string place = *c.where ? f.users + c.where : f.dir.path() + "users";
        if (c.stands != Nothing && c.stands != TooLarge)
            fs::rename(place, f.dir.path() + "away");
        if (c.stands == File || c.stands == Damaged) // a damaged file: an empty code table
            test::WriteBytes(place, c.stands == File ? std::vector<uint8_t>{'x'}
                                                     : std::vector<uint8_t>{'u', 's', 'r', 0, 0, 0, 0});
        if (c.stands == Directory)
            fs::create_directory(place);
        ASSERT_TRUE(c.stands != Fifo || ::mkfifo(place.c_str(), 0600) == 0);
        if (c.stands == TooLarge) {
            f.s.Current_Profile.day_count = 743;
            f.s.Mem_Days.assign(743, Day_Sheet{});
        }
        const auto disk = Disk(f.dir.path());
        const SharedState before = f.s;
        test::RecordingReporter r;
        { // no limit: the soft limit raised as far as the hard one allows
            const test::FileSizeLimit limit(c.limit.value_or(RLIM_INFINITY));
            EXPECT_FALSE(c.change(f.s, r)) << what;
        }
        std::string told = c.told;
        if (const auto at = told.find('@'); at != std::string::npos)
            told.replace(at, 1, f.users);
        EXPECT_EQ(r.told, told) << what;
        EXPECT_EQ(Disk(f.dir.path()), disk) << what;
        EXPECT_TRUE(test::SameBytes(test::InMemory(f.s), test::InMemory(before))) << what;
    }
}

// The library's names, each followed by ",".
std::string LibraryNames(const std::string &user_dir) {
    const std::vector<uint8_t> bytes = test::ReadBytes(LibraryPath(user_dir));
    EXPECT_EQ(bytes.size() % kLibraryRecordBytes, 0u) << "a torn record";
    std::string names;
    for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
        names +=
            std::string(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes)) + ",";
    return names;
}

// A child saves version after version of a growing player and, between saves, registers players
// up to four and removes them again, reporting "version|names" on a pipe after each finished
// change. It is killed after 0 to 2 changes and some random part of the next one, however fast
// this build runs, and then the files must be the reported ones, or the ones of the change under
// way. Rounds run for six seconds, 300 at most; the directory is on tmpfs when there is one, where
// a kill cannot land while a process waits for the disk to flush.
TEST(FaultSweep, aKilledSaveOrLibraryChangeLeavesTheLastVersionOrTheNextOne) {
    const test::TempDir dir(true);
    // Version k of the player: its first k days and k / 2 tournaments, then 0 after 90.
    const PlayerData all = test::MakeRealisticPlayer(90, 45, 31);
    auto version = [&](int k) {
        PlayerData p = all;
        p.days.resize(std::size_t(k));
        p.tournaments.resize(std::size_t(k / 2));
        p.profile.day_count = k;
        p.profile.tournament_count = k / 2;
        SetFieldText(p.profile.file_name, "Lefevre.usr");
        return p;
    };
    auto after = [](int k) { return k == 90 ? 0 : k + 1; };
    const std::string path = dir.path() + "Lefevre.usr";
    SilentReporter quiet;
    ASSERT_TRUE(SaveCurrentPlayer(test::StateWith(version(0), dir.path()), quiet));

    std::mt19937 rng(20240607);
    Clock::duration change_time = std::chrono::milliseconds(5);
    std::string reported = "0|"; // after the last round
    std::set<std::string> seen;
    int rounds = 0;
    for (const auto start = Clock::now(); rounds < 300 && Clock::now() - start < std::chrono::seconds(6);
         ++rounds) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            ::alarm(30);                 // a stalled child ends, and the test fails instead of hanging
            int k = std::stoi(reported); // what the last round found on disk
            std::string names = reported.substr(reported.find('|') + 1);
            auto report = [&](const std::string &line) {
                const std::string text = line + "\n"; // short, so it reaches the pipe whole
                if (::write(fds[1], text.data(), text.size()) != static_cast<ssize_t>(text.size()))
                    ::_exit(4);
            };
            report("ready");
            for (bool growing = true;;) {
                k = after(k);
                SharedState s = test::StateWith(version(k), dir.path());
                if (!Save(s, quiet))
                    ::_exit(3);
                report(std::to_string(k) + "|" + names);
                const std::size_t count = std::count(names.begin(), names.end(), ',');
                growing = count == 0 || (growing && count < 4);
                const std::string first = growing ? "" : names.substr(0, names.find(','));
                SharedState library = test::StateWith({}, dir.path());
                library.Current_Profile =
                    test::MakeProfile(("P" + std::to_string(::getpid())).c_str(), "Jean", first.c_str());
                if (!(growing ? Register : Remove)(library, quiet))
                    ::_exit(5);
                names = growing ? names + std::string(FieldText(library.Current_Profile.file_name)) + ","
                                : names.substr(names.find(',') + 1);
                report(std::to_string(k) + "|" + names);
            }
        }
        ::close(fds[1]);
        FILE *in = ::fdopen(fds[0], "r");
        char buf[512]; // a few names at most
        auto next = [&] {
            const bool got = std::fgets(buf, sizeof buf, in);
            if (got && std::string(buf) != "ready\n")
                reported = std::string(buf, std::strlen(buf) - 1);
            return got;
        };
        next();
        auto at = Clock::now();
        for (unsigned wait = rng() % 3; wait > 0 && next(); --wait) {
            change_time = Clock::now() - at;
            at += change_time;
        }
        std::this_thread::sleep_until(at + change_time * (rng() % 1000) / 1000);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (next()) {
        }
        std::fclose(in);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child stopped by itself";

        // The player: the reported version or the next one, whole.
        PlayerData loaded;
        test::RecordingReporter r;
        ASSERT_EQ(LoadPlayerFile(path, loaded, r), LoadResult::Ok) << r.told;
        const int k = loaded.profile.day_count, last = std::stoi(reported);
        ASSERT_TRUE(k == last || k == after(last)) << "version " << k << " after " << last;
        ASSERT_TRUE(test::SameBytes(loaded, version(k))) << "version " << k;
        // The library: the reported list, that list without its first player, or with one more,
        // every listed player saved whole before it was listed.
        const std::string names = reported.substr(reported.find('|') + 1), found = LibraryNames(dir.path());
        const std::string added = found.substr(std::min(names.size(), found.size()));
        ASSERT_TRUE(found == names || names.substr(names.find(',') + 1) == found ||
                    (found.starts_with(names) && std::count(added.begin(), added.end(), ',') == 1 &&
                     names.find(added) == std::string::npos))
            << "found " << found << " after " << names;
        for (std::size_t from = 0; from < found.size(); from = found.find(',', from) + 1) {
            const std::string name = found.substr(from, found.find(',', from) - from);
            ASSERT_EQ(LoadPlayerFile(PlayerFilePath(dir.path(), name), loaded, r), LoadResult::Ok) << name;
        }
        reported = std::to_string(k) + "|" + found;
        seen.insert(reported);
    }
    EXPECT_GT(seen.size(), std::size_t(rounds) / 2);
}

} // namespace
} // namespace zel
