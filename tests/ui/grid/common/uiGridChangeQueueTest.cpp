#include "ui/grid/common/uiGridChangeQueue.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using TRunLog = std::vector<std::string>;

// Views stand as addresses only: the queue never touches them.
TuiCustomGridView* const ViewA = reinterpret_cast<TuiCustomGridView*>(0x1000);
TuiCustomGridView* const ViewB = reinterpret_cast<TuiCustomGridView*>(0x2000);

// A change that records its run (with the queue's lock count at that moment) and may act while it runs.
class TRecordingChange : public TuiCustomGridViewChange {
public:
    TRecordingChange(TuiCustomGridView* view, std::string name, TRunLog& log, TuiGridChangeQueue& queue)
        : TuiCustomGridViewChange(view), FName(std::move(name)), FLog(log), FQueue(queue) {}
    void Execute() override {
        FLog.push_back(FName + "@" + std::to_string(FQueue.LockCount()));
        if (OnExecute) {
            OnExecute();
        }
    }
    bool RunsInsideBatchLock() const override { return InsideLock; }
    bool Matches(const TuiCustomGridChange& other) const override {
        return TuiCustomGridViewChange::Matches(other) && static_cast<const TRecordingChange&>(other).FName == FName;
    }

    bool InsideLock = true;
    std::function<void()> OnExecute;

protected:
    std::string FName;
    TRunLog& FLog;
    TuiGridChangeQueue& FQueue;
};

// A repaint that a layout of the same view covers.
class TRecordingRepaint : public TRecordingChange {
public:
    using TRecordingChange::TRecordingChange;
    bool IsCoveredBy(const TuiCustomGridChange& other) const override;
};

class TRecordingLayout : public TRecordingChange {
public:
    using TRecordingChange::TRecordingChange;
    // A grid-wide layout (no view) covers a view's layout.
    bool IsCoveredBy(const TuiCustomGridChange& other) const override {
        const auto* layout = dynamic_cast<const TRecordingLayout*>(&other);
        return layout != nullptr && layout->GridView() == nullptr && GridView() != nullptr;
    }
};

bool TRecordingRepaint::IsCoveredBy(const TuiCustomGridChange& other) const {
    const auto* layout = dynamic_cast<const TRecordingLayout*>(&other);
    return layout != nullptr && layout->GridView() == GridView();
}

class GridChangeQueue : public testing::Test {
protected:
    template <class TChange = TRecordingChange>
    TChange* Post(TuiCustomGridView* view, const std::string& name) {
        auto change = std::make_unique<TChange>(view, name, Log, Queue);
        TChange* posted = change.get();
        Queue.AddChange(std::move(change));
        return posted;
    }

    TRunLog Log;
    TuiGridChangeQueue Queue{nullptr};
};

TEST_F(GridChangeQueue, RunsAtOnceWhileUnlocked) {
    Post(ViewA, "paint");
    EXPECT_EQ(Log, TRunLog{"paint@0"});
}

TEST_F(GridChangeQueue, TenIdenticalRepaintsInOneLockRunOnce) {
    Queue.BeginUpdate();
    for (int count = 0; count < 10; ++count) {
        Post(ViewA, "paint");
    }
    Post(ViewB, "paint");
    EXPECT_TRUE(Log.empty());
    Queue.EndUpdate();
    EXPECT_EQ(Log, (TRunLog{"paint@1", "paint@1"}));
}

TEST_F(GridChangeQueue, ALayoutCoversARepaintOfTheSameViewBeforeOrAfterIt) {
    for (const bool layoutFirst : {false, true}) {
        Log.clear();
        Queue.BeginUpdate();
        if (layoutFirst) {
            Post<TRecordingLayout>(ViewA, "layout");
        }
        Post<TRecordingRepaint>(ViewA, "paint");
        Post<TRecordingRepaint>(ViewB, "paint-b");
        if (!layoutFirst) {
            Post<TRecordingLayout>(ViewA, "layout");
        }
        Queue.EndUpdate();
        const TRunLog expected = layoutFirst ? TRunLog{"layout@1", "paint-b@1"} : TRunLog{"paint-b@1", "layout@1"};
        EXPECT_EQ(Log, expected) << layoutFirst;
    }
}

