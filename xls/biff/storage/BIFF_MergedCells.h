#pragma once
// The merged ranges of a BIFF sheet: areas that must stay whole and never overlap one another.

#include "xls/biff/storage/BIFF_CellAreas.h"

#include <cstdint>

namespace xls {

// The merged cells of a BIFF sheet.
class TMergedCells : public TSolidCellAreas97 {
public:
    // CopyAreas with the offsets from the block's first cell to destCol:destRow.
    void CopyCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) override;
    // Every merged range that overlaps the block (even at its edge only) is copied whole, moved by the offsets and
    // clipped to the sheet; a copy wholly off the sheet is dropped, one equal to a range already there adds nothing.
    // A copy that would overlap another range raises "Can not change part of a merged cell" and nothing is added.
    void CopyAreas(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t dCol, int32_t dRow);

private:
    // True when range is merged already; raises when it overlaps a merged range partly.
    bool IsMerged(const TCellArea97& range) const;
};

} // namespace xls
