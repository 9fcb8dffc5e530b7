#include "ui/editors/calendar/uiCalendarDays.h"

#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiFormats.h"

namespace ui {

rtl::TDateTime CalendarMonthStartOf(const TuiCustomCalendarTable& table, rtl::TDateTime date) {
    TuiCalendarDate parts = table.DateTimeToCalendarDate(date);
    parts.Day = 1;
    return table.CalendarDateToDateTime(parts);
}

rtl::TDateTime CalendarLastDayOfMonth(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart) {
    const TuiCalendarDateTime parts = table.DateTimeToCalendarDate(monthStart);
    return ShiftDays(monthStart, table.DaysInMonthOfEra(parts.Era, parts.Year, parts.Month) - parts.Day);
}

rtl::TDateTime CalendarFirstVisibleDate(rtl::TDateTime monthStart) {
    int32_t daysBefore = WeekdayIndexOf(monthStart);
    if (daysBefore == 0 && monthStart > MinSupportedDate) {
        daysBefore = DaysPerWeek;
    }
    return ShiftDays(monthStart, -daysBefore);
}

rtl::TDateTime CalendarLastVisibleDate(rtl::TDateTime monthStart) {
    return CalendarCellDate(monthStart, CalendarGridColumns - 1, CalendarGridRows - 1);
}

rtl::TDateTime CalendarCellDate(rtl::TDateTime monthStart, int32_t column, int32_t row) {
    return ShiftDays(CalendarFirstVisibleDate(monthStart), int64_t{row} * DaysPerWeek + column);
}

int32_t CalendarRowWeekNumber(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart, int32_t row) {
    const TuiFormatController& formats = GetFormatController();
    return table.WeekNumberOf(CalendarCellDate(monthStart, 0, row), formats.StartOfWeekDay(), formats.WeekOfYearRule());
}

rtl::TDateTime CalendarSteppedDate(const TuiCustomCalendarTable& table, rtl::TDateTime date, TuiCalendarDateStep step) {
    if (date == NullDate) {
        return NullDate;
    }
    switch (step) {
    case cdsPreviousDay:
        return ShiftDays(date, -1);
    case cdsNextDay:
        return ShiftDays(date, 1);
    case cdsPreviousWeek:
        return ShiftDays(date, -DaysPerWeek);
    case cdsNextWeek:
        return ShiftDays(date, DaysPerWeek);
    case cdsPreviousMonth:
        return table.AddMonths(date, -1);
    case cdsNextMonth:
        return table.AddMonths(date, 1);
    case cdsWeekStart:
        return ShiftDays(date, -WeekdayIndexOf(date));
    case cdsWeekEnd:
        return ShiftDays(date, DaysPerWeek - 1 - WeekdayIndexOf(date));
    case cdsMonthStart:
    case cdsMonthEnd:
        break;
    }
    const TuiCalendarDateTime parts = table.DateTimeToCalendarDate(date);
    const int32_t lastDay = step == cdsMonthStart ? 1 : table.DaysInMonthOfEra(parts.Era, parts.Year, parts.Month);
    return ShiftDays(date, lastDay - parts.Day);
}

} // namespace ui
