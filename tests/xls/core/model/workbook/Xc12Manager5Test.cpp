#include "xls/core/model/workbook/Xc12Manager5.h"

#include "tests/xls/core/model/worksheet/Xc12DataWorksheet5TestSupport.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <gtest/gtest.h>
#include <vector>

using namespace xls;

namespace {

struct ManagerFixture {
    TXLSErrorManager errors;
    worksheet_test::TTestFactory factory;
    TXc12Manager manager{&factory, &errors};
    ManagerFixture() { manager.CreateParts(); }
};

// A platform whose locale answers with the given separator and paper size.
class TLocalePlatform : public TXLSPlatform {
public:
    TLocalePlatform(char16_t decimal, uint8_t paper) : FDecimal(decimal), FPaper(paper) {}
    char16_t GetDecimalSeparator() const override { return FDecimal; }
    uint8_t DefaultPaperSize() const override { return FPaper; }

private:
    char16_t FDecimal;
    uint8_t FPaper;
};

class TPlatformScope {
public:
    explicit TPlatformScope(const TXLSPlatform& platform) : FPrevious(SetXLSPlatform(&platform)) {}
    ~TPlatformScope() { SetXLSPlatform(FPrevious); }

private:
    const TXLSPlatform* FPrevious;
};

} // namespace

TEST(Xc12Manager, NewModelHasEveryPartAndNoSheets) {
    ManagerFixture f;
    EXPECT_EQ(f.manager.Worksheets().Count(), 0);
    EXPECT_EQ(f.manager.SST().Count(), 0);
    EXPECT_GT(f.manager.StyleSheet().Fonts().Count(), 0);
    EXPECT_EQ(f.manager.DocProps().GetCoreProperties(), &f.manager.FileData().GetCoreProperties());
    EXPECT_EQ(f.manager.GetFileType(), xvNone);
    EXPECT_FALSE(f.manager.IsReading());
}

// External names with no entries, which the manager only holds.
class TNoExternalNames : public TExternalNames {
public:
    bool GetExternSheetRange(int32_t, int32_t&, int32_t&) const override { return false; }
    bool GetExternalReference(int32_t, int32_t, TExternalReference&) const override { return false; }
};

TEST(Xc12Manager, ClearEmptiesThePartsInPlace) {
    ManagerFixture f;
    TXc12DataWorksheets* sheets = &f.manager.Worksheets();
    TXc12DataSST* sst = &f.manager.SST();
    TXc12DataStyleSheet* styles = &f.manager.StyleSheet();
    const int32_t defaultFonts = styles->Fonts().Count();
    TNoExternalNames externalNames;

    f.manager.Worksheets().Add(-1);
    f.manager.SST().AddString(u"销货清单");
    f.manager.SetFilename(u"C:\\sales.xlsx");
    f.manager.SetDirectRead(true);
    f.manager.SetExternalNames(&externalNames);

    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        f.manager.Clear();
        EXPECT_EQ(&f.manager.Worksheets(), sheets);
        EXPECT_EQ(&f.manager.SST(), sst);
        EXPECT_EQ(&f.manager.StyleSheet(), styles);
        EXPECT_EQ(sheets->Count(), 0);
        EXPECT_EQ(sst->Count(), 0);
        EXPECT_EQ(styles->Fonts().Count(), defaultFonts);
        EXPECT_EQ(f.manager.GetExternalNames(), nullptr);
        // Settings survive a clear.
        EXPECT_EQ(f.manager.GetFilename(), u"C:\\sales.xlsx");
        EXPECT_TRUE(f.manager.GetDirectRead());
    }
}

TEST(Xc12Manager, ReadBracketsRebuildTheLookupAndRaiseTheEvent) {
    ManagerFixture f;
    int afterRead = 0;
    f.manager.SetOnAfterRead([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &f.manager);
        ++afterRead;
    });
    f.manager.BeforeRead();
    EXPECT_TRUE(f.manager.IsReading());
    f.manager.SST().AddString(u"Total");
    EXPECT_FALSE(f.manager.SST().HashValid());
    f.manager.AfterRead();
    EXPECT_FALSE(f.manager.IsReading());
    EXPECT_TRUE(f.manager.SST().HashValid());
    EXPECT_EQ(afterRead, 1);
}

TEST(Xc12Manager, FireReadCellHandsOverTheEventCell) {
    ManagerFixture f;
    f.manager.FireReadCell(); // unassigned: nothing happens
    std::vector<TXLSEventCell*> seen;
    f.manager.SetOnReadCell([&](TXLSEventCell* cell) { seen.push_back(cell); });
    f.manager.FireReadCell();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], &f.manager.EventCell());
}

