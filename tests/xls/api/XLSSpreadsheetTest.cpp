#include "xls/api/XLSSpreadsheet.h"

#include "XLSApiTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/Streams.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace xls {
namespace {

using api_test::NewSpreadsheet;
using test_support::MessageOf;
using test_support::TTempFile;
using test_support::Utf8;

const std::vector<uint8_t> NotAZip = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1, 0, 0, 0, 0};
// A local file header signature followed by nothing a zip reader can use.
const std::vector<uint8_t> BrokenZip = {'P', 'K', 3, 4, 0x14, 0, 0, 0, 8, 0, 0xFF, 0xFF};

TEST(XLSSpreadsheet, Properties) {
    auto book = NewSpreadsheet();
    EXPECT_EQ(Utf8(book->GetComponentVersion()), "5.20.25a");
    book->SetComponentVersion(u"1.0");
    EXPECT_EQ(Utf8(book->GetComponentVersion()), "5.20.25a");
    EXPECT_EQ(book->GetVersion(), xvExcel2007);
    EXPECT_FALSE(book->GetDirectRead());
    EXPECT_FALSE(book->GetDirectWrite());
    book->SetDirectRead(true);
    book->SetDirectWrite(true);
    EXPECT_TRUE(book->GetManager()->GetDirectRead());
    EXPECT_TRUE(book->GetManager()->GetDirectWrite());
    book->SetFilename(u"C:\\nowhere\\Book.xlsx");
    EXPECT_EQ(Utf8(book->GetManager()->GetFilename()), "C:\\nowhere\\Book.xlsx");
    EXPECT_EQ(book->GetSheetCount(), 1);
    EXPECT_EQ(&book->GetErrors(), book->GetManager()->Errors());
    book->SetOnReadCell([](TXLSEventCell*) {});
    book->SetOnProgress([](TXLSProgressType, TXLSProgressState, double) {});
    EXPECT_TRUE(static_cast<bool>(book->GetManager()->GetOnReadCell()));
    EXPECT_TRUE(static_cast<bool>(book->GetManager()->GetOnProgress()));
    // No formula is evaluated: the function event stays unassigned; the user-function event is kept by the
    // formula handler.
    book->SetOnFunction([](rtl::TObject*, rtl::UnicodeStringView, std::span<const TFormulaValue>, TFormulaValue&) {});
    EXPECT_FALSE(static_cast<bool>(book->GetOnFunction()));
    book->SetOnUserFunction([](rtl::UnicodeStringView, TXLSUserFuncData*) {});
    EXPECT_TRUE(static_cast<bool>(book->GetFormulaHandler().GetOnUserFunction()));
}

// A form creates its components by class.
TEST(XLSSpreadsheet, CreatedByClass) {
    rtl::TComponent owner(nullptr);
    rtl::TComponent* made = rtl::TComponent::Create(TXLSSpreadsheet::StaticClass(), &owner);
    auto* book = dynamic_cast<TXLSSpreadsheet*>(made);
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(Utf8(book->GetSheet(0)->GetName()), "Sheet1");
    EXPECT_TRUE(TXLSWorkbook::StaticClass().IsAbstract());
}

TEST(XLSSpreadsheet, ClearSheetsClampsTheCount) {
    const struct {
        int32_t Count;
        int32_t Expected;
        const char* Last;
    } cases[] = {{300, 255, "Sheet255"}, {3, 3, "Sheet3"}, {0, 0, ""}, {-1, 0, ""}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Count);
        auto book = NewSpreadsheet();
        api_test::Cells(*book->GetSheet(0)).StoreFloat(0, 0, 0, 1);
        book->ClearSheets(test.Count);
        ASSERT_EQ(book->GetSheetCount(), test.Expected);
        EXPECT_EQ(book->GetManager()->Worksheets().Count(), test.Expected);
        if (test.Expected > 0) {
            EXPECT_EQ(Utf8(book->GetSheet(test.Expected - 1)->GetName()), test.Last);
            EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
        }
    }
}

