#include "ui/data/dates/uiHijriCalendar.h"

#include "rtl/text/StringUtils.h"
#include "ui/data/dates/uiDateDisplay.h"

namespace ui {

namespace {

// Days from 1 January 1 to the day before 1 Muharram 1.
constexpr int64_t HijriEpochDays = 227013;
constexpr int32_t HijriCycleYears = 30;
constexpr int32_t HijriCycleDays = 10631;
constexpr int32_t HijriLeapMonth = 12;

// The leap years among the first n years of a cycle, for n = 0 .. 29: years 2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29.
constexpr int8_t LeapYearsInCycle[HijriCycleYears] = {0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4,  4,  5,  5,
                                                      6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 10, 10, 10, 11};

bool IsHijriLeapYear(int32_t year) {
    const int32_t yearInCycle = (year % HijriCycleYears + HijriCycleYears) % HijriCycleYears;
    // Year 30 of a cycle is its year 0, never a leap year.
    return yearInCycle != 0 && LeapYearsInCycle[yearInCycle] != LeapYearsInCycle[yearInCycle - 1];
}

} // namespace

rtl::TDateTime TuiHijriCalendarTable::MinDate() const {
    return rtl::EncodeDate(622, 7, 16);
}

int64_t TuiHijriCalendarTable::DaysBeforeYear(int32_t year) {
    const int32_t yearsBefore = year - 1;
    return int64_t{354} * yearsBefore + HijriEpochDays + int64_t{11} * (yearsBefore / HijriCycleYears) +
           LeapYearsInCycle[yearsBefore % HijriCycleYears];
}

TuiCalendarDateTime TuiHijriCalendarTable::DateTimeToCalendarDate(rtl::TDateTime dateTime) const {
    // Below 1 Muharram 1 the arithmetic gives day 0 or less of year 1.
    const rtl::TDateTime firstDay = rtl::MinDateTime + static_cast<rtl::TDateTime>(HijriEpochDays);
    dateTime = ClampDateTime(dateTime, firstDay, MaxDate());
    TuiCalendarDateTime result;
    SetTimeOfDay(result, dateTime);
    int64_t day = WholeDaysBetween(rtl::MinDateTime, dateTime) + 1 - HijriEpochDays;
    result.Year = static_cast<int32_t>(HijriCycleYears * day / HijriCycleDays + 1);
    day -= DaysBeforeYear(result.Year) - HijriEpochDays;
    // The estimate of the year may overshoot by one at a year's start.
    while (day <= 0) {
        day += DaysInYearOfEra(-1, --result.Year);
    }
    result.Month = 1;
    while (day > DaysInMonthOfEra(-1, result.Year, result.Month)) {
        day -= DaysInMonthOfEra(-1, result.Year, result.Month);
        if (++result.Month > HijriLeapMonth) {
            result.Month = 1;
            ++result.Year;
        }
    }
    result.Day = static_cast<int32_t>(day);
    return result;
}

rtl::TDateTime TuiHijriCalendarTable::CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const {
    if (!IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
        return MinDate();
    }
    const int64_t days = DaysBeforeYear(date.Year) + DayOfYear(date);
    return rtl::ReplaceTime(rtl::MinDateTime + static_cast<rtl::TDateTime>(days - 1), TimeOfDay(date));
}

int32_t TuiHijriCalendarTable::DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const {
    if (month < 1 || month > HijriLeapMonth) {
        return 0;
    }
    if (IsLeapMonth(era, year, month)) {
        return 30;
    }
    return month % 2 == 0 ? 29 : 30;
}

int32_t TuiHijriCalendarTable::DaysInYearOfEra(int32_t era, int32_t year) const {
    return IsLeapYearInEra(era, year) ? 355 : 354;
}

int32_t TuiHijriCalendarTable::WeekNumber(const TuiCalendarDateTime& date, int32_t, int32_t rule) const {
    return CalendarYearWeekNumber(date, rule);
}

bool TuiHijriCalendarTable::IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const {
    return IsLeapMonth(era, year, month) && day == 30;
}

bool TuiHijriCalendarTable::IsLeapMonth(int32_t era, int32_t year, int32_t month) const {
    return month == HijriLeapMonth && IsLeapYearInEra(era, year);
}

bool TuiHijriCalendarTable::IsLeapYearInEra(int32_t, int32_t year) const {
    return IsHijriLeapYear(year);
}

int32_t TuiHijriCalendarTable::MonthNumberFromText(int32_t year, rtl::UnicodeStringView text) const {
    for (int32_t month = 1; month <= HijriLeapMonth; ++month) {
        const rtl::UnicodeString name = CalendarMonthNameOf(year, month, this);
        if (!name.empty() && rtl::WideSameText(name, text)) {
            return month;
        }
    }
    return TuiCustomCalendarTable::MonthNumberFromText(year, text);
}

} // namespace ui
