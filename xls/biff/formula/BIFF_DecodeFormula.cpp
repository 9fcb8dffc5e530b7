#include "xls/biff/formula/BIFF_DecodeFormula.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/decoder/XLSFormulaDecoder.h"
#include "xls/core/formula/functions/BIFF_ExcelFunc.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>
#include <utility>
#include <vector>

namespace xls {

namespace {

// Token ids by their reference-class form (PtgRefClassId), MS-XLS 2.5.198.
constexpr uint8_t PtgEnd = 0x00;
constexpr uint8_t PtgTbl = 0x02;
constexpr uint8_t PtgAdd = 0x03;
constexpr uint8_t PtgNe = 0x0E;
constexpr uint8_t PtgIsect = 0x0F;
constexpr uint8_t PtgUnion = 0x10;
constexpr uint8_t PtgRange = 0x11;
constexpr uint8_t PtgUplus = 0x12;
constexpr uint8_t PtgUminus = 0x13;
constexpr uint8_t PtgPercent = 0x14;
constexpr uint8_t PtgParen = 0x15;
constexpr uint8_t PtgMissArg = 0x16;
constexpr uint8_t PtgStr = 0x17;
constexpr uint8_t PtgExtend = 0x18;
constexpr uint8_t PtgAttr = 0x19;
constexpr uint8_t PtgErr = 0x1C;
constexpr uint8_t PtgBool = 0x1D;
constexpr uint8_t PtgInt = 0x1E;
constexpr uint8_t PtgNum = 0x1F;
constexpr uint8_t PtgArray = 0x20;
constexpr uint8_t PtgFunc = 0x21;
constexpr uint8_t PtgFuncVar = 0x22;
constexpr uint8_t PtgName = 0x23;
constexpr uint8_t PtgRef = 0x24;
constexpr uint8_t PtgArea = 0x25;
constexpr uint8_t PtgMemArea = 0x26;
constexpr uint8_t PtgMemErr = 0x27;
constexpr uint8_t PtgMemNoMem = 0x28;
constexpr uint8_t PtgMemFunc = 0x29;
constexpr uint8_t PtgRefErr = 0x2A;
constexpr uint8_t PtgAreaErr = 0x2B;
constexpr uint8_t PtgRefN = 0x2C;
constexpr uint8_t PtgAreaN = 0x2D;
constexpr uint8_t PtgMemAreaN = 0x2E;
constexpr uint8_t PtgMemNoMemN = 0x2F;
constexpr uint8_t PtgFuncCE = 0x38;
constexpr uint8_t PtgNameX = 0x39;
constexpr uint8_t PtgRef3d = 0x3A;
constexpr uint8_t PtgArea3d = 0x3B;
constexpr uint8_t PtgRefErr3d = 0x3C;
constexpr uint8_t PtgAreaErr3d = 0x3D;
// The prefix bytes of the buffers the reader stores.
constexpr uint8_t PrefixWithExtra = 0xFE;
constexpr uint8_t PrefixTokens = 0xFF;
constexpr int32_t PrefixWithExtraSize = 3;

// PtgRefN and PtgAreaN become PtgRef and PtgArea of the same class.
constexpr uint8_t RelativeToAbsolute = PtgRefN - PtgRef;

// PtgAttr (MS-XLS 2.5.198.37 ff.) flags.
constexpr uint8_t AttrChoose = 0x04;
constexpr uint8_t AttrSum = 0x10;

// PtgExtend's eptg values (MS-XLS 2.5.198.44 ff.) by the size of their token.
constexpr uint8_t EptgElfRw = 0x06;
constexpr uint8_t EptgElfCol = 0x07;
constexpr std::array<uint8_t, 9> EptgSixBytes = {0x01, 0x02, 0x03, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x1D};
constexpr std::array<uint8_t, 2> EptgFifteenBytes = {0x0A, 0x0B};
constexpr int32_t EptgUnknownSize = 2;

// A column field: the column in bits 0-13, bit 14 a relative column, bit 15 a relative row. A relative column or row
// of PtgRefN and PtgAreaN is an offset from the formula's cell: a signed byte, a signed 16-bit row.
constexpr uint16_t ColRelative = 0x4000;
constexpr uint16_t RowRelative = 0x8000;
constexpr uint16_t ColumnBits = 0x3FFF;
constexpr uint16_t FlagBits = 0xC000;
constexpr int32_t BIFF8Columns = 256;
constexpr int32_t BIFF8Rows = 65536;

// Array constant values (MS-XLS 2.5.198.103 SerAr) are a type byte and 8 bytes, except strings.
constexpr uint8_t SerEmpty = 0x00;
constexpr uint8_t SerNum = 0x01;
constexpr uint8_t SerStr = 0x02;
constexpr uint8_t SerBool = 0x04;
constexpr uint8_t SerErr = 0x10;
constexpr int32_t SerValueSize = 9;
constexpr std::u16string_view ArrayRowSeparator = u";";

constexpr std::array<std::u16string_view, 12> OperatorTexts = {u"+", u"-",  u"*", u"/",  u"^", u"&",
                                                               u"<", u"<=", u"=", u">=", u">", u"<>"};

// The fixed sizes of the tokens that have one, by reference-class id; 0 for the others.
struct TFixedSize {
    uint8_t Id;
    uint8_t Size;
};
constexpr TFixedSize DecoderSizes[] = {
    {PtgErr, 2},     {PtgBool, 2},    {PtgInt, 3},      {PtgNum, 9},        {PtgArray, 8},   {PtgFunc, 3},
    {PtgFuncVar, 4}, {PtgName, 5},    {PtgRef, 5},      {PtgArea, 9},       {PtgMemArea, 7}, {PtgMemErr, 7},
    {PtgMemFunc, 3}, {PtgRefErr, 5},  {PtgAreaErr, 9},  {PtgRefN, 5},       {PtgAreaN, 9},   {PtgNameX, 7},
    {PtgRef3d, 7},   {PtgArea3d, 11}, {PtgRefErr3d, 7}, {PtgAreaErr3d, 11},
};
// The tokens a shared formula may hold that the walk passes unchanged; the mem tokens' subexpressions are walked.
constexpr TFixedSize SharedFormulaSizes[] = {
    {PtgTbl, 5},     {PtgErr, 2},      {PtgBool, 2},       {PtgInt, 3},    {PtgNum, 9},     {PtgArray, 8},
    {PtgFunc, 3},    {PtgFuncVar, 4},  {PtgName, 5},       {PtgRef, 5},    {PtgArea, 9},    {PtgMemArea, 7},
    {PtgMemErr, 7},  {PtgMemNoMem, 7}, {PtgMemFunc, 3},    {PtgRefErr, 5}, {PtgAreaErr, 9}, {PtgRefN, 5},
    {PtgAreaN, 9},   {PtgMemAreaN, 3}, {PtgMemNoMemN, 3},  {PtgFuncCE, 3}, {PtgNameX, 7},   {PtgRef3d, 7},
    {PtgArea3d, 11}, {PtgRefErr3d, 7}, {PtgAreaErr3d, 11},
};

template <size_t N>
constexpr std::array<uint8_t, 64> MakeSizeTable(const TFixedSize (&sizes)[N]) {
    std::array<uint8_t, 64> table{};
    for (const TFixedSize& size : sizes) {
        table[size.Id] = size.Size;
    }
    return table;
}
constexpr std::array<uint8_t, 64> DecoderSizeTable = MakeSizeTable(DecoderSizes);
constexpr std::array<uint8_t, 64> SharedFormulaSizeTable = MakeSizeTable(SharedFormulaSizes);

// The operators, PtgParen and PtgMissArg are one byte; PtgIsect is too, but the decoder does not know it.
bool IsOneByteToken(uint8_t id) {
    return id >= PtgAdd && id <= PtgMissArg && id != PtgIsect;
}

// The bytes of a buffer read front to back, each field checked against what is left.
class TTokenReader {
public:
    explicit TTokenReader(std::span<const uint8_t> bytes) : FBytes(bytes) {}

