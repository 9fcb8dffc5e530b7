#include "ui/editors/framework/buttons/uiEditButtonsLayout.h"

#include "tests/support/ui/GeometryPrinting.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// Lays the buttons of the widths given (in collection order) from the last to the first, as the view data does, into
// rect; returns them in collection order.
std::vector<TuiEditButtonViewInfo> LayOut(const std::vector<int32_t>& widths, const std::vector<bool>& leftAligned,
                                          vcl::TRect& rect, TuiEditButtonSides& sides) {
    std::vector<TuiEditButtonViewInfo> buttons(widths.size());
    for (size_t i = widths.size(); i-- > 0;) {
        buttons[i].ButtonIndex = static_cast<int32_t>(i);
        buttons[i].LeftAlignment = leftAligned[i];
        LayOutEditButton(buttons[i], static_cast<int32_t>(i), widths[i], rect, sides);
    }
    return buttons;
}

bool NoneFixed(int32_t) {
    return false;
}

void Adjust(std::vector<TuiEditButtonViewInfo>& buttons, int32_t fullWidth, int32_t freeWidth,
            const std::function<bool(int32_t)>& isWidthFixed) {
    std::vector<TuiEditButtonViewInfo*> pointers;
    for (TuiEditButtonViewInfo& button : buttons) {
        pointers.push_back(&button);
    }
    AdjustEditButtonWidths(pointers, fullWidth, freeWidth, isWidthFixed);
}

TEST(uiEditButtonsLayout, TheLastRightButtonSitsWhollyAtTheRightAndTheFirstShowsWhatRemains) {
    vcl::TRect rect{0, 2, 30, 20};
    TuiEditButtonSides sides;
    const auto buttons = LayOut({17, 20}, {false, false}, rect, sides);
    EXPECT_EQ(buttons[1].Bounds, (vcl::TRect{10, 2, 30, 20}));
    EXPECT_EQ(buttons[1].VisibleBounds, (vcl::TRect{10, 2, 30, 20}));
    EXPECT_EQ(buttons[0].Bounds, (vcl::TRect{-7, 2, 10, 20}));
    EXPECT_EQ(buttons[0].VisibleBounds, (vcl::TRect{0, 2, 10, 20}));
    EXPECT_EQ(rect.Left, rect.Right);
    EXPECT_EQ(sides.RightRightmost, 1);
    EXPECT_EQ(sides.RightLeftmost, 0);
    EXPECT_EQ(sides.LeftLeftmost, -1);

    // Nothing left: a further button gets empty bounds.
    TuiEditButtonViewInfo extra;
    extra.Bounds = {1, 1, 2, 2};
    LayOutEditButton(extra, 2, 17, rect, sides);
    EXPECT_EQ(extra.Bounds, vcl::TRect{});
    EXPECT_EQ(extra.VisibleBounds, vcl::TRect{});
}

TEST(uiEditButtonsLayout, LeftButtonsFillFromTheLeft) {
    vcl::TRect rect{0, 0, 100, 10};
    TuiEditButtonSides sides;
    const auto buttons = LayOut({12, 15, 20}, {true, true, false}, rect, sides);
    EXPECT_EQ(buttons[2].Bounds, (vcl::TRect{80, 0, 100, 10}));
    EXPECT_EQ(buttons[1].Bounds, (vcl::TRect{0, 0, 15, 10}));
    EXPECT_EQ(buttons[0].Bounds, (vcl::TRect{15, 0, 27, 10}));
    EXPECT_EQ(sides.LeftLeftmost, 1);
    EXPECT_EQ(sides.LeftRightmost, 0);
    EXPECT_EQ(rect, (vcl::TRect{27, 0, 80, 10}));
}

TEST(uiEditButtonsLayout, StretchingSharesTheFreeWidthInProportionWithTheRemainderFirst) {
    const struct {
        int32_t First;
        int32_t Last;
        int32_t FirstAdd;
        int32_t LastAdd;
    } cases[] = {{15, 15, 5, 5}, {10, 20, 4, 6}, {7, 7, 5, 5}};
    for (const auto& c : cases) {
        const int32_t full = c.First + c.Last + 10;
        vcl::TRect rect{0, 0, full, 10};
        TuiEditButtonSides sides;
        auto buttons = LayOut({c.First, c.Last}, {false, false}, rect, sides);
        Adjust(buttons, full, rect.Right - rect.Left, NoneFixed);
        SCOPED_TRACE(c.First * 100 + c.Last);
        EXPECT_EQ(buttons[1].Bounds.Right - buttons[1].Bounds.Left, c.Last + c.LastAdd);
        EXPECT_EQ(buttons[0].Bounds.Right - buttons[0].Bounds.Left, c.First + c.FirstAdd);
        EXPECT_EQ(buttons[1].Bounds.Right, full);
        EXPECT_EQ(buttons[0].Bounds.Right, buttons[1].Bounds.Left);
        EXPECT_EQ(buttons[0].Bounds.Left, 0);
        EXPECT_EQ(buttons[0].VisibleBounds, buttons[0].Bounds);
    }
}

TEST(uiEditButtonsLayout, FixedAndUnstretchableButtonsKeepTheirWidth) {
    vcl::TRect rect{0, 0, 60, 10};
    TuiEditButtonSides sides;
    auto buttons = LayOut({10, 10, 10}, {true, false, false}, rect, sides);
    buttons[2].Stretchable = false;
    Adjust(buttons, 60, rect.Right - rect.Left, [](int32_t index) { return index == 1; });
    EXPECT_EQ(buttons[0].Bounds, (vcl::TRect{0, 0, 40, 10}));
    EXPECT_EQ(buttons[1].Bounds, (vcl::TRect{40, 0, 50, 10}));
    EXPECT_EQ(buttons[2].Bounds, (vcl::TRect{50, 0, 60, 10}));

    // When no button may stretch, all of them share.
    rect = {0, 0, 40, 10};
    sides = {};
    buttons = LayOut({10, 10}, {false, false}, rect, sides);
    buttons[0].Stretchable = buttons[1].Stretchable = false;
    Adjust(buttons, 40, 20, NoneFixed);
    EXPECT_EQ(buttons[0].Bounds, (vcl::TRect{0, 0, 20, 10}));
    EXPECT_EQ(buttons[1].Bounds, (vcl::TRect{20, 0, 40, 10}));
}

} // namespace
} // namespace ui
