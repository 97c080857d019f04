// Builders of players and championship days for the domain tests.
#pragma once

#include "days/classement_scale.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace zel::test {

inline SharedState MakePlayer(int scale_length, std::string_view own) {
    SharedState state;
    state.Current_Profile.scale_length = scale_length;
    SetFieldTextFull(state.Current_Profile.classement, own);
    BuildClassementList(state);
    return state;
}

struct Single {
    std::string_view label;
    int32_t points = 0;
    bool played = true;
    std::array<uint32_t, 3> player{};
    std::array<uint32_t, 3> opponent{};
};

inline Day_Sheet MakeDay(std::string_view season, std::string_view own, std::initializer_list<Single> singles,
                         char poule = 'A', std::string_view place = "Domicile") {
    Day_Sheet day{};
    SetFieldText(day.season, season);
    SetFieldText(day.classement, own);
    SetFieldText(day.place, place);
    day.poule = poule;
    int k = 0;
    for (const Single &s : singles) {
        Single_Slot &slot = day.singles[k++];
        slot.played = s.played ? 1 : 0;
        SetFieldText(slot.classement, s.label);
        slot.points = s.points;
        for (int i = 0; i < 3; ++i) {
            slot.player_scores[i] = s.player[i];
            slot.opponent_scores[i] = s.opponent[i];
        }
    }
    return day;
}

// A men's day of team A in D1, poule A, at home, for a "30" whose first single, won 21-19 21-17
// against a "20", was stored with `points`.
inline Day_Sheet MakeTeamDay(std::string_view season, uint32_t number, int32_t points) {
    Day_Sheet d = MakeDay(season, "30", {{"20", points, true, {21, 21, 0}, {19, 17, 0}}});
    d.number = number;
    d.type = 'M';
    SetFieldText(d.division, "D1");
    d.team_letter = 'A';
    return d;
}

inline void AddDay(SharedState &state, const Day_Sheet &day) {
    state.Mem_Days.push_back(day);
    state.Current_Profile.day_count = static_cast<int32_t>(state.Mem_Days.size());
}

} // namespace zel::test
