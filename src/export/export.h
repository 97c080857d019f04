// The player as JSON or CSV, with the figures the statistics dialogs show.
#pragma once

#include "storage/player_file.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

namespace zel {

// The whole player. Keys are an interface scripts rely on: never rename them.
//   profile            identity and counts, never the password
//   days               store order, texts in UTF-8
//   tournaments        store order; victories / defeats by column
//   championships      the sorted championship table, each with its recap
//                      (without and with the season's tournaments), details
//                      and the running totals of graphs 2 and 3
//   tournament_groups  sorted by name
//   history            seasons (one per championship) and opponents (each
//                      with its matches), as the history dialog shows them
// The profile's day and tournament counts decide which records are read, as
// for every save; records beyond them are left out.
nlohmann::json ExportJson(const PlayerData &player);

// One line per single (four per day, played or not) after a header line;
// UTF-8, fields quoted as RFC 4180 asks, lines ended by CR LF.
std::string ExportCsv(const PlayerData &player);

// One CSV field: quoted, with inner quotes doubled, when it holds a comma, a
// quote, CR or LF; as it is otherwise.
std::string CsvField(std::string_view text);

// Exit codes of zel-export.
inline constexpr int Export_Ok = 0;
inline constexpr int Export_Failed = 1;  // the output could not be written
inline constexpr int Export_Refused = 2; // bad usage, or a file that cannot be read as a player

// What main does with its arguments (without the program name): writes the
// export to `out`, every message to `err`, and returns the exit code.
int RunExport(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace zel
