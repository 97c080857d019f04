// VIEW_TOURNOI: the tournament seasons, one row each (viewing and modification).
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kViewTournoiTemplate{
    "VIEW_TOURNOI",
    "Tournois : Visualisation",
    392,
    194,
    kDialogModalFrame,
    {
        {1118, Kind::ListView, "", 10, 9, 319, 175, kBorder},
        {1037, Kind::Button, "&Valider", 335, 10, 50, 14, kDefaultButton},
        {1038, Kind::Button, "&Fermer", 335, 33, 50, 14},
    }};

} // namespace zel
