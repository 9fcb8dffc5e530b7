// The records that describe a sheet beside its cells, built byte by byte, and the hyperlinks LibreOffice writes.

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::CellWorkbook8;
using test::Concat;
using test::DoubleOf;
using test::DWord;
using test::Flagged16;
using test::Record;
using test::TBIFFModel;
using test::TBytes;
using test::Utf16;
using test::Word;
using test_support::MessageOf;
using test_support::Utf8;

TEST(TXLSReadBIFF, RowsAndColumnsKeepTheirFormatsHeightsWidthsAndFlags) {
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        // Row 3, 450 twips, outline level 2, collapsed, hidden, custom height, formatted with XF 2.
        Record(BIFFRecordRow, Concat({Word(3), Word(0), Word(4), Word(450), Word(0), Word(0), {0xF2, 0x01}, Word(2)})),
        // Row 5 unformatted: its XF field is not looked at.
        Record(BIFFRecordRow, Concat({Word(5), Word(0), Word(4), Word(300), Word(0), Word(0), {0x00, 0x01}, Word(99)})),
        // Columns B to the last one, ten characters wide, XF 3, hidden, custom width, level 1, collapsed.
        Record(BIFFRecordColInfo, Concat({Word(1), Word(256), Word(2560), Word(3), {0x03, 0x11}, Word(0)})),
        // A range the wrong way round makes no column.
        Record(BIFFRecordColInfo, Concat({Word(9), Word(8), Word(2560), Word(0), {0, 0}, Word(0)})),
    }));
    TXLSCellMMU& cells = model.Sheet(0).GetCells();
    const TXLSRowRecord row = cells.GetRowRecord(3);
    ASSERT_TRUE(row);
    EXPECT_EQ(row.Height(), 450);
    EXPECT_EQ(row.OutlineLevel(), 2);
    EXPECT_EQ(row.Flags(), XLSRowCollapsed | XLSRowHidden | XLSRowCustomHeight);
    EXPECT_EQ(row.XF(), 3);
    EXPECT_EQ(cells.GetRowRecord(5).XF(), 0);
    TXc12Columns& columns = model.Sheet(0).GetColumns();
    ASSERT_EQ(columns.Count(), 1);
    const TXc12Column& column = *columns.GetItem(0);
    EXPECT_EQ(column.GetFirstCol(), 1);
    EXPECT_EQ(column.GetLastCol(), 255);
    EXPECT_EQ(column.GetWidth(), 10);
    EXPECT_EQ(column.GetOutlineLevel(), 1);
    EXPECT_TRUE(column.GetOptions().Contains(xcoHidden));
    EXPECT_TRUE(column.GetOptions().Contains(xcoCustomWidth));
    EXPECT_TRUE(column.GetOptions().Contains(xcoCollapsed));
    EXPECT_FALSE(column.GetOptions().Contains(xcoBestFit));
    EXPECT_TRUE(model.WarningNumbers().empty());
}

TEST(TXLSReadBIFF, DimensionsGiveTheUsedAreaAndMergedRangesAreTakenOnce) {
    const TBytes range = Concat({Word(1), Word(2), Word(0), Word(3)});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Record(BIFFRecordDimensions, Concat({DWord(1), DWord(10), Word(2), Word(6), Word(0)})),
        // Three ranges, one of them twice, and a count larger than the record holds.
        Record(BIFFRecordMergeCells, Concat({Word(9), range, range, Concat({Word(5), Word(5), Word(0), Word(1)})})),
        Record(BIFFRecordDefColWidth, Word(12)),
        Record(BIFFRecordDefaultRowHeight, Concat({Word(0), Word(270)})),
    }));
    TXc12DataWorksheet& sheet = model.Sheet(0);
    EXPECT_EQ(sheet.GetDimension(), (TXLSCellAreaRec{1, 9, 2, 5}));
    TXc12MergedCells& merged = sheet.GetMergedCells();
    ASSERT_EQ(merged.Count(), 2);
    EXPECT_EQ(merged.GetItem(0)->GetRect(), (TXLSCellAreaRec{1, 2, 0, 3}));
    EXPECT_EQ(merged.GetItem(1)->GetRect(), (TXLSCellAreaRec{5, 5, 0, 1}));
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultColWidth(), 12);
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultRowHeight(), 270);
}

