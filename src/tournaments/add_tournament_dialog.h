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

    // Whether "&Valider" put a tournament into the store, and whether the file then took it.
    bool stored() const { return stored_; }
    bool saved() const { return saved_; }

  protected:
    void onCommand(int id, int code) override;
    void onTimer(int timer_id) override;

  private:
    void storeNewTournament();

    SharedState &state_;
    Platform &platform_;
    bool stored_ = false;
    bool saved_ = false;
};

} // namespace zel
