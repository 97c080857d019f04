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
    if (id == 1037) { // "&Valider"
        if (!storeNewTournament())
            return; // refused or not saved: the dialog stays, the form as typed
    } else if (id != 1042) {
        return; // Escape and the close box do nothing: only the two buttons end it
    }
    stopTimer(kEstimationTimer);
    done(1);
}

bool AddTournamentDialog::storeNewTournament() {
    Tournament_Sheet sheet{};
    ReadTournamentPage(*this, state_, sheet);
    StampTournament(state_, sheet);
    return SavePlayerChange(state_, platform_, [&](SharedState &s) {
        // The count is raised only once the file is known to take one more record.
        if (AppendTournament(s, sheet, FitsOneMoreTournament))
            return true;
        platform_.message("Ce tournoi ne peut pas être enregistré : le fichier du joueur a atteint sa taille "
                          "maximale.",
                          "Zel Manager", Icon::Stop);
        return false;
    });
}

} // namespace zel
