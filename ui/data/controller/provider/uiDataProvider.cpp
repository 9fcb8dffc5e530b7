#include "ui/data/controller/provider/uiDataProvider.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"

namespace ui {

TuiCustomDataProvider::TuiCustomDataProvider(TuiCustomDataController* dataController)
    : FDataController(*dataController) {}

TuiCustomDataProvider::~TuiCustomDataProvider() {
    FreeSavedRecord();
    if (FCustomDataSource) {
        FCustomDataSource->RemoveProvider(*this);
    }
}

rtl::Variant TuiCustomDataProvider::GetBufferValue(const TuiCustomDataField&) const {
    return rtl::Variant::Null();
}

rtl::AnsiString TuiCustomDataProvider::GetBufferDisplayText(const TuiCustomDataField&) const {
    return {};
}

TuiDataEditState TuiCustomDataProvider::GetEditState() const {
    TuiDataEditState state;
    if (!IsEditing()) {
        return state;
    }
    state.Include(FInserting ? dceInsert : dceEdit);
    if (FChanging) {
        state.Include(dceChanging);
    }
    if (FModified) {
        state.Include(dceModified);
    }
    return state;
}

TuiDataEditOperations TuiCustomDataProvider::GetEditOperations() const {
    TuiDataEditOperations operations;
    const std::pair<bool, TuiDataEditOperation> allowed[] = {
        {CanAppend(), dceoAppend},
        {CanDelete(), dceoDelete},
        {CanModify(), dceoEdit},
        {CanInsert(), dceoInsert},
        {!IsDataSetProvider() || IsSyncMode(), dceoShowEdit},
    };
    for (const auto& [can, operation] : allowed) {
        if (can) {
            operations.Include(operation);
        }
    }
    return operations;
}

bool TuiCustomDataProvider::CanDelete() const {
    return FDataController.GetFilteredRecordCount() > 0;
}

bool TuiCustomDataProvider::ChangeRecord(int32_t recordIndex) {
    FDataController.CheckRecordIndex(recordIndex);
    if (!IsEditing()) {
        DoEdit();
    }
    if (IsEditing()) {
        SetChanging();
    }
    return true;
}

void TuiCustomDataProvider::DoEdit() {
    TuiCustomDataController& controller = FDataController;
    if (controller.IsEditingNewItemRow() && !IsInserting()) {
        Insert();
        return;
    }
    FEditingRecordIndex = controller.GetEditingOrFocusedRecordIndex();
    if (FEditingRecordIndex >= 0) {
        NoteAnchorsOfFocusedRow();
    }
    if (FEditingRecordIndex == uiNoEditingRecordIndex) {
        return;
    }
    if ((!IsDataSetProvider() || controller.IsSmartRefresh()) && !FInserting) {
        SaveRecordCopy(FEditingRecordIndex);
    }
    controller.Change({dccEditedRecord});
}

void TuiCustomDataProvider::NoteAnchorsOfFocusedRow() {
    const TuiCustomDataController& controller = FDataController;
    FAppendAnchor = uiNoEditingRecordIndex;
    FInsertAnchor = uiNoEditingRecordIndex;
    const int32_t focusedRow = controller.GetFocusedRowIndex();
    if (focusedRow < 0) {
        return;
    }
    if (focusedRow != controller.GetRowCount() - 1) {
        FInsertAnchor = controller.GetRowInfo(focusedRow + 1).RecordIndex;
    } else {
        FAppendAnchor = controller.GetRowInfo(focusedRow == 0 ? 0 : focusedRow - 1).RecordIndex;
    }
}

void TuiCustomDataProvider::DoInsert(bool append) {
    TuiCustomDataController& controller = FDataController;
    // An untouched new record stays the one being inserted.
    if (!IsDataSetProvider() && IsInserting() && !FChanging && !FModified) {
        return;
    }
    if (IsEditing() && (FChanging || FModified) && !IsDataSetProvider()) {
        if (FChanging) {
            PostEditingData();
        }
        Post(false);
    }
    controller.DoBeforeInsert();
    controller.LockInfoUpdate();
    try {
        rtl::Variant groupingValues;
        if (controller.UseNewItemRowForEditing()) {
            BeginNewItemRowInsert(groupingValues);
        } else {
            if (!append) {
                controller.ClearSelection();
            }
            FEditingRecordIndex = MakeInsertedRecord(append, groupingValues);
        }
        AssignGroupingValues(FEditingRecordIndex, groupingValues);
        controller.DoNewRecord(FEditingRecordIndex);
        ResetChanging();
        FInserting = true;
    } catch (...) {
        controller.UnlockInfoUpdate();
        throw;
    }
    controller.UnlockInfoUpdate();
    if (FEditingRecordIndex >= 0) {
        controller.ChangeFocusedRecordIndex(FEditingRecordIndex);
    }
    controller.DoAfterInsert();
}

void TuiCustomDataProvider::BeginNewItemRowInsert(rtl::Variant& groupingValues) {
    TuiCustomDataController& controller = FDataController;
    const int32_t focusedRecord = controller.GetFocusedRecordIndex();
    const int32_t neighbour =
        focusedRecord < 0 && controller.GetRowCount() > 0 ? controller.GetRowInfo(0).RecordIndex : focusedRecord;
    FEditingRecordIndex = controller.GetNewItemRecordIndex();
    // Set before the row takes the focus, which would otherwise start this insert again.
    FInserting = true;
    controller.SetNewItemRowFocused(true);
    groupingValues = controller.GetGroupingValues(neighbour);
}

int32_t TuiCustomDataProvider::MakeInsertedRecord(bool append, rtl::Variant& groupingValues) {
    TuiCustomDataController& controller = FDataController;
    if (IsGridMode()) {
        const int32_t focused = controller.GetFocusedRecordIndex();
        groupingValues = controller.GetGroupingValues(focused);
        return focused;
    }
    if (append) {
        const int32_t last = controller.GetLastRowRecordIndex();
        groupingValues = controller.GetGroupingValues(last);
        const int32_t recordIndex = controller.AppendRecord();
        FAppendAnchor = last;
        return recordIndex;
    }
    const int32_t focusedRow = controller.GetFocusedRowIndex();
    const int32_t before = focusedRow < 0 ? 0 : controller.GetRowInfo(focusedRow).RecordIndex;
    groupingValues = controller.GetGroupingValues(before);
    const int32_t recordIndex = controller.InsertRecord(before);
    // The anchor names the record that stood at the place before the insert, now one further.
    FInsertAnchor = before;
    if (before >= recordIndex && FInsertAnchor < controller.GetRecordCount() - 1) {
        ++FInsertAnchor;
    }
    return recordIndex;
}

void TuiCustomDataProvider::AssignGroupingValues(int32_t recordIndex, const rtl::Variant& values) {
    TuiCustomDataController& controller = FDataController;
    const TuiDataControllerGroups& groups = controller.Groups();
    if (groups.GroupingFieldCount() == 0 || !controller.Options().Contains(dcoAssignGroupingValues)) {
        return;
    }
    for (int32_t level = 0; level < groups.GroupingFieldCount(); ++level) {
        controller.SetValue(recordIndex, groups.GroupingItemIndexOfLevel(level), values.ArrayElement(level));
    }
}

void TuiCustomDataProvider::Post(bool force) {
    TuiCustomDataController& controller = FDataController;
    controller.BeginUpdate();
    try {
        UpdateData();
        int32_t recordIndex = uiNoIndex;
        const bool posted = !IsInserting() || FModified || force;
        if (posted) {
            controller.DoBeforePost();
            recordIndex = FEditingRecordIndex;
            if (IsInserting() && controller.UseNewItemRowForEditing()) {
                FDataChangedLocked = controller.IsProviderMode();
                try {
                    recordIndex = controller.AppendRecord();
                } catch (...) {
                    FDataChangedLocked = false;
                    throw;
                }
                FDataChangedLocked = false;
                FInsertedRecordIndex = recordIndex;
                controller.CopyRecord(FEditingRecordIndex, recordIndex);
            }
            ResetEditing();
        } else {
            Cancel();
        }
        controller.RecordChanged(dckRecord, uiNoIndex, recordIndex);
        if (posted) {
            controller.DoAfterPost();
        }
    } catch (...) {
        controller.EndUpdate();
        throw;
    }
    controller.EndUpdate();
}

void TuiCustomDataProvider::Cancel() {
    TuiCustomDataController& controller = FDataController;
    controller.DoBeforeCancel();
    controller.LockInfoUpdate();
    try {
        if (IsEditing() && FEditingRecordIndex < controller.GetRecordCount()) {
            if (FInserting) {
                const int32_t focusedRecord = controller.GetFocusedRecordIndex();
                controller.DeleteRecord(FEditingRecordIndex);
                if (!controller.IsInCancel() && focusedRecord >= controller.GetRecordCount()) {
                    controller.ChangeFocusedRecordIndex(focusedRecord - 1);
                }
            } else if (FSavedRecordIndex != 0) {
                controller.CopyRecord(FSavedRecordIndex, FEditingRecordIndex);
            }
        }
        ResetEditing();
    } catch (...) {
        controller.UnlockInfoUpdate();
        throw;
    }
    controller.UnlockInfoUpdate();
    controller.DoAfterCancel();
}

void TuiCustomDataProvider::PostEditingData() {
    UpdateData();
    ResetChanging();
}

void TuiCustomDataProvider::UpdateData() {
    if (FInUpdateData || !FChanging) {
        return;
    }
    FInUpdateData = true;
    try {
        FDataController.UpdateData();
    } catch (...) {
        FInUpdateData = false;
        throw;
    }
    FInUpdateData = false;
}

bool TuiCustomDataProvider::SetEditValue(int32_t recordIndex, const TuiCustomDataField& field,
                                         const rtl::Variant& value, TuiDataEditValueSource source) {
    const bool emptyText = source == evsText && !value.IsNull() && rtl::VarToAnsiStr(value).empty();
    FDataController.SetValue(recordIndex, field.GetPosition(), emptyText ? rtl::Variant::Null() : value);
    MarkModified();
    return true;
}

rtl::Variant TuiCustomDataProvider::GetEditValue(int32_t recordIndex, const TuiCustomDataField& field,
                                                 TuiDataEditValueSource) {
    if (recordIndex == uiNoEditingRecordIndex) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
    }
    return FDataController.GetFieldValue(recordIndex, field);
}

