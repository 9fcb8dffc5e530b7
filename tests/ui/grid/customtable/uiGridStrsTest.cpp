#include "ui/grid/customtable/uiGridStrs.h"

#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

// The test program's main has started the grid unit, which lists the strings.
TEST(GridStrsTest, TheGridListsNinetyStringsWithDefaultThreeTimes) {
    TuxResourceStringsRepository& repository = GetResourceStringsRepository();
    const int32_t index = repository.IndexOfProduct(uiGridStrsProductKey);
    ASSERT_GE(index, 0);
    const TuxProductResourceStrings& product = repository.GetProduct(index);
    EXPECT_EQ(product.Count(), 90);
    int defaults = 0;
    std::set<uint16_t> ids;
    for (int32_t i = 0; i < product.Count(); ++i) {
        const TuxResourceString& string = product.Item(i);
        defaults += LoadResStringText(string) == u"Default" ? 1 : 0;
        ids.insert(string.Id);
        EXPECT_GE(string.Id, 0xE500);
        EXPECT_LE(string.Id, 0xE5FF);
    }
    EXPECT_EQ(defaults, 3);
    EXPECT_EQ(ids.size(), 90u);
}

TEST(GridStrsTest, TextsKeepTheirPlaceholdersAndLineBreaks) {
    EXPECT_EQ(LoadResStringText(suiGridChartValueHintFormat), u"%s for %s is %s");
    EXPECT_EQ(LoadResStringText(suiGridConverterIntermediaryMissing),
              u"Missing an intermediary component!\r\nPlease add a %s component to the form.");
    EXPECT_EQ(LoadResStringText(suiGridMonthFormat), u"mmmm yyyy");
    EXPECT_EQ(LoadResStringText(suiGridChartPercentValueTickMarkLabelFormat), u"0%");
}

TEST(GridStrsTest, TheLastShutDownTakesTheStringsOut) {
    detail::StartGridStrs();
    detail::FinishGridStrs();
    EXPECT_GE(GetResourceStringsRepository().IndexOfProduct(uiGridStrsProductKey), 0);
    detail::FinishGridStrs();
    EXPECT_LT(GetResourceStringsRepository().IndexOfProduct(uiGridStrsProductKey), 0);
    detail::StartGridStrs();
}

} // namespace
} // namespace ui
