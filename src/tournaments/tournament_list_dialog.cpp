// VIEW_TOURNOI: one row per season with tournaments.
#include "tournaments/tournament_list_dialog.h"

#include "platform/platform.h"
#include "platform/season_list.h"
#include "resources/templates/view_tournoi_template.h"
#include "shell/shared_state.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_modify_dialog.h"
#include "tournaments/tournament_viewer_dialog.h"

namespace zel {

TournamentListDialog::TournamentListDialog(SharedState &state, Platform &platform, TournamentListMode mode,
                                           QWidget *parent)
    : TemplateDialog(kViewTournoiTemplate, parent), state_(state), platform_(platform), mode_(mode),
      list_(new SeasonList({
          {QStringLiteral("Championnat"), 100, Qt::AlignLeft},
          {mode == TournamentListMode::View ? QStringLiteral("Nombre de Tournoi")
                                            : QStringLiteral("Nombre de Tournois"),
           110, Qt::AlignRight},
          {QStringLiteral("Classement"), 80, Qt::AlignRight},
          {QStringLiteral("Club"), 100, Qt::AlignLeft},
          {QStringLiteral("Points"), 60, Qt::AlignRight},
      })) {
    if (mode_ == TournamentListMode::Modify)
        setWindowTitle(QStringLiteral("Tournois : Modification"));
    replaceControl(1118, list_);
    QObject::connect(list_, &SeasonList::rowStateChanged, this, [this] { enable(1037, true); });
    buildRows();
}

// The list asks for its texts until it is gone: it goes before them.
TournamentListDialog::~TournamentListDialog() {
    delete list_;
}

void TournamentListDialog::buildRows() {
    groups_ = GroupTournaments(state_);
    const std::string_view club = FieldText(state_.Current_Profile.club);
    rows_.clear();
    for (const Tournament_Group &g : groups_) {
        const auto texts = TournamentListRow(g, club);
        auto &row = rows_.emplace_back();
        for (int c = 0; c < kTournamentListColumns; ++c)
            row[std::size_t(c)] = QString::fromStdString(Cp1252ToUtf8(texts[std::size_t(c)]));
    }
    list_->setRows(int(rows_.size()), [this](int source, int column) {
        return rows_[std::size_t(source)][std::size_t(column)];
    });
    enable(1037, false);
}

void TournamentListDialog::onCommand(int id, int code) {
    if (code != kClicked)
        return;
    if (id == 1037)
        openChosenGroup();
    else if (id == 1038)
        done(1);
    // Escape and the close box do nothing: "&Fermer" closes the list.
}

void TournamentListDialog::openChosenGroup() {
    // Chosen_Group: the selected row's season, whatever order the list shows.
    const int chosen = list_->currentSource();
    if (chosen < 0 || chosen >= int(groups_.size()))
        return;
    if (mode_ == TournamentListMode::View) {
        TournamentViewerDialog viewer(state_, groups_[std::size_t(chosen)], this);
        platform_.runModal(viewer);
        return;
    }
    {
        TournamentModifyDialog modify(state_, platform_, groups_[std::size_t(chosen)], this);
        platform_.runModal(modify);
    }
    buildRows();
}

} // namespace zel
