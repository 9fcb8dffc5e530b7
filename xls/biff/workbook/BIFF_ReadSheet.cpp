// The handlers of the records that describe a worksheet beside its cells: rows and columns, the used area, merged
// cells, the window with its panes and selections, printing (page setup, margins, header and footer, page breaks)
// and the sheet's options and protection. They fill the current model worksheet; counts are taken only as far as
// the record's bytes go.

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>

namespace xls {

namespace {

// ROW (MS-XLS 2.4.221): the height, the option byte and the XF of a formatted row.
constexpr int32_t RowHeight = 6;
constexpr int32_t RowOptions = 12;
constexpr int32_t RowXF = 14;
constexpr uint8_t RowOutlineLevel = 0x07;
constexpr uint8_t RowCollapsed = 0x10;
constexpr uint8_t RowHidden = 0x20;
constexpr uint8_t RowCustomHeight = 0x40;
constexpr uint8_t RowFormatted = 0x80;
constexpr uint16_t RowXFMask = 0x0FFF;
constexpr uint16_t RowHeightMask = 0x7FFF;

// COLINFO (MS-XLS 2.4.53): widths in 1/256 of a character.
constexpr int32_t ColInfoWidth = 4;
constexpr int32_t ColInfoXF = 6;
constexpr int32_t ColInfoOptions = 8;
constexpr int32_t ColInfoOutline = 9;
constexpr double ColInfoWidthUnits = 256;
constexpr uint8_t ColInfoHidden = 0x01;
constexpr uint8_t ColInfoCustomWidth = 0x02;
constexpr uint8_t ColInfoCollapsed = 0x10;

// DIMENSIONS before BIFF8 has 16-bit rows; the storage keeps the BIFF8 layout with 32-bit rows.
constexpr size_t Dimensions8Length = 14;

// MERGECELLS (MS-XLS 2.4.168) and SELECTION (2.4.248): their ranges.
constexpr int32_t MergeRangeSize = 8;
constexpr int32_t SelectionPane = 0;
constexpr int32_t SelectionActiveRow = 1;
constexpr int32_t SelectionActiveCol = 3;
constexpr int32_t SelectionActiveIndex = 5;
constexpr int32_t SelectionCount = 7;
constexpr int32_t SelectionRanges = 9;
constexpr int32_t SelectionRangeSize = 6;

// WINDOW2 (MS-XLS 2.4.346): the fields and option bits; BIFF5's record ends after the gridline colour.
constexpr int32_t Window2TopRow = 2;
constexpr int32_t Window2LeftCol = 4;
constexpr int32_t Window2GridColor = 6;
constexpr int32_t Window2PreviewZoom = 10;
constexpr int32_t Window2NormalZoom = 12;
constexpr int32_t Window2BIFF5Length = 10;
constexpr uint16_t Window2ShowFormulas = 0x0001;
constexpr uint16_t Window2Gridlines = 0x0002;
constexpr uint16_t Window2Headers = 0x0004;
constexpr uint16_t Window2Frozen = 0x0008;
constexpr uint16_t Window2Zeros = 0x0010;
constexpr uint16_t Window2DefaultGridColor = 0x0020;
constexpr uint16_t Window2RightToLeft = 0x0040;
constexpr uint16_t Window2Outline = 0x0080;
constexpr uint16_t Window2Selected = 0x0200;
constexpr uint16_t Window2PageBreakPreview = 0x0800;
constexpr uint8_t PaneStateFrozen = 1;
constexpr uint8_t ViewPageBreakPreview = 1;

// PANE (MS-XLS 2.4.189).
constexpr int32_t PaneSplitX = 0;
constexpr int32_t PaneSplitY = 2;
constexpr int32_t PaneTopRow = 4;
constexpr int32_t PaneLeftCol = 6;
constexpr int32_t PaneActive = 8;

// SETUP (MS-XLS 2.4.257).
constexpr int32_t SetupScale = 2;
constexpr int32_t SetupFirstPage = 4;
constexpr int32_t SetupFitWidth = 6;
constexpr int32_t SetupFitHeight = 8;
constexpr int32_t SetupOptions = 10;
constexpr int32_t SetupHorizontalDpi = 12;
constexpr int32_t SetupVerticalDpi = 14;
constexpr int32_t SetupHeaderMargin = 16;
constexpr int32_t SetupFooterMargin = 24;
constexpr int32_t SetupCopies = 32;
constexpr uint16_t SetupPageOrder = 0x0001;
constexpr uint16_t SetupPortrait = 0x0002;
constexpr uint16_t SetupNoPrinterData = 0x0004;
constexpr uint16_t SetupBlackAndWhite = 0x0008;
constexpr uint16_t SetupDraft = 0x0010;
constexpr uint16_t SetupNotes = 0x0020;
constexpr uint16_t SetupNotesAtEnd = 0x0200;
constexpr int32_t SetupErrorsShift = 10;
constexpr uint8_t OrientationPortrait = 1;
constexpr uint8_t OrientationLandscape = 2;
// What a sheet prints with when its printer data is not valid.
constexpr int32_t DefaultPaperSize = 9;
constexpr int32_t DefaultScale = 100;
constexpr int32_t DefaultDpi = 600;

// Page breaks (MS-XLS 2.4.122, 2.4.350): BIFF8 entries of a position and its first and last cell, BIFF5 positions.
constexpr int32_t BreakEntries = 2;
constexpr int32_t Break8Size = 6;
constexpr int32_t Break5Size = 2;

// WSBOOL (MS-XLS 2.4.351).
constexpr uint16_t WsBoolAutoBreaks = 0x0001;
constexpr uint16_t WsBoolApplyStyles = 0x0020;
constexpr uint16_t WsBoolRowSumsBelow = 0x0040;
constexpr uint16_t WsBoolColSumsRight = 0x0080;
constexpr uint16_t WsBoolFitToPage = 0x0100;

// SHEETEXT (MS-XLS 2.4.264) and FEATHDR (2.4.112): after their 12-byte future-record header.
constexpr int32_t SheetExtOptions = 16;
constexpr uint32_t SheetExtTabColor = 0x7F;
constexpr int32_t FeatHdrType = 12;
constexpr uint16_t FeatHdrProtection = 2;
constexpr int32_t FeatHdrProtectionBits = 19;

TXLSCellAreaRec CellArea(int32_t col, int32_t row) {
    TXLSCellAreaRec area;
    SetCellAreaToCell(area, col, row);
    return area;
}

} // namespace

TXc12SheetView& TXLSReadBIFF::FirstSheetView() {
    TXc12SheetViews& views = FCurrentWorksheet->GetSheetViews();
    return views.Count() > 0 ? *views.GetItem(0) : *views.Add();
}

void TXLSReadBIFF::ReadRow() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const uint8_t options = body.Byte(RowOptions);
    const int32_t xf = (options & RowFormatted) != 0 ? CellXF(body.Word(RowXF) & RowXFMask) : 0;
    TXLSRowRecord record = FCurrentWorksheet->GetCells().SetRowFormat(body.Word(0), xf);
    record.SetHeight(static_cast<int16_t>(body.Word(RowHeight) & RowHeightMask));
    record.SetOutlineLevel(options & RowOutlineLevel);
    record.SetFlags(static_cast<uint8_t>(((options & RowCollapsed) != 0 ? XLSRowCollapsed : 0) |
                                         ((options & RowHidden) != 0 ? XLSRowHidden : 0) |
                                         ((options & RowCustomHeight) != 0 ? XLSRowCustomHeight : 0)));
}

