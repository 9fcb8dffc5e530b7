#pragma once
// Test locale and clock for the date and format units.

#include "rtl/DateTime.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/dates/uiLocale.h"

namespace ui_test {

// A locale of known settings in place of the process's while it lives: d/M/yyyy with "/", hh:nn:ss with AM and PM
// designators, English names, Monday as the first day of the week, the Gregorian calendar and 2029 as the last year
// of two-digit years. Change its settings, then call Apply so that the format controller and the calendar tables are
// made afresh from them.
class TTestLocale : public ui::TuiRuntimeLocale {
public:
    TTestLocale();
    ~TTestLocale() override;
    TTestLocale(const TTestLocale&) = delete;
    TTestLocale& operator=(const TTestLocale&) = delete;

    void Apply();

private:
    ui::TuiLocale* FPrevious;
};

// A clock stopped at a given moment while it lives.
class TScopedClock {
public:
    explicit TScopedClock(rtl::TDateTime now);
    ~TScopedClock();
    TScopedClock(const TScopedClock&) = delete;
    TScopedClock& operator=(const TScopedClock&) = delete;

private:
    ui::TuiClock FPrevious;
};

// Checks year, month and day of a calendar date.
void ExpectCalendarDate(const ui::TuiCalendarDateTime& date, int32_t year, int32_t month, int32_t day);

// Wednesday 10 June 2026 at 14:30.
rtl::TDateTime TestNow();

} // namespace ui_test
