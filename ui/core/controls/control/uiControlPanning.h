#pragma once
// The middle-button panning mode of a TuiControl: how far and where the pointer is from the anchor decides the
// direction and the speed of the scrolling.

#include "ui/core/geometry/uiGeometry.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

// Where the panning mode scrolls with the pointer at a screen point: the direction, the speed (1 every 12th tick of
// 20 ms, up to 12 on every tick) and whether the point lies outside the neutral zone round the anchor, a square of
// the anchor bitmap's width (spanning the whole screen along an axis without a bar).
struct TuiPanningStep {
    TuiDirection Direction = dirNone;
    int32_t Speed = 0;
    bool OutsideNeutralZone = false;
};
TuiPanningStep PanningStepAt(vcl::TPoint anchor, vcl::TPoint point, int32_t bitmapWidth, bool horizontalBar,
                             bool verticalBar);

} // namespace ui
