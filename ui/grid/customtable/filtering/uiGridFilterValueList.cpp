#include "ui/grid/customtable/filtering/uiGridFilterValueList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiGridStrs.h"

#include <optional>

namespace ui {

namespace {

struct TGridRelativeDateEntry {
    TuiFilterOperatorKind Kind;
    const TuxResourceString* Caption;
};

struct TGridRelativeDateFilter {
    TuiGridDateTimeFilter Filter;
    std::initializer_list<TGridRelativeDateEntry> Entries;
};

// The periods each relative date-time filter offers, in the order the drop-down lists them.
const TGridRelativeDateFilter GridRelativeDateFilters[] = {
    {dtfRelativeDays, {{fokYesterday, &suiGridYesterday}, {fokToday, &suiGridToday}, {fokTomorrow, &suiGridTomorrow}}},
    {dtfRelativeDayPeriods,
     {{fokLast30Days, &suiGridLast30Days},
      {fokLast14Days, &suiGridLast14Days},
      {fokLast7Days, &suiGridLast7Days},
      {fokNext7Days, &suiGridNext7Days},
      {fokNext14Days, &suiGridNext14Days},
      {fokNext30Days, &suiGridNext30Days}}},
    {dtfRelativeWeeks,
     {{fokLastTwoWeeks, &suiGridLastTwoWeeks},
      {fokLastWeek, &suiGridLastWeek},
      {fokThisWeek, &suiGridThisWeek},
      {fokNextWeek, &suiGridNextWeek},
      {fokNextTwoWeeks, &suiGridNextTwoWeeks}}},
    {dtfRelativeMonths,
     {{fokLastMonth, &suiGridLastMonth}, {fokThisMonth, &suiGridThisMonth}, {fokNextMonth, &suiGridNextMonth}}},
    {dtfRelativeYears,
     {{fokLastYear, &suiGridLastYear}, {fokThisYear, &suiGridThisYear}, {fokNextYear, &suiGridNextYear}}},
    {dtfPastFuture, {{fokInPast, &suiGridPast}, {fokInFuture, &suiGridFuture}}},
};

// A plain value that is no date (a text in a column of another type) belongs to no range.
std::optional<rtl::TDateTime> FilterEntryDate(const rtl::Variant& value) {
    try {
        return rtl::VarToDateTime(value);
    } catch (const rtl::Exception&) {
        return std::nullopt;
    }
}

} // namespace

int32_t TuiGridFilterValueList::IndexForCriteriaItem(const TuiFilterCriteriaItem* condition) const {
    if (condition) {
        const TuiFilterOperatorKind kind = condition->OperatorKind();
        int32_t index = -1;
        if (GetDateOperatorKinds().Contains(kind)) {
            index = IndexOfKindValue(fviDate, rtl::Variant(int32_t{kind}));
        } else if (kind == fokBetween && !condition->Value().IsNull()) {
            index = IndexOfKindValue(fviDate, condition->Value());
        }
        if (index >= 0) {
            return index;
        }
    }
    return TuiDataFilterValueList::IndexForCriteriaItem(condition);
}

void TuiGridFilterValueList::AddDateRangeEntries(const TuiCustomGridDateRange& range, bool ignoreTime) {
    // The count is read again at every step: each new entry goes in before the values and moves them down.
    for (int32_t index = IndexOfFirstValue(); index < GetCount(); ++index) {
        if (GetItem(index).Kind != fviValue) {
            continue;
        }
        const std::optional<rtl::TDateTime> date = FilterEntryDate(GetItem(index).Value);
        if (!date || !range.IncludesDate(*date)) {
            continue;
        }
        const rtl::Variant value = range.GetFilterRangeValue(ignoreTime, *date);
        if (IndexOfKindValue(fviDate, value) < 0) {
            AddValueEntry(fviDate, value, range.GetRangeDisplayTextFor(*date), false);
            ++index;
        }
    }
}

void TuiGridFilterValueList::AddFilteringRangeEntries(TuiCustomGridTableItem& item) {
    item.InitFilteringDateRanges();
    const TuiGridFilteringDateRanges& ranges = item.FilteringDateRanges();
    const bool ignoreTime = item.IgnoresTimeForFiltering();
    for (int32_t i = 0; i < ranges.Count(); ++i) {
        AddDateRangeEntries(ranges.Items(i), ignoreTime);
    }
}

void TuiGridFilterValueList::AddRelativeDateEntries(TuiCustomGridTableItem& item) {
    const TuiGridDateTimeFilters filters = item.GetDateTimeFilters();
    for (const TGridRelativeDateFilter& filter : GridRelativeDateFilters) {
        if (!filters.Contains(filter.Filter)) {
            continue;
        }
        for (const TGridRelativeDateEntry& entry : filter.Entries) {
            AddValueEntry(fviDate, rtl::Variant(int32_t{entry.Kind}), LoadResStringText(*entry.Caption), false);
        }
    }
    AddValueEntry(fviSeparator, rtl::Variant::Null(), {}, false);
}

TuiFilterOperatorKinds TuiGridFilterValueList::GetDateOperatorKinds() const {
    TuiFilterOperatorKinds kinds;
    for (int kind = fokYesterday; kind <= fokInFuture; ++kind) {
        kinds.Include(static_cast<TuiFilterOperatorKind>(kind));
    }
    return kinds;
}

void TuiGridFilterValueList::LoadItemValues(TuiCustomGridTableItem& item, bool withTextCompare, bool filteredOnly) {
    LoadValues(item.Index(), withTextCompare, filteredOnly);
    if (item.SupportsDateTimeFilters(true)) {
        AddRelativeDateEntries(item);
    }
    if (item.SupportsDateTimeFilters(false)) {
        AddFilteringRangeEntries(item);
    }
}

} // namespace ui
