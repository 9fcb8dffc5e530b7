#include "rtl/time/DateTime.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace rtl {

namespace {

// The day number of 30 December 1899 (our day 0) when 1 January 0001 is day 1.
constexpr int64_t DaysBeforeEpoch = 693594;
constexpr int64_t MinDay = -693593; // 0001-01-01
constexpr int64_t MaxDay = 2958465; // 9999-12-31
constexpr int64_t DaysPer400Years = 146097;
constexpr int64_t DaysPer100Years = 36524;
constexpr int64_t DaysPer4Years = 1461;
constexpr int64_t DaysPerYear = 365;
constexpr int32_t MinYear = 1;
constexpr int32_t MaxYear = 9999;
constexpr int32_t DosEpochYear = 1980;
constexpr int32_t DosLastYear = DosEpochYear + 127;

// A value split into its calendar day number and its time of day in whole milliseconds.
struct TDayAndTime {
    int64_t Day;
    int32_t MSecs;
};

std::optional<TDayAndTime> SplitDateTime(TDateTime value) {
    if (!(value > MinDay - 1 && value < MaxDay + 1)) { // also rejects NaN
        return std::nullopt;
    }
    const double whole = std::trunc(value);
    TDayAndTime split{static_cast<int64_t>(whole),
                      static_cast<int32_t>(std::llround(std::fabs(value - whole) * MSecsPerDay))};
    if (split.MSecs == MSecsPerDay) {
        split.MSecs = 0;
        ++split.Day; // the next calendar day, for negative day numbers too
    }
    if (split.Day < MinDay || split.Day > MaxDay) {
        return std::nullopt;
    }
    return split;
}

// A negative day number counts its time away from zero: day -1 at 06:00 is -1.25.
TDateTime Compose(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

int64_t DayNumber(int32_t year, int32_t month, int32_t day) {
    const int64_t y = year - 1;
    int64_t dayOfYear = day;
    for (int32_t m = 1; m < month; ++m) {
        dayOfYear += DaysInMonth(year, m);
    }
    return y * DaysPerYear + y / 4 - y / 100 + y / 400 + dayOfYear - DaysBeforeEpoch;
}

TDateParts DateOfDayNumber(int64_t dayNumber) {
    int64_t t = dayNumber + DaysBeforeEpoch - 1; // days since 0001-01-01
    const int64_t cycles400 = t / DaysPer400Years;
    t %= DaysPer400Years;
    const int64_t centuries = std::min<int64_t>(t / DaysPer100Years, 3); // the last day of a 400-year cycle
    t -= centuries * DaysPer100Years;
    const int64_t cycles4 = t / DaysPer4Years;
    t %= DaysPer4Years;
    const int64_t years = std::min<int64_t>(t / DaysPerYear, 3); // the last day of a leap cycle
    t -= years * DaysPerYear;
    TDateParts parts;
    parts.Year = static_cast<int32_t>(cycles400 * 400 + centuries * 100 + cycles4 * 4 + years + 1);
    parts.Month = 1;
    while (t >= DaysInMonth(parts.Year, parts.Month)) {
        t -= DaysInMonth(parts.Year, parts.Month);
        ++parts.Month;
    }
    parts.Day = static_cast<int32_t>(t + 1);
    return parts;
}

TTimeParts TimeOfMSecs(int32_t msecs) {
    TTimeParts parts;
    parts.Millisecond = msecs % MSecsPerSecond;
    msecs /= MSecsPerSecond;
    parts.Second = msecs % SecondsPerMinute;
    msecs /= SecondsPerMinute;
    parts.Minute = msecs % MinutesPerHour;
    parts.Hour = msecs / MinutesPerHour;
    return parts;
}

TDayAndTime SplitOrRaise(TDateTime value) {
    const auto split = SplitDateTime(value);
    if (!split) {
        throw EConvertError(RtlMessages::DateEncodeError);
    }
    return *split;
}

} // namespace

bool IsLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    static constexpr int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int32_t year, int32_t month, int32_t day, TDateTime& result) {
    if (year < MinYear || year > MaxYear || day < 1 || day > DaysInMonth(year, month)) {
        return false;
    }
    result = static_cast<TDateTime>(DayNumber(year, month, day));
    return true;
}

bool TryEncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond, TDateTime& result) {
    if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute >= MinutesPerHour || second < 0 ||
        second >= SecondsPerMinute || millisecond < 0 || millisecond >= MSecsPerSecond) {
        return false;
    }
    const int32_t msecs = ((hour * MinutesPerHour + minute) * SecondsPerMinute + second) * MSecsPerSecond + millisecond;
    result = static_cast<TDateTime>(msecs) / MSecsPerDay;
    return true;
}

