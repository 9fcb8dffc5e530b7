#include "xls/core/formula/functions/BIFF_ExcelFunc.h"

#include "xls/core/formula/functions/XLSFunctionTables.h"

namespace xls {

const TExcelFunctions* FindExcelFunction(int32_t number) {
    if (number < 0 || number >= ExcelFunctionCount) {
        return nullptr;
    }
    return &ExcelFunctionRecords()[static_cast<size_t>(number)];
}

bool IsMacroSheetFunction(const TExcelFunctions& function) {
    return function.MinArgs == ExcelFuncMacroSheet && function.MaxArgs == ExcelFuncMacroSheet;
}

uint8_t ExcelFunctionArgClass(const TExcelFunctions& function, int32_t argument) {
    const int32_t last = static_cast<int32_t>(function.ArgClasses.size()) - 1;
    for (int32_t index = argument < last ? argument : last; index >= 0; --index) {
        if (function.ArgClasses[static_cast<size_t>(index)] != XLSArgClassNone) {
            return function.ArgClasses[static_cast<size_t>(index)];
        }
    }
    return XLSArgClassNone;
}

} // namespace xls
