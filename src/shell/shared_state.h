// Everything the program keeps about the loaded player and its settings.
// The main window owns one SharedState and hands it to every dialog; tests
// build their own. Pure data: no Qt.
#pragma once

#include "days/day_sheet.h"
#include "players/player_profile.h"
#include "tournaments/tournament_sheet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zel {

// Scratch copies kept while days or tournaments are modified, so "Annuler"
// can put them back.
struct Scratch_Store {
    std::vector<Day_Sheet> days;
    std::vector<Tournament_Sheet> tournaments;
};

struct SharedState {
    // The loaded player. Its day and tournament counts say how many records of
    // the stores are in use; the stores may hold more (a closed player's old
    // records stay behind, as after "Fermer"), and every save writes exactly
    // the counted ones.
    Player_Profile Current_Profile{};
    std::vector<Day_Sheet> Mem_Days;
    std::vector<Tournament_Sheet> Mem_Tournois;
    Scratch_Store Mem_Buffer;
    Day_Sheet Day_Work_Record{};

    // Profiles read from the player files listed in the library, in library order.
    std::vector<Player_Profile> Library_Image;

    // 0 no player; 1 the first player loaded since start-up; 2 a later one.
    int32_t Player_State = 0;

    // Prefix of every player file and of the library: a file name is appended
    // to it directly. Absolute, with a trailing "/", resolved once at start-up.
    std::string User_Dir;
    // The directory the program started in; every relative data path hangs off it.
    std::string Start_Dir;

    bool Opt_AutoLoad = false;
    bool Opt_AskPassword = false;
    bool Opt_AutoGrid = false;
    bool Grid_Shown = false;

    // The labels of the player's championship, weakest first ("NC" first).
    std::vector<std::string> Classement_List;

    int dayCount() const { return Current_Profile.day_count; }
    int tournamentCount() const { return Current_Profile.tournament_count; }
};

} // namespace zel
