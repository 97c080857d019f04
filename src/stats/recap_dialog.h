// RECAPBOX: victories and defeats of one championship by opponent classement,
// with or without the tournaments of its season, and the points estimation.
#pragma once

#include "days/day_store.h"
#include "platform/template_dialog.h"
#include "stats/recap_print.h"
#include "stats/statistics.h"
#include "tournaments/tournament_groups.h"

#include <string_view>
#include <vector>

namespace zel {

struct SharedState;
class Platform;

class RecapDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    RecapDialog(const SharedState &state, Platform &platform, QWidget *parent = nullptr);

    const Stat_Tallies &tallies() const { return tallies_; }
    bool withTournaments() const { return with_tournaments_; } // Recap_With_Tournaments
    int currentChampionship() const { return current_; }
    int currentTournamentGroup() const { return group_; } // No_Group when none matches

    // The page "&Imprimer" prints: the texts shown now.
    Recap_Page page() const;

  protected:
    void onCommand(int id, int code) override;

  private:
    void refresh();
    void tournamentView();
    void writeCounts();
    void showTotals();
    void showEstimation(std::string_view label);
    void move(int index);
    void print();

    const SharedState &state_;
    Platform &platform_;
    std::vector<Championship_Entry> championships_;
    std::vector<Tournament_Group> groups_;
    int current_ = 0;
    int group_ = No_Group;
    bool with_tournaments_ = false;
    Stat_Tallies tallies_;
};

} // namespace zel
