// ONGLETMODIFTOURNOI: the tournaments of one season, one editable tab each,
// with deletion and a way back to the state the dialog opened in.
#pragma once

#include "platform/template_dialog.h"
#include "tournaments/tournament_groups.h"

#include <string>

namespace zel {

class Platform;
class TabbedPages;
class TemplatePage;
struct SharedState;

class TournamentModifyDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    // Keeps a copy of the whole tournament store in Mem_Buffer for "&Annuler".
    TournamentModifyDialog(SharedState &state, Platform &platform, const Tournament_Group &group,
                           QWidget *parent = nullptr);

    TabbedPages &tabs() const { return *tabs_; }
    TemplatePage *page() const;
    int currentTournament() const { return current_; }
    int savedTournamentCount() const { return saved_count_; }

  protected:
    void onCommand(int id, int code) override;
    void onTimer(int timer_id) override;

  private:
    void keepPage();
    void deleteTournament();
    void showGroupTabs();
    void cancel();
    void finish();

    SharedState &state_;
    Platform &platform_;
    Tournament_Group group_;
    std::string group_name_;
    TabbedPages *tabs_;
    int current_ = -1;
    int saved_count_ = 0;
    bool file_changed_ = false; // a deletion was saved since the opening
};

} // namespace zel
