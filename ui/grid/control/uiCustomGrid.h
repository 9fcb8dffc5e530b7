#pragma once
// TuiCustomGrid: the grid's window control. It owns the level tree (its root level), the views attached to it and
// the change queue through which the views report what must be laid out or repainted; it decides which top level is
// active and which view has the focus, and shows the top levels as tabs when its root level asks for them.
// TuiGrid is the class the application places on a form.

#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/common/uiGridChangeQueue.h"
#include "ui/grid/common/uiNavigatorNotifier.h"
#include "ui/grid/control/uiGridHandlers.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/control/uiGridLevelTabs.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomGridView;

using TuiGridActiveTabChangedEvent = std::function<void(TuiCustomGrid& sender, TuiGridLevel* level)>;
using TuiGridFocusedViewChangedEvent =
    std::function<void(TuiCustomGrid& sender, TuiCustomGridView* previous, TuiCustomGridView* focused)>;
using TuiGridLayoutChangedEvent = std::function<void(TuiCustomGrid& sender, TuiCustomGridView* gridView)>;

class TuiCustomGrid : public TuiControl {
    RTL_DECLARE_CLASS(TuiCustomGrid, TuiControl)
public:
    explicit TuiCustomGrid(rtl::TComponent* owner);
    ~TuiCustomGrid() override;

    // The change queue (any view's BeginUpdate reaches it).
    void BeginUpdate() { FChanges.BeginUpdate(); }
    void EndUpdate() { FChanges.EndUpdate(); }
    void CancelUpdate() { FChanges.CancelUpdate(); }
    int32_t ChangeLockCount() const { return FChanges.LockCount(); }
    void AddChange(std::unique_ptr<TuiCustomGridChange> change);
    void RemoveViewChanges(const TuiCustomGridView* gridView) { FChanges.RemoveViewChanges(gridView); }
    // A grid-wide layout or size change.
    void LayoutChanged();
    void SizeChanged();
    // The top level tabs depend on data: they are shown and hide empty details.
    bool TabsDependOnData() const;
    // A top view's data changed: when the tabs depend on data they may come or go.
    void RootLevelDataChanged();
    // Lays the grid out: the top details site, and the active view's site in it, fill the client area.
    void CalculateLayout();
    TuiGridController& Controller() const { return *FController; }
    TuiGridPainter& Painter() const { return *FPainter; }
    TuiGridViewInfo& ViewInfo() const { return *FViewInfo; }
    // The navigators refreshed when the focused view changes.
    TuiNavigatorControlNotifier& NavigatorNotifier() { return FNavigatorNotifier; }
    // Fires OnLayoutChanged after a layout change ran.
    void DoLayoutChanged(TuiCustomGridView* gridView);

    // The invisible root of the level tree.
    TuiGridLevel& Levels() const { return *FRootLevel; }
    TuiGridLevelOptions& RootLevelOptions() const { return FRootLevel->Options(); }
    // How the level tabs look; setting copies the given values.
    TuiGridLevelTabs& LevelTabs() const { return *FLevelTabs; }
    void SetLevelTabs(const TuiGridLevelTabs& value) { FLevelTabs->Assign(&value); }
    TuiGridLevel* ActiveLevel() const { return FActiveLevel; }
    // nullptr activates the first visible top level; an invisible level is refused.
    void SetActiveLevel(TuiGridLevel* level);
    TuiCustomGridView* ActiveView() const { return FActiveLevel ? FActiveLevel->GridView() : nullptr; }
    TuiCustomGridView* FocusedView() const { return FFocusedView; }
    // A view that cannot take the focus is refused; nullptr or a view being freed picks a substitute.
    void SetFocusedView(TuiCustomGridView* gridView);
    // After a level went away or was hidden.
    void UpdateFocusedView();

    // Every view whose control is the grid.
    int32_t ViewCount() const { return static_cast<int32_t>(FViews.size()); }
    TuiCustomGridView* Views(int32_t index) const { return FViews.at(static_cast<size_t>(index)); }
    void AddChildComponent(TuiControlChildComponent* child) override;
    void RemoveChildComponent(TuiControlChildComponent* child) override;

    bool DragOpening() const { return FDragOpening; }
    void SetDragOpening(bool value) { FDragOpening = value; }
    int32_t DragOpeningWaitTime() const { return FDragOpeningWaitTime; }
    // Negative times are stored as 0.
    void SetDragOpeningWaitTime(int32_t value);
    bool GridTabStop() const { return FTabStop; }
    void SetGridTabStop(bool value);

    void SetOnActiveTabChanged(TuiGridActiveTabChangedEvent handler) { FOnActiveTabChanged = std::move(handler); }
    void SetOnFocusedViewChanged(TuiGridFocusedViewChangedEvent handler) { FOnFocusedViewChanged = std::move(handler); }
    void SetOnLayoutChanged(TuiGridLayoutChangedEvent handler) { FOnLayoutChanged = std::move(handler); }

    // The grid never takes the focus on a click; its sites do.
    bool MayFocus() const override { return false; }
    // The grid, or the control of its form that has the focus inside it (a site, an in-place editor).
    bool IsFocused() const override;
    // An accelerator goes to the top level tabs first.
    void Dispatch(vcl::TMessage& message) override;

protected:
    // A grid read from a form description queued no change while it was loading, and its views' sites need its
    // window: it lays itself out once it has one.
    void CreateWnd() override;
    // The grid lays itself out again.
    void BoundsChanged() override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    // The focused view takes the focus; the active view hears of it through a queued change.
    void FocusChanged() override;
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;

private:
    // The level tabs hand the grid the mouse they receive.
    friend class TuiGridLevelTabControl;

    TuiCustomGridView* FocusSubstitute(const TuiCustomGridView* previous) const;
    void ChangeFocusedView(TuiCustomGridView* previous, TuiCustomGridView* gridView);

    TuiGridChangeQueue FChanges;
    TuiNavigatorControlNotifier FNavigatorNotifier;
    std::unique_ptr<TuiGridLevelTabs> FLevelTabs;
    std::unique_ptr<TuiGridRootLevel> FRootLevel;
    std::unique_ptr<TuiGridController> FController;
    std::unique_ptr<TuiGridPainter> FPainter;
    std::unique_ptr<TuiGridViewInfo> FViewInfo;
    std::vector<TuiCustomGridView*> FViews;    // owned by their owners
    TuiGridLevel* FActiveLevel = nullptr;      // not owned
    TuiCustomGridView* FFocusedView = nullptr; // not owned
    int32_t FDragOpeningWaitTime = 800;
    bool FDragOpening = true;
    bool FTabStop = true;
    TuiGridActiveTabChangedEvent FOnActiveTabChanged;
    TuiGridFocusedViewChangedEvent FOnFocusedViewChanged;
    TuiGridLayoutChangedEvent FOnLayoutChanged;
};

class TuiGrid : public TuiCustomGrid {
    RTL_DECLARE_CLASS(TuiGrid, TuiCustomGrid)
public:
    explicit TuiGrid(rtl::TComponent* owner) : TuiCustomGrid(owner) {}
};

// Runs action inside the grid's BeginUpdate/EndUpdate (a nullptr grid: just runs it); the lock is released when
// action raises.
template <class TAction>
void WithGridLocked(TuiCustomGrid* grid, TAction&& action) {
    if (grid == nullptr) {
        action();
        return;
    }
    grid->BeginUpdate();
    try {
        action();
    } catch (...) {
        grid->EndUpdate();
        throw;
    }
    grid->EndUpdate();
}

} // namespace ui
