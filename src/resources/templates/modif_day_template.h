// MODIF_DAY: modification and deletion of the days of one championship.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kModifDayTemplate{
    "MODIF_DAY",
    "Journées d'un championnat : Modification",
    400,
    287,
    kDialogModalFrame,
    {
        {1068, Kind::TabControl, "", 1, 1, 398, 262},
        {1037, Kind::Button, "&Valider", 113, 268, 50, 14},
        {1038, Kind::Button, "&Annuler", 175, 268, 50, 14},
        {1039, Kind::Button, "&Supprimer", 237, 268, 50, 14},
    },
};

} // namespace zel
