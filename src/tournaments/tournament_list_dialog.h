// VIEW_TOURNOI: one row per season with tournaments; "&Valider" opens the
// season's tournaments for viewing or for modification.
#pragma once

#include "platform/template_dialog.h"
#include "tournaments/tournament_groups.h"
#include "tournaments/tournament_list_rows.h"

#include <QString>

#include <array>
#include <vector>

namespace zel {

class Platform;
class SeasonList;
struct SharedState;

enum class TournamentListMode { View, Modify };

class TournamentListDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    TournamentListDialog(SharedState &state, Platform &platform, TournamentListMode mode,
                         QWidget *parent = nullptr);
    ~TournamentListDialog() override;

    SeasonList &list() const { return *list_; }
    const std::vector<Tournament_Group> &groups() const { return groups_; }

  protected:
    void onCommand(int id, int code) override;

  private:
    void buildRows();
    void openChosenGroup();

    SharedState &state_;
    Platform &platform_;
    TournamentListMode mode_;
    SeasonList *list_;
    std::vector<Tournament_Group> groups_;
    std::vector<std::array<QString, kTournamentListColumns>> rows_; // by group index
};

} // namespace zel
