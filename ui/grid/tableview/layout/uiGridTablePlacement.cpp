#include "ui/grid/tableview/layout/uiGridTablePlacement.h"

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

std::vector<vcl::TRect> PlaceColumnHeaders(const TuiGridTableMeasures& measures, int contentLeft, int top, int height) {
    const std::vector<int> lefts = HeaderCellLefts(contentLeft, measures.ColumnWidths);
    std::vector<vcl::TRect> headers;
    headers.reserve(lefts.size());
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

int PlacementRowsBottom(const TuiGridTablePlacement& placement) {
    return placement.Rows.empty() ? placement.RowsAreaBounds.Top : placement.Rows.back().Bounds.Bottom;
}

void AppendRow(TuiGridTablePlacement& placement, const TuiGridTableMeasures& measures, int record) {
    const int top = PlacementRowsBottom(placement);
    const int height = std::max(measures.RecordHeights[static_cast<size_t>(record)], 1);
    const vcl::TRect bounds{placement.RowsAreaBounds.Left, top, placement.RowsAreaBounds.Right,
                            PlacementRightOf(top, height)};
    placement.Rows.push_back({record, bounds, PlaceRowCells(measures, placement.ColumnHeaders, bounds)});
}

// Lays out the records from a first one while the rows' bottom lies inside the client, then counts the visible rows.
void AppendRowsDownToBottom(TuiGridTablePlacement& placement, const TuiGridTableMeasures& measures, int firstRecord) {
    const int recordCount = static_cast<int>(measures.RecordHeights.size());
    for (int record = firstRecord;
         record < recordCount && PlacementRowsBottom(placement) < placement.RowsAreaBounds.Bottom; ++record) {
        AppendRow(placement, measures, record);
    }
    std::vector<int> heights;
    heights.reserve(placement.Rows.size());
    for (const TuiGridRowPlacement& row : placement.Rows) {
        heights.push_back(row.Bounds.Height());
    }
    placement.VisibleRows =
        heights.empty() ? TuiGridVisibleRows{} : CountVisibleRows(placement.RowsAreaBounds.Height(), heights);
}

void OffsetPlacementRect(vcl::TRect& rect, int dy) {
    rect.Top += dy;
    rect.Bottom += dy;
}

void OffsetRowPlacement(TuiGridRowPlacement& row, int dy) {
    OffsetPlacementRect(row.Bounds, dy);
    for (vcl::TRect& cell : row.Cells) {
        OffsetPlacementRect(cell, dy);
    }
}

constexpr int PlacementRowSizingEdgeHalfHeight = 4;

TuiGridPlacementSpot LocateInIndicator(const TuiGridTablePlacement& placement, vcl::TPoint point, bool rowsSizable) {
    using enum TuiGridPlacementSpotKind;
    if (point.Y >= placement.HeaderBounds.Top && point.Y < placement.HeaderBounds.Bottom) {
        return {IndicatorHeader};
    }
    // Beside the footer lies the indicator's footer item, over a last row reaching under the footer.
    if (!placement.FooterBounds.IsEmpty() && point.Y >= placement.FooterBounds.Top) {
        return {Indicator};
    }
    for (const TuiGridRowPlacement& row : placement.Rows) {
        const int bottom = row.Bounds.Bottom;
        if (rowsSizable && point.Y >= bottom - PlacementRowSizingEdgeHalfHeight &&
            point.Y < bottom + PlacementRowSizingEdgeHalfHeight) {
            return {RowSizingEdge, -1, row.RecordIndex};
        }
        if (point.Y >= row.Bounds.Top && point.Y < bottom) {
            return {RowIndicator, -1, row.RecordIndex};
        }
    }
    return {Indicator};
}

} // namespace

TuiGridTablePlacement PlaceTableBands(const TuiGridTableMeasures& measures) {
    TuiGridTablePlacement placement;
    const vcl::TRect& client = measures.ClientBounds;
    const int boxHeight = std::clamp(measures.GroupByBoxHeight, 0, std::max(client.Height(), 0));
    placement.GroupByBoxBounds = {client.Left, client.Top, client.Right, client.Top + boxHeight};
    int top = placement.GroupByBoxBounds.Bottom;
    int bottom = client.Bottom;
    const int barHeight = std::clamp(measures.FilterBarHeight, 0, std::max(bottom - top, 0));
    if (measures.FilterBarAtTop) {
        placement.FilterBarBounds = {client.Left, top, client.Right, top + barHeight};
        top += barHeight;
    } else {
        placement.FilterBarBounds = {client.Left, bottom - barHeight, client.Right, bottom};
        bottom -= barHeight;
    }
    const int indicatorWidth = std::clamp(measures.IndicatorWidth, 0, std::max(client.Width(), 0));
    placement.IndicatorBounds = {client.Left, top, client.Left + indicatorWidth, bottom};
    const int contentLeft = client.Left + indicatorWidth - measures.LeftPos;
    const int dataWidth = measures.DataWidth >= 0 ? measures.DataWidth : TableDataWidth(measures.ColumnWidths);
    const int contentRight = PlacementRightOf(contentLeft, dataWidth);
    const int headerHeight = std::clamp(measures.HeaderHeight, 0, std::max(bottom - top, 0));
    placement.HeaderBounds = {contentLeft, top, contentRight, top + headerHeight};
    placement.ColumnHeaders = PlaceColumnHeaders(measures, contentLeft, top, headerHeight);
    const int footerHeight = std::clamp(measures.FooterHeight, 0, std::max(bottom - placement.HeaderBounds.Bottom, 0));
    const int rowsBottom = bottom - footerHeight;
    int rowsTop = placement.HeaderBounds.Bottom;
    for (int height : measures.SpecialRowHeights) {
        const vcl::TRect bounds{contentLeft, rowsTop, contentRight, std::clamp(rowsTop + height, rowsTop, rowsBottom)};
        const int place = static_cast<int>(placement.SpecialRows.size());
        placement.SpecialRows.push_back({place, bounds, PlaceRowCells(measures, placement.ColumnHeaders, bounds)});
        rowsTop = bounds.Bottom;
    }
    placement.RowsAreaBounds = {contentLeft, rowsTop, contentRight, rowsBottom};
    placement.FooterBounds = {contentLeft, rowsBottom, contentRight, bottom};
    return placement;
}