void TuiCustomDataProvider::BeginDeleting() {
    TuiCustomDataController& controller = FDataController;
    const int32_t focusedRow = controller.GetFocusedRowIndex();
    if (IsGridMode() || focusedRow < 0) {
        return;
    }
    if (controller.MultiSelect() && !controller.IsRowSelected(focusedRow) && controller.GetSelectedRowCount() > 0) {
        controller.SetNearestRecordIndex(controller.GetFocusedRecordIndex());
        return;
    }
    controller.SetNearestRecordIndex(controller.GetRowInfo(controller.GetNearestRowIndex(focusedRow)).RecordIndex);
}

void TuiCustomDataProvider::EndDeleting() {
    FDataController.SetNearestRecordIndex(uiNoIndex);
}

void TuiCustomDataProvider::RunDeletion(const std::function<void()>& work) {
    TuiCustomDataController& controller = FDataController;
    try {
        if (controller.IsProviderMode()) {
            RunSavingState(work);
        } else {
            work();
        }
    } catch (...) {
        controller.SetNearestRecordIndex(controller.GetFocusedRecordIndex());
        throw;
    }
}

void TuiCustomDataProvider::RunSavingState(const std::function<void()>& work) {
    // The source may reload its records: selection and expanded details are found again by key.
    FDataController.BeginSaveState();
    try {
        work();
    } catch (...) {
        FDataController.EndSaveState();
        throw;
    }
    FDataController.EndSaveState();
}

