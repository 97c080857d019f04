// ADD_TOURNOI: a new tournament typed as victories and defeats by classement.
#include "tournaments/add_tournament_dialog.h"

#include "platform/platform.h"
#include "resources/templates/add_tournoi_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "tournaments/tournament_page.h"
#include "tournaments/tournament_store.h"

namespace zel {
namespace {

constexpr int kEstimationTimer = 1;
// Four digits: a longer year would not fit the season name of its group.
constexpr int kYearDigits = 4;

} // namespace

AddTournamentDialog::AddTournamentDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kAddTournoiTemplate, parent), state_(state), platform_(platform) {
    PrepareTournamentForm(*this);
    setTimer(kEstimationTimer, kEntryTimerPeriod);
    const Date today = platform_.clock().today();
    setNumber(1038, today.day);
    setNumber(1039, today.month);
    setNumber(1040, today.year);
    setLimit(1041, int(sizeof(Tournament_Sheet::name)) - 1);
    setLimit(1040, kYearDigits);
    FillClassementChoice(*this, state_);
}

void AddTournamentDialog::onTimer(int timer_id) {
    if (timer_id != kEstimationTimer)
        return;
    Tournament_Sheet scratch{};
    ReadTournamentPage(*this, state_, scratch);
    ShowEstimation(*this, state_, scratch);
}

void AddTournamentDialog::onCommand(int id, int code) {
    if (code != kClicked)
        return;
    if (id == 1037) {
        storeNewTournament();
        if (!stored_)
            return; // refused: the dialog stays, so the user sees what was not kept
    } else if (id != 1042) {
        return; // Escape and the close box do nothing: only the two buttons end it
    }
    stopTimer(kEstimationTimer);
    done(1);
}

void AddTournamentDialog::storeNewTournament() {
    Tournament_Sheet sheet{};
    ReadTournamentPage(*this, state_, sheet);
    // The count is raised only once the file is known to take one more record.
    if (!AppendTournament(state_, sheet, FitsOneMoreTournament)) {
        platform_.message("Ce tournoi ne peut pas être enregistré : le fichier du joueur a atteint sa taille "
                          "maximale.",
                          "Zel Manager", Icon::Stop);
        return;
    }
    stored_ = true;
    // A failed save has already been reported; the tournament stays in memory.
    saved_ = SaveCurrentPlayer(state_, platform_);
}

} // namespace zel
