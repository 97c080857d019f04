// The player as JSON or CSV, computed by the same functions as the dialogs.
#include "export/export.h"

#include "days/classement_scale.h"
#include "days/day_store.h"
#include "platform/reporter.h"
#include "shell/shared_state.h"
#include "stats/details.h"
#include "stats/graph_series.h"
#include "stats/history.h"
#include "stats/statistics.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_groups.h"

#include <charconv>
#include <exception>
#include <ostream>
#include <string_view>

namespace zel {

namespace {

using nlohmann::json;

template <std::size_t N> std::string Text(const char (&field)[N]) {
    return Cp1252ToUtf8(FieldText(field));
}

// A one-byte field ('M', 'A' ...); a zero byte is an empty text.
std::string CharText(char c) {
    return c == '\0' ? std::string() : Cp1252ToUtf8(std::string_view(&c, 1));
}

template <typename T, std::size_t N> json Numbers(const T (&values)[N]) {
    return json(std::vector<T>(values, values + N));
}

// The state the statistics dialogs work on once this player is loaded.
SharedState LoadedState(const PlayerData &player) {
    SharedState state;
    state.Current_Profile = player.profile;
    state.Mem_Days = player.days;
    state.Mem_Tournois = player.tournaments;
    BuildClassementList(state);
    return state;
}

// The details show averages as "%1.2f": export that value, not the float's
// binary expansion (7 / 3 would read 2.3333332538604736).
double ShownAverage(float average) {
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, average, std::chars_format::fixed, 2);
    double shown = 0.0;
    std::from_chars(buffer, printed.ptr, shown);
    return shown;
}

json ProfileJson(const Player_Profile &p) {
    return {
        {"name", Text(p.name)},
        {"first_name", Text(p.first_name)},
        {"age", p.age},
        {"sex", CharText(p.sex)},
        {"classement", Text(p.classement)},
        {"club", Text(p.club)},
        {"licence", p.licence},
        {"file_name", Text(p.file_name)},
        {"scale_length", p.scale_length},
        {"day_count", p.day_count},
        {"tournament_count", p.tournament_count},
    };
}

json SingleJson(const Single_Slot &s) {
    return {
        {"played", s.played != 0},
        {"name", Text(s.name)},
        {"classement", Text(s.classement)},
        {"player_scores", Numbers(s.player_scores)},
        {"opponent_scores", Numbers(s.opponent_scores)},
        {"points", s.points},
    };
}

json DoubleJson(const Double_Block &d) {
    return {
        {"played", d.played != 0},
        {"partner", Text(d.partner)},
        {"partner_classement", Text(d.partner_classement)},
        {"opponent1", Text(d.opponent1)},
        {"opponent1_classement", Text(d.opponent1_classement)},
        {"opponent2", Text(d.opponent2)},
        {"opponent2_classement", Text(d.opponent2_classement)},
        {"pair_scores", Numbers(d.pair_scores)},
        {"opponent_scores", Numbers(d.opponent_scores)},
    };
}

json DayJson(const Day_Sheet &d) {
    json singles = json::array();
    for (const Single_Slot &slot : d.singles)
        singles.push_back(SingleJson(slot));
    return {
        {"season", Text(d.season)},
        {"day", d.day},
        {"month", d.month},
        {"type", CharText(d.type)},
        {"classement", Text(d.classement)},
        {"number", d.number},
        {"division", Text(d.division)},
        {"division_poule", CharText(d.division_poule)},
        {"team", Text(d.team)},
        {"team_letter", CharText(d.team_letter)},
        {"opponent_club", Text(d.opponent_club)},
        {"place", Text(d.place)},
        {"poule", CharText(d.poule)},
        {"singles", std::move(singles)},
        {"double", DoubleJson(d.double_match)},
    };
}

json TournamentJson(const Tournament_Sheet &t) {
    json victories = json::array(), defeats = json::array();
    for (const Tournament_Column &column : t.columns) {
        victories.push_back(column.victories);
        defeats.push_back(column.defeats);
    }
    return {
        {"season", Text(t.season)},
        {"name", Text(t.name)},
        {"day", t.day},
        {"month", t.month},
        {"year", t.year},
        {"victories", std::move(victories)},
        {"defeats", std::move(defeats)},
        {"points", t.points},
        {"classement", Text(t.classement)},
    };
}

// The recap table as the dialog shows it, with the estimation for every
// classement its drop-down list offers.
json RecapJson(const SharedState &state, const Stat_Tallies &tallies) {
    json estimation = json::object();
    for (const std::string &label : state.Classement_List)
        estimation[label] = EstimatePoints(state, tallies, label);
    return {
        {"victoires", tallies.Stat_Victoires},     {"defaites", tallies.Stat_Defaites},
        {"total_victoires", RowTotal(tallies, 0)}, {"total_defaites", RowTotal(tallies, 1)},
        {"estimation", std::move(estimation)},
    };
}

json DetailsRowJson(const Details_Row &row) {
    return {
        {"days", row.days},
        {"victories", row.victories},
        {"matches", row.matches},
        {"average", ShownAverage(row.average)},
        {"percentage", row.percentage},
    };
}

json DetailsJson(const Championship_Details &d) {
    return {
        {"matches", d.general.matches},
        {"victories", d.general.victories},
        {"general_average", ShownAverage(d.general.average)},
        {"general_percentage", d.general.percentage},
        {"poule_a", DetailsRowJson(d.poule_a)},
        {"poule_b", DetailsRowJson(d.poule_b)},
        {"home_victories", d.home_victories},
        {"home_defeats", d.home_defeats},
        {"away_victories", d.away_victories},
        {"away_defeats", d.away_defeats},
        {"belles", d.belles},
        {"belles_won", d.belles_won},
        {"belles_lost", d.belles_lost},
    };
}

json ChampionshipJson(const SharedState &state, const Championship_Entry &entry,
                      const std::vector<Tournament_Group> &groups) {
    Stat_Tallies without;
    CountChampionship(state, entry, without);
    Stat_Tallies with = without;
    AddTournamentGroup(state, groups, FindTournamentGroup(groups, entry.name), with);

    json graph2 = json::object();
    for (const std::string &label : state.Classement_List)
        graph2[label] = ComputeGraph2(state, entry, label).running_totals;

    return {
        {"name", Cp1252ToUtf8(entry.name)},
        {"classement", Cp1252ToUtf8(entry.classement)},
        {"days", entry.days},
        {"total_points", entry.total_points},
        {"recap_without_tournaments", RecapJson(state, without)},
        {"recap_with_tournaments", RecapJson(state, with)},
        {"details", DetailsJson(ComputeDetails(state, entry))},
        {"graph2", std::move(graph2)},
        {"graph3", ComputeGraph3(state, entry).running_totals},
    };
}

json GroupJson(const Tournament_Group &g) {
    return {
        {"name", Cp1252ToUtf8(g.name)}, {"classement", Cp1252ToUtf8(g.classement)},
        {"count", g.count()},           {"indices", g.tournaments},
        {"points", g.points},
    };
}

const char *ResultName(Recap_Result result) {
    switch (result) {
    case Recap_Result::Victory:
        return "victory";
    case Recap_Result::Defeat:
        return "defeat";
    default:
        return "undecided";
    }
}

json OpponentJson(const SharedState &state, const Player_History &history, const Opponent_Row &o) {
    json matches = json::array();
    for (const Opponent_Match &m : o.matches) {
        const Day_Sheet &day = state.Mem_Days[std::size_t(m.day)];
        const Single_Slot &slot = day.singles[m.single];
        matches.push_back({
            {"day", m.day},
            {"single", m.single + 1},
            {"date", DayDate(day)},
            {"championship", Cp1252ToUtf8(history.seasons[m.season].name)},
            {"classement", Text(slot.classement)},
            {"player_scores", Numbers(slot.player_scores)},
            {"opponent_scores", Numbers(slot.opponent_scores)},
            {"result", ResultName(m.result)},
            {"points", m.points ? json(*m.points) : json(nullptr)},
        });
    }
    const Day_Sheet &last = state.Mem_Days[std::size_t(o.last().day)];
    return {
        {"name", Cp1252ToUtf8(o.name)},
        {"club", Cp1252ToUtf8(o.club)},
        {"anonymous", o.anonymous},
        {"meetings", o.meetings()},
        {"victories", o.victories},
        {"defeats", o.defeats},
        {"last_classement", Text(last.singles[o.last().single].classement)},
        {"last_date", DayDate(last)},
        {"last_season", Cp1252ToUtf8(history.seasons[o.last().season].name)},
        {"matches", std::move(matches)},
    };
}

json HistoryJson(const SharedState &state) {
    const Player_History history = ComputeHistory(state);
    json seasons = json::array();
    for (const Season_Row &s : history.seasons)
        seasons.push_back({
            {"name", Cp1252ToUtf8(s.name)},
            {"days", s.days},
            {"matches", s.matches},
            {"victories", s.victories},
            {"defeats", s.defeats},
            {"percentage", s.percentage},
            {"points", s.points},
            {"tournament_victories", s.tournament_victories},
            {"tournament_defeats", s.tournament_defeats},
            {"classement", Cp1252ToUtf8(s.classement)},
        });
    json opponents = json::array();
    for (const Opponent_Row &o : history.opponents)
        opponents.push_back(OpponentJson(state, history, o));
    return {{"seasons", std::move(seasons)}, {"opponents", std::move(opponents)}};
}

} // namespace

