#include "ui/grid/tableview/layout/uiGridFooterPlacement.h"

#include <algorithm>
#include <map>

namespace ui {
namespace {

// The slot of a column in the band before the cell spacing: within the band's frame at either end.
vcl::TRect FooterColumnSlot(const vcl::TRect& inner, std::span<const vcl::TRect> headers, size_t column) {
    const vcl::TRect& header = headers[column];
    const int left = column == 0 ? inner.Left : header.Left;
    const int right = column + 1 == headers.size() ? std::min(header.Right, inner.Right) : header.Right;
    return {left, inner.Top, std::max(left, right), inner.Bottom};
}

} // namespace

std::vector<int> ChooseFooterItems(std::span<const int> itemColumns, bool multipleSummaries) {
    std::vector<int> taken;
    std::vector<int> shownColumns;
    for (size_t i = 0; i < itemColumns.size(); ++i) {
        const int column = itemColumns[i];
        if (column < 0) {
            continue;
        }
        const bool columnShown = std::find(shownColumns.begin(), shownColumns.end(), column) != shownColumns.end();
        if (multipleSummaries || !columnShown) {
            taken.push_back(static_cast<int>(i));
            shownColumns.push_back(column);
        }
    }
    return taken;
}

int FooterRowCount(std::span<const int> cellColumns) {
    std::map<int, int> cellsPerColumn;
    int rows = 1;
    for (const int column : cellColumns) {
        rows = std::max(rows, ++cellsPerColumn[column]);
    }
    return rows;
}

int FooterBandHeight(const TuiGridFooterMeasures& measures, int rowCount) {
    return 2 * measures.FrameWidth + std::max(rowCount, 1) * measures.ItemHeight + measures.SeparatorWidth;
}

vcl::TRect FooterInnerBounds(const vcl::TRect& band, const TuiGridFooterMeasures& measures) {
    return {band.Left + measures.FrameWidth, band.Top + measures.SeparatorWidth + measures.FrameWidth,
            band.Right - measures.FrameWidth, band.Bottom - measures.FrameWidth};
}

std::vector<vcl::TRect> PlaceFooterCells(const vcl::TRect& band, std::span<const vcl::TRect> headers,
                                         std::span<const int> cellColumns, const TuiGridFooterMeasures& measures) {
    const vcl::TRect inner = FooterInnerBounds(band, measures);
    std::map<int, int> earlierCells;
    std::vector<vcl::TRect> cells;
    cells.reserve(cellColumns.size());
    for (const int column : cellColumns) {
        const vcl::TRect slot = FooterColumnSlot(inner, headers, static_cast<size_t>(column));
        const int top = inner.Top + earlierCells[column]++ * measures.ItemHeight;
        const int spacing = measures.CellSpacing;
        cells.push_back({slot.Left + spacing, top + spacing, std::max(slot.Left + spacing, slot.Right - spacing),
                         std::max(top + spacing, top + measures.ItemHeight - spacing)});
    }
    return cells;
}

int FooterColumnAt(const vcl::TRect& band, std::span<const vcl::TRect> headers, const TuiGridFooterMeasures& measures,
                   vcl::TPoint point) {
    const vcl::TRect inner = FooterInnerBounds(band, measures);
    for (size_t column = 0; column < headers.size(); ++column) {
        if (FooterColumnSlot(inner, headers, column).Contains(point)) {
            return static_cast<int>(column);
        }
    }
    return -1;
}

} // namespace ui
