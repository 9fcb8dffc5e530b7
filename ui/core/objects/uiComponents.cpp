#include "ui/core/objects/uiComponents.h"

#include "ui/core/objects/uiObjectLinks.h"

namespace ui {

TuiComponent::~TuiComponent() {
    DetachObjectLinks(this);
}

void TuiFreeNotificator::WatchComponent(rtl::TComponent* component) {
    if (component) {
        component->FreeNotification(this);
    }
}

void TuiFreeNotificator::UnwatchComponent(rtl::TComponent* component) {
    if (component) {
        component->RemoveFreeNotification(this);
    }
}

void TuiFreeNotificator::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && FOnFreeNotification) {
        FOnFreeNotification(component);
    }
}

} // namespace ui
