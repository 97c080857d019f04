// USERSUPBOX: confirming the deletion of the loaded player.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kUserSupBoxTemplate{
    "USERSUPBOX",
    "Suppression du joueur",
    200,
    50,
    kDialogNoCloseBox,
    {
        {111, Kind::Static, "Voulez-vous supprimer le joueur?", 1, 6, 198, 16, kCentred},
        {104, Kind::Static, "", 1, 16, 198, 16, kCentred},
        {302, Kind::Button, "&Oui", 40, 30, 50, 14, kDefaultButton},
        {303, Kind::Button, "&Non", 110, 30, 50, 14},
    }};

} // namespace zel
