#include "xls/core/formula/tokens/XLSPtgs.h"

#include "rtl/text/Format.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace xls {

namespace {

using TSizeTable = std::array<uint8_t, 256>;

// 0 marks an id without a fixed size.
constexpr TSizeTable MakeSizeTable(std::initializer_list<std::pair<uint8_t, uint8_t>> sizes) {
    TSizeTable table{};
    for (const auto& [id, size] : sizes) {
        table[id] = size;
    }
    return table;
}

constexpr TSizeTable OwnTokenSizes = MakeSizeTable({
    {PtgAdd, 1},
    {PtgSub, 1},
    {PtgMul, 1},
    {PtgDiv, 1},
    {PtgPower, 1},
    {PtgConcat, 1},
    {PtgLt, 1},
    {PtgLe, 1},
    {PtgEq, 1},
    {PtgGe, 1},
    {PtgGt, 1},
    {PtgNe, 1},
    {PtgIsect, 2},
    {PtgUnion, 1},
    {PtgRange, 1},
    {PtgUplus, 1},
    {PtgUminus, 1},
    {PtgPercent, 1},
    {PtgParen, 1},
    {PtgErr, 2},
    {PtgBool, 2},
    {PtgNum, 9},
    {ptgxArray, 7},
    {ptgxFunc, 3},
    {ptgxFuncVar, 4},
    {ptgxName, 3},
    {ptgxRef, 7},
    {ptgxArea, 13},
    {ptgxRefErr, 7},
    {ptgxAreaErr, 13},
    {ptgxInt, 5},
    {ptgxSpace, 2},
    {ptgxRef3d, 8},
    {ptgxRef3dRange, 9},
    {ptgxRefExt, 10},
    {ptgxRefExtRange, 11},
    {ptgxArea3d, 14},
    {ptgxArea3dRange, 15},
    {ptgxAreaExt, 16},
    {ptgxAreaExtRange, 17},
    {ptgxRef3dErr, 8},
    {ptgxRef3dRangeErr, 9},
    {ptgxArea3dErr, 14},
    {ptgxArea3dRangeErr, 15},
    {ptgxExp, 7},
    {ptgxShared, 7},
    {ptgxDataTable, 14},
    {ptgxTbl, 7},
    {ptgxList, 19},
    {ptgxListColumn, 18},
    {ptgxListSpecial, 16},
    {ptgxMissArg, 1},
    {ptgxBiff, 1},
});

// BIFF8 tokens by their reference-class id (PtgRefClassId), sizes of MS-XLS. The operators are one byte each: the
// spaces of a BIFF intersection are a separate attribute token.
constexpr TSizeTable BiffTokenSizes = MakeSizeTable({
    {0x03, 1}, {0x04, 1}, {0x05, 1}, {0x06, 1}, {0x07, 1}, {0x08, 1}, {0x09, 1}, {0x0A, 1},  {0x0B, 1}, {0x0C, 1},
    {0x0D, 1}, {0x0E, 1}, {0x0F, 1}, {0x10, 1}, {0x11, 1}, {0x12, 1}, {0x13, 1}, {0x14, 1},  {0x15, 1}, {0x16, 1},
    {0x18, 2}, {0x1C, 2}, {0x1D, 2}, {0x1E, 3}, {0x1F, 9}, {0x20, 8}, {0x21, 3}, {0x22, 4},  {0x23, 5}, {0x24, 5},
    {0x25, 9}, {0x2A, 5}, {0x2B, 9}, {0x2C, 5}, {0x2D, 9}, {0x39, 7}, {0x3A, 7}, {0x3B, 11}, {0x3C, 7}, {0x3D, 11},
});

// BIFF8 ids whose size depends on their fields.
constexpr uint8_t BiffPtgStr = 0x17;
constexpr uint8_t BiffPtgAttr = 0x19;
constexpr uint8_t BiffPtgAttrChoose = 0x04;
constexpr uint8_t BiffPtgMemArea = 0x26;
constexpr uint8_t BiffPtgMemErr = 0x27;
constexpr uint8_t BiffPtgMemFunc = 0x29;

uint16_t LittleEndianWord(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

// Measures the token at the start of rest: the fields that give its length are read only once rest is known to hold
// them, and the length is checked against rest before the token is handed out.
class TTokenMeasure {
public:
    explicit TTokenMeasure(std::span<const uint8_t> rest) : FRest(rest) {
        if (FRest.empty()) {
            throw EXLSFormulaError(rtl::Format(PtgMessages::TokenTruncated, {uint8_t{0}, 1u, 0u}));
        }
        if (FRest[0] == 0) {
            throw EXLSFormulaError(PtgMessages::IllegalPtgs);
        }
    }

    uint8_t Id() const { return FRest[0]; }

    // The byte at offset, once rest is known to reach it.
    uint8_t ByteAt(size_t offset) const {
        Need(offset + 1);
        return FRest[offset];
    }
    uint16_t WordAt(size_t offset) const {
        Need(offset + 2);
        return LittleEndianWord(&FRest[offset]);
    }

    TXLSPtgToken Take(size_t size) const {
        Need(size);
        return TXLSPtgToken(FRest.first(size));
    }

    [[noreturn]] void Unknown() const { throw EXLSFormulaError(rtl::Format(PtgMessages::UnknownPtgs, {Id()})); }

private:
    void Need(size_t size) const {
        if (size > FRest.size()) {
            throw EXLSFormulaError(rtl::Format(PtgMessages::TokenTruncated, {Id(), size, FRest.size()}));
        }
    }

    std::span<const uint8_t> FRest;
};

} // namespace

TXLSPtgCell MakePtgCell(int32_t col, int32_t row, bool colAbsolute, bool rowAbsolute) {
    if (!IsValidCell(col, row)) {
        throw EXLSFormulaError(rtl::Format(PtgMessages::CellOffSheet, {col, row}));
    }
    return {static_cast<uint32_t>(row) | (rowAbsolute ? PtgRowAbsolute : 0u),
            static_cast<uint16_t>(col | (colAbsolute ? PtgColAbsolute : 0))};
}

TXLSPtgArea MakePtgArea(const TXLSPtgCell& first, const TXLSPtgCell& last) {
    return {first.RowWord, last.RowWord, first.ColWord, last.ColWord};
}

const uint8_t* TXLSPtgToken::Field(size_t offset, size_t size) const {
    if (offset > FBytes.size() || size > FBytes.size() - offset) {
        throw EXLSFormulaError(rtl::Format(PtgMessages::FieldBeyondToken, {Id(), size, offset}));
    }
    return FBytes.data() + offset;
}

uint8_t TXLSPtgToken::Byte(size_t offset) const {
    return *Field(offset, 1);
}

uint16_t TXLSPtgToken::Word(size_t offset) const {
    return LittleEndianWord(Field(offset, 2));
}

uint32_t TXLSPtgToken::Long(size_t offset) const {
    const uint8_t* bytes = Field(offset, 4);
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

double TXLSPtgToken::Double(size_t offset) const {
    const uint64_t bits = static_cast<uint64_t>(Long(offset)) | (static_cast<uint64_t>(Long(offset + 4)) << 32);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

rtl::UnicodeString TXLSPtgToken::Text(size_t offset) const {
    const size_t count = Word(offset);
    const uint8_t* units = Field(offset + 2, count * 2);
    rtl::UnicodeString text(count, u'\0');
    for (size_t index = 0; index < count; ++index) {
        text[index] = static_cast<char16_t>(LittleEndianWord(units + index * 2));
    }
    return text;
}

TXLSPtgCell TXLSPtgToken::Cell(size_t offset) const {
    return {Long(offset), Word(offset + 4)};
}

TXLSPtgCell TXLSPtgToken::ColRowCell(size_t offset) const {
    return {Long(offset + 2), Word(offset)};
}

TXLSPtgArea TXLSPtgToken::Area(size_t offset) const {
    return {Long(offset), Long(offset + 4), Word(offset + 8), Word(offset + 10)};
}

TXLSPtgToken ReadPtgToken(std::span<const uint8_t> rest) {
    const TTokenMeasure token(rest);
    switch (token.Id()) {
    case ptgxStr:
        return token.Take(3 + size_t{token.WordAt(1)} * 2);
    case ptgxUserFunc:
        return token.Take(4 + size_t{token.WordAt(2)} * 2);
    case ptgxBiffBlock:
        return token.Take(3 + size_t{token.WordAt(1)});
    default:
        break;
    }
    const uint8_t size = OwnTokenSizes[token.Id()];
    if (size == 0) {
        token.Unknown();
    }
    return token.Take(size);
}

TXLSPtgToken ReadBiffPtgToken(std::span<const uint8_t> rest) {
    const TTokenMeasure token(rest);
    switch (PtgRefClassId(token.Id())) {
    case BiffPtgStr:
        // A count of characters, then a flags byte whose low bit says they are UTF-16 rather than 8-bit.
        return token.Take(3 + size_t{token.ByteAt(1)} * (token.ByteAt(2) != 0 ? 2 : 1));
    case BiffPtgAttr:
        // A choose attribute carries a 16-bit count and one more 16-bit jump offset than it counts.
        if ((token.ByteAt(1) & BiffPtgAttrChoose) != 0) {
            return token.Take(6 + size_t{token.WordAt(2)} * 2);
        }
        return token.Take(4);
    case BiffPtgMemArea:
    case BiffPtgMemErr:
        // Four bytes, then the 16-bit size of the sub-expression that follows, taken with the token.
        return token.Take(7 + size_t{token.WordAt(5)});
    case BiffPtgMemFunc:
        return token.Take(3 + size_t{token.WordAt(1)});
    default:
        break;
    }
    const uint8_t size = BiffTokenSizes[PtgRefClassId(token.Id())];
    if (size == 0) {
        token.Unknown();
    }
    return token.Take(size);
}

} // namespace xls
