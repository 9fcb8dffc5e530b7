#include "ui/core/controls/services/uiTimers.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiMessageWindows.h"
#include "ui/core/controls/uiControlsUnit.h"

#include <map>
#include <memory>

namespace ui {

namespace {

// The window that owns every timer's platform timer; WM_TIMER reaches the timer whose identifier is active.
class TuiTimerWindow final : public TuiMessageWindow {
public:
    std::map<uintptr_t, TuiTimer*> ActiveTimers; // not owned

protected:
    void HandleMessage(vcl::TMessage& message) override {
        if (message.Msg != WM_TIMER) {
            DefaultHandling(message);
            return;
        }
        const auto active = ActiveTimers.find(message.WParam);
        if (active != ActiveTimers.end()) {
            active->second->FireTimer();
        }
    }
};

std::unique_ptr<TuiTimerWindow> TimersWindow;
// Identifiers start high, away from the small ones other code may set on windows by hand.
uintptr_t LastTimerID = 0x1000;

TuiTimerWindow* GetTimerWindow() {
    if (!TimersWindow && !IsControlsUnitFinalized()) {
        TimersWindow = std::make_unique<TuiTimerWindow>();
    }
    return TimersWindow.get();
}

} // namespace

TuiTimer::TuiTimer(rtl::TComponent* owner) : TComponent(owner), FEventID(++LastTimerID) {}

TuiTimer::~TuiTimer() {
    Stop();
}

void TuiTimer::SetEnabled(bool value) {
    if (value != FEnabled) {
        FEnabled = value;
        Restart();
    }
}

void TuiTimer::SetInterval(uint32_t value) {
    if (value != 0 && value != FInterval) {
        FInterval = value;
        Restart();
    }
}

void TuiTimer::SetOnTimer(rtl::TNotifyEvent handler) {
    FOnTimer = std::move(handler);
    Restart();
}

void TuiTimer::FireTimer() {
    if (FOnTimer) {
        FOnTimer(this);
    }
}

void TuiTimer::Restart() {
    Stop();
    Start();
}

void TuiTimer::Start() {
    if (!FEnabled || FRunning || !HasTickHandler()) {
        return;
    }
    TuiTimerWindow* window = GetTimerWindow();
    if (!window) {
        return;
    }
    FRunning = SetTimer(window->Handle(), FEventID, FInterval, nullptr) != 0;
    if (FRunning) {
        window->ActiveTimers[FEventID] = this;
    }
}

void TuiTimer::Stop() {
    if (!FRunning) {
        return;
    }
    FRunning = false;
    if (TimersWindow) {
        KillTimer(TimersWindow->Handle(), FEventID);
        TimersWindow->ActiveTimers.erase(FEventID);
    }
}

int32_t ActiveTimerCount() {
    return TimersWindow ? static_cast<int32_t>(TimersWindow->ActiveTimers.size()) : 0;
}

HWND detail::TimerWindowHandle() {
    return TimersWindow ? TimersWindow->Handle() : nullptr;
}

void detail::FreeTimerWindow() {
    TimersWindow.reset();
}

} // namespace ui
