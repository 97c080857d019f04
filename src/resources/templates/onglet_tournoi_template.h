// ONGLETTOURNOI: one tab per tournament of a season, shown read-only.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kOngletTournoiTemplate{
    "ONGLETTOURNOI",
    "Tournois",
    436,
    164,
    kDialogNoCloseBox,
    {
        {1119, Kind::TabControl, "", 1, 1, 434, 137},
        {1037, Kind::Button, "&Ok", 192, 145, 50, 14, kDefaultButton},
    }};

} // namespace zel
