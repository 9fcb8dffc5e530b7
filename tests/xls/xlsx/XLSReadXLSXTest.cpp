#include "xls/xlsx/XLSReadXLSX.h"

#include "XLSReadXLSXTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/FileStream.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::NumberText;
using test_support::Utf8;
using xlsx_test::ReadBytes;
using xlsx_test::TModel;
using xlsx_test::TPackage;

// What a spreadsheet program shows in the cell: text, or the number to 15 significant digits; "" for no value.
std::string Shown(TXLSCellMMU& cells, int32_t col, int32_t row) {
    TXLSCellHandle handle;
    if (!cells.FindCell(col, row, handle)) {
        return "";
    }
    switch (cells.GetKind(handle)) {
    case XLSKindString:
        return Utf8(cells.GetString(handle));
    case XLSKindFloat:
        return NumberText(cells.GetFloat(handle));
    case XLSResultFloat:
        return NumberText(cells.GetFormulaFloatResult(handle));
    default:
        return "kind " + std::to_string(cells.GetKind(handle));
    }
}

TEST(XLSReadXLSX, SalesListReadsToTheValuesShown) {
    TModel model;
    model.Read(ReadBytes("xlsx/sales.xlsx"));
    ASSERT_EQ(model.Manager.Worksheets().Count(), 1);
    TXc12DataWorksheet& sheet = model.Sheet(0);
    EXPECT_EQ(Utf8(sheet.GetName()), "销售");
    const std::vector<std::vector<std::string>> expected = {
        {"产品", "编号", "数量", "单价", "金额"},
        {"苹果", "00123", "10", "2.5", "25"},
        {"香蕉", "4567890123456789012", "3", "1.25", "3.75"},
        {"", "", "", "", ""},
        {"橙子", "1.23456789012346e+18", "7", "0.1", "0.7"},
    };
    for (int32_t row = 0; row < static_cast<int32_t>(expected.size()); ++row) {
        for (int32_t col = 0; col < 5; ++col) {
            SCOPED_TRACE(Utf8(ColRowToStr(col, row)));
            EXPECT_EQ(Shown(sheet.GetCells(), col, row), expected[row][col]);
        }
    }
    TXLSCellHandle formula;
    ASSERT_TRUE(sheet.GetCells().FindCell(4, 1, formula));
    int32_t length = 0;
    const uint8_t* ptgs = sheet.GetCells().GetFormulaPtgs(formula, length);
    rtl::UnicodeString text;
    model.Handler.DecodeFormula(&sheet.GetCells(), 0, text, false, {ptgs, static_cast<size_t>(length)});
    EXPECT_EQ(Utf8(text), "C2*D2");
    EXPECT_EQ(sheet.GetDimension(), (TXLSCellAreaRec{0, 4, 0, 4}));
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultRowHeight(), 12.8 * 20);
    EXPECT_TRUE(model.WarningNumbers().empty());
}

