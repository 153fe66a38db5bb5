#include "framework/Appearance.h"
#include "framework/Graphics.h"
#include "framework/Listbox.h"
#include "framework/Window.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

// Orders rows by the numbers in the sorted column and remembers what it was asked.
class NumberList : public Listbox {
public:
    struct Comparison {
        std::int64_t row1, row2;
        String text1, text2;
    };
    std::vector<Comparison> comparisons;

protected:
    bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                           std::int64_t& result) override {
        const String text1 = Cell(row1, column);
        const String text2 = Cell(row2, column);
        comparisons.push_back({row1, row2, text1, text2});
        const long long first = std::stoll(text1);
        const long long second = std::stoll(text2);
        result = (first > second) - (first < second);
        return true;
    }
};

// Fills each cell with a colour of its own and rules its last pixel row, and
// leaves selected rows to the list.
class PaintedList : public Listbox {
public:
    std::map<std::pair<std::int64_t, std::int64_t>, QSizeF> cellSizes;

    static Colour fill(std::int64_t row, std::int64_t column) {
        if (row == 0)
            return Colour(column == 0 ? 0x00FF0000 : 0x000000FF);
        return Colour(row == 1 ? 0x0000FF00 : 0x80FF0000);
    }

protected:
    bool Event_CellBackgroundPaint(Graphics& g, std::int64_t row, std::int64_t column) override {
        cellSizes[{row, column}] = QSizeF(g.Width(), g.Height());
        if (Selected(row))
            return true;
        g.ForeColor(fill(row, column));
        g.FillRect(0, 0, g.Width(), g.Height());
        g.ForeColor(Colour(0x00000000));
        const auto y = static_cast<double>(static_cast<std::int64_t>(g.Height() - 1));
        g.DrawLine(0, y, g.Width(), y);
        return false;
    }
};

class ListWindow : public Window {
protected:
    void Layout() override { ApplyDesign({{"Width", 400}, {"Height", 300}, {"Title", "List"}}); }
};

class ListboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_shared<ListWindow>();
        window->Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->NativeWidget()));
    }

    void TearDown() override {
        window->Close();
        window.reset();
        QCoreApplication::sendPostedEvents();
    }

    template <class List> std::shared_ptr<List> addList() {
        window->AddControl("List", window->New<List>());
        auto list = window->Control<List>("List");
        list->ApplyDesign({{"InitialValue", "Old\tNew"},
                           {"HasHeader", true},
                           {"ColumnCount", 2},
                           {"Left", 0},
                           {"Top", 0},
                           {"Width", 400},
                           {"Height", 300}});
        return list;
    }

    static QTreeView& view(const Listbox& list) {
        return *static_cast<QTreeView*>(list.NativeWidget());
    }

    static void clickHeading(const Listbox& list, int column) {
        QHeaderView* header = view(list).header();
        const QPoint centre(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    static void clickRow(const Listbox& list, int row) {
        QTreeView& tree = view(list);
        const QPoint centre = tree.visualRect(tree.model()->index(row, 0)).center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centre);
    }

    static std::vector<String> column(const Listbox& list, std::int64_t index) {
        std::vector<String> cells;
        for (std::int64_t row = 0; row < list.ListCount(); ++row)
            cells.push_back(list.Cell(row, index));
        return cells;
    }

    std::shared_ptr<ListWindow> window;
};

TEST_F(ListboxTest, TheWholeListIsRowsOfTabbedCellsWithoutAFinalLineEnd) {
    auto list = addList<Listbox>();
    EXPECT_EQ(list->Cell(-1, -1), "");
    list->AddRow({"uni4E00", "uni4E01"});
    list->AddRow({"a b", "c"});
    list->AddRow({"x"});
    EXPECT_EQ(list->Cell(-1, -1), "uni4E00\tuni4E01\na b\tc\nx\t");
    EXPECT_EQ(list->Cell(1, -1), "a b\tc");
    EXPECT_EQ(list->Cell(2, 1), "");
    EXPECT_THROW(list->Cell(3, 0), OutOfBoundsException);
    EXPECT_THROW(list->Cell(0, 2), OutOfBoundsException);
}

