// Dialog templates of the shell: options, start-up password, about box.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kOptionsTemplate{
    "OPTIONS",
    "Options",
    192,
    92,
    kDialogModalFrame,
    {
        {kNoId, Kind::GroupBox, "Démarrage", 7, 5, 118, 46},
        {1151, Kind::CheckBox, "Chargement automatique", 14, 18, 106, 10},
        {1154, Kind::CheckBox, "Demande du mot de passe", 14, 33, 106, 10},
        {kNoId, Kind::GroupBox, "Statistiques", 7, 56, 118, 29},
        {1155, Kind::CheckBox, "Grille par défaut", 14, 69, 106, 10},
        {1, Kind::Button, "OK", 135, 9, 50, 14, kDefaultButton},
        {303, Kind::Button, "Annuler", 135, 28, 50, 14},
    }};

inline const DialogTemplate kAutoPassTemplate{
    "AUTOPASS",
    "Mot de passe ...",
    150,
    54,
    kDialogModalFrame,
    {
        {1011, Kind::Edit, "", 10, 10, 130, 12, kPassword},
        {1, Kind::Button, "OK", 20, 32, 50, 14, kDefaultButton},
        {303, Kind::Button, "Annuler", 80, 32, 50, 14},
    },
};

// The picture frame and the address have no id of their own in the box; these are ours.
inline constexpr int kAboutPictureId = 1201;
inline constexpr int kAboutAddressId = 1202;

inline const DialogTemplate kAboutTemplate{
    "AboutBox",
    "Au sujet de ...",
    238,
    132,
    kDialogNoCloseBox,
    {
        {kAboutPictureId, Kind::Picture, "", 0, 0, 90, 84, kBlackFrame},
        {kNoId, Kind::Static, "Zel Manager version 1.00", 96, 8, 136, 10, kCentred},
        {kNoId, Kind::Static,
         "Le carnet de saison du joueur : journées de championnat, tournois et statistiques. "
         "Logiciel libre, distribué sans aucune garantie.",
         96, 24, 136, 56},
        // Under the picture, the whole width: the address of the installed README is long.
        {kAboutAddressId, Kind::Static, "", 6, 88, 226, 18, kCentred},
        {1, Kind::Button, "&OK", 60, 112, 50, 14, kDefaultButton},
        {2, Kind::Button, "&Site Web", 128, 112, 50, 14},
    }};

} // namespace zel
