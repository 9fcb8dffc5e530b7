#include "tests/support/ui/MessagePump.h"

#include "rtl/WindowsApi.h"
#include "vcl/forms/Application.h"

namespace ui_test {

namespace {

void RunOneRound() {
    vcl::Application().ProcessMessages();
    vcl::Application().DoIdle();
}

} // namespace

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
