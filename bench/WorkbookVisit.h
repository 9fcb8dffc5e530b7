#pragma once
// The import's walk over a sheet: every position of the used area, row by row, with the kind of the cell there.
// Shared by the command-line reader, the benchmark and the fuzz target, which all read a workbook as the import does.

#include "xls/api/XLSWorksheet.h"

#include <cstdint>

namespace bench {

// Cell kinds of TXLSWorksheet::GetCellType that matter to the walk.
inline constexpr int32_t CellKindBlank = 1;
inline constexpr int32_t CellKindFloat = 5;
inline constexpr int32_t CellKindFloatFormula = 6;

inline bool IsNumberKind(int32_t kind) {
    return kind == CellKindFloat || kind == CellKindFloatFormula;
}

// Computes the sheet's used area, then calls visit(col, row, kind) for every cell in it that is neither missing nor
// blank.
template <class TVisit>
void VisitCells(xls::TXLSWorksheet& sheet, TVisit visit) {
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

} // namespace bench
