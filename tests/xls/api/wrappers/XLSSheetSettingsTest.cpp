// The facade's wrappers over a sheet's settings and the workbook's: header and footer sections, split panes and the
// selection of the pane that has the focus, the paper size, the comments kept in step with the model, and what the
// workbook part says about itself.

#include "xls/api/wrappers/XLSSheetSettings.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/api/XLSApiTestSupport.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using api_test::DataSheet;
using api_test::NewSpreadsheet;
using api_test::TSpreadsheetPtr;
using test_support::Utf8;

// A spreadsheet read from a package of one sheet; the workbook part gets before in front of its sheet list and after
// at its end.
TSpreadsheetPtr ReadOneSheet(const std::string& sheetBody, const std::string& before = {},
                             const std::string& after = {}) {
    xlsx_test::TPackage package = xlsx_test::TPackage::WithSheets({{"Sheet1", ""}});
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("<sheets>"), before);
    workbook.insert(workbook.find("</workbook>"), after);
    package.SetWorksheet(1, sheetBody);
    auto book = NewSpreadsheet();
    rtl::TStringStream stream(package.Zip());
    book->LoadFromStream(stream, true);
    return book;
}

TEST(XLSHeaderFooter, SectionsAreSplitAtTheirCodes) {
    struct TCase {
        const char16_t* Text;
        char16_t Section;
        const char* Expected;
    };
    const TCase cases[] = {
        {u"&LSales&CMid&RPage &P of &N", u'L', "Sales"},
        {u"&LSales&CMid&RPage &P of &N", u'C', "Mid"},
        {u"&LSales&CMid&RPage &P of &N", u'R', "Page &P of &N"},
        // Without a section code the text is the centre's.
        {u"Plain title", u'C', "Plain title"},
        {u"Plain title", u'L', ""},
        // A doubled ampersand and a font code stay in the section's text.
        {u"&L&\"Arial,Bold\"A && B&R", u'L', "&\"Arial,Bold\"A && B"},
        {u"&L&\"Arial,Bold\"A && B&R", u'R', ""},
        // A lone ampersand at the end is text.
        {u"&CTotal &", u'C', "Total &"},
        {u"", u'C', ""},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(Utf8(test.Text) + " " + static_cast<char>(test.Section));
        EXPECT_EQ(Utf8(TXLSHeaderFooter::Section(test.Text, test.Section)), test.Expected);
    }
}

TEST(XLSPane, ASplitWindowIsNotFrozenAndShowsTheSelectionOfItsActivePane) {
    auto book = ReadOneSheet(R"(<sheetViews><sheetView workbookViewId="0"><pane xSplit="2400" ySplit="1200" )"
                             R"(topLeftCell="D10" activePane="bottomRight"/><selection pane="topRight" )"
                             R"(activeCell="B1" sqref="B1"/><selection pane="bottomRight" activeCell="E12" )"
                             R"(sqref="E12:F13"/></sheetView></sheetViews><sheetData/>)");
    TXLSWorksheet& sheet = *book->GetSheet(0);
    const TXLSPane& pane = sheet.GetPane();
    EXPECT_FALSE(pane.IsFrozen());
    EXPECT_EQ(pane.GetXSplit(), 2400);
    EXPECT_EQ(pane.GetYSplit(), 1200);
    EXPECT_EQ(pane.GetTopLeftCol(), 3);
    EXPECT_EQ(pane.GetTopLeftRow(), 9);
    EXPECT_EQ(pane.GetActivePane(), 0);
    TXLSSelectedAreas& selection = sheet.GetSelectedAreas();
    ASSERT_EQ(selection.Count(), 1);
    EXPECT_EQ(selection.GetItem(0)->GetRect(), (TXLSCellAreaRec{.Row1 = 11, .Row2 = 12, .Col1 = 4, .Col2 = 5}));
    EXPECT_EQ(selection.GetActiveCol(), 4);
    EXPECT_EQ(selection.GetActiveRow(), 11);
}

TEST(XLSPane, FrozenSplitCountsAsFrozenAndASheetWithoutAViewHasNone) {
    auto frozen = ReadOneSheet(R"(<sheetViews><sheetView workbookViewId="0"><pane xSplit="2" topLeftCell="C1" )"
                               R"(state="frozenSplit"/></sheetView></sheetViews><sheetData/>)");
    EXPECT_TRUE(frozen->GetSheet(0)->GetPane().IsFrozen());

    auto plain = ReadOneSheet("<sheetData/>");
    TXLSWorksheet& sheet = *plain->GetSheet(0);
    EXPECT_FALSE(sheet.GetPane().IsFrozen());
    EXPECT_EQ(sheet.GetPane().GetXSplit(), 0);
    ASSERT_EQ(sheet.GetSelectedAreas().Count(), 1);
    EXPECT_EQ(sheet.GetSelectedAreas().GetItem(0)->GetRect(),
              (TXLSCellAreaRec{.Row1 = 0, .Row2 = 0, .Col1 = 0, .Col2 = 0}));
}

