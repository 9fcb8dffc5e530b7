#include "ui/grid/customtable/controller/uiGridTableScrolling.h"

#include <algorithm>

namespace ui {

int PageVisibleRecordCount(std::span<const int> recordHeights, int contentHeight, int first, bool downward) {
    const int count = static_cast<int>(recordHeights.size());
    if (contentHeight <= 0 || first < 0 || first >= count) {
        return 0;
    }
    const int step = downward ? 1 : -1;
    int visible = 0;
    int used = 0;
    for (int record = first; record >= 0 && record < count; record += step) {
        used += std::max(recordHeights[record], 1);
        if (used > contentHeight) {
            break;
        }
        ++visible;
    }
    return std::max(visible, 1);
}

int MaxTopRecordIndex(int recordCount, int fittingUpToLast) {
    return std::max(recordCount - fittingUpToLast, 0);
}

int ClampTopRecordIndex(int value, int maxTopRecordIndex) {
    return std::clamp(value, 0, std::max(maxTopRecordIndex, 0));
}

int PageDownTopRecordIndex(int topRecordIndex, int visibleCount) {
    return topRecordIndex + std::max(visibleCount - 1, 1);
}

int PageUpTopRecordIndex(int topRecordIndex, int fittingUpward) {
    if (topRecordIndex <= 0) {
        return 0;
    }
    return std::max(topRecordIndex - std::max(fittingUpward - 1, 1), 0);
}

int ClampLeftPos(int value, int dataWidth, int clientWidth) {
    return std::clamp(value, 0, std::max(dataWidth - clientWidth, 0));
}

} // namespace ui
