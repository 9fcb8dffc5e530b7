#pragma once
// The object model under a skin: named persistent objects that tell their owner when they change, persistents with a
// property list and an update lock, and the owning lists that hold them, find them by name and pass changes on.
// Changes travel upward: an object's OnChange reaches its list, the list's change event its owner's ChildChanged, and
// so on up to the skin, which tells its listeners (uxSkin.h). A lock on the way (a list's or a persistent's update
// count) holds the change back until it ends, so a burst of changes is told once. Names are ANSI strings, taken as
// the bytes the stream holds.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

class TuxSkinProperty;
class TuxSkinProperties;

// The state bits of a skin object.
using TuxSkinObjectState = uint8_t;
// Created by a skin info because the data lacked the object.
inline constexpr TuxSkinObjectState sosCreatedForMissing = 1;
// Not referenced by any skin info yet; every object starts with this bit alone.
inline constexpr TuxSkinObjectState sosNotReferenced = 2;

class TuxSkinCustomPersistentObject : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuxSkinCustomPersistentObject, rtl::TPersistent)
public:
    TuxSkinCustomPersistentObject(rtl::TPersistent* owner, rtl::AnsiString name);
    ~TuxSkinCustomPersistentObject() override;

    const rtl::AnsiString& Name() const { return FName; }
    // A new name is a change (a list's order by name depends on it).
    void SetName(rtl::AnsiString name);
    rtl::TPersistent* GetOwner() const override { return FOwner; }
    void SetOwner(rtl::TPersistent* owner) { FOwner = owner; }
    TuxSkinObjectState State() const { return FState; }
    void SetState(TuxSkinObjectState state) { FState = state; }
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

    // The virtual constructor: a new object of this one's class.
    virtual std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                                       rtl::AnsiString name) const = 0;
    // A new object of the same class with no owner and the same name, assigned from this one.
    std::unique_ptr<TuxSkinCustomPersistentObject> Clone() const;

protected:
    // Fires OnChange with this object as sender.
    virtual void DoChange();
    // A new name without telling anyone, for a change told as part of a larger one.
    void StoreName(rtl::AnsiString name) { FName = std::move(name); }

private:
    rtl::TPersistent* FOwner; // not owned
    rtl::AnsiString FName;
    TuxSkinObjectState FState = sosNotReferenced;
    rtl::TNotifyEvent FOnChange;
};

// A new object of class T as the virtual constructors make them.
template <class T>
std::unique_ptr<TuxSkinCustomPersistentObject> MakeSkinObject(rtl::TPersistent* owner, rtl::AnsiString name) {
    return std::make_unique<T>(owner, std::move(name));
}

// A persistent with a property list and an update lock.
class TuxSkinPersistent : public TuxSkinCustomPersistentObject {
    RTL_DECLARE_CLASS(TuxSkinPersistent, TuxSkinCustomPersistentObject)
public:
    TuxSkinPersistent(rtl::TPersistent* owner, rtl::AnsiString name);
    ~TuxSkinPersistent() override;

    // From another persistent: its properties.
    void Assign(const rtl::TPersistent* source) override;

    void BeginUpdate() { ++FLockCount; }
    // The lock's end is a change, told once when the outermost lock ends.
    void EndUpdate();
    bool Locked() const { return FLockCount > 0; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    TuxSkinProperties& Properties() const { return *FProperties; }
    TuxSkinProperty* GetPropertyByName(std::string_view name) const;
    int32_t GetPropertyCount() const;
    TuxSkinProperty* GetProperty(int32_t index) const;

    // Empties the properties.
    virtual void Clear();
    // Removes the property (when it is one of this object's) and frees it.
    virtual void DeleteProperty(TuxSkinProperty* property);
    // Puts the properties in the order of their names.
    virtual void Sort();

protected:
    // Ends a lock without telling a change.
    void EndUpdateQuietly() {
        if (FLockCount > 0) {
            --FLockCount;
        }
    }
    // Sets the modified flag and, unless locked, tells the change.
    virtual void FlagChanged();
    // A list this object owns changed.
    virtual void ChildChanged() { FlagChanged(); }

private:
    std::unique_ptr<TuxSkinProperties> FProperties;
    int32_t FLockCount = 0;
    bool FModified = false;
};

// An owning list of skin objects: its items belong to the list's owner, and each item's change reaches the list.
class TuxSkinCustomPersistentObjectList {
public:
    explicit TuxSkinCustomPersistentObjectList(TuxSkinPersistent* owner);
    // Frees the items without telling anyone.
    virtual ~TuxSkinCustomPersistentObjectList();
    TuxSkinCustomPersistentObjectList(const TuxSkinCustomPersistentObjectList&) = delete;
    TuxSkinCustomPersistentObjectList& operator=(const TuxSkinCustomPersistentObjectList&) = delete;

