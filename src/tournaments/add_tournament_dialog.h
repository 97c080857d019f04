// ADD_TOURNOI: a new tournament typed as victories and defeats by classement.
#pragma once

#include "platform/template_dialog.h"

namespace zel {

class Platform;
struct SharedState;

class AddTournamentDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    AddTournamentDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

  protected:
    void onCommand(int id, int code) override;
    void onTimer(int timer_id) override;

  private:
    bool storeNewTournament();

    SharedState &state_;
    Platform &platform_;
};

} // namespace zel
