// MODIF_CHAMP: the list of the player's championships, to modify their days.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kModifChampTemplate{
    "MODIF_CHAMP",
    "Championnats : Modification d'une journée",
    392,
    194,
    kDialogModalFrame,
    {
        {1072, Kind::ListView, "", 10, 9, 319, 175, kBorder},
        {1037, Kind::Button, "&Valider", 335, 10, 50, 14, kDefaultButton | kDisabled},
        {1038, Kind::Button, "&Fermer", 335, 33, 50, 14},
    }};

} // namespace zel
