// USERLOADBOX: choosing a player of the library and giving its password.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kUserLoadBoxTemplate{
    "USERLOADBOX",
    "Chargement d'un joueur",
    353,
    202,
    kDialogModalFrame,
    {
        // Not sorted: line k is library record k. The figures stay on one
        // line, cut at the right edge, rather than wrap out of their boxes.
        {110, Kind::ListBox, "", 6, 4, 162, 147, kBorder},
        {kNoId, Kind::GroupBox, "Informations", 172, 1, 176, 150},
        {kNoId, Kind::Static, "Numéro de licence :", 178, 21, 64, 10, kRightAligned},
        {103, Kind::Static, "", 248, 21, 74, 10, kNoWrap},
        {kNoId, Kind::Static, "Nom :", 178, 37, 64, 10, kRightAligned},
        {104, Kind::Static, "", 248, 37, 85, 10, kNoWrap},
        {kNoId, Kind::Static, "Prénom :", 178, 53, 64, 10, kRightAligned},
        {105, Kind::Static, "", 248, 53, 88, 10, kNoWrap},
        {kNoId, Kind::Static, "Age :", 178, 69, 64, 10, kRightAligned},
        {106, Kind::Static, "", 248, 69, 22, 10, kNoWrap},
        {kNoId, Kind::Static, "Sexe :", 177, 84, 64, 10, kRightAligned},
        {112, Kind::Static, "", 247, 84, 43, 10, kNoWrap},
        {kNoId, Kind::Static, "Classement :", 177, 100, 64, 10, kRightAligned},
        {107, Kind::Static, "", 247, 100, 20, 10, kNoWrap},
        {kNoId, Kind::Static, "Club :", 177, 116, 64, 10, kRightAligned},
        {108, Kind::Static, "", 247, 116, 89, 10, kNoWrap},
        {kNoId, Kind::Static, "Mot de passe :", 177, 132, 64, 10, kRightAligned},
        {109, Kind::Edit, "", 251, 129, 70, 14, kPassword | kBorder},
        {kNoId, Kind::GroupBox, "", 75, 153, 208, 28},
        {111, Kind::Static, "", 97, 163, 160, 13, kCentred},
        {302, Kind::Button, "&Valider", 122, 185, 50, 14, kDefaultButton},
        {303, Kind::Button, "&Annuler", 182, 185, 50, 14},
    }};

} // namespace zel