    int32_t Position() const { return FPosition; }
    int32_t Left() const { return static_cast<int32_t>(FBytes.size()) - FPosition; }
    bool AtEnd() const { return Left() <= 0; }
    // The token at the position is size bytes long; raises when fewer are left.
    void Need(int64_t size) const {
        if (size > Left()) {
            throw EBIFFError(rtl::Format(BIFFMessages::TokenPastEnd, {FBytes[FPosition], size, Left()}));
        }
    }
    // Fields of the token at the position, by their offset from its id; callers have checked the token's size.
    uint8_t Byte(int32_t offset) const { return FieldOf(offset, 1)[0]; }
    uint16_t Word(int32_t offset) const { return LoadUInt16LE(FieldOf(offset, 2)); }
    std::span<const uint8_t> From(int32_t offset) const { return FBytes.subspan(FPosition + offset); }
    void Skip(int32_t size) { FPosition += size; }

private:
    const uint8_t* FieldOf(int32_t offset, int32_t size) const {
        Need(offset + size);
        return &FBytes[static_cast<size_t>(FPosition + offset)];
    }

    std::span<const uint8_t> FBytes;
    int32_t FPosition = 0;
};

// The byte size of the PtgStr at the reader's position.
int32_t StringTokenSize(const TTokenReader& reader) {
    return 3 + static_cast<int32_t>(FlaggedCharacterBytes(reader.Byte(2), reader.Byte(1)));
}

int32_t AttrTokenSize(const TTokenReader& reader) {
    return (reader.Byte(1) & AttrChoose) != 0 ? 6 + 2 * reader.Word(2) : 4;
}

// A relative column or row of PtgRefN and PtgAreaN resolved against the formula's cell, wrapping round the sheet.
int32_t ResolveColumn(uint16_t field, int32_t baseCol) {
    if ((field & ColRelative) == 0) {
        return field & 0xFF;
    }
    const int32_t col = baseCol + static_cast<int8_t>(field & 0xFF);
    return ((col % BIFF8Columns) + BIFF8Columns) % BIFF8Columns;
}

int32_t ResolveRow(uint16_t row, uint16_t field, int32_t baseRow) {
    if ((field & RowRelative) == 0) {
        return row;
    }
    return (((baseRow + row) % BIFF8Rows) + BIFF8Rows) % BIFF8Rows;
}

rtl::UnicodeString CellText(int32_t col, int32_t row, uint16_t field) {
    return CellRefToStr(col, row, (field & ColRelative) == 0, (field & RowRelative) == 0);
}

// Decodes one buffer.
class TBIFFDecodeRun {
public:
    TBIFFDecodeRun(int32_t sheetIndex, int32_t baseCol, int32_t baseRow, const TDecodeLookupEvent& lookup,
                   const TBIFFDecodeSeparators& separators)
        : FSheetIndex(sheetIndex), FBaseCol(baseCol), FBaseRow(baseRow), FLookup(lookup),
          FArgumentSeparator(1, separators.Argument), FArrayColumnSeparator(1, separators.ArrayColumn) {
        FNumberSettings = rtl::TFormatSettings::Invariant();
        FNumberSettings.DecimalSeparator = separators.Decimal;
    }

