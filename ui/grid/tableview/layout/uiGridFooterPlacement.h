#pragma once
// The footer band's arithmetic: which footer summaries it shows (one per column, or all of them when a column may
// show several), how many rows of cells that makes, how high the band is, and where each cell lies under its column
// header. A band below its separator has a frame on every side; each cell keeps a spacing from its neighbours.

#include "vcl/system/Types.h"

#include <span>
#include <vector>

namespace ui {

struct TuiGridFooterMeasures {
    int FrameWidth = 0;     // the band's border on every side
    int SeparatorWidth = 0; // the strip above the band's top border
    int ItemHeight = 0;     // one row of cells, spacing included
    int CellSpacing = 0;
};

// itemColumns holds, for each summary item of the source in order, the visible column it is shown under (-1: not
// shown in the footer). Answers the indices of the items taken: all of them when multipleSummaries, else the first
// of each column.
std::vector<int> ChooseFooterItems(std::span<const int> itemColumns, bool multipleSummaries);

// 1 without cells, else the largest number of cells under one column.
int FooterRowCount(std::span<const int> cellColumns);

// The frames, the separator and rowCount rows of cells.
int FooterBandHeight(const TuiGridFooterMeasures& measures, int rowCount);

// The band's inner bounds: within its frame, below its separator.
vcl::TRect FooterInnerBounds(const vcl::TRect& band, const TuiGridFooterMeasures& measures);

// The bounds of each cell, cellColumns naming its column among headers: as wide as the column's header within the
// band's frame, stacked a row lower for every earlier cell of its column, shrunk by the cell spacing on every side.
std::vector<vcl::TRect> PlaceFooterCells(const vcl::TRect& band, std::span<const vcl::TRect> headers,
                                         std::span<const int> cellColumns, const TuiGridFooterMeasures& measures);

// The column whose slot in the band holds point (from its cell left over its cell width, over every row), or -1.
int FooterColumnAt(const vcl::TRect& band, std::span<const vcl::TRect> headers, const TuiGridFooterMeasures& measures,
                   vcl::TPoint point);

} // namespace ui
