#pragma once
// TuiDataGroups: the group tree of a data controller's row information, a flat list of group entries in tree
// pre-order, one level per grouping field (level 0 the outermost). Terms: a position is an index into the row
// information's record list (filtered records in display order); a row is what a view shows: the group rows and the
// data rows of expanded deepest groups, in tree order. One entry per group and none per data row: a data row is
// computed from its deepest group's row and range.
//
// Invariants: each group is followed by its descendants; a child is one level deeper than its parent; the children
// of an upper group are the entries one level deeper whose index lies in [Begin, End]; row indexes never decrease
// along the list; the deepest groups cover the record list in order, each at least one position.

#include "rtl/core/Object.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiCustomDataField;

struct TuiDataGroupInfo {
    // The group's row; hidden groups share the row of their visible collapsed ancestor.
    int32_t RowIndex = 0;
    bool Expanded = false;
    int32_t Level = 0;
    // Deepest level: the first position of the group; above it: the index of the first child (the next entry).
    int32_t Begin = 0;
    // Deepest level: the last position; above it: an index from that of the last child to that of the last
    // descendant.
    int32_t End = 0;
    // The group's summary values, Empty until calculated.
    rtl::Variant SummaryValues;
};

// What a row shows: a group row's expanded flag, level and first position, or a data row's level (the level count)
// and position.
struct TuiDataGroupRowInfo {
    bool Expanded = false;
    int32_t Level = 0;
    int32_t Position = 0;
};

class TuiDataGroups : public rtl::TObject {
public:
    int32_t LevelCount() const { return static_cast<int32_t>(FFields.size()); }
    int32_t GroupCount() const { return static_cast<int32_t>(FItems.size()); }
    TuiCustomDataField& GetField(int32_t level) const;
    // Appends a level.
    void AddField(TuiCustomDataField& field);
    TuiDataGroupInfo& GetItem(int32_t index);
    const TuiDataGroupInfo& GetItem(int32_t index) const;
    void SetItem(int32_t index, const TuiDataGroupInfo& entry);
    // Appends a collapsed entry with every number 0 and returns its index.
    int32_t AddGroup();
    // Forgets the levels and the entries.
    void Clear();
    // -1 for an index out of range.
    int32_t GetLevel(int32_t index) const;
    bool IsDeepest(int32_t index) const { return GetLevel(index) == LevelCount() - 1; }

    // Numbers the rows anew after an expansion change.
    void RebuildRowIndexes();
    int32_t GetRowCount() const;
    // The group of a group row (the visible one of the entries that share it), with that entry's index in
    // entryIndex. For any other row -1, with entryIndex the last entry above the row (whose data rows hold it when the
    // row exists), or -1 when there is none.
    int32_t FindByRowIndex(int32_t row, int32_t& entryIndex) const;
    // The group that the row of entry index shows: the entry itself, or the collapsed ancestor it is hidden in.
    int32_t GetVisibleGroup(int32_t row, int32_t index) const;
    bool IsGroupVisible(int32_t index) const;
    // A group row: its flag, level and first position; a data row: (false, LevelCount, its position); (false, 0, 0)
    // for a row that does not exist.
    TuiDataGroupRowInfo GetRowInfo(int32_t row) const;
    // The first position of a group.
    int32_t GetGroupFirstDataRecord(int32_t index) const;
    // The group at level shown by the row or holding it (its ancestor or first descendant at that level); the row's
    // own group for level -1; -1 when none.
    int32_t GetGroupIndexByRowIndex(int32_t row, int32_t level) const;
    // The group at level that holds the position, -1 when none.
    int32_t FindGroupOfRecordListIndex(int32_t position, int32_t level) const;
    // The parent of a group, -1 for a top group.
    int32_t GetParent(int32_t index) const;

    // Expands or collapses a group row (with recursive, its whole subtree); nothing for another row.
    void SetExpanded(int32_t row, bool expanded, bool recursive);
    void SetAllExpanded(bool expanded);
    // Expands the group's ancestors (and, with expandSelf, the group): whether any was collapsed.
    bool MakeVisible(int32_t index, bool expandSelf);

    int32_t GetTopGroupCount() const;
    // The index of the n-th top group, -1 when there is none.
    int32_t GetTopGroupIndex(int32_t n) const;
    // The top groups for -1, the records of a deepest group, the child groups of another; 0 out of range.
    int32_t ChildCountOf(int32_t index) const;
    // The n-th child group (the n-th top group for -1); -1 for a deepest group or when there is none.
    int32_t GetChildIndex(int32_t index, int32_t n) const;
    // The position of the n-th record of a deepest group; -1 otherwise.
    int32_t GetChildRecordListIndex(int32_t index, int32_t n) const;

private:
    std::vector<TuiCustomDataField*> FFields; // not owned
    std::vector<TuiDataGroupInfo> FItems;
};

} // namespace ui
