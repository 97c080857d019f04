// The results table shared by every tournament form: one line of classement
// heads over a row of victory cells and a row of defeat cells.
#pragma once

#include "resources/dialog_template.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace zel {

// Column c of both rows is Classement_Index c ("1T" = 0 ... "100" = 21); the
// last column, 22, is "NC" whatever the player's scale.
inline constexpr int kTournamentCellColumns = 23;
inline constexpr std::array<int, kTournamentCellColumns> Victory_Cell_Ids = {
    1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022,
    1023, 1043, 1044, 1047, 1048, 1049, 1050, 1051, 1057, 1058, 1061};
inline constexpr std::array<int, kTournamentCellColumns> Defeat_Cell_Ids = {
    1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035,
    1036, 1045, 1046, 1052, 1053, 1054, 1055, 1056, 1059, 1060, 1062};

inline constexpr int kTournamentHeadsId = 1082;
// One text, spaces included, as it was laid over the cells in the system font.
inline constexpr const char *kTournamentHeads =
    "  1T   2T    3T    4T    15    20    25   30    35    40    45    50    55 "
    "   60    65    70    75    80    85    90    95   100   NC";

// Left edges of the cells of the entry dialog (dialog units): 16 apart, one
// unit closer from "70" on.
inline constexpr std::array<int, kTournamentCellColumns> kEntryCellX = {
    40,  56,  72,  88,  104, 120, 136, 152, 168, 184, 200, 216,
    232, 248, 264, 279, 295, 311, 327, 343, 359, 375, 391};
// Left edges of the cells of the tournament pages: exactly 16 apart.
inline constexpr std::array<int, kTournamentCellColumns> kPageCellX = {40,  56,  72,  88,  104, 120, 136, 152,
                                                                       168, 184, 200, 216, 232, 248, 264, 280,
                                                                       296, 312, 328, 344, 360, 376, 392};

inline constexpr int kTournamentCellY[2] = {47, 60}; // victories, defeats
inline constexpr int kTournamentCellW = 16;
inline constexpr int kTournamentCellH = 12;

// "Tableau des résultats", the heads, then each row label followed by its 23 cells.
inline std::vector<ControlTemplate> TournamentTable(const std::array<int, kTournamentCellColumns> &cell_x,
                                                    const char *victory_label, const char *defeat_label,
                                                    uint32_t cell_style) {
    std::vector<ControlTemplate> c{
        {kNoId, Kind::Static, "Tableau des résultats", 43, 24, 127, 11},
        {kTournamentHeadsId, Kind::Static, kTournamentHeads, 40, 37, 368, 9, kSunken | kNoWrap},
        {kNoId, Kind::Static, victory_label, 8, 49, 32, 8},
    };
    for (int i = 0; i < kTournamentCellColumns; ++i)
        c.push_back({Victory_Cell_Ids[i], Kind::Edit, "", cell_x[i], kTournamentCellY[0], kTournamentCellW,
                     kTournamentCellH, cell_style});
    c.push_back({kNoId, Kind::Static, defeat_label, 9, 61, 31, 8});
    for (int i = 0; i < kTournamentCellColumns; ++i)
        c.push_back({Defeat_Cell_Ids[i], Kind::Edit, "", cell_x[i], kTournamentCellY[1], kTournamentCellW,
                     kTournamentCellH, cell_style});
    return c;
}

inline std::vector<ControlTemplate> JoinControls(std::initializer_list<std::vector<ControlTemplate>> parts) {
    std::vector<ControlTemplate> all;
    for (const auto &p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace zel
