#include "xls/api/XLSWorksheet.h"

#include "XLSApiTestSupport.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using api_test::Cells;
using api_test::NewSpreadsheet;
using test_support::MessageOf;
using test_support::TDecimalSeparator;
using test_support::Utf8;

// Stores a formula cell at B2 with the text and the result that set gives it.
void StoreFormula(TXLSCellMMU& cells, rtl::UnicodeStringView text, const std::function<void(TXLSFormulaHelper&)>& set) {
    TXLSFormulaHelper& helper = cells.FormulaHelper();
    helper.Clear();
    helper.SetCell(1, 1);
    helper.SetFormulaText(text);
    set(helper);
    cells.StoreFormula();
}

TEST(XLSWorksheet, KindsAndTexts) {
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Store;
        int32_t Kind;
        const char* Text;
    } cases[] = {
        {"no cell", [](TXLSCellMMU&) {}, 0, ""},
        {"blank", [](TXLSCellMMU& cells) { cells.StoreBlank(1, 1, 0); }, 1, ""},
        {"true", [](TXLSCellMMU& cells) { cells.StoreBoolean(1, 1, 0, true); }, 2, "TRUE"},
        {"false", [](TXLSCellMMU& cells) { cells.StoreBoolean(1, 1, 0, false); }, 2, "FALSE"},
        {"division by zero", [](TXLSCellMMU& cells) { cells.StoreError(1, 1, 0, 2); }, 3, "#DIV/0!"},
        {"error index 0", [](TXLSCellMMU& cells) { cells.StoreError(1, 1, 0, 0); }, 3, "_ERROR_ERROR_"},
        {"text", [](TXLSCellMMU& cells) { cells.StoreString(1, 1, u"产品 A", 0); }, 4, "产品 A"},
        {"number", [](TXLSCellMMU& cells) { cells.StoreFloat(1, 1, 0, -12.25); }, 5, "-12.25"},
        {"float formula",
         [](TXLSCellMMU& cells) { StoreFormula(cells, u"A1*2", [](TXLSFormulaHelper& f) { f.SetFloatResult(4.5); }); },
         6, "4.5"},
        {"string formula",
         [](TXLSCellMMU& cells) {
             StoreFormula(cells, u"A1&\"!\"", [](TXLSFormulaHelper& f) { f.SetStringResult(u"橙子!"); });
         },
         7, "橙子!"},
        {"boolean formula false",
         [](TXLSCellMMU& cells) {
             StoreFormula(cells, u"A1>2", [](TXLSFormulaHelper& f) { f.SetBooleanResult(false); });
         },
         8, "FALSE"},
        {"error formula",
         [](TXLSCellMMU& cells) { StoreFormula(cells, u"1/0", [](TXLSFormulaHelper& f) { f.SetErrorResult(2); }); }, 9,
         "#DIV/0!"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        TXLSWorksheet& sheet = *book->GetSheet(0);
        test.Store(Cells(sheet));
        EXPECT_EQ(sheet.GetCellType(1, 1), test.Kind);
        EXPECT_EQ(Utf8(sheet.GetAsString(1, 1)), test.Text);
    }
}

TEST(XLSWorksheet, PositionsOutsideTheSheetHoldNoCell) {
    const struct {
        const char* Name;
        int32_t Col;
        int32_t Row;
    } cases[] = {
        {"negative column", -1, 0},
        {"negative row", 0, -1},
        {"beyond the last column", XLSMaxCol + 1, 0},
        {"beyond the last row", 0, XLSMaxRow + 1},
        {"largest integers", 2147483647, 2147483647},
    };
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    Cells(sheet).StoreFloat(0, 0, 0, 1);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(sheet.GetCellType(test.Col, test.Row), 0);
        EXPECT_EQ(Utf8(sheet.GetAsString(test.Col, test.Row)), "");
        EXPECT_EQ(MessageOf([&] { sheet.GetAsFloat(test.Col, test.Row); }), "Cell is missing/is of wrong type");
    }
}

// Numbers of text columns end up as this text: 15 significant digits, the locale's decimal separator, exponent
// form for large and small magnitudes.
TEST(XLSWorksheet, NumberText) {
    const struct {
        double Value;
        char16_t Separator;
        const char* Text;
    } cases[] = {
        {1.5, u'.', "1.5"},
        {1.5, u',', "1,5"},
        {0.1 + 0.2, u'.', "0.3"},
        {100, u',', "100"},
        {-0.5, u'.', "-0.5"},
        {1e20, u'.', "1E20"},
        {1e-7, u'.', "1E-7"},
        {1234567890123456789.0, u'.', "1.23456789012346E18"},
        {1234567890123456789.0, u',', "1,23456789012346E18"},
        {123456789012345.0, u'.', "123456789012345"},
    };
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Text);
        TDecimalSeparator separator(test.Separator);
        Cells(sheet).StoreFloat(0, 0, 0, test.Value);
        StoreFormula(Cells(sheet), u"A1", [&](TXLSFormulaHelper& f) { f.SetFloatResult(test.Value); });
        EXPECT_EQ(Utf8(sheet.GetAsString(0, 0)), test.Text);
        EXPECT_EQ(Utf8(sheet.GetAsString(1, 1)), test.Text);
    }
}