void TXLSReadBIFF::ReadColInfo() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const int32_t first = body.Word(0);
    // Writers give the columns up to 256 for "to the last one".
    const int32_t last = std::min<int32_t>(body.Word(2), BIFFMaxColumn);
    if (first > last) {
        return;
    }
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    TXc12XF* xf = styleSheet.XFs().GetItem(CellXF(body.Word(ColInfoXF)));
    TXc12Column* column = FCurrentWorksheet->GetColumns().Add(xf);
    styleSheet.XFEditor().UseXF(xf);
    column->SetFirstCol(first);
    column->SetLastCol(last);
    column->SetWidth(body.Word(ColInfoWidth) / ColInfoWidthUnits);
    const uint8_t options = body.Byte(ColInfoOptions);
    const uint8_t outline = body.Byte(ColInfoOutline);
    column->SetOutlineLevel(outline & RowOutlineLevel);
    TXc12ColumnOptions flags;
    if ((options & ColInfoHidden) != 0) {
        flags.Include(xcoHidden);
    }
    if ((options & ColInfoCustomWidth) != 0) {
        flags.Include(xcoCustomWidth);
    }
    if ((outline & ColInfoCollapsed) != 0) {
        flags.Include(xcoCollapsed);
    }
    column->SetOptions(flags);
}

