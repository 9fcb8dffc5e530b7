// Reads the input as a workbook through the spreadsheet component, as the import does, and visits every stored cell,
// asking formula cells for their formula text too (a damaged or circular formula may raise, nothing may crash).

#include "FuzzInput.h"
#include "WorkbookVisit.h"
#include "rtl/core/Exceptions.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    xls::TXLSSpreadsheet book(nullptr);
    try {
        book.LoadFromStream(input, true);
    } catch (const rtl::Exception&) {
        return 0;
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
    return 0;
}
