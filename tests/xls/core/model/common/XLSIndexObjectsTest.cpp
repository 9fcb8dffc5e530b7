#include "xls/core/model/common/XLSIndexObjects.h"

#include "rtl/core/Exceptions.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace xls {
namespace {

// How many items were made and freed.
struct TLifeCounts {
    int Made = 0;
    int Freed = 0;
};

// A named item that counts its life.
class TNamedItem : public TIndexObject {
public:
    TNamedItem(char name, TLifeCounts& counts) : FName(name), FCounts(counts) { ++FCounts.Made; }
    ~TNamedItem() override { ++FCounts.Freed; }
    char Name() const { return FName; }

private:
    char FName;
    TLifeCounts& FCounts;
};

// The list as "name:index" pairs, '-' for an empty entry.
std::string Spelled(const TIndexObjectList& list) {
    std::string text;
    for (int32_t i = 0; i < list.Count(); ++i) {
        const auto* item = static_cast<const TNamedItem*>(list.GetItem(i));
        text += item == nullptr ? std::string("-") : item->Name() + (":" + std::to_string(item->Index()));
        text += ' ';
    }
    return text;
}

TEST(XLSIndexObjects, ListKeepsEveryIndexEqualToItsPosition) {
    struct Case {
        const char* name;
        std::function<void(TIndexObjectList&, TLifeCounts&)> edit;
        std::string after;
        int freedByEdit;
    };
    const Case cases[] = {
        {"delete in the middle", [](TIndexObjectList& l, TLifeCounts&) { l.Delete(2); }, "a:0 b:1 d:2 e:3 ", 1},
        {"delete the first", [](TIndexObjectList& l, TLifeCounts&) { l.Delete(0); }, "b:0 c:1 d:2 e:3 ", 1},
        {"delete the last", [](TIndexObjectList& l, TLifeCounts&) { l.Delete(4); }, "a:0 b:1 c:2 d:3 ", 1},
        {"extract hands the item back",
         [](TIndexObjectList& l, TLifeCounts& counts) {
             const std::unique_ptr<TIndexObject> item = l.Extract(1);
             EXPECT_EQ(static_cast<TNamedItem*>(item.get())->Name(), 'b');
             EXPECT_EQ(counts.Freed, 0);
         },
         "a:0 c:1 d:2 e:3 ", 1},
        {"add after delete takes the last position",
         [](TIndexObjectList& l, TLifeCounts& counts) {
             l.Delete(1);
             EXPECT_EQ(l.Add(std::make_unique<TNamedItem>('f', counts)), 4);
         },
         "a:0 c:1 d:2 e:3 f:4 ", 1},
        {"empty entries are kept and skipped",
         [](TIndexObjectList& l, TLifeCounts& counts) {
             l.Add(nullptr);
             l.Add(std::make_unique<TNamedItem>('f', counts));
             l.Delete(0);
         },
         "b:0 c:1 d:2 e:3 - f:5 ", 1},
        {"clear frees every item", [](TIndexObjectList& l, TLifeCounts&) { l.Clear(); }, "", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLifeCounts counts;
        {
            TIndexObjectList list;
            for (const char name : std::string("abcde")) {
                list.Add(std::make_unique<TNamedItem>(name, counts));
            }
            c.edit(list, counts);
            EXPECT_EQ(Spelled(list), c.after);
            EXPECT_EQ(counts.Freed, c.freedByEdit);
        }
        EXPECT_EQ(counts.Freed, counts.Made);
    }
}

TEST(XLSIndexObjects, BadIndexesRaise) {
    TLifeCounts counts;
    TIndexObjectList list;
    list.Add(std::make_unique<TNamedItem>('a', counts));
    for (const int32_t index : {-1, 1, INT32_MIN}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(list.GetItem(index), rtl::EListError);
        EXPECT_THROW(list.Delete(index), rtl::EListError);
        EXPECT_THROW(list.Extract(index), rtl::EListError);
    }
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItem(0)->GetObject(rtl::TObject::StaticClass()), nullptr);
}

TEST(XLSIndexObjects, IntegerListAsStackAndList) {
    TIntegerList list;
    EXPECT_EQ(list.Add(10), 0);
    EXPECT_EQ(list.Add(-20), 1);
    EXPECT_EQ(list.Add(30), 2);
    EXPECT_EQ(list.Get(1), -20);
    EXPECT_EQ(list.Pop(), 30);
    EXPECT_EQ(list.Pop(), -20);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Get(1), rtl::EListError);
    EXPECT_THROW(list.Get(-1), rtl::EListError);
    EXPECT_EQ(list.Pop(), 10);
    EXPECT_THROW(list.Pop(), rtl::EListError);
}

} // namespace
} // namespace xls
