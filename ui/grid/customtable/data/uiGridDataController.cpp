#include "ui/grid/customtable/data/uiGridDataController.h"

#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiVariants.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

#include <cstring>

namespace ui {

namespace {

// The int32 little-endian length before the bytes of the "Data" property.
int32_t ReadDataLength(rtl::TStream& stream) {
    uint8_t bytes[4] = {};
    stream.ReadBuffer(bytes, sizeof bytes);
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteDataLength(rtl::TStream& stream, int32_t length) {
    const auto value = static_cast<uint32_t>(length);
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    stream.WriteBuffer(bytes, sizeof bytes);
}

bool SameStreamBytes(rtl::TMemoryStream& a, rtl::TMemoryStream& b) {
    return a.Size() == b.Size() &&
           (a.Size() == 0 || std::memcmp(a.Memory(), b.Memory(), static_cast<size_t>(a.Size())) == 0);
}

} // namespace

TuiGridDataController::TuiGridDataController(TuiCustomGridTableView& gridView)
    : TuiDataController(&gridView), FGridView(gridView) {}

TuiGridDataController::~TuiGridDataController() = default;

TuiCustomGridTableItem* TuiGridDataController::TableItem(int32_t index) const {
    return index >= 0 && index < FGridView.ItemCount() ? FGridView.Items(index) : nullptr;
}

bool TuiGridDataController::ItemSortsByDisplayText(int32_t itemIndex, bool defaultValue) const {
    TuiCustomGridTableItem* item = TableItem(itemIndex);
    if (item == nullptr) {
        return defaultValue;
    }
    switch (item->Options().SortByDisplayText()) {
    case isbtOn:
        return true;
    case isbtOff:
        return false;
    case isbtDefault:
        break;
    }
    return defaultValue;
}

bool TuiGridDataController::GetItemEditingHook(int32_t itemIndex) {
    TuiCustomGridTableItem* item = TableItem(itemIndex);
    TuiCustomEditProperties* properties = item ? item->GetProperties() : nullptr;
    return properties == nullptr || properties->CanShowDataDisplayText(true);
}

const rtl::TMetaclass& TuiGridDataController::GetSummaryItemClass() const {
    return FGridView.GetSummaryItemClass();
}

const rtl::TMetaclass& TuiGridDataController::GetSummaryGroupItemLinkClass() const {
    return FGridView.GetSummaryGroupItemLinkClass();
}

rtl::TObject* TuiGridDataController::GetItem(int32_t index) const {
    return TableItem(index);
}

int32_t TuiGridDataController::GetItemID(rtl::TObject* item) const {
    const auto* tableItem = dynamic_cast<const TuiCustomGridTableItem*>(item);
    return tableItem ? tableItem->ID() : -1;
}

rtl::UnicodeString TuiGridDataController::GetItemDisplayName(int32_t itemIndex) const {
    const TuiCustomGridTableItem* item = TableItem(itemIndex);
    return item ? item->FilterCaption() : rtl::UnicodeString();
}

rtl::AnsiString TuiGridDataController::GetDisplayText(int32_t recordIndex, int32_t itemIndex) {
    TuiCustomGridTableItem* item = TableItem(itemIndex);
    rtl::AnsiString text;
    if (!item || !FGridView.ViewData().GetConvertedDisplayText(recordIndex, itemIndex, 0, false, text)) {
        text = TuiDataController::GetDisplayText(recordIndex, itemIndex);
    }
    if (item) {
        item->DoGetDataText(recordIndex, text);
    }
    return text;
}

void TuiGridDataController::ItemValueTypeClassChanged(int32_t itemIndex) {
    TuiDataController::ItemValueTypeClassChanged(itemIndex);
    if (TuiCustomGridTableItem* item = TableItem(itemIndex)) {
        item->ValueTypeClassChanged();
    }
}

bool TuiGridDataController::CanSelectRow(int32_t rowIndex) {
    return FGridView.DoCanSelectRecord(GetRowInfo(rowIndex).RecordIndex);
}

int TuiGridDataController::CompareBySortingField(int32_t recordIndexA, int32_t recordIndexB, bool forGrouping,
                                                 const TuiSortingFieldEntry& entry) {
    auto* item = dynamic_cast<TuiCustomGridTableItem*>(entry.Field->Item());
    const int32_t mode = forGrouping ? 1 : 0;
    TuiCustomGridTableViewData& viewData = FGridView.ViewData();
    if (!item || !viewData.NeedsRangeComparison(*item, mode)) {
        return TuiDataController::CompareBySortingField(recordIndexA, recordIndexB, forGrouping, entry);
    }
    const int result =
        CompareVariants(viewData.ConvertRangeValue(*item, GetFieldValue(recordIndexA, *entry.Field), mode),
                        viewData.ConvertRangeValue(*item, GetFieldValue(recordIndexB, *entry.Field), mode));
    return entry.SortOrder == soDescending ? -result : result;
}

rtl::Variant TuiGridDataController::GetFilterValue(int32_t recordIndex, const TuiCustomDataField& field) {
    rtl::Variant value = TuiDataController::GetFilterValue(recordIndex, field);
    auto* item = dynamic_cast<TuiCustomGridTableItem*>(field.Item());
    if (item && item->IgnoresTimeForFiltering()) {
        return FGridView.ViewData().ConvertRangeValue(*item, value, 2);
    }
    return value;
}

void TuiGridDataController::BeginUpdate() {
    FGridView.BeginUpdate();
    TuiDataController::BeginUpdate();
}

void TuiGridDataController::EndUpdate() {
    try {
        TuiDataController::EndUpdate();
    } catch (...) {
        FGridView.EndUpdate();
        throw;
    }
    FGridView.EndUpdate();
}

void TuiGridDataController::UpdateData() {
    TuiDataController::UpdateData();
    FGridView.UpdateEditValue();
}

void TuiGridDataController::FilterChanged() {
    TuiDataController::FilterChanged();
    if (!FGridView.ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        FGridView.Filtering().CurrentFilterChanged();
    }
}

void TuiGridDataController::CheckDeferredChanges() {
    TuiDataController::CheckDeferredChanges();
    if (!FKeptData) {
        return;
    }
    std::unique_ptr<rtl::TMemoryStream> keptData = std::move(FKeptData);
    if (!IsProviderMode()) {
        LoadDataFromStream(*keptData);
    }
}

bool TuiGridDataController::IsDataPropertyDefined() const {
    return !IsProviderMode();
}

bool TuiGridDataController::IsDataStored(TuiGridDataController* ancestor) {
    if (!ancestor) {
        return GetRecordCount() != 0;
    }
    rtl::TMemoryStream own;
    rtl::TMemoryStream inherited;
    SaveDataToStream(own);
    ancestor->SaveDataToStream(inherited);
    return !SameStreamBytes(own, inherited);
}

void TuiGridDataController::WriteData(rtl::TStream& stream) {
    rtl::TMemoryStream data;
    SaveDataToStream(data);
    WriteDataLength(stream, static_cast<int32_t>(data.Size()));
    stream.WriteBuffer(data.Memory(), static_cast<int32_t>(data.Size()));
}

void TuiGridDataController::ReadData(rtl::TStream& stream) {
    FKeptData.reset();
    const int32_t length = ReadDataLength(stream);
    if (length < 0 || length > stream.Size() - stream.Position()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataInvalidStreamFormat);
    }
    auto keptData = std::make_unique<rtl::TMemoryStream>();
    // A count of 0 would copy the whole stream.
    if (length > 0) {
        keptData->CopyFrom(stream, length);
    }
    keptData->SetPosition(0);
    FKeptData = std::move(keptData);
}

} // namespace ui