TEST(TXLSReadBIFF, WindowPaneAndSelectionsShapeTheFirstSheetView) {
    const TBytes window2 = Concat({Word(0x0ABE), Word(4), Word(2), DWord(64), Word(60), Word(85), DWord(0)});
    // Frozen at column 1, row 2 with the bottom right pane active.
    const TBytes pane = Concat({Word(1), Word(2), Word(2), Word(1), {0, 0}});
    // Two ranges, B2:C3 and E5, with a count larger than the record holds.
    const TBytes selection =
        Concat({{0}, Word(1), Word(1), Word(0), Word(5), Word(1), Word(2), {1, 2}, Word(4), Word(4), {4, 4}});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8(
        {Record(BIFFRecordWindow2, window2), Record(BIFFRecordPane, pane), Record(BIFFRecordSelection, selection)}));
    TXc12DataWorksheet& sheet = model.Sheet(0);
    TXc12SheetView& view = *sheet.GetSheetViews().GetItem(0);
    EXPECT_EQ(view.GetTopLeftCell(), (TXLSCellAreaRec{4, 4, 2, 2}));
    EXPECT_EQ(view.GetColorId(), 64);
    EXPECT_EQ(view.GetZoomScaleSheetLayoutView(), 60);
    EXPECT_EQ(view.GetZoomScaleNormal(), 85);
    EXPECT_FALSE(view.GetShowFormulas());
    EXPECT_TRUE(view.GetShowGridLines());
    EXPECT_TRUE(view.GetShowRowColHeaders());
    EXPECT_TRUE(view.GetShowZeros());
    EXPECT_TRUE(view.GetDefaultGridColor());
    EXPECT_FALSE(view.GetRightToLeft());
    EXPECT_TRUE(view.GetShowOutlineSymbols());
    EXPECT_TRUE(view.GetTabSelected());
    EXPECT_EQ(view.GetPane().GetState(), 1);
    EXPECT_EQ(view.GetPane().GetXSplit(), 1);
    EXPECT_EQ(view.GetPane().GetYSplit(), 2);
    EXPECT_EQ(view.GetPane().GetTopLeftCell(), (TXLSCellAreaRec{2, 2, 1, 1}));
    EXPECT_EQ(view.GetPane().GetActivePane(), x12pBottomRight);
    ASSERT_EQ(sheet.GetCustomSheetViews().Count(), 1);
    EXPECT_EQ(sheet.GetCustomSheetViews().GetItem(0)->GetView(), 1);
    ASSERT_EQ(view.GetSelections().Count(), 1);
    TXc12Selection& selected = *view.GetSelections().GetItem(0);
    EXPECT_EQ(selected.GetPane(), x12pBottomRight);
    EXPECT_EQ(selected.GetActiveCell(), (TXLSCellAreaRec{1, 1, 1, 1}));
    ASSERT_EQ(selected.GetRanges().Count(), 2);
    EXPECT_EQ(selected.GetRanges().GetItem(0)->GetRect(), (TXLSCellAreaRec{1, 2, 1, 2}));
    EXPECT_EQ(selected.GetRanges().GetItem(1)->GetRect(), (TXLSCellAreaRec{4, 4, 4, 4}));
}

