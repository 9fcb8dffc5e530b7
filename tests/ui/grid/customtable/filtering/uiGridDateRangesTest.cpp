#include "ui/grid/customtable/filtering/uiGridDateRanges.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/values/uiVariants.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Today is Wednesday 1 May 2024 while a test runs.
class GridDateRangesTest : public testing::Test {
protected:
    void SetUp() override {
        FPreviousClock = SetClock([] { return rtl::EncodeDate(2024, 5, 1) + 0.5; });
    }
    void TearDown() override { SetClock(FPreviousClock); }

    static rtl::TDateTime Date(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0) {
        return rtl::EncodeDate(year, month, day) + rtl::EncodeTime(hour, minute, 0, 0);
    }
    static rtl::UnicodeString TextOf(const TuiGridDateRanges& ranges, rtl::TDateTime date) {
        const TuiCustomGridDateRange* range = ranges.FindRange(date);
        return range ? range->GetRangeDisplayTextFor(date) : u"(none)";
    }

private:
    TuiDateClock FPreviousClock;
};

TEST_F(GridDateRangesTest, RelativeGroupingTriesDaysBeforeWeeksMonthsAndYears) {
    TuiGridGroupingDateRanges ranges;
    ranges.Setup(nullptr, dtgRelativeToToday);
    ASSERT_EQ(ranges.Count(), 12);
    struct Case {
        rtl::TDateTime date;
        const char16_t* text;
    };
    for (const Case& c : {Case{Date(2024, 5, 1, 22), u"Today"}, Case{Date(2024, 5, 1, 12), u"Today"},
                          Case{Date(2024, 4, 30), u"Yesterday"}, Case{Date(2024, 5, 2), u"Tomorrow"},
                          Case{Date(2024, 4, 24), u"Last week"}, Case{Date(2024, 5, 10), u"Next week"},
                          Case{Date(2024, 4, 2), u"Last month"}, Case{Date(2024, 5, 30), u"This month"},
                          Case{Date(2024, 6, 30), u"Next month"}, Case{Date(2023, 2, 1), u"Last year"},
                          Case{Date(2024, 12, 1), u"This year"}, Case{Date(2025, 1, 1), u"Next year"},
                          Case{Date(2020, 1, 1), u"(none)"}}) {
        EXPECT_EQ(TextOf(ranges, c.date), c.text) << c.date;
    }
    EXPECT_FALSE(ranges.AnyKeepsTime());
}

TEST_F(GridDateRangesTest, GroupKeysOfWeeksMonthsAndYearsNeverMeetEachOtherOrADay) {
    TuiGridGroupingDateRanges ranges;
    ranges.Setup(nullptr, dtgRelativeToToday);
    const rtl::TDateTime first = Date(2024, 5, 1);
    const rtl::Variant day = ranges.Items(1).GetGroupValue(first);
    const rtl::Variant week = ranges.Items(4).GetGroupValue(first);
    const rtl::Variant month = ranges.Items(7).GetGroupValue(first);
    const rtl::Variant year = ranges.Items(10).GetGroupValue(Date(2024, 1, 1));
    EXPECT_NE(CompareVariants(day, month), 0);
    EXPECT_NE(CompareVariants(week, month), 0);
    EXPECT_NE(CompareVariants(month, year), 0);
    EXPECT_EQ(CompareVariants(month, ranges.Items(7).GetGroupValue(Date(2024, 5, 31))), 0);
}

TEST_F(GridDateRangesTest, HourGroupingJoinsTheSameHourOfDifferentDaysAndSortsByTheTime) {
    TuiGridGroupingDateRanges ranges;
    ranges.Setup(nullptr, dtgByHour);
    const TuiCustomGridDateRange& hour = ranges.Items(0);
    EXPECT_EQ(
        CompareVariants(hour.GetGroupValue(Date(2024, 4, 29, 10, 15)), hour.GetGroupValue(Date(2024, 4, 30, 10, 45))),
        0);
    EXPECT_LT(CompareVariants(hour.GetSortKey(Date(2024, 4, 30, 9, 59)), hour.GetSortKey(Date(2024, 4, 29, 10, 1))), 0);
    EXPECT_TRUE(ranges.AnySortsByTimeOfDay());
    EXPECT_FALSE(hour.GetRangeDisplayTextFor(Date(2024, 4, 30, 10, 45)).empty());
}

TEST_F(GridDateRangesTest, AYearFilterRunsFromTheFirstToTheLastMomentOfTheYear) {
    TuiGridFilteringDateRanges ranges;
    TuiGridDateTimeFilters filters{dtfRelativeDays, dtfYears};
    ranges.Setup(nullptr, filters);
    ASSERT_EQ(ranges.Count(), 1);
    const rtl::Variant range = ranges.Items(0).GetFilterRangeValue(false, Date(2024, 7, 9));
    EXPECT_EQ(CompareVariants(range, MakeRangeVariant(rtl::Variant::FromDateTime(Date(2024, 1, 1)),
                                                      rtl::Variant::FromDateTime(Date(2024, 12, 31) +
                                                                                 rtl::EncodeTime(23, 59, 59, 999)))),
              0);
    const rtl::Variant wholeDays = ranges.Items(0).GetFilterRangeValue(true, Date(2024, 7, 9));
    EXPECT_EQ(CompareVariants(wholeDays, MakeRangeVariant(rtl::Variant::FromDateTime(Date(2024, 1, 1)),
                                                          rtl::Variant::FromDateTime(Date(2024, 12, 31)))),
              0);
    EXPECT_EQ(ranges.Items(0).GetRangeDisplayTextFor(Date(2024, 7, 9)), u"2024");
}

TEST_F(GridDateRangesTest, GroupingsWithoutRangesAndSetupFreesTheOldOnes) {
    TuiGridGroupingDateRanges ranges;
    ranges.Setup(nullptr, dtgByMonth);
    EXPECT_EQ(ranges.Count(), 1);
    ranges.Setup(nullptr, dtgByDateAndTime);
    EXPECT_TRUE(ranges.HasNoRanges());
    EXPECT_EQ(ranges.FindRange(Date(2024, 5, 1)), nullptr);
}

} // namespace
} // namespace ui
