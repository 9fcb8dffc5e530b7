#include "ui/grid/control/uiGridDetailsSite.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridDetailsSiteTabs.h"
#include "ui/grid/control/uiGridLevelStyles.h"
#include "ui/grid/control/uiGridLevelTabControl.h"
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

void TuiCustomGridDetailsSiteViewInfo::CreateTabs() {
    switch (TabsPosition()) {
    case dtpNone:
        return;
    case dtpLeft:
        FTabsViewInfo = std::make_unique<TuiGridDetailsSiteLeftTabsViewInfo>(*this);
        break;
    case dtpTop:
        FTabsViewInfo = std::make_unique<TuiGridDetailsSiteTopTabsViewInfo>(*this);
        break;
    }
    FTabsViewInfo->InitTabControl();
}

TuiCustomGrid* TuiCustomGridDetailsSiteViewInfo::Control() const {
    return FLevel.Control();
}

vcl::TRect TuiCustomGridDetailsSiteViewInfo::ClientBoundsWithin(const vcl::TRect& bounds) const {
    vcl::TRect client = bounds;
    if (FTabsViewInfo) {
        FTabsViewInfo->AdjustClientBounds(client);
    }
    const int32_t frame = GetFrameWidth();
    return vcl::Rect(client.Left + frame, client.Top + frame, client.Right - frame, client.Bottom - frame);
}

vcl::TRect TuiCustomGridDetailsSiteViewInfo::GetClientBounds() const {
    return ClientBoundsWithin(FBounds);
}

// What the strip and the frame take is the same for any bounds: measured on empty ones.
int32_t TuiCustomGridDetailsSiteViewInfo::NonClientHeight() const {
    return -ClientBoundsWithin({}).Height();
}

int32_t TuiCustomGridDetailsSiteViewInfo::NonClientWidth() const {
    return -ClientBoundsWithin({}).Width();
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
    return vcl::TSize{GetMaxWidth() - NonClientWidth(), GetMaxHeight() - NonClientHeight()};
}

void TuiCustomGridDetailsSiteViewInfo::Calculate(int32_t left, int32_t top) {
    const int32_t width = CalculateWidth();
    const int32_t height = CalculateHeight();
    FBounds = vcl::Rect(left, top, left + width, top + height);
    if (FTabsViewInfo) {
        FTabsViewInfo->Calculate(FBounds);
    }
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
    height += NonClientHeight();
    if (FTabsViewInfo) {
        FTabsViewInfo->AdjustSiteHeight(height);
    }
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
    width += NonClientWidth();
    if (FTabsViewInfo) {
        FTabsViewInfo->AdjustSiteWidth(width);
    }
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
    if (FTabsViewInfo) {
        if (TuiCustomGridHitTest* hitTest = FTabsViewInfo->GetHitTest(point)) {
            return hitTest;
        }
    }
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

bool TuiCustomGridDetailsSiteViewInfo::IsTabVisible(const TuiGridLevel& level) const {
    return FLevel.Options().TabsForEmptyDetails() || HasDetailData(level);
}

void TuiCustomGridDetailsSiteViewInfo::GetTabsBackgroundParams(TuiDrawParams& params) const {
    FLevel.Styles().ResolveDrawParams(TuiGridLevelStyles::lsTabsBackground, nullptr, nullptr, params);
}

void TuiCustomGridDetailsSiteViewInfo::GetTabParams(TuiGridLevel& tabLevel, TuiDrawParams& params) const {
    FLevel.Styles().GetTabDrawParams(nullptr, tabLevel, params);
}

bool TuiCustomGridDetailsSiteViewInfo::ProcessDialogChar(char16_t key) {
    return FTabsViewInfo && FTabsViewInfo->ProcessDialogChar(key);
}

std::optional<TuiCustomGridDetailsSiteViewInfoCachedInfo> TuiCustomGridDetailsSiteViewInfo::GetCachedInfo() const {
    if (!FTabsViewInfo) {
        return std::nullopt;
    }
    return TuiCustomGridDetailsSiteViewInfoCachedInfo{FTabsViewInfo->GetFirstTabIndex()};
}

void TuiCustomGridDetailsSiteViewInfo::SetCachedInfo(
    const std::optional<TuiCustomGridDetailsSiteViewInfoCachedInfo>& info) {
    if (FTabsViewInfo && info) {
        FTabsViewInfo->SetFirstTabIndex(info->FirstTabIndex);
    }
}

} // namespace ui
