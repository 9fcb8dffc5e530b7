#include "ui/grid/control/uiCustomGrid.h"

#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridChanges.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "vcl/forms/Form.h"

#include <algorithm>

namespace ui {

namespace {

bool IsBeingFreed(const TuiCustomGridView* gridView) {
    return gridView->ComponentState().Contains(rtl::TComponentState::csDestroying);
}

} // namespace

TuiCustomGrid::TuiCustomGrid(rtl::TComponent* owner)
    : TuiControl(owner), FChanges(this), FLevelTabs(std::make_unique<TuiGridLevelTabs>(*this)),
      FRootLevel(std::make_unique<TuiGridRootLevel>(this)), FController(std::make_unique<TuiGridController>(*this)),
      FPainter(std::make_unique<TuiGridPainter>(*this)), FViewInfo(std::make_unique<TuiGridViewInfo>(*this)) {
    SetBorderStyle(uicbsDefault);
    SetTabStop(true);
    SetBounds(Left(), Top(), 250, 200);
}

TuiCustomGrid::~TuiCustomGrid() {
    Destroying();
    FChanges.SetDestroying();
    FViewInfo.reset();
    FPainter.reset();
    FController.reset();
    // The levels go while the root still stands: a leaving level asks the grid for its root.
    while (FRootLevel->Count() > 0) {
        Free(FRootLevel->Items(FRootLevel->Count() - 1));
    }
    FRootLevel.reset();
    // The views go with their grid, last first (each leaves its owner's list as it goes).
    while (!FViews.empty()) {
        Free(FViews.back());
    }
}

void TuiCustomGrid::AddChange(std::unique_ptr<TuiCustomGridChange> change) {
    FChanges.AddChange(std::move(change));
}

void TuiCustomGrid::LayoutChanged() {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    AddChange(std::make_unique<TuiGridLayoutChange>(nullptr));
}

void TuiCustomGrid::SizeChanged() {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    AddChange(std::make_unique<TuiGridSizeChange>(nullptr, false, false));
}

bool TuiCustomGrid::TabsDependOnData() const {
    const TuiGridLevelOptions& options = RootLevelOptions();
    return options.DetailTabsPosition() != dtpNone && !options.TabsForEmptyDetails();
}

void TuiCustomGrid::RootLevelDataChanged() {
    if (TabsDependOnData()) {
        LayoutChanged();
    }
}

void TuiCustomGrid::CalculateLayout() {
    FViewInfo->Calculate();
    FPainter->Invalidate(true);
}

void TuiCustomGrid::CreateWnd() {
    TuiControl::CreateWnd();
    SizeChanged();
}

void TuiCustomGrid::BoundsChanged() {
    if (!FViewInfo->IsCalculating()) {
        SizeChanged();
    }
    TuiControl::BoundsChanged();
}

void TuiCustomGrid::LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
    TuiControl::LookAndFeelChanged(sender, changed);
    SizeChanged();
}

bool TuiCustomGrid::IsFocused() const {
    if (TuiControl::IsFocused()) {
        return true;
    }
    const vcl::TCustomForm* form = vcl::GetParentForm(this);
    const vcl::TWinControl* active = form != nullptr ? form->ActiveControl() : nullptr;
    if (active == nullptr || active == this || !ContainsControl(active)) {
        return false;
    }
    const auto* control = dynamic_cast<const TuiControl*>(active);
    return control != nullptr ? control->IsFocused() : active->Focused();
}

void TuiCustomGrid::FocusChanged() {
    TuiControl::FocusChanged();
    if (IsDestroying()) {
        return;
    }
    if (Focused() && FFocusedView) {
        FFocusedView->FocusChanged(true);
    }
    if (TuiCustomGridView* view = ActiveView()) {
        view->Controller().NotifyControlFocusChanged();
    }
}

void TuiCustomGrid::Dispatch(vcl::TMessage& message) {
    if (message.Msg == vcl::CM_DIALOGCHAR && FViewInfo->DetailsSite() &&
        FViewInfo->DetailsSite()->ProcessDialogChar(static_cast<char16_t>(message.WParam))) {
        message.Result = 1;
        return;
    }
    TuiControl::Dispatch(message);
}

void TuiCustomGrid::Paint() {
    TuiControl::Paint();
    FPainter->Paint();
}

