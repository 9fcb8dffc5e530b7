#include "xls/core/cells/XLSCellMMU.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/base/XLSUtils.h"
#include "xls/core/cells/XLSPackedBytes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

namespace xls {

namespace {

// Token ids that stand for the formula of another cell or for a data table.
constexpr uint8_t ptgxExp = 0xB8;
constexpr uint8_t ptgxShared = 0xB9;
constexpr uint8_t ptgxDataTable = 0xBA;
constexpr uint8_t ptgxTbl = 0xBB;

// Tags of a formula cell's formula part.
constexpr uint8_t TagWideText = 0;
constexpr uint8_t TagNarrowText = 1;
constexpr uint8_t TagCompiled = 255;

// Formula flags besides the formula kind.
constexpr uint8_t FormulaHasArea = 0x40;
constexpr uint8_t FormulaHasTable = 0x80;
constexpr uint8_t FormulaKindMask = 0x1F;

// Sizes of the formula parts of the kinds that refer to another cell or to a data table.
constexpr uint16_t MasterRefSize = 7;
constexpr uint16_t DataTableRefSize = 14;

// The range of the 32-bit number forms; the low end stays clear of the two lowest int32 values.
constexpr int64_t CompactLow = -2147483646;
constexpr int64_t CompactHigh = 2147483647;

constexpr int32_t MaxXF = 0xFFFF;

[[noreturn]] void Raise(const char16_t* message) {
    throw rtl::Exception(message);
}

bool IsFormulaCell(const TXLSCellHandle& handle) {
    return handle.Data != nullptr && (handle.CellType & XLSMMUVariableType) != 0;
}

uint8_t CodeOf(const TXLSCellHandle& handle) {
    return static_cast<uint8_t>(handle.CellType & XLSCellCodeMask);
}

// The code of a fixed-size cell, 0 for a formula cell or no cell.
uint8_t FixedCodeOf(const TXLSCellHandle& handle) {
    return handle.Data != nullptr && !IsFormulaCell(handle) ? CodeOf(handle) : 0;
}

// The code of a formula cell, 0 for anything else.
uint8_t FormulaCodeOf(const TXLSCellHandle& handle) {
    return IsFormulaCell(handle) ? CodeOf(handle) : 0;
}

bool HasXFField(const TXLSCellHandle& handle) {
    return (handle.CellType & XLSCellHasXF) != 0;
}

// Where the XF field is: in front of a fixed-size value, behind a formula cell's length and flags.
uint8_t* XFAddress(const TXLSCellHandle& handle) {
    return IsFormulaCell(handle) ? handle.Data + 3 : handle.Data;
}

uint8_t* ValueAddress(const TXLSCellHandle& handle) {
    return XFAddress(handle) + (HasXFField(handle) ? 2 : 0);
}

rtl::UnicodeString WideText(const uint8_t* bytes, int32_t count) {
    rtl::UnicodeString text(count, u'\0');
    std::memcpy(text.data(), bytes, 2 * static_cast<size_t>(count));
    return text;
}

// The value of a number form.
double CompactValue(uint8_t code, const uint8_t* bytes) {
    switch (code) {
    case XLSCellInt8:
        return static_cast<int8_t>(bytes[0]);
    case XLSCellInt16:
        return GetPacked<int16_t>(bytes);
    case XLSCellInt32:
        return GetInt32(bytes);
    case XLSCellHundredths:
        return GetInt32(bytes) / 100.0;
    case XLSCellTenThousandths:
        return GetInt32(bytes) / 10000.0;
    case XLSCellSingle:
        return GetPacked<float>(bytes);
    case XLSCellDouble:
        return GetPacked<double>(bytes);
    default:
        Raise(CellMMUMessages::InvalidXLate);
    }
}

struct TCompactForm {
    uint8_t Code;
    int32_t Stored;
};

// The integer form a number might take: whole numbers as they are, others in hundredths or ten-thousandths.
std::optional<TCompactForm> CompactCandidate(double value) {
    if (!std::isfinite(value) || std::fabs(value) > CompactHigh) {
        return std::nullopt;
    }
    if (value == std::trunc(value)) {
        if (value < CompactLow) {
            return std::nullopt;
        }
        const auto whole = static_cast<int32_t>(value);
        const uint8_t code = whole >= -128 && whole <= 127       ? XLSCellInt8
                             : whole >= -32768 && whole <= 32767 ? XLSCellInt16
                                                                 : XLSCellInt32;
        return TCompactForm{code, whole};
    }
    const long double scaled = static_cast<long double>(value) * 10000;
    if (std::fabs(scaled) > CompactHigh + 1) {
        return std::nullopt;
    }
    const int64_t rounded = std::llround(scaled);
    if (rounded < CompactLow || rounded > CompactHigh) {
        return std::nullopt;
    }
    const auto n = static_cast<int32_t>(rounded);
    if (n % 10000 == 0) {
        return TCompactForm{XLSCellInt32, n / 10000};
    }
    if (n % 100 == 0) {
        return TCompactForm{XLSCellHundredths, n / 100};
    }
    return TCompactForm{XLSCellTenThousandths, n};
}

void PutCompact(const TCompactForm& form, uint8_t* bytes) {
    switch (form.Code) {
    case XLSCellInt8:
        bytes[0] = static_cast<uint8_t>(static_cast<int8_t>(form.Stored));
        break;
    case XLSCellInt16:
        PutPacked<int16_t>(bytes, static_cast<int16_t>(form.Stored));
        break;
    default:
        PutPacked<int32_t>(bytes, form.Stored);
        break;
    }
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof(double)) == 0;
}

// Writes the fields of a formula cell's payload; a field that would not fit raises "Invalid stored formula".
class TPayloadWriter {
public:
    TPayloadWriter(uint8_t* bytes, int32_t length) : FPos(bytes), FEnd(bytes + length) {}

