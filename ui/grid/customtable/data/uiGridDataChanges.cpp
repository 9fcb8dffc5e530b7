#include "ui/grid/customtable/data/uiGridDataChanges.h"

#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/view/uiGridChanges.h"
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
    if (TuiCustomGridTableController* controller = gridView.EditingTableController()) {
        controller->EditingController().RefreshEditor();
    }
}

TuiGridRecordChange::TuiGridRecordChange(TuiCustomGridTableView* gridView, TuiCustomGridTableItem* item,
                                         int32_t rowIndex)
    : TuiCustomGridViewChange(gridView), FItem(item), FRowIndex(rowIndex) {}

void TuiGridRecordChange::Execute() {
    TuiCustomGridTableView& gridView = TableViewOf(*this);
    // The item is looked up before it is read: it may have left the view while the change waited.
    if (FItem && (gridView.IndexOfItem(FItem) < 0 || FItem->VisibleIndex() < 0 || !FItem->Visible())) {
        return;
    }
    gridView.InvalidateRect(gridView.GetRecordBounds(FRowIndex, FItem));
}

bool TuiGridRecordChange::IsCoveredBy(const TuiCustomGridChange& other) const {
    if (TuiCustomGridViewChange::IsCoveredBy(other)) {
        return true;
    }
    const auto* viewChange = dynamic_cast<const TuiCustomGridViewChange*>(&other);
    if (!viewChange || viewChange->GridView() != GridView()) {
        return false;
    }
    return dynamic_cast<const TuiGridLayoutChange*>(&other) || dynamic_cast<const TuiGridSizeChange*>(&other) ||
           dynamic_cast<const TuiGridDataChange*>(&other);
}

bool TuiGridRecordChange::Matches(const TuiCustomGridChange& other) const {
    const auto* change = dynamic_cast<const TuiGridRecordChange*>(&other);
    return change && change->GridView() == GridView() && change->FRowIndex == FRowIndex && change->FItem == FItem;
}

TuiGridFocusedRecordChange::TuiGridFocusedRecordChange(TuiCustomGridTableView* gridView, int32_t prevFocusedRowIndex,
                                                       int32_t focusedRowIndex, int32_t prevFocusedRecordIndex,
                                                       int32_t focusedRecordIndex, bool newItemRecordFocusingChanged)
    : TuiCustomGridViewChange(gridView), FPrevFocusedRowIndex(prevFocusedRowIndex), FFocusedRowIndex(focusedRowIndex),
      FPrevFocusedRecordIndex(prevFocusedRecordIndex), FFocusedRecordIndex(focusedRecordIndex),
      FNewItemRecordFocusingChanged(newItemRecordFocusingChanged) {}

void TuiGridFocusedRecordChange::Execute() {
    TuiCustomGridTableView& gridView = TableViewOf(*this);
    // Only the records that lose and gain the focus look different now.
    TuiCustomGridTableViewData& viewData = gridView.ViewData();
    for (int32_t rowIndex : {FPrevFocusedRowIndex, FFocusedRowIndex}) {
        if (viewData.IsRowIndexValid(rowIndex)) {
            viewData.GetRecordAt(rowIndex)->Invalidate();
        }
    }
    if (FNewItemRecordFocusingChanged && viewData.NewItemRecord()) {
        viewData.NewItemRecord()->Invalidate();
    }
    gridView.DoFocusedRecordChanged(FPrevFocusedRowIndex, FFocusedRowIndex, FPrevFocusedRecordIndex,
                                    FFocusedRecordIndex, FNewItemRecordFocusingChanged);
}

} // namespace ui
