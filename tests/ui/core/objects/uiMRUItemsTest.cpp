#include "ui/core/objects/uiMRUItems.h"

#include "rtl/core/Exceptions.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// An item named by a number; every destruction is counted.
class TNumberItem : public TuiMRUItem {
public:
    TNumberItem(int number, int& destroyed) : Number(number), FDestroyed(destroyed) {}
    ~TNumberItem() override { ++FDestroyed; }
    bool Equals(const TuiMRUItem& other) const override {
        return static_cast<const TNumberItem&>(other).Number == Number;
    }
    int Number;

private:
    int& FDestroyed;
};

struct TNumberList {
    int Destroyed = 0;
    TuiMRUItems Items;
    void Add(int number) { Items.AddMostRecent(std::make_unique<TNumberItem>(number, Destroyed)); }
    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (int32_t i = 0; i < Items.GetCount(); ++i) {
            numbers.push_back(static_cast<const TNumberItem&>(Items.GetItem(i)).Number);
        }
        return numbers;
    }
};

TEST(uiMRUItems, AnItemUsedAgainMovesToTheFrontAndTheNewCopyIsFreed) {
    TNumberList list;
    for (int number : {1, 2, 3, 4}) {
        list.Add(number);
    }
    EXPECT_EQ(list.Numbers(), (std::vector<int>{4, 3, 2, 1}));
    list.Add(2);
    EXPECT_EQ(list.Numbers(), (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(list.Destroyed, 1);
}

TEST(uiMRUItems, TheMaximumTrimsFromTheEnd) {
    TNumberList list;
    list.Items.SetMaxCount(-5);
    EXPECT_EQ(list.Items.MaxCount(), 0) << "negative means no limit";
    for (int number : {1, 2, 3, 4}) {
        list.Add(number);
    }
    list.Items.SetMaxCount(3);
    EXPECT_EQ(list.Numbers(), (std::vector<int>{4, 3, 2}));
    list.Add(5);
    EXPECT_EQ(list.Numbers(), (std::vector<int>{5, 4, 3}));
    EXPECT_EQ(list.Destroyed, 2);
    list.Items.SetMaxCount(0);
    list.Add(6);
    EXPECT_EQ(list.Items.GetCount(), 4);
}

TEST(uiMRUItems, DeletingAndClearingFreeTheItems) {
    TNumberList list;
    for (int number : {1, 2, 3}) {
        list.Add(number);
    }
    list.Items.DeleteItemAt(1);
    EXPECT_EQ(list.Numbers(), (std::vector<int>{3, 1}));
    EXPECT_THROW(list.Items.DeleteItemAt(2), rtl::EListError);
    EXPECT_THROW(list.Items.GetItem(-1), rtl::EListError);
    list.Items.Clear();
    EXPECT_EQ(list.Destroyed, 3);
    EXPECT_EQ(list.Items.GetCount(), 0);
}

} // namespace
} // namespace ui
