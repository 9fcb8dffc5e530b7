#pragma once
// A cell's value as a reader takes it from its file, before it goes to the cell store, to the formula cell being
// written as its result, or to the read-cell event: its kind and the one field that kind uses. The readers of every
// file kind hand their values on through the functions here.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace xls {

class TXc12DataSST;
class TXLSCellMMU;
class TXLSEventCell;
class TXLSFormulaHelper;

struct TXLSCellValue {
    enum TKind : uint8_t { vkNone, vkBoolean, vkFloat, vkError, vkString, vkSharedString };

    TKind Kind = vkNone;
    bool Boolean = false;
    double Float = 0;
    // An error index of XLSErrorTexts (0 for an error code that is none of them), or the shared-string index.
    int32_t Index = 0;
    rtl::UnicodeString Text;

    static TXLSCellValue OfBoolean(bool value);
    static TXLSCellValue OfFloat(double value);
    // An error or a shared string, by its index.
    static TXLSCellValue OfIndex(TKind kind, int32_t index);
    static TXLSCellValue OfString(rtl::UnicodeStringView text);
};

// Stores the value in the cell with cell format xf; no value stores a blank cell.
void StoreCellValue(TXLSCellMMU& cells, int32_t col, int32_t row, int32_t xf, const TXLSCellValue& value);
// Makes the value the result of the formula cell being written; an error that is none of the known ones keeps its
// place as the unknown error's text, and no value is the number 0.
void SetFormulaHelperResult(TXLSFormulaHelper& helper, const TXLSCellValue& value);
// Gives the value to the read-cell event, a shared string as its text; no value is the number 0.
void SetEventCellValue(TXLSEventCell& event, const TXc12DataSST& sst, const TXLSCellValue& value);

} // namespace xls