    template <typename T>
    void Put(T value) {
        Reserve(sizeof(T));
        PutPacked<T>(FPos, value);
        FPos += sizeof(T);
    }
    void PutBytes(const void* bytes, size_t count) {
        Reserve(count);
        std::memcpy(FPos, bytes, count);
        FPos += count;
    }
    void PutCell(int32_t col, int32_t row) {
        Put<uint16_t>(static_cast<uint16_t>(col));
        Put<int32_t>(row);
    }

private:
    void Reserve(size_t count) {
        if (count > static_cast<size_t>(FEnd - FPos)) {
            Raise(CellMMUMessages::InvalidStoredFormula);
        }
    }

    uint8_t* FPos;
    uint8_t* FEnd;
};

// Reads the fields of a formula cell's payload; a field beyond its end raises "Invalid stored formula".
class TPayloadReader {
public:
    TPayloadReader(const uint8_t* bytes, int32_t length) : FPos(bytes), FEnd(bytes + length) {}

    template <typename T>
    T Get() {
        return GetPacked<T>(Take(sizeof(T)));
    }
    const uint8_t* Take(size_t count) {
        if (count > static_cast<size_t>(FEnd - FPos)) {
            Raise(CellMMUMessages::InvalidStoredFormula);
        }
        const uint8_t* bytes = FPos;
        FPos += count;
        return bytes;
    }
    void GetCell(int32_t& col, int32_t& row) {
        col = Get<uint16_t>();
        row = Get<int32_t>();
    }

private:
    const uint8_t* FPos;
    const uint8_t* FEnd;
};

// A formula cell's payload taken apart: its flags, its formula part (length, tag and bytes) and a reader
// positioned behind the formula part, at the area and data-table parts.
struct TFormulaParts {
    uint8_t Flags = 0;
    int32_t Length = 0;
    uint8_t Tag = 0;
    const uint8_t* Formula = nullptr;
    TPayloadReader Tail{nullptr, 0};
};

TFormulaParts FormulaPartsOf(const TXLSCellHandle& handle) {
    TPayloadReader reader(handle.Data + 2, GetUInt16(handle.Data));
    TFormulaParts parts;
    parts.Flags = reader.Get<uint8_t>();
    reader.Take(HasXFField(handle) ? 2 : 0);
    switch (CodeOf(handle)) {
    case XLSCellFloatFormula:
        reader.Take(8);
        break;
    case XLSCellStringFormula:
        reader.Take(2 * static_cast<size_t>(reader.Get<uint16_t>()));
        break;
    default:
        reader.Take(1);
        break;
    }
    parts.Length = reader.Get<uint16_t>();
    parts.Tag = reader.Get<uint8_t>();
    parts.Formula = reader.Take((parts.Tag == TagWideText ? 2 : 1) * static_cast<size_t>(parts.Length));
    parts.Tail = reader;
    return parts;
}

uint8_t FormulaCode(uint8_t resultKind) {
    switch (resultKind) {
    case XLSResultFloat:
        return XLSCellFloatFormula;
    case XLSResultString:
        return XLSCellStringFormula;
    case XLSResultBoolean:
        return XLSCellBooleanFormula;
    case XLSResultError:
        return XLSCellErrorFormula;
    default:
        Raise(CellMMUMessages::InvalidFormulaCellType);
    }
}

uint8_t MasterToken(uint8_t formulaKind) {
    switch (formulaKind) {
    case XLSFormulaArrayMember:
        return ptgxExp;
    case XLSFormulaSharedMember:
        return ptgxShared;
    default:
        return ptgxTbl;
    }
}

void CheckColumn(int32_t col) {
    if (col < 0 || col > XLSMaxCol) {
        throw rtl::Exception(rtl::Format(CellMMUMessages::InvalidColumn, {col}));
    }
}

void CheckRow(int32_t row) {
    if (row < 0 || row > XLSMaxRow) {
        throw rtl::Exception(rtl::Format(CellMMUMessages::InvalidRow, {row}));
    }
}

void CheckTableRef(int32_t col, int32_t row) {
    if (col != XLSNoTableRefColumn) {
        CheckColumn(col);
        CheckRow(row);
    }
}

// The cells a formula refers to by position must lie on the sheet, since the cell keeps 16-bit columns.
void CheckFormulaRefs(const TXLSFormulaHelper& helper) {
    if (helper.FormulaKind() > XLSFormulaTableMember) {
        Raise(CellMMUMessages::InvalidXLateCode);
    }
    if (helper.FormulaKind() >= XLSFormulaArrayMember) {
        CheckColumn(helper.MasterCol());
        CheckRow(helper.MasterRow());
    }
    if (helper.HasArea()) {
        CheckColumn(helper.AreaCol1());
        CheckRow(helper.AreaRow1());
        CheckColumn(helper.AreaCol2());
        CheckRow(helper.AreaRow2());
    }
    CheckTableRef(helper.TableRef1Col(), helper.TableRef1Row());
    CheckTableRef(helper.TableRef2Col(), helper.TableRef2Row());
    if (helper.Ptgs() != nullptr && (helper.PtgsSize() < 0 || helper.PtgsSize() > XLSMMUMaxVarCellLength)) {
        throw rtl::Exception(rtl::Format(FormulaHelperMessages::InvalidTokenLength, {helper.PtgsSize()}));
    }
}

void PutTableRefs(TPayloadWriter& writer, const TXLSFormulaHelper& helper) {
    writer.PutCell(helper.TableRef1Col(), helper.TableRef1Row());
    writer.PutCell(helper.TableRef2Col(), helper.TableRef2Row());
}

void GetTableRefs(TPayloadReader& reader, TXLSFormulaHelper& helper) {
    int32_t col = 0;
    int32_t row = 0;
    reader.GetCell(col, row);
    helper.SetTableRef1(col, row);
    reader.GetCell(col, row);
    helper.SetTableRef2(col, row);
}

void PutFormulaPart(TPayloadWriter& writer, const TXLSFormulaHelper& helper) {
    const uint8_t kind = helper.FormulaKind();
    if (kind == XLSFormulaDataTable) {
        writer.Put<uint16_t>(DataTableRefSize);
        writer.Put<uint8_t>(TagCompiled);
        writer.Put<uint8_t>(ptgxDataTable);
        writer.Put<uint8_t>(helper.TableOptions());
        PutTableRefs(writer, helper);
    } else if (kind >= XLSFormulaArrayMember) {
        writer.Put<uint16_t>(MasterRefSize);
        writer.Put<uint8_t>(TagCompiled);
        writer.Put<uint8_t>(MasterToken(kind));
        writer.PutCell(helper.MasterCol(), helper.MasterRow());
    } else if (helper.Ptgs() != nullptr) {
        writer.Put<uint16_t>(static_cast<uint16_t>(helper.PtgsSize()));
        writer.Put<uint8_t>(TagCompiled);
        writer.PutBytes(helper.Ptgs(), helper.PtgsSize());
    } else {
        const rtl::UnicodeString& text = helper.FormulaText();
        writer.Put<uint16_t>(static_cast<uint16_t>(text.size()));
        if (IsNarrowText(text)) {
            writer.Put<uint8_t>(TagNarrowText);
            for (const char16_t character : text) {
                writer.Put<uint8_t>(static_cast<uint8_t>(character));
            }
        } else {
            writer.Put<uint8_t>(TagWideText);
            writer.PutBytes(text.data(), 2 * text.size());
        }
    }
}

void LoadFormulaPart(const TFormulaParts& parts, TXLSFormulaHelper& helper) {
    const uint8_t kind = helper.FormulaKind();
    if (kind <= XLSFormulaArray) {
        if (parts.Tag == TagWideText) {
            helper.SetFormulaText(WideText(parts.Formula, parts.Length));
        } else if (parts.Tag == TagNarrowText) {
            helper.SetFormulaText(rtl::UnicodeString(parts.Formula, parts.Formula + parts.Length));
        } else if (parts.Tag == TagCompiled) {
            helper.SetPtgs(parts.Formula, parts.Length);
        } else {
            Raise(CellMMUMessages::InvalidStoredFormula);
        }
        return;
    }
    if (kind > XLSFormulaTableMember) {
        Raise(CellMMUMessages::InvalidXLateCode);
    }
    if (parts.Tag != TagCompiled) {
        Raise(CellMMUMessages::InvalidStoredFormula);
    }
    TPayloadReader reader(parts.Formula, parts.Length);
    reader.Take(1);
    if (kind == XLSFormulaDataTable) {
        helper.SetTableOptions(reader.Get<uint8_t>());
        GetTableRefs(reader, helper);
        return;
    }
    int32_t col = 0;
    int32_t row = 0;
    reader.GetCell(col, row);
    helper.SetMaster(col, row);
}

} // namespace

