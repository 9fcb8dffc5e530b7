#include "ui/grid/common/uiGridChangeQueue.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

bool IsChangeOfView(const TuiCustomGridChange* change, const TuiCustomGridView* gridView) {
    const auto* viewChange = dynamic_cast<const TuiCustomGridViewChange*>(change);
    return viewChange != nullptr && viewChange->GridView() == gridView;
}

// Pops the running list even when a change raises.
class TRunningListGuard {
public:
    TRunningListGuard(std::vector<std::vector<std::unique_ptr<TuiCustomGridChange>>*>& running,
                      std::vector<std::unique_ptr<TuiCustomGridChange>>& list)
        : FRunning(running) {
        FRunning.push_back(&list);
    }
    ~TRunningListGuard() { FRunning.pop_back(); }
    TRunningListGuard(const TRunningListGuard&) = delete;
    TRunningListGuard& operator=(const TRunningListGuard&) = delete;

private:
    std::vector<std::vector<std::unique_ptr<TuiCustomGridChange>>*>& FRunning;
};

} // namespace

TuiGridChangeQueue::~TuiGridChangeQueue() = default;

void TuiGridChangeQueue::EndUpdate() {
    if (FLockCount == 0) {
        return;
    }
    if (--FLockCount == 0) {
        ProcessQueue();
    }
}

void TuiGridChangeQueue::CancelUpdate() {
    if (FLockCount == 0) {
        return;
    }
    if (--FLockCount == 0) {
        FQueue.clear();
    }
}

void TuiGridChangeQueue::AddChange(std::unique_ptr<TuiCustomGridChange> change) {
    if (change->IsPostponable() && FLockCount != 0) {
        FQueue.push_back(std::move(change));
    } else {
        ExecuteChange(std::move(change));
    }
}

void TuiGridChangeQueue::RemoveViewChanges(const TuiCustomGridView* gridView) {
    for (auto position = FQueue.size(); position-- > 0;) {
        if (IsChangeOfView(FQueue[position].get(), gridView)) {
            FQueue.erase(FQueue.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }
    for (TChangeList* running : FRunning) {
        for (auto& change : *running) {
            if (IsChangeOfView(change.get(), gridView)) {
                change.reset();
            }
        }
    }
}

void TuiGridChangeQueue::ExecuteChange(std::unique_ptr<TuiCustomGridChange> change) {
    if (FDestroying) {
        return;
    }
    change->SetControl(FControl);
    change->Execute();
}

void TuiGridChangeQueue::ProcessQueue() {
    TChangeList changes = TakeDistinctChanges();
    DropCoveredChanges(changes);
    Run(changes);
}

TuiGridChangeQueue::TChangeList TuiGridChangeQueue::TakeDistinctChanges() {
    TChangeList queue = std::move(FQueue);
    FQueue.clear();
    TChangeList distinct;
    for (auto& change : queue) {
        const bool duplicate =
            change->DropsDuplicates() &&
            std::any_of(distinct.begin(), distinct.end(), [&](const auto& listed) { return listed->Matches(*change); });
        if (!duplicate) {
            distinct.push_back(std::move(change));
        }
    }
    return distinct;
}

void TuiGridChangeQueue::DropCoveredChanges(TChangeList& changes) {
    for (size_t position = 0; position < changes.size();) {
        const bool covered = std::any_of(changes.begin() + static_cast<std::ptrdiff_t>(position) + 1, changes.end(),
                                         [&](const auto& later) { return changes[position]->IsCoveredBy(*later); });
        if (covered) {
            changes.erase(changes.begin() + static_cast<std::ptrdiff_t>(position));
        } else {
            ++position;
        }
    }
    for (auto position = changes.size(); position-- > 0;) {
        const bool covered = std::any_of(changes.begin(), changes.begin() + static_cast<std::ptrdiff_t>(position),
                                         [&](const auto& earlier) { return changes[position]->IsCoveredBy(*earlier); });
        if (covered) {
            changes.erase(changes.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }
}

void TuiGridChangeQueue::Run(TChangeList& changes) {
    if (changes.empty()) {
        return;
    }
    if (changes.size() == 1) {
        ExecuteChange(std::move(changes.front()));
        return;
    }
    RunInBatch(changes);
}

void TuiGridChangeQueue::RunInBatch(TChangeList& changes) {
    const TRunningListGuard guard(FRunning, changes);
    BeginUpdate();
    try {
        for (auto& listed : changes) {
            if (!listed) {
                continue;
            }
            std::unique_ptr<TuiCustomGridChange> change = std::move(listed);
            if (change->RunsInsideBatchLock()) {
                ExecuteChange(std::move(change));
                continue;
            }
            EndUpdate();
            ExecuteChange(std::move(change));
            if (FLockCount == 0) {
                BeginUpdate();
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace ui
