#pragma once
// How an editor's buttons share its width: each laid at the left or right end of what remains, the last button first
// (so the last right-aligned button ends rightmost), then, when buttons stretch, the free width shared among them in
// proportion to their widths.

#include "ui/editors/framework/buttons/uiEditButtons.h"

#include <cstdint>
#include <functional>
#include <span>

namespace ui {

// The view-info indexes of the outermost buttons on each side; -1: none.
struct TuiEditButtonSides {
    int32_t LeftLeftmost = -1;
    int32_t LeftRightmost = -1;
    int32_t RightLeftmost = -1;
    int32_t RightRightmost = -1;
};

// Lays the button (view-info index viewIndex, width as it asks) at its side of rect, the rectangle still free: it
// spans rect's height and shows what fits of its width; rect loses the shown part. An empty rect gives empty bounds.
void LayOutEditButton(TuiEditButtonViewInfo& button, int32_t viewIndex, int32_t width, vcl::TRect& rect,
                      TuiEditButtonSides& sides);

// Shares freeWidth among the stretchable buttons that isWidthFixed does not fix (among all, counted as fullWidth -
// freeWidth wide, when none is), in proportion to their widths; the first button gets the rounding remainder. Buttons
// farther out on the same side move along. Nothing when freeWidth is not positive.
void AdjustEditButtonWidths(std::span<TuiEditButtonViewInfo* const> buttons, int32_t fullWidth, int32_t freeWidth,
                            const std::function<bool(int32_t buttonIndex)>& isWidthFixed);

} // namespace ui
