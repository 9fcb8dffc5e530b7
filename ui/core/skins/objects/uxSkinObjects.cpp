#include "ui/core/skins/objects/uxSkinObjects.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/core/skins/objects/uxSkinProperties.h"

#include <algorithm>

namespace ui {

TuxSkinCustomPersistentObject::TuxSkinCustomPersistentObject(rtl::TPersistent* owner, rtl::AnsiString name)
    : FOwner(owner), FName(std::move(name)) {}

TuxSkinCustomPersistentObject::~TuxSkinCustomPersistentObject() = default;

void TuxSkinCustomPersistentObject::SetName(rtl::AnsiString name) {
    if (name != FName) {
        FName = std::move(name);
        DoChange();
    }
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinCustomPersistentObject::Clone() const {
    std::unique_ptr<TuxSkinCustomPersistentObject> copy = NewInstance(nullptr, FName);
    copy->Assign(this);
    return copy;
}

void TuxSkinCustomPersistentObject::DoChange() {
    if (FOnChange) {
        FOnChange(this);
    }
}

TuxSkinPersistent::TuxSkinPersistent(rtl::TPersistent* owner, rtl::AnsiString name)
    : TuxSkinCustomPersistentObject(owner, std::move(name)), FProperties(std::make_unique<TuxSkinProperties>(this)) {
    FProperties->SetOnListChanged([this] { ChildChanged(); });
}

TuxSkinPersistent::~TuxSkinPersistent() = default;

void TuxSkinPersistent::Assign(const rtl::TPersistent* source) {
    if (const auto* persistent = dynamic_cast<const TuxSkinPersistent*>(source)) {
        FProperties->AssignList(persistent->Properties());
        return;
    }
    TuxSkinCustomPersistentObject::Assign(source);
}

void TuxSkinPersistent::EndUpdate() {
    if (FLockCount > 0 && --FLockCount == 0) {
        FlagChanged();
    }
}

TuxSkinProperty* TuxSkinPersistent::GetPropertyByName(std::string_view name) const {
    return FProperties->FindByName(name);
}

int32_t TuxSkinPersistent::GetPropertyCount() const {
    return FProperties->Count();
}

TuxSkinProperty* TuxSkinPersistent::GetProperty(int32_t index) const {
    return FProperties->Item(index);
}

void TuxSkinPersistent::Clear() {
    FProperties->Clear();
}

void TuxSkinPersistent::DeleteProperty(TuxSkinProperty* property) {
    FProperties->Remove(property);
}

void TuxSkinPersistent::Sort() {
    FProperties->Sort();
}

void TuxSkinPersistent::FlagChanged() {
    FModified = true;
    if (!Locked()) {
        DoChange();
    }
}

TuxSkinCustomPersistentObjectList::TuxSkinCustomPersistentObjectList(TuxSkinPersistent* owner) : FOwner(owner) {}

TuxSkinCustomPersistentObjectList::~TuxSkinCustomPersistentObjectList() {
    FOnListChanged = nullptr;
    for (const std::unique_ptr<TuxSkinCustomPersistentObject>& item : FItems) {
        item->SetOnChange(nullptr);
    }
}

TuxSkinCustomPersistentObject* TuxSkinCustomPersistentObjectList::ObjectAt(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return FItems[static_cast<size_t>(index)].get();
}

int32_t TuxSkinCustomPersistentObjectList::IndexOf(const TuxSkinCustomPersistentObject* item) const {
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [item](const auto& candidate) { return candidate.get() == item; });
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuxSkinCustomPersistentObjectList::Adopt(TuxSkinCustomPersistentObject& item) {
    item.SetOwner(FOwner);
    item.SetOnChange([this](rtl::TObject*) { ListChanged(); });
}

TuxSkinCustomPersistentObject*
TuxSkinCustomPersistentObjectList::AddObject(std::unique_ptr<TuxSkinCustomPersistentObject> item) {
    Adopt(*item);
    FItems.push_back(std::move(item));
    Notify();
    return FItems.back().get();
}

void TuxSkinCustomPersistentObjectList::Delete(int32_t index) {
    ObjectAt(index);
    FItems.erase(FItems.begin() + index);
    Notify();
}

bool TuxSkinCustomPersistentObjectList::Remove(const TuxSkinCustomPersistentObject* item) {
    const int32_t index = IndexOf(item);
    if (index < 0) {
        return false;
    }
    Delete(index);
    return true;
}

void TuxSkinCustomPersistentObjectList::Clear() {
    if (FItems.empty()) {
        return;
    }
    FItems.clear();
    Notify();
}

void TuxSkinCustomPersistentObjectList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) { return a->Name() < b->Name(); });
    FSorted = true;
}

TuxSkinCustomPersistentObject* TuxSkinCustomPersistentObjectList::FindObjectByName(std::string_view name) {
    if (!FSorted) {
        Sort();
    }
    const auto found = std::lower_bound(FItems.begin(), FItems.end(), name,
                                        [](const auto& item, std::string_view key) { return item->Name() < key; });
    return found != FItems.end() && (*found)->Name() == name ? found->get() : nullptr;
}

void TuxSkinCustomPersistentObjectList::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) {
        ListChanged();
    }
}

void TuxSkinCustomPersistentObjectList::ListChanged() {
    FSorted = false;
    if (FUpdateCount == 0 && FOnListChanged) {
        FOnListChanged();
    }
}

void TuxSkinCustomPersistentObjectList::AssignList(const TuxSkinCustomPersistentObjectList& other) {
    if (&other == this) {
        return;
    }
    const TuxSkinUpdateLock lock(*this);
    FItems.clear();
    for (const std::unique_ptr<TuxSkinCustomPersistentObject>& item : other.FItems) {
        AddObject(item->NewInstance(FOwner, item->Name()))->Assign(item.get());
    }
}

void TuxSkinCustomPersistentObjectList::SwapItems(TuxSkinCustomPersistentObjectList& other) {
    FItems.swap(other.FItems);
    for (const std::unique_ptr<TuxSkinCustomPersistentObject>& item : FItems) {
        Adopt(*item);
    }
    for (const std::unique_ptr<TuxSkinCustomPersistentObject>& item : other.FItems) {
        other.Adopt(*item);
    }
    FSorted = false;
    other.FSorted = false;
}

} // namespace ui
