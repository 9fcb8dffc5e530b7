#include "ui/grid/view/uiGridSite.h"

#include "ui/core/controls/services/uiTimers.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridDragAndDrop.h"
#include "ui/grid/view/uiGridPainter.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "vcl/system/Messages.h"

namespace ui {

TuiGridSite::TuiGridSite(TuiCustomGridViewInfo& viewInfo) : TuiControl(nullptr), FViewInfo(viewInfo) {
    SetKeys(TuiControlKeys{kArrows, kChars});
    SetBorderStyle(uicbsNone);
}

TuiGridSite::~TuiGridSite() = default;

TuiCustomGridView& TuiGridSite::GridView() const {
    return FViewInfo.GridView();
}

vcl::TCursor TuiGridSite::GetCurrentCursor(int32_t x, int32_t y) const {
    const vcl::TCursor cursor = GridView().Controller().GetCursor(x, y);
    return cursor != 0 ? cursor : TuiControl::GetCurrentCursor(x, y);
}

void TuiGridSite::SetParent(vcl::TWinControl* parent) {
    vcl::TWinControl* oldParent = Parent();
    if (parent != oldParent) {
        TuiCustomGrid* grid = GridView().Grid();
        if (parent && grid) {
            LookAndFeel().SetMaster(&grid->LookAndFeel());
        }
        if (!parent && oldParent && grid && grid->FocusedView() == &GridView() && Focused() &&
            !oldParent->ComponentState().Contains(rtl::TComponentState::csDestroying) && oldParent->CanFocus()) {
            oldParent->SetFocus();
        }
    }
    TuiControl::SetParent(parent);
}

void TuiGridSite::Paint() {
    if (GridView().IsUpdateLocked() || FViewInfo.IsCalculating() || Left() == GridSiteParkingLeft) {
        return;
    }
    auto* drag = DragAndDropState() == ddsInProcess
                     ? dynamic_cast<TuiCustomGridDragAndDropObject*>(&DragAndDropObject())
                     : nullptr;
    if (drag != nullptr) {
        drag->BeforePaint();
    }
    TuiControl::Paint();
    GridView().Painter().Paint();
    if (drag != nullptr) {
        drag->AfterPaint();
    }
}

void TuiGridSite::BoundsChanged() {
    if (ControlState().Contains(vcl::csCreating)) {
        TuiControl::BoundsChanged();
        return;
    }
    const vcl::TSize oldSize = FClientSize;
    const vcl::TRect client = GetClientBounds();
    FClientSize = vcl::TSize{client.Right, client.Bottom};
    if (FViewInfo.IsVisibilityChanging()) {
        return;
    }
    const bool changed = oldSize.cx != FClientSize.cx || oldSize.cy != FClientSize.cy;
    // A layout follows the bars it shows itself.
    const bool layoutFollows = FViewInfo.IsCalculating() || FViewInfo.IsFollowingScrollBars();
    if (oldSize.cx > 0 && oldSize.cy > 0 && changed && !layoutFollows) {
        if (UpdatingScrollBars()) {
            StartDeferredSizeChanged();
        } else if (CanTakeSizeChange()) {
            GridView().SiteSizeChanged();
        }
    }
    TuiControl::BoundsChanged();
}

bool TuiGridSite::CanTakeSizeChange() const {
    for (const TuiCustomGridView* view = &GridView(); view != nullptr; view = view->MasterGridView()) {
        const TuiCustomGridViewInfo& viewInfo = view->ViewInfo();
        if (viewInfo.IsCalculating() || viewInfo.IsVisibilityChanging()) {
            return false;
        }
    }
    return true;
}

void TuiGridSite::StartDeferredSizeChanged() {
    if (!FDeferredSizeTimer) {
        FDeferredSizeTimer = std::make_unique<TuiTimer>(nullptr);
        FDeferredSizeTimer->SetInterval(1);
        FDeferredSizeTimer->SetOnTimer([this](rtl::TObject*) {
            FDeferredSizeTimer->SetEnabled(false);
            GridView().SiteSizeChanged();
        });
    }
    FDeferredSizeTimer->SetEnabled(false);
    FDeferredSizeTimer->SetEnabled(true);
}

void TuiGridSite::BeforeMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::BeforeMouseDown(button, shift, x, y);
    if (HandleAllocated()) {
        GridView().Controller().MouseDown(button, shift, x, y);
    }
}

void TuiGridSite::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    if (DragAndDropState() == ddsNone) {
        GridView().Controller().MouseMove(shift, x, y);
    }
}

void TuiGridSite::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    if (DragAndDropState() != ddsNone) {
        TuiControl::MouseUp(button, shift, x, y);
        GridView().Controller().MouseUp(button, shift, x, y);
        return;
    }
    GridView().Controller().MouseUp(button, shift, x, y);
    TuiControl::MouseUp(button, shift, x, y);
}

void TuiGridSite::DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) {
    TuiControl::DragOver(source, x, y, state, accept);
    GridView().Controller().DragOver(vcl::Point(x, y), state);
}

void TuiGridSite::Dispatch(vcl::TMessage& message) {
    if (message.Msg == vcl::CM_WANTSPECIALKEY) {
        message.Result = GridView().Controller().WantsDialogKey(static_cast<uint16_t>(message.WParam)) ? 1 : 0;
        return;
    }
    TuiControl::Dispatch(message);
}

void TuiGridSite::InitScrollBarsParameters() {
    GridView().Controller().InitScrollBarsParameters();
}

void TuiGridSite::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    GridView().Controller().Scroll(kind, code, position);
}

bool TuiGridSite::StartDragAndDrop(vcl::TPoint point) {
    FStartingDragAndDropObject = GridView().Controller().CreateDragAndDropObject(point);
    return FStartingDragAndDropObject != nullptr;
}

std::unique_ptr<TuiDragAndDropObject> TuiGridSite::CreateDragAndDropObject() {
    if (FStartingDragAndDropObject) {
        return std::move(FStartingDragAndDropObject);
    }
    return TuiControl::CreateDragAndDropObject();
}

void TuiGridSite::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiControl::KeyDown(key, shift);
    if (key != 0) {
        GridView().Controller().KeyDown(key, shift);
    }
}

// The controller first: a character it swallows (the space of Ctrl+Space) reaches no OnKeyPress handler.
void TuiGridSite::KeyPress(char16_t& key) {
    GridView().Controller().KeyPress(key);
    if (key != 0) {
        TuiControl::KeyPress(key);
    }
}

void TuiGridSite::FocusChanged() {
    TuiControl::FocusChanged();
    if (Focused()) {
        GridView().SetFocused(true);
    }
    GridView().Controller().NotifyControlFocusChanged();
}

} // namespace ui
