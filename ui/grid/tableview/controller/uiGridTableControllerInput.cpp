// The table controller's input: the keys that step cells and records, the mouse on headers, sizing edges and
// cells, sorting by header clicks, and the hints of cut cells.

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/cells/uiGridViewCellViewInfo.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridColumnMovingObject.h"
#include "ui/grid/tableview/controller/uiGridDragScrolling.h"
#include "ui/grid/tableview/controller/uiGridPullFocusing.h"
#include "ui/grid/tableview/controller/uiGridSizingObjects.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridHintHelper.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <memory>
#include <vector>

namespace ui {

namespace {

const TuiGridRowPlacement* PlacedRow(const TuiGridTablePlacement& placement, int32_t recordIndex) {
    for (const TuiGridRowPlacement& row : placement.Rows) {
        if (row.RecordIndex == recordIndex) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

bool TuiGridTableController::StepFocusCellInRecord(bool forward) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (!TableView().OptionsSelection().CellSelect() || columns.empty()) {
        return false;
    }
    const auto* focused = static_cast<TuiGridColumn*>(FocusedItem());
    const int32_t count = static_cast<int32_t>(columns.size());
    const int32_t from = focused ? focused->VisibleIndex() : -1;
    const int32_t next = forward ? from + 1 : (from < 0 ? count - 1 : from - 1);
    if (next < 0 || next >= count) {
        return false;
    }
    SetFocusedItem(columns[next]);
    return true;
}

bool TuiGridTableController::StepFocusCell(bool forward, bool allowRecordChange) {
    if (StepFocusCellInRecord(forward)) {
        return true;
    }
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (!allowRecordChange || !TableView().OptionsSelection().CellSelect() || columns.empty()) {
        return false;
    }
    const bool moved = forward ? GoToNextRecord(false) : GoToPrevRecord(false);
    if (moved) {
        SetFocusedItem(forward ? columns.front() : columns.back());
    }
    return moved;
}

bool TuiGridTableController::FocusEdgeCell(bool last) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (!TableView().OptionsSelection().CellSelect() || columns.empty()) {
        return false;
    }
    SetFocusedItem(last ? columns.back() : columns.front());
    return true;
}

namespace {

TuiGridFilterRow* ShownFilterRow(TuiGridTableView& view) {
    auto& viewData = static_cast<TuiGridViewData&>(view.ViewData());
    return viewData.HasFilterRow() ? viewData.FilterRow() : nullptr;
}

} // namespace

bool TuiGridTableController::IsSpecialRowFocused() const {
    const TuiGridFilterRow* filterRow = ShownFilterRow(GridTableView());
    return (filterRow != nullptr && filterRow->GetSelected()) || DataController().NewItemRowFocused();
}

TuiCustomGridRecord* TuiGridTableController::FocusedRecord() const {
    if (TuiGridFilterRow* filterRow = ShownFilterRow(GridTableView());
        filterRow != nullptr && filterRow->GetSelected()) {
        return filterRow;
    }
    if (DataController().NewItemRowFocused()) {
        return GridTableView().ViewData().NewItemRecord();
    }
    return TuiCustomGridTableController::FocusedRecord();
}

bool TuiGridTableController::FocusSpecialRowUp() {
    TuiGridFilterRow* filterRow = ShownFilterRow(GridTableView());
    const bool filterFocused = filterRow != nullptr && filterRow->GetSelected();
    const bool hasNewItemRow = GridTableView().ViewData().HasNewItemRecord();
    const bool newItemFocused = DataController().NewItemRowFocused();
    const bool onFirstDataRow = !newItemFocused && DataController().GetFocusedRowIndex() <= 0;
    if (hasNewItemRow && !newItemFocused && !filterFocused && onFirstDataRow) {
        DataController().SetNewItemRowFocused(true);
        return true;
    }
    if (filterRow != nullptr && !filterFocused && (hasNewItemRow ? newItemFocused : onFirstDataRow)) {
        DataController().SetNewItemRowFocused(false);
        filterRow->SetSelected(true);
        return true;
    }
    return false;
}

bool TuiGridTableController::FocusSpecialRowDown() {
    TuiGridFilterRow* filterRow = ShownFilterRow(GridTableView());
    if (filterRow != nullptr && filterRow->GetSelected()) {
        if (GridTableView().ViewData().HasNewItemRecord()) {
            filterRow->SetSelected(false);
            DataController().SetNewItemRowFocused(true);
            return DataController().NewItemRowFocused();
        }
        if (!FocusRowAt(TopRecordIndex())) {
            return false;
        }
        filterRow->SetSelected(false);
        return true;
    }
    if (DataController().NewItemRowFocused()) {
        DataController().SetNewItemRowFocused(false);
        return FocusRowAt(TopRecordIndex()) && DataController().GetFocusedRowIndex() == TopRecordIndex();
    }
    return false;
}

void TuiGridTableController::HandleGridKey(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomGridTableItem* prevFocusedItem = FocusedItem();
    const bool extend = shift.Contains(vcl::ssShift);
    switch (key) {
    case VK_PRIOR:
        if (FocusSpecialRowUp() || IsSpecialRowFocused()) {
            key = 0;
        } else {
            TuiCustomGridTableController::HandleGridKey(key, shift);
        }
        break;
    case VK_NEXT:
        if (FocusSpecialRowDown()) {
            key = 0;
        } else {
            TuiCustomGridTableController::HandleGridKey(key, shift);
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!StepFocusCell(key == VK_RIGHT, true)) {
            SetLeftPos(FLeftPos + (key == VK_RIGHT ? HorzScrollStep : -HorzScrollStep));
        }
        key = 0;
        break;
    case VK_HOME:
    case VK_END:
        if (shift.Contains(vcl::ssCtrl) || !FocusEdgeCell(key == VK_END)) {
            key == VK_END ? GoToLastRecord(extend) : GoToFirstRecord(extend);
        }
        key = 0;
        break;
    case VK_UP:
    case VK_DOWN:
        if (key == VK_DOWN ? FocusSpecialRowDown() : FocusSpecialRowUp()) {
            key = 0;
            break;
        }
        if (!IsSpecialRowFocused()) {
            key == VK_DOWN ? GoToNextRecord(extend) : GoToPrevRecord(extend);
            BringRecordIntoView(DataController().GetFocusedRowIndex());
        }
        key = 0;
        break;
    default:
        TuiCustomGridTableController::HandleGridKey(key, shift);
        break;
    }
    if (key == 0 && FocusedItem() != prevFocusedItem) {
        UpdateColumnSelection(extend);
    }
}

bool TuiGridTableController::CanSortColumn(TuiGridColumn& column) const {
    return GridTableView().OptionsCustomize().ColumnSorting() && column.Options().Sorting();
}

// A column that is the only one shown has nowhere to go.
bool TuiGridTableController::CanMoveColumn(TuiGridColumn& column) const {
    return GridTableView().OptionsCustomize().ColumnMoving() && column.Options().Moving() &&
           GridTableView().VisibleItemCount() > 1;
}

bool TuiGridTableController::CanGroupColumn(TuiGridColumn& column) const {
    return GridTableView().OptionsCustomize().ColumnGrouping() && column.Options().Grouping();
}

// Under GroupBySorting, with nothing grouped, the first sorted column that can be grouped is grouped at index 0
// (onlyColumn: only when that is this column).
void TuiGridTableController::GroupByFirstSortedColumn(const TuiGridColumn* onlyColumn) {
    TuiGridDataController& data = DataController();
    if (data.Groups().GroupingFieldCount() != 0) {
        return;
    }
    for (int32_t position = 0; position < data.GetSortingItemCount(); ++position) {
        TuiGridColumn& sorted = *GridTableView().Columns(data.GetSortingItemIndex(position));
        if (onlyColumn != nullptr && &sorted != onlyColumn) {
            return;
        }
        if (CanGroupColumn(sorted)) {
            sorted.GroupingWithVisibility(0, false);
            return;
        }
    }
}

void TuiGridTableController::ChangeSortingByHeaderClick(TuiGridColumn& column, vcl::TShiftState shift) {
    TuiGridTableView& view = GridTableView();
    const bool groupBySorting = view.OptionsCustomize().GroupBySorting();
    if (shift.Contains(vcl::ssCtrl)) {
        if (groupBySorting && column.GroupIndex() == 0 && CanGroupColumn(column)) {
            column.SetGroupIndex(-1);
            column.SetVisible(true);
        }
        column.SetSortOrder(soNone);
        if (groupBySorting) {
            GroupByFirstSortedColumn(nullptr);
        }
    } else {
        // The order is read before other sorting is cleared, which may take this column's with it.
        const TuiDataSortOrder order = column.SortOrder() == soAscending ? soDescending : soAscending;
        if (!shift.Contains(vcl::ssShift) && column.GroupIndex() < 0) {
            if (groupBySorting && CanGroupColumn(column)) {
                for (int32_t index = 0; index < view.ItemCount(); ++index) {
                    if (view.Columns(index)->GroupIndex() != -1) {
                        view.Columns(index)->SetVisible(true);
                    }
                }
                DataController().Groups().ClearGrouping();
            }
            DataController().ClearSortingExceptGrouping(true);
        }
        column.SetSortOrder(order);
        if (groupBySorting) {
            GroupByFirstSortedColumn(&column);
        }
    }
}

void TuiGridTableController::SortByHeaderClick(TuiGridColumn& column, vcl::TShiftState shift) {
    if (!CanSortColumn(column)) {
        return;
    }
    PushHourglassCursor();
    TuiGridTableView& view = GridTableView();
    view.BeginUpdate();
    try {
        ChangeSortingByHeaderClick(column, shift);
    } catch (...) {
        view.EndUpdate();
        PopHourglassCursor();
        throw;
    }
    view.EndUpdate();
    PopHourglassCursor();
    BringRecordIntoView(DataController().GetFocusedRowIndex());
}

void TuiGridTableController::ClickRecord(const TuiGridPlacementSpot& spot, vcl::TMouseButton button,
                                         vcl::TShiftState shift) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    TuiGridColumn* column = spot.Kind == TuiGridPlacementSpotKind::DataCell ? columns.at(spot.Column) : nullptr;
    // Another button on a selected cell leaves the selection for the popup menu it opens.
    if (button != vcl::mbLeft && DataController().IsRowSelected(spot.RecordIndex) &&
        (!IsCellMultiSelect() || IsColumnSelected(column))) {
        return;
    }
    if (!FocusRowAt(spot.RecordIndex)) {
        return;
    }
    if (column != nullptr && TableView().OptionsSelection().CellSelect()) {
        SetFocusedItem(column);
    }
    FPressedRow = spot.RecordIndex;
    SelectOnMouseDown(spot.RecordIndex, button, shift);
    UpdateColumnSelection(shift.Contains(vcl::ssShift));
}

TuiGridDataCellViewInfo* TuiGridTableController::LaidOutCell(const TuiGridPlacementSpot& spot) const {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    TuiGridDataRowViewInfo* row = viewInfo ? viewInfo->RowOfRecord(spot.RecordIndex) : nullptr;
    if (spot.Kind != TuiGridPlacementSpotKind::DataCell || row == nullptr || spot.Column >= row->CellCount()) {
        return nullptr;
    }
    return &row->Cells(spot.Column);
}

// The cell stands among the layout's processing cells while handlers run: a handler may free the view, or lay it
// out anew and so free the cell, and the press ends then without touching either.
bool TuiGridTableController::PressRecord(const TuiGridPlacementSpot& spot, vcl::TMouseButton button,
                                         vcl::TShiftState shift, vcl::TPoint point) {
    TuiGridColumn* column =
        spot.Kind == TuiGridPlacementSpotKind::DataCell ? VisibleColumnList().at(spot.Column) : nullptr;
    TuiGridDataCellViewInfo* cell = LaidOutCell(spot);
    TuiCustomGridViewInfo& viewInfo = GridView().ViewInfo();
    const TuiGridListenerLink link(&GridView());
    if (cell != nullptr) {
        viewInfo.AddProcessingCell(cell);
    }
    const bool doubleClick = shift.Contains(vcl::ssDouble);
    if (cell != nullptr && doubleClick) {
        const bool handled = GridTableView().DoCellDblClick(cell, button, shift);
        if (link.GridView() == nullptr) {
            return false;
        }
        if (handled || !viewInfo.IsProcessingCell(cell)) {
            viewInfo.RemoveProcessingCell(cell, false);
            return false;
        }
    }
    const bool wasFocusedCell =
        column != nullptr && column == FocusedItem() && spot.RecordIndex == DataController().GetFocusedRowIndex();
    ClickRecord(spot, button, shift);
    if (link.GridView() == nullptr) {
        return false;
    }
    EditingController().CellMouseDown(column, wasFocusedCell, button, shift, point);
    if (cell == nullptr) {
        return true;
    }
    if (!doubleClick && !column->Editing()) {
        FPressedCellRow = spot.RecordIndex;
        FPressedCellColumn = column;
    }
    viewInfo.RemoveProcessingCell(cell, false);
    return true;
}

bool TuiGridTableController::ClickPressedCell(TuiGridDataCellViewInfo* cell, vcl::TMouseButton button,
                                              vcl::TShiftState shift) {
    if (cell == nullptr || cell->Row().RowIndex() != FPressedCellRow || &cell->Column() != FPressedCellColumn) {
        return false;
    }
    FPressedCellRow = -1;
    FPressedCellColumn = nullptr;
    return GridTableView().DoCellClick(cell, button, shift);
}

// Under CellMultiSelect dragging the mouse always selects cells, whatever PullFocusing says.
bool TuiGridTableController::CanPullFocus(vcl::TMouseButton button, vcl::TShiftState shift) const {
    const TuiGridSite& site = GridView().Site();
    return button == vcl::mbLeft && !shift.Contains(vcl::ssDouble) && site.MouseCapture() &&
           site.DragMode() == vcl::dmManual && (IsCellMultiSelect() || TableView().OptionsBehavior().PullFocusing());
}

void TuiGridTableController::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseDown(button, shift, x, y);
    if (HasEditingController()) {
        EditingController().StopDelayedOpen();
    }
    FPressedRow = -1;
    const TuiGridPlacementSpot spot = SpotAt(vcl::Point(x, y));
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    switch (spot.Kind) {
    case TuiGridPlacementSpotKind::ColumnHeaderSizingEdge:
        if (button == vcl::mbLeft && shift.Contains(vcl::ssDouble)) {
            GridTableView().ApplyBestFit(columns.at(spot.Column), true, true);
        }
        break;
    case TuiGridPlacementSpotKind::ColumnHeader:
        if (button == vcl::mbLeft && !shift.Contains(vcl::ssDouble)) {
            SetPressedColumn(columns.at(spot.Column));
            columns.at(spot.Column)->DoHeaderClick();
        }
        break;
    case TuiGridPlacementSpotKind::Record:
    case TuiGridPlacementSpotKind::DataCell:
        if (PressRecord(spot, button, shift, vcl::Point(x, y)) && CanPullFocus(button, shift)) {
            FPullFocusing->Start(shift, vcl::Point(x, y));
        }
        break;
    case TuiGridPlacementSpotKind::RowIndicator:
        ClickRecord(spot, button, shift);
        break;
    case TuiGridPlacementSpotKind::RowSizingEdge:
        // Back to the rows' automatic height.
        if (button == vcl::mbLeft && shift.Contains(vcl::ssDouble)) {
            SizeDataRows(0);
        }
        break;
    case TuiGridPlacementSpotKind::None:
    case TuiGridPlacementSpotKind::Indicator:
    case TuiGridPlacementSpotKind::IndicatorHeader:
    case TuiGridPlacementSpotKind::FilterBar:
        if (button == vcl::mbLeft && !shift.Contains(vcl::ssDouble)) {
            ClickFilterBar(vcl::Point(x, y));
        }
        break;
    case TuiGridPlacementSpotKind::GroupByBox:
    case TuiGridPlacementSpotKind::SpecialRow:
    case TuiGridPlacementSpotKind::SpecialRowCell:
        break;
    }
}

