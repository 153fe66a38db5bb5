#pragma once

#include "String.h"

#include <QAbstractItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <cstdint>
#include <vector>

class Listbox;

// The rows of a Listbox. A flat table: every index has the root as its parent.
class ListboxModel : public QAbstractItemModel {
    Q_OBJECT

public:
    using QAbstractItemModel::QAbstractItemModel;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::int64_t rows() const { return static_cast<std::int64_t>(rows_.size()); }
    std::int64_t columns() const { return static_cast<std::int64_t>(headings_.size()); }
    void setColumns(std::int64_t count);
    // A row may hold fewer cells than there are columns; the missing ones are empty.
    const String& cell(std::int64_t row, std::int64_t column) const;
    void setCell(std::int64_t row, std::int64_t column, const String& text);
    const String& heading(std::int64_t column) const { return headings_[offset(column)]; }
    void setHeading(std::int64_t column, const String& text);
    void appendRow(std::vector<String> cells);
    void removeAllRows();
    // Puts row order[i] at place i, in one reset.
    void reorder(const std::vector<std::int64_t>& order);

private:
    static std::size_t offset(std::int64_t value) { return static_cast<std::size_t>(value); }

    std::vector<std::vector<String>> rows_;
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
