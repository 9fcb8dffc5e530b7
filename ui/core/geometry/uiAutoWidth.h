#pragma once
// The width distributor: shares an available width among items (columns, panels) in proportion to the widths they ask
// for, never giving an item less than its minimum and leaving fixed items as they are. The shares of a pass are
// rounded cumulatively, so they add up to the width exactly.

#include <cstdint>
#include <vector>

namespace ui {

struct TuiAutoWidthItem {
    int32_t MinWidth = 0;
    int32_t Width = 0;
    bool Fixed = false;
    // The width Calculate gave; -1 before.
    int32_t AutoWidth = -1;
};

class TuiAutoWidthObject {
public:
    explicit TuiAutoWidthObject(int32_t expectedCount = 0) { FItems.reserve(expectedCount > 0 ? expectedCount : 0); }

    int32_t AvailableWidth() const { return FAvailableWidth; }
    void SetAvailableWidth(int32_t value) { FAvailableWidth = value; }

    // A new item, not yet calculated.
    TuiAutoWidthItem& AppendItem();
    void Clear() { FItems.clear(); }
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    // Valid until the next AppendItem.
    TuiAutoWidthItem& GetItem(int32_t index) { return FItems.at(index); }
    const TuiAutoWidthItem& GetItem(int32_t index) const { return FItems.at(index); }
    // The sum of the requested widths.
    int32_t SumItemWidths() const;

    // Gives every item its AutoWidth: fixed items their width; the others their share of what the fixed ones leave,
    // in passes: an item whose share would not exceed its minimum takes the minimum and leaves the pool, and the pool
    // is shared again, until a pass fixes nobody; a last pass then gives the others their shares.
    void Calculate();

private:
    int32_t FAvailableWidth = 0;
    std::vector<TuiAutoWidthItem> FItems;
};

} // namespace ui