// TXLSRowRecord

int32_t TXLSRowRecord::XF() const {
    return GetUInt16(FData + 1);
}

int16_t TXLSRowRecord::Height() const {
    return GetPacked<int16_t>(FData + 4);
}

void TXLSRowRecord::SetHeight(int16_t height) {
    PutPacked<int16_t>(FData + 4, height);
}

// TXLSCellMMU

const TXLSMMULayout& TXLSCellMMU::Layout() {
    static const TXLSMMULayout layout = [] {
        TXLSMMULayout result;
        constexpr std::pair<uint8_t, int32_t> valueSizes[] = {
            {XLSCellInt8, 1},           {XLSCellInt16, 2},   {XLSCellInt32, 4},  {XLSCellHundredths, 4},
            {XLSCellTenThousandths, 4}, {XLSCellSingle, 4},  {XLSCellDouble, 8}, {XLSCellSST16, 2},
            {XLSCellSST32, 4},          {XLSCellBoolean, 1}, {XLSCellError, 1},
        };
        for (const auto& [code, size] : valueSizes) {
            result.SetTypeSize(code, size);
            result.SetTypeSize(code | XLSCellHasXF, size + 2);
        }
        result.SetTypeSize(XLSCellBlank | XLSCellHasXF, 2);
        uint8_t record[TXLSRowRecord::Size] = {};
        PutPacked<int16_t>(record + 4, TXLSRowRecord::DefaultHeight);
        result.SetRowRecordDefaults(TXLSRowRecord::Size, record);
        return result;
    }();
    return layout;
}

