// The data controller's editing through its provider, the records the provider makes and deletes, and the new-item
// row.
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/links/uiDataListenerLink.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>

namespace ui {

void TuiCustomDataController::Append() {
    if (FProvider->CanAppend()) {
        FProvider->Append();
    }
}

void TuiCustomDataController::Insert() {
    if (FProvider->CanInsert()) {
        FProvider->Insert();
    }
}

void TuiCustomDataController::Edit() {
    if (FProvider->CanModify()) {
        FProvider->Edit();
    }
}

void TuiCustomDataController::Post(bool force) {
    // A handler of the post may free the controller: the link tells.
    TuiDataListenerLink link(*this);
    FCheckFocusingAfterFilter = true;
    try {
        if (FProvider->IsEditing()) {
            FProvider->Post(force);
        }
    } catch (...) {
        if (link.DataController()) {
            FProvider->SetInsertedRecordIndex(uiNoIndex);
        }
        throw;
    }
    if (link.DataController()) {
        FProvider->SetInsertedRecordIndex(uiNoIndex);
    }
}

void TuiCustomDataController::Cancel() {
    if (FInCancel) {
        return;
    }
    FInCancel = true;
    try {
        int32_t focusedRow = GetFocusedRowIndex();
        if (FProvider->IsEditing()) {
            FProvider->Cancel();
        }
        focusedRow = std::min(focusedRow, GetRowCount() - 1);
        if (!FInfo->IsInFocusCheck()) {
            ChangeFocusedRowIndex(focusedRow);
        }
    } catch (...) {
        FInCancel = false;
        throw;
    }
    FInCancel = false;
}

void TuiCustomDataController::PostEditingIfActive() {
    if (IsEditingRecord()) {
        Post(false);
    }
}

void TuiCustomDataController::PostEditingData() {
    FProvider->PostEditingData();
}

void TuiCustomDataController::DeleteFocused() {
    const int32_t focusedRow = GetFocusedRowIndex();
    if (focusedRow < 0 || !FProvider->CanDelete()) {
        return;
    }
    FProvider->BeginDeleting();
    try {
        const TuiRowInfo rowInfo = GetRowInfo(focusedRow);
        if (FInfo->IsGrouped() && rowInfo.Level < FInfo->Groups().LevelCount()) {
            std::vector<int32_t> records;
            FGroups->CollectRecordIndexesOfRow(records, focusedRow);
            DeleteRecordList(std::move(records));
        } else {
            if (FNearestRecordIndex != uiNoIndex && FNearestRecordIndex >= rowInfo.RecordIndex) {
                --FNearestRecordIndex;
            }
            FProvider->DeleteFocused();
        }
        ClearSelection();
    } catch (...) {
        FProvider->EndDeleting();
        throw;
    }
    FProvider->EndDeleting();
}

void TuiCustomDataController::DeleteSelection() {
    if (GetSelectedRowCount() == 0 || !FProvider->CanDelete()) {
        return;
    }
    FProvider->BeginDeleting();
    try {
        if (IsSingleSelect()) {
            if (FNearestRecordIndex != uiNoIndex && FNearestRecordIndex >= GetFocusedRecordIndex()) {
                --FNearestRecordIndex;
            }
            FProvider->DeleteFocused();
        } else {
            FProvider->DeleteSelection();
        }
    } catch (...) {
        FProvider->EndDeleting();
        throw;
    }
    FProvider->EndDeleting();
}

std::vector<int32_t> TuiCustomDataController::GetSelectedRecords() {
    std::vector<int32_t> records;
    for (int32_t i = 0; i < GetSelectedRowCount(); ++i) {
        FGroups->CollectRecordIndexesOfRow(records, GetSelectedRowIndex(i));
    }
    return records;
}

void TuiCustomDataController::DeleteRecordList(std::vector<int32_t> recordIndexes) {
    std::sort(recordIndexes.begin(), recordIndexes.end());
    recordIndexes.erase(std::unique(recordIndexes.begin(), recordIndexes.end()), recordIndexes.end());
    if (FNearestRecordIndex != uiNoIndex) {
        const int32_t nearest = FNearestRecordIndex;
        FNearestRecordIndex -= static_cast<int32_t>(
            std::count_if(recordIndexes.begin(), recordIndexes.end(), [nearest](int32_t r) { return r <= nearest; }));
    }
    FProvider->DeleteRecords(std::move(recordIndexes));
}

bool TuiCustomDataController::CanModifyItem(int32_t itemIndex) {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    if (!FProvider->CanModify()) {
        return false;
    }
    GetItemEditingHook(itemIndex);
    if (!field.EffectiveValueDef() && !IsProviderMode()) {
        return false;
    }
    return FProvider->ChangeRecord(GetEditingRecordIndex());
}

bool TuiCustomDataController::SetEditValue(int32_t itemIndex, const rtl::Variant& value,
                                           TuiDataEditValueSource source) {
    if (!CanModifyItem(itemIndex)) {
        return false;
    }
    const bool stored = FProvider->SetEditValue(GetEditingRecordIndex(), GetItemField(itemIndex), value, source);
    if (stored && IsImmediatePost()) {
        Post(false);
    }
    return stored;
}

rtl::Variant TuiCustomDataController::GetEditValue(int32_t itemIndex, TuiDataEditValueSource source) {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    if (IsEditingNewItemRow() && !FProvider->IsEditing()) {
        return rtl::Variant::Null();
    }
    return FProvider->GetEditValue(GetEditingRecordIndex(), field, source);
}

int32_t TuiCustomDataController::GetEditingRecordIndex() {
    return FProvider->IsEditing() ? FProvider->EditingRecordIndex() : GetEditingOrFocusedRecordIndex();
}

int32_t TuiCustomDataController::GetEditingOrFocusedRecordIndex() {
    if (IsEditingNewItemRow()) {
        return GetNewItemRecordIndex();
    }
    return GetFocusedRowIndex() == uiNoIndex ? uiNoEditingRecordIndex : GetFocusedRecordIndex();
}

TuiDataEditState TuiCustomDataController::GetEditState() const {
    return FProvider->GetEditState();
}

TuiDataEditOperations TuiCustomDataController::GetEditOperations() const {
    return FProvider->GetEditOperations();
}

bool TuiCustomDataController::IsEditingRecord() const {
    return FProvider->IsEditing() && !(GetEditState() * TuiDataEditState{dceInsert, dceEdit}).IsEmpty();
}

bool TuiCustomDataController::IsImmediatePost() const {
    return FOptions.Contains(dcoImmediatePost) || FProvider->NeedsImmediatePost();
}

void TuiCustomDataController::CorrectEditingIndexOnDelete(int32_t recordIndex) {
    const int32_t editing = FProvider->EditingRecordIndex();
    if ((recordIndex >= 0 && recordIndex <= editing) || editing >= GetRecordCount()) {
        FProvider->ResetEditing();
    }
}

rtl::Variant TuiCustomDataController::GetGroupingValues(int32_t recordIndex) {
    const int32_t levels = FGroups->GroupingFieldCount();
    rtl::Variant values = rtl::Variant::CreateArray(0, levels - 1, rtl::varVariant);
    const bool inRange = recordIndex >= 0 && recordIndex < GetRecordCount();
    for (int32_t level = 0; level < levels; ++level) {
        values.SetArrayElement(level, inRange ? GetValue(recordIndex, FGroups->GroupingItemIndexOfLevel(level))
                                              : rtl::Variant::Null());
    }
    return values;
}

void TuiCustomDataController::ProviderLock() {
    FProvider->LoadingFinished();
}

void TuiCustomDataController::ProviderUnlock() {
    FProvider->LoadingStarted();
}

bool TuiCustomDataController::IsProviderLocked() const {
    return FProvider && FProvider->IsChangesHeld();
}

int32_t TuiCustomDataController::AppendRecord() {
    const int32_t recordIndex = IsProviderMode() ? FProvider->AppendSourceRecord() : FDataStorage->AddRecordAtEnd();
    RecordChanged(dckRecordsAdded, uiNoIndex, uiNoIndex);
    return recordIndex;
}

int32_t TuiCustomDataController::InsertRecord(int32_t recordIndex) {
    if (recordIndex < 0 || recordIndex > GetRecordCount()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
    }
    if (IsProviderMode()) {
        FProvider->InsertSourceRecord(recordIndex);
    } else {
        FDataStorage->InsertRecordAt(recordIndex);
        ShiftDetailMasterIndexesUp(recordIndex);
    }
    RecordChanged(dckRecordsAdded, uiNoIndex, uiNoIndex);
    return recordIndex;
}

void TuiCustomDataController::DeleteRecord(int32_t recordIndex) {
    CheckRecordIndex(recordIndex);
    if (recordIndex == FProvider->EditingRecordIndex()) {
        FProvider->ForgetEditingRecord();
    }
    if (recordIndex < 0) {
        FDataStorage->RemoveInternalRecord(recordIndex);
    } else {
        if (IsProviderMode()) {
            FProvider->DeleteSourceRecord(recordIndex);
        }
        FDataStorage->RemoveRecordAt(recordIndex);
        ShiftDetailMasterIndexesDown(recordIndex);
        CorrectEditingIndexOnDelete(recordIndex);
    }
    FInfo->CheckSelectionRange();
    CheckBookmarkValid(recordIndex);
    if (recordIndex == FNewItemRecordIndex) {
        FNewItemRecordIndex = 0;
    }
    RecordChanged(dckRecordsRemoved, uiNoIndex, uiNoIndex);
}

void TuiCustomDataController::CopyRecord(int32_t fromRecordIndex, int32_t toRecordIndex) {
    const bool throughProvider = IsProviderMode() && toRecordIndex >= 0;
    for (int32_t i = 0; i < FFields->GetCount(); ++i) {
        const TuiCustomDataField& field = FFields->GetItem(i);
        const TuiValueDef* valueDef = field.EffectiveValueDef();
        if (field.IsInternalField() || (!valueDef && !throughProvider)) {
            continue;
        }
        const rtl::Variant value = GetFieldValue(fromRecordIndex, field);
        if (throughProvider) {
            FProvider->SetValue(toRecordIndex, field, value);
            continue;
        }
        FDataStorage->SetValue(toRecordIndex, *valueDef, value);
        if (valueDef->IsTextStored()) {
            FDataStorage->SetDisplayText(toRecordIndex, *valueDef, GetFieldDisplayText(fromRecordIndex, field));
        }
    }
    if (toRecordIndex >= 0) {
        RecordChanged(dckRecord, uiNoIndex, uiNoIndex);
    }
}

void TuiCustomDataController::SetNewItemRowFocused(bool focused) {
    if (focused == FNewItemRowFocused) {
        return;
    }
    LockInfoUpdate();
    try {
        if (focused) {
            FInfo->ChangeFocusedRow(uiNoIndex, true);
        } else if (!IsDestroying()) {
            Post(false);
        }
        FInfo->PrevFocusChanged(true);
        FNewItemRowFocused = focused;
    } catch (...) {
        UnlockInfoUpdate();
        throw;
    }
    UnlockInfoUpdate();
    if (FOptions.Contains(dcoInsertOnNewItemRowFocusing) && IsEditingNewItemRow() && !FProvider->IsInserting()) {
        Insert();
    }
}

void TuiCustomDataController::SetUseNewItemRowForEditing(bool use) {
    if (use == FUseNewItemRowForEditing) {
        return;
    }
    Cancel();
    ClearSelection();
    FUseNewItemRowForEditing = use;
    Change({dccData});
}

bool TuiCustomDataController::IsEditingNewItemRow() const {
    return FNewItemRowFocused && FUseNewItemRowForEditing && GetFocusedRowIndex() == uiNoIndex;
}

bool TuiCustomDataController::IsNewItemRecord(int32_t recordIndex) {
    return FUseNewItemRowForEditing && recordIndex == GetNewItemRecordIndex();
}

} // namespace ui
