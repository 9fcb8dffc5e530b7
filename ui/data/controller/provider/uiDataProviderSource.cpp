// TuiCustomDataProvider: provider mode, the forwarding to the custom record source and the comparison of its
// records, and the hooks through which a source or a descendant reports its changes.

#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace ui {

namespace {

// Whether reordered holds the records of original, each once: a source's order that lost or repeated a record would
// show rows without records or twice.
bool IsReordering(const std::vector<int32_t>& original, const std::vector<int32_t>& reordered) {
    if (reordered.size() != original.size()) {
        return false;
    }
    const int32_t highest = original.empty() ? -1 : *std::max_element(original.begin(), original.end());
    std::vector<uint8_t> unplaced(static_cast<size_t>(highest + 1), 0);
    for (const int32_t recordIndex : original) {
        unplaced[static_cast<size_t>(recordIndex)] = 1;
    }
    for (const int32_t recordIndex : reordered) {
        if (recordIndex < 0 || recordIndex > highest || unplaced[static_cast<size_t>(recordIndex)] == 0) {
            return false;
        }
        unplaced[static_cast<size_t>(recordIndex)] = 0;
    }
    return true;
}

} // namespace

const rtl::TMetaclass& TuiCustomDataProvider::GetValueDefReaderClass() const {
    return TuiValueDefReader::StaticClass();
}

void TuiCustomDataProvider::ActiveChanged(bool active) {
    FDataController.SetActive(active);
    ResetEditing();
}

void TuiCustomDataProvider::StructureChanged() {
    FDataController.StructureChanged();
}

void TuiCustomDataProvider::FocusingChanged() {
    FDataController.RefreshFocusing();
    ResetChanging();
}

void TuiCustomDataProvider::SetCustomDataSource(TuiCustomRecordSource* source) {
    if (!IsCustomDataSourceSupported() || source == FCustomDataSource) {
        return;
    }
    if (FCustomDataSource) {
        FCustomDataSource->RemoveProvider(*this);
    }
    FCustomDataSource = source;
    if (FCustomDataSource) {
        FCustomDataSource->AddProvider(*this);
    }
    if (!FDataController.IsDestroying()) {
        FDataController.DataSourceChanged();
    }
}

TuiCustomRecordSource* TuiCustomDataProvider::ActiveSource() const {
    if (FCustomDataSource) {
        FCustomDataSource->SetCurrentProvider(const_cast<TuiCustomDataProvider*>(this));
    }
    return FCustomDataSource;
}

int32_t TuiCustomDataProvider::AppendSourceRecord() {
    TuiCustomRecordSource* source = ActiveSource();
    return source ? source->AppendRecordHandle(source->AddRecord()) : uiNoIndex;
}

int32_t TuiCustomDataProvider::InsertSourceRecord(int32_t recordIndex) {
    TuiCustomRecordSource* source = ActiveSource();
    if (!source) {
        return uiNoIndex;
    }
    const int32_t handle = source->IsInsertSupported()
                               ? source->InsertRecordBefore(source->GetRecordHandle(recordIndex))
                               : source->AddRecord();
    TuiDataStorage& storage = FDataController.DataStorage();
    storage.InsertRecordAt(recordIndex);
    storage.SetValue(recordIndex, FDataController.RecordHandlesValueDef(), rtl::Variant(handle));
    return recordIndex;
}

void TuiCustomDataProvider::DeleteSourceRecord(int32_t recordIndex) {
    if (TuiCustomRecordSource* source = ActiveSource()) {
        source->RemoveRecord(source->GetRecordHandle(recordIndex));
    }
}

rtl::Variant TuiCustomDataProvider::GetValue(int32_t recordIndex, const TuiCustomDataField& field) {
    TuiCustomRecordSource* source = ActiveSource();
    if (!source) {
        return rtl::Variant::Null();
    }
    return source->GetValue(source->GetRecordHandle(recordIndex), source->GetItemHandle(field.GetPosition()));
}

rtl::AnsiString TuiCustomDataProvider::GetDisplayText(int32_t recordIndex, const TuiCustomDataField& field) {
    TuiCustomRecordSource* source = ActiveSource();
    if (!source) {
        return {};
    }
    return source->GetDisplayText(source->GetRecordHandle(recordIndex), source->GetItemHandle(field.GetPosition()));
}

void TuiCustomDataProvider::SetValue(int32_t recordIndex, const TuiCustomDataField& field, const rtl::Variant& value) {
    if (TuiCustomRecordSource* source = ActiveSource()) {
        source->SetValue(source->GetRecordHandle(recordIndex), source->GetItemHandle(field.GetPosition()), value);
    }
}

void TuiCustomDataProvider::SetRecordCount(int32_t count) {
    if (TuiCustomRecordSource* source = ActiveSource()) {
        source->SetRecordCount(count);
    }
}

