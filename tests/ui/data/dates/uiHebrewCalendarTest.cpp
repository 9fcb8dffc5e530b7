#include "ui/data/dates/uiHebrewCalendar.h"

#include "DateTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/dates/uiHebrewYearTable.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using ui::TuiCalendarDateTime;
using ui_test::ExpectCalendarDate;

TEST(HebrewYearTable, HoldsTheArithmeticCalendarRows) {
    struct TRow {
        int32_t Year;
        uint8_t JanuaryFirst, YearType;
    };
    const TRow rows[] = {{1583, 7, 3}, {1584, 17, 3}, {1585, 0, 4}, {1586, 11, 2}, {1587, 21, 6}, {2239, 24, 6}};
    for (const TRow& row : rows) {
        const ui::TuiHebrewYearRow& stored = ui::HebrewYearTable[row.Year - ui::HebrewTableFirstYear];
        EXPECT_EQ(stored.JanuaryFirst, row.JanuaryFirst) << row.Year;
        EXPECT_EQ(stored.YearType, row.YearType) << row.Year;
    }
    EXPECT_EQ(ui::HebrewYearTableSize, 657);
}

TEST(HebrewCalendar, ConvertsNewYearsAndLeapMonths) {
    const ui::TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(hebrew.EncodeCalendarDateTime(5787, 1, 1), EncodeDate(2026, 9, 12));
    EXPECT_EQ(hebrew.EncodeCalendarDateTime(5784, 1, 1), EncodeDate(2023, 9, 16));
    EXPECT_EQ(hebrew.EncodeCalendarDateTime(5784, 7, 1), EncodeDate(2024, 3, 11));
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(2024, 3, 11)), 5784, 7, 1);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(2026, 9, 11)), 5786, 12, 29);
    EXPECT_TRUE(hebrew.IsLeapYearOf(5784));
    EXPECT_EQ(hebrew.MonthsInYear(5784), 13);
    EXPECT_EQ(hebrew.MonthsInYear(5785), 12);
    EXPECT_TRUE(hebrew.IsLeapMonthOf(5784, 7));
    EXPECT_FALSE(hebrew.IsLeapMonthOf(5785, 7));
    EXPECT_TRUE(hebrew.IsLeapDayOf(5784, 7, 29));
    EXPECT_EQ(hebrew.DaysInYear(5784), 383);
    EXPECT_EQ(hebrew.YearType(5784), 1);
    EXPECT_EQ(hebrew.FullWeeksInYear(5784), 54);
}

TEST(HebrewCalendar, YearsOutsideTheTableHaveNoDaysAndDatesOutsideClamp) {
    const ui::TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(hebrew.DaysInYear(5342), 0);
    EXPECT_EQ(hebrew.DaysInYear(6000), 0);
    EXPECT_EQ(hebrew.DaysInMonth(6000, 1), 0);
    EXPECT_EQ(hebrew.YearType(6000), 0);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(2239, 9, 29)), 5999, 13, 29);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(2239, 9, 30)), 5999, 13, 29);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(2500, 1, 1)), 5999, 13, 29);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(1583, 1, 1)), 5343, 4, 7);
    ExpectCalendarDate(hebrew.DateTimeToCalendarDate(EncodeDate(1200, 1, 1)), 5343, 4, 7);
    EXPECT_EQ(hebrew.CalendarDateTimeToDateTime(hebrew.DateTimeToCalendarDate(EncodeDate(1200, 1, 1))),
              hebrew.MinDate());
    // A date the calendar does not have converts to its first day.
    EXPECT_EQ(hebrew.EncodeCalendarDateTime(5785, 13, 1), hebrew.MinDate());
}

TEST(HebrewCalendar, EveryDayOfTheTableConvertsThereAndBack) {
    const ui::TuiHebrewCalendarTable hebrew;
    int32_t failures = 0;
    for (rtl::TDateTime day = EncodeDate(1583, 1, 1); day <= EncodeDate(2239, 9, 29) && failures < 5; day += 1) {
        const TuiCalendarDateTime date = hebrew.DateTimeToCalendarDate(day);
        // A date the calendar does not have converts to its first day instead.
        if (hebrew.CalendarDateTimeToDateTime(date) != day) {
            ADD_FAILURE() << "day " << day << " converts to " << date.Year << "/" << date.Month << "/" << date.Day;
            ++failures;
        }
    }
}

TEST(HebrewCalendar, KeepsTheTimeOfDayBefore1900) {
    const ui::TuiHebrewCalendarTable hebrew;
    const rtl::TDateTime evening = rtl::ReplaceTime(EncodeDate(1700, 5, 1), rtl::EncodeTime(20, 0, 0, 0));
    const TuiCalendarDateTime date = hebrew.DateTimeToCalendarDate(evening);
    EXPECT_EQ(date.Hour, 20);
    EXPECT_EQ(hebrew.CalendarDateTimeToDateTime(date), evening);
}

TEST(HebrewNumerals, AddTheirLettersWithFinalFormsLikeOrdinaryOnes) {
    EXPECT_EQ(ui::HebrewNumeralValue(u"\u05D9\u05D4"), 15);
    const std::pair<char16_t, char16_t> finals[] = {{u'\u05DA', u'\u05DB'},
                                                    {u'\u05DD', u'\u05DE'},
                                                    {u'\u05DF', u'\u05E0'},
                                                    {u'\u05E3', u'\u05E4'},
                                                    {u'\u05E5', u'\u05E6'}};
    for (const auto& [final, ordinary] : finals) {
        EXPECT_EQ(ui::HebrewNumeralValue(rtl::UnicodeString(1, final)),
                  ui::HebrewNumeralValue(rtl::UnicodeString(1, ordinary)));
    }
    EXPECT_EQ(ui::HebrewNumeralValue(u"\u05EA\u05E9\u05E4\u05F4\u05D6"), 787);
    EXPECT_EQ(ui::HebrewNumeralValue(u"15"), 0);
    EXPECT_EQ(ui::HebrewNumeralValue(rtl::UnicodeString(100000, u'\u05EA')), 1000000);
    EXPECT_EQ(ui::HebrewMonthDayText(15), u"\u05D8\u05D5");
    EXPECT_EQ(ui::HebrewMonthDayText(16), u"\u05D8\u05D6");
    EXPECT_EQ(ui::HebrewMonthDayText(13), u"\u05D9\u05D2");
    EXPECT_EQ(ui::HebrewMonthDayText(787), u"\u05EA\u05E9\u05E4\u05D6");
    EXPECT_EQ(ui::HebrewMonthDayText(0), u"");
    EXPECT_EQ(ui::HebrewMonthDayText(1000), u"");
}

TEST(HebrewCalendar, ReadsNumeralsInDayMonthAndYearTexts) {
    ui_test::TTestLocale locale;
    const ui::TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(hebrew.YearNumberFromText(u"\u05EA\u05E9\u05E4\u05F4\u05D6"), 5787);
    EXPECT_EQ(hebrew.YearNumberFromText(u"5787"), 5787);
    EXPECT_EQ(hebrew.DayNumberFromText(u"\u05D8\u05D5"), 15);
    EXPECT_EQ(hebrew.DayNumberFromText(u"15"), 15);
    EXPECT_EQ(hebrew.MonthNumberFromText(5784, u"\u05D9\u05D2"), 13);
    EXPECT_EQ(hebrew.MonthNumberFromText(5784, u"7"), 7);
    // Month 13 is no month of a common year.
    EXPECT_THROW(hebrew.MonthNumberFromText(5785, u"\u05D9\u05D2"), rtl::EConvertError);
}

} // namespace
