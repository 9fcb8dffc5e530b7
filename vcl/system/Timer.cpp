#include "vcl/system/Timer.h"

#include "vcl/system/Messages.h"
#include "vcl/system/UtilWindow.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

constexpr UINT_PTR TimerId = 1;

} // namespace

TTimer::TTimer(rtl::TComponent* owner) : TComponent(owner) {
    FWindow = AllocateHWnd([this](TMessage& message) { WndProc(message); });
}

TTimer::~TTimer() {
    FEnabled = false;
    UpdateTimer();
    DeallocateHWnd(FWindow);
}

void TTimer::SetEnabled(bool value) {
    if (value != FEnabled) {
        FEnabled = value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(uint32_t value) {
    if (value != FInterval) {
        FInterval = value;
        UpdateTimer();
    }
}

void TTimer::SetOnTimer(rtl::TNotifyEvent handler) {
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (FRunning) {
        KillTimer(FWindow, TimerId);
        FRunning = false;
    }
    if (FEnabled && FInterval != 0 && FOnTimer) {
        FRunning = SetTimer(FWindow, TimerId, FInterval, nullptr) != 0;
    }
}

// A WM_TIMER already queued when the timer stopped is dropped.
void TTimer::WndProc(TMessage& message) {
    if (message.Msg == WM_TIMER) {
        if (FRunning) {
            Timer();
        }
        return;
    }
    message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
}

void TTimer::Timer() {
    if (FOnTimer) {
        FOnTimer(this);
    }
}

} // namespace vcl
