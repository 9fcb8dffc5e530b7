#include "ui/grid/tableview/layout/uiGridFilterBarPlacement.h"

#include <algorithm>

namespace ui {
namespace {

constexpr int FilterBarButtonSpacing = 4;
constexpr int FilterBarTextMargins = 6;
constexpr int FilterBarButtonMargins = 8;
// The text area within the bar, and then within the buttons on either side.
constexpr int FilterBarContentInset = 2;
constexpr int FilterBarTextInset = 3;
constexpr int FilterBarFollowingButtonGap = 9;

// The room the visible buttons of one side take: each with its spacing, and the spacing once more.
int FilterBarSideWidth(std::span<const TuiGridFilterBarButton> buttons, bool rightAligned) {
    int width = 0;
    for (const TuiGridFilterBarButton& button : buttons) {
        if (button.Visible && button.RightAligned == rightAligned) {
            width += button.Size.cx + FilterBarButtonSpacing;
        }
    }
    return width > 0 ? width + FilterBarButtonSpacing : 0;
}

// Half of value rounded half away from zero, as MulDiv(value, 1, 2) gives it.
int FilterBarHalf(int value) {
    return value >= 0 ? (value + 1) / 2 : -((1 - value) / 2);
}

} // namespace

int FilterBarHeight(int textHeight, std::span<const TuiGridFilterBarButton> buttons) {
    int highest = 0;
    for (const TuiGridFilterBarButton& button : buttons) {
        if (button.Visible) {
            highest = std::max(highest, button.Size.cy + FilterBarButtonMargins);
        }
    }
    return std::max(textHeight + FilterBarTextMargins, highest);
}

TuiGridFilterBarLayout PlaceFilterBar(const vcl::TRect& bar, std::span<const TuiGridFilterBarButton> buttons,
                                      int textWidth, int followingButton) {
    TuiGridFilterBarLayout layout;
    layout.TextArea = {bar.Left + FilterBarContentInset + FilterBarSideWidth(buttons, false) + FilterBarTextInset,
                       bar.Top + FilterBarContentInset,
                       bar.Right - FilterBarContentInset - FilterBarSideWidth(buttons, true) - FilterBarTextInset,
                       bar.Bottom - FilterBarContentInset};
    int left = bar.Left + FilterBarButtonSpacing;
    int right = bar.Right - FilterBarButtonSpacing;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const TuiGridFilterBarButton& button = buttons[i];
        if (!button.Visible) {
            layout.Buttons.emplace_back();
            continue;
        }
        int x = button.RightAligned ? right - button.Size.cx : left;
        if (static_cast<int>(i) == followingButton) {
            x = std::min(x, layout.TextArea.Left + std::max(textWidth, 0) + FilterBarFollowingButtonGap);
        }
        const int top = FilterBarHalf(bar.Top + bar.Bottom - button.Size.cy);
        layout.Buttons.push_back({x, top, x + button.Size.cx, top + button.Size.cy});
        if (button.RightAligned) {
            right = x - FilterBarButtonSpacing;
        } else {
            left = x + button.Size.cx + FilterBarButtonSpacing;
        }
    }
    return layout;
}

} // namespace ui
