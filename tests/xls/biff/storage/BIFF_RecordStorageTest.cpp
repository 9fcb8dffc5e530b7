#include "xls/biff/storage/BIFF_RecordStorage.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"

#include <gtest/gtest.h>
#include <vector>

namespace xls {
namespace {

using test::BOF8;
using test::BoundSheet8;
using test::Concat;
using test::DWord;
using test::Record;
using test::StoredBody;
using test::StoredIds;
using test::Substream8;
using test::SubstreamGlobals;
using test::SubstreamWorksheet;
using test::TBIFFModel;
using test::TBytes;
using test::Word;
using test::WordRecord;
using test_support::MessageOf;

const std::vector<uint16_t> GlobalsTemplate = {
    BIFFRecordBOF8,         BIFFRecordWriteAccess,   BIFFRecordCodePage,     BIFFRecordDSF,        BIFFRecordTabId,
    BIFFRecordFnGroupCount, BIFFRecordWindowProtect, BIFFRecordProtect,      BIFFRecordPassword,   BIFFRecordProt4Rev,
    BIFFRecordWindow1,      BIFFRecordBackup,        BIFFRecordHideObj,      BIFFRecordDateMode,   BIFFRecordPrecision,
    BIFFRecordRefreshAll,   BIFFRecordBookBool,      BIFFMarkerStyles,       BIFFMarkerSheets,     BIFFRecordCountry,
    BIFFRecordRecalcId,     BIFFMarkerExternals,     BIFFMarkerDrawingGroup, BIFFMarkerGlobalsEnd, BIFFRecordEOF,
};

TEST(TRecordStorageGlobals, AGlobalsSubstreamOfBOFCodePageAndEOFGivesTheWholeTemplateWithTheFilesBodies) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({BOF8(SubstreamGlobals), WordRecord(BIFFRecordCodePage, 1252), BoundSheet8(u"S"),
                                Record(BIFFRecordEOF, {}), Substream8(SubstreamWorksheet, {})}));
    const TRecordStorageGlobals& globals = model.Biff.Globals();
    EXPECT_EQ(StoredIds(globals), GlobalsTemplate);
    EXPECT_TRUE(globals.TemplateIds().empty());
    EXPECT_EQ(StoredBody(globals, BIFFRecordCodePage), Word(1252));
    // The file's BOF, with the build the globals always get.
    const TBytes bof = StoredBody(globals, BIFFRecordBOF8);
    ASSERT_EQ(bof.size(), 16u);
    EXPECT_EQ(TBytes(bof.begin(), bof.begin() + 6), Concat({Word(0x0600), Word(0x0005), Word(6319)}));
    const TBytes fileBOF = BOF8(SubstreamGlobals);
    EXPECT_EQ(TBytes(bof.begin() + 6, bof.end()), TBytes(fileBOF.begin() + 10, fileBOF.end()));
}

TEST(TRecordStorageSheet, RawRecordsStandBetweenTheDefaultsInFileOrder) {
    TRecordStorageSheet sheet;
    sheet.UpdateDefault(BIFFRecordBOF8, TBytes(16, 1));
    sheet.Add(0x0063, TBytes{7});
    sheet.FlushToMarker(BIFFMarkerHeaderFooter);
    sheet.UpdateDefault(BIFFRecordWindow2, TBytes(18, 2));
    EXPECT_EQ(StoredIds(sheet), (std::vector<uint16_t>{BIFFRecordBOF8,
                                                       0x0063,
                                                       BIFFRecordCalcMode,
                                                       BIFFRecordCalcCount,
                                                       BIFFRecordRefMode,
                                                       BIFFRecordIteration,
                                                       BIFFRecordDelta,
                                                       BIFFRecordSaveRecalc,
                                                       BIFFRecordPrintGridlines,
                                                       BIFFRecordPrintHeaders,
                                                       BIFFRecordGridSet,
                                                       BIFFRecordGuts,
                                                       BIFFRecordDefaultRowHeight,
                                                       BIFFRecordWsBool,
                                                       BIFFMarkerPageBreaks,
                                                       BIFFMarkerHeaderFooter,
                                                       BIFFMarkerMargins,
                                                       BIFFRecordHCenter,
                                                       BIFFRecordVCenter,
                                                       BIFFRecordSetup,
                                                       BIFFRecordProtect,
                                                       BIFFRecordDefColWidth,
                                                       BIFFRecordDimensions,
                                                       BIFFMarkerRows,
                                                       BIFFMarkerCells,
                                                       BIFFRecordWindow2}));
    // A sheet without DIMENSIONS keeps the template's, all zero.
    EXPECT_EQ(StoredBody(sheet, BIFFRecordDimensions), TBytes(14, 0));
    EXPECT_EQ(sheet.TemplateIds(), (std::vector<uint16_t>{BIFFMarkerObjects, BIFFRecordEOF}));
}