TEST(Xc12Manager, FindTableIgnoresCaseAcrossSheets) {
    ManagerFixture f;
    TXc12Tables* tables = nullptr;
    int32_t sheetIndex = -7;
    EXPECT_EQ(f.manager.FindTable(u"Sales", tables, sheetIndex), -1);

    f.manager.Worksheets().Add(-1);
    f.manager.Worksheets().Add(-1);
    TXc12Tables& second = f.manager.Worksheets().GetItem(1)->GetTables();
    second.Add()->SetName(u"Other");
    second.Add()->SetName(u"Total");
    second.Add()->SetName(u"Ärger");

    EXPECT_EQ(f.manager.FindTable(u"Missing", tables, sheetIndex), -1);
    EXPECT_EQ(tables, nullptr);
    EXPECT_EQ(sheetIndex, -7);

    const struct {
        const char16_t* name;
        int32_t index;
    } cases[] = {{u"TOTAL", 1}, {u"total", 1}, {u"ärger", 2}, {u"ÄRGER", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(rtl::UnicodeString(c.name)));
        EXPECT_EQ(f.manager.FindTable(c.name, tables, sheetIndex), c.index);
        EXPECT_EQ(tables, &second);
        EXPECT_EQ(sheetIndex, 1);
    }
}

TEST(Xc12Manager, LocaleDecidesDecoderSeparatorAndPaperSize) {
    const struct {
        char16_t decimal;
        uint8_t paper;
        char16_t separator;
        uint8_t expectedPaper;
    } cases[] = {{u',', 9, u'\\', 9}, {u'.', 1, u',', 1}, {u'.', 0, u',', 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.paper));
        const TLocalePlatform platform(c.decimal, c.paper);
        const TPlatformScope scope(platform);
        TXLSErrorManager errors;
        const TXc12Manager manager(nullptr, &errors);
        EXPECT_EQ(manager.GetDecoderSeparator(), c.separator);
        EXPECT_EQ(manager.GetDefaultPaperSize(), c.expectedPaper);
    }
}

TEST(XLSEventCell, ClearPutsTheCursorBeforeTheWindow) {
    TXLSEventCell cell;
    EXPECT_EQ(cell.GetLastRow(), 65535);
    EXPECT_EQ(cell.GetLastCol(), 255);
    cell.SetFormula(u"A1*2");
    cell.SetFloat(3);
    cell.Clear();
    EXPECT_EQ(cell.GetCol(), -1);
    EXPECT_EQ(cell.GetRow(), 0);
    EXPECT_EQ(cell.GetCellType(), xectNone);
    EXPECT_FALSE(cell.IsFormula());
    EXPECT_TRUE(cell.GetFormula().empty());
}

TEST(XLSEventCell, ValueSettersGiveThePlainOrFormulaKind) {
    const struct {
        const char* name;
        void (*set)(TXLSEventCell&);
        TXLSEventCellType plain;
        TXLSEventCellType formula;
    } cases[] = {
        {"boolean", [](TXLSEventCell& c) { c.SetBoolean(true); }, xectBoolean, xectBooleanFormula},
        {"error", [](TXLSEventCell& c) { c.SetError(2); }, xectError, xectErrorFormula},
        {"float", [](TXLSEventCell& c) { c.SetFloat(1.5); }, xectFloat, xectFloatFormula},
        {"string", [](TXLSEventCell& c) { c.SetString(u"销货"); }, xectString, xectStringFormula},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TXLSEventCell cell;
        c.set(cell);
        EXPECT_EQ(cell.GetCellType(), c.plain);
        cell.Clear();
        cell.SetFormula(u"SUM(A1:A3)");
        c.set(cell);
        EXPECT_EQ(cell.GetCellType(), c.formula);
        EXPECT_EQ(cell.GetFormula(), u"SUM(A1:A3)");
    }
}

TEST(XLSEventCell, SetCellTextParsesSheetPositions) {
    const struct {
        const char16_t* text;
        bool ok;
        int32_t col;
        int32_t row;
    } cases[] = {
        {u"A1", true, 0, 0},      {u"$B$3", true, 1, 2},        {u"XFD1048576", true, 16383, 1048575},
        {u"XFE1", false, -1, -1}, {u"A1048577", false, -1, -1}, {u"", false, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(rtl::UnicodeString(c.text)));
        TXLSEventCell cell;
        EXPECT_EQ(cell.SetCellText(c.text), c.ok);
        if (c.ok) {
            EXPECT_EQ(cell.GetCol(), c.col);
            EXPECT_EQ(cell.GetRow(), c.row);
        }
    }
}
