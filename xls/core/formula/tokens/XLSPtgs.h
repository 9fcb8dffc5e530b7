#pragma once
// The token format of compiled formulas. A compiled formula is a byte string of tokens in reverse Polish order:
// operands first, then the operator or function that takes them. Every token is a one-byte id followed by a payload
// packed little-endian without alignment. The operator and constant ids are those of the BIFF8 formula grammar
// (MS-XLS, the Ptg structures); operands that need 32-bit rows, 16-bit columns, UTF-16 text or the workbook model's
// sheet, table and external-book indexes have ids of their own from 0x80 on. A buffer that starts with ptgxBiff or
// ptgxBiffBlock holds BIFF8 tokens as an .xls file stores them.
//
// This unit names the ids, gives the packed cell and area fields, and cuts tokens out of a buffer: each token is
// measured against the bytes that remain before any field of it is read, so a damaged buffer raises an error
// instead of reading past its end. TXLSPtgWriter (XLSPtgWriter.h) writes the tokens.

#include "rtl/text/StringTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace xls {

// Operator and constant tokens, with the ids of MS-XLS.
inline constexpr uint8_t PtgAdd = 0x03;
inline constexpr uint8_t PtgSub = 0x04;
inline constexpr uint8_t PtgMul = 0x05;
inline constexpr uint8_t PtgDiv = 0x06;
inline constexpr uint8_t PtgPower = 0x07;
inline constexpr uint8_t PtgConcat = 0x08;
inline constexpr uint8_t PtgLt = 0x09;
inline constexpr uint8_t PtgLe = 0x0A;
inline constexpr uint8_t PtgEq = 0x0B;
inline constexpr uint8_t PtgGe = 0x0C;
inline constexpr uint8_t PtgGt = 0x0D;
inline constexpr uint8_t PtgNe = 0x0E;
// Unlike MS-XLS, the intersection keeps the number of spaces that spelled it in a byte after the id.
inline constexpr uint8_t PtgIsect = 0x0F;
inline constexpr uint8_t PtgUnion = 0x10;
inline constexpr uint8_t PtgRange = 0x11;
inline constexpr uint8_t PtgUplus = 0x12;
inline constexpr uint8_t PtgUminus = 0x13;
inline constexpr uint8_t PtgPercent = 0x14;
inline constexpr uint8_t PtgParen = 0x15;
// Byte error index.
inline constexpr uint8_t PtgErr = 0x1C;
// Byte 0 (FALSE) or 1 (TRUE).
inline constexpr uint8_t PtgBool = 0x1D;
// 8-byte IEEE double.
inline constexpr uint8_t PtgNum = 0x1F;