// The close button clears the view's filter, the activate button switches it on or off.
void TuiGridTableController::ClickFilterBar(vcl::TPoint point) {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    if (viewInfo == nullptr) {
        return;
    }
    const TuiGridFilterBarViewInfo& bar = viewInfo->FilterBar();
    TuiDataFilterCriteria& filter = DataController().Filter();
    if (bar.ButtonBounds(fbbClose).Contains(point)) {
        filter.ClearConditions();
    } else if (bar.ButtonBounds(fbbActivate).Contains(point)) {
        filter.SetActive(!filter.Active());
    }
}

void TuiGridTableController::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseUp(button, shift, x, y);
    FPullFocusing->Stop();
    TuiGridColumn* pressedColumn = FPressedColumn;
    SetPressedColumn(nullptr);
    if (FPressedRow >= 0) {
        SelectOnMouseUp(FPressedRow, shift);
        FPressedRow = -1;
        const TuiGridPlacementSpot spot = SpotAt(vcl::Point(x, y));
        if (spot.Kind == TuiGridPlacementSpotKind::DataCell) {
            const TuiGridListenerLink link(&GridView());
            const bool handled = ClickPressedCell(LaidOutCell(spot), button, shift);
            if (link.GridView() == nullptr) {
                return;
            }
            if (handled) {
                EditingController().DropMouseUpRequest();
            } else {
                EditingController().CellMouseUp(VisibleColumnList().at(spot.Column), button, shift);
            }
        }
    }
    FPressedCellRow = -1;
    FPressedCellColumn = nullptr;
    if (pressedColumn != nullptr && button == vcl::mbLeft && GridView().Site().IsMouseInPressedArea(x, y)) {
        SortByHeaderClick(*pressedColumn, shift);
    }
}

