#include "Listbox.h"

#include "Collator.h"
#include "Exceptions.h"
#include "Listbox_p.h"
#include "RunSort_p.h"

#include <QHeaderView>
#include <algorithm>
#include <charconv>
#include <numeric>

namespace {

const DesignSetters<Listbox>& listboxSetters() {
    static const DesignSetters<Listbox> setters = [] {
        DesignSetters<Listbox> s;
        Listbox::AddControlSetters(s);
        Listbox::AddFontSetters(s);
        s.Set("InitialValue", &Listbox::InitialValue)
            .Set("HasBorder", &Listbox::HasBorder)
            .Set("HasHeader", &Listbox::HasHeader)
            .Set("HasHorizontalScrollbar", &Listbox::HasHorizontalScrollbar)
            .Set("HasVerticalScrollbar", &Listbox::HasVerticalScrollbar)
            .Set("AllowAutoHideScrollbars", &Listbox::AllowAutoHideScrollbars)
            .Set("AllowResizableColumns", &Listbox::AllowResizableColumns)
            .Set("RowSelectionType", &Listbox::RowSelectionType)
            .Set("RequiresSelection", &Listbox::RequiresSelection)
            .Set("ColumnCount", &Listbox::ColumnCount)
            .Set("ColumnWidths", &Listbox::ColumnWidths)
            .Set("HeadingIndex", &Listbox::HeadingIndex)
            .Ignore({"GridLinesHorizontalStyle", "GridLinesVerticalStyle", "DropIndicatorVisible",
                     "AllowFocusRing", "AllowRowDragging", "AllowRowReordering",
                     "AllowExpandableRows", "DefaultRowHeight", "_ScrollWidth", "_ScrollOffset"});
        return s;
    }();
    return setters;
}

Qt::ScrollBarPolicy scrollBarPolicy(bool shown, bool autoHide) {
    if (!shown)
        return Qt::ScrollBarAlwaysOff;
    return autoHide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
}

// A width in pixels, or 0 when the text is not a plain number.
int fixedWidth(const String& text) {
    const String trimmed = Str::Trim(text);
    int width = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), width);
    const bool whole = error == std::errc() && end == trimmed.data() + trimmed.size();
    return whole ? std::max(width, 0) : 0;
}

} // namespace

Listbox::Listbox() : RectControl(new ListboxView(*this)) {
    HasHeader(false);
    applyScrollbars();
    applyColumnWidths();
}

void Listbox::InitialValue(const String& value) {
    initialValue_ = value;
    std::vector<String> lines =
        Str::Split(Str::ReplaceLineEndings(value, Str::EndOfLine), Str::EndOfLine);
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back();
    const std::vector<String> headings = Str::Split(lines.front(), "\t");
    const auto headingCount = static_cast<std::int64_t>(headings.size());
    if (headingCount > ColumnCount())
        ColumnCount(headingCount);
    for (std::int64_t column = 0; column < headingCount; ++column)
        Heading(column, headings[static_cast<std::size_t>(column)]);
    for (auto line = lines.begin() + 1; line != lines.end(); ++line)
        AddRow(Str::Split(*line, "\t"));
}

String Listbox::Heading(std::int64_t column) const {
    checkColumn(column);
    return rows().heading(column);
}

void Listbox::Heading(std::int64_t column, const String& text) {
    checkColumn(column);
    rows().setHeading(column, text);
}

bool Listbox::HasHeader() const {
    return !view().isHeaderHidden();
}

void Listbox::HasHeader(bool value) {
    view().setHeaderHidden(!value);
}

std::int64_t Listbox::ColumnCount() const {
    return rows().columns();
}

void Listbox::ColumnCount(std::int64_t value) {
    if (value < 1 || value > 256)
        throw OutOfBoundsException("A list has 1 to 256 columns, not " + std::to_string(value) +
                                   ".");
    rows().setColumns(value);
    applyColumnWidths();
}

void Listbox::ColumnWidths(const String& value) {
    columnWidths_ = value;
    applyColumnWidths();
}

