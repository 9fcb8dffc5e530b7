#pragma once
// TuiOwnedInterfacedCollection, an owned collection that reports each change to a handler and can keep its items
// sorted by a comparison of its owner's choosing; and the list helper that stores an item at an index beyond the end.

#include "rtl/core/Collection.h"

#include <cstdint>
#include <functional>

namespace rtl {
class TList;
} // namespace rtl

namespace ui {

class TuiOwnedInterfacedCollection : public rtl::TOwnedCollection {
    RTL_DECLARE_CLASS(TuiOwnedInterfacedCollection, rtl::TOwnedCollection)
public:
    // Negative when item1 goes first.
    using TCompareEvent = std::function<int(TuiOwnedInterfacedCollection& sender, rtl::TCollectionItem& item1,
                                            rtl::TCollectionItem& item2)>;
    // item is nullptr for a change of the whole list.
    using TChangeEvent = std::function<void(TuiOwnedInterfacedCollection& sender, rtl::TCollectionItem* item)>;

    TuiOwnedInterfacedCollection(rtl::TPersistent* owner, const rtl::TMetaclass& itemClass)
        : TOwnedCollection(owner, itemClass) {}

    bool Sorted() const { return FSorted; }
    // Switching on sorts at once; afterwards every change of the list sorts it again.
    void SetSortedMode(bool value);

    const TChangeEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TChangeEvent handler) { FOnChange = std::move(handler); }
    // The order of a sorted collection; by index when unassigned.
    const TCompareEvent& OnCompare() const { return FOnCompare; }
    void SetOnCompare(TCompareEvent handler) { FOnCompare = std::move(handler); }

    // The sign of the difference of the items' indexes.
    virtual int CompareByIndex(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2) const;

protected:
    // A change reported while one is being handled is dropped; a change of the whole list sorts a sorted collection
    // first; then OnChange.
    void Update(rtl::TCollectionItem* item) override;

private:
    int CompareListEntries(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2);
    // Stable: items that compare equal keep their order. Nothing inside BeginUpdate or while sorting.
    void SortItems();

    bool FSorted = false;
    bool FUpdating = false;
    bool FSorting = false;
    TChangeEvent FOnChange;
    TCompareEvent FOnCompare;
};

// Stores item at index, growing the list with nil entries first when index lies beyond its end.
void SetListItemGrowing(rtl::TList& list, int32_t index, void* item);

} // namespace ui
