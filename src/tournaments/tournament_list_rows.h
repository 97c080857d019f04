// The rows of the tournament list: one per season that has tournaments.
#pragma once

#include "tournaments/tournament_groups.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

inline constexpr int kTournamentListColumns = 5;

// Season (without "Championnat "), number of tournaments, classement, club,
// points; texts in Windows-1252 like the records they come from.
std::array<std::string, kTournamentListColumns> TournamentListRow(const Tournament_Group &group,
                                                                  std::string_view club);

// The group of that name, or -1: groups are rebuilt after every change, so a
// season is followed by its name, not its place.
int TournamentGroupNamed(const std::vector<Tournament_Group> &groups, std::string_view name);

} // namespace zel
