#pragma once
// The BIFF function table: for every MS-XLS function number (the function table, Ftab, of the BIFF formula
// grammar) its argument counts and the operand classes its first arguments take, which the BIFF formula code needs to
// read the tokens of .xls files. A constant table generated from tools/xlsfuncgen/XLSFunctions.tbl.

#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>

namespace xls {

// Operand classes of function arguments, as the class bits of BIFF token ids.
inline constexpr uint8_t XLSArgClassNone = 0x00;
inline constexpr uint8_t XLSArgClassReference = 0x20;
inline constexpr uint8_t XLSArgClassValue = 0x40;
inline constexpr uint8_t XLSArgClassArray = 0x60;

// The maximum argument count of a function that takes any number of arguments.
inline constexpr uint8_t ExcelFuncVariableArgs = 99;
// Minimum and maximum of a macro-sheet function.
inline constexpr uint8_t ExcelFuncMacroSheet = 255;
inline constexpr int32_t ExcelFunctionCount = 381;

// One MS-XLS function number.
struct TExcelFunctions {
    uint8_t MinArgs = 0;
    uint8_t MaxArgs = 0;
    rtl::UnicodeStringView Name;
    // The classes of the first six arguments; XLSArgClassNone where the table gives none.
    std::array<uint8_t, 6> ArgClasses{};
};

// The record of a function number, or nullptr outside 0 to ExcelFunctionCount - 1.
const TExcelFunctions* FindExcelFunction(int32_t number);
// Macro-sheet functions (GOTO, HALT, RETURN, ...) have no place in worksheet formulas.
bool IsMacroSheetFunction(const TExcelFunctions& function);
// The class of the zero-based argument: its own class byte, or, where that is none and for every argument after the
// sixth, the last class given before it; XLSArgClassNone when the function gives none.
uint8_t ExcelFunctionArgClass(const TExcelFunctions& function, int32_t argument);

} // namespace xls
