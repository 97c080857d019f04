// Every championship side by side, and the record against every opponent.
#include "stats/history.h"

#include "days/classement_scale.h"
#include "days/day_store.h"
#include "shell/shared_state.h"
#include "stats/details.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_groups.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace zel {

namespace {

constexpr std::string_view kSeasonPrefix = "Championnat ";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first year of "Championnat 2000 - 2001".
std::optional<int64_t> SeasonFirstYear(std::string_view name) {
    const std::string_view years = SeasonYears(name);
    int64_t year = 0;
    std::size_t digits = 0;
    for (; digits < years.size() && digits < 9 && years[digits] >= '0' && years[digits] <= '9'; ++digits)
        year = year * 10 + (years[digits] - '0');
    return digits > 0 ? std::optional<int64_t>(year) : std::nullopt;
}

Season_Row MakeSeasonRow(const SharedState &state, const Championship_Entry &entry,
                         const std::vector<Tournament_Group> &groups) {
    Season_Row row;
    row.name = entry.name;
    row.days = entry.dayCount();
    Stat_Tallies tallies;
    CountChampionship(state, entry, tallies);
    row.matches = std::accumulate(tallies.Stat_Matchs.begin(), tallies.Stat_Matchs.end(), int64_t{0});
    row.victories = RowTotal(tallies, 0);
    row.defeats = RowTotal(tallies, 1);
    row.percentage = VictoryPercentage(row.victories, row.matches);
    Stat_Tallies tournaments;
    AddTournamentGroup(state, groups, FindTournamentGroup(groups, entry.name), tournaments);
    row.tournament_victories = RowTotal(tournaments, 0);
    row.tournament_defeats = RowTotal(tournaments, 1);
    if (!entry.days.empty())
        row.classement = FieldText(state.Mem_Days[entry.days.front()].classement);
    return row;
}

// A day's place in time within its season, which begins in August.
struct Dated_Day {
    std::size_t season;
    int month;
    int day;
    int32_t index;

    bool operator<(const Dated_Day &o) const {
        return std::tie(season, month, day, index) < std::tie(o.season, o.month, o.day, o.index);
    }
};

bool IsAnonymous(std::string_view name) {
    return name.empty() || Cp1252Lower(name) == "anonyme";
}

} // namespace

std::string_view SeasonYears(std::string_view championship_name) {
    if (championship_name.substr(0, kSeasonPrefix.size()) == kSeasonPrefix)
        return championship_name.substr(kSeasonPrefix.size());
    return championship_name;
}

std::string DayDate(const Day_Sheet &day) {
    char text[64];
    if (const std::optional<int64_t> first = SeasonFirstYear(FieldText(day.season)))
        std::snprintf(text, sizeof text, "%02u/%02u/%lld", unsigned{day.day}, unsigned{day.month},
                      static_cast<long long>(*first + (day.month < 8 ? 1 : 0)));
    else
        std::snprintf(text, sizeof text, "%02u/%02u", unsigned{day.day}, unsigned{day.month});
    return text;
}

Player_History ComputeHistory(const SharedState &state) {
    Player_History history;
    const std::vector<Championship_Entry> table = GroupDays(state);
    const std::vector<Tournament_Group> groups = GroupTournaments(state);

    std::vector<Dated_Day> days;
    for (std::size_t s = 0; s < table.size(); ++s) {
        history.seasons.push_back(MakeSeasonRow(state, table[s], groups));
        for (int32_t index : table[s].days) {
            const Day_Sheet &day = state.Mem_Days[index];
            days.push_back({s, day.month >= 8 ? day.month - 8 : day.month + 4, day.day, index});
        }
    }
    std::sort(days.begin(), days.end());

    std::unordered_map<std::string, std::size_t> row_of_key;
    std::optional<std::size_t> anonymous_row;
    for (const Dated_Day &dated : days) {
        const Day_Sheet &day = state.Mem_Days[dated.index];
        const std::string_view club = Trimmed(FieldText(day.opponent_club));
        for (int k = 0; k < 4; ++k) {
            const Single_Slot &slot = day.singles[k];
            const Recap_Result result = RecapResult(day, slot);
            if (result == Recap_Result::Uncounted)
                continue;
            const std::optional<int32_t> points = CountedPoints(slot);
            history.seasons[dated.season].points += points.value_or(0);
            const std::string_view name = Trimmed(FieldText(slot.name));
            const bool anonymous = IsAnonymous(name);
            std::size_t r;
            if (anonymous) {
                if (!anonymous_row) {
                    anonymous_row = history.opponents.size();
                    history.opponents.emplace_back();
                }
                r = *anonymous_row;
            } else {
                const auto [it, added] = row_of_key.try_emplace(Cp1252Lower(name) + '\0' + Cp1252Lower(club),
                                                                history.opponents.size());
                if (added)
                    history.opponents.emplace_back();
                r = it->second;
            }
            Opponent_Row &row = history.opponents[r];
            if (!anonymous) { // the spelling of the last meeting
                row.name = name;
                row.club = club;
            }
            row.matches.push_back({dated.index, k, dated.season, result, points});
            row.victories += result == Recap_Result::Victory;
            row.defeats += result == Recap_Result::Defeat;
        }
    }

    for (Opponent_Row &row : history.opponents) {
        row.anonymous = row.name.empty();
        if (row.anonymous)
            row.name = "Anonyme";
        row.search_key = Cp1252SearchKey(row.name) + '\n' + Cp1252SearchKey(row.club);
    }
    std::sort(history.opponents.begin(), history.opponents.end(),
              [](const Opponent_Row &a, const Opponent_Row &b) {
                  return std::forward_as_tuple(a.anonymous, a.search_key, a.name, a.club) <
                         std::forward_as_tuple(b.anonymous, b.search_key, b.name, b.club);
              });
    return history;
}

bool MatchesSearch(const Opponent_Row &row, std::string_view text) {
    const std::string key = Cp1252SearchKey(Trimmed(text));
    return row.search_key.find(key) != std::string::npos;
}

} // namespace zel
