// HISTOBOX.
#include "stats/history_dialog.h"

#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "resources/templates/histo_adversaires_template.h"
#include "resources/templates/histo_saisons_template.h"
#include "resources/templates/histobox_template.h"
#include "shell/shared_state.h"
#include "stats/graph_painter.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <QPainter>
#include <QTabBar>

#include <algorithm>

namespace zel {

namespace {

constexpr int kTabs = 1068;
constexpr int kClose = 1042;
constexpr int kSeasonList = 1072;
constexpr int kGraph = 1143;
constexpr int kSearch = 1011;
constexpr int kOpponentList = 1072;
constexpr int kMatchList = 1073;

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// Every cell says something, so a screen reader never reads an empty one.
QString Cell(std::string_view cp1252) {
    return cp1252.empty() ? QStringLiteral("-") : Text(cp1252);
}

QString Score(uint32_t player, uint32_t opponent) {
    if (player == 0 && opponent == 0)
        return QStringLiteral("-");
    return QStringLiteral("%1-%2").arg(player).arg(opponent);
}

QString ResultText(Recap_Result result) {
    switch (result) {
    case Recap_Result::Victory:
        return QStringLiteral("Victoire");
    case Recap_Result::Defeat:
        return QStringLiteral("Défaite");
    default:
        return QStringLiteral("Indécis");
    }
}

} // namespace

HistoryDialog::HistoryDialog(const SharedState &state, QWidget *parent)
    : TemplateDialog(kHistoBoxTemplate, parent), state_(state), history_(ComputeHistory(state)),
      series_(ComputeSeasonsGraph(history_.seasons)), tabs_(new TabbedPages) {
    for (const Season_Row &s : history_.seasons)
        season_texts_.push_back(
            {Text(SeasonYears(s.name)), QString::number(s.days), QString::number(s.matches),
             QString::number(s.victories), QString::number(s.defeats),
             QStringLiteral("%1 %").arg(s.percentage), QString::number(s.points),
             QStringLiteral("%1 / %2").arg(s.tournament_victories).arg(s.tournament_defeats),
             Cell(s.classement)});
    for (const Opponent_Row &o : history_.opponents) {
        const Opponent_Match &last = o.last();
        const Day_Sheet &day = state_.Mem_Days[std::size_t(last.day)];
        opponent_texts_.push_back(
            {Text(o.name), Cell(o.club), QString::number(o.meetings()), QString::number(o.victories),
             QString::number(o.defeats), Cell(FieldText(day.singles[last.single].classement)),
             QStringLiteral("%1 (%2)").arg(Text(DayDate(day)),
                                           Text(SeasonYears(history_.seasons[last.season].name)))});
    }

    replaceControl(kTabs, tabs_);
    tabs_->addTab(QStringLiteral("Saisons"));
    tabs_->addTab(QStringLiteral("Adversaires"));

    // With a small dialog font the graph would be cut off: the pages grow to
    // the room its coordinates need, and the tabs and the dialog with them.
    const ControlTemplate &g =
        kHistoSaisonsTemplate.controls[std::size_t(FindControl(kHistoSaisonsTemplate, kGraph))];
    const QRect inside = dluRect(g.x, g.y, g.w, g.h).adjusted(1, 1, -1, -1); // inside the frame
    grow_ = QSize(std::max(0, Seasons_Graph_Width - inside.width()),
                  std::max(0, Graph_Area_Height - inside.height()));
    const QSize page = dluRect(0, 0, kHistoSaisonsTemplate.w, kHistoSaisonsTemplate.h).size() + grow_;
    const QSize needed(page.width() + 4, tabs_->tabBar()->sizeHint().height() + page.height() + 4);
    const QSize more(std::max(0, needed.width() - tabs_->width()),
                     std::max(0, needed.height() - tabs_->height()));
    if (!more.isNull()) {
        tabs_->resize(tabs_->size() + more);
        if (QWidget *close = control(kClose))
            close->move(close->pos() + QPoint(more.width(), more.height()));
        setFixedSize(size() + more);
    }

    tabs_->setPageFactory([this](int tab, QWidget *area) { return makePage(tab, area); });
    tabs_->setCurrentTabQuietly(Seasons);
    tabs_->rebuildPage();
}

// The lists ask for their texts until they are gone: they go before the texts.
HistoryDialog::~HistoryDialog() {
    delete tabs_;
}

TemplatePage *HistoryDialog::page() const {
    return qobject_cast<TemplatePage *>(tabs_->page());
}

SeasonList *HistoryDialog::list(int id) const {
    TemplatePage *p = page();
    return p ? p->controlAs<SeasonList>(id) : nullptr;
}

QImage HistoryDialog::renderSeasons() const {
    QImage image(Seasons_Graph_Width, Graph_Area_Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    PaintSeasonsGraph(painter, image.rect(), series_, state_.Grid_Shown);
    return image;
}

QWidget *HistoryDialog::makePage(int tab, QWidget *parent) {
    const DialogTemplate &tmpl = tab == Seasons ? kHistoSaisonsTemplate : kHistoAdversairesTemplate;
    auto *page = new TemplatePage(tmpl, parent);
    if (!grow_.isNull()) {
        // Lists and graph take the extra width; the lowest control the extra height.
        page->setFixedSize(page->size() + grow_);
        for (const ControlTemplate &c : tmpl.controls)
            if (QWidget *w = page->control(c.id); w && c.kind != Kind::Edit)
                w->resize(w->width() + grow_.width(), w->height());
        if (QWidget *last = page->control(tmpl.controls.back().id))
            last->resize(last->width(), last->height() + grow_.height());
    }
    page->setCommandHandler([this](int id, int code) { onPageCommand(id, code); });
    if (tab == Seasons)
        fillSeasons(*page);
    else
        fillOpponents(*page);
    return page;
}

void HistoryDialog::fillSeasons(TemplatePage &page) {
    auto *seasons = new SeasonList({{QStringLiteral("Championnat"), 90, Qt::AlignLeft},
                                    {QStringLiteral("Journées"), 60, Qt::AlignRight},
                                    {QStringLiteral("Matchs joués"), 80, Qt::AlignRight},
                                    {QStringLiteral("Victoires"), 65, Qt::AlignRight},
                                    {QStringLiteral("Défaites"), 65, Qt::AlignRight},
                                    {QStringLiteral("% de victoires"), 90, Qt::AlignRight},
                                    {QStringLiteral("Points"), 55, Qt::AlignRight},
                                    {QStringLiteral("Tournois V / D"), 95, Qt::AlignRight},
                                    {QStringLiteral("Classement"), 75, Qt::AlignRight}});
    page.replaceControl(kSeasonList, seasons);
    seasons->setRows(int(season_texts_.size()), [this](int source, int column) {
        return season_texts_[std::size_t(source)][std::size_t(column)];
    });
    auto *graph = new GraphArea([this](QPainter &painter, const QRect &area) {
        painter.setFont(font());
        PaintSeasonsGraph(painter, area, series_, state_.Grid_Shown);
    });
    graph->setAccessibleName(QStringLiteral("Graphe des saisons"));
    page.replaceControl(kGraph, graph);
}

void HistoryDialog::fillOpponents(TemplatePage &page) {
    auto *opponents = new SeasonList({{QStringLiteral("Nom"), 115, Qt::AlignLeft},
                                      {QStringLiteral("Club"), 115, Qt::AlignLeft},
                                      {QStringLiteral("Rencontres"), 70, Qt::AlignRight},
                                      {QStringLiteral("Victoires"), 60, Qt::AlignRight},
                                      {QStringLiteral("Défaites"), 60, Qt::AlignRight},
                                      {QStringLiteral("Dernier classement"), 110, Qt::AlignRight},
                                      {QStringLiteral("Dernière rencontre"), 170, Qt::AlignLeft}});
    page.replaceControl(kOpponentList, opponents);
    opponents_ = opponents;
    connect(opponents, &SeasonList::sorted, this, [this](int column) { sorted_by_ = column; });
    connect(opponents, &SeasonList::rowStateChanged, this, [this, opponents] {
        const int source = opponents->currentSource();
        chosen_ = source < 0 ? -1 : int(shown_[std::size_t(source)]);
        showMatches();
    });
    matches_ = new SeasonList({{QStringLiteral("Date"), 80, Qt::AlignLeft},
                               {QStringLiteral("Championnat"), 90, Qt::AlignLeft},
                               {QStringLiteral("Classement"), 75, Qt::AlignRight},
                               {QStringLiteral("1er set"), 60, Qt::AlignHCenter},
                               {QStringLiteral("2e set"), 60, Qt::AlignHCenter},
                               {QStringLiteral("3e set"), 60, Qt::AlignHCenter},
                               {QStringLiteral("Résultat"), 70, Qt::AlignLeft},
                               {QStringLiteral("Points"), 55, Qt::AlignRight}});
    page.replaceControl(kMatchList, matches_);
    page.setText(kSearch, search_);
    filterOpponents();
}

void HistoryDialog::onPageCommand(int id, int code) {
    if (id == kSearch && code == kEditChange && page()) {
        search_ = page()->text(kSearch);
        filterOpponents();
    }
}

// The rows the search leaves, in the order last chosen, the chosen opponent
// still chosen when it is among them.
void HistoryDialog::filterOpponents() {
    SeasonList *opponents = opponents_;
    if (!opponents)
        return;
    const std::string text = Utf8ToCp1252(search_.toStdString());
    shown_.clear();
    for (std::size_t i = 0; i < history_.opponents.size(); ++i)
        if (MatchesSearch(history_.opponents[i], text))
            shown_.push_back(i);
    opponents->setRows(int(shown_.size()), [this](int source, int column) {
        return opponent_texts_[shown_[std::size_t(source)]][std::size_t(column)];
    });
    if (sorted_by_ >= 0)
        opponents->sortByColumn(sorted_by_);
    const int keep = chosen_;
    chosen_ = -1;
    for (int row = 0; row < opponents->rowCount() && keep >= 0; ++row)
        if (int(shown_[std::size_t(opponents->sourceAt(row))]) == keep) {
            opponents->selectRow(row); // shows its matches
            return;
        }
    showMatches();
}

void HistoryDialog::showMatches() {
    SeasonList *matches = matches_;
    if (!matches)
        return;
    match_texts_.clear();
    if (chosen_ >= 0)
        for (const Opponent_Match &m : history_.opponents[std::size_t(chosen_)].matches) {
            const Day_Sheet &day = state_.Mem_Days[std::size_t(m.day)];
            const Single_Slot &slot = day.singles[m.single];
            match_texts_.push_back(
                {Text(DayDate(day)), Text(SeasonYears(history_.seasons[m.season].name)),
                 Cell(FieldText(slot.classement)), Score(slot.player_scores[0], slot.opponent_scores[0]),
                 Score(slot.player_scores[1], slot.opponent_scores[1]),
                 Score(slot.player_scores[2], slot.opponent_scores[2]), ResultText(m.result),
                 m.points ? QString::number(*m.points) : QStringLiteral("-")});
        }
    matches->setRows(int(match_texts_.size()), [this](int source, int column) {
        return match_texts_[std::size_t(source)][std::size_t(column)];
    });
}

void HistoryDialog::onCommand(int id, int code) {
    if ((id == kClose || id == kIdCancel) && code == kClicked)
        done(1);
}

} // namespace zel
