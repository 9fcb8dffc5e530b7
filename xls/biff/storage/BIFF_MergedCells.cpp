#include "xls/biff/storage/BIFF_MergedCells.h"

#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Utils.h"

#include <vector>

namespace xls {

void TMergedCells::CopyCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) {
    CopyAreas(col1, row1, col2, row2, destCol - col1, destRow - row1);
}

void TMergedCells::CopyAreas(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t dCol, int32_t dRow) {
    std::vector<TCellArea97> copies;
    for (const TCellArea97& area : Areas()) {
        if (!area.Intersects(col1, row1, col2, row2)) {
            continue;
        }
        TCellArea97 copy = area;
        copy.Col1 += dCol;
        copy.Col2 += dCol;
        copy.Row1 += dRow;
        copy.Row2 += dRow;
        if (ClipAreaToBIFF(copy.Col1, copy.Row1, copy.Col2, copy.Row2)) {
            copies.push_back(copy);
        }
    }
    std::vector<TCellArea97> added;
    for (const TCellArea97& copy : copies) {
        if (!IsMerged(copy)) {
            added.push_back(copy);
        }
    }
    for (const TCellArea97& copy : added) {
        Add(copy.Col1, copy.Row1, copy.Col2, copy.Row2);
    }
}

bool TMergedCells::IsMerged(const TCellArea97& range) const {
    bool merged = false;
    for (const TCellArea97& area : Areas()) {
        if (area.SameCells(range)) {
            merged = true;
        } else if (area.Intersects(range.Col1, range.Row1, range.Col2, range.Row2)) {
            throw EBIFFError(BIFFMessages::MergedCellPart);
        }
    }
    return merged;
}

} // namespace xls
