#include "ui/grid/tableview/uiGridTablePlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ui {
namespace {

// Huge stored widths must not wrap a right edge negative.
int PlacementRightOf(int left, int width) {
    const int64_t right = int64_t{left} + std::max(width, 0);
    return static_cast<int>(std::min<int64_t>(right, std::numeric_limits<int>::max()));
}

std::vector<vcl::TRect> PlaceColumnHeaders(const TuiGridTableMeasures& measures, int contentLeft, int height) {
    const std::vector<int> lefts = HeaderCellLefts(contentLeft, measures.ColumnWidths);
    std::vector<vcl::TRect> headers;
    headers.reserve(lefts.size());
    const int top = measures.ClientBounds.Top;
    for (size_t i = 0; i < lefts.size(); ++i) {
        headers.push_back({lefts[i], top, PlacementRightOf(lefts[i], measures.ColumnWidths[i]), top + height});
    }
    return headers;
}

std::vector<vcl::TRect> PlaceRowCells(const TuiGridTableMeasures& measures, const std::vector<vcl::TRect>& headers,
                                      const vcl::TRect& row) {
    std::vector<vcl::TRect> cells;
    cells.reserve(headers.size());
    for (size_t i = 0; i < headers.size(); ++i) {
        const int realWidth = ColumnHeaderRealWidth(headers[i].Width(), i == 0, measures.LevelIndentsWidth);
        const int right = headers[i].Right;
        cells.push_back({right - std::max(realWidth, 0), row.Top, right, row.Bottom});
    }
    return cells;
}

constexpr int PlacementSizingEdgeHalfWidth = 4;

int PlacementColumnAt(const std::vector<vcl::TRect>& rects, vcl::TPoint point) {
    for (size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].Contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PlacementSizingEdgeAt(const std::vector<vcl::TRect>& headers, vcl::TPoint point) {
    for (size_t i = 0; i < headers.size(); ++i) {
        const vcl::TRect& header = headers[i];
        const vcl::TRect edge{header.Right - PlacementSizingEdgeHalfWidth, header.Top,
                              PlacementRightOf(header.Right, PlacementSizingEdgeHalfWidth), header.Bottom};
        if (edge.Contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

TuiGridTablePlacement PlaceTableView(const TuiGridTableMeasures& measures) {
    TuiGridTablePlacement placement;
    const vcl::TRect& client = measures.ClientBounds;
    const int contentLeft = client.Left - measures.LeftPos;
    const int contentRight = PlacementRightOf(contentLeft, TableDataWidth(measures.ColumnWidths));
    const int headerHeight = std::clamp(measures.HeaderHeight, 0, std::max(client.Height(), 0));
    placement.HeaderBounds = {contentLeft, client.Top, contentRight, client.Top + headerHeight};
    placement.ColumnHeaders = PlaceColumnHeaders(measures, contentLeft, headerHeight);
    placement.RowsAreaBounds = {contentLeft, placement.HeaderBounds.Bottom, contentRight, client.Bottom};

    std::vector<int> laidOutHeights;
    int top = placement.RowsAreaBounds.Top;
    const int recordCount = static_cast<int>(measures.RecordHeights.size());
    for (int record = std::max(measures.TopRecordIndex, 0); record < recordCount && top < client.Bottom; ++record) {
        const int height = std::max(measures.RecordHeights[static_cast<size_t>(record)], 1);
        const vcl::TRect bounds{contentLeft, top, contentRight, PlacementRightOf(top, height)};
        placement.Rows.push_back({record, bounds, PlaceRowCells(measures, placement.ColumnHeaders, bounds)});
        laidOutHeights.push_back(height);
        top = bounds.Bottom;
    }
    if (!laidOutHeights.empty()) {
        placement.VisibleRows = CountVisibleRows(placement.RowsAreaBounds.Height(), laidOutHeights);
    }
    return placement;
}

TuiGridPlacementSpot LocateInTablePlacement(const TuiGridTablePlacement& placement, vcl::TPoint point,
                                            bool columnsSizable) {
    using enum TuiGridPlacementSpotKind;
    if (columnsSizable) {
        if (const int column = PlacementSizingEdgeAt(placement.ColumnHeaders, point); column >= 0) {
            return {ColumnHeaderSizingEdge, column};
        }
    }
    if (const int column = PlacementColumnAt(placement.ColumnHeaders, point); column >= 0) {
        return {ColumnHeader, column};
    }
    for (const TuiGridRowPlacement& row : placement.Rows) {
        if (row.Bounds.Contains(point)) {
            const int column = PlacementColumnAt(row.Cells, point);
            return {column >= 0 ? DataCell : Record, column, row.RecordIndex};
        }
    }
    return {};
}

} // namespace ui
