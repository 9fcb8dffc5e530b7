// TuiCustomDataControllerInfo: the expanded groups and the selection kept across a rebuild. Before the record list
// and the groups are rebuilt, the expanded and selected groups are saved by their key values; afterwards they are
// found again by those values and the selected rows are placed on the rows their records now have.

#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataControllerLocate.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"

#include <algorithm>

namespace ui {

namespace {

bool IsRowOrderBefore(const TuiDataSelectionEntry& a, const TuiDataSelectionEntry& b) {
    return a.RowIndex < b.RowIndex;
}

} // namespace

void TuiCustomDataControllerInfo::PrepareExpandingSave() {
    const bool saveExpanding = FDataController.Options().Contains(dcoSaveExpanding);
    const bool anySelected = Selection().GetCount() > 0;
    TuiDataExpandingStates saveMode;
    if (saveExpanding && !(FChangeMask * TuiDataControllerInfoChanges{dcicRecordList, dcicGrouping}).IsEmpty()) {
        saveMode.Include(desExpanded);
    }
    if (anySelected &&
        !(FChangeMask * TuiDataControllerInfoChanges{dcicRecordList, dcicGrouping, dcicSorting, dcicExpanding})
             .IsEmpty()) {
        saveMode.Include(desSelected);
    }
    SaveExpanding(saveMode);
}

void TuiCustomDataControllerInfo::SaveExpanding(TuiDataExpandingStates saveMode) {
    if (saveMode == FExpandingInfos->SaveMode()) {
        return;
    }
    FExpandingInfos->Clear();
    FExpandingInfos->SetSaveMode(saveMode);
    if (saveMode.IsEmpty() || !GroupsBuiltForGroupingList() || FDataController.GetRecordCount() == 0) {
        return;
    }
    for (int32_t level = 0; level < FGroups->LevelCount(); ++level) {
        FExpandingInfos->AddField(FGroups->GetField(level));
    }
    // The visible groups, and the children of expanded ones: a collapsed group hides its subtree.
    int32_t depth = 0;
    for (int32_t index = 0; index < FGroups->GroupCount(); ++index) {
        const TuiDataGroupInfo& group = FGroups->GetItem(index);
        if (group.Level > depth) {
            continue;
        }
        if (group.Expanded || saveMode.Contains(desSelected)) {
            SaveGroupState(index, saveMode);
        }
        depth = group.Expanded ? group.Level + 1 : group.Level;
    }
}

void TuiCustomDataControllerInfo::SaveGroupState(int32_t groupIndex, TuiDataExpandingStates saveMode) {
    const int32_t recordIndex = GetRecordListItem(FGroups->GetGroupFirstDataRecord(groupIndex));
    if (recordIndex >= FDataController.GetRecordCount()) {
        return;
    }
    const TuiDataGroupInfo& group = FGroups->GetItem(groupIndex);
    TuiDataExpandingStates state;
    const bool expandedByOption =
        FDataController.Options().Contains(dcoGroupsAlwaysExpanded) && Selection().GetCount() == 0;
    if (group.Expanded && !expandedByOption) {
        state.Include(desExpanded);
    }
    if (saveMode.Contains(desSelected) && Selection().FindGroupEntry(groupIndex) >= 0) {
        state.Include(desSelected);
    }
    if (!state.IsEmpty()) {
        TuiCustomDataField& field = FGroups->GetField(group.Level);
        FExpandingInfos->AddState(group.Level, FDataController.GetValueForCompare(recordIndex, field), state);
    }
}

bool TuiCustomDataControllerInfo::GroupsBuiltForGroupingList() const {
    if (FGroups->LevelCount() != FGroupingList->GetCount()) {
        return false;
    }
    for (int32_t level = 0; level < FGroups->LevelCount(); ++level) {
        if (&FGroups->GetField(level) != FGroupingList->GetEntry(level).Field) {
            return false;
        }
    }
    return true;
}

bool TuiCustomDataControllerInfo::SavedFieldsAreGroupingLevels() const {
    if (FExpandingInfos->FieldCount() != FGroups->LevelCount()) {
        return false;
    }
    for (int32_t level = 0; level < FGroups->LevelCount(); ++level) {
        if (&FExpandingInfos->GetField(level) != &FGroups->GetField(level)) {
            return false;
        }
    }
    return true;
}

void TuiCustomDataControllerInfo::RestoreExpandingAndSelection() {
    const bool alwaysExpanded = FDataController.Options().Contains(dcoGroupsAlwaysExpanded);
    if (IsGrouped() && alwaysExpanded) {
        FGroups->SetAllExpanded(true);
    }
    const TuiDataExpandingStates saveMode = FExpandingInfos->SaveMode();
    if (saveMode.IsEmpty()) {
        return;
    }
    if (!SavedFieldsAreGroupingLevels()) {
        if (saveMode.Contains(desSelected)) {
            Selection().ClearAll();
        }
        return;
    }
    // Group entries are found again by their keys; data entries of another level stood on rows of other groups.
    for (int32_t position = Selection().GetCount() - 1; position >= 0; --position) {
        const TuiDataSelectionEntry& entry = Selection().GetEntry(position);
        if (entry.IsGroupEntry() || entry.Level != FGroups->LevelCount()) {
            Selection().Delete(position);
        }
    }
    if (IsGrouped()) {
        const bool renumber = !alwaysExpanded && saveMode.Contains(desExpanded);
        try {
            RestoreGroupStates(saveMode);
        } catch (...) {
            if (renumber) {
                FGroups->RebuildRowIndexes();
            }
            throw;
        }
        if (renumber) {
            FGroups->RebuildRowIndexes();
        }
        ReplaceSelectionAfterRestore();
    } else if (saveMode.Contains(desSelected) && !FDataController.IsProviderNavigation()) {
        PlaceSelectionWithoutGroups();
    }
    const int32_t anchor = Selection().AnchorRowIndex();
    if (anchor != -1 && !Selection().IsRowSelected(anchor)) {
        Selection().ClearAnchor();
    }
}

void TuiCustomDataControllerInfo::RestoreGroupStates(TuiDataExpandingStates saveMode) {
    TuiDataControllerGroupLocateObject locate(FDataController);
    TuiValueDefUnboundReader reader;
    int32_t locateLevel = 0;
    for (int32_t index = 0; index < FExpandingInfos->Count(); ++index) {
        const TuiDataExpandingInfo& saved = FExpandingInfos->GetItem(index);
        if (saved.Level < locateLevel) {
            reader.Truncate(saved.Level);
        }
        const TuiValueDef* valueDef = FGroups->GetField(saved.Level).EffectiveValueDef();
        if (valueDef == nullptr) {
            continue;
        }
        reader.SetValue(*valueDef, saved.Value);
        const bool expand = saved.State.Contains(desExpanded) && saveMode.Contains(desExpanded);
        const bool select = saved.State.Contains(desSelected);
        if (!expand && !select) {
            continue;
        }
        locateLevel = saved.Level;
        locate.SetLevel(saved.Level);
        locate.ReadValues(reader);
        const int32_t position = IndexOfRecord(locate.FindRecordIndex());
        const int32_t groupIndex = position < 0 ? -1 : FGroups->FindGroupOfRecordListIndex(position, saved.Level);
        if (groupIndex < 0) {
            continue;
        }
        if (expand) {
            FGroups->GetItem(groupIndex).Expanded = true;
        }
        if (select) {
            Selection().Add(-1, -1, -1, groupIndex);
        }
    }
}

void TuiCustomDataControllerInfo::ReplaceSelectionAfterRestore() {
    // Data entries by the position of their record; then the visible deepest groups are walked in order and each
    // entry lands on its data row or, in a collapsed or hidden group, is dropped.
    std::vector<TuiDataSelectionEntry> dataEntries;
    std::vector<TuiDataSelectionEntry> placed;
    for (int32_t index = 0; index < Selection().GetCount(); ++index) {
        TuiDataSelectionEntry entry = Selection().GetEntry(index);
        if (entry.IsGroupEntry()) {
            entry.RowIndex = FGroups->GetItem(entry.Index).RowIndex;
            placed.push_back(entry);
        } else {
            entry.RowIndex = IndexOfRecord(entry.Index);
            dataEntries.push_back(entry);
        }
    }
    std::stable_sort(dataEntries.begin(), dataEntries.end(), IsRowOrderBefore);
    auto next = dataEntries.begin();
    int32_t depth = 0;
    for (int32_t index = 0; index < FGroups->GroupCount() && next != dataEntries.end(); ++index) {
        const TuiDataGroupInfo& group = FGroups->GetItem(index);
        if (group.Level > depth) {
            continue;
        }
        depth = group.Expanded ? group.Level + 1 : group.Level;
        if (!FGroups->IsDeepest(index)) {
            continue;
        }
        while (next != dataEntries.end() && next->RowIndex < group.Begin) {
            ++next;
        }
        for (; group.Expanded && next != dataEntries.end() && next->RowIndex <= group.End; ++next) {
            placed.push_back({next->Level, next->Index, group.RowIndex + next->RowIndex - group.Begin + 1});
        }
    }
    std::stable_sort(placed.begin(), placed.end(), IsRowOrderBefore);
    Selection().ReplaceEntries(placed);
}

void TuiCustomDataControllerInfo::PlaceSelectionWithoutGroups() {
    for (int32_t index = 0; index < Selection().GetCount(); ++index) {
        Selection().SetEntryRowIndex(index, IndexOfRecord(Selection().GetEntry(index).Index));
    }
    Selection().SortByRowIndex();
}

void TuiCustomDataControllerInfo::RefreshSelectionRowIndexes() {
    if (!IsGrouped()) {
        return;
    }
    // The data row of every position in one walk: a record in a collapsed or hidden group has none (-1).
    std::vector<int32_t> rowOfPosition(FRecordList.size(), -1);
    int32_t depth = 0;
    for (int32_t index = 0; index < FGroups->GroupCount(); ++index) {
        const TuiDataGroupInfo& group = FGroups->GetItem(index);
        if (group.Level > depth) {
            continue;
        }
        depth = group.Expanded ? group.Level + 1 : group.Level;
        if (FGroups->IsDeepest(index) && group.Expanded) {
            for (int32_t position = group.Begin; position <= group.End; ++position) {
                rowOfPosition[static_cast<size_t>(position)] = group.RowIndex + position - group.Begin + 1;
            }
        }
    }
    for (int32_t index = 0; index < Selection().GetCount(); ++index) {
        const TuiDataSelectionEntry& entry = Selection().GetEntry(index);
        int32_t row = -1;
        if (entry.IsGroupEntry()) {
            row = entry.Index < FGroups->GroupCount() ? FGroups->GetItem(entry.Index).RowIndex : -1;
        } else if (const int32_t position = IndexOfRecord(entry.Index); position >= 0) {
            row = rowOfPosition[static_cast<size_t>(position)];
        }
        Selection().SetEntryRowIndex(index, row);
    }
    Selection().SortByRowIndex();
}

} // namespace ui
