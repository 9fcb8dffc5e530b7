// The handler of the FORMULA record (MS-XLS 2.4.127) with the records that may follow it: the shared formula
// (SHRFMLA) or array formula (ARRAY) that a cell pointing elsewhere (PtgExp) takes its tokens from, and the STRING
// record of a string result. Those records are read here and never reach the dispatch.
//
// Only BIFF8 tokens are kept: the tokens of earlier versions have other sizes and references, so their cells keep
// their cached result alone (and an empty formula text).

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/formula/BIFF_DecodeFormula.h"
#include "xls/biff/stream/BIFF_ContinuedData.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

namespace xls {

namespace {

// Where the fields of a FORMULA record are: BIFF5-8 (MS-XLS 2.4.127); BIFF3 and BIFF4, which lack the 4-byte field
// before the token length; and BIFF2 with its attribute bytes in place of the XF number, one-byte option and one-byte
// token length. Writers of BIFF5-8 files use the ids of BIFF3 and BIFF4 (0x0206, 0x0406) too.
struct TFormulaLayout {
    int32_t Result;
    int32_t Options;
    int32_t TokenLength;
    int32_t Tokens;
    bool Attributes;
};
constexpr TFormulaLayout Formula5Layout = {6, 14, 20, 22, false};
constexpr TFormulaLayout Formula3Layout = {6, 14, 16, 18, false};
constexpr TFormulaLayout Formula2Layout = {7, 15, 16, 17, true};
constexpr int32_t FormulaRow = 0;
constexpr int32_t FormulaCol = 2;
constexpr int32_t FormulaXF = 4;
constexpr uint16_t FormulaAlwaysCalc = 0x0001;
constexpr uint16_t FormulaShared = 0x0008;

// A result that is no number (MS-XLS 2.5.133 FormulaValue): 0xFFFF in its last two bytes, its type in its first.
constexpr uint8_t ResultString = 0;
constexpr uint8_t ResultBoolean = 1;
constexpr uint8_t ResultError = 2;
constexpr uint8_t ResultEmptyString = 3;
constexpr int32_t ResultValue = 2;

// The token that points at the cell whose shared or array formula a cell takes, and its row and column (BIFF8).
constexpr uint8_t PtgExp = 0x01;
constexpr int32_t PtgExpSize = 5;

// SHRFMLA and ARRAY: the area (rows 16-bit, columns a byte each), then their own fields, the token length and the
// tokens, then the array-constant data.
constexpr int32_t AreaRow1 = 0;
constexpr int32_t AreaRow2 = 2;
constexpr int32_t AreaCol1 = 4;
constexpr int32_t AreaCol2 = 5;
constexpr int32_t ShrFmlaTokenLength = 8;
constexpr int32_t ArrayOptions = 6;
constexpr int32_t ArrayTokenLength = 12;

// The flag byte of a STRING record's text (MS-XLS 2.5.294 XLUnicodeString): UTF-16 characters follow.
constexpr uint8_t StringResultWide = 0x01;

// The option bits a reader gives the formula helper: always calculate.
constexpr uint8_t HelperAlwaysCalc = 4;

// The length tokens of a record at offset and the array-constant data after them, up to the record's end. Tokens
// that run past the record raise.
struct TTokensAndExtra {
    std::span<const uint8_t> Tokens;
    std::span<const uint8_t> Extra;
};

TTokensAndExtra SplitTokens(const TBIFFBody& body, uint16_t id, int32_t offset, size_t length) {
    const std::span<const uint8_t> rest = body.From(offset);
    if (length > rest.size()) {
        throw EBIFFError(rtl::Format(BIFFMessages::FieldPastEnd, {id, length, offset, body.Size()}));
    }
    return {rest.first(length), rest.subspan(length)};
}

// The area of a SHRFMLA or ARRAY record.
TXLSCellAreaRec RecordArea(const TBIFFBody& body) {
    TXLSCellAreaRec area;
    SetCellArea(area, body.Byte(AreaCol1), body.Word(AreaRow1), body.Byte(AreaCol2), body.Word(AreaRow2));
    return area;
}

bool Covers(const TXLSCellAreaRec& area, int32_t col, int32_t row) {
    return col >= area.Col1 && col <= area.Col2 && row >= area.Row1 && row <= area.Row2;
}

} // namespace

void TXLSReadBIFF::ReadFormula() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    // The file's version gives the layout, whichever of the three ids a writer chose.
    const TFormulaLayout& layout = FVersion >= xvExcel50   ? Formula5Layout
                                   : FVersion >= xvExcel30 ? Formula3Layout
                                                           : Formula2Layout;
    const bool biff2 = layout.Attributes;
    if (!HoldsFields(layout.Tokens)) {
        return;
    }
    TBIFFFormulaCell cell;
    cell.Row = body.Word(FormulaRow);
    cell.Col = body.Word(FormulaCol);
    cell.XF = biff2 ? 0 : CellXF(body.Word(FormulaXF));
    const uint16_t options = biff2 ? body.Byte(layout.Options) : body.Word(layout.Options);
    cell.AlwaysCalc = (options & FormulaAlwaysCalc) != 0;
    ReadFormulaResult(layout.Result, cell);
    const int32_t tokenLength = biff2 ? body.Byte(layout.TokenLength) : body.Word(layout.TokenLength);
    const TTokensAndExtra parts = SplitTokens(body, FHeader.RecID, layout.Tokens, tokenLength);
    const std::span<const uint8_t> tokens = parts.Tokens;
    const bool pointer = tokenLength > 0 && tokens[0] == PtgExp;
    if (pointer && (options & FormulaShared) != 0 && !biff2) {
        TakeSharedFormula(cell, tokens);
    } else if (!(pointer && TakeArrayFormula(cell))) {
        FPendingArray.reset();
        if (IsBIFF8()) {
            cell.Tokens.assign(tokens.begin(), tokens.end());
            cell.Extra.assign(parts.Extra.begin(), parts.Extra.end());
        }
    }
    if (cell.ResultInStringRecord && !ReadStringResult(cell.Result)) {
        return;
    }
    if (tokenLength == 0 && cell.Result.Kind == TXLSCellValue::vkFloat) {
        return;
    }
    PutFormula(cell);
}

