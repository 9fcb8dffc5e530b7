#pragma once
// TTimer: a component that fires OnTimer every Interval milliseconds while it is enabled and has a handler. It is a
// window-message timer on a hidden window of its own, so OnTimer runs inside the message loop of the UI thread. Every
// change of Enabled, Interval or OnTimer starts the period again.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

struct TMessage;

// A window-message timer component.
class TTimer : public rtl::TComponent {
    RTL_DECLARE_CLASS(TTimer, rtl::TComponent)
public:
    explicit TTimer(rtl::TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    uint32_t Interval() const { return FInterval; }
    // 0 stops the timer until another interval is set.
    void SetInterval(uint32_t value);
    const rtl::TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(rtl::TNotifyEvent handler);
    // Whether a Windows timer is set now.
    bool Running() const { return FRunning; }

protected:
    // Fires OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage& message);

    bool FEnabled = true;
    uint32_t FInterval = 1000;
    rtl::TNotifyEvent FOnTimer;
    HWND FWindow = nullptr;
    bool FRunning = false;
};

} // namespace vcl