rtl::Variant TuiCustomDataProvider::GetRecordId(int32_t recordIndex) {
    TuiCustomRecordSource* source = ActiveSource();
    return source ? source->GetRecordId(source->GetRecordHandle(recordIndex)) : rtl::Variant::Null();
}

bool TuiCustomDataProvider::IsRecordIdSupported() {
    TuiCustomRecordSource* source = ActiveSource();
    return source && source->IsRecordIdSupported();
}

bool TuiCustomDataProvider::HasDetailRecords(int32_t recordIndex, int32_t relationIndex) {
    TuiCustomRecordSource* source = ActiveSource();
    return source && source->HasDetailRecords(recordIndex, relationIndex);
}

bool TuiCustomDataProvider::IsNativeCompareFunc() {
    TuiCustomRecordSource* source = ActiveSource();
    return source && source->IsNativeCompareFunc();
}

int TuiCustomDataProvider::NativeCompare(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field) {
    TuiCustomRecordSource* source = ActiveSource();
    if (!source) {
        return 0;
    }
    return source->NativeCompare(source->GetRecordHandle(recordIndexA), source->GetRecordHandle(recordIndexB),
                                 source->GetItemHandle(field.GetPosition()));
}

bool TuiCustomDataProvider::IsNativeCompare() {
    TuiCustomRecordSource* source = ActiveSource();
    return source && source->IsNativeCompare();
}

int TuiCustomDataProvider::CompareRecords(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field) {
    const TuiValueDef& valueDef = *field.EffectiveValueDef();
    TuiCustomRecordSource* source = ActiveSource();
    if (!source || (recordIndexA < 0 && recordIndexB < 0)) {
        return FDataController.DataStorage().CompareRecords(recordIndexA, recordIndexB, valueDef);
    }
    const int32_t itemHandle = source->GetItemHandle(field.GetPosition());
    TuiValueReference referenceA = nullptr;
    TuiValueReference referenceB = nullptr;
    const bool nullA = GetValuePointer(*source, recordIndexA, valueDef, itemHandle, referenceA);
    const bool nullB = GetValuePointer(*source, recordIndexB, valueDef, itemHandle, referenceB);
    return valueDef.CompareValues(nullA, nullB, referenceA, referenceB);
}

bool TuiCustomDataProvider::GetValuePointer(TuiCustomRecordSource& source, int32_t recordIndex,
                                            const TuiValueDef& valueDef, int32_t itemHandle,
                                            TuiValueReference& reference) {
    // Internal records (an edited record's saved copy, the new-item record) keep their values in the storage.
    if (recordIndex < 0) {
        return FDataController.DataStorage().GetValuePointer(recordIndex, valueDef, reference);
    }
    // A handler that changed the records during the comparisons leaves the handles read to the storage.
    const bool handlesRead = FComparedHandles.size() == static_cast<size_t>(FDataController.GetRecordCount());
    const int32_t handle =
        handlesRead ? FComparedHandles[static_cast<size_t>(recordIndex)] : source.GetRecordHandle(recordIndex);
    return !source.GetValuePointer(handle, itemHandle, reference);
}

void TuiCustomDataProvider::BeginComparisons() {
    TuiCustomRecordSource* source = ActiveSource();
    if (FComparisonDepth++ != 0 || !source) {
        return;
    }
    const int32_t count = FDataController.GetRecordCount();
    FComparedHandles.resize(static_cast<size_t>(count));
    for (int32_t recordIndex = 0; recordIndex < count; ++recordIndex) {
        FComparedHandles[static_cast<size_t>(recordIndex)] = source->GetRecordHandle(recordIndex);
    }
}

void TuiCustomDataProvider::EndComparisons() {
    if (FComparisonDepth > 0 && --FComparisonDepth == 0) {
        FComparedHandles.clear();
        FComparedHandles.shrink_to_fit();
    }
}

bool TuiCustomDataProvider::IsCustomSorting() {
    TuiCustomRecordSource* source = ActiveSource();
    return source && source->IsCustomSorting();
}

void TuiCustomDataProvider::CustomSort(std::vector<int32_t>& recordIndexes) {
    TuiCustomRecordSource* source = ActiveSource();
    if (!source) {
        return;
    }
    std::vector<int32_t> sorted = recordIndexes;
    source->CustomSort(sorted);
    if (!IsReordering(recordIndexes, sorted)) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
    }
    recordIndexes = std::move(sorted);
}

int32_t TuiCustomDataProvider::AddSourceRecord(int32_t handle) {
    TuiCustomRecordSource* source = ActiveSource();
    return source ? source->AppendRecordHandle(handle) : uiNoIndex;
}

void TuiCustomDataProvider::LoadFromDataSource() {
    if (TuiCustomRecordSource* source = ActiveSource()) {
        source->LoadRecordHandles();
    }
}

} // namespace ui
