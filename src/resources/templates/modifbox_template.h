// MODIFBOX: the editable day page inside the modification dialog's tabs.
#pragma once

#include "resources/templates/day_form_template.h"

namespace zel {

inline const DialogTemplate kModifBoxTemplate{
    "MODIFBOX", "", kDayFormW, kDayFormH, kDialogChild, MakeDayFormControls(),
};

} // namespace zel
