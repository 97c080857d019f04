// JOURNEEBOX: entry of a new championship day.
#pragma once

#include "resources/templates/day_form_template.h"

namespace zel {

inline const DialogTemplate kJourneeBoxTemplate{
    "JOURNEEBOX", "Résultat d'une journée", 394, 266, kDialogModalFrame, [] {
        std::vector<ControlTemplate> c = MakeDayFormControls();
        for (ControlTemplate &t : c) {
            t.x += 6;
            t.y += 6;
            if (t.id == kPlaceCombo)
                t.style |= kDropDownList;
        }
        c.push_back({1037, Kind::Button, "&Valider", 270, 244, 54, 14});
        c.push_back({1038, Kind::Button, "&Annuler", 332, 244, 54, 14});
        return c;
    }()};

} // namespace zel
