#include "ui/data/controller/rows/uiDataControllerGroups.h"

#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"

namespace ui {

void TuiDataControllerGroups::SetRowExpansion(int32_t row, bool expanded, bool recursive) {
    FDataController.DataControllerInfo().ChangeExpanding(row, expanded, recursive);
}

void TuiDataControllerGroups::FullExpand() {
    FDataController.DataControllerInfo().FullExpand();
}

void TuiDataControllerGroups::FullCollapse() {
    FDataController.DataControllerInfo().FullCollapse();
}

void TuiDataControllerGroups::ChangeItemGroupIndex(int32_t itemIndex, int32_t index) {
    TuiCustomDataField& field = FDataController.GetItemField(itemIndex);
    if (GetItemGroupIndex(itemIndex) == index) {
        return;
    }
    FDataController.PostEditingIfActive();
    FDataController.FGroupingChanged = true;
    FDataController.DataControllerInfo().ChangeGrouping(field, index);
}

void TuiDataControllerGroups::ClearGrouping() {
    TuiCustomDataControllerInfo& info = FDataController.DataControllerInfo();
    if (info.GroupingList().GetCount() > 0) {
        FDataController.PostEditingIfActive();
        FDataController.FGroupingChanged = true;
    }
    info.ClearGrouping();
}

bool TuiDataControllerGroups::IsRowInGroup(int32_t row, int32_t groupRow) const {
    const TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    if (groups.LevelCount() == 0) {
        return false;
    }
    const int32_t group = GroupIndexForRow(groupRow);
    int32_t rowGroup = GroupIndexForRow(row);
    if (group < 0 || rowGroup < 0) {
        return false;
    }
    // Up the row's ancestors to the level of the group: a group's range may name only its children.
    while (rowGroup >= 0 && groups.GetLevel(rowGroup) > groups.GetLevel(group)) {
        rowGroup = groups.GetParent(rowGroup);
    }
    return rowGroup == group;
}

void TuiDataControllerGroups::CollectRecordIndexes(std::vector<int32_t>& list, int32_t groupIndex) const {
    const TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    const int32_t childCount = groups.ChildCountOf(groupIndex);
    for (int32_t n = 0; n < childCount; ++n) {
        if (groups.IsDeepest(groupIndex)) {
            list.push_back(ChildRecordIndexOf(groupIndex, n));
        } else {
            CollectRecordIndexes(list, groups.GetChildIndex(groupIndex, n));
        }
    }
}

void TuiDataControllerGroups::CollectRecordIndexesOfRow(std::vector<int32_t>& list, int32_t row) const {
    const TuiCustomDataControllerInfo& info = FDataController.DataControllerInfo();
    const TuiRowInfo rowInfo = info.GetRowInfo(row);
    if (info.IsGrouped() && rowInfo.Level < info.Groups().LevelCount()) {
        CollectRecordIndexes(list, GroupIndexForRow(row));
    } else {
        list.push_back(rowInfo.RecordIndex);
    }
}

int32_t TuiDataControllerGroups::ChildCountOf(int32_t groupIndex) const {
    return FDataController.DataControllerInfo().Groups().ChildCountOf(groupIndex);
}

int32_t TuiDataControllerGroups::GetChildIndex(int32_t groupIndex, int32_t n) const {
    return FDataController.DataControllerInfo().Groups().GetChildIndex(groupIndex, n);
}

int32_t TuiDataControllerGroups::ChildRecordIndexOf(int32_t groupIndex, int32_t n) const {
    const TuiCustomDataControllerInfo& info = FDataController.DataControllerInfo();
    const int32_t position = info.Groups().GetChildRecordListIndex(groupIndex, n);
    return position < 0 ? -1 : info.GetRecordListItem(position);
}

int32_t TuiDataControllerGroups::GroupIndexForRow(int32_t row) const {
    return FDataController.DataControllerInfo().Groups().GetGroupIndexByRowIndex(row, -1);
}

int32_t TuiDataControllerGroups::GroupIndexOfField(const TuiCustomDataField& field) const {
    return FDataController.DataControllerInfo().GroupingList().Find(field);
}

int32_t TuiDataControllerGroups::GroupingFieldCount() const {
    return FDataController.DataControllerInfo().GroupingList().GetCount();
}

int32_t TuiDataControllerGroups::GroupingItemIndexOfLevel(int32_t level) const {
    return FDataController.DataControllerInfo().GroupingList().GetEntry(level).Field->GetPosition();
}

int32_t TuiDataControllerGroups::GetItemGroupIndex(int32_t itemIndex) const {
    return GroupIndexOfField(FDataController.GetItemField(itemIndex));
}

int32_t TuiDataControllerGroups::GetLevel(int32_t groupIndex) const {
    return FDataController.DataControllerInfo().Groups().GetLevel(groupIndex);
}

} // namespace ui
