// ONGLETMODIFTOURNOI: one editable tab per tournament of a season.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kOngletModifTournoiTemplate{
    "ONGLETMODIFTOURNOI",
    "Tournois : Modification",
    454,
    158,
    kDialogNoCloseBox,
    {
        {1119, Kind::TabControl, "", 1, 1, 452, 130},
        {1037, Kind::Button, "&Valider", 173, 138, 50, 14},
        {1042, Kind::Button, "&Annuler", 229, 138, 50, 14},
        {1038, Kind::Button, "&Supprimer", 397, 138, 50, 14},
    }};

} // namespace zel
