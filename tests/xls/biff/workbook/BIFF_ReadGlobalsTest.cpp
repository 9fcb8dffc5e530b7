#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <bit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BOF5;
using test::BoundSheet5;
using test::BoundSheet8;
using test::Bytes8;
using test::Concat;
using test::DWord;
using test::Flagged16;
using test::Record;
using test::StoredBody;
using test::StoredIds;
using test::Substream5;
using test::Substream8;
using test::SubstreamGlobals;
using test::SubstreamWorksheet;
using test::TBIFFModel;
using test::TBytes;
using test::Word;
using test::WordRecord;
using test_support::MessageOf;
using test_support::Utf8;

void ReadGlobals8(TBIFFModel& model, std::initializer_list<TBytes> records) {
    model.ReadWorkbook8(test::Workbook8WithSheet(records));
}

TBytes DoubleBytes(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    return Concat({DWord(static_cast<uint32_t>(bits)), DWord(static_cast<uint32_t>(bits >> 32))});
}

TEST(TXLSReadBIFF, TheSheetListGivesNamesAndVisibilityAndSkipsChartSheets) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {BoundSheet8(u"可见"), BoundSheet8(u"Hidden", 1), BoundSheet8(u"Chart", 0, 2),
                                      BoundSheet8(u"Very", 2)}),
        Substream8(SubstreamWorksheet, {}),
        Substream8(SubstreamWorksheet, {}),
        Substream8(test::SubstreamChart, {}),
        Substream8(SubstreamWorksheet, {}),
    }));
    ASSERT_EQ(model.Manager.Worksheets().Count(), 3);
    const struct {
        const char* Name;
        uint8_t State;
        THiddenState Hidden;
    } expected[] = {{"可见", 0, hsVisible}, {"Hidden", 1, hsHidden}, {"Very", 2, hsVeryHidden}};
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Utf8(model.Sheet(i).GetName()), expected[i].Name);
        EXPECT_EQ(model.Sheet(i).GetState(), expected[i].State);
        EXPECT_EQ(Utf8(model.Biff.GetSheet(i).Name()), expected[i].Name);
        EXPECT_EQ(model.Biff.GetSheet(i).Hidden(), expected[i].Hidden);
    }
}

TEST(TXLSReadBIFF, EightBitTextBeforeBIFF8FollowsTheCodePageRecord) {
    const struct {
        uint16_t CodePage;
        TBytes Name;
        std::u16string Expected;
    } cases[] = {
        {936, {0xCF, 0xFA, 0xCA, 0xDB}, u"销售"},
        {1252, {'c', 'a', 'f', 0xE9, 0x80}, u"caf\u00E9\u20AC"},
        {32769, {0xE9}, u"\u00E9"},
        {10000, {'c', 'a', 'f', 0x8E}, u"caf\u00E9"},
        {32768, {0x8E}, u"\u00E9"},
    };
    for (const auto& c : cases) {
        TBIFFModel model;
        model.ReadBook5(
            Concat({Substream5(SubstreamGlobals, {WordRecord(BIFFRecordCodePage, c.CodePage), BoundSheet5(c.Name)}),
                    Substream5(SubstreamWorksheet, {})}));
        ASSERT_EQ(model.Manager.Worksheets().Count(), 1);
        EXPECT_EQ(model.Sheet(0).GetName(), c.Expected) << c.CodePage;
    }
}

TEST(TXLSReadBIFF, EightBitTextOfBIFF8IsLatin1WhateverTheCodePage) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat(
        {Substream8(SubstreamGlobals, {WordRecord(BIFFRecordCodePage, 936),
                                       Record(BIFFRecordBoundSheet, Concat({DWord(0), {0, 0, 2, 0, 0xCF, 0xFA}}))}),
         Substream8(SubstreamWorksheet, {})}));
    EXPECT_EQ(model.Sheet(0).GetName(), u"\u00CF\u00FA");
}