TEST_F(ListboxTest, RowsAreAddedAndDeleted) {
    auto list = addList<Listbox>();
    for (int row = 0; row < 3; ++row)
        list->AddRow({std::to_string(row), "new"});
    EXPECT_EQ(list->ListCount(), 3);
    EXPECT_EQ(view(*list).model()->rowCount(), 3);
    EXPECT_EQ(list->Cell(2, 0), "2");
    list->DeleteAllRows();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(view(*list).model()->rowCount(), 0);
    EXPECT_EQ(list->Cell(-1, -1), "");
}

TEST_F(ListboxTest, HeadingsComeFromTheInitialValueAndCanChange) {
    auto list = addList<Listbox>();
    const QAbstractItemModel& model = *view(*list).model();
    EXPECT_EQ(list->Heading(0), "Old");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "New");
    list->Heading(0, "3.2-3245");
    EXPECT_EQ(list->Heading(0), "3.2-3245");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "3.2-3245");
    EXPECT_THROW(list->Heading(2, "none"), OutOfBoundsException);

    list->InitialValue("A\tB\tC\na\tb\tc\nd\te\tf\n");
    EXPECT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->Heading(2), "C");
    EXPECT_EQ(list->Cell(-1, -1), "a\tb\tc\nd\te\tf");
}

TEST_F(ListboxTest, AHeadingClickSortsThroughTheHandlerAscendingThenDescending) {
    auto list = addList<NumberList>();
    const std::vector<String> numbers = {"9", "10", "1", "100", "9"};
    for (std::size_t row = 0; row < numbers.size(); ++row)
        list->AddRow({numbers[row], "row " + std::to_string(row)});

    clickHeading(*list, 0);
    EXPECT_EQ(column(*list, 0), (std::vector<String>{"1", "9", "9", "10", "100"}));
    EXPECT_EQ(column(*list, 1), (std::vector<String>{"row 2", "row 0", "row 4", "row 1", "row 3"}));
    ASSERT_FALSE(list->comparisons.empty());
    for (const auto& asked : list->comparisons) {
        EXPECT_EQ(asked.text1, numbers[static_cast<std::size_t>(asked.row1)]);
        EXPECT_EQ(asked.text2, numbers[static_cast<std::size_t>(asked.row2)]);
    }
    EXPECT_EQ(list->HeadingIndex(), 0);
    EXPECT_EQ(view(*list).header()->sortIndicatorOrder(), Qt::AscendingOrder);

    clickHeading(*list, 0);
    EXPECT_EQ(column(*list, 0), (std::vector<String>{"100", "10", "9", "9", "1"}));
    EXPECT_EQ(column(*list, 1), (std::vector<String>{"row 3", "row 1", "row 0", "row 4", "row 2"}));
    EXPECT_EQ(view(*list).header()->sortIndicatorOrder(), Qt::DescendingOrder);
}

// Long enough for runs to be found and merged; many equal numbers, so that
// their order shows whether the sort kept it.
TEST_F(ListboxTest, SortingIsStableAndTurningTheOrderRoundTakesOnePass) {
    auto list = addList<NumberList>();
    std::vector<std::pair<int, int>> expected;
    for (int row = 0; row < 500; ++row) {
        const int number = (row * 37 + row / 7) % 61;
        expected.emplace_back(number, row);
        list->AddRow({std::to_string(number), std::to_string(row)});
    }
    const auto listed = [&] {
        std::vector<std::pair<int, int>> rows;
        for (std::int64_t row = 0; row < list->ListCount(); ++row)
            rows.emplace_back(std::stoi(list->Cell(row, 0)), std::stoi(list->Cell(row, 1)));
        return rows;
    };

    clickHeading(*list, 0);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    EXPECT_EQ(listed(), expected);

    list->comparisons.clear();
    clickHeading(*list, 0);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    EXPECT_EQ(listed(), expected);
    EXPECT_LT(list->comparisons.size(), 2 * expected.size());
}