// A default record keeps its template's length whatever the file's record says: the fields the file holds replace
// the stored ones, bytes beyond are dropped, and fields a short record lacks keep what they had.
TEST(TRecordStorageSheet, ADefaultRecordKeepsItsLengthAndTakesTheFieldsTheFileHolds) {
    TRecordStorageSheet sheet;
    sheet.UpdateDefault(BIFFRecordWindow2, TBytes(18, 2));
    sheet.UpdateDefault(BIFFRecordWindow2, TBytes(18, 3));
    EXPECT_EQ(StoredBody(sheet, BIFFRecordWindow2), TBytes(18, 3));
    sheet.UpdateDefault(BIFFRecordWindow2, TBytes(10, 4));
    EXPECT_EQ(StoredBody(sheet, BIFFRecordWindow2), Concat({TBytes(10, 4), TBytes(8, 3)}));
    sheet.UpdateDefault(BIFFRecordWindow2, TBytes(24, 5));
    EXPECT_EQ(StoredBody(sheet, BIFFRecordWindow2), TBytes(18, 5));
    // A record of another maker's writer, longer than its fixed size, met first and then again.
    sheet.UpdateDefault(BIFFRecordProtect, Concat({Word(1), Word(0xFFFF)}));
    sheet.UpdateDefault(BIFFRecordProtect, Word(1));
    EXPECT_EQ(StoredBody(sheet, BIFFRecordProtect), Word(1));
}

TEST(TRecordStorageSheet, IdsWithoutADefaultAreIgnoredAndAMissingTemplateIsReported) {
    TRecordStorageSheet sheet;
    sheet.UpdateDefault(BIFFRecordCodePage, Word(1252));
    sheet.FlushToMarker(BIFFMarkerStyles);
    EXPECT_EQ(sheet.Count(), 0);
    // Any BOF is the storage's BIFF8 BOF.
    sheet.UpdateDefault(BIFFRecordBOF3, TBytes(6, 5));
    EXPECT_EQ(StoredIds(sheet), (std::vector<uint16_t>{BIFFRecordBOF8}));
    TRecordStorageGlobals globals;
    globals.UpdateDefault(BIFFRecordEOF, {});
    EXPECT_EQ(StoredIds(globals), GlobalsTemplate);
    globals.Clear();
    globals.UpdateDefault(BIFFRecordEOF, {});
    EXPECT_EQ(globals.Count(), 0) << "after Clear no id has a default";
}

TEST(TRecordStorageSheet, FieldsAShortDefaultRecordLacksKeepTheTemplatesValues) {
    TRecordStorageSheet sheet;
    EXPECT_EQ(sheet.Window2Options(), 0x04B6);
    EXPECT_EQ(sheet.DefColWidth(), 8);
    EXPECT_EQ(sheet.WsBool(), 0x04C1);
    // BIFF5's WINDOW2 ends before the zooms, which keep the template's 0 (the default zoom) and can be set.
    sheet.UpdateDefault(BIFFRecordWindow2, Concat({Word(0x06B6), Word(1), Word(2), DWord(8)}));
    EXPECT_EQ(sheet.Window2Options(), 0x06B6);
    EXPECT_EQ(sheet.Zoom(), 0);
    sheet.SetZoom(150);
    EXPECT_EQ(sheet.Zoom(), 150);
    EXPECT_EQ(StoredBody(sheet, BIFFRecordWindow2).size(), 18u);
    sheet.SetWindow2Options(0x0002);
    EXPECT_EQ(sheet.Window2Options(), 0x0002);
    // A SETUP cut short after its scale keeps the template's first page number and later fields.
    sheet.UpdateDefault(BIFFRecordSetup, Concat({Word(9), Word(80)}));
    const TBytes setup = StoredBody(sheet, BIFFRecordSetup);
    ASSERT_EQ(setup.size(), 34u);
    EXPECT_EQ(TBytes(setup.begin(), setup.begin() + 8), Concat({Word(9), Word(80), Word(1), Word(1)}));
}

TEST(TBaseRecordStorage, FindsCountsAndRefusesBodiesNoRecordCanHold) {
    TBaseRecordStorage storage;
    storage.Add(1, TBytes{1, 2});
    storage.Add(2, {});
    storage.Add(1, TBytes{3});
    EXPECT_EQ(storage.Find(1), 0);
    EXPECT_EQ(storage.Find(3), -1);
    EXPECT_EQ(storage.TotalSize(), 4 + 2 + 4 + 4 + 1);
    EXPECT_EQ(MessageOf([&] { storage.Get(3); }), "List index out of bounds (3)");
    EXPECT_EQ(MessageOf([&] { storage.Add(5, TBytes(0x10000)); }),
              "Record 0005 of 65536 bytes is longer than a record can be");
}

} // namespace
} // namespace xls
