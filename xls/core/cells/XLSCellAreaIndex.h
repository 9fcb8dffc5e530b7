#pragma once
// An index of cell areas that answers, for one cell, which area covers it, in time that does not grow with the number
// of areas: the readers look up every cell of a sheet in the areas of its array formulas and data tables. Areas are
// numbered in the order they are added; a lookup finds the first-added area that covers the cell.
//
// The index follows a reader down the sheet: Advance says how far it has read. An area takes part from its first row
// on and is dropped once the reader has passed its last one, so every area that takes part covers the row reached.
// The columns of the sheet form a segment tree: an area is listed at the O(log columns) nodes whose column ranges
// together make up its own, and a lookup in the row reached takes the first area listed at each node above the
// cell's column. A lookup above the row reached (a cell out of order) tests the areas listed there against its row.

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
    // Adds area, which must be valid (IsValidArea); returns its number, counted from 0 in order of adding. An area
    // that starts below the row reached waits until Advance reaches its first row; one that ends above it is dropped
    // at once.
    int32_t Add(const TXLSCellAreaRec& area);
    // Moves the row reached down to row (never up): areas that start at or above it take part from now on, and those
    // that end above it are dropped.
    void Advance(int32_t row);
    // The number of the first-added area taking part that covers the cell; -1 when none does.
    int32_t Find(int32_t col, int32_t row);
    // Areas added and not dropped.
    int32_t Count() const { return FCount; }
    // Removes every area and goes back to row 0; numbering starts at 0 again.
    void Clear();

private:
    struct TEntry {
        TXLSCellAreaRec Area;
        bool Dropped = false;
    };
    // The numbers of the areas taking part that are listed at one node, in the order they were added, with the
    // dropped ones among them: Start skips those at the front, and the list is compacted once half of it is dropped.
    struct TNode {
        std::vector<int32_t> Numbers;
        size_t Start = 0;
        int32_t Dropped = 0;
    };
    // (row, number): the waiting areas by their first row, those taking part by their last row, the lowest on top.
    using TRowOfArea = std::pair<int32_t, int32_t>;
    using TRowQueue = std::priority_queue<TRowOfArea, std::vector<TRowOfArea>, std::greater<>>;

    // Calls visit(node) for every node whose columns together make up col1..col2.
    template <class TVisit>
    static void ForEachNodeOf(int32_t col1, int32_t col2, TVisit visit);
    void TakePart(int32_t number);
    void Drop(int32_t number);
    // The first area listed at node that covers the cell and was added before limit; -1 when none.
    int32_t FindAtNode(TNode& node, int32_t col, int32_t row, int32_t limit) const;

    std::vector<TEntry> FAreas;
    // Made at the first Add: the tree of 2 * columns nodes, node 1 the root, node columns + c the column c.
    std::vector<TNode> FNodes;
    TRowQueue FWaiting;
    TRowQueue FEndings;
    int32_t FReached = 0;
    int32_t FCount = 0;
};

} // namespace xls
