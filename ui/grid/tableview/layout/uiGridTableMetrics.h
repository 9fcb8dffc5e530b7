#pragma once
// The arithmetic of the table view's layout that needs no window: the grid lines a row and a cell carry, the data row
// height from the stored height or the cells' measured heights, how many rows fit a height, the data width over the
// column widths, the places of the header cells and the header height.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ui {

enum TuiGridLines : uint8_t { glBoth, glNone, glVertical, glHorizontal };

bool GridLinesHaveHorizontal(TuiGridLines lines);

// A stored height other than 0 is used as it stands (the grid line lies inside it); otherwise the largest measured
// cell height plus the horizontal grid line. Rows are at least 1 pixel high, as every row count divides by the height
// and an editor may measure 0.
int TableDataRowHeight(int storedHeight, int largestCellHeight, TuiGridLines lines);

// A row height about to be stored: negative becomes 0 (automatic height), 0 stays, a positive height below the
// minimum the rows' layout reports is raised to it.
int CheckedRowHeight(int value, int minimum);

struct TuiGridRowsForHeight {
    int Count = 0;
    int Remainder = 0;
};
// Whole rows that fit the client height below the non-record parts, and the pixels left over.
TuiGridRowsForHeight VisibleRowCountForHeight(int clientHeight, int nonRecordHeight, int rowHeight);

struct TuiGridFittedRows {
    int Count = 0;
    int Height = 0;
};
// The rows that fit a height, at least one and at most the rows there are plus the extra rows, and the height of the
// view showing them.
TuiGridFittedRows FitRowCount(int height, int nonRecordHeight, int rowHeight, int rowCount, int extraRows);

struct TuiGridVisibleRows {
    int VisibleCount = 0;
    int PartlyVisibleCount = 0;
    bool FirstRowComplete = true;
    bool operator==(const TuiGridVisibleRows&) const = default;
};
// Rows stacked from the top of the content: a row cut by the bottom is partly visible only; when not even the first
// row is complete it still counts as the one visible row.
TuiGridVisibleRows CountVisibleRows(int contentHeight, std::span<const int> rowHeights);

// The sum of the column widths, summed wide and limited to the integer range so that huge stored widths cannot wrap.
int TableDataWidth(std::span<const int> columnWidths);

// The left edge of each header cell, the cells standing side by side from the content left.
std::vector<int> HeaderCellLefts(int contentLeft, std::span<const int> columnWidths);

// The width of the data under a column header: the first column's header also spans the level indents.
int ColumnHeaderRealWidth(int width, bool isFirstColumn, int levelIndentsWidth);

// The widest a column header may grow when the columns share the content width: the content width less the current
// widths of the columns before it and the minimum widths of those after it (the last column: less the minimum widths
// of all others), never below its own minimum.
int ColumnHeaderMaxWidth(size_t index, std::span<const int> widths, std::span<const int> minWidths, int contentWidth);

// A column header shows when it overlaps the content horizontally.
bool ColumnHeaderVisible(int left, int width, int contentLeft, int contentRight);

// A stored height other than 0 is used; otherwise the text height of "Qq" plus 2 pixels above and below and the
// header frame on both sides.
int TableHeaderHeight(int storedHeight, int textHeight, int headerFrameWidth);

} // namespace ui
