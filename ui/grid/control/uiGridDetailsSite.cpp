#include "ui/grid/control/uiGridDetailsSite.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>

namespace ui {

TuiCustomGridDetailsSiteViewInfo::TuiCustomGridDetailsSiteViewInfo(TuiGridLevel& level)
    : TuiComponent(nullptr), FLevel(level) {}

TuiCustomGridDetailsSiteViewInfo::~TuiCustomGridDetailsSiteViewInfo() {
    if (FActiveGridView) {
        FActiveGridView->RemoveFreeNotification(this);
    }
}

TuiCustomGrid* TuiCustomGridDetailsSiteViewInfo::Control() const {
    return FLevel.Control();
}

vcl::TRect TuiCustomGridDetailsSiteViewInfo::GetClientBounds() const {
    const int32_t frame = GetFrameWidth();
    return vcl::Rect(FBounds.Left + frame, FBounds.Top + frame, FBounds.Right - frame, FBounds.Bottom - frame);
}

vcl::TRect TuiCustomGridDetailsSiteViewInfo::GetFrameBounds() const {
    const vcl::TRect client = GetClientBounds();
    const int32_t frame = GetFrameWidth();
    return vcl::Rect(client.Left - frame, client.Top - frame, client.Right + frame, client.Bottom + frame);
}

vcl::TColor TuiCustomGridDetailsSiteViewInfo::GetFrameColor() const {
    return FLevel.Options().GetDetailFrameColor();
}

int32_t TuiCustomGridDetailsSiteViewInfo::GetFrameWidth() const {
    return FLevel.Options().DetailFrameWidth();
}

vcl::TColor TuiCustomGridDetailsSiteViewInfo::GetBackgroundColor() const {
    const TuiCustomGrid* grid = Control();
    return grid ? grid->GetPainter()->GridAreaColor() : vcl::clBtnFace;
}

vcl::TSize TuiCustomGridDetailsSiteViewInfo::MaxClientSize() const {
    // The frame takes the same width on every side, whatever the current bounds are.
    const int32_t frames = 2 * GetFrameWidth();
    return vcl::TSize{GetMaxWidth() - frames, GetMaxHeight() - frames};
}

void TuiCustomGridDetailsSiteViewInfo::Calculate(int32_t left, int32_t top) {
    const int32_t width = CalculateWidth();
    const int32_t height = CalculateHeight();
    FBounds = vcl::Rect(left, top, left + width, top + height);
    if (TuiCustomGridView* view = GetActiveGridView()) {
        view->ViewInfo().CalculateInBounds(GetClientBounds());
    }
}

int32_t TuiCustomGridDetailsSiteViewInfo::CalculateHeight() {
    int32_t height = 0;
    if (TuiCustomGridView* view = GetActiveGridView()) {
        FFullyVisible = false;
        height = view->ViewInfo().GetHeight(MaxClientSize(), FFullyVisible);
    } else {
        FFullyVisible = true;
        height = GetEmptyClientHeight();
    }
    height += 2 * GetFrameWidth();
    FNormalHeight = std::min(height, GetMaxNormalHeight());
    height = FFullyVisible ? std::max(std::min(height, GetMaxHeight()), 0) : GetMaxHeight();
    FNormalHeight = std::max(FNormalHeight, height);
    return height;
}

int32_t TuiCustomGridDetailsSiteViewInfo::CalculateWidth() {
    int32_t width = GetEmptyClientWidth();
    if (TuiCustomGridView* view = GetActiveGridView()) {
        width = view->ViewInfo().GetWidth(MaxClientSize());
    }
    width += 2 * GetFrameWidth();
    return std::min(std::max(width, GetMinWidth()), GetMaxWidth());
}

TuiCustomGridView* TuiCustomGridDetailsSiteViewInfo::GetActiveGridView() {
    if (!FActiveGridViewTaken) {
        FActiveGridViewTaken = true;
        FActiveGridView = GetActiveGridViewValue();
        if (FActiveGridView) {
            FActiveGridView->FreeNotification(this);
        }
    }
    if (FActiveGridView && FActiveGridView->ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return nullptr;
    }
    return FActiveGridView;
}

void TuiCustomGridDetailsSiteViewInfo::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiComponent::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FActiveGridView) {
        FActiveGridView = nullptr;
    }
}

TuiCustomGridHitTest* TuiCustomGridDetailsSiteViewInfo::GetHitTest(vcl::TPoint point) {
    TuiCustomGridView* view = GetActiveGridView();
    if (view == nullptr) {
        return nullptr;
    }
    const TuiGridSite& site = view->Site();
    return &view->ViewInfo().GetHitTest(vcl::Point(point.X - site.Left(), point.Y - site.Top()));
}

void TuiCustomGridDetailsSiteViewInfo::VisibilityChanged(bool visible) {
    if (TuiCustomGridView* view = GetActiveGridView()) {
        view->ViewInfo().UpdateVisibility(visible);
    }
}

void TuiCustomGridDetailsSiteViewInfo::Paint(TuiCanvas& canvas) {
    if (GetFrameWidth() != 0) {
        canvas.FrameRect(GetFrameBounds(), GetFrameColor(), GetFrameWidth());
    }
    canvas.FillRectColor(GetClientBounds(), GetBackgroundColor());
}

} // namespace ui
