#pragma once
// Collections: ordered lists of items of one item class, which the collection creates through the item class's virtual
// constructor, owns and numbers. Each item has a position (Index), which changes as items move, and an ID given at
// creation and never given again by the same collection. Changes reach the collection's Update: Update(item) when
// one item changed, Update(nullptr) when the list itself changed. Between BeginUpdate and the matching EndUpdate they
// are held back, and the outermost EndUpdate reports one Update(nullptr).

#include "rtl/core/Persistent.h"

#include <cstdint>
#include <vector>

namespace rtl {

class TCollectionItem;

// An owning, ordered list of items of one item class.
class TCollection : public TPersistent {
    RTL_DECLARE_CLASS(TCollection, TPersistent)
public:
    // itemClass is TCollectionItem or a descendant; EInvalidCast otherwise.
    explicit TCollection(const TMetaclass& itemClass);
    ~TCollection() override;

    const TMetaclass& ItemClass() const { return FItemClass; }
    // A new item of the item class at the end.
    TCollectionItem* Add();
    // A new item at index (0 to Count); EListError for another index.
    TCollectionItem* Insert(int32_t index);
    // Frees the item at index; EListError for an index out of range.
    void Delete(int32_t index);
    // Frees every item, the last first, and reports one change.
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // EListError for an index out of range.
    TCollectionItem* Items(int32_t index) const;
    // The item with that ID, or nullptr.
    TCollectionItem* FindItemID(int32_t id) const;

    virtual void BeginUpdate();
    // An EndUpdate without a matching BeginUpdate does nothing.
    virtual void EndUpdate();
    int32_t UpdateCount() const { return FUpdateCount; }

    // From another collection: items of this collection's item class replace the current ones, each taking over the
    // source item at its position through Assign.
    void Assign(const TPersistent* source) override;

protected:
    // A change happened: to item, or to the list when item is nullptr. Empty here.
    virtual void Update(TCollectionItem* item);
    // Reports a change of the list unless an update is running.
    void Changed();

private:
    friend class TCollectionItem;
    void CheckIndex(int32_t index, int32_t highest) const;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(int32_t currentIndex, int32_t newIndex);

    const TMetaclass& FItemClass;
    std::vector<TCollectionItem*> FItems; // owned
    int32_t FNextID = 0;
    int32_t FUpdateCount = 0;
};

// A collection that belongs to an owner, for example a control's list of panels.
class TOwnedCollection : public TCollection {
    RTL_DECLARE_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* owner, const TMetaclass& itemClass) : TCollection(itemClass), FOwner(owner) {}

    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner; // not owned
};

// One item of a collection; freeing it takes it out of its collection.
class TCollectionItem : public TPersistent {
    RTL_DECLARE_CLASS(TCollectionItem, TPersistent)
public:
    using TConstructorArgument = TCollection*;

    // Joins collection (when given) at its end; the collection owns it from then on. The collection's Add and Insert
    // build items this way and report the change once the item is complete.
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    int32_t ID() const { return FID; }
    // The position in the collection; -1 without one.
    int32_t Index() const;
    // Moves the item to index, shifting the items in between; EListError for an index out of range.
    virtual void SetIndex(int32_t index);
    // The name the item is shown by: its class name here.
    virtual UnicodeString GetDisplayName() const;
    virtual void SetDisplayName(UnicodeStringView name);

    TPersistent* GetOwner() const override { return FCollection; }
    // "collection path[index]".
    UnicodeString GetNamePath() const override;

protected:
    // Reports a change: of this item, or with allItems of the whole list.
    void Changed(bool allItems);

private:
    friend class TCollection;

    TCollection* FCollection = nullptr; // not owned
    int32_t FID = 0;
};

} // namespace rtl
