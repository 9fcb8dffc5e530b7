#include "ui/grid/customtable/uiGridDataChanges.h"

#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/view/uiGridViewInfoCache.h"

namespace ui {

namespace {

TuiCustomGridTableView& TableViewOf(const TuiCustomGridViewChange& change) {
    return static_cast<TuiCustomGridTableView&>(*change.GridView());
}

} // namespace

TuiGridDataChange::TuiGridDataChange(TuiCustomGridTableView* gridView) : TuiCustomGridViewChange(gridView) {}

void TuiGridDataChange::Execute() {
    TuiCustomGridTableView& gridView = TableViewOf(*this);
    const int32_t rowCount = gridView.DataController().GetRowCount();
    if (TuiCustomGridViewInfoCache* cache = gridView.ViewInfoCache()) {
        cache->SetCount(rowCount);
    }
    gridView.ViewData().Refresh(rowCount);
}

TuiGridFocusedRecordChange::TuiGridFocusedRecordChange(TuiCustomGridTableView* gridView, int32_t prevFocusedRowIndex,
                                                       int32_t focusedRowIndex, int32_t prevFocusedRecordIndex,
                                                       int32_t focusedRecordIndex, bool newItemRecordFocusingChanged)
    : TuiCustomGridViewChange(gridView), FPrevFocusedRowIndex(prevFocusedRowIndex), FFocusedRowIndex(focusedRowIndex),
      FPrevFocusedRecordIndex(prevFocusedRecordIndex), FFocusedRecordIndex(focusedRecordIndex),
      FNewItemRecordFocusingChanged(newItemRecordFocusingChanged) {}

void TuiGridFocusedRecordChange::Execute() {
    TuiCustomGridTableView& gridView = TableViewOf(*this);
    gridView.Invalidate();
    gridView.DoFocusedRecordChanged(FPrevFocusedRowIndex, FFocusedRowIndex, FPrevFocusedRecordIndex,
                                    FFocusedRecordIndex, FNewItemRecordFocusingChanged);
}

} // namespace ui
