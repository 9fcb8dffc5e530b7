// The handlers of the records that describe the workbook as a whole: the sheet list, the code page, the user, the
// workbook window and settings, defined names, the shared strings and the records kept for the workbook object.

#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/biff/workbook/BIFF_SSTReader.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>
#include <array>

namespace xls {

namespace {

// BOUNDSHEET (MS-XLS 2.4.28): visibility, sheet type (bit 1 set for chart sheets and VB modules) and name.
constexpr int32_t BoundSheetVisibility = 4;
constexpr int32_t BoundSheetType = 5;
constexpr int32_t BoundSheetName = 6;
constexpr uint8_t BoundSheetNoWorksheet = 0x02;

// The code pages of the CODEPAGE record (MS-XLS 2.4.52) that Windows numbers otherwise, and UTF-16, which says
// nothing about 8-bit text.
constexpr uint16_t CodePageAscii = 367;
constexpr uint16_t CodePageUtf16 = 1200;
constexpr uint16_t CodePageMacRoman = 32768;
constexpr uint16_t CodePageWindows1252 = 32769;

// WRITEACCESS (MS-XLS 2.4.349) is padded with spaces to its full length.
constexpr size_t WriteAccessLength = 112;

// WINDOW1 (MS-XLS 2.4.345): its option bits and the fields after them.
constexpr int32_t Window1Options = 8;
constexpr int32_t Window1ActiveTab = 10;
constexpr int32_t Window1FirstTab = 12;
constexpr int32_t Window1TabRatio = 16;
constexpr uint8_t Window1Hidden = 0x01;
constexpr uint8_t Window1Minimized = 0x02;
constexpr uint8_t Window1HorizontalScroll = 0x08;
constexpr uint8_t Window1VerticalScroll = 0x10;
constexpr uint8_t Window1SheetTabs = 0x20;
constexpr uint8_t Window1NoDateGrouping = 0x40;

// BOOKBOOL (MS-XLS 2.4.22): external link values not saved, and how links update.
constexpr uint16_t BookBoolNoSaveSupporting = 0x0001;
constexpr int32_t BookBoolUpdateLinksShift = 5;
constexpr uint16_t BookBoolUpdateLinksMask = 0x0003;

// NAME (MS-XLS 2.4.150): option bits and the places of the counts, the sheet, the texts' lengths and the name.
constexpr uint16_t NameHidden = 0x0001;
constexpr uint16_t NameFunction = 0x0002;
constexpr uint16_t NameVbProcedure = 0x0004;
constexpr uint16_t NameBuiltIn = 0x0020;
constexpr int32_t NameFunctionGroupShift = 6;
constexpr uint16_t NameFunctionGroupMask = 0x003F;
constexpr int32_t NameLength = 3;
constexpr int32_t NameTokenLength = 4;
constexpr int32_t NameSheet = 8;
constexpr int32_t NameTextLengths = 10;
constexpr int32_t NameText = 14;
// The compiled formula of a name read from a BIFF file is its tokens after this marker byte.
constexpr uint8_t BIFFTokensMarker = 0xFF;

// The built-in names by their code (MS-XLS 2.4.150), with the model's kind of each where it has one.
struct TBuiltInName {
    const char16_t* Name;
    uint8_t Kind;
};
constexpr uint8_t NoKind = Xc12BuiltinNone;
constexpr std::array<TBuiltInName, 14> BuiltInNames = {{
    {u"Consolidate_Area", 0},
    {u"Auto_Open", NoKind},
    {u"Auto_Close", NoKind},
    {u"Extract", 1},
    {u"Database", 2},
    {u"Criteria", 3},
    {u"Print_Area", 4},
    {u"Print_Titles", 5},
    {u"Recorder", NoKind},
    {u"Data_Form", NoKind},
    {u"Auto_Activate", NoKind},
    {u"Auto_Deactivate", NoKind},
    {u"Sheet_Title", 6},
    {u"_FilterDatabase", 7},
}};

uint32_t WindowsCodePage(uint16_t codePage) {
    switch (codePage) {
    case CodePageAscii:
    case CodePageWindows1252:
        return rtl::cpWesternEuropean;
    case CodePageMacRoman:
        return rtl::cpMacRoman;
    case CodePageUtf16:
        return rtl::cpProcessAnsi;
    default:
        return codePage;
    }
}

} // namespace

void TXLSReadBIFF::ReadBoundSheet() {
    const TBIFFBody body = Body();
    const rtl::UnicodeString name = ByteCountText(BoundSheetName);
    const uint8_t visibility = std::min<uint8_t>(body.Byte(BoundSheetVisibility) & 3, hsVeryHidden);
    FSheetNames.AddWithValue(name, visibility);
    if ((body.Byte(BoundSheetType) & BoundSheetNoWorksheet) != 0) {
        return;
    }
    FBIFF.Sheets().Add().SetNameFromFile(name);
    TXc12DataWorksheet* worksheet = FManager.Worksheets().Add(-1);
    worksheet->SetName(name);
    worksheet->SetState(visibility);
}

void TXLSReadBIFF::ReadCodePage() {
    FCodePage = WindowsCodePage(Body().Word(0));
    if (FVersion < xvExcel50) {
        FKeep = TKeep::Drop;
    }
}

void TXLSReadBIFF::ReadWriteAccess() {
    const TBIFFBody body = Body();
    std::vector<uint8_t> record;
    // Some writers put text here that is no counted string; its user name is left empty rather than the file lost.
    if (IsBIFF8()) {
        const uint16_t count = body.Word(0);
        if (FlaggedCharacterBytes(body.Byte(2), count) < static_cast<int64_t>(body.From(2).size())) {
            FManager.Workbook().SetLastUserName(UnicodeBodyToWide(body.From(2), count));
        }
        record = FBody;
    } else {
        // The one-byte count and 8-bit name become the BIFF8 layout: a 16-bit count and the flag of 8-bit text.
        const uint8_t count = body.Byte(0);
        if (count < body.Size()) {
            FUserName8.assign(body.From(1).begin(), body.From(1).begin() + count);
        }
        record = {static_cast<uint8_t>(FUserName8.size()), 0, 0};
        record.insert(record.end(), FUserName8.begin(), FUserName8.end());
    }
    if (record.size() < WriteAccessLength) {
        record.resize(WriteAccessLength, ' ');
    }
    FCurrentStorage->UpdateDefault(BIFFRecordWriteAccess, record);
}

void TXLSReadBIFF::ReadFileSharing() {
    FBIFF.SetFileSharing(FBody);
}

void TXLSReadBIFF::ReadWindow1() {
    // Stored first, so that the fields a short WINDOW1 lacks are read as the defaults it keeps.
    FCurrentStorage->UpdateDefault(BIFFRecordWindow1, FBody);
    const TBIFFStoredRecord* stored = FCurrentStorage->DefaultRecord(BIFFRecordWindow1);
    if (!IsBIFF8() || FSubstream != TSubstream::Globals || stored == nullptr) {
        return;
    }
    const TBIFFBody body(stored->Body);
    TXc12BookViews& views = FManager.Workbook().GetBookViews();
    TXc12BookView& view = views.Count() > 0 ? *views.GetItem(0) : *views.Add();
    TXc12WindowSettings& window = view.GetWindow();
    window.SetXWindow(static_cast<int16_t>(body.Word(0)));
    window.SetYWindow(static_cast<int16_t>(body.Word(2)));
    window.SetWindowWidth(body.Word(4));
    window.SetWindowHeight(body.Word(6));
    const uint8_t options = body.Byte(Window1Options);
    view.SetVisibility((options & Window1Hidden) != 0 ? x12ssHidden : x12ssVisible);
    view.SetMinimized((options & Window1Minimized) != 0);
    window.SetShowHorizontalScroll((options & Window1HorizontalScroll) != 0);
    window.SetShowVerticalScroll((options & Window1VerticalScroll) != 0);
    window.SetShowSheetTabs((options & Window1SheetTabs) != 0);
    view.SetAutoFilterDateGrouping((options & Window1NoDateGrouping) == 0);
    view.SetActiveTab(body.Word(Window1ActiveTab));
    view.SetFirstSheet(body.Word(Window1FirstTab));
    window.SetTabRatio(body.Word(Window1TabRatio));
}

void TXLSReadBIFF::ReadBookBool() {
    const uint16_t options = Body().Word(0);
    TXc12WorkbookPr& workbook = FManager.Workbook().GetWorkbookPr();
    workbook.SetSaveExternalLinkValues((options & BookBoolNoSaveSupporting) == 0);
    workbook.SetUpdateLinks(
        static_cast<uint8_t>(std::min((options >> BookBoolUpdateLinksShift) & BookBoolUpdateLinksMask, 2)));
    FCurrentStorage->UpdateDefault(BIFFRecordBookBool, FBody);
    FCurrentStorage->FlushToMarker(BIFFMarkerStyles);
}

void TXLSReadBIFF::ReadName() {
    const TBIFFBody body = Body();
    const uint16_t options = body.Word(0);
    const uint8_t nameLength = body.Byte(NameLength);
    const int32_t sheet = body.Word(NameSheet) - 1;
    const uint8_t flag = body.Byte(NameText);
    const rtl::UnicodeString text = UnicodeBodyToWide(body.From(NameText), nameLength);
    TXc12DefinedNames& names = FManager.Workbook().GetDefinedNames();
    TXc12DefinedName* name = nullptr;
    if ((options & NameBuiltIn) != 0 && !text.empty()) {
        const uint8_t code = static_cast<uint8_t>(std::min<char16_t>(text[0], 0xFF));
        if (code < BuiltInNames.size() && BuiltInNames[code].Kind != NoKind) {
            name = names.AddBuiltin(BuiltInNames[code].Kind, sheet);
        } else {
            name = names.AddName(code < BuiltInNames.size() ? BuiltInNames[code].Name : u"", sheet);
        }
        name->SetBuiltInCode(code);
    } else {
        name = names.AddName(text, sheet);
    }
    name->SetHidden((options & NameHidden) != 0);
    name->SetFunction((options & NameFunction) != 0);
    name->SetVbProcedure((options & NameVbProcedure) != 0);
    name->SetFunctionGroupId((options >> NameFunctionGroupShift) & NameFunctionGroupMask);

    int32_t offset =
        NameText + (nameLength > 0 ? 1 + static_cast<int32_t>(FlaggedCharacterBytes(flag, nameLength)) : 0);
    const uint16_t tokenLength = body.Word(NameTokenLength);
    const std::span<const uint8_t> tokens = body.From(offset);
    if (tokenLength > tokens.size()) {
        throw EBIFFError(rtl::Format(BIFFMessages::FieldPastEnd, {FHeader.RecID, tokenLength, offset, body.Size()}));
    }
    std::vector<uint8_t> compiled{BIFFTokensMarker};
    compiled.insert(compiled.end(), tokens.begin(), tokens.begin() + tokenLength);
    name->SetPtgs(std::move(compiled));
    offset += tokenLength;

    // The menu, description, help and status texts follow, each only when its length is not 0.
    void (TXc12DefinedName::*const setters[])(rtl::UnicodeStringView) = {
        &TXc12DefinedName::SetCustomMenu, &TXc12DefinedName::SetDescription, &TXc12DefinedName::SetHelp,
        &TXc12DefinedName::SetStatusBar};
    for (int32_t i = 0; i < 4; ++i) {
        const uint8_t length = body.Byte(NameTextLengths + i);
        if (length > 0) {
            const std::span<const uint8_t> bytes = body.From(offset);
            (name->*setters[i])(UnicodeBodyToWide(bytes, length));
            offset += 1 + static_cast<int32_t>(FlaggedCharacterBytes(bytes[0], length));
        }
    }
}

void TXLSReadBIFF::ReadXct() {
    FCurrentStorage->Add(FHeader.RecID, FBody);
    const int32_t count = Body().Word(0);
    for (int32_t i = 0; i < count; ++i) {
        if (FStream.Size() - FStream.Position() < 4) {
            throw EBIFFError(BIFFMessages::CRNMissing);
        }
        if (FStream.PeekRecordId() != BIFFRecordCrn) {
            break;
        }
        KeepNextRaw();
    }
}

void TXLSReadBIFF::ReadSst() {
    TBIFFSSTReader reader(FManager.SST(), [this](int32_t font) { return ModelFont(font); });
    reader.AddPiece(FBody);
    ReadContinueRecords([&reader](std::span<const uint8_t> piece) { reader.AddPiece(piece); });
    reader.Read();
}

void TXLSReadBIFF::ReadMsoDrawingGroup() {
    // Kept raw, with the records that continue it, until the drawing group is read.
    FCurrentStorage->Add(FHeader.RecID, FBody);
    for (uint16_t next = FStream.PeekRecordId(); next == BIFFRecordContinue || next == BIFFRecordMsoDrawingGroup;
         next = FStream.PeekRecordId()) {
        KeepNextRaw();
    }
}

void TXLSReadBIFF::KeepNextRaw() {
    TBIFFHeader header;
    FStream.ReadHeader(header);
    std::vector<uint8_t> body;
    ReadBody(header, body);
    FCurrentStorage->Add(header.RecID, body);
}

void TXLSReadBIFF::ReadPassword() {
    if (InSheet()) {
        FCurrentWorksheet->GetSheetProtection().SetPassword(Body().Word(0));
        FKeep = TKeep::Raw;
        return;
    }
    FManager.Workbook().GetWorkbookProtection().SetWorkbookPassword(Body().Word(0));
}

void TXLSReadBIFF::ReadCalcCount() {
    FManager.Workbook().GetCalcPr().SetIterateCount(Body().Word(0));
}

void TXLSReadBIFF::ReadCalcMode() {
    // -1 is automatic except tables, 0 manual, 1 automatic; the model numbers them 2, 0 and 1.
    const auto mode = static_cast<int16_t>(Body().Word(0));
    if (mode >= -1 && mode <= 1) {
        FManager.Workbook().GetCalcPr().SetCalcMode(static_cast<uint8_t>(mode < 0 ? 2 : mode));
    }
}

void TXLSReadBIFF::ReadPrecision() {
    FManager.Workbook().GetCalcPr().SetFullPrecision(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadRefMode() {
    // 1 is A1, 0 R1C1; the model numbers them 0 and 1.
    FManager.Workbook().GetCalcPr().SetRefMode(Body().Word(0) == 0 ? 1 : 0);
}

void TXLSReadBIFF::ReadDelta() {
    FManager.Workbook().GetCalcPr().SetIterateDelta(Body().Double(0));
}

void TXLSReadBIFF::ReadIteration() {
    FManager.Workbook().GetCalcPr().SetIterate(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadSaveRecalc() {
    FManager.Workbook().GetCalcPr().SetCalcOnSave(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadDateMode() {
    FManager.Workbook().GetWorkbookPr().SetDate1904(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadBackup() {
    FManager.Workbook().GetWorkbookPr().SetBackupFile(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadRefreshAll() {
    FManager.Workbook().GetWorkbookPr().SetRefreshAllConnections(Body().Word(0) == 1);
}

void TXLSReadBIFF::ReadWindowProtect() {
    FManager.Workbook().GetWorkbookProtection().SetLockWindows(Body().Word(0) == 1);
}

rtl::UnicodeString TXLSReadBIFF::Text8(std::span<const uint8_t> bytes) const {
    if (IsBIFF8()) {
        return BytesToWide(bytes, static_cast<int32_t>(bytes.size()));
    }
    return rtl::AnsiToUnicode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), FCodePage);
}

rtl::UnicodeString TXLSReadBIFF::ByteCountText(int32_t offset) const {
    const TBIFFBody body = Body();
    const uint8_t count = body.Byte(offset);
    return IsBIFF8() ? UnicodeBodyToWide(body.From(offset + 1), count) : CharsText(offset + 1, count);
}

rtl::UnicodeString TXLSReadBIFF::CharsText(int32_t offset, int32_t count) const {
    return Text8Checked(Body().From(offset), count);
}

rtl::UnicodeString TXLSReadBIFF::Text8Checked(std::span<const uint8_t> bytes, int32_t count) const {
    CheckStringBytes(count, count, static_cast<int64_t>(bytes.size()));
    return Text8(bytes.first(static_cast<size_t>(count)));
}

} // namespace xls
