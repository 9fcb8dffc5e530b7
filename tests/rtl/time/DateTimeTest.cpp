#include "rtl/time/DateTime.h"

#include "rtl/core/Exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

TEST(DateTime, EncodeDateFollowsTheGregorianCalendar) {
    struct Case {
        int32_t year, month, day;
        bool valid;
        TDateTime value;
    };
    const Case cases[] = {
        {1899, 12, 30, true, 0}, {1899, 12, 31, true, 1},  {1900, 1, 1, true, 2},      {1900, 2, 28, true, 60},
        {1900, 3, 1, true, 61},  {1900, 2, 29, false, 0},  {2000, 2, 29, true, 36585}, {2024, 2, 29, true, 45351},
        {2100, 2, 29, false, 0}, {1899, 12, 29, true, -1}, {1, 1, 1, true, -693593},   {9999, 12, 31, true, 2958465},
        {0, 12, 31, false, 0},   {10000, 1, 1, false, 0},  {2024, 0, 1, false, 0},     {2024, 13, 1, false, 0},
        {2024, 4, 31, false, 0}, {2024, 1, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        TDateTime value = -12345;
        EXPECT_EQ(TryEncodeDate(c.year, c.month, c.day, value), c.valid);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.value);
        } else {
            EXPECT_EQ(value, -12345);
            EXPECT_THROW(EncodeDate(c.year, c.month, c.day), EConvertError);
        }
    }
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    struct Case {
        int32_t year;
        bool leap;
    };
    const Case cases[] = {{1900, false}, {2000, true}, {2023, false}, {2024, true}, {2100, false}, {2400, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
        EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28);
    }
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DateTime, EveryDayDecodesBackToItsNumber) {
    // The calendar repeats every 400 years: whole cycles at both ends of the range and around today cover every rule.
    struct Range {
        TDateParts first;
        TDateParts last;
    };
    const Range ranges[] = {{{1, 1, 1}, {401, 1, 1}}, {{1600, 1, 1}, {2401, 1, 1}}, {{9599, 12, 31}, {9999, 12, 31}}};
    for (const auto& range : ranges) {
        SCOPED_TRACE(range.first.Year);
        const auto first = static_cast<int32_t>(EncodeDate(range.first.Year, range.first.Month, range.first.Day));
        const auto last = static_cast<int32_t>(EncodeDate(range.last.Year, range.last.Month, range.last.Day));
        TDateParts previous = DecodeDate(first);
        ASSERT_EQ(previous.Year, range.first.Year);
        for (int32_t day = first + 1; day <= last; ++day) {
            const TDateParts parts = DecodeDate(day);
            TDateTime encoded = 0;
            ASSERT_TRUE(TryEncodeDate(parts.Year, parts.Month, parts.Day, encoded)) << day;
            ASSERT_EQ(encoded, day);
            // Each day follows the one before it in the calendar.
            const bool nextDay =
                parts.Year == previous.Year && parts.Month == previous.Month && parts.Day == previous.Day + 1;
            const bool nextMonth =
                parts.Day == 1 && ((parts.Year == previous.Year && parts.Month == previous.Month + 1) ||
                                   (parts.Month == 1 && parts.Year == previous.Year + 1));
            ASSERT_TRUE(nextDay || nextMonth) << day;
            previous = parts;
        }
        EXPECT_EQ(previous.Year, range.last.Year);
    }
}

