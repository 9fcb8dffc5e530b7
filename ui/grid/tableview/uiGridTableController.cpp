#include "ui/grid/tableview/uiGridTableController.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "ui/core/controls/uiSystemControllers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/grid/customtable/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/customtable/uiGridTableScrolling.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridSizingObjects.h"
#include "ui/grid/tableview/uiGridTableMetrics.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridHintHelper.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t HorzScrollStep = 10;

// The pixels of the text cells' margins around "Qq", and beside the text on each side.
constexpr int32_t TextCellMargins = 4;
constexpr int32_t TextCellSideMargin = 2;

const TuiGridRowPlacement* PlacedRow(const TuiGridTablePlacement& placement, int32_t recordIndex) {
    for (const TuiGridRowPlacement& row : placement.Rows) {
        if (row.RecordIndex == recordIndex) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

TuiGridTableController::TuiGridTableController(TuiGridTableView& gridView) : TuiCustomGridTableController(gridView) {}

TuiGridTableView& TuiGridTableController::GridTableView() const {
    return static_cast<TuiGridTableView&>(TableView());
}

bool TuiGridTableController::IsCellMultiSelect() const {
    return GridTableView().OptionsSelection().CellMultiSelect();
}

std::vector<TuiGridColumn*> TuiGridTableController::VisibleColumnList() const {
    TuiGridTableView& view = GridTableView();
    std::vector<TuiGridColumn*> columns;
    columns.reserve(view.VisibleItemCount());
    for (int32_t index = 0; index < view.VisibleItemCount(); ++index) {
        columns.push_back(view.VisibleColumns(index));
    }
    return columns;
}

int32_t TuiGridTableController::DataRowHeight() {
    TuiCanvas& canvas = GridView().ViewInfo().Canvas();
    TuiGridTableOptionsView& options = GridTableView().OptionsView();
    return TableDataRowHeight(options.DataRowHeight(), canvas.GetTextHeight(u"Qq") + TextCellMargins,
                              options.GridLines());
}

int32_t TuiGridTableController::HeaderHeight() {
    TuiGridTableOptionsView& options = GridTableView().OptionsView();
    if (!options.Header()) {
        return 0;
    }
    TuiCanvas& canvas = GridView().ViewInfo().Canvas();
    return TableHeaderHeight(options.HeaderHeight(), canvas.GetTextHeight(u"Qq"),
                             GridView().LookAndFeelPainter()->HeaderFrameWidth());
}

TuiGridTableMeasures TuiGridTableController::Measures() {
    FColumnWidths.clear();
    for (const TuiGridColumn* column : VisibleColumnList()) {
        FColumnWidths.push_back(column->Width());
    }
    FRecordHeights.assign(DataController().GetRowCount(), DataRowHeight());
    TuiGridTableMeasures measures;
    measures.ClientBounds = GridView().Site().ClientRect();
    measures.LeftPos = FLeftPos;
    measures.HeaderHeight = HeaderHeight();
    measures.ColumnWidths = FColumnWidths;
    measures.RecordHeights = FRecordHeights;
    measures.TopRecordIndex = TopRecordIndex();
    return measures;
}

TuiGridTablePlacement TuiGridTableController::Placement() {
    return PlaceTableView(Measures());
}

TuiGridPlacementSpot TuiGridTableController::SpotAt(vcl::TPoint point) {
    return LocateInTablePlacement(Placement(), point, GridTableView().OptionsCustomize().ColumnHorzSizing());
}

int32_t TuiGridTableController::PageVisibleRecordCount(int32_t first, bool downward) {
    const TuiGridTableMeasures measures = Measures();
    const int32_t contentHeight = measures.ClientBounds.Height() - measures.HeaderHeight;
    return ui::PageVisibleRecordCount(measures.RecordHeights, contentHeight, first, downward);
}

void TuiGridTableController::SetLeftPos(int32_t value) {
    const TuiGridTableMeasures measures = Measures();
    value = ClampLeftPos(value, TableDataWidth(measures.ColumnWidths), measures.ClientBounds.Width());
    if (value == FLeftPos) {
        return;
    }
    FLeftPos = value;
    GridView().LayoutChanged();
    GridView().Site().UpdateScrollBars();
    GridTableView().DoLeftPosChanged();
}

void TuiGridTableController::TopRecordIndexChanged() {
    TuiCustomGridTableController::TopRecordIndexChanged();
    GridView().Site().UpdateScrollBars();
}

void TuiGridTableController::InitScrollBarsParameters() {
    TuiGridSite& site = GridView().Site();
    // A site without its window yet (no parent) has no client area to measure; its bars follow once it is shown.
    if (!site.HandleAllocated()) {
        return;
    }
    const TuiGridTableMeasures measures = Measures();
    const int32_t clientWidth = measures.ClientBounds.Width();
    site.SetScrollBarInfo(sbHorizontal, 0, TableDataWidth(measures.ColumnWidths) - 1, HorzScrollStep, clientWidth,
                          clientWidth > 0 ? FLeftPos : -1, true, true);
    site.SetScrollBarInfo(sbVertical, 0, DataController().GetRowCount() - 1, 1, VisibleRecordCount(), TopRecordIndex(),
                          true, true);
}

void TuiGridTableController::ScrollHorizontally(TScrollCode code, int32_t& position) {
    const int32_t page = GridView().Site().ClientWidth();
    switch (code) {
    case scLineUp:
        SetLeftPos(FLeftPos - HorzScrollStep);
        break;
    case scLineDown:
        SetLeftPos(FLeftPos + HorzScrollStep);
        break;
    case scPageUp:
        SetLeftPos(FLeftPos - page);
        break;
    case scPageDown:
        SetLeftPos(FLeftPos + page);
        break;
    case scTrack:
    case scPosition:
        SetLeftPos(position);
        break;
    default:
        break;
    }
    position = FLeftPos;
}

void TuiGridTableController::ScrollVertically(TScrollCode code, int32_t& position) {
    const int32_t top = TopRecordIndex();
    switch (code) {
    case scLineUp:
        SetTopRecordIndex(top - 1);
        break;
    case scLineDown:
        SetTopRecordIndex(top + 1);
        break;
    case scPageUp:
        SetTopRecordIndex(PageUpTopRecordIndex(top, PageVisibleRecordCount(top, false)));
        break;
    case scPageDown:
        SetTopRecordIndex(PageDownTopRecordIndex(top, VisibleRecordCount()));
        break;
    // The records follow the thumb where it is let go; only a provider that navigates itself follows it while
    // tracking, and there is none here.
    case scPosition:
        SetTopRecordIndex(position);
        break;
    default:
        break;
    }
    position = TopRecordIndex();
}

void TuiGridTableController::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    if (kind == sbHorizontal) {
        ScrollHorizontally(code, position);
    } else {
        ScrollVertically(code, position);
    }
}

void TuiGridTableController::MakeItemVisible(TuiCustomGridTableItem* item) {
    if (item == nullptr || item->VisibleIndex() < 0) {
        return;
    }
    const TuiGridTablePlacement placement = Placement();
    if (item->VisibleIndex() >= static_cast<int32_t>(placement.ColumnHeaders.size())) {
        return;
    }
    const vcl::TRect cell = placement.ColumnHeaders[item->VisibleIndex()];
    const vcl::TRect area = placement.RowsAreaBounds;
    if (cell.Width() > area.Width() || cell.Left < area.Left) {
        SetLeftPos(FLeftPos + cell.Left - area.Left);
    } else if (cell.Right > area.Right) {
        SetLeftPos(FLeftPos + cell.Right - area.Right);
    }
}

bool TuiGridTableController::IsColumnSelected(const TuiGridColumn* column) const {
    return std::find(FSelectedColumns.begin(), FSelectedColumns.end(), column) != FSelectedColumns.end();
}

void TuiGridTableController::SelectColumns(TuiGridColumn* from, TuiGridColumn* to) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (columns.empty()) {
        ClearColumnSelection();
        return;
    }
    auto first = from ? std::find(columns.begin(), columns.end(), from) : columns.begin();
    auto last = to ? std::find(columns.begin(), columns.end(), to) : columns.end() - 1;
    if (first == columns.end() || last == columns.end()) {
        return;
    }
    if (first > last) {
        std::swap(first, last);
    }
    std::vector<TuiGridColumn*> range(first, last + 1);
    if (range == FSelectedColumns) {
        return;
    }
    FSelectedColumns = std::move(range);
    GridView().Changed(0);
    TableView().DoSelectionChanged();
}

