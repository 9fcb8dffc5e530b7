#pragma once
// The places of the table view's bands and cells from its measures: the header band with one column header per
// visible column, the rows area under it, the data rows stacked from the top record down to the bottom of the client
// bounds, and each data cell under its column header with the header's real width. Scrolling left moves every
// horizontal place by the left position.

#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ui {

struct TuiGridTableMeasures {
    vcl::TRect ClientBounds;
    int LeftPos = 0;
    int GroupByBoxHeight = 0; // 0 when the group-by box is hidden
    int FilterBarHeight = 0;  // 0 when the filter bar is hidden
    bool FilterBarAtTop = false;
    int HeaderHeight = 0;   // 0 when the header is hidden
    int FooterHeight = 0;   // 0 when the footer is hidden
    int IndicatorWidth = 0; // 0 when the indicator is hidden
    int LevelIndentsWidth = 0;
    std::span<const int> ColumnWidths;
    int DataWidth = -1;                 // the rows area's width; -1: the sum of the column widths
    std::span<const int> RecordHeights; // one per record, in record order
    // The special rows above the records, in order from the top (the filter row, then the new-item row).
    std::span<const int> SpecialRowHeights;
    int TopRecordIndex = 0;
};

struct TuiGridRowPlacement {
    int RecordIndex = 0;
    vcl::TRect Bounds;
    std::vector<vcl::TRect> Cells; // one per visible column
    bool operator==(const TuiGridRowPlacement&) const = default;
};

struct TuiGridTablePlacement {
    // Above everything else over the client's width; it does not scroll.
    vcl::TRect GroupByBoxBounds;
    // Over the client's width under the group-by box, or at the client's bottom.
    vcl::TRect FilterBarBounds;
    // At the client's left over its whole height; it does not scroll sideways, the bands right of it do.
    vcl::TRect IndicatorBounds;
    vcl::TRect HeaderBounds;
    std::vector<vcl::TRect> ColumnHeaders;
    // Under the header, one per special row height, each with a cell per column; they do not scroll vertically.
    std::vector<TuiGridRowPlacement> SpecialRows;
    // Under the special rows: where the records lie.
    vcl::TRect RowsAreaBounds;
    vcl::TRect FooterBounds; // as wide as the header band, at the bottom of the client bounds
    std::vector<TuiGridRowPlacement> Rows;
    TuiGridVisibleRows VisibleRows;
    bool operator==(const TuiGridTablePlacement&) const = default;
};

// Rows are laid out while their top lies inside the rows area (the client bounds between the header and the footer),
// so only the last one may reach past its bottom; the group-by box keeps its height first, then the filter bar, the
// header, the footer what remains.
// A record height below 1 is taken as 1, so that every laid-out row advances.
TuiGridTablePlacement PlaceTableView(const TuiGridTableMeasures& measures);
// The same without the data rows: the bands and the rows area they leave, whatever the records' heights.
TuiGridTablePlacement PlaceTableBands(const TuiGridTableMeasures& measures);

// Moves a placement to the measures' top record, which differs from the placement's only in that: when fewer records
// than are laid out are scrolled, the rows still shown are kept and moved by the heights of the rows that went, and
// only the rows coming in are made; otherwise everything is placed anew. Answers how many rows were kept.
int OffsetTablePlacement(TuiGridTablePlacement& placement, const TuiGridTableMeasures& measures);

enum class TuiGridPlacementSpotKind : uint8_t {
    None,
    ColumnHeader,
    ColumnHeaderSizingEdge,
    Record,
    DataCell,
    Indicator,
    IndicatorHeader,
    RowIndicator,
    RowSizingEdge,
    GroupByBox,
    FilterBar,
    SpecialRow, // RecordIndex names the special row's place from the top
    SpecialRowCell
};

struct TuiGridPlacementSpot {
    TuiGridPlacementSpotKind Kind = TuiGridPlacementSpotKind::None;
    int Column = -1;
    int RecordIndex = -1;
    bool operator==(const TuiGridPlacementSpot&) const = default;
};

// What lies under a point. The group-by box and the filter bar first, then the indicator: beside the header its header
// item, beside a row the row's item, where rows can be sized a row's sizing edge 4 pixels on each side of its bottom
// (winning over the next row's item), else the indicator itself. Then a column's sizing edge, 4 pixels on each side of
// its header's right border over the header's height, winning over the neighbouring header; the column headers, the
// special rows and their cells, the data cells, and a row outside its cells (the level indents). Below the last row
// nothing.
TuiGridPlacementSpot LocateInTablePlacement(const TuiGridTablePlacement& placement, vcl::TPoint point,
                                            bool columnsSizable, bool rowsSizable = false);

// The content right of the indicator and between the top and bottom parts within the client bounds: what scrolls
// sideways.
vcl::TRect TableContentBounds(const TuiGridTablePlacement& placement, const vcl::TRect& clientBounds);

} // namespace ui
