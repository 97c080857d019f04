// USERTBOX: the player's profile form, shared by "Nouveau" and "Modifier".
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kUserTBoxTemplate{
    "USERTBOX",
    "Ajout d'un joueur",
    364,
    194,
    kDialogModalFrame,
    {
        {kNoId, Kind::GroupBox, "Spécificités du championnat", 7, 6, 265, 33},
        {kNoId, Kind::Static, "Choisisser le plus bas classement de votre championnat (hors NC)", 13, 19, 216,
         10},
        {108, Kind::ComboBox, "", 229, 17, 29, 75, kDropDownList},
        {kNoId, Kind::GroupBox, "Caractéristiques du joueur", 7, 45, 265, 144},
        {kNoId, Kind::Static, "Numéro de licence", 13, 59, 64, 10, kRightAligned},
        {1003, Kind::Edit, "", 83, 57, 71, 12, kDigitsOnly},
        {1138, Kind::Static, "Nom", 13, 76, 64, 10, kRightAligned},
        {1004, Kind::Edit, "", 83, 74, 177, 12},
        {kNoId, Kind::Static, "Prénom", 13, 92, 64, 10, kRightAligned},
        {104, Kind::Edit, "", 83, 90, 177, 12},
        {kNoId, Kind::Static, "Age", 13, 115, 64, 10, kRightAligned},
        {105, Kind::Edit, "", 83, 113, 17, 12, kDigitsOnly},
        {kNoId, Kind::GroupBox, "Sexe", 119, 105, 103, 22},
        {1073, Kind::RadioButton, "Masculin", 125, 113, 41, 10},
        {1074, Kind::RadioButton, "Féminin", 173, 113, 41, 10},
        {1139, Kind::Static, "Classement", 15, 132, 64, 10, kRightAligned},
        {1002, Kind::ComboBox, "", 83, 130, 29, 75, kDropDownList},
        {kNoId, Kind::Static, "Club", 13, 148, 64, 10, kRightAligned},
        {106, Kind::Edit, "", 83, 146, 140, 12},
        {kNoId, Kind::Static,
         "(Si vous ne voulez pas de mot de passe ne saisit rien dans les champs suivants)", 10, 161, 252, 8,
         kRightAligned},
        {kNoId, Kind::Static, "Mot de passe", 13, 174, 64, 10, kRightAligned},
        {107, Kind::Edit, "", 83, 172, 52, 12, kPassword},
        {kNoId, Kind::Static, "Confirmation ", 135, 174, 64, 10, kRightAligned},
        {109, Kind::Edit, "", 203, 172, 52, 12, kPassword},
        {300, Kind::Button, "&Valider", 308, 9, 47, 15, kDefaultButton},
        {301, Kind::Button, "&Annuler", 308, 33, 48, 15},
    }};

} // namespace zel
