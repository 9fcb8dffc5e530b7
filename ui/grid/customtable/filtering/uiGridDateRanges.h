#pragma once
// The date ranges that put dates into named periods for grouping and filtering: a range tells whether it holds a
// date, the text of that period ("Today", "Last week", a month), the value its dates group and sort under, and the
// value a filter on the period uses. A container holds the ranges of one item in the order they are tried, and keeps
// "today" from the moment it was set up, so a view left open over midnight keeps its old periods until set up again.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiGridDateRanges;
struct TuxResourceString;

class TuiCustomGridDateRange {
public:
    virtual ~TuiCustomGridDateRange() = default;
    TuiGridDateRanges& Container() const { return *FContainer; }

    virtual bool IncludesDate(rtl::TDateTime date) const = 0;
    virtual rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const = 0;
    virtual rtl::Variant GetFilterRangeValue(bool ignoreTime, rtl::TDateTime date) const;
    // The time of day when the range sorts by it, else the group value.
    virtual rtl::Variant GetSortKey(rtl::TDateTime date) const;
    virtual rtl::Variant GetGroupValue(rtl::TDateTime date) const = 0;
    virtual bool SortsByTimeOfDay() const { return false; }
    virtual bool KeepsTime() const { return SortsByTimeOfDay(); }

private:
    friend class TuiGridDateRanges;
    TuiGridDateRanges* FContainer = nullptr; // not owned: the container owns the range
};

// Every date, by the start of its hour (sorted by the time of day), its day, month or year.
class TuiGridHourRange : public TuiCustomGridDateRange {
public:
    bool IncludesDate(rtl::TDateTime) const override { return true; }
    rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const override;
    rtl::Variant GetGroupValue(rtl::TDateTime date) const override;
    bool SortsByTimeOfDay() const override { return true; }
};

class TuiGridDayRange : public TuiCustomGridDateRange {
public:
    bool IncludesDate(rtl::TDateTime) const override { return true; }
    rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const override;
    rtl::Variant GetGroupValue(rtl::TDateTime date) const override;
};

class TuiGridMonthRange : public TuiCustomGridDateRange {
public:
    bool IncludesDate(rtl::TDateTime) const override { return true; }
    rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const override;
    rtl::Variant GetGroupValue(rtl::TDateTime date) const override;
    // The first and the last moment (the last day with ignoreTime) of the month.
    rtl::Variant GetFilterRangeValue(bool ignoreTime, rtl::TDateTime date) const override;
};

class TuiGridYearRange : public TuiCustomGridDateRange {
public:
    bool IncludesDate(rtl::TDateTime) const override { return true; }
    rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const override;
    rtl::Variant GetGroupValue(rtl::TDateTime date) const override;
    rtl::Variant GetFilterRangeValue(bool ignoreTime, rtl::TDateTime date) const override;
};

// A period relative to today: a day, week, month or year offset from the current one, shown by a grid string.
class TuiGridRelativeDateRange : public TuiCustomGridDateRange {
public:
    enum TPeriod : uint8_t { pDay, pWeek, pMonth, pYear };
    TuiGridRelativeDateRange(TPeriod period, int32_t offset, const TuxResourceString& caption)
        : FPeriod(period), FOffset(offset), FCaption(caption) {}
    bool IncludesDate(rtl::TDateTime date) const override;
    rtl::UnicodeString GetRangeDisplayTextFor(rtl::TDateTime date) const override;
    // Days keep their date; weeks, months and years their first day plus 0.1, 0.2 or 0.3 as a plain number, so
    // a week starting on the first of a month never shares a group with that month or that day.
    rtl::Variant GetGroupValue(rtl::TDateTime date) const override;

private:
    TPeriod FPeriod;
    int32_t FOffset;
    const TuxResourceString& FCaption;
};

