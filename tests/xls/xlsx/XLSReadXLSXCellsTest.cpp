#include "xls/xlsx/XLSReadXLSXCells.h"

#include "XLSReadXLSXTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::NumberText;
using test_support::Utf8;
using xlsx_test::ReadBytes;
using xlsx_test::TModel;
using xlsx_test::TPackage;

// Three cell formats besides the default, so that s="3" names one.
constexpr std::string_view FourXfs = R"(<cellXfs count="4"><xf/><xf/><xf/><xf/></cellXfs>)";

std::string FormulaResult(TXLSCellMMU& cells, const TXLSCellHandle& handle) {
    switch (cells.GetKind(handle)) {
    case XLSResultFloat:
        return NumberText(cells.GetFormulaFloatResult(handle));
    case XLSResultString:
        return "'" + Utf8(cells.GetFormulaStringResult(handle)) + "'";
    case XLSResultBoolean:
        return cells.GetFormulaBoolResult(handle) ? "TRUE" : "FALSE";
    default:
        return "error " + std::to_string(cells.GetFormulaErrorResult(handle));
    }
}

// A compiled formula as "f=" and its decoded text, one kept as text as "text=" and that text.
std::string FormulaCell(TModel& model, TXLSCellMMU& cells, const TXLSCellHandle& handle) {
    cells.LoadFormula(handle);
    const TXLSFormulaHelper& helper = cells.FormulaHelper();
    std::string text = "formula " + FormulaResult(cells, handle);
    if (helper.FormulaKind() == XLSFormulaArrayMember || helper.FormulaKind() == XLSFormulaTableMember) {
        return text + " member " + std::to_string(helper.FormulaKind()) + " of " +
               Utf8(ColRowToStr(helper.MasterCol(), helper.MasterRow()));
    }
    text += " kind " + std::to_string(helper.FormulaKind());
    if (!cells.IsFormulaCompiled(handle)) {
        return text + " text=" + Utf8(cells.GetFormulaText(handle));
    }
    int32_t length = 0;
    const uint8_t* ptgs = cells.GetFormulaPtgs(handle, length);
    rtl::UnicodeString formula;
    model.Handler.DecodeFormula(&cells, 0, formula, false, {ptgs, static_cast<size_t>(length)});
    return text + " f=" + Utf8(formula);
}

// The cell at (col, row) of the first sheet in words, with its cell format when it has one.
std::string Describe(TModel& model, int32_t col, int32_t row) {
    TXLSCellMMU& cells = model.Sheet(0).GetCells();
    TXLSCellHandle handle;
    if (!cells.FindCell(col, row, handle)) {
        return "none";
    }
    const std::string xf = cells.GetXF(handle) != 0 ? " xf" + std::to_string(cells.GetXF(handle)) : "";
    switch (cells.GetKind(handle)) {
    case XLSKindBlank:
        return "blank" + xf;
    case XLSKindBoolean:
        return std::string(cells.GetBoolean(handle) ? "TRUE" : "FALSE") + xf;
    case XLSKindError:
        return "error " + std::to_string(cells.GetError(handle)) + xf;
    case XLSKindString:
        return "string '" + Utf8(cells.GetString(handle)) + "'" + xf;
    case XLSKindFloat:
        return "float " + NumberText(cells.GetFloat(handle)) + xf;
    default:
        return FormulaCell(model, cells, handle) + xf;
    }
}

// Each A1 cell of the first sheet described as expected.
void ExpectCells(TModel& model, std::span<const std::pair<const char*, const char*>> expected) {
    for (const auto& [cell, description] : expected) {
        int32_t col = 0;
        int32_t row = 0;
        ASSERT_TRUE(ParseCellRef(rtl::Utf8ToUnicode(cell), col, row));
        EXPECT_EQ(Describe(model, col, row), description) << cell;
    }
}

constexpr std::string_view SharedStrings = "<si><t>zero</t></si><si><t>one</t></si><si><t>two</t></si>"
                                           "<si><t>three</t></si><si><t>four</t></si><si><t>five</t></si>";

struct CellCase {
    std::string Name;
    std::string SheetData;
    std::string Cell; // A1 reference of the cell looked at
    std::string Expected;
};