void TXLSReadBIFF::ReadFormulaResult(int32_t offset, TBIFFFormulaCell& cell) const {
    const TBIFFBody body = Body();
    const uint8_t type = body.Byte(offset);
    if (body.Word(offset + 6) != 0xFFFF || type > ResultEmptyString) {
        cell.Result = TXLSCellValue::OfFloat(body.Double(offset));
        return;
    }
    const uint8_t value = body.Byte(offset + ResultValue);
    switch (type) {
    case ResultString:
        cell.ResultInStringRecord = true;
        break;
    case ResultBoolean:
        cell.Result = TXLSCellValue::OfBoolean(value != 0);
        break;
    case ResultError:
        cell.Result = TXLSCellValue::OfIndex(TXLSCellValue::vkError, ErrorByteToIndex(value));
        break;
    default:
        cell.Result = TXLSCellValue::OfString(u"");
        break;
    }
}

void TXLSReadBIFF::TakeSharedFormula(TBIFFFormulaCell& cell, std::span<const uint8_t> pointer) {
    if (FStream.PeekRecordId() == BIFFRecordShrFmla) {
        ReadSharedFormulaRecord();
    }
    if (!IsBIFF8()) {
        return;
    }
    FSharedFormulas.Advance(cell.Row);
    const TBIFFSharedFormula* shared = nullptr;
    if (pointer.size() >= PtgExpSize) {
        shared = FSharedFormulas.Find(LoadUInt16LE(&pointer[3]), LoadUInt16LE(&pointer[1]));
    }
    if (shared == nullptr) {
        throw EBIFFError(
            rtl::Format(BIFFMessages::SharedFormulaFixup, {cell.Col, cell.Row, ColRowToStr(cell.Col, cell.Row)}));
    }
    cell.Tokens = shared->Tokens;
    ConvertSharedFormula(cell.Tokens, cell.Row, cell.Col);
    cell.Extra = shared->Extra;
}

void TXLSReadBIFF::ReadSharedFormulaRecord() {
    const uint16_t id = ReadNextRecord(FFollowingBody);
    const TBIFFBody body(FFollowingBody);
    if (!IsBIFF8()) {
        return;
    }
    const TTokensAndExtra parts = SplitTokens(body, id, ShrFmlaTokenLength + 2, body.Word(ShrFmlaTokenLength));
    FSharedFormulas.Add(RecordArea(body), parts.Tokens, parts.Extra);
}

bool TXLSReadBIFF::TakeArrayFormula(TBIFFFormulaCell& cell) {
    if (FStream.PeekRecordId() == BIFFRecordArray) {
        ReadArrayRecord();
        cell.Kind = XLSFormulaArray;
        cell.Area = FPendingArray->Area;
        cell.AlwaysCalc = cell.AlwaysCalc || FPendingArray->AlwaysCalc;
        cell.Tokens = FPendingArray->Tokens;
        cell.Extra = FPendingArray->Extra;
        return true;
    }
    if (FPendingArray && Covers(FPendingArray->Area, cell.Col, cell.Row)) {
        cell.Kind = XLSFormulaArrayMember;
        cell.MasterCol = FPendingArray->Area.Col1;
        cell.MasterRow = FPendingArray->Area.Row1;
        return true;
    }
    return false;
}

