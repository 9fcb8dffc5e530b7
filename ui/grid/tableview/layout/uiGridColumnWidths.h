#pragma once
// The widths of the column headers in the header band: each column's stored width, the first one widened by the level
// indents, or, when the columns fill the view's content width, those widths shared out over it without taking a
// column below its minimum.

#include <span>
#include <vector>

namespace ui {

struct TuiGridColumnWidthRequest {
    int Width = 0;    // the column's stored width
    int MinWidth = 0; // the column's least width
    bool Fixed = false;
};

// The least width of a column header: a fixed column keeps its width; any other its minimum, the first one widened by
// the level indents.
int ColumnHeaderMinWidth(const TuiGridColumnWidthRequest& column, bool isFirst, int levelIndentsWidth);

// The header widths in visible order. A negative content width keeps the stored widths; otherwise the widths fill it
// exactly, fixed columns keeping theirs, unless the minimum widths need more room.
std::vector<int> ColumnHeaderWidths(std::span<const TuiGridColumnWidthRequest> columns, int levelIndentsWidth,
                                    int autoWidthContentWidth);

// The header widths after the user sized one header to width while the columns fill the content: the headers before
// it keep the widths they show, those after it share what remains (when it is the last, those before it share it),
// none below its minimum. The widths add up to the content width when the minimums leave room, so that sharing the
// content out again gives each the same width.
std::vector<int> ColumnHeaderWidthsAfterSizing(std::span<const int> shownWidths, std::span<const int> minWidths,
                                               size_t sized, int width, int contentWidth);

// The data width: the sum of the header widths; a view whose columns fill the content and that has no width to fill
// with still spans the content.
int ColumnsDataWidth(std::span<const int> headerWidths, int autoWidthContentWidth);

} // namespace ui
