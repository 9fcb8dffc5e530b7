#include "ui/data/dates/uiCalendarTable.h"

#include "DateTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/dates/uiGregorianCalendars.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using ui::TuiCalendarDateTime;

constexpr int32_t Meiji = 0;
constexpr int32_t Showa = 2;
constexpr int32_t Heisei = 3;

TuiCalendarDateTime CalendarDate(int32_t era, int32_t year, int32_t month, int32_t day) {
    TuiCalendarDateTime date;
    date.Era = era;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    return date;
}

class CalendarTables : public ::testing::Test {
protected:
    ui_test::TTestLocale FLocale;
};

TEST_F(CalendarTables, AreMadeOncePerCalendarAndUnknownIdsShareTheGregorianOne) {
    ui::TuiCustomCalendarTable* gregorian = ui::GetCalendarTable(ui::calGregorian);
    EXPECT_EQ(ui::GetCalendarTable(ui::calGregorian), gregorian);
    EXPECT_EQ(ui::GetCalendarTable(23), gregorian);
    EXPECT_EQ(ui::GetCalendarTable(0), gregorian);
    EXPECT_EQ(ui::FindCalendarTable(23), nullptr);
    for (int32_t id = ui::calGregorian; id <= ui::calGregorianTransliteratedFrench; ++id) {
        EXPECT_EQ(ui::GetCalendarTable(id)->CalendarId(), id);
        EXPECT_EQ(ui::CalendarTableClassOf(id)()->CalendarId(), id);
        const bool gregorianFamily = id <= ui::calGregorianUSEnglish || id >= ui::calGregorianMiddleEastFrench;
        EXPECT_EQ(ui::IsGregorianCalendar(ui::GetCalendarTable(id)), gregorianFamily) << id;
    }
    FLocale.MutableValues().CalendarType = ui::calHijri;
    EXPECT_EQ(ui::GetDefaultCalendarTable()->CalendarId(), ui::calHijri);
    EXPECT_FALSE(ui::IsGregorianCalendar(nullptr));
}

TEST_F(CalendarTables, JapaneseErasBeginOnTheirOwnDay) {
    const ui::TuiCustomCalendarTable& japanese = *ui::GetCalendarTable(ui::calJapanese);
    const TuiCalendarDateTime lastShowa = japanese.DateTimeToCalendarDate(EncodeDate(1989, 1, 7));
    EXPECT_EQ(lastShowa.Era, Showa);
    EXPECT_EQ(lastShowa.Year, 64);
    const TuiCalendarDateTime firstHeisei = japanese.DateTimeToCalendarDate(EncodeDate(1989, 1, 8));
    EXPECT_EQ(firstHeisei.Era, Heisei);
    EXPECT_EQ(firstHeisei.Year, 1);
    EXPECT_EQ(japanese.CalendarDateTimeToDateTime(lastShowa), EncodeDate(1989, 1, 7));
    EXPECT_EQ(japanese.MinDate(), EncodeDate(1868, 9, 8));
    EXPECT_EQ(japanese.MaxYear(), 8011);
    // A date the calendar does not have converts to its first day.
    EXPECT_EQ(japanese.CalendarDateTimeToDateTime(CalendarDate(Heisei, 1, 2, 30)), japanese.MinDate());
}

TEST_F(CalendarTables, NormalizeMovesAnEraYearIntoTheEraThatHoldsIt) {
    const ui::TuiCustomCalendarTable& japanese = *ui::GetCalendarTable(ui::calJapanese);
    int32_t year = 0;
    int32_t era = 1; // Taisho 0 is 1911, Meiji 44.
    japanese.NormalizeEraYear(year, era);
    EXPECT_EQ(era, Meiji);
    EXPECT_EQ(year, 44);
    // No later era is listed, so Heisei goes on.
    const TuiCalendarDateTime next =
        japanese.DateTimeToCalendarDate(japanese.AddYearsTo(CalendarDate(Heisei, 31, 4, 30), 1));
    EXPECT_EQ(next.Era, Heisei);
    EXPECT_EQ(next.Year, 32);
    EXPECT_EQ(japanese.CalendarDateTimeToDateTime(next), EncodeDate(2020, 4, 30));
}

TEST_F(CalendarTables, EraCalendarsCountTheirOwnYears) {
    const rtl::TDateTime date = EncodeDate(2026, 6, 10);
    const std::pair<int32_t, int32_t> years[] = {
        {ui::calThai, 2569}, {ui::calKorean, 4359}, {ui::calTaiwan, 115}, {ui::calGregorian, 2026}};
    for (const auto& [id, year] : years) {
        const ui::TuiCustomCalendarTable& table = *ui::GetCalendarTable(id);
        const TuiCalendarDateTime calendarDate = table.DateTimeToCalendarDate(date);
        EXPECT_EQ(calendarDate.Year, year) << id;
        EXPECT_EQ(table.CalendarDateTimeToDateTime(calendarDate), date) << id;
        EXPECT_EQ(table.EncodeCalendarDateTime(year, 6, 10), date) << id;
    }
    EXPECT_EQ(ui::GetCalendarTable(ui::calKorean)->MinYear(), 2334);
    EXPECT_EQ(ui::GetCalendarTable(ui::calThai)->MaxYear(), 10542);
}

