#include "ui/editors/dropdown/popup/uiEditPopupSizingDrag.h"

#include "ui/core/geometry/uiGeometry.h"

#include <algorithm>

namespace ui {

void TuiEditPopupSizingDrag::Start(vcl::TPoint point, vcl::TSize size, TuiEditPopupSizingDirections directions) {
    FActive = true;
    FDirections = directions;
    FGrabOffset = {directions.X == -1 ? point.X : size.cx - point.X, directions.Y == -1 ? point.Y : size.cy - point.Y};
}

void TuiEditPopupSizingDrag::Stop() {
    FActive = false;
    FDirections = {};
}

void TuiEditPopupSizingDrag::SetFrame(const vcl::TRect& frame) {
    FFrame = frame;
    if (!frame.IsEmpty())
        FLastFrame = frame;
}

vcl::TPoint TuiEditPopupSizingDrag::GrabPoint(vcl::TSize size) const {
    return {FDirections.X == -1 ? FGrabOffset.X : size.cx - FGrabOffset.X,
            FDirections.Y == -1 ? FGrabOffset.Y : size.cy - FGrabOffset.Y};
}

// Within the window, a right or bottom edge grows only from a grab on the grip with the pointer still over the
// grip, so a grab on the border does not jump outward before the pointer leaves the window.
int32_t TuiEditPopupSizingDrag::PointerShift(int32_t direction, int32_t position, int32_t grab, int32_t extent,
                                             int32_t gripFrom, int32_t gripTo, bool grabOnGrip) const {
    const int32_t shift = position - grab;
    if (direction == 1 && shift > 0 && position <= extent && !(grabOnGrip && position >= gripFrom && position < gripTo))
        return 0;
    return shift;
}

bool TuiEditPopupSizingDrag::FrameAt(vcl::TPoint point, const TuiEditPopupDragContext& context,
                                     vcl::TRect& frame) const {
    const vcl::TRect& bounds = context.Bounds;
    const vcl::TSize size{bounds.Width(), bounds.Height()};
    const vcl::TPoint grab = GrabPoint(size);
    const vcl::TRect& grip = context.GripHitRect;
    const bool grabOnGrip = !grip.IsEmpty() && grip.Contains(grab);
    const int32_t dx = PointerShift(FDirections.X, point.X, grab.X, size.cx, grip.Left, grip.Right, grabOnGrip);
    const int32_t dy = PointerShift(FDirections.Y, point.Y, grab.Y, size.cy, grip.Top, grip.Bottom, grabOnGrip);

    const bool gripLeft = IsEditPopupGripAtLeft(context.GripCorner);
    const bool gripTop = IsEditPopupGripAtTop(context.GripCorner);
    vcl::TRect r = bounds;
    if (FDirections.X == -1 && gripLeft)
        r.Left += dx;
    else if (FDirections.X == 1 && !gripLeft)
        r.Right += dx;
    if (FDirections.Y == -1 && gripTop)
        r.Top += dy;
    else if (FDirections.Y == 1 && !gripTop)
        r.Bottom += dy;

    vcl::TSize newSize{r.Width(), r.Height()};
    if (context.CanResize && !context.CanResize(newSize))
        return false;
    if (newSize == size) {
        // Back at the popup's own size: the frame returns to its bounds, so releasing here keeps that size.
        frame = bounds;
        return frame != FFrame;
    }
    if (gripLeft)
        r.Left = r.Right - newSize.cx;
    else
        r.Right = r.Left + newSize.cx;
    if (gripTop)
        r.Top = r.Bottom - newSize.cy;
    else
        r.Bottom = r.Top + newSize.cy;
    r.Left = std::min(r.Left, context.OwnerBounds.Right - 1);
    r.Right = std::max(r.Right, context.OwnerBounds.Left + 1);
    vcl::TRect clipped;
    if (!IntersectRects(clipped, r, context.WorkArea) || clipped == bounds)
        return false;
    frame = clipped;
    return true;
}

} // namespace ui
