#pragma once
// The summary items of a table view of columns: a footer or group summary item bound to a column, with a display text
// and a flag for customization lists, and the link that names a grouping column for a summary group. Both store their
// column in a layout by the column's stored name.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"

#include <vector>

namespace ui {

class TuiGridColumn;
class TuiGridTableView;

// The view whose data controller owns an item's collection, or nullptr.
TuiGridTableView* SummaryItemTableView(const TuiCustomDataSummaryItem& item);

class TuiGridTableSummaryItem : public TuiDataSummaryItem {
    RTL_DECLARE_CLASS(TuiGridTableSummaryItem, TuiDataSummaryItem)
public:
    using TuiDataSummaryItem::TuiDataSummaryItem;
    // The base's copy, then the display text and the customization flag of another item of this class.
    void Assign(const rtl::TPersistent* source) override;

    TuiGridColumn* Column() const;
    void SetColumn(TuiGridColumn* column);
    const rtl::UnicodeString& DisplayText() const { return FDisplayText; }
    void SetDisplayText(rtl::UnicodeStringView value);
    bool VisibleForCustomization() const { return FVisibleForCustomization; }
    void SetVisibleForCustomization(bool value);

    // The stored layout: no object name, one property, "Column".
    rtl::UnicodeString GetStoredObjectName() const { return {}; }
    void GetStoredProperties(std::vector<rtl::UnicodeString>& names) const;
    void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) const;
    void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value);

private:
    void ReportViewChanged();
    rtl::UnicodeString FDisplayText;
    bool FVisibleForCustomization = true;
};

class TuiGridTableSummaryGroupItemLink : public TuiDataSummaryGroupItemLink {
    RTL_DECLARE_CLASS(TuiGridTableSummaryGroupItemLink, TuiDataSummaryGroupItemLink)
public:
    using TuiDataSummaryGroupItemLink::TuiDataSummaryGroupItemLink;

    TuiGridColumn* Column() const;
    void SetColumn(TuiGridColumn* column);

    // The stored layout: no object name, one property, "Column".
    rtl::UnicodeString GetStoredObjectName() const { return {}; }
    void GetStoredProperties(std::vector<rtl::UnicodeString>& names) const;
    void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) const;
    void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value);
};

} // namespace ui
