#pragma once
// Calendar tables: each converts between the runtime's TDateTime (Gregorian days since 30 December 1899) and a date of
// one calendar that a locale can use, and knows that calendar's months, leap rules, eras and weeks. The date display
// and parsing use a table whenever the locale's calendar is not the plain Gregorian one; calendar editors use it for
// month arithmetic and week numbers.
//
// Tables live in one process-wide list, made on demand by GetCalendarTable and kept until FreeCalendarTables, so a
// table handed out stays valid however many callers hold it.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiLocale.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// A date of a calendar. Years and months are the calendar's own (Hebrew months count from Tishri = 1); the era is an
// index into the table's eras, -1 for its standard era.
struct TuiCalendarDate {
    int32_t Era = -1;
    int32_t Year = 0;
    int32_t Month = 0;
    int32_t Day = 0;
};

struct TuiCalendarDateTime : TuiCalendarDate {
    uint8_t Hour = 0;
    uint8_t Minute = 0;
    uint8_t Second = 0;
    uint16_t Millisecond = 0;
};

// One era of a calendar: Gregorian year = era year + YearOffset; the era begins on StartDate (the null date when it
// has no start).
struct TuiEra {
    int32_t Era = -1;
    int32_t MaxEraYear = 9999;
    int32_t MinEraYear = 1;
    rtl::TDateTime StartDate = NullDate;
    int32_t YearOffset = 0;
};
// Eras in the order they begin.
using TuiEras = std::vector<TuiEra>;

enum class TuiCalendarAlgorithm : uint8_t { caSolar = 1, caLunar = 2, caLunisolar = 3 };

// The base of every calendar table: the operations that follow from a few abstract ones.
class TuiCustomCalendarTable {
public:
    TuiCustomCalendarTable() = default;
    explicit TuiCustomCalendarTable(TuiEras eras) : FEras(std::move(eras)) {}
    virtual ~TuiCustomCalendarTable() = default;
    TuiCustomCalendarTable(const TuiCustomCalendarTable&) = delete;
    TuiCustomCalendarTable& operator=(const TuiCustomCalendarTable&) = delete;

    const TuiEras& Eras() const { return FEras; }

    // Moves an era year into the era that holds 1 January (or the given day) of its Gregorian year.
    virtual void NormalizeEraYear(int32_t& year, int32_t& era) const;
    virtual void NormalizeEraYearAt(int32_t& year, int32_t& era, int32_t day, int32_t month) const;
    virtual TuiCalendarAlgorithm CalendarAlgorithm() const = 0;
    virtual int32_t CalendarId() const = 0;
    virtual const TuiEra& StandardEra() const = 0;
    virtual rtl::TDateTime MaxDate() const = 0;
    virtual rtl::TDateTime MinDate() const = 0;
    virtual void ClampDate(rtl::TDateTime& date) const;
    virtual int32_t MaxYear() const = 0;
    virtual int32_t MinYear() const = 0;

    // Date arithmetic in the calendar; results are clamped to MinDate .. MaxDate.
    virtual rtl::TDateTime AddDays(const TuiCalendarDateTime& date, int32_t days) const;
    virtual rtl::TDateTime AddMonths(rtl::TDateTime date, int32_t months) const;
    virtual rtl::TDateTime AddMonthsTo(const TuiCalendarDateTime& date, int32_t months) const;
    virtual rtl::TDateTime AddYears(rtl::TDateTime date, int32_t years) const;
    virtual rtl::TDateTime AddYearsTo(const TuiCalendarDateTime& date, int32_t years) const;
    virtual rtl::TDateTime AddWeeks(rtl::TDateTime date, int32_t weeks) const;
    virtual rtl::TDateTime AddWeeksTo(const TuiCalendarDateTime& date, int32_t weeks) const;

    virtual TuiCalendarDateTime DateTimeToCalendarDate(rtl::TDateTime dateTime) const = 0;
    virtual TuiCalendarDateTime EncodeToCalendarDate(int32_t year, int32_t month, int32_t day) const;
    virtual TuiCalendarDateTime EncodeDateTimeToCalendarDate(int32_t year, int32_t month, int32_t day, int32_t hour,
                                                             int32_t minute, int32_t second, int32_t millisecond) const;
    virtual int32_t DayOfYearOf(rtl::TDateTime dateTime) const;
    virtual int32_t DayOfYear(const TuiCalendarDate& date) const;
    virtual int32_t DaysInMonth(int32_t year, int32_t month) const;
    virtual int32_t DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const = 0;
    virtual int32_t DaysInYear(int32_t year) const;
    virtual int32_t DaysInYearOfEra(int32_t era, int32_t year) const = 0;
    // The index of the era that holds a Gregorian date, -1 when no listed era does.
    virtual int32_t EraOfYear(int32_t gregorianYear) const;
    virtual int32_t EraOfDate(int32_t gregorianYear, int32_t month, int32_t day) const;

