// Reads the input as a workbook through the spreadsheet component, as the import does, and visits every cell.

#include "FuzzInput.h"
#include "WorkbookVisit.h"
#include "rtl/Exceptions.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

namespace {
constexpr int64_t MaxVisitedArea = 1 << 20;
} // namespace

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
        // The used area spans the stored cells, but two far-apart cells make it huge: walk only areas a real sales
        // list could have, so that a slow input means a slow reader, not a long walk over empty positions.
        sheet.CalcDimensions();
        const int64_t area =
            int64_t{sheet.GetLastRow() - sheet.GetFirstRow() + 1} * (sheet.GetLastCol() - sheet.GetFirstCol() + 1);
        if (area <= MaxVisitedArea) {
            bench::VisitCells(
                sheet, [&](int32_t col, int32_t row, int32_t) { static_cast<void>(sheet.GetAsString(col, row)); });
        }
    }
    return 0;
}
