#include "tests/support/ui/MessagePump.h"

#include "rtl/WindowsApi.h"
#include "vcl/forms/Application.h"

#include <map>

namespace ui_test {

namespace {

void RunOneRound() {
    vcl::Application().ProcessMessages();
    vcl::Application().DoIdle();
}

std::map<UINT_PTR, std::function<void()>>& PendingActions() {
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const auto found = PendingActions().find(timer);
    if (found == PendingActions().end()) {
        return;
    }
    const std::function<void()> action = std::move(found->second);
    PendingActions().erase(found);
    action();
}

} // namespace

void RunLater(int milliseconds, std::function<void()> action) {
    const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), RunPendingAction);
    PendingActions()[timer] = std::move(action);
}

void ProcessPendingMessages() {
    RunOneRound();
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
    for (;;) {
        RunOneRound();
        if (condition && condition()) {
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
}

void PumpMessages(int milliseconds) {
    PumpUntil(nullptr, milliseconds);
}

} // namespace ui_test
