// Saves killed at random moments: the files on disk are always a version that was written whole.
#include "platform/fixed_text.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/atomic_file.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zel {
namespace {

using test::RecordingReporter;
using test::TempDir;
using Clock = std::chrono::steady_clock;

// Each test stops starting rounds after this long; a round lasts at most ~25 ms.
constexpr auto kBudget = std::chrono::seconds(6);
constexpr int kMaxRounds = 400;

// A test directory on tmpfs when there is one: a kill cannot land while a
// process waits for the disk to flush, so on a disk most kills would only
// strike between saves.
class KillTestDir {
  public:
    KillTestDir() : old_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "") {
        if (::access("/dev/shm", W_OK) == 0)
            ::setenv("TMPDIR", "/dev/shm", 1);
        dir_.emplace();
        old_.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", old_.c_str(), 1);
    }
    const TempDir &operator*() const { return *dir_; }
    const TempDir *operator->() const { return &*dir_; }

  private:
    std::string old_;
    std::optional<TempDir> dir_;
};

// Lets the child run for 0..20 ms, then kills it and checks it died of the kill.
void KillAtRandom(pid_t pid, std::mt19937 &rng) {
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 20000));
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the saving child stopped by itself: exit " << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

// Temporary files of killed saves; nothing can remove them at the moment of the kill.
int RemoveLeftovers(const TempDir &dir) {
    int removed = 0;
    for (const std::string &name : dir.names()) {
        if (name.find(".tmp.") != std::string::npos) {
            ::unlink((dir.path() + name).c_str());
            ++removed;
        }
    }
    return removed;
}

// Version k of a growing player: its first k days and k / 2 tournaments.
class Versions {
  public:
    static constexpr int kLast = 90;
    Versions() : all_(test::MakeRealisticPlayer(kLast, kLast / 2, 31)) {}
    PlayerData operator[](int k) const {
        PlayerData p = all_;
        p.days.resize(static_cast<std::size_t>(k));
        p.tournaments.resize(static_cast<std::size_t>(k / 2));
        p.profile.day_count = k;
        p.profile.tournament_count = k / 2;
        return p;
    }

  private:
    PlayerData all_;
};

TEST(CrashSafety, aKilledSaveLeavesAVersionThatWasSaved) {
    const Versions versions;
    const KillTestDir dir;
    const std::string path = dir->path() + "Lefevre.usr";
    RecordingReporter r;
    {
        const PlayerData first = versions[0];
        ASSERT_TRUE(SavePlayerFile(path, first.profile, first.days, first.tournaments, r));
    }
    std::mt19937 rng(20240607);
    std::set<int> seen;
    int rounds = 0, advanced = 0, leftovers = 0, last = 0;
    for (const auto start = Clock::now(); rounds < kMaxRounds && Clock::now() - start < kBudget; ++rounds) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // The child goes on from whatever version it finds, as the program would.
            PlayerData now;
            SilentReporter quiet;
            if (LoadPlayerFile(path, now, quiet) != LoadResult::Ok)
                ::_exit(2);
            for (int k = now.profile.day_count;;) {
                k = k == Versions::kLast ? 0 : k + 1;
                const PlayerData next = versions[k];
                if (!SavePlayerFile(path, next.profile, next.days, next.tournaments, quiet))
                    ::_exit(3);
            }
        }
        KillAtRandom(pid, rng);
        if (HasFatalFailure())
            return;

        PlayerData loaded;
        ASSERT_EQ(LoadPlayerFile(path, loaded, r), LoadResult::Ok) << "round " << rounds;
        const int k = loaded.profile.day_count;
        ASSERT_TRUE(k >= 0 && k <= Versions::kLast) << "round " << rounds;
        ASSERT_TRUE(test::SameBytes(loaded, versions[k])) << "round " << rounds << ", version " << k;
        seen.insert(k);
        advanced += k != last;
        last = k;
        leftovers += RemoveLeftovers(*dir);
    }
    EXPECT_TRUE(r.messages.empty());
    // The kills must have struck while saves were going on, not only between runs.
    EXPECT_GT(advanced, rounds / 3);
    EXPECT_GT(seen.size(), 20u);
    RecordProperty("rounds", rounds);
    RecordProperty("versions_seen", static_cast<int>(seen.size()));
    RecordProperty("temporary_files_left_by_kills", leftovers);
}

