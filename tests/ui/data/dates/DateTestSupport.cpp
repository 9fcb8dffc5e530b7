#include "DateTestSupport.h"

#include <gtest/gtest.h>

namespace ui_test {

TScopedClock::TScopedClock(rtl::TDateTime now) : FPrevious(ui::SetClock([now] { return now; })) {}

TScopedClock::~TScopedClock() {
    ui::SetClock(std::move(FPrevious));
}

void ExpectCalendarDate(const ui::TuiCalendarDateTime& date, int32_t year, int32_t month, int32_t day) {
    EXPECT_EQ(date.Year, year);
    EXPECT_EQ(date.Month, month);
    EXPECT_EQ(date.Day, day);
}

rtl::TDateTime TestNow() {
    return rtl::EncodeDate(2026, 6, 10) + rtl::EncodeTime(14, 30, 0, 0);
}

} // namespace ui_test
