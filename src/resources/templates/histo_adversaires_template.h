// HISTOADVERSAIRES: the "Adversaires" page of HISTOBOX, the record against each
// opponent and the matches of the one chosen.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kHistoAdversairesTemplate{
    "HISTOADVERSAIRES",
    "",
    480,
    358,
    kDialogChild,
    {
        {kNoId, Kind::Static, "&Rechercher :", 4, 6, 46, 9, kNoWrap},
        {1011, Kind::Edit, "", 52, 4, 160, 12},
        {kNoId, Kind::Static, "Adversaires", 4, 22, 200, 9, kNoWrap},
        {1072, Kind::ListView, "", 4, 32, 472, 170, kBorder},
        {kNoId, Kind::Static, "Rencontres avec l'adversaire choisi", 4, 208, 300, 9, kNoWrap},
        {1073, Kind::ListView, "", 4, 218, 472, 136, kBorder},
    }};

} // namespace zel
