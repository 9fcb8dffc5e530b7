#include "ui/core/objects/uiCollections.h"

#include "rtl/core/Lists.h"
#include "ui/core/objects/uiFlagGuard.h"

#include <algorithm>
#include <vector>

namespace ui {

void TuiOwnedInterfacedCollection::SetSortedMode(bool value) {
    if (value == FSorted) {
        return;
    }
    FSorted = value;
    if (FSorted) {
        SortItems();
    }
}

int TuiOwnedInterfacedCollection::CompareByIndex(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2) const {
    const int32_t difference = item1.Index() - item2.Index();
    return (difference > 0) - (difference < 0);
}

void TuiOwnedInterfacedCollection::Update(rtl::TCollectionItem* item) {
    if (FUpdating) {
        return;
    }
    const TuiFlagGuard updating(FUpdating);
    if (FSorted && !item) {
        SortItems();
    }
    TOwnedCollection::Update(item);
    if (FOnChange) {
        FOnChange(*this, item);
    }
}

int TuiOwnedInterfacedCollection::CompareListEntries(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2) {
    return FOnCompare ? FOnCompare(*this, item1, item2) : CompareByIndex(item1, item2);
}

void TuiOwnedInterfacedCollection::SortItems() {
    if (UpdateCount() > 0 || FSorting) {
        return;
    }
    const TuiFlagGuard sorting(FSorting);
    const std::vector<int32_t> order = rtl::StableSortOrder(
        Count(), [this](int32_t first, int32_t second) { return CompareListEntries(*Items(first), *Items(second)); });
    std::vector<rtl::TCollectionItem*> items;
    for (const int32_t position : order) {
        items.push_back(Items(position));
    }
    BeginUpdate();
    try {
        for (size_t i = 0; i < items.size(); ++i) {
            items[i]->SetIndex(static_cast<int32_t>(i));
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void SetListItemGrowing(rtl::TList& list, int32_t index, void* item) {
    list.SetCount(std::max(list.Count(), index + 1));
    list.Put(index, item);
}

} // namespace ui
