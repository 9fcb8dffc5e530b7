#pragma once
// TuiGridTableViewInfo: the layout of a table view inside its site. It measures the header and the data rows, places
// the group-by box, the filter bar, the header band with one column header per visible column, the filter and new-item
// rows under it, the data rows from the top record down and the footer band under them, the indicator at their left,
// owns their view infos (each data cell with its editor view info), answers what lies under a point, and follows the
// table controller's scrolling, keeping the rows still shown. The controller keeps the top record, the left position
// and the focused and pressed columns; the layout reads them there.

#include "ui/grid/tableview/layout/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridHeaderAreas.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <memory>
#include <span>
#include <vector>

namespace ui {

class TuiCanvas;
class TuiCustomGridTableItem;
class TuiGridColumn;
class TuiGridColumnCellEditor;
class TuiGridColumnHeaderViewInfo;
class TuiGridDataRowViewInfo;
class TuiGridFilterBarViewInfo;
class TuiGridFooterViewInfo;
class TuiGridGroupByBoxViewInfo;
class TuiGridIndicatorViewInfo;
class TuiGridNewItemRowViewInfo;
class TuiGridTableView;

class TuiGridTableViewInfo : public TuiCustomGridViewInfo {
public:
    explicit TuiGridTableViewInfo(TuiGridTableView& gridView);
    ~TuiGridTableViewInfo() override;

    TuiGridTableView& TableView() const;
    // The size of text in font (nullptr: the canvas's own) on the measuring canvas.
    vcl::TSize MeasureText(rtl::UnicodeStringView text, const vcl::TFont* font) const;

    // What the table controller set and the layout reads: the top record (a row of the view data), how far the rows
    // and headers are scrolled left in pixels, the focused and the pressed column (compared, never dereferenced).
    int32_t TopRecordIndex() const;
    int32_t LeftPos() const;
    const TuiCustomGridTableItem* FocusedColumn() const;
    const TuiGridColumn* PressedColumn() const;

