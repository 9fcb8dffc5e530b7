#pragma once
// Date arithmetic that editors, filters, the grid and the calendar tables share: the null date and the supported
// range, month and year bounds, week numbers and weekday positions. Dates are the runtime's TDateTime (rtl/DateTime.h,
// which also gives IsLeapYear, DaysInMonth, DateOf and TimeOf).

#include "rtl/time/DateTime.h"

#include <cstdint>

namespace ui {

class TuiCustomCalendarTable;

inline constexpr int32_t DaysPerWeek = 7;

// The value that stands for no date: functions that fail to read a date give it, display functions show it as an
// empty text.
inline constexpr rtl::TDateTime NullDate = -700000.0;
// The supported years 100 to 9999: 1 January 100 up to 31 December 9999 23:59:59.999.
inline constexpr rtl::TDateTime MinSupportedDate = -657434.0;
inline constexpr rtl::TDateTime MaxSupportedDateTime = 2958465.99999;

// True for the null date and for dates from MinSupportedDate to MaxSupportedDateTime.
bool IsDateInSupportedRange(rtl::TDateTime date);

// year x 12 + month - 12: consecutive numbers for consecutive months.
int32_t DateToMonthNumber(rtl::TDateTime date);

enum class TuiDatePart : uint8_t { dpYear, dpMonth, dpDay };
// A part of the date in the calendar of table, or in the Gregorian calendar without one.
int32_t ExtractDatePart(TuiDatePart part, const TuiCustomCalendarTable* table, rtl::TDateTime date);

// Whether the value has a time of day other than midnight (to the millisecond).
bool HasTimePart(rtl::TDateTime value);

// The position of the date's weekday in the locale's week: 0 for its first day of the week .. 6.
int32_t WeekdayIndexOf(rtl::TDateTime date);

// The first and the last day of the date's month or year; the last days end at 23:59:59.999 unless only the whole
// day is asked for. A date outside the runtime's range gives the null date.
rtl::TDateTime MonthStartDate(rtl::TDateTime date);
rtl::TDateTime MonthEndDate(rtl::TDateTime date, bool wholeDay = false);
rtl::TDateTime YearStartDate(rtl::TDateTime date);
rtl::TDateTime YearEndDate(rtl::TDateTime date, bool wholeDay = false);

// The week of the year that holds date, for weeks beginning on firstWeekday (0 = Sunday .. 6) and a first-week rule:
// 1 the week holding 1 January is week 1, 2 the first full week is, 3 the first week with four days is (ISO 8601 with
// Monday first); 0 the locale's rule. 0 for a date outside the runtime's range.
int32_t WeekOfYear(rtl::TDateTime date, int32_t firstWeekday, int32_t rule);

// The locale's first-week rule, 1 to 3.
int32_t LocaleFirstWeekRule();

// Orders two date-times by day, then by time of day (<0, 0, >0): a value before 30 December 1899 keeps its time as
// the absolute fraction, so the plain order of the numbers puts its evening before its morning.
int CompareDateTimes(rtl::TDateTime a, rtl::TDateTime b);
// The date-time clamped to minimum .. maximum in that order.
rtl::TDateTime ClampDateTime(rtl::TDateTime value, rtl::TDateTime minimum, rtl::TDateTime maximum);

// Whole days from one date to another, whatever their times of day.
int32_t WholeDaysBetween(rtl::TDateTime from, rtl::TDateTime to);
// The date days later with the same time of day. A value before 30 December 1899 keeps its time as the absolute
// fraction, so plain addition would move its time instead.
rtl::TDateTime ShiftDays(rtl::TDateTime value, int64_t days);

} // namespace ui
