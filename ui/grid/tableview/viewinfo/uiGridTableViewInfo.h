#pragma once
// TuiGridTableViewInfo: the layout of a table view inside its site. It measures the header and the data rows, places
// the header band with one column header per visible column and the data rows from the top record down, owns their
// view infos (each data cell with its editor view info), answers what lies under a point, and scrolls by records
// keeping the rows still shown. It also holds what the controllers set and the layout reads: the top record, the
// left position, the focused and the pressed column.

#include "ui/grid/tableview/uiGridHeaderAreas.h"
#include "ui/grid/tableview/uiGridTablePlacement.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <memory>
#include <vector>

namespace ui {

class TuiGridColumn;
class TuiGridColumnCellEditor;
class TuiGridColumnHeaderViewInfo;
class TuiGridDataRowViewInfo;
class TuiGridTableView;

class TuiGridTableViewInfo : public TuiCustomGridViewInfo {
public:
    explicit TuiGridTableViewInfo(TuiGridTableView& gridView);
    ~TuiGridTableViewInfo() override;

    TuiGridTableView& TableView() const;
    // The canvas the layout measures and fills editors on: the screen's, as the site may have no window yet.
    TuiCanvas& MeasuringCanvas() const;

    // The first record laid out (a row of the view data), kept within the rows there are.
    int32_t TopRecordIndex() const { return FTopRecordIndex; }
    void SetTopRecordIndex(int32_t value) { FTopRecordIndex = value; }
    // How far the rows and headers are scrolled left, in pixels.
    int32_t LeftPos() const { return FLeftPos; }
    void SetLeftPos(int32_t value) { FLeftPos = value; }
    TuiGridColumn* FocusedColumn() const { return FFocusedColumn; }
    void SetFocusedColumn(TuiGridColumn* column) { FFocusedColumn = column; }
    TuiGridColumn* PressedColumn() const { return FPressedColumn; }
    void SetPressedColumn(TuiGridColumn* column) { FPressedColumn = column; }

    const TuiGridTablePlacement& Placement() const { return FPlacement; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    // The height of a data row, its horizontal grid line included.
    int32_t DataRowHeight() const { return FDataRowHeight; }
    int32_t DataWidth() const;
    const TuiGridVisibleRows& VisibleRows() const { return FPlacement.VisibleRows; }
    int32_t ColumnHeaderCount() const { return static_cast<int32_t>(FColumnHeaders.size()); }
    TuiGridColumnHeaderViewInfo& ColumnHeaders(int32_t index) const;
    int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
    TuiGridDataRowViewInfo& Rows(int32_t position) const { return *FRows.at(static_cast<size_t>(position)); }
    // The laid-out row of a view data row, or nullptr.
    TuiGridDataRowViewInfo* RowOfRecord(int32_t rowIndex) const;
    TuiGridColumnCellEditor& CellEditor(int32_t visibleIndex) const;

    TuiGridLines GridLines() const;
    vcl::TColor GridLineColor() const;
    static constexpr int32_t GridLineWidth = 1;
    TuiBorders CellBordersForGridLines(bool isLastColumn) const;

    // A visible column merges equal cells: scrolling by records then repaints the view.
    bool HasMergingColumn() const;

    // The no-data text shows when the view has no rows and the text is not empty, over the rows area.
    bool HasNoDataText() const;
    vcl::TRect NoDataTextBounds() const;

    TuiCustomGridHitTest& GetHitTest(vcl::TPoint point) override;

    // Scrolls the top record by count: the rows still shown are kept and moved, the others made; when count reaches
    // past the rows laid out everything is placed anew. Answers the pixels the kept rows moved (0 when none were
    // kept).
    int32_t ScrollRecords(int32_t count);
    // Scrolls the left position by dx pixels: the headers and rows move.
    void ScrollHorizontally(int32_t dx);

protected:
    void Calculate() override;

private:
    TuiGridTableMeasures Measures() const;
    void CalculateHeights();
    void CreateCellEditors();
    void CreateColumnHeaders();
    void CalculateColumnHeaders();
    void PlaceRows(std::vector<std::unique_ptr<TuiGridDataRowViewInfo>> previous);
    void ResetCellMerging();
    void CalculateCellMerging();
    void MergeCellsBelow(size_t position, int32_t column);
    int32_t ClampedTopRecordIndex() const;

    std::vector<int32_t> FColumnWidths;
    std::vector<int32_t> FRecordHeights;
    std::vector<TuiGridColumn*> FVisibleColumns; // not owned
    TuiGridTablePlacement FPlacement;
    std::vector<std::unique_ptr<TuiGridColumnCellEditor>> FCellEditors;
    std::vector<std::unique_ptr<TuiGridColumnHeaderViewInfo>> FColumnHeaders;
    std::vector<std::unique_ptr<TuiGridDataRowViewInfo>> FRows;
    int32_t FHeaderHeight = 0;
    int32_t FDataRowHeight = 0;
    int32_t FTopRecordIndex = 0;
    int32_t FLeftPos = 0;
    TuiGridColumn* FFocusedColumn = nullptr; // not owned
    TuiGridColumn* FPressedColumn = nullptr; // not owned
};

} // namespace ui