    rtl::UnicodeString Decode(std::span<const uint8_t> buffer) {
        SplitPrefix(buffer);
        TTokenReader reader(FTokens);
        while (!reader.AtEnd() && DecodeToken(reader)) {
        }
        return FStack.empty() ? rtl::UnicodeString(BIFFMessages::EmptyFormula) : FStack.back();
    }

private:
    // The tokens and the extra data after them.
    void SplitPrefix(std::span<const uint8_t> buffer) {
        FTokens = buffer;
        if (buffer.empty()) {
            return;
        }
        if (buffer[0] == PrefixTokens) {
            FTokens = buffer.subspan(1);
        } else if (buffer[0] == PrefixWithExtra && buffer.size() >= PrefixWithExtraSize) {
            const size_t extra = LoadUInt16LE(&buffer[1]);
            const std::span<const uint8_t> rest = buffer.subspan(PrefixWithExtraSize);
            if (extra <= rest.size()) {
                FTokens = rest.first(rest.size() - extra);
                FExtra = TTokenReader(rest.subspan(rest.size() - extra));
            }
        }
    }

    void Push(rtl::UnicodeString text) { FStack.push_back(std::move(text)); }
    void PushMissing() { Push(BIFFMessages::ValueMissing); }

    void Infix(rtl::UnicodeStringView op) {
        if (FStack.size() < 2) {
            PushMissing();
            return;
        }
        rtl::UnicodeString right = std::move(FStack.back());
        FStack.pop_back();
        FStack.back() += op;
        FStack.back() += right;
    }

    // The top text between before and after; "<Val missing>" when there is none.
    void Wrap(rtl::UnicodeStringView before, rtl::UnicodeStringView after) {
        if (FStack.empty()) {
            PushMissing();
            return;
        }
        FStack.back().insert(0, before);
        FStack.back() += after;
    }

