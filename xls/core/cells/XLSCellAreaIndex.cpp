#include "xls/core/cells/XLSCellAreaIndex.h"

#include "xls/core/base/XLSReadLimits.h"

#include <algorithm>

namespace xls {

namespace {

// The leaves of the segment tree: every column of the sheet.
constexpr int32_t IndexColumns = XLSMaxCol + 1;

bool Covers(const TXLSCellAreaRec& area, int32_t col, int32_t row) {
    return col >= area.Col1 && col <= area.Col2 && row >= area.Row1 && row <= area.Row2;
}

} // namespace

template <class TVisit>
void TXLSCellAreaIndex::ForEachNodeOf(int32_t col1, int32_t col2, TVisit visit) {
    // Bottom up over the half-open range of leaves: a bound that is a right (left) child belongs to the range alone.
    for (int32_t low = col1 + IndexColumns, high = col2 + IndexColumns + 1; low < high; low /= 2, high /= 2) {
        if (low % 2 == 1) {
            visit(low++);
        }
        if (high % 2 == 1) {
            visit(--high);
        }
    }
}

int32_t TXLSCellAreaIndex::Add(const TXLSCellAreaRec& area) {
    if (FNodes.empty()) {
        FNodes.resize(2 * static_cast<size_t>(IndexColumns));
    }
    const auto number = static_cast<int32_t>(FAreas.size());
    FAreas.push_back({area});
    ForEachNodeOf(area.Col1, area.Col2,
                  [&](int32_t node) { FNodes[static_cast<size_t>(node)].Numbers.push_back(number); });
    FEndings.emplace(area.Row2, number);
    ++FLiveCount;
    return number;
}

void TXLSCellAreaIndex::Remove(int32_t number) {
    TEntry& entry = FAreas[static_cast<size_t>(number)];
    entry.Live = false;
    --FLiveCount;
    ForEachNodeOf(entry.Area.Col1, entry.Area.Col2, [&](int32_t index) {
        TNode& node = FNodes[static_cast<size_t>(index)];
        // Once half of a node's list is removed areas, the list is compacted: a lookup never steps over more removed
        // areas than live ones, and each removal costs O(1) amortised.
        if (2 * ++node.Removed < static_cast<int32_t>(node.Numbers.size())) {
            return;
        }
        std::erase_if(node.Numbers, [this](int32_t listed) { return !FAreas[static_cast<size_t>(listed)].Live; });
        node.Removed = 0;
    });
}

void TXLSCellAreaIndex::RemoveEndingAbove(int32_t row) {
    while (!FEndings.empty() && FEndings.top().first < row) {
        Remove(FEndings.top().second);
        FEndings.pop();
    }
}

int32_t TXLSCellAreaIndex::Find(int32_t col, int32_t row) const {
    if (FLiveCount == 0 || col < 0 || col > XLSMaxCol) {
        return -1;
    }
    int32_t found = -1;
    for (int32_t index = col + IndexColumns; index >= 1; index /= 2) {
        for (const int32_t number : FNodes[static_cast<size_t>(index)].Numbers) {
            // The lists are in the order of adding: past the best found so far nothing earlier can follow.
            if (found >= 0 && number >= found) {
                break;
            }
            const TEntry& entry = FAreas[static_cast<size_t>(number)];
            if (entry.Live && Covers(entry.Area, col, row)) {
                found = number;
                break;
            }
        }
    }
    return found;
}

void TXLSCellAreaIndex::Clear() {
    FAreas.clear();
    FNodes.clear();
    FEndings = {};
    FLiveCount = 0;
}

} // namespace xls
