#pragma once
// TuiListenerList: the listeners an object tells of its changes (theme listeners, painter-registry clients, the sets
// watching a style, the users of a style sheet), held as plain pointers it does not own. A notice walks the listeners
// listed when it starts, in either order; a listener may add or remove listeners (itself too) while it is called:
// one removed meanwhile is not called, one added meanwhile waits for the next notice, and none is called twice.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ui {

template <class TListener>
class TuiListenerList {
public:
    // False (nothing changes) when listener is listed already or is nullptr.
    bool Add(TListener* listener) {
        if (!listener || Contains(listener)) {
            return false;
        }
        FItems.push_back(listener);
        return true;
    }
    // False when listener is not listed.
    bool Remove(TListener* listener) {
        const auto position = std::find(FItems.begin(), FItems.end(), listener);
        if (position == FItems.end()) {
            return false;
        }
        FItems.erase(position);
        ++FRemovals;
        return true;
    }
    bool Contains(const TListener* listener) const {
        return std::find(FItems.begin(), FItems.end(), listener) != FItems.end();
    }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    bool IsEmpty() const { return FItems.empty(); }
    TListener* Items(int32_t index) const { return FItems.at(static_cast<size_t>(index)); }
    TListener* Last() const { return FItems.empty() ? nullptr : FItems.back(); }

    // Calls notify(listener) for every listener listed now, first to last.
    template <class TNotify>
    void ForEach(TNotify notify) {
        Walk(notify, false);
    }
    // The same, last to first.
    template <class TNotify>
    void ForEachFromLast(TNotify notify) {
        Walk(notify, true);
    }

private:
    template <class TNotify>
    void Walk(TNotify& notify, bool fromLast) {
        const std::vector<TListener*> snapshot = FItems;
        const uint64_t removalsAtStart = FRemovals;
        const auto call = [&](TListener* listener) {
            // Only a removal can make a listener of the snapshot stale, so the search runs only after one.
            if (FRemovals == removalsAtStart || Contains(listener)) {
                notify(listener);
            }
        };
        if (fromLast) {
            std::for_each(snapshot.rbegin(), snapshot.rend(), call);
        } else {
            std::for_each(snapshot.begin(), snapshot.end(), call);
        }
    }

    std::vector<TListener*> FItems; // not owned
    uint64_t FRemovals = 0;
};

} // namespace ui
