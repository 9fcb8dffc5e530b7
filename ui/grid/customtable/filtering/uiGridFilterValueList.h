#pragma once
// TuiGridFilterValueList: the choices of a table item's filter drop-down. Beside the data controller's entries it
// offers, for a DateTime item, the relative periods the view's date-time filters name ("Today", "Last week", ...)
// and one entry per year or month present among the values, each standing for the range of dates it covers.

#include "rtl/core/SmallSet.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/filter/uiFilterTypes.h"

namespace ui {

class TuiCustomDataController;
class TuiCustomGridDateRange;
class TuiCustomGridTableItem;

using TuiFilterOperatorKinds = rtl::TSmallSet<TuiFilterOperatorKind>;

class TuiGridFilterValueList : public TuiDataFilterValueList {
    RTL_DECLARE_CLASS(TuiGridFilterValueList, TuiDataFilterValueList)
public:
    using TuiDataFilterValueList::TuiDataFilterValueList;

    // A relative date condition stands for its period's entry, a BETWEEN condition for the range entry of its bounds.
    int32_t IndexForCriteriaItem(const TuiFilterCriteriaItem* condition) const override;
    // One date entry per distinct range value among the plain values the range holds, before the plain values.
    virtual void AddDateRangeEntries(const TuiCustomGridDateRange& range, bool ignoreTime);
    // The item's filtering ranges (years, then months), set up anew.
    virtual void AddFilteringRangeEntries(TuiCustomGridTableItem& item);
    // The periods of the item's relative date-time filters, then a separator.
    virtual void AddRelativeDateEntries(TuiCustomGridTableItem& item);
    // The relative date operators, Yesterday to Future.
    virtual TuiFilterOperatorKinds GetDateOperatorKinds() const;
    // The data controller's entries of the item, then its relative periods and its ranges.
    virtual void LoadItemValues(TuiCustomGridTableItem& item, bool withTextCompare, bool filteredOnly);
};

} // namespace ui
