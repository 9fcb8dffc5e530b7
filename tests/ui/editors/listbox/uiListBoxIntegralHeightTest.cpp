// The integral height of a list box: heights between two item boundaries snap down to the last whole item, a height
// below the first item snaps up to it, the horizontal bar counts while the client is narrower than ScrollWidth + 4
// (the vertical bar narrowing it while items remain below), and rows past the items are found without walking them.

#include "ui/editors/listbox/uiListBoxIntegralHeight.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace ui {
namespace {

constexpr int32_t Borders = 4;
constexpr int32_t BarSize = 17;

TuiListBoxHeightMetrics Metrics(int32_t count, int32_t itemHeight, int32_t width = 121, int32_t scrollWidth = 0) {
    TuiListBoxHeightMetrics metrics;
    metrics.VerticalBorders = Borders;
    metrics.HorizontalBorders = Borders;
    metrics.Width = width;
    metrics.VScrollBarWidth = BarSize;
    metrics.HScrollBarHeight = BarSize;
    metrics.ItemCount = count;
    metrics.ScrollWidth = scrollWidth;
    metrics.ItemHeight = [itemHeight](int32_t) { return itemHeight; };
    return metrics;
}

TEST(ListBoxIntegralHeight, SnapsDownBetweenBoundariesAndUpBelowTheFirstItem) {
    const TuiListBoxHeightMetrics metrics = Metrics(10, 13);
    const struct {
        int32_t Requested;
        int32_t Snapped;
    } cases[] = {{97, Borders + 7 * 13}, {95, 95},          {Borders + 13, Borders + 13},
                 {5, Borders + 13},      {0, Borders + 13}, {-50, Borders + 13}};
    for (const auto& c : cases) {
        EXPECT_EQ(SnapToWholeItems(c.Requested, metrics), c.Snapped) << c.Requested;
    }
}

TEST(ListBoxIntegralHeight, TheHorizontalBarCountsWhileTheClientIsNarrowerThanScrollWidthPlusFour) {
    // 121 less the frame and the vertical bar leaves 100 pixels: narrower than 204.
    EXPECT_EQ(SnapToWholeItems(97, Metrics(10, 13, 121, 200)), Borders + 5 * 13 + BarSize);
    // One item, so no vertical bar: 104 pixels of client against ScrollWidth 100 and 101.
    EXPECT_EQ(SnapToWholeItems(40, Metrics(1, 13, Borders + 104, 100)), Borders + 2 * 13);
    EXPECT_EQ(SnapToWholeItems(40, Metrics(1, 13, Borders + 104, 101)), Borders + 13 + BarSize);

    // The vertical bar goes with the last item, and the horizontal one with it: the first candidate to reach the
    // height decides.
    const TuiListBoxHeightMetrics metrics = Metrics(3, 10, Borders + 104, 100);
    EXPECT_EQ(SnapToWholeItems(40, metrics), Borders + 10 + BarSize);
    EXPECT_EQ(SnapToWholeItems(Borders + 20 + BarSize, metrics), Borders + 20 + BarSize);
}

TEST(ListBoxIntegralHeight, VariableHeightsAndRowsPastTheItems) {
    TuiListBoxHeightMetrics metrics = Metrics(3, 0);
    const std::vector<int32_t> heights{10, 30, 10, 20};
    metrics.ItemHeight = [&heights](int32_t index) { return heights.at(static_cast<size_t>(index)); };
    EXPECT_EQ(SnapToWholeItems(Borders + 45, metrics), Borders + 40);
    EXPECT_EQ(SnapToWholeItems(Borders + 40, metrics), Borders + 40);
    // Past the three items every row is 20 high.
    EXPECT_EQ(SnapToWholeItems(Borders + 95, metrics), Borders + 50 + 2 * 20);
    EXPECT_EQ(SnapToWholeItems(Borders + 55, metrics), Borders + 50);

    const int32_t huge = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(SnapToWholeItems(huge, Metrics(2, 13)), Borders + (huge - Borders) / 13 * 13);
    // An item height of 0 counts as 1, so no height is out of reach.
    EXPECT_EQ(SnapToWholeItems(50, Metrics(5, 0)), 50);
    EXPECT_EQ(SnapToWholeItems(50, Metrics(0, 13)), Borders + 3 * 13);
}

} // namespace
} // namespace ui
