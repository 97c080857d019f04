// Players, directories and a recording reporter for the storage and library tests.
#pragma once

#include "days/day_sheet.h"
#include "platform/reporter.h"
#include "players/player_profile.h"
#include "storage/player_file.h"
#include "tournaments/tournament_sheet.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zel::test {

struct Reported {
    std::string text;
    std::string caption;
    Icon icon;
};

class RecordingReporter final : public Reporter {
  public:
    void message(const std::string &text, const std::string &caption, Icon icon) override {
        messages.push_back({text, caption, icon});
    }
    void beep() override { ++beeps; }
    std::vector<Reported> messages;
    int beeps = 0;
};

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
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

// The fixed player of tests/data/storage/dupont.usr: two days, one tournament.
PlayerData MakeDeterministicPlayer();

// Random texts (with junk after their terminators), scores and counts.
PlayerData MakeRandomPlayer(std::mt19937 &rng, int days, int tournaments);

// A long-time player: several seasons of days and tournaments with varied
// opponents, scores and points, written the way the dialogs write them.
PlayerData MakeRealisticPlayer(int days, int tournaments, uint32_t seed);

// The deepest leaf of the tree built by the plain merge rules, before any
// flattening: what a codec without the 16-bit guard would have to store.
int UnflattenedDepth(const std::vector<uint8_t> &input);

bool SameBytes(const PlayerData &a, const PlayerData &b);

} // namespace zel::test