void TuiGridTableController::InvalidateColumnHeader(const TuiGridColumn* column) {
    if (column == nullptr || column->VisibleIndex() < 0) {
        return;
    }
    const TuiGridTablePlacement placement = Placement();
    if (column->VisibleIndex() < static_cast<int32_t>(placement.ColumnHeaders.size())) {
        GridView().InvalidateRect(placement.ColumnHeaders[column->VisibleIndex()]);
    }
}

void TuiGridTableController::SetPressedColumn(TuiGridColumn* column) {
    if (column == FPressedColumn) {
        return;
    }
    // While the view is being laid out the headers are painted anew anyway.
    if (!GridView().IsCalculating()) {
        InvalidateColumnHeader(FPressedColumn);
        InvalidateColumnHeader(column);
    }
    FPressedColumn = column;
}

void TuiGridTableController::SizeDataRows(int32_t height) {
    GridTableView().OptionsView().SetDataRowHeight(height);
}

std::unique_ptr<TuiDragAndDropObject> TuiGridTableController::CreateDragAndDropObject(vcl::TPoint point) {
    const TuiGridTablePlacement placement = Placement();
    const TuiGridPlacementSpot spot = SpotIn(placement, point);
    if (spot.Kind == TuiGridPlacementSpotKind::ColumnHeader) {
        TuiGridColumn* column = VisibleColumnList().at(spot.Column);
        if (!CanMoveColumn(*column)) {
            return nullptr;
        }
        HideHint();
        return std::make_unique<TuiGridColumnHeaderMovingObject>(*this, *column, point);
    }
    if (spot.Kind == TuiGridPlacementSpotKind::RowSizingEdge) {
        const TuiGridRowPlacement* row = PlacedRow(placement, spot.RecordIndex);
        const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
        const int32_t nonCellHeight = viewInfo ? viewInfo->RowNonCellHeight(spot.RecordIndex) : 0;
        return row ? std::make_unique<TuiGridRowSizingObject>(*this, row->Bounds, point, nonCellHeight) : nullptr;
    }
    if (spot.Kind != TuiGridPlacementSpotKind::ColumnHeaderSizingEdge) {
        return nullptr;
    }
    TuiGridColumn* column = VisibleColumnList().at(spot.Column);
    if (!GridTableView().CanItemHorzSize(*column)) {
        return nullptr;
    }
    return std::make_unique<TuiGridColumnHorzSizingObject>(*this, *column, placement.ColumnHeaders.at(spot.Column),
                                                           point);
}

