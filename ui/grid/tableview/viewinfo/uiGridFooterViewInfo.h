#pragma once
// TuiGridFooterViewInfo: the footer band at the bottom of a table view. It shows the data controller's footer
// summaries under their columns (one per column, or stacked rows of them with FooterMultiSummaries), below a
// separator and within the look-and-feel painter's footer frame, scrolls sideways with the headers, and answers the
// footer hit tests: a cell names its summary item, an empty slot its column alone. A hidden footer is 0 high.

#include "rtl/text/StringTypes.h"
#include "ui/grid/tableview/layout/uiGridFooterPlacement.h"

#include <memory>
#include <span>
#include <vector>

namespace ui {

class TuiCustomGridHitTest;
class TuiDataSummaryItem;
class TuiGridColumn;
class TuiGridFooterCellViewInfo;
class TuiGridTableViewInfo;

struct TuiGridFooterCell {
    TuiDataSummaryItem* SummaryItem = nullptr; // not owned
    TuiGridColumn* Column = nullptr;           // not owned
    int32_t ColumnIndex = 0;                   // among the visible columns
    vcl::TRect Bounds;
    rtl::UnicodeString Text;
    // The cell laid out in Bounds: what custom drawing is handed.
    std::unique_ptr<TuiGridFooterCellViewInfo> ViewInfo;
};

class TuiGridFooterViewInfo {
public:
    explicit TuiGridFooterViewInfo(TuiGridTableViewInfo& tableViewInfo);
    ~TuiGridFooterViewInfo();
    TuiGridFooterViewInfo(const TuiGridFooterViewInfo&) = delete;
    TuiGridFooterViewInfo& operator=(const TuiGridFooterViewInfo&) = delete;

    bool Visible() const;
    // Forgets the cells and the columns they refer to.
    void Clear();
    // Takes the summary items shown under the visible columns, produces their texts and measures the band: 0 when
    // hidden.
    int32_t CalculateHeight(std::span<TuiGridColumn* const> visibleColumns);
    // Places the band and its cells under the column headers.
    void Calculate(const vcl::TRect& bounds, std::span<const vcl::TRect> columnHeaders);
    void Offset(int32_t dx);

    const vcl::TRect& Bounds() const { return FBounds; }
    // The strip at the top of the band, and the framed rest below it.
    vcl::TRect SeparatorBounds() const;
    vcl::TRect BordersBounds() const;
    int32_t RowCount() const { return FRowCount; }
    int32_t ItemHeight() const { return FMeasures.ItemHeight; }
    int32_t CellCount() const { return static_cast<int32_t>(FCells.size()); }
    const TuiGridFooterCell& Cells(int32_t index) const { return FCells.at(static_cast<size_t>(index)); }

    // The cell under point, else the column slot under it, else the band; nullptr outside the band.
    TuiCustomGridHitTest* HitTestAt(vcl::TPoint point) const;

private:
    std::vector<int> CellColumns() const;
    void ChooseCells(std::span<TuiGridColumn* const> visibleColumns);
    int32_t MeasureItemHeight() const;
    // The summary's text of an item; an exception goes to the application's handler and leaves the text as it was.
    void ProduceText(TuiGridFooterCell& cell, int32_t itemIndex) const;
    TuiCustomGridHitTest& CellHitTest(vcl::TPoint point, int32_t columnIndex, TuiDataSummaryItem* item) const;

    TuiGridTableViewInfo& FTableViewInfo;
    std::vector<TuiGridFooterCell> FCells;
    std::vector<TuiGridColumn*> FColumns; // the visible columns, not owned
    std::vector<vcl::TRect> FColumnHeaders;
    TuiGridFooterMeasures FMeasures;
    int32_t FRowCount = 0;
    vcl::TRect FBounds;
};

} // namespace ui
