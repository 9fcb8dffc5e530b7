#pragma once
// The time as the program reads it: the local date and time, and the milliseconds since the system started. Every
// reading goes through the clock in use: the system's, or, in a test, one the test sets, so that what depends on
// today or on elapsed time can be tested at any hour.

#include "rtl/time/DateTime.h"

#include <cstdint>

namespace vcl {

class IClock {
public:
    // The local date and time.
    virtual rtl::TDateTime Now() = 0;
    // Milliseconds since the system started (GetTickCount64).
    virtual uint64_t TickCount() = 0;

protected:
    ~IClock() = default;
};

// The clock in use.
IClock& Clock();
// Uses clock (not owned) from now on; nullptr goes back to the system's. Returns the clock it replaces (nullptr when
// that was the system's).
IClock* SetClock(IClock* clock);

} // namespace vcl
