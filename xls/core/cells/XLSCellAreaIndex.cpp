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
    // An area that ends above the row reached is dropped as it comes.
    FAreas.push_back({area, area.Row2 < FReached});
    if (FAreas.back().Dropped) {
        return number;
    }
    ++FCount;
    if (area.Row1 > FReached) {
        FWaiting.emplace(area.Row1, number);
    } else {
        TakePart(number);
    }
    return number;
}

void TXLSCellAreaIndex::TakePart(int32_t number) {
    const TXLSCellAreaRec& area = FAreas[static_cast<size_t>(number)].Area;
    ForEachNodeOf(area.Col1, area.Col2, [&](int32_t index) {
        TNode& node = FNodes[static_cast<size_t>(index)];
        // Areas take part in the order they are added, unless one waited for its first row: it goes among the others
        // by its number, so the lists stay in the order of adding.
        const auto at = std::upper_bound(node.Numbers.begin(), node.Numbers.end(), number);
        node.Start = std::min(node.Start, static_cast<size_t>(at - node.Numbers.begin()));
        node.Numbers.insert(at, number);
    });
    FEndings.emplace(area.Row2, number);
}

void TXLSCellAreaIndex::Drop(int32_t number) {
    TEntry& entry = FAreas[static_cast<size_t>(number)];
    entry.Dropped = true;
    --FCount;
    ForEachNodeOf(entry.Area.Col1, entry.Area.Col2, [&](int32_t index) {
        TNode& node = FNodes[static_cast<size_t>(index)];
        // Compacting once half of a list is dropped costs O(1) for each area dropped.
        if (2 * ++node.Dropped < static_cast<int32_t>(node.Numbers.size())) {
            return;
        }
        std::erase_if(node.Numbers, [this](int32_t listed) { return FAreas[static_cast<size_t>(listed)].Dropped; });
        node.Start = 0;
        node.Dropped = 0;
    });
}

void TXLSCellAreaIndex::Advance(int32_t row) {
    FReached = std::max(FReached, row);
    while (!FWaiting.empty() && FWaiting.top().first <= FReached) {
        TakePart(FWaiting.top().second);
        FWaiting.pop();
    }
    while (!FEndings.empty() && FEndings.top().first < FReached) {
        Drop(FEndings.top().second);
        FEndings.pop();
    }
}

int32_t TXLSCellAreaIndex::FindAtNode(TNode& node, int32_t col, int32_t row, int32_t limit) const {
    const std::vector<int32_t>& numbers = node.Numbers;
    while (node.Start < numbers.size() && FAreas[static_cast<size_t>(numbers[node.Start])].Dropped) {
        ++node.Start;
    }
    // Every area taking part covers the row reached, so there the first one listed answers; a row above it may have
    // to look further.
    for (size_t i = node.Start; i < numbers.size() && numbers[i] < limit; ++i) {
        const TEntry& entry = FAreas[static_cast<size_t>(numbers[i])];
        if (!entry.Dropped && Covers(entry.Area, col, row)) {
            return numbers[i];
        }
    }
    return -1;
}

int32_t TXLSCellAreaIndex::Find(int32_t col, int32_t row) {
    if (FNodes.empty() || col < 0 || col > XLSMaxCol) {
        return -1;
    }
    int32_t found = -1;
    for (int32_t index = col + IndexColumns; index >= 1; index /= 2) {
        const int32_t limit = found >= 0 ? found : static_cast<int32_t>(FAreas.size());
        const int32_t atNode = FindAtNode(FNodes[static_cast<size_t>(index)], col, row, limit);
        if (atNode >= 0) {
            found = atNode;
        }
    }
    return found;
}

void TXLSCellAreaIndex::Clear() {
    FAreas.clear();
    FNodes.clear();
    FWaiting = {};
    FEndings = {};
    FReached = 0;
    FCount = 0;
}

} // namespace xls
