// ONGLETTOURNOI: the tournaments of one season, one read-only tab each.
#pragma once

#include "platform/template_dialog.h"
#include "tournaments/tournament_groups.h"

namespace zel {

class TabbedPages;
class TemplatePage;
struct SharedState;

class TournamentViewerDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    TournamentViewerDialog(const SharedState &state, const Tournament_Group &group,
                           QWidget *parent = nullptr);

    TabbedPages &tabs() const { return *tabs_; }
    TemplatePage *page() const;
    // Index in Mem_Tournois of the tournament shown (Current_Tournament).
    int currentTournament() const { return current_; }

  protected:
    void onCommand(int id, int code) override;

  private:
    const SharedState &state_;
    const Tournament_Group group_;
    TabbedPages *tabs_;
    int current_ = -1;
};

} // namespace zel