void TuiGridTableController::ClearColumnSelection() {
    if (FSelectedColumns.empty()) {
        return;
    }
    FSelectedColumns.clear();
    GridView().Changed(0);
    TableView().DoSelectionChanged();
}

void TuiGridTableController::ItemRemoved(TuiCustomGridTableItem* item) {
    // The focus leaves the column first, so that the anchor never lands on the column going away.
    TuiCustomGridTableController::ItemRemoved(item);
    std::erase(FSelectedColumns, item);
    if (FCellSelectionAnchor == item) {
        FCellSelectionAnchor = static_cast<TuiGridColumn*>(FocusedItem());
    }
    if (FPressedColumn == item) {
        FPressedColumn = nullptr;
    }
}

void TuiGridTableController::UpdateColumnSelection(bool extend) {
    auto* focused = static_cast<TuiGridColumn*>(FocusedItem());
    if (!IsCellMultiSelect() || focused == nullptr) {
        return;
    }
    if (!extend || FCellSelectionAnchor == nullptr) {
        FCellSelectionAnchor = focused;
    }
    SelectColumns(FCellSelectionAnchor, focused);
}

void TuiGridTableController::SelectAll() {
    TuiCustomGridTableController::SelectAll();
    if (IsCellMultiSelect()) {
        SelectColumns(nullptr, nullptr);
    }
}