TEST(XLSReadXLSX, SheetEntriesBecomeSheets) {
    TPackage package = TPackage::WithSheets({});
    package.Parts["xl/workbook.xml"] =
        TPackage::Workbook(R"(<sheet name="First" sheetId="3" r:id="rId1"/>)"
                           R"(<sheet name="Chart" sheetId="1" state="hidden" r:id="rId2"/>)"
                           R"(<sheet name="Secret" state="veryHidden" r:id="rId3"/>)");
    package.WorkbookRels = TPackage::Relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                           TPackage::Relationship("rId2", "chartsheet", "chartsheets/sheet1.xml") +
                           TPackage::Relationship("rId3", "worksheet", "worksheets/sheet2.xml");
    package.SetWorksheet(1, R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row></sheetData>)");
    package.SetWorksheet(2, "<sheetData/>");
    package.Parts["xl/chartsheets/sheet1.xml"] =
        "<chartsheet xmlns=\"" + std::string(xlsx_test::MainNs) + "\"><sheetViews/></chartsheet>";
    TModel model;
    model.Read(package.Zip());

    struct Expected {
        std::string Name;
        int32_t SheetId;
        uint8_t State;
        std::string RId;
        bool Chartsheet;
    };
    const std::vector<Expected> sheets = {
        {"First", 2, x12ssVisible, "rId1", false},
        {"Chart", 0, x12ssHidden, "rId2", true},
        {"Secret", 3, x12ssVeryHidden, "rId3", false},
    };
    ASSERT_EQ(model.Manager.Worksheets().Count(), static_cast<int32_t>(sheets.size()));
    for (int32_t i = 0; i < static_cast<int32_t>(sheets.size()); ++i) {
        SCOPED_TRACE(sheets[i].Name);
        TXc12DataWorksheet& sheet = model.Sheet(i);
        EXPECT_EQ(Utf8(sheet.GetName()), sheets[i].Name);
        EXPECT_EQ(sheet.GetSheetId(), sheets[i].SheetId);
        EXPECT_EQ(sheet.GetState(), sheets[i].State);
        EXPECT_EQ(sheet.GetRId(), sheets[i].RId);
        EXPECT_EQ(sheet.GetIsChartsheet(), sheets[i].Chartsheet);
    }
    TXLSCellHandle handle;
    EXPECT_TRUE(model.Sheet(0).GetCells().FindCell(0, 0, handle));
    EXPECT_FALSE(model.Sheet(1).GetCells().BeginIterate(0));
    EXPECT_EQ(model.Manager.Workbook().GetSheets().Count(), 0);
}

TEST(XLSReadXLSX, DimensionAndSheetFormatAreCopied) {
    const std::vector<std::pair<std::string, TXLSCellAreaRec>> cases = {
        {R"(<dimension ref="B3:D7"/>)", {2, 6, 1, 3}},
        {R"(<dimension ref="C2"/>)", {1, 1, 2, 2}},
        {"", {-1, -1, -1, -1}},
        {R"(<dimension ref="nonsense"/>)", {-1, -1, -1, -1}},
    };
    for (const auto& [element, area] : cases) {
        SCOPED_TRACE(element);
        TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
        package.SetWorksheet(1, element + R"(<sheetFormatPr defaultRowHeight="15" baseColWidth="10"/><sheetData/>)");
        TModel model;
        model.Read(package.Zip());
        EXPECT_EQ(model.Sheet(0).GetDimension(), area);
        EXPECT_EQ(model.Sheet(0).GetSheetFormatPr().GetDefaultRowHeight(), 300);
        EXPECT_EQ(model.Sheet(0).GetSheetFormatPr().GetBaseColWidth(), 10);
    }
}

TEST(XLSReadXLSX, MergedRangesAreKeptInBothModes) {
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct);
        TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
        package.SetWorksheet(
            1, R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row></sheetData>)"
               R"(<mergeCells count="2"><mergeCell ref="A1:C2"/><mergeCell ref="$E$5:F9"/></mergeCells>)");
        TModel model;
        model.Manager.SetDirectRead(direct);
        model.Read(package.Zip());
        TXc12MergedCells& merged = model.Sheet(0).GetMergedCells();
        ASSERT_EQ(merged.Count(), 2);
        EXPECT_EQ(merged.GetItem(0)->GetCol2(), 2);
        EXPECT_EQ(merged.GetItem(0)->GetRow2(), 1);
        EXPECT_EQ(merged.GetItem(1)->GetCol1(), 4);
        EXPECT_EQ(merged.GetItem(1)->GetRow1(), 4);
        EXPECT_EQ(merged.GetItem(1)->GetRow2(), 8);
    }
}

TEST(XLSReadXLSX, AMergedRangeThatNamesNoCellsIsAnInvalidReference) {
    TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
    package.SetWorksheet(1, R"(<sheetData/><mergeCells><mergeCell ref="nonsense"/><mergeCell ref="B2:B3"/>)"
                            R"(</mergeCells>)");
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.Sheet(0).GetMergedCells().Count(), 1);
    const std::vector<TXLSErrorMessage>& messages = model.Manager.Errors()->Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Number, 3004);
}

