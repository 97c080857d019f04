// ADD_TOURNOI: entry of a new tournament.
#pragma once

#include "resources/templates/tournament_table_template.h"

namespace zel {

inline const DialogTemplate kAddTournoiTemplate{
    "ADD_TOURNOI",
    "Ajout d'un tournoi",
    416,
    109,
    kDialogModalFrame,
    JoinControls({
        {
            {kNoId, Kind::Static, "Nom", 17, 8, 18, 11},
            {1041, Kind::Edit, "", 39, 7, 215, 12},
            {kNoId, Kind::Static, "Le", 281, 9, 11, 11},
            {1038, Kind::Edit, "", 297, 7, 14, 12, kDigitsOnly},
            {kNoId, Kind::Static, "/", 315, 9, 8, 11},
            {1039, Kind::Edit, "", 323, 7, 14, 12, kDigitsOnly},
            {kNoId, Kind::Static, "/", 341, 9, 8, 11},
            {1040, Kind::Edit, "", 349, 7, 22, 12, kDigitsOnly},
        },
        TournamentTable(kEntryCellX, "Victoire(s)", "Défaite(s)", kDigitsOnly | kCentred),
        {
            {kNoId, Kind::Static, "Estimation", 57, 76, 35, 9},
            {kNoId, Kind::Static, "Classement", 15, 92, 39, 9},
            {107, Kind::ComboBox, "", 59, 89, 29, 75, kDropDownList | kSorted},
            {kNoId, Kind::Static, "Points", 114, 92, 23, 9},
            {1113, Kind::Static, "", 141, 89, 18, 12, kCentred | kSunken | kVCentred},
            {1037, Kind::Button, "&Valider", 297, 89, 49, 14, kDefaultButton},
            {1042, Kind::Button, "&Annuler", 356, 89, 49, 14},
        },
    })};

} // namespace zel
