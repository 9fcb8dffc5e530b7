#include "ui/grid/customtable/filtering/uiGridDateRanges.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/time/DateTimeFormat.h"
#include "ui/data/common/uiDataUtils.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/data/values/uiVariants.h"
#include "ui/grid/customtable/uiGridStrs.h"

#include <algorithm>

namespace ui {

namespace {

// Formats date, or gives the empty text for an empty format.
rtl::UnicodeString FormatRangeDate(const rtl::UnicodeString& format, rtl::TDateTime date) {
    return format.empty() ? rtl::UnicodeString() : rtl::FormatDateTime(format, date);
}

rtl::TDateTime StartOfHour(rtl::TDateTime date) {
    return rtl::EncodeTime(rtl::DecodeTime(date).Hour, 0, 0, 0);
}

rtl::TDateTime WeekStartOf(rtl::TDateTime date) {
    return WeekStartDate(date, GetFirstDayOfWeek());
}

} // namespace

rtl::Variant TuiCustomGridDateRange::GetFilterRangeValue(bool /*ignoreTime*/, rtl::TDateTime date) const {
    return GetGroupValue(date);
}

rtl::Variant TuiCustomGridDateRange::GetSortKey(rtl::TDateTime date) const {
    return SortsByTimeOfDay() ? rtl::Variant::FromDateTime(rtl::TimeOf(date)) : GetGroupValue(date);
}

rtl::UnicodeString TuiGridHourRange::GetRangeDisplayTextFor(rtl::TDateTime date) const {
    return FormatRangeDate(Container().HourFormat(), StartOfHour(date));
}

rtl::Variant TuiGridHourRange::GetGroupValue(rtl::TDateTime date) const {
    return rtl::Variant::FromDateTime(StartOfHour(date));
}

rtl::UnicodeString TuiGridDayRange::GetRangeDisplayTextFor(rtl::TDateTime date) const {
    return FormatRangeDate(Container().DateFormat(), date);
}

rtl::Variant TuiGridDayRange::GetGroupValue(rtl::TDateTime date) const {
    return rtl::Variant::FromDateTime(date);
}

rtl::UnicodeString TuiGridMonthRange::GetRangeDisplayTextFor(rtl::TDateTime date) const {
    return FormatRangeDate(Container().MonthFormat(), date);
}

rtl::Variant TuiGridMonthRange::GetGroupValue(rtl::TDateTime date) const {
    return rtl::Variant::FromDateTime(MonthStartDate(date));
}

rtl::Variant TuiGridMonthRange::GetFilterRangeValue(bool ignoreTime, rtl::TDateTime date) const {
    return MakeRangeVariant(rtl::Variant::FromDateTime(MonthStartDate(date)),
                            rtl::Variant::FromDateTime(MonthEndDate(date, ignoreTime)));
}

rtl::UnicodeString TuiGridYearRange::GetRangeDisplayTextFor(rtl::TDateTime date) const {
    return FormatRangeDate(Container().YearFormat(), date);
}

rtl::Variant TuiGridYearRange::GetGroupValue(rtl::TDateTime date) const {
    return rtl::Variant::FromDateTime(YearStartDate(date));
}

rtl::Variant TuiGridYearRange::GetFilterRangeValue(bool ignoreTime, rtl::TDateTime date) const {
    return MakeRangeVariant(rtl::Variant::FromDateTime(YearStartDate(date)),
                            rtl::Variant::FromDateTime(YearEndDate(date, ignoreTime)));
}

bool TuiGridRelativeDateRange::IncludesDate(rtl::TDateTime date) const {
    const TuiGridDateRanges& ranges = Container();
    switch (FPeriod) {
    case pDay:
        return rtl::DateOf(date) == ranges.Today() + FOffset;
    case pWeek:
        return WeekStartOf(date) == ranges.StartOfThisWeek() + 7.0 * FOffset;
    case pMonth:
        return DateToMonthNumber(date) == ranges.ThisMonthNumber() + FOffset;
    case pYear:
        return rtl::DecodeDate(date).Year == ranges.ThisYear() + FOffset;
    }
    return false;
}

rtl::UnicodeString TuiGridRelativeDateRange::GetRangeDisplayTextFor(rtl::TDateTime /*date*/) const {
    return LoadResStringText(FCaption);
}

rtl::Variant TuiGridRelativeDateRange::GetGroupValue(rtl::TDateTime date) const {
    switch (FPeriod) {
    case pDay:
        return rtl::Variant::FromDateTime(date);
    case pWeek:
        return rtl::Variant(WeekStartOf(date) + 0.1);
    case pMonth:
        return rtl::Variant(MonthStartDate(date) + 0.2);
    case pYear:
        return rtl::Variant(YearStartDate(date) + 0.3);
    }
    return {};
}

TuiGridYesterdayRange::TuiGridYesterdayRange() : TuiGridRelativeDateRange(pDay, -1, suiGridYesterday) {}
TuiGridTodayRange::TuiGridTodayRange() : TuiGridRelativeDateRange(pDay, 0, suiGridToday) {}
TuiGridTomorrowRange::TuiGridTomorrowRange() : TuiGridRelativeDateRange(pDay, 1, suiGridTomorrow) {}
TuiGridLastWeekRange::TuiGridLastWeekRange() : TuiGridRelativeDateRange(pWeek, -1, suiGridLastWeek) {}
TuiGridThisWeekRange::TuiGridThisWeekRange() : TuiGridRelativeDateRange(pWeek, 0, suiGridThisWeek) {}
TuiGridNextWeekRange::TuiGridNextWeekRange() : TuiGridRelativeDateRange(pWeek, 1, suiGridNextWeek) {}
TuiGridLastMonthRange::TuiGridLastMonthRange() : TuiGridRelativeDateRange(pMonth, -1, suiGridLastMonth) {}
TuiGridThisMonthRange::TuiGridThisMonthRange() : TuiGridRelativeDateRange(pMonth, 0, suiGridThisMonth) {}
TuiGridNextMonthRange::TuiGridNextMonthRange() : TuiGridRelativeDateRange(pMonth, 1, suiGridNextMonth) {}
TuiGridLastYearRange::TuiGridLastYearRange() : TuiGridRelativeDateRange(pYear, -1, suiGridLastYear) {}
TuiGridThisYearRange::TuiGridThisYearRange() : TuiGridRelativeDateRange(pYear, 0, suiGridThisYear) {}
TuiGridNextYearRange::TuiGridNextYearRange() : TuiGridRelativeDateRange(pYear, 1, suiGridNextYear) {}

void TuiGridDateRanges::RefreshToday() {
    FToday = ClockToday();
    FStartOfThisWeek = WeekStartOf(FToday);
    FYear = rtl::DecodeDate(FToday).Year;
    FThisMonthNumber = DateToMonthNumber(FToday);
}

void TuiGridDateRanges::Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling) {
    FDateTimeHandling = dateTimeHandling;
    RefreshToday();
    Clear();
}

