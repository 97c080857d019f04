// DETAILBOX: matches, victories, averages and percentages of one championship
// by poule, its deciding sets and its results at home and away.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kDetailsTemplate{
    "DETAILBOX",
    "Détails sur le championnat",
    269,
    181,
    kDialogModalFrame,
    {
        {kNoId, Kind::GroupBox, "Année du championnat", 7, 3, 134, 29},
        {1052, Kind::Static, "Championnat", 11, 18, 91, 9, kNoWrap},
        {1065, Kind::Button, "-", 106, 13, 14, 12},
        {1064, Kind::Button, "+", 120, 13, 14, 12},
        {1037, Kind::Button, "OK", 207, 8, 49, 14, kDefaultButton},
        {kNoId, Kind::GroupBox, "Rencontres", 8, 35, 253, 77},
        {1058, Kind::Static, "Total Match", 52, 59, 42, 9, kCentred},
        {1072, Kind::Static, "Victoire(s)", 99, 59, 49, 9, kCentred},
        {1059, Kind::Static, "Moyenne de victoire(s) par journées", 150, 41, 45, 27, kCentred},
        {1063, Kind::Static, "Pourcentage de victoire(s)", 201, 50, 52, 18, kCentred},
        {kNoId, Kind::Static, "Général", 24, 70, 26, 9, kCentred},
        {1054, Kind::Static, "Poule A", 23, 83, 27, 9, kCentred},
        {1055, Kind::Static, "Poule B", 24, 96, 26, 9, kCentred},
        {1060, Kind::Static, "", 61, 70, 25, 9, kCentred},
        {1062, Kind::Static, "", 61, 83, 26, 9, kCentred},
        {1061, Kind::Static, "", 61, 96, 26, 9, kCentred},
        {1073, Kind::Static, "", 109, 70, 25, 9, kCentred},
        {1075, Kind::Static, "", 109, 83, 26, 9, kCentred},
        {1074, Kind::Static, "", 109, 96, 26, 9, kCentred},
        {1053, Kind::Static, "", 158, 70, 26, 9, kCentred},
        {1056, Kind::Static, "", 158, 83, 26, 9, kCentred},
        {1057, Kind::Static, "", 158, 96, 26, 9, kCentred},
        {1066, Kind::Static, "", 211, 70, 31, 9},
        {1067, Kind::Static, "", 211, 83, 32, 9},
        {1068, Kind::Static, "", 211, 96, 32, 9},
        {kNoId, Kind::GroupBox, "Belles", 8, 118, 118, 57},
        {kNoId, Kind::Static, "Nombres de belles :", 20, 132, 63, 9, kRightAligned},
        {kNoId, Kind::Static, "Belles gagnées :", 24, 145, 59, 9, kRightAligned},
        {kNoId, Kind::Static, "Belles perdues :", 23, 158, 60, 9, kRightAligned},
        {1069, Kind::Static, "", 96, 132, 25, 9, kCentred},
        {1070, Kind::Static, "", 96, 145, 25, 9, kCentred},
        {1071, Kind::Static, "", 96, 158, 25, 9, kCentred},
        {kNoId, Kind::GroupBox, "Lieu", 130, 118, 130, 57},
        {1077, Kind::Static, "Victoire(s)", 172, 129, 32, 8, kCentred},
        {1078, Kind::Static, "Défaite(s)", 211, 129, 31, 8, kCentred},
        {1080, Kind::Static, "Domicile", 141, 143, 28, 8, kCentred},
        {1079, Kind::Static, "Extérieur", 141, 156, 28, 8, kCentred},
        {1081, Kind::Static, "", 175, 142, 25, 9, kCentred},
        {1082, Kind::Static, "", 214, 142, 25, 9, kCentred},
        {1083, Kind::Static, "", 176, 155, 25, 9, kCentred},
        {1084, Kind::Static, "", 214, 155, 25, 9, kCentred},
    }};

} // namespace zel
