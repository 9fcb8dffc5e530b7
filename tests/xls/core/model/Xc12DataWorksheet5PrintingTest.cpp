#include "xls/core/model/Xc12DataWorksheet5Printing.h"

#include "rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5Printing, ClearGivesTheDefaultsBack) {
    TXc12PageMargins margins;
    margins.SetLeft(2);
    margins.SetFooter(0);
    margins.Clear();
    const double expected[] = {0.7, 0.7, 0.75, 0.75, 0.3, 0.3};
    const double actual[] = {margins.GetLeft(),   margins.GetRight(),  margins.GetTop(),
                             margins.GetBottom(), margins.GetHeader(), margins.GetFooter()};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i], expected[i]);
    }

    TXc12PrintOptions options;
    options.SetGridLines(true);
    options.SetGridLinesSet(false);
    options.Clear();
    EXPECT_FALSE(options.GetGridLines());
    EXPECT_TRUE(options.GetGridLinesSet());

    TXc12HeaderFooter headerFooter;
    headerFooter.SetOddHeader(u"&L&\"宋体\"&P");
    headerFooter.SetScaleWithDoc(false);
    headerFooter.Clear();
    EXPECT_TRUE(headerFooter.GetOddHeader().empty());
    EXPECT_TRUE(headerFooter.GetScaleWithDoc());
    EXPECT_TRUE(headerFooter.GetAlignWithMargins());
    EXPECT_FALSE(headerFooter.GetDifferentFirst());
}

TEST(Xc12DataWorksheet5Printing, PageBreaksAreAnOwningList) {
    TXc12PageBreaks breaks;
    TXc12Break* first = breaks.Add();
    first->SetId(10);
    first->SetMax(16383);
    first->SetMan(true);
    breaks.Add()->SetId(20);
    EXPECT_EQ(breaks.GetItem(0), first);
    EXPECT_EQ(breaks.GetItem(1)->GetId(), 20);
    EXPECT_THROW(breaks.GetItem(2), rtl::EListError);
    EXPECT_THROW(breaks.GetItem(-1), rtl::EListError);
    first->Clear();
    EXPECT_EQ(first->GetMax(), 0);
    EXPECT_FALSE(first->GetMan());
    breaks.Clear();
    EXPECT_EQ(breaks.Count(), 0);
}

} // namespace
} // namespace xls
