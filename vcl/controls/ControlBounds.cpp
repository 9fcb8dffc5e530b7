// TControl: bounds, client area, alignment requests, anchors, constraints, auto size and scaling.

#include "vcl/controls/Control.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (!CheckNewSize(width, height)) {
        return;
    }
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) {
        return;
    }
    const TRect oldBounds = BoundsRect();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    const TControlLink link(this);
    UpdateBoundsRect(oldBounds);
    if (!link.Alive()) {
        return;
    }
    UpdateAnchorRules();
    if (oldBounds.Width() != width || oldBounds.Height() != height) {
        if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
            Resize();
        }
        if (!link.Alive()) {
            return;
        }
    }
    RequestAlign();
}

// A graphic control is drawn by its parent: the parent repaints where it was and where it is now.
void TControl::UpdateBoundsRect(const TRect& oldBounds) {
    if (!FVisible || !FParent || !FParent->HandleAllocated()) {
        return;
    }
    InvalidateRect(FParent->WindowHandle(), AsRECT(&oldBounds), TRUE);
    Invalidate();
}

bool TControl::CheckNewSize(int32_t& width, int32_t& height) {
    int32_t newWidth = std::max(width, 0);
    int32_t newHeight = std::max(height, 0);
    if (!CanResize(newWidth, newHeight)) {
        return false;
    }
    if (FAutoSize && !DoCanAutoSize(newWidth, newHeight)) {
        return false;
    }
    int32_t minWidth = 0;
    int32_t minHeight = 0;
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
    ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
    if (maxWidth > 0) {
        newWidth = std::min(newWidth, maxWidth);
    }
    if (maxHeight > 0) {
        newHeight = std::min(newHeight, maxHeight);
    }
    width = std::max(newWidth, minWidth);
    height = std::max(newHeight, minHeight);
    return true;
}

// An alignment fixes one or both dimensions; auto size changes only the free ones.
bool TControl::DoCanAutoSize(int32_t& width, int32_t& height) {
    if (FAlign == alClient) {
        return true;
    }
    int32_t autoWidth = width;
    int32_t autoHeight = height;
    if (!CanAutoSize(autoWidth, autoHeight)) {
        return false;
    }
    if (FAlign != alTop && FAlign != alBottom) {
        width = autoWidth;
    }
    if (FAlign != alLeft && FAlign != alRight) {
        height = autoHeight;
    }
    return true;
}

bool TControl::CanResize(int32_t& newWidth, int32_t& newHeight) {
    bool resize = true;
    if (FOnCanResize) {
        FOnCanResize(this, newWidth, newHeight, resize);
    }
    return resize;
}

bool TControl::CanAutoSize(int32_t&, int32_t&) {
    return true;
}

void TControl::ConstrainedResize(int32_t& minWidth, int32_t& minHeight, int32_t& maxWidth, int32_t& maxHeight) {
    minWidth = FConstraints->MinWidth();
    minHeight = FConstraints->MinHeight();
    maxWidth = FConstraints->MaxWidth();
    maxHeight = FConstraints->MaxHeight();
    if (FOnConstrainedResize) {
        FOnConstrainedResize(this, minWidth, minHeight, maxWidth, maxHeight);
    }
}

void TControl::DoConstraintsChange() {
    AdjustSize();
}

void TControl::AdjustSize() {
    if (ComponentState().Contains(rtl::TComponentState::csLoading) || FAutoSizing) {
        return;
    }
    FAutoSizing = true;
    const TControlLink link(this);
    SetBounds(FLeft, FTop, FWidth, FHeight);
    if (link.Alive()) {
        FAutoSizing = false;
    }
}

void TControl::SetAutoSize(bool value) {
    if (value != FAutoSize) {
        FAutoSize = value;
        if (value) {
            AdjustSize();
        }
    }
}

void TControl::Resize() {
    if (FOnResize) {
        FOnResize(this);
    }
}

TRect TControl::GetClientRect() const {
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(int32_t width, int32_t height) {
    const TRect client = GetClientRect();
    SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

TPoint TControl::GetClientOrigin() const {
    if (!FParent) {
        return {FLeft, FTop};
    }
    const TPoint parentOrigin = FParent->ClientOrigin();
    return {parentOrigin.X + FLeft, parentOrigin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint point) const {
    const TPoint origin = ClientOrigin();
    return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
    const TPoint origin = ClientOrigin();
    return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetAlign(TAlign value) {
    if (value != FAlign) {
        FAlign = value;
        RequestAlign();
    }
}

void TControl::SetAnchors(TAnchors value) {
    if (value != FAnchors) {
        FAnchors = value;
        UpdateAnchorRules();
    }
}

void TControl::RequestAlign() {
    if (FParent) {
        FParent->AlignControl(this);
    }
}

void TControl::UpdateAnchorRules() {
    if (FAnchorMove || !FParent) {
        return;
    }
    FAnchorBounds = BoundsRect();
    FAnchorParentSize = {FParent->ClientWidth(), FParent->ClientHeight()};
}

namespace {

// One dimension of anchoring: the near and far edge of the control when the parent's extent changes from
// originalExtent to extent.
void AnchorSpan(int32_t& nearEdge, int32_t& farEdge, bool keepNear, bool keepFar, int32_t originalExtent,
                int32_t extent) {
    const int32_t size = farEdge - nearEdge;
    const int32_t farDistance = originalExtent - farEdge;
    if (keepNear && keepFar) {
        farEdge = std::max(nearEdge, extent - farDistance);
    } else if (keepFar) {
        farEdge = extent - farDistance;
        nearEdge = farEdge - size;
    } else if (!keepNear) {
        const int64_t centre = (int64_t{nearEdge} + farEdge) * extent / (2 * int64_t{originalExtent});
        nearEdge = static_cast<int32_t>(centre) - size / 2;
        farEdge = nearEdge + size;
    }
}

} // namespace

TRect TControl::AnchoredBounds() const {
    TRect bounds = FAnchorBounds;
    if (!FParent || FAnchorParentSize.cx <= 0 || FAnchorParentSize.cy <= 0) {
        return BoundsRect();
    }
    AnchorSpan(bounds.Left, bounds.Right, FAnchors.Contains(akLeft), FAnchors.Contains(akRight), FAnchorParentSize.cx,
               FParent->ClientWidth());
    AnchorSpan(bounds.Top, bounds.Bottom, FAnchors.Contains(akTop), FAnchors.Contains(akBottom), FAnchorParentSize.cy,
               FParent->ClientHeight());
    return bounds;
}

void TControl::ChangeScale(int32_t multiplier, int32_t divisor) {
    if (multiplier == divisor) {
        return;
    }
    FConstraints->Scale(multiplier, divisor);
    const int32_t left = MulDiv(FLeft, multiplier, divisor);
    const int32_t top = MulDiv(FTop, multiplier, divisor);
    const int32_t right = MulDiv(FLeft + FWidth, multiplier, divisor);
    const int32_t bottom = MulDiv(FTop + FHeight, multiplier, divisor);
    SetBounds(left, top, right - left, bottom - top);
    if (!FParentFont) {
        FFont->SetHeight(MulDiv(FFont->Height(), multiplier, divisor));
    }
}

} // namespace vcl