TXLSCellMMU::TXLSCellMMU(int32_t sheetIndex, TXLSCellFormatUses& formats, TXLSCellStrings& strings)
    : FSheetIndex(sheetIndex), FFormats(&formats), FSST(&strings), FBlockManager(Layout()) {
    Clear();
}

TXLSCellMMU::~TXLSCellMMU() = default;

void TXLSCellMMU::Clear() {
    FBlockManager.SetBlock(nullptr);
    FBlocks.clear();
    FBlocks.push_back(std::make_unique<TXLSMMUBlock>());
    FDimension = TXLSCellAreaRec{};
    FIterCol = -1;
    FIterRow = -1;
    FIterLastRow = -1;
    FIterRowRecord = TXLSRowRecord();
    FIterCell = TXLSCellHandle{};
}

void TXLSCellMMU::CheckCell(int32_t col, int32_t row) {
    CheckColumn(col);
    CheckRow(row);
}

void TXLSCellMMU::CheckXF(int32_t xf) {
    if (xf < 0 || xf > MaxXF) {
        throw rtl::Exception(rtl::Format(CellMMUMessages::InvalidXF, {xf}));
    }
}

void TXLSCellMMU::UseXF(int32_t xf) {
    FFormats->UseXFIndex(xf);
}

void TXLSCellMMU::ReleaseXF(int32_t xf) {
    FFormats->ReleaseXFIndex(xf);
}

void TXLSCellMMU::MakeBlockCurrent(int32_t row) {
    const size_t block = static_cast<size_t>(row / XLSMMUBlockRows);
    if (FBlocks.size() <= block) {
        FBlocks.resize(block + 1);
    }
    if (FBlocks[block] == nullptr) {
        FBlocks[block] = std::make_unique<TXLSMMUBlock>();
    }
    if (FWrittenBlock != block && FWrittenBlock < FBlocks.size() && FBlocks[FWrittenBlock] != nullptr) {
        FBlocks[FWrittenBlock]->ReleaseSpare();
    }
    FWrittenBlock = block;
    FBlockManager.SetBlock(FBlocks[block].get());
}

bool TXLSCellMMU::HasRows(size_t block) const {
    return FBlocks[block] != nullptr && FBlocks[block]->Size() > 0;
}

bool TXLSCellMMU::SelectBlock(int32_t row) {
    if (row < 0 || static_cast<size_t>(row / XLSMMUBlockRows) >= FBlocks.size()) {
        return false;
    }
    TXLSMMUBlock* block = FBlocks[row / XLSMMUBlockRows].get();
    FBlockManager.SetBlock(block);
    return block != nullptr;
}

TXLSCellMMU::TCellUses TXLSCellMMU::UsesOf(const TXLSCellHandle& handle) const {
    return {true, GetXF(handle), GetSSTIndex(handle)};
}

void TXLSCellMMU::ReleaseUses(const TCellUses& uses) {
    if (!uses.Present) {
        return;
    }
    ReleaseXF(uses.XF);
    if (uses.SSTIndex >= 0) {
        FSST->Release(uses.SSTIndex);
    }
}

uint8_t* TXLSCellMMU::AddCellData(int32_t col, int32_t row, int32_t xf, uint8_t type, int32_t length,
                                  int32_t sstIndex) {
    CheckCell(col, row);
    CheckXF(xf);
    UseXF(xf);
    TCellUses old;
    bool newRow = false;
    uint8_t* data = nullptr;
    try {
        TXLSCellHandle handle;
        if (FindCell(col, row, handle)) {
            old = UsesOf(handle);
        }
        MakeBlockCurrent(row);
        const int32_t slot = row % XLSMMUBlockRows;
        newRow = FBlockManager.RowVector(slot) == nullptr;
        data = length < 0 ? FBlockManager.AddCell(slot, col, type) : FBlockManager.AddVarCell(slot, col, length, type);
    } catch (...) {
        ReleaseXF(xf);
        throw;
    }
    if (newRow) {
        UseXF(XLSDefaultXF);
    }
    // The new string is taken before the old one is given back: they may be the same string.
    if (sstIndex >= 0) {
        FSST->AddRef(sstIndex);
    }
    ReleaseUses(old);
    return data;
}

