// Saves that really fail: the old file and the data in memory survive.
#include "storage/player_file.h"

#include "shell/shared_state.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;

// Runs `body` in a child process (so the file size limit stays there) and
// returns its exit code.
template <typename F> int InChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(FailingSave, fileSizeLimitKeepsTheOldFileAndNamesTheSection) {
    const PlayerData old_player = test::MakeDeterministicPlayer();
    const PlayerData big = test::MakeRealisticPlayer(40, 30, 11);
    const std::vector<uint8_t> big_file = EncodePlayer(big.profile, big.days, big.tournaments);
    const std::size_t n = big_file[3] | big_file[4] << 8;
    const struct {
        rlim_t limit;
        const char *text;
    } cases[] = {
        {0, "Erreur d'écriture de l'identificateur"},
        {5, "Erreur d'écriture de Num_code"},
        {7 + 8 * 3, "Erreur d'écriture Code"},
        {7 + 8 * n + 2, "Erreur d'écriture Bin_pos"},
        {big_file.size() - 1, "Erreur d'écriture Recept"},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const std::string path = dir.path() + "Dupont.usr";
        RecordingReporter setup;
        ASSERT_TRUE(SavePlayerFile(path, old_player.profile, old_player.days, old_player.tournaments, setup));
        const std::vector<uint8_t> old_bytes = ReadBytes(path);

        const int code = InChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lim{c.limit, c.limit};
            if (::setrlimit(RLIMIT_FSIZE, &lim) != 0)
                return 2;
            RecordingReporter r;
            const PlayerData before = big;
            if (SavePlayerFile(path, big.profile, big.days, big.tournaments, r))
                return 3;
            if (r.messages.size() != 1 || r.messages[0].text != c.text || r.messages[0].caption != "Info")
                return 4;
            return test::SameBytes(before, big) ? 0 : 5;
        });
        EXPECT_EQ(code, 0) << c.text;
        EXPECT_EQ(ReadBytes(path), old_bytes) << c.text;
        EXPECT_EQ(dir.names(), std::vector<std::string>{"Dupont.usr"}) << c.text;
    }
}

TEST(FailingSave, playersDirectoryThatIsAFile) {
    TempDir dir;
    test::WriteBytes(dir.path() + "users", {'x'});
    SharedState s;
    s.User_Dir = dir.path() + "users/";
    const PlayerData p = test::MakeDeterministicPlayer();
    s.Current_Profile = p.profile;
    s.Mem_Days = p.days;
    s.Mem_Tournois = p.tournaments;
    RecordingReporter r;
    EXPECT_FALSE(SaveCurrentPlayer(s, r));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, s.User_Dir + "Dupont.usr");
    EXPECT_EQ(r.messages[0].caption, "Probleme d'ouverture du fichier");
    EXPECT_EQ(ReadBytes(dir.path() + "users"), std::vector<uint8_t>{'x'});
    EXPECT_EQ(dir.names(), std::vector<std::string>{"users"});
}

TEST(FailingSave, targetThatCannotBeReplaced) {
    // A directory stands where the file should go: the rename fails.
    TempDir dir;
    std::filesystem::create_directory(dir.path() + "Dupont.usr");
    test::WriteBytes(dir.path() + "Dupont.usr/keep", {'k'});
    const PlayerData p = test::MakeDeterministicPlayer();
    RecordingReporter r;
    EXPECT_FALSE(SavePlayerFile(dir.path() + "Dupont.usr", p.profile, p.days, p.tournaments, r));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].caption, "Probleme d'ouverture du fichier");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Dupont.usr"});
    EXPECT_EQ(ReadBytes(dir.path() + "Dupont.usr/keep"), std::vector<uint8_t>{'k'});
}

TEST(FailingSave, playerTooLargeIsRefusedBeforeTouchingTheDisk) {
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

} // namespace
} // namespace zel
