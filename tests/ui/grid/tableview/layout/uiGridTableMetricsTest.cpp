#include "ui/grid/tableview/layout/uiGridTableMetrics.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace ui {
namespace {

constexpr int MetricsMaxInt = std::numeric_limits<int>::max();

// Header cells stand side by side from the content left, and the last one ends at content left + data width.
void ExpectHeaderCellsContiguous(int contentLeft, const std::vector<int>& widths) {
    const std::vector<int> lefts = HeaderCellLefts(contentLeft, widths);
    ASSERT_EQ(lefts.size(), widths.size());
    int64_t expected = contentLeft;
    for (size_t i = 0; i < widths.size(); ++i) {
        EXPECT_EQ(lefts[i], expected) << "cell " << i;
        expected += widths[i];
    }
    EXPECT_EQ(expected, int64_t{contentLeft} + TableDataWidth(widths));
}

TEST(GridTableMetrics, DataRowHeightFromStoredHeightOrMeasuredCells) {
    struct Case {
        int Stored;
        int LargestCell;
        TuiGridLines Lines;
        int Expected;
    };
    const Case cases[] = {
        {0, 17, glBoth, 18},       // measured cells plus the horizontal grid line
        {0, 17, glHorizontal, 18}, //
        {0, 17, glNone, 17},       // no horizontal line: one pixel lower
        {0, 17, glVertical, 17},   //
        {30, 17, glBoth, 30},      // a stored height holds its grid line
        {30, 17, glNone, 30},      //
        {0, 0, glNone, 1},         // an editor measuring 0 still gives a row of 1 pixel
        {0, 0, glBoth, 1},         //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableDataRowHeight(c.Stored, c.LargestCell, c.Lines), c.Expected)
            << c.Stored << " " << c.LargestCell << " " << int(c.Lines);
    }
}

TEST(GridTableMetrics, StoredRowHeightsAreCheckedAgainstTheMinimum) {
    EXPECT_EQ(CheckedRowHeight(3, 17), 17);
    EXPECT_EQ(CheckedRowHeight(30, 17), 30);
    EXPECT_EQ(CheckedRowHeight(0, 17), 0);
    EXPECT_EQ(CheckedRowHeight(-4, 17), 0);
}

TEST(GridTableMetrics, VisibleRowsOfContentFilledExactlyOrCut) {
    const std::vector<int> rows(10, 18);
    const TuiGridVisibleRows exact = CountVisibleRows(5 * 18, rows);
    EXPECT_EQ(exact.VisibleCount, 5);
    EXPECT_EQ(exact.PartlyVisibleCount, 5);
    EXPECT_TRUE(exact.FirstRowComplete);

    const TuiGridVisibleRows cut = CountVisibleRows(5 * 18 - 1, rows);
    EXPECT_EQ(cut.VisibleCount, 4);
    EXPECT_EQ(cut.PartlyVisibleCount, 5);
    EXPECT_TRUE(cut.FirstRowComplete);

    const TuiGridVisibleRows lessThanARow = CountVisibleRows(10, rows);
    EXPECT_EQ(lessThanARow.VisibleCount, 1);
    EXPECT_EQ(lessThanARow.PartlyVisibleCount, 1);
    EXPECT_FALSE(lessThanARow.FirstRowComplete);

    const TuiGridVisibleRows fewerRowsThanRoom = CountVisibleRows(500, rows);
    EXPECT_EQ(fewerRowsThanRoom.VisibleCount, 10);
    EXPECT_EQ(fewerRowsThanRoom.PartlyVisibleCount, 10);

    const TuiGridVisibleRows noRecord = CountVisibleRows(500, {});
    EXPECT_EQ(noRecord.VisibleCount, 0);
    EXPECT_EQ(noRecord.PartlyVisibleCount, 0);
    EXPECT_TRUE(noRecord.FirstRowComplete);
}

TEST(GridTableMetrics, ZeroHeightEditorsUnderNoGridLinesLayOutNoMoreRowsThanPixels) {
    const int rowHeight = TableDataRowHeight(0, 0, glNone);
    const std::vector<int> rows(100000, rowHeight);
    const int contentHeight = 40;
    EXPECT_LE(CountVisibleRows(contentHeight, rows).PartlyVisibleCount, contentHeight);
    EXPECT_EQ(VisibleRowCountForHeight(contentHeight, 0, 0).Count, contentHeight);
    EXPECT_EQ(FitRowCount(contentHeight, 0, 0, 100000, 0).Count, contentHeight);
}

TEST(GridTableMetrics, RowCountForHeightAndFittedHeight) {
    const TuiGridRowsForHeight forHeight = VisibleRowCountForHeight(200, 21, 18);
    EXPECT_EQ(forHeight.Count, 9);
    EXPECT_EQ(forHeight.Remainder, 179 - 9 * 18);
    EXPECT_EQ(VisibleRowCountForHeight(10, 21, 18).Count, 0);

    const TuiGridFittedRows fitted = FitRowCount(200, 21, 18, 100, 0);
    EXPECT_EQ(fitted.Count, 9);
    EXPECT_EQ(fitted.Height, 21 + 9 * 18);
    EXPECT_EQ(FitRowCount(200, 21, 18, 3, 1).Count, 4); // limited to the rows there are plus the extra rows
    EXPECT_EQ(FitRowCount(5, 21, 18, 3, 0).Count, 1);   // at least one row
}

TEST(GridTableMetrics, DataWidthSumsWideAndClamps) {
    EXPECT_EQ(TableDataWidth(std::vector<int>{}), 0);
    EXPECT_EQ(TableDataWidth(std::vector<int>{64, 120, 75}), 259);
    EXPECT_EQ(TableDataWidth(std::vector<int>{MetricsMaxInt, MetricsMaxInt}), MetricsMaxInt);
}

TEST(GridTableMetrics, HeaderCellsStandSideBySide) {
    ExpectHeaderCellsContiguous(0, {64, 120, 75, 1, 0, 200});
    ExpectHeaderCellsContiguous(-150, {64, 120, 75});
    const std::vector<int> lefts = HeaderCellLefts(0, std::vector<int>{MetricsMaxInt, MetricsMaxInt, 10});
    EXPECT_EQ(lefts[1], MetricsMaxInt);
    EXPECT_EQ(lefts[2], MetricsMaxInt); // clamped, never wrapped negative
}

TEST(GridTableMetrics, ColumnHeaderWidthsUnderSharedContentWidth) {
    const std::vector<int> widths{100, 80, 60};
    const std::vector<int> minWidths{40, 20, 20};
    EXPECT_EQ(ColumnHeaderMaxWidth(0, widths, minWidths, 300), 300 - 20 - 20);
    EXPECT_EQ(ColumnHeaderMaxWidth(1, widths, minWidths, 300), 300 - 100 - 20);
    EXPECT_EQ(ColumnHeaderMaxWidth(2, widths, minWidths, 300), 300 - 40 - 20); // the last: minimum widths before it
    EXPECT_EQ(ColumnHeaderMaxWidth(1, widths, minWidths, 50), 20);             // never below its minimum

    EXPECT_EQ(ColumnHeaderRealWidth(100, true, 20), 80);
    EXPECT_EQ(ColumnHeaderRealWidth(100, false, 20), 100);
}

TEST(GridTableMetrics, ColumnHeaderVisibleWhileItOverlapsTheContent) {
    EXPECT_TRUE(ColumnHeaderVisible(0, 50, 0, 200));
    EXPECT_TRUE(ColumnHeaderVisible(-49, 50, 0, 200));
    EXPECT_FALSE(ColumnHeaderVisible(-50, 50, 0, 200));
    EXPECT_TRUE(ColumnHeaderVisible(199, 50, 0, 200));
    EXPECT_FALSE(ColumnHeaderVisible(200, 50, 0, 200));
    EXPECT_TRUE(ColumnHeaderVisible(10, MetricsMaxInt, 0, 200)); // no wrap past the integer range
}

TEST(GridTableMetrics, HeaderHeightFromTextAndFrameUnlessStored) {
    EXPECT_EQ(TableHeaderHeight(0, 15, 1), 15 + 4 + 2);
    EXPECT_EQ(TableHeaderHeight(0, 15, 0), 19);
    EXPECT_EQ(TableHeaderHeight(40, 15, 1), 40);
}

} // namespace
} // namespace ui
