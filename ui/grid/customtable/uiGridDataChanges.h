#pragma once
// The changes a table view queues when its data controller reports: the records changed (the view data makes its
// record list anew for the new row count, at once even while the grid is locked) or the focused record moved (the
// view repaints and fires OnFocusedRecordChanged once the lock ends).

#include "ui/grid/common/uiGridChange.h"

#include <cstdint>

namespace ui {

class TuiCustomGridTableView;

class TuiGridDataChange : public TuiCustomGridViewChange {
public:
    explicit TuiGridDataChange(TuiCustomGridTableView* gridView);
    void Execute() override;
    bool IsPostponable() const override { return false; }
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