uint8_t* TXLSCellMMU::StoreFixed(int32_t col, int32_t row, int32_t xf, uint8_t code, int32_t sstIndex) {
    const bool hasXF = xf != 0;
    uint8_t* data = AddCellData(col, row, xf, hasXF ? code | XLSCellHasXF : code, -1, sstIndex);
    if (!hasXF) {
        return data;
    }
    PutPacked<uint16_t>(data, static_cast<uint16_t>(xf));
    return data + 2;
}

void TXLSCellMMU::StoreBlank(int32_t col, int32_t row, int32_t xf) {
    // A blank cell exists only for its format, so it always has the XF field.
    uint8_t* data = AddCellData(col, row, xf, XLSCellBlank | XLSCellHasXF, -1, -1);
    PutPacked<uint16_t>(data, static_cast<uint16_t>(xf));
}

void TXLSCellMMU::StoreBoolean(int32_t col, int32_t row, int32_t xf, bool value) {
    *StoreFixed(col, row, xf, XLSCellBoolean, -1) = value ? 1 : 0;
}

void TXLSCellMMU::StoreError(int32_t col, int32_t row, int32_t xf, int32_t errorIndex) {
    if (errorIndex < 0 || errorIndex >= static_cast<int32_t>(XLSErrorTexts.size())) {
        Raise(FormulaHelperMessages::InvalidErrorValue);
    }
    *StoreFixed(col, row, xf, XLSCellError, -1) = static_cast<uint8_t>(errorIndex);
}

void TXLSCellMMU::StoreFloat(int32_t col, int32_t row, int32_t xf, double value) {
    std::array<uint8_t, 8> bytes;
    const uint8_t code = CompactNumber(value, bytes);
    std::memcpy(StoreFixed(col, row, xf, code, -1), bytes.data(), Layout().TypeSize(code));
}

void TXLSCellMMU::StoreSSTIndex(int32_t col, int32_t row, int32_t xf, int32_t index) {
    // Checked before anything changes; the reference itself is taken once the cell is written.
    FSST->CheckString(index);
    const bool small = index <= 0xFFFF;
    uint8_t* value = StoreFixed(col, row, xf, small ? XLSCellSST16 : XLSCellSST32, index);
    if (small) {
        PutPacked<uint16_t>(value, static_cast<uint16_t>(index));
    } else {
        PutPacked<int32_t>(value, index);
    }
}

void TXLSCellMMU::StoreString(int32_t col, int32_t row, rtl::UnicodeStringView text, int32_t xf) {
    CheckCell(col, row);
    CheckXF(xf);
    StoreSSTIndex(col, row, xf, FSST->FindOrAddString(text));
}

void TXLSCellMMU::StoreFormula() {
    const TXLSFormulaHelper& helper = FFormulaHelper;
    const uint8_t code = FormulaCode(helper.ResultKind());
    CheckCell(helper.Col(), helper.Row());
    CheckXF(helper.XF());
    CheckFormulaRefs(helper);
    const int64_t size = helper.CalcCellSize();
    if (size > XLSMMUMaxVarCellLength) {
        throw rtl::Exception(rtl::Format(CellMMUMessages::FormulaTooLarge, {size}));
    }
    const int32_t length = static_cast<int32_t>(size);
    const uint8_t type = helper.XF() != 0 ? code | XLSCellHasXF : code;
    uint8_t* data = AddCellData(helper.Col(), helper.Row(), helper.XF(), type, length, -1);
    WriteFormulaPayload(data + 2, length);
}

void TXLSCellMMU::WriteFormulaPayload(uint8_t* payload, int32_t length) const {
    const TXLSFormulaHelper& helper = FFormulaHelper;
    TPayloadWriter writer(payload, length);
    writer.Put<uint8_t>(static_cast<uint8_t>(helper.FormulaKind() | (helper.HasArea() ? FormulaHasArea : 0) |
                                             (helper.HasTable() ? FormulaHasTable : 0)));
    if (helper.XF() != 0) {
        writer.Put<uint16_t>(static_cast<uint16_t>(helper.XF()));
    }
    switch (helper.ResultKind()) {
    case XLSResultFloat:
        writer.Put<double>(helper.FloatResult());
        break;
    case XLSResultString:
        writer.Put<uint16_t>(static_cast<uint16_t>(helper.StringResult().size()));
        writer.PutBytes(helper.StringResult().data(), 2 * helper.StringResult().size());
        break;
    case XLSResultBoolean:
        writer.Put<uint8_t>(helper.BooleanResult() ? 1 : 0);
        break;
    default:
        writer.Put<uint8_t>(helper.ErrorResult());
        break;
    }
    PutFormulaPart(writer, helper);
    if (helper.HasArea()) {
        writer.PutCell(helper.AreaCol1(), helper.AreaRow1());
        writer.PutCell(helper.AreaCol2(), helper.AreaRow2());
    }
    if (helper.HasTable()) {
        writer.Put<uint8_t>(helper.TableOptions());
        PutTableRefs(writer, helper);
    }
}

