// Listener lists: each listener once, and notices that survive listeners coming and going while they are called.

#include "ui/core/objects/uiListenerList.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

struct TListener {
    int Id = 0;
    std::function<void()> OnNotice;
};

// Notifies every listener, recording the ids in the order they were called.
std::vector<int> Notify(TuiListenerList<TListener>& list, bool fromLast) {
    std::vector<int> called;
    const auto call = [&](TListener* listener) {
        called.push_back(listener->Id);
        if (listener->OnNotice) {
            listener->OnNotice();
        }
    };
    if (fromLast) {
        list.ForEachFromLast(call);
    } else {
        list.ForEach(call);
    }
    return called;
}

TEST(uiListenerList, AListenerIsListedOnce) {
    TListener a{1};
    TuiListenerList<TListener> list;
    EXPECT_TRUE(list.Add(&a));
    EXPECT_FALSE(list.Add(&a));
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.Remove(&a));
    EXPECT_FALSE(list.Remove(&a));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Last(), nullptr);
}

TEST(uiListenerList, ListenersThatComeAndGoDuringANoticeAreNeitherSkippedNorCalledTwice) {
    for (const bool fromLast : {false, true}) {
        SCOPED_TRACE(fromLast);
        TListener a{1};
        TListener b{2};
        TListener c{3};
        TListener d{4};
        TListener added{5};
        TuiListenerList<TListener> list;
        for (TListener* listener : {&a, &b, &c, &d}) {
            list.Add(listener);
        }
        // b removes itself and d (or a, walking back), then adds a newcomer; c re-adds b.
        TListener& other = fromLast ? a : d;
        b.OnNotice = [&] {
            list.Remove(&b);
            list.Remove(&other);
            list.Add(&added);
        };
        c.OnNotice = [&] { list.Add(&b); };
        const std::vector<int> called = Notify(list, fromLast);
        EXPECT_EQ(called, fromLast ? (std::vector<int>{4, 3, 2}) : (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(Notify(list, false), fromLast ? (std::vector<int>{3, 4, 5}) : (std::vector<int>{1, 3, 5, 2}));
    }
}

} // namespace
} // namespace ui
