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
    if (Provider().CanAppend()) {
        Provider().Append();
    }
}

void TuiCustomDataController::Insert() {
    if (Provider().CanInsert()) {
        Provider().Insert();
    }
}

void TuiCustomDataController::Edit() {
    if (Provider().CanModify()) {
        Provider().Edit();
    }
}

void TuiCustomDataController::Post(bool force) {
    // A handler of the post may free the controller: the link tells.
    TuiDataListenerLink link(*this);
    FCheckFocusingAfterFilter = true;
    try {
        if (Provider().IsEditing()) {
            Provider().Post(force);
        }
    } catch (...) {
        if (link.DataController()) {
            Provider().SetInsertedRecordIndex(uiNoIndex);
        }
        throw;
    }
    if (link.DataController()) {
        Provider().SetInsertedRecordIndex(uiNoIndex);
    }
}

void TuiCustomDataController::Cancel() {
    if (FInCancel) {
        return;
    }
    FInCancel = true;
    try {
        int32_t focusedRow = GetFocusedRowIndex();
        if (Provider().IsEditing()) {
            Provider().Cancel();
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
    Provider().PostEditingData();
}

void TuiCustomDataController::DeleteFocused() {
    const int32_t focusedRow = GetFocusedRowIndex();
    if (focusedRow < 0 || !Provider().CanDelete()) {
        return;
    }
    Provider().BeginDeleting();
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
            Provider().DeleteFocused();
        }
        ClearSelection();
    } catch (...) {
        Provider().EndDeleting();
        throw;
    }
    Provider().EndDeleting();
}

void TuiCustomDataController::DeleteSelection() {
    if (GetSelectedRowCount() == 0 || !Provider().CanDelete()) {
        return;
    }
    Provider().BeginDeleting();
    try {
        if (IsSingleSelect()) {
            if (FNearestRecordIndex != uiNoIndex && FNearestRecordIndex >= GetFocusedRecordIndex()) {
                --FNearestRecordIndex;
            }
            Provider().DeleteFocused();
        } else {
            Provider().DeleteSelection();
        }
    } catch (...) {
        Provider().EndDeleting();
        throw;
    }
    Provider().EndDeleting();
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
    Provider().DeleteRecords(std::move(recordIndexes));
}

bool TuiCustomDataController::CanModifyItem(int32_t itemIndex) {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    if (!Provider().CanModify()) {
        return false;
    }
    GetItemEditingHook(itemIndex);
    if (!field.EffectiveValueDef() && !IsProviderMode()) {
        return false;
    }
    return Provider().ChangeRecord(GetEditingRecordIndex());
}

bool TuiCustomDataController::SetEditValue(int32_t itemIndex, const rtl::Variant& value,
                                           TuiDataEditValueSource source) {
    if (!CanModifyItem(itemIndex)) {
        return false;
    }
    const bool stored = Provider().SetEditValue(GetEditingRecordIndex(), GetItemField(itemIndex), value, source);
    if (stored && IsImmediatePost()) {
        Post(false);
    }
    return stored;
}

rtl::Variant TuiCustomDataController::GetEditValue(int32_t itemIndex, TuiDataEditValueSource source) {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    if (IsEditingNewItemRow() && !Provider().IsEditing()) {
        return rtl::Variant::Null();
    }
    return Provider().GetEditValue(GetEditingRecordIndex(), field, source);
}

int32_t TuiCustomDataController::GetEditingRecordIndex() {
    return Provider().IsEditing() ? Provider().EditingRecordIndex() : GetEditingOrFocusedRecordIndex();
}

int32_t TuiCustomDataController::GetEditingOrFocusedRecordIndex() {
    if (IsEditingNewItemRow()) {
        return GetNewItemRecordIndex();
    }
    return GetFocusedRowIndex() == uiNoIndex ? uiNoEditingRecordIndex : GetFocusedRecordIndex();
}

TuiDataEditState TuiCustomDataController::GetEditState() const {
    return Provider().GetEditState();
}

TuiDataEditOperations TuiCustomDataController::GetEditOperations() const {
    return Provider().GetEditOperations();
}

bool TuiCustomDataController::IsEditingRecord() const {
    return Provider().IsEditing() && !(GetEditState() * TuiDataEditState{dceInsert, dceEdit}).IsEmpty();
}

bool TuiCustomDataController::IsImmediatePost() const {
    return FOptions.Contains(dcoImmediatePost) || Provider().NeedsImmediatePost();
}

void TuiCustomDataController::CorrectEditingIndexOnDelete(int32_t recordIndex) {
    const int32_t editing = Provider().EditingRecordIndex();
    if ((recordIndex >= 0 && recordIndex <= editing) || editing >= GetRecordCount()) {
        Provider().ResetEditing();
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
    Provider().LoadingFinished();
}

void TuiCustomDataController::ProviderUnlock() {
    Provider().LoadingStarted();
}

bool TuiCustomDataController::IsProviderLocked() const {
    return FProvider && Provider().IsChangesHeld();
}

int32_t TuiCustomDataController::AppendRecord() {
    if (IsSmartLoad()) {
        return AppendRecordFromProvider();
    }
    const int32_t recordIndex = IsProviderMode() ? Provider().AppendSourceRecord() : FDataStorage->AddRecordAtEnd();
    RecordChanged(dckRecordsAdded, uiNoIndex, uiNoIndex);
    return recordIndex;
}

int32_t TuiCustomDataController::InsertRecord(int32_t recordIndex) {
    if (recordIndex < 0 || recordIndex > GetRecordCount()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
    }
    if (IsSmartLoad()) {
        return AppendRecordFromProvider();
    }
    if (IsProviderMode()) {
        Provider().InsertSourceRecord(recordIndex);
    } else {
        FDataStorage->InsertRecordAt(recordIndex);
        ShiftDetailMasterIndexesUp(recordIndex);
    }
    RecordChanged(dckRecordsAdded, uiNoIndex, uiNoIndex);
    return recordIndex;
}

void TuiCustomDataController::DeleteRecord(int32_t recordIndex) {
    CheckRecordIndex(recordIndex);
    if (recordIndex == Provider().EditingRecordIndex()) {
        Provider().ForgetEditingRecord();
    }
    if (recordIndex < 0) {
        FDataStorage->RemoveInternalRecord(recordIndex);
    } else {
        DeleteRecordData(recordIndex);
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
    if (FOptions.Contains(dcoInsertOnNewItemRowFocusing) && IsEditingNewItemRow() && !Provider().IsInserting()) {
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