void TXLSReadBIFF::ReadArrayRecord() {
    const uint16_t id = ReadNextRecord(FFollowingBody);
    const TBIFFBody body(FFollowingBody);
    TBIFFArrayFormula& array = FPendingArray.emplace();
    array.Area = RecordArea(body);
    array.AlwaysCalc = (body.Word(ArrayOptions) & FormulaAlwaysCalc) != 0;
    if (!IsBIFF8()) {
        return;
    }
    const TTokensAndExtra parts = SplitTokens(body, id, ArrayTokenLength + 2, body.Word(ArrayTokenLength));
    array.Tokens.assign(parts.Tokens.begin(), parts.Tokens.end());
    array.Extra.assign(parts.Extra.begin(), parts.Extra.end());
}

bool TXLSReadBIFF::ReadStringResult(TXLSCellValue& result) {
    uint16_t next = FStream.PeekRecordId();
    if (next == BIFFRecordTable) {
        // A cell of a data table: its TABLE record comes between the formula and the STRING of its result.
        KeepNextRaw();
        next = FStream.PeekRecordId();
    }
    if (next == BIFFRecordShrFmla) {
        throw EBIFFError(BIFFMessages::UnexpectedShrFmla);
    }
    if (next != BIFFRecordString && next != BIFFRecordString2) {
        // Without its text the cell is left out.
        return false;
    }
    ReadNextRecord(FFollowingBody);
    const TBIFFBody body(FFollowingBody);
    result.Kind = TXLSCellValue::vkString;
    if (next == BIFFRecordString2) {
        result.Text = Text8Checked(body.From(1), body.Byte(0));
    } else if (IsBIFF8()) {
        result.Text = ContinuedStringResult();
    } else {
        result.Text = Text8Checked(body.From(2), body.Word(0));
    }
    return true;
}

rtl::UnicodeString TXLSReadBIFF::ContinuedStringResult() {
    TBIFFContinuedData data(BIFFMessages::ContinueMissing, BIFFMessages::StringSplitCharacter);
    data.AddPiece(FFollowingBody);
    ReadContinueRecords([&data](std::span<const uint8_t> piece) { data.AddPiece(piece); });
    const uint16_t count = data.TakeWord();
    if (count == 0) {
        return {};
    }
    bool wide = (data.Take(1)[0] & StringResultWide) != 0;
    return data.ReadCharacters(count, wide);
}

uint16_t TXLSReadBIFF::ReadNextRecord(std::vector<uint8_t>& body) {
    TBIFFHeader header;
    FStream.ReadHeader(header);
    ReadBody(header, body);
    return header.RecID;
}

void TXLSReadBIFF::PutFormula(const TBIFFFormulaCell& cell) {
    TXLSCellMMU& cells = FCurrentWorksheet->GetCells();
    TXLSFormulaHelper& helper = cells.FormulaHelper();
    helper.Clear();
    helper.SetCell(cell.Col, cell.Row);
    helper.SetXF(cell.XF);
    helper.SetFormulaKind(cell.Kind);
    helper.SetOptions(cell.AlwaysCalc ? HelperAlwaysCalc : 0);
    if (cell.Kind == XLSFormulaArrayMember) {
        helper.SetMaster(cell.MasterCol, cell.MasterRow);
    } else if (cell.Kind == XLSFormulaArray) {
        helper.SetArea(cell.Area.Col1, cell.Area.Row1, cell.Area.Col2, cell.Area.Row2);
        helper.SetHasArea(true);
    }
    if (cell.Tokens.empty()) {
        // No tokens: the cell keeps its result.
    } else if (cell.Extra.empty()) {
        helper.SetCompiledPtgs(cell.Tokens.data(), static_cast<int32_t>(cell.Tokens.size()));
    } else {
        std::vector<uint8_t> tokens = cell.Tokens;
        tokens.insert(tokens.end(), cell.Extra.begin(), cell.Extra.end());
        helper.SetPtgsWithExtra(tokens.data(), static_cast<int32_t>(cell.Tokens.size()),
                                static_cast<int32_t>(cell.Extra.size()));
    }
    SetFormulaHelperResult(helper, cell.Result);
    if (FManager.GetDirectRead()) {
        const rtl::UnicodeString text = EventFormulaText(helper);
        FireCell(cell.Col, cell.Row, cell.Result, &text);
        return;
    }
    cells.StoreFormula();
}

rtl::UnicodeString TXLSReadBIFF::EventFormulaText(const TXLSFormulaHelper& helper) {
    rtl::UnicodeString text;
    if (helper.Ptgs() == nullptr) {
        return text;
    }
    // The event reports what it can; a formula that does not decode is a warning naming its cell.
    try {
        FFormulaDecoder.DecodeBIFFFormula(helper.Ptgs(), helper.PtgsSize(), FSheetIndex, text,
                                          XLSPlatform().GetListSeparator(), 0, 0);
    } catch (const rtl::Exception& error) {
        const rtl::UnicodeString cell =
            QuoteSheetName(FCurrentWorksheet->GetName()) + u"!" + ColRowToStr(helper.Col(), helper.Row());
        FManager.Errors()->ReportWarning(cell + u": " + error.Message(), XLSWarningFormulaNotCompiled);
        text.clear();
    }
    return text;
}

} // namespace xls
