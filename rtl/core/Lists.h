#pragma once
// Ordered pointer lists: TList holds untyped pointers and tells descendants about every item that enters or leaves
// through Notify; TObjectList builds on that to own the objects it holds. Indexes are 0-based and checked: a bad one
// raises EListError.

#include "rtl/core/Object.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace rtl {

// The largest count or capacity a list accepts; larger requests (a hostile count read from a file) raise EListError
// instead of trying to allocate.
inline constexpr int32_t MaxListSize = INT32_MAX / 16;

// Why Notify is called: an item entered the list, was taken out without being released, or was removed.
enum class TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Negative when item1 goes before item2, zero when they are equal, positive otherwise.
using TListSortCompare = std::function<int(void* item1, void* item2)>;

// The stable sorted order of count items as positions into the unsorted items, given compare (negative when the item
// at the first position goes first). An inconsistent compare gives some order, never a crash.
std::vector<int32_t> StableSortOrder(int32_t count, const std::function<int(int32_t first, int32_t second)>& compare);

// An ordered list of untyped pointers (not owned); nil entries are allowed.
class TList : public TObject {
public:
    int32_t Add(void* item);
    void Insert(int32_t index, void* item);
    void Delete(int32_t index);
    // Deletes the first occurrence of item and returns its former index, or -1 when absent.
    int32_t Remove(void* item);
    // Takes the first occurrence of item out of the list without releasing it; nil when absent.
    void* Extract(void* item);
    int32_t IndexOf(void* item) const;
    // Removes every item; descendants that release items in Notify must call it from their own destructor.
    virtual void Clear();

    void* Get(int32_t index) const;
    // Replaces an item: the old one is notified as deleted, the new one as added.
    void Put(int32_t index, void* item);
    void* First() const;
    void* Last() const;

    void Exchange(int32_t index1, int32_t index2);
    // Moves an item so that it ends up at newIndex; nothing is notified.
    void Move(int32_t currentIndex, int32_t newIndex);
    // Removes the nil entries.
    void Pack();
    void Sort(const TListSortCompare& compare);
    // Replaces the items by those of source.
    void Assign(const TList& source);

    int32_t Count() const { return static_cast<int32_t>(FList.size()); }
    // Growing fills with nil; shrinking deletes the items from the end.
    void SetCount(int32_t count);
    int32_t Capacity() const { return static_cast<int32_t>(FList.capacity()); }
    void SetCapacity(int32_t capacity);

protected:
    // Called for each non-nil item that enters or leaves the list, after the list has changed.
    virtual void Notify(void* item, TListNotification action);

private:
    void CheckIndex(int32_t index) const;
    void* TakeOut(int32_t index);

    std::vector<void*> FList;
};

// A list of objects that frees them on Delete, Remove, Clear, replacement and destruction while OwnsObjects is set;
// Extract hands an object back without freeing it.
class TObjectList : public TList {
public:
    explicit TObjectList(bool ownsObjects = true) : FOwnsObjects(ownsObjects) {}
    ~TObjectList() override;

    int32_t Add(TObject* object) { return TList::Add(object); }
    void Insert(int32_t index, TObject* object) { TList::Insert(index, object); }
    int32_t Remove(TObject* object) { return TList::Remove(object); }
    TObject* Extract(TObject* object) { return static_cast<TObject*>(TList::Extract(object)); }
    int32_t IndexOf(TObject* object) const { return TList::IndexOf(object); }

    TObject* GetItem(int32_t index) const { return static_cast<TObject*>(Get(index)); }
    void SetItem(int32_t index, TObject* object) { Put(index, object); }
    TObject* First() const { return static_cast<TObject*>(TList::First()); }
    TObject* Last() const { return static_cast<TObject*>(TList::Last()); }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool ownsObjects) { FOwnsObjects = ownsObjects; }

protected:
    void Notify(void* item, TListNotification action) override;

private:
    bool FOwnsObjects;
};

} // namespace rtl
