#include "ui/data/dates/uiGregorianCalendars.h"

#include "ui/data/locale/uiLocale.h"

#include <algorithm>

namespace ui {

namespace {

TuiEra EraFrom(int32_t era, int32_t maxEraYear, int32_t minEraYear, int32_t yearOffset, rtl::TDateParts start) {
    return {era, maxEraYear, minEraYear, rtl::EncodeDate(start.Year, start.Month, start.Day), yearOffset};
}

} // namespace

const TuiEra& TuiGregorianCalendarTable::StandardEra() const {
    return DefaultStandardEra();
}

TuiCalendarDateTime TuiGregorianCalendarTable::DateTimeToCalendarDate(rtl::TDateTime dateTime) const {
    return CalendarDateTimeOf(dateTime, -1, 0);
}

rtl::TDateTime TuiGregorianCalendarTable::CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const {
    return GregorianDateTimeOf(date, 0);
}

TuiCalendarDateTime TuiGregorianCalendarTable::CalendarDateTimeOf(rtl::TDateTime dateTime, int32_t era,
                                                                  int32_t yearOffset) {
    const rtl::TDateParts date = rtl::DecodeDate(dateTime);
    TuiCalendarDateTime result;
    result.Era = era;
    result.Year = date.Year - yearOffset;
    result.Month = date.Month;
    result.Day = date.Day;
    SetTimeOfDay(result, dateTime);
    return result;
}

rtl::TDateTime TuiGregorianCalendarTable::GregorianDateTimeOf(const TuiCalendarDateTime& date, int32_t yearOffset) {
    return rtl::ReplaceTime(rtl::EncodeDate(date.Year + yearOffset, date.Month, date.Day), TimeOfDay(date));
}

int32_t TuiGregorianCalendarTable::DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const {
    if (month == 2) {
        return IsLeapYearInEra(era, year) ? 29 : 28;
    }
    // Any year with a 28-day February gives the other months' lengths.
    return rtl::DaysInMonth(1, month);
}

int32_t TuiGregorianCalendarTable::DaysInYearOfEra(int32_t era, int32_t year) const {
    return IsLeapYearInEra(era, year) ? 366 : 365;
}

int32_t TuiGregorianCalendarTable::FullWeeksInYear(int32_t year) const {
    const int32_t gregorianYear = year + YearOffsetOf(-1);
    rtl::TDateTime januaryFirst = 0;
    if (!rtl::TryEncodeDate(gregorianYear, 1, 1, januaryFirst)) {
        return 52;
    }
    const int32_t shift = (WeekdayOf(januaryFirst) - FirstWeekday() + 7) % 7;
    return shift > 5 || (rtl::IsLeapYear(gregorianYear) && shift > 4) ? 53 : 52;
}

int32_t TuiGregorianCalendarTable::WeekNumber(const TuiCalendarDateTime& date, int32_t firstWeekday,
                                              int32_t rule) const {
    return WeekOfYear(CalendarDateTimeToDateTime(date), firstWeekday, rule);
}

bool TuiGregorianCalendarTable::IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const {
    return IsLeapMonth(era, year, month) && day == 29;
}

bool TuiGregorianCalendarTable::IsLeapMonth(int32_t era, int32_t year, int32_t month) const {
    return month == 2 && IsLeapYearInEra(era, year);
}

bool TuiGregorianCalendarTable::IsLeapYearInEra(int32_t era, int32_t year) const {
    return rtl::IsLeapYear(year + YearOffsetOf(era));
}

TuiJapaneseCalendarTable::TuiJapaneseCalendarTable()
    : TuiGregorianCalendarTable({EraFrom(1, 45, 1, 1867, {1868, 9, 8}), EraFrom(2, 15, 1, 1911, {1912, 7, 30}),
                                 EraFrom(3, 64, 1, 1925, {1926, 12, 25}), EraFrom(4, 8011, 1, 1988, {1989, 1, 8})}) {}

int32_t TuiJapaneseCalendarTable::MaxYear() const {
    return std::max_element(Eras().begin(), Eras().end(),
                            [](const TuiEra& a, const TuiEra& b) { return a.MaxEraYear < b.MaxEraYear; })
        ->MaxEraYear;
}

int32_t TuiJapaneseCalendarTable::MinYear() const {
    return std::min_element(Eras().begin(), Eras().end(),
                            [](const TuiEra& a, const TuiEra& b) { return a.MinEraYear < b.MinEraYear; })
        ->MinEraYear;
}

TuiCalendarDateTime TuiJapaneseCalendarTable::DateTimeToCalendarDate(rtl::TDateTime dateTime) const {
    const rtl::TDateParts date = rtl::DecodeDate(dateTime);
    const int32_t era = EraOfDate(date.Year, date.Month, date.Day);
    return CalendarDateTimeOf(dateTime, era, YearOffsetOf(era));
}

rtl::TDateTime TuiJapaneseCalendarTable::CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const {
    if (!IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
        return MinDate();
    }
    return GregorianDateTimeOf(date, YearOffsetOf(date.Era));
}

TuiTaiwanCalendarTable::TuiTaiwanCalendarTable()
    : TuiJapaneseCalendarTable({EraFrom(1, 8088, 1, 1911, {1912, 1, 1})}) {}

TuiKoreanCalendarTable::TuiKoreanCalendarTable()
    : TuiJapaneseCalendarTable({EraFrom(0, 12332, 2334, -2333, {1, 1, 1})}) {}

TuiThaiCalendarTable::TuiThaiCalendarTable() : TuiJapaneseCalendarTable({EraFrom(0, 10542, 544, -543, {1, 1, 1})}) {}

} // namespace ui