TEST(TXLSReadBIFF, WorkbookSettingsReachTheModel) {
    TBIFFModel model;
    ReadGlobals8(model, {WordRecord(BIFFRecordDateMode, 1), WordRecord(BIFFRecordBackup, 1),
                         WordRecord(BIFFRecordPrecision, 0), WordRecord(BIFFRecordRefreshAll, 1),
                         WordRecord(BIFFRecordWindowProtect, 1), WordRecord(BIFFRecordPassword, 0xCE4B),
                         WordRecord(BIFFRecordBookBool, 0x0041)});
    TXc12DataWorkbook& workbook = model.Manager.Workbook();
    EXPECT_TRUE(workbook.GetWorkbookPr().GetDate1904());
    EXPECT_TRUE(workbook.GetWorkbookPr().GetBackupFile());
    EXPECT_FALSE(workbook.GetCalcPr().GetFullPrecision());
    EXPECT_TRUE(workbook.GetWorkbookPr().GetRefreshAllConnections());
    EXPECT_TRUE(workbook.GetWorkbookProtection().GetLockWindows());
    EXPECT_EQ(workbook.GetWorkbookProtection().GetWorkbookPassword(), 0xCE4B);
    EXPECT_FALSE(workbook.GetWorkbookPr().GetSaveExternalLinkValues());
    EXPECT_EQ(workbook.GetWorkbookPr().GetUpdateLinks(), 2);
}

TEST(TXLSReadBIFF, CalculationSettingsOfTheSheetsReachTheModel) {
    const struct {
        TBytes Record;
        uint8_t CalcMode;
        uint8_t RefMode;
    } cases[] = {
        {WordRecord(BIFFRecordCalcMode, 0xFFFF), 2, 0},
        {WordRecord(BIFFRecordCalcMode, 0), 0, 0},
        {WordRecord(BIFFRecordRefMode, 0), 1, 1},
    };
    for (const auto& c : cases) {
        TBIFFModel model;
        model.ReadWorkbook8(
            Concat({Substream8(SubstreamGlobals, {BoundSheet8(u"S")}), Substream8(SubstreamWorksheet, {c.Record})}));
        EXPECT_EQ(model.Manager.Workbook().GetCalcPr().GetCalcMode(), c.CalcMode);
        EXPECT_EQ(model.Manager.Workbook().GetCalcPr().GetRefMode(), c.RefMode);
    }
    TBIFFModel model;
    model.ReadWorkbook8(
        Concat({Substream8(SubstreamGlobals, {BoundSheet8(u"S")}),
                Substream8(SubstreamWorksheet,
                           {WordRecord(BIFFRecordCalcCount, 7), WordRecord(BIFFRecordIteration, 1),
                            Record(BIFFRecordDelta, DoubleBytes(0.25)), WordRecord(BIFFRecordSaveRecalc, 0)})}));
    const TXc12CalcPr& calc = model.Manager.Workbook().GetCalcPr();
    EXPECT_EQ(calc.GetIterateCount(), 7);
    EXPECT_TRUE(calc.GetIterate());
    EXPECT_EQ(calc.GetIterateDelta(), 0.25);
    EXPECT_FALSE(calc.GetCalcOnSave());
    // The sheet keeps them as its default records.
    EXPECT_EQ(StoredBody(model.Biff.GetSheet(0).Storage(), BIFFRecordCalcCount), Word(7));
}

TEST(TXLSReadBIFF, Window1GivesTheBookView) {
    // Active sheet 2 at offset 10, first visible tab 1 at offset 12; hidden, tabs shown, no date grouping.
    const TBytes window1 =
        Concat({Word(10), Word(20), Word(3000), Word(2000), Word(0x0061), Word(2), Word(1), Word(1), Word(500)});
    TBIFFModel model;
    ReadGlobals8(model, {Record(BIFFRecordWindow1, window1)});
    const TXc12BookView& view = *model.Manager.Workbook().GetBookViews().GetItem(0);
    EXPECT_EQ(view.GetActiveTab(), 2);
    EXPECT_EQ(view.GetFirstSheet(), 1);
    EXPECT_EQ(view.GetVisibility(), 1);
    EXPECT_FALSE(view.GetMinimized());
    EXPECT_TRUE(view.GetWindow().GetShowSheetTabs());
    EXPECT_FALSE(view.GetWindow().GetShowHorizontalScroll());
    EXPECT_FALSE(view.GetAutoFilterDateGrouping());
    EXPECT_EQ(view.GetWindow().GetXWindow(), 10);
    EXPECT_EQ(view.GetWindow().GetWindowHeight(), 2000);
    EXPECT_EQ(view.GetWindow().GetTabRatio(), 500);
    EXPECT_EQ(StoredBody(model.Biff.Globals(), BIFFRecordWindow1), window1);
}