json ExportJson(const PlayerData &player) {
    const SharedState state = LoadedState(player);

    json days = json::array();
    const int day_count = UsedDayCount(state);
    for (int i = 0; i < day_count; ++i)
        days.push_back(DayJson(state.Mem_Days[i]));

    json tournaments = json::array();
    const int tournament_count = UsedTournamentCount(state);
    for (int i = 0; i < tournament_count; ++i)
        tournaments.push_back(TournamentJson(state.Mem_Tournois[i]));

    const std::vector<Tournament_Group> groups = GroupTournaments(state);
    json championships = json::array();
    for (const Championship_Entry &entry : GroupDays(state))
        championships.push_back(ChampionshipJson(state, entry, groups));

    json tournament_groups = json::array();
    for (const Tournament_Group &group : groups)
        tournament_groups.push_back(GroupJson(group));

    return {
        {"profile", ProfileJson(player.profile)},
        {"days", std::move(days)},
        {"tournaments", std::move(tournaments)},
        {"championships", std::move(championships)},
        {"tournament_groups", std::move(tournament_groups)},
        {"history", HistoryJson(state)},
    };
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string ExportCsv(const PlayerData &player) {
    static constexpr std::string_view header =
        "day_index,season,day,month,type,classement,number,division,division_poule,team,team_letter,"
        "opponent_club,place,poule,single,played,opponent,opponent_classement,player_set1,player_set2,"
        "player_set3,opponent_set1,opponent_set2,opponent_set3,points\r\n";
    const SharedState state = LoadedState(player);
    std::string csv(header);
    const int day_count = UsedDayCount(state);
    for (int i = 0; i < day_count; ++i) {
        const Day_Sheet &d = state.Mem_Days[i];
        // The day's part of the line is the same for its four singles.
        const std::string day_fields =
            std::to_string(i) + ',' + CsvField(Text(d.season)) + ',' + std::to_string(d.day) + ',' +
            std::to_string(d.month) + ',' + CsvField(CharText(d.type)) + ',' + CsvField(Text(d.classement)) +
            ',' + std::to_string(d.number) + ',' + CsvField(Text(d.division)) + ',' +
            CsvField(CharText(d.division_poule)) + ',' + CsvField(Text(d.team)) + ',' +
            CsvField(CharText(d.team_letter)) + ',' + CsvField(Text(d.opponent_club)) + ',' +
            CsvField(Text(d.place)) + ',' + CsvField(CharText(d.poule));
        for (int k = 0; k < 4; ++k) {
            const Single_Slot &s = d.singles[k];
            csv += day_fields;
            csv += ',' + std::to_string(k + 1) + ',' + (s.played != 0 ? "1" : "0") + ',' +
                   CsvField(Text(s.name)) + ',' + CsvField(Text(s.classement));
            for (uint32_t score : s.player_scores)
                csv += ',' + std::to_string(score);
            for (uint32_t score : s.opponent_scores)
                csv += ',' + std::to_string(score);
            csv += ',' + std::to_string(s.points) + "\r\n";
        }
    }
    return csv;
}

namespace {

constexpr std::string_view kUsage =
    "usage : zel-export [--csv] JOUEUR.usr\n"
    "  Écrit le joueur en JSON sur la sortie standard ; avec --csv, ses journées,\n"
    "  un simple par ligne.\n";

// Message boxes become lines on standard error; beeps have no place there.
class StreamReporter final : public Reporter {
  public:
    explicit StreamReporter(std::ostream &err) : err_(err) {}
    void message(const std::string &text, const std::string &caption, Icon) override {
        std::string line = "zel-export : ";
        if (caption != "Info")
            line += caption + " : ";
        for (char c : text)
            line += c == '\n' ? std::string(" : ") : std::string(1, c);
        err_ << line << '\n';
    }
    void beep() override {}

  private:
    std::ostream &err_;
};

} // namespace

int RunExport(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    bool csv = false;
    bool options_done = false;
    std::vector<std::string> paths;
    for (const std::string &arg : args) {
        if (!options_done && (arg == "--help" || arg == "-h")) {
            out << kUsage;
            return out.flush() ? Export_Ok : Export_Failed;
        }
        if (!options_done && arg == "--csv")
            csv = true;
        else if (!options_done && arg == "--")
            options_done = true;
        else if (!options_done && arg.size() > 1 && arg[0] == '-') {
            err << "zel-export : option inconnue : " << arg << '\n' << kUsage;
            return Export_Refused;
        } else
            paths.push_back(arg);
    }
    if (paths.size() != 1) {
        err << kUsage;
        return Export_Refused;
    }
    const std::string &path = paths.front();

    try {
        StreamReporter reporter(err);
        PlayerData player;
        switch (LoadPlayerFile(path, player, reporter)) {
        case LoadResult::Ok:
            break;
        case LoadResult::NotPlayerFile:
            err << "zel-export : " << DescribePlayerFileStatus(PlayerFileStatus::NotPlayerFile) << " : "
                << path << '\n';
            return Export_Refused;
        case LoadResult::Failed:
            return Export_Refused;
        }
        if (csv)
            out << ExportCsv(player);
        else
            out << ExportJson(player).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } catch (const std::exception &e) {
        err << "zel-export : échec de l'export : " << e.what() << '\n';
        return Export_Failed;
    }
    if (!out.flush()) {
        err << "zel-export : erreur d'écriture sur la sortie standard\n";
        return Export_Failed;
    }
    return Export_Ok;
}

} // namespace zel
