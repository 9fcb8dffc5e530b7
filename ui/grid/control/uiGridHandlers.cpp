#include "ui/grid/control/uiGridHandlers.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/cells/uiGridCellViewInfo.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevelTabControl.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

TuiGridTopDetailsSiteViewInfo::TuiGridTopDetailsSiteViewInfo(TuiCustomGrid& grid)
    : TuiCustomGridDetailsSiteViewInfo(grid.Levels()), FGrid(grid) {}

TuiGridTopDetailsSiteViewInfo::~TuiGridTopDetailsSiteViewInfo() {
    VisibilityChanged(false);
}

int32_t TuiGridTopDetailsSiteViewInfo::CalculateHeight() {
    return GetMaxHeight();
}

int32_t TuiGridTopDetailsSiteViewInfo::CalculateWidth() {
    return GetMaxWidth();
}

void TuiGridTopDetailsSiteViewInfo::VisibilityChanged(bool visible) {
    if (FGrid.IsDestroying() || (!visible && GetActiveGridView() == FGrid.ActiveView())) {
        return;
    }
    TuiCustomGridDetailsSiteViewInfo::VisibilityChanged(visible);
}

TuiCustomGridView* TuiGridTopDetailsSiteViewInfo::GetActiveGridViewValue() const {
    return FGrid.ActiveView();
}

TuiGridLevel* TuiGridTopDetailsSiteViewInfo::GetActiveLevel() const {
    return FGrid.ActiveLevel();
}

vcl::TWinControl* TuiGridTopDetailsSiteViewInfo::GetContainer() const {
    return &FGrid;
}

void TuiGridTopDetailsSiteViewInfo::InitTabHitTest(TuiGridDetailsSiteTabHitTest& hitTest) const {
    hitTest.SetControl(&FGrid);
}

void TuiGridTopDetailsSiteViewInfo::ActiveLevelChanged(TuiGridLevel& level) {
    FGrid.SetActiveLevel(&level);
}

bool TuiGridTopDetailsSiteViewInfo::HasDetailData(const TuiGridLevel& level) const {
    const TuiCustomGridView* view = level.GridView();
    return view && view->DataController().GetRowCount() > 0;
}

int32_t TuiGridTopDetailsSiteViewInfo::GetMaxHeight() const {
    return FGrid.GetClientBounds().Height();
}

int32_t TuiGridTopDetailsSiteViewInfo::GetMaxWidth() const {
    return FGrid.GetClientBounds().Width();
}

TuiGridViewInfo::~TuiGridViewInfo() = default;

bool TuiGridViewInfo::IsDetailsSiteVisible() const {
    return FGrid.Levels().VisibleCount() > 0;
}

void TuiGridViewInfo::Calculate() {
    if (FCalculating) {
        return;
    }
    FCalculating = true;
    try {
        Recalculate();
        if (IsDetailsSiteVisible()) {
            const vcl::TRect client = FGrid.GetClientBounds();
            FDetailsSite->Calculate(client.Left, client.Top);
        }
    } catch (...) {
        FCalculating = false;
        throw;
    }
    FCalculating = false;
}

void TuiGridViewInfo::Recalculate() {
    std::optional<TuiCustomGridDetailsSiteViewInfoCachedInfo> cachedInfo;
    if (FDetailsSite) {
        cachedInfo = FDetailsSite->GetCachedInfo();
        FDetailsSite.reset();
    }
    FDetailsSite = TuiCustomGridDetailsSiteViewInfo::Create<TuiGridTopDetailsSiteViewInfo>(FGrid);
    FDetailsSite->SetCachedInfo(cachedInfo);
}

TuiCustomGridHitTest& TuiGridViewInfo::GetHitTestAt(int32_t x, int32_t y) {
    const vcl::TPoint point = vcl::Point(x, y);
    if (FDetailsSite && IsDetailsSiteVisible()) {
        if (TuiCustomGridHitTest* hitTest = FDetailsSite->GetHitTest(point)) {
            return *hitTest;
        }
    }
    auto& none = TuiCustomGridHitTest::Instance<TuiGridNoneHitTest>(point);
    none.SetViewInfo(nullptr);
    return none;
}

void TuiGridController::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridHitTest& hitTest = FGrid.ViewInfo().GetHitTestAt(x, y);
    if (TuiCustomGridCellViewInfo* cell = hitTest.ViewInfo()) {
        cell->MouseDown(hitTest, button, shift);
    }
}

void TuiGridController::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridHitTest& hitTest = FGrid.ViewInfo().GetHitTestAt(x, y);
    if (TuiCustomGridCellViewInfo* cell = hitTest.ViewInfo()) {
        cell->MouseMove(hitTest, shift);
    }
}

void TuiGridPainter::Paint() {
    TuiGridViewInfo& viewInfo = FGrid.ViewInfo();
    if (viewInfo.DetailsSite() && viewInfo.IsDetailsSiteVisible()) {
        viewInfo.DetailsSite()->Paint(FGrid.UICanvas());
    }
}

void TuiGridPainter::Invalidate(bool withSites) {
    FGrid.Invalidate();
    if (!withSites) {
        return;
    }
    for (int32_t index = 0; index < FGrid.ControlCount(); ++index) {
        if (auto* site = dynamic_cast<TuiGridSite*>(FGrid.Controls(index))) {
            site->Invalidate();
        }
    }
}

} // namespace ui
