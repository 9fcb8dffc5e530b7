#include "ui/grid/tableview/uiGridRows.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
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

TuiGridFilterRow::TuiGridFilterRow(TuiCustomGridTableViewData& viewData)
    : TuiGridNewItemRow(viewData, -1, TuiRowInfo{}) {}

void TuiGridFilterRow::SetSelected(bool value) {
    if (FSelected != value) {
        FSelected = value;
        GridView().Invalidate();
    }
}

void TuiGridFilterRow::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key == VK_ESCAPE) {
        SetSelected(false);
        key = 0;
        return;
    }
    TuiGridNewItemRow::KeyDown(key, shift);
}

TuiGridColumn& TuiGridFilterRow::ColumnOf(int32_t itemIndex) const {
    return *static_cast<TuiGridTableView&>(GridView()).Columns(itemIndex);
}

rtl::Variant TuiGridFilterRow::GetValue(int32_t itemIndex) {
    const TuiFilterCriteriaItem* condition = ColumnOf(itemIndex).DataBinding().FilterCriteriaItem();
    if (condition == nullptr) {
        return rtl::Variant::Null();
    }
    const bool likeOnText = condition->OperatorKind() == fokLike && rtl::VarIsStr(condition->Value());
    return condition->OperatorKind() == fokEqual || likeOnText ? condition->Value() : rtl::Variant::Null();
}

void TuiGridFilterRow::SetValue(int32_t itemIndex, const rtl::Variant& value) {
    TuiGridColumn& column = ColumnOf(itemIndex);
    TuiGridItemDataBinding& binding = column.DataBinding();
    if (value.IsNull() || (rtl::VarIsStr(value) && rtl::VarToStr(value).empty())) {
        binding.SetFiltered(false);
        return;
    }
    TuiDataFilterCriteria* filter = binding.Filter();
    if (filter == nullptr) {
        return;
    }
    bool like = false;
    if (rtl::VarIsStr(value)) {
        const rtl::UnicodeString text = rtl::VarToStr(value);
        like = text.find(filter->PercentWildcard()) != rtl::UnicodeString::npos ||
               text.find(filter->UnderscoreWildcard()) != rtl::UnicodeString::npos;
    }
    const rtl::UnicodeString displayText = column.ValueDisplayText(value);
    TuiFilterCriteriaChangesLock lock(*filter);
    filter->SetActive(true);
    binding.AddFilterCondition(nullptr, like ? fokLike : fokEqual, true, displayText, value);
}

bool TuiGridMasterDataRow::GetExpandable() const {
    return TableView().OptionsView().ExpandButtonsForEmptyDetails() || HasDetailsWithData() || GetExpanded();
}

bool TuiGridMasterDataRow::GetExpanded() const {
    return DataController().IsDetailExpanded(RecordIndex());
}

bool TuiGridMasterDataRow::ExpandsOnDblClick() const {
    return GetExpandable() && TableView().OptionsBehavior().ExpandMasterRowOnDblClick();
}

bool TuiGridMasterDataRow::HasDetailsWithData() const {
    const TuiGridLevel* level = TableView().Level();
    for (int32_t relation = 0; level && relation < level->Count(); ++relation) {
        if (DataController().DetailHasChildren(RecordIndex(), relation)) {
            return true;
        }
    }
    return false;
}

void TuiGridMasterDataRow::DoCollapse(bool /*recurse*/) {
    DataController().ChangeDetailExpanding(RecordIndex(), false);
}

void TuiGridMasterDataRow::DoExpand(bool /*recurse*/) {
    DataController().ChangeDetailExpanding(RecordIndex(), true);
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

TuiGridViewData::TuiGridViewData(TuiGridTableView& gridView) : TuiCustomGridTableViewData(gridView) {
    CheckFilterRow();
}

TuiGridViewData::~TuiGridViewData() {
    FFilterRow.reset();
}

TuiGridTableView& TuiGridViewData::GridTableView() const {
    return static_cast<TuiGridTableView&>(TableView());
}

bool TuiGridViewData::HasNewItemRecord() const {
    return GridTableView().NewItemRow().Visible();
}

bool TuiGridViewData::HasFilterRow() const {
    return GridTableView().FilterRow().Visible();
}

void TuiGridViewData::CheckFilterRow() {
    if (!HasFilterRow()) {
        FFilterRow.reset();
    } else if (!FFilterRow) {
        FFilterRow = std::make_unique<TuiGridFilterRow>(*this);
    }
}

TuiCustomGridRecord* TuiGridViewData::GetRecordForKind(int32_t kind, int32_t index) {
    return kind == TuiGridFilterRow::RecordKind ? FFilterRow.get()
                                                : TuiCustomGridTableViewData::GetRecordForKind(kind, index);
}

int32_t TuiGridViewData::RecordKindOf(const TuiCustomGridRecord* record) const {
    return record && record == FFilterRow.get() ? TuiGridFilterRow::RecordKind
                                                : TuiCustomGridTableViewData::RecordKindOf(record);
}

std::unique_ptr<TuiCustomGridRecord> TuiGridViewData::CreateRecord(int32_t rowIndex, const TuiRowInfo& rowInfo) {
    if (rowInfo.Level < TableView().DataController().Groups().GroupingFieldCount()) {
        return std::make_unique<TuiGridGroupRow>(*this, rowIndex, rowInfo);
    }
    if (GridTableView().IsMaster()) {
        return std::make_unique<TuiGridMasterDataRow>(*this, rowIndex, rowInfo);
    }
    return std::make_unique<TuiGridDataRow>(*this, rowIndex, rowInfo);
}

std::unique_ptr<TuiCustomGridRecord> TuiGridViewData::CreateNewItemRecord() {
    auto record = std::make_unique<TuiGridNewItemRow>(*this, -1, TuiRowInfo{});
    record->RefreshRecordInfo();
    return record;
}

} // namespace ui