// The change to BIFF warns when it drops data, and always leaves the one sheet of the empty BIFF workbook.
TEST(XLSSpreadsheet, VersionChangeToBIFF) {
    const struct {
        const char* Name;
        int32_t Sheets;
        bool Data;
        bool Warned;
    } cases[] = {
        {"one empty sheet", 1, false, false},
        {"one sheet with data", 1, true, true},
        {"two empty sheets", 2, false, true},
        {"no sheet", 0, false, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        book->GetErrors().SetSaveToList(true);
        book->ClearSheets(test.Sheets);
        if (test.Data) {
            api_test::Cells(*book->GetSheet(0)).StoreString(2, 3, u"dropped", 0);
        }
        book->SetVersion(xvExcel97);
        EXPECT_EQ(book->GetErrors().Messages().size(), test.Warned ? 1U : 0U);
        if (test.Warned) {
            EXPECT_EQ(Utf8(book->GetErrors().Messages()[0].Text),
                      "W6003: Workbook not empty. Data will be discarded when changing filetype.");
        }
        EXPECT_EQ(book->GetVersion(), xvExcel97);
        ASSERT_EQ(book->GetSheetCount(), 1);
        EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
    }
}

TEST(XLSSpreadsheet, VersionUnchangedDoesNothing) {
    auto book = NewSpreadsheet();
    book->GetErrors().SetSaveToList(true);
    api_test::Cells(*book->GetSheet(0)).StoreFloat(0, 0, 0, 1);
    book->SetVersion(xvExcel2007);
    EXPECT_EQ(book->GetVersion(), xvExcel2007);
    EXPECT_TRUE(book->GetErrors().Messages().empty());
    EXPECT_EQ(book->GetSheet(0)->GetAsFloat(0, 0), 1);
}

// The name decides the BIFF road; any other name is read as a stream, where the zip signature decides. Every road
// that fails leaves an empty workbook. The BIFF reader's failures say what the file is not.
TEST(XLSSpreadsheet, ReadDispatch) {
    enum TRoad { BIFF, XLSX, BrokenXLSX };
    const struct {
        const char16_t* Name;
        std::vector<uint8_t> Bytes;
        TRoad Road;
    } cases[] = {
        {u"Book.XLS", api_test::FixtureBytes("sales.xlsx"), BIFF},
        {u"Book.xlm", api_test::FixtureBytes("sales.xlsx"), BIFF},
        {u"Book.dat", NotAZip, BIFF},
        {u"Book", NotAZip, BIFF},
        {u"Short.dat", {'P', 'K'}, BIFF},
        {u"Empty.xlsx", {}, BIFF},
        {u"Book.dat", api_test::FixtureBytes("sales.xlsx"), XLSX},
        {u"Book.xlsx", api_test::FixtureBytes("sales.xlsx"), XLSX},
        {u"Book.xls.xlsm", api_test::FixtureBytes("sales.xlsx"), XLSX},
        {u"Broken.xlsx", BrokenZip, BrokenXLSX},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(Utf8(test.Name));
        TTempFile file(test.Name, test.Bytes);
        auto book = NewSpreadsheet();
        book->SetFilename(file.Name());
        const std::string outcome = MessageOf([&] { book->Read(); });
        const bool biffRoad = outcome.find("Excel workbook") != std::string::npos ||
                              outcome.find("compound document") != std::string::npos;
        EXPECT_EQ(biffRoad, test.Road == BIFF) << outcome;
        EXPECT_EQ(outcome == "no exception", test.Road == XLSX) << outcome;
        EXPECT_EQ(book->GetVersion(), xvExcel2007);
        EXPECT_EQ(Utf8(book->GetFilename()), Utf8(file.Name()));
        if (test.Road == XLSX) {
            ASSERT_EQ(book->GetSheetCount(), 2);
            EXPECT_EQ(Utf8(book->GetSheet(0)->GetName()), "Sales");
            continue;
        }
        EXPECT_EQ(book->GetSheetCount(), 0);
        EXPECT_EQ(book->GetManager()->Worksheets().Count(), 0);
        // The file is closed: it can go.
        EXPECT_TRUE(rtl::RemoveFile(file.Name()));
    }
}

// Streams that are no package go to the BIFF reader, which refuses them; the workbook is left empty.
TEST(XLSSpreadsheet, StreamsThatAreNoWorkbookFail) {
    const struct {
        const char* Name;
        std::vector<uint8_t> Bytes;
    } cases[] = {
        {"two bytes", {'P', 'K'}},
        {"nothing", {}},
        {"a compound document", NotAZip},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        rtl::TMemoryStream stream;
        const uint8_t lead = 7;
        stream.Write(&lead, 1);
        if (!test.Bytes.empty()) {
            stream.Write(test.Bytes.data(), static_cast<int32_t>(test.Bytes.size()));
        }
        stream.SetPosition(1);
        auto book = NewSpreadsheet();
        EXPECT_THROW(book->LoadFromStream(stream, true), rtl::Exception);
        EXPECT_EQ(book->GetSheetCount(), 0);
    }
}

// A failed read drops what the previous read loaded, and the next read works.
TEST(XLSSpreadsheet, FailedReadLeavesAnEmptyUsableWorkbook) {
    TTempFile good(u"Good.xlsx", api_test::FixtureBytes("sales.xlsx"));
    TTempFile broken(u"Broken.xlsx", BrokenZip);
    auto book = NewSpreadsheet();
    book->LoadFromFile(good.Name());
    ASSERT_GT(book->GetManager()->SST().Count(), 0);
    EXPECT_THROW(book->LoadFromFile(broken.Name()), rtl::Exception);
    EXPECT_EQ(book->GetSheetCount(), 0);
    EXPECT_EQ(book->GetManager()->SST().Count(), 0);
    EXPECT_FALSE(book->GetManager()->IsReading());
    EXPECT_EQ(Utf8(book->AddSheet()->GetName()), "Sheet1");
    book->LoadFromFile(good.Name());
    EXPECT_EQ(book->GetSheetCount(), 2);
}

TEST(XLSSpreadsheet, MissingFileFailsToOpen) {
    auto book = NewSpreadsheet();
    EXPECT_THROW(book->LoadFromFile(rtl::GetTempDirectory() + u"tallyvane-api-missing.xlsx"), rtl::EFOpenError);
    EXPECT_EQ(book->GetSheetCount(), 0);
}

// A program that has the file open for writing and lets others read it does not stop the read.
TEST(XLSSpreadsheet, ReadsAFileAnotherProgramKeepsOpen) {
    TTempFile file(u"Open.xls", api_test::FixtureBytes("../biff/xlwt-sales.xls"));
    rtl::TFileStream held(file.Name(), rtl::fmOpenReadWrite | rtl::fmShareDenyWrite);
    auto book = NewSpreadsheet();
    book->LoadFromFile(file.Name());
    EXPECT_EQ(book->GetSheetCount(), 1);
}

// A cell as a spreadsheet program shows it: its kind and its text.
struct TShownCell {
    int32_t Col;
    int32_t Row;
    int32_t Kind;
    const char* Text;
};

void ExpectShown(TXLSWorksheet& sheet, std::span<const TShownCell> cells) {
    for (const TShownCell& cell : cells) {
        SCOPED_TRACE(Utf8(ColRowToStr(cell.Col, cell.Row)));
        EXPECT_EQ(sheet.GetCellType(cell.Col, cell.Row), cell.Kind);
        EXPECT_EQ(Utf8(sheet.GetAsString(cell.Col, cell.Row)), cell.Text);
    }
}

// What the application's import does with a sales list: first sheet, used area, and each cell's kind, text and number.
TEST(XLSSpreadsheet, ImportReadsWhatASpreadsheetProgramShows) {
    const TShownCell cases[] = {
        {0, 0, 4, "产品"}, {3, 0, 4, "金额"}, {0, 1, 4, "苹果"},    {1, 1, 4, "00123"},
        {2, 1, 5, "3"},    {3, 1, 6, "4.5"},  {4, 1, 8, "TRUE"},    {1, 2, 5, "1.23456789012346E18"},
        {2, 2, 5, "0.5"},  {3, 2, 6, "0.75"}, {4, 2, 9, "#DIV/0!"}, {0, 3, 0, ""},
        {4, 3, 0, ""},     {1, 4, 4, "A-7"},  {3, 4, 6, "18"},      {4, 4, 7, "橙子!"},
    };
    auto book = NewSpreadsheet();
    book->SetFilename(api_test::FixturePath("sales.xlsx"));
    book->Read();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    sheet.CalcDimensions();
    EXPECT_EQ(sheet.GetFirstRow(), 0);
    EXPECT_EQ(sheet.GetLastRow(), 4);
    EXPECT_EQ(sheet.GetFirstCol(), 0);
    EXPECT_EQ(sheet.GetLastCol(), 4);
    ExpectShown(sheet, cases);
    EXPECT_EQ(sheet.GetAsFloat(2, 1), 3);
    EXPECT_EQ(sheet.GetAsFloat(3, 4), 18);
    EXPECT_EQ(MessageOf([&] { sheet.GetAsFloat(1, 1); }), "Cell is missing/is of wrong type");

    TXLSWorksheet& area = *book->GetSheet(1);
    area.CalcDimensions();
    EXPECT_EQ(area.GetFirstRow(), 2);
    EXPECT_EQ(area.GetLastRow(), 6);
    EXPECT_EQ(area.GetFirstCol(), 1);
    EXPECT_EQ(area.GetLastCol(), 3);
}

// openpyxl writes text as inline strings and formulas without a cached result, which read as 0 until calculated.
TEST(XLSSpreadsheet, ImportReadsAWorkbookWrittenByOpenpyxl) {
    const TShownCell cases[] = {
        {0, 0, 4, "商品名称"},
        {0, 1, 4, "笔记本电脑"},
        {1, 1, 4, "1234567890123456789"},
        {2, 1, 5, "2"},
        {3, 1, 5, "4999.5"},
        {4, 1, 6, "0"},
        {5, 1, 5, "46366"},
        {1, 2, 5, "1.23456789012346E18"},
        {3, 2, 5, "0.1"},
        {0, 3, 0, ""},
        {0, 4, 4, "合计"},
        {2, 4, 6, "0"},
    };
    auto book = NewSpreadsheet();
    book->SetFilename(api_test::FixturePath("openpyxl-sales.xlsx"));
    book->Read();
    ASSERT_EQ(book->GetSheetCount(), 1);
    TXLSWorksheet& sheet = *book->GetSheet(0);
    EXPECT_EQ(Utf8(sheet.GetName()), "销货清单");
    sheet.CalcDimensions();
    EXPECT_EQ(sheet.GetLastRow(), 4);
    EXPECT_EQ(sheet.GetLastCol(), 5);
    ExpectShown(sheet, cases);
    EXPECT_EQ(Utf8(sheet.GetFormulaText(4, 1)), "C2*D2");
    EXPECT_EQ(Utf8(sheet.GetFormulaText(2, 4)), "SUM(C2:C3)");
}

// In direct-read mode the cells go to the event and the sheets stay empty.
TEST(XLSSpreadsheet, DirectReadHandsCellsToTheEvent) {
    std::vector<std::string> texts;
    auto book = NewSpreadsheet();
    book->SetDirectRead(true);
    book->SetOnReadCell([&](TXLSEventCell* cell) {
        if (cell->GetSheetIndex() == 0 && cell->GetRow() == 1) {
            texts.push_back(cell->GetCellType() == xectString ? Utf8(cell->GetString()) : "");
        }
    });
    book->LoadFromFile(api_test::FixturePath("sales.xlsx"));
    EXPECT_EQ(texts.size(), 5U);
    EXPECT_EQ(texts.front(), "苹果");
    ASSERT_EQ(book->GetSheetCount(), 2);
    EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
}

// A password-protected .xlsx is a compound document holding the encrypted package: the error says so.
TEST(XLSSpreadsheet, AnEncryptedPackageFailsNamingWhatItIs) {
    const rtl::UnicodeString file = test_support::CorpusDir() + u"/calamine/tests/pass_protected.xlsx";
    if (!rtl::FileExists(file)) {
        GTEST_SKIP() << "no " << Utf8(file);
    }
    auto book = NewSpreadsheet();
    EXPECT_EQ(MessageOf([&] { book->LoadFromFile(file); }),
              "E1002: Unknown type of encryption (the file is a password-protected .xlsx workbook, whose encrypted "
              "package cannot be opened)");
    EXPECT_EQ(book->GetSheetCount(), 0);
}

// Every real-world package reads, except those listed here, which fail with a clear error.
TEST(XLSSpreadsheet, CorpusReadsOrFailsCleanly) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
    }
    const struct {
        const char* Name;
        const char* Reason;
    } unsupported[] = {
        {"example_password.xlsx", "encrypted: the package is inside a compound document, which goes to the BIFF road"},
        {"pass_protected.xlsx", "encrypted: the package is inside a compound document, which goes to the BIFF road"},
        {"issue252.xlsx", "damaged: the relationships part holds more bytes than declared, with a wrong CRC"},
        {"issue_530.xlsx", "its member names use backslashes, so the package has no \"_rels/.rels\""},
        {"strict_iso_paths.xlsx", "Strict Open XML relationship types (purl.oclc.org) are not read"},
    };
    const std::vector<rtl::UnicodeString> files = test_support::CorpusFiles({u".xlsx", u".xlsm"});
    EXPECT_FALSE(files.empty());
    for (const rtl::UnicodeString& file : files) {
        SCOPED_TRACE(Utf8(file));
        const std::string name = Utf8(rtl::ExtractFileName(file));
        const char* reason = nullptr;
        for (const auto& known : unsupported) {
            if (name == known.Name) {
                reason = known.Reason;
            }
        }
        auto book = NewSpreadsheet();
        const std::string outcome = MessageOf([&] {
            book->LoadFromFile(file);
            for (int32_t i = 0; i < book->GetSheetCount(); ++i) {
                book->GetSheet(i)->CalcDimensions();
            }
        });
        if (reason == nullptr) {
            EXPECT_EQ(outcome, "no exception");
        } else {
            EXPECT_NE(outcome, "no exception") << reason;
            EXPECT_EQ(book->GetSheetCount(), 0);
        }
    }
}

} // namespace
} // namespace xls
