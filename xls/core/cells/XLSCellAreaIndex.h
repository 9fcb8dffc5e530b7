#pragma once
// An index of cell areas that answers, for one cell, which area covers it, in time that does not grow with the number
// of areas: the readers look up every cell of a sheet in the areas of its array formulas and data tables. Areas are
// numbered in the order they are added; a lookup finds the first-added area that covers the cell. Areas that end
// above a row can be removed as a reader passes it.
//
// The columns of the sheet form a segment tree: an area is listed at the O(log columns) nodes whose column ranges
// together make up its own, and a lookup visits the nodes above the cell's column, testing only the areas listed
// there against the row. Areas that do not overlap, as those of every real workbook, make that O(log columns) for
// each lookup.

#include "xls/core/base/Xc12Utils5.h"

#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

namespace xls {

// Cell areas by the columns they cover.
class TXLSCellAreaIndex {
public:
    // Adds area, which must be valid (IsValidArea); returns its number, counted from 0 in order of adding.
    int32_t Add(const TXLSCellAreaRec& area);
    // Removes every area whose last row is above row.
    void RemoveEndingAbove(int32_t row);
    // The number of the first-added area that covers the cell and was not removed; -1 when none does.
    int32_t Find(int32_t col, int32_t row) const;
    const TXLSCellAreaRec& Area(int32_t number) const { return FAreas[static_cast<size_t>(number)].Area; }
    // Areas added and not removed.
    int32_t Count() const { return FLiveCount; }
    // Removes every area; numbering starts at 0 again.
    void Clear();

private:
    struct TEntry {
        TXLSCellAreaRec Area;
        bool Live = true;
    };
    // The numbers of the areas listed at one node, in the order they were added, and how many of them were removed.
    struct TNode {
        std::vector<int32_t> Numbers;
        int32_t Removed = 0;
    };
    // (last row, number), the area that ends first on top.
    using TEnding = std::pair<int32_t, int32_t>;

    // Calls visit(node) for every node whose columns together make up col1..col2.
    template <class TVisit>
    static void ForEachNodeOf(int32_t col1, int32_t col2, TVisit visit);
    void Remove(int32_t number);

    std::vector<TEntry> FAreas;
    // Made at the first Add: the tree of 2 * columns nodes, node 1 the root, node columns + c the column c.
    std::vector<TNode> FNodes;
    std::priority_queue<TEnding, std::vector<TEnding>, std::greater<>> FEndings;
    int32_t FLiveCount = 0;
};

} // namespace xls