    // Returns false when decoding ends with the token.
    bool DecodeToken(TTokenReader& reader) {
        const uint8_t raw = reader.From(0)[0];
        const uint8_t id = PtgRefClassId(raw);
        if (raw >= 0x80 || id == PtgEnd) {
            return Unknown(raw, id == PtgEnd);
        }
        int32_t size = DecoderSizeTable[id];
        if (IsOneByteToken(id)) {
            size = 1;
        } else if (id == PtgStr) {
            size = StringTokenSize(reader);
        } else if (id == PtgAttr) {
            size = AttrTokenSize(reader);
        } else if (id == PtgExtend) {
            size = DecodeExtend(reader);
            reader.Skip(size);
            return true;
        }
        if (size == 0) {
            return Unknown(raw, false);
        }
        reader.Need(size);
        const bool goOn = DecodeSized(reader, id);
        reader.Skip(size);
        return goOn;
    }

    bool Unknown(uint8_t raw, bool end) {
        if (!end) {
            Push(rtl::Format(BIFFMessages::UnknownPtg, {raw}));
        }
        return false;
    }

    bool DecodeSized(const TTokenReader& reader, uint8_t id) {
        if (id >= PtgAdd && id <= PtgNe) {
            Infix(OperatorTexts[id - PtgAdd]);
            return true;
        }
        switch (id) {
        case PtgUnion:
            Infix(FArgumentSeparator);
            break;
        case PtgRange:
            Infix(u":");
            break;
        case PtgUplus:
            Wrap(u"+", {});
            break;
        case PtgUminus:
            Wrap(u"-", {});
            break;
        case PtgPercent:
            Wrap({}, u"%");
            break;
        case PtgParen:
            Wrap(u"(", u")");
            break;
        case PtgMissArg:
            Push({});
            break;
        case PtgStr:
            Push(QuoteFormulaText(UnicodeBodyToWide(reader.From(2), reader.Byte(1))));
            break;
        case PtgAttr:
            if ((reader.Byte(1) & (AttrChoose | AttrSum)) == AttrSum) {
                Wrap(u"SUM(", u")");
            }
            break;
        case PtgErr:
            Push(ErrorByteToText(reader.Byte(1)));
            break;
        case PtgBool:
            Push(reader.Byte(1) == 0 ? u"FALSE" : u"TRUE");
            break;
        case PtgInt:
            Push(rtl::IntToStr(reader.Word(1)));
            break;
        case PtgNum:
            Push(rtl::FloatToStr(std::bit_cast<double>(LoadUInt64LE(reader.From(1).data())), FNumberSettings));
            break;
        case PtgArray:
            Push(ArrayText());
            break;
        case PtgFunc:
        case PtgFuncVar:
            return DecodeFunction(reader, id);
        case PtgMemArea:
            SkipMemData();
            break;
        case PtgMemErr:
        case PtgMemFunc:
            break;
        default:
            DecodeOperand(reader, id);
            break;
        }
        return true;
    }

    void DecodeOperand(const TTokenReader& reader, uint8_t id) {
        switch (id) {
        case PtgName:
            Push(Lookup(DecodeLookupName, -1, reader.Word(1), 0, 0, u"[EXTERNNAME]"));
            break;
        case PtgNameX:
            Push(Lookup(DecodeLookupExternal, reader.Word(1), reader.Word(3), 0, 0, u"[EXTERNNAME X]"));
            break;
        case PtgRef:
            Push(CellText(reader.Word(3) & ColumnBits, reader.Word(1), reader.Word(3)));
            break;
        case PtgArea:
            Push(CellText(reader.Word(5) & ColumnBits, reader.Word(1), reader.Word(5)) + u":" +
                 CellText(reader.Word(7) & ColumnBits, reader.Word(3), reader.Word(7)));
            break;
        case PtgRefErr:
        case PtgAreaErr:
            Push(ErrorByteToText(0x17));
            break;
        case PtgRefN:
            Push(RelativeCellText(reader.Word(1), reader.Word(3)));
            break;
        case PtgAreaN:
            Push(RelativeCellText(reader.Word(1), reader.Word(5)) + u":" +
                 RelativeCellText(reader.Word(3), reader.Word(7)));
            break;
        default:
            Decode3d(reader, id);
            break;
        }
    }