TEST_F(ListboxTest, TheSortMarkGoesWhenTheRowsMayLeaveItsOrder) {
    auto list = addList<NumberList>();
    const QHeaderView& header = *view(*list).header();
    const auto sortedByFirstColumn = [&] {
        list->AddRow({"2", "b"});
        list->AddRow({"1", "a"});
        clickHeading(*list, 0);
        EXPECT_EQ(header.sortIndicatorSection(), 0);
    };

    sortedByFirstColumn();
    list->AddRow({"0", "c"});
    EXPECT_EQ(header.sortIndicatorSection(), -1);

    sortedByFirstColumn();
    list->DeleteAllRows();
    EXPECT_EQ(list->HeadingIndex(), -1);
}

TEST_F(ListboxTest, WithoutAHandlerTheBytesDecideAndSelectionFollowsItsRow) {
    auto list = addList<Listbox>();
    for (const char* text : {"b", "a", "B", "á"})
        list->AddRow({"old", text});
    clickRow(*list, 0);

    clickHeading(*list, 1);
    EXPECT_EQ(column(*list, 1), (std::vector<String>{"B", "a", "b", "á"}));
    EXPECT_TRUE(list->Selected(2));
    EXPECT_FALSE(list->Selected(0));
    EXPECT_EQ(list->HeadingIndex(), 1);
}

TEST_F(ListboxTest, EachVisibleCellPaintsItsBackgroundBeforeItsText) {
    auto list = addList<PaintedList>();
    list->AddRow({"a", "b"});
    list->AddRow({"c", "d"});
    list->AddRow({"e", "f"});
    QTreeView& tree = view(*list);
    const QImage shown = tree.viewport()->grab().toImage();
    const QColor base = tree.palette().color(QPalette::Base);

    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << col);
            const QRect cell = tree.visualRect(tree.model()->index(row, col));
            EXPECT_EQ(list->cellSizes.at({row, col}), QSizeF(cell.size()));
            const QColor inside = shown.pixelColor(cell.right() - 2, cell.top() + 1);
            const Colour painted = PaintedList::fill(row, col);
            if (painted.Transparency() == 0) {
                EXPECT_EQ(shown.pixelColor(cell.topLeft()), inside);
                EXPECT_EQ(inside, QColor(painted.Red(), painted.Green(), painted.Blue()));
            } else {
                EXPECT_EQ(inside.red(), 255);
                EXPECT_NEAR(inside.green(), base.green() * 127 / 255, 2);
            }
            EXPECT_EQ(shown.pixelColor(cell.right() - 2, cell.bottom()), QColor(0, 0, 0));
        }
    }
}

TEST_F(ListboxTest, ASelectedRowKeepsTheListsOwnLook) {
    auto list = addList<PaintedList>();
    list->AddRow({"a", "b"});
    list->AddRow({"c", "d"});
    clickRow(*list, 1);
    QTreeView& tree = view(*list);
    const QImage shown = tree.viewport()->grab().toImage();
    const QRect cell = tree.visualRect(tree.model()->index(1, 0));
    EXPECT_TRUE(list->cellSizes.count({1, 0}));
    EXPECT_NE(shown.pixelColor(cell.right() - 2, cell.top() + 1), QColor(0, 255, 0));
    EXPECT_NE(shown.pixelColor(cell.right() - 2, cell.bottom()), QColor(0, 0, 0));
}

TEST(Appearance, DarkModeFollowsThePaletteAtEachCall) {
    const QPalette original = QGuiApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x16, 0x16, 0x16));
    QGuiApplication::setPalette(dark);
    EXPECT_TRUE(IsDarkMode());
    QGuiApplication::setPalette(original);
    EXPECT_FALSE(IsDarkMode());
}

} // namespace