TEST(XLSReadXLSXCells, CellElementsStoreTheValuesTheyCarry) {
    const std::vector<CellCase> cases = {
        {"style without value", R"(<row r="2"><c r="B2" s="3"/></row>)", "B2", "blank xf3"},
        {"shared string", R"(<row r="1"><c r="A1" t="s"><v>5</v></c></row>)", "A1", "string 'five'"},
        {"shared string index not a number", R"(<row r="1"><c r="A1" t="s"><v>x</v></c></row>)", "A1", "string 'zero'"},
        {"shared string index out of range", R"(<row r="1"><c r="A1" t="s"><v>6</v></c></row>)", "A1", "error 4"},
        {"negative shared string index", R"(<row r="1"><c r="A1" t="s"><v>-1</v></c></row>)", "A1", "error 4"},
        {"boolean 1", R"(<row r="1"><c r="A1" t="b"><v>1</v></c></row>)", "A1", "TRUE"},
        {"boolean yes", R"(<row r="1"><c r="A1" t="b"><v>yes</v></c></row>)", "A1", "FALSE"},
        {"number", R"(<row r="1"><c r="A1"><v>1.5</v></c></row>)", "A1", "float 1.5"},
        {"number with exponent", R"(<row r="1"><c r="A1" s="2"><v>1.2345678901234567E+18</v></c></row>)", "A1",
         "float 1.23456789012346e+18 xf2"},
        {"known error", R"(<row r="1"><c r="A1" t="e"><v>#DIV/0!</v></c></row>)", "A1", "error 2"},
        {"unknown error", R"(<row r="1"><c r="A1" t="e"><v>#BOGUS!</v></c></row>)", "A1", "error 0"},
        {"plain formula string", R"(<row r="1"><c r="A1" t="str"><v>text</v></c></row>)", "A1", "string 'text'"},
        {"text on two lines", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>two\r\nlines</t></is></c></row>", "A1",
         "string 'two\nlines'"},
        {"date", R"(<row r="1"><c r="A1" t="d"><v>2024-03-01T12:00:00</v></c></row>)", "A1", "float 45352.5"},
        {"date before March 1900", R"(<row r="1"><c r="A1" t="d"><v>1900-01-01</v></c></row>)", "A1", "float 1"},
        {"unreadable date keeps its text", R"(<row r="1"><c r="A1" t="d"><v>soon</v></c></row>)", "A1",
         "string 'soon'"},
        {"inline string", R"(<row r="1"><c r="A1" t="inlineStr"><is><t>inline</t></is></c></row>)", "A1",
         "string 'inline'"},
        {"inline string with runs",
         R"(<row r="1"><c r="A1" t="inlineStr"><is><r><t>ab</t></r><r><rPr><b/></rPr>)"
         R"(<t>cd</t></r></is></c></row>)",
         "A1", "string 'abcd'"},
        {"cell without r follows the previous cell", R"(<row r="3"><c r="B3"><v>1</v></c><c><v>2</v></c></row>)", "C3",
         "float 2"},
        {"row without r follows the previous row",
         R"(<row r="4"><c r="A4"><v>1</v></c></row><row><c><v>7</v></c></row>)", "A5", "float 7"},
        {"first row without r", R"(<row><c><v>3</v></c></row>)", "A1", "float 3"},
        {"reference to the sheet's last cell", R"(<row r="1048576"><c r="XFD1048576"><v>4</v></c></row>)", "XFD1048576",
         "float 4"},
        {"reference with dollars", R"(<row r="2"><c r="$C$2"><v>4</v></c></row>)", "C2", "float 4"},
        {"row number with a leading zero", R"(<row r="7"><c r="AB07"><v>4</v></c></row>)", "AB7", "float 4"},
        {"style index beyond the cell formats", R"(<row r="1"><c r="A1" s="99"><v>1</v></c></row>)", "A1", "float 1"},
        {"normal formula", R"(<row r="1"><c r="A1"><f>SUM(B1:B3)</f><v>6</v></c></row>)", "A1",
         "formula 6 kind 0 f=SUM(B1:B3)"},
        {"formula with string result", R"(<row r="1"><c r="A1" t="str"><f>B1&amp;"x"</f><v>yx</v></c></row>)", "A1",
         "formula 'yx' kind 0 f=B1&\"x\""},
        {"formula with boolean result", R"(<row r="1"><c r="A1" t="b"><f>1=1</f><v>1</v></c></row>)", "A1",
         "formula TRUE kind 0 f=1=1"},
        {"formula with error result", R"(<row r="1"><c r="A1" t="e"><f>1/0</f><v>#DIV/0!</v></c></row>)", "A1",
         "formula error 2 kind 0 f=1/0"},
        {"formula with a later error", R"(<row r="1"><c r="A1" t="e"><f>SEQUENCE(2)</f><v>#SPILL!</v></c></row>)", "A1",
         "formula '#SPILL!' kind 0 f=SEQUENCE(2)"},
        {"formula with date result", R"(<row r="1"><c r="A1" t="d"><f>TODAY()</f><v>2024-03-01</v></c></row>)", "A1",
         "formula 45352 kind 0 f=TODAY()"},
        {"shared master", R"(<row r="2"><c r="B2"><f t="shared" ref="B2:B4" si="0">A2*2</f><v>2</v></c></row>)", "B2",
         "formula 2 kind 0 f=A2*2"},
        {"shared dependent takes the master's formula moved to its cell",
         R"(<row r="2"><c r="B2"><f t="shared" ref="B2:C4" si="0">A2*$A$1+Sheet1!A2</f><v>2</v></c></row>)"
         R"(<row r="4"><c r="C4"><f t="shared" si="0"/><v>4</v></c></row>)",
         "C4", "formula 4 kind 0 f=B4*$A$1+Sheet1!B4"},
        {"shared dependent whose reference leaves the sheet",
         R"(<row r="2"><c r="B2"><f t="shared" ref="B1:B4" si="0">A1*2</f><v>2</v></c></row>)"
         R"(<row r="1"><c r="B1"><f t="shared" si="0"/><v>4</v></c></row>)",
         "B1", "formula 4 kind 0 f=#REF!*2"},
        {"shared dependent outside its master's area",
         R"(<row r="2"><c r="B2"><f t="shared" ref="B2:B4" si="0">A2*2</f><v>2</v></c></row>)"
         R"(<row r="5"><c r="B5"><f t="shared" si="0"/><v>4</v></c></row>)",
         "B5", "formula 4 kind 0 text="},
        {"shared dependent without master", R"(<row r="3"><c r="B3"><f t="shared" si="7"/><v>4</v></c></row>)", "B3",
         "formula 4 kind 0 text="},
        {"shared dependent with a huge index",
         R"(<row r="3"><c r="B3"><f t="shared" si="2147483647"/><v>4</v></c></row>)", "B3", "formula 4 kind 0 text="},
        {"array master", R"(<row r="1"><c r="A1"><f t="array" ref="A1:A3">B1:B3*2</f><v>2</v></c></row>)", "A1",
         "formula 2 kind 1 f=B1:B3*2"},
        {"array member",
         R"(<row r="1"><c r="A1"><f t="array" ref="A1:A3">B1:B3*2</f><v>2</v></c></row>)"
         R"(<row r="2"><c r="A2"><v>4</v></c></row>)",
         "A2", "formula 4 member 3 of A1"},
        {"cell beside an array",
         R"(<row r="1"><c r="A1"><f t="array" ref="A1:A3">B1:B3*2</f><v>2</v></c></row>)"
         R"(<row r="2"><c r="B2"><v>4</v></c></row>)",
         "B2", "float 4"},
        {"data table member",
         R"(<row r="1"><c r="B1"><f t="dataTable" ref="B1:B2" dt2D="0" dtr="0" r1="A1"/><v>1</v></c></row>)"
         R"(<row r="2"><c r="B2"><v>5</v></c></row>)",
         "B2", "formula 5 member 5 of B1"},
    };
    for (const CellCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TPackage package = TPackage::WithSheets({{"Sheet1", test.SheetData}});
        package.SetSharedStrings(std::string(SharedStrings));
        package.SetStyles(std::string(FourXfs));
        TModel model;
        model.Read(package.Zip());
        int32_t col = 0;
        int32_t row = 0;
        ASSERT_TRUE(ParseCellRef(rtl::UnicodeString(test.Cell.begin(), test.Cell.end()), col, row));
        EXPECT_EQ(Describe(model, col, row), test.Expected);
    }
}