void TuiGridTableController::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseMove(shift, x, y);
    // The site holds the mouse while the button is down; without it the press is over.
    if (FPullFocusing->Active() && !GridView().Site().MouseCapture()) {
        FPullFocusing->Stop();
    }
    if (FPullFocusing->Active()) {
        FPullFocusing->MouseMove(vcl::Point(x, y));
        return;
    }
    CheckCellHint(vcl::Point(x, y));
}

// A cell that offers hints checked its hint as the pointer moved over it; elsewhere no hint shows.
void TuiGridTableController::CheckCellHint(vcl::TPoint point) {
    if (CheckColumnHeaderHint(point)) {
        return;
    }
    const auto* cell = dynamic_cast<TuiCustomGridViewCellViewInfo*>(GridView().ViewInfo().GetHitTest(point).ViewInfo());
    if (cell == nullptr || !cell->ShowsHints()) {
        HideHint();
    }
}

bool TuiGridTableController::CheckColumnHeaderHint(vcl::TPoint point) {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    if (viewInfo == nullptr || !GridTableView().OptionsBehavior().ColumnHeaderHints()) {
        return false;
    }
    const TuiGridPlacementSpot spot = SpotIn(viewInfo->Placement(), point);
    if (spot.Kind != TuiGridPlacementSpotKind::ColumnHeader || spot.Column >= viewInfo->ColumnHeaderCount()) {
        return false;
    }
    const TuiGridColumnHeaderViewInfo& header = viewInfo->ColumnHeaders(spot.Column);
    if (!header.IsCaptionCut()) {
        HideHint();
        return true;
    }
    TuiDrawParams params;
    GridTableView().Styles().GetHeaderParams(&header.Column(), params);
    const vcl::TFont& font = params.Font ? *params.Font : GridView().ViewInfo().Canvas().Font();
    ShowHint(header.Bounds(), header.CaptionBounds(), &header, font, header.MultiLinePainting(), header.Text());
    return true;
}

void TuiGridTableController::DragOver(vcl::TPoint point, vcl::TDragState state) {
    FDragScrolling->DragOver(point, state);
}

vcl::TCursor TuiGridTableController::GetCursor(int32_t x, int32_t y) const {
    if (SpotAt(vcl::Point(x, y)).Kind == TuiGridPlacementSpotKind::ColumnHeaderSizingEdge) {
        return crGridHorzSize;
    }
    return TuiCustomGridTableController::GetCursor(x, y);
}

} // namespace ui
