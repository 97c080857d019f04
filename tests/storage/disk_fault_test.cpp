// Saves that fail on a real disk: the old files, the data in memory and the directory stay as they were.
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
namespace fs = std::filesystem;

// Runs `body` in a child process, under a file size limit when `limit` is set
// (the limit stays with the child), and returns its exit code.
int InChild(std::optional<rlim_t> limit, const std::function<int()> &body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{limit.value_or(RLIM_INFINITY), limit.value_or(RLIM_INFINITY)};
        if (limit && ::setrlimit(RLIMIT_FSIZE, &lim) != 0)
            ::_exit(90);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

std::vector<std::string> NamesIn(const std::string &dir) {
    std::vector<std::string> out;
    for (const auto &e : fs::directory_iterator(dir))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

PlayerData InMemory(const SharedState &s) {
    return {s.Current_Profile, s.Mem_Days, s.Mem_Tournois};
}

// A players' directory holding Dupont.usr, and a state that has a bigger
// version of that player in memory, not yet saved.
struct SavedPlayer {
    TempDir dir;
    std::string users = dir.path() + "users/";
    PlayerData old_player = test::MakeDeterministicPlayer();
    std::vector<uint8_t> old_bytes;
    SharedState s;

    SavedPlayer() {
        fs::create_directory(users);
        s.User_Dir = users;
        s.Current_Profile = old_player.profile;
        s.Mem_Days = old_player.days;
        s.Mem_Tournois = old_player.tournaments;
        RecordingReporter r;
        EXPECT_TRUE(SaveCurrentPlayer(s, r));
        old_bytes = ReadBytes(users + "Dupont.usr");
        const PlayerData next = test::MakeRealisticPlayer(40, 30, 11);
        s.Mem_Days = next.days;
        s.Mem_Tournois = next.tournaments;
        s.Current_Profile.day_count = 40;
        s.Current_Profile.tournament_count = 30;
    }

    // A failing save, in a child: false, one message (`text` when given), nothing in memory changed.
    int failingSave(std::optional<rlim_t> limit, const char *text = nullptr, std::string caption = "Info") {
        return InChild(limit, [&] {
            const PlayerData before = InMemory(s);
            RecordingReporter r;
            if (SaveCurrentPlayer(s, r))
                return 1;
            if (r.messages.size() != 1 || r.beeps != 0)
                return 2;
            if ((text && r.messages[0].text != text) || r.messages[0].caption != caption)
                return 4;
            return test::SameBytes(InMemory(s), before) && s.User_Dir == users ? 0 : 3;
        });
    }

    // The old file is there, byte for byte, loads, and is alone.
    void expectOldPlayerIntact(const std::string &what) {
        EXPECT_EQ(ReadBytes(users + "Dupont.usr"), old_bytes) << what;
        SharedState fresh;
        fresh.User_Dir = users;
        fresh.Current_Profile = old_player.profile;
        RecordingReporter r;
        ASSERT_TRUE(LoadPlayerData(fresh, "Dupont.usr", r)) << what;
        EXPECT_TRUE(test::SameBytes(InMemory(fresh), old_player)) << what;
        EXPECT_EQ(NamesIn(users), std::vector<std::string>{"Dupont.usr"}) << what;
    }
};

TEST(DiskFaults, aFileSizeLimitAnywhereInTheWriteKeepsOldFileAndMemory) {
    const std::vector<uint8_t> file = [] {
        SavedPlayer f;
        const PlayerData p = InMemory(f.s);
        return EncodePlayer(p.profile, p.days, p.tournaments);
    }();
    const std::size_t n = file[3] | file[4] << 8, size = file.size();
    // Each section of the file names itself; then points all through the bits.
    const struct {
        rlim_t limit;
        const char *text;
    } cases[] = {
        {0, "Erreur d'écriture de l'identificateur"},
        {5, "Erreur d'écriture de Num_code"},
        {7 + 8 * 3, "Erreur d'écriture Code"},
        {7 + 8 * n + 2, "Erreur d'écriture Bin_pos"},
        {11 + 8 * n + 1, "Erreur d'écriture Recept"},
        {size / 3, nullptr},
        {size / 2, nullptr},
        {size - 1, "Erreur d'écriture Recept"},
    };
    for (const auto &c : cases) {
        SavedPlayer f;
        EXPECT_EQ(f.failingSave(c.limit, c.text), 0) << "limit " << c.limit;
        f.expectOldPlayerIntact("limit " + std::to_string(c.limit));
    }
}

TEST(DiskFaults, aDirectoryReplacedUnderTheSaveKeepsOldFileAndMemory) {
    const struct {
        const char *what;
        std::function<void(SavedPlayer &)> arrange, undo;
    } cases[] = {
        {"players' directory replaced by a regular file",
         [](SavedPlayer &f) {
             fs::rename(f.users, f.dir.path() + "away");
             test::WriteBytes(f.dir.path() + "users", {'x'});
         },
         [](SavedPlayer &f) {
             EXPECT_EQ(ReadBytes(f.dir.path() + "users"), std::vector<uint8_t>{'x'});
             fs::remove(f.dir.path() + "users");
             fs::rename(f.dir.path() + "away", f.users);
         }},
        {"player file replaced by a directory",
         [](SavedPlayer &f) {
             fs::rename(f.users + "Dupont.usr", f.dir.path() + "away.usr");
             fs::create_directory(f.users + "Dupont.usr");
         },
         [](SavedPlayer &f) {
             EXPECT_EQ(NamesIn(f.users), std::vector<std::string>{"Dupont.usr"});
             EXPECT_TRUE(fs::is_empty(f.users + "Dupont.usr"));
             fs::remove(f.users + "Dupont.usr");
             fs::rename(f.dir.path() + "away.usr", f.users + "Dupont.usr");
         }},
    };
    for (const auto &c : cases) {
        SavedPlayer f;
        c.arrange(f);
        EXPECT_EQ(f.failingSave(std::nullopt, nullptr, "Probleme d'ouverture du fichier"), 0) << c.what;
        c.undo(f);
        f.expectOldPlayerIntact(c.what);
    }
}

TEST(DiskFaults, aPlayerTooLargeIsRefusedBeforeTouchingTheDisk) {
    TempDir dir;
    PlayerData p{};
    p.profile = test::MakeProfile("Plein", "Jean", "Plein.usr");
    p.profile.day_count = 743;
    p.days.resize(743);
    RecordingReporter r;
    EXPECT_FALSE(SavePlayerFile(dir.path() + "Plein.usr", p.profile, p.days, p.tournaments, r));
    EXPECT_EQ(r.messages.size(), 1u);
    EXPECT_TRUE(dir.names().empty());
}

std::vector<uint8_t> Library(int records) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < records; ++i) {
        std::vector<uint8_t> r(kLibraryRecordBytes, 0);
        const std::string name = "Joueur" + std::to_string(i) + ".usr";
        std::copy(name.begin(), name.end(), r.begin());
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    return bytes;
}

TEST(DiskFaults, aRemovalThatCannotBeWrittenKeepsTheLibrary) {
    TempDir dir;
    const std::vector<uint8_t> lib = Library(5);
    test::WriteBytes(dir.path() + "User.bib", lib);
    SharedState s;
    s.User_Dir = dir.path();
    s.Current_Profile = test::MakeProfile("X", "Y", "Joueur2.usr");
    const int code = InChild(kLibraryRecordBytes * 2, [&] {
        RecordingReporter r;
        return !RemoveFromLibrary(s, r) && r.beeps == 1 && r.messages.empty() ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(dir.path() + "User.bib"), lib);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"User.bib"});
}

TEST(DiskFaults, aFifoWhereAFileShouldBeIsRefusedWithoutWaiting) {
    // Nothing ever writes into these FIFOs: a reader that opened them as files would wait forever.
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir.path() + "Dupont.usr").c_str(), 0600), 0);
    PlayerData p;
    RecordingReporter r;
    EXPECT_EQ(LoadPlayerFile(dir.path() + "Dupont.usr", p, r), LoadResult::Failed);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].caption, "Probleme d'ouverture du fichier");

    ASSERT_EQ(::mkfifo((dir.path() + "User.bib").c_str(), 0600), 0);
    SharedState s;
    s.User_Dir = dir.path();
    RecordingReporter lib;
    EXPECT_TRUE(ReadPlayerLibrary(s, lib).empty());
    EXPECT_EQ(lib.messages.size(), 1u);
    s.Current_Profile = test::MakeProfile("X", "Y", "Dupont.usr");
    EXPECT_FALSE(RemoveFromLibrary(s, lib));
    EXPECT_EQ(lib.beeps, 1);
}

} // namespace
} // namespace zel
