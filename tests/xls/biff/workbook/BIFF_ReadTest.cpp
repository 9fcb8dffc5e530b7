#include "xls/biff/workbook/BIFF_Read.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BOF8;
using test::BoundSheet8;
using test::Concat;
using test::EOFRecord;
using test::Record;
using test::StoredIds;
using test::Substream8;
using test::SubstreamChart;
using test::SubstreamGlobals;
using test::SubstreamMacroSheet;
using test::SubstreamVBModule;
using test::SubstreamWorksheet;
using test::TBIFFModel;
using test::TBytes;
using test_support::MessageOf;
using test_support::Utf8;

// A record the reader keeps raw, told apart by its body.
TBytes Marked(uint8_t mark) {
    return Record(0x0063, {mark, 0});
}

// The marks of the raw records of a storage, in order.
std::vector<uint8_t> MarksIn(const TBaseRecordStorage& storage) {
    std::vector<uint8_t> marks;
    for (int32_t i = 0; i < storage.Count(); ++i) {
        if (storage.Get(i).Id == 0x0063) {
            marks.push_back(storage.Get(i).Body[0]);
        }
    }
    return marks;
}

std::vector<std::string> SheetNames(const TBIFFModel& model) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < model.Manager.Worksheets().Count(); ++i) {
        names.push_back(Utf8(model.Sheet(i).GetName()));
    }
    return names;
}

TEST(TXLSReadBIFF, StopsAtTheLastListedSheetsEOFThoughBytesFollow) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {BoundSheet8(u"A"), BoundSheet8(u"B"), BoundSheet8(u"C")}),
        Substream8(SubstreamWorksheet, {Marked(1)}),
        Substream8(SubstreamWorksheet, {Marked(2)}),
        Substream8(SubstreamWorksheet, {Marked(3)}),
        // Past the end of the workbook: a marker id would fail the read if it were read.
        Record(0x8001, {}),
        Substream8(SubstreamWorksheet, {Marked(4)}),
    }));
    EXPECT_EQ(SheetNames(model), (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_EQ(model.Biff.Sheets().Count(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(model.Biff.GetSheet(i).IsRead());
        EXPECT_EQ(MarksIn(model.Biff.GetSheet(i).Storage()), (std::vector<uint8_t>{static_cast<uint8_t>(i + 1)}));
    }
}

TEST(TXLSReadBIFF, AGlobalsSubstreamWithoutSheetListEndsTheWorkbook) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({Substream8(SubstreamGlobals, {}), Record(0x8001, {})}));
    EXPECT_EQ(model.Manager.Worksheets().Count(), 0);
    // The workbook object always keeps a sheet.
    EXPECT_EQ(model.Biff.Sheets().Count(), 1);
}

TEST(TXLSReadBIFF, FailuresNameTheRecordItsPositionAndTheCause) {
    const TBytes globals = Concat({BOF8(SubstreamGlobals), Marked(1)});
    TBIFFModel model;
    const std::string message = MessageOf([&] { model.ReadWorkbook8(Concat({globals, Record(0x8001, {})})); });
    EXPECT_EQ(message, "Error on reading record # 2, 8001 Offs: 0000001E\rBad record in file");
}

TEST(TXLSReadBIFF, ABodyCutShortByTheEndOfTheStreamFailsTheRead) {
    // The last record says 8 bytes and holds 3; the record before it is 2 bytes long, whose bytes must not stand in.
    const TBytes records = Concat({BOF8(SubstreamGlobals), Marked(7), TBytes{0x63, 0x00, 0x08, 0x00, 1, 2, 3}});
    TBIFFModel model;
    EXPECT_EQ(MessageOf([&] { model.ReadWorkbook8(records); }),
              "Error on reading record # 2, 0063 Offs: 00000021\rRecord 0063 is cut short: 3 of its 8 bytes are left "
              "in the file");
}

TEST(TXLSReadBIFF, MacroSheetsAndVBModulesAreSkippedAndKeepTheSheetIndexesInStep) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {BoundSheet8(u"Data"), BoundSheet8(u"Macro", 0, 1), BoundSheet8(u"Module", 0, 6),
                                      BoundSheet8(u"Last")}),
        Substream8(SubstreamWorksheet, {Marked(1)}),
        Substream8(SubstreamMacroSheet, {Marked(2)}),
        Substream8(SubstreamVBModule, {Marked(3)}),
        Substream8(SubstreamWorksheet, {Marked(4)}),
    }));
    // The macro sheet's list entry made a sheet, which stays empty; the VB module made none.
    EXPECT_EQ(SheetNames(model), (std::vector<std::string>{"Data", "Macro", "Last"}));
    ASSERT_EQ(model.Biff.Sheets().Count(), 3);
    EXPECT_EQ(MarksIn(model.Biff.GetSheet(0).Storage()), (std::vector<uint8_t>{1}));
    EXPECT_TRUE(MarksIn(model.Biff.GetSheet(1).Storage()).empty());
    EXPECT_EQ(MarksIn(model.Biff.GetSheet(2).Storage()), (std::vector<uint8_t>{4}));
    EXPECT_EQ(model.Biff.GetSheet(2).BoundSheetIndex(), 3);
}

