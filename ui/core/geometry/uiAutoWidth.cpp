#include "ui/core/geometry/uiAutoWidth.h"

#include "ui/core/geometry/uiArithmetic.h"

namespace ui {

TuiAutoWidthItem& TuiAutoWidthObject::AppendItem() {
    return FItems.emplace_back();
}

int32_t TuiAutoWidthObject::SumItemWidths() const {
    int32_t sum = 0;
    for (const TuiAutoWidthItem& item : FItems) {
        sum += item.Width;
    }
    return sum;
}

void TuiAutoWidthObject::Calculate() {
    int32_t remainingWidth = FAvailableWidth;
    int32_t remainingTotal = SumItemWidths();
    for (TuiAutoWidthItem& item : FItems) {
        item.AutoWidth = -1;
        if (item.Fixed) {
            item.AutoWidth = item.Width;
            remainingWidth -= item.Width;
            remainingTotal -= item.Width;
        }
    }
    bool finalPass = false;
    bool changed = false;
    do {
        const int32_t available = remainingWidth;
        const int32_t total = remainingTotal;
        int32_t sumBefore = 0;
        changed = false;
        for (TuiAutoWidthItem& item : FItems) {
            if (item.AutoWidth != -1) {
                continue;
            }
            const int32_t share =
                MulDiv(sumBefore + item.Width, available, total) - MulDiv(sumBefore, available, total);
            if (finalPass) {
                item.AutoWidth = share;
            } else if (item.MinWidth >= share) {
                item.AutoWidth = item.MinWidth;
                remainingWidth -= item.MinWidth;
                remainingTotal -= item.Width;
                changed = true;
            }
            sumBefore += item.Width;
        }
        if (!changed) {
            finalPass = !finalPass;
        }
    } while (remainingTotal != 0 && (changed || finalPass));
}

} // namespace ui
