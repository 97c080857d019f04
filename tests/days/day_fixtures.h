// Builders of players and championship days for the domain tests.
#pragma once

#include "days/classement_scale.h"
#include "text/fixed_text.h"
#include "shell/shared_state.h"

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

inline void AddDay(SharedState &state, const Day_Sheet &day) {
    state.Mem_Days.push_back(day);
    state.Current_Profile.day_count = static_cast<int32_t>(state.Mem_Days.size());
}

} // namespace zel::test
