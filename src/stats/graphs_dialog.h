// GRAPHEBOX: the three line graphs of one championship.
#pragma once

#include "days/day_store.h"
#include "platform/template_dialog.h"

#include <QImage>

#include <string>
#include <vector>

namespace zel {

struct SharedState;
class GraphArea;

class GraphsDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum Graph { MatchesByClassement = 1, PointsTotal = 2, VictoriesTotal = 3 };

    explicit GraphsDialog(SharedState &state, QWidget *parent = nullptr);

    Graph currentGraph() const { return graph_; }
    const std::string &graphClassement() const { return graph_classement_; }
    int currentChampionship() const { return current_; }

    // Draws the current graph on a painter whose origin is the top-left
    // corner of the drawing area, filling `area` first.
    void paintGraph(QPainter &painter, const QRect &area) const;
    // The drawing area's content as the next repaint draws it.
    QImage renderGraph() const;
    QSize graphSize() const;

  protected:
    void onCommand(int id, int code) override;

  private:
    void draw();

    SharedState &state_;
    std::vector<Championship_Entry> championships_;
    int current_ = 0;
    Graph graph_ = MatchesByClassement;
    std::string graph_classement_;
    GraphArea *area_ = nullptr;
};

} // namespace zel
