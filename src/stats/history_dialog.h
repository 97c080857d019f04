// HISTOBOX: the player's championships side by side ("Saisons") and the record
// against every opponent met in a single ("Adversaires").
#pragma once

#include "platform/template_dialog.h"
#include "stats/graph_series.h"
#include "stats/history.h"

#include <QImage>
#include <QPointer>
#include <QString>

#include <array>
#include <vector>

namespace zel {

struct SharedState;
class SeasonList;
class TabbedPages;

class HistoryDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum Tab { Seasons = 0, Opponents = 1 };

    explicit HistoryDialog(const SharedState &state, QWidget *parent = nullptr);
    ~HistoryDialog() override;

    TabbedPages &tabs() const { return *tabs_; }
    TemplatePage *page() const;     // the page shown
    SeasonList *list(int id) const; // a list of the page shown

    const Player_History &history() const { return history_; }
    const Seasons_Series &seasonsSeries() const { return series_; }
    // The seasons' graph as the next repaint of the "Saisons" page draws it.
    QImage renderSeasons() const;

  protected:
    void onCommand(int id, int code) override;

  private:
    QWidget *makePage(int tab, QWidget *parent);
    void fillSeasons(TemplatePage &page);
    void fillOpponents(TemplatePage &page);
    void onPageCommand(int id, int code);
    void filterOpponents();
    void showMatches();

    const SharedState &state_;
    Player_History history_;
    Seasons_Series series_;
    std::vector<std::array<QString, 9>> season_texts_;
    std::vector<std::array<QString, 7>> opponent_texts_;
    std::vector<std::size_t> shown_;                  // opponents the search leaves, in history order
    std::vector<std::array<QString, 8>> match_texts_; // of the chosen opponent
    QString search_;
    int chosen_ = -1;    // index into history_.opponents
    int sorted_by_ = -1; // the opponents' column last sorted by, kept through searches
    QSize grow_;         // added to the pages when the font leaves the graph too little room
    TabbedPages *tabs_;
    QPointer<SeasonList> opponents_, matches_; // while the "Adversaires" page is shown
};

} // namespace zel
