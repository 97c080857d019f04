// USERSUPBOX: deleting the loaded player.
#include "players/delete_player_dialog.h"

#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "players/player_library.h"
#include "resources/templates/usersupbox_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/fixed_text.h"

namespace zel {

DeletePlayerDialog::DeletePlayerDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kUserSupBoxTemplate, parent), state_(state), platform_(platform) {
    const Player_Profile &p = state_.Current_Profile;
    setTextCp1252(kPlayer, std::string(FieldText(p.name)) + " " + std::string(FieldText(p.first_name)));
}

void DeletePlayerDialog::onCommand(int id, int code) {
    if (id == kYes && code == kClicked) {
        // A library that cannot be changed has beeped; the player goes all the same,
        // to the Trash where there is one.
        (void)RemoveFromLibrary(state_, platform_);
        const std::string_view name = FieldText(state_.Current_Profile.file_name);
        if (!IsPlainFileName(name) || !MoveToTrash(PlayerFilePath(state_.User_Dir, name)))
            platform_.message("Impossible d'effacer le fichier user", " Debug", Icon::Exclamation);
        state_.Player_State = 0;
        done(1);
    } else if ((id == kNo && code == kClicked) || id == kIdCancel) {
        done(0);
    }
}

} // namespace zel
