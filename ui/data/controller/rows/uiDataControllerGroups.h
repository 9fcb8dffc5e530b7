#pragma once
// TuiDataControllerGroups: the grouping front of a data controller, through which views work on the groups of its
// row information: expansion, which items group at which level, and walks over the group tree. It holds nothing but
// the controller; the groups themselves live in the row information (uiDataGroups.h).

#include "rtl/core/Object.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;

class TuiDataControllerGroups : public rtl::TObject {
public:
    explicit TuiDataControllerGroups(TuiCustomDataController& dataController) : FDataController(dataController) {}

    TuiCustomDataController& DataController() const { return FDataController; }

    void SetRowExpansion(int32_t row, bool expanded, bool recursive);
    void FullExpand();
    void FullCollapse();
    // Groups the item at level index (clamped to the levels); index -1 ungroups it.
    void ChangeItemGroupIndex(int32_t itemIndex, int32_t index);
    void ClearGrouping();
    // Whether row lies in the group shown by groupRow, at any depth; false without grouping.
    bool IsRowInGroup(int32_t row, int32_t groupRow) const;
    // Appends the record indexes of every record of a group, in display order.
    void CollectRecordIndexes(std::vector<int32_t>& list, int32_t groupIndex) const;
    // The records of a group row, or the record of a data row.
    void CollectRecordIndexesOfRow(std::vector<int32_t>& list, int32_t row) const;
    int32_t ChildCountOf(int32_t groupIndex) const;
    int32_t GetChildIndex(int32_t groupIndex, int32_t n) const;
    // The record index of the n-th record of a deepest group, -1 when none.
    int32_t ChildRecordIndexOf(int32_t groupIndex, int32_t n) const;
    // The group a row shows, or the deepest group holding a data row; -1 without one.
    int32_t GroupIndexForRow(int32_t row) const;
    // The grouping level of a field, -1 when it does not group.
    int32_t GroupIndexOfField(const TuiCustomDataField& field) const;
    int32_t GroupingFieldCount() const;
    // The item index of the field grouping at level.
    int32_t GroupingItemIndexOfLevel(int32_t level) const;
    // The grouping level of an item, -1 when it does not group.
    int32_t GetItemGroupIndex(int32_t itemIndex) const;
    int32_t GetLevel(int32_t groupIndex) const;

private:
    TuiCustomDataController& FDataController;
};

} // namespace ui
