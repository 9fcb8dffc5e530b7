#include "ui/grid/control/uiGridDetailsSiteTabs.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridDetailsSite.h"
#include "ui/grid/control/uiGridLevelTabControl.h"
#include "ui/grid/control/uiGridLevelTabs.h"

#include <algorithm>

namespace ui {

TuiCustomGridDetailsSiteTabsViewInfo::TuiCustomGridDetailsSiteTabsViewInfo(
    TuiCustomGridDetailsSiteViewInfo& siteViewInfo)
    : FSiteViewInfo(siteViewInfo), FTabControl(new TuiGridLevelTabControl(siteViewInfo)) {}

TuiCustomGridDetailsSiteTabsViewInfo::~TuiCustomGridDetailsSiteTabsViewInfo() {
    FTabControl->Discard();
}

int32_t TuiCustomGridDetailsSiteTabsViewInfo::Height() {
    if (FHeight == 0) {
        FHeight = IsVertical() ? FTabControl->CalcFullTabsLength() : FTabControl->GetPageAreaRect().Top;
    }
    return FHeight;
}

int32_t TuiCustomGridDetailsSiteTabsViewInfo::Width() {
    if (FWidth == 0) {
        FWidth = IsVertical() ? FTabControl->GetPageAreaRect().Left : FTabControl->CalcFullTabsLength();
    }
    return FWidth;
}

vcl::TColor TuiCustomGridDetailsSiteTabsViewInfo::GetBackgroundColor() const {
    TuiDrawParams params;
    FSiteViewInfo.GetTabsBackgroundParams(params);
    return params.Color;
}

void TuiCustomGridDetailsSiteTabsViewInfo::InitTabControl() {
    FTabControl->SetShowAccelerators(FSiteViewInfo.ShowTabAccelerators());
    AddTabs();
    InitTabControlLayout();
    InitTabControlAppearance();
}

void TuiCustomGridDetailsSiteTabsViewInfo::AddTabs() {
    const TuiGridLevel& level = FSiteViewInfo.Level();
    const TuiGridLevel* activeLevel = FSiteViewInfo.GetActiveLevel();
    for (int32_t i = 0; i < level.VisibleCount(); ++i) {
        TuiGridLevel& child = *level.VisibleItems(i);
        if (&child == activeLevel || FSiteViewInfo.IsTabVisible(child)) {
            FTabControl->AddLevel(child);
        }
    }
    FTabControl->SetActiveLevel(activeLevel);
}

void TuiCustomGridDetailsSiteTabsViewInfo::InitTabControlLayout() {
    // A style that cannot turn its tabs shows them upright on the side.
    FTabControl->SetRotate(IsVertical() && FTabControl->Painter().ClassType().AllowsRotate());
    FTabControl->SetTabPosition(GetTabPosition());
}

void TuiCustomGridDetailsSiteTabsViewInfo::InitTabControlAppearance() {
    const vcl::TColor background = GetBackgroundColor();
    if (background != vcl::clDefault) {
        FTabControl->SetColor(background);
    }
    if (TuiCustomGrid* grid = FSiteViewInfo.Control()) {
        FTabControl->LookAndFeel().SetMaster(&grid->LookAndFeel());
        const TuiGridLevelTabs& levelTabs = grid->LevelTabs();
        FTabControl->SetImageBorder(levelTabs.ImageBorder());
        FTabControl->SetImages(levelTabs.Images());
        FTabControl->SetTabCaptionAlignment(levelTabs.CaptionAlignment());
        FTabControl->SetStyle(levelTabs.Style());
        FTabControl->SetTabSlants(levelTabs.Slants());
    }
    InitTabColors();
}

void TuiCustomGridDetailsSiteTabsViewInfo::InitTabColors() {
    TuiDrawParams background;
    FSiteViewInfo.GetTabsBackgroundParams(background);
    for (int32_t i = 0; i < FTabControl->Tabs().Count(); ++i) {
        TuiDrawParams params;
        FSiteViewInfo.GetTabParams(*FTabControl->LevelOfTab(i), params);
        if (params.Color != background.Color) {
            FTabControl->Tabs().Tab(i).SetColor(params.Color);
        }
    }
}

void TuiCustomGridDetailsSiteTabsViewInfo::Calculate(const vcl::TRect& bounds) {
    FBounds = bounds;
    CalculateBounds();
    FTabControl->SetBoundsRect(FBounds);
    FTabControl->SetParent(FSiteViewInfo.GetContainer());
    if (FFirstTabIndex) {
        FTabControl->SetFirstDisplayedIndex(*FFirstTabIndex);
        FFirstTabIndex.reset();
    }
}

TuiGridDetailsSiteTabHitTest* TuiCustomGridDetailsSiteTabsViewInfo::GetHitTest(vcl::TPoint point) {
    if (FTabControl->Parent() == nullptr) {
        return nullptr;
    }
    return FTabControl->GetHitTest(vcl::Point(point.X - FTabControl->Left(), point.Y - FTabControl->Top()));
}

bool TuiCustomGridDetailsSiteTabsViewInfo::ProcessDialogChar(char16_t key) {
    return FTabControl->HandleAccelerator(key);
}

int32_t TuiCustomGridDetailsSiteTabsViewInfo::GetFirstTabIndex() const {
    return FFirstTabIndex.value_or(FTabControl->FirstDisplayedIndex());
}

void TuiGridDetailsSiteLeftTabsViewInfo::AdjustClientBounds(vcl::TRect& bounds) {
    bounds.Left += Width();
}

void TuiGridDetailsSiteLeftTabsViewInfo::AdjustSiteHeight(int32_t& height) {
    height = std::max(height, Height());
}

void TuiGridDetailsSiteLeftTabsViewInfo::CalculateBounds() {
    vcl::TRect& bounds = MutableBounds();
    bounds.Right = std::min(bounds.Left + Width(), bounds.Right);
}

void TuiGridDetailsSiteTopTabsViewInfo::AdjustClientBounds(vcl::TRect& bounds) {
    bounds.Top += Height();
}

void TuiGridDetailsSiteTopTabsViewInfo::AdjustSiteWidth(int32_t& width) {
    width = std::max(width, Width());
}

void TuiGridDetailsSiteTopTabsViewInfo::CalculateBounds() {
    vcl::TRect& bounds = MutableBounds();
    bounds.Bottom = std::min(bounds.Top + Height(), bounds.Bottom);
}

} // namespace ui
