// VIEW_DAY: the day viewer, one tab per day of a championship.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kViewDayTemplate{
    "VIEW_DAY",
    "Journées d'un championnat",
    390,
    279,
    kDialogNoCloseBox,
    {
        {1068, Kind::TabControl, "", 1, 1, 388, 257},
        {1037, Kind::Button, "&OK", 170, 263, 50, 14, kDefaultButton},
    }};

} // namespace zel
