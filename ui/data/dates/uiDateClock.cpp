#include "ui/data/dates/uiDateClock.h"

#include <utility>

namespace ui {

namespace {

TuiClock& CurrentClock() {
    static TuiClock clock;
    return clock;
}

} // namespace

rtl::TDateTime ClockNow() {
    const TuiClock& clock = CurrentClock();
    return clock ? clock() : rtl::Now();
}

rtl::TDateTime ClockToday() {
    return rtl::DateOf(ClockNow());
}

TuiClock SetClock(TuiClock clock) {
    return std::exchange(CurrentClock(), std::move(clock));
}

} // namespace ui
