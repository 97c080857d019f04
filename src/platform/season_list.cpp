// A report list of seasons whose rows keep their source index through sorting.
#include "platform/season_list.h"

#include "platform/list_keys.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>

#include <algorithm>
#include <numeric>

namespace zel {

class SeasonListModel final : public QAbstractTableModel {
  public:
    explicit SeasonListModel(std::vector<ListColumn> columns, QObject *parent)
        : QAbstractTableModel(parent), columns_(std::move(columns)) {}

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(order_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return cell(sourceAt(index.row()), index.column());
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(columns_[std::size_t(index.column())].alignment | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return {};
        if (role == Qt::DisplayRole)
            return columns_[std::size_t(section)].head;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(columns_[std::size_t(section)].alignment | Qt::AlignVCenter);
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void setHead(int column, const QString &text) {
        if (column < 0 || column >= columnCount())
            return;
        columns_[std::size_t(column)].head = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
    }
    QString head(int column) const {
        return column >= 0 && column < columnCount() ? columns_[std::size_t(column)].head : QString();
    }
    const std::vector<ListColumn> &columns() const { return columns_; }

    void setRows(int count, SeasonList::CellText texts) {
        beginResetModel();
        texts_ = std::move(texts);
        order_.resize(std::size_t(std::max(count, 0)));
        std::iota(order_.begin(), order_.end(), 0);
        endResetModel();
    }

    int sourceAt(int row) const { return row >= 0 && row < rowCount() ? order_[std::size_t(row)] : -1; }
    QString cell(int source, int column) const {
        return texts_ && source >= 0 ? texts_(source, column) : QString();
    }

    // Rows ascending by the column's text, ties by column 0, case-insensitive.
    void sortBy(int column) {
        if (column < 0 || column >= columnCount())
            return;
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        std::vector<int> sources;
        for (const QModelIndex &i : before)
            sources.push_back(sourceAt(i.row()));
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
            int c = QString::compare(cell(a, column), cell(b, column), Qt::CaseInsensitive);
            if (c == 0)
                c = QString::compare(cell(a, 0), cell(b, 0), Qt::CaseInsensitive);
            return c < 0;
        });
        QModelIndexList after;
        for (std::size_t k = 0; k < sources.size(); ++k) {
            const auto it = std::find(order_.begin(), order_.end(), sources[k]);
            after.push_back(index(int(it - order_.begin()), before[int(k)].column()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }

  private:
    std::vector<ListColumn> columns_;
    std::vector<int> order_; // screen row -> source index
    SeasonList::CellText texts_;
};

SeasonList::SeasonList(std::vector<ListColumn> columns, QWidget *parent)
    : QTreeView(parent), model_(new SeasonListModel(std::move(columns), this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false); // our own order: see sortByColumn
    ChooseWithArrowKeys(*this);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setHighlightSections(false);
    // A head wider than its column (fonts larger than the classic dialog font) widens it.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header()) + 4;
    for (int c = 0; c < columnCount(); ++c) {
        const ListColumn &col = model_->columns()[std::size_t(c)];
        setColumnWidth(c, std::max(col.width, header()->fontMetrics().horizontalAdvance(col.head) + margins));
    }
    connect(header(), &QHeaderView::sectionClicked, this, &SeasonList::sortByColumn);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &SeasonList::emitStateChanged);
}

SeasonList::~SeasonList() = default;

int SeasonList::columnCount() const {
    return model_->columnCount();
}
void SeasonList::setHead(int column, const QString &text) {
    model_->setHead(column, text);
}
QString SeasonList::head(int column) const {
    return model_->head(column);
}

void SeasonList::setRows(int count, CellText texts) {
    ++quiet_;
    model_->setRows(count, std::move(texts));
    selectionModel()->clear();
    --quiet_;
}

void SeasonList::clearRows() {
    setRows(0, {});
}

int SeasonList::rowCount() const {
    return model_->rowCount();
}
int SeasonList::sourceAt(int row) const {
    return model_->sourceAt(row);
}
QString SeasonList::textAt(int row, int column) const {
    return model_->cell(sourceAt(row), column);
}

void SeasonList::sortByColumn(int column) {
    model_->sortBy(column);
    emit sorted(column);
}

void SeasonList::selectRow(int row) {
    if (row < 0 || row >= rowCount()) {
        clearRowSelection();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SeasonList::clearRowSelection() {
    selectionModel()->clearSelection();
}

int SeasonList::currentSource() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : sourceAt(rows.first().row());
}

void SeasonList::emitStateChanged() {
    if (quiet_ == 0)
        emit rowStateChanged();
}

} // namespace zel