TEST(XLSWorksheet, GetAsFloatTakesNumbersOnly) {
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Store;
        bool Number;
    } cases[] = {
        {"number", [](TXLSCellMMU& cells) { cells.StoreFloat(1, 1, 0, 2.75); }, true},
        {"float formula",
         [](TXLSCellMMU& cells) { StoreFormula(cells, u"A1", [](TXLSFormulaHelper& f) { f.SetFloatResult(2.75); }); },
         true},
        {"no cell", [](TXLSCellMMU&) {}, false},
        {"blank", [](TXLSCellMMU& cells) { cells.StoreBlank(1, 1, 0); }, false},
        {"text of a number", [](TXLSCellMMU& cells) { cells.StoreString(1, 1, u"2.75", 0); }, false},
        {"boolean", [](TXLSCellMMU& cells) { cells.StoreBoolean(1, 1, 0, true); }, false},
        {"error", [](TXLSCellMMU& cells) { cells.StoreError(1, 1, 0, 7); }, false},
        {"string formula",
         [](TXLSCellMMU& cells) { StoreFormula(cells, u"A1", [](TXLSFormulaHelper& f) { f.SetStringResult(u"2"); }); },
         false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        TXLSWorksheet& sheet = *book->GetSheet(0);
        test.Store(Cells(sheet));
        if (test.Number) {
            EXPECT_EQ(sheet.GetAsFloat(1, 1), 2.75);
        } else {
            EXPECT_EQ(MessageOf([&] { sheet.GetAsFloat(1, 1); }), "Cell is missing/is of wrong type");
        }
    }
}

TEST(XLSWorksheet, FormulaTextNamesExternalBooks) {
    const struct {
        const char* Formula;
        const char* Text;
    } cases[] = {
        {"SUM(A1:A3)", "SUM(A1:A3)"},
        {"[1]Sheet1!A1", "[C:\\Books\\Prices.xlsx]Sheet1!A1"},
        {"[2]Sheet1!A1*2", "[价格.xlsx]Sheet1!A1*2"},
        {"[3]Sheet1!A1", "[3]Sheet1!A1"},
        {"[0]Sheet1!A1", "[0]Sheet1!A1"},
        {"[]Sheet1!A1", "[]Sheet1!A1"},
        {"[-1]Sheet1!A1", "[-1]Sheet1!A1"},
        {"[1x]Sheet1!A1", "[1x]Sheet1!A1"},
        {"[99999999999]Sheet1!A1", "[99999999999]Sheet1!A1"},
        {"[1", "[1"},
        {"A1&\"[1]\"", "A1&\"[1]\""},
    };
    auto book = NewSpreadsheet();
    TXc12DataXLinks& links = book->GetManager()->XLinks();
    links.Add()->GetExternalBook().SetPath(u"C:\\Books\\Prices.xlsx");
    links.Add()->GetExternalBook().SetPath(u"价格.xlsx");
    TXLSWorksheet& sheet = *book->GetSheet(0);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Formula);
        StoreFormula(Cells(sheet), rtl::U16(test.Formula), [](TXLSFormulaHelper& f) { f.SetFloatResult(1); });
        EXPECT_EQ(Utf8(sheet.GetFormulaText(1, 1)), test.Text);
    }
}

TEST(XLSWorksheet, FormulaTextOfOtherCellsIsRefused) {
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    Cells(sheet).StoreFloat(0, 0, 0, 1);
    Cells(sheet).StoreString(1, 0, u"=A1", 0);
    for (const int32_t col : {0, 1, 2}) {
        SCOPED_TRACE(col);
        EXPECT_EQ(MessageOf([&] { sheet.GetFormulaText(col, 0); }), "Cell is missing/is of wrong type");
    }
}

TEST(XLSWorksheet, UsedArea) {
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Store;
        TXLSCellAreaRec Expected; // rows, then columns
    } cases[] = {
        {"no cell", [](TXLSCellMMU&) {}, {0, 0, 0, 0}},
        {"only A1", [](TXLSCellMMU& cells) { cells.StoreFloat(0, 0, 0, 1); }, {0, 0, 0, 0}},
        {"B3 and D7",
         [](TXLSCellMMU& cells) {
             cells.StoreString(1, 2, u"x", 0);
             cells.StoreFloat(3, 6, 0, 1.5);
             cells.StoreBoolean(2, 4, 0, false);
         },
         {2, 6, 1, 3}},
        {"rows 300 to 310 only",
         [](TXLSCellMMU& cells) {
             for (int32_t row = 299; row <= 309; ++row) {
                 cells.StoreFloat(5, row, 0, row);
             }
         },
         {299, 309, 5, 5}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        TXLSWorksheet& sheet = *book->GetSheet(0);
        test.Store(Cells(sheet));
        sheet.CalcDimensions();
        EXPECT_EQ(sheet.GetFirstRow(), test.Expected.Row1);
        EXPECT_EQ(sheet.GetLastRow(), test.Expected.Row2);
        EXPECT_EQ(sheet.GetFirstCol(), test.Expected.Col1);
        EXPECT_EQ(sheet.GetLastCol(), test.Expected.Col2);
    }
}

