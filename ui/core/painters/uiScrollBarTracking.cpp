// The scroll bar's mouse tracking: a press on an arrow or a page area steps at once and repeats while the button is
// held over it; a press on the thumb drags it, the position following the thumb, until the release.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/painters/uiScrollBar.h"
#include "vcl/controls/pointer/Mouse.h"

#include <algorithm>

namespace ui {

namespace {

// How far a dragged thumb's pointer may stray from the bar before the thumb snaps back: along and across it.
constexpr int32_t TrackingMarginAlong = 34;
constexpr int32_t TrackingMarginAcross = 136;

} // namespace

bool TuiScrollBar::IsRepeatingPart(TuiScrollBarPart part) const {
    return part == sbpLineUp || part == sbpLineDown || part == sbpPageUp || part == sbpPageDown;
}

void TuiScrollBar::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) {
        return;
    }
    const TuiScrollBarPart part = PartAtPoint({x, y});
    if (part == sbpNone) {
        return;
    }
    if (part == sbpThumb) {
        FDownMousePos = {x, y};
        FSavePosition = FPosition;
        FSaveThumbnailPos = FViewInfo->ThumbRect().TopLeft();
        ScrollByCode(scTrack);
    }
    FTrackingPart = part;
    FHotPart = part;
    if (IsRepeatingPart(part)) {
        ScrollForPart(part);
        FTimer->SetInterval(RepeatFirstDelay);
        FTimer->SetEnabled(true);
    }
    RepaintNow();
}

void TuiScrollBar::RepeatTimerTick() {
    if (vcl::CaptureControl() != this || !IsRepeatingPart(FTrackingPart)) {
        StopTracking();
        return;
    }
    if (FTimer->Interval() == RepeatFirstDelay) {
        FTimer->SetInterval(RepeatInterval);
    }
    ScrollForPart(FTrackingPart);
    FTimer->SetEnabled(PointerOverTrackedPart());
}

bool TuiScrollBar::PointerOverTrackedPart() const {
    return PartAtPoint(ScreenToClient(vcl::Mouse().CursorPos())) == FTrackingPart;
}

void TuiScrollBar::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomControl::MouseMove(shift, x, y);
    if (FTrackingPart == sbpThumb) {
        DragThumb({x, y});
        return;
    }
    const TuiScrollBarPart part = PartAtPoint({x, y});
    if (FTrackingPart != sbpNone) {
        FTimer->SetEnabled(part == FTrackingPart);
    }
    if (part != FHotPart) {
        FHotPart = part;
        if (HotTrackParts()) {
            RepaintNow();
        }
    }
}

vcl::TRect TuiScrollBar::TrackingBounds() const {
    if (FKind == sbHorizontal) {
        return {-TrackingMarginAlong, -TrackingMarginAcross, Width() + TrackingMarginAlong,
                Height() + TrackingMarginAcross};
    }
    return {-TrackingMarginAcross, -TrackingMarginAlong, Width() + TrackingMarginAcross,
            Height() + TrackingMarginAlong};
}

void TuiScrollBar::DragThumb(vcl::TPoint point) {
    if (!FUnlimitedTracking && !TrackingBounds().Contains(point)) {
        if (FPosition != FSavePosition) {
            SetPosition(FSavePosition);
            ScrollByCode(scTrack);
        }
        return;
    }
    const bool horizontal = FKind == sbHorizontal;
    int32_t delta = horizontal ? point.X - FDownMousePos.X : point.Y - FDownMousePos.Y;
    if (delta == 0) {
        return;
    }
    const int32_t savedStart = horizontal ? FSaveThumbnailPos.X : FSaveThumbnailPos.Y;
    const int32_t trackStart = FViewInfo->TrackStart();
    const int32_t trackEnd = trackStart + FViewInfo->TrackLength();
    delta = std::clamp(delta, trackStart - savedStart, trackEnd - savedStart - FViewInfo->ThumbLength());
    FViewInfo->MoveThumb(savedStart + delta);
    FViewInfo->CalculatePageRects();
    RepaintNow();
    const int32_t position = ThumbToPosition();
    if (position != FPosition) {
        FPosition = position;
        ScrollByCode(scTrack);
    }
}

int32_t TuiScrollBar::ThumbToPosition() const {
    const int32_t free = FViewInfo->TrackLength() - FViewInfo->ThumbLength();
    if (free == 0) {
        return FMin;
    }
    int64_t range = static_cast<int64_t>(FMax) - FMin;
    if (FPageSize > 0) {
        range -= FPageSize - 1;
    }
    const int64_t offset = FViewInfo->ThumbStart() - FViewInfo->TrackStart();
    return static_cast<int32_t>(std::clamp<int64_t>(FMin + ScrollMulDiv(range, offset, free), FMin, FMax));
}

void TuiScrollBar::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomControl::MouseUp(button, shift, x, y);
    StopTracking();
    FHotPart = PartAtPoint({x, y});
}

void TuiScrollBar::StopTracking() {
    if (FTrackingPart == sbpNone) {
        return;
    }
    if (FTrackingPart == sbpThumb) {
        FPosition = ThumbToPosition();
        ScrollByCode(scPosition);
    }
    FTimer->SetEnabled(false);
    FTrackingPart = sbpNone;
    FHotPart = sbpNone;
    ScrollByCode(scEndScroll);
    FViewInfo->CalculateThumb();
    Invalidate();
}

} // namespace ui