void TXLSReadBIFF::ReadDimensions() {
    const TBIFFBody body = Body();
    if (!IsBIFF8()) {
        std::vector<uint8_t> dimensions(Dimensions8Length);
        StoreUInt32LE(dimensions.data(), body.Word(0));
        StoreUInt32LE(dimensions.data() + 4, body.Word(2));
        StoreUInt16LE(dimensions.data() + 8, body.Word(4));
        StoreUInt16LE(dimensions.data() + 10, body.Word(6));
        FBody = std::move(dimensions);
    }
    if (!InSheet()) {
        return;
    }
    const TBIFFBody dimensions = Body();
    const int64_t firstRow = dimensions.DWord(0);
    const int64_t lastRow = int64_t{dimensions.DWord(4)} - 1;
    const int32_t firstCol = dimensions.Word(8);
    const int32_t lastCol = dimensions.Word(10) - 1;
    // An empty sheet has no used area; one beyond the sheet leaves the area to be computed from the cells.
    if (lastRow >= firstRow && lastCol >= firstCol && lastRow <= BIFFMaxRow && lastCol <= BIFFMaxColumn) {
        TXLSCellAreaRec area;
        SetCellArea(area, firstCol, static_cast<int32_t>(firstRow), lastCol, static_cast<int32_t>(lastRow));
        FCurrentWorksheet->SetDimension(area);
    }
}

void TXLSReadBIFF::ReadDimensions2() {
    // Id 0 is DIMENSIONS only before BIFF5.
    if (FVersion >= xvExcel50) {
        FKeep = TKeep::Drop;
    }
}

void TXLSReadBIFF::ReadDefColWidth() {
    if (InSheet()) {
        FCurrentWorksheet->GetSheetFormatPr().SetDefaultColWidth(Body().Word(0));
    }
}

void TXLSReadBIFF::ReadDefaultRowHeight() {
    if (InSheet()) {
        // In twentieths of a point, as the model keeps it.
        FCurrentWorksheet->GetSheetFormatPr().SetDefaultRowHeight(Body().Word(2));
    }
}

void TXLSReadBIFF::ReadMergeCells() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const int32_t count = std::min<int32_t>(body.Word(0), (body.Size() - 2) / MergeRangeSize);
    TXc12MergedCells& merged = FCurrentWorksheet->GetMergedCells();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t range = 2 + i * MergeRangeSize;
        TXLSCellAreaRec area;
        SetCellArea(area, body.Word(range + 4), body.Word(range), body.Word(range + 6), body.Word(range + 2));
        if (IsValidArea(area.Col1, area.Row1, area.Col2, area.Row2) &&
            merged.IndexOfArea(area.Col1, area.Row1, area.Col2, area.Row2) < 0) {
            merged.AddRect(area);
        }
    }
}

void TXLSReadBIFF::ReadWindow2() {
    if (!InSheet()) {
        return;
    }
    if (!IsBIFF8() && FBody.size() > Window2BIFF5Length) {
        std::fill(FBody.begin() + Window2BIFF5Length, FBody.end(), 0);
    }
    const TBIFFBody body = Body();
    const uint16_t options = body.Word(0);
    TXc12SheetView& view = FirstSheetView();
    view.SetTopLeftCell(CellArea(body.Word(Window2LeftCol), body.Word(Window2TopRow)));
    view.SetColorId(static_cast<int32_t>(body.DWord(Window2GridColor)));
    if (body.Word(Window2PreviewZoom) != 0) {
        view.SetZoomScaleSheetLayoutView(body.Word(Window2PreviewZoom));
    }
    if (body.Word(Window2NormalZoom) != 0) {
        view.SetZoomScaleNormal(body.Word(Window2NormalZoom));
    }
    view.SetShowFormulas((options & Window2ShowFormulas) != 0);
    view.SetShowGridLines((options & Window2Gridlines) != 0);
    view.SetShowRowColHeaders((options & Window2Headers) != 0);
    view.SetShowZeros((options & Window2Zeros) != 0);
    view.SetDefaultGridColor((options & Window2DefaultGridColor) != 0);
    view.SetRightToLeft((options & Window2RightToLeft) != 0);
    view.SetShowOutlineSymbols((options & Window2Outline) != 0);
    view.SetTabSelected((options & Window2Selected) != 0);
    if ((options & Window2Frozen) != 0) {
        view.GetPane().SetState(PaneStateFrozen);
    }
    if ((options & Window2PageBreakPreview) != 0) {
        FCurrentWorksheet->GetCustomSheetViews().Add()->SetView(ViewPageBreakPreview);
    }
}

