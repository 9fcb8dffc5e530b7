// The component's reading of .xls workbooks, through the calls the import makes: each fixture gives what its .xlsx
// twin gives, and the real-world files of the corpus read or fail with a clear error.

#include "XLSApiTestSupport.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace xls {
namespace {

using api_test::NewSpreadsheet;
using api_test::TSpreadsheetPtr;
using test_support::MessageOf;
using test_support::Utf8;

// The kinds of formula cells start here.
constexpr int32_t FirstFormulaKind = 6;

TSpreadsheetPtr ReadDataWorkbook(const std::string& relative) {
    auto book = NewSpreadsheet();
    book->SetFilename(test_support::DataPath(relative));
    book->Read();
    return book;
}

// A cell as the import reads it: its kind and text, and its number where it has one.
struct TReadCell {
    int32_t Kind = 0;
    std::string Text;
    double Number = 0;
    std::string Formula;

    bool operator==(const TReadCell&) const = default;
};

using TReadSheet = std::map<std::pair<int32_t, int32_t>, TReadCell>;

// Every cell of the used area that is neither missing nor blank, by row and column. Formula cells keep their text
// where withFormulas says so.
TReadSheet ReadSheet(TXLSWorksheet& sheet, bool withFormulas) {
    TReadSheet cells;
    sheet.CalcDimensions();
    for (int32_t row = sheet.GetFirstRow(); row <= sheet.GetLastRow(); ++row) {
        for (int32_t col = sheet.GetFirstCol(); col <= sheet.GetLastCol(); ++col) {
            TReadCell cell;
            cell.Kind = sheet.GetCellType(col, row);
            if (cell.Kind <= 1) {
                continue;
            }
            cell.Text = Utf8(sheet.GetAsString(col, row));
            if (cell.Kind == 5 || cell.Kind == 6) {
                cell.Number = sheet.GetAsFloat(col, row);
            }
            if (withFormulas && cell.Kind >= FirstFormulaKind) {
                cell.Formula = Utf8(sheet.GetFormulaText(col, row));
            }
            cells[{row, col}] = cell;
        }
    }
    return cells;
}

void ExpectSameSheets(TXLSSpreadsheet& xls, TXLSSpreadsheet& xlsx, bool withFormulas) {
    ASSERT_EQ(xls.GetSheetCount(), xlsx.GetSheetCount());
    for (int32_t i = 0; i < xls.GetSheetCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Utf8(xls.GetSheet(i)->GetName()), Utf8(xlsx.GetSheet(i)->GetName()));
        const TReadSheet fromXls = ReadSheet(*xls.GetSheet(i), withFormulas);
        const TReadSheet fromXlsx = ReadSheet(*xlsx.GetSheet(i), withFormulas);
        EXPECT_FALSE(fromXls.empty());
        for (const auto& [position, cell] : fromXlsx) {
            SCOPED_TRACE(Utf8(ColRowToStr(position.second, position.first)));
            const auto found = fromXls.find(position);
            ASSERT_NE(found, fromXls.end());
            EXPECT_EQ(found->second.Kind, cell.Kind);
            EXPECT_EQ(found->second.Text, cell.Text);
            EXPECT_DOUBLE_EQ(found->second.Number, cell.Number);
            EXPECT_EQ(found->second.Formula, cell.Formula);
        }
        EXPECT_EQ(fromXls.size(), fromXlsx.size());
    }
}

TEST(XLSSpreadsheetBIFF, ABIFF8WorkbookGivesTheCellsAndFormulasOfItsXlsxTwin) {
    auto xls = ReadDataWorkbook("biff/libreoffice-sales.xls");
    auto xlsx = ReadDataWorkbook("biff/libreoffice-sales.xlsx");
    EXPECT_EQ(xls->GetVersion(), xvExcel97);
    ExpectSameSheets(*xls, *xlsx, true);
}

// Formulas that reach other sheets, a range of sheets and defined names read as the .xlsx gives them, through the
// file's EXTERNSHEET, SUPBOOK and NAME records.
TEST(XLSSpreadsheetBIFF, FormulasNamingOtherSheetsNamesAndBooksGiveTheTextsOfTheXlsxTwin) {
    auto xls = ReadDataWorkbook("biff/libreoffice-references.xls");
    auto xlsx = ReadDataWorkbook("biff/libreoffice-references.xlsx");
    ExpectSameSheets(*xls, *xlsx, true);
    const std::vector<std::tuple<int32_t, int32_t, std::string>> cases = {
        {0, 2, "'My Sheet'!A1*2"},
        {0, 3, "SUM('My Sheet'!A1:B2)"},
        {0, 4, "SUM(Sheet1:Sheet3!A1:A1)"},
        {0, 5, "Totals+1"},
        {0, 6, "Sheet3!B2"},
        {0, 7, "SUM(Sheet3!A1:B2,'My Sheet'!B2)"},
        {2, 1, "Local+Sheet1!B1"},
    };
    for (const auto& [sheet, col, formula] : cases) {
        EXPECT_EQ(Utf8(xls->GetSheet(sheet)->GetFormulaText(col, 0)), formula);
    }
}