    void Decode3d(const TTokenReader& reader, uint8_t id) {
        rtl::UnicodeString prefix = Lookup(DecodeLookupExternal, reader.Word(1), -1, 0, 0, u"[ExternSheet]");
        if (id == PtgRef3d) {
            Push(prefix + CellText(reader.Word(5) & ColumnBits, reader.Word(3), reader.Word(5)));
        } else if (id == PtgArea3d) {
            Push(prefix + CellText(reader.Word(7) & ColumnBits, reader.Word(3), reader.Word(7)) + u":" +
                 CellText(reader.Word(9) & ColumnBits, reader.Word(5), reader.Word(9)));
        } else {
            // A sheet prefix that ends in "!" already needs no second one.
            const bool closed = !prefix.empty() && prefix.back() == u'!';
            Push(prefix + (closed ? u"" : u"!") + ErrorByteToText(0x17));
        }
    }

    rtl::UnicodeString RelativeCellText(uint16_t row, uint16_t field) const {
        return CellText(ResolveColumn(field, FBaseCol), ResolveRow(row, field, FBaseRow), field);
    }

    rtl::UnicodeString Lookup(uint8_t kind, int32_t index, int32_t p4, int32_t p5, int32_t p6,
                              rtl::UnicodeStringView none) const {
        if (!FLookup) {
            return rtl::UnicodeString(none);
        }
        rtl::UnicodeString text;
        FLookup(kind, index, p4, p5, p6, text);
        return text;
    }

    // Returns the size of the PtgExtend at the reader's position.
    int32_t DecodeExtend(const TTokenReader& reader) {
        const uint8_t eptg = reader.Byte(1);
        const auto in = [eptg](const auto& list) {
            for (const uint8_t value : list) {
                if (value == eptg) {
                    return true;
                }
            }
            return false;
        };
        int32_t size = EptgUnknownSize;
        if (eptg == EptgElfRw || eptg == EptgElfCol || in(EptgSixBytes)) {
            size = 6;
        } else if (in(EptgFifteenBytes)) {
            size = 15;
        }
        reader.Need(size);
        if (size == EptgUnknownSize) {
            Push(rtl::Format(BIFFMessages::UnknownEptg, {eptg}));
        } else if ((eptg == EptgElfRw || eptg == EptgElfCol) && FLookup) {
            Push(Lookup(DecodeLookupElf, FSheetIndex, -1, reader.Byte(4), reader.Word(2), {}));
        }
        return size;
    }

    bool DecodeFunction(const TTokenReader& reader, uint8_t id) {
        const bool variable = id == PtgFuncVar;
        const int32_t number = variable ? reader.Word(2) & 0x7FFF : reader.Word(1);
        const TExcelFunctions* function = FindExcelFunction(number);
        if (function == nullptr) {
            return Unknown(reader.From(0)[0], false);
        }
        int32_t count = variable ? reader.Byte(1) & 0x7F : function->MinArgs;
        if (static_cast<size_t>(count) > FStack.size()) {
            throw EBIFFError(BIFFMessages::FunctionArgumentsMissing);
        }
        rtl::UnicodeString name(function->Name);
        // An add-in or user-defined function (number 255) takes its name as its first argument.
        if (variable && count > 0 && !name.empty() && name[0] >= u'0' && name[0] <= u'9') {
            const auto first = FStack.end() - count;
            name = std::move(*first);
            FStack.erase(first);
            --count;
        }
        rtl::UnicodeString call = name + u"(";
        const auto first = FStack.end() - count;
        for (auto argument = first; argument != FStack.end(); ++argument) {
            if (argument != first) {
                call += FArgumentSeparator;
            }
            call += *argument;
        }
        FStack.erase(first, FStack.end());
        Push(call + u")");
        return true;
    }

    // The text of the next array constant of the extra data, row by row: {1,2,3;4,5,6}.
    rtl::UnicodeString ArrayText() {
        NeedExtra(3);
        const int32_t cols = FExtra.Byte(0) + 1;
        const int32_t rows = FExtra.Word(1) + 1;
        FExtra.Skip(3);
        rtl::UnicodeString text = u"{";
        for (int32_t index = 0; index < cols * rows; ++index) {
            if (index > 0) {
                text += index % cols == 0 ? ArrayRowSeparator : FArrayColumnSeparator;
            }
            NeedExtra(1);
            const uint8_t type = FExtra.Byte(0);
            if (type != SerEmpty && type != SerNum && type != SerStr && type != SerBool && type != SerErr) {
                FExtra.Skip(FExtra.Left());
                return rtl::Format(BIFFMessages::BadArrayElement, {type});
            }
            text += ArrayValueText(type);
        }
        return text + u"}";
    }