void TuiCustomDataProvider::DeleteFocused() {
    TuiCustomDataController& controller = FDataController;
    const int32_t recordIndex = controller.GetFocusedRecordIndex();
    if (recordIndex < 0) {
        return;
    }
    RunDeletion([&] {
        controller.DoBeforeDelete(recordIndex);
        controller.DeleteRecord(recordIndex);
        controller.FocusNearestRecord();
        controller.DoAfterDelete();
    });
}

void TuiCustomDataProvider::DeleteRecords(std::vector<int32_t> recordIndexes) {
    TuiCustomDataController& controller = FDataController;
    RunDeletion([&] {
        controller.InsideUpdate([&] {
            for (auto position = recordIndexes.rbegin(); position != recordIndexes.rend(); ++position) {
                controller.DoBeforeDelete(*position);
                controller.DeleteRecord(*position);
                controller.DoAfterDelete();
            }
            if (FDeletingSelection) {
                controller.ClearSelection();
            }
        });
        controller.FocusNearestRecord();
    });
}

void TuiCustomDataProvider::DeleteSelection() {
    FDeletingSelection = true;
    try {
        FDataController.DeleteRecordList(FDataController.GetSelectedRecords());
    } catch (...) {
        FDeletingSelection = false;
        throw;
    }
    FDeletingSelection = false;
}

void TuiCustomDataProvider::ResetEditing() {
    // Only the new-item record is edited under a negative index. Its values go, its slot stays: handing the slot to
    // the next internal record (a saved copy, a locate buffer) would show that record's values in the new-item row.
    if (IsEditing() && FEditingRecordIndex < 0) {
        FDataController.DataStorage().ClearInternalRecordValues(FEditingRecordIndex);
    }
    FEditingRecordIndex = uiNoEditingRecordIndex;
    FAppendAnchor = uiNoEditingRecordIndex;
    FInsertAnchor = uiNoEditingRecordIndex;
    FInserting = false;
    ResetChanging();
    ResetModified();
    FreeSavedRecord();
}

void TuiCustomDataProvider::ForgetEditingRecord() {
    FEditingRecordIndex = uiNoEditingRecordIndex;
}

void TuiCustomDataProvider::DataChanged(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex) {
    if (!IsChangesHeld()) {
        FDataController.RecordChanged(kind, itemIndex, recordIndex);
    }
    if (FDataChangedLocked) {
        ResetChanging();
    } else {
        ResetEditing();
    }
}

void TuiCustomDataProvider::SaveRecordCopy(int32_t recordIndex) {
    if (FSavedRecordIndex == 0) {
        FSavedRecordIndex = FDataController.DataStorage().AppendInternalRecord();
    }
    FDataController.CopyRecord(recordIndex, FSavedRecordIndex);
}

void TuiCustomDataProvider::FreeSavedRecord() {
    if (FSavedRecordIndex != 0) {
        FDataController.DataStorage().RemoveInternalRecord(FSavedRecordIndex);
        FSavedRecordIndex = 0;
    }
}

} // namespace ui
