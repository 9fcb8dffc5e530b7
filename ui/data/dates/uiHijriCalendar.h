#pragma once
// The tabular Islamic (Hijri) calendar: months of 30 and 29 days in turn, and a thirty-year cycle whose years 2, 5, 7,
// 10, 13, 15, 18, 21, 24, 26 and 29 give the twelfth month a thirtieth day. Year 1 begins on 18 July 622 (proleptic
// Gregorian).

#include "ui/data/dates/uiCalendarTable.h"

namespace ui {

class TuiHijriCalendarTable : public TuiCustomCalendarTable {
public:
    TuiCalendarAlgorithm CalendarAlgorithm() const override { return TuiCalendarAlgorithm::caLunar; }
    int32_t CalendarId() const override { return calHijri; }
    const TuiEra& StandardEra() const override { return DefaultStandardEra(); }
    // The last supported day, 31 December 9999, is 3 Rabi II 9666.
    rtl::TDateTime MaxDate() const override { return MaxSupportedDateTime; }
    rtl::TDateTime MinDate() const override;
    int32_t MaxYear() const override { return 9666; }
    int32_t MinYear() const override { return 1; }
    // Dates before 1 Muharram 1 convert to that day, dates after MaxDate to the date of MaxDate.
    TuiCalendarDateTime DateTimeToCalendarDate(rtl::TDateTime dateTime) const override;
    // MinDate for a date the calendar does not have.
    rtl::TDateTime CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const override;
    int32_t DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const override;
    int32_t DaysInYearOfEra(int32_t era, int32_t year) const override;
    int32_t FirstWeekday() const override { return 6; }
    int32_t FullWeeksInYear(int32_t) const override { return 50; }
    int32_t MonthsInYearOfEra(int32_t, int32_t) const override { return 12; }
    int32_t WeekNumber(const TuiCalendarDateTime& date, int32_t firstWeekday, int32_t rule) const override;
    bool IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const override;
    bool IsLeapMonth(int32_t era, int32_t year, int32_t month) const override;
    bool IsLeapYearInEra(int32_t era, int32_t year) const override;
    // The month whose calendar month name the text is (any case), else the base rule.
    int32_t MonthNumberFromText(int32_t year, rtl::UnicodeStringView text) const override;

private:
    // Days from 1 January 1 to the day before 1 Muharram of year.
    static int64_t DaysBeforeYear(int32_t year);
};

} // namespace ui
