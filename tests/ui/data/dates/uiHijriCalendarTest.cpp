#include "ui/data/dates/uiHijriCalendar.h"

#include "DateTestSupport.h"
#include "rtl/numbers/NumberConversions.h"
#include "ui/data/dates/uiDateDisplay.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using ui::TuiCalendarDateTime;
using ui_test::ExpectCalendarDate;

TEST(HijriCalendar, YearOneBeginsOn18July622AndEarlierDaysClampToIt) {
    const ui::TuiHijriCalendarTable hijri;
    EXPECT_EQ(hijri.EncodeCalendarDateTime(1, 1, 1), EncodeDate(622, 7, 18));
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(EncodeDate(622, 7, 18)), 1, 1, 1);
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(EncodeDate(622, 7, 17)), 1, 1, 1);
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(EncodeDate(622, 7, 16)), 1, 1, 1);
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(rtl::MinDateTime), 1, 1, 1);
    EXPECT_EQ(hijri.MinDate(), EncodeDate(622, 7, 16));
}

TEST(HijriCalendar, TheLastSupportedDayIs3RabiII9666AndLaterDaysClampToIt) {
    const ui::TuiHijriCalendarTable hijri;
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(EncodeDate(9999, 12, 31)), 9666, 4, 3);
    ExpectCalendarDate(hijri.DateTimeToCalendarDate(EncodeDate(9999, 12, 31) + 40), 9666, 4, 3);
    EXPECT_EQ(hijri.MaxYear(), 9666);
}

TEST(HijriCalendar, LeapYearsOfTheThirtyYearCycleLengthenTheLastMonth) {
    const ui::TuiHijriCalendarTable hijri;
    EXPECT_EQ(hijri.DaysInMonth(2, 12), 30);
    EXPECT_EQ(hijri.DaysInMonth(1, 12), 29);
    EXPECT_EQ(hijri.DaysInMonth(1, 1), 30);
    EXPECT_EQ(hijri.DaysInMonth(1, 2), 29);
    EXPECT_EQ(hijri.DaysInMonth(1, 13), 0);
    for (const int32_t cycleStart : {0, 30, 1440}) {
        EXPECT_TRUE(hijri.IsLeapYearOf(cycleStart + 29));
        EXPECT_FALSE(hijri.IsLeapYearOf(cycleStart + 30));
        EXPECT_EQ(hijri.DaysInYear(cycleStart + 29), 355);
        EXPECT_EQ(hijri.DaysInYear(cycleStart + 30), 354);
    }
    EXPECT_TRUE(hijri.IsLeapDayOf(2, 12, 30));
    EXPECT_FALSE(hijri.IsLeapMonthOf(1, 12));
    EXPECT_FALSE(hijri.IsValidDayOf(1, 12, 30));
}

TEST(HijriCalendar, EveryDayOfTheSupportedRangeConvertsThereAndBack) {
    const ui::TuiHijriCalendarTable hijri;
    const rtl::TDateTime first = EncodeDate(622, 7, 18);
    const rtl::TDateTime last = EncodeDate(9999, 12, 31);
    TuiCalendarDateTime previous = hijri.DateTimeToCalendarDate(first - 1);
    int32_t failures = 0;
    for (rtl::TDateTime day = first; day <= last && failures < 5; day += 1) {
        const TuiCalendarDateTime date = hijri.DateTimeToCalendarDate(day);
        // Each day is the one after the day before, so no day is skipped or repeated; a date the calendar does not
        // have would not convert back.
        const bool follows =
            date.Day == previous.Day + 1 || (date.Day == 1 && (date.Month == previous.Month + 1 ||
                                                               (date.Month == 1 && date.Year == previous.Year + 1)));
        if (hijri.CalendarDateTimeToDateTime(date) != day || (day > first && !follows)) {
            ADD_FAILURE() << "day " << day << " converts to " << date.Year << "/" << date.Month << "/" << date.Day;
            ++failures;
        }
        previous = date;
    }
}

TEST(HijriCalendar, KeepsTheTimeOfDay) {
    const ui::TuiHijriCalendarTable hijri;
    const rtl::TDateTime evening = rtl::ReplaceTime(EncodeDate(1800, 3, 1), rtl::EncodeTime(18, 45, 30, 0));
    const TuiCalendarDateTime date = hijri.DateTimeToCalendarDate(evening);
    EXPECT_EQ(date.Hour, 18);
    EXPECT_EQ(date.Minute, 45);
    EXPECT_EQ(hijri.CalendarDateTimeToDateTime(date), evening);
}

TEST(HijriCalendar, WeeksCountFromTheWeekOfTheFirstDayOfTheYear) {
    ui_test::TTestLocale locale;
    const ui::TuiHijriCalendarTable hijri;
    // 1447 begins on Thursday 26 June 2025 and 1448 on Tuesday 16 June 2026; Hijri weeks begin on Saturday.
    struct TCase {
        int32_t Year, Month, Day, Rule, Week;
    };
    const TCase cases[] = {
        {2025, 6, 26, 1, 1}, {2025, 6, 28, 1, 2},  {2025, 6, 28, 2, 1}, {2025, 7, 5, 2, 2},
        {2025, 6, 25, 1, 1}, {2025, 6, 25, 3, 51}, {2026, 6, 15, 3, 1},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(hijri.WeekNumberOf(EncodeDate(c.Year, c.Month, c.Day), 0, c.Rule), c.Week)
            << c.Year << "-" << c.Month << "-" << c.Day << " rule " << c.Rule;
    }
    EXPECT_EQ(hijri.FullWeeksInYear(1447), 50);
}

// A locale that names the months of the Hijri calendar.
class THijriNamesLocale : public ui_test::TTestLocale {
public:
    std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime date, uint32_t flags,
                                                 rtl::UnicodeStringView format) const override {
        if (format != u"MMMM") {
            return TTestLocale::FormatDate(date, flags, format);
        }
        return u"Month " + rtl::IntToStr(ui::TuiHijriCalendarTable().DateTimeToCalendarDate(date).Month);
    }
};

TEST(HijriCalendar, ReadsMonthsByTheirCalendarNames) {
    THijriNamesLocale locale;
    const ui::TuiHijriCalendarTable hijri;
    EXPECT_EQ(ui::CalendarMonthNameOf(1447, 9, &hijri), u"Month 9");
    EXPECT_EQ(hijri.MonthNumberFromText(1447, u"month 9"), 9);
    EXPECT_EQ(hijri.MonthNumberFromText(1447, u"11"), 11);
}

} // namespace
