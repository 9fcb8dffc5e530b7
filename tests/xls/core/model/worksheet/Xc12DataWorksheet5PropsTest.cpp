#include "xls/core/model/worksheet/Xc12DataWorksheet5Props.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5Props, ColumnOptionsHaveTheFileBits) {
    const struct {
        TXc12ColumnOption Option;
        uint64_t Bit;
    } cases[] = {
        {xcoHidden, 1}, {xcoBestFit, 2}, {xcoCustomWidth, 4}, {xcoPhonetic, 8}, {xcoCollapsed, 16},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Bit);
        EXPECT_EQ(TXc12ColumnOptions{test.Option}.Bits(), test.Bit);
    }
}

TEST(Xc12DataWorksheet5Props, ColumnsKeepTheirStyleWithoutTakingAUse) {
    TXc12XF style;
    TXc12Columns columns;
    TXc12Column* column = columns.Add(&style);
    EXPECT_EQ(columns.GetItem(0), column);
    EXPECT_EQ(column->GetStyle(), &style);
    EXPECT_EQ(style.UseCount(), 0);
    column->SetFirstCol(0);
    column->SetLastCol(2);
    column->SetWidth(12.5);
    column->SetOutlineLevel(2);
    column->SetOptions({xcoHidden, xcoCustomWidth});

    TXc12Column* copy = columns.Add(nullptr);
    copy->Assign(*column);
    EXPECT_EQ(copy->GetLastCol(), 2);
    EXPECT_EQ(copy->GetWidth(), 12.5);
    EXPECT_EQ(copy->GetStyle(), &style);
    EXPECT_EQ(copy->GetOutlineLevel(), 2);
    EXPECT_EQ(copy->GetOptions().Bits(), 5u);

    column->Clear();
    EXPECT_EQ(column->GetFirstCol(), 0);
    EXPECT_EQ(column->GetLastCol(), 0);
    EXPECT_EQ(column->GetWidth(), 0);
    EXPECT_EQ(column->GetStyle(), nullptr);
    EXPECT_EQ(column->GetOutlineLevel(), 0);
    EXPECT_TRUE(column->GetOptions().IsEmpty());
    EXPECT_EQ(style.UseCount(), 0);
    EXPECT_THROW(columns.GetItem(2), rtl::EListError);
}

TEST(Xc12DataWorksheet5Props, ClearGivesTheSheetPropertiesTheirDefaults) {
    TXc12SheetPr sheetPr;
    sheetPr.SetPublished(false);
    sheetPr.SetSyncRef({0, 0, 0, 0});
    sheetPr.SetCodeName(u"Sheet1");
    sheetPr.SetEnableFormatConditionsCalculation(false);
    sheetPr.GetTabColor().ColorType = exctRgb;
    sheetPr.GetOutlinePr().SetSummaryBelow(false);
    sheetPr.GetPageSetupPr().SetAutoPageBreaks(false);
    sheetPr.GetPageSetupPr().SetFitToPage(true);
    sheetPr.Clear();
    EXPECT_TRUE(sheetPr.GetPublished());
    EXPECT_EQ(sheetPr.GetSyncRef(), TXLSCellAreaRec{});
    EXPECT_TRUE(sheetPr.GetCodeName().empty());
    EXPECT_TRUE(sheetPr.GetEnableFormatConditionsCalculation());
    EXPECT_FALSE(sheetPr.GetFilterMode());
    EXPECT_EQ(sheetPr.GetTabColor().ColorType, exctUnassigned);
    EXPECT_FALSE(sheetPr.GetOutlinePr().GetApplyStyles());
    EXPECT_TRUE(sheetPr.GetOutlinePr().GetSummaryBelow());
    EXPECT_TRUE(sheetPr.GetOutlinePr().GetSummaryRight());
    EXPECT_TRUE(sheetPr.GetOutlinePr().GetShowOutlineSymbols());
    EXPECT_TRUE(sheetPr.GetPageSetupPr().GetAutoPageBreaks());
    EXPECT_FALSE(sheetPr.GetPageSetupPr().GetFitToPage());

    TXc12SheetFormatPr formatPr;
    formatPr.SetBaseColWidth(10);
    formatPr.SetDefaultRowHeight(15 * 20);
    formatPr.SetOutlineLevelCol(3);
    formatPr.Clear();
    EXPECT_EQ(formatPr.GetBaseColWidth(), 8);
    EXPECT_EQ(formatPr.GetDefaultRowHeight(), 0);
    EXPECT_EQ(formatPr.GetOutlineLevelCol(), 0);

    TXc12PhoneticPr phoneticPr;
    phoneticPr.SetType(0);
    phoneticPr.SetAlignment(3);
    phoneticPr.SetFontId(2);
    phoneticPr.Clear();
    EXPECT_EQ(phoneticPr.GetType(), 1);
    EXPECT_EQ(phoneticPr.GetAlignment(), 1);
    EXPECT_EQ(phoneticPr.GetFontId(), 0);
}

} // namespace
} // namespace xls
