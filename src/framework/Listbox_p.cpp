#include "Listbox_p.h"

#include "Graphics.h"
#include "Listbox.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_);
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return QString::fromStdString(cell(index.row(), index.column()));
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(heading(section));
    // A first click on a heading sorts ascending, whatever the style prefers.
    if (role == Qt::InitialSortOrderRole)
        return static_cast<int>(Qt::AscendingOrder);
    return {};
}

void ListboxModel::setColumns(std::int64_t count) {
    std::vector<String> cells(offset(rows_ * count));
    const std::int64_t kept = std::min(count, columns());
    for (std::int64_t row = 0; row < rows_; ++row) {
        for (std::int64_t column = 0; column < kept; ++column)
            cells[offset(row * count + column)] =
                std::move(cells_[offset(row * columns() + column)]);
    }
    beginResetModel();
    cells_ = std::move(cells);
    headings_.resize(offset(count));
    endResetModel();
}

void ListboxModel::setHeading(std::int64_t column, const String& text) {
    headings_[offset(column)] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, static_cast<int>(column), static_cast<int>(column));
}

void ListboxModel::appendRow(std::vector<String> cells) {
    cells.resize(headings_.size());
    const int row = static_cast<int>(rows_);
    beginInsertRows({}, row, row);
    cells_.insert(cells_.end(), std::make_move_iterator(cells.begin()),
                  std::make_move_iterator(cells.end()));
    ++rows_;
    endInsertRows();
}

void ListboxModel::removeAllRows() {
    beginResetModel();
    cells_.clear();
    rows_ = 0;
    endResetModel();
}

void ListboxModel::reorder(const std::vector<std::int64_t>& order) {
    const auto width = offset(columns());
    std::vector<String> sorted;
    sorted.reserve(cells_.size());
    for (const std::int64_t row : order) {
        const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(offset(row) * width);
        sorted.insert(sorted.end(), std::make_move_iterator(first),
                      std::make_move_iterator(first + static_cast<std::ptrdiff_t>(width)));
    }
    beginResetModel();
    cells_ = std::move(sorted);
    endResetModel();
}

ListboxDelegate::ListboxDelegate(Listbox& owner, QObject* parent)
    : QStyledItemDelegate(parent), owner_(owner) {}

void ListboxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()), Qt::IntersectClip);
    Graphics graphics(*painter, option.rect.width(), option.rect.height());
    owner_.paintCellBackground(graphics, index.row(), index.column());
    painter->restore();
    QStyledItemDelegate::paint(painter, option, index);
}

ListboxView::ListboxView(Listbox& owner) : owner_(owner), model_(new ListboxModel(this)) {
    setModel(model_);
    setItemDelegate(new ListboxDelegate(owner, this));
    setUniformRowHeights(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    QHeaderView* heading = header();
    heading->setSectionsMovable(false);
    heading->setSectionsClickable(true);
    heading->setSortIndicatorShown(true);
    heading->setSortIndicator(-1, Qt::AscendingOrder);
    // The header has turned its sort indicator already when it reports the click.
    connect(heading, &QHeaderView::sectionClicked, this, [this, heading](int section) {
        owner_.headingClicked(section, heading->sortIndicatorOrder() == Qt::AscendingOrder);
    });
}

QItemSelectionModel::SelectionFlags ListboxView::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    if (!index.isValid() && owner_.RequiresSelection() && selectionModel()->hasSelection())
        return QItemSelectionModel::NoUpdate;
    return QTreeView::selectionCommand(index, event);
}
