#pragma once
// The queued change objects of the grid: a view (or the whole grid) must be laid out, sized or repainted. Code that
// reports a change creates one; the grid's change queue (uiGridChangeQueue.h) runs it, or drops it when an equal or a
// wider change waits beside it, and frees it.

namespace ui {

class TuiCustomGrid;
class TuiCustomGridView;

class TuiCustomGridChange {
public:
    virtual ~TuiCustomGridChange() = default;

    // The grid the change runs for; set by the queue just before Execute.
    TuiCustomGrid* Control() const { return FControl; }
    void SetControl(TuiCustomGrid* control) { FControl = control; }

    // False makes the queue release the grid's lock while this change runs and take it again afterwards.
    virtual bool RunsInsideBatchLock() const { return true; }
    virtual void Execute() = 0;
    // True when other makes this change unnecessary.
    virtual bool IsCoveredBy(const TuiCustomGridChange& /*other*/) const { return false; }
    // True: the change is dropped when an equal change already waits.
    virtual bool DropsDuplicates() const { return true; }
    // Whether other is the same change: here, of the same class.
    virtual bool Matches(const TuiCustomGridChange& other) const;
    // False: the change runs at once even while the grid is locked.
    virtual bool IsPostponable() const { return true; }

private:
    TuiCustomGrid* FControl = nullptr; // not owned
};

// A change of one view; a nullptr view stands for the whole grid.
class TuiCustomGridViewChange : public TuiCustomGridChange {
public:
    explicit TuiCustomGridViewChange(TuiCustomGridView* gridView) : FGridView(gridView) {}

    TuiCustomGridView* GridView() const { return FGridView; }
    // The same class and the same view.
    bool Matches(const TuiCustomGridChange& other) const override;

private:
    TuiCustomGridView* FGridView; // not owned
};

} // namespace ui