    rtl::UnicodeString ArrayValueText(uint8_t type) {
        if (type == SerStr) {
            NeedExtra(4);
            const uint16_t count = FExtra.Word(1);
            const int32_t size = 4 + static_cast<int32_t>(FlaggedCharacterBytes(FExtra.Byte(3), count));
            NeedExtra(size);
            rtl::UnicodeString value = QuoteFormulaText(UnicodeBodyToWide(FExtra.From(3), count));
            FExtra.Skip(size);
            return value;
        }
        NeedExtra(SerValueSize);
        rtl::UnicodeString value;
        if (type == SerNum) {
            value = rtl::FloatToStr(std::bit_cast<double>(LoadUInt64LE(FExtra.From(1).data())), FNumberSettings);
        } else if (type == SerBool) {
            value = FExtra.Byte(1) == 1 ? u"TRUE" : u"FALSE";
        } else if (type == SerErr) {
            value = ErrorByteToText(FExtra.Byte(1));
        }
        FExtra.Skip(SerValueSize);
        return value;
    }

    // A PtgMemArea keeps the areas it stands for in the extra data (PtgExtraMem: a count, then 8 bytes each),
    // before the data of the array constants that follow it.
    void SkipMemData() {
        if (FExtra.AtEnd()) {
            return;
        }
        NeedExtra(2);
        const int32_t size = 2 + 8 * FExtra.Word(0);
        NeedExtra(size);
        FExtra.Skip(size);
    }

    void NeedExtra(int32_t size) const {
        if (size > FExtra.Left()) {
            throw EBIFFError(rtl::Format(BIFFMessages::ArrayDataMissing, {size, std::max(FExtra.Left(), 0)}));
        }
    }

    int32_t FSheetIndex;
    int32_t FBaseCol;
    int32_t FBaseRow;
    const TDecodeLookupEvent& FLookup;
    rtl::UnicodeString FArgumentSeparator;
    rtl::UnicodeString FArrayColumnSeparator;
    rtl::TFormatSettings FNumberSettings;
    std::span<const uint8_t> FTokens;
    TTokenReader FExtra{{}};
    std::vector<rtl::UnicodeString> FStack;
};

// The size of the token at the reader's position in a shared formula.
int32_t SharedTokenSize(const TTokenReader& reader) {
    const uint8_t raw = reader.From(0)[0];
    const uint8_t id = PtgRefClassId(raw);
    if (raw < 0x80 && (IsOneByteToken(id) || id == PtgIsect)) {
        return 1;
    }
    if (id == PtgStr) {
        return StringTokenSize(reader);
    }
    if (id == PtgAttr) {
        return AttrTokenSize(reader);
    }
    const int32_t size = raw < 0x80 ? SharedFormulaSizeTable[id] : 0;
    if (size == 0) {
        throw EBIFFError(rtl::Format(BIFFMessages::UnknownSharedPtg, {raw}));
    }
    return size;
}

// The row and column field of a PtgRefN cell at bytes, made absolute for the cell at baseCol, baseRow.
void ConvertCell(uint8_t* row, uint8_t* field, int32_t baseRow, int32_t baseCol) {
    const uint16_t columnField = LoadUInt16LE(field);
    StoreUInt16LE(row, static_cast<uint16_t>(ResolveRow(LoadUInt16LE(row), columnField, baseRow)));
    StoreUInt16LE(field, static_cast<uint16_t>((columnField & FlagBits) | ResolveColumn(columnField, baseCol)));
}

} // namespace

void DecodeBIFFFormula(std::span<const uint8_t> buffer, int32_t sheetIndex, int32_t baseCol, int32_t baseRow,
                       const TDecodeLookupEvent& lookup, const TBIFFDecodeSeparators& separators,
                       rtl::UnicodeString& text) {
    text.clear();
    text = TBIFFDecodeRun(sheetIndex, baseCol, baseRow, lookup, separators).Decode(buffer);
}

void ConvertSharedFormula(std::span<uint8_t> tokens, int32_t baseRow, int32_t baseCol) {
    TTokenReader reader(tokens);
    while (!reader.AtEnd()) {
        const int32_t size = SharedTokenSize(reader);
        reader.Need(size);
        uint8_t* token = tokens.data() + reader.Position();
        const uint8_t id = PtgRefClassId(token[0]);
        if (id == PtgRefN) {
            token[0] = static_cast<uint8_t>(token[0] - RelativeToAbsolute);
            ConvertCell(token + 1, token + 3, baseRow, baseCol);
        } else if (id == PtgAreaN) {
            token[0] = static_cast<uint8_t>(token[0] - RelativeToAbsolute);
            ConvertCell(token + 1, token + 5, baseRow, baseCol);
            ConvertCell(token + 3, token + 7, baseRow, baseCol);
        }
        // A mem token's subexpression follows it and is walked like the rest.
        reader.Skip(size);
    }
}

namespace {

// Answers the decoder's lookups from the workbook model (its sheets and defined names, which hold the file's NAME
// records in file order) and the BIFF reader's external references, in the texts an .xlsx formula gives.
class TBIFFModelLookup {
public:
    TBIFFModelLookup(const TXc12Manager& manager, int32_t sheetIndex) : FManager(manager), FSheetIndex(sheetIndex) {}

