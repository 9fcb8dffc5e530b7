#pragma once
// TuiGridTableController: the input of the table view. To the record controller it adds the horizontal position in
// pixels, cell navigation with Left, Right, Home and End, rows with Up and Down, the selection of whole columns
// under CellMultiSelect (a range from the cell-selection anchor to the focused column), sorting by header clicks,
// the best fit of a double-clicked sizing edge, and the sizing of a column by its header's edge. It finds what lies
// under the pointer in the view's placement, worked out from the site's client area, the columns' widths and the
// rows' heights as the view's layout measured them; scrolling moves the view's pixels through its painter.

#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/tableview/layout/uiGridTablePlacement.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiGridColumn;
class TuiGridDataCellViewInfo;
class TuiGridDragScrolling;
class TuiGridPullFocusing;
class TuiGridTablePainter;
class TuiGridTableView;
class TuiGridTableViewInfo;

class TuiGridTableController : public TuiCustomGridTableController {
public:
    explicit TuiGridTableController(TuiGridTableView& gridView);
    ~TuiGridTableController() override;

    TuiGridTableView& GridTableView() const;

    int32_t LeftPos() const { return FLeftPos; }
    // Clamped to 0 .. data width less the rows area's width; a change lays the view out and tells the view.
    void SetLeftPos(int32_t value);

    // The view's places now: the header, its column headers and the rows shown from the top record.
    TuiGridTablePlacement Placement() const;
    TuiGridPlacementSpot SpotAt(vcl::TPoint point) const;
    int32_t DataRowHeight() const;
    int32_t HeaderHeight() const;
    // The footer band's (the group-by box's, the filter bar's) height once the view is laid out; 0 before.
    int32_t FooterHeight() const;
    int32_t GroupByBoxHeight() const;
    int32_t FilterBarHeight() const;
    int32_t PageVisibleRecordCount(int32_t first, bool downward) override;
    // The width right of the indicator: what the columns scroll in.
    static int32_t ContentWidth(const TuiGridTableMeasures& measures);

    bool IsCellMultiSelect() const;
    TuiGridColumn* PressedColumn() const { return FPressedColumn; }
    // The headers of the old and the new pressed column are repainted.
    void SetPressedColumn(TuiGridColumn* column);
    TuiGridColumn* CellSelectionAnchor() const { return FCellSelectionAnchor; }
    int32_t SelectedColumnCount() const { return static_cast<int32_t>(FSelectedColumns.size()); }
    TuiGridColumn* SelectedColumns(int32_t index) const { return FSelectedColumns.at(index); }
    bool IsColumnSelected(const TuiGridColumn* column) const;
    // The columns between the two in visible order become the selection (nullptr: the first, resp. the last).
    void SelectColumns(TuiGridColumn* from, TuiGridColumn* to);
    void ClearColumnSelection();

    void ItemRemoved(TuiCustomGridTableItem* item) override;
    void SelectAll() override;
    void ClearSelection() override;
    void SelectFocusedRecordOnly() override;

    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    // With CellHints a data cell whose text it cuts shows the whole text in a hint over it.
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    vcl::TCursor GetCursor(int32_t x, int32_t y) const override;
    // Near the rows area's edges a drag scrolls the view.
    void DragOver(vcl::TPoint point, vcl::TDragState state) override;
    // Horizontal: the data width in pixels, 10 a line, the client width a page, at LeftPos. Vertical: the rows, one a
    // line, the visible rows a page, at the top record.
    void InitScrollBarsParameters() override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) override;
    // The data rows take a height a sizing gave them: 0, which a double click on a row's sizing edge asks for, is the
    // automatic height and stays 0; a dragged height comes clamped by its sizing object.
    void SizeDataRows(int32_t height);
    // A press on a header's sizing edge sizes its column; a header dragged off its press moves its column.
    std::unique_ptr<TuiDragAndDropObject> CreateDragAndDropObject(vcl::TPoint point) override;
    void HandleGridKey(uint16_t& key, vcl::TShiftState shift) override;
    void SelectOnKey(uint16_t key, vcl::TShiftState shift) override;

    // The special rows above the data rows, from the top: the filter row, then the new-item row. Focused, the
    // filter row is selected; the new-item row holds the data controller's focus.
    bool IsSpecialRowFocused() const;
    // The focused special row (the filter row, the new-item record), else the focused data row's record.
    TuiCustomGridRecord* FocusedRecord() const override;
    // Up from the first data row to the new-item row, or from it (or the first data row) to the filter row: whether
    // a special row took the focus.
    bool FocusSpecialRowUp();
    // Down from the filter row to the new-item row or the top data row, or from the new-item row to the top data row:
    // whether the focus moved.
    bool FocusSpecialRowDown();

    // A header click: Ctrl removes the column's sorting; Shift adds the column to the sorting; otherwise the column
    // alone sorts, ascending first, then the other way at each click. Under GroupBySorting the first sorted column is
    // also the one grouped column.
    void SortByHeaderClick(TuiGridColumn& column, vcl::TShiftState shift);