void TXLSReadBIFF::ReadPane() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    TXc12Pane& pane = FirstSheetView().GetPane();
    pane.SetXSplit(body.Word(PaneSplitX));
    pane.SetYSplit(body.Word(PaneSplitY));
    pane.SetTopLeftCell(CellArea(body.Word(PaneLeftCol), body.Word(PaneTopRow)));
    pane.SetActivePane(body.Byte(PaneActive));
}

void TXLSReadBIFF::ReadSelection() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    TXc12Selection& selection = *FirstSheetView().GetSelections().Add();
    selection.SetPane(body.Byte(SelectionPane));
    selection.SetActiveCell(CellArea(body.Word(SelectionActiveCol), body.Word(SelectionActiveRow)));
    selection.SetActiveCellId(body.Word(SelectionActiveIndex));
    const int32_t count =
        std::min<int32_t>(body.Word(SelectionCount), (body.Size() - SelectionRanges) / SelectionRangeSize);
    TCellAreas& ranges = selection.GetRanges();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t range = SelectionRanges + i * SelectionRangeSize;
        TXLSCellAreaRec area;
        SetCellArea(area, body.Byte(range + 4), body.Word(range), body.Byte(range + 5), body.Word(range + 2));
        if (i == 0 && ranges.Count() > 0) {
            ranges.GetItem(0)->SetArea(area.Col1, area.Row1, area.Col2, area.Row2);
        } else {
            ranges.AddRect(area);
        }
    }
}

void TXLSReadBIFF::ReadSetup() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    const uint16_t options = body.Word(SetupOptions);
    TXc12PageSetup& setup = FCurrentWorksheet->GetPageSetup();
    setup.SetPaperSize(body.Word(0));
    setup.SetScale(body.Word(SetupScale));
    setup.SetFirstPageNumber(static_cast<int16_t>(body.Word(SetupFirstPage)));
    setup.SetFitToWidth(body.Word(SetupFitWidth));
    setup.SetFitToHeight(body.Word(SetupFitHeight));
    setup.SetHorizontalDpi(body.Word(SetupHorizontalDpi));
    setup.SetVerticalDpi(body.Word(SetupVerticalDpi));
    setup.SetCopies(body.Word(SetupCopies));
    setup.SetPageOrder((options & SetupPageOrder) != 0 ? 1 : 0);
    setup.SetOrientation((options & SetupPortrait) != 0 ? OrientationPortrait : OrientationLandscape);
    setup.SetBlackAndWhite((options & SetupBlackAndWhite) != 0);
    setup.SetDraft((options & SetupDraft) != 0);
    uint8_t comments = 0;
    if ((options & SetupNotes) != 0) {
        comments = (options & SetupNotesAtEnd) != 0 ? 2 : 1;
    }
    setup.SetCellComments(comments);
    setup.SetErrors(static_cast<uint8_t>((options >> SetupErrorsShift) & 0x03));
    if ((options & SetupNoPrinterData) != 0) {
        setup.SetPaperSize(DefaultPaperSize);
        setup.SetScale(DefaultScale);
        setup.SetHorizontalDpi(DefaultDpi);
        setup.SetVerticalDpi(DefaultDpi);
        setup.SetCopies(1);
        setup.SetOrientation(OrientationPortrait);
    }
    TXc12PageMargins& margins = FCurrentWorksheet->GetPageMargins();
    margins.SetHeader(body.Double(SetupHeaderMargin));
    margins.SetFooter(body.Double(SetupFooterMargin));
}

