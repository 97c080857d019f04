// USERLOADBOX: choosing a player of the library and loading it behind its password.
#pragma once

#include "platform/template_dialog.h"
#include "players/player_library.h"

#include <vector>

namespace zel {

struct SharedState;
class Platform;

class LoadPlayerDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum : int {
        kPlayers = 110,
        kLicence = 103,
        kName = 104,
        kFirstName = 105,
        kAge = 106,
        kSex = 112,
        kClassement = 107,
        kClub = 108,
        kPassword = 109,
        kMessage = 111,
        kValidate = 302,
        kCancel = 303,
    };

    // Reads the library: every player whose file can be read is listed, in
    // library order.
    LoadPlayerDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

  protected:
    void onCommand(int id, int code) override;

  private:
    void showPlayer();
    void load();

    SharedState &state_;
    Platform &platform_;
    std::vector<LibraryEntry> entries_;
    int Load_Selection = -1; // line of the list last selected
    bool selected_ = false;
};

} // namespace zel
