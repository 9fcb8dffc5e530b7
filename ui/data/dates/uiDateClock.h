#pragma once
// The clock that smart date input ("today", "eom", "now") reads: the system's local clock unless a caller, a test
// above all, puts another in its place.

#include "rtl/time/DateTime.h"

#include <functional>

namespace ui {

using TuiDateClock = std::function<rtl::TDateTime()>;

// The current local date and time, and the current date alone.
rtl::TDateTime ClockNow();
rtl::TDateTime ClockToday();

// Puts clock in place of the current one (an empty one: the system clock) and returns the one it replaces.
TuiDateClock SetClock(TuiDateClock clock);

} // namespace ui