void TuiGridTableController::ClearSelection() {
    TuiCustomGridTableController::ClearSelection();
    ClearColumnSelection();
}

void TuiGridTableController::SelectFocusedRecordOnly() {
    TuiCustomGridTableController::SelectFocusedRecordOnly();
    UpdateColumnSelection(false);
}

void TuiGridTableController::SelectOnKey(uint16_t key, vcl::TShiftState shift) {
    TuiCustomGridTableController::SelectOnKey(key, shift);
    UpdateColumnSelection(shift.Contains(vcl::ssShift));
}

bool TuiGridTableController::StepFocusCell(bool forward) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (!TableView().OptionsSelection().CellSelect() || columns.empty()) {
        return false;
    }
    const auto* focused = static_cast<TuiGridColumn*>(FocusedItem());
    const int32_t count = static_cast<int32_t>(columns.size());
    const int32_t from = focused ? focused->VisibleIndex() : -1;
    const int32_t next = forward ? from + 1 : (from < 0 ? count - 1 : from - 1);
    if (next >= 0 && next < count) {
        SetFocusedItem(columns[next]);
        return true;
    }
    const bool moved = forward ? GoToNextRecord(false) : GoToPrevRecord(false);
    if (moved) {
        SetFocusedItem(columns[forward ? 0 : count - 1]);
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

void TuiGridTableController::HandleGridKey(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomGridTableItem* prevFocusedItem = FocusedItem();
    const bool extend = shift.Contains(vcl::ssShift);
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (!StepFocusCell(key == VK_RIGHT)) {
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
        key == VK_DOWN ? GoToNextRecord(extend) : GoToPrevRecord(extend);
        BringRecordIntoView(DataController().GetFocusedRowIndex());
        key = 0;
        break;
    default:
        TuiCustomGridTableController::HandleGridKey(key, shift);
        return;
    }
    if (FocusedItem() != prevFocusedItem) {
        UpdateColumnSelection(extend);
    }
}

bool TuiGridTableController::CanSortColumn(TuiGridColumn& column) const {
    return GridTableView().OptionsCustomize().ColumnSorting() && column.Options().Sorting();
}

void TuiGridTableController::SortByHeaderClick(TuiGridColumn& column, vcl::TShiftState shift) {
    if (!CanSortColumn(column)) {
        return;
    }
    PushHourglassCursor();
    TuiGridTableView& view = GridTableView();
    view.BeginUpdate();
    try {
        if (shift.Contains(vcl::ssCtrl)) {
            column.SetSortOrder(soNone);
        } else {
            // The order is read before other sorting is cleared, which may take this column's with it.
            const TuiDataSortOrder order = column.SortOrder() == soAscending ? soDescending : soAscending;
            if (!shift.Contains(vcl::ssShift) && column.GroupIndex() < 0) {
                DataController().ClearSortingExceptGrouping(true);
            }
            column.SetSortOrder(order);
        }
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

void TuiGridTableController::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseDown(button, shift, x, y);
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
            FPressedColumn = columns.at(spot.Column);
        }
        break;
    case TuiGridPlacementSpotKind::Record:
    case TuiGridPlacementSpotKind::DataCell:
        ClickRecord(spot, button, shift);
        break;
    case TuiGridPlacementSpotKind::None:
        break;
    }
}

