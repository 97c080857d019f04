// TOURNOIBOX and TOURNOIMODIFBOX: the page of one tournament inside the tabs,
// read-only in the viewer, editable in the modification dialog. Both have the
// same controls at the same places.
#pragma once

#include "resources/templates/tournament_table_template.h"

namespace zel {

inline std::vector<ControlTemplate> TournamentPageControls(bool editable) {
    const uint32_t ro = editable ? 0u : kReadOnly;
    const uint32_t figure = ro | kDigitsOnly | kCentred;
    return JoinControls({
        {
            {kNoId, Kind::Static, "Nom", 17, 8, 18, 11},
            {1041, Kind::Edit, "", 39, 7, 215, 12, ro},
            {kNoId, Kind::Static, "Le", 281, 9, 11, 11},
            {1038, Kind::Edit, "", 297, 7, 14, 12, figure},
            {kNoId, Kind::Static, "/", 315, 9, 8, 11},
            {1039, Kind::Edit, "", 323, 7, 14, 12, figure},
            {kNoId, Kind::Static, "/", 341, 9, 8, 11},
            {1040, Kind::Edit, "", 349, 7, 22, 12, figure},
        },
        TournamentTable(kPageCellX, editable ? "Victoire(s)" : "Gagné", editable ? "Défaite(s)" : "Perdu",
                        figure),
        {
            {kNoId, Kind::GroupBox, "Estimation", 8, 76, 160, 30},
            {kNoId, Kind::Static, "Classement", 15, 91, 39, 9},
            {107, Kind::ComboBox, "", 59, 88, 29, 75, kDropDownList},
            {kNoId, Kind::Static, "Points", 114, 91, 23, 9},
            {1113, Kind::Static, "", 141, 88, 18, 12, kCentred | kSunken | kVCentred},
        },
    });
}

inline const DialogTemplate kTournoiBoxTemplate{
    "TOURNOIBOX", "", 416, 110, kDialogChild, TournamentPageControls(false),
};
inline const DialogTemplate kTournoiModifBoxTemplate{
    "TOURNOIMODIFBOX", "", 416, 110, kDialogChild, TournamentPageControls(true),
};

} // namespace zel