TEST(DateTime, DecodeSplitsDateAndTime) {
    struct Case {
        const char* name;
        TDateTime value;
        TDateParts date;
        TTimeParts time;
    };
    const Case cases[] = {
        {"epoch", 0, {1899, 12, 30}, {0, 0, 0, 0}},
        {"before the epoch", -1.25, {1899, 12, 29}, {6, 0, 0, 0}},
        {"before the epoch, same day as epoch", -0.5, {1899, 12, 30}, {12, 0, 0, 0}},
        {"leap day afternoon", 45351 + 0.75, {2024, 2, 29}, {18, 0, 0, 0}},
        {"time rounds up to the next day", 1.99999999999, {1900, 1, 1}, {0, 0, 0, 0}},
        {"negative time rounds up to the next day", -1.99999999999, {1899, 12, 30}, {0, 0, 0, 0}},
        {"last millisecond", 2958465 + 86399999.0 / MSecsPerDay, {9999, 12, 31}, {23, 59, 59, 999}},
        {"past the last millisecond", 2958466, {}, {}},
        {"before the first day", -693594, {}, {}},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), {}, {}},
        {"infinity", std::numeric_limits<double>::infinity(), {}, {}},
        {"huge", 1e300, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TDateParts date = DecodeDate(c.value);
        EXPECT_EQ(date.Year, c.date.Year);
        EXPECT_EQ(date.Month, c.date.Month);
        EXPECT_EQ(date.Day, c.date.Day);
        const TTimeParts time = DecodeTime(c.value);
        EXPECT_EQ(time.Hour, c.time.Hour);
        EXPECT_EQ(time.Minute, c.time.Minute);
        EXPECT_EQ(time.Second, c.time.Second);
        EXPECT_EQ(time.Millisecond, c.time.Millisecond);
    }
}

TEST(DateTime, EveryTimeOfDayRoundTripsToTheMillisecond) {
    for (int32_t second = 0; second < MSecsPerDay / MSecsPerSecond; ++second) {
        const TTimeParts parts{second / 3600, second / 60 % 60, second % 60, second % 1000};
        const TDateTime value = EncodeDateTime({1899, 12, 29}, parts); // a negative value: the hard case
        const TTimeParts back = DecodeTime(value);
        ASSERT_EQ(back.Hour * 3600 + back.Minute * 60 + back.Second, second);
        ASSERT_EQ(back.Millisecond, parts.Millisecond);
        ASSERT_EQ(DecodeDate(value).Day, 29);
    }
}

TEST(DateTime, EncodeTimeRejectsFieldsOutsideTheClock) {
    struct Case {
        int32_t hour, minute, second, millisecond;
    };
    const Case invalid[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
    for (const auto& c : invalid) {
        SCOPED_TRACE(testing::Message() << c.hour << ':' << c.minute << ':' << c.second << '.' << c.millisecond);
        TDateTime value = 0;
        EXPECT_FALSE(TryEncodeTime(c.hour, c.minute, c.second, c.millisecond, value));
        EXPECT_THROW(EncodeTime(c.hour, c.minute, c.second, c.millisecond), EConvertError);
    }
    EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
    struct Case {
        TDateTime value;
        int32_t dayOfWeek;
    };
    const Case cases[] = {
        {0, 7},                             // 30 December 1899, a Saturday
        {-1.25, 6},                         // 29 December 1899, a Friday
        {2, 2},                             // 1 January 1900, a Monday
        {EncodeDate(1, 1, 1), 2},           // a Monday in the proleptic calendar
        {EncodeDate(2000, 1, 1), 7},        // Saturday
        {EncodeDate(2024, 2, 29) + 0.9, 5}, // Thursday
        {EncodeDate(2024, 3, 3), 1},        // Sunday
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DayOfWeek(c.value), c.dayOfWeek);
    }
}

TEST(DateTime, DateAndTimeParts) {
    EXPECT_EQ(DateOf(45351.75), 45351);
    EXPECT_EQ(TimeOf(45351.75), 0.75);
    EXPECT_EQ(DateOf(-1.25), -1);
    EXPECT_EQ(TimeOf(-1.25), 0.25);
    EXPECT_EQ(ReplaceTime(-1.25, 0.5), -1.5);
    EXPECT_EQ(ReplaceTime(2.75, -3.25), 2.25);
}