std::int64_t Listbox::HeadingIndex() const {
    return view().header()->sortIndicatorSection();
}

void Listbox::HeadingIndex(std::int64_t value) {
    if (value != -1)
        checkColumn(value);
    view().header()->setSortIndicator(static_cast<int>(value), Qt::AscendingOrder);
}

void Listbox::AddRow(std::vector<String> cells) {
    forgetSortOrder();
    rows().appendRow(std::move(cells));
}

void Listbox::DeleteAllRows() {
    forgetSortOrder();
    rows().removeAllRows();
}

std::int64_t Listbox::ListCount() const {
    return rows().rows();
}

const String& Listbox::Cell(std::int64_t row, std::int64_t column) const {
    if (row == -1 && column == -1) {
        joined_.clear();
        for (std::int64_t each = 0; each < ListCount(); ++each) {
            if (each > 0)
                joined_ += Str::EndOfLine;
            appendRowText(joined_, each);
        }
        return joined_;
    }
    // A sort reads two cells for every comparison: the model is found once.
    const ListboxModel& model = rows();
    checkRow(model, row);
    if (column == -1) {
        joined_.clear();
        appendRowText(joined_, row);
        return joined_;
    }
    checkColumn(model, column);
    return model.cell(row, column);
}

bool Listbox::Selected(std::int64_t row) const {
    checkRow(row);
    return selection().isRowSelected(static_cast<int>(row), {});
}

void Listbox::RowSelectionType(std::int64_t value) {
    if (value != 0 && value != 1)
        throw OutOfBoundsException("There is no row selection type " + std::to_string(value) + ".");
    rowSelectionType_ = value;
    view().setSelectionMode(value == 0 ? QAbstractItemView::SingleSelection
                                       : QAbstractItemView::ExtendedSelection);
}

void Listbox::RequiresSelection(bool value) {
    requiresSelection_ = value;
}

bool Listbox::HasBorder() const {
    return view().frameShape() != QFrame::NoFrame;
}

void Listbox::HasBorder(bool value) {
    view().setFrameShape(value ? QFrame::StyledPanel : QFrame::NoFrame);
}

void Listbox::HasVerticalScrollbar(bool value) {
    hasVerticalScrollbar_ = value;
    applyScrollbars();
}

void Listbox::HasHorizontalScrollbar(bool value) {
    hasHorizontalScrollbar_ = value;
    applyScrollbars();
}

void Listbox::AllowAutoHideScrollbars(bool value) {
    allowAutoHideScrollbars_ = value;
    applyScrollbars();
}

void Listbox::AllowResizableColumns(bool value) {
    allowResizableColumns_ = value;
    applyColumnWidths();
}

void Listbox::ApplyDesign(const DesignRecord& record) {
    listboxSetters().Apply(*this, record);
}

bool Listbox::Event_CellBackgroundPaint(Graphics&, std::int64_t, std::int64_t) {
    return false;
}

bool Listbox::Event_CompareRows(std::int64_t, std::int64_t, std::int64_t, std::int64_t&) {
    return false;
}

ListboxView& Listbox::view() const {
    return *static_cast<ListboxView*>(NativeWidget());
}

ListboxModel& Listbox::rows() const {
    return view().rows();
}

QItemSelectionModel& Listbox::selection() const {
    return *view().selectionModel();
}

void Listbox::checkRow(std::int64_t row) const {
    checkRow(rows(), row);
}

void Listbox::checkColumn(std::int64_t column) const {
    checkColumn(rows(), column);
}

void Listbox::checkRow(const ListboxModel& model, std::int64_t row) {
    if (row < 0 || row >= model.rows())
        throw OutOfBoundsException("The list has no row " + std::to_string(row) + ".");
}

void Listbox::checkColumn(const ListboxModel& model, std::int64_t column) {
    if (column < 0 || column >= model.columns())
        throw OutOfBoundsException("The list has no column " + std::to_string(column) + ".");
}

