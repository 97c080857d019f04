// Players, directories and a recording reporter for the storage and library tests.
#pragma once

#include "platform/reporter.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zel::test {

// What the user was told, in order: "text|caption" per message, "beep" per beep, ";" between.
class RecordingReporter final : public Reporter {
  public:
    void message(const std::string &text, const std::string &caption, Icon) override {
        told += (told.empty() ? "" : ";") + text + "|" + caption;
    }
    void beep() override { told += told.empty() ? "beep" : ";beep"; }
    std::string told;
};

// A fresh directory, removed with everything in it at the end of the test; on tmpfs when asked and
// there is one.
class TempDir {
  public:
    explicit TempDir(bool tmpfs = false);
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    // With a trailing "/", ready to be a User_Dir prefix.
    const std::string &path() const { return path_; }
    std::vector<std::string> names() const; // sorted

  private:
    std::string path_;
};

std::vector<uint8_t> ReadBytes(const std::string &path);
void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes);
bool Exists(const std::string &path);

// A profile as the new-player dialog makes it: zero-filled, no days or tournaments.
Player_Profile MakeProfile(const char *name, const char *first_name, const char *file_name);

// The player of tests/data/storage/dupont.usr: two days, one tournament.
PlayerData MakeDeterministicPlayer();

// Random bytes in every field, with the counts given.
PlayerData MakeRandomPlayer(std::mt19937 &rng, int days, int tournaments);

// A long-time player: several seasons of days and tournaments with varied
// opponents, scores and points, written the way the dialogs write them.
PlayerData MakeRealisticPlayer(int days, int tournaments, uint32_t seed);

// The uncompressed record of a player: profile, then every day and tournament given.
std::vector<uint8_t> RecordOf(const PlayerData &p);

// A player file around any record, well-formed or not, coded the regular way.
std::vector<uint8_t> FileAround(const std::vector<uint8_t> &record);

// The state of a loaded player, and the player it holds in memory.
SharedState StateWith(const PlayerData &p, const std::string &user_dir = "");
PlayerData InMemory(const SharedState &s);

bool SameBytes(const PlayerData &a, const PlayerData &b);

} // namespace zel::test