bool TryEncodeDateTime(const TDateParts& date, const TTimeParts& time, TDateTime& result) {
    TDateTime datePart = 0;
    TDateTime timePart = 0;
    if (!TryEncodeDate(date.Year, date.Month, date.Day, datePart) ||
        !TryEncodeTime(time.Hour, time.Minute, time.Second, time.Millisecond, timePart)) {
        return false;
    }
    result = Compose(datePart, timePart);
    return true;
}

TDateTime EncodeDate(int32_t year, int32_t month, int32_t day) {
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) {
        throw EConvertError(RtlMessages::DateEncodeError);
    }
    return result;
}

TDateTime EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond) {
    TDateTime result = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, result)) {
        throw EConvertError(RtlMessages::TimeEncodeError);
    }
    return result;
}

TDateTime EncodeDateTime(const TDateParts& date, const TTimeParts& time) {
    return Compose(EncodeDate(date.Year, date.Month, date.Day),
                   EncodeTime(time.Hour, time.Minute, time.Second, time.Millisecond));
}

TDateParts DecodeDate(TDateTime value) {
    const auto split = SplitDateTime(value);
    return split ? DateOfDayNumber(split->Day) : TDateParts{};
}

TTimeParts DecodeTime(TDateTime value) {
    const auto split = SplitDateTime(value);
    return split ? TimeOfMSecs(split->MSecs) : TTimeParts{};
}

int32_t DayOfWeek(TDateTime value) {
    const auto split = SplitDateTime(value);
    if (!split) {
        return 0;
    }
    // Day 0 was a Saturday.
    const int64_t fromSunday = ((split->Day + 6) % 7 + 7) % 7;
    return static_cast<int32_t>(fromSunday) + 1;
}

TDateTime DateOf(TDateTime value) {
    return std::trunc(value);
}

TDateTime TimeOf(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

TDateTime ReplaceTime(TDateTime value, TDateTime newTime) {
    return Compose(DateOf(value), TimeOf(newTime));
}

TDateTime IncMonth(TDateTime value, int32_t months) {
    const TDayAndTime split = SplitOrRaise(value);
    const TDateParts date = DateOfDayNumber(split.Day);
    const int64_t monthIndex = int64_t{date.Year} * 12 + (date.Month - 1) + months;
    const int64_t year = monthIndex / 12; // monthIndex >= 0 whenever the year can be valid
    if (monthIndex < 0 || year < MinYear || year > MaxYear) {
        throw EConvertError(RtlMessages::DateEncodeError);
    }
    const auto newYear = static_cast<int32_t>(year);
    const auto newMonth = static_cast<int32_t>(monthIndex % 12) + 1;
    const int32_t newDay = std::min(date.Day, DaysInMonth(newYear, newMonth));
    return Compose(EncodeDate(newYear, newMonth, newDay), static_cast<TDateTime>(split.MSecs) / MSecsPerDay);
}

TDateTime Now() {
    const detail::TLocalClock clock = detail::PlatformLocalClock();
    return EncodeDateTime(clock.Date, clock.Time);
}

TDateTime Date() {
    const TDateParts date = detail::PlatformLocalClock().Date;
    return EncodeDate(date.Year, date.Month, date.Day);
}

TDateTime Time() {
    const TTimeParts time = detail::PlatformLocalClock().Time;
    return EncodeTime(time.Hour, time.Minute, time.Second, time.Millisecond);
}

uint32_t DateTimeToFileDate(TDateTime value) {
    const auto split = SplitDateTime(value);
    if (!split) {
        return 0;
    }
    const TDateParts date = DateOfDayNumber(split->Day);
    if (date.Year < DosEpochYear || date.Year > DosLastYear) {
        return 0;
    }
    const TTimeParts time = TimeOfMSecs(split->MSecs);
    const auto dosDate = static_cast<uint32_t>(((date.Year - DosEpochYear) << 9) | (date.Month << 5) | date.Day);
    const auto dosTime = static_cast<uint32_t>((time.Hour << 11) | (time.Minute << 5) | (time.Second / 2));
    return (dosDate << 16) | dosTime;
}

bool TryFileDateToDateTime(uint32_t fileDate, TDateTime& result) {
    const uint32_t dosDate = fileDate >> 16;
    const uint32_t dosTime = fileDate & 0xFFFFu;
    const TDateParts date{static_cast<int32_t>(dosDate >> 9) + DosEpochYear, static_cast<int32_t>((dosDate >> 5) & 15u),
                          static_cast<int32_t>(dosDate & 31u)};
    const TTimeParts time{static_cast<int32_t>(dosTime >> 11), static_cast<int32_t>((dosTime >> 5) & 63u),
                          static_cast<int32_t>(dosTime & 31u) * 2, 0};
    return TryEncodeDateTime(date, time, result);
}

TDateTime FileDateToDateTime(uint32_t fileDate) {
    TDateTime result = 0;
    if (!TryFileDateToDateTime(fileDate, result)) {
        throw EConvertError(Format(RtlMessages::InvalidFileDate, {fileDate}));
    }
    return result;
}

} // namespace rtl
