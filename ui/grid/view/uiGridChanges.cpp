#include "ui/grid/view/uiGridChanges.h"

#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/grid/view/uiGridViewInfoCache.h"

namespace ui {

namespace {

// gridView itself, or a master of it at any depth.
bool IsSameOrMaster(const TuiCustomGridView* candidate, const TuiCustomGridView* gridView) {
    return candidate == gridView || (gridView != nullptr && gridView->IsDetailOf(candidate));
}

} // namespace

void TuiGridLayoutChange::Execute() {
    TuiCustomGridView* view = GridView();
    if (view == nullptr) {
        Control()->CalculateLayout();
    } else if (view->CanUpdateLayout() && !view->Site().BoundsRect().IsEmpty()) {
        view->ViewInfo().Recalculate();
        view->Repaint(vcl::TRect{});
    }
    Control()->DoLayoutChanged(view);
}

bool TuiGridLayoutChange::IsCoveredBy(const TuiCustomGridChange& other) const {
    if (const auto* layout = dynamic_cast<const TuiGridLayoutChange*>(&other)) {
        return layout->GridView() == nullptr || (GridView() != nullptr && GridView()->IsDetailOf(layout->GridView()));
    }
    if (const auto* size = dynamic_cast<const TuiGridSizeChange*>(&other)) {
        return size->GridView() == nullptr || IsSameOrMaster(size->GridView(), GridView());
    }
    return false;
}

void TuiGridSizeChange::Execute() {
    TuiCustomGridView* view = GridView();
    if (view == nullptr) {
        if (TuiCustomGridView* active = Control()->ActiveView()) {
            active->SizeChanged(false, FKeepMaster);
        } else {
            Control()->LayoutChanged();
        }
        return;
    }
    if (!view->CanUpdateLayout()) {
        return;
    }
    if (TuiCustomGridViewInfoCache* cache = view->ViewInfoCache()) {
        cache->UnassignValues(FKeepMaster);
    }
    if (FOnlyThisView && FKeepMaster) {
        view->LayoutChanged(true);
        return;
    }
    TuiCustomGridView* master = view->MasterGridView();
    if (master == nullptr) {
        if (view->IsPattern()) {
            view->LayoutChanged(true);
        } else {
            Control()->LayoutChanged();
        }
    } else if (!view->IsPattern() && !master->SizeChanged(false, FKeepMaster)) {
        view->LayoutChanged(true);
    }
}

bool TuiGridSizeChange::IsCoveredBy(const TuiCustomGridChange& other) const {
    const auto* size = dynamic_cast<const TuiGridSizeChange*>(&other);
    return size != nullptr && FOnlyThisView && size->GridView() == GridView() && size->FKeepMaster == FKeepMaster;
}

bool TuiGridSizeChange::Matches(const TuiCustomGridChange& other) const {
    if (!TuiCustomGridViewChange::Matches(other)) {
        return false;
    }
    const auto& size = static_cast<const TuiGridSizeChange&>(other);
    return size.FOnlyThisView == FOnlyThisView && size.FKeepMaster == FKeepMaster;
}

void TuiGridViewChange::Execute() {
    if (GridView()) {
        GridView()->Repaint(FUpdateBounds);
    }
}

bool TuiGridViewChange::IsCoveredBy(const TuiCustomGridChange& other) const {
    const auto* viewChange = dynamic_cast<const TuiCustomGridViewChange*>(&other);
    return viewChange != nullptr && viewChange->GridView() == GridView() &&
           (dynamic_cast<const TuiGridLayoutChange*>(&other) || dynamic_cast<const TuiGridSizeChange*>(&other));
}

bool TuiGridViewChange::Matches(const TuiCustomGridChange& other) const {
    return TuiCustomGridViewChange::Matches(other) &&
           static_cast<const TuiGridViewChange&>(other).FUpdateBounds == FUpdateBounds;
}

void TuiGridControlFocusChange::Execute() {
    TuiCustomGridView* view = GridView();
    if (view && view->IsVisible() && view->Grid()) {
        view->Controller().ControlFocusChanged();
    }
}

} // namespace ui