TuiCustomGridDateRange& TuiGridDateRanges::Add(std::unique_ptr<TuiCustomGridDateRange> range) {
    range->FContainer = this;
    FRanges.push_back(std::move(range));
    return *FRanges.back();
}

void TuiGridDateRanges::Clear() {
    while (!FRanges.empty()) {
        FRanges.pop_back();
    }
}

TuiCustomGridDateRange* TuiGridDateRanges::FindRange(rtl::TDateTime date) const {
    const auto found =
        std::find_if(FRanges.begin(), FRanges.end(), [date](const auto& range) { return range->IncludesDate(date); });
    return found == FRanges.end() ? nullptr : found->get();
}

bool TuiGridDateRanges::AnySortsByTimeOfDay() const {
    return std::any_of(FRanges.begin(), FRanges.end(), [](const auto& range) { return range->SortsByTimeOfDay(); });
}

bool TuiGridDateRanges::AnyKeepsTime() const {
    return std::any_of(FRanges.begin(), FRanges.end(), [](const auto& range) { return range->KeepsTime(); });
}

rtl::UnicodeString TuiGridDateRanges::DateFormat() const {
    const rtl::UnicodeString& locale = rtl::FormatSettings().LongDateFormat;
    return FDateTimeHandling ? FDateTimeHandling->EffectiveDateFormat(locale) : locale;
}

rtl::UnicodeString TuiGridDateRanges::HourFormat() const {
    const rtl::UnicodeString& locale = rtl::FormatSettings().ShortTimeFormat;
    return FDateTimeHandling ? FDateTimeHandling->EffectiveHourFormat(locale) : locale;
}

rtl::UnicodeString TuiGridDateRanges::MonthFormat() const {
    return FDateTimeHandling ? FDateTimeHandling->EffectiveMonthFormat() : LoadResStringText(suiGridMonthFormat);
}

rtl::UnicodeString TuiGridDateRanges::YearFormat() const {
    return FDateTimeHandling ? FDateTimeHandling->EffectiveYearFormat() : LoadResStringText(suiGridYearFormat);
}

void TuiGridFilteringDateRanges::Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling,
                                       TuiGridDateTimeFilters filters) {
    TuiGridDateRanges::Setup(dateTimeHandling);
    if (filters.Contains(dtfYears)) {
        AddOfClass<TuiGridYearRange>();
    }
    if (filters.Contains(dtfMonths)) {
        AddOfClass<TuiGridMonthRange>();
    }
}

void TuiGridGroupingDateRanges::Setup(const TuiCustomGridTableDateTimeHandling* dateTimeHandling,
                                      TuiGridDateTimeGrouping grouping) {
    TuiGridDateRanges::Setup(dateTimeHandling);
    switch (grouping) {
    case dtgRelativeToToday:
        AddOfClass<TuiGridYesterdayRange>();
        AddOfClass<TuiGridTodayRange>();
        AddOfClass<TuiGridTomorrowRange>();
        AddOfClass<TuiGridLastWeekRange>();
        AddOfClass<TuiGridThisWeekRange>();
        AddOfClass<TuiGridNextWeekRange>();
        AddOfClass<TuiGridLastMonthRange>();
        AddOfClass<TuiGridThisMonthRange>();
        AddOfClass<TuiGridNextMonthRange>();
        AddOfClass<TuiGridLastYearRange>();
        AddOfClass<TuiGridThisYearRange>();
        AddOfClass<TuiGridNextYearRange>();
        break;
    case dtgByHour:
        AddOfClass<TuiGridHourRange>();
        break;
    case dtgByDate:
        AddOfClass<TuiGridDayRange>();
        break;
    case dtgByMonth:
        AddOfClass<TuiGridMonthRange>();
        break;
    case dtgByYear:
        AddOfClass<TuiGridYearRange>();
        break;
    case dtgDefault:
    case dtgByDateAndTime:
        break;
    }
}

} // namespace ui
