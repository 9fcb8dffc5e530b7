#pragma once
// Writing compiled formula tokens (XLSPtgs.h) into a byte buffer, one call per token. Every value is checked against
// the field that holds it: a sheet index beyond a byte, a text longer than its 16-bit count, an argument count beyond
// a byte raise EXLSFormulaError rather than being cut down into another value. Space counts, which only lay text out,
// are written as 255 when there are more.

#include "rtl/text/StringTypes.h"
#include "xls/core/formula/tokens/XLSPtgs.h"

#include <cstdint>
#include <vector>

namespace xls {

// The messages of values that do not fit their token fields.
namespace PtgWriterMessages {
inline constexpr char16_t DoesNotFit[] = u"%s %d does not fit a formula token";
inline constexpr char16_t TextTooLong[] = u"A text of %u characters does not fit a formula token";
inline constexpr char16_t WrongId[] = u"Formula token %.2X is not one this call writes";
} // namespace PtgWriterMessages

// The highest values some fields hold.
inline constexpr int32_t PtgMaxSheetIndex = 255;
inline constexpr int32_t PtgMaxArgumentCount = 255;
inline constexpr int32_t PtgMaxSpaceCount = 255;

// Where a 3-D reference points: a sheet of the workbook, or with Book an external book's sheet; with Last a range of
// sheets from First to Last. -1 leaves Book or Last out.
struct TXLSPtgSheets {
    int32_t Book = -1;
    int32_t First = 0;
    int32_t Last = -1;
};

// Appends tokens to a buffer it owns.
class TXLSPtgWriter {
public:
    const std::vector<uint8_t>& Bytes() const { return FBytes; }
    // Hands the buffer out and starts an empty one.
    std::vector<uint8_t> Take();

    // A token without payload: PtgAdd to PtgNe, PtgUnion to PtgParen, ptgxMissArg.
    void AddOperator(uint8_t id);
    void AddIsect(int32_t spaces);
    void AddSpace(int32_t spaces);
    // Error indexes run from PtgErrorFirst to PtgErrorLast.
    void AddErr(int32_t errorIndex);
    void AddBool(bool value);
    // A value without fraction from -2,147,483,646 to 2,147,483,647 as ptgxInt, any other as PtgNum.
    void AddNumber(double value);
    void AddInt(int32_t value);
    void AddNum(double value);
    void AddStr(rtl::UnicodeStringView text);
    void AddArray(int32_t cols, uint32_t rows);
    void AddFunc(int32_t functionId);
    void AddFuncVar(int32_t argumentCount, int32_t functionId);
    void AddUserFunc(int32_t argumentCount, rtl::UnicodeStringView name);
    // nameIndex: a defined name's index, or -1 for a name that is not defined.
    void AddName(int32_t nameIndex);

    // ptgxRef or ptgxRefErr, ptgxArea or ptgxAreaErr.
    void AddRef(const TXLSPtgCell& cell, bool shiftedOff = false);
    void AddArea(const TXLSPtgArea& area, bool shiftedOff = false);
    // ptgxRef3d, ptgxRef3dRange, ptgxRefExt or ptgxRefExtRange, as the sheets say.
    void AddRef3d(const TXLSPtgCell& cell, const TXLSPtgSheets& sheets);
    // ptgxArea3d, ptgxArea3dRange, ptgxAreaExt or ptgxAreaExtRange, as the sheets say.
    void AddArea3d(const TXLSPtgArea& area, const TXLSPtgSheets& sheets);
    // id: ptgxRef3dErr, ptgxRef3dRangeErr, ptgxArea3dErr or ptgxArea3dRangeErr.
    void Add3dErr(uint8_t id, int32_t errorIndex);

    // id: ptgxExp, ptgxShared or ptgxTbl.
    void AddCellFormula(uint8_t id, int32_t col, int32_t row);
    void AddDataTable(uint8_t flags, const TXLSPtgCell& cell1, const TXLSPtgCell& cell2);
    // sheet: the table's sheet, or -1 for the formula's own.
    void AddList(int32_t table, int32_t sheet, int32_t itemCount, const TXLSPtgArea& area);
    void AddListColumn(int32_t table, int32_t column, const TXLSPtgArea& area);
    void AddListSpecial(uint8_t special, uint8_t error, const TXLSPtgArea& area);

private:
    void Byte(uint8_t value);
    void Word(uint16_t value);
    void Long(uint32_t value);
    // The id for the sheets, from the one for a sheet of the workbook; the sheets are checked before anything is
    // written.
    uint8_t Begin3d(uint8_t workbookSheetId, const TXLSPtgSheets& sheets);
    void Sheets(const TXLSPtgSheets& sheets);
    void Cell(const TXLSPtgCell& cell);
    void ColRowCell(const TXLSPtgCell& cell);
    void Area(const TXLSPtgArea& area);
    void Text(rtl::UnicodeStringView text);
    void Zeros(size_t count);

    std::vector<uint8_t> FBytes;
};

} // namespace xls
