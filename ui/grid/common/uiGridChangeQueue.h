#pragma once
// The grid's change queue. While the grid is locked (BeginUpdate, any view's lock reaches it) postponable changes
// wait; the outermost EndUpdate drops duplicates and changes that another waiting change covers, then runs the rest
// in order, holding the lock over a run of several so that what they post in turn waits for the end of the run.
// CancelUpdate reaching zero frees the waiting changes unrun.

#include "ui/grid/common/uiGridChange.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiGridChangeQueue {
public:
    // control is the grid the changes run for (given to each before it executes).
    explicit TuiGridChangeQueue(TuiCustomGrid* control) : FControl(control) {}
    ~TuiGridChangeQueue();
    TuiGridChangeQueue(const TuiGridChangeQueue&) = delete;
    TuiGridChangeQueue& operator=(const TuiGridChangeQueue&) = delete;

    void BeginUpdate() { ++FLockCount; }
    // Nothing at lock count 0; the outermost end processes the waiting changes.
    void EndUpdate();
    // Nothing at lock count 0; the outermost cancel frees the waiting changes unrun.
    void CancelUpdate();
    int32_t LockCount() const { return FLockCount; }

    // Waits when postponable and locked, else runs at once.
    void AddChange(std::unique_ptr<TuiCustomGridChange> change);
    // Frees the view changes of gridView, waiting or not yet run in a run under way (a change of the run may free
    // the view).
    void RemoveViewChanges(const TuiCustomGridView* gridView);
    // From here on changes are freed without running.
    void SetDestroying() { FDestroying = true; }
    int32_t QueuedCount() const { return static_cast<int32_t>(FQueue.size()); }

private:
    using TChangeList = std::vector<std::unique_ptr<TuiCustomGridChange>>;

    void ExecuteChange(std::unique_ptr<TuiCustomGridChange> change);
    void ProcessQueue();
    TChangeList TakeDistinctChanges();
    static void DropCoveredChanges(TChangeList& changes);
    void Run(TChangeList& changes);
    void RunInBatch(TChangeList& changes);

    TuiCustomGrid* FControl; // not owned
    TChangeList FQueue;
    // The lists being run, innermost last; a freed view's changes are dropped from them too.
    std::vector<TChangeList*> FRunning;
    int32_t FLockCount = 0;
    bool FDestroying = false;
};

} // namespace ui
