#include "rtl/core/Lists.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>

namespace rtl {
namespace {

char Letters[] = "abcdefgh";

void* Item(char letter) {
    return &Letters[letter - 'a'];
}

// The list as letters, '-' for nil, so that expectations read as the list looks.
std::string Spelled(const TList& list) {
    std::string text;
    for (int32_t i = 0; i < list.Count(); ++i) {
        void* item = list.Get(i);
        text.push_back(item == nullptr ? '-' : *static_cast<char*>(item));
    }
    return text;
}

void Fill(TList& list, const std::string& letters) {
    for (const char letter : letters) {
        list.Add(letter == '-' ? nullptr : Item(letter));
    }
}

TEST(Lists, EditingOperations) {
    struct Case {
        const char* name;
        std::string before;
        std::function<void(TList&)> edit;
        std::string after;
    };
    const Case cases[] = {
        {"Insert at front and end", "bc",
         [](TList& l) {
             l.Insert(0, Item('a'));
             l.Insert(3, Item('d'));
         },
         "abcd"},
        {"Remove answers the former index", "abcb",
         [](TList& l) {
             EXPECT_EQ(l.Remove(Item('b')), 1);
             EXPECT_EQ(l.Remove(Item('h')), -1);
         },
         "acb"},
        {"Extract answers the item", "abc",
         [](TList& l) {
             EXPECT_EQ(l.Extract(Item('b')), Item('b'));
             EXPECT_EQ(l.Extract(Item('h')), nullptr);
         },
         "ac"},
        {"Move forward", "abcd", [](TList& l) { l.Move(0, 2); }, "bcad"},
        {"Move backward", "abcd", [](TList& l) { l.Move(3, 0); }, "dabc"},
        {"Exchange", "abcd", [](TList& l) { l.Exchange(0, 3); }, "dbca"},
        {"Pack removes nils", "-a--b-", [](TList& l) { l.Pack(); }, "ab"},
        {"Growing the count fills nil", "ab", [](TList& l) { l.SetCount(4); }, "ab--"},
        {"Shrinking the count cuts the end", "abcd", [](TList& l) { l.SetCount(1); }, "a"},
        {"Put replaces", "abc", [](TList& l) { l.Put(1, nullptr); }, "a-c"},
        {"Clear", "abc", [](TList& l) { l.Clear(); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TList list;
        Fill(list, c.before);
        c.edit(list);
        EXPECT_EQ(Spelled(list), c.after);
    }
}

TEST(Lists, BadIndexesAndCountsRaise) {
    struct Case {
        const char* name;
        std::function<void(TList&)> action;
        std::u16string message;
    };
    const Case cases[] = {
        {"Get(-1)", [](TList& l) { l.Get(-1); }, u"List index out of bounds (-1)"},
        {"Get(Count)", [](TList& l) { l.Get(3); }, u"List index out of bounds (3)"},
        {"Put(Count)", [](TList& l) { l.Put(3, nullptr); }, u"List index out of bounds (3)"},
        {"Delete(Count)", [](TList& l) { l.Delete(3); }, u"List index out of bounds (3)"},
        {"Insert past the end", [](TList& l) { l.Insert(4, nullptr); }, u"List index out of bounds (4)"},
        {"Exchange", [](TList& l) { l.Exchange(0, 3); }, u"List index out of bounds (3)"},
        {"Move", [](TList& l) { l.Move(0, -1); }, u"List index out of bounds (-1)"},
        {"First of empty",
         [](TList& l) {
             l.Clear();
             l.First();
         },
         u"List index out of bounds (0)"},
        {"Last of empty",
         [](TList& l) {
             l.Clear();
             l.Last();
         },
         u"List index out of bounds (-1)"},
        {"Negative count", [](TList& l) { l.SetCount(-1); }, u"List count out of bounds (-1)"},
        {"Huge count", [](TList& l) { l.SetCount(INT32_MAX); }, u"List count out of bounds (2147483647)"},
        {"Capacity below count", [](TList& l) { l.SetCapacity(2); }, u"List capacity out of bounds (2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TList list;
        Fill(list, "abc");
        try {
            c.action(list);
            ADD_FAILURE() << "no exception";
        } catch (const EListError& e) {
            EXPECT_EQ(UnicodeToUtf8(e.Message()), UnicodeToUtf8(c.message));
        }
    }
}

// Records what the list tells its descendants.
class TRecordingList : public TList {
public:
    std::vector<std::pair<void*, TListNotification>> FNotes;

protected:
    void Notify(void* item, TListNotification action) override { FNotes.emplace_back(item, action); }
};

TEST(Lists, NotifyReportsNonNilItemsEnteringAndLeaving) {
    using enum TListNotification;
    TRecordingList list;
    list.Add(Item('a'));
    list.Add(nullptr);
    list.Insert(0, Item('b'));
    list.Put(0, Item('c'));
    list.Extract(Item('a'));
    list.Move(0, 1);
    list.Add(Item('d'));
    list.Clear();
    const std::vector<std::pair<void*, TListNotification>> expected = {
        {Item('a'), lnAdded},     {Item('b'), lnAdded}, {Item('b'), lnDeleted}, {Item('c'), lnAdded},
        {Item('a'), lnExtracted}, {Item('d'), lnAdded}, {Item('d'), lnDeleted}, {Item('c'), lnDeleted},
    };
    EXPECT_EQ(list.FNotes, expected);
}

TEST(Lists, SortIsStable) {
    TList list;
    Fill(list, "dacbhgef");
    // Two classes only: vowels before consonants, each keeping its order.
    const auto isVowel = [](void* item) {
        return std::string("aeiou").find(*static_cast<char*>(item)) != std::string::npos;
    };
    list.Sort([&](void* a, void* b) { return static_cast<int>(isVowel(b)) - static_cast<int>(isVowel(a)); });
    EXPECT_EQ(Spelled(list), "aedcbhgf");
}

TEST(Lists, InconsistentComparisonsStillGiveAPermutation) {
    const std::function<int(int32_t, int32_t)> compares[] = {
        [](int32_t, int32_t) { return -1; },
        [](int32_t, int32_t) { return 1; },
        [generator = std::mt19937(7)](int32_t, int32_t) mutable { return static_cast<int>(generator() % 3) - 1; },
    };
    for (size_t i = 0; i < std::size(compares); ++i) {
        SCOPED_TRACE(i);
        for (const int32_t count : {0, 1, 2, 17, 1000}) {
            auto order = StableSortOrder(count, compares[i]);
            ASSERT_EQ(order.size(), static_cast<size_t>(count));
            std::sort(order.begin(), order.end());
            for (int32_t position = 0; position < count; ++position) {
                ASSERT_EQ(order[static_cast<size_t>(position)], position);
            }
        }
    }
}

TEST(Lists, AssignCopiesTheItems) {
    TList source;
    Fill(source, "ab-c");
    TRecordingList target;
    Fill(target, "h");
    target.FNotes.clear();
    target.Assign(source);
    EXPECT_EQ(Spelled(target), "ab-c");
    EXPECT_EQ(target.FNotes.size(), 4u); // h deleted; a, b and c added
}

struct TCounts {
    int FCreated = 0;
    int FDestroyed = 0;
};

// Counts its constructions and destructions, to show who freed what.
class TCounted : public TObject {
public:
    explicit TCounted(TCounts& counts) : FCounts(counts) { ++FCounts.FCreated; }
    ~TCounted() override { ++FCounts.FDestroyed; }

private:
    TCounts& FCounts;
};

TEST(Lists, ObjectListFreesWhatItOwns) {
    struct Case {
        const char* name;
        bool ownsObjects;
        std::function<void(TObjectList&, TCounts&)> action;
        int destroyedAfterAction;
        int countAfterAction;
    };
    const Case cases[] = {
        {"Delete", true, [](TObjectList& l, TCounts&) { l.Delete(0); }, 1, 2},
        {"Remove", true, [](TObjectList& l, TCounts&) { EXPECT_EQ(l.Remove(l.Last()), 2); }, 1, 2},
        {"Clear", true, [](TObjectList& l, TCounts&) { l.Clear(); }, 3, 0},
        {"SetCount", true, [](TObjectList& l, TCounts&) { l.SetCount(1); }, 2, 1},
        {"Replacing an item", true, [](TObjectList& l, TCounts& c) { l.SetItem(1, new TCounted(c)); }, 1, 3},
        {"Extract", true,
         [](TObjectList& l, TCounts&) {
             TObject* object = l.First();
             EXPECT_EQ(l.Extract(object), object);
             delete object; // the list handed it back
         },
         1, 2},
        {"Not owning", false,
         [](TObjectList& l, TCounts&) {
             l.Delete(0);
             l.Clear();
         },
         0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCounts counts;
        std::vector<TCounted*> added;
        {
            TObjectList list(c.ownsObjects);
            for (int i = 0; i < 3; ++i) {
                added.push_back(new TCounted(counts));
                list.Add(added.back());
            }
            c.action(list, counts);
            EXPECT_EQ(counts.FDestroyed, c.destroyedAfterAction);
            EXPECT_EQ(list.Count(), c.countAfterAction);
        }
        if (c.ownsObjects) {
            EXPECT_EQ(counts.FDestroyed, counts.FCreated); // the destructor freed the rest
        } else {
            EXPECT_EQ(counts.FDestroyed, 0);
            for (TCounted* object : added) {
                delete object;
            }
        }
    }
}

} // namespace
} // namespace rtl
