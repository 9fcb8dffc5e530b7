#pragma once
// The days a month calendar shows and the dates its keys move to (portable). The day grid always holds six weeks of
// seven days, its first column the locale's first day of the week; a month that begins on that day is preceded by a
// whole week of the month before, so that every month shows days of its neighbours on both sides (except the earliest
// supported month, which has no week before it). Month arithmetic runs in a calendar table, so a locale's
// non-Gregorian calendar gives its own month lengths.

#include "rtl/time/DateTime.h"

#include <cstdint>

namespace ui {

class TuiCustomCalendarTable;

inline constexpr int32_t CalendarGridColumns = 7;
inline constexpr int32_t CalendarGridRows = 6;

// Day 1 of the month of table's calendar that holds date, at midnight.
rtl::TDateTime CalendarMonthStartOf(const TuiCustomCalendarTable& table, rtl::TDateTime date);
// The last day of the month that begins on monthStart.
rtl::TDateTime CalendarLastDayOfMonth(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart);

// The date of the grid's first cell (column 0, row 0) and of its last one, for the month beginning on monthStart.
rtl::TDateTime CalendarFirstVisibleDate(rtl::TDateTime monthStart);
rtl::TDateTime CalendarLastVisibleDate(rtl::TDateTime monthStart);
// The date of a cell, column 0 .. 6 and row 0 .. 5.
rtl::TDateTime CalendarCellDate(rtl::TDateTime monthStart, int32_t column, int32_t row);

// The week number shown beside a row: that of the row's first day, for weeks that begin on the locale's first day of
// the week under the format controller's first-week rule.
int32_t CalendarRowWeekNumber(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart, int32_t row);

// The moves of the calendar's keys.
enum TuiCalendarDateStep : uint8_t {
    cdsPreviousDay,
    cdsNextDay,
    cdsPreviousWeek,
    cdsNextWeek,
    cdsPreviousMonth,
    cdsNextMonth,
    // The first and the last day of the date's week.
    cdsWeekStart,
    cdsWeekEnd,
    // The first and the last day of the date's month.
    cdsMonthStart,
    cdsMonthEnd,
};

// The date a step leads to from date; the time of day goes with it. The result may lie outside the supported range
// (the calendar then refuses it).
rtl::TDateTime CalendarSteppedDate(const TuiCustomCalendarTable& table, rtl::TDateTime date, TuiCalendarDateStep step);

} // namespace ui
