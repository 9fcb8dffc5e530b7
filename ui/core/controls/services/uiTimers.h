#pragma once
// TuiTimer: a timer component that can be switched on and off freely. Every timer's platform timer is set on one
// shared hidden window under an identifier of its own, taken from a counter and never reused, so a WM_TIMER queued
// for a timer that has stopped or gone since is recognised as stale and dropped, and never reaches a later timer.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

// A window-message timer: fires OnTimer every Interval milliseconds while enabled and assigned.
class TuiTimer : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiTimer, rtl::TComponent)
public:
    explicit TuiTimer(rtl::TComponent* owner);
    ~TuiTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    uint32_t Interval() const { return FInterval; }
    // 0 is ignored: the timer keeps its interval.
    void SetInterval(uint32_t value);
    const rtl::TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(rtl::TNotifyEvent handler);
    // Whether a platform timer is set now.
    bool Running() const { return FRunning; }
    // The platform timer's identifier on the timers' window.
    uintptr_t EventID() const { return FEventID; }

    // Calls OnTimer; the timers' window calls it on each tick.
    virtual void FireTimer();

protected:
    // Whether there is something to fire: here OnTimer is assigned.
    virtual bool HasTickHandler() const { return static_cast<bool>(FOnTimer); }
    // Stops and starts again, so the next tick comes one full interval from now.
    void Restart();

private:
    void Start();
    void Stop();

    bool FEnabled = true;
    uintptr_t FEventID;
    uint32_t FInterval = 1000;
    rtl::TNotifyEvent FOnTimer;
    bool FRunning = false;
};

// The number of timers whose platform timer is set.
int32_t ActiveTimerCount();

namespace detail {
// The timers' window, for tests that post it a stale WM_TIMER; nullptr before the first timer started.
HWND TimerWindowHandle();
// Frees the timers' window and forgets the active timers (the controls unit's shut-down).
void FreeTimerWindow();
} // namespace detail

} // namespace ui
