#pragma once

#include "RectControl.h"

#include <cstdint>
#include <vector>

class Graphics;
class ListboxModel;
class ListboxView;
class QItemSelectionModel;

// Rows of text cells under an optional row of headings. A click on a heading
// sorts the rows by that column: ascending first, descending on a second click
// on the same heading.
class Listbox : public RectControl {
public:
    Listbox();

    // The headings, tab-separated, on the first line; each further line is a row.
    const String& InitialValue() const { return initialValue_; }
    void InitialValue(const String& value);

    String Heading(std::int64_t column) const;
    void Heading(std::int64_t column, const String& text);
    bool HasHeader() const;
    void HasHeader(bool value);
    std::int64_t ColumnCount() const;
    void ColumnCount(std::int64_t value);
    // Comma-separated: a number is a width in pixels; anything else ("", "*")
    // shares the width that is left.
    const String& ColumnWidths() const { return columnWidths_; }
    void ColumnWidths(const String& value);
    // The column the rows are sorted by, -1 for none. Any change of the rows
    // that may break their order (a row added, every row deleted, a text
    // of that column set) makes it -1.
    std::int64_t HeadingIndex() const;
    void HeadingIndex(std::int64_t value);

    void AddRow(std::vector<String> cells);
    void DeleteAllRows();
    std::int64_t ListCount() const;
    // The text of one cell, as the list holds it. Row -1 and column -1 give
    // the whole list: one line per row in display order, the cells of a row
    // joined by a tab, no heading line and no final line end. Column -1 alone
    // gives one row's cells joined by a tab. Such a joined text is kept only
    // until the next one is asked for.
    const String& Cell(std::int64_t row, std::int64_t column) const;

    bool Selected(std::int64_t row) const;
    // 0 one row at a time, 1 several rows.
    std::int64_t RowSelectionType() const { return rowSelectionType_; }
    void RowSelectionType(std::int64_t value);
    // Whether a click on no row keeps the selection.
    bool RequiresSelection() const { return requiresSelection_; }
    void RequiresSelection(bool value);

    bool HasBorder() const;
    void HasBorder(bool value);
    bool HasVerticalScrollbar() const { return hasVerticalScrollbar_; }
    void HasVerticalScrollbar(bool value);
    bool HasHorizontalScrollbar() const { return hasHorizontalScrollbar_; }
    void HasHorizontalScrollbar(bool value);
    // Scroll bars show only while there is something to scroll.
    bool AllowAutoHideScrollbars() const { return allowAutoHideScrollbars_; }
    void AllowAutoHideScrollbars(bool value);
    bool AllowResizableColumns() const { return allowResizableColumns_; }
    void AllowResizableColumns(bool value);

    void ApplyDesign(const DesignRecord& record) override;

protected:
    // Paints the background of one visible cell before its text is drawn. `g`
    // covers exactly the cell: its origin is the cell's top-left corner and its
    // Width and Height are the cell's size. A selected row keeps the list's own
    // selection look.
    virtual bool Event_CellBackgroundPaint(Graphics& g, std::int64_t row, std::int64_t column);
    // Orders two rows while the list sorts by `column`: sets `result` to -1, 0
    // or 1 and returns true, or returns false to leave the order to the bytes
    // of the two cells. The rows are numbered as before the sort.
    virtual bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                                   std::int64_t& result);

private:
    friend class ListboxDelegate;
    friend class ListboxView;

    ListboxView& view() const;
    ListboxModel& rows() const;
    QItemSelectionModel& selection() const;
    void checkRow(std::int64_t row) const;
    void checkColumn(std::int64_t column) const;
    static void checkRow(const ListboxModel& model, std::int64_t row);
    static void checkColumn(const ListboxModel& model, std::int64_t column);
    void appendRowText(String& text, std::int64_t row) const;
    void paintCellBackground(Graphics& g, std::int64_t row, std::int64_t column);
    void forgetSortOrder();
    void headingClicked(std::int64_t column, bool ascending);
    void sortRows(std::int64_t column, bool ascending);
    std::int64_t compareRows(std::int64_t row1, std::int64_t row2, std::int64_t column);
    void applyOrder(const std::vector<std::int64_t>& order);
    void applyScrollbars();
    void applyColumnWidths();

    String initialValue_;
    String columnWidths_;
    mutable String joined_;
    std::int64_t rowSelectionType_ = 0;
    bool requiresSelection_ = false;
    bool hasVerticalScrollbar_ = true;
    bool hasHorizontalScrollbar_ = false;
    bool allowAutoHideScrollbars_ = true;
    bool allowResizableColumns_ = true;
};
