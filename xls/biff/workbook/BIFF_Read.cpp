#include "xls/biff/workbook/BIFF_Read.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/vba/BIFF_VBA.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>
#include <array>
#include <exception>

namespace xls {

namespace {

constexpr int32_t HeaderSize = 4;

// The substream types of a BOF (MS-XLS 2.4.21) and where its fields are.
constexpr int32_t BOFTypeOffset = 2;
constexpr int32_t BOFBuildOffset = 4;
constexpr uint16_t BOFTypeGlobals = 0x0005;
constexpr uint16_t BOFTypeVBModule = 0x0006;
constexpr uint16_t BOFTypeWorksheet = 0x0010;
constexpr uint16_t BOFTypeChart = 0x0020;
constexpr uint16_t BOFTypeMacroSheet = 0x0040;
constexpr uint16_t BOFTypeWorkspace = 0x0100;
constexpr size_t MaxGlobalsBOFSize = 256;
// The build the globals' BOF is given, as the template's.
constexpr uint16_t GlobalsBOFBuild = 6319;

// The name of the one sheet of a file without a sheet list (BIFF2-4).
constexpr char16_t SingleSheetName[] = u"Sheet1";

constexpr int32_t PercentDone = 100;

// The built-in number formats BIFF2-4 files start their own numbering with.
constexpr int32_t BIFFBuiltInFormatCount = 34;

rtl::UnicodeString MessageOf(const std::exception& error) {
    if (const auto* exception = dynamic_cast<const rtl::Exception*>(&error)) {
        return exception->Message();
    }
    return rtl::Utf8ToUnicode(error.what());
}

} // namespace

const TXLSReadBIFF::TRecordRule* TXLSReadBIFF::FindRule(uint16_t id) {
    using R = TXLSReadBIFF;
    constexpr TExcelVersion Any = xvExcel21;
    constexpr TExcelVersion BIFF5 = xvExcel50;
    constexpr TExcelVersion BIFF8 = xvExcel97;
    constexpr TKeep Drop = TKeep::Drop;
    constexpr TKeep Raw = TKeep::Raw;
    constexpr TKeep Default = TKeep::Default;
    // The fixed fields of the records (MS-XLS 2.4): a cell's row, column and XF (BIFF2: three attribute bytes for the
    // XF), a setting of one word or one double, and the fields the handlers of the others read.
    constexpr int32_t Cell = 6;
    constexpr int32_t Cell2 = 7;
    constexpr int32_t RowAndColumn = 4;
    constexpr int32_t OneWord = 2;
    constexpr int32_t OneDouble = 8;
    constexpr int32_t SelectionFields = 9;
    constexpr int32_t PaneFields = 9;
    constexpr int32_t ColInfoFields = 10;
    constexpr int32_t DimensionsFields = 10;
    constexpr int32_t Window2Fields = 10;
    constexpr int32_t RowFields = 16;
    constexpr int32_t SheetExtFields = 20;
    constexpr int32_t SetupFields = 34;
    // Ordered by id. The sheet records whose handlers come later are kept raw, after the marker of their place.
    static constexpr TRecordRule Rules[] = {
        {BIFFRecordDimensions2, Any, 0, &R::ReadDimensions2, Raw, Raw},
        {BIFFRecordBlank2, Any, 0, &R::ReadBlank2, Drop, Drop, Cell2},
        {BIFFRecordInteger2, Any, 0, &R::ReadInteger2, Drop, Drop, Cell2 + 2},
        {BIFFRecordNumber2, Any, 0, &R::ReadNumber2, Drop, Drop, Cell2 + 8},
        {BIFFRecordLabel2, Any, 0, &R::ReadLabel2, Drop, Drop, Cell2 + 1},
        {BIFFRecordBoolErr2, Any, 0, &R::ReadBoolErr2, Drop, Drop, Cell2 + 2},
        {BIFFRecordFormula, Any, 0, &R::ReadFormula, Drop, Drop},
        {BIFFRecordBOF2, Any, 0, &R::ReadBOF, Drop, Drop},
        {BIFFRecordEOF, Any, 0, &R::ReadEOF, Default, Default},
        {BIFFRecordCalcCount, BIFF5, 0, &R::ReadCalcCount, Default, Drop, OneWord},
        {BIFFRecordCalcMode, BIFF5, 0, &R::ReadCalcMode, Default, Drop, OneWord},
        {BIFFRecordPrecision, BIFF5, 0, &R::ReadPrecision, Default, Drop, OneWord},
        {BIFFRecordRefMode, BIFF5, 0, &R::ReadRefMode, Default, Drop, OneWord},
        {BIFFRecordDelta, BIFF5, 0, &R::ReadDelta, Default, Drop, OneDouble},
        {BIFFRecordIteration, BIFF5, 0, &R::ReadIteration, Default, Drop, OneWord},
        {BIFFRecordProtect, Any, 0, nullptr, Default, Default},
        {BIFFRecordPassword, Any, 0, &R::ReadPassword, Default, Default, OneWord},
        {BIFFRecordHeader, BIFF5, BIFFMarkerHeaderFooter, &R::ReadHeaderFooter, Drop, Drop},
        {BIFFRecordFooter, BIFF5, BIFFMarkerHeaderFooter, &R::ReadHeaderFooter, Drop, Drop},
        {BIFFRecordExternSheet, BIFF8, BIFFMarkerExternals, nullptr, Raw, Raw},
        {BIFFRecordName, BIFF8, 0, &R::ReadName, Drop, Drop},
        {BIFFRecordWindowProtect, BIFF5, 0, &R::ReadWindowProtect, Default, Drop, OneWord},
        {BIFFRecordVerticalPageBreaks, BIFF5, BIFFMarkerPageBreaks, &R::ReadPageBreaks, Drop, Raw},
        {BIFFRecordHorizontalPageBreaks, BIFF5, BIFFMarkerPageBreaks, &R::ReadPageBreaks, Drop, Raw},
        {BIFFRecordSelection, BIFF5, 0, &R::ReadSelection, Drop, Drop, SelectionFields},
        {BIFFRecordFormat2, Any, 0, &R::ReadFormat2, Drop, Drop},
        {BIFFRecordDateMode, BIFF5, 0, &R::ReadDateMode, Default, Drop, OneWord},
        {BIFFRecordExternName, BIFF8, BIFFMarkerExternals, nullptr, Raw, Raw},
        {BIFFRecordLeftMargin, BIFF5, BIFFMarkerMargins, &R::ReadMargin, Drop, Drop, OneDouble},
        {BIFFRecordRightMargin, BIFF5, BIFFMarkerMargins, &R::ReadMargin, Drop, Drop, OneDouble},
        {BIFFRecordTopMargin, BIFF5, BIFFMarkerMargins, &R::ReadMargin, Drop, Drop, OneDouble},
        {BIFFRecordBottomMargin, BIFF5, BIFFMarkerMargins, &R::ReadMargin, Drop, Drop, OneDouble},
        {BIFFRecordPrintHeaders, BIFF5, 0, &R::ReadPrintOption, Default, Drop, OneWord},
        {BIFFRecordPrintGridlines, BIFF5, 0, &R::ReadPrintOption, Default, Drop, OneWord},
        {BIFFRecordFilePass, Any, 0, &R::ReadFilePass, Drop, Drop},
        {BIFFRecordFont, Any, 0, &R::ReadFont, Drop, Drop},
        {BIFFRecordWindow1, Any, 0, &R::ReadWindow1, Drop, Drop},
        {BIFFRecordBackup, BIFF5, 0, &R::ReadBackup, Default, Drop, OneWord},
        {BIFFRecordPane, Any, 0, &R::ReadPane, Drop, Drop, PaneFields},
        {BIFFRecordCodePage, Any, 0, &R::ReadCodePage, Default, Default, OneWord},
        {BIFFRecordDefColWidth, BIFF5, 0, &R::ReadDefColWidth, Default, Drop, OneWord},
        {BIFFRecordXct, Any, 0, &R::ReadXct, Drop, Drop},
        {BIFFRecordFileSharing, Any, 0, &R::ReadFileSharing, Drop, Drop},
        {BIFFRecordWriteAccess, Any, 0, &R::ReadWriteAccess, Drop, Drop},
        {BIFFRecordSaveRecalc, BIFF5, 0, &R::ReadSaveRecalc, Default, Drop, OneWord},
        {BIFFRecordColInfo, Any, 0, &R::ReadColInfo, Drop, Drop, ColInfoFields},
        {BIFFRecordRK, Any, 0, &R::ReadRK, Drop, Drop, Cell + 4},
        {BIFFRecordGuts, BIFF5, 0, nullptr, Default, Drop},
        {BIFFRecordWsBool, Any, 0, &R::ReadWsBool, Raw, Raw, OneWord},
        {BIFFRecordGridSet, BIFF5, 0, &R::ReadPrintOption, Default, Drop, OneWord},
        {BIFFRecordHCenter, BIFF5, 0, &R::ReadPrintOption, Default, Drop, OneWord},
        {BIFFRecordVCenter, BIFF5, 0, &R::ReadPrintOption, Default, Drop, OneWord},
        {BIFFRecordBoundSheet, Any, BIFFMarkerSheets, &R::ReadBoundSheet, Drop, Drop},
        {BIFFRecordCountry, BIFF8, 0, nullptr, Default, Drop},
        {BIFFRecordHideObj, BIFF5, 0, nullptr, Default, Drop},
        {BIFFRecordPalette, Any, 0, &R::ReadPalette, Drop, Drop},
        {BIFFRecordFnGroupCount, Any, 0, nullptr, Default, Default},
        {BIFFRecordSetup, BIFF5, 0, &R::ReadSetup, Default, Drop, SetupFields},
        {BIFFRecordMulRK, Any, 0, &R::ReadMulRK, Drop, Drop, RowAndColumn},
        {BIFFRecordMulBlank, Any, 0, &R::ReadMulBlank, Drop, Drop, RowAndColumn},
        // A string cell with font runs, read as LABEL: the runs follow the text.
        {BIFFRecordRString, Any, 0, &R::ReadLabel, Drop, Drop, Cell + 2},
        {BIFFRecordDBCell, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordBookBool, Any, 0, &R::ReadBookBool, Drop, Drop, OneWord},
        {BIFFRecordXF, Any, 0, &R::ReadXf, Drop, Drop},
        {BIFFRecordMergeCells, Any, BIFFMarkerObjects, &R::ReadMergeCells, Drop, Drop},
        {BIFFRecordMsoDrawingGroup, Any, BIFFMarkerDrawingGroup, &R::ReadMsoDrawingGroup, Drop, Drop},
        {BIFFRecordSST, Any, 0, &R::ReadSst, Drop, Drop},
        {BIFFRecordLabelSST, Any, 0, &R::ReadLabelSST, Drop, Drop, Cell + 4},
        {BIFFRecordExtSST, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordDSF, Any, 0, nullptr, Default, Default},
        {BIFFRecordUserBView, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordUserSViewBegin, Any, 0, &R::BeginSkipCustomView, Drop, Drop},
        {BIFFRecordSupBook, BIFF8, BIFFMarkerExternals, nullptr, Raw, Raw},
        {BIFFRecordProt4Rev, Any, 0, nullptr, Default, Default},
        {BIFFRecordDVal, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordRefreshAll, Any, 0, &R::ReadRefreshAll, Default, Default, OneWord},
        {BIFFRecordHLink, BIFF8, 0, &R::ReadHLink, Drop, Raw},
        {BIFFRecordDV, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordRecalcId, Any, 0, nullptr, Default, Default},
        {BIFFRecordDimensions, BIFF5, 0, &R::ReadDimensions, Default, Drop, DimensionsFields},
        {BIFFRecordBlank, Any, 0, &R::ReadBlank, Drop, Drop, Cell},
        {BIFFRecordNumber, Any, 0, &R::ReadNumber, Drop, Drop, Cell + 8},
        {BIFFRecordLabel, Any, 0, &R::ReadLabel, Drop, Drop, Cell + 2},
        {BIFFRecordBoolErr, Any, 0, &R::ReadBoolErr, Drop, Drop, Cell + 2},
        {BIFFRecordFormula3, Any, 0, &R::ReadFormula, Drop, Drop},
        {BIFFRecordRow, Any, 0, &R::ReadRow, Drop, Drop, RowFields},
        {BIFFRecordBOF3, Any, 0, &R::ReadBOF, Drop, Drop},
        {BIFFRecordIndex, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordName3, BIFF8, 0, &R::ReadName, Drop, Drop},
        {BIFFRecordExternName3, BIFF8, BIFFMarkerExternals, nullptr, Raw, Raw},
        {BIFFRecordDefaultRowHeight, BIFF5, 0, &R::ReadDefaultRowHeight, Default, Drop, 2 * OneWord},
        {BIFFRecordFont3, Any, 0, &R::ReadFont, Drop, Drop},
        {BIFFRecordWindow2, BIFF5, 0, &R::ReadWindow2, Default, Drop, Window2Fields},
        {BIFFRecordXF3, Any, 0, &R::ReadXf34, Raw, Raw},
        {BIFFRecordRK3, Any, 0, &R::ReadRK, Drop, Drop, Cell + 4},
        {BIFFRecordStyle, Any, 0, &R::ReadStyle, Drop, Drop},
        {BIFFRecordFormula4, Any, 0, &R::ReadFormula, Drop, Drop},
        {BIFFRecordBOF4, Any, 0, &R::ReadBOF, Drop, Drop},
        {BIFFRecordFormat, Any, 0, &R::ReadFormat, Drop, Drop},
        {BIFFRecordXF4, Any, 0, &R::ReadXf34, Raw, Raw},
        {BIFFRecordBOF8, Any, 0, &R::ReadBOF, Drop, Drop},
        {BIFFRecordSheetExt, Any, 0, &R::ReadSheetExt, Raw, Raw, SheetExtFields},
        // Records of the later versions that describe nothing this reader keeps.
        {BIFFRecordBookExt, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordFeatHdr, Any, 0, &R::ReadFeatHdr, Raw, Raw},
        {BIFFRecordXFCRC, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordXFExt, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordCompat12, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordTableStyles, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordStyleExt, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordTheme, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordMTRSettings, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordCompressPictures, Any, 0, nullptr, Drop, Drop},
        {BIFFRecordForceFullCalculation, Any, 0, nullptr, Drop, Drop},
    };
    constexpr auto ById = [](const TRecordRule& a, const TRecordRule& b) { return a.Id < b.Id; };
    static_assert(std::is_sorted(std::begin(Rules), std::end(Rules), ById));
    const TRecordRule key{id, Any, 0, nullptr, Drop, Drop};
    const auto* found = std::lower_bound(std::begin(Rules), std::end(Rules), key, ById);
    return found != std::end(Rules) && found->Id == id ? found : nullptr;
}

TXLSReadBIFF::TXLSReadBIFF(TBIFF5& biff)
    : FBIFF(biff), FManager(biff.Manager()), FStream(*biff.Manager().Errors()), FFormulaDecoder(biff.Manager()) {}

TXLSReadBIFF::~TXLSReadBIFF() = default;

void TXLSReadBIFF::LoadFromStream(rtl::TStream* stream) {
    FBIFF.SetEmpty(false);
    FStream.SetExtraObjects(&FBIFF.ExtraObjects());
    FStream.SetSourceStream(stream);
    FVersion = FStream.OpenFile(FBIFF.Filename());
    FStream.SetSourceStream(nullptr);
    if (FVersion == xvNone) {
        return;
    }
    if (FBIFF.VBA() != nullptr) {
        FBIFF.VBA()->ReadProject(FBIFF.ExtraObjects());
    }
    FBIFF.SetVersion(FVersion);
    FBody.reserve(static_cast<size_t>(FBIFF.MaxBodySize()));
    FCurrentStorage = &FBIFF.Globals();
    TXc12NumberFormats& formats = FManager.StyleSheet().NumberFormats();
    FFormatBase = formats.Count();
    for (int32_t id = 0; id < BIFFBuiltInFormatCount; ++id) {
        FCollectedFormats.push_back(formats.GetItem(id)->GetText());
    }
    ReportProgress();
    if (FStream.PeekRecordId() == BIFFRecordBOF4) {
        ReadBIFF4Worksheet();
    } else {
        RunRecordLoop(&TXLSReadBIFF::HandleRecord);
    }
    FinishRead();
}

void TXLSReadBIFF::ReadBIFF4Worksheet() {
    AddSingleSheet();
    FCurrentStorage = &EnterSheet().Storage();
    FSubstream = TSubstream::Worksheet;
    RunRecordLoop(&TXLSReadBIFF::HandleBIFF4Record);
}

void TXLSReadBIFF::RunRecordLoop(void (TXLSReadBIFF::*handleRecord)()) {
    while (!FFinished && !FBIFF.Aborted() && FStream.ReadHeader(FHeader) == HeaderSize) {
        try {
            if (FHeader.RecID >= BIFFFirstMarkerId) {
                throw EBIFFError(BIFFMessages::BadRecord);
            }
            ReadBody(FHeader, FBody);
            ReportProgress();
            (this->*handleRecord)();
        } catch (const std::exception& error) {
            throw EBIFFError(
                rtl::Format(BIFFMessages::ReadingRecord, {FRecordCount, FHeader.RecID, FStream.Position()}) + u'\r' +
                MessageOf(error));
        }
    }
}

void TXLSReadBIFF::ReadBody(const TBIFFHeader& header, std::vector<uint8_t>& body) {
    body.resize(header.Length);
    const int32_t got = FStream.Read(body.data(), header.Length);
    if (got < header.Length) {
        throw EBIFFError(rtl::Format(BIFFMessages::RecordCutShort, {header.RecID, got, header.Length}));
    }
}

void TXLSReadBIFF::SkipBody(const TBIFFHeader& header) {
    const int64_t left = FStream.Size() - FStream.Position();
    if (left < header.Length) {
        throw EBIFFError(rtl::Format(BIFFMessages::RecordCutShort, {header.RecID, left, header.Length}));
    }
    FStream.Seek(header.Length, rtl::soCurrent);
}

void TXLSReadBIFF::ReadContinueRecords(const std::function<void(std::span<const uint8_t>)>& addPiece) {
    std::vector<uint8_t> piece;
    while (FStream.PeekRecordId() == BIFFRecordContinue) {
        TBIFFHeader header;
        FStream.ReadHeader(header);
        ReadBody(header, piece);
        addPiece(piece);
    }
}

void TXLSReadBIFF::HandleRecord() {
    if (FSkippingCustomView) {
        // A custom view ends at its USERSVIEWEND, or at the latest with its substream.
        if (FHeader.RecID != BIFFRecordEOF) {
            FSkippingCustomView = FHeader.RecID != BIFFRecordUserSViewEnd;
            return;
        }
        FSkippingCustomView = false;
    }
    const TRecordRule* rule = FindRule(FHeader.RecID);
    FKeep = TKeep::Raw;
    if (rule != nullptr && FVersion < rule->From) {
        FKeep = rule->Older;
    } else if (rule != nullptr && !HoldsFields(rule->Fields)) {
        FKeep = TKeep::Drop;
    } else if (rule != nullptr) {
        if (rule->Marker != 0) {
            FCurrentStorage->FlushToMarker(rule->Marker);
        }
        FKeep = rule->Keep;
        if (rule->Handler != nullptr) {
            (this->*rule->Handler)();
        }
    }
    Keep(FKeep);
    ++FRecordCount;
}

bool TXLSReadBIFF::HoldsFields(int32_t size) const {
    if (static_cast<int32_t>(FBody.size()) >= size) {
        return true;
    }
    FManager.Errors()->ReportWarning(
        rtl::Format(u"record %.4X of %d bytes, its fields take %d", {FHeader.RecID, FBody.size(), size}),
        XLSWarningRecordSkipped);
    return false;
}

void TXLSReadBIFF::HandleBIFF4Record() {
    const TRecordRule* rule = FindRule(FHeader.RecID);
    if (rule != nullptr && !HoldsFields(rule->Fields)) {
        ++FRecordCount;
        return;
    }
    switch (FHeader.RecID) {
    case BIFFRecordBOF4:
        if (Body().Word(BOFTypeOffset) == BOFTypeWorkspace) {
            throw EBIFFError(BIFFMessages::BIFF4WorkbookUnhandled);
        }
        break;
    case BIFFRecordEOF:
        FFinished = true;
        break;
    case BIFFRecordCodePage:
        ReadCodePage();
        break;
    case BIFFRecordPalette:
        ReadPalette();
        break;
    case BIFFRecordFont3:
        ReadFont3();
        break;
    case BIFFRecordFormat:
        ReadFormat4();
        break;
    case BIFFRecordXF4:
        ReadXf34();
        break;
    case BIFFRecordMulRK:
        ReadMulRK();
        break;
    case BIFFRecordMulBlank:
        ReadMulBlank();
        break;
    case BIFFRecordBlank:
        ReadBlank();
        break;
    case BIFFRecordNumber:
        ReadNumber();
        break;
    case BIFFRecordLabel:
        ReadLabel();
        break;
    case BIFFRecordBoolErr:
        ReadBoolErr();
        break;
    case BIFFRecordFormula4:
        ReadFormula();
        break;
    case BIFFRecordRK3:
        ReadRK();
        break;
    case BIFFRecordColInfo:
        ReadColInfo();
        break;
    case BIFFRecordRow:
        ReadRow();
        break;
    default:
        break;
    }
    ++FRecordCount;
}

void TXLSReadBIFF::Keep(TKeep keep) {
    if (keep == TKeep::Raw) {
        FCurrentStorage->Add(FHeader.RecID, FBody);
    } else if (keep == TKeep::Default) {
        FCurrentStorage->UpdateDefault(FHeader.RecID, FBody);
    }
}

void TXLSReadBIFF::ReportProgress() {
    const int64_t size = FStream.Size();
    if (!FBIFF.OnProgress() || size <= 0) {
        return;
    }
    const auto percent =
        static_cast<int32_t>(std::clamp<int64_t>((FStream.Position() * 200 + size) / (2 * size), 0, PercentDone));
    if (percent > FLastPercent) {
        FLastPercent = percent;
        FBIFF.OnProgress()(percent);
    }
}

void TXLSReadBIFF::FinishRead() {
    if (!FUserName8.empty()) {
        FManager.Workbook().SetLastUserName(Text8(FUserName8));
    }
    if (FBIFF.OnProgress() && FStream.Size() > 0 && FLastPercent < PercentDone) {
        FLastPercent = PercentDone;
        FBIFF.OnProgress()(PercentDone);
    }
}

void TXLSReadBIFF::ReadBOF() {
    ForgetSheetFormulas();
    const uint16_t type = Body().Word(BOFTypeOffset);
    if (InSheet() && type == BOFTypeChart) {
        // A chart embedded in the sheet: its substream is nested, and its EOF ends neither the sheet nor the file.
        SkipSubstream();
        return;
    }
    switch (type) {
    case BOFTypeGlobals:
        if (FBody.size() > MaxGlobalsBOFSize) {
            throw EBIFFError(BIFFMessages::InvalidBOFSize);
        }
        if (FBody.size() >= BOFBuildOffset + 2) {
            StoreUInt16LE(FBody.data() + BOFBuildOffset, GlobalsBOFBuild);
        }
        FSubstream = TSubstream::Globals;
        FCurrentStorage = &FBIFF.Globals();
        FKeep = TKeep::Default;
        break;
    case BOFTypeWorksheet:
        FCurrentStorage = &EnterSheet().Storage();
        FSubstream = TSubstream::Worksheet;
        FKeep = TKeep::Default;
        break;
    case BOFTypeMacroSheet:
        // Its sheet list entry made an empty sheet, which keeps its place; the records are not read.
        EnterSheet();
        SkipSubstream();
        EndSubstream();
        break;
    case BOFTypeVBModule:
    case BOFTypeChart:
        ++FBoundSheetIndex;
        SkipSubstream();
        EndSubstream();
        break;
    case BOFTypeWorkspace:
        throw EBIFFError(BIFFMessages::BIFF4WorkbookUnhandled);
    default:
        break;
    }
}

void TXLSReadBIFF::ReadEOF() {
    ForgetSheetFormulas();
    EndSubstream();
}

TSheet& TXLSReadBIFF::EnterSheet() {
    ++FBoundSheetIndex;
    ++FSheetIndex;
    if (FSheetNames.Count() == 0 && FBIFF.Sheets().Count() == 0) {
        AddSingleSheet();
    }
    TXc12DataWorksheets& worksheets = FManager.Worksheets();
    if (FSheetIndex >= FBIFF.Sheets().Count() || FSheetIndex >= worksheets.Count()) {
        throw EBIFFError(rtl::Format(BIFFMessages::NoSheetForSubstream, {FSheetIndex}));
    }
    TSheet& sheet = FBIFF.GetSheet(FSheetIndex);
    sheet.SetIsRead(true);
    if (FBoundSheetIndex < FSheetNames.Count()) {
        sheet.SetNameFromFile(FSheetNames.GetString(FBoundSheetIndex));
        sheet.SetBoundSheetIndex(FBoundSheetIndex);
        sheet.SetHidden(static_cast<THiddenState>(FSheetNames.GetValue(FBoundSheetIndex)));
    }
    FCurrentWorksheet = worksheets.GetItem(FSheetIndex);
    return sheet;
}

void TXLSReadBIFF::ForgetSheetFormulas() {
    FSharedFormulas.Clear();
    FPendingArray.reset();
}

void TXLSReadBIFF::AddSingleSheet() {
    FBIFF.Sheets().Add().SetNameFromFile(SingleSheetName);
    FManager.Worksheets().Add(-1)->SetName(SingleSheetName);
}

void TXLSReadBIFF::SkipSubstream() {
    int32_t depth = 1;
    TBIFFHeader header;
    while (depth > 0 && FStream.ReadHeader(header) == HeaderSize) {
        SkipBody(header);
        if (IsBIFFBOF(header.RecID)) {
            ++depth;
        } else if (header.RecID == BIFFRecordEOF) {
            --depth;
        }
    }
    ReportProgress();
}

void TXLSReadBIFF::EndSubstream() {
    FSubstream = TSubstream::None;
    if (FSheetNames.Count() == 0 || FBoundSheetIndex >= FSheetNames.Count() - 1) {
        FFinished = true;
    }
}

} // namespace xls
