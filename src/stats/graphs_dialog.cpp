// GRAPHEBOX.
#include "stats/graphs_dialog.h"

#include "days/classement_scale.h"
#include "resources/templates/graphs_template.h"
#include "shell/shared_state.h"
#include "stats/graph_painter.h"
#include "stats/graph_series.h"
#include "stats/statistics.h"
#include "text/cp1252.h"

#include <QPainter>

#include <algorithm>

namespace zel {

namespace {

constexpr int kChampionship = 1052;
constexpr int kNext = 1064;
constexpr int kPrevious = 1065;
constexpr int kGraph1 = 1112;
constexpr int kGraph2 = 1114;
constexpr int kGraph3 = 1116;
constexpr int kClassement = 107;
constexpr int kGrid = 1153;
constexpr int kClose = 1042;
constexpr int kArea = 1143;

} // namespace

GraphsDialog::GraphsDialog(SharedState &state, QWidget *parent)
    : TemplateDialog(kGraphsTemplate, parent), state_(state) {
    area_ = new GraphArea([this](QPainter &painter, const QRect &area) { paintGraph(painter, area); });
    area_->setAccessibleName(QStringLiteral("Graphe"));
    replaceControl(kArea, area_);
    // With a small dialog font the area would cut the graphs off: grow it, and
    // the dialog with it, to the room the graphs' coordinates need.
    const QSize missing = QSize(Graph_Area_Width, Graph_Area_Height) - area_->contentsRect().size();
    const QSize grow(std::max(0, missing.width()), std::max(0, missing.height()));
    if (!grow.isNull()) {
        area_->resize(area_->size() + grow);
        setFixedSize(size() + grow);
    }

    championships_ = GroupDays(state_);
    current_ = championships_.empty() ? 0 : int(championships_.size()) - 1;
    if (!championships_.empty())
        setTextCp1252(kChampionship, championships_[current_].name);

    setChecked(kGraph1, true);
    for (const std::string &label : PlayerClassementList(state_))
        addItem(kClassement, QString::fromStdString(label));
    graph_classement_ = std::string(OwnClassement(state_));
    const int own = findItem(kClassement, QString::fromStdString(graph_classement_));
    if (own >= 0)
        setCurrentIndex(kClassement, own);
    graph_ = MatchesByClassement;
    if (state_.Grid_Shown)
        setChecked(kGrid, true);
    draw();
}

QSize GraphsDialog::graphSize() const {
    return area_->contentsRect().size();
}

void GraphsDialog::paintGraph(QPainter &painter, const QRect &area) const {
    static const Championship_Entry no_championship;
    const Championship_Entry &entry = championships_.empty() ? no_championship : championships_[current_];
    const QString name = QString::fromStdString(Cp1252ToUtf8(entry.name));
    painter.setFont(font());
    switch (graph_) {
    case MatchesByClassement:
        PaintGraph1(painter, area, ComputeGraph1(state_, entry), name, state_.Grid_Shown);
        break;
    case PointsTotal:
        PaintGraph2(painter, area, ComputeGraph2(state_, entry, graph_classement_), name,
                    QString::fromStdString(graph_classement_), state_.Grid_Shown);
        break;
    case VictoriesTotal:
        PaintGraph3(painter, area, ComputeGraph3(state_, entry), name, state_.Grid_Shown);
        break;
    }
}

QImage GraphsDialog::renderGraph() const {
    QImage image(graphSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintGraph(painter, image.rect());
    return image;
}

void GraphsDialog::draw() {
    area_->update();
}

void GraphsDialog::onCommand(int id, int code) {
    if (id == kClassement) {
        if (code == kSelChange) {
            graph_classement_ = text(kClassement).toStdString();
            setChecked(kGraph2, true);
            graph_ = PointsTotal;
            draw();
        }
        return;
    }
    if (code != kClicked)
        return;
    switch (id) {
    case kGraph1:
    case kGraph2:
    case kGraph3:
    case kGrid:
    case kNext:
    case kPrevious:
    case kClose:
        break;
    default: // Escape and the close box (command 2) leave the graphs open
        return;
    }
    state_.Grid_Shown = checked(kGrid);
    graph_ = checked(kGraph3) ? VictoriesTotal : checked(kGraph2) ? PointsTotal : MatchesByClassement;
    draw();
    const int count = int(championships_.size());
    if (id == kNext || id == kPrevious) {
        const int index =
            id == kNext ? NextChampionship(current_, count) : PreviousChampionship(current_, count);
        if (index != current_ && count > 0) {
            current_ = index;
            setTextCp1252(kChampionship, championships_[current_].name);
        }
        draw(); // also at the ends of the table
    } else if (id == kClose) {
        state_.Grid_Shown = state_.Opt_AutoGrid;
        done(1);
    }
}

} // namespace zel
