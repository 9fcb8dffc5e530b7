// The sheet objects and settings of a read workbook as the facade's wrappers show them: conditional formats,
// validations, hyperlinks, comments, tables, print settings, panes, autofilters, defined names and external links,
// read from workbooks that LibreOffice and openpyxl wrote.

#include "xls/api/XLSSheetObjects.h"

#include "rtl/text/CodePages.h"
#include "tests/xls/api/XLSApiTestSupport.h"
#include "tests/xls/core/formula/XLSFormulaTestSupport.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/api/XLSHyperlinks.h"
#include "xls/api/XLSMoveCopyObjects.h"
#include "xls/api/XLSNames.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using api_test::DataSheet;
using api_test::NewSpreadsheet;
using api_test::TSpreadsheetPtr;
using formula_test::TSeparatorsScope;
using test_support::Utf8;
namespace schema = xpgParserXLSX;

// "B2:B4", or "A7" for one cell.
std::string AreaText(const TXLSCellAreaRec& rect) {
    if (rect.Col1 == rect.Col2 && rect.Row1 == rect.Row2) {
        return Utf8(ColRowToStr(rect.Col1, rect.Row1));
    }
    return Utf8(AreaRefToStr(rect.Col1, rect.Row1, rect.Col2, rect.Row2, false, false, false, false));
}

std::string AreasText(const TBaseCellAreas& areas) {
    std::string text;
    for (int32_t i = 0; i < areas.Count(); ++i) {
        text += (i > 0 ? " " : "") + AreaText(areas.GetItem(i)->GetRect());
    }
    return text;
}

// A workbook of the fixtures, read with its messages listed.
TSpreadsheetPtr ReadFixture(const std::string& name) {
    auto book = NewSpreadsheet();
    book->GetErrors().SetSaveToList(true);
    book->LoadFromFile(api_test::FixturePath(name));
    return book;
}

std::vector<int32_t> MessageNumbers(const TXLSSpreadsheet& book) {
    std::vector<int32_t> numbers;
    for (const TXLSErrorMessage& message : book.GetErrors().Messages()) {
        numbers.push_back(message.Number);
    }
    return numbers;
}

class LibreOfficeSheetObjects : public testing::Test {
protected:
    TSeparatorsScope Separators;
    TSpreadsheetPtr Book = ReadFixture("libreoffice-sheet-objects.xlsx");
    TXLSWorksheet& Sales = *Book->GetSheet(0);
};

TEST_F(LibreOfficeSheetObjects, TheWorkbookReadsWithoutWarnings) {
    EXPECT_EQ(MessageNumbers(*Book), std::vector<int32_t>{});
    ASSERT_EQ(Book->GetSheetCount(), 2);
    EXPECT_EQ(Utf8(Book->GetSheet(1)->GetName()), "Notes");
}

TEST_F(LibreOfficeSheetObjects, ConditionalFormatsAndValidations) {
    TXLSConditionalFormats& formats = *Sales.GetConditionalFormats();
    ASSERT_EQ(formats.Count(), 1);
    TXc12ConditionalFormatting& format = *formats.GetItem(0);
    EXPECT_EQ(AreasText(format.GetRanges()), "B2:B5");
    ASSERT_EQ(format.GetRules().Count(), 1);
    const TXc12CfRule& rule = *format.GetRules().GetItem(0);
    EXPECT_EQ(rule.GetType(), schema::TST_CfType::CellIs);
    EXPECT_EQ(rule.GetOperator(), schema::TST_ConditionalFormattingOperator::GreaterThan);
    EXPECT_EQ(Utf8(rule.GetFormula(0)), "5");
    ASSERT_NE(rule.GetDXF(), nullptr);
    ASSERT_NE(rule.GetDXF()->GetFill(), nullptr);
    EXPECT_TRUE(format.Intersects({3, 3, 1, 1}));

    TXLSDataValidations& validations = *Sales.GetDataValidations();
    ASSERT_EQ(validations.Count(), 2);
    const TXc12DataValidation& whole = *validations.GetItem(0);
    EXPECT_EQ(whole.GetType(), schema::TST_DataValidationType::Whole);
    EXPECT_EQ(whole.GetOperator(), schema::TST_DataValidationOperator::Between);
    EXPECT_EQ(Utf8(whole.GetFormula1()) + " " + Utf8(whole.GetFormula2()), "1 100");
    EXPECT_EQ(Utf8(whole.GetErrorTitle()) + ": " + Utf8(whole.GetError()), "Quantity: A whole number from 1 to 100");
    EXPECT_EQ(AreasText(const_cast<TXc12DataValidation&>(whole).GetRanges()), "B2:B5");
    const TXc12DataValidation& list = *validations.GetItem(1);
    EXPECT_EQ(list.GetType(), schema::TST_DataValidationType::List);
    EXPECT_EQ(Utf8(list.GetFormula1()), "\"Apple,Pear,Plum,Fig\"");
}

