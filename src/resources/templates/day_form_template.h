// The day sheet form shared by JOURNEEBOX, MODIFBOX and FEUILL1: one table of controls.
//
// kDayFormControls is the editable form as MODIFBOX shows it, at origin (0, 0).
// JOURNEEBOX shows the same controls (only 1022 is a drop-down list there) shifted
// into the dialog with its two buttons; FEUILL1 turns every input into a read-only
// edit, the check boxes into labels, and has no "-" / "+".
#pragma once

#include "resources/dialog_template.h"

#include <array>
#include <utility>
#include <vector>

namespace zel {

// Control ids of one single: check box, name, classement, player's / opponent's
// score of sets 1..3, and the read-only "Point" field.
struct SingleControls {
    int check, name, classement;
    int player[3], opponent[3];
    int points;
};
inline constexpr std::array<SingleControls, 4> kSingleControls = {{
    {1078, 1049, 1066, {1011, 1012, 1016}, {1015, 1013, 1014}, 1020},
    {1081, 1050, 1003, {1023, 1024, 1028}, {1027, 1025, 1026}, 1035},
    {1082, 1051, 1004, {1041, 1042, 1046}, {1045, 1043, 1044}, 1056},
    {1131, 1057, 1008, {1058, 1060, 1062}, {1059, 1061, 1063}, 1067},
}};

struct DoubleControls {
    int check;
    int names[3];       // partner, first and second opponent
    int classements[3]; // in the same order
    int pair[3], opponents[3];
};
inline constexpr DoubleControls kDoubleControls = {
    1083, {1055, 1053, 1054}, {1006, 1005, 1007}, {1029, 1030, 1034}, {1033, 1031, 1032}};

inline constexpr int kSeasonStatic = 1052;
inline constexpr int kSeasonMinus = 1065, kSeasonPlus = 1064;
inline constexpr int kDayEdit = 1018, kMonthEdit = 1040, kNumberEdit = 1017;
inline constexpr int kTypeCombo = 1076, kDivisionCombo = 1019, kDivisionPouleEdit = 1047;
inline constexpr int kTeamEdit = 1048, kClubEdit = 1021, kPlaceCombo = 1022;
inline constexpr int kTeamLetterCombo = 1039, kPouleCombo = 1036;

// Columns of the match grid (dialog units).
namespace day_form_layout {
inline constexpr int kNameX = 56, kNameW = 118;
inline constexpr int kClassX = 178, kClassW = 36;
inline constexpr int kSetX[3] = {220, 262, 304}; // player's edit; the opponent's is 18 further
inline constexpr int kScoreW = 16, kOpponentDx = 18;
inline constexpr int kPointX = 346, kPointW = 24;
inline constexpr int kSingleY[4] = {94, 112, 130, 148};
inline constexpr int kDoubleY[3] = {172, 190, 208};
inline constexpr int kRowH = 12;
} // namespace day_form_layout

inline std::vector<ControlTemplate> MakeDayFormControls() {
    using namespace day_form_layout;
    std::vector<ControlTemplate> c = {
        {kSeasonStatic, Kind::Static, "", 4, 6, 110, 12, kSunken | kCentred | kVCentred | kNoWrap},
        {kSeasonMinus, Kind::Button, "-", 118, 5, 16, 14},
        {kSeasonPlus, Kind::Button, "+", 136, 5, 16, 14},
        {kNoId, Kind::Static, "Date", 160, 8, 20, 8, kRightAligned},
        {kDayEdit, Kind::Edit, "", 182, 6, 16, 12, kDigitsOnly},
        {kNoId, Kind::Static, "/", 200, 8, 6, 8, kCentred},
        {kMonthEdit, Kind::Edit, "", 208, 6, 16, 12, kDigitsOnly},
        {kNoId, Kind::Static, "Type du championnat", 228, 8, 84, 8, kRightAligned},
        {kTypeCombo, Kind::ComboBox, "", 314, 6, 66, 40},

        {kNoId, Kind::Static, "Journée n°", 4, 26, 50, 8},
        {kNumberEdit, Kind::Edit, "", 56, 24, 16, 12, kDigitsOnly},
        {kNoId, Kind::Static, "Division", 78, 26, 34, 8, kRightAligned},
        {kDivisionCombo, Kind::ComboBox, "", 114, 24, 36, 100},
        {kNoId, Kind::Static, "Poule de la division", 154, 26, 80, 8, kRightAligned},
        {kDivisionPouleEdit, Kind::Edit, "", 236, 24, 14, 12},
        {kNoId, Kind::Static, "Poule", 254, 26, 28, 8, kRightAligned},
        {kPouleCombo, Kind::ComboBox, "", 284, 24, 30, 40},

        {kNoId, Kind::Static, "Equipe", 4, 44, 50, 8},
        {kTeamEdit, Kind::Edit, "", 56, 42, 128, 12},
        {kNoId, Kind::Static, "Lettre de l'équipe", 188, 44, 72, 8, kRightAligned},
        {kTeamLetterCombo, Kind::ComboBox, "", 262, 42, 30, 40},
        {kNoId, Kind::Static, "Lieu", 294, 44, 22, 8, kRightAligned},
        {kPlaceCombo, Kind::ComboBox, "", 318, 42, 62, 40},

        {kNoId, Kind::Static, "Club Adverse", 4, 62, 50, 8},
        {kClubEdit, Kind::Edit, "", 56, 60, 128, 12},

        {kNoId, Kind::Static, "Nom", kNameX, 80, kNameW, 8},
        {kNoId, Kind::Static, "Classement", kClassX, 80, 42, 8},
        {kNoId, Kind::Static, "1er set", kSetX[0], 80, 34, 8, kCentred},
        {kNoId, Kind::Static, "2e set", kSetX[1], 80, 34, 8, kCentred},
        {kNoId, Kind::Static, "3e set", kSetX[2], 80, 34, 8, kCentred},
        {kNoId, Kind::Static, "Point", kPointX, 80, kPointW, 8, kCentred},
    };
    static constexpr const char *kMatchTexts[4] = {"1er Match", "2e Match", "3e Match", "4e Match"};
    for (int k = 0; k < 4; ++k) {
        const SingleControls &s = kSingleControls[std::size_t(k)];
        const int y = kSingleY[k];
        c.push_back({s.check, Kind::CheckBox, kMatchTexts[k], 4, y + 1, 50, 10});
        c.push_back({s.name, Kind::Edit, "", kNameX, y, kNameW, kRowH});
        c.push_back({s.classement, Kind::ComboBox, "", kClassX, y, kClassW, 110});
        for (int set = 0; set < 3; ++set) {
            c.push_back(
                {s.player[set], Kind::Edit, "", kSetX[set], y, kScoreW, kRowH, kDigitsOnly | kCentred});
            c.push_back({s.opponent[set], Kind::Edit, "", kSetX[set] + kOpponentDx, y, kScoreW, kRowH,
                         kDigitsOnly | kCentred});
        }
        c.push_back({s.points, Kind::Edit, "", kPointX, y, kPointW, kRowH, kReadOnly | kCentred});
    }
    const DoubleControls &d = kDoubleControls;
    static constexpr const char *kDoubleTexts[3] = {"Coéquipier", "Adversaire 1", "Adversaire 2"};
    c.push_back({d.check, Kind::CheckBox, "Double", 4, kDoubleY[0] + 1, 50, 10});
    for (int k = 0; k < 3; ++k) {
        const int y = kDoubleY[k];
        c.push_back({kNoId, Kind::Static, kDoubleTexts[k], kNameX, y + 2, 48, 8});
        c.push_back({d.names[k], Kind::Edit, "", kNameX + 50, y, kClassX - kNameX - 54, kRowH});
        c.push_back({d.classements[k], Kind::ComboBox, "", kClassX, y, kClassW, 110});
    }
    for (int set = 0; set < 3; ++set) {
        c.push_back(
            {d.pair[set], Kind::Edit, "", kSetX[set], kDoubleY[0], kScoreW, kRowH, kDigitsOnly | kCentred});
        c.push_back({d.opponents[set], Kind::Edit, "", kSetX[set] + kOpponentDx, kDoubleY[0], kScoreW, kRowH,
                     kDigitsOnly | kCentred});
    }
    return c;
}

// Width and height the form needs (dialog units).
inline constexpr int kDayFormW = 382, kDayFormH = 224;

// Typing limits (characters). The 4th single's score fields have none in the day
// entry dialog; kFourthSingleScoreLimit is what the modification page gives them.
inline const std::vector<std::pair<int, int>> kDayFormLimits = [] {
    std::vector<std::pair<int, int>> l = {{kDayEdit, 2},           {kMonthEdit, 2}, {kNumberEdit, 2},
                                          {kDivisionPouleEdit, 1}, {kTeamEdit, 32}, {kClubEdit, 32}};
    for (const SingleControls &s : kSingleControls)
        l.push_back({s.name, 128});
    for (int id : kDoubleControls.names)
        l.push_back({id, 128});
    for (std::size_t k = 0; k < 3; ++k)
        for (int set = 0; set < 3; ++set) {
            l.push_back({kSingleControls[k].player[set], 2});
            l.push_back({kSingleControls[k].opponent[set], 2});
        }
    for (int set = 0; set < 3; ++set) {
        l.push_back({kDoubleControls.pair[set], 2});
        l.push_back({kDoubleControls.opponents[set], 2});
    }
    return l;
}();
inline constexpr int kFourthSingleScoreLimit = 2;

} // namespace zel