// Array areas that stay open to the last row, overlapping, with many plain cells below their masters (a file that
// once took time growing with cells times areas; tests/data/fuzz/make_array_areas.py writes it).
TEST(XLSReadXLSXCells, ArrayAreasOpenToTheLastRowLeaveTheCellsBesideThemPlain) {
    TModel model;
    model.Read(ReadBytes("fuzz/xlsx-array-areas.xlsx"));
    const std::pair<const char*, const char*> expected[] = {
        {"A1", "formula 1 kind 1 f=1"},
        {"A2000", "formula 2000 kind 1 f=2000"},
        {"B2000", "none"},
        // Inside every area: a member of the first.
        {"A2001", "formula 2001 member 3 of A1"},
        {"B4000", "formula 4000 member 3 of A1"},
        {"C2001", "float 2001"},
        {"J4000", "float 4000"},
    };
    ExpectCells(model, expected);
}

// A formula that does not compile keeps its text and cached result and is reported as a warning naming the cell; a
// shared formula whose master does not compile leaves its other cells with their results only. Nothing of it ends
// the read, even with an error manager that raises errors.
TEST(XLSReadXLSXCells, FormulasThatDoNotCompileKeepTheirTextAndWarn) {
    const std::string sheetData =
        R"(<row r="1"><c r="A1"><f>Nosuch!A1</f><v>1</v></c><c r="B1"><f>SUM(</f><v>2</v></c>)"
        R"(<c r="C1"><f t="shared" ref="C1:C2" si="0">[1]Book!A1</f><v>3</v></c>)"
        R"(<c r="D1"><f t="array" ref="D1">1+</f><v>4</v></c><c r="E1"><f>(1,2)</f><v>5</v></c>)"
        R"(<c r="F1"><v>6</v></c></row><row r="2"><c r="C2"><f t="shared" si="0"/><v>7</v></c></row>)";
    const std::string package = TPackage::WithSheets({{"Sheet1", sheetData}}).Zip();
    TModel model;
    model.Read(package);
    const std::pair<const char*, const char*> expected[] = {
        {"A1", "formula 1 kind 0 text=Nosuch!A1"},  {"B1", "formula 2 kind 0 text=SUM("},
        {"C1", "formula 3 kind 0 text=[1]Book!A1"}, {"D1", "formula 4 kind 1 text=1+"},
        {"E1", "formula 5 kind 0 text=(1,2)"},      {"F1", "float 6"},
        {"C2", "formula 7 kind 0 text="},
    };
    ExpectCells(model, expected);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>(5, XLSWarningFormulaNotCompiled));
    EXPECT_EQ(Utf8(model.Errors.Messages()[0].Text),
              "W2006: Formula not compiled \"Sheet1!A1: E4016: Uknown sheet name \"Nosuch\"\"");
    EXPECT_EQ(model.Errors.LastError(), 0);

    TModel raising;
    raising.Errors.SetSaveToList(false);
    raising.Read(package);
    EXPECT_EQ(raising.Errors.WarningCount(), 5);
    EXPECT_EQ(raising.Errors.ErrorCount(), 0);
}