TuiGridTablePlacement PlaceTableView(const TuiGridTableMeasures& measures) {
    TuiGridTablePlacement placement = PlaceTableBands(measures);
    AppendRowsDownToBottom(placement, measures, std::max(measures.TopRecordIndex, 0));
    return placement;
}

int OffsetTablePlacement(TuiGridTablePlacement& placement, const TuiGridTableMeasures& measures) {
    const int64_t delta =
        placement.Rows.empty() ? 0 : int64_t{measures.TopRecordIndex} - placement.Rows.front().RecordIndex;
    const int64_t laidOut = static_cast<int64_t>(placement.Rows.size());
    if (delta == 0 || delta >= laidOut || -delta >= laidOut || measures.TopRecordIndex < 0) {
        placement = PlaceTableView(measures);
        return 0;
    }
    std::vector<TuiGridRowPlacement> kept;
    if (delta > 0) {
        kept.assign(std::make_move_iterator(placement.Rows.begin() + delta),
                    std::make_move_iterator(placement.Rows.end()));
        placement.Rows.clear();
    } else {
        kept = std::move(placement.Rows);
        placement.Rows.clear();
        for (int record = measures.TopRecordIndex; record < kept.front().RecordIndex; ++record) {
            AppendRow(placement, measures, record);
        }
    }
    const int shift = PlacementRowsBottom(placement) - kept.front().Bounds.Top;
    int keptCount = 0;
    for (TuiGridRowPlacement& row : kept) {
        if (PlacementRowsBottom(placement) >= placement.RowsAreaBounds.Bottom) {
            break;
        }
        OffsetRowPlacement(row, shift);
        placement.Rows.push_back(std::move(row));
        ++keptCount;
    }
    AppendRowsDownToBottom(placement, measures, placement.Rows.back().RecordIndex + 1);
    return keptCount;
}

TuiGridPlacementSpot LocateInTablePlacement(const TuiGridTablePlacement& placement, vcl::TPoint point,
                                            bool columnsSizable, bool rowsSizable) {
    using enum TuiGridPlacementSpotKind;
    if (placement.GroupByBoxBounds.Contains(point)) {
        return {GroupByBox};
    }
    if (placement.FilterBarBounds.Contains(point)) {
        return {FilterBar};
    }
    if (placement.IndicatorBounds.Contains(point)) {
        return LocateInIndicator(placement, point, rowsSizable);
    }
    if (columnsSizable) {
        if (const int column = PlacementSizingEdgeAt(placement.ColumnHeaders, point); column >= 0) {
            return {ColumnHeaderSizingEdge, column};
        }
    }
    if (const int column = PlacementColumnAt(placement.ColumnHeaders, point); column >= 0) {
        return {ColumnHeader, column};
    }
    for (const TuiGridRowPlacement& row : placement.SpecialRows) {
        if (row.Bounds.Contains(point)) {
            const int column = PlacementColumnAt(row.Cells, point);
            return {column >= 0 ? SpecialRowCell : SpecialRow, column, row.RecordIndex};
        }
    }
    for (const TuiGridRowPlacement& row : placement.Rows) {
        if (row.Bounds.Contains(point)) {
            const int column = PlacementColumnAt(row.Cells, point);
            return {column >= 0 ? DataCell : Record, column, row.RecordIndex};
        }
    }
    return {};
}

vcl::TRect TableContentBounds(const TuiGridTablePlacement& placement, const vcl::TRect& clientBounds) {
    // The indicator spans the bands between the top and bottom parts.
    const vcl::TRect& indicator = placement.IndicatorBounds;
    const int left = std::min(std::max(clientBounds.Left, indicator.Right), clientBounds.Right);
    return {left, indicator.Top, clientBounds.Right, indicator.Bottom};
}

} // namespace ui
