#pragma once
// The changes a table view queues when its data controller reports: the records changed (the view data makes its
// record list anew for the new row count, at once even while the grid is locked), a record or one of its cells
// repaints, or the focused record moved (the view repaints and fires OnFocusedRecordChanged once the lock ends).

#include "ui/grid/common/uiGridChange.h"

#include <cstdint>

namespace ui {

class TuiCustomGridTableItem;
class TuiCustomGridTableView;

class TuiGridDataChange : public TuiCustomGridViewChange {
public:
    explicit TuiGridDataChange(TuiCustomGridTableView* gridView);
    void Execute() override;
    bool IsPostponable() const override { return false; }
};

// Repaints the record at a row index (-1 the new-item record), or only the item's cell of it; nothing when the view
// does not show it or the item is hidden. The record is named by its row, so that a data change that frees the
// records meanwhile leaves nothing dangling; such a change, a layout or a size change covers it.
class TuiGridRecordChange : public TuiCustomGridViewChange {
public:
    TuiGridRecordChange(TuiCustomGridTableView* gridView, TuiCustomGridTableItem* item, int32_t rowIndex);
    void Execute() override;
    bool IsCoveredBy(const TuiCustomGridChange& other) const override;
    bool Matches(const TuiCustomGridChange& other) const override;
    TuiCustomGridTableItem* Item() const { return FItem; }
    int32_t RowIndex() const { return FRowIndex; }

private:
    TuiCustomGridTableItem* FItem; // not owned; nullptr: the whole record
    int32_t FRowIndex;
};

class TuiGridFocusedRecordChange : public TuiCustomGridViewChange {
public:
    TuiGridFocusedRecordChange(TuiCustomGridTableView* gridView, int32_t prevFocusedRowIndex, int32_t focusedRowIndex,
                               int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex,
                               bool newItemRecordFocusingChanged);
    bool RunsInsideBatchLock() const override { return false; }
    void Execute() override;

private:
    int32_t FPrevFocusedRowIndex;
    int32_t FFocusedRowIndex;
    int32_t FPrevFocusedRecordIndex;
    int32_t FFocusedRecordIndex;
    bool FNewItemRecordFocusingChanged;
};

} // namespace ui
