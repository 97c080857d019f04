// The player file: one player's profile, days and tournaments, compressed.
//
// The uncompressed player record (little-endian):
//
//   | Offset          | Size     | Content                                          |
//   |-----------------|----------|--------------------------------------------------|
//   | 0               | 280      | Player_Profile; day count d at 252, tournament   |
//   |                 |          | count t at 256 (signed 32-bit)                   |
//   | 280             | 1412 * d | Day_Sheet records, in store order                |
//   | 280 + 1412 * d  | 380 * t  | Tournament_Sheet records, in store order         |
//
// The record is run-length packed into (value, run) byte pairs, run 1..255,
// and the pairs are Huffman coded (storage/huffman.h). The file:
//
//   | Offset  | Size        | Field    | Content                                    |
//   |---------|-------------|----------|--------------------------------------------|
//   | 0       | 3           | –        | "usr", no terminator                       |
//   | 3       | 4           | Num_code | n, number of code table entries, 1..256    |
//   | 7       | 8 * n       | Code     | n Code_Entry, in table order               |
//   | 7 + 8n  | 4           | Bin_pos  | B, number of coded bits                    |
//   | 11 + 8n | ceil(B / 8) | Recept   | the bits, most significant first, the last |
//   |         |             |          | byte padded with 0 bits                    |
//
// The file ends there. It has no version, checksum or uncompressed length, so a
// reader checks the record against its own profile: exactly 280 + 1412 d + 380 t
// bytes with d, t >= 0. Both the record and the pair stream must fit
// kMaxRecordBytes, the block size every build reads into.
#pragma once

#include "days/day_sheet.h"
#include "platform/reporter.h"
#include "players/player_profile.h"
#include "tournaments/tournament_sheet.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SharedState;

inline constexpr std::size_t kMaxRecordBytes = 1048576;
inline constexpr std::size_t kMaxStreamBytes = 1048576;
// The largest well-formed file: a full table and 16 bits for every stream byte.
inline constexpr std::size_t kMaxPlayerFileBytes = 11 + 8 * 256 + kMaxStreamBytes * 2;

struct PlayerData {
    Player_Profile profile;
    std::vector<Day_Sheet> days;
    std::vector<Tournament_Sheet> tournaments;
};

// Ok and NotPlayerFile keep the values callers have always tested (1 and 13).
enum class LoadResult { Ok = 1, NotPlayerFile = 13, Failed };

enum class PlayerFileStatus {
    Ok,
    NotPlayerFile,    // does not begin with "usr"
    TruncatedNumCode, // the file ends inside a section
    TruncatedCode,
    TruncatedBinPos,
    BadNumCode, // not 1..256
    BadCodeTable,
    BinPosPastEnd,  // more bits declared than the file holds
    TrailingBytes,  // bytes after the coded bits
    BadStream,      // bits matching no code, odd pair stream, run of 0
    TooLarge,       // stream or record beyond its block
    BadRecordSize,  // not 280 + 1412 d + 380 t for the profile's own d, t
    BadCounts,      // a negative day or tournament count
    BadScaleLength, // not 1..19
};

// The French text shown (caption "Info") when a file is refused for `status`.
std::string_view DescribePlayerFileStatus(PlayerFileStatus status);

enum class PlayerFit {
    Ok,
    BadCounts, // negative, or more records counted than given
    RecordTooLarge,
    StreamTooLarge,
};

// Whether the profile's counted records can be written as a file every build reads.
PlayerFit CheckPlayerFit(const Player_Profile &profile, std::span<const Day_Sheet> days,
                         std::span<const Tournament_Sheet> tournaments);

// The whole file for the profile and its first day_count days and
// tournament_count tournaments; empty when CheckPlayerFit refuses them.
std::vector<uint8_t> EncodePlayer(const Player_Profile &profile, std::span<const Day_Sheet> days,
                                  std::span<const Tournament_Sheet> tournaments);

// Decodes and checks a whole file; `out` is replaced only on Ok.
[[nodiscard]] PlayerFileStatus DecodePlayer(std::span<const uint8_t> bytes, PlayerData &out);

// Reads `path` (a full path). A missing or unreadable file shows the path with
// the caption "Probleme d'ouverture du fichier"; a damaged one its reason with
// the caption "Info". NotPlayerFile is silent: the caller decides what it means.
// `out` is untouched unless the result is Ok. Never creates a file.
[[nodiscard]] LoadResult LoadPlayerFile(const std::string &path, PlayerData &out, Reporter &r);

// Writes exactly profile.day_count days and profile.tournament_count
// tournaments to `path`, replacing the old file only once the new one is
// complete on disk. Reports any failure and then returns false; the old file
// is then as it was and no temporary file is left.
[[nodiscard]] bool SavePlayerFile(const std::string &path, const Player_Profile &profile,
                                  std::span<const Day_Sheet> days,
                                  std::span<const Tournament_Sheet> tournaments, Reporter &r);

// A name that stays inside the players' directory: not empty, ".", "..", and
// without '/', '\\' or ':'.
bool IsPlainFileName(std::string_view name);

// The on-disk path of a player file: the directory prefix followed by the
// Unicode form of the record's Windows-1252 file name.
std::string PlayerFilePath(const std::string &user_dir, std::string_view file_name_cp1252);

// Saves the loaded player (Current_Profile's counted records) to User_Dir +
// its file-name field.
[[nodiscard]] bool SaveCurrentPlayer(const SharedState &s, Reporter &r);

// Every change of the loaded player goes through here: `change` is made to the
// stores, then the player is saved. Either the file then holds the change, or
// the stores are put back as they were (the file's state), so nothing the user
// was told failed can reach the file with a later save. `change` may refuse by
// returning false (after saying why): nothing is then saved or kept.
[[nodiscard]] bool SavePlayerChange(SharedState &s, Reporter &r,
                                    const std::function<bool(SharedState &)> &change);

// Reads the player file `file_name` (Windows-1252, as in the profile) of
// User_Dir into the day and tournament stores. The caller has put the player's
// library profile into Current_Profile; the file's own counts must agree with
// it, or the load is refused. On failure nothing in `s` changes.
[[nodiscard]] bool LoadPlayerData(SharedState &s, const std::string &file_name, Reporter &r);

// Whether the loaded player can still be saved after one more day or tournament
// of any content. The day and tournament dialogs ask before adding anything.
bool FitsOneMoreDay(const SharedState &s);
bool FitsOneMoreTournament(const SharedState &s);

} // namespace zel