class TuiGridYesterdayRange : public TuiGridRelativeDateRange {
public:
    TuiGridYesterdayRange();
};
class TuiGridTodayRange : public TuiGridRelativeDateRange {
public:
    TuiGridTodayRange();
};
class TuiGridTomorrowRange : public TuiGridRelativeDateRange {
public:
    TuiGridTomorrowRange();
};
class TuiGridLastWeekRange : public TuiGridRelativeDateRange {
public:
    TuiGridLastWeekRange();
};
class TuiGridThisWeekRange : public TuiGridRelativeDateRange {
public:
    TuiGridThisWeekRange();
};
class TuiGridNextWeekRange : public TuiGridRelativeDateRange {
public:
    TuiGridNextWeekRange();
};
class TuiGridLastMonthRange : public TuiGridRelativeDateRange {
public:
    TuiGridLastMonthRange();
};
class TuiGridThisMonthRange : public TuiGridRelativeDateRange {
public:
    TuiGridThisMonthRange();
};
class TuiGridNextMonthRange : public TuiGridRelativeDateRange {
public:
    TuiGridNextMonthRange();
};
class TuiGridLastYearRange : public TuiGridRelativeDateRange {
public:
    TuiGridLastYearRange();
};
class TuiGridThisYearRange : public TuiGridRelativeDateRange {
public:
    TuiGridThisYearRange();
};
class TuiGridNextYearRange : public TuiGridRelativeDateRange {
public:
    TuiGridNextYearRange();
};

class TuiGridDateRanges {
public:
    TuiGridDateRanges() = default;
    virtual ~TuiGridDateRanges() = default;
    TuiGridDateRanges(const TuiGridDateRanges&) = delete;
    TuiGridDateRanges& operator=(const TuiGridDateRanges&) = delete;

    // Today from the clock, and the week, month and year that hold it.
    virtual void RefreshToday();
    // Takes the handling's formats, refreshes today and frees every range.
    void Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling);

    int32_t Count() const { return static_cast<int32_t>(FRanges.size()); }
    TuiCustomGridDateRange& Items(int32_t index) const { return *FRanges.at(index); }
    TuiCustomGridDateRange& Add(std::unique_ptr<TuiCustomGridDateRange> range);
    template <class TRange>
    TuiCustomGridDateRange& AddOfClass() {
        return Add(std::make_unique<TRange>());
    }
    void Clear();
    // The first range, in list order, that holds date; nullptr when none does.
    TuiCustomGridDateRange* FindRange(rtl::TDateTime date) const;
    bool HasNoRanges() const { return FRanges.empty(); }
    bool AnySortsByTimeOfDay() const;
    bool AnyKeepsTime() const;

    const TuiCustomGridTableDateTimeHandling* DateTimeHandling() const { return FDateTimeHandling; }
    rtl::TDateTime Today() const { return FToday; }
    rtl::TDateTime StartOfThisWeek() const { return FStartOfThisWeek; }
    int32_t ThisMonthNumber() const { return FThisMonthNumber; }
    int32_t ThisYear() const { return FYear; }
    // The formats of the handling (the locale's and the grid strings' without one).
    rtl::UnicodeString DateFormat() const;
    rtl::UnicodeString HourFormat() const;
    rtl::UnicodeString MonthFormat() const;
    rtl::UnicodeString YearFormat() const;

private:
    const TuiCustomGridTableDateTimeHandling* FDateTimeHandling = nullptr; // not owned
    std::vector<std::unique_ptr<TuiCustomGridDateRange>> FRanges;
    rtl::TDateTime FStartOfThisWeek = 0;
    int32_t FThisMonthNumber = 0;
    int32_t FYear = 0;
    rtl::TDateTime FToday = 0;
};

class TuiGridFilteringDateRanges : public TuiGridDateRanges {
public:
    // A year range with dtfYears, then a month range with dtfMonths.
    void Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling, TuiGridDateTimeFilters filters);
};

class TuiGridGroupingDateRanges : public TuiGridDateRanges {
public:
    // The ranges of the grouping: none for dtgDefault and dtgByDateAndTime, the twelve relative periods (days first,
    // then weeks, months and years) for dtgRelativeToToday, else one range of the hour, date, month or year.
    void Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling, TuiGridDateTimeGrouping grouping);
};

} // namespace ui
