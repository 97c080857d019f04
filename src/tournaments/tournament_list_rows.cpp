// The rows of the tournament list: one per season that has tournaments.
#include "tournaments/tournament_list_rows.h"

#include <algorithm>

namespace zel {

namespace {
constexpr std::string_view kPrefix = "Championnat ";
}

std::array<std::string, kTournamentListColumns> TournamentListRow(const Tournament_Group &group,
                                                                  std::string_view club) {
    const std::string_view name = group.name;
    return {std::string(name.substr(std::min(name.size(), kPrefix.size()))), std::to_string(group.count()),
            group.classement, std::string(club), std::to_string(group.points)};
}

int TournamentGroupNamed(const std::vector<Tournament_Group> &groups, std::string_view name) {
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i].name == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace zel
