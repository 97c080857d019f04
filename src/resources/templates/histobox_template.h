// HISTOBOX: the player's seasons side by side and the record against every opponent.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kHistoBoxTemplate{
    "HISTOBOX",
    "Historique",
    490,
    408,
    kDialogModalFrame,
    {
        // Room for the taller page below the tab row; grown at run time when the font asks.
        {1068, Kind::TabControl, "", 4, 4, 482, 380},
        {1042, Kind::Button, "&Fermer", 436, 389, 50, 14, kDefaultButton},
    }};

} // namespace zel