// The format's own operand tokens; the layout after the id byte follows each.
// 16-bit columns, 32-bit rows; the columns x rows element constants precede it, row by row.
inline constexpr uint8_t ptgxArray = 0x80;
// 16-bit function id; the function's minimum argument count is its argument count.
inline constexpr uint8_t ptgxFunc = 0x81;
// Byte argument count, 16-bit function id.
inline constexpr uint8_t ptgxFuncVar = 0x82;
// 16-bit index of a defined name; PtgNameUndefined for a name that is not defined.
inline constexpr uint8_t ptgxName = 0x83;
// A cell (TXLSPtgCell: 32-bit row, 16-bit column).
inline constexpr uint8_t ptgxRef = 0x84;
// An area (TXLSPtgArea: 32-bit first and last row, 16-bit first and last column).
inline constexpr uint8_t ptgxArea = 0x86;
// As ptgxRef and ptgxArea: a reference shifted off the sheet.
inline constexpr uint8_t ptgxRefErr = 0x87;
inline constexpr uint8_t ptgxAreaErr = 0x88;
// 32-bit integer.
inline constexpr uint8_t ptgxInt = 0x89;
// 16-bit count n, n UTF-16 code units.
inline constexpr uint8_t ptgxStr = 0x8A;
// Byte count of spaces written before the next token's text.
inline constexpr uint8_t ptgxSpace = 0xA0;
// Cell, byte sheet.
inline constexpr uint8_t ptgxRef3d = 0xA2;
// Cell, byte first sheet, byte last sheet.
inline constexpr uint8_t ptgxRef3dRange = 0xA3;
// Cell, 16-bit external book, byte sheet of that book.
inline constexpr uint8_t ptgxRefExt = 0xA4;
// Cell, 16-bit external book, byte first sheet, byte last sheet.
inline constexpr uint8_t ptgxRefExtRange = 0xA5;
// The same four with an area in place of the cell.
inline constexpr uint8_t ptgxArea3d = 0xA6;
inline constexpr uint8_t ptgxArea3dRange = 0xA7;
inline constexpr uint8_t ptgxAreaExt = 0xA8;
inline constexpr uint8_t ptgxAreaExtRange = 0xA9;
// Error forms of the 3-D references: the byte error index stands where the (first) sheet stands; the other bytes are
// not interpreted.
inline constexpr uint8_t ptgxRef3dErr = 0xB0;
inline constexpr uint8_t ptgxRef3dRangeErr = 0xB1;
inline constexpr uint8_t ptgxArea3dErr = 0xB2;
inline constexpr uint8_t ptgxArea3dRangeErr = 0xB3;
// 16-bit column, 32-bit row: the formula of the cell at that position.
inline constexpr uint8_t ptgxExp = 0xB8;
// As ptgxExp; a buffer of this one token is the formula of a shared-formula master cell.
inline constexpr uint8_t ptgxShared = 0xB9;
// Byte flags (PtgDataTable...), 16-bit column and 32-bit row of input cell 1, the same of input cell 2.
inline constexpr uint8_t ptgxDataTable = 0xBA;
inline constexpr uint8_t ptgxTbl = 0xBB;
// 16-bit table index, 16-bit sheet index (PtgListOwnSheet), byte item count, an embedded ptgxArea token.
inline constexpr uint8_t ptgxList = 0xBC;
// 16-bit table index, 16-bit column index in the table, an embedded ptgxArea token.
inline constexpr uint8_t ptgxListColumn = 0xBD;
// Byte special item (PtgListSpecial...), byte error (PtgListNoSuchRows or 0), an embedded ptgxArea token.
inline constexpr uint8_t ptgxListSpecial = 0xBE;
inline constexpr uint8_t ptgxMissArg = 0xF1;
// Byte argument count, 16-bit count n, n UTF-16 code units of a name that is not a worksheet function.
inline constexpr uint8_t ptgxUserFunc = 0xF2;
// 16-bit count n, n bytes of BIFF8 tokens.
inline constexpr uint8_t ptgxBiffBlock = 0xFE;
// The rest of the buffer is BIFF8 tokens.
inline constexpr uint8_t ptgxBiff = 0xFF;

// Field values.
inline constexpr uint32_t PtgRowAbsolute = 0x80000000u;
inline constexpr uint16_t PtgColAbsolute = 0x8000;
inline constexpr uint16_t PtgColMask = 0x3FFF;
// Error indexes are positions in XLSErrorTexts: 1 "#NULL!" to 8 "#GETTING_DATA".
inline constexpr uint8_t PtgErrorFirst = 1;
inline constexpr uint8_t PtgErrorLast = 8;
inline constexpr uint16_t PtgNameUndefined = 0xFFFF;
inline constexpr uint16_t PtgListOwnSheet = 0xFFFF;
inline constexpr uint8_t PtgListSpecialAll = 1;
inline constexpr uint8_t PtgListSpecialData = 2;
inline constexpr uint8_t PtgListSpecialHeaders = 3;
inline constexpr uint8_t PtgListSpecialTotals = 4;
inline constexpr uint8_t PtgListSpecialThisRow = 5;
// The error byte of a special item over rows the table does not have.
inline constexpr uint8_t PtgListNoSuchRows = 4;
// Data-table flags: cell 1 and cell 2 are "#REF!"; a two-input table; a row-input table (neither: column input).
inline constexpr uint8_t PtgDataTableRef1Error = 0x01;
inline constexpr uint8_t PtgDataTableRef2Error = 0x02;
inline constexpr uint8_t PtgDataTableTwoInputs = 0x04;
inline constexpr uint8_t PtgDataTableRowInput = 0x08;

