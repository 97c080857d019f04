// RECAPBOX: the table of victories and defeats of one championship by
// opponent classement, its totals and the points estimation.
#pragma once

#include "resources/dialog_template.h"

#include <array>

namespace zel {

// Cell ids by Classement_Index: row 0 victories, row 1 defeats (1152 is unused).
inline constexpr std::array<std::array<int, 23>, 2> Recap_Cell_Ids = {{
    {1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094, 1095, 1096,
     1097, 1142, 1143, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151},
    {1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109,
     1110, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162},
}};

namespace recap_detail {

inline std::vector<ControlTemplate> Controls() {
    std::vector<ControlTemplate> c = {
        {kNoId, Kind::GroupBox, "Année du championnat", 6, 6, 134, 29},
        {1052, Kind::Static, "Championnat", 10, 21, 91, 9, kNoWrap},
        {1065, Kind::Button, "-", 108, 16, 14, 12},
        {1064, Kind::Button, "+", 119, 16, 14, 12},
        {kNoId, Kind::GroupBox, "Championnat", 341, 6, 68, 39},
        {1121, Kind::RadioButton, "Avec tournois", 345, 15, 58, 12},
        {1122, Kind::RadioButton, "Sans tournois", 345, 28, 58, 12},
        {kNoId, Kind::Static, "Tableau des résultats", 44, 41, 127, 11},
        {1083, Kind::Static,
         "  1T   2T    3T    4T    15    20    25   30    35    40    45    50    55    60    65    70    75 "
         "   80    85    90    95   100   NC",
         41, 55, 368, 9, kSunken | kNoWrap},
        {kNoId, Kind::Static, "Victoire(s)", 9, 66, 32, 8},
        {kNoId, Kind::Static, "Défaite(s)", 10, 78, 31, 8},
    };
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 23; ++column)
            c.push_back({Recap_Cell_Ids[row][column], Kind::Static, "", 41 + 16 * column, row == 0 ? 64 : 76,
                         16, 12, kCentred | kVCentred | kSunken | kNoWrap});
    const std::vector<ControlTemplate> rest = {
        {kNoId, Kind::Static, "Victoire(s) :", 215, 101, 36, 9, kNoWrap},
        {kNoId, Kind::Static, "Défaite(s) :", 217, 115, 35, 10, kNoWrap},
        {1111, Kind::Static, "", 253, 100, 18, 10, kNoWrap},
        {1112, Kind::Static, "", 253, 115, 18, 10, kNoWrap},
        {kNoId, Kind::GroupBox, "Estimation", 41, 96, 152, 30},
        {kNoId, Kind::Static, "Classement", 52, 110, 39, 9},
        {107, Kind::ComboBox, "", 96, 107, 29, 75, kDropDownList},
        {kNoId, Kind::Static, "Points", 138, 110, 23, 9},
        {1113, Kind::Static, "", 165, 107, 18, 12, kCentred | kVCentred | kSunken | kNoWrap},
        {1037, Kind::Button, "&OK", 145, 131, 49, 14, kDefaultButton},
        {1038, Kind::Button, "&Imprimer", 226, 131, 49, 14},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    return c;
}

} // namespace recap_detail

// Caption without system menu: the recap has no cancel action.
inline const DialogTemplate kRecapTemplate{
    "RECAPBOX", "Récapitulatif", 418, 150, kDialogNoCloseBox, recap_detail::Controls(),
};

} // namespace zel
