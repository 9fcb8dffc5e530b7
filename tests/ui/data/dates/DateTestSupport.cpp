#include "DateTestSupport.h"

#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiFormats.h"

#include <gtest/gtest.h>

namespace ui_test {

namespace {

rtl::TFormatSettings TestSettings() {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.ShortDateFormat = u"d/M/yyyy";
    settings.LongDateFormat = u"dddd, d MMMM yyyy";
    settings.ShortTimeFormat = u"hh:nn AMPM";
    settings.LongTimeFormat = u"hh:nn:ss AMPM";
    return settings;
}

} // namespace

TTestLocale::TTestLocale() : ui::TuiRuntimeLocale(TestSettings()), FPrevious(ui::SetLocale(this)) {
    ui::TuiLocaleValues& values = MutableValues();
    values.FirstDayOfWeek = 1;
    values.FirstWeekOfYear = 1;
    SetTwoDigitYearMax(2029);
    Apply();
}

TTestLocale::~TTestLocale() {
    ui::SetLocale(FPrevious);
    ui::FreeFormatController();
    ui::FreeCalendarTables();
}

void TTestLocale::Apply() {
    ui::FreeFormatController();
    ui::FreeCalendarTables();
}

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
