#include "xls/biff/storage/BIFF5Sheets.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Concat;
using test::DWord;
using test::TBytes;
using test::Word;
using test_support::MessageOf;
using test_support::Utf8;

TBytes Window2(uint16_t options) {
    return Concat({Word(options), TBytes(16, 0)});
}

TEST(TSheet, OptionsComeFromWindow2AndGoBackWithTheFixedBits) {
    TSheets sheets;
    TSheet& sheet = sheets.Add();
    sheet.Storage().UpdateDefault(BIFFRecordWindow2, Window2(0x06B6));
    EXPECT_EQ(sheet.Options(), (TSheetOptions{soGridlines, soRowColHeadings, soShowZeros}));
    sheet.SetOptions({soShowFormulas, soFrozenPanes, soProtected});
    EXPECT_EQ(sheet.Storage().Window2Options(), 0x04A0 | 0x0001 | 0x0008);
    EXPECT_EQ(sheet.Options(), (TSheetOptions{soShowFormulas, soFrozenPanes}));
}

TEST(TSheet, WorkspaceOptionsComeFromWsBoolAndLeaveItsOtherBits) {
    TSheets sheets;
    TSheet& sheet = sheets.Add();
    // The template's WSBOOL: automatic breaks, row and column sums, outline symbols.
    EXPECT_EQ(sheet.WorkspaceOptions(),
              (TWorkspaceOptions{woShowAutoBreaks, woRowSumsBelow, woColSumsRight, woOutlineSymbols}));
    sheet.SetWorkspaceOptions({woFitToPage, woApplyStyles});
    EXPECT_EQ(sheet.Storage().WsBool(), 0x0100 | 0x0020);
    sheet.Storage().UpdateDefault(BIFFRecordWsBool, Word(0x1000 | 0x0001));
    sheet.SetWorkspaceOptions({woOutlineSymbols});
    EXPECT_EQ(sheet.Storage().WsBool(), 0x1000 | 0x0400);
}

TEST(TSheet, NamesAreUniqueInAnyCase) {
    TSheets sheets;
    TSheet& first = sheets.Add();
    TSheet& second = sheets.Add();
    EXPECT_EQ(Utf8(first.Name()), "Sheet1");
    EXPECT_EQ(Utf8(second.Name()), "Sheet2");
    first.SetName(u"销售");
    EXPECT_EQ(MessageOf([&] { second.SetName(u"销售"); }), "Sheet name \"销售\" allready exists");
    EXPECT_EQ(MessageOf([&] { second.SetName(u"SHEET1"); }), "no exception");
    second.SetName(u"sheet1");
    EXPECT_EQ(Utf8(second.Name()), "SHEET1") << "the same name in other case keeps the old spelling";
    EXPECT_EQ(sheets.FindByName(u"Sheet1"), &second);
    EXPECT_EQ(sheets.FindByName(u"none"), nullptr);
}

TEST(TSheet, TheUsedAreaComesFromDimensions) {
    TSheets sheets;
    TSheet& sheet = sheets.Add();
    sheet.Storage().UpdateDefault(BIFFRecordDimensions, Concat({DWord(2), DWord(10), Word(1), Word(4), Word(0)}));
    sheet.AfterRead();
    EXPECT_EQ(sheet.FirstRow(), 2);
    EXPECT_EQ(sheet.LastRow(), 9);
    EXPECT_EQ(sheet.FirstCol(), 1);
    EXPECT_EQ(sheet.LastCol(), 3);
    TSheet& empty = sheets.Add();
    empty.AfterRead();
    EXPECT_EQ(empty.LastRow(), 0);
    EXPECT_EQ(empty.LastCol(), 0);
}

TEST(TSheet, AssignCopiesTheSettingsAndTheMergedCells) {
    TSheets sheets;
    TSheet& source = sheets.Add();
    source.SetZoom(120);
    source.SetDefaultColWidth(12);
    source.SetOptions({soGridlines});
    source.SetHidden(hsVeryHidden);
    source.SetSheetProtection({spDeleteRows});
    source.MergedCells().Add(1, 1, 2, 2);
    TSheet& target = sheets.Add();
    target.MergedCells().Add(5, 5, 6, 6);
    target.Assign(source);
    EXPECT_EQ(target.Zoom(), 120);
    EXPECT_EQ(target.DefaultColWidth(), 12);
    EXPECT_EQ(target.Options(), TSheetOptions{soGridlines});
    EXPECT_EQ(target.Hidden(), hsVeryHidden);
    EXPECT_EQ(target.SheetProtection(), TSheetProtections{spDeleteRows});
    ASSERT_EQ(target.MergedCells().Count(), 1);
    EXPECT_EQ(target.MergedCells().Get(0).Col2, 2);
    EXPECT_EQ(Utf8(target.Name()), "Sheet2");
}

TEST(TSelectedAreas, ANewListSelectsA1AndASingleCellReplacesTheAreas) {
    TSelectedAreas areas;
    ASSERT_EQ(areas.Count(), 1);
    EXPECT_EQ(areas.Get(0).Col2, 0);
    areas.Add(3, 3, 5, 5);
    areas.SetSingleCell(7, 9);
    ASSERT_EQ(areas.Count(), 1);
    EXPECT_EQ(areas.Get(0).Col1, 7);
    EXPECT_EQ(areas.Get(0).Row2, 9);
    EXPECT_EQ(areas.ActiveCol(), 7);
    EXPECT_EQ(areas.ActiveRow(), 9);
}

} // namespace
} // namespace xls
