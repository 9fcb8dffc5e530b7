#pragma once
// One formula cell in unpacked form. A reader clears it, fills it and has the cell store write it; the cell store
// fills it when it loads a formula cell, and the caller reads it.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls {

// The fixed texts of the formula helper's failures.
namespace FormulaHelperMessages {
inline constexpr char16_t InvalidErrorValue[] = u"Invalid error value";
inline constexpr char16_t InvalidTokenLength[] = u"Invalid formula token length (%d)";
} // namespace FormulaHelperMessages

// Result kinds: the cell kinds of formula cells.
inline constexpr uint8_t XLSResultFloat = 6;
inline constexpr uint8_t XLSResultString = 7;
inline constexpr uint8_t XLSResultBoolean = 8;
inline constexpr uint8_t XLSResultError = 9;

// Formula kinds.
inline constexpr uint8_t XLSFormulaNormal = 0;
inline constexpr uint8_t XLSFormulaArray = 1;
inline constexpr uint8_t XLSFormulaDataTable = 2;
inline constexpr uint8_t XLSFormulaArrayMember = 3;
inline constexpr uint8_t XLSFormulaSharedMember = 4;
inline constexpr uint8_t XLSFormulaTableMember = 5;

// A data-table input cell that is not given.
inline constexpr uint16_t XLSNoTableRefColumn = 65535;

// A formula cell held unpacked: its position, XF, cached result and formula (text or compiled tokens), the area of an
// array or data table and the inputs of a data table.
class TXLSFormulaHelper {
public:
    TXLSFormulaHelper() { Clear(); }
    TXLSFormulaHelper(const TXLSFormulaHelper&) = delete;
    TXLSFormulaHelper& operator=(const TXLSFormulaHelper&) = delete;

    // Frees an owned token buffer and resets every field.
    void Clear();

    int32_t Col() const { return FCol; }
    int32_t Row() const { return FRow; }
    void SetCell(int32_t col, int32_t row);
    // The position from an A1 reference; false, leaving it alone, when the text is none.
    bool SetCellText(rtl::UnicodeStringView text);
    int32_t MasterCol() const { return FMasterCol; }
    int32_t MasterRow() const { return FMasterRow; }
    void SetMaster(int32_t col, int32_t row);
    int32_t XF() const { return FXF; }
    void SetXF(int32_t xf) { FXF = xf; }
    uint8_t FormulaKind() const { return FFormulaKind; }
    void SetFormulaKind(uint8_t kind) { FFormulaKind = kind; }
    // Option bits a reader sets (1 aca, 2 bx, 4 ca); the cell does not keep them.
    uint8_t Options() const { return FOptions; }
    void SetOptions(uint8_t options) { FOptions = options; }

    const rtl::UnicodeString& FormulaText() const { return FFormulaText; }
    void SetFormulaText(rtl::UnicodeStringView text) { FFormulaText = text; }

    // The compiled tokens, nullptr for none; PtgsSize is -1 then.
    const uint8_t* Ptgs() const { return FPtgs; }
    int32_t PtgsSize() const { return FPtgsSize; }
    bool OwnsPtgs() const { return !FOwnedPtgs.empty(); }
    // An owned copy of count bytes.
    void SetPtgs(const uint8_t* bytes, int32_t count);
    // An owned buffer: 255, then count tokens of a BIFF formula.
    void SetCompiledPtgs(const uint8_t* tokens, int32_t count);
    // An owned buffer: 254, uint16 extra, then count tokens and their extra bytes (count + extra bytes at tokens).
    void SetPtgsWithExtra(const uint8_t* tokens, int32_t count, int32_t extra);
    // Uses a buffer that the caller owns and keeps alive until the cell is stored (one outside the cell store, whose
    // memory moves as cells are written); the caller sets the length.
    void AttachPtgs(const uint8_t* buffer);
    void SetPtgsSize(int32_t size) { FPtgsSize = size; }

    // The area of an array formula or a data table.
    bool HasArea() const { return FHasArea; }
    void SetHasArea(bool hasArea) { FHasArea = hasArea; }
    int32_t AreaCol1() const { return FAreaCol1; }
    int32_t AreaRow1() const { return FAreaRow1; }
    int32_t AreaCol2() const { return FAreaCol2; }
    int32_t AreaRow2() const { return FAreaRow2; }
    void SetArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    // Empty text leaves the area alone; other text must be an A1:B2 reference, which sets the area and its flag.
    // False when the text is not one.
    bool SetAreaText(rtl::UnicodeStringView text);

    // The data-table part: its options byte and input cells (column XLSNoTableRefColumn when not given).
    bool HasTable() const { return FHasTable; }
    void SetHasTable(bool hasTable) { FHasTable = hasTable; }
    uint8_t TableOptions() const { return FTableOptions; }
    void SetTableOptions(uint8_t options) { FTableOptions = options; }
    int32_t TableRef1Col() const { return FTableRef1Col; }
    int32_t TableRef1Row() const { return FTableRef1Row; }
    int32_t TableRef2Col() const { return FTableRef2Col; }
    int32_t TableRef2Row() const { return FTableRef2Row; }
    void SetTableRef1(int32_t col, int32_t row);
    void SetTableRef2(int32_t col, int32_t row);
    // From A1 text; the first also marks the data-table part present. False, changing nothing, when the text is
    // not a reference.
    bool SetTableRef1Text(rtl::UnicodeStringView text);
    bool SetTableRef2Text(rtl::UnicodeStringView text);

    // The cached result; each setter sets the result kind.
    uint8_t ResultKind() const { return FResultKind; }
    void SetFloatResult(double value);
    void SetStringResult(rtl::UnicodeStringView text);
    void SetBooleanResult(bool value);
    // An error index 1..8 of the error texts; any other raises "Invalid error value".
    void SetErrorResult(int32_t errorIndex);
    // The error text's index; a text that is no error text raises "Invalid error value".
    void SetErrorResultText(rtl::UnicodeStringView text);
    double FloatResult() const { return FFloatResult; }
    const rtl::UnicodeString& StringResult() const { return FStringResult; }
    bool BooleanResult() const { return FBooleanResult; }
    uint8_t ErrorResult() const { return FErrorResult; }

    // The bytes the cell store needs for this cell, without the item header and length.
    int64_t CalcCellSize() const;

private:
    void SetOwnedPtgs(std::vector<uint8_t> buffer);

    int32_t FCol = -1;
    int32_t FRow = -1;
    int32_t FMasterCol = -1;
    int32_t FMasterRow = -1;
    int32_t FXF = 0;
    rtl::UnicodeString FFormulaText;
    const uint8_t* FPtgs = nullptr;
    int32_t FPtgsSize = -1;
    std::vector<uint8_t> FOwnedPtgs;
    uint8_t FResultKind = 0;
    uint8_t FFormulaKind = XLSFormulaNormal;
    bool FHasArea = false;
    int32_t FAreaCol1 = 0;
    int32_t FAreaRow1 = 0;
    int32_t FAreaCol2 = 0;
    int32_t FAreaRow2 = 0;
    double FFloatResult = 0;
    bool FBooleanResult = false;
    uint8_t FErrorResult = 0;
    rtl::UnicodeString FStringResult;
    bool FHasTable = false;
    uint8_t FTableOptions = 0;
    int32_t FTableRef1Col = XLSNoTableRefColumn;
    int32_t FTableRef1Row = 0;
    int32_t FTableRef2Col = XLSNoTableRefColumn;
    int32_t FTableRef2Row = 0;
    uint8_t FOptions = 0;
};

} // namespace xls
