#include "ui/grid/tableview/layout/uiGridTableMetrics.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

int ClampToInt(int64_t value) {
    return static_cast<int>(
        std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

bool GridLinesHaveHorizontal(TuiGridLines lines) {
    return lines == glBoth || lines == glHorizontal;
}

int TableDataRowHeight(int storedHeight, int largestCellHeight, TuiGridLines lines) {
    const int height = storedHeight != 0 ? storedHeight : largestCellHeight + (GridLinesHaveHorizontal(lines) ? 1 : 0);
    return std::max(height, 1);
}

int CheckedRowHeight(int value, int minimum) {
    return value <= 0 ? 0 : std::max(value, minimum);
}

TuiGridRowsForHeight VisibleRowCountForHeight(int clientHeight, int nonRecordHeight, int rowHeight) {
    const int available = std::max(clientHeight - nonRecordHeight, 0);
    const int step = std::max(rowHeight, 1);
    return {available / step, available % step};
}

TuiGridFittedRows FitRowCount(int height, int nonRecordHeight, int rowHeight, int rowCount, int extraRows) {
    const int step = std::max(rowHeight, 1);
    const int most = std::max(ClampToInt(int64_t{rowCount} + extraRows), 1);
    const int count = std::clamp((height - nonRecordHeight) / step, 1, most);
    return {count, ClampToInt(int64_t{nonRecordHeight} + int64_t{count} * step)};
}

TuiGridVisibleRows CountVisibleRows(int contentHeight, std::span<const int> rowHeights) {
    TuiGridVisibleRows rows;
    if (rowHeights.empty()) {
        return rows;
    }
    int64_t top = 0;
    for (const int height : rowHeights) {
        ++rows.PartlyVisibleCount;
        top += std::max(height, 1);
        if (top > contentHeight) {
            break;
        }
        ++rows.VisibleCount;
        if (top == contentHeight) {
            break;
        }
    }
    if (rows.VisibleCount == 0) {
        rows.VisibleCount = 1;
        rows.FirstRowComplete = false;
    }
    return rows;
}

int TableDataWidth(std::span<const int> columnWidths) {
    int64_t sum = 0;
    for (const int width : columnWidths) {
        sum += std::max(width, 0);
    }
    return ClampToInt(sum);
}

std::vector<int> HeaderCellLefts(int contentLeft, std::span<const int> columnWidths) {
    std::vector<int> lefts;
    lefts.reserve(columnWidths.size());
    int64_t left = contentLeft;
    for (const int width : columnWidths) {
        lefts.push_back(ClampToInt(left));
        left += std::max(width, 0);
    }
    return lefts;
}

int ColumnHeaderRealWidth(int width, bool isFirstColumn, int levelIndentsWidth) {
    return isFirstColumn ? width - levelIndentsWidth : width;
}

int ColumnHeaderMaxWidth(size_t index, std::span<const int> widths, std::span<const int> minWidths, int contentWidth) {
    const bool isLast = index + 1 == widths.size();
    int64_t taken = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i < index) {
            taken += isLast ? minWidths[i] : widths[i];
        } else if (i > index) {
            taken += minWidths[i];
        }
    }
    return std::max(ClampToInt(int64_t{contentWidth} - taken), minWidths[index]);
}

bool ColumnHeaderVisible(int left, int width, int contentLeft, int contentRight) {
    return left < contentRight && int64_t{contentLeft} < int64_t{left} + width;
}

int TableHeaderHeight(int storedHeight, int textHeight, int headerFrameWidth) {
    return storedHeight > 0 ? storedHeight : textHeight + 4 + 2 * headerFrameWidth;
}

} // namespace ui