TXLSRowRecord TXLSCellMMU::SetRowFormat(int32_t row, int32_t xf) {
    CheckRow(row);
    CheckXF(xf);
    UseXF(xf);
    const int32_t slot = row % XLSMMUBlockRows;
    int32_t oldXF = -1;
    uint8_t* record = nullptr;
    try {
        MakeBlockCurrent(row);
        const TXLSRowRecord existing(FBlockManager.GetRowRecord(slot));
        oldXF = existing ? existing.XF() : -1;
        record = FBlockManager.GetOrAddRowRecord(slot);
    } catch (...) {
        ReleaseXF(xf);
        throw;
    }
    std::memcpy(record, Layout().RowRecordDefaults(), TXLSRowRecord::Size);
    PutPacked<uint16_t>(record + 1, static_cast<uint16_t>(xf));
    if (oldXF >= 0) {
        ReleaseXF(oldXF);
    }
    return TXLSRowRecord(record);
}

void TXLSCellMMU::SetCellXF(int32_t col, int32_t row, int32_t xf) {
    TXLSCellHandle handle;
    if (!FindCell(col, row, handle)) {
        return;
    }
    const int32_t oldXF = GetXF(handle);
    if (oldXF == xf) {
        return;
    }
    CheckXF(xf);
    if (oldXF != 0 && xf != 0) {
        UseXF(xf);
        PutPacked<uint16_t>(XFAddress(handle), static_cast<uint16_t>(xf));
        ReleaseXF(oldXF);
        return;
    }
    RewriteWithXF(col, row, handle, xf);
}

void TXLSCellMMU::RewriteWithXF(int32_t col, int32_t row, const TXLSCellHandle& handle, int32_t xf) {
    switch (GetKind(handle)) {
    case XLSKindBlank:
        StoreBlank(col, row, xf);
        break;
    case XLSKindBoolean:
        StoreBoolean(col, row, xf, GetBoolean(handle));
        break;
    case XLSKindError:
        StoreError(col, row, xf, GetError(handle));
        break;
    case XLSKindString:
        StoreSSTIndex(col, row, xf, GetSSTIndex(handle));
        break;
    case XLSKindFloat:
        StoreFloat(col, row, xf, GetFloat(handle));
        break;
    default:
        LoadFormula(handle);
        FFormulaHelper.SetCell(col, row);
        FFormulaHelper.SetXF(xf);
        StoreFormula();
        break;
    }
}

void TXLSCellMMU::SetString(int32_t col, int32_t row, rtl::UnicodeStringView text, int32_t defaultXF) {
    TXLSCellHandle handle;
    if (!FindCell(col, row, handle)) {
        StoreString(col, row, text, defaultXF);
        return;
    }
    const int32_t kind = GetKind(handle);
    if (IsFormulaCell(handle)) {
        SetFormulaStringResult(col, row, text);
        return;
    }
    if (kind != XLSKindString) {
        StoreString(col, row, text, HasXFField(handle) ? GetXF(handle) : defaultXF);
        return;
    }
    const int32_t index = FSST->FindOrAddString(text);
    const uint8_t code = index <= 0xFFFF ? XLSCellSST16 : XLSCellSST32;
    if (code != CodeOf(handle)) {
        StoreSSTIndex(col, row, GetXF(handle), index);
        return;
    }
    const int32_t oldIndex = GetSSTIndex(handle);
    FSST->AddRef(index);
    if (code == XLSCellSST16) {
        PutPacked<uint16_t>(ValueAddress(handle), static_cast<uint16_t>(index));
    } else {
        PutPacked<int32_t>(ValueAddress(handle), index);
    }
    FSST->Release(oldIndex);
}

void TXLSCellMMU::SetFormulaStringResult(int32_t col, int32_t row, rtl::UnicodeStringView text) {
    TXLSCellHandle handle;
    if (!FindCell(col, row, handle) || !IsFormulaCell(handle)) {
        Raise(CellMMUMessages::CellNotFormula);
    }
    if (CodeOf(handle) == XLSCellStringFormula && GetFormulaStringResult(handle) == text) {
        return;
    }
    LoadFormula(handle);
    FFormulaHelper.SetCell(col, row);
    FFormulaHelper.SetStringResult(text);
    StoreFormula();
}

bool TXLSCellMMU::FindCell(int32_t col, int32_t row, TXLSCellHandle& handle) {
    handle = TXLSCellHandle{};
    if (!SelectBlock(row)) {
        return false;
    }
    uint8_t type = 0;
    uint8_t* data = FBlockManager.FindCell(row % XLSMMUBlockRows, col, type);
    if (data == nullptr) {
        return false;
    }
    handle = {type, data};
    return true;
}

TXLSRowRecord TXLSCellMMU::GetRowRecord(int32_t row) {
    if (!SelectBlock(row)) {
        return TXLSRowRecord();
    }
    return TXLSRowRecord(FBlockManager.GetRowRecord(row % XLSMMUBlockRows));
}

int32_t TXLSCellMMU::CellKind(int32_t cellType) {
    const int32_t code = cellType & XLSCellCodeMask;
    switch (code) {
    case XLSCellBlank:
        return XLSKindBlank;
    case XLSCellSST16:
    case XLSCellSST32:
        return XLSKindString;
    case XLSCellBoolean:
        return XLSKindBoolean;
    case XLSCellError:
        return XLSKindError;
    default:
        break;
    }
    if (code >= XLSCellInt8 && code <= XLSCellDouble) {
        return XLSKindFloat;
    }
    if (code >= XLSCellFloatFormula && code <= XLSCellErrorFormula) {
        return code - XLSCellFloatFormula + XLSResultFloat;
    }
    Raise(CellMMUMessages::InvalidXLateCode);
}