TEST(XLSReadXLSX, DirectReadHandsEveryCellToTheEventAndStoresNone) {
    TPackage package = TPackage::WithSheets(
        {{"Sheet1", R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c t="b"><v>1</v></c><c s="1"/></row>)"
                    R"(<row><c r="A2" t="e"><v>#N/A</v></c><c r="B2"><f>A1</f><v>3</v></c>)"
                    R"(<c r="C2" t="inlineStr"><is><r><t>in</t></r><r><t>line</t></r></is></c></row>)"
                    R"(<row r="3"><c r="A3"><f t="array" ref="A3:A4">B3:B4</f><v>1</v></c>)"
                    R"(<c r="B3" t="str"><f t="shared" ref="B3:B4" si="0">"x"&amp;A3</f><v>x1</v></c></row>)"
                    R"(<row r="4"><c r="A4"><v>2</v></c><c r="B4" t="str"><f t="shared" si="0"/><v>x2</v></c>)"
                    R"(<c r="C4" t="s"><v>8</v></c></row>)"},
         {"Sheet2", R"(<row r="1"><c r="A1" t="d"><v>2024-03-01</v></c></row>)"}});
    package.SetSharedStrings("<si><t>name</t></si>");
    TModel model;
    model.Manager.SetDirectRead(true);
    std::vector<std::string> seen;
    model.Manager.SetOnReadCell([&seen](TXLSEventCell* cell) {
        std::string text = std::to_string(cell->GetSheetIndex()) + "!" +
                           Utf8(ColRowToStr(cell->GetCol(), cell->GetRow())) + " type " +
                           std::to_string(cell->GetCellType()) + " ";
        switch (cell->GetCellType()) {
        case xectBoolean:
        case xectBooleanFormula:
            text += cell->GetBoolean() ? "TRUE" : "FALSE";
            break;
        case xectError:
        case xectErrorFormula:
            text += std::to_string(cell->GetError());
            break;
        case xectString:
        case xectStringFormula:
            text += "'" + Utf8(cell->GetString()) + "'";
            break;
        default:
            text += NumberText(cell->GetFloat());
            break;
        }
        if (cell->IsFormula()) {
            text += " f=" + Utf8(cell->GetFormula());
        }
        seen.push_back(text);
    });
    model.Read(package.Zip());
    const std::vector<std::string> expected = {
        "0!A1 type 4 'name'",          "0!B1 type 2 TRUE",     "0!A2 type 3 7",
        "0!B2 type 6 3 f=A1",          "0!C2 type 4 'inline'", "0!B3 type 7 'x1' f=\"x\"&A3",
        "0!B4 type 7 'x2' f=\"x\"&A4", "0!C4 type 3 4",        "1!A1 type 5 45352",
    };
    EXPECT_EQ(seen, expected);
    for (int32_t i = 0; i < model.Manager.Worksheets().Count(); ++i) {
        EXPECT_FALSE(model.Sheet(i).GetCells().BeginIterate(0));
    }
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningSharedStringIndex});
}

