#include "ui/core/objects/uiCollections.h"

#include "rtl/core/Lists.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class TRankedItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TRankedItem, rtl::TCollectionItem)
public:
    explicit TRankedItem(rtl::TCollection* collection) : TCollectionItem(collection) {}
    int32_t Rank = 0;
    // Reports a change of the whole list, as a property that decides the order would.
    void SetRank(int32_t rank) {
        Rank = rank;
        Changed(true);
    }
    // Reports a change of this item alone.
    void Touch() { Changed(false); }
};

struct TRankedCollection {
    TuiOwnedInterfacedCollection Collection{nullptr, TRankedItem::StaticClass()};
    std::vector<rtl::TCollectionItem*> Changes;

    TRankedCollection() {
        Collection.SetOnChange(
            [this](TuiOwnedInterfacedCollection&, rtl::TCollectionItem* item) { Changes.push_back(item); });
        Collection.SetOnCompare([](TuiOwnedInterfacedCollection&, rtl::TCollectionItem& a, rtl::TCollectionItem& b) {
            return static_cast<TRankedItem&>(a).Rank - static_cast<TRankedItem&>(b).Rank;
        });
    }
    TRankedItem& Add(int32_t rank) {
        auto& item = static_cast<TRankedItem&>(*Collection.Add());
        item.Rank = rank;
        return item;
    }
    std::vector<int32_t> Ranks() const {
        std::vector<int32_t> ranks;
        for (int32_t i = 0; i < Collection.Count(); ++i) {
            ranks.push_back(static_cast<TRankedItem*>(Collection.Items(i))->Rank);
        }
        return ranks;
    }
};

TEST(uiOwnedInterfacedCollection, SortedModeSortsAtOnceAndAfterEveryChangeOfTheList) {
    TRankedCollection ranked;
    ranked.Add(3);
    TRankedItem& first2 = ranked.Add(2);
    ranked.Add(1);
    TRankedItem& second2 = ranked.Add(2);
    ranked.Collection.SetSortedMode(true);
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{1, 2, 2, 3}));
    EXPECT_EQ(ranked.Collection.Items(1), &first2) << "equal items keep their order";
    EXPECT_EQ(ranked.Collection.Items(2), &second2);

    ranked.Changes.clear();
    first2.SetRank(9);
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{1, 2, 3, 9}));
    EXPECT_EQ(ranked.Changes, std::vector<rtl::TCollectionItem*>{nullptr}) << "one notice of the whole list";
}

TEST(uiOwnedInterfacedCollection, NothingSortsInsideAnUpdateUntilItEnds) {
    TRankedCollection ranked;
    ranked.Collection.SetSortedMode(true);
    ranked.Collection.BeginUpdate();
    ranked.Add(2);
    ranked.Add(1);
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{2, 1}));
    ranked.Collection.EndUpdate();
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{1, 2}));
}

TEST(uiOwnedInterfacedCollection, WithoutAComparisonItemsKeepTheirIndexOrder) {
    TRankedCollection ranked;
    ranked.Collection.SetOnCompare(nullptr);
    TRankedItem& a = ranked.Add(5);
    TRankedItem& b = ranked.Add(4);
    EXPECT_EQ(ranked.Collection.CompareByIndex(a, b), -1);
    EXPECT_EQ(ranked.Collection.CompareByIndex(b, a), 1);
    EXPECT_EQ(ranked.Collection.CompareByIndex(a, a), 0);
    ranked.Collection.SetSortedMode(true);
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{5, 4}));
}

TEST(uiOwnedInterfacedCollection, AChangeOfOneItemIsReportedWithItAndDoesNotSort) {
    TRankedCollection ranked;
    ranked.Add(1);
    TRankedItem& item = ranked.Add(2);
    ranked.Collection.SetSortedMode(true);
    ranked.Changes.clear();
    item.Rank = 0;
    item.Touch();
    EXPECT_EQ(ranked.Changes, std::vector<rtl::TCollectionItem*>{&item});
    EXPECT_EQ(ranked.Ranks(), (std::vector<int32_t>{1, 0}));
}

TEST(uiCollections, SetListItemGrowingFillsTheGapWithNil) {
    rtl::TList list;
    int value = 0;
    SetListItemGrowing(list, 3, &value);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(3), &value);
    SetListItemGrowing(list, 1, &value);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Get(1), &value);
}

} // namespace
} // namespace ui