TEST(TXLSReadBIFF, ChartSubstreamsAreSkippedWholeAndNestedChartsDoNotEndTheirSheet) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {BoundSheet8(u"Chart", 0, 2), BoundSheet8(u"Data")}),
        // A chart sheet, with a nested substream of its own.
        Substream8(SubstreamChart, {Marked(8), BOF8(SubstreamChart), EOFRecord()}),
        // A chart embedded in the sheet, nesting a substream itself.
        Substream8(SubstreamWorksheet,
                   {Marked(1), Substream8(SubstreamChart, {Marked(9), Substream8(SubstreamChart, {})}), Marked(2),
                    Record(0x1009, {1, 0})}),
    }));
    EXPECT_EQ(SheetNames(model), (std::vector<std::string>{"Data"}));
    const TRecordStorageSheet& storage = model.Biff.GetSheet(0).Storage();
    EXPECT_EQ(MarksIn(storage), (std::vector<uint8_t>{1, 2}));
    // Record 0x1009 ends in 0x09 like a BOF, but is none.
    EXPECT_GE(storage.Find(0x1009), 0);
}

TEST(TXLSReadBIFF, CustomViewsAreSkippedToTheirEndOrToTheEndOfTheSheet) {
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {BoundSheet8(u"A"), BoundSheet8(u"B")}),
        Substream8(SubstreamWorksheet, {Marked(1), Record(0x01AA, {}), Marked(2), Record(0x01AB, {}), Marked(3)}),
        Substream8(SubstreamWorksheet, {Marked(4), Record(0x01AA, {}), Marked(5)}),
    }));
    EXPECT_EQ(MarksIn(model.Biff.GetSheet(0).Storage()), (std::vector<uint8_t>{1, 3}));
    EXPECT_EQ(MarksIn(model.Biff.GetSheet(1).Storage()), (std::vector<uint8_t>{4}));
    EXPECT_TRUE(model.Biff.GetSheet(1).Storage().TemplateIds().empty()) << "the sheet's EOF was read";
}

TEST(TXLSReadBIFF, ARecordLongerThanTheLargestBodyIsReadWhole) {
    const TBytes longBody = test::PatternBytes(10000);
    TBIFFModel model;
    model.ReadWorkbook8(Concat({Substream8(SubstreamGlobals, {Record(0x0063, longBody), BoundSheet8(u"A")}),
                                Substream8(SubstreamWorksheet, {})}));
    EXPECT_EQ(test::StoredBody(model.Biff.Globals(), 0x0063), longBody);
}

TEST(TXLSReadBIFF, DrawingsAndNotesStayRawAndValidationsAreDropped) {
    const TBytes group = Record(BIFFRecordMsoDrawingGroup, {1, 2});
    const TBytes continued = Record(BIFFRecordContinue, {3});
    TBIFFModel model;
    model.ReadWorkbook8(Concat({
        Substream8(SubstreamGlobals, {group, continued, Record(BIFFRecordMsoDrawingGroup, {4}), BoundSheet8(u"A")}),
        Substream8(SubstreamWorksheet, {Record(BIFFRecordMsoDrawing, {5}), Record(BIFFRecordNote, {6}),
                                        Record(BIFFRecordDVal, {7}), Record(BIFFRecordDV, {8})}),
    }));
    const std::vector<uint16_t> globals = StoredIds(model.Biff.Globals());
    const auto group0 = std::find(globals.begin(), globals.end(), BIFFRecordMsoDrawingGroup);
    ASSERT_NE(group0, globals.end());
    EXPECT_EQ(std::vector<uint16_t>(group0, group0 + 3),
              (std::vector<uint16_t>{BIFFRecordMsoDrawingGroup, BIFFRecordContinue, BIFFRecordMsoDrawingGroup}));
    const TRecordStorageSheet& sheet = model.Biff.GetSheet(0).Storage();
    EXPECT_GE(sheet.Find(BIFFRecordMsoDrawing), 0);
    EXPECT_GE(sheet.Find(BIFFRecordNote), 0);
    EXPECT_EQ(sheet.Find(BIFFRecordDVal), -1);
    EXPECT_EQ(sheet.Find(BIFFRecordDV), -1);
}

