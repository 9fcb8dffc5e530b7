#pragma once
// The arithmetic of a column's best fit, which needs no window: the width a cell's text needs and the width the
// column takes from its header's and its widest cell's.

#include <cstdint>

namespace ui {

// The text's width with the cell's 2-pixel text margins on each side and 2 pixels more, so that the text never
// touches the grid line.
int32_t CellBestFitWidth(int32_t textWidth);

// The larger of the header's and the widest cell's width, lowered to maxWidth when that is not 0.
int32_t ColumnBestFitWidth(int32_t headerWidth, int32_t widestCellWidth, int32_t maxWidth);

// The rows best fit measures: every row when maxRecordCount is 0, else at most that many from the top row.
struct TuiGridBestFitRows {
    int32_t First = 0;
    int32_t Last = -1;
};
TuiGridBestFitRows BestFitRows(int32_t rowCount, int32_t topRowIndex, int32_t maxRecordCount);

} // namespace ui