TEST(XLSReadXLSX, WorkbookSettingsAndDefinedNamesAreCopied) {
    TPackage package = TPackage::WithSheets({{"Data", R"(<row r="1"><c r="A1" t="d"><v>1904-01-02</v></c></row>)"}});
    package.Parts["xl/workbook.xml"] = TPackage::Workbook(
        R"(<sheet name="Data" sheetId="1" r:id="rId1"/>)",
        R"(<fileVersion appName="" lastEdited="7" codeName="{X}"/><workbookPr date1904="1" codeName="Book"/>)"
        R"(<bookViews><workbookView activeTab="1" tabRatio="700"/><workbookView visibility="hidden"/></bookViews>)");
    package.Parts["xl/workbook.xml"].insert(package.Parts["xl/workbook.xml"].find("</workbook>"),
                                            R"(<definedNames><definedName name="Rate">Data!$A$1</definedName>)"
                                            R"(<definedName name="Local" localSheetId="0" hidden="1">)"
                                            R"(Data!$B$1:$B$9</definedName></definedNames>)"
                                            R"(<calcPr calcId="191029" calcMode="manual" iterateCount="5"/>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataWorkbook& workbook = model.Manager.Workbook();
    EXPECT_EQ(Utf8(workbook.GetFileVersion().GetAppName()), "xl");
    EXPECT_EQ(Utf8(workbook.GetFileVersion().GetLastEdited()), "7");
    EXPECT_EQ(Utf8(workbook.GetFileVersion().GetCodeName()), "{X}");
    EXPECT_TRUE(workbook.GetWorkbookPr().GetDate1904());
    EXPECT_EQ(Utf8(workbook.GetWorkbookPr().GetCodeName()), "Book");
    ASSERT_EQ(workbook.GetBookViews().Count(), 2);
    EXPECT_EQ(workbook.GetBookViews().GetItem(0)->GetActiveTab(), 1);
    EXPECT_EQ(workbook.GetBookViews().GetItem(0)->GetWindow().GetTabRatio(), 700);
    EXPECT_EQ(workbook.GetBookViews().GetItem(1)->GetVisibility(), 1);
    EXPECT_EQ(workbook.GetCalcPr().GetCalcId(), 191029);
    EXPECT_EQ(workbook.GetCalcPr().GetCalcMode(), 0);
    EXPECT_EQ(workbook.GetCalcPr().GetIterateCount(), 5);

    TXc12DefinedNames& names = workbook.GetDefinedNames();
    ASSERT_EQ(names.Count(), 2);
    const int32_t rate = names.Find(u"RATE", -1);
    ASSERT_EQ(rate, 0);
    EXPECT_EQ(names.GetItem(rate)->GetLocalSheetId(), -1);
    EXPECT_EQ(Utf8(names.GetItem(rate)->GetDefinition()), "Data!$A$1");
    EXPECT_EQ(names.FindLocal(u"local", 0), 1);
    EXPECT_TRUE(names.GetItem(1)->GetHidden());

    // Dates count from 1904 in such a workbook.
    TXLSCellHandle date;
    ASSERT_TRUE(model.Sheet(0).GetCells().FindCell(0, 0, date));
    EXPECT_EQ(model.Sheet(0).GetCells().GetFloat(date), 1);
}

TEST(XLSReadXLSX, WorkbookWithoutBookViewsKeepsTheDefaultView) {
    TModel model;
    model.Read(TPackage::WithSheets({{"Sheet1", ""}}).Zip());
    EXPECT_EQ(model.Manager.Workbook().GetBookViews().Count(), 1);
    EXPECT_EQ(Utf8(model.Manager.Workbook().GetFileVersion().GetAppName()), "xl");
}

TEST(XLSReadXLSX, UnknownElementsAreWarningsAndTheReadGoesOn) {
    TPackage package = TPackage::WithSheets({{"Sheet1", R"(<row r="1"><c r="A1"><v>1</v><future/></c></row>)"}});
    TModel model;
    model.Errors.SetDropXMLWarnings(false);
    model.Read(package.Zip());
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{2001});
    EXPECT_EQ(Shown(model.Sheet(0).GetCells(), 0, 0), "1");
}