TEST_F(LibreOfficeSheetObjects, HyperlinksLeadToTheWebAndIntoTheWorkbook) {
    TXLSHyperlinks& links = *Sales.GetHyperlinks();
    ASSERT_EQ(links.Count(), 2);
    const TXc12Hyperlink& web = *links.GetItem(0);
    EXPECT_EQ(AreaText(web.GetRect()), "A7");
    EXPECT_EQ(web.GetKind(), xhkWeb);
    // The query's separators are part of the address and stay as they are.
    EXPECT_EQ(Utf8(web.GetAddress()), "https://example.com/catalogue?kind=fruit&page=2");
    EXPECT_EQ(Utf8(web.GetDisplay()), "Catalogue");
    const TXc12Hyperlink& place = *links.GetItem(1);
    EXPECT_EQ(place.GetKind(), xhkPlace);
    EXPECT_EQ(Utf8(place.GetAddress()), "Notes!B2");
    EXPECT_EQ(Utf8(place.GetLocation()), "Notes!B2");
}

TEST_F(LibreOfficeSheetObjects, CommentsKeepTheirRichTextAndNoteBoxes) {
    TXLSComments& comments = Sales.GetComments();
    ASSERT_EQ(comments.Count(), 2);
    TXLSComment* fresh = comments.Find(0, 1);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(Utf8(fresh->GetText()), "Fresh apples from the north");
    const TXc12DynFontRunArray& runs = fresh->GetFontRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Position, 0);
    EXPECT_TRUE(runs[0].Font->GetStyle().Contains(xfsBold));
    EXPECT_EQ(runs[1].Position, 5);
    EXPECT_FALSE(runs[1].Font->GetStyle().Contains(xfsBold));
    EXPECT_EQ(fresh->GetNoteAnchor(), (TXc12NoteAnchor{0, 79, 0, 2, 2, 64, 4, 1}));
    EXPECT_EQ(fresh->GetFillColor(), 0xFFFFE1);
    EXPECT_NE(fresh->GetModel().GetShape(), nullptr);
    ASSERT_NE(comments.Find(1, 2), nullptr);
    EXPECT_EQ(Utf8(comments.Find(1, 2)->GetText()), "Count again");
    EXPECT_EQ(comments.Find(2, 2), nullptr);
}

TEST_F(LibreOfficeSheetObjects, TheTableAndItsStructuredReferences) {
    TXc12Tables& tables = DataSheet(Sales).GetTables();
    ASSERT_EQ(tables.Count(), 1);
    TXc12Table& table = *tables.GetItem(0);
    EXPECT_EQ(Utf8(table.GetName()), "Prices");
    EXPECT_EQ(AreaText(table.GetArea()), "A1:D5");
    EXPECT_EQ(AreaText(table.GetAutoFilter().GetArea()), "A1:D5");
    ASSERT_EQ(table.GetColumns().Count(), 4);
    EXPECT_EQ(Utf8(table.GetColumns().GetItem(3)->GetName()), "Amount");
    // The table is read before the cells, so the formulas that name it compile.
    EXPECT_EQ(Utf8(Sales.GetFormulaText(3, 1)), "Prices[[#This Row],[Qty]]*Prices[[#This Row],[Price]]");
    EXPECT_EQ(Utf8(Sales.GetFormulaText(5, 1)), "SUM(Prices[Amount])");
    EXPECT_EQ(Sales.GetAsFloat(5, 1), 68.25);
}