// Gnumeric wrote the BIFF7 file from the LibreOffice twin, in code page 936; its formulas keep their results only.
TEST(XLSSpreadsheetBIFF, ABIFF7WorkbookInCodePage936GivesTheCellsOfItsTwin) {
    auto xls = ReadDataWorkbook("biff/gnumeric-sales.xls");
    auto xlsx = ReadDataWorkbook("biff/libreoffice-sales.xlsx");
    ExpectSameSheets(*xls, *xlsx, false);
    EXPECT_EQ(Utf8(xls->GetSheet(0)->GetFormulaText(4, 1)), "");
}

// xlwt stores no formula results: its formula cells hold an empty text where openpyxl's hold nothing (0).
TEST(XLSSpreadsheetBIFF, AnXlwtWorkbookGivesTheCellsOfItsOpenpyxlTwin) {
    auto xls = ReadDataWorkbook("biff/xlwt-sales.xls");
    auto xlsx = ReadDataWorkbook("api/openpyxl-sales.xlsx");
    ASSERT_EQ(xls->GetSheetCount(), 1);
    EXPECT_EQ(Utf8(xls->GetSheet(0)->GetName()), "销货清单");
    TReadSheet fromXls = ReadSheet(*xls->GetSheet(0), true);
    TReadSheet fromXlsx = ReadSheet(*xlsx->GetSheet(0), true);
    for (TReadSheet* sheet : {&fromXls, &fromXlsx}) {
        for (auto& [position, cell] : *sheet) {
            if (cell.Kind >= FirstFormulaKind) {
                cell = {FirstFormulaKind, "", 0, cell.Formula};
            }
        }
    }
    ASSERT_EQ(fromXls.size(), fromXlsx.size());
    for (const auto& [position, cell] : fromXlsx) {
        SCOPED_TRACE(Utf8(ColRowToStr(position.second, position.first)));
        const TReadCell& read = fromXls.at(position);
        EXPECT_EQ(read.Kind, cell.Kind);
        EXPECT_EQ(read.Text, cell.Text);
        EXPECT_DOUBLE_EQ(read.Number, cell.Number);
        EXPECT_EQ(read.Formula, cell.Formula);
    }
    EXPECT_EQ(fromXls.at({1, 4}).Formula, "C2*D2");
    EXPECT_EQ(fromXls.at({4, 2}).Formula, "SUM(C2:C3)");
}

TEST(XLSSpreadsheetBIFF, DirectReadHandsTheStoredCellsToTheEvent) {
    auto stored = ReadDataWorkbook("biff/libreoffice-sales.xls");
    TReadSheet expected = ReadSheet(*stored->GetSheet(0), true);
    TReadSheet fired;
    auto book = NewSpreadsheet();
    book->SetDirectRead(true);
    book->SetOnReadCell([&](TXLSEventCell* cell) {
        if (cell->GetSheetIndex() != 0) {
            return;
        }
        TReadCell& read = fired[{cell->GetRow(), cell->GetCol()}];
        read.Kind = cell->GetCellType();
        read.Formula = Utf8(cell->GetFormula());
        switch (cell->GetCellType()) {
        case xectFloat:
        case xectFloatFormula:
            read.Number = cell->GetFloat();
            read.Text = test_support::NumberText(read.Number);
            break;
        case xectBoolean:
        case xectBooleanFormula:
            read.Text = cell->GetBoolean() ? "TRUE" : "FALSE";
            break;
        case xectError:
        case xectErrorFormula:
            read.Text = Utf8(XLSErrorTexts[cell->GetError()]);
            break;
        default:
            read.Text = Utf8(cell->GetString());
            break;
        }
    });
    book->LoadFromFile(test_support::DataPath("biff/libreoffice-sales.xls"));
    EXPECT_EQ(fired, expected);
    ASSERT_EQ(book->GetSheetCount(), 3);
    EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
}

// A BIFF workbook after a lead byte: the zip test leaves the stream where it was, and the BIFF read starts there.
TEST(XLSSpreadsheetBIFF, ReadsAStreamFromItsPosition) {
    const std::vector<uint8_t> bytes = api_test::FixtureBytes("../biff/xlwt-sales.xls");
    rtl::TMemoryStream stream;
    const uint8_t lead = 7;
    stream.Write(&lead, 1);
    stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(1);
    auto book = NewSpreadsheet();
    book->LoadFromStream(stream, true);
    ASSERT_EQ(book->GetSheetCount(), 1);
    EXPECT_EQ(Utf8(book->GetSheet(0)->GetAsString(0, 1)), "笔记本电脑");
}