int32_t TXLSCellMMU::GetKind(const TXLSCellHandle& handle) const {
    return handle.Data != nullptr ? CellKind(handle.CellType) : XLSKindNone;
}

int32_t TXLSCellMMU::GetXF(const TXLSCellHandle& handle) const {
    return handle.Data != nullptr && HasXFField(handle) ? GetUInt16(XFAddress(handle)) : 0;
}

double TXLSCellMMU::GetFloat(const TXLSCellHandle& handle) const {
    if (FormulaCodeOf(handle) == XLSCellFloatFormula) {
        return GetPacked<double>(ValueAddress(handle));
    }
    const uint8_t code = FixedCodeOf(handle);
    return code >= XLSCellInt8 && code <= XLSCellDouble ? CompactValue(code, ValueAddress(handle)) : 0;
}

bool TXLSCellMMU::GetBoolean(const TXLSCellHandle& handle) const {
    return FixedCodeOf(handle) == XLSCellBoolean && *ValueAddress(handle) == 1;
}

int32_t TXLSCellMMU::GetError(const TXLSCellHandle& handle) const {
    return FixedCodeOf(handle) == XLSCellError ? *ValueAddress(handle) : 0;
}

int32_t TXLSCellMMU::GetSSTIndex(const TXLSCellHandle& handle) const {
    switch (FixedCodeOf(handle)) {
    case XLSCellSST16:
        return GetUInt16(ValueAddress(handle));
    case XLSCellSST32:
        return GetInt32(ValueAddress(handle));
    default:
        return -1;
    }
}

rtl::UnicodeString TXLSCellMMU::GetString(const TXLSCellHandle& handle) const {
    const int32_t index = GetSSTIndex(handle);
    return index >= 0 ? FSST->GetString(index) : rtl::UnicodeString();
}

double TXLSCellMMU::GetFormulaFloatResult(const TXLSCellHandle& handle) const {
    return FormulaCodeOf(handle) == XLSCellFloatFormula ? GetPacked<double>(ValueAddress(handle)) : 0;
}

rtl::UnicodeString TXLSCellMMU::GetFormulaStringResult(const TXLSCellHandle& handle) const {
    if (FormulaCodeOf(handle) != XLSCellStringFormula) {
        return {};
    }
    const uint8_t* value = ValueAddress(handle);
    return WideText(value + 2, GetUInt16(value));
}

bool TXLSCellMMU::GetFormulaBoolResult(const TXLSCellHandle& handle) const {
    return FormulaCodeOf(handle) == XLSCellBooleanFormula && *ValueAddress(handle) == 1;
}

int32_t TXLSCellMMU::GetFormulaErrorResult(const TXLSCellHandle& handle) const {
    return FormulaCodeOf(handle) == XLSCellErrorFormula ? *ValueAddress(handle) : 0;
}

rtl::UnicodeString TXLSCellMMU::GetFormulaText(const TXLSCellHandle& handle) const {
    if (!IsFormulaCell(handle)) {
        return {};
    }
    const TFormulaParts parts = FormulaPartsOf(handle);
    switch (parts.Tag) {
    case TagNarrowText:
        return rtl::UnicodeString(parts.Formula, parts.Formula + parts.Length);
    case TagWideText:
        return WideText(parts.Formula, parts.Length);
    case TagCompiled:
        Raise(CellMMUMessages::FormulaCompiled);
    default:
        Raise(CellMMUMessages::InvalidFormula);
    }
}

bool TXLSCellMMU::IsFormulaCompiled(const TXLSCellHandle& handle) const {
    return IsFormulaCell(handle) && FormulaPartsOf(handle).Tag == TagCompiled;
}

const uint8_t* TXLSCellMMU::GetFormulaPtgs(const TXLSCellHandle& handle, int32_t& length) const {
    if (!IsFormulaCell(handle)) {
        Raise(CellMMUMessages::FormulaNotCompiled);
    }
    const TFormulaParts parts = FormulaPartsOf(handle);
    if (parts.Tag != TagCompiled) {
        Raise(CellMMUMessages::FormulaNotCompiled);
    }
    length = parts.Length;
    return parts.Formula;
}

