#include "ui/data/dates/uiDateClock.h"

#include <utility>

namespace ui {

namespace {

TuiDateClock& CurrentClock() {
    static TuiDateClock clock;
    return clock;
}

} // namespace

rtl::TDateTime ClockNow() {
    const TuiDateClock& clock = CurrentClock();
    return clock ? clock() : rtl::Now();
}

rtl::TDateTime ClockToday() {
    return rtl::DateOf(ClockNow());
}

TuiDateClock SetClock(TuiDateClock clock) {
    return std::exchange(CurrentClock(), std::move(clock));
}

} // namespace ui
