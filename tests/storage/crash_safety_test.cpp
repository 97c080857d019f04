// Saves and library changes killed at random moments: the files on disk are always a version that
// was written whole.
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/atomic_file.h"
#include "storage/player_file.h"
#include "storage_test_support.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zel {
namespace {

using Clock = std::chrono::steady_clock;

// The library's names, each followed by ",".
std::string LibraryNames(const std::string &user_dir) {
    std::vector<uint8_t> bytes;
    const ReadFileStatus read = ReadWholeFile(LibraryPath(user_dir), 1 << 20, bytes);
    EXPECT_TRUE(read == ReadFileStatus::Ok || read == ReadFileStatus::Missing);
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
TEST(CrashSafety, aKilledSaveOrLibraryChangeLeavesTheLastVersionOrTheNextOne) {
    const char *tmpdir = std::getenv("TMPDIR");
    const std::string saved_tmpdir = tmpdir ? tmpdir : "";
    if (::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 1);
    const test::TempDir dir;
    tmpdir ? ::setenv("TMPDIR", saved_tmpdir.c_str(), 1) : ::unsetenv("TMPDIR");

    // Version k of the player: its first k days and k / 2 tournaments, then 0 after 90.
    const PlayerData all = test::MakeRealisticPlayer(90, 45, 31);
    auto version = [&](int k) {
        PlayerData p = all;
        p.days.resize(std::size_t(k));
        p.tournaments.resize(std::size_t(k / 2));
        p.profile.day_count = k;
        p.profile.tournament_count = k / 2;
        return p;
    };
    auto after = [](int k) { return k == 90 ? 0 : k + 1; };
    const std::string path = dir.path() + "Lefevre.usr";
    SilentReporter quiet;
    ASSERT_TRUE(SavePlayerFile(path, version(0).profile, {}, {}, quiet));

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
            ::alarm(30); // a stalled child ends, and the test fails instead of hanging
            PlayerData now;
            if (LoadPlayerFile(path, now, quiet) != LoadResult::Ok)
                ::_exit(2);
            int k = now.profile.day_count;
            std::string names = LibraryNames(dir.path());
            SharedState s;
            s.User_Dir = dir.path();
            auto report = [&](const std::string &line) {
                const std::string text = line + "\n"; // short, so it reaches the pipe whole
                if (::write(fds[1], text.data(), text.size()) != static_cast<ssize_t>(text.size()))
                    ::_exit(4);
            };
            report("ready");
            for (bool growing = true;;) {
                k = after(k);
                const PlayerData next = version(k);
                if (!SavePlayerFile(path, next.profile, next.days, next.tournaments, quiet))
                    ::_exit(3);
                report(std::to_string(k) + "|" + names);
                const std::size_t count = std::count(names.begin(), names.end(), ',');
                growing = count == 0 || (growing && count < 4);
                if (growing) {
                    s.Current_Profile =
                        test::MakeProfile(("P" + std::to_string(::getpid())).c_str(), "Jean", "");
                    if (!RegisterNewPlayer(s, quiet))
                        ::_exit(5);
                    names += std::string(FieldText(s.Current_Profile.file_name)) + ",";
                } else {
                    s.Current_Profile = test::MakeProfile("X", "Y", names.substr(0, names.find(',')).c_str());
                    if (!RemoveFromLibrary(s, quiet))
                        ::_exit(6);
                    names.erase(0, names.find(',') + 1);
                }
                report(std::to_string(k) + "|" + names);
            }
        }
        ::close(fds[1]);
        FILE *in = ::fdopen(fds[0], "r");
        char *buf = nullptr;
        std::size_t cap = 0;
        auto next = [&] {
            const ssize_t n = ::getline(&buf, &cap, in);
            if (n > 0 && std::string(buf, n) != "ready\n")
                reported.assign(buf, n - 1);
            return n > 0;
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
        std::free(buf);
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
            ASSERT_EQ(LoadPlayerFile(dir.path() + name, loaded, r), LoadResult::Ok) << name;
        }
        reported = std::to_string(k) + "|" + found;
        seen.insert(reported);
        for (const std::string &name : dir.names())
            if (name.find(".tmp.") != std::string::npos)
                ::unlink((dir.path() + name).c_str());
    }
    EXPECT_GT(seen.size(), std::size_t(rounds) / 2);
}

} // namespace
} // namespace zel
