#pragma once
// The Hebrew calendar for the years 5343 to 5999 (1 January 1583 to 29 September 2239), read from the generated year
// table: months count from Tishri = 1, and leap years put Adar I (month 6, 30 days) before Adar II (month 7). Texts may
// give day, month and year numbers as Hebrew numerals.

#include "ui/data/dates/uiCalendarTable.h"

namespace ui {

class TuiHebrewCalendarTable : public TuiCustomCalendarTable {
public:
    TuiCalendarAlgorithm CalendarAlgorithm() const override { return TuiCalendarAlgorithm::caLunisolar; }
    int32_t CalendarId() const override { return calHebrew; }
    const TuiEra& StandardEra() const override { return DefaultStandardEra(); }
    rtl::TDateTime MaxDate() const override;
    rtl::TDateTime MinDate() const override;
    int32_t MaxYear() const override { return 5999; }
    int32_t MinYear() const override { return 5343; }
    // Dates outside MinDate .. MaxDate convert to the date of the nearer one.
    TuiCalendarDateTime DateTimeToCalendarDate(rtl::TDateTime dateTime) const override;
    // MinDate for a date the calendar does not have.
    rtl::TDateTime CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const override;
    // 0 for a month or year outside the table.
    int32_t DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const override;
    int32_t DaysInYearOfEra(int32_t era, int32_t year) const override;
    int32_t FirstWeekday() const override { return 0; }
    int32_t FullWeeksInYear(int32_t year) const override { return DaysInYear(year) / DaysPerWeek; }
    int32_t MonthsInYearOfEra(int32_t era, int32_t year) const override;
    int32_t WeekNumber(const TuiCalendarDateTime& date, int32_t firstWeekday, int32_t rule) const override;
    // Day 1 to 30 of Adar II in a leap year.
    bool IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const override;
    // Adar II (month 7) of a leap year.
    bool IsLeapMonth(int32_t era, int32_t year, int32_t month) const override;
    bool IsLeapYearInEra(int32_t era, int32_t year) const override;
    // A Hebrew numeral, else the base rule.
    int32_t DayNumberFromText(rtl::UnicodeStringView text) const override;
    // A Hebrew numeral naming a month of the year, else the month of the year whose calendar month name or numeral
    // text the text is (any case), else the base rule.
    int32_t MonthNumberFromText(int32_t year, rtl::UnicodeStringView text) const override;
    // A Hebrew numeral plus 5000 (the thousands are left out in writing), else the base rule.
    int32_t YearNumberFromText(rtl::UnicodeStringView text) const override;

    // 1 deficient, 2 regular, 3 complete; 0 for a year outside the table.
    int32_t YearType(int32_t year) const;

private:
    // The table's kind of the year, 1 to 6 (4 to 6 for leap years); 0 outside the table.
    static int32_t TableYearType(int32_t year);
};

// The value of a Hebrew numeral: the sum of its letters (alef 1 .. tav 400, final forms like ordinary ones); other
// characters count nothing.
int32_t HebrewNumeralValue(rtl::UnicodeStringView text);
// The Hebrew numeral of a number from 1 to 999 (15 and 16 written as 9 + 6 and 9 + 7); empty outside.
rtl::UnicodeString HebrewMonthDayText(int32_t number);

} // namespace ui
