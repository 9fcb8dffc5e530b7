#include "ui/editors/listbox/uiListBoxIntegralHeight.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

class TRowHeights {
public:
    explicit TRowHeights(const TuiListBoxHeightMetrics& metrics) : FMetrics(metrics) {}

    int32_t RowHeight(int32_t index) const { return std::max(FMetrics.ItemHeight(index), 1); }
    // The height of the first rows, whose total is rowsHeight: the frame and the horizontal bar with them.
    int64_t Candidate(int64_t rowsHeight, int64_t rows) const {
        const int64_t threshold = FMetrics.ScrollWidth > 0 ? int64_t{FMetrics.ScrollWidth} + 4 : 0;
        int64_t clientWidth = int64_t{FMetrics.Width} - FMetrics.HorizontalBorders;
        if (rows < FMetrics.ItemCount) {
            clientWidth -= FMetrics.VScrollBarWidth;
        }
        const int64_t horizontalBar = clientWidth < threshold ? FMetrics.HScrollBarHeight : 0;
        return FMetrics.VerticalBorders + rowsHeight + horizontalBar;
    }

private:
    const TuiListBoxHeightMetrics& FMetrics;
};

int32_t ClampedHeight(int64_t height) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

int32_t SnapToWholeItems(int32_t height, const TuiListBoxHeightMetrics& metrics) {
    const TRowHeights rows(metrics);
    const int32_t count = std::max(metrics.ItemCount, 0);
    int64_t rowsHeight = 0;
    int64_t previous = 0;
    for (int32_t row = 1; row <= count; ++row) {
        rowsHeight += rows.RowHeight(row - 1);
        const int64_t candidate = rows.Candidate(rowsHeight, row);
        if (candidate >= height) {
            return candidate == height ? height : ClampedHeight(row > 1 ? previous : candidate);
        }
        previous = candidate;
    }
    // Past the items every row has the same height and the vertical bar is gone: the first row that reaches the
    // height is found by division, so that a huge height takes no longer than a small one.
    const int64_t rowHeight = rows.RowHeight(count);
    const int64_t base = rows.Candidate(rowsHeight, int64_t{count} + 1);
    const int64_t missing = int64_t{height} - base;
    const int64_t extraRows = std::max<int64_t>(1, (missing + rowHeight - 1) / rowHeight);
    const int64_t candidate = base + extraRows * rowHeight;
    if (candidate == height) {
        return height;
    }
    if (count + extraRows == 1) {
        return ClampedHeight(candidate);
    }
    return ClampedHeight(extraRows == 1 ? previous : candidate - rowHeight);
}

} // namespace ui
