#pragma once
// The grid's three view changes: a layout change recalculates and repaints a view (or the whole grid), a size change
// climbs the master chain and ends as a grid-wide layout, a view change only repaints.

#include "ui/grid/common/uiGridChange.h"
#include "vcl/system/Types.h"

namespace ui {

class TuiGridLayoutChange : public TuiCustomGridViewChange {
public:
    using TuiCustomGridViewChange::TuiCustomGridViewChange;
    void Execute() override;
    // A layout change of the whole grid or of a master, or a size change of the grid, the view or a master.
    bool IsCoveredBy(const TuiCustomGridChange& other) const override;
};

class TuiGridSizeChange : public TuiCustomGridViewChange {
public:
    TuiGridSizeChange(TuiCustomGridView* gridView, bool onlyThisView, bool keepMaster)
        : TuiCustomGridViewChange(gridView), FOnlyThisView(onlyThisView), FKeepMaster(keepMaster) {}
    void Execute() override;
    bool IsCoveredBy(const TuiCustomGridChange& other) const override;
    bool Matches(const TuiCustomGridChange& other) const override;
    bool OnlyThisView() const { return FOnlyThisView; }
    bool KeepMaster() const { return FKeepMaster; }

private:
    bool FOnlyThisView;
    bool FKeepMaster;
};

class TuiGridViewChange : public TuiCustomGridViewChange {
public:
    // An empty rectangle repaints the whole view.
    TuiGridViewChange(TuiCustomGridView* gridView, const vcl::TRect& updateBounds)
        : TuiCustomGridViewChange(gridView), FUpdateBounds(updateBounds) {}
    void Execute() override;
    // A layout or size change of the same view.
    bool IsCoveredBy(const TuiCustomGridChange& other) const override;
    bool Matches(const TuiCustomGridChange& other) const override;

private:
    vcl::TRect FUpdateBounds;
};

// The grid's focus changed: the view's controller and view info hear of it once the lock ends.
class TuiGridControlFocusChange : public TuiCustomGridViewChange {
public:
    using TuiCustomGridViewChange::TuiCustomGridViewChange;
    void Execute() override;
};

} // namespace ui