// The getters answer the stored area (a reader's dimension) until CalcDimensions replaces it.
TEST(XLSWorksheet, UsedAreaIsStoredNotComputed) {
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    TXLSCellAreaRec dimension;
    SetCellArea(dimension, 0, 0, 9, 99);
    api_test::DataSheet(sheet).SetDimension(dimension);
    Cells(sheet).StoreFloat(2, 3, 0, 1);
    EXPECT_EQ(sheet.GetLastRow(), 99);
    sheet.CalcDimensions();
    EXPECT_EQ(sheet.GetLastRow(), 3);
    EXPECT_EQ(api_test::DataSheet(sheet).GetDimension().Col1, 2);
}

TEST(XLSWorksheet, DefaultXFAndSetAsString) {
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    TXc12XFs& xfs = book->GetManager()->StyleSheet().XFs();
    xfs.Add();
    TXc12XF* columnXF = xfs.Add();
    TXc12Columns& columns = api_test::DataSheet(sheet).GetColumns();
    // In file order a record may come after the one to its right.
    TXc12Column* styled = columns.Add(columnXF);
    styled->SetFirstCol(5);
    styled->SetLastCol(7);
    TXc12Column* plain = columns.Add(nullptr);
    plain->SetFirstCol(1);
    plain->SetLastCol(2);
    Cells(sheet).SetRowFormat(4, 1);
    const struct {
        const char* Name;
        int32_t Col;
        int32_t Row;
        int32_t XF;
    } cases[] = {
        {"a styled column", 6, 0, columnXF->Index()},
        {"a styled column over a formatted row", 5, 4, columnXF->Index()},
        {"a plain column over a formatted row", 1, 4, 1},
        {"a formatted row", 10, 4, 1},
        {"neither", 10, 3, 0},
        {"a row beyond the sheet", 0, -5, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(sheet.GetDefaultXF(test.Col, test.Row), test.XF);
        if (test.Row < 0) {
            continue;
        }
        sheet.SetAsString(test.Col, test.Row, u"值");
        TXLSCellHandle cell;
        ASSERT_TRUE(Cells(sheet).FindCell(test.Col, test.Row, cell));
        EXPECT_EQ(Cells(sheet).GetXF(cell), test.XF);
        EXPECT_EQ(Utf8(sheet.GetAsString(test.Col, test.Row)), "值");
    }
}

TEST(XLSWorksheet, IsEmptyLooksAtTheFirstRowOnly) {
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Store;
        bool Empty;
    } cases[] = {
        {"nothing", [](TXLSCellMMU&) {}, true},
        {"one blank far down", [](TXLSCellMMU& cells) { cells.StoreBlank(3, 70000, 0); }, false},
        {"a text in A1", [](TXLSCellMMU& cells) { cells.StoreString(0, 0, u"a", 0); }, false},
        {"a formatted first row before the cells",
         [](TXLSCellMMU& cells) {
             cells.SetRowFormat(0, 0);
             cells.StoreFloat(0, 1, 0, 1);
         },
         true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        TXLSWorksheet& sheet = *book->GetSheet(0);
        test.Store(Cells(sheet));
        EXPECT_EQ(sheet.IsEmpty(), test.Empty);
    }
}

TEST(XLSWorksheet, GetObjectGivesThePartOfTheClassAsked) {
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    TXc12DataWorksheet* data = book->GetManager()->Worksheets().GetItem(0);
    EXPECT_EQ(sheet.GetObject(TXc12DataWorksheet::StaticClass()), data);
    EXPECT_EQ(sheet.GetObject(TCellAreas::StaticClass()), &sheet.GetSelectedAreas());
    EXPECT_EQ(sheet.GetObject(TXLSColumns::StaticClass()), &sheet.GetColumns());
    EXPECT_EQ(sheet.GetObject(TXLSRows::StaticClass()), &sheet.GetRows());
    // Only those classes: neither an ancestor nor another class.
    EXPECT_EQ(sheet.GetObject(rtl::TObject::StaticClass()), nullptr);
    EXPECT_EQ(sheet.GetObject(TXLSWorkbook::StaticClass()), nullptr);
    EXPECT_EQ(Utf8(sheet.GetName()), "Sheet1");
}

} // namespace
} // namespace xls
