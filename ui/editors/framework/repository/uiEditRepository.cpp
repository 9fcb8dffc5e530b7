#include "ui/editors/framework/repository/uiEditRepository.h"

#include "rtl/core/Exceptions.h"

#include <algorithm>

namespace ui {

TuiEditRepositoryItem::TuiEditRepositoryItem(rtl::TComponent* owner)
    : TuiEditRepositoryItem(owner, TuiCustomEditProperties::StaticClass()) {}

TuiEditRepositoryItem::TuiEditRepositoryItem(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TComponent(owner) {
    FProperties.reset(static_cast<TuiCustomEditProperties*>(propertiesClass.CreateInstance(this)));
    FProperties->SetOnPropertiesChanged([this](rtl::TObject*) { NotifyPropertiesChanged(); });
}

TuiEditRepositoryItem::~TuiEditRepositoryItem() {
    Destroying();
    for (size_t i = FListeners.size(); i-- > 0;) {
        if (i < FListeners.size()) {
            FListeners[i]->ItemRemoved(this);
        }
    }
    SetRepository(nullptr);
    FProperties.reset();
}

void TuiEditRepositoryItem::NotifyPropertiesChanged() {
    for (size_t i = FListeners.size(); i-- > 0;) {
        if (i < FListeners.size()) {
            FListeners[i]->ItemPropertiesChanged(this);
        }
    }
}

void TuiEditRepositoryItem::AddListener(IuiEditItemWatcher* listener) {
    if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) {
        FListeners.push_back(listener);
    }
}

void TuiEditRepositoryItem::RemoveListener(IuiEditItemWatcher* listener) {
    std::erase(FListeners, listener);
}

void TuiEditRepositoryItem::SetRepository(TuiEditRepository* repository) {
    if (repository == FRepository) {
        return;
    }
    if (FRepository != nullptr) {
        FRepository->RemoveItem(this);
    }
    FRepository = repository;
    if (FRepository != nullptr) {
        FRepository->AddItem(this);
    }
}

rtl::TComponent* TuiEditRepositoryItem::GetParentComponent() const {
    return FRepository;
}

void TuiEditRepositoryItem::SetParentComponent(rtl::TComponent* component) {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    auto* repository = component == nullptr ? nullptr : dynamic_cast<TuiEditRepository*>(component);
    if (component != nullptr && repository == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    SetRepository(repository);
}

void TuiEditRepositoryItem::GetBaseName(rtl::UnicodeString& name) const {
    static constexpr rtl::UnicodeStringView prefix = u"TuiEditRepository";
    name = FRepository != nullptr ? rtl::UnicodeString(FRepository->Name()) : rtl::UnicodeString();
    const rtl::UnicodeStringView className = ClassType().ClassName();
    const size_t at = className.find(prefix);
    if (at != rtl::UnicodeStringView::npos) {
        name += className.substr(at + prefix.size());
    }
}

TuiEditRepository::~TuiEditRepository() {
    Clear();
}

TuiEditRepositoryItem* TuiEditRepository::CreateItem(const rtl::TMetaclass& itemClass) {
    return CreateItemEx(itemClass, this);
}

TuiEditRepositoryItem* TuiEditRepository::CreateItemEx(const rtl::TMetaclass& itemClass, rtl::TComponent* owner) {
    if (!itemClass.InheritsFrom(TuiEditRepositoryItem::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    auto* item = static_cast<TuiEditRepositoryItem*>(rtl::TComponent::Create(itemClass, owner));
    item->SetRepository(this);
    return item;
}

void TuiEditRepository::AddItem(TuiEditRepositoryItem* item) {
    if (std::find(FItems.begin(), FItems.end(), item) == FItems.end()) {
        FItems.push_back(item);
    }
}

void TuiEditRepository::RemoveItem(TuiEditRepositoryItem* item) {
    std::erase(FItems, item);
}

void TuiEditRepository::Clear() {
    while (!FItems.empty()) {
        rtl::TComponent::Free(FItems.back());
    }
}

void TuiEditRepository::GetChildren(const std::function<void(rtl::TComponent*)>& proc, rtl::TComponent* root) const {
    for (TuiEditRepositoryItem* item : FItems) {
        if (item->Owner() == root) {
            proc(item);
        }
    }
}

TuiEditRegisteredRepositoryItems::~TuiEditRegisteredRepositoryItems() {
    FDestroying = true;
    for (auto* entries : {&FDefaultEntries, &FTypedEntries}) {
        while (!entries->empty()) {
            DeleteEntry(*entries, entries->size() - 1);
        }
    }
}

bool TuiEditRegisteredRepositoryItems::Find(const std::vector<TEntry>& entries, const void* dataType,
                                            bool highestVersion, int32_t version, size_t& index) {
    const auto less = [](const TEntry& entry, const std::pair<const void*, int32_t>& key) {
        return std::less<>()(entry.DataType, key.first) || (entry.DataType == key.first && entry.Version < key.second);
    };
    const auto lessType = [](const TEntry& entry, const void* key) { return std::less<>()(entry.DataType, key); };
    auto at = highestVersion ? std::lower_bound(entries.begin(), entries.end(), dataType, lessType)
                             : std::lower_bound(entries.begin(), entries.end(), std::pair(dataType, version), less);
    if (highestVersion) {
        while (at != entries.end() && std::next(at) != entries.end() && std::next(at)->DataType == dataType) {
            ++at;
        }
    }
    index = static_cast<size_t>(at - entries.begin());
    return at != entries.end() && at->DataType == dataType && (highestVersion || at->Version == version);
}

void TuiEditRegisteredRepositoryItems::InsertEntry(std::vector<TEntry>& entries, const void* dataType, int32_t version,
                                                   TuiEditRepositoryItem* item) {
    size_t index = 0;
    if (Find(entries, dataType, false, version, index)) {
        return;
    }
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(index), TEntry{dataType, version, item});
    item->AddListener(this);
    Changed();
}

void TuiEditRegisteredRepositoryItems::DeleteEntry(std::vector<TEntry>& entries, size_t index) {
    TuiEditRepositoryItem* item = entries[index].Item;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    // The item may serve other entries: it keeps hearing of this registry until its last entry goes.
    const auto servesItem = [item](const TEntry& entry) { return entry.Item == item; };
    if (std::none_of(FDefaultEntries.begin(), FDefaultEntries.end(), servesItem) &&
        std::none_of(FTypedEntries.begin(), FTypedEntries.end(), servesItem)) {
        item->RemoveListener(this);
    }
    if (!FDestroying) {
        Changed();
    }
}

void TuiEditRegisteredRepositoryItems::ItemRemoved(TuiEditRepositoryItem* item) {
    for (auto* entries : {&FDefaultEntries, &FTypedEntries}) {
        for (size_t i = entries->size(); i-- > 0;) {
            if ((*entries)[i].Item == item) {
                DeleteEntry(*entries, i);
            }
        }
    }
}

TuiEditRepositoryItem* TuiEditRegisteredRepositoryItems::GetDefaultItem() const {
    return FDefaultEntries.empty() ? nullptr : FDefaultEntries.front().Item;
}

TuiEditRepositoryItem* TuiEditRegisteredRepositoryItems::GetItem(const void* dataType) const {
    size_t index = 0;
    return Find(FTypedEntries, dataType, true, 0, index) ? FTypedEntries[index].Item : GetDefaultItem();
}

void TuiEditRegisteredRepositoryItems::RegisterDefaultItem(int32_t version, TuiEditRepositoryItem* item) {
    InsertEntry(FDefaultEntries, nullptr, version, item);
}

void TuiEditRegisteredRepositoryItems::RegisterItem(const void* dataType, int32_t version,
                                                    TuiEditRepositoryItem* item) {
    InsertEntry(FTypedEntries, dataType, version, item);
}

void TuiEditRegisteredRepositoryItems::Unregister(std::vector<TEntry>& entries, const void* dataType, int32_t version) {
    size_t index = 0;
    if (Find(entries, dataType, false, version, index)) {
        DeleteEntry(entries, index);
    }
}

void TuiEditRegisteredRepositoryItems::UnregisterDefaultItem(int32_t version) {
    Unregister(FDefaultEntries, nullptr, version);
}

void TuiEditRegisteredRepositoryItems::UnregisterItem(const void* dataType, int32_t version) {
    Unregister(FTypedEntries, dataType, version);
}

namespace {

std::unique_ptr<TuiEditRepository> defaultEditRepository;
std::unique_ptr<TuiEditDataRegisteredRepositoryItems> editDataRegisteredRepositoryItems;

} // namespace

TuiEditRepository& GetDefaultEditRepository() {
    if (!defaultEditRepository) {
        defaultEditRepository = std::make_unique<TuiEditRepository>(nullptr);
    }
    return *defaultEditRepository;
}

void FreeDefaultEditRepository() {
    defaultEditRepository.reset();
}

TuiEditDataRegisteredRepositoryItems& GetEditDataRegisteredRepositoryItems() {
    if (!editDataRegisteredRepositoryItems) {
        editDataRegisteredRepositoryItems = std::make_unique<TuiEditDataRegisteredRepositoryItems>();
    }
    return *editDataRegisteredRepositoryItems;
}

void FreeEditDataRegisteredRepositoryItems() {
    editDataRegisteredRepositoryItems.reset();
}

bool UseOwnPropertiesForRepositoryItem(TuiCustomEditProperties* ownProperties, TuiEditRepositoryItem* item,
                                       TuiCustomEditProperties*& properties) {
    if (ownProperties == nullptr || item == nullptr || properties != &item->Properties() ||
        !item->GetPropertiesClass().InheritsFrom(ownProperties->ClassType())) {
        return false;
    }
    properties = ownProperties;
    return true;
}

} // namespace ui