    const TuiGridTablePlacement& Placement() const { return FPlacement; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    TuiGridFooterViewInfo& Footer() const { return *FFooter; }
    int32_t FooterHeight() const { return FFooterHeight; }
    TuiGridIndicatorViewInfo& Indicator() const { return *FIndicator; }
    TuiGridGroupByBoxViewInfo& GroupByBox() const { return *FGroupByBox; }
    int32_t GroupByBoxHeight() const { return FGroupByBoxHeight; }
    TuiGridFilterBarViewInfo& FilterBar() const { return *FFilterBar; }
    int32_t FilterBarHeight() const { return FFilterBarHeight; }
    // The height of a data row, its horizontal grid line included.
    int32_t DataRowHeight() const { return FDataRowHeight; }
    // The height of a group row, its horizontal grid line included.
    int32_t GroupRowHeight() const { return FGroupRowHeight; }
    // The sum of the column header widths; under ColumnAutoWidth at least the content width.
    int32_t DataWidth() const;
    // The column header widths of columns in visible order: stored, the first widened by the level indents, or
    // sharing the content width when that is not negative.
    static std::vector<int32_t> ColumnWidthsOf(std::span<TuiGridColumn* const> columns, int32_t levelIndentsWidth,
                                               int32_t autoWidthContentWidth);
    // The width the columns fill under ColumnAutoWidth (the content right of the indicator); -1 when they keep their
    // widths.
    static int32_t AutoWidthContentWidth(TuiGridTableView& view, int32_t contentWidth);
    const TuiGridVisibleRows& VisibleRows() const { return FPlacement.VisibleRows; }
    int32_t ColumnHeaderCount() const { return static_cast<int32_t>(FColumnHeaders.size()); }
    TuiGridColumnHeaderViewInfo& ColumnHeaders(int32_t index) const;
    // The widest a visible column's header may be sized to: unlimited unless the columns fill the content, then what
    // the other columns leave at their minimum widths (those before it at their present widths, unless it is last).
    int32_t MaxColumnHeaderWidth(int32_t visibleIndex) const;
    // The user sized a visible column's header to width while the columns fill the content: the widths the headers
    // then show become the columns' stored widths, in one update of the view, so that the layout shows them as sized.
    void SizeSharedColumnHeader(int32_t visibleIndex, int32_t width);
    // The filter row and the new-item row the view shows, in that order from the top.
    int32_t SpecialRowCount() const { return static_cast<int32_t>(FSpecialRows.size()); }
    TuiGridNewItemRowViewInfo& SpecialRows(int32_t position) const {
        return *FSpecialRows.at(static_cast<size_t>(position));
    }
    bool ShowsSpecialRowInfoText() const;
    int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
    TuiGridDataRowViewInfo& Rows(int32_t position) const { return *FRows.at(static_cast<size_t>(position)); }
    // The laid-out row of a view data row, or nullptr.
    TuiGridDataRowViewInfo* RowOfRecord(int32_t rowIndex) const;
    // One per visible column, made first in a layout.
    int32_t CellEditorCount() const { return static_cast<int32_t>(FCellEditors.size()); }
    TuiGridColumnCellEditor& CellEditor(int32_t visibleIndex) const;

    // The expand button's size and its gap in an indent; a level indent holds the button between two gaps.
    static constexpr int32_t ExpandButtonIndent = 3;
    int32_t ExpandButtonSize() const;
    int32_t LevelIndent() const { return ExpandButtonSize() + 2 * ExpandButtonIndent; }
    // The indents at the left of every data row, and their width; the first column's cells lie right of them.
    int32_t LevelCount() const;
    int32_t LevelIndentsWidth() const { return LevelCount() * LevelIndent(); }
    // The group rows draw the Office 2003 way: no indent of their own, caption at the bottom over a separator.
    bool HasOffice11GroupRows() const;
    // Such a group row closes with a separator of this height instead of a grid line.
    static constexpr int32_t Office11GroupSeparatorWidth = 2;
    // The row closes its group of a level: no row of that group follows it.
    bool ClosesGroup(int32_t rowIndex, int32_t level) const;
    // The strip under each row in the separator colour (0: none); an Office 2003 group row has none, its own
    // separator takes its place.
    int32_t RowSeparatorWidth(int32_t rowIndex) const;
    vcl::TColor RowSeparatorColor() const;
    // The last row closes the rows with a grid line when the view has vertical grid lines alone and no separators.
    bool HasClosingLine(int32_t rowIndex) const;
    // What a row has below its content: its separator and its closing line.
    int32_t RowBottomHeight(int32_t rowIndex) const;
    // What a row has besides its cells: its preview, its separator and its closing line.
    int32_t RowNonCellHeight(int32_t rowIndex) const { return PreviewHeight(rowIndex) + RowBottomHeight(rowIndex); }
    // The data rows take their heights from their cells: CellAutoHeight without a stored DataRowHeight, or
    // whenever the view has an OnGetCellHeight handler.
    bool AutoDataRowHeight() const;
    // The editor of the preview column while the view shows a preview, else nullptr.
    TuiGridColumnCellEditor* PreviewEditor() const { return FPreviewEditor.get(); }
    // The data rows' width right of their level indents less the right grid line: where a preview shows its text.
    int32_t PreviewContentWidth() const;
    // The height of a data row's preview (0 without one), its grid line included.
    int32_t PreviewHeight(int32_t rowIndex) const;
    // Where a data cell of a visible column shows its value: its width under its header less its right grid line.
    int32_t CellContentWidth(int32_t visibleIndex) const;

    TuiGridLines GridLines() const;
    vcl::TColor GridLineColor() const;
    static constexpr int32_t GridLineWidth = 1;
    TuiBorders CellBordersForGridLines(bool isLastColumn) const;

    // Focus and selection may change with a repaint alone: every cell takes the look they give it now.
    void RefreshSelectedCells();

    // A visible column merges equal cells: scrolling by records then repaints the view.
    bool HasMergingColumn() const;

    // The no-data text shows when the view has no rows and the text is not empty, over the rows area.
    bool HasNoDataText() const;
    vcl::TRect NoDataTextBounds() const;

    TuiCustomGridHitTest& GetHitTest(vcl::TPoint point) override;

    // A column of the layout is going away: the layout's view infos, which refer to it, go at once, so that nothing
    // paints or hit-tests through it before the view is laid out again.
    void ItemRemoving(const TuiCustomGridTableItem* item);

    // Follows the controller's top record: the rows still shown are kept and moved, the others made; when the top
    // moved by as many records as are laid out everything is placed anew. Answers the pixels the kept rows moved (0
    // when none were kept).
    int32_t ScrollToTopRecord();
    // Follows the controller's left position: the headers and rows move sideways. Answers the pixels they moved.
    int32_t ScrollToLeftPos();

protected:
    void Calculate() override;

private:
    TuiGridTableMeasures Measures() const;
    void CalculateHeights();
    void CalculateRecordHeights();
    // Measures the data rows whose cells or previews set their heights from a top record down over the rows area's
    // height: the rows that are laid out, and no others.
    void MeasureRecordHeightsFrom(int32_t topRecordIndex, int32_t rowsAreaHeight);
    bool MeasuresRecordHeights() const;
    void CalculateColumnWidths();
    std::vector<int32_t> ColumnHeaderMinWidths() const;
    // Each column's Width becomes the real width of its header width.
    void StoreColumnWidths(std::span<const int32_t> headerWidths);
    int32_t AutoWidthContentWidth() const;
    int32_t LargestHeaderTextHeight();
    void CreateCellEditors();
    void CreateSpecialRows();
    void CreateColumnHeaders();
    void CalculateColumnHeaders();
    void PlaceRows(std::vector<std::unique_ptr<TuiGridDataRowViewInfo>> previous);
    void ResetCellMerging();
    void ClearLayout();
    void CalculateCellMerging();
    void MergeCellsBelow(size_t position, int32_t column);
    int32_t ClampedTopRecordIndex() const;

    std::vector<int32_t> FColumnWidths;
    std::vector<int32_t> FRecordHeights;
    // The data rows whose heights have been measured in this layout (only when their cells set them).
    std::vector<bool> FRecordHeightMeasured;
    std::vector<int32_t> FPreviewHeights; // one per record while the heights are measured
    std::unique_ptr<TuiGridColumnCellEditor> FPreviewEditor;
    std::vector<TuiGridColumn*> FVisibleColumns; // not owned
    TuiGridTablePlacement FPlacement;
    std::vector<std::unique_ptr<TuiGridColumnCellEditor>> FCellEditors;
    std::vector<std::unique_ptr<TuiGridColumnHeaderViewInfo>> FColumnHeaders;
    std::vector<std::unique_ptr<TuiGridDataRowViewInfo>> FRows;
    std::vector<std::unique_ptr<TuiGridNewItemRowViewInfo>> FSpecialRows;
    std::vector<int32_t> FSpecialRowHeights;
    std::unique_ptr<TuiGridFooterViewInfo> FFooter;
    std::unique_ptr<TuiGridIndicatorViewInfo> FIndicator;
    std::unique_ptr<TuiGridGroupByBoxViewInfo> FGroupByBox;
    int32_t FGroupByBoxHeight = 0;
    std::unique_ptr<TuiGridFilterBarViewInfo> FFilterBar;
    int32_t FFilterBarHeight = 0;
    int32_t FHeaderHeight = 0;
    int32_t FFooterHeight = 0;
    int32_t FDataRowHeight = 0;
    int32_t FGroupRowHeight = 0;
    // The top record and left position of the present layout.
    int32_t FLaidOutTopRecordIndex = 0;
    int32_t FLaidOutLeftPos = 0;
};

} // namespace ui
