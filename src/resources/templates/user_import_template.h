// USER_IMPORT: the small file chooser of the import.
#pragma once

#include "resources/dialog_template.h"

namespace zel {

inline const DialogTemplate kUserImportTemplate{
    "USER_IMPORT",
    "Importation de joueur",
    175,
    153,
    kDialogModalFrame,
    {
        {1011, Kind::Edit, "", 8, 6, 160, 12, kReadOnly | kBorder},
        // Filled by the dialog in its own order (files, then directories, each
        // sorted), so the list itself does not sort.
        {1122, Kind::ListBox, "", 8, 23, 160, 99},
        {1037, Kind::Button, "&Valider", 29, 134, 50, 14, kDefaultButton},
        {1042, Kind::Button, "&Annuler", 89, 134, 50, 14},
    }};

} // namespace zel
