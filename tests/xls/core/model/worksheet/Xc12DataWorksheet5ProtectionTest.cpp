#include "xls/core/model/worksheet/Xc12DataWorksheet5Protection.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5Protection, ANewProtectionLocksFormattingInsertingDeletingAndSorting) {
    TXc12SheetProtection protection;
    protection.SetPassword(0xCC3D);
    protection.SetSheet(true);
    protection.SetSort(false);
    protection.Clear();
    struct Case {
        const char* name;
        bool value;
        bool expected;
    };
    const Case cases[] = {
        {"sheet", protection.GetSheet(), false},
        {"objects", protection.GetObjects(), false},
        {"scenarios", protection.GetScenarios(), false},
        {"formatCells", protection.GetFormatCells(), true},
        {"formatColumns", protection.GetFormatColumns(), true},
        {"formatRows", protection.GetFormatRows(), true},
        {"insertColumns", protection.GetInsertColumns(), true},
        {"insertRows", protection.GetInsertRows(), true},
        {"insertHyperlinks", protection.GetInsertHyperlinks(), true},
        {"deleteColumns", protection.GetDeleteColumns(), true},
        {"deleteRows", protection.GetDeleteRows(), true},
        {"selectLockedCells", protection.GetSelectLockedCells(), false},
        {"sort", protection.GetSort(), true},
        {"autoFilter", protection.GetAutoFilter(), true},
        {"pivotTables", protection.GetPivotTables(), true},
        {"selectUnlockedCells", protection.GetSelectUnlockedCells(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value, c.expected);
    }
    EXPECT_EQ(protection.GetPassword(), 0);
}

TEST(Xc12DataWorksheet5Protection, ClearingAProtectedRangeDropsItsRanges) {
    TXc12ProtectedRanges ranges;
    TXc12ProtectedRange* range = ranges.Add();
    range->SetName(u"Inputs");
    range->SetPassword(0x83AF);
    ASSERT_TRUE(range->GetRanges().SetFromText(u"A1:B2 D4"));
    EXPECT_EQ(range->GetRanges().Count(), 2);
    range->Clear();
    EXPECT_EQ(range->GetRanges().Count(), 0);
    EXPECT_TRUE(range->GetName().empty());
    EXPECT_EQ(range->GetPassword(), 0u);
}

} // namespace
} // namespace xls