TEST(TXLSReadBIFF, PrintingRecordsFillPageSetupMarginsHeaderAndBreaks) {
    // A4, 80 %, landscape, black and white, notes at the end, errors as dashes, and margins of half an inch.
    const TBytes setup = Concat({Word(9), Word(80), Word(2), Word(1), Word(3), Word(0x0E28), Word(300), Word(300),
                                 DoubleOf(0.25), DoubleOf(0.5), Word(2)});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Record(BIFFRecordHorizontalPageBreaks, Concat({Word(2), Word(10), Word(0), Word(255), Word(20)})),
        Record(BIFFRecordHeader, Concat({Word(3), Flagged16(u"&P页")})),
        Record(BIFFRecordFooter, {}),
        Record(BIFFRecordLeftMargin, DoubleOf(0.75)),
        Record(BIFFRecordBottomMargin, DoubleOf(1.5)),
        Record(BIFFRecordHCenter, Word(1)),
        Record(BIFFRecordPrintGridlines, Word(1)),
        Record(BIFFRecordSetup, setup),
    }));
    TXc12DataWorksheet& sheet = model.Sheet(0);
    const TXc12PageSetup& page = sheet.GetPageSetup();
    EXPECT_EQ(page.GetPaperSize(), 9);
    EXPECT_EQ(page.GetScale(), 80);
    EXPECT_EQ(page.GetFitToHeight(), 3);
    EXPECT_EQ(page.GetOrientation(), 2);
    EXPECT_TRUE(page.GetBlackAndWhite());
    EXPECT_EQ(page.GetCellComments(), 2);
    EXPECT_EQ(page.GetErrors(), 3);
    EXPECT_EQ(page.GetCopies(), 2);
    EXPECT_EQ(sheet.GetPageMargins().GetHeader(), 0.25);
    EXPECT_EQ(sheet.GetPageMargins().GetFooter(), 0.5);
    EXPECT_EQ(sheet.GetPageMargins().GetLeft(), 0.75);
    EXPECT_EQ(sheet.GetPageMargins().GetBottom(), 1.5);
    EXPECT_TRUE(sheet.GetPrintOptions().GetHorizontalCentered());
    EXPECT_FALSE(sheet.GetPrintOptions().GetVerticalCentered());
    EXPECT_TRUE(sheet.GetPrintOptions().GetGridLines());
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetOddHeader()), "&P页");
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetOddFooter()), "");
    // The one whole entry of the two the count names.
    ASSERT_EQ(sheet.GetRowBreaks().Count(), 1);
    EXPECT_EQ(sheet.GetRowBreaks().GetItem(0)->GetId(), 9);
    EXPECT_EQ(sheet.GetRowBreaks().GetItem(0)->GetMax(), 254);

    // Printer data that is not valid gives the defaults.
    TBIFFModel invalid;
    invalid.ReadWorkbook8(
        CellWorkbook8({Record(BIFFRecordSetup, Concat({Word(5), Word(50), TBytes(6, 0), Word(0x04), TBytes(22, 0)}))}));
    const TXc12PageSetup& defaults = invalid.Sheet(0).GetPageSetup();
    EXPECT_EQ(defaults.GetPaperSize(), 9);
    EXPECT_EQ(defaults.GetScale(), 100);
    EXPECT_EQ(defaults.GetHorizontalDpi(), 600);
    EXPECT_EQ(defaults.GetCopies(), 1);
    EXPECT_EQ(defaults.GetOrientation(), 1);
}

TEST(TXLSReadBIFF, SheetOptionsTabColourAndProtection) {
    const TBytes frtHeader = Concat({Word(0), TBytes(10, 0)});
    // Objects and scenarios protected; the rest allowed but sorting.
    const TBytes protection = Concat({frtHeader, Word(2), {1}, DWord(0xFFFFFFFF), {0xFC, 0x77}, {0, 0}});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Record(BIFFRecordWsBool, Word(0x01C1)),
        Record(BIFFRecordSheetExt, Concat({frtHeader, DWord(20), DWord(10)})),
        Record(BIFFRecordFeatHdr, protection),
        Record(BIFFRecordPassword, Word(0xCC3D)),
    }));
    TXc12DataWorksheet& sheet = model.Sheet(0);
    TXc12SheetPr& properties = sheet.GetSheetPr();
    EXPECT_TRUE(properties.GetPageSetupPr().GetAutoPageBreaks());
    EXPECT_TRUE(properties.GetPageSetupPr().GetFitToPage());
    EXPECT_FALSE(properties.GetOutlinePr().GetApplyStyles());
    EXPECT_TRUE(properties.GetOutlinePr().GetSummaryBelow());
    EXPECT_TRUE(properties.GetOutlinePr().GetSummaryRight());
    EXPECT_EQ(properties.GetTabColor().Index, 10);
    EXPECT_EQ(sheet.GetSheetProtection().GetPassword(), 0xCC3D);
    const TSheetProtections permissions = model.Biff.GetSheet(0).SheetProtection();
    EXPECT_FALSE(permissions.Contains(spEditObjects));
    EXPECT_FALSE(permissions.Contains(spSortCellRange));
    EXPECT_TRUE(permissions.Contains(spEditCellFormatting));
    EXPECT_TRUE(permissions.Contains(spSelectUnlockedCells));
    // The protection header is taken; SHEETEXT and the sheet's PASSWORD are kept raw as well.
    const TRecordStorageSheet& storage = model.Biff.GetSheet(0).Storage();
    EXPECT_EQ(storage.Find(BIFFRecordFeatHdr), -1);
    EXPECT_GE(storage.Find(BIFFRecordSheetExt), 0);
}