TEST_F(GridChangeQueue, AGridWideLayoutDropsAViewsLayout) {
    Queue.BeginUpdate();
    Post<TRecordingLayout>(ViewA, "view-layout");
    Post<TRecordingLayout>(nullptr, "grid-layout");
    Queue.EndUpdate();
    EXPECT_EQ(Log, TRunLog{"grid-layout@0"});
}

TEST_F(GridChangeQueue, CancelUpdateToZeroRunsNothing) {
    Queue.BeginUpdate();
    Queue.BeginUpdate();
    Post(ViewA, "paint");
    Queue.CancelUpdate();
    EXPECT_EQ(Queue.QueuedCount(), 1);
    Queue.CancelUpdate();
    EXPECT_EQ(Queue.QueuedCount(), 0);
    Queue.EndUpdate();
    Queue.BeginUpdate();
    Queue.EndUpdate();
    EXPECT_TRUE(Log.empty());
}

TEST_F(GridChangeQueue, TwoLocksRunAtTheSecondEnd) {
    Queue.BeginUpdate();
    Queue.BeginUpdate();
    Post(ViewA, "paint");
    Queue.EndUpdate();
    EXPECT_TRUE(Log.empty());
    Queue.EndUpdate();
    EXPECT_EQ(Log, TRunLog{"paint@0"});
    Queue.EndUpdate();
    EXPECT_EQ(Queue.LockCount(), 0);
}

TEST_F(GridChangeQueue, AChangeOutsideTheBatchLockRunsUnlocked) {
    Queue.BeginUpdate();
    Post(ViewA, "first");
    Post(ViewA, "unlocked")->InsideLock = false;
    Post(ViewA, "last");
    Queue.EndUpdate();
    EXPECT_EQ(Log, (TRunLog{"first@1", "unlocked@0", "last@1"}));
    EXPECT_EQ(Queue.LockCount(), 0);
}

TEST_F(GridChangeQueue, ChangesPostedDuringARunWaitForItsEnd) {
    Queue.BeginUpdate();
    Post(ViewA, "first")->OnExecute = [this] { Post(ViewB, "posted"); };
    Post(ViewA, "second");
    Queue.EndUpdate();
    EXPECT_EQ(Log, (TRunLog{"first@1", "second@1", "posted@0"}));
}

TEST_F(GridChangeQueue, AViewFreedDuringARunLosesItsChangesStillToRun) {
    Queue.BeginUpdate();
    Post(ViewA, "frees-b")->OnExecute = [this] { Queue.RemoveViewChanges(ViewB); };
    Post(ViewB, "b");
    Post(ViewA, "a");
    Queue.EndUpdate();
    EXPECT_EQ(Log, (TRunLog{"frees-b@1", "a@1"}));
}

TEST_F(GridChangeQueue, RemoveViewChangesDropsOnlyThatViewsWaitingChanges) {
    Queue.BeginUpdate();
    Post(ViewA, "a");
    Post(ViewB, "b");
    Queue.RemoveViewChanges(ViewA);
    Queue.EndUpdate();
    EXPECT_EQ(Log, TRunLog{"b@0"});
}

TEST_F(GridChangeQueue, AFailingChangeReleasesTheBatchLock) {
    Queue.BeginUpdate();
    Post(ViewA, "throws")->OnExecute = [] { throw std::runtime_error("change failed"); };
    Post(ViewB, "b");
    EXPECT_THROW(Queue.EndUpdate(), std::runtime_error);
    EXPECT_EQ(Queue.LockCount(), 0);
}

TEST_F(GridChangeQueue, ADestroyingGridFreesChangesUnrun) {
    Queue.SetDestroying();
    Post(ViewA, "paint");
    EXPECT_TRUE(Log.empty());
}

TEST(GridViewChange, SameClassChangesMatchOnlyForOneView) {
    TRunLog log;
    TuiGridChangeQueue queue(nullptr);
    const TRecordingChange a(ViewA, "x", log, queue);
    const TRecordingChange sameView(ViewA, "x", log, queue);
    const TRecordingChange otherView(ViewB, "x", log, queue);
    EXPECT_TRUE(a.Matches(sameView));
    EXPECT_FALSE(a.Matches(otherView));
}

} // namespace
} // namespace ui