    void operator()(uint8_t kind, int32_t index, int32_t p4, int32_t /*p5*/, int32_t /*p6*/,
                    rtl::UnicodeString& text) const {
        if (kind == DecodeLookupName) {
            text = DefinedNameText(FManager, p4 - 1, FSheetIndex);
        } else if (kind == DecodeLookupExternal) {
            text = ExternalText(index, p4);
        } else {
            text.clear();
        }
    }

private:
    // Sheet prefixes end in "!"; names stand alone.
    rtl::UnicodeString ExternalText(int32_t index, int32_t nameIndex) const {
        const TExternalNames* names = FManager.GetExternalNames();
        TExternalReference reference;
        if (names == nullptr || !names->GetExternalReference(index, nameIndex, reference)) {
            throw EBIFFError(rtl::Format(BIFFMessages::UnknownExternSheet, {index, nameIndex}));
        }
        switch (reference.Kind) {
        case TExternalReferenceKind::erkAddIn:
            return reference.Name;
        case TExternalReferenceKind::erkExternalBook: {
            if (nameIndex > 0) {
                return QuoteSheetReference(reference.BookPath, {}) + u"!" + reference.Name;
            }
            const bool range = reference.LastSheet != reference.FirstSheet;
            return QuoteSheetReference(reference.BookPath, reference.FirstSheetName,
                                       range ? reference.LastSheetName : u"") +
                   u"!";
        }
        default:
            return OwnSheetsText(reference, nameIndex);
        }
    }

    rtl::UnicodeString OwnSheetsText(const TExternalReference& reference, int32_t nameIndex) const {
        if (nameIndex > 0) {
            return DefinedNameText(FManager, nameIndex - 1, FSheetIndex);
        }
        const TXc12DataWorksheets& sheets = FManager.Worksheets();
        const auto sheetName = [&sheets](int32_t sheet) { return sheets.GetItem(sheet)->GetName(); };
        // A deleted sheet reads as the error alone, as an .xlsx formula keeps it.
        if (reference.FirstSheet >= sheets.Count() || reference.LastSheet >= sheets.Count()) {
            return rtl::UnicodeString(XLSErrorTexts[XLSErrorIndexRef]);
        }
        const bool range = reference.LastSheet != reference.FirstSheet;
        return QuoteSheetReference({}, sheetName(reference.FirstSheet),
                                   range ? sheetName(reference.LastSheet) : rtl::UnicodeString()) +
               u"!";
    }

    const TXc12Manager& FManager;
    int32_t FSheetIndex;
};

} // namespace

void TBIFFFormulaDecoder::DecodeBIFFFormula(const uint8_t* tokens, int32_t length, int32_t sheetIndex,
                                            rtl::UnicodeString& result, char16_t argumentSeparator, int32_t col,
                                            int32_t row) {
    const TBIFFDecodeSeparators separators{.Argument = argumentSeparator,
                                           .ArrayColumn = FManager.GetDecoderSeparator(),
                                           .Decimal = XLSPlatform().GetDecimalSeparator()};
    const TDecodeLookupEvent lookup = TBIFFModelLookup(FManager, sheetIndex);
    xls::DecodeBIFFFormula({tokens, static_cast<size_t>(std::max(length, 0))}, sheetIndex, col, row, lookup, separators,
                           result);
}

} // namespace xls
