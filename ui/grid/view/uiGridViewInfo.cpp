#include "ui/grid/view/uiGridViewInfo.h"

#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

namespace {

void FreeGridSite(TuiGridSite* site) {
    rtl::TComponent::Free(site);
}

} // namespace

TuiCustomGridViewInfo::TuiCustomGridViewInfo(TuiCustomGridView& gridView)
    : TuiGridViewHandler(gridView), FSite(new TuiGridSite(*this), &FreeGridSite) {}

TuiCustomGridViewInfo::~TuiCustomGridViewInfo() = default;

TuiCanvas& TuiCustomGridViewInfo::Canvas() const {
    return FSite->UICanvas();
}

void TuiCustomGridViewInfo::CalculateInBounds(const vcl::TRect& rect) {
    if (FIsCalculating) {
        return;
    }
    FIsCalculating = true;
    try {
        FSite->SetBoundsRect(rect);
        FClientBounds = FSite->GetClientBounds();
        Calculate();
    } catch (...) {
        FIsCalculating = false;
        UpdateVisibility(true);
        throw;
    }
    FIsCalculating = false;
    UpdateVisibility(true);
}

void TuiCustomGridViewInfo::Recalculate() {
    CalculateInBounds(FSite->BoundsRect());
}

void TuiCustomGridViewInfo::UpdateVisibility(bool visible) {
    FVisibilityChanging = true;
    try {
        VisibilityChanged(visible && GridView().IsVisible());
    } catch (...) {
        FVisibilityChanging = false;
        throw;
    }
    FVisibilityChanging = false;
}

void TuiCustomGridViewInfo::VisibilityChanged(bool visible) {
    if (visible) {
        FSite->SetParent(Control());
    } else if (CanHideSite()) {
        FSite->SetParent(nullptr);
    } else {
        FSite->SetLeft(GridSiteParkingLeft);
    }
}

bool TuiCustomGridViewInfo::CanHideSite() const {
    const TuiCustomGrid* grid = Control();
    if (grid == nullptr || GridView().ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return true;
    }
    if (FSite->Focused()) {
        return false;
    }
    const TuiCustomGridView* focused = grid->FocusedView();
    if (focused == nullptr) {
        return true;
    }
    for (const vcl::TControl* control = &focused->Site(); control; control = control->Parent()) {
        if (control == FSite.get()) {
            return false;
        }
    }
    return true;
}

vcl::TColor TuiCustomGridViewInfo::GetBackgroundColor() const {
    const TuiCustomGrid* grid = Control();
    return grid ? grid->GetPainter()->ContentColor() : vcl::clWindow;
}

TuiCustomGridHitTest& TuiCustomGridViewInfo::GetHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridViewNoneHitTest>(point);
    hitTest.SetViewInfo(nullptr);
    hitTest.SetGridView(&GridView());
    return hitTest;
}

} // namespace ui
