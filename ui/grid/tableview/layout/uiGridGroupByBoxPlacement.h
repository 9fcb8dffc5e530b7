#pragma once
// The group-by box's arithmetic: its height, with the prompt when nothing is grouped or a staircase of the grouped
// columns' headers, each half a header lower and 4 pixels right of the one before; and the elbows that join them.

#include "vcl/system/Types.h"

#include <span>
#include <vector>

namespace ui {

// The box's margins around its content.
inline constexpr int GroupByBoxLeftIndent = 6;
inline constexpr int GroupByBoxTopIndent = 8;
inline constexpr int GroupByBoxHeaderSpacing = 4;

// Without grouped columns a line of the prompt's text and its margins, else the staircase of groupedCount headers.
int GroupByBoxHeight(int groupedCount, int itemHeight, int promptTextHeight);

// The headers of the given widths in grouping order, the first at the box's left and top indents.
std::vector<vcl::TRect> PlaceGroupByBoxHeaders(const vcl::TRect& box, std::span<const int> widths, int itemHeight);

// The two rectangles of the elbow leading from a header's bottom right corner down and right to the next header.
struct TuiGridGroupByBoxConnector {
    vcl::TRect Down;
    vcl::TRect Across;
};
TuiGridGroupByBoxConnector GroupByBoxConnector(const vcl::TRect& header);

} // namespace ui
