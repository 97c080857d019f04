// Saves killed at random moments: the files on disk are always a version that was written whole.
#include "text/fixed_text.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/atomic_file.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zel {
namespace {

using test::RecordingReporter;
using test::TempDir;
using Clock = std::chrono::steady_clock;

// Each test stops starting rounds after this long.
constexpr auto kBudget = std::chrono::seconds(6);
constexpr int kMaxRounds = 300;

// A test directory on tmpfs when there is one: a kill cannot land while a
// process waits for the disk to flush, so on a disk most kills would only
// strike between saves.
std::unique_ptr<TempDir> KillTestDir() {
    const char *old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    if (::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 1);
    auto dir = std::make_unique<TempDir>();
    old ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
    return dir;
}

// Runs `changes` in a child that writes one line (short, so it reaches the pipe
// whole) after setting up and one after each finished change. The child is
// killed after 0 to 2 changes and some random part of the next one, however
// fast this build runs. Returns the lines of the finished changes.
class Killer {
  public:
    std::vector<std::string> run(const std::function<void(int fd)> &changes) {
        int fds[2];
        if (::pipe(fds) != 0)
            throw std::runtime_error("pipe");
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            ::alarm(30); // a stalled child ends, and the test fails instead of hanging
            changes(fds[1]);
            ::_exit(3); // `changes` never ends by itself
        }
        ::close(fds[1]);
        FILE *in = ::fdopen(fds[0], "r");
        std::vector<std::string> done;
        char *buf = nullptr;
        std::size_t cap = 0;
        auto next = [&] {
            const ssize_t n = ::getline(&buf, &cap, in);
            return n > 0 ? std::optional<std::string>(std::string(buf, n - 1)) : std::nullopt;
        };
        next(); // set up
        auto last = Clock::now();
        for (unsigned wait = rng_() % 3; wait > 0; --wait) {
            const auto line = next();
            if (!line)
                break;
            done.push_back(*line);
            const auto now = Clock::now();
            change_time_ = now - last;
            last = now;
        }
        std::this_thread::sleep_until(last + change_time_ * (rng_() % 1000) / 1000);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (const auto line = next())
            done.push_back(*line);
        std::free(buf);
        std::fclose(in);
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL)
            throw std::runtime_error("the child stopped by itself");
        return done;
    }

  private:
    std::mt19937 rng_{20240607};
    Clock::duration change_time_ = std::chrono::milliseconds(5);
};

void WriteLine(int fd, const std::string &text) {
    const std::string line = text + "\n";
    if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        ::_exit(4);
}

// Temporary files of killed saves; nothing can remove them at the moment of the kill.
void RemoveLeftovers(const TempDir &dir) {
    for (const std::string &name : dir.names())
        if (name.find(".tmp.") != std::string::npos)
            ::unlink((dir.path() + name).c_str());
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
    static int after(int k) { return k == kLast ? 0 : k + 1; }

  private:
    PlayerData all_;
};

TEST(CrashSafety, aKilledSaveLeavesTheLastSavedVersionOrTheOneBeingSaved) {
    const Versions versions;
    const auto dir = KillTestDir();
    const std::string path = dir->path() + "Lefevre.usr";
    RecordingReporter r;
    {
        const PlayerData first = versions[0];
        ASSERT_TRUE(SavePlayerFile(path, first.profile, first.days, first.tournaments, r));
    }
    Killer killer;
    std::set<int> seen;
    int rounds = 0, saved = 0;
    for (const auto start = Clock::now(); rounds < kMaxRounds && Clock::now() - start < kBudget; ++rounds) {
        // The child goes on from whatever version it finds, as the program would.
        const std::vector<std::string> done = killer.run([&](int fd) {
            PlayerData now;
            SilentReporter quiet;
            if (LoadPlayerFile(path, now, quiet) != LoadResult::Ok)
                ::_exit(2);
            WriteLine(fd, "ready");
            for (int k = Versions::after(now.profile.day_count);; k = Versions::after(k)) {
                const PlayerData next = versions[k];
                if (!SavePlayerFile(path, next.profile, next.days, next.tournaments, quiet))
                    ::_exit(3);
                WriteLine(fd, std::to_string(k));
            }
        });
        PlayerData loaded;
        ASSERT_EQ(LoadPlayerFile(path, loaded, r), LoadResult::Ok) << "round " << rounds;
        const int k = loaded.profile.day_count;
        const int last = done.empty() ? saved : std::stoi(done.back());
        ASSERT_TRUE(k == last || k == Versions::after(last))
            << "round " << rounds << ": version " << k << " after " << last;
        ASSERT_TRUE(test::SameBytes(loaded, versions[k])) << "round " << rounds << ", version " << k;
        saved = k;
        seen.insert(k);
        RemoveLeftovers(*dir);
    }
    EXPECT_TRUE(r.messages.empty());
    EXPECT_GT(seen.size(), 20u);
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

std::vector<std::string> Split(const std::string &joined) {
    std::vector<std::string> names;
    std::istringstream in(joined);
    for (std::string name; std::getline(in, name, ',');)
        names.push_back(name);
    return names;
}

TEST(CrashSafety, aKilledLibraryChangeLeavesTheOldOrTheNewList) {
    const auto dir = KillTestDir();
    Killer killer;
    std::vector<std::string> names; // the library as found after the last kill
    int rounds = 0, changed = 0;
    for (const auto start = Clock::now(); rounds < kMaxRounds && Clock::now() - start < kBudget; ++rounds) {
        // Fill the library up to four players, empty it, and again; report each list.
        const std::vector<std::string> done = killer.run([&](int fd) {
            SharedState s;
            s.User_Dir = dir->path();
            SilentReporter quiet;
            std::vector<std::string> now = names;
            bool growing = now.size() < 4;
            WriteLine(fd, "ready");
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
                WriteLine(fd, Joined(now));
            }
        });
        const std::vector<std::string> reported = done.empty() ? names : Split(done.back());
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
        RemoveLeftovers(*dir);
    }
    EXPECT_GT(changed, rounds / 2);
}

} // namespace
} // namespace zel
