// The handlers of the cell records: blanks, numbers, texts, booleans and errors, one cell a record or a row of them
// (MULRK, MULBLANK). Each cell goes to the current sheet's cell store, or in read-cell mode to the read-cell event;
// blanks are stored in either mode. From BIFF3 on a cell record starts with its row, column and XF number (MS-XLS
// 2.5.14 Cell); a BIFF2 cell has three attribute bytes in place of the XF number and is stored without a cell format.

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>

namespace xls {

namespace {

constexpr int32_t CellRow = 0;
constexpr int32_t CellCol = 2;
constexpr int32_t CellXFNumber = 4;
constexpr int32_t CellValue = 6;
constexpr int32_t Cell2Value = 7;

// MULRK and MULBLANK (MS-XLS 2.4.175, 2.4.174): row, first column, one entry per cell, the last column.
constexpr int32_t MulEntries = 4;
constexpr int32_t MulLastColSize = 2;
constexpr int32_t MulRKEntrySize = 6;
constexpr int32_t MulBlankEntrySize = 2;

// LABEL (MS-XLS 2.4.148): a 16-bit character count at 6; BIFF8 then a flag byte and the characters, earlier versions
// the 8-bit characters at 8, though some writers put a BIFF8 flag byte there too.
// RSTRING (2.4.223) has the same fields before its font runs, which are not kept.
constexpr int32_t LabelCount = 6;
constexpr int32_t LabelText = 8;
constexpr uint8_t FlagUTF16 = 1;

// BOOLERR (MS-XLS 2.4.24): the value byte, then 1 when it is an error code; in BIFF2 after the attribute bytes.
constexpr int32_t BoolErrValue = 6;
constexpr int32_t BoolErr2Value = 7;

} // namespace

int32_t TXLSReadBIFF::CellXF(uint16_t xfNumber) const {
    const int32_t xf = xfNumber + 1;
    if (xf < FManager.StyleSheet().XFs().Count()) {
        return xf;
    }
    FManager.Errors()->ReportWarning(rtl::Format(u"XF %d", {xfNumber}), XLSWarningStyleIndex);
    return 0;
}

void TXLSReadBIFF::PutCell(int32_t col, int32_t row, int32_t xf, const TXLSCellValue& value) {
    if (FManager.GetDirectRead() && value.Kind != TXLSCellValue::vkNone) {
        FireCell(col, row, value, nullptr);
        return;
    }
    StoreCellValue(FCurrentWorksheet->GetCells(), col, row, xf, value);
}

void TXLSReadBIFF::FireCell(int32_t col, int32_t row, const TXLSCellValue& value, const rtl::UnicodeString* formula) {
    TXLSEventCell& event = FManager.EventCell();
    event.Clear();
    event.SetSheetIndex(FSheetIndex);
    event.SetCol(col);
    event.SetRow(row);
    if (formula != nullptr) {
        event.SetFormula(*formula);
    }
    SetEventCellValue(event, FManager.SST(), value);
    FManager.FireReadCell();
}

void TXLSReadBIFF::PutRecordCell(const TXLSCellValue& value) {
    const TBIFFBody body = Body();
    PutCell(body.Word(CellCol), body.Word(CellRow), CellXF(body.Word(CellXFNumber)), value);
}

void TXLSReadBIFF::PutRecordCell2(const TXLSCellValue& value) {
    const TBIFFBody body = Body();
    PutCell(body.Word(CellCol), body.Word(CellRow), 0, value);
}

void TXLSReadBIFF::ReadBlank() {
    if (InSheet()) {
        PutRecordCell({});
    }
}

void TXLSReadBIFF::ReadNumber() {
    if (InSheet()) {
        PutRecordCell(TXLSCellValue::OfFloat(Body().Double(CellValue)));
    }
}

void TXLSReadBIFF::ReadRK() {
    if (InSheet()) {
        PutRecordCell(TXLSCellValue::OfFloat(DecodeRK(Body().DWord(CellValue))));
    }
}

int32_t TXLSReadBIFF::MulCellCount(int32_t entrySize) const {
    // A short body counts no cells, and a row holds no cells past its last column.
    const int32_t entries = std::max(0, (Body().Size() - MulEntries - MulLastColSize) / entrySize);
    return std::min(entries, std::max(0, BIFFMaxColumn + 1 - Body().Word(CellCol)));
}

void TXLSReadBIFF::ReadMulRK() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const int32_t row = body.Word(CellRow);
    const int32_t firstCol = body.Word(CellCol);
    const int32_t count = MulCellCount(MulRKEntrySize);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t entry = MulEntries + i * MulRKEntrySize;
        PutCell(firstCol + i, row, CellXF(body.Word(entry)), TXLSCellValue::OfFloat(DecodeRK(body.DWord(entry + 2))));
    }
}