    TuxSkinPersistent* Owner() const { return FOwner; }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // EListError for an index out of range.
    TuxSkinCustomPersistentObject* ObjectAt(int32_t index) const;
    int32_t IndexOf(const TuxSkinCustomPersistentObject* item) const;
    // Takes the object over: it now belongs to the list's owner; returns it.
    TuxSkinCustomPersistentObject* AddObject(std::unique_ptr<TuxSkinCustomPersistentObject> item);
    // Frees the item at index.
    void Delete(int32_t index);
    // Frees the item when it is in the list; false otherwise.
    bool Remove(const TuxSkinCustomPersistentObject* item);
    void Clear();
    // The item of that name (exact, case-sensitive), or nullptr; with several of that name any one of them. The list
    // is put in the order of its names first unless it is in that order already.
    TuxSkinCustomPersistentObject* FindObjectByName(std::string_view name);
    // Puts the items in the order of their names (byte by byte), keeping the order of equal names.
    void Sort();

    void BeginUpdate() { ++FUpdateCount; }
    // The lock's end is a change of the list, told once when the outermost lock ends.
    void EndUpdate();
    // Called when the list or one of its items changed, unless the list is locked.
    void SetOnListChanged(std::function<void()> handler) { FOnListChanged = std::move(handler); }

    // Empties the list, then appends for every item of other a new object of the same class and name, assigned from
    // it; one change.
    void AssignList(const TuxSkinCustomPersistentObjectList& other);
    // Exchanges the items of the two lists; each list's items then belong to that list's owner. No change is told.
    void SwapItems(TuxSkinCustomPersistentObjectList& other);

protected:
    // An item was added or removed.
    void Notify() { ListChanged(); }
    // The list is no longer known to be in name order; the owner hears of it unless the list is locked.
    void ListChanged();

private:
    void Adopt(TuxSkinCustomPersistentObject& item);

    TuxSkinPersistent* FOwner; // not owned
    std::vector<std::unique_ptr<TuxSkinCustomPersistentObject>> FItems;
    int32_t FUpdateCount = 0;
    bool FSorted = false;
    std::function<void()> FOnListChanged;
};

// An update lock (BeginUpdate ... EndUpdate of a list or a persistent) held for a scope, ended also when the scope is
// left by an exception.
template <class TLockable>
class TuxSkinUpdateLock {
public:
    explicit TuxSkinUpdateLock(TLockable& lockable) : FLockable(lockable) { FLockable.BeginUpdate(); }
    ~TuxSkinUpdateLock() { FLockable.EndUpdate(); }
    TuxSkinUpdateLock(const TuxSkinUpdateLock&) = delete;
    TuxSkinUpdateLock& operator=(const TuxSkinUpdateLock&) = delete;

private:
    TLockable& FLockable;
};

// A list whose items are all of class TItem (or its descendants).
template <class TItem>
class TuxSkinObjectList : public TuxSkinCustomPersistentObjectList {
public:
    using TuxSkinCustomPersistentObjectList::TuxSkinCustomPersistentObjectList;

    TItem* Item(int32_t index) const { return static_cast<TItem*>(ObjectAt(index)); }
    TItem* FindByName(std::string_view name) { return static_cast<TItem*>(FindObjectByName(name)); }
    TItem* Add(std::unique_ptr<TItem> item) { return static_cast<TItem*>(AddObject(std::move(item))); }
};

} // namespace ui