std::vector<std::string> LibraryNames(const std::string &user_dir) {
    std::vector<uint8_t> bytes;
    const ReadFileStatus read = ReadWholeFile(LibraryPath(user_dir), 1 << 20, bytes);
    EXPECT_TRUE(read == ReadFileStatus::Ok || read == ReadFileStatus::Missing);
    EXPECT_EQ(bytes.size() % kLibraryRecordBytes, 0u) << "a torn record";
    std::vector<std::string> names;
    for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
        names.emplace_back(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes));
    return names;
}

std::string Joined(const std::vector<std::string> &names) {
    std::string out;
    for (const std::string &n : names)
        out += n + ",";
    return out;
}

// The library the child last reported as done: one line per finished change.
std::vector<std::string> LastReported(int fd, const std::vector<std::string> &initial) {
    std::string all;
    char buf[4096];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
        all.append(buf, static_cast<std::size_t>(n));
    const auto end = all.rfind('\n');
    if (end == std::string::npos)
        return initial;
    const auto begin = all.rfind('\n', end - 1);
    const std::string line = all.substr(begin == std::string::npos ? 0 : begin + 1,
                                        end - (begin == std::string::npos ? 0 : begin + 1));
    std::vector<std::string> names;
    for (std::size_t at = 0; at < line.size();) {
        const auto comma = line.find(',', at);
        names.push_back(line.substr(at, comma - at));
        at = comma + 1;
    }
    return names;
}

TEST(CrashSafety, aKilledLibraryChangeLeavesTheOldOrTheNewList) {
    const KillTestDir dir;
    std::mt19937 rng(1789);
    std::vector<std::string> names; // the library as found after the last kill
    int rounds = 0, changed = 0, leftovers = 0;
    for (const auto start = Clock::now(); rounds < kMaxRounds && Clock::now() - start < kBudget; ++rounds) {
        int pipe_fds[2];
        ASSERT_EQ(::pipe(pipe_fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(pipe_fds[0]);
            // Fill the library up to four players, empty it, and again.
            SharedState s;
            s.User_Dir = dir->path();
            SilentReporter quiet;
            std::vector<std::string> now = names;
            bool growing = now.size() < 4;
            for (int i = 0;; ++i) {
                if (growing) {
                    const std::string name = "P" + std::to_string(::getpid()) + "_" + std::to_string(i);
                    s.Current_Profile = test::MakeProfile(name.c_str(), "Jean", "");
                    if (!RegisterNewPlayer(s, quiet))
                        ::_exit(3);
                    now.emplace_back(FieldText(s.Current_Profile.file_name));
                } else {
                    s.Current_Profile = test::MakeProfile("X", "Y", now.front().c_str());
                    if (!RemoveFromLibrary(s, quiet))
                        ::_exit(4);
                    now.erase(now.begin());
                }
                growing = now.empty() || (growing && now.size() < 4);
                // Short lines reach the pipe whole.
                const std::string line = Joined(now) + "\n";
                if (::write(pipe_fds[1], line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                    ::_exit(5);
            }
        }
        ::close(pipe_fds[1]);
        // Drain the pipe while the child runs, so a full pipe never stops it.
        std::vector<std::string> reported;
        std::thread reader([&] { reported = LastReported(pipe_fds[0], names); });
        KillAtRandom(pid, rng);
        reader.join();
        ::close(pipe_fds[0]);
        if (HasFatalFailure())
            return;

        const std::vector<std::string> found = LibraryNames(dir->path());
        std::vector<std::string> removed_one = reported;
        if (!removed_one.empty())
            removed_one.erase(removed_one.begin());
        const bool added_one = found.size() == reported.size() + 1 &&
                               std::equal(reported.begin(), reported.end(), found.begin()) &&
                               std::find(reported.begin(), reported.end(), found.back()) == reported.end();
        ASSERT_TRUE(found == reported || found == removed_one || added_one)
            << "round " << rounds << ": found " << Joined(found) << " after " << Joined(reported);
        // Every listed player was saved whole before it was listed.
        for (const std::string &name : found) {
            PlayerData p;
            RecordingReporter r;
            ASSERT_EQ(LoadPlayerFile(dir->path() + name, p, r), LoadResult::Ok) << name;
        }
        changed += found != names;
        names = found;
        leftovers += RemoveLeftovers(*dir);
    }
    EXPECT_GT(changed, rounds / 3);
    RecordProperty("rounds", rounds);
    RecordProperty("temporary_files_left_by_kills", leftovers);
}

} // namespace
} // namespace zel
