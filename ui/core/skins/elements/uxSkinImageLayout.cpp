#include "ui/core/skins/elements/uxSkinImageLayout.h"

#include "ui/core/geometry/uiArithmetic.h"

#include <algorithm>

namespace ui {

namespace {

vcl::TRect NonNegative(const vcl::TRect& margins) {
    return {std::max(margins.Left, 0), std::max(margins.Top, 0), std::max(margins.Right, 0),
            std::max(margins.Bottom, 0)};
}

// Reduces a and b by their shares of what they exceed extent by.
void FitPair(int32_t& a, int32_t& b, int32_t extent) {
    const int64_t sum = int64_t{a} + b;
    if (sum <= extent || sum <= 0) {
        return;
    }
    const auto excess = static_cast<int32_t>(sum - std::max(extent, 0));
    const auto total = static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
    a -= MulDiv(a, excess, total);
    b -= MulDiv(b, excess, total);
}

} // namespace

TuxSkinNineParts CalcNineGridParts(const vcl::TRect& r, const vcl::TRect& margins) {
    const vcl::TRect m = NonNegative(margins);
    const int32_t x1 = static_cast<int32_t>(std::min<int64_t>(int64_t{r.Left} + m.Left, r.Right));
    const int32_t x2 = static_cast<int32_t>(std::max<int64_t>(int64_t{r.Right} - m.Right, r.Left));
    const int32_t y1 = static_cast<int32_t>(std::min<int64_t>(int64_t{r.Top} + m.Top, r.Bottom));
    const int32_t y2 = static_cast<int32_t>(std::max<int64_t>(int64_t{r.Bottom} - m.Bottom, r.Top));
    const int32_t columns[4] = {r.Left, x1, x2, r.Right};
    const int32_t rows[4] = {r.Top, y1, y2, r.Bottom};
    TuxSkinNineParts parts;
    for (size_t row = 0; row < 3; ++row) {
        for (size_t column = 0; column < 3; ++column) {
            parts[row * 3 + column] = {columns[column], rows[row], columns[column + 1], rows[row + 1]};
        }
    }
    return parts;
}

vcl::TRect FitMarginsToRect(const vcl::TRect& margins, const vcl::TRect& dest) {
    vcl::TRect fitted = NonNegative(margins);
    FitPair(fitted.Left, fitted.Right, dest.Width());
    FitPair(fitted.Top, fitted.Bottom, dest.Height());
    return fitted;
}

int32_t CountImageStates(TuxSkinElementStates states) {
    int32_t count = 0;
    for (int32_t state = 0; state < SkinElementStateCount; ++state) {
        count += states.Contains(static_cast<TuxSkinElementState>(state)) ? 1 : 0;
    }
    return count;
}

TuxSkinFrameLayout::TuxSkinFrameLayout(vcl::TSize textureSize, TuxSkinImageLayout layout, TuxSkinElementStates states,
                                       int32_t imageCount, const vcl::TRect& margins)
    : FLayout(layout), FStates(states), FImageCount(std::max(imageCount, 1)), FStateCount(CountImageStates(states)),
      FFrameSize(textureSize) {
    if (FStateCount > 0) {
        int32_t& extent = FLayout == ilHorizontal ? FFrameSize.cx : FFrameSize.cy;
        extent = extent / FImageCount / FStateCount;
    }
    vcl::TRect frame{0, 0, FFrameSize.cx, FFrameSize.cy};
    for (int32_t state = 0; state < SkinElementStateCount; ++state) {
        if (!FStates.Contains(static_cast<TuxSkinElementState>(state))) {
            continue;
        }
        FStateRects[static_cast<size_t>(state)] = frame;
        frame = FLayout == ilHorizontal ? vcl::OffsetRect(frame, FFrameSize.cx, 0)
                                        : vcl::OffsetRect(frame, 0, FFrameSize.cy);
    }
    FSourceParts = CalcNineGridParts({0, 0, FFrameSize.cx, FFrameSize.cy}, margins);
}

TuxSkinElementState TuxSkinFrameLayout::ValidateState(TuxSkinElementState state) const {
    if (FStates.Contains(state) || FStates.IsEmpty()) {
        return state;
    }
    for (int32_t present = 0; present < SkinElementStateCount; ++present) {
        if (FStates.Contains(static_cast<TuxSkinElementState>(present))) {
            return static_cast<TuxSkinElementState>(present);
        }
    }
    return state;
}

vcl::TRect TuxSkinFrameLayout::FrameRect(int32_t imageIndex, TuxSkinElementState state) const {
    const TuxSkinElementState valid = ValidateState(state);
    if (valid >= SkinElementStateCount) {
        return {};
    }
    const vcl::TRect frame = FStateRects[valid];
    const int32_t group = std::clamp(imageIndex, 0, FImageCount - 1);
    const int32_t extent = FLayout == ilHorizontal ? FFrameSize.cx : FFrameSize.cy;
    const int32_t offset = group * FStateCount * extent;
    return FLayout == ilHorizontal ? vcl::OffsetRect(frame, offset, 0) : vcl::OffsetRect(frame, 0, offset);
}

} // namespace ui
