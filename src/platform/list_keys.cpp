// Lists chosen with the keyboard alone.
#include "platform/list_keys.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace zel {
namespace {

class FirstKeyChooses final : public QObject {
  public:
    explicit FirstKeyChooses(QAbstractItemView &view) : QObject(&view), view_(view) {}

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            break;
        default:
            return false;
        }
        QItemSelectionModel *selection = view_.selectionModel();
        QAbstractItemModel *model = view_.model();
        if (!selection || !model || selection->hasSelection() || model->rowCount() == 0)
            return false;
        QModelIndex row = selection->currentIndex();
        if (!row.isValid())
            row = model->index(0, 0);
        selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return true;
    }

  private:
    QAbstractItemView &view_;
};

} // namespace

void ChooseWithArrowKeys(QAbstractItemView &view) {
    view.installEventFilter(new FirstKeyChooses(view));
}

} // namespace zel
