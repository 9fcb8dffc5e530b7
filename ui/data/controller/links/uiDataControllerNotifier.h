#pragma once
// TuiDataControllerNotifier: the component through which a data controller hears that a component its fields refer
// to is being freed. Such a component puts the notifier on its free-notification list (FreeNotification); the
// notifier passes the component on to the controller, whose fields drop their references to it.

#include "rtl/core/Component.h"

namespace ui {

class TuiCustomDataController;

class TuiDataControllerNotifier : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiDataControllerNotifier, rtl::TComponent)
public:
    TuiDataControllerNotifier(rtl::TComponent* owner, TuiCustomDataController& dataController);

    TuiCustomDataController& DataController() const { return FDataController; }

protected:
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    TuiCustomDataController& FDataController;
};

} // namespace ui
