// The player of the history tests, with the traps of a long record: one
// opponent met in three seasons under spellings that differ in case and
// blanks, a homonym in another club, a name whose accent is kept, an off-scale
// label, a 0-point single, an unplayed single with stale points, a double, a
// tournament season with no days and seasons with no tournaments.
#pragma once

#include "days/day_fixtures.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"

namespace zel::test {

// Own classement "30", lowest "60" (N = 11). Texts are Windows-1252.
//   day 0  1999 - 2000, 12/10, "TT Nord", own "35": Martin "30" (2), Anonyme "40" (0, won:
//          weaker than "35"), Petit "3O" (off the scale), Bernard unplayed (stale 3); a double
//          against a Martin
//   day 1  2000 - 2001, 20/01, "TT Nord ", own "30": Dupré "35" (0, won), "MARTIN " "25" (-2),
//          no name "NC" (0, won)
//   day 2  2000 - 2001, 05/10 (before day 1 in time), "Zel Sud", own "25": Martin "35" (4),
//          " Anonyme" "45" (1)
//   day 3  2001 - 2002, 15/11, "tt nord", own "25": martin "20" (-4), DUPRÉ "35" (1), Dupre "40" (1)
//   tournaments  "2000 - 2001": "35" 2-1; "1998 - 1999": "40" 5-0
inline PlayerData HistoryPlayer() {
    PlayerData p{};
    p.profile.scale_length = 11;
    SetFieldTextFull(p.profile.classement, "30");
    const auto day = [&](std::string_view season, uint8_t d, uint8_t month, std::string_view own,
                         std::string_view club, std::initializer_list<Single> singles,
                         std::initializer_list<std::string_view> names) {
        Day_Sheet sheet = MakeDay(season, own, singles);
        sheet.day = d;
        sheet.month = month;
        SetFieldText(sheet.opponent_club, club);
        int k = 0;
        for (std::string_view name : names)
            SetFieldText(sheet.singles[k++].name, name);
        p.days.push_back(sheet);
    };
    day("Championnat 1999 - 2000", 12, 10, "35", "TT Nord",
        {{"30", 2, true, {21, 21, 0}, {15, 18, 0}}, {"40", 0}, {"3O", -2}, {"25", 3, false}},
        {"Martin", "Anonyme", "Petit", "Bernard"});
    p.days.back().double_match.played = 1;
    SetFieldText(p.days.back().double_match.opponent1, "Martin");
    day("Championnat 2000 - 2001", 20, 1, "30", "TT Nord ",
        {{"35", 0}, {"25", -2, true, {21, 15, 19}, {19, 21, 21}}, {"NC", 0}}, {"Dupr\xE9", "MARTIN ", ""});
    day("Championnat 2000 - 2001", 5, 10, "25", "Zel Sud", {{"35", 4}, {"45", 1}}, {"Martin", " Anonyme"});
    day("Championnat 2001 - 2002", 15, 11, "25", "tt nord", {{"20", -4}, {"35", 1}, {"40", 1}},
        {"martin", "DUPR\xC9", "Dupre"});
    Tournament_Sheet now{}, before{};
    SetFieldText(now.season, "2000 - 2001");
    now.columns[8] = {2, 1}; // "35"
    SetFieldText(before.season, "1998 - 1999");
    before.columns[9] = {5, 0}; // "40"
    p.tournaments = {now, before};
    p.profile.day_count = static_cast<int32_t>(p.days.size());
    p.profile.tournament_count = static_cast<int32_t>(p.tournaments.size());
    return p;
}

// The state the dialogs work on once this player is loaded.
inline SharedState LoadedState(const PlayerData &p) {
    SharedState state;
    state.Current_Profile = p.profile;
    state.Mem_Days = p.days;
    state.Mem_Tournois = p.tournaments;
    BuildClassementList(state);
    state.Player_State = 1;
    return state;
}

inline SharedState HistoryState() {
    return LoadedState(HistoryPlayer());
}

} // namespace zel::test
