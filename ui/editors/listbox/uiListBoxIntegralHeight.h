#pragma once
// The integral height of a list box: the height of the whole items that fit a proposed height, with the frame and the
// horizontal scroll bar counted, so that no item shows cut at the bottom.

#include <cstdint>
#include <functional>

namespace ui {

// What the snapped height depends on.
struct TuiListBoxHeightMetrics {
    // The frame: top and bottom, left and right together.
    int32_t VerticalBorders = 0;
    int32_t HorizontalBorders = 0;
    // The width of the control.
    int32_t Width = 0;
    // The platform's scroll bars.
    int32_t VScrollBarWidth = 0;
    int32_t HScrollBarHeight = 0;
    int32_t ItemCount = 0;
    // The width the horizontal bar scrolls over; 0: none.
    int32_t ScrollWidth = 0;
    // The height of item index, asked also for one index past the items (the height of rows without an item); a
    // height below 1 counts as 1.
    std::function<int32_t(int32_t index)> ItemHeight;
};

// The height of the first rows whose total reaches height: height itself when they match it exactly, else the rows
// below it, but at least one row. The rows fill the frame, and the horizontal bar shows while the client width (less
// the vertical bar, when rows remain below) is below ScrollWidth + 4.
int32_t SnapToWholeItems(int32_t height, const TuiListBoxHeightMetrics& metrics);

} // namespace ui