TEST_F(LibreOfficeSheetObjects, PrintSettingsWithHeaderAndFooter) {
    TXLSPrintSettings& print = Sales.GetPrintSettings();
    EXPECT_EQ(print.GetPaperSize(), 9);
    EXPECT_EQ(print.GetOrientation(), schema::TST_Orientation::Landscape);
    EXPECT_EQ(print.GetMargins().GetLeft(), 0.5);
    TXLSHeaderFooter& headerFooter = print.GetHeaderFooter();
    EXPECT_EQ(Utf8(TXLSHeaderFooter::Section(headerFooter.GetOddHeader(), u'L')), "Sales");
    EXPECT_EQ(Utf8(TXLSHeaderFooter::Section(headerFooter.GetOddHeader(), u'R')), "Page &P");
    EXPECT_EQ(Utf8(TXLSHeaderFooter::Section(headerFooter.GetOddFooter(), u'C')), "Confidential");
    EXPECT_EQ(Utf8(print.GetPrintArea()), "Sales!$A$1:$D$5");
    EXPECT_EQ(Utf8(print.GetPrintTitles()), "Sales!1:1");
    EXPECT_EQ(Utf8(Book->GetSheet(1)->GetPrintSettings().GetPrintArea()), "");
}

class OpenpyxlNames : public testing::Test {
protected:
    TSeparatorsScope Separators;
    TSpreadsheetPtr Book = ReadFixture("openpyxl-names.xlsx");
    TXLSWorksheet& Data = *Book->GetSheet(0);
    TXLSWorksheet& Summary = *Book->GetSheet(1);

    const TXc12DefinedName& Name(rtl::UnicodeStringView text, int32_t sheet) const {
        const int32_t index = Book->GetNames()->Find(text, sheet);
        EXPECT_GE(index, 0) << Utf8(text);
        return *Book->GetNames()->GetItem(index);
    }
};

TEST_F(OpenpyxlNames, NamesOfTheWorkbookAndOfASheetResolve) {
    EXPECT_EQ(MessageNumbers(*Book), std::vector<int32_t>{});
    const TXc12DefinedName& quantities = Name(u"QUANTITIES", -1);
    EXPECT_EQ(quantities.GetDefinitionKind(), xndkArea);
    EXPECT_EQ(quantities.GetSheetIndex(), 0);
    EXPECT_EQ(AreaText(quantities.GetArea()), "B2:B4");
    const TXc12DefinedName& discount = Name(u"Discount", 1);
    EXPECT_EQ(discount.GetLocalSheetId(), 1);
    EXPECT_EQ(discount.GetDefinitionKind(), xndkCell);
    EXPECT_EQ(Utf8(discount.GetDefinition()), "Summary!$C$1");
    EXPECT_EQ(Book->GetNames()->Find(u"Discount", 0), -1);
    // A name of an external book keeps the book's number.
    EXPECT_EQ(Utf8(Name(u"Rate", -1).GetDefinition()), "[1]Rates!$B$1");
    EXPECT_EQ(Utf8(Data.GetPrintSettings().GetPrintArea()), "Data!$A$1:$C$4");
    EXPECT_EQ(Utf8(Data.GetPrintSettings().GetPrintTitles()), "Data!1:1,Data!A:A");
    EXPECT_EQ(Utf8(Summary.GetFormulaText(1, 1)), "SUM(Quantities)");
    EXPECT_EQ(Utf8(Summary.GetFormulaText(1, 2)), "Discount*2");
}

TEST_F(OpenpyxlNames, TheExternalBookKeepsItsCachedValues) {
    TXc12DataXLinks& links = Book->GetManager()->XLinks();
    ASSERT_EQ(links.Count(), 1);
    TXc12XExternalBook& book = links.GetItem(0)->GetExternalBook();
    EXPECT_EQ(Utf8(book.GetPath()), "rates.xlsx");
    ASSERT_EQ(book.GetSheetNames().Count(), 1);
    EXPECT_EQ(book.FindSheet(u"RATES"), 0);
    ASSERT_EQ(book.GetDefinedNames().Count(), 1);
    EXPECT_EQ(Utf8(book.GetDefinedNames().GetItem(0)->GetRefersTo()), "Rates!$B$1");
    ASSERT_EQ(book.GetSheetDataSet().Count(), 1);
    TXc12XRow& row = *book.GetSheetDataSet().GetItem(0)->GetItem(0);
    EXPECT_EQ(row.GetRow(), 0);
    ASSERT_EQ(row.Count(), 3);
    EXPECT_EQ(row.GetItem(0)->GetValueType(), xvtString);
    EXPECT_EQ(Utf8(row.GetItem(0)->GetString()), "VAT");
    EXPECT_EQ(row.GetItem(1)->GetValueType(), xvtNumber);
    EXPECT_EQ(row.GetItem(1)->GetNumber(), 0.13);
    EXPECT_EQ(row.GetItem(2)->GetCol(), 2);
    EXPECT_TRUE(row.GetItem(2)->GetBoolean());
    // The formula that names the book compiles, and shows the book by its path.
    EXPECT_EQ(Utf8(Summary.GetFormulaText(1, 0)), "[rates.xlsx]Rates!$B$1*Data!C2");
}

