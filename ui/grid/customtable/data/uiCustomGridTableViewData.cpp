#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/data/uiGridDataChanges.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/filtering/uiGridFilterValueList.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

#include <algorithm>

namespace ui {

TuiCustomGridRecord::TuiCustomGridRecord(TuiCustomGridTableViewData& viewData, int32_t rowIndex,
                                         const TuiRowInfo& rowInfo)
    : FViewData(viewData), FIndex(rowIndex), FRowInfo(rowInfo) {}

TuiCustomGridTableView& TuiCustomGridRecord::GridView() const {
    return FViewData.TableView();
}

TuiCustomDataController& TuiCustomGridRecord::DataController() const {
    return GridView().DataController();
}

bool TuiCustomGridRecord::IsValid() const {
    return RecordIndex() >= 0 && RecordIndex() < DataController().GetRecordCount();
}

void TuiCustomGridRecord::RefreshRecordInfo() {
    if (IsNewItemRecord()) {
        FRowInfo = TuiRowInfo{false, 0, DataController().GetNewItemRecordIndex()};
    } else {
        FRowInfo = DataController().GetRowInfo(FIndex);
    }
}

void TuiCustomGridRecord::SetExpanded(bool value) {
    if (value != GetExpanded()) {
        value ? ExpandRecord(false) : CollapseRecord(false);
    }
}

void TuiCustomGridRecord::ExpandRecord(bool recurse) {
    if (GetExpandable()) {
        DoExpand(recurse);
    }
}

void TuiCustomGridRecord::CollapseRecord(bool recurse) {
    if (GetExpandable()) {
        DoCollapse(recurse);
    }
}

bool TuiCustomGridRecord::IsLast() const {
    return FIndex + 1 == FViewData.RecordCount();
}

TuiCustomGridRecord* TuiCustomGridRecord::GetParentRecord() {
    if (Level() == 0) {
        return nullptr;
    }
    for (int32_t rowIndex = FIndex - 1; rowIndex >= 0; --rowIndex) {
        TuiCustomGridRecord* record = FViewData.GetRecordAt(rowIndex);
        if (record->Level() < Level()) {
            return record;
        }
    }
    return nullptr;
}

bool TuiCustomGridRecord::GetSelected() const {
    if (IsNewItemRecord()) {
        return DataController().IsEditingNewItemRow();
    }
    return DataController().IsRowSelected(FIndex);
}

void TuiCustomGridRecord::SetSelected(bool value) {
    if (IsNewItemRecord()) {
        DataController().SetNewItemRowFocused(value);
    } else {
        DataController().ChangeRowSelection(FIndex, value);
    }
}

bool TuiCustomGridRecord::CanFocus() {
    return GridView().DoCanFocusRecord(this);
}

bool TuiCustomGridRecord::GetFocused() const {
    if (IsNewItemRecord()) {
        return DataController().NewItemRowFocused();
    }
    return !DataController().NewItemRowFocused() && DataController().GetFocusedRowIndex() == FIndex;
}

void TuiCustomGridRecord::SetFocused(bool value) {
    if (IsNewItemRecord()) {
        DataController().SetNewItemRowFocused(value);
    } else if (value) {
        DataController().ChangeFocusedRowIndex(FIndex);
    } else if (GetFocused()) {
        DataController().ChangeFocusedRowIndex(-1);
    }
}

bool TuiCustomGridRecord::CanFocusCells() const {
    return GridView().OptionsSelection().CellSelect();
}

void TuiCustomGridRecord::Invalidate(TuiCustomGridTableItem* item) {
    GridView().PostChange(std::make_unique<TuiGridRecordChange>(&GridView(), item, FIndex));
}

void TuiCustomGridRecord::KeyDown(uint16_t& key, vcl::TShiftState /*shift*/) {
    if ((key != VK_ADD && key != VK_SUBTRACT) || !GetExpandable()) {
        return;
    }
    SetExpanded(key == VK_ADD);
    key = 0;
}

void TuiCustomGridRecord::StartEditingByKey(uint16_t& key, vcl::TShiftState shift) {
    const vcl::TShiftState modifiers = shift * vcl::TShiftState{vcl::ssShift, vcl::ssAlt, vcl::ssCtrl};
    const bool startsEditing = (key == VK_RETURN && (modifiers - vcl::TShiftState{vcl::ssShift}).IsEmpty()) ||
                               ((key == VK_F2 || key == VK_PROCESSKEY) && modifiers.IsEmpty());
    if (!startsEditing || !GetHasCells()) {
        return;
    }
    TuiCustomGridTableItem* item = static_cast<TuiCustomGridTableController&>(GridView().Controller()).FocusedItem();
    if (item == nullptr) {
        return;
    }
    item->SetEditing(true);
    if (item->Editing() && key != VK_PROCESSKEY) {
        key = 0;
    }
}

rtl::AnsiString TuiCustomGridRecord::GetDisplayText(int32_t itemIndex) {
    return DataController().GetDisplayText(RecordIndex(), itemIndex);
}

rtl::Variant TuiCustomGridRecord::GetValue(int32_t itemIndex) {
    return DataController().GetValue(RecordIndex(), itemIndex);
}

int32_t TuiCustomGridRecord::GetValueCount() const {
    return DataController().GetItemCount();
}

void TuiCustomGridRecord::SetDisplayText(int32_t itemIndex, const rtl::AnsiString& text) {
    if (GetIsData()) {
        DataController().SetDisplayText(RecordIndex(), itemIndex, text);
    }
}

void TuiCustomGridRecord::SetValue(int32_t itemIndex, const rtl::Variant& value) {
    if (GetIsData()) {
        DataController().SetValue(RecordIndex(), itemIndex, value);
    }
}

int32_t TuiCustomGridRecord::GetClosedLevelCount() const {
    int32_t count = 0;
    while (count < Level() && IsLevelClosed(count)) {
        ++count;
    }
    return count;
}

bool TuiCustomGridRecord::IsLevelClosed(int32_t depth) const {
    if (IsLast()) {
        return true;
    }
    return FViewData.GetRecordAt(FIndex + 1)->Level() < Level() - depth;
}

TuiCustomGridTableViewData::TuiCustomGridTableViewData(TuiCustomGridTableView& gridView)
    : TuiGridViewHandler(gridView) {}

TuiCustomGridTableViewData::~TuiCustomGridTableViewData() = default;

TuiCustomGridTableView& TuiCustomGridTableViewData::TableView() const {
    return static_cast<TuiCustomGridTableView&>(GridView());
}

TuiCustomGridRecord* TuiCustomGridTableViewData::GetRecordAt(int32_t rowIndex) {
    if (!IsRowIndexValid(rowIndex)) {
        return nullptr;
    }
    std::unique_ptr<TuiCustomGridRecord>& entry = FRecords[static_cast<size_t>(rowIndex)];
    if (!entry) {
        entry = CreateRecord(rowIndex, TableView().DataController().GetRowInfo(rowIndex));
    }
    return entry.get();
}

TuiCustomGridRecord* TuiCustomGridTableViewData::RecordEntry(int32_t rowIndex) const {
    return IsRowIndexValid(rowIndex) ? FRecords[static_cast<size_t>(rowIndex)].get() : nullptr;
}

TuiCustomGridRecord* TuiCustomGridTableViewData::GetRecordByRecordIndex(int32_t recordIndex) {
    TuiCustomDataController& dataController = TableView().DataController();
    if (FNewItemRecord && recordIndex == dataController.GetNewItemRecordIndex()) {
        return FNewItemRecord.get();
    }
    if (recordIndex < 0 || recordIndex >= dataController.GetRecordCount()) {
        return nullptr;
    }
    if (TableView().IsUpdateLocked() || !dataController.IsRowInfoValid()) {
        for (const std::unique_ptr<TuiCustomGridRecord>& record : FRecords) {
            if (record && record->GetIsData() && record->RecordIndex() == recordIndex) {
                return record.get();
            }
        }
    }
    return GetRecordAt(dataController.GetRowIndexByRecordIndex(recordIndex, false));
}

TuiCustomGridRecord* TuiCustomGridTableViewData::GetRecordForKind(int32_t kind, int32_t index) {
    if (kind == 1) {
        return FNewItemRecord.get();
    }
    return kind == 0 ? GetRecordAt(index) : nullptr;
}

int32_t TuiCustomGridTableViewData::RecordKindOf(const TuiCustomGridRecord* record) const {
    return record != nullptr && record == FNewItemRecord.get() ? 1 : 0;
}

const rtl::TMetaclass& TuiCustomGridTableViewData::GetFilterValueListClass() const {
    return TuiGridFilterValueList::StaticClass();
}

std::unique_ptr<TuiGridFilterValueList> TuiCustomGridTableViewData::CreateFilterValueList() {
    const rtl::TMetaclass& listClass = GetFilterValueListClass();
    if (!listClass.InheritsFrom(TuiGridFilterValueList::StaticClass())) {
        throw rtl::EInvalidCast(u"Invalid class typecast");
    }
    TuiFilterCriteria* filter = &TableView().DataController().Filter();
    return std::unique_ptr<TuiGridFilterValueList>(
        static_cast<TuiGridFilterValueList*>(listClass.CreateInstance(filter)));
}

TuiFilterCriteriaItem& TuiCustomGridTableViewData::AddItemFilterCondition(TuiFilterCriteriaItemList* target,
                                                                          TuiCustomGridTableItem& item, bool replace,
                                                                          rtl::UnicodeStringView displayText,
                                                                          const rtl::Variant& value,
                                                                          TuiFilterOperatorKind kind) {
    rtl::UnicodeString text(displayText);
    if (text.empty() && !value.IsNull() && !value.IsArray()) {
        text = rtl::VarToStr(value);
    }
    item.DoGetFilterDisplayText(value, text);
    TuiDataFilterCriteria& filter = TableView().DataController().Filter();
    if (replace) {
        filter.RemoveItemsByLink(&item);
    }
    return filter.AddItem(target, &item, kind, value, text);
}

void TuiCustomGridTableViewData::Refresh(int32_t rowCount) {
    if (HasNewItemRecord()) {
        FNewItemRecord = CreateNewItemRecord();
    }
    FEditingRecord = nullptr;
    FRecords.clear();
    FRecords.resize(static_cast<size_t>(std::max(rowCount, 0)));
    FindEditingRecord();
    TableView().SizeChanged(false, false);
}

void TuiCustomGridTableViewData::CheckNewItemRecord() {
    if (!HasNewItemRecord()) {
        FNewItemRecord.reset();
    } else if (!FNewItemRecord) {
        FNewItemRecord = CreateNewItemRecord();
    }
}

void TuiCustomGridTableViewData::RefreshRecordInfos() {
    if (FNewItemRecord) {
        FNewItemRecord->RefreshRecordInfo();
    }
    for (const std::unique_ptr<TuiCustomGridRecord>& record : FRecords) {
        if (record) {
            record->RefreshRecordInfo();
        }
    }
    FindEditingRecord();
}

void TuiCustomGridTableViewData::FindEditingRecord() {
    TuiCustomDataController& dataController = TableView().DataController();
    FEditingRecord =
        dataController.IsEditingRecord() ? GetRecordByRecordIndex(dataController.GetEditingRecordIndex()) : nullptr;
}

void TuiCustomGridTableViewData::CollapseAll(bool recurse) {
    TableView().BeginUpdate();
    try {
        for (int32_t rowIndex = RecordCount() - 1; rowIndex >= 0; --rowIndex) {
            GetRecordAt(rowIndex)->CollapseRecord(recurse);
        }
    } catch (...) {
        TableView().EndUpdate();
        throw;
    }
    TableView().EndUpdate();
}

void TuiCustomGridTableViewData::ExpandAll(bool recurse) {
    TableView().BeginUpdate();
    try {
        for (int32_t rowIndex = 0; rowIndex < RecordCount(); ++rowIndex) {
            GetRecordAt(rowIndex)->ExpandRecord(recurse);
        }
    } catch (...) {
        TableView().EndUpdate();
        throw;
    }
    TableView().EndUpdate();
}

bool TuiCustomGridTableViewData::NeedsRangeComparison(TuiCustomGridTableItem& item, int32_t mode) {
    if ((mode != 0 && mode != 1) || !item.UsesGroupingDateRanges()) {
        return false;
    }
    if (mode == 1) {
        return true;
    }
    const int32_t groupIndex = item.GroupIndex();
    const int32_t groupingCount = TableView().DataController().Groups().GroupingFieldCount();
    return groupIndex != -1 && (groupIndex < groupingCount - 1 || item.GroupingDateRanges().AnySortsByTimeOfDay());
}

rtl::Variant TuiCustomGridTableViewData::ConvertRangeValue(TuiCustomGridTableItem& item, const rtl::Variant& value,
                                                           int32_t kind) {
    if (value.IsNull() || value.IsEmpty()) {
        return value;
    }
    rtl::TDateTime date = rtl::VarToDateTime(value);
    if (kind >= 2) {
        return rtl::Variant::FromDateTime(rtl::DateOf(date));
    }
    const TuiGridGroupingDateRanges& ranges = item.GroupingDateRanges();
    if (!ranges.AnyKeepsTime()) {
        date = rtl::DateOf(date);
    }
    if (const TuiCustomGridDateRange* range = ranges.FindRange(date)) {
        return kind == 1 ? range->GetGroupValue(date) : range->GetSortKey(date);
    }
    return rtl::Variant::FromDateTime(date);
}

bool TuiCustomGridTableViewData::GetConvertedDisplayText(int32_t recordIndex, int32_t itemIndex, int32_t kind,
                                                         bool convert, rtl::AnsiString& text) {
    text.clear();
    TuiCustomGridTableItem* item = TableView().Items(itemIndex);
    TuiCustomEditProperties* properties = item->GetPropertiesForRecordIndex(recordIndex);
    if (!properties || (!convert && properties->CanShowDataDisplayText(false))) {
        return false;
    }
    rtl::Variant value = TableView().DataController().GetValue(recordIndex, itemIndex);
    if (convert) {
        value = ConvertRangeValue(*item, value, kind);
    }
    text = rtl::UnicodeToAnsi(properties->GetDisplayText(value, true));
    return true;
}

rtl::AnsiString TuiCustomGridTableViewData::GetRangeDisplayText(int32_t recordIndex, int32_t itemIndex) {
    TuiCustomDataController& dataController = TableView().DataController();
    TuiCustomGridTableItem* item = TableView().Items(itemIndex);
    const rtl::Variant value = dataController.GetValue(recordIndex, itemIndex);
    if (item->UsesGroupingDateRanges() && !value.IsNull() && !value.IsEmpty()) {
        const TuiGridGroupingDateRanges& ranges = item->GroupingDateRanges();
        rtl::TDateTime date = rtl::VarToDateTime(value);
        if (!ranges.AnyKeepsTime()) {
            date = rtl::DateOf(date);
        }
        if (const TuiCustomGridDateRange* range = ranges.FindRange(date)) {
            const rtl::UnicodeString text = range->GetRangeDisplayTextFor(date);
            if (!text.empty()) {
                return rtl::UnicodeToAnsi(text);
            }
        }
    }
    return dataController.GetDisplayText(recordIndex, itemIndex);
}

std::unique_ptr<TuiCustomGridRecord> TuiCustomGridTableViewData::CreateRecord(int32_t rowIndex,
                                                                              const TuiRowInfo& rowInfo) {
    return std::make_unique<TuiCustomGridRecord>(*this, rowIndex, rowInfo);
}

std::unique_ptr<TuiCustomGridRecord> TuiCustomGridTableViewData::CreateNewItemRecord() {
    auto record = std::make_unique<TuiCustomGridRecord>(*this, -1, TuiRowInfo{});
    record->RefreshRecordInfo();
    return record;
}

} // namespace ui