// A WINDOW1 longer than its 18 bytes after one of the usual size, and one that ends after its options: the fields a
// record holds are read, the bytes beyond dropped, and the fields it lacks keep their defaults.
TEST(TXLSReadBIFF, Window1OfAnotherSizeGivesTheFieldsItHolds) {
    const TBytes usual =
        Concat({Word(10), Word(20), Word(3000), Word(2000), Word(0x0038), Word(1), Word(0), Word(1), Word(500)});
    const TBytes longer = Concat(
        {Word(30), Word(40), Word(5000), Word(4000), Word(0x0038), Word(2), Word(1), Word(1), Word(700), Word(0xFFFF)});
    TBIFFModel model;
    ReadGlobals8(model, {Record(BIFFRecordWindow1, usual), Record(BIFFRecordWindow1, longer)});
    const TXc12BookView& view = *model.Manager.Workbook().GetBookViews().GetItem(0);
    EXPECT_EQ(view.GetWindow().GetXWindow(), 30);
    EXPECT_EQ(view.GetActiveTab(), 2);
    EXPECT_EQ(view.GetWindow().GetTabRatio(), 700);
    EXPECT_EQ(StoredBody(model.Biff.Globals(), BIFFRecordWindow1), TBytes(longer.begin(), longer.end() - 2));

    TBIFFModel shorter;
    ReadGlobals8(shorter, {Record(BIFFRecordWindow1, Concat({Word(10), Word(20), Word(3000), Word(2000), {0x01}}))});
    const TXc12BookView& hidden = *shorter.Manager.Workbook().GetBookViews().GetItem(0);
    EXPECT_EQ(hidden.GetVisibility(), 1);
    EXPECT_EQ(hidden.GetWindow().GetWindowWidth(), 3000);
    EXPECT_EQ(hidden.GetActiveTab(), 0);
    EXPECT_EQ(hidden.GetWindow().GetTabRatio(), 600);
    EXPECT_EQ(StoredBody(shorter.Biff.Globals(), BIFFRecordWindow1).size(), 18u);
}

TEST(TXLSReadBIFF, WriteAccessGivesTheLastUserInEitherLayout) {
    TBIFFModel model8;
    model8.ReadWorkbook8(test::Workbook8WithSheet(
        {Record(BIFFRecordWriteAccess, Concat({Word(2), Flagged16(u"张三"), TBytes(105, ' ')}))}));
    EXPECT_EQ(model8.Manager.Workbook().GetLastUserName(), u"张三");

    // BIFF5 writes it before CODEPAGE; the name is read in the code page all the same, and kept in the BIFF8 layout
    // padded with spaces.
    TBIFFModel model5;
    model5.ReadBook5(
        Concat({Substream5(SubstreamGlobals, {Record(BIFFRecordWriteAccess, {4, 0xD5, 0xC5, 0xC8, 0xFD, ' '}),
                                              WordRecord(BIFFRecordCodePage, 936), BoundSheet5(Bytes8("S"))}),
                Substream5(SubstreamWorksheet, {})}));
    EXPECT_EQ(model5.Manager.Workbook().GetLastUserName(), u"张三");
    const TBytes stored = StoredBody(model5.Biff.Globals(), BIFFRecordWriteAccess);
    EXPECT_EQ(stored, Concat({{4, 0, 0, 0xD5, 0xC5, 0xC8, 0xFD}, TBytes(105, ' ')}));

    // Text that is no counted string leaves the name empty.
    TBIFFModel broken;
    broken.ReadWorkbook8(
        test::Workbook8WithSheet({Record(BIFFRecordWriteAccess, Concat({Bytes8("None"), TBytes(108, ' ')}))}));
    EXPECT_EQ(broken.Manager.Workbook().GetLastUserName(), u"");
}

