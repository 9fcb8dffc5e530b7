#pragma once
// The edit repository: named editor descriptions (repository items, each owning one properties object) that many
// editors and grid columns share; an editor bound to an item edits with the item's properties, and every change of
// them reaches all the item's users. Beside it the registry that answers which repository item edits a value of a
// given data type (the default editors), keyed by the data layer's value types.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "ui/editors/framework/properties/uiEditProperties.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiEditRepository;
class TuiEditRepositoryItem;
class TuiValueType;

// How the users of a repository item hear of it.
class IuiEditItemWatcher {
public:
    // The item is being destroyed.
    virtual void ItemRemoved(TuiEditRepositoryItem* item) = 0;
    virtual void ItemPropertiesChanged(TuiEditRepositoryItem* item) = 0;

protected:
    ~IuiEditItemWatcher() = default;
};

// One shared editor description; each item class answers the properties class it holds.
class TuiEditRepositoryItem : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiEditRepositoryItem, rtl::TComponent)
public:
    explicit TuiEditRepositoryItem(rtl::TComponent* owner);
    ~TuiEditRepositoryItem() override;

    TuiCustomEditProperties& Properties() const { return *FProperties; }
    void SetProperties(const TuiCustomEditProperties& value) { FProperties->Assign(&value); }
    TuiEditRepository* Repository() const { return FRepository; }
    // The old repository drops the item, the new one adds it.
    void SetRepository(TuiEditRepository* repository);
    rtl::TComponent* GetParentComponent() const;
    bool HasParent() const { return FRepository != nullptr; }
    // Ignored while loading; EInvalidCast for a component that is not a repository.
    void SetParentComponent(rtl::TComponent* component);

    // Listeners are not owned; each is added once.
    void AddListener(IuiEditItemWatcher* listener);
    void RemoveListener(IuiEditItemWatcher* listener);

    // The repository's name followed by the class name less its "TuiEditRepository" prefix.
    virtual void GetBaseName(rtl::UnicodeString& name) const;
    virtual const rtl::TMetaclass& GetPropertiesClass() const { return TuiCustomEditProperties::StaticClass(); }

protected:
    // Made by the constructors of the item classes, which answer their own properties class.
    TuiEditRepositoryItem(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);
    // Every listener, from the last to the first, hears of the change.
    virtual void NotifyPropertiesChanged();

private:
    std::unique_ptr<TuiCustomEditProperties> FProperties;
    std::vector<IuiEditItemWatcher*> FListeners; // not owned
    TuiEditRepository* FRepository = nullptr;    // not owned
};

// The item class of one properties class: it holds properties of TProperties and answers that class. Each editor's
// item derives from it and declares its own class (RTL_DECLARE_CLASS), so that forms find it by name.
template <class TProperties>
class TuiEditRepositoryItemOf : public TuiEditRepositoryItem {
public:
    explicit TuiEditRepositoryItemOf(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TProperties::StaticClass(); }
    TProperties& Properties() const { return static_cast<TProperties&>(TuiEditRepositoryItem::Properties()); }
};

// A component holding repository items; it frees them when it goes.
class TuiEditRepository : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiEditRepository, rtl::TComponent)
public:
    explicit TuiEditRepository(rtl::TComponent* owner) : TComponent(owner) {}
    ~TuiEditRepository() override;

    // An item of itemClass owned by the repository, or by owner.
    virtual TuiEditRepositoryItem* CreateItem(const rtl::TMetaclass& itemClass);
    virtual TuiEditRepositoryItem* CreateItemEx(const rtl::TMetaclass& itemClass, rtl::TComponent* owner);

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiEditRepositoryItem* Items(int32_t index) const { return FItems.at(static_cast<size_t>(index)); }
    void AddItem(TuiEditRepositoryItem* item);
    void RemoveItem(TuiEditRepositoryItem* item);
    // Frees the items from the last to the first.
    void Clear();
    // For streaming: every item owned by root.
    void GetChildren(const std::function<void(rtl::TComponent*)>& proc, rtl::TComponent* root) const;

private:
    std::vector<TuiEditRepositoryItem*> FItems; // the items free themselves through Clear
};

// The registry of repository items by data type: typed entries answer with their highest version, the default entry
// with its lowest. A destroyed item drops its entries.
class TuiEditRegisteredRepositoryItems : public IuiEditItemWatcher {
public:
    TuiEditRegisteredRepositoryItems() = default;
    TuiEditRegisteredRepositoryItems(const TuiEditRegisteredRepositoryItems&) = delete;
    TuiEditRegisteredRepositoryItems& operator=(const TuiEditRegisteredRepositoryItems&) = delete;
    virtual ~TuiEditRegisteredRepositoryItems();

    void ItemRemoved(TuiEditRepositoryItem* item) override;
    void ItemPropertiesChanged(TuiEditRepositoryItem*) override { Changed(); }

    // nullptr when none is registered.
    TuiEditRepositoryItem* GetDefaultItem() const;
    // The item of the highest version for dataType, else the default item.
    TuiEditRepositoryItem* GetItem(const void* dataType) const;
    // A (data type, version) pair already registered keeps its first item.
    void RegisterDefaultItem(int32_t version, TuiEditRepositoryItem* item);
    void RegisterItem(const void* dataType, int32_t version, TuiEditRepositoryItem* item);
    void UnregisterDefaultItem(int32_t version);
    void UnregisterItem(const void* dataType, int32_t version);

protected:
    // A hook told of every change of the registry.
    virtual void Changed() {}

private:
    struct TEntry {
        const void* DataType;
        int32_t Version;
        TuiEditRepositoryItem* Item;
    };
    static bool Find(const std::vector<TEntry>& entries, const void* dataType, bool highestVersion, int32_t version,
                     size_t& index);
    void InsertEntry(std::vector<TEntry>& entries, const void* dataType, int32_t version, TuiEditRepositoryItem* item);
    void DeleteEntry(std::vector<TEntry>& entries, size_t index);
    void Unregister(std::vector<TEntry>& entries, const void* dataType, int32_t version);

    bool FDestroying = false;
    std::vector<TEntry> FDefaultEntries;
    std::vector<TEntry> FTypedEntries;
};

// The registry keyed by the data layer's value types.
class TuiEditDataRegisteredRepositoryItems : public TuiEditRegisteredRepositoryItems {
public:
    TuiEditRepositoryItem* GetItem(const TuiValueType* valueType) const {
        return TuiEditRegisteredRepositoryItems::GetItem(valueType);
    }
    void RegisterItem(const TuiValueType* valueType, int32_t version, TuiEditRepositoryItem* item) {
        TuiEditRegisteredRepositoryItems::RegisterItem(valueType, version, item);
    }
    void UnregisterItem(const TuiValueType* valueType, int32_t version) {
        TuiEditRegisteredRepositoryItems::UnregisterItem(valueType, version);
    }
};

// The framework's own repository, made on first use; FreeDefaultEditRepository ends it at shut-down.
TuiEditRepository& GetDefaultEditRepository();
void FreeDefaultEditRepository();
// The registry of default editors, made on first use; freed at shut-down.
TuiEditDataRegisteredRepositoryItems& GetEditDataRegisteredRepositoryItems();
void FreeEditDataRegisteredRepositoryItems();

// True, with properties replaced by ownProperties, when both exist, properties are the item's and the item's
// properties class inherits from the class of ownProperties.
bool UseOwnPropertiesForRepositoryItem(TuiCustomEditProperties* ownProperties, TuiEditRepositoryItem* item,
                                       TuiCustomEditProperties*& properties);

} // namespace ui
