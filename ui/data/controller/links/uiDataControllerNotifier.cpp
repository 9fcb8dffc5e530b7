#include "ui/data/controller/links/uiDataControllerNotifier.h"

#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

TuiDataControllerNotifier::TuiDataControllerNotifier(rtl::TComponent* owner, TuiCustomDataController& dataController)
    : TComponent(owner), FDataController(dataController) {}

void TuiDataControllerNotifier::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != rtl::TOperation::opRemove) {
        return;
    }
    if (component == this && ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    FDataController.ComponentRemoved(component);
}

} // namespace ui