void TXLSReadBIFF::ReadMargin() {
    if (!InSheet()) {
        return;
    }
    const double margin = Body().Double(0);
    TXc12PageMargins& margins = FCurrentWorksheet->GetPageMargins();
    switch (FHeader.RecID) {
    case BIFFRecordLeftMargin:
        margins.SetLeft(margin);
        break;
    case BIFFRecordRightMargin:
        margins.SetRight(margin);
        break;
    case BIFFRecordTopMargin:
        margins.SetTop(margin);
        break;
    default:
        margins.SetBottom(margin);
        break;
    }
}

void TXLSReadBIFF::ReadHeaderFooter() {
    if (!InSheet() || FBody.empty()) {
        return;
    }
    const TBIFFBody body = Body();
    const rtl::UnicodeString text =
        IsBIFF8() ? UnicodeBodyToWide(body.From(2), body.Word(0)) : CharsText(1, body.Byte(0));
    TXc12HeaderFooter& headerFooter = FCurrentWorksheet->GetHeaderFooter();
    if (FHeader.RecID == BIFFRecordHeader) {
        headerFooter.SetOddHeader(text);
    } else {
        headerFooter.SetOddFooter(text);
    }
}

void TXLSReadBIFF::ReadPrintOption() {
    if (!InSheet()) {
        return;
    }
    const bool value = Body().Word(0) == 1;
    TXc12PrintOptions& print = FCurrentWorksheet->GetPrintOptions();
    switch (FHeader.RecID) {
    case BIFFRecordHCenter:
        print.SetHorizontalCentered(value);
        break;
    case BIFFRecordVCenter:
        print.SetVerticalCentered(value);
        break;
    case BIFFRecordPrintHeaders:
        print.SetHeadings(value);
        break;
    case BIFFRecordPrintGridlines:
        print.SetGridLines(value);
        break;
    default:
        print.SetGridLinesSet(value);
        break;
    }
}

void TXLSReadBIFF::ReadPageBreaks() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    TXc12PageBreaks& breaks = FHeader.RecID == BIFFRecordHorizontalPageBreaks ? FCurrentWorksheet->GetRowBreaks()
                                                                              : FCurrentWorksheet->GetColBreaks();
    const int32_t size = IsBIFF8() ? Break8Size : Break5Size;
    const int32_t count = std::min<int32_t>(body.Word(0), (body.Size() - BreakEntries) / size);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t entry = BreakEntries + i * size;
        TXc12Break& pageBreak = *breaks.Add();
        pageBreak.SetId(body.Word(entry) - 1);
        pageBreak.SetMin(IsBIFF8() ? body.Word(entry + 2) - 1 : 0);
        pageBreak.SetMax(IsBIFF8() ? body.Word(entry + 4) - 1 : BIFFMaxRow);
    }
}

void TXLSReadBIFF::ReadWsBool() {
    if (!InSheet() || FVersion < xvExcel50) {
        return;
    }
    FKeep = TKeep::Default;
    const uint16_t options = Body().Word(0);
    TXc12SheetPr& properties = FCurrentWorksheet->GetSheetPr();
    properties.GetPageSetupPr().SetAutoPageBreaks((options & WsBoolAutoBreaks) != 0);
    properties.GetPageSetupPr().SetFitToPage((options & WsBoolFitToPage) != 0);
    properties.GetOutlinePr().SetApplyStyles((options & WsBoolApplyStyles) != 0);
    properties.GetOutlinePr().SetSummaryBelow((options & WsBoolRowSumsBelow) != 0);
    properties.GetOutlinePr().SetSummaryRight((options & WsBoolColSumsRight) != 0);
}

void TXLSReadBIFF::ReadSheetExt() {
    if (InSheet()) {
        FCurrentWorksheet->GetSheetPr().GetTabColor() =
            IndexedColor(static_cast<int32_t>(Body().DWord(SheetExtOptions) & SheetExtTabColor));
    }
}

void TXLSReadBIFF::ReadFeatHdr() {
    const TBIFFBody body = Body();
    if (!InSheet() || body.Word(FeatHdrType) != FeatHdrProtection) {
        return;
    }
    // The permissions of the enhanced protection, in its bit order.
    const auto bits =
        static_cast<uint16_t>(body.Byte(FeatHdrProtectionBits) | (body.Byte(FeatHdrProtectionBits + 1) & 0x7F) << 8);
    FBIFF.GetSheet(FSheetIndex).SetSheetProtection(TSheetProtections::FromBits(bits));
    FKeep = TKeep::Drop;
}

} // namespace xls
