#pragma once
// Dates and times as TDateTime: a double counting days since 30 December 1899, its fraction the time of day. A date
// before that day is negative with the time as the absolute fraction (-1.25 is 29 December 1899 06:00). The
// proleptic Gregorian calendar applies from 1 January 0001 to 31 December 9999; 1900 is not a leap year.

#include <cstdint>

namespace rtl {

using TDateTime = double;

// The range that encodes and decodes: 0001-01-01 00:00 up to 9999-12-31 23:59:59.999.
inline constexpr TDateTime MinDateTime = -693593.0;
inline constexpr TDateTime MaxDateTime = 2958465.99999999;
inline constexpr int32_t HoursPerDay = 24;
inline constexpr int32_t MinutesPerHour = 60;
inline constexpr int32_t SecondsPerMinute = 60;
inline constexpr int32_t MSecsPerSecond = 1000;
inline constexpr int32_t MSecsPerDay = HoursPerDay * MinutesPerHour * SecondsPerMinute * MSecsPerSecond;

// The calendar fields of a date; all zero for a value outside the supported range.
struct TDateParts {
    int32_t Year = 0;
    int32_t Month = 0;
    int32_t Day = 0;
};

// The clock fields of a time of day, rounded to the millisecond.
struct TTimeParts {
    int32_t Hour = 0;
    int32_t Minute = 0;
    int32_t Second = 0;
    int32_t Millisecond = 0;
};

bool IsLeapYear(int32_t year);
// 0 for a month outside 1..12.
int32_t DaysInMonth(int32_t year, int32_t month);

bool TryEncodeDate(int32_t year, int32_t month, int32_t day, TDateTime& result);
bool TryEncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond, TDateTime& result);
bool TryEncodeDateTime(const TDateParts& date, const TTimeParts& time, TDateTime& result);
// These raise EConvertError for fields outside the calendar or the clock.
TDateTime EncodeDate(int32_t year, int32_t month, int32_t day);
TDateTime EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond);
TDateTime EncodeDateTime(const TDateParts& date, const TTimeParts& time);

// Decoding rounds the value to the millisecond first, so a time that rounds up to midnight moves to the next day.
TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);
// 1 = Sunday .. 7 = Saturday; 0 for a value outside the supported range.
int32_t DayOfWeek(TDateTime value);

// The date with a zero time, and the time of day alone (0 <= TimeOf < 1).
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// The date of value with the time of day of newTime.
TDateTime ReplaceTime(TDateTime value, TDateTime newTime);

// Moves by whole months, keeping the time; a day past the end of the new month becomes its last day
// (31 January + 1 month is 28 or 29 February). Raises EConvertError when the result leaves years 1..9999.
TDateTime IncMonth(TDateTime value, int32_t months = 1);

// The local clock.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// DOS date and time as zip archives store them: the date in the high word (years since 1980, month, day), the time
// in the low word (hour, minute, seconds / 2). Years outside 1980..2107 give 0.
uint32_t DateTimeToFileDate(TDateTime value);
bool TryFileDateToDateTime(uint32_t fileDate, TDateTime& result);
// Raises EConvertError for a field outside the calendar or the clock (a zero date, 30 February, second 60).
TDateTime FileDateToDateTime(uint32_t fileDate);

namespace detail {
struct TLocalClock {
    TDateParts Date;
    TTimeParts Time;
};
// The platform's local wall-clock time.
TLocalClock PlatformLocalClock();
} // namespace detail

// The runtime's standard message texts for dates.
namespace RtlMessages {
inline constexpr char16_t DateEncodeError[] = u"Invalid argument to date encode";
inline constexpr char16_t TimeEncodeError[] = u"Invalid argument to time encode";
inline constexpr char16_t InvalidFileDate[] = u"'%.8X' is not a valid file date";
} // namespace RtlMessages

} // namespace rtl
