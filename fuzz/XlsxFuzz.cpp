// Reads the input as a workbook through the spreadsheet component, as the import does, and visits every cell.

#include "FuzzInput.h"
#include "rtl/Exceptions.h"
#include "xls/core/api/XLSSpreadsheet.h"
#include "xls/core/api/XLSWorksheet.h"

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
        sheet.CalcDimensions();
        // The used area spans the stored cells, but two far-apart cells make it huge: visit only areas a real sales
        // list could have, so that a slow input means a slow reader, not a long walk over empty positions.
        const int64_t area =
            int64_t{sheet.GetLastRow() - sheet.GetFirstRow() + 1} * (sheet.GetLastCol() - sheet.GetFirstCol() + 1);
        if (area > MaxVisitedArea) {
            continue;
        }
        for (int32_t row = sheet.GetFirstRow(); row <= sheet.GetLastRow(); ++row) {
            for (int32_t col = sheet.GetFirstCol(); col <= sheet.GetLastCol(); ++col) {
                if (sheet.GetCellType(col, row) > 1) {
                    static_cast<void>(sheet.GetAsString(col, row));
                }
            }
        }
    }
    return 0;
}
