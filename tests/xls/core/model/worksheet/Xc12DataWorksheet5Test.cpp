#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/core/model/worksheet/Xc12DataWorksheet5TestSupport.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

namespace xls {
namespace {

using test_support::Utf8;
using worksheet_test::TTestFactory;

// A sheet list over its own style sheet and string table.
struct TSheetsFixture {
    TTestFactory Factory;
    TXc12DataStyleSheet StyleSheet;
    TXc12DataSST SST{&StyleSheet};
    TXc12DataWorksheets Sheets{&Factory, &StyleSheet, &SST};

    void AddNamed(const std::vector<std::u16string>& names) {
        for (const auto& name : names) {
            Sheets.Add(-1)->SetName(name);
        }
    }
};

TEST(Xc12DataWorksheet5, AddNumbersTheSheetAndGivesItsId) {
    const struct {
        const char* Name;
        int32_t Before;
        int32_t SheetId;
        int32_t ExpectedPosition;
        int32_t ExpectedId;
    } cases[] = {
        {"-1 on an empty list", 0, -1, 0, 1},
        {"an id given", 0, 7, 0, 7},
        {"-1 after two sheets", 2, -1, 2, 3},
        {"id 0 is an id", 1, 0, 1, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TSheetsFixture fixture;
        for (int32_t i = 0; i < test.Before; ++i) {
            fixture.Sheets.Add(100 + i);
        }
        TXc12DataWorksheet* sheet = fixture.Sheets.Add(test.SheetId);
        EXPECT_EQ(sheet->Index(), test.ExpectedPosition);
        EXPECT_EQ(sheet->GetCells().SheetIndex(), test.ExpectedPosition);
        EXPECT_EQ(sheet->GetSheetId(), test.ExpectedId);
        EXPECT_EQ(fixture.Sheets.GetItem(test.ExpectedPosition), sheet);
        EXPECT_EQ(fixture.Sheets.Count(), test.Before + 1);
    }
}

TEST(Xc12DataWorksheet5, FindComparesNamesInUtf16IgnoringCase) {
    const struct {
        const char* Name;
        std::vector<std::u16string> Sheets;
        std::u16string Wanted;
        int32_t Expected;
    } cases[] = {
        {"upper case finds mixed case", {u"Data", u"Sheet1"}, u"SHEET1", 1},
        {"a missing name", {u"Sheet1"}, u"Sheet2", -1},
        {"an empty list", {}, u"Sheet1", -1},
        {"Chinese name as such", {u"Sheet1", u"销货清单"}, u"销货清单", 1},
        // Both names become "????" in an 8-bit Latin code page; they must stay apart.
        {"another Chinese name is not the same", {u"销货清单"}, u"进货清单", -1},
        {"Cyrillic letters ignore case", {u"Продажи"}, u"ПРОДАЖИ", 0},
        {"Greek letters ignore case", {u"Σύνολο"}, u"σύνολο", 0},
        {"accented Latin ignores case", {u"Résumé"}, u"RÉSUMÉ", 0},
        {"the first of two equal names", {u"a", u"A"}, u"a", 0},
        {"a longer name is another name", {u"Sheet1"}, u"Sheet10", -1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TSheetsFixture fixture;
        fixture.AddNamed(test.Sheets);
        EXPECT_EQ(fixture.Sheets.Find(test.Wanted), test.Expected);
    }
}

// The name as the formula tokenizer reads it back: quoted unless it is ASCII letters and digits starting with a
// letter and not with a constant; a quote inside is written twice.
TEST(Xc12DataWorksheet5, QuotedNameQuotesAllButAsciiLettersAndDigits) {
    const struct {
        std::u16string Name;
        std::u16string Expected;
    } cases[] = {
        {u"Sheet1", u"Sheet1"},
        {u"Q2024", u"Q2024"},
        {u"2024", u"'2024'"},
        {u"TRUE1", u"'TRUE1'"},
        {u"FALSEHOOD", u"'FALSEHOOD'"},
        {u"True1", u"True1"},
        {u"My Sheet", u"'My Sheet'"},
        {u"销货清单", u"'销货清单'"},
        // U+4E41 has 'A' as its low byte: it is still not an ASCII letter.
        {u"\u4E41", u"'\u4E41'"},
        {u"Q1_2024", u"'Q1_2024'"},
        {u"Bob's", u"'Bob''s'"},
        {u"", u""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(Utf8(test.Name));
        TSheetsFixture fixture;
        TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
        sheet->SetName(test.Name);
        EXPECT_EQ(Utf8(sheet->QuotedName()), Utf8(test.Expected));
    }
}

TEST(Xc12DataWorksheet5, ANewSheetHasOneDefaultViewAndNothingElse) {
    TSheetsFixture fixture;
    TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
    ASSERT_EQ(sheet->GetSheetViews().Count(), 1);
    TXc12SheetView* view = sheet->GetSheetViews().GetItem(0);
    EXPECT_EQ(view->GetZoomScale(), 100);
    EXPECT_EQ(view->GetColorId(), 64);
    EXPECT_EQ(view->GetPane().GetActivePane(), x12pTopLeft);
    EXPECT_EQ(view->GetSelections().Count(), 0);
    EXPECT_EQ(sheet->GetColumns().Count(), 0);
    EXPECT_EQ(sheet->GetMergedCells().Count(), 0);
    EXPECT_EQ(sheet->GetHyperlinks().Count(), 0);
    EXPECT_EQ(sheet->GetCustomSheetViews().Count(), 0);
    EXPECT_EQ(sheet->GetDimension(), TXLSCellAreaRec{});
    EXPECT_EQ(sheet->GetState(), x12ssVisible);
    EXPECT_FALSE(sheet->GetIsChartsheet());
    EXPECT_EQ(sheet->GetPageSetup().GetPaperSize(), TXc12PageSetup::PaperSizeNotSet);
    TXLSCellHandle handle;
    EXPECT_FALSE(sheet->GetCells().FindCell(0, 0, handle));

    TXc12SheetView* added = sheet->AddSheetView();
    EXPECT_EQ(sheet->GetSheetViews().Count(), 2);
    EXPECT_EQ(sheet->GetSheetViews().GetItem(1), added);
}

TEST(Xc12DataWorksheet5, TheFactoryMakesTheFacadeMembersForTheSheet) {
    TSheetsFixture fixture;
    TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
    EXPECT_NE(dynamic_cast<worksheet_test::TFacadeHyperlinks*>(&sheet->GetHyperlinks()), nullptr);
    EXPECT_NE(dynamic_cast<worksheet_test::TFacadeMergedCells*>(&sheet->GetMergedCells()), nullptr);
    EXPECT_NE(dynamic_cast<worksheet_test::TFacadeAutoFilter*>(&sheet->GetAutofilter()), nullptr);
    EXPECT_NE(dynamic_cast<worksheet_test::TFacadeDataValidations*>(&sheet->GetDataValidations()), nullptr);
    EXPECT_NE(dynamic_cast<worksheet_test::TFacadeConditionalFormattings*>(&sheet->GetConditionalFormatting()),
              nullptr);
    EXPECT_NE(dynamic_cast<worksheet_test::TStandInDrawing*>(sheet->GetDrawing()), nullptr);
    EXPECT_EQ(sheet->GetConditionalFormatting().GetSheet(), sheet);
    for (const int32_t kind : {xckHyperlinks, xckMergedCells, xckAutofilter, xckDataValidations, xckConditionalFormats,
                               xckDrawingDocument}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(fixture.Factory.OwnerOf(kind), sheet);
    }
    EXPECT_EQ(sheet->GetCustomSheetViews().GetClassFactory(), &fixture.Factory);
}

TEST(Xc12DataWorksheet5, ASheetCopesWithWhatTheFactoryMakes) {
    enum TOutcome { ocPlainMembers, ocNoDrawing, ocInvalidCast };
    const struct {
        const char* Name;
        std::set<int32_t> Refused;
        std::set<int32_t> WrongClass;
        TOutcome Outcome;
    } cases[] = {
        {"no drawing document", {xckDrawingDocument}, {}, ocNoDrawing},
        {"no facade lists", {xckHyperlinks, xckMergedCells, xckAutofilter, xckDataValidations}, {}, ocPlainMembers},
        {"no conditional formats", {xckConditionalFormats}, {}, ocInvalidCast},
        {"a wrong hyperlink list", {}, {xckHyperlinks}, ocInvalidCast},
        {"a wrong drawing document", {}, {xckDrawingDocument}, ocInvalidCast},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TSheetsFixture fixture;
        fixture.Factory.Refused = test.Refused;
        fixture.Factory.WrongClass = test.WrongClass;
        if (test.Outcome == ocInvalidCast) {
            EXPECT_THROW(fixture.Sheets.Add(-1), rtl::EInvalidCast);
            EXPECT_EQ(fixture.Sheets.Count(), 0);
            continue;
        }
        TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
        EXPECT_EQ(sheet->GetDrawing() == nullptr, test.Outcome == ocNoDrawing);
        const bool plain = test.Outcome == ocPlainMembers;
        const auto& hyperlinks = sheet->GetHyperlinks();
        const auto& mergedCells = sheet->GetMergedCells();
        const auto& autofilter = sheet->GetAutofilter();
        const auto& validations = sheet->GetDataValidations();
        EXPECT_EQ(typeid(hyperlinks) == typeid(TXc12Hyperlinks), plain);
        EXPECT_EQ(typeid(mergedCells) == typeid(TXc12MergedCells), plain);
        EXPECT_EQ(typeid(autofilter) == typeid(TXc12AutoFilter), plain);
        EXPECT_EQ(typeid(validations) == typeid(TXc12DataValidations), plain);
        // The members work whichever class they are.
        sheet->GetHyperlinks().Add()->SetRect({0, 1, 0, 1});
        EXPECT_EQ(sheet->GetHyperlinks().GetItem(0)->GetRow2(), 1);
        sheet->GetMergedCells().AddRect({0, 1, 0, 1});
        EXPECT_EQ(sheet->GetMergedCells().GetItem(0)->GetCol2(), 1);
        EXPECT_EQ(sheet->GetAutofilter().GetArea(), TXLSCellAreaRec{});
    }
}

TEST(Xc12DataWorksheet5, DimensionIsKeptAsSet) {
    TSheetsFixture fixture;
    TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
    sheet->GetCells().StoreFloat(3, 9, 0, 1.5);
    sheet->GetCells().CalcDimension();
    sheet->SetDimension(sheet->GetCells().Dimension());
    EXPECT_EQ(sheet->GetDimension(), (TXLSCellAreaRec{9, 9, 3, 3}));
    sheet->SetDimension({0, 119, 0, 12});
    EXPECT_EQ(sheet->GetDimension(), (TXLSCellAreaRec{0, 119, 0, 12}));
}

TEST(Xc12DataWorksheet5, ClearFreesTheSheetsAndEmptiesTheirTables) {
    TSheetsFixture fixture;
    const int32_t defaultXFs = fixture.StyleSheet.XFs().Count();
    TXc12DataWorksheet* sheet = fixture.Sheets.Add(-1);
    sheet->GetCells().StoreString(0, 0, u"销货清单", 0);
    fixture.StyleSheet.XFs().Add();
    fixture.Sheets.Add(-1);
    ASSERT_EQ(fixture.SST.Count(), 1);

    fixture.Sheets.Clear();
    EXPECT_EQ(fixture.Sheets.Count(), 0);
    EXPECT_EQ(fixture.SST.Count(), 0);
    EXPECT_EQ(fixture.StyleSheet.XFs().Count(), defaultXFs);
    EXPECT_THROW(fixture.Sheets.GetItem(0), rtl::EListError);

    fixture.Sheets.Clear();
    TXc12DataWorksheet* again = fixture.Sheets.Add(-1);
    EXPECT_EQ(again->Index(), 0);
    EXPECT_EQ(again->GetSheetId(), 1);
}

TEST(Xc12DataWorksheet5, PositionsOutsideTheListRaise) {
    TSheetsFixture fixture;
    fixture.Sheets.Add(-1);
    for (const int32_t index : {-1, 1}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(fixture.Sheets.GetItem(index), rtl::EListError);
    }
}

} // namespace
} // namespace xls
