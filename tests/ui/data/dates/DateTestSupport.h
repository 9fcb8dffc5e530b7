#pragma once
// The test locale, a stopped clock and calendar-date checks for the date tests.

#include "rtl/time/DateTime.h"
#include "tests/ui/data/locale/LocaleTestSupport.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateClock.h"

namespace ui_test {

// A clock stopped at a given moment while it lives.
class TScopedClock {
public:
    explicit TScopedClock(rtl::TDateTime now);
    ~TScopedClock();
    TScopedClock(const TScopedClock&) = delete;
    TScopedClock& operator=(const TScopedClock&) = delete;

private:
    ui::TuiDateClock FPrevious;
};

// Checks year, month and day of a calendar date.
void ExpectCalendarDate(const ui::TuiCalendarDateTime& date, int32_t year, int32_t month, int32_t day);

// Wednesday 10 June 2026 at 14:30.
rtl::TDateTime TestNow();

} // namespace ui_test
