// ONGLETTOURNOI: the tournaments of one season, one read-only tab each.
#include "tournaments/tournament_viewer_dialog.h"

#include "platform/tabbed_pages.h"
#include "resources/templates/onglet_tournoi_template.h"
#include "resources/templates/tournoibox_template.h"
#include "shell/shared_state.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_page.h"

namespace zel {

TournamentViewerDialog::TournamentViewerDialog(const SharedState &state, const Tournament_Group &group,
                                               QWidget *parent)
    : TemplateDialog(kOngletTournoiTemplate, parent), state_(state), group_(group), tabs_(new TabbedPages) {
    setWindowTitle(QStringLiteral("Tournois : Visualisation"));
    replaceControl(1119, tabs_);
    for (int index : group_.tournaments)
        tabs_->addTab(QString::fromStdString(Cp1252ToUtf8(FieldText(state_.Mem_Tournois[index].name))));
    tabs_->setPageFactory([this](int tab, QWidget *area) -> QWidget * {
        current_ = group_.tournaments[std::size_t(tab)];
        auto *page = new TemplatePage(kTournoiBoxTemplate, area);
        PrepareTournamentForm(*page);
        const Tournament_Sheet &sheet = state_.Mem_Tournois[current_];
        FillTournamentPage(*page, state_, sheet);
        // Another label in 107: what the same results are worth for a player of that classement.
        page->setCommandHandler([this, page](int id, int code) {
            if (id == 107 && code == kSelChange)
                ShowEstimation(*page, state_, state_.Mem_Tournois[current_]);
        });
        return page;
    });
    tabs_->rebuildPage();
}

TemplatePage *TournamentViewerDialog::page() const {
    return qobject_cast<TemplatePage *>(tabs_->page());
}

void TournamentViewerDialog::onCommand(int id, int code) {
    // Only "&Ok" closes it; Escape does nothing.
    if (id == 1037 && code == kClicked)
        done(1);
}

} // namespace zel
