// GRAPHEBOX: the three line graphs of one championship and their choices.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kGraphsTemplate{
    "GRAPHEBOX",
    "Graphes",
    511,
    335,
    kDialogModalFrame,
    {
        {kNoId, Kind::GroupBox, "Année du championnat", 7, 5, 134, 29},
        {1052, Kind::Static, "Championnat", 13, 17, 91, 9, kNoWrap},
        {1065, Kind::Button, "-", 107, 15, 14, 12},
        {1064, Kind::Button, "+", 121, 15, 14, 12},
        {kNoId, Kind::GroupBox, "Types de graphes", 148, 5, 288, 57},
        {1112, Kind::RadioButton, "Courbes des matchs gagnés / rencontrés", 160, 18, 148, 11},
        {1114, Kind::RadioButton, "Courbe du cumul des points sur le championnat pour le classement ", 160,
         31, 224, 12},
        {1116, Kind::RadioButton, "Courbe du cumul des matchs gagnés", 160, 44, 134, 12},
        // After the three radio buttons, which must stay consecutive to form one group.
        // Names the list for the eye and for a screen reader (its buddy).
        {kNoId, Kind::Static, "Classement", 388, 21, 44, 8, kNoWrap},
        {107, Kind::ComboBox, "", 388, 31, 29, 75, kDropDownList},
        {1153, Kind::CheckBox, "Grille", 9, 45, 32, 9},
        {1042, Kind::Button, "&Fermer", 445, 9, 50, 14, kDefaultButton},
        // Drawn by the dialog; its client area is at least 675 x 409 pixels.
        {1143, Kind::Custom, "", 7, 68, 493, 259, kBlackFrame | kSunken | kBorder},
    }};

} // namespace zel
