#include "ui/grid/tableview/layout/uiGridColumnWidths.h"

#include "ui/core/geometry/uiAutoWidth.h"
#include "ui/grid/tableview/layout/uiGridTableMetrics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ui {

namespace {

int WidenedByIndents(int width, bool isFirst, int levelIndentsWidth) {
    const int64_t widened = int64_t{std::max(width, 0)} + (isFirst ? std::max(levelIndentsWidth, 0) : 0);
    return static_cast<int>(std::min<int64_t>(widened, std::numeric_limits<int>::max()));
}

int StoredHeaderWidth(const TuiGridColumnWidthRequest& column, bool isFirst, int levelIndentsWidth) {
    return WidenedByIndents(column.Width, isFirst, levelIndentsWidth);
}

// Runs the distributor over its items and reads each share into widths, never below the item's minimum.
void ShareOutWidths(TuiAutoWidthObject& distributor, std::span<int> widths) {
    distributor.Calculate();
    for (size_t i = 0; i < widths.size(); ++i) {
        const TuiAutoWidthItem& item = distributor.GetItem(static_cast<int32_t>(i));
        widths[i] = std::max(item.AutoWidth, item.MinWidth);
    }
}

} // namespace

int ColumnHeaderMinWidth(const TuiGridColumnWidthRequest& column, bool isFirst, int levelIndentsWidth) {
    if (column.Fixed) {
        return StoredHeaderWidth(column, isFirst, levelIndentsWidth);
    }
    return WidenedByIndents(column.MinWidth, isFirst, levelIndentsWidth);
}

std::vector<int> ColumnHeaderWidths(std::span<const TuiGridColumnWidthRequest> columns, int levelIndentsWidth,
                                    int autoWidthContentWidth) {
    std::vector<int> widths;
    widths.reserve(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        widths.push_back(StoredHeaderWidth(columns[i], i == 0, levelIndentsWidth));
    }
    if (autoWidthContentWidth < 0 || columns.empty()) {
        return widths;
    }
    // The distributor sums the widths in 32 bits: each share of that range is enough for any proportion on screen.
    const int widthLimit = std::numeric_limits<int>::max() / static_cast<int>(columns.size() + 1);
    TuiAutoWidthObject distributor(static_cast<int32_t>(columns.size()));
    distributor.SetAvailableWidth(autoWidthContentWidth);
    for (size_t i = 0; i < columns.size(); ++i) {
        TuiAutoWidthItem& item = distributor.AppendItem();
        item.Width = std::min(widths[i], widthLimit);
        item.MinWidth = std::min(ColumnHeaderMinWidth(columns[i], i == 0, levelIndentsWidth), widthLimit);
        item.Fixed = columns[i].Fixed;
    }
    ShareOutWidths(distributor, widths);
    return widths;
}

std::vector<int> ColumnHeaderWidthsAfterSizing(std::span<const int> shownWidths, std::span<const int> minWidths,
                                               size_t sized, int width, int contentWidth) {
    std::vector<int> widths(shownWidths.begin(), shownWidths.end());
    if (sized >= widths.size()) {
        return widths;
    }
    widths[sized] = std::clamp(width, minWidths[sized], ColumnHeaderMaxWidth(sized, widths, minWidths, contentWidth));
    const bool last = sized + 1 == widths.size();
    const size_t first = last ? 0 : sized + 1;
    const size_t end = last ? sized : widths.size();
    int64_t kept = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        kept += i >= first && i < end ? 0 : widths[i];
    }
    TuiAutoWidthObject distributor(static_cast<int32_t>(end - first));
    distributor.SetAvailableWidth(static_cast<int>(std::max<int64_t>(contentWidth - kept, 0)));
    for (size_t i = first; i < end; ++i) {
        TuiAutoWidthItem& item = distributor.AppendItem();
        item.Width = widths[i];
        item.MinWidth = minWidths[i];
    }
    ShareOutWidths(distributor, std::span(widths).subspan(first, end - first));
    return widths;
}

int ColumnsDataWidth(std::span<const int> headerWidths, int autoWidthContentWidth) {
    const int sum = TableDataWidth(headerWidths);
    return sum == 0 && autoWidthContentWidth > 0 ? autoWidthContentWidth : sum;
}

} // namespace ui