void TuiGridTableController::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseUp(button, shift, x, y);
    TuiGridColumn* pressedColumn = FPressedColumn;
    FPressedColumn = nullptr;
    if (FPressedRow >= 0) {
        SelectOnMouseUp(FPressedRow, shift);
        FPressedRow = -1;
    }
    if (pressedColumn != nullptr && button == vcl::mbLeft && GridView().Site().IsMouseInPressedArea(x, y)) {
        SortByHeaderClick(*pressedColumn, shift);
    }
}

void TuiGridTableController::SizeDataRows(int32_t height) {
    GridTableView().OptionsView().SetDataRowHeight(height);
}

std::unique_ptr<TuiDragAndDropObject> TuiGridTableController::CreateDragAndDropObject(vcl::TPoint point) {
    const TuiGridTablePlacement placement = Placement();
    const TuiGridPlacementSpot spot =
        LocateInTablePlacement(placement, point, GridTableView().OptionsCustomize().ColumnHorzSizing());
    if (spot.Kind != TuiGridPlacementSpotKind::ColumnHeaderSizingEdge) {
        return nullptr;
    }
    TuiGridColumn* column = VisibleColumnList().at(spot.Column);
    if (!GridTableView().CanItemHorzSize(*column)) {
        return nullptr;
    }
    return std::make_unique<TuiGridColumnHorzSizingObject>(*this, *column, placement.ColumnHeaders.at(spot.Column),
                                                           point.X);
}

void TuiGridTableController::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomGridTableController::MouseMove(shift, x, y);
    CheckCellHint(vcl::Point(x, y));
}

void TuiGridTableController::CheckCellHint(vcl::TPoint point) {
    if (!TableView().OptionsBehavior().CellHints()) {
        return;
    }
    const TuiGridTablePlacement placement = Placement();
    const TuiGridPlacementSpot spot =
        LocateInTablePlacement(placement, point, GridTableView().OptionsCustomize().ColumnHorzSizing());
    const TuiGridRowPlacement* row = PlacedRow(placement, spot.RecordIndex);
    if (spot.Kind != TuiGridPlacementSpotKind::DataCell || row == nullptr) {
        HideHint();
        return;
    }
    const vcl::TRect cell = row->Cells.at(spot.Column);
    vcl::TRect textBounds = cell;
    textBounds.Left += TextCellSideMargin;
    textBounds.Right -= TextCellSideMargin;
    const TuiGridColumn* column = VisibleColumnList().at(spot.Column);
    const rtl::UnicodeString text = rtl::AnsiToUnicode(
        DataController().GetRowDisplayText(DataController().GetRowInfo(spot.RecordIndex), column->Index()));
    TuiCanvas& canvas = GridView().ViewInfo().Canvas();
    if (text.empty() || canvas.GetTextWidth(text) <= textBounds.Width()) {
        HideHint();
        return;
    }
    HintHelper().ShowHint(cell, textBounds, canvas.Font(), false, text);
}

vcl::TCursor TuiGridTableController::GetCursor(int32_t x, int32_t y) const {
    auto& self = const_cast<TuiGridTableController&>(*this);
    if (self.SpotAt(vcl::Point(x, y)).Kind == TuiGridPlacementSpotKind::ColumnHeaderSizingEdge) {
        return crGridHorzSize;
    }
    return TuiCustomGridTableController::GetCursor(x, y);
}

} // namespace ui
