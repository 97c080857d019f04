// HISTOSAISONS: the "Saisons" page of HISTOBOX, a row and a graph point per championship.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kHistoSaisonsTemplate{
    "HISTOSAISONS",
    "",
    480,
    358,
    kDialogChild,
    {
        {kNoId, Kind::Static, "Résultats par championnat", 4, 4, 200, 9, kNoWrap},
        {1072, Kind::ListView, "", 4, 14, 472, 84, kBorder},
        // Drawn by the dialog; its client area is at least 706 x 409 pixels.
        {1143, Kind::Custom, "", 4, 102, 472, 254, kBlackFrame | kSunken | kBorder},
    }};

} // namespace zel
