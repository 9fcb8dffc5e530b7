#include "ui/data/dates/uiDateUtils.h"

#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/locale/uiLocale.h"

#include <cmath>
#include <optional>

namespace ui {

namespace {

bool IsDecodable(const rtl::TDateParts& parts) {
    return parts.Year != 0;
}

rtl::TDateTime EndOfDay(rtl::TDateTime day, bool wholeDay) {
    return wholeDay ? day : day + rtl::EncodeTime(23, 59, 59, 999);
}

// The day on which the weeks of a year begin: 1 January moved by the rule, then back to the first weekday. Nothing
// for a year outside the runtime's range.
std::optional<rtl::TDateTime> WeekStartOfYear(int32_t year, int32_t firstWeekday, int32_t rule) {
    rtl::TDateTime day = 0;
    if (!rtl::TryEncodeDate(year, 1, 1, day)) {
        return std::nullopt;
    }
    day += rule == 2 ? 6 : rule == 3 ? 3 : 0;
    const int32_t weekday = rtl::DayOfWeek(day) - 1;
    return day - (weekday - firstWeekday + DaysPerWeek) % DaysPerWeek;
}

} // namespace

bool IsDateInSupportedRange(rtl::TDateTime date) {
    return date == NullDate || (date >= MinSupportedDate && date <= MaxSupportedDateTime);
}

int32_t DateToMonthNumber(rtl::TDateTime date) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    return parts.Year * 12 + parts.Month - 12;
}

int32_t ExtractDatePart(TuiDatePart part, const TuiCustomCalendarTable* table, rtl::TDateTime date) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    if (table) {
        const TuiCalendarDateTime parts = table->DateTimeToCalendarDate(date);
        year = parts.Year;
        month = parts.Month;
        day = parts.Day;
    } else {
        const rtl::TDateParts parts = rtl::DecodeDate(date);
        year = parts.Year;
        month = parts.Month;
        day = parts.Day;
    }
    switch (part) {
    case TuiDatePart::dpYear:
        return year;
    case TuiDatePart::dpMonth:
        return month;
    default:
        return day;
    }
}

bool HasTimePart(rtl::TDateTime value) {
    const rtl::TTimeParts time = rtl::DecodeTime(value);
    return time.Hour != 0 || time.Minute != 0 || time.Second != 0 || time.Millisecond != 0;
}

int32_t WeekdayIndexOf(rtl::TDateTime date) {
    return (rtl::DayOfWeek(date) - 1 - GetFirstDayOfWeek() + DaysPerWeek) % DaysPerWeek;
}

rtl::TDateTime MonthStartDate(rtl::TDateTime date) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    return IsDecodable(parts) ? rtl::EncodeDate(parts.Year, parts.Month, 1) : NullDate;
}

rtl::TDateTime MonthEndDate(rtl::TDateTime date, bool wholeDay) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    if (!IsDecodable(parts)) {
        return NullDate;
    }
    return EndOfDay(rtl::EncodeDate(parts.Year, parts.Month, rtl::DaysInMonth(parts.Year, parts.Month)), wholeDay);
}

rtl::TDateTime YearStartDate(rtl::TDateTime date) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    return IsDecodable(parts) ? rtl::EncodeDate(parts.Year, 1, 1) : NullDate;
}

rtl::TDateTime YearEndDate(rtl::TDateTime date, bool wholeDay) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    return IsDecodable(parts) ? EndOfDay(rtl::EncodeDate(parts.Year, 12, 31), wholeDay) : NullDate;
}

int32_t LocaleFirstWeekRule() {
    return GetLocale().Values().FirstWeekOfYear;
}

int32_t WeekOfYear(rtl::TDateTime date, int32_t firstWeekday, int32_t rule) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    if (!IsDecodable(parts)) {
        return 0;
    }
    if (rule == 0) {
        rule = LocaleFirstWeekRule();
    }
    firstWeekday = (firstWeekday % DaysPerWeek + DaysPerWeek) % DaysPerWeek;
    const rtl::TDateTime day = rtl::DateOf(date);
    const auto nextYearStart = WeekStartOfYear(parts.Year + 1, firstWeekday, rule);
    if (parts.Month == 12 && nextYearStart && day >= *nextYearStart) {
        return 1;
    }
    auto start = WeekStartOfYear(parts.Year, firstWeekday, rule);
    if (parts.Month == 1 && day < *start) {
        start = WeekStartOfYear(parts.Year - 1, firstWeekday, rule).value_or(*start);
    }
    return WholeDaysBetween(*start, day) / DaysPerWeek + 1;
}

int CompareDateTimes(rtl::TDateTime a, rtl::TDateTime b) {
    const rtl::TDateTime dayA = rtl::DateOf(a);
    const rtl::TDateTime dayB = rtl::DateOf(b);
    if (dayA != dayB) {
        return dayA < dayB ? -1 : 1;
    }
    const rtl::TDateTime timeA = rtl::TimeOf(a);
    const rtl::TDateTime timeB = rtl::TimeOf(b);
    return timeA < timeB ? -1 : timeA > timeB ? 1 : 0;
}

rtl::TDateTime ClampDateTime(rtl::TDateTime value, rtl::TDateTime minimum, rtl::TDateTime maximum) {
    if (CompareDateTimes(value, minimum) < 0) {
        return minimum;
    }
    return CompareDateTimes(value, maximum) > 0 ? maximum : value;
}

int32_t WholeDaysBetween(rtl::TDateTime from, rtl::TDateTime to) {
    return static_cast<int32_t>(std::trunc(to) - std::trunc(from));
}

rtl::TDateTime ShiftDays(rtl::TDateTime value, int64_t days) {
    return rtl::ReplaceTime(rtl::DateOf(value) + static_cast<rtl::TDateTime>(days), value);
}

} // namespace ui
