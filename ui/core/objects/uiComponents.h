#pragma once
// The library's component and persistent bases: TuiComponent, whose links die with it; TuiInterfacedPersistent, a
// persistent that knows its owner (editor properties, styles); and TuiFreeNotificator, which tells its handler when a
// watched component is freed.

#include "rtl/core/Component.h"
#include "rtl/core/Persistent.h"

#include <functional>

namespace ui {

class TuiComponent : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiComponent, rtl::TComponent)
public:
    explicit TuiComponent(rtl::TComponent* owner) : TComponent(owner) {}
    // Links to the component refer to nothing from here on.
    ~TuiComponent() override;
};

class TuiInterfacedPersistent : public rtl::TInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiInterfacedPersistent, rtl::TInterfacedPersistent)
public:
    using TConstructorArgument = rtl::TPersistent*;

    explicit TuiInterfacedPersistent(rtl::TPersistent* owner) : FOwner(owner) {}

    rtl::TPersistent* GetOwner() const override { return FOwner; }

private:
    rtl::TPersistent* FOwner; // not owned
};

// Calls OnFreeNotification with each watched component that is being freed.
class TuiFreeNotificator : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiFreeNotificator, rtl::TComponent)
public:
    using TFreeNotificationEvent = std::function<void(rtl::TComponent* component)>;

    explicit TuiFreeNotificator(rtl::TComponent* owner) : TComponent(owner) {}

    // Both ignore nullptr.
    void WatchComponent(rtl::TComponent* component);
    void UnwatchComponent(rtl::TComponent* component);

    const TFreeNotificationEvent& OnFreeNotification() const { return FOnFreeNotification; }
    void SetOnFreeNotification(TFreeNotificationEvent handler) { FOnFreeNotification = std::move(handler); }

protected:
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    TFreeNotificationEvent FOnFreeNotification;
};

} // namespace ui
