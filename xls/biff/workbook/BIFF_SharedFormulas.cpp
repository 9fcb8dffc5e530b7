#include "xls/biff/workbook/BIFF_SharedFormulas.h"

namespace xls {

void TBIFFSharedFormulas::Clear() {
    FIndex.Clear();
    FFormulas.clear();
}

void TBIFFSharedFormulas::Add(const TXLSCellAreaRec& area, std::span<const uint8_t> tokens,
                              std::span<const uint8_t> extra) {
    if (!IsValidArea(area.Col1, area.Row1, area.Col2, area.Row2)) {
        return;
    }
    static_cast<void>(FIndex.Add(area));
    FFormulas.push_back({{tokens.begin(), tokens.end()}, {extra.begin(), extra.end()}});
}

const TBIFFSharedFormula* TBIFFSharedFormulas::Find(int32_t col, int32_t row) {
    const int32_t number = FIndex.Find(col, row);
    return number >= 0 ? &FFormulas[static_cast<size_t>(number)] : nullptr;
}

} // namespace xls
