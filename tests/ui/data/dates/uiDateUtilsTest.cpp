#include "ui/data/dates/uiDateUtils.h"

#include "DateTestSupport.h"
#include "ui/data/dates/uiCalendarTable.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using rtl::EncodeTime;
using ui::NullDate;

constexpr int32_t Sunday = 0;
constexpr int32_t Monday = 1;

TEST(WeekOfYear, FollowsTheFirstWeekRules) {
    ui_test::TTestLocale locale;
    struct TCase {
        int32_t Year, Month, Day, FirstWeekday, Rule, Week;
    };
    const TCase cases[] = {
        // 1 January 2027 is a Friday.
        {2027, 1, 1, Monday, 1, 1},
        {2027, 1, 1, Monday, 2, 52},
        {2027, 1, 1, Monday, 3, 53},
        // ISO 8601: 29 December 2025 begins week 1 of 2026, which has 53 weeks.
        {2025, 12, 29, Monday, 3, 1},
        {2026, 12, 31, Monday, 3, 53},
        {2021, 1, 3, Monday, 3, 53},
        {2021, 1, 4, Monday, 3, 1},
        // Rule 1: the week holding 1 January, so the last days of December can be week 1.
        {2026, 12, 27, Sunday, 1, 1},
        {2026, 12, 26, Sunday, 1, 52},
        {2026, 6, 10, Sunday, 1, 24},
        // Rule 2: the first full week.
        {2026, 1, 4, Sunday, 2, 1},
        {2026, 1, 3, Sunday, 2, 52},
        // The last year of the calendar has no next year to fold into.
        {9999, 12, 31, Sunday, 1, 53},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ui::WeekOfYear(EncodeDate(c.Year, c.Month, c.Day), c.FirstWeekday, c.Rule), c.Week)
            << c.Year << "-" << c.Month << "-" << c.Day << " first weekday " << c.FirstWeekday << " rule " << c.Rule;
    }
}

TEST(WeekOfYear, RuleZeroIsTheLocaleRule) {
    ui_test::TTestLocale locale;
    locale.MutableValues().FirstWeekOfYear = 3;
    EXPECT_EQ(ui::WeekOfYear(EncodeDate(2027, 1, 1), Monday, 0), 53);
    EXPECT_EQ(ui::WeekOfYear(NullDate, Monday, 1), 0);
}

TEST(SupportedRange, HoldsYears100To9999AndTheNullDate) {
    EXPECT_EQ(ui::MinSupportedDate, EncodeDate(100, 1, 1));
    EXPECT_FALSE(ui::IsDateInSupportedRange(EncodeDate(99, 1, 1)));
    EXPECT_TRUE(ui::IsDateInSupportedRange(NullDate));
    EXPECT_TRUE(ui::IsDateInSupportedRange(ui::MinSupportedDate));
    EXPECT_TRUE(ui::IsDateInSupportedRange(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)));
    EXPECT_FALSE(ui::IsDateInSupportedRange(EncodeDate(9999, 12, 31) + 1));
}

TEST(MonthAndYearBounds, EndAtTheLastMillisecondUnlessTheWholeDayIsAsked) {
    const rtl::TDateTime date = EncodeDate(2024, 2, 10) + EncodeTime(9, 0, 0, 0);
    const rtl::TDateTime lastMillisecond = EncodeTime(23, 59, 59, 999);
    EXPECT_EQ(ui::MonthStartDate(date), EncodeDate(2024, 2, 1));
    EXPECT_EQ(ui::MonthEndDate(date), EncodeDate(2024, 2, 29) + lastMillisecond);
    EXPECT_EQ(ui::MonthEndDate(date, true), EncodeDate(2024, 2, 29));
    EXPECT_EQ(ui::YearStartDate(date), EncodeDate(2024, 1, 1));
    EXPECT_EQ(ui::YearEndDate(date), EncodeDate(2024, 12, 31) + lastMillisecond);
    EXPECT_EQ(ui::YearEndDate(date, true), EncodeDate(2024, 12, 31));
    EXPECT_EQ(ui::MonthStartDate(NullDate), NullDate);
    EXPECT_EQ(ui::YearEndDate(NullDate), NullDate);
}

TEST(DateArithmetic, CountsMonthsAndWeekdaysFromTheLocaleFirstDay) {
    ui_test::TTestLocale locale;
    EXPECT_EQ(ui::DateToMonthNumber(EncodeDate(2026, 6, 10)) - ui::DateToMonthNumber(EncodeDate(2025, 12, 31)), 6);
    // Monday is the test locale's first day: Wednesday is 2, Sunday 6.
    EXPECT_EQ(ui::WeekdayIndexOf(EncodeDate(2026, 6, 10)), 2);
    EXPECT_EQ(ui::WeekdayIndexOf(EncodeDate(2026, 6, 14)), 6);
    locale.MutableValues().FirstDayOfWeek = Sunday;
    EXPECT_EQ(ui::WeekdayIndexOf(EncodeDate(2026, 6, 14)), 0);
}

TEST(DateArithmetic, ExtractsPartsInTheGregorianOrAGivenCalendar) {
    const rtl::TDateTime date = EncodeDate(2026, 6, 10);
    EXPECT_EQ(ui::ExtractDatePart(ui::TuiDatePart::dpYear, nullptr, date), 2026);
    EXPECT_EQ(ui::ExtractDatePart(ui::TuiDatePart::dpMonth, nullptr, date), 6);
    EXPECT_EQ(ui::ExtractDatePart(ui::TuiDatePart::dpDay, nullptr, date), 10);
    ui_test::TTestLocale locale;
    EXPECT_EQ(ui::ExtractDatePart(ui::TuiDatePart::dpYear, ui::GetCalendarTable(ui::calThai), date), 2569);
}

TEST(DateArithmetic, KeepsTheTimeOfDayOfDatesBefore1900) {
    // 29 December 1899 at 06:00 is -1.25: the time counts away from zero.
    const rtl::TDateTime morning = -1.25;
    EXPECT_EQ(ui::ShiftDays(morning, 2), 1.25);
    EXPECT_EQ(ui::ShiftDays(1.25, -2), morning);
    EXPECT_EQ(ui::WholeDaysBetween(morning, 1.75), 2);
    EXPECT_LT(ui::CompareDateTimes(morning, -1.75), 0);
    EXPECT_GT(ui::CompareDateTimes(0.0, -1.75), 0);
    EXPECT_EQ(ui::ClampDateTime(-1.75, morning, 10.0), -1.75);
    EXPECT_EQ(ui::ClampDateTime(-2.5, morning, 10.0), morning);
    EXPECT_TRUE(ui::HasTimePart(morning));
    EXPECT_FALSE(ui::HasTimePart(-1.0));
}

} // namespace