void TuiCustomGrid::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseDown(button, shift, x, y);
    FController->MouseDown(button, shift, x, y);
}

void TuiCustomGrid::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    FController->MouseMove(shift, x, y);
}

void TuiCustomGrid::DoLayoutChanged(TuiCustomGridView* gridView) {
    if (FOnLayoutChanged) {
        FOnLayoutChanged(*this, gridView);
    }
}

void TuiCustomGrid::SetActiveLevel(TuiGridLevel* level) {
    if (level == nullptr) {
        level = FRootLevel->FirstVisibleItem();
    }
    if (FActiveLevel == level || (level != nullptr && !level->Visible())) {
        return;
    }
    TuiCustomGridView* previousView = ActiveView();
    FActiveLevel = level;
    if (previousView && previousView != ActiveView()) {
        previousView->ViewInfo().UpdateVisibility(false);
    }
    SizeChanged();
    const bool loading = ComponentState().Contains(rtl::TComponentState::csLoading);
    if (!loading && level != nullptr && FOnActiveTabChanged) {
        FOnActiveTabChanged(*this, level);
    }
    SetFocusedView(level ? level->GridView() : nullptr);
}

TuiCustomGridView* TuiCustomGrid::FocusSubstitute(const TuiCustomGridView* previous) const {
    if (previous) {
        for (TuiCustomGridView* master = previous->MasterGridView(); master; master = master->MasterGridView()) {
            if (!IsBeingFreed(master)) {
                return master;
            }
        }
    }
    for (int32_t index = 0; index < FRootLevel->Count(); ++index) {
        TuiCustomGridView* view = FRootLevel->Items(index)->GridView();
        if (view && !IsBeingFreed(view)) {
            return view;
        }
    }
    return nullptr;
}

void TuiCustomGrid::SetFocusedView(TuiCustomGridView* gridView) {
    if ((gridView != nullptr && !gridView->CanFocus()) || gridView == FFocusedView) {
        return;
    }
    if (!IsDestroying() &&
        ((gridView == nullptr && ActiveView() != nullptr) || (gridView != nullptr && IsBeingFreed(gridView)))) {
        gridView = FocusSubstitute(FFocusedView);
        if (gridView == FFocusedView) {
            return;
        }
    }
    ChangeFocusedView(FFocusedView, gridView);
}

void TuiCustomGrid::ChangeFocusedView(TuiCustomGridView* previous, TuiCustomGridView* gridView) {
    FFocusedView = gridView;
    if (previous) {
        try {
            previous->FocusChanged(false);
        } catch (...) {
            FFocusedView = previous;
            throw;
        }
    }
    if (gridView) {
        gridView->FocusChanged(true);
        if (gridView->Level()) {
            gridView->Level()->SetActive(true);
        }
    }
    if (IsDestroying()) {
        return;
    }
    FNavigatorNotifier.RefreshNavigators();
    if (FOnFocusedViewChanged) {
        FOnFocusedViewChanged(*this, previous, gridView);
    }
}

void TuiCustomGrid::UpdateFocusedView() {
    if (FFocusedView == nullptr || FFocusedView->CanFocus()) {
        return;
    }
    TuiCustomGridView* active = ActiveView();
    if (active && active->CanFocus()) {
        active->SetFocused(true);
    } else {
        SetFocusedView(nullptr);
    }
}

void TuiCustomGrid::AddChildComponent(TuiControlChildComponent* child) {
    TuiControl::AddChildComponent(child);
    auto* view = dynamic_cast<TuiCustomGridView*>(child);
    if (view && std::find(FViews.begin(), FViews.end(), view) == FViews.end()) {
        FViews.push_back(view);
    }
}

void TuiCustomGrid::RemoveChildComponent(TuiControlChildComponent* child) {
    auto* view = dynamic_cast<TuiCustomGridView*>(child);
    if (view) {
        FChanges.RemoveViewChanges(view);
        std::erase(FViews, view);
        if (FFocusedView == view) {
            FFocusedView = nullptr;
        }
    }
    TuiControl::RemoveChildComponent(child);
}

void TuiCustomGrid::SetDragOpeningWaitTime(int32_t value) {
    FDragOpeningWaitTime = std::max(value, 0);
}

void TuiCustomGrid::SetGridTabStop(bool value) {
    FTabStop = value;
}

} // namespace ui
