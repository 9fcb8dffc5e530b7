#pragma once
// Two walks over a sheet's cells, shared by the command-line reader, the benchmarks and the fuzz target. The import's
// own walk visits every position of the used area, row by row, as the application does; the walk over the stored
// cells visits the same cells in the same order in time that grows with the cells alone, where styled blank cells
// far away can stretch the used area over millions of empty positions.

#include "xls/api/XLSWorksheet.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <cstdint>

namespace bench {

// Cell kinds of TXLSWorksheet::GetCellType that matter to the walks.
inline constexpr int32_t CellKindBlank = 1;
inline constexpr int32_t CellKindFloat = 5;
inline constexpr int32_t CellKindFloatFormula = 6;

inline bool IsNumberKind(int32_t kind) {
    return kind == CellKindFloat || kind == CellKindFloatFormula;
}

// The import's walk: computes the sheet's used area, then calls visit(col, row, kind) for every cell in it that is
// neither missing nor blank.
template <class TVisit>
void VisitUsedArea(xls::TXLSWorksheet& sheet, TVisit visit) {
    sheet.CalcDimensions();
    for (int32_t row = sheet.GetFirstRow(); row <= sheet.GetLastRow(); ++row) {
        for (int32_t col = sheet.GetFirstCol(); col <= sheet.GetLastCol(); ++col) {
            const int32_t kind = sheet.GetCellType(col, row);
            if (kind > CellKindBlank) {
                visit(col, row, kind);
            }
        }
    }
}

// Calls visit(col, row, kind) for every stored cell that is not blank, row by row: the cells VisitUsedArea visits.
template <class TVisit>
void VisitStoredCells(xls::TXLSWorksheet& sheet, TVisit visit) {
    auto* data = static_cast<xls::TXc12DataWorksheet*>(sheet.GetObject(xls::TXc12DataWorksheet::StaticClass()));
    xls::TXLSCellMMU& cells = data->GetCells();
    for (bool hasRow = cells.BeginIterate(0); hasRow; hasRow = cells.NextRow()) {
        while (cells.NextCell()) {
            const int32_t col = cells.IterCol();
            const int32_t row = cells.IterRow();
            const int32_t kind = sheet.GetCellType(col, row);
            if (kind > CellKindBlank) {
                visit(col, row, kind);
            }
        }
    }
}

} // namespace bench
