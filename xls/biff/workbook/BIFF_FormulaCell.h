#pragma once
// A formula cell as the record reader takes it from its FORMULA record and the records after it, before it stores it
// in the cell store or hands it to the read-cell event: its tokens, its kind, the area of its array and its result.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSFormulaHelper.h"
#include "xls/core/model/workbook/XLSReadCellValue.h"

#include <cstdint>
#include <vector>

namespace xls {

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
    TXLSCellValue Result;
    // The result is a string that the STRING record after the formula holds.
    bool ResultInStringRecord = false;
};

} // namespace xls
