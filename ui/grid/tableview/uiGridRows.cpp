#include "ui/grid/tableview/uiGridRows.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataSummary.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"

namespace ui {

TuiGridTableView& TuiCustomGridRow::TableView() const {
    return static_cast<TuiGridTableView&>(GridView());
}

void TuiCustomGridRow::KeyDown(uint16_t& key, vcl::TShiftState /*shift*/) {
    if (!GetExpandable()) {
        return;
    }
    switch (key) {
    case VK_RIGHT:
    case VK_ADD:
        SetExpanded(true);
        break;
    case VK_LEFT:
    case VK_SUBTRACT:
        SetExpanded(false);
        break;
    case VK_MULTIPLY:
        ExpandRecord(true);
        break;
    default:
        return;
    }
    key = 0;
}

bool TuiGridGroupRow::GetExpandable() const {
    return !DataController().Options().Contains(dcoGroupsAlwaysExpanded);
}

void TuiGridGroupRow::SetDisplayText(int32_t /*itemIndex*/, const rtl::AnsiString& /*text*/) {}

void TuiGridGroupRow::SetValue(int32_t /*itemIndex*/, const rtl::Variant& /*value*/) {}

TuiGridColumn* TuiGridGroupRow::GroupedColumn() const {
    const int32_t itemIndex = DataController().Groups().GroupingItemIndexOfLevel(Level());
    return itemIndex < 0 ? nullptr : TableView().Columns(itemIndex);
}

rtl::UnicodeString TuiGridGroupRow::GetDisplayCaption() const {
    rtl::UnicodeString caption;
    if (const TuiGridColumn* column = GroupedColumn()) {
        caption = column->AlternateCaption().empty() ? column->Caption() : column->AlternateCaption();
        if (!caption.empty()) {
            caption += u" : ";
        }
        caption += rtl::AnsiToUnicode(DataController().GetRowDisplayText(RowInfo(), column->Index()));
    }
    return caption;
}

rtl::UnicodeString TuiGridGroupRow::GetDisplayTextWithSummary() const {
    rtl::UnicodeString text = GetDisplayCaption();
    const rtl::UnicodeString summary = DataController().Summary().GetGroupSummaryDisplayText(Index());
    if (!summary.empty()) {
        text += u" " + summary;
    }
    return text;
}

void TuiGridGroupRow::DoCollapse(bool recurse) {
    DataController().Groups().SetRowExpansion(Index(), false, recurse);
}

void TuiGridGroupRow::DoExpand(bool recurse) {
    DataController().Groups().SetRowExpansion(Index(), true, recurse);
}

TuiGridViewData::TuiGridViewData(TuiGridTableView& gridView) : TuiCustomGridTableViewData(gridView) {}

std::unique_ptr<TuiCustomGridRecord> TuiGridViewData::CreateRecord(int32_t rowIndex, const TuiRowInfo& rowInfo) {
    if (rowInfo.Level < TableView().DataController().Groups().GroupingFieldCount()) {
        return std::make_unique<TuiGridGroupRow>(*this, rowIndex, rowInfo);
    }
    return std::make_unique<TuiGridDataRow>(*this, rowIndex, rowInfo);
}

} // namespace ui