// The messages of damaged token buffers.
namespace PtgMessages {
inline constexpr char16_t IllegalPtgs[] = u"Illegal ptgs";
inline constexpr char16_t UnknownPtgs[] = u"Unknown ptgs %.2X";
inline constexpr char16_t TokenTruncated[] = u"Formula token %.2X needs %u bytes, %u remain";
inline constexpr char16_t FieldBeyondToken[] = u"Formula token %.2X has no %u-byte field at %u";
inline constexpr char16_t CellOffSheet[] = u"Cell (column %d, row %d) is not on the sheet";
} // namespace PtgMessages

// A cell as tokens store it: the row with bit 31 marking "$", the column in bits 0-13 with bit 15 marking "$".
struct TXLSPtgCell {
    uint32_t RowWord = 0;
    uint16_t ColWord = 0;

    int32_t Row() const { return static_cast<int32_t>(RowWord & ~PtgRowAbsolute); }
    int32_t Col() const { return ColWord & PtgColMask; }
    bool RowAbsolute() const { return (RowWord & PtgRowAbsolute) != 0; }
    bool ColAbsolute() const { return (ColWord & PtgColAbsolute) != 0; }
    bool operator==(const TXLSPtgCell&) const = default;
};

// An area as tokens store it: both rows, then both columns.
struct TXLSPtgArea {
    uint32_t Row1Word = 0;
    uint32_t Row2Word = 0;
    uint16_t Col1Word = 0;
    uint16_t Col2Word = 0;

    TXLSPtgCell First() const { return {Row1Word, Col1Word}; }
    TXLSPtgCell Last() const { return {Row2Word, Col2Word}; }
    bool operator==(const TXLSPtgArea&) const = default;
};

// A cell of the sheet with its "$" flags; a cell off the sheet raises EXLSFormulaError.
TXLSPtgCell MakePtgCell(int32_t col, int32_t row, bool colAbsolute = false, bool rowAbsolute = false);
TXLSPtgArea MakePtgArea(const TXLSPtgCell& first, const TXLSPtgCell& last);

// One token cut out of a buffer: its id and all its bytes. Fields are read by their offset from the id byte; a field
// that does not lie within the token raises EXLSFormulaError.
class TXLSPtgToken {
public:
    explicit TXLSPtgToken(std::span<const uint8_t> bytes) : FBytes(bytes) {}

    uint8_t Id() const { return FBytes[0]; }
    size_t Size() const { return FBytes.size(); }
    std::span<const uint8_t> Bytes() const { return FBytes; }

    uint8_t Byte(size_t offset) const;
    uint16_t Word(size_t offset) const;
    uint32_t Long(size_t offset) const;
    double Double(size_t offset) const;
    // A 16-bit count and that many UTF-16 code units.
    rtl::UnicodeString Text(size_t offset) const;
    // A 32-bit row, then a 16-bit column.
    TXLSPtgCell Cell(size_t offset) const;
    // A 16-bit column, then a 32-bit row (ptgxExp, ptgxShared, ptgxTbl, ptgxDataTable).
    TXLSPtgCell ColRowCell(size_t offset) const;
    TXLSPtgArea Area(size_t offset) const;

private:
    // The bytes of a field, checked to lie within the token.
    const uint8_t* Field(size_t offset, size_t size) const;

    std::span<const uint8_t> FBytes;
};

// The token of the format's own ids that starts rest (which must not be empty). Raises EXLSFormulaError for the id 0
// ("Illegal ptgs"), an id the format does not have ("Unknown ptgs 2A"), and a token, or the length field of one,
// that reaches beyond rest. ptgxBiffBlock takes its BIFF bytes with it; ptgxBiff is the one byte of the marker.
TXLSPtgToken ReadPtgToken(std::span<const uint8_t> rest);
// The same for a BIFF8 token (MS-XLS ids, with their value- and array-class variants).
TXLSPtgToken ReadBiffPtgToken(std::span<const uint8_t> rest);

} // namespace xls
