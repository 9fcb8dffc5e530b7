// TuiCustomDataController: update locking, and the collection and delivery of changes.

#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataFocusingInfo.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"

#include <utility>

namespace ui {

void TuiCustomDataController::BeginUpdate() {
    LockInfoUpdate();
}

void TuiCustomDataController::EndUpdate() {
    UnlockInfoUpdate();
}

void TuiCustomDataController::LockInfoUpdate() {
    FInfo->BeginUpdate();
}

void TuiCustomDataController::UnlockInfoUpdate() {
    FInfo->EndUpdate();
    CheckChanges();
}

int32_t TuiCustomDataController::GetInfoLockCount() const {
    return FInfo->LockCount();
}

bool TuiCustomDataController::IsRowInfoValid() const {
    return !FInfo->IsInCalculation();
}

void TuiCustomDataController::InsideUpdate(const std::function<void()>& work) {
    BeginUpdate();
    try {
        work();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomDataController::Change(TuiDataControllerChanges changes) {
    FChanges += changes;
    CheckChanges();
}

void TuiCustomDataController::CheckChanges() {
    // A recalculation hands over what it caused when it ends.
    if (!FInfo || FInfo->LockCount() != 0 || FInfo->IsInCalculation()) {
        return;
    }
    BeforeNotifyChanges();
    if (FChanges.IsEmpty()) {
        return;
    }
    // A structure check made inside the lock runs now; it may deliver what is pending itself.
    if (std::exchange(FStructureChanged, false)) {
        StructureChanged();
    }
    if (!FChanges.IsEmpty()) {
        DeliverChanges(std::exchange(FChanges, {}));
    }
}

void TuiCustomDataController::BeforeNotifyChanges() {}

void TuiCustomDataController::RecordChanged(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex) {
    MergeDataChange(kind, itemIndex, recordIndex);
    ResetMasterDetailAnswers();
    if (kind == dckAllData) {
        UpdateStructure(false);
        return;
    }
    if (kind == dckRecordsAdded || kind == dckRecordsRemoved) {
        FInfo->PrevFocusChanged();
    }
    FInfo->DataChanged();
}

void TuiCustomDataController::ReportAllDataChanged() {
    MergeDataChange(dckAllData, uiNoIndex, uiNoIndex);
    ResetMasterDetailAnswers();
    FInfo->DataChanged();
}

void TuiCustomDataController::ResetMasterDetailAnswers() {
    // The master's remembered answers about this detail's records may be wrong now.
    if (FMasterRelation && (IsProviderMode() || Provider().IsDataSetProvider()) && !Provider().IsEditing()) {
        GetMasterDataController()->ResetDetailsHasChildren();
    }
}

void TuiCustomDataController::MergeDataChange(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex) {
    // A pending change only widens until it is delivered: one item, that record, or everything. Narrowing it to the
    // latest call would have a view repaint one cell of a table whose records were added or all changed.
    TPendingDataChange& pending = FPendingDataChange;
    if (!pending.Collected) {
        pending = {kind, itemIndex, recordIndex, true};
        return;
    }
    if (pending.Kind == dckAllData) {
        return;
    }
    const bool valuesPending = pending.Kind <= dckRecord;
    const bool valuesChanged = kind <= dckRecord;
    if (valuesPending && valuesChanged && recordIndex == pending.RecordIndex && IsRealRecordIndex(recordIndex)) {
        if (kind == dckItem && pending.Kind == dckItem && itemIndex == pending.ItemIndex) {
            return;
        }
        pending = {dckRecord, uiNoIndex, recordIndex, true};
        return;
    }
    if (!valuesPending && kind == pending.Kind) {
        return;
    }
    pending = {dckAllData, uiNoIndex, uiNoIndex, true};
}

void TuiCustomDataController::DeliverChanges(TuiDataControllerChanges changes) {
    if (changes.Contains(dccData)) {
        DeliverDataChange();
    } else if (!(changes * TuiDataControllerChanges{dccLayout, dccDetail, dccSummary}).IsEmpty()) {
        SendNotice(std::make_unique<TuiLayoutChangedInfo>());
    } else if (changes.Contains(dccEditedRecord)) {
        SendNotice(std::make_unique<TuiUpdateRecordInfo>(GetFocusedRecordIndex()));
        Search().Cancel();
    }
    if (changes.Contains(dccFocus)) {
        SendFocusNotices();
    }
    if (changes.Contains(dccSelection)) {
        SendSelectionNotice();
    }
    if (changes.Contains(dccSearch)) {
        SendNotice(std::make_unique<TuiSearchChangedInfo>());
    }
    if (changes.Contains(dccBookmark)) {
        SendNotice(std::make_unique<TuiBookmarkChangedInfo>());
    }
    if (changes.Contains(dccGroupingChanged)) {
        FireGroupingChanged();
    }
    if (changes.Contains(dccSortingChanged)) {
        FireSortingChanged();
    }
    if (changes.Contains(dccMasterRecordChanged) && GetTemplateState() == 2) {
        if (TuiCustomDataController* pattern = GetPatternDataController()) {
            pattern->UpdateFocusingAfterLocate();
        }
    }
}

void TuiCustomDataController::DeliverDataChange() {
    TPendingDataChange& pending = FPendingDataChange;
    if (pending.Kind == dckItem && pending.ItemIndex == uiNoIndex) {
        pending.Kind = dckRecord;
    }
    if (pending.Kind <= dckRecord && !IsRealRecordIndex(pending.RecordIndex)) {
        pending.Kind = dckAllData;
    }
    auto info = std::make_unique<TuiDataChangedInfo>();
    info->SetChange(pending.Kind, pending.ItemIndex, pending.RecordIndex);
    try {
        SendNotice(std::move(info));
        DoDataChanged();
    } catch (...) {
        FPendingDataChange = {};
        throw;
    }
    FPendingDataChange = {};
}

void TuiCustomDataController::SendFocusNotices() {
    const TuiDataFocusingInfo& previous = FInfo->PrevFocusingInfo();
    const int32_t previousRow = previous.RowIndex();
    const int32_t previousRecord = previous.RecordedRecordIndex();
    const bool newItemRowChanged = previous.NewItemRowChanged();
    const int32_t focusedRow = FInfo->GetFocusedRowIndex();
    const int32_t focusedRecord = FInfo->GetFocusedRecordIndex();
    // The previous focus is what the next notices compare with, also when the view raises.
    FInfo->PrevFocusingInfo().Assign(FInfo->FocusingInfo());
    if (previousRow != focusedRow) {
        SendNotice(std::make_unique<TuiFocusedRowChangedInfo>(previousRow, focusedRow));
    }
    if (previousRecord >= 0 || focusedRecord >= 0 || newItemRowChanged) {
        SendNotice(std::make_unique<TuiFocusedRecordChangedInfo>(previousRecord, focusedRecord, previousRow, focusedRow,
                                                                 newItemRowChanged));
        Search().Cancel();
    }
}

void TuiCustomDataController::SendSelectionNotice() {
    const int32_t selectedCount = GetSelectedRowCount();
    FSelectionChange.SelectedCount = selectedCount;
    int32_t previousRow = uiNoIndex;
    int32_t currentRow = uiNoIndex;
    if (selectedCount <= 1) {
        FSelectionChange.RowIndex = selectedCount == 1 ? GetSelectedRowIndex(0) : uiNoIndex;
        if (FPrevSelectionChange.SelectedCount <= 1) {
            previousRow = FPrevSelectionChange.SelectedCount == 1 ? FPrevSelectionChange.RowIndex : uiNoIndex;
            currentRow = FSelectionChange.RowIndex;
        }
    }
    FPrevSelectionChange = FSelectionChange;
    SendNotice(std::make_unique<TuiSelectionChangedInfo>(previousRow, currentRow));
}

void TuiCustomDataController::UpdatePrevSelectionChange() {
    if (FPrevSelectionChange.SelectedCount != 1) {
        return;
    }
    FPrevSelectionChange.SelectedCount = GetSelectedRowCount();
    FPrevSelectionChange.RowIndex = FPrevSelectionChange.SelectedCount == 1 ? GetSelectedRowIndex(0) : uiNoIndex;
}

void TuiCustomDataController::SendGroupingChangingNotice() {
    SendNotice(std::make_unique<TuiGroupingChangingInfo>());
}

void TuiCustomDataController::FireGroupingChanged() {
    if (!IsReading() && FOnGroupingChanged) {
        FOnGroupingChanged(this);
    }
}

void TuiCustomDataController::FireSortingChanged() {
    if (IsReading() || FInSortingChanged || !FOnSortingChanged) {
        return;
    }
    FInSortingChanged = true;
    try {
        FOnSortingChanged(this);
    } catch (...) {
        FInSortingChanged = false;
        throw;
    }
    FInSortingChanged = false;
}

void TuiCustomDataController::SendNotice(std::unique_ptr<TuiUpdateControlInfo> info) {
    const bool wasNotifying = std::exchange(FInControlNotification, true);
    try {
        NotifyControl(*info);
    } catch (...) {
        FInControlNotification = wasNotifying;
        throw;
    }
    FInControlNotification = wasNotifying;
}

void TuiCustomDataController::NotifyControl(TuiUpdateControlInfo& info) {
    if (FControlNotification) {
        FControlNotification(info);
    }
}

void TuiCustomDataController::DoDataChanged() {
    if (IsDestroying() || (!FOnDataChanged && !FOnRecordChanged && !HasDataChangedListeners())) {
        return;
    }
    if (IsLoading()) {
        FDeferredDataChanged = true;
        return;
    }
    FDeferredDataChanged = false;
    const TPendingDataChange pending = FPendingDataChange;
    if ((pending.Kind == dckItem || pending.Kind == dckRecord) && IsRealRecordIndex(pending.RecordIndex) &&
        FOnRecordChanged) {
        FOnRecordChanged(*this, pending.RecordIndex, pending.ItemIndex);
    }
    if (FOnDataChanged) {
        FOnDataChanged(this);
    }
    CallDataChangedListeners();
}

void TuiCustomDataController::CheckDeferredChanges() {
    if (FDeferredDataChanged) {
        DoDataChanged();
    }
    if (FDeferredAfterSummary) {
        Summary().DoAfterSummary();
    }
}

void TuiCustomDataController::SummaryChanged(bool redrawOnly) {
    // The summary is made before the row information.
    if (FInfo) {
        FInfo->SummaryChanged(redrawOnly);
    }
}

} // namespace ui
