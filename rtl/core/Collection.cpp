#include "rtl/core/Collection.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>

namespace rtl {

TCollection::TCollection(const TMetaclass& itemClass) : FItemClass(itemClass) {
    if (!itemClass.InheritsFrom(TCollectionItem::StaticClass())) {
        throw EInvalidCast(RtlMessages::InvalidCast);
    }
}

// The update count stays raised so that the leaving items report nothing to a collection that is going.
TCollection::~TCollection() {
    ++FUpdateCount;
    while (!FItems.empty()) {
        delete FItems.back();
    }
}

TCollectionItem* TCollection::Add() {
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int32_t index) {
    CheckIndex(index, Count());
    // The new item joins at the end by itself; it is moved into place before anyone is told.
    auto* item = static_cast<TCollectionItem*>(FItemClass.CreateInstance(this));
    MoveItem(Count() - 1, index);
    Changed();
    return item;
}

void TCollection::Delete(int32_t index) {
    CheckIndex(index, Count() - 1);
    delete FItems[static_cast<size_t>(index)];
}

void TCollection::Clear() {
    if (FItems.empty()) {
        return;
    }
    BeginUpdate();
    while (!FItems.empty()) {
        delete FItems.back();
    }
    EndUpdate();
}

TCollectionItem* TCollection::Items(int32_t index) const {
    CheckIndex(index, Count() - 1);
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int32_t id) const {
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [id](const TCollectionItem* item) { return item->ID() == id; });
    return found != FItems.end() ? *found : nullptr;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount == 0) {
        return;
    }
    if (--FUpdateCount == 0) {
        Changed();
    }
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) {
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem* sourceItem : other->FItems) {
            Add()->Assign(sourceItem);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
    if (FUpdateCount == 0) {
        Update(nullptr);
    }
}

void TCollection::CheckIndex(int32_t index, int32_t highest) const {
    if (index < 0 || index > highest) {
        throw EListError(Format(RtlMessages::ListIndexError, {index}));
    }
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
    std::erase(FItems, item);
    item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(int32_t currentIndex, int32_t newIndex) {
    const auto item = FItems[static_cast<size_t>(currentIndex)];
    FItems.erase(FItems.begin() + currentIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

TCollectionItem::TCollectionItem(TCollection* collection) {
    if (collection) {
        collection->InsertItem(this);
    }
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) {
        FCollection->RemoveItem(this);
    }
}

int32_t TCollectionItem::Index() const {
    if (!FCollection) {
        return -1;
    }
    const auto& items = FCollection->FItems;
    return static_cast<int32_t>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int32_t index) {
    const int32_t current = Index();
    if (current < 0 || current == index) {
        return;
    }
    FCollection->CheckIndex(index, FCollection->Count() - 1);
    FCollection->MoveItem(current, index);
    Changed(true);
}

UnicodeString TCollectionItem::GetDisplayName() const {
    return UnicodeString(ClassName());
}

void TCollectionItem::SetDisplayName(UnicodeStringView) {
    Changed(false);
}

UnicodeString TCollectionItem::GetNamePath() const {
    if (!FCollection) {
        return UnicodeString(ClassName());
    }
    return Format(u"%s[%d]", {FCollection->GetNamePath(), Index()});
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection && FCollection->FUpdateCount == 0) {
        FCollection->Update(allItems ? nullptr : this);
    }
}

} // namespace rtl
