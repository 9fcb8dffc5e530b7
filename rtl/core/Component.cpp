#include "rtl/core/Component.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>

namespace rtl {

namespace {

void AddOnce(std::vector<TComponent*>& list, TComponent* component) {
    if (std::find(list.begin(), list.end(), component) == list.end()) {
        list.push_back(component);
    }
}

void SetFlag(TComponentStates& states, TComponentState flag, bool value) {
    if (value) {
        states.Include(flag);
    } else {
        states.Exclude(flag);
    }
}

} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) {
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    Destroying();
    NotifyFreeNotificationSubscribers();
    StopWatching();
    DestroyComponents();
    if (FOwner) {
        FOwner->RemoveComponent(this);
    }
}

TComponent* TComponent::Create(const TMetaclass& componentClass, TComponent* owner) {
    if (!componentClass.InheritsFrom(StaticClass())) {
        throw EInvalidCast(RtlMessages::InvalidCast);
    }
    return static_cast<TComponent*>(componentClass.CreateInstance(owner));
}

void TComponent::Free(TComponent* component) {
    if (component) {
        component->BeforeDestruction();
        delete component;
    }
}

void TComponent::SetName(UnicodeStringView name) {
    FName = name;
}

TComponent* TComponent::Components(int32_t index) const {
    if (index < 0 || index >= ComponentCount()) {
        throw EListError(Format(RtlMessages::ListIndexError, {index}));
    }
    return FComponents[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(UnicodeStringView name) const {
    if (name.empty()) {
        return nullptr;
    }
    const auto found = std::find_if(FComponents.begin(), FComponents.end(),
                                    [name](const TComponent* component) { return SameText(component->FName, name); });
    return found != FComponents.end() ? *found : nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component) {
        return;
    }
    if (component->FOwner) {
        component->FOwner->RemoveComponent(component);
    }
    FComponents.push_back(component);
    component->FOwner = this;
    if (FComponentState.Contains(TComponentState::csDesigning)) {
        component->SetDesigning(true);
    }
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this) {
        return;
    }
    std::erase(FComponents, component);
    component->FOwner = nullptr;
    Notification(component, TOperation::opRemove);
}

// Each component leaves this one's list from its own destructor.
void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        Free(FComponents.back());
    }
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    SetFlag(FComponentState, TComponentState::csDesigning, value);
    if (setChildren) {
        for (TComponent* component : FComponents) {
            component->SetDesigning(value, true);
        }
    }
}

void TComponent::SetAncestor(bool value) {
    SetFlag(FComponentState, TComponentState::csAncestor, value);
    for (TComponent* component : FComponents) {
        component->SetAncestor(value);
    }
}

void TComponent::SetStreamingState(TComponentStates states) {
    constexpr TComponentStates streamingFlags{TComponentState::csLoading, TComponentState::csReading,
                                              TComponentState::csWriting};
    FComponentState = (FComponentState - streamingFlags) + (states * streamingFlags);
}

void TComponent::Loaded() {
    FComponentState.Exclude(TComponentState::csLoading);
}

void TComponent::BeforeDestruction() {
    Destroying();
}

void TComponent::Destroying() {
    if (FComponentState.Contains(TComponentState::csDestroying)) {
        return;
    }
    FComponentState.Include(TComponentState::csDestroying);
    for (TComponent* component : FComponents) {
        component->Destroying();
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) {
        return;
    }
    AddOnce(FFreeNotifies, component);
    AddOnce(component->FWatched, this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) {
        return;
    }
    std::erase(FFreeNotifies, component);
    std::erase(component->FWatched, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

// Each subscriber is unlinked before it is told, so that the loop ends whatever its handler does, and a handler that
// frees other subscribers takes them out of the list; the owner is skipped here because leaving it tells it anyway.
void TComponent::NotifyFreeNotificationSubscribers() {
    while (!FFreeNotifies.empty()) {
        TComponent* subscriber = FFreeNotifies.back();
        RemoveFreeNotification(subscriber);
        if (subscriber != FOwner) {
            subscriber->Notification(this, TOperation::opRemove);
        }
    }
}

void TComponent::StopWatching() {
    for (TComponent* watched : FWatched) {
        std::erase(watched->FFreeNotifies, this);
    }
    FWatched.clear();
}

} // namespace rtl
