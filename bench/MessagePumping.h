#pragma once
// What the Windows benchmarks share: handling the messages that wait, as a message loop would, between timed steps.

#include "rtl/WindowsApi.h"

namespace bench {

// Pumps until no message waits.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace bench