void TXLSCellMMU::LoadFormula(const TXLSCellHandle& handle) {
    if (!IsFormulaCell(handle)) {
        Raise(CellMMUMessages::CellNotFormula);
    }
    TFormulaParts parts = FormulaPartsOf(handle);
    TXLSFormulaHelper& helper = FFormulaHelper;
    helper.Clear();
    helper.SetFormulaKind(parts.Flags & FormulaKindMask);
    helper.SetXF(GetXF(handle));
    switch (CodeOf(handle)) {
    case XLSCellFloatFormula:
        helper.SetFloatResult(GetFormulaFloatResult(handle));
        break;
    case XLSCellStringFormula:
        helper.SetStringResult(GetFormulaStringResult(handle));
        break;
    case XLSCellBooleanFormula:
        helper.SetBooleanResult(GetFormulaBoolResult(handle));
        break;
    case XLSCellErrorFormula:
        helper.SetErrorResult(GetFormulaErrorResult(handle));
        break;
    default:
        Raise(CellMMUMessages::InvalidXLateCode);
    }
    LoadFormulaPart(parts, helper);
    if ((parts.Flags & FormulaHasArea) != 0) {
        int32_t col1 = 0;
        int32_t row1 = 0;
        int32_t col2 = 0;
        int32_t row2 = 0;
        parts.Tail.GetCell(col1, row1);
        parts.Tail.GetCell(col2, row2);
        helper.SetArea(col1, row1, col2, row2);
        helper.SetHasArea(true);
    }
    if ((parts.Flags & FormulaHasTable) != 0) {
        helper.SetTableOptions(parts.Tail.Get<uint8_t>());
        GetTableRefs(parts.Tail, helper);
        helper.SetHasTable(true);
    }
}

void TXLSCellMMU::CalcDimension() {
    FDimension = TXLSCellAreaRec{};
    if (FBlocks.empty()) {
        return;
    }
    TXLSCellAreaRec area{2147483647, -2147483646, 2147483647, -2147483646};
    for (size_t b = 0; b < FBlocks.size(); ++b) {
        if (!HasRows(b)) {
            continue;
        }
        FBlockManager.SetBlock(FBlocks[b].get());
        const TXLSCellAreaRec block = FBlockManager.GetBlockArea();
        const int32_t base = static_cast<int32_t>(b) * XLSMMUBlockRows;
        area.Row1 = std::min(area.Row1, block.Row1 + base);
        area.Row2 = std::max(area.Row2, block.Row2 + base);
        area.Col1 = std::min(area.Col1, block.Col1);
        area.Col2 = std::max(area.Col2, block.Col2);
    }
    // No cell at all leaves the columns at their start values: the sheet reports 0, 0, 0, 0.
    if (area.Col1 > XLSMaxCol + 1 || area.Col2 > XLSMaxCol + 1 || area.Row1 > XLSMaxRow + 1 ||
        area.Row2 > XLSMaxRow + 1) {
        area = TXLSCellAreaRec{0, 0, 0, 0};
    }
    FDimension = area;
}

uint8_t TXLSCellMMU::CompactNumber(double value, std::array<uint8_t, 8>& bytes) {
    bytes.fill(0);
    if (const std::optional<TCompactForm> form = CompactCandidate(value)) {
        PutCompact(*form, bytes.data());
        if (SameBits(CompactValue(form->Code, bytes.data()), value)) {
            return form->Code;
        }
        bytes.fill(0);
    }
    PutPacked<double>(bytes.data(), value);
    return XLSCellDouble;
}

bool TXLSCellMMU::BeginIterate(int32_t row) {
    FIterRow = row - 1;
    FIterLastRow = LastRow();
    FIterCol = -1;
    return NextRow();
}

bool TXLSCellMMU::NextRow() {
    if (FBlocks.empty()) {
        return false;
    }
    for (int32_t row = std::max(FIterRow + 1, 0); row <= FIterLastRow;) {
        const int32_t block = row / XLSMMUBlockRows;
        const int32_t nextBlock = (block + 1) * XLSMMUBlockRows;
        if (!HasRows(block)) {
            row = nextBlock;
            continue;
        }
        FBlockManager.SetBlock(FBlocks[block].get());
        int32_t slot = row % XLSMMUBlockRows;
        if (uint8_t* vector = FBlockManager.NextRow(slot)) {
            FIterRow = block * XLSMMUBlockRows + slot;
            FIterCol = -1;
            FIterCell = TXLSCellHandle{};
            FIterRowRecord = TXLSRowRecord(vector + XLSMMUVectorHeaderSize);
            return true;
        }
        row = nextBlock;
    }
    return false;
}

bool TXLSCellMMU::NextCell() {
    if (FIterRow < 0 || !SelectBlock(FIterRow)) {
        return false;
    }
    FBlockManager.SelectRow(FIterRow % XLSMMUBlockRows);
    int32_t col = FIterCol + 1;
    uint8_t type = 0;
    uint8_t* data = FBlockManager.NextCell(col, type);
    if (data == nullptr) {
        return false;
    }
    FIterCol = col;
    FIterCell = {type, data};
    return true;
}

int32_t TXLSCellMMU::LastRow() const {
    if (FBlocks.empty()) {
        return -1;
    }
    const TXLSMMUBlock* last = FBlocks.back().get();
    int32_t absent = 0;
    while (absent < XLSMMUBlockRows && (last == nullptr || last->RowOffset(XLSMMUBlockRows - 1 - absent) < 0)) {
        ++absent;
    }
    return static_cast<int32_t>(FBlocks.size()) * XLSMMUBlockRows - absent - 1;
}

int64_t TXLSCellMMU::MemorySize() const {
    int64_t size = static_cast<int64_t>(FBlocks.capacity() * sizeof(FBlocks[0]));
    for (const auto& block : FBlocks) {
        if (block != nullptr) {
            size += static_cast<int64_t>(sizeof(TXLSMMUBlock)) + block->Capacity();
        }
    }
    return size;
}

} // namespace xls
