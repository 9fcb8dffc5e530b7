// TuiCustomDataController: rows, the focus, the selection and the bookmark, all kept by the row information.

#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"

#include <algorithm>
#include <utility>

namespace ui {

int32_t TuiCustomDataController::GetRowCount() const {
    return FInfo->GetRowCount();
}

TuiRowInfo TuiCustomDataController::GetRowInfo(int32_t rowIndex) const {
    return FInfo->GetRowInfo(rowIndex);
}

int32_t TuiCustomDataController::GetRowIndexByRecordIndex(int32_t recordIndex, bool expand) {
    CheckRecordIndex(recordIndex);
    return FInfo->GetRowIndexByRecordIndex(recordIndex, expand);
}

int32_t TuiCustomDataController::GetNearestRowIndex(int32_t rowIndex) const {
    return FInfo->GetNeighbourRowIndex(rowIndex);
}

rtl::Variant TuiCustomDataController::GetRowValue(const TuiRowInfo& rowInfo, int32_t itemIndex) {
    const int32_t groupingLevels = FGroups->GroupingFieldCount();
    if (rowInfo.RecordIndex != FNewItemRecordIndex && rowInfo.Level < groupingLevels) {
        itemIndex = FGroups->GroupingItemIndexOfLevel(rowInfo.Level);
    }
    return GetValue(rowInfo.RecordIndex, itemIndex);
}

rtl::AnsiString TuiCustomDataController::GetRowDisplayText(const TuiRowInfo& rowInfo, int32_t itemIndex) {
    const int32_t groupingLevels = FGroups->GroupingFieldCount();
    if (rowInfo.RecordIndex != FNewItemRecordIndex && rowInfo.Level < groupingLevels) {
        itemIndex = FGroups->GroupingItemIndexOfLevel(rowInfo.Level);
    }
    return GetDisplayText(rowInfo.RecordIndex, itemIndex);
}

int32_t TuiCustomDataController::ForEachRow(bool selectedOnly, const TuiForEachRowProc& proc) {
    const int32_t count = selectedOnly ? GetSelectedRowCount() : GetRowCount();
    int32_t result = GetRowCount();
    for (int32_t index = 0; index < count; ++index) {
        const int32_t rowIndex = selectedOnly ? GetSelectedRowIndex(index) : index;
        result = proc(rowIndex, GetRowInfo(rowIndex));
    }
    return result;
}

int32_t TuiCustomDataController::GetLastRowRecordIndex() const {
    const int32_t rowCount = GetRowCount();
    return rowCount == 0 ? uiNoIndex : GetRowInfo(rowCount - 1).RecordIndex;
}

int32_t TuiCustomDataController::GetFilteredRecordCount() const {
    return FInfo->GetRecordListCount();
}

int32_t TuiCustomDataController::GetFilteredRecordIndex(int32_t position) const {
    return FInfo->GetRecordListItem(position);
}

int32_t TuiCustomDataController::GetFilteredIndexByRecordIndex(int32_t recordIndex) const {
    return FInfo->IndexOfRecord(recordIndex);
}

int32_t TuiCustomDataController::GetFocusedRowIndex() const {
    return FInfo->GetFocusedRowIndex();
}

int32_t TuiCustomDataController::GetFocusedRecordIndex() const {
    return FInfo->GetFocusedRecordIndex();
}

int32_t TuiCustomDataController::GetFocusedRecord() const {
    return GetFocusedRecordIndex();
}

int32_t TuiCustomDataController::GetFocusedRecordIndexFromProvider() const {
    return GetFocusedRecordIndex();
}

bool TuiCustomDataController::ChangeFocusedRowIndex(int32_t rowIndex) {
    if (rowIndex >= 0 && FNewItemRowFocused) {
        SetNewItemRowFocused(false);
    }
    if (rowIndex != GetFocusedRowIndex()) {
        NotifyDetailsFocusChanging();
    }
    const int32_t previousRow = GetFocusedRowIndex();
    FInfo->ChangeFocusedRow(rowIndex, false);
    // In single-select mode the focused row is the selection.
    if (GetFocusedRowIndex() != previousRow && IsSingleSelect()) {
        FInfo->SelectionChanged();
    }
    FInfo->CheckChanges();
    return true;
}

bool TuiCustomDataController::ChangeFocusedRecordIndex(int32_t recordIndex) {
    return ChangeFocusedRowIndex(recordIndex < 0 ? uiNoIndex : FInfo->GetRowIndexByRecordIndex(recordIndex, true));
}

void TuiCustomDataController::EnsureRowFocused() {
    if (GetFocusedRowIndex() == uiNoIndex) {
        ChangeFocusedRowIndex(0);
    }
}

void TuiCustomDataController::GotoFirst() {
    if (IsProviderNavigation()) {
        Provider().First();
        return;
    }
    ChangeFocusedRowIndex(0);
}

void TuiCustomDataController::GotoLast() {
    if (IsProviderNavigation()) {
        Provider().Last();
        return;
    }
    ChangeFocusedRowIndex(GetRowCount() - 1);
}

bool TuiCustomDataController::IsFirstRowFocused() const {
    if (IsProviderNavigation()) {
        return Provider().IsBOF();
    }
    return GetRowCount() == 0 || GetFocusedRowIndex() == 0;
}

bool TuiCustomDataController::IsLastRowFocused() const {
    if (IsProviderNavigation()) {
        return Provider().IsEOF();
    }
    return GetRowCount() == 0 || GetFocusedRowIndex() == GetRowCount() - 1;
}

void TuiCustomDataController::UpdateFocusingAfterLocate() {
    InsideUpdate([this] { FInfo->CheckFocusedRow(); });
}

void TuiCustomDataController::RefreshFocusing() {
    UpdateFocusingAfterLocate();
}

bool TuiCustomDataController::CanFocusRecord(int32_t recordIndex) {
    if (!Provider().IsDataSetProvider() && recordIndex != Provider().EditingRecordIndex()) {
        PostEditingIfActive();
    }
    return true;
}

void TuiCustomDataController::FocusNearestRecord() {
    if (FNearestRecordIndex == uiNoIndex) {
        if (FInfo->LockCount() == 0 && GetFocusedRecordIndex() == uiNoIndex) {
            ChangeFocusedRecordIndex(GetLastRowRecordIndex());
        }
    } else if (FNearestRecordIndex < GetRecordCount()) {
        ChangeFocusedRecordIndex(FNearestRecordIndex);
    }
}

bool TuiCustomDataController::FocusSelectedRow(int32_t index) {
    const int32_t rowIndex = GetSelectedRowIndex(index);
    ChangeFocusedRowIndex(rowIndex);
    return GetFocusedRowIndex() == rowIndex;
}

int32_t TuiCustomDataController::GetSelectedRowCount() const {
    if (!IsSingleSelect()) {
        return FInfo->GetSelectedCount();
    }
    return FFocusedSelected && GetFocusedRowIndex() != uiNoIndex ? 1 : 0;
}

int32_t TuiCustomDataController::GetSelectedRowIndex(int32_t index) const {
    if (!IsSingleSelect()) {
        return FInfo->GetSelectedRowIndex(index);
    }
    return index == 0 && FFocusedSelected ? GetFocusedRowIndex() : uiNoIndex;
}

bool TuiCustomDataController::IsRowSelected(int32_t rowIndex) const {
    if (!IsSingleSelect()) {
        return FInfo->IsRowSelected(rowIndex);
    }
    return FFocusedSelected && rowIndex == GetFocusedRowIndex();
}

void TuiCustomDataController::ChangeRowSelection(int32_t rowIndex, bool selected) {
    if (!IsSingleSelect()) {
        FInfo->ChangeRowSelection(rowIndex, selected);
    }
}

void TuiCustomDataController::SelectRowRange(int32_t fromRowIndex, int32_t toRowIndex) {
    if (IsSingleSelect()) {
        return;
    }
    if (fromRowIndex > toRowIndex) {
        std::swap(fromRowIndex, toRowIndex);
    }
    InsideUpdate([&] {
        for (int32_t rowIndex = fromRowIndex; rowIndex <= toRowIndex; ++rowIndex) {
            ChangeRowSelection(rowIndex, true);
        }
    });
}

void TuiCustomDataController::SelectAll() {
    if (GetRowCount() > 0) {
        SelectRowRange(0, GetRowCount() - 1);
    }
}

void TuiCustomDataController::ClearSelection() {
    FInfo->ClearSelection();
}

void TuiCustomDataController::SetSelectionAnchor(int32_t rowIndex) {
    FInfo->CheckRowIndex(rowIndex);
    FInfo->Selection().SetAnchorRowIndex(rowIndex);
}

int32_t TuiCustomDataController::GetSelectionAnchorRowIndex() const {
    return FInfo->Selection().AnchorRowIndex();
}

bool TuiCustomDataController::IsSelectionAnchorSet() const {
    return GetSelectionAnchorRowIndex() != uiNoIndex;
}

void TuiCustomDataController::ClearSelectionAnchor() {
    FInfo->ClearSelectionAnchor();
}

void TuiCustomDataController::SelectFromAnchor(int32_t rowIndex, bool keep) {
    if (!IsSelectionAnchorSet()) {
        return;
    }
    InsideUpdate([&] {
        if (!keep) {
            ClearSelection();
        }
        SelectRowRange(GetSelectionAnchorRowIndex(), rowIndex);
    });
}

void TuiCustomDataController::SyncSelectionWithFocus() {
    const int32_t focusedRow = GetFocusedRowIndex();
    if (focusedRow == uiNoIndex) {
        ClearSelection();
        return;
    }
    SetSelectionAnchor(focusedRow);
    SelectFromAnchor(focusedRow, false);
}

void TuiCustomDataController::SelectFocusedRow() {
    if (IsSingleSelect()) {
        return;
    }
    InsideUpdate([&] {
        ClearSelection();
        if (GetFocusedRowIndex() != uiNoIndex) {
            ChangeRowSelection(GetFocusedRowIndex(), true);
        }
    });
}

void TuiCustomDataController::SetMultiSelect(bool multiSelect) {
    if (multiSelect == FMultiSelect) {
        return;
    }
    FMultiSelect = multiSelect;
    FFocusedSelected = true;
    InsideUpdate([&] {
        if (!multiSelect) {
            ClearSelection();
        } else if (GetFocusedRowIndex() != uiNoIndex) {
            ChangeRowSelection(GetFocusedRowIndex(), true);
        }
    });
    const TuiSummaryOptions options = Summary().Options();
    if (options.Contains(soSelectedRecords) || options.Contains(soMultipleSelectedRecords)) {
        Summary().RequestRecalculation(false);
    }
}

void TuiCustomDataController::SetFocusedSelected(bool focusedSelected) {
    if (focusedSelected == FFocusedSelected) {
        return;
    }
    FFocusedSelected = focusedSelected;
    if (IsSingleSelect() && GetFocusedRowIndex() != uiNoIndex) {
        FPrevSelectionChange = {1, GetFocusedRowIndex()};
        Change({dccSelection});
    }
}

rtl::Variant TuiCustomDataController::GetSelectedRowIndexAsVariant(int32_t index) const {
    return rtl::Variant(index);
}

bool TuiCustomDataController::SaveBookmark() {
    const int32_t focusedRecord = GetFocusedRecordIndex();
    if (focusedRecord == FBookmarkRecordIndex) {
        return false;
    }
    FBookmarkRecordIndex = focusedRecord;
    return true;
}

void TuiCustomDataController::SaveBookmarkAndNotify() {
    if (SaveBookmark()) {
        Change({dccBookmark});
    }
}

bool TuiCustomDataController::GotoBookmark() {
    return ChangeFocusedRecordIndex(FBookmarkRecordIndex);
}

bool TuiCustomDataController::GotoBookmarkIfAvailable() {
    return IsBookmarkAvailable() && GotoBookmark();
}

bool TuiCustomDataController::IsBookmarkAvailable() const {
    return FBookmarkRecordIndex != uiNoIndex;
}

bool TuiCustomDataController::IsBookmarkRow(int32_t rowIndex) const {
    return IsBookmarkAvailable() && GetRowInfo(rowIndex).RecordIndex == FBookmarkRecordIndex;
}

void TuiCustomDataController::ClearBookmark() {
    FBookmarkRecordIndex = uiNoIndex;
}

void TuiCustomDataController::ResetBookmark() {
    const bool wasSet = IsBookmarkAvailable();
    ClearBookmark();
    if (wasSet) {
        Change({dccBookmark});
    }
}

bool TuiCustomDataController::IsBookmarkLost(int32_t recordIndex) const {
    // A record beyond the count is gone even while the rows still list it.
    return (recordIndex != uiNoIndex && recordIndex == FBookmarkRecordIndex) ||
           FBookmarkRecordIndex >= GetRecordCount() || GetFilteredIndexByRecordIndex(FBookmarkRecordIndex) == uiNoIndex;
}

void TuiCustomDataController::CheckBookmarkValid(int32_t recordIndex) {
    if (IsBookmarkAvailable() && IsBookmarkLost(recordIndex)) {
        ClearBookmark();
        Change({dccBookmark});
    }
}

} // namespace ui
