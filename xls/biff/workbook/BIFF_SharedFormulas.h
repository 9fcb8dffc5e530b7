#pragma once
// The shared formulas (SHRFMLA, MS-XLS 2.4.260) of the sheet being read: each cell of a shared formula's area points
// at the area's first cell, and takes the shared tokens, made its own. A sheet may hold many of them, so the areas are
// found through an index, not by a walk over the list.

#include "xls/core/cells/XLSCellAreaIndex.h"

#include <cstdint>
#include <span>
#include <vector>

namespace xls {

// The tokens of one shared formula and the array-constant data after them.
struct TBIFFSharedFormula {
    std::vector<uint8_t> Tokens;
    std::vector<uint8_t> Extra;
};

// The shared formulas of one sheet substream, in file order.
class TBIFFSharedFormulas {
public:
    // Forgets every formula: a new substream starts.
    void Clear();
    // An area whose corners are the wrong way round covers no cell and is not kept.
    void Add(const TXLSCellAreaRec& area, std::span<const uint8_t> tokens, std::span<const uint8_t> extra);
    // The reading has reached row: formulas whose areas end above it can take no more cells.
    void Advance(int32_t row) { FIndex.Advance(row); }
    // The first formula added whose area covers the cell; nullptr when none does.
    const TBIFFSharedFormula* Find(int32_t col, int32_t row);

private:
    TXLSCellAreaIndex FIndex;
    std::vector<TBIFFSharedFormula> FFormulas;
};

} // namespace xls
