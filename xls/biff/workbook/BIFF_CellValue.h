#pragma once
// A cell as the record reader takes it from its record before it stores it in the cell store or hands it to the
// read-cell event: its value, and for a formula cell its tokens, its kind and the area of its array.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSFormulaHelper.h"

#include <cstdint>
#include <vector>

namespace xls {

// The value of a cell, or the result of a formula.
struct TBIFFCellValue {
    enum TKind : uint8_t {
        vkBlank,
        vkFloat,
        vkBoolean,
        vkError,
        vkString,
        vkSharedString,
        // A formula's string result, which the STRING record after it holds.
        vkStringFollows,
    };

    TKind Kind = vkBlank;
    double Float = 0;
    bool Boolean = false;
    // The error index of XLSErrorTexts (0 for a code that is none of them), or the shared-string index.
    int32_t Index = 0;
    rtl::UnicodeString Text;
};

// The tokens of an array formula (ARRAY, MS-XLS 2.4.2) and the area its result fills.
struct TBIFFArrayFormula {
    TXLSCellAreaRec Area;
    bool AlwaysCalc = false;
    std::vector<uint8_t> Tokens;
    std::vector<uint8_t> Extra;
};

// One formula cell on its way to the cell store.
struct TBIFFFormulaCell {
    int32_t Col = 0;
    int32_t Row = 0;
    int32_t XF = 0;
    uint8_t Kind = XLSFormulaNormal;
    // The master of an array member.
    int32_t MasterCol = -1;
    int32_t MasterRow = -1;
    // The area of an array master.
    TXLSCellAreaRec Area;
    bool AlwaysCalc = false;
    // BIFF8 tokens and their array-constant data; none for the formulas of earlier versions, which keep their result
    // alone.
    std::vector<uint8_t> Tokens;
    std::vector<uint8_t> Extra;
    TBIFFCellValue Result;
};

} // namespace xls
