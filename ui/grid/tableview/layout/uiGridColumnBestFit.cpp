#include "ui/grid/tableview/layout/uiGridColumnBestFit.h"

#include <algorithm>

namespace ui {

int32_t CellBestFitWidth(int32_t textWidth) {
    return std::max(textWidth, 0) + 6;
}

int32_t ColumnBestFitWidth(int32_t headerWidth, int32_t widestCellWidth, int32_t maxWidth) {
    const int32_t width = std::max(headerWidth, widestCellWidth);
    return maxWidth > 0 ? std::min(width, maxWidth) : width;
}

TuiGridBestFitRows BestFitRows(int32_t rowCount, int32_t topRowIndex, int32_t maxRecordCount) {
    if (maxRecordCount <= 0) {
        return {0, rowCount - 1};
    }
    const int32_t first = std::clamp(topRowIndex, 0, std::max(rowCount - 1, 0));
    const int64_t last = std::min<int64_t>(int64_t{first} + maxRecordCount - 1, rowCount - 1);
    return {first, static_cast<int32_t>(last)};
}

} // namespace ui