void TXLSReadBIFF::ReadMulBlank() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const int32_t row = body.Word(CellRow);
    const int32_t firstCol = body.Word(CellCol);
    const int32_t count = MulCellCount(MulBlankEntrySize);
    for (int32_t i = 0; i < count; ++i) {
        PutCell(firstCol + i, row, CellXF(body.Word(MulEntries + i * MulBlankEntrySize)), {});
    }
}

void TXLSReadBIFF::ReadLabel() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const int32_t count = body.Word(LabelCount);
    rtl::UnicodeString text;
    const uint8_t flag = body.Byte(LabelText);
    // Before BIFF8 a flag byte is told from a first character by the room the characters after it take.
    const bool flagged = count > 0 && (flag == 0 || flag == FlagUTF16) &&
                         body.Size() >= LabelText + 1 + FlaggedCharacterBytes(flag, count);
    if (IsBIFF8() || (flagged && flag == FlagUTF16)) {
        text = UnicodeBodyToWide(body.From(LabelText), count);
    } else {
        text = CharsText(flagged ? LabelText + 1 : LabelText, count);
    }
    PutRecordCell(TXLSCellValue::OfString(text));
}

void TXLSReadBIFF::ReadLabelSST() {
    if (!InSheet()) {
        return;
    }
    const uint32_t index = Body().DWord(CellValue);
    const TXc12DataSST& sst = FManager.SST();
    if (index < static_cast<uint32_t>(sst.Count()) && sst.Item(static_cast<int32_t>(index)) != nullptr) {
        PutRecordCell(TXLSCellValue::OfIndex(TXLSCellValue::vkSharedString, static_cast<int32_t>(index)));
        return;
    }
    FManager.Errors()->ReportWarning(rtl::Format(u"string %u", {index}), XLSWarningSharedStringIndex);
    PutRecordCell(TXLSCellValue::OfIndex(TXLSCellValue::vkError, XLSErrorIndexRef));
}

TXLSCellValue TXLSReadBIFF::BoolErrCellValue(int32_t offset) const {
    const TBIFFBody body = Body();
    const uint8_t value = body.Byte(offset);
    if (body.Byte(offset + 1) != 0) {
        // A code that is no error keeps its place as the unknown error.
        return TXLSCellValue::OfIndex(TXLSCellValue::vkError, ErrorByteToIndex(value));
    }
    return TXLSCellValue::OfBoolean(value != 0);
}

void TXLSReadBIFF::ReadBoolErr() {
    if (InSheet()) {
        PutRecordCell(BoolErrCellValue(BoolErrValue));
    }
}

void TXLSReadBIFF::ReadBlank2() {
    if (InSheet()) {
        PutRecordCell2({});
    }
}

void TXLSReadBIFF::ReadBoolErr2() {
    if (InSheet()) {
        PutRecordCell2(BoolErrCellValue(BoolErr2Value));
    }
}

void TXLSReadBIFF::ReadInteger2() {
    if (InSheet()) {
        PutRecordCell2(TXLSCellValue::OfFloat(Body().Word(Cell2Value)));
    }
}

void TXLSReadBIFF::ReadNumber2() {
    if (InSheet()) {
        PutRecordCell2(TXLSCellValue::OfFloat(Body().Double(Cell2Value)));
    }
}

void TXLSReadBIFF::ReadLabel2() {
    if (InSheet()) {
        PutRecordCell2(TXLSCellValue::OfString(CharsText(Cell2Value + 1, Body().Byte(Cell2Value))));
    }
}

} // namespace xls
