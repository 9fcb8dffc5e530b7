#pragma once
// TuiGridDataCellViewInfo: one value of a data row under its column's header. The cell owns an editor view info of
// its column's editor, fills it through the column's shared view data with the record's value, the cell's colours
// and selection, and is painted by it; its borders are the grid lines it carries.

#include "rtl/variants/Variant.h"
#include "ui/grid/cells/uiGridCellViewInfo.h"

#include <memory>
#include <vector>

namespace ui {

class TuiCustomEditViewInfo;
class TuiCustomTextEditViewData;
class TuiCustomGridRecord;
class TuiCustomGridTableOptionsSelection;
class TuiGridColumn;
class TuiGridColumnCellEditor;
class TuiGridDataRowViewInfo;

class TuiGridDataCellViewInfo : public TuiCustomGridCellViewInfo {
public:
    TuiGridDataCellViewInfo(TuiGridDataRowViewInfo& row, TuiGridColumnCellEditor& editor, bool isLastColumn);
    ~TuiGridDataCellViewInfo() override;

    TuiGridDataRowViewInfo& Row() const { return FRow; }
    TuiGridColumn& Column() const;
    TuiCustomEditViewInfo& EditViewInfo() const { return *FEditViewInfo; }
    // Lays the cell out in bounds and fills its editor view info.
    void CalculateCell(const vcl::TRect& bounds);
    // Moves the cell and its editor view info.
    void OffsetCell(int32_t dx, int32_t dy);
    // Where the editor paints: the bounds less the grid lines.
    vcl::TRect ContentBounds() const { return ClientBounds(); }
    // The record's display text when the editor shows the data's own text, else its value.
    rtl::Variant CellDisplayValue() const;
    bool Selected() const { return FSelected; }
    // The selection, the focused cell or the incremental search changed without a new layout: the cell's editor is
    // filled again when the cell is now drawn otherwise.
    void RefreshSelected();
    // While the user searches incrementally, the focused record's cell of the searched column highlights the
    // characters found: their count, else 0.
    int32_t IncSearchHighlightLength() const;
    // The focused record's cell of the view's focused column.
    bool IsFocusedCell() const;

    // Merging: a cell of a merging column extends down over the following rows that show an equal value; the cells
    // it covers are merged into it and not painted.
    // The row is not selected and the column merges its cells.
    bool CanMerge() const;
    bool IsMerging() const { return !FMergedCells.empty(); }
    bool IsMerged() const { return FMergingCell != nullptr; }
    TuiGridDataCellViewInfo* MergingCell() const { return FMergingCell; }
    // The bounds before merging.
    const vcl::TRect& UnmergedBounds() const { return FUnmergedBounds; }
    // Covers cell, which shows the same value in a following row.
    void MergeCell(TuiGridDataCellViewInfo& cell);
    // Extends the cell down to its last merged cell.
    void ExtendOverMergedCells();
    // Back to the unmerged state; touches no other cell, so it may run while other rows are being freed.
    void ResetMerging();

protected:
    // The editor's margins inside the cell's content bounds.
    virtual vcl::TRect EditorContentOffsets() const;
    // The text breaks into rows at the cell's width, at most this many (0: any); -1 keeps it on one row.
    virtual int32_t TextMaxLineCount() const;
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;
    TuiBorders GetBorders() const override;
    int32_t GetBorderWidth(TuiBorder side) const override;
    TuiControl* GetControl() const override;
    void Invalidate() override;

private:
    TuiCustomGridRecord* GridRecord() const;
    bool CalculateSelected() const;
    // The cell's own state, whatever it covers.
    bool CalculateOwnSelected() const;
    bool CanShowSelection(const TuiCustomGridTableOptionsSelection& selection) const;
    void FillEditViewInfo();
    bool IsSelectedCellOfRecord() const;
    // Rows broken at the cell's width when the row takes its height from its cells; the incremental search's
    // highlight.
    void PrepareTextViewData(TuiCustomTextEditViewData& viewData) const;

    TuiGridDataRowViewInfo& FRow;
    TuiGridColumnCellEditor& FEditor;
    std::unique_ptr<TuiCustomEditViewInfo> FEditViewInfo;
    vcl::TRect FUnmergedBounds;
    TuiGridDataCellViewInfo* FMergingCell = nullptr;    // not owned
    std::vector<TuiGridDataCellViewInfo*> FMergedCells; // not owned
    bool FIsLastColumn;
    bool FSelected = false;
    int32_t FIncSearchHighlightLength = 0;
};

} // namespace ui
