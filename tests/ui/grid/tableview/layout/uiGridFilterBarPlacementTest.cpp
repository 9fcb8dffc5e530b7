#include "ui/grid/tableview/layout/uiGridFilterBarPlacement.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// Close and activate on the left, customize and drop-down on the right, as the filter bar has them.
std::vector<TuiGridFilterBarButton> FilterBarButtons(bool conditions, bool customize, bool dropDown) {
    return {{{13, 13}, false, conditions},
            {{13, 13}, false, conditions},
            {{70, 22}, true, customize},
            {{13, 13}, true, dropDown}};
}

TEST(GridFilterBarPlacement, HeightIsTheTextLineOrTheHighestButtonWithTheirMargins) {
    EXPECT_EQ(FilterBarHeight(13, FilterBarButtons(false, false, false)), 13 + 6) << "no buttons";
    EXPECT_EQ(FilterBarHeight(13, FilterBarButtons(true, false, false)), 13 + 8);
    EXPECT_EQ(FilterBarHeight(13, FilterBarButtons(true, true, false)), 22 + 8);
    EXPECT_EQ(FilterBarHeight(40, FilterBarButtons(true, true, true)), 40 + 6);
}

TEST(GridFilterBarPlacement, ButtonsStandFromEitherEndAndTheTextBetweenThem) {
    const vcl::TRect bar{0, 100, 300, 130};
    const TuiGridFilterBarLayout layout = PlaceFilterBar(bar, FilterBarButtons(true, true, false), 500, 3);
    ASSERT_EQ(layout.Buttons.size(), 4u);
    EXPECT_EQ(layout.Buttons[0], (vcl::TRect{4, 109, 17, 122})) << "centred, rounding half up";
    EXPECT_EQ(layout.Buttons[1], (vcl::TRect{21, 109, 34, 122}));
    EXPECT_EQ(layout.Buttons[2], (vcl::TRect{226, 104, 296, 126}));
    EXPECT_TRUE(layout.Buttons[3].IsEmpty()) << "a hidden button has no place";
    // Left side: 2 x (13 + 4) + 4 = 38; right side: 70 + 4 + 4 = 78.
    EXPECT_EQ(layout.TextArea, (vcl::TRect{2 + 38 + 3, 102, 300 - 2 - 78 - 3, 128}));
}

TEST(GridFilterBarPlacement, TheDropDownFollowsAShortTextAndKeepsToTheEdgeForALongOne) {
    const vcl::TRect bar{0, 0, 300, 30};
    const std::vector<TuiGridFilterBarButton> buttons = FilterBarButtons(false, false, true);
    const TuiGridFilterBarLayout longText = PlaceFilterBar(bar, buttons, 1000, 3);
    EXPECT_EQ(longText.Buttons[3].Right, 296);
    const TuiGridFilterBarLayout shortText = PlaceFilterBar(bar, buttons, 40, 3);
    EXPECT_EQ(shortText.Buttons[3].Left, shortText.TextArea.Left + 40 + 9);
    EXPECT_EQ(shortText.Buttons[3].Width(), 13);
}

} // namespace
} // namespace ui
