#include "ui/grid/tableview/uiGridTableSummaryItem.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"

namespace ui {

namespace {

constexpr char16_t StoredColumnName[] = u"Column";

TuiGridColumn* LinkedColumn(const TuiCustomDataSummaryItem& item) {
    return dynamic_cast<TuiGridColumn*>(item.GetLinkedItem());
}

void LinkColumn(TuiCustomDataSummaryItem& item, TuiGridColumn* column) {
    item.SetLinkedItem(column);
}

void GetStoredColumn(const TuiCustomDataSummaryItem& item, rtl::UnicodeStringView name, rtl::Variant& value) {
    if (name != StoredColumnName) {
        return;
    }
    const TuiGridColumn* column = LinkedColumn(item);
    const TuiGridTableView* view = SummaryItemTableView(item);
    value = rtl::Variant(column && view ? view->ItemStoredName(*column) : rtl::UnicodeString());
}

void SetStoredColumn(TuiCustomDataSummaryItem& item, rtl::UnicodeStringView name, const rtl::Variant& value) {
    if (name != StoredColumnName) {
        return;
    }
    if (const TuiGridTableView* view = SummaryItemTableView(item)) {
        LinkColumn(item, dynamic_cast<TuiGridColumn*>(view->FindItemByStoredName(rtl::VarToStr(value))));
    }
}

} // namespace

TuiGridTableView* SummaryItemTableView(const TuiCustomDataSummaryItem& item) {
    const auto* dataController = dynamic_cast<const TuiGridDataController*>(item.GetDataController());
    return dataController ? dynamic_cast<TuiGridTableView*>(&dataController->GridView()) : nullptr;
}

void TuiGridTableSummaryItem::Assign(const rtl::TPersistent* source) {
    TuiDataSummaryItem::Assign(source);
    if (const auto* item = dynamic_cast<const TuiGridTableSummaryItem*>(source)) {
        SetDisplayText(item->FDisplayText);
        SetVisibleForCustomization(item->FVisibleForCustomization);
    }
}

TuiGridColumn* TuiGridTableSummaryItem::Column() const {
    return LinkedColumn(*this);
}

void TuiGridTableSummaryItem::SetColumn(TuiGridColumn* column) {
    LinkColumn(*this, column);
}

void TuiGridTableSummaryItem::SetDisplayText(rtl::UnicodeStringView value) {
    if (FDisplayText != value) {
        FDisplayText = value;
        ReportViewChanged();
    }
}

void TuiGridTableSummaryItem::SetVisibleForCustomization(bool value) {
    if (FVisibleForCustomization != value) {
        FVisibleForCustomization = value;
        ReportViewChanged();
    }
}

void TuiGridTableSummaryItem::ReportViewChanged() {
    if (TuiGridTableView* view = SummaryItemTableView(*this)) {
        view->Changed(0);
    }
}

void TuiGridTableSummaryItem::GetStoredProperties(std::vector<rtl::UnicodeString>& names) const {
    names.emplace_back(StoredColumnName);
}

void TuiGridTableSummaryItem::GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) const {
    GetStoredColumn(*this, name, value);
}

void TuiGridTableSummaryItem::SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) {
    SetStoredColumn(*this, name, value);
}

TuiGridColumn* TuiGridTableSummaryGroupItemLink::Column() const {
    return LinkedColumn(*this);
}

void TuiGridTableSummaryGroupItemLink::SetColumn(TuiGridColumn* column) {
    LinkColumn(*this, column);
}

void TuiGridTableSummaryGroupItemLink::GetStoredProperties(std::vector<rtl::UnicodeString>& names) const {
    names.emplace_back(StoredColumnName);
}

void TuiGridTableSummaryGroupItemLink::GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) const {
    GetStoredColumn(*this, name, value);
}

void TuiGridTableSummaryGroupItemLink::SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) {
    SetStoredColumn(*this, name, value);
}

} // namespace ui
