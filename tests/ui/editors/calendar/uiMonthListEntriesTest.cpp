// The entries of the calendar's month list and the speed of its scrolling.

#include "ui/editors/calendar/uiMonthListEntries.h"

#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

const TuiCustomCalendarTable& Gregorian() {
    return *GetCalendarTable(calGregorian);
}

TEST(MonthListEntries, ByDefaultSevenMonthsScrollWithTheShownOneInTheMiddle) {
    ASSERT_TRUE(MonthListScrolls(true, true));
    ASSERT_TRUE(MonthListScrolls(false, false));
    const TuiMonthListEntries entries(Gregorian(), rtl::EncodeDate(2024, 2, 1), true);
    EXPECT_EQ(entries.ItemCount(), 7);
    EXPECT_EQ(entries.TopIndex(), -3);
    EXPECT_EQ(entries.EntryDate(0), rtl::EncodeDate(2023, 11, 1));
    EXPECT_EQ(entries.EntryDate(3), rtl::EncodeDate(2024, 2, 1));
    EXPECT_EQ(entries.EntryDate(6), rtl::EncodeDate(2024, 5, 1));
    EXPECT_EQ(entries.HotDate(4), rtl::EncodeDate(2024, 3, 1));
    EXPECT_FALSE(entries.HotDate(-1)) << "a release with no hot entry chooses nothing";
}

TEST(MonthListEntries, YearArrowsWithoutYearsInTheListListTheShownYearsMonths) {
    ASSERT_FALSE(MonthListScrolls(true, false));
    const TuiMonthListEntries entries(Gregorian(), rtl::EncodeDate(2024, 8, 1), false);
    EXPECT_EQ(entries.ItemCount(), 12);
    for (int32_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(entries.EntryDate(month - 1), rtl::EncodeDate(2024, month, 1));
    }
}

TEST(MonthListEntries, AtTheEarliestSupportedMonthNoMonthIsListedTwice) {
    for (const int32_t month : {1, 2, 3, 4}) {
        const TuiMonthListEntries entries(Gregorian(), rtl::EncodeDate(100, month, 1), true);
        EXPECT_EQ(entries.TopIndex(), std::max(-3, 1 - month)) << month;
        EXPECT_EQ(entries.EntryDate(0), MinSupportedDate);
        std::set<rtl::TDateTime> dates;
        for (int32_t index = 0; index < entries.ItemCount(); ++index) {
            EXPECT_TRUE(entries.HasText(index));
            dates.insert(entries.EntryDate(index));
        }
        EXPECT_EQ(dates.size(), size_t{7}) << month;
    }
}

TEST(MonthListEntries, ScrollingMovesTheEntriesButNeverListsAClampedMonthTwice) {
    TuiMonthListEntries entries(Gregorian(), rtl::EncodeDate(2024, 1, 1), true);
    ASSERT_TRUE(entries.Scroll(1));
    EXPECT_EQ(entries.EntryDate(0), rtl::EncodeDate(2023, 11, 1));
    EXPECT_EQ(entries.HotDate(0), rtl::EncodeDate(2023, 11, 1));
    ASSERT_TRUE(entries.Scroll(-1));
    EXPECT_EQ(entries.EntryDate(0), rtl::EncodeDate(2023, 10, 1));

    TuiMonthListEntries earliest(Gregorian(), rtl::EncodeDate(100, 2, 1), true);
    EXPECT_FALSE(earliest.Scroll(-1));
    EXPECT_EQ(earliest.EntryDate(0), MinSupportedDate);
    TuiMonthListEntries latest(Gregorian(), rtl::EncodeDate(9999, 11, 1), true);
    EXPECT_EQ(latest.TopIndex(), -5) << "the list ends with December 9999, once";
    EXPECT_EQ(latest.EntryDate(0), rtl::EncodeDate(9999, 6, 1));
    EXPECT_EQ(latest.EntryDate(6), rtl::EncodeDate(9999, 12, 1));
    EXPECT_FALSE(latest.Scroll(1));
    EXPECT_TRUE(latest.Scroll(-1));
}

TEST(MonthListEntries, TheScrollingSpeedsUpWithTheDistanceFromTheList) {
    constexpr int32_t height = 100;
    constexpr int32_t item = 14;
    EXPECT_FALSE(MonthListScrollAt(0, height, item));
    EXPECT_FALSE(MonthListScrollAt(height - 1, height, item));
    struct TScrollCase {
        int32_t Y;
        int32_t Direction;
        uint32_t Interval;
    };
    const TScrollCase cases[] = {
        {height, 1, 500},
        {height - 1 + item, 1, 250},
        {height - 1 + 2 * item, 1, 100},
        {height - 1 + 3 * item, 1, 50},
        {height + 40 * item, 1, 50},
        {-1, -1, 500},
        {-2 * item, -1, 100},
    };
    for (const TScrollCase& scroll : cases) {
        const auto speed = MonthListScrollAt(scroll.Y, height, item);
        ASSERT_TRUE(speed) << scroll.Y;
        EXPECT_EQ(speed->Direction, scroll.Direction) << scroll.Y;
        EXPECT_EQ(speed->Interval, scroll.Interval) << scroll.Y;
    }
}

} // namespace
} // namespace ui
