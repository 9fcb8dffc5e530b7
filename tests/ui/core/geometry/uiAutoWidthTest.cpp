#include "ui/core/geometry/uiAutoWidth.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

struct TItemWidths {
    int32_t Width;
    int32_t MinWidth;
    bool Fixed;
};

std::vector<int32_t> Distribute(const std::vector<TItemWidths>& items, int32_t available) {
    TuiAutoWidthObject distributor(static_cast<int32_t>(items.size()));
    distributor.SetAvailableWidth(available);
    for (const TItemWidths& widths : items) {
        TuiAutoWidthItem& item = distributor.AppendItem();
        item.Width = widths.Width;
        item.MinWidth = widths.MinWidth;
        item.Fixed = widths.Fixed;
        EXPECT_EQ(item.AutoWidth, -1);
    }
    distributor.Calculate();
    std::vector<int32_t> widths;
    for (int32_t i = 0; i < distributor.GetCount(); ++i) {
        widths.push_back(distributor.GetItem(i).AutoWidth);
    }
    return widths;
}

TEST(uiAutoWidth, SharesAddUpToTheAvailableWidth) {
    EXPECT_EQ(Distribute({{100, 0, false}, {100, 0, false}}, 201), (std::vector<int32_t>{101, 100}));
    EXPECT_EQ(Distribute({{10, 0, false}, {10, 0, false}, {10, 0, false}}, 100), (std::vector<int32_t>{33, 34, 33}));
    EXPECT_EQ(Distribute({{50, 0, false}, {150, 0, false}}, 100), (std::vector<int32_t>{25, 75}));
}

TEST(uiAutoWidth, AnItemBelowItsMinimumTakesItAndTheOthersShareTheRest) {
    EXPECT_EQ(Distribute({{100, 80, false}, {100, 0, false}, {100, 0, false}}, 150),
              (std::vector<int32_t>{80, 35, 35}));
    // Fixing one item at its minimum can push another below its own: a further pass fixes that one too.
    EXPECT_EQ(Distribute({{100, 60, false}, {100, 45, false}, {100, 0, false}}, 150),
              (std::vector<int32_t>{60, 45, 45}));
}

TEST(uiAutoWidth, FixedItemsKeepTheirWidthsEvenBeyondTheSpace) {
    EXPECT_EQ(Distribute({{120, 0, true}, {100, 0, false}, {50, 0, false}}, 270), (std::vector<int32_t>{120, 100, 50}));
    EXPECT_EQ(Distribute({{300, 0, true}, {100, 10, false}, {100, 20, false}}, 200),
              (std::vector<int32_t>{300, 10, 20}));
}

TEST(uiAutoWidth, ItemsRequestingNothingGetTheirMinimums) {
    EXPECT_EQ(Distribute({{0, 5, false}, {0, 7, false}}, 300), (std::vector<int32_t>{5, 7}));
    EXPECT_EQ(Distribute({{0, 5, false}, {100, 0, false}}, 300), (std::vector<int32_t>{5, 295}));
    EXPECT_EQ(Distribute({}, 100), std::vector<int32_t>{});
}

} // namespace
} // namespace ui