TEST_F(OpenpyxlNames, FrozenPanesAndTheAutofilterWithItsSortState) {
    TXLSPane& pane = Data.GetPane();
    EXPECT_TRUE(pane.IsFrozen());
    EXPECT_EQ(pane.GetXSplit(), 1);
    EXPECT_EQ(pane.GetYSplit(), 1);
    EXPECT_EQ(pane.GetTopLeftCol(), 1);
    EXPECT_EQ(pane.GetTopLeftRow(), 1);
    EXPECT_FALSE(Summary.GetPane().IsFrozen());
    EXPECT_EQ(AreasText(Data.GetSelectedAreas()), "A1");

    TXLSAutofilter& filter = *Data.GetAutofilter();
    EXPECT_EQ(AreaText(filter.GetArea()), "A1:C4");
    TXc12SortConditions& conditions = filter.GetSortState().GetSortConditions();
    ASSERT_EQ(conditions.Count(), 1);
    EXPECT_TRUE(conditions.GetItem(0)->GetDescending());
    EXPECT_EQ(AreaText(conditions.GetItem(0)->GetArea()), "B2:B4");
}

// Custom views, calculation options, protection and page breaks, from a package written here: LibreOffice writes no
// custom views.
TEST(XLSSheetSettings, WorkbookAndSheetSettingsShowThroughTheWrappers) {
    xlsx_test::TPackage package = xlsx_test::TPackage::WithSheets({{"Sheet1", ""}});
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("<sheets>"), R"(<workbookPr date1904="1"/>)");
    workbook.insert(workbook.find("</workbook>"),
                    R"(<calcPr calcMode="manual" iterateCount="50"/><customWorkbookViews><customWorkbookView )"
                    R"(name="Wide" guid="{1}" windowWidth="900" activeSheetId="1"/><customWorkbookView )"
                    R"(name="Narrow" guid="{2}" windowWidth="300" activeSheetId="1"/></customWorkbookViews>)");
    package.SetWorksheet(1, R"(<sheetViews><sheetView workbookViewId="0"><selection activeCell="C3" )"
                            R"(sqref="C3:D4 F1"/></sheetView></sheetViews><sheetData/><sheetProtection )"
                            R"(password="CC1A" sheet="1"/><rowBreaks count="2"><brk id="10" man="1"/><brk id="20"/>)"
                            R"(</rowBreaks><colBreaks count="1"><brk id="4" man="1"/></colBreaks>)");
    auto book = NewSpreadsheet();
    rtl::TStringStream stream(package.Zip());
    book->LoadFromStream(stream, true);
    TXLSWorkbookData data = book->GetWorkbookData();
    EXPECT_TRUE(data.GetDate1904());
    ASSERT_EQ(data.GetCustomViewCount(), 2);
    EXPECT_EQ(data.FindCustomView(u"NARROW"), 1);
    EXPECT_EQ(data.GetCustomView(1).GetWindow().GetWindowWidth(), 300);
    EXPECT_EQ(data.FindCustomView(u"Tall"), -1);
    TXLSOptionsDialog options = book->GetOptions();
    EXPECT_EQ(options.GetCalcMode(), 0);
    EXPECT_EQ(options.GetIterateCount(), 50);

    TXLSWorksheet& sheet = *book->GetSheet(0);
    EXPECT_TRUE(sheet.GetProtection().IsProtected());
    EXPECT_EQ(sheet.GetProtection().GetPasswordHash(), 0xCC1A);
    TXLSHorizPagebreaks& rows = sheet.GetPrintSettings().GetHorizPagebreaks();
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.GetItem(1).GetPosition(), 20);
    EXPECT_FALSE(rows.GetItem(1).GetManual());
    EXPECT_THROW(rows.GetItem(2), rtl::EListError);
    EXPECT_EQ(sheet.GetPrintSettings().GetVertPagebreaks().GetItem(0).GetPosition(), 4);
    TXLSSelectedAreas& selection = sheet.GetSelectedAreas();
    EXPECT_EQ(AreasText(selection), "C3:D4 F1");
    EXPECT_EQ(selection.GetActiveCol(), 2);
    EXPECT_EQ(selection.GetActiveRow(), 2);
    // A sheet without a paper size takes the locale's.
    EXPECT_EQ(sheet.GetPrintSettings().GetPaperSize(), book->GetDefaultPaperSize());
}

} // namespace
} // namespace xls
