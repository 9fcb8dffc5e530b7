// TuiCustomDataControllerInfo: the focus, which follows its record; expansion; and the selection of rows.

#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataFocusingInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"

#include <algorithm>

namespace ui {

void TuiCustomDataControllerInfo::ChangeFocusedRow(int32_t row, bool force) {
    row = std::clamp(row, -1, GetRowCount() - 1);
    if (row == FFocusingInfo->RowIndex()) {
        return;
    }
    FFocusingInProgress = true;
    if (!FChangeMask.Contains(dcicFocus)) {
        FPrevFocusingInfo->Assign(*FFocusingInfo);
    }
    bool allowed = false;
    try {
        allowed = force || CanFocusRow(row);
        if (allowed) {
            FDataController.FocusedRowChanging(row);
            FFocusingInfo->SetRowIndex(row);
        }
    } catch (...) {
        FinishFocusChange(allowed);
        throw;
    }
    FinishFocusChange(allowed);
}

void TuiCustomDataControllerInfo::FinishFocusChange(bool allowed) {
    const int32_t rowCount = GetRowCount();
    for (TuiDataFocusingInfo* info : {FPrevFocusingInfo.get(), FFocusingInfo.get()}) {
        if (info->RowIndex() >= rowCount) {
            info->SetRowIndex(-1);
        }
    }
    try {
        if (allowed || FPrevFocusingInfo->RowIndex() != -1) {
            FFocusingInfo->UpdateFromRow();
            const int32_t row = FFocusingInfo->RowIndex();
            if (row != -1 && GetRowInfo(row).RecordIndex != FFocusingInfo->RecordIndex()) {
                const int32_t recordRow = GetFocusedRowIndexFromRecord(false);
                FFocusingInfo->SetRowIndex(recordRow < GetRowCount() ? recordRow : -1);
            }
        }
        if (!FFocusingInfo->IsEqual(*FPrevFocusingInfo)) {
            FChangeMask += {dcicFocus, dcicPrevFocus};
            if (FDataController.IsSingleSelect() && SummaryOptions().Contains(soSelectedRecords)) {
                FChangeMask.Include(dcicSummary);
            }
            FDataController.DoAfterFocusedRecordChanged();
            FDataController.FFocusedSelected = true;
        }
    } catch (...) {
        FFocusingInProgress = false;
        throw;
    }
    FFocusingInProgress = false;
}

void TuiCustomDataControllerInfo::ResetAndFocusRow(int32_t row) {
    FFocusingInfo->Reset();
    ChangeFocusedRow(row, false);
}

void TuiCustomDataControllerInfo::FocusRowLocked(int32_t row) {
    FDataController.InsideUpdate([&] { ChangeFocusedRow(row, false); });
}

bool TuiCustomDataControllerInfo::CanFocusRow(int32_t row) {
    const int32_t recordIndex = row == -1 ? -1 : GetRowInfo(row).RecordIndex;
    FInFocusCheck = true;
    bool allowed = false;
    try {
        allowed = FDataController.CanFocusRecord(recordIndex);
    } catch (...) {
        FInFocusCheck = false;
        throw;
    }
    FInFocusCheck = false;
    return allowed;
}

int32_t TuiCustomDataControllerInfo::GetFocusedRowIndex() const {
    return FFocusingInfo->RowIndex();
}

int32_t TuiCustomDataControllerInfo::GetFocusedRecordIndex() const {
    const int32_t row = FFocusingInfo->RowIndex();
    return row < 0 || row >= GetRowCount() ? -1 : GetRowInfo(row).RecordIndex;
}

int32_t TuiCustomDataControllerInfo::GetPrevFocusedRowIndex() const {
    return FPrevFocusingInfo->RowIndex();
}

int32_t TuiCustomDataControllerInfo::GetPrevFocusedRecordIndex() const {
    return FPrevFocusingInfo->RecordedRecordIndex();
}

bool TuiCustomDataControllerInfo::IsPrevFocusChanged() const {
    return FPrevFocusingInfo->NewItemRowChanged();
}

int32_t TuiCustomDataControllerInfo::GetFocusedRowIndexFromRecord(bool keepCollapsed) {
    const int32_t recordIndex = FFocusingInfo->RecordIndex();
    const int32_t position = recordIndex < 0 ? -1 : IndexOfRecord(recordIndex);
    if (position < 0 || !IsGrouped()) {
        return position;
    }
    const int32_t groupIndex = FGroups->FindGroupOfRecordListIndex(position, FGroups->LevelCount() - 1);
    if (groupIndex < 0) {
        return -1;
    }
    return keepCollapsed ? RowOfFocusedRecordKeepingCollapsed(groupIndex, position)
                         : RowOfFocusedRecordExpanding(groupIndex, position);
}

int32_t TuiCustomDataControllerInfo::RowOfFocusedRecordKeepingCollapsed(int32_t groupIndex, int32_t position) {
    const TuiDataGroupInfo& group = FGroups->GetItem(groupIndex);
    const int32_t visibleIndex = FGroups->GetVisibleGroup(group.RowIndex, groupIndex);
    int32_t level = FFocusingInfo->Level();
    if (level == FGroups->LevelCount()) {
        if (visibleIndex == groupIndex && group.Expanded) {
            return group.RowIndex + position - group.Begin + 1;
        }
        level = FGroups->LevelCount() - 1;
    }
    // Without a level (the provider moved the focus) the record's visible group row holds it.
    if (level < 0) {
        return FGroups->GetItem(visibleIndex).RowIndex;
    }
    for (int32_t index = groupIndex; index >= 0; --index) {
        if (FGroups->GetLevel(index) == level) {
            return FGroups->GetItem(index).RowIndex;
        }
    }
    return -1;
}

int32_t TuiCustomDataControllerInfo::RowOfFocusedRecordExpanding(int32_t groupIndex, int32_t position) {
    const int32_t level = FFocusingInfo->Level();
    const bool groupRowFocused = level >= -1 && level < FGroups->LevelCount();
    if (!groupRowFocused || position != FGroups->GetItem(groupIndex).Begin) {
        return GetDataRowIndex(groupIndex, position, true);
    }
    // The record begins its group: the focused group row is the group of that level that begins with it.
    int32_t index = groupIndex;
    while (FGroups->GetLevel(index) > level && index > 0 && FGroups->GetLevel(index - 1) < FGroups->GetLevel(index)) {
        --index;
    }
    if (FGroups->MakeVisible(index, false)) {
        ExpandingChanged();
    }
    return FGroups->GetItem(index).RowIndex;
}

void TuiCustomDataControllerInfo::CheckFocusedRow() {
    const int32_t row = GetFocusedRowIndexFromRecord(true);
    if (row == GetFocusedRowIndex()) {
        return;
    }
    if (FDataController.IsSmartRefresh()) {
        ResetAndFocusRow(row);
    } else {
        ChangeFocusedRow(row, false);
    }
}

void TuiCustomDataControllerInfo::CorrectFocusedRow() {
    const int32_t recordRow = GetFocusedRowIndexFromRecord(false);
    const int32_t focusedRow = FFocusingInfo->RowIndex();
    const bool focusedRowLost = focusedRow < 0 || focusedRow >= GetRowCount() ||
                                GetRowInfo(focusedRow).RecordIndex != FFocusingInfo->RecordIndex();
    if (recordRow != focusedRow && focusedRowLost) {
        ChangeFocusedRow(recordRow, true);
    }
    if (FChangeMask.Contains(dcicFocus) && FPrevFocusingInfo->RowIndex() >= GetRowCount()) {
        FPrevFocusingInfo->SetRowIndex(-1);
    }
    // A filter that took the focused record away leaves the focus on the first row.
    if (FDataController.FFilterChanged && FFocusingInfo->RowIndex() == -1) {
        FDataController.FFilterChanged = false;
        ResetAndFocusRow(0);
    }
}

void TuiCustomDataControllerInfo::ChangeExpanding(int32_t row, bool expanded, bool recursive) {
    CheckRowIndex(row);
    if (IsExpansionFixed()) {
        return;
    }
    const int32_t focusedRow = GetFocusedRowIndex();
    if (!expanded && focusedRow != -1 && FDataController.Groups().IsRowInGroup(focusedRow, row)) {
        FDataController.CheckFocusedRow();
    }
    FGroups->SetExpanded(row, expanded, recursive);
    ExpandingChanged();
    if (expanded) {
        CheckChanges();
    } else {
        CheckFocusedRowLocked();
    }
}

void TuiCustomDataControllerInfo::FullExpand() {
    if (IsExpansionFixed()) {
        return;
    }
    FGroups->SetAllExpanded(true);
    ExpandingChanged();
    CheckChanges();
}

void TuiCustomDataControllerInfo::FullCollapse() {
    if (IsExpansionFixed()) {
        return;
    }
    FGroups->SetAllExpanded(false);
    ExpandingChanged();
    CheckFocusedRowLocked();
}

bool TuiCustomDataControllerInfo::IsExpansionFixed() const {
    return !IsGrouped() || FDataController.Options().Contains(dcoGroupsAlwaysExpanded);
}

void TuiCustomDataControllerInfo::CheckFocusedRowLocked() {
    // The focus moves off the collapsed rows before the recalculation reports the collapse.
    BeginUpdate();
    try {
        CheckFocusedRow();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomDataControllerInfo::ChangeRowSelection(int32_t row, bool selected) {
    CheckRowIndex(row);
    int32_t position = 0;
    if (Selection().FindByRowIndex(row, position)) {
        if (!selected) {
            Selection().Delete(position);
        }
    } else if (selected && FDataController.CanSelectRow(row)) {
        const TuiRowInfo info = GetRowInfo(row);
        if (IsGrouped() && info.Level < FGroups->LevelCount()) {
            Selection().Add(position, row, -1, FGroups->GetGroupIndexByRowIndex(row, -1));
        } else {
            Selection().Add(position, row, info.Level, info.RecordIndex);
        }
    }
    CheckChanges();
}

int32_t TuiCustomDataControllerInfo::GetSelectedCount() const {
    return Selection().GetCount();
}

int32_t TuiCustomDataControllerInfo::GetSelectedRowIndex(int32_t index) const {
    return Selection().GetEntry(index).RowIndex;
}

bool TuiCustomDataControllerInfo::IsRowSelected(int32_t row) const {
    CheckRowIndex(row);
    return Selection().IsRowSelected(row);
}

void TuiCustomDataControllerInfo::ClearSelection() {
    Selection().Clear();
    CheckChanges();
}

void TuiCustomDataControllerInfo::ClearSelectionAnchor() {
    Selection().ClearAnchor();
}

void TuiCustomDataControllerInfo::CheckSelectionRange() {
    if (Selection().GetCount() == 0) {
        return;
    }
    const int32_t recordCount = FDataController.GetRecordCount();
    if (recordCount == 0) {
        Selection().ClearAll();
        return;
    }
    for (int32_t position = Selection().GetCount() - 1; position >= 0; --position) {
        if (Selection().GetEntry(position).Index >= recordCount) {
            Selection().Delete(position);
        }
    }
}

} // namespace ui
