// A report list of seasons (championships, tournament groups): one row per source entry.
//
// API
// ---
//   SeasonList *list = new SeasonList({{"Championnat", 100, Qt::AlignLeft},
//                                      {"Points", 60, Qt::AlignRight}});
//   form.replaceControl(1072, list);               // takes the template's rectangle and id
//   list->setRows(count, [&](int source, int column) { return texts[source][column]; });
//   QObject::connect(list, &SeasonList::rowStateChanged, [&] { form.enable(1037, true); });
//   ...
//   const int source = list->currentSource();      // -1 when no row is selected
//
// - Columns: head text, width in pixels and alignment (head and cells alike), in order.
//   A column is made wider when its head text would not fit. setHead(column, text)
//   changes a head afterwards.
// - Rows: setRows(count, texts) shows rows 0..count-1 in source order; `texts(source,
//   column)` is asked for a cell's text whenever the view or a sort needs it (nothing is
//   copied), so it must stay valid until the next setRows/clearRows. Each row keeps its
//   source index whatever the order on screen: sourceAt(row) maps back. setRows and
//   clearRows emit nothing and leave no row selected.
// - Sorting: a click on a column head, or sortByColumn(c), orders the rows ascending by
//   the text of column c compared without regard to letter case, as text ("12" before
//   "7"); equal texts are ordered by column 0 the same way; rows equal in both keep their
//   order. Every click sorts ascending again. sorted(c) is emitted afterwards.
// - Selection: one row at most. rowStateChanged() is emitted whenever the selection
//   changes (the user's, or selectRow/clearRowSelection's), deselection included; the
//   focus merely moving onto a row (as when the list gets the focus) emits nothing.
//   currentSource() is the source index of the selected row, or -1 when none is selected
//   (a current but unselected row does not count).
//
// Generic: it knows nothing of days or tournaments.
#pragma once

#include <QString>
#include <QTreeView>

#include <functional>
#include <vector>

namespace zel {

struct ListColumn {
    QString head;
    int width = 100; // pixels
    Qt::Alignment alignment = Qt::AlignLeft;
};

class SeasonListModel;

class SeasonList : public QTreeView {
    Q_OBJECT
  public:
    using CellText = std::function<QString(int source, int column)>;

    explicit SeasonList(std::vector<ListColumn> columns, QWidget *parent = nullptr);
    ~SeasonList() override;

    int columnCount() const;
    void setHead(int column, const QString &text);
    QString head(int column) const;

    void setRows(int count, CellText texts);
    void clearRows();
    int rowCount() const;

    // Position on screen -> source index, and the text shown there.
    int sourceAt(int row) const;
    QString textAt(int row, int column) const;

    void sortByColumn(int column);

    void selectRow(int row); // -1 clears
    void clearRowSelection();
    int currentSource() const;

  signals:
    void rowStateChanged();
    void sorted(int column);

  private:
    void emitStateChanged();

    SeasonListModel *model_;
    int quiet_ = 0;
};

} // namespace zel
