// Players with days and tournaments for the statistics dialog tests.
#pragma once

#include "days/day_fixtures.h"
#include "support/fake_platform.h"

#include <initializer_list>
#include <string_view>

namespace zel::test {

inline constexpr std::string_view Season = "Championnat 2000 - 2001";

// Tournament columns as {column, victories, defeats}; the season as typed, "2000 - 2001".
struct Column_Counts {
    int column;
    uint32_t victories;
    uint32_t defeats;
};

inline void AddTournament(SharedState &state, std::string_view season,
                          std::initializer_list<Column_Counts> counts) {
    Tournament_Sheet sheet{};
    SetFieldText(sheet.season, season);
    SetFieldText(sheet.name, "Open");
    for (const Column_Counts &c : counts) {
        sheet.columns[c.column].victories = c.victories;
        sheet.columns[c.column].defeats = c.defeats;
    }
    state.Mem_Tournois.push_back(sheet);
    state.Current_Profile.tournament_count = static_cast<int32_t>(state.Mem_Tournois.size());
}

inline void Name(SharedState &state, std::string_view name, std::string_view first_name) {
    SetFieldText(state.Current_Profile.name, name);
    SetFieldText(state.Current_Profile.first_name, first_name);
    state.Player_State = 1;
}

} // namespace zel::test
