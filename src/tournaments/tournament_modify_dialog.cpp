// ONGLETMODIFTOURNOI: editable tabs, deletion, and "&Annuler" back to the opening state.
#include "tournaments/tournament_modify_dialog.h"

#include "platform/platform.h"
#include "platform/tabbed_pages.h"
#include "resources/templates/onglet_modif_tournoi_template.h"
#include "resources/templates/tournoibox_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_list_rows.h"
#include "tournaments/tournament_page.h"
#include "tournaments/tournament_store.h"

#include <algorithm>
#include <cstring>

namespace zel {
namespace {

constexpr int kEstimationTimer = 1;
constexpr int kYearDigits = 4;

QString TournamentName(const SharedState &state, int index) {
    return QString::fromStdString(Cp1252ToUtf8(FieldText(state.Mem_Tournois[std::size_t(index)].name)));
}

} // namespace

TournamentModifyDialog::TournamentModifyDialog(SharedState &state, Platform &platform,
                                               const Tournament_Group &group, QWidget *parent)
    : TemplateDialog(kOngletModifTournoiTemplate, parent), state_(state), platform_(platform), group_(group),
      group_name_(group.name), tabs_(new TabbedPages) {
    saved_count_ = UsedTournamentCount(state_);
    state_.Mem_Buffer.tournaments.assign(state_.Mem_Tournois.begin(),
                                         state_.Mem_Tournois.begin() + saved_count_);

    setTimer(kEstimationTimer, kEntryTimerPeriod);
    setWindowTitle(QStringLiteral("Tournois : Modification"));
    replaceControl(1119, tabs_);
    tabs_->setPageFactory([this](int tab, QWidget *area) -> QWidget * {
        current_ = group_.tournaments[std::size_t(tab)];
        auto *page = new TemplatePage(kTournoiModifBoxTemplate, area);
        PrepareTournamentForm(*page);
        page->setLimit(1041, int(sizeof(Tournament_Sheet::name)) - 1);
        page->setLimit(1040, kYearDigits);
        FillTournamentPage(*page, state_, state_.Mem_Tournois[std::size_t(current_)]);
        page->setCommandHandler([this](int id, int code) {
            if (id == 107 && code == kSelChange)
                onTimer(kEstimationTimer);
        });
        return page;
    });
    // Leaving a tab keeps its edits in memory, and the tab takes the new name.
    tabs_->setChangeGuard([this](int from, int) {
        keepPage();
        tabs_->setTabText(from, TournamentName(state_, current_));
        return true;
    });
    showGroupTabs();
}

TemplatePage *TournamentModifyDialog::page() const {
    return qobject_cast<TemplatePage *>(tabs_->page());
}

void TournamentModifyDialog::showGroupTabs() {
    tabs_->clearTabs();
    for (int index : group_.tournaments)
        tabs_->addTab(TournamentName(state_, index));
    tabs_->setCurrentTabQuietly(0);
    tabs_->rebuildPage();
}

void TournamentModifyDialog::keepPage() {
    TemplatePage *p = page();
    if (!p || current_ < 0 || current_ >= UsedTournamentCount(state_))
        return;
    Tournament_Sheet &stored = state_.Mem_Tournois[std::size_t(current_)];
    Tournament_Sheet edited = stored;
    ReadTournamentPage(*p, state_, edited);
    if (std::memcmp(&edited, &stored, sizeof edited) == 0)
        return; // looked at, not edited: its season, classement and points stay as stored
    StampTournament(state_, edited);
    stored = edited;
}

// The estimation follows the edits; the store is not touched.
void TournamentModifyDialog::onTimer(int timer_id) {
    TemplatePage *p = page();
    if (timer_id != kEstimationTimer || !p)
        return;
    Tournament_Sheet scratch{};
    ReadTournamentPage(*p, state_, scratch);
    ShowEstimation(*p, state_, scratch);
}

void TournamentModifyDialog::finish() {
    stopTimer(kEstimationTimer);
    done(1);
}

void TournamentModifyDialog::onCommand(int id, int code) {
    if (code != kClicked)
        return;
    switch (id) {
    case 1037: // "&Valider": the page shown joins those already left
        if (SavePlayerChange(state_, platform_, [this](SharedState &) {
                keepPage();
                return true;
            }))
            finish();
        break;
    case 1042: // "&Annuler": back to the store as it opened, deletions included
        cancel();
        break;
    case 1038:
        deleteTournament();
        break;
    default: // Escape: no system menu, nothing closes it but its buttons
        break;
    }
}

void TournamentModifyDialog::cancel() {
    const auto restore = [this](SharedState &s) {
        s.Mem_Tournois.resize(std::max(s.Mem_Tournois.size(), std::size_t(saved_count_)));
        std::copy(s.Mem_Buffer.tournaments.begin(), s.Mem_Buffer.tournaments.end(), s.Mem_Tournois.begin());
        s.Current_Profile.tournament_count = saved_count_;
        return true;
    };
    // While nothing was saved since the opening the file still holds the backup.
    if (!file_changed_)
        restore(state_);
    else if (!SavePlayerChange(state_, platform_, restore))
        return; // reported: the user may try again
    finish();
}

void TournamentModifyDialog::deleteTournament() {
    if (!platform_.askYesNo("Suppression de cet onglet ???", "Confirmation de suppression",
                            Icon::Exclamation))
        return;
    if (!SavePlayerChange(state_, platform_,
                          [this](SharedState &s) { return DeleteTournament(s, current_); }))
        return; // reported; the tournament is still there
    file_changed_ = true;
    // Regrouping renumbers the tournaments: the season is found again by its name.
    const std::vector<Tournament_Group> groups = GroupTournaments(state_);
    const int g = TournamentGroupNamed(groups, group_name_);
    if (state_.tournamentCount() < 1 || g < 0) {
        finish();
        return;
    }
    group_ = groups[std::size_t(g)];
    showGroupTabs();
}

} // namespace zel