protected:
    std::unique_ptr<TuiGridEditingController> CreateEditingController() override;
    bool StepFocusCell(bool forward, bool allowRecordChange) override;
    // The horizontal position is clamped again too; nothing while the site has no window to measure.
    void CheckCoordinates() override;
    void TopRecordIndexChanged() override;
    // Under cell multi-selection Ctrl acts as a plain click and Shift+Ctrl as Shift.
    bool CtrlTogglesSelection() const override { return !IsCellMultiSelect(); }
    void MakeItemVisible(TuiCustomGridTableItem* item) override;

private:
    friend class TuiGridPullFocusing;
    friend class TuiGridDragScrolling;
    // Pixels a line of the horizontal bar, or Left and Right without a cell to step to, scroll.
    static constexpr int32_t HorzScrollStep = 10;

    // The view's layout when it has been worked out: its measured heights are the ones painted.
    const TuiGridTableViewInfo* LaidOutViewInfo() const;
    void ClickFilterBar(vcl::TPoint point);
    TuiGridTablePainter& TablePainter() const;
    TuiGridTableMeasures Measures() const;
    TuiGridPlacementSpot SpotIn(const TuiGridTablePlacement& placement, vcl::TPoint point) const;
    std::vector<TuiGridColumn*> VisibleColumnList() const;
    bool CanSortColumn(TuiGridColumn& column) const;
    bool CanGroupColumn(TuiGridColumn& column) const;
    bool CanMoveColumn(TuiGridColumn& column) const;
    void ChangeSortingByHeaderClick(TuiGridColumn& column, vcl::TShiftState shift);
    void GroupByFirstSortedColumn(const TuiGridColumn* onlyColumn);
    // Steps the focused cell within the focused record only.
    bool StepFocusCellInRecord(bool forward);
    bool CanPullFocus(vcl::TMouseButton button, vcl::TShiftState shift) const;
    bool FocusEdgeCell(bool last);
    void ScrollHorizontally(TScrollCode code, int32_t& position);
    void ScrollVertically(TScrollCode code, int32_t& position);
    void UpdateColumnSelection(bool extend);
    void CheckCellHint(vcl::TPoint point);
    // Over a column header: its cut caption shows whole in a hint under ColumnHeaderHints. Answers whether the point
    // lies on a header that had its say.
    bool CheckColumnHeaderHint(vcl::TPoint point);
    void InvalidateColumnHeader(const TuiGridColumn* column);
    void ClickRecord(const TuiGridPlacementSpot& spot, vcl::TMouseButton button, vcl::TShiftState shift);
    // The laid-out data cell at a spot, or nullptr.
    TuiGridDataCellViewInfo* LaidOutCell(const TuiGridPlacementSpot& spot) const;
    // A press on a record or its data cell focuses and selects it and prepares the editor; on a cell a double click
    // fires OnCellDblClick first, and a handler that took it or freed the cell ends the press, as does one that
    // freed the view. Answers whether the press goes on (the view may be gone when it does not).
    bool PressRecord(const TuiGridPlacementSpot& spot, vcl::TMouseButton button, vcl::TShiftState shift,
                     vcl::TPoint point);
    // A release on the pressed cell fires OnCellClick: whether a handler took it (nothing more happens then).
    bool ClickPressedCell(TuiGridDataCellViewInfo* cell, vcl::TMouseButton button, vcl::TShiftState shift);
    // The editor follows the layout after it was worked out again or scrolled.
    void EditorFollowsLayout();

    int32_t FLeftPos = 0;
    TuiGridColumn* FPressedColumn = nullptr;       // not owned
    TuiGridColumn* FCellSelectionAnchor = nullptr; // not owned
    std::vector<TuiGridColumn*> FSelectedColumns;  // not owned
    // Scratch for the placement: the columns' widths and one height per row, reused between calls.
    mutable std::vector<int> FColumnWidths;
    mutable std::vector<int> FRecordHeights;
    int32_t FPressedRow = -1;
    // The data cell a press began on, which a release on it clicks: its row and column, as a new layout after the
    // press (a selection change) makes the cell anew.
    int32_t FPressedCellRow = -1;
    const TuiGridColumn* FPressedCellColumn = nullptr; // not owned; compared, never dereferenced
    std::unique_ptr<TuiGridPullFocusing> FPullFocusing;
    std::unique_ptr<TuiGridDragScrolling> FDragScrolling;
};

} // namespace ui
