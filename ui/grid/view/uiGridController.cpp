#include "ui/grid/view/uiGridController.h"

#include "ui/grid/cells/uiGridCellViewInfo.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridChanges.h"
#include "ui/grid/view/uiGridHintHelper.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

namespace ui {

TuiCustomGridController::TuiCustomGridController(TuiCustomGridView& gridView) : TuiGridViewHandler(gridView) {}

TuiCustomGridController::~TuiCustomGridController() = default;

TuiGridHintHelper& TuiCustomGridController::HintHelper() {
    if (!FHintHelper) {
        FHintHelper = std::make_unique<TuiGridHintHelper>(GridView().Site());
    }
    return *FHintHelper;
}

void TuiCustomGridController::ShowHint(const vcl::TRect& areaBounds, const vcl::TRect& textBounds,
                                       const TuiCustomGridCellViewInfo* cell, const vcl::TFont& font, bool multiLine,
                                       rtl::UnicodeStringView text) {
    HintHelper().ShowHint(areaBounds, textBounds, font, multiLine, text);
    FHintCell = HintHelper().IsHintShown() ? cell : nullptr;
}

void TuiCustomGridController::HideHint() {
    FHintCell = nullptr;
    if (FHintHelper) {
        FHintHelper->HideHint();
    }
}

void TuiCustomGridController::CheckCoordinatesGuarded() {
    if (FIsCheckingCoordinates) {
        return;
    }
    FIsCheckingCoordinates = true;
    try {
        CheckCoordinates();
    } catch (...) {
        FIsCheckingCoordinates = false;
        throw;
    }
    FIsCheckingCoordinates = false;
}

bool TuiCustomGridController::CanHandleHitTest(const TuiCustomGridHitTest& hitTest) const {
    const auto* viewHitTest = dynamic_cast<const TuiCustomGridViewHitTest*>(&hitTest);
    return viewHitTest == nullptr || viewHitTest->GridView() == &GridView();
}

vcl::TCursor TuiCustomGridController::GetCursor(int32_t x, int32_t y) const {
    const TuiCustomGridHitTest& hitTest = GridView().ViewInfo().GetHitTest(vcl::Point(x, y));
    return CanHandleHitTest(hitTest) ? hitTest.Cursor() : vcl::TCursor{0};
}

void TuiCustomGridController::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    FIsDblClick = shift.Contains(vcl::ssDouble);
    TuiCustomGridHitTest& hitTest = GridView().ViewInfo().GetHitTest(vcl::Point(x, y));
    if (TuiCustomGridCellViewInfo* cell = hitTest.ViewInfo()) {
        cell->MouseDown(hitTest, button, shift);
    }
}

namespace {

// The cell holding the site's mouse capture, else the cell under the pointer.
TuiCustomGridCellViewInfo* MouseTargetCell(const TuiGridSite& site, const TuiCustomGridHitTest& hitTest) {
    if (auto* capture = dynamic_cast<TuiCustomGridCellViewInfo*>(site.MouseCaptureObject())) {
        return capture;
    }
    return hitTest.ViewInfo();
}

} // namespace

void TuiCustomGridController::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridHitTest& hitTest = GridView().ViewInfo().GetHitTest(vcl::Point(x, y));
    if (TuiCustomGridCellViewInfo* cell = MouseTargetCell(GridView().Site(), hitTest)) {
        cell->MouseMove(hitTest, shift);
    }
}

void TuiCustomGridController::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridHitTest& hitTest = GridView().ViewInfo().GetHitTest(vcl::Point(x, y));
    if (TuiCustomGridCellViewInfo* cell = MouseTargetCell(GridView().Site(), hitTest)) {
        cell->MouseUp(hitTest, button, shift);
    }
}

void TuiCustomGridController::MakeFocused() {
    const bool wasFocusing = FIsFocusing;
    FIsFocusing = true;
    try {
        TuiGridSite& site = GridView().Site();
        site.SetTabStop(GridView().CanFocus());
        TuiCustomGrid* grid = Control();
        if (grid && grid->Focused() && site.CanFocus()) {
            site.SetFocus();
        }
    } catch (...) {
        FIsFocusing = wasFocusing;
        throw;
    }
    FIsFocusing = wasFocusing;
}

void TuiCustomGridController::LoseFocus() {
    TuiGridSite& site = GridView().Site();
    site.SetTabStop(false);
    if (!GridView().IsVisible()) {
        site.SetParent(nullptr);
    }
}

void TuiCustomGridController::NotifyControlFocusChanged() {
    GridView().PostChange(std::make_unique<TuiGridControlFocusChange>(&GridView()));
}

void TuiCustomGridController::ControlFocusChanged() {
    GridView().ViewInfo().ControlFocusChanged();
}

} // namespace ui