TEST(XLSReadXLSXCells, DamagedValuesWarnAndTheRestReads) {
    const std::vector<CellCase> cases = {
        {"shared string index out of range", R"(<row r="1"><c r="A1" t="s"><v>9</v></c><c r="B1"><v>1</v></c></row>)",
         "B1", "float 1"},
        {"cell format out of range", R"(<row r="1"><c r="A1" s="40"><v>2</v></c><c r="B1"><v>1</v></c></row>)", "B1",
         "float 1"},
    };
    const std::vector<int32_t> expectedWarnings[] = {{XLSWarningSharedStringIndex}, {XLSWarningStyleIndex}};
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].Name);
        TPackage package = TPackage::WithSheets({{"Sheet1", cases[i].SheetData}});
        package.SetSharedStrings("<si><t>only</t></si>");
        TModel model;
        model.Read(package.Zip());
        EXPECT_EQ(Describe(model, 1, 0), cases[i].Expected);
        EXPECT_EQ(model.WarningNumbers(), expectedWarnings[i]);
    }
}

TEST(XLSReadXLSXCells, PackageWithoutSharedStringsGivesErrorCells) {
    TModel model;
    model.Read(TPackage::WithSheets({{"Sheet1", R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)"}}).Zip());
    EXPECT_EQ(Describe(model, 0, 0), "error 4");
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningSharedStringIndex});
}

TEST(XLSReadXLSXCells, FailuresEndTheReadWithTheirMessage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"(<row r="1"><c r="A1" t="x"><f>A2</f><v>0</v></c></row>)", "Unsupported type of formula cell: 255"},
        {R"(<row r="1"><c r="XFD1"><v>1</v></c><c><v>2</v></c></row>)", "Invalid cell column 16384"},
        {R"(<row r="1048577"><c><v>1</v></c></row>)", "Invalid cell row 1048576"},
    };
    for (const auto& [sheetData, message] : cases) {
        SCOPED_TRACE(sheetData);
        TModel model;
        try {
            model.Read(TPackage::WithSheets({{"Sheet1", sheetData}}).Zip());
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& error) {
            EXPECT_EQ(Utf8(error.Message()), message);
        }
        EXPECT_EQ(model.Manager.Worksheets().Count(), 0);
    }
}