// Each cell or row that comes before an earlier one makes the cell store move a row or a block of rows.
TEST(XLSReadXLSX, CellsAndRowsOutOfOrderAreStoredWithinABudget) {
    // A few stray cells and rows read as if they were in order.
    TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
    package.SetWorksheet(1, R"(<sheetData><row r="3"><c r="C3"><v>3</v></c><c r="A3"><v>1</v></c></row>)"
                            R"(<row r="1" ht="30" customHeight="1"><c r="B1"><v>2</v></c></row></sheetData>)");
    TModel model;
    model.Read(package.Zip());
    TXLSCellMMU& cells = model.Sheet(0).GetCells();
    TXLSCellHandle handle;
    for (const auto& [col, row] : {std::pair{2, 2}, std::pair{0, 2}, std::pair{1, 0}}) {
        EXPECT_TRUE(cells.FindCell(col, row, handle)) << col << "," << row;
    }

    // A sheet written backwards, as a hostile file would be, ends the read once the budget is spent.
    std::string backwards;
    for (int32_t row = XLSMaxOutOfOrder + 10; row >= 1; --row) {
        const std::string r = std::to_string(row);
        backwards += "<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + r + "</v></c></row>";
    }
    package.SetWorksheet(1, "<sheetData>" + backwards + "</sheetData>");
    TModel strict;
    strict.Errors.SetSaveToList(false);
    try {
        strict.Read(package.Zip());
        ADD_FAILURE() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_NE(Utf8(error.Message()).find("Too many cells out of order"), std::string::npos)
            << Utf8(error.Message());
    }

    // When the error manager keeps its errors the read goes on and the late cells are left out.
    TModel lenient;
    lenient.Read(package.Zip());
    EXPECT_TRUE(lenient.Sheet(0).GetCells().FindCell(0, XLSMaxOutOfOrder + 9, handle));
    EXPECT_FALSE(lenient.Sheet(0).GetCells().FindCell(0, 0, handle));
    EXPECT_EQ(lenient.WarningNumbers().at(0), XLSErrorOutOfOrder);

    // The budget at its edge: one cell far down, then cells above it in the same row element.
    const auto strayCells = [](int32_t count) {
        TPackage stray = TPackage::WithSheets({{"Sheet1", ""}});
        std::string cells = R"(<row r="1000"><c r="XFD1000"><v>0</v></c>)";
        for (int32_t row = 1; row <= count; ++row) {
            cells += "<c r=\"A" + std::to_string(row) + "\"><v>1</v></c>";
        }
        stray.SetWorksheet(1, "<sheetData>" + cells + "</row></sheetData>");
        return stray.Zip();
    };
    TModel edge;
    edge.Errors.SetSaveToList(false);
    edge.Read(strayCells(XLSMaxOutOfOrder));
    EXPECT_TRUE(edge.Sheet(0).GetCells().FindCell(0, XLSMaxOutOfOrder - 1, handle));
    TModel beyond;
    beyond.Errors.SetSaveToList(false);
    EXPECT_THROW(beyond.Read(strayCells(XLSMaxOutOfOrder + 1)), rtl::Exception);
}

// Inputs the fuzzer found slow: a full row followed by thousands of cells that fall into it again.
TEST(XLSReadXLSX, FuzzedPackagesFailWithoutHanging) {
    for (const char* name : {"xlsx-cells-out-of-order.xlsx"}) {
        SCOPED_TRACE(name);
        TModel model;
        model.Errors.SetSaveToList(false);
        EXPECT_THROW(model.Read(ReadBytes(std::string("fuzz/") + name)), rtl::Exception);
    }
}

TEST(XLSReadXLSX, DamagedPackagesFailClearlyAndLeaveAnEmptyModel) {
    const std::string good = TPackage::WithSheets({{"Sheet1", R"(<row r="1"><c r="A1"><v>1</v></c></row>)"}}).Zip();
    TPackage missingPart = TPackage::WithSheets({{"Sheet1", ""}});
    missingPart.Parts.erase("xl/worksheets/sheet1.xml");

    struct DamageCase {
        std::string Name;
        std::string Bytes;
        std::string Message;
    };
    const std::vector<DamageCase> cases = {
        {"truncated zip", good.substr(0, good.size() / 2), ""},
        {"no zip at all", "not a package", ""},
        {"missing worksheet part", missingPart.Zip(), "Can not find file xl/worksheets/sheet1.xml in ZIP"},
    };
    for (const DamageCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TModel model;
        try {
            model.Read(test.Bytes);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& error) {
            EXPECT_FALSE(error.Message().empty());
            if (!test.Message.empty()) {
                EXPECT_EQ(Utf8(error.Message()), test.Message);
            }
        }
        EXPECT_EQ(model.Manager.Worksheets().Count(), 0);
        EXPECT_EQ(model.Manager.SST().Count(), 0);
        // The model stays usable: a good package reads into it afterwards.
        model.Read(good);
        EXPECT_EQ(Shown(model.Sheet(0).GetCells(), 0, 0), "1");
    }
}

} // namespace
} // namespace xls