    // The first day of the week that holds a date (0 = Sunday .. 6 for firstWeekday), time of day kept.
    virtual rtl::TDateTime WeekStartDateTime(rtl::TDateTime dateTime) const;
    virtual rtl::TDateTime WeekStartDateTimeFor(int32_t firstWeekday, rtl::TDateTime dateTime) const;
    virtual TuiCalendarDateTime WeekStartOf(const TuiCalendarDateTime& date) const;
    virtual TuiCalendarDateTime WeekStartOfFor(const TuiCalendarDateTime& date, int32_t firstWeekday) const;
    virtual int32_t FirstWeekday() const = 0;
    virtual int32_t FullWeeksInYear(int32_t year) const = 0;
    virtual int32_t MonthsInYear(int32_t year) const;
    virtual int32_t MonthsInYearOfEra(int32_t era, int32_t year) const = 0;
    virtual int32_t YearOfDateTime(rtl::TDateTime dateTime) const;
    virtual int32_t YearOfDate(const TuiCalendarDate& date) const;
    // 0 = Sunday .. 6.
    virtual int32_t WeekdayOf(rtl::TDateTime dateTime) const;
    virtual int32_t WeekdayOfDate(const TuiCalendarDateTime& date) const;
    // Week numbers with the first-week rules of WeekOfYear (uiDateUtils.h).
    virtual int32_t WeekNumberOf(rtl::TDateTime dateTime, int32_t firstWeekday, int32_t rule) const;
    virtual int32_t WeekNumber(const TuiCalendarDateTime& date, int32_t firstWeekday, int32_t rule) const = 0;

    virtual bool IsLeapDayOf(int32_t year, int32_t month, int32_t day) const;
    virtual bool IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const = 0;
    virtual bool IsLeapMonthOf(int32_t year, int32_t month) const;
    virtual bool IsLeapMonth(int32_t era, int32_t year, int32_t month) const = 0;
    virtual bool IsLeapYearOf(int32_t year) const;
    virtual bool IsLeapYearInEra(int32_t era, int32_t year) const = 0;
    virtual bool IsValidYearOf(int32_t year) const;
    virtual bool IsValidYear(int32_t era, int32_t year) const;
    virtual bool IsValidMonthOf(int32_t year, int32_t month) const;
    virtual bool IsValidMonth(int32_t era, int32_t year, int32_t month) const;
    virtual bool IsValidDayOf(int32_t year, int32_t month, int32_t day) const;
    virtual bool IsValidDay(int32_t era, int32_t year, int32_t month, int32_t day) const;
    virtual bool IsValidDateTime(rtl::TDateTime dateTime) const;

    virtual rtl::TDateTime CalendarDateToDateTime(const TuiCalendarDate& date) const;
    virtual rtl::TDateTime EncodeCalendarDateTime(int32_t year, int32_t month, int32_t day) const;
    virtual rtl::TDateTime EncodeCalendarDateTimeFull(int32_t year, int32_t month, int32_t day, int32_t hour,
                                                      int32_t minute, int32_t second, int32_t millisecond) const;
    virtual rtl::TDateTime CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const = 0;

    // Numbers typed as texts; EConvertError for a text that is no number.
    virtual int32_t DayNumberFromText(rtl::UnicodeStringView text) const;
    // The month whose runtime long or short name the text is (any case), else the text as a number.
    virtual int32_t MonthNumberFromText(int32_t year, rtl::UnicodeStringView text) const;
    // A text of one or two characters falls in the hundred years that end with the locale's two-digit maximum of the
    // calendar (2029: 5 is 2005, 35 is 1935); a longer one is the year itself.
    virtual int32_t YearNumberFromText(rtl::UnicodeStringView text) const;

protected:
    // The standard era of calendars without eras of their own: era years are Gregorian (or the calendar's own) years.
    static const TuiEra& DefaultStandardEra();
    // The time of day of a calendar date-time, and the time fields set from a date-time's time of day.
    static rtl::TDateTime TimeOfDay(const TuiCalendarDateTime& date);
    static void SetTimeOfDay(TuiCalendarDateTime& date, rtl::TDateTime dateTime);
    // Week numbers that count from the week of day 1 of month 1 of the calendar year, for the calendars whose years
    // do not follow the Gregorian ones.
    int32_t CalendarYearWeekNumber(const TuiCalendarDateTime& date, int32_t rule) const;
    // The era that era stands for: the standard one for -1, a listed one for its index; nullptr otherwise.
    const TuiEra* EraAt(int32_t era) const;
    // The year offset of era, 0 for an era that is neither standard nor listed.
    int32_t YearOffsetOf(int32_t era) const;
    // The days of months 1 .. month - 1 plus day.
    int32_t DayIndexInYear(int32_t era, int32_t year, int32_t month, int32_t day) const;

private:
    // The table's last date when moving forward ran out of years, its first when moving back did.
    rtl::TDateTime BoundInDirection(int32_t step) const;

    TuiEras FEras;
};

// The table whose calendar id matches, made and listed when none is; never nullptr. An id without a table of its own
// gives a Gregorian table.
TuiCustomCalendarTable* GetCalendarTable(int32_t calendarId);
// The listed table of a calendar id, nullptr when none is listed.
TuiCustomCalendarTable* FindCalendarTable(int32_t calendarId);
// The table of the locale's calendar type.
TuiCustomCalendarTable* GetDefaultCalendarTable();
// Frees every listed table (at shutdown).
void FreeCalendarTables();

using TuiCalendarTableClass = std::unique_ptr<TuiCustomCalendarTable> (*)();
// The class of table that serves a calendar id: Gregorian for an id without a table of its own.
TuiCalendarTableClass CalendarTableClassOf(int32_t calendarId);

// Whether a table (nullptr: the locale's default table) reckons in the Gregorian calendar: ids 1, 2 and 9 to 12.
bool IsGregorianCalendar(const TuiCustomCalendarTable* table);

} // namespace ui