TEST(XLSReadXLSXCells, ReferencesThatNameNoCellAreErrors) {
    const std::vector<std::string> references = {"A0",    "XFE1", "a1",        "1A",  "A1048577",
                                                 "AAAA1", "A1B",  "A12345678", "A-1", "B"};
    for (const std::string& reference : references) {
        SCOPED_TRACE(reference);
        const std::string package =
            TPackage::WithSheets(
                {{"Sheet1", "<row r=\"1\"><c r=\"" + reference + "\"><v>1</v></c><c r=\"B1\"><v>2</v></c></row>"}})
                .Zip();
        TModel raising;
        raising.Errors.SetSaveToList(false);
        try {
            raising.Read(package);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& error) {
            EXPECT_EQ(Utf8(error.Message()), "E3004: Invalid cell reference \"" + reference + "\"");
        }
        // An error manager that keeps its errors in a list lets the read go on without the cell.
        TModel listing;
        listing.Read(package);
        EXPECT_EQ(listing.WarningNumbers(), std::vector<int32_t>{3004});
        EXPECT_EQ(Describe(listing, 1, 0), "float 2");
        EXPECT_EQ(Describe(listing, 0, 0), "none");
    }
}

TEST(XLSReadXLSXCells, RowsGetTheirRecords) {
    struct RowCase {
        std::string Attributes;
        int32_t Height;
        uint8_t Flags;
        uint8_t OutlineLevel;
        int32_t XF;
    };
    const std::vector<RowCase> cases = {
        {R"(ht="15")", 300, 0, 0, 0},
        {R"(ht="0")", -1, 0, 0, 0},
        {"", -1, 0, 0, 0},
        {R"(ht="12.525")", 250, 0, 0, 0},
        {R"(ht="1e9")", 32767, 0, 0, 0},
        {R"(ht="-3")", -1, 0, 0, 0},
        {R"(hidden="1" customHeight="1" collapsed="1" thickTop="1" thickBot="1" ph="1")", -1, 63, 0, 0},
        {R"(s="2" customFormat="1" outlineLevel="3")", -1, 0, 3, 2},
        {R"(outlineLevel="200")", -1, 0, 7, 0},
    };
    for (const RowCase& test : cases) {
        SCOPED_TRACE(test.Attributes);
        TPackage package = TPackage::WithSheets({{"Sheet1", "<row r=\"5\" " + test.Attributes + "/>"}});
        package.SetStyles(std::string(FourXfs));
        TModel model;
        model.Read(package.Zip());
        const TXLSRowRecord record = model.Sheet(0).GetCells().GetRowRecord(4);
        ASSERT_TRUE(static_cast<bool>(record));
        EXPECT_EQ(record.Height(), test.Height);
        EXPECT_EQ(record.Flags(), test.Flags);
        EXPECT_EQ(record.OutlineLevel(), test.OutlineLevel);
        EXPECT_EQ(record.XF(), test.XF);
    }
}

TEST(XLSReadXLSXCells, ColumnsGetTheirRecords) {
    struct ColCase {
        std::string Col;
        int32_t First;
        int32_t Last;
        double Width;
        uint64_t Options;
    };
    const std::vector<ColCase> cases = {
        {R"(<col min="2" max="4" width="12.5" hidden="1"/>)", 1, 3, 12.5, TXc12ColumnOptions{xcoHidden}.Bits()},
        {R"(<col min="1" max="16384" width="9" bestFit="1" customWidth="1"/>)", 0, 16383, 9,
         TXc12ColumnOptions{xcoBestFit, xcoCustomWidth}.Bits()},
        {R"(<col min="3" max="99999" phonetic="1" collapsed="1"/>)", 2, 16383, 0,
         TXc12ColumnOptions{xcoPhonetic, xcoCollapsed}.Bits()},
    };
    for (const ColCase& test : cases) {
        SCOPED_TRACE(test.Col);
        TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
        package.SetWorksheet(1, "<cols>" + test.Col + "</cols><sheetData/>");
        TModel model;
        model.Read(package.Zip());
        TXc12Columns& columns = model.Sheet(0).GetColumns();
        ASSERT_EQ(columns.Count(), 1);
        EXPECT_EQ(columns.GetItem(0)->GetFirstCol(), test.First);
        EXPECT_EQ(columns.GetItem(0)->GetLastCol(), test.Last);
        EXPECT_EQ(columns.GetItem(0)->GetWidth(), test.Width);
        EXPECT_EQ(columns.GetItem(0)->GetOptions().Bits(), test.Options);
        EXPECT_EQ(columns.GetItem(0)->GetStyle(), model.Manager.StyleSheet().XFs().GetItem(0));
    }
}