void Listbox::appendRowText(String& text, std::int64_t row) const {
    for (std::int64_t column = 0; column < ColumnCount(); ++column) {
        if (column > 0)
            text += '\t';
        text += rows().cell(row, column);
    }
}

// Qt draws no background of its own under an unselected cell, and a selected
// row keeps Qt's selection look either way, so the handler's answer changes
// nothing here.
void Listbox::paintCellBackground(Graphics& g, std::int64_t row, std::int64_t column) {
    raiseEvent([&] { Event_CellBackgroundPaint(g, row, column); });
}

// The heading's mark tells the order the rows are in, so it goes as soon as
// they may be in another.
void Listbox::forgetSortOrder() {
    if (HeadingIndex() != -1)
        HeadingIndex(-1);
}

void Listbox::headingClicked(std::int64_t column, bool ascending) {
    raiseEvent([&] { sortRows(column, ascending); });
}

// The rows stay in place while the comparisons run, so the handler reads them
// by their indices before the sort; the new order then applies in one step.
// Collators keep the sort keys of the texts they meet until the sort ends.
void Listbox::sortRows(std::int64_t column, bool ascending) {
    const Collator::SortKeys keys;
    std::vector<std::int64_t> order(static_cast<std::size_t>(ListCount()));
    std::iota(order.begin(), order.end(), 0);
    const auto compare = [this, column](std::int64_t a, std::int64_t b) {
        return compareRows(a, b, column);
    };
    if (ascending)
        RunSort(order, [&compare](std::int64_t a, std::int64_t b) { return compare(a, b) < 0; });
    else
        RunSort(order, [&compare](std::int64_t a, std::int64_t b) { return compare(a, b) > 0; });
    applyOrder(order);
}

std::int64_t Listbox::compareRows(std::int64_t row1, std::int64_t row2, std::int64_t column) {
    std::int64_t result = 0;
    if (Event_CompareRows(row1, row2, column, result))
        return result;
    return rows().cell(row1, column).compare(rows().cell(row2, column));
}

// Selected rows stay selected at their new places.
void Listbox::applyOrder(const std::vector<std::int64_t>& order) {
    std::vector<bool> wasSelected(order.size());
    for (const QModelIndex& index : selection().selectedRows())
        wasSelected[static_cast<std::size_t>(index.row())] = true;
    rows().reorder(order);
    QItemSelection kept;
    const int lastColumn = static_cast<int>(ColumnCount()) - 1;
    for (std::size_t place = 0; place < order.size(); ++place) {
        if (!wasSelected[static_cast<std::size_t>(order[place])])
            continue;
        const int row = static_cast<int>(place);
        kept.select(rows().index(row, 0), rows().index(row, lastColumn));
    }
    selection().select(kept, QItemSelectionModel::ClearAndSelect);
}

void Listbox::applyScrollbars() {
    view().setVerticalScrollBarPolicy(
        scrollBarPolicy(hasVerticalScrollbar_, allowAutoHideScrollbars_));
    view().setHorizontalScrollBarPolicy(
        scrollBarPolicy(hasHorizontalScrollbar_, allowAutoHideScrollbars_));
}

void Listbox::applyColumnWidths() {
    QHeaderView* header = view().header();
    const std::vector<String> widths = Str::Split(columnWidths_, ",");
    const QHeaderView::ResizeMode sharing =
        allowResizableColumns_ ? QHeaderView::Interactive : QHeaderView::Stretch;
    header->setStretchLastSection(true);
    for (int column = 0; column < header->count(); ++column) {
        const auto given = static_cast<std::size_t>(column);
        const int width = given < widths.size() ? fixedWidth(widths[given]) : 0;
        const QHeaderView::ResizeMode fixed =
            allowResizableColumns_ ? QHeaderView::Interactive : QHeaderView::Fixed;
        header->setSectionResizeMode(column, width > 0 ? fixed : sharing);
        if (width > 0)
            header->resizeSection(column, width);
    }
}