TEST_F(CalendarTables, AddingMonthsKeepsTheDayWithinTheMonthAndTheTimeOfDay) {
    const ui::TuiCustomCalendarTable& gregorian = *ui::GetCalendarTable(ui::calGregorian);
    const rtl::TDateTime time = rtl::EncodeTime(8, 15, 0, 0);
    EXPECT_EQ(gregorian.AddMonths(EncodeDate(2026, 1, 31) + time, 1), EncodeDate(2026, 2, 28) + time);
    EXPECT_EQ(gregorian.AddMonths(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(gregorian.AddMonths(EncodeDate(2026, 3, 31), -13), EncodeDate(2025, 2, 28));
    EXPECT_EQ(gregorian.AddYears(EncodeDate(2024, 2, 29), 1), EncodeDate(2025, 2, 28));
    EXPECT_EQ(gregorian.AddWeeks(EncodeDate(2026, 6, 10), -2), EncodeDate(2026, 5, 27));
    EXPECT_EQ(gregorian.AddDays(gregorian.EncodeToCalendarDate(2026, 6, 10), 21), EncodeDate(2026, 7, 1));
}

TEST_F(CalendarTables, ArithmeticThatLeavesTheCalendarStopsAtItsNearerEnd) {
    const ui::TuiCustomCalendarTable& gregorian = *ui::GetCalendarTable(ui::calGregorian);
    const rtl::TDateTime lastDay = EncodeDate(9999, 12, 31);
    EXPECT_EQ(gregorian.AddYears(lastDay, 1), gregorian.MaxDate());
    EXPECT_EQ(gregorian.AddMonths(lastDay, 2147483647), gregorian.MaxDate());
    EXPECT_EQ(gregorian.AddMonths(EncodeDate(2026, 6, 10), -2147483647 - 1), gregorian.MinDate());
    EXPECT_EQ(gregorian.AddYears(EncodeDate(2026, 6, 10), -2147483647 - 1), gregorian.MinDate());
    EXPECT_EQ(gregorian.AddDays(gregorian.DateTimeToCalendarDate(lastDay), 5), gregorian.MaxDate());
    // A date the table does not have moves nowhere but to its first day.
    EXPECT_EQ(gregorian.AddMonthsTo(CalendarDate(-1, 2026, 2, 30), 1), gregorian.MinDate());
}

TEST_F(CalendarTables, GregorianLeapRulesAndWeeks) {
    const ui::TuiCustomCalendarTable& gregorian = *ui::GetCalendarTable(ui::calGregorian);
    EXPECT_TRUE(gregorian.IsLeapYearOf(2024));
    EXPECT_FALSE(gregorian.IsLeapYearOf(1900));
    EXPECT_TRUE(gregorian.IsLeapMonthOf(2024, 2));
    EXPECT_TRUE(gregorian.IsLeapDayOf(2024, 2, 29));
    EXPECT_FALSE(gregorian.IsLeapDayOf(2024, 2, 28));
    EXPECT_EQ(gregorian.DaysInYear(2024), 366);
    EXPECT_EQ(gregorian.DayOfYearOf(EncodeDate(2024, 3, 1)), 61);
    EXPECT_FALSE(gregorian.IsValidDayOf(2023, 2, 29));
    EXPECT_FALSE(gregorian.IsValidYearOf(99));
    // Heisei 36 is 2024.
    EXPECT_TRUE(ui::GetCalendarTable(ui::calJapanese)->IsLeapYearInEra(Heisei, 36));
    // 2022 begins on a Saturday, 2016 (a leap year) on a Friday, 2026 on a Thursday.
    EXPECT_EQ(gregorian.FullWeeksInYear(2022), 53);
    EXPECT_EQ(gregorian.FullWeeksInYear(2016), 53);
    EXPECT_EQ(gregorian.FullWeeksInYear(2026), 52);
    EXPECT_EQ(gregorian.WeekNumberOf(EncodeDate(2027, 1, 1), 1, 3), 53);
    EXPECT_EQ(gregorian.WeekdayOf(EncodeDate(2026, 6, 10)), 3);
    const TuiCalendarDateTime weekStart = ui::GetCalendarTable(ui::calGregorianArabic)
                                              ->WeekStartOf(gregorian.DateTimeToCalendarDate(EncodeDate(2026, 6, 10)));
    EXPECT_EQ(weekStart.Day, 6); // the Saturday before
}

TEST_F(CalendarTables, ReadTwoDigitYearsInTheLocaleWindowAndMonthNames) {
    const ui::TuiCustomCalendarTable& gregorian = *ui::GetCalendarTable(ui::calGregorian);
    EXPECT_EQ(gregorian.YearNumberFromText(u"5"), 2005);
    EXPECT_EQ(gregorian.YearNumberFromText(u"35"), 1935);
    EXPECT_EQ(gregorian.YearNumberFromText(u"29"), 2029);
    EXPECT_EQ(gregorian.YearNumberFromText(u"0035"), 35);
    // A locale that cannot say keeps the runtime's window rather than reading 5 as -95.
    FLocale.SetTwoDigitYearMax(0);
    FLocale.Settings().TwoDigitYearCenturyWindow = 50;
    EXPECT_GT(gregorian.YearNumberFromText(u"5"), 1900);
    EXPECT_EQ(gregorian.MonthNumberFromText(2026, u"june"), 6);
    EXPECT_EQ(gregorian.MonthNumberFromText(2026, u"SEP"), 9);
    EXPECT_EQ(gregorian.MonthNumberFromText(2026, u"7"), 7);
    EXPECT_EQ(gregorian.DayNumberFromText(u"10"), 10);
    EXPECT_THROW(gregorian.MonthNumberFromText(2026, u"Juni"), rtl::EConvertError);
    EXPECT_THROW(gregorian.DayNumberFromText(u""), rtl::EConvertError);
}

} // namespace