// A BIFF8 NAME with a UTF-16 name (or built-in code) and tokens.
TBytes NameRecord(uint16_t options, std::u16string_view name, uint16_t sheet, const TBytes& tokens,
                  const TBytes& texts = {}, TBytes textLengths = {0, 0, 0, 0}) {
    return Record(BIFFRecordName, Concat({Word(options),
                                          {0, static_cast<uint8_t>(name.size())},
                                          Word(static_cast<uint16_t>(tokens.size())),
                                          Word(0),
                                          Word(sheet),
                                          textLengths,
                                          Flagged16(name),
                                          tokens,
                                          texts}));
}

TEST(TXLSReadBIFF, NamesGiveDefinedNamesWithTheirTokens) {
    const TBytes area = {0x3B, 0, 0, 0, 0, 1, 0, 0, 0};
    TBIFFModel model;
    ReadGlobals8(model, {
                            NameRecord(0x0020, u"\x06", 2, area),
                            NameRecord(0x0020, u"\x0D", 1, area),
                            NameRecord(0x0020, u"\x01", 0, {}),
                            NameRecord(0x0002 | 0x0001 | (3 << 6), u"Total", 0, {0x1E, 7, 0},
                                       Concat({Flagged16(u"Sum")}), {0, 3, 0, 0}),
                        });
    TXc12DefinedNames& names = model.Manager.Workbook().GetDefinedNames();
    ASSERT_EQ(names.Count(), 4);
    EXPECT_EQ(names.GetItem(0)->GetBuiltIn(), 4) << "Print_Area";
    EXPECT_EQ(names.GetItem(0)->GetLocalSheetId(), 1);
    EXPECT_EQ(names.GetItem(0)->GetPtgs(), Concat({{0xFF}, area}));
    EXPECT_EQ(names.GetItem(1)->GetBuiltIn(), 7) << "_FilterDatabase";
    EXPECT_EQ(Utf8(names.GetItem(2)->GetName()), "Auto_Open");
    EXPECT_EQ(names.GetItem(2)->GetBuiltInCode(), 1);
    EXPECT_EQ(names.GetItem(2)->GetLocalSheetId(), -1);
    const TXc12DefinedName& total = *names.GetItem(3);
    EXPECT_EQ(Utf8(total.GetName()), "Total");
    EXPECT_TRUE(total.GetHidden());
    EXPECT_TRUE(total.GetFunction());
    EXPECT_EQ(total.GetFunctionGroupId(), 3);
    EXPECT_EQ(Utf8(total.GetDescription()), "Sum");
    EXPECT_EQ(total.GetPtgs(), (TBytes{0xFF, 0x1E, 7, 0}));
}

TEST(TXLSReadBIFF, NameCountsMustFitTheRecord) {
    const TBytes tooManyTokens =
        Record(BIFFRecordName,
               Concat({Word(0), {0, 1}, Word(40), Word(0), Word(0), TBytes(4, 0), Flagged16(u"N"), TBytes(3, 0)}));
    TBIFFModel model;
    EXPECT_NE(MessageOf([&] {
                  ReadGlobals8(model, {tooManyTokens});
              }).find("Record 0018 is damaged: 40 bytes from offset 17 run past its 20 bytes"),
              std::string::npos);
}