TEST(DateTime, IncMonthClampsToTheEndOfTheMonth) {
    struct Case {
        TDateParts from;
        int32_t months;
        TDateParts to;
    };
    const Case cases[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},     {{2023, 1, 31}, 1, {2023, 2, 28}},  {{2024, 3, 31}, -1, {2024, 2, 29}},
        {{2024, 5, 31}, 1, {2024, 6, 30}},     {{2024, 11, 15}, 3, {2025, 2, 15}}, {{2024, 1, 15}, -1, {2023, 12, 15}},
        {{2024, 12, 31}, -12, {2023, 12, 31}}, {{2024, 2, 29}, 12, {2025, 2, 28}}, {{2024, 7, 4}, 0, {2024, 7, 4}},
        {{1899, 12, 29}, 1, {1900, 1, 29}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.Year << '-' << c.from.Month << '-' << c.from.Day << " + "
                                        << c.months);
        const TDateTime from = EncodeDateTime(c.from, {18, 30, 0, 0});
        EXPECT_EQ(IncMonth(from, c.months), EncodeDateTime(c.to, {18, 30, 0, 0}));
    }
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 31), -1), EConvertError);
    EXPECT_THROW(IncMonth(0, std::numeric_limits<int32_t>::max()), EConvertError);
    EXPECT_THROW(IncMonth(0, std::numeric_limits<int32_t>::min()), EConvertError);
    EXPECT_THROW(IncMonth(std::numeric_limits<double>::quiet_NaN(), 1), EConvertError);
}

TEST(DateTime, FileDateRoundTripsAtTwoSecondResolution) {
    struct Case {
        TDateParts date;
        TTimeParts time;
        uint32_t fileDate;
        int32_t secondBack;
    };
    const Case cases[] = {
        {{2024, 2, 29}, {13, 5, 9, 500}, 0x585D68A4, 8},
        {{1980, 1, 1}, {0, 0, 0, 0}, 0x00210000, 0},
        {{2107, 12, 31}, {23, 59, 59, 999}, 0xFF9FBF7D, 58},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.Year);
        EXPECT_EQ(DateTimeToFileDate(EncodeDateTime(c.date, c.time)), c.fileDate);
        TTimeParts timeBack = c.time;
        timeBack.Second = c.secondBack;
        timeBack.Millisecond = 0;
        EXPECT_EQ(FileDateToDateTime(c.fileDate), EncodeDateTime(c.date, timeBack));
    }
}

TEST(DateTime, FileDateOutsideItsRangeFails) {
    const TDateTime unrepresentable[] = {EncodeDate(1979, 12, 31) + 0.99, EncodeDate(2108, 1, 1), -1.25,
                                         std::numeric_limits<double>::quiet_NaN()};
    for (const TDateTime value : unrepresentable) {
        SCOPED_TRACE(value);
        EXPECT_EQ(DateTimeToFileDate(value), 0u);
    }
    struct Case {
        const char* name;
        uint32_t fileDate;
    };
    const Case invalid[] = {
        {"zero", 0},
        {"30 February 2024", ((44u << 9 | 2u << 5 | 30u) << 16)},
        {"month 13", ((44u << 9 | 13u << 5 | 1u) << 16)},
        {"hour 24", ((44u << 9 | 1u << 5 | 1u) << 16) | (24u << 11)},
        {"minute 60", ((44u << 9 | 1u << 5 | 1u) << 16) | (60u << 5)},
        {"second 60", ((44u << 9 | 1u << 5 | 1u) << 16) | 30u},
    };
    for (const auto& c : invalid) {
        SCOPED_TRACE(c.name);
        TDateTime value = 7;
        EXPECT_FALSE(TryFileDateToDateTime(c.fileDate, value));
        EXPECT_EQ(value, 7);
        EXPECT_THROW(FileDateToDateTime(c.fileDate), EConvertError);
    }
}

TEST(DateTime, LocalClockIsConsistent) {
    const TDateTime before = Date();
    const TDateTime now = Now();
    const TDateTime after = Date();
    EXPECT_GE(now, before);
    EXPECT_LT(now, after + 1);
    EXPECT_GT(before, EncodeDate(2020, 1, 1));
    EXPECT_EQ(DateOf(before), before);
    EXPECT_GE(Time(), 0);
    EXPECT_LT(Time(), 1);
}

} // namespace
} // namespace rtl
