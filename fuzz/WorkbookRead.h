#pragma once
// The read of a workbook as the import does it, shared by the workbook fuzz targets: the component reads the input,
// then every stored cell is visited and formula cells are asked for their formula text too (a damaged or circular
// formula may raise, nothing may crash). One component serves every input: making it costs more than most reads,
// and a read that fails leaves it empty and ready for the next, as the import relies on.

#include "WorkbookVisit.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

namespace fuzz {

inline void ReadAndVisitWorkbook(rtl::TStream& input) {
    static xls::TXLSSpreadsheet book(nullptr);
    try {
        book.LoadFromStream(input, true);
    } catch (const rtl::Exception&) {
        return;
    }
    for (int32_t index = 0; index < book.GetSheetCount(); ++index) {
        xls::TXLSWorksheet& sheet = *book.GetSheet(index);
        // The stored cells, not the used area: two far-apart cells make that huge, and a slow input should mean a
        // slow reader, not a long walk over empty positions.
        bench::VisitStoredCells(sheet, [&](int32_t col, int32_t row, int32_t kind) {
            static_cast<void>(sheet.GetAsString(col, row));
            if (kind >= bench::CellKindFloatFormula) {
                try {
                    static_cast<void>(sheet.GetFormulaText(col, row));
                } catch (const rtl::Exception&) {
                }
            }
        });
    }
}

} // namespace fuzz
