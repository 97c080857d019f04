// FEUILL1: the read-only day page inside the viewer's tabs.
#pragma once

#include "resources/templates/day_form_template.h"

#include <string_view>

namespace zel {

// The day form with every input a read-only edit, the check boxes as labels
// ("1er Match" ... "Double ") and no "-" / "+".
inline std::vector<ControlTemplate> MakeFeuill1Controls() {
    std::vector<ControlTemplate> out;
    for (ControlTemplate t : MakeDayFormControls()) {
        if (t.id == kSeasonMinus || t.id == kSeasonPlus)
            continue;
        if (t.kind == Kind::CheckBox) {
            t.kind = Kind::Static;
            t.id = kNoId;
            t.y += 1;
            if (std::string_view(t.text) == "Double")
                t.text = "Double ";
        } else if (t.kind == Kind::ComboBox || t.kind == Kind::Edit) {
            t.kind = Kind::Edit;
            t.h = day_form_layout::kRowH;
            t.style = (t.style & kCentred) | kReadOnly;
        }
        out.push_back(t);
    }
    return out;
}

inline const DialogTemplate kFeuill1Template{
    "FEUILL1", "", kDayFormW, kDayFormH, kDialogChild, MakeFeuill1Controls(),
};

} // namespace zel
