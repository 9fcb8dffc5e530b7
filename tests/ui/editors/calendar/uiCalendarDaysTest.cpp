// The day grid of the month calendar and the dates its keys lead to, under the test locale (Monday first).

#include "ui/editors/calendar/uiCalendarDays.h"

#include "tests/ui/data/locale/LocaleTestSupport.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiFormats.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

rtl::TDateTime Day(int32_t year, int32_t month, int32_t day) {
    return rtl::EncodeDate(year, month, day);
}

class CalendarDays : public testing::Test {
protected:
    const TuiCustomCalendarTable& Table() const { return *GetCalendarTable(calGregorian); }

    ui_test::TTestLocale Locale;
};

TEST_F(CalendarDays, AMonthStartingOnTheFirstDayOfTheWeekShowsTheWeekBeforeInRowZero) {
    const rtl::TDateTime april = Day(2024, 4, 1);
    ASSERT_EQ(rtl::DayOfWeek(april), 2) << "1 April 2024 is a Monday";
    EXPECT_EQ(CalendarCellDate(april, 0, 0), Day(2024, 3, 25));
    EXPECT_EQ(CalendarCellDate(april, 0, 1), april);
    EXPECT_EQ(CalendarLastVisibleDate(april), Day(2024, 5, 5));
    const rtl::TDateTime may = Day(2024, 5, 1);
    EXPECT_EQ(CalendarCellDate(may, 2, 0), may) << "a Wednesday stands in the third column of row 0";
    EXPECT_EQ(CalendarFirstVisibleDate(may), Day(2024, 4, 29));
}

TEST_F(CalendarDays, ColumnZeroIsTheLocalesFirstDayOfTheWeek) {
    for (const int32_t firstDay : {0, 1, 6}) {
        Locale.MutableValues().FirstDayOfWeek = firstDay;
        for (int32_t row = 0; row < CalendarGridRows; ++row) {
            EXPECT_EQ(rtl::DayOfWeek(CalendarCellDate(Day(2024, 9, 1), 0, row)) - 1, firstDay) << row;
        }
    }
    Locale.MutableValues().FirstDayOfWeek = 0;
    EXPECT_EQ(CalendarCellDate(Day(2024, 9, 1), 0, 0), Day(2024, 8, 25)) << "September 2024 begins on a Sunday";
}

TEST_F(CalendarDays, TheEarliestSupportedMonthHasNoWeekBeforeIt) {
    Locale.MutableValues().FirstDayOfWeek = rtl::DayOfWeek(MinSupportedDate) - 1;
    EXPECT_EQ(CalendarCellDate(MinSupportedDate, 0, 0), MinSupportedDate);
    EXPECT_EQ(CalendarMonthStartOf(Table(), ShiftDays(MinSupportedDate, 20)), MinSupportedDate);
}

TEST_F(CalendarDays, MonthBoundsFollowTheTable) {
    EXPECT_EQ(CalendarMonthStartOf(Table(), Day(2024, 2, 17) + 0.75), Day(2024, 2, 1)) << "and lose the time";
    EXPECT_EQ(CalendarLastDayOfMonth(Table(), Day(2024, 2, 1)), Day(2024, 2, 29));
    EXPECT_EQ(CalendarLastDayOfMonth(Table(), Day(2023, 2, 1)), Day(2023, 2, 28));
}

TEST_F(CalendarDays, TheKeysStepsMoveTheDate) {
    struct TStepCase {
        rtl::TDateTime From;
        TuiCalendarDateStep Step;
        rtl::TDateTime To;
    };
    const rtl::TDateTime wednesday = Day(2024, 5, 15);
    const TStepCase cases[] = {
        {wednesday, cdsPreviousDay, Day(2024, 5, 14)},      {wednesday, cdsNextDay, Day(2024, 5, 16)},
        {wednesday, cdsPreviousWeek, Day(2024, 5, 8)},      {wednesday, cdsNextWeek, Day(2024, 5, 22)},
        {wednesday, cdsWeekStart, Day(2024, 5, 13)},        {wednesday, cdsWeekEnd, Day(2024, 5, 19)},
        {wednesday, cdsMonthStart, Day(2024, 5, 1)},        {wednesday, cdsMonthEnd, Day(2024, 5, 31)},
        {Day(2024, 2, 10), cdsMonthEnd, Day(2024, 2, 29)},  {Day(2024, 3, 31), cdsPreviousMonth, Day(2024, 2, 29)},
        {Day(2024, 1, 31), cdsNextMonth, Day(2024, 2, 29)}, {Day(2024, 5, 31), cdsNextDay, Day(2024, 6, 1)},
    };
    for (const TStepCase& step : cases) {
        EXPECT_EQ(CalendarSteppedDate(Table(), step.From, step.Step), step.To) << step.Step;
    }
    EXPECT_EQ(CalendarSteppedDate(Table(), wednesday + 0.5, cdsNextDay), Day(2024, 5, 16) + 0.5) << "time kept";
    EXPECT_EQ(CalendarSteppedDate(Table(), NullDate, cdsNextDay), NullDate);
    EXPECT_FALSE(IsDateInSupportedRange(CalendarSteppedDate(Table(), MinSupportedDate, cdsPreviousDay)));
}

TEST_F(CalendarDays, WeekNumbersFollowTheFormatControllersFirstWeekRule) {
    // 1 January 2021 is a Friday: the row of 28 December 2020 is week 1, the last week of 2020 by full weeks (52)
    // or ISO weeks (53).
    const rtl::TDateTime january = Day(2021, 1, 1);
    ASSERT_EQ(CalendarCellDate(january, 0, 0), Day(2020, 12, 28));
    struct TRuleCase {
        uint8_t Rule;
        int32_t Row0;
        int32_t Row1;
    };
    for (const TRuleCase& rule : {TRuleCase{1, 1, 2}, TRuleCase{2, 52, 1}, TRuleCase{3, 53, 1}}) {
        GetFormatController().SetWeekOfYearRule(rule.Rule);
        EXPECT_EQ(CalendarRowWeekNumber(Table(), january, 0), rule.Row0) << int{rule.Rule};
        EXPECT_EQ(CalendarRowWeekNumber(Table(), january, 1), rule.Row1) << int{rule.Rule};
    }
}

} // namespace
} // namespace ui