TEST(TXLSReadBIFF, HyperlinksOfLibreOfficeGiveAddressesDisplayTextsAndLocations) {
    TBIFFModel model;
    model.Read(test::FileBytes(test_support::DataPath("biff/libreoffice-sales.xls")));
    TXc12Hyperlinks& links = model.Sheet(2).GetHyperlinks();
    ASSERT_EQ(links.Count(), 3);
    const struct {
        uint8_t Kind;
        const char* Display;
        const char* Address;
        const char* Location;
    } expected[] = {
        {1, "网站", "https://example.com/发票?id=1", ""},
        // One step up, then the path as LibreOffice wrote it.
        {2, "Report", "..\\reports/report.xls", ""},
        {4, "Total", "Formulas!A11", "Formulas!A11"},
    };
    for (int32_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TXc12Hyperlink& link = *links.GetItem(i);
        EXPECT_EQ(link.GetRect(), (TXLSCellAreaRec{i, i, 0, 0}));
        EXPECT_EQ(link.GetKind(), expected[i].Kind);
        EXPECT_EQ(Utf8(link.GetDisplay()), expected[i].Display);
        EXPECT_EQ(Utf8(link.GetAddress()), expected[i].Address);
        EXPECT_EQ(Utf8(link.GetLocation()), expected[i].Location);
    }
}

// A URL hyperlink with a target frame and a tooltip record after it; and one whose URL claims more than it holds.
TEST(TXLSReadBIFF, HyperlinkFieldsAreReadWithinTheirRecord) {
    const TBytes urlMoniker = {0xE0, 0xC9, 0xEA, 0x79, 0xF9, 0xBA, 0xCE, 0x11,
                               0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B};
    const TBytes head = Concat({Word(1), Word(1), Word(2), Word(3), TBytes(16, 0), DWord(2)});
    const TBytes url = Utf16(std::u16string(u"http://a.b/") + u'\0');
    const TBytes link = Concat({head, DWord(0x83), DWord(4), Utf16(std::u16string(u"top") + u'\0'), urlMoniker,
                                DWord(static_cast<uint32_t>(url.size())), url});
    const TBytes tooltip = Concat(
        {Word(BIFFRecordHLinkTooltip), Word(1), Word(1), Word(2), Word(3), Utf16(std::u16string(u"tip") + u'\0')});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({Record(BIFFRecordHLink, link), Record(BIFFRecordHLinkTooltip, tooltip)}));
    const TXc12Hyperlink& read = *model.Sheet(0).GetHyperlinks().GetItem(0);
    EXPECT_EQ(read.GetRect(), (TXLSCellAreaRec{1, 1, 2, 3}));
    EXPECT_EQ(Utf8(read.GetTargetFrame()), "top");
    EXPECT_EQ(Utf8(read.GetAddress()), "http://a.b/");
    EXPECT_EQ(Utf8(read.GetTooltip()), "tip");
    EXPECT_EQ(model.Biff.GetSheet(0).Storage().Find(BIFFRecordHLinkTooltip), -1);

    const TBytes damaged = Concat({head, DWord(0x03), urlMoniker, DWord(4000), url});
    TBIFFModel broken;
    const std::string message =
        MessageOf([&] { broken.ReadWorkbook8(CellWorkbook8({Record(BIFFRecordHLink, damaged)})); });
    EXPECT_NE(message.find("\rRecord 01B8 is damaged: 4000 bytes from offset 52"), std::string::npos) << message;
}

} // namespace
} // namespace xls