TEST(XLSReadXLSXCells, ColumnsOutsideTheSheetAreLeftOut) {
    TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
    package.SetWorksheet(1, R"(<cols><col min="5" max="4"/><col min="20000" max="20001"/></cols><sheetData/>)");
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.Sheet(0).GetColumns().Count(), 0);
}

TEST(XLSReadXLSXCells, SharedStringItemsKeepTheirRuns) {
    TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
    package.SetSharedStrings(R"(<si><t>plain</t></si>)"
                             R"(<si><r><t>ab</t></r><r><rPr><b/><sz val="11"/></rPr><t>cd</t></r></si>)"
                             R"(<si><r><rPr><i/><rFont val="Nowhere Sans"/></rPr><t>x</t></r><r><t>y</t></r></si>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataSST& sst = model.Manager.SST();
    ASSERT_EQ(sst.Count(), 3);
    EXPECT_EQ(Utf8(sst.GetString(0)), "plain");
    EXPECT_EQ(TXc12DataSST::ItemRunCount(sst.Item(0)), 0);

    EXPECT_EQ(Utf8(sst.GetString(1)), "abcd");
    ASSERT_EQ(TXc12DataSST::ItemRunCount(sst.Item(1)), 1);
    const TXc12FontRun bold = TXc12DataSST::ItemFontRun(sst.Item(1), 0);
    EXPECT_EQ(bold.Position, 2);
    ASSERT_NE(bold.Font, nullptr);

    // A run font the styles part does not list is added to the style sheet, not refused.
    EXPECT_EQ(Utf8(sst.GetString(2)), "xy");
    ASSERT_EQ(TXc12DataSST::ItemRunCount(sst.Item(2)), 2);
    const TXc12FontRun italic = TXc12DataSST::ItemFontRun(sst.Item(2), 0);
    EXPECT_EQ(italic.Position, 0);
    ASSERT_NE(italic.Font, nullptr);
    EXPECT_EQ(Utf8(italic.Font->GetName()), "Nowhere Sans");
    const TXc12FontRun plainRun = TXc12DataSST::ItemFontRun(sst.Item(2), 1);
    EXPECT_EQ(plainRun.Position, 1);
    EXPECT_EQ(plainRun.Font, nullptr);
}

// Texts write characters XML cannot hold as _xHHHH_ (ECMA-376 Part 1, 22.9.2.19); an escaped underscore keeps what
// follows it as written.
TEST(XLSReadXLSXCells, EscapedCharactersOfTextsAreDecoded) {
    TPackage package =
        TPackage::WithSheets({{"Sheet1", R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>)"
                                         R"(<c r="C1" t="inlineStr"><is><t>in_x000D_line</t></is></c>)"
                                         R"(<c r="D1" t="str"><v>tab_x0009_</v></c>)"
                                         R"(<c r="E1" t="str"><f>"a"</f><v>_x005F_x000D_</v></c></row>)"}});
    package.SetSharedStrings(R"(<si><t>line_x000D_break</t></si>)"
                             R"(<si><r><t>a_x000a_</t></r><r><rPr><b/></rPr><t>b</t></r></si>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataSST& sst = model.Manager.SST();
    // Inline strings join the table after the shared strings.
    ASSERT_GE(sst.Count(), 2);
    EXPECT_EQ(Utf8(sst.GetString(0)), "line\rbreak");
    EXPECT_EQ(Utf8(sst.GetString(1)), "a\nb");
    ASSERT_EQ(TXc12DataSST::ItemRunCount(sst.Item(1)), 1);
    EXPECT_EQ(TXc12DataSST::ItemFontRun(sst.Item(1), 0).Position, 2);
    EXPECT_EQ(Describe(model, 2, 0), "string 'in\rline'");
    EXPECT_EQ(Describe(model, 3, 0), "string 'tab\t'");
    EXPECT_EQ(Describe(model, 4, 0), "formula '_x000D_' kind 0 f=\"a\"");
}

} // namespace
} // namespace xls
