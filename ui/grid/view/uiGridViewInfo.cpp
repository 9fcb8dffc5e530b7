#include "ui/grid/view/uiGridViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewStyles.h"

#include <algorithm>
#include <limits>

namespace ui {

TuiCustomGridViewInfo::TuiCustomGridViewInfo(TuiCustomGridView& gridView)
    : TuiGridViewHandler(gridView), FSite(new TuiGridSite(*this)) {}

TuiCustomGridViewInfo::~TuiCustomGridViewInfo() = default;

TuiCanvas& TuiCustomGridViewInfo::Canvas() const {
    return FSite->UICanvas();
}

TuiCanvas& TuiCustomGridViewInfo::MeasuringCanvas() const {
    TuiScreenCanvas* screen = GetSharedScreenCanvas();
    return screen ? static_cast<TuiCanvas&>(*screen) : Canvas();
}

int32_t TuiCustomGridViewInfo::FontHeight(const vcl::TFont* font) const {
    TuiCanvas& canvas = MeasuringCanvas();
    canvas.PushState();
    if (font) {
        canvas.SetFont(*font);
    }
    const int32_t height = canvas.GetTextHeight(u"Qq");
    canvas.PopState();
    return height;
}

void TuiCustomGridViewInfo::UpdateMousePos() {
    if (FSite->Left() == GridSiteParkingLeft) {
        return;
    }
    const vcl::TPoint cursor = CursorPosOrInvalid();
    if (!FSite->HandleAllocated() || cursor == uiInvalidPoint) {
        constexpr int32_t outside = std::numeric_limits<int32_t>::max();
        FMousePos = vcl::Point(outside, outside);
        return;
    }
    FMousePos = FSite->ScreenToClient(cursor);
}

void TuiCustomGridViewInfo::AddProcessingCell(TuiCustomGridCellViewInfo* cell) {
    FProcessingCells.push_back(cell);
}

bool TuiCustomGridViewInfo::IsProcessingCell(const TuiCustomGridCellViewInfo* cell) const {
    return std::find(FProcessingCells.begin(), FProcessingCells.end(), cell) != FProcessingCells.end();
}

void TuiCustomGridViewInfo::RemoveProcessingCell(const TuiCustomGridCellViewInfo* cell, bool all) {
    if (all) {
        std::erase(FProcessingCells, cell);
        return;
    }
    const auto found = std::find(FProcessingCells.begin(), FProcessingCells.end(), cell);
    if (found != FProcessingCells.end()) {
        FProcessingCells.erase(found);
    }
}

void TuiCustomGridViewInfo::CalculateInBounds(const vcl::TRect& rect) {
    if (FIsCalculating) {
        return;
    }
    UpdateMousePos();
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
    AfterCalculating();
}

// The site's bars follow the layout; when they come or go the client area changes, and the layout is worked out once
// more for the new client area, whose own calculation then checks the controller's positions.
void TuiCustomGridViewInfo::AfterCalculating() {
    FFollowingScrollBars = true;
    try {
        FSite->UpdateScrollBars();
    } catch (...) {
        FFollowingScrollBars = false;
        throw;
    }
    FFollowingScrollBars = false;
    if (!FRecalculatingForScrollBars && FSite->GetClientBounds() != FClientBounds) {
        FRecalculatingForScrollBars = true;
        try {
            Recalculate();
        } catch (...) {
            FRecalculatingForScrollBars = false;
            throw;
        }
        FRecalculatingForScrollBars = false;
        return;
    }
    GridView().Controller().CheckCoordinatesGuarded();
}

void TuiCustomGridViewInfo::Recalculate() {
    CalculateInBounds(FSite->BoundsRect());
}

namespace {

// Runs calculation with flag set, cleared again even when it raises.
template <class TCalculation>
void WithFlagSet(bool& flag, TCalculation&& calculation) {
    flag = true;
    try {
        calculation();
    } catch (...) {
        flag = false;
        throw;
    }
    flag = false;
}

} // namespace

int32_t TuiCustomGridViewInfo::GetHeight(const vcl::TSize& maxSize, bool& fullyVisible) {
    int32_t height = 0;
    WithFlagSet(FSizeCalculating, [&] { CalculateHeight(maxSize, height, fullyVisible); });
    return height;
}

int32_t TuiCustomGridViewInfo::GetWidth(const vcl::TSize& maxSize) {
    int32_t width = 0;
    WithFlagSet(FSizeCalculating, [&] { CalculateWidth(maxSize, width); });
    return width;
}

void TuiCustomGridViewInfo::CalculateHeight(const vcl::TSize& /*maxSize*/, int32_t& height, bool& /*fullyVisible*/) {
    if (FSite->IsHScrollBarVisible()) {
        height += FSite->HScrollBarBounds().Height();
    }
}

void TuiCustomGridViewInfo::CalculateWidth(const vcl::TSize& maxSize, int32_t& width) {
    if (FSite->IsVScrollBarVisible()) {
        width += FSite->VScrollBarBounds().Width();
    }
    width = std::min(width, maxSize.cx);
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
    TuiDrawParams params;
    GridView().Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    return params.Color;
}

TuiCustomGridHitTest& TuiCustomGridViewInfo::GetHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridViewNoneHitTest>(point);
    hitTest.SetViewInfo(nullptr);
    hitTest.SetGridView(&GridView());
    return hitTest;
}

} // namespace ui
