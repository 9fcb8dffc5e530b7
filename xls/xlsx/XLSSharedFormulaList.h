#pragma once
// The shared formulas of the sheet being read. A shared formula's master cell carries the text; the other cells of
// its area name it by its shared index and take the master's tokens with their relative references moved to their
// own position. The list is emptied at every sheet, so shared indexes never cross sheets. Indexes are looked up, not
// used as positions: a file's index may be any number without costing memory.

#include "xls/core/base/Xc12Utils5.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace xls {

// One shared formula: where its master is, the area it covers and the master's tokens (none when its text did not
// compile, so that the other cells keep only their cached results).
struct TXLSSharedFormula {
    int32_t MasterCol = 0;
    int32_t MasterRow = 0;
    TXLSCellAreaRec Area;
    std::vector<uint8_t> Ptgs;

    bool Covers(int32_t col, int32_t row) const {
        return col >= Area.Col1 && col <= Area.Col2 && row >= Area.Row1 && row <= Area.Row2;
    }
};

class TXLSSharedFormulaList {
public:
    void Clear() { FItems.clear(); }
    // Records the formula of shared index si, in place of one recorded before under it.
    void Add(int32_t si, TXLSSharedFormula formula) { FItems[si] = std::move(formula); }
    // The formula of shared index si, nullptr when no master of that index was read.
    const TXLSSharedFormula* GetItem(int32_t si) const {
        const auto found = FItems.find(si);
        return found != FItems.end() ? &found->second : nullptr;
    }

private:
    std::unordered_map<int32_t, TXLSSharedFormula> FItems;
};

} // namespace xls