TEST(TXLSReadBIFF, ProgressRisesFromZeroToOneHundredEachValueOnce) {
    TBytes records = Substream8(SubstreamGlobals, {BoundSheet8(u"A")});
    TBytes sheet = BOF8(SubstreamWorksheet);
    for (uint8_t i = 0; i < 200; ++i) {
        sheet = Concat({sheet, Marked(i)});
    }
    records = Concat({records, sheet, EOFRecord()});
    TBIFFModel model;
    std::vector<int32_t> reported;
    model.Biff.SetOnProgress([&](int32_t percent) { reported.push_back(percent); });
    model.ReadWorkbook8(records);
    ASSERT_GE(reported.size(), 3u);
    EXPECT_EQ(reported.front(), 0);
    EXPECT_EQ(reported.back(), 100);
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(std::adjacent_find(reported.begin(), reported.end()), reported.end());
}

TEST(TXLSReadBIFF, AnAbortStopsTheReadBeforeTheNextRecord) {
    TBytes sheet = BOF8(SubstreamWorksheet);
    for (uint8_t i = 0; i < 100; ++i) {
        sheet = Concat({sheet, Marked(i)});
    }
    TBIFFModel model;
    model.Biff.SetOnProgress([&](int32_t percent) {
        if (percent >= 50) {
            model.Biff.Abort();
        }
    });
    model.ReadWorkbook8(Concat({Substream8(SubstreamGlobals, {BoundSheet8(u"A")}), sheet, EOFRecord()}));
    const std::vector<uint8_t> marks = MarksIn(model.Biff.GetSheet(0).Storage());
    EXPECT_GT(marks.size(), 10u);
    EXPECT_LT(marks.size(), 90u);
    EXPECT_FALSE(model.Biff.Empty());
}

// A damaged stream beside the record stream, here summary information whose size no stream can have, leaves the read
// alone: it is reported, and its copy among the document's other elements stays empty. A damaged record stream fails.
TEST(TXLSReadBIFF, OnlyTheRecordStreamOfTheDocumentMayFailTheRead) {
    const TBytes records =
        Concat({BOF8(SubstreamGlobals), BoundSheet8(u"S"), EOFRecord(), Substream8(SubstreamWorksheet, {Marked(1)})});
    const std::vector<test::TCompoundElement> elements = {
        {u"Workbook", false, -1, records},
        {u"\x05SummaryInformation", false, -1, test::PatternBytes(300)},
        {u"\x05DocumentSummaryInformation", false, -1, test::PatternBytes(200)},
    };
    test::TCompoundLayout layout;
    TBytes file = test::WriteCompoundFile(elements, 512, &layout);
    test::SetDirectoryField(file, layout, 2, test::DirectoryStreamSize, 0xFFFFFFF0);
    TBIFFModel model;
    model.Read(file);
    EXPECT_EQ(SheetNames(model), std::vector<std::string>{"S"});
    EXPECT_EQ(MarksIn(model.Biff.GetSheet(0).Storage()), std::vector<uint8_t>{1});
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningPartNotRead});
    EXPECT_NE(Utf8(model.Errors.Messages()[0].Text).find("SummaryInformation: Damaged compound document: stream"),
              std::string::npos);
    const TExtraObjects& extra = model.Biff.ExtraObjects();
    ASSERT_EQ(extra.Count(), 2);
    EXPECT_TRUE(extra.Item(extra.Find(TExtraObjects::Root, u"\x05SummaryInformation")).Data.empty());
    EXPECT_EQ(extra.Item(extra.Find(TExtraObjects::Root, u"\x05DocumentSummaryInformation")).Data, elements[2].Data);

    test::SetDirectoryField(file, layout, 1, test::DirectoryStreamSize, 0xFFFFFFF0);
    TBIFFModel damaged;
    EXPECT_EQ(MessageOf([&] { damaged.Read(file); }),
              "Damaged compound document: stream \"Workbook\" declares more than 2147483647 bytes");
}

TEST(TXLSReadBIFF, EveryCorpusWorkbookReadsOrFailsWithAClearError) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus";
    }
    int32_t read = 0;
    for (const rtl::UnicodeString& file : test_support::CorpusFiles({u".xls"})) {
        TBIFFModel model;
        model.Biff.SetFilename(file);
        try {
            model.Biff.LoadFromFile();
            ++read;
        } catch (const rtl::Exception& error) {
            std::printf("%s: %s\n", Utf8(file).c_str(), error.what());
        }
        EXPECT_GE(model.Biff.Sheets().Count(), 1) << Utf8(file);
    }
    EXPECT_GT(read, 0);
}

} // namespace
} // namespace xls
