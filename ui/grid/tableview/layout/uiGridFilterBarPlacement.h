#pragma once
// The filter bar's arithmetic: its height from its text line and its buttons, the buttons placed from either end 4
// pixels apart and centred vertically, and the text area between the two sides. The drop-down button follows a short
// filter text.

#include "vcl/system/Types.h"

#include <span>
#include <vector>

namespace ui {

struct TuiGridFilterBarButton {
    vcl::TSize Size;
    bool RightAligned = false;
    bool Visible = false;
};

// The larger of the text line with its margins and the highest visible button with its margins.
int FilterBarHeight(int textHeight, std::span<const TuiGridFilterBarButton> buttons);

struct TuiGridFilterBarLayout {
    std::vector<vcl::TRect> Buttons; // one per button, empty when hidden
    vcl::TRect TextArea;
};

// Places the buttons in their order in bar and the text area between them. followingButton (or -1) names a
// right-aligned button that stands 9 pixels after the text when the text of textWidth is shorter than its area.
TuiGridFilterBarLayout PlaceFilterBar(const vcl::TRect& bar, std::span<const TuiGridFilterBarButton> buttons,
                                      int textWidth, int followingButton);

} // namespace ui