TEST(XLSPrintSettings, PaperSizeKeepsSevenBitsAndHeaderAndFooterWriteTheModel) {
    auto book = ReadOneSheet(R"(<sheetData/><pageSetup paperSize="1" orientation="portrait"/>)");
    TXLSWorksheet& sheet = *book->GetSheet(0);
    TXLSPrintSettings& print = sheet.GetPrintSettings();
    EXPECT_EQ(print.GetPaperSize(), 1);
    EXPECT_EQ(print.GetOrientation(), xpgParserXLSX::TST_Orientation::Portrait);
    print.SetPaperSize(0x89);
    EXPECT_EQ(print.GetPaperSize(), 9);
    EXPECT_EQ(DataSheet(sheet).GetPageSetup().GetPaperSize(), 9);

    TXLSHeaderFooter& headerFooter = print.GetHeaderFooter();
    headerFooter.SetOddHeader(u"&CSales");
    headerFooter.SetOddFooter(u"&RPage &P");
    EXPECT_EQ(Utf8(DataSheet(sheet).GetHeaderFooter().GetOddHeader()), "&CSales");
    EXPECT_EQ(Utf8(TXLSHeaderFooter::Section(headerFooter.GetOddFooter(), u'R')), "Page &P");
    EXPECT_EQ(Utf8(headerFooter.GetEvenHeader()), "");
    EXPECT_FALSE(headerFooter.GetDifferentFirst());
}

TEST(XLSComments, TheWrappersFollowTheModelWhenAColumnChanges) {
    auto book = NewSpreadsheet();
    TXLSWorksheet& sheet = *book->GetSheet(0);
    TXc12Comments& model = DataSheet(sheet).GetComments();
    TXc12Comment& first = *model.Add();
    first.SetCol(1);
    first.SetRow(2);
    first.SetText(u"Check");
    first.SetAuthor(model.GetAuthors().AddName(u"Li Wei"));
    book->RebuildSheets();
    TXLSWorksheet& rebuilt = *book->GetSheet(0);
    TXLSComments& comments = rebuilt.GetComments();
    ASSERT_EQ(comments.Count(), 1);
    EXPECT_EQ(Utf8(comments.GetItem(0).GetAuthor()), "Li Wei");
    EXPECT_EQ(&comments.GetItem(0).GetOwner(), &comments);
    EXPECT_THROW(comments.GetItem(1), rtl::EListError);
    EXPECT_THROW(comments.GetItem(-1), rtl::EListError);

    // A comment the model gains shows once a column's format change has the wrappers built again.
    TXc12Comment& second = *model.Add();
    second.SetCol(4);
    second.SetRow(0);
    EXPECT_EQ(comments.Find(4, 0), nullptr);
    TXc12XF* xf = book->GetManager()->StyleSheet().XFs().Add();
    book->GetManager()->StyleSheet().ResetXF(*xf);
    rebuilt.GetColumns().GetColumn(4).SetXF(xf);
    ASSERT_EQ(comments.Count(), 2);
    ASSERT_NE(comments.Find(4, 0), nullptr);
    EXPECT_EQ(Utf8(comments.Find(4, 0)->GetAuthor()), "");
}

TEST(XLSWorkbookData, TheWorkbookPartsOwnSettingsShowThroughTheWrappers) {
    auto book = ReadOneSheet("<sheetData/>",
                             R"(<workbookPr codeName="ThisWorkbook"/><workbookProtection lockStructure="1" )"
                             R"(workbookPassword="CC1A"/><bookViews><workbookView activeTab="0"/><workbookView )"
                             R"(windowWidth="500"/></bookViews>)",
                             R"(<calcPr iterate="1" iterateDelta="0.01" fullPrecision="0"/>)");
    TXLSWorkbookData data = book->GetWorkbookData();
    EXPECT_FALSE(data.GetDate1904());
    EXPECT_EQ(Utf8(data.GetCodeName()), "ThisWorkbook");
    EXPECT_TRUE(data.GetProtection().GetLockStructure());
    EXPECT_EQ(data.GetProtection().GetWorkbookPassword(), 0xCC1A);
    ASSERT_EQ(data.GetBookViewCount(), 2);
    EXPECT_EQ(data.GetBookView(1).GetWindow().GetWindowWidth(), 500);
    EXPECT_THROW(data.GetBookView(2), rtl::EListError);
    EXPECT_EQ(data.GetCustomViewCount(), 0);
    EXPECT_THROW(data.GetCustomView(0), rtl::EListError);

    TXLSOptionsDialog options = book->GetOptions();
    EXPECT_TRUE(options.GetIterate());
    EXPECT_EQ(options.GetIterateDelta(), 0.01);
    EXPECT_FALSE(options.GetFullPrecision());
    EXPECT_EQ(options.GetCalcMode(), 1);
    options.SetCalcMode(0);
    EXPECT_EQ(book->GetOptions().GetCalcMode(), 0);
}

} // namespace
} // namespace xls