TEST(TXLSReadBIFF, ExternalReferencesStayRawWithTheirCrnRecords) {
    const TBytes xct = Record(BIFFRecordXct, Concat({Word(2), Word(0)}));
    const TBytes crn = Record(BIFFRecordCrn, {0, 0, 0, 0});
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Record(BIFFRecordSupBook, Word(1)), xct, crn, crn}));
    const std::vector<uint16_t> ids = StoredIds(model.Biff.Globals());
    const auto supBook = std::find(ids.begin(), ids.end(), BIFFRecordSupBook);
    ASSERT_NE(supBook, ids.end());
    EXPECT_EQ(
        std::vector<uint16_t>(supBook - 1, supBook + 4),
        (std::vector<uint16_t>{BIFFMarkerExternals, BIFFRecordSupBook, BIFFRecordXct, BIFFRecordCrn, BIFFRecordCrn}));
    TBIFFModel cut;
    EXPECT_NE(MessageOf([&] {
                  cut.ReadWorkbook8(Concat({test::BOF8(SubstreamGlobals), xct, crn}));
              }).find("CRN record missing"),
              std::string::npos);
}

TEST(TXLSReadBIFF, FileSharingAndStylesAreKeptForTheWorkbookObject) {
    const TBytes sharing = {1, 0, 0x4B, 0xCE, 0, 0};
    const TBytes builtIn = Concat({Word(0x8010), {3, 0xFF}});
    const TBytes own = Concat({Word(0x0015), Word(2), Flagged16(u"Mo")});
    TBIFFModel model;
    model.ReadWorkbook8(
        test::Workbook8WithSheet({Record(BIFFRecordFileSharing, sharing), Record(BIFFRecordStyle, builtIn),
                                  Record(BIFFRecordStyle, Concat({own, TBytes{9, 9}}))}));
    EXPECT_EQ(model.Biff.FileSharing(), sharing);
    ASSERT_EQ(model.Biff.Styles().size(), 2u);
    EXPECT_EQ(model.Biff.Styles()[0], builtIn);
    EXPECT_EQ(model.Biff.Styles()[1], own);
    TBIFFModel cut;
    EXPECT_NE(MessageOf([&] {
                  cut.ReadWorkbook8(
                      test::Workbook8WithSheet({Record(BIFFRecordStyle, Concat({Word(0x0015), Word(9), {0}}))}));
              }).find("String of 9 characters"),
              std::string::npos);
}

TEST(TXLSReadBIFF, BookBoolPutsTheStylesPlaceAfterIt) {
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({WordRecord(BIFFRecordBookBool, 0), Record(0x0063, {1})}));
    const std::vector<uint16_t> ids = StoredIds(model.Biff.Globals());
    const auto bookBool = std::find(ids.begin(), ids.end(), BIFFRecordBookBool);
    ASSERT_NE(bookBool, ids.end());
    EXPECT_EQ(*(bookBool + 1), BIFFMarkerStyles);
    EXPECT_EQ(*(bookBool + 2), 0x0063);
}

TEST(TXLSReadBIFF, CorpusWorkbooksGiveTheirSheets) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus";
    }
    const struct {
        const char* File;
        std::vector<std::string> Names;
        std::vector<uint8_t> States;
    } cases[] = {
        // A chart sheet among them is skipped.
        {"calamine/tests/any_sheets.xls", {"Visible", "Hidden", "VeryHidden"}, {0, 1, 2}},
        {"calamine/tests/xls_cross_sheet_chart.xls", {"Report", "Data"}, {0, 0}},
        {"generated/gbk_biff7_gnumeric_zh.xls", {"gbk_test.csv"}, {0}},
    };
    for (const auto& c : cases) {
        TBIFFModel model;
        model.Biff.SetFilename(test_support::CorpusDir() + u"/" + rtl::Utf8ToUnicode(c.File));
        model.Biff.LoadFromFile();
        std::vector<std::string> names;
        std::vector<uint8_t> states;
        for (int32_t i = 0; i < model.Manager.Worksheets().Count(); ++i) {
            names.push_back(Utf8(model.Sheet(i).GetName()));
            states.push_back(model.Sheet(i).GetState());
            EXPECT_TRUE(model.Biff.GetSheet(i).IsRead()) << c.File << " " << i;
        }
        EXPECT_EQ(names, c.Names) << c.File;
        EXPECT_EQ(states, c.States) << c.File;
    }
}

} // namespace
} // namespace xls
