#pragma once

#include "String.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <cstdint>
#include <vector>

class Listbox;

// The rows of a Listbox, held row after row in one vector of cells: a sort
// reads cells of rows in no foreseeable order, and a row in one piece of
// memory costs it one read instead of two.
class ListboxModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::int64_t rows() const { return rows_; }
    std::int64_t columns() const { return static_cast<std::int64_t>(headings_.size()); }
    // Cells of columns that go are dropped; new columns are empty.
    void setColumns(std::int64_t count);
    const String& cell(std::int64_t row, std::int64_t column) const {
        return cells_[offset(row * columns() + column)];
    }
    const String& heading(std::int64_t column) const { return headings_[offset(column)]; }
    void setHeading(std::int64_t column, const String& text);
    // A row may bring fewer cells than there are columns; the missing ones are
    // empty. Cells beyond the last column are dropped.
    void appendRow(std::vector<String> cells);
    void removeAllRows();
    // Puts row order[i] at place i, in one reset.
    void reorder(const std::vector<std::int64_t>& order);

private:
    static std::size_t offset(std::int64_t value) { return static_cast<std::size_t>(value); }

    std::vector<String> cells_;
    std::int64_t rows_ = 0;
    std::vector<String> headings_ = std::vector<String>(1);
};

// Lets the Listbox paint each cell's background before the cell's text.
class ListboxDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    ListboxDelegate(Listbox& owner, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Listbox& owner_;
};

class ListboxView : public QTreeView {
    Q_OBJECT

public:
    explicit ListboxView(Listbox& owner);

    ListboxModel& rows() const { return *model_; }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    Listbox& owner_;
    ListboxModel* model_;
};