TEST(XLSSpreadsheetBIFF, SwitchingToBIFFStartsFromTheEmptyWorkbook) {
    auto book = NewSpreadsheet();
    book->GetErrors().SetSaveToList(true);
    api_test::Cells(*book->GetSheet(0)).StoreString(2, 3, u"dropped", 0);
    book->SetVersion(xvExcel97);
    EXPECT_EQ(book->GetVersion(), xvExcel97);
    ASSERT_EQ(book->GetErrors().Messages().size(), 1U);
    EXPECT_EQ(book->GetErrors().Messages()[0].Number, XLSWarningDataDiscarded);
    ASSERT_EQ(book->GetSheetCount(), 1);
    EXPECT_EQ(Utf8(book->GetSheet(0)->GetName()), "Sheet1");
    EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
    TXc12DataStyleSheet& styles = book->GetManager()->StyleSheet();
    ASSERT_GT(styles.XFs().Count(), 1);
    EXPECT_TRUE(styles.XFs().GetItem(styles.XFs().Count() - 1)->Predefined());
    book->SetVersion(xvExcel2007);
    EXPECT_EQ(book->GetVersion(), xvExcel2007);
}

// Gnumeric's BIFF7 in code page 936, a Mac Roman BIFF5 file, and xlrd's BIFF4 worksheet.
TEST(XLSSpreadsheetBIFF, CorpusFilesOfEarlierVersionsRead) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
    }
    const struct {
        const char* File;
        int32_t Col;
        int32_t Row;
        const char* Text;
    } cases[] = {
        {"generated/gbk_biff7_gnumeric_zh.xls", 0, 0, "商品名称"},
        {"generated/gbk_biff7_gnumeric_zh.xls", 1, 0, "数量"},
        {"generated/gbk_biff7_gnumeric_zh.xls", 2, 0, "单价"},
        {"generated/gbk_biff7_gnumeric_zh.xls", 0, 1, "电脑显示器"},
        {"generated/gbk_biff7_gnumeric_zh.xls", 1, 1, "2"},
        {"generated/gbk_biff7_gnumeric_zh.xls", 2, 1, "1500.5"},
        {"calamine/tests/biff5_write.xls", 0, 0, "1"},
        {"calamine/tests/biff5_write.xls", 0, 1, "TRUE"},
        {"calamine/tests/biff5_write.xls", 3, 1, "sheetjs"},
        {"calamine/tests/biff5_write.xls", 2, 2, "41689.6041666667"},
        {"xlrd/tests/samples/biff4_no_format_no_window2.xls", 1, 0, "TOTAL"},
        {"xlrd/tests/samples/biff4_no_format_no_window2.xls", 1, 1, "DOG & CAT PRODUCTS"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.File);
        auto book = NewSpreadsheet();
        book->SetFilename(test_support::CorpusDir() + u"/" + rtl::Utf8ToUnicode(test.File));
        book->Read();
        EXPECT_EQ(Utf8(book->GetSheet(0)->GetAsString(test.Col, test.Row)), test.Text);
    }
}

// Every real-world .xls reads, except those listed here, which fail with a clear error.
TEST(XLSSpreadsheetBIFF, CorpusReadsOrFailsCleanly) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
    }
    const struct {
        const char* Name;
        const char* Message;
    } failing[] = {
        {"rc4cryptoapi_password.xls", "File is encrypted, password missing"},
        {"xor_password_123456789012345.xls", "Unknown type of encryption"},
        {"too_small.xls", "The file is not an Excel workbook"},
        {"OOM_alloc3.xls", "Damaged compound document"},
        {"xls2csv_ole_ole2_fread_327.xls", "Damaged compound document"},
        {"xls2csv_ole_read_MSAT_772.xls", "Damaged compound document"},
        {"xls2csv_ole_read_MSAT_body_637.xls", "Damaged compound document"},
        {"xls2csv_ole_read_MSAT_body_687.xls", "Damaged compound document"},
    };
    const std::vector<rtl::UnicodeString> files = test_support::CorpusFiles({u".xls"});
    EXPECT_FALSE(files.empty());
    for (const rtl::UnicodeString& file : files) {
        SCOPED_TRACE(Utf8(file));
        const std::string name = Utf8(rtl::ExtractFileName(file));
        const char* expected = nullptr;
        for (const auto& known : failing) {
            if (name == known.Name) {
                expected = known.Message;
            }
        }
        auto book = NewSpreadsheet();
        const std::string outcome = MessageOf([&] {
            book->LoadFromFile(file);
            for (int32_t i = 0; i < book->GetSheetCount(); ++i) {
                ReadSheet(*book->GetSheet(i), false);
            }
        });
        if (expected == nullptr) {
            EXPECT_EQ(outcome, "no exception");
        } else {
            EXPECT_NE(outcome.find(expected), std::string::npos) << outcome;
            EXPECT_EQ(book->GetSheetCount(), 0);
        }
    }
}

} // namespace
} // namespace xls
