#include "ui/grid/tableview/layout/uiGridGroupByBoxPlacement.h"

#include <algorithm>

namespace ui {
namespace {

// Room below the content: the top indent and as much again under the last header.
constexpr int GroupByBoxVerticalMargins = 16;
// Around the prompt's line: the text margins and its frame.
constexpr int GroupByBoxPromptMargins = 4 + 2;

} // namespace

int GroupByBoxHeight(int groupedCount, int itemHeight, int promptTextHeight) {
    if (groupedCount <= 0) {
        return promptTextHeight + GroupByBoxPromptMargins + GroupByBoxVerticalMargins;
    }
    const int item = std::max(itemHeight, 0);
    return item / 2 * (groupedCount + 1) + item % 2 + GroupByBoxVerticalMargins;
}

std::vector<vcl::TRect> PlaceGroupByBoxHeaders(const vcl::TRect& box, std::span<const int> widths, int itemHeight) {
    std::vector<vcl::TRect> headers;
    headers.reserve(widths.size());
    int left = box.Left + GroupByBoxLeftIndent;
    int top = box.Top + GroupByBoxTopIndent;
    for (const int width : widths) {
        headers.push_back({left, top, left + std::max(width, 0), top + itemHeight});
        left = headers.back().Right + GroupByBoxHeaderSpacing;
        top += itemHeight / 2;
    }
    return headers;
}

TuiGridGroupByBoxConnector GroupByBoxConnector(const vcl::TRect& header) {
    const int right = header.Right;
    const int bottom = header.Bottom;
    return {{right - 8, bottom, right - 7, bottom + 4}, {right - 8, bottom + 3, right + 4, bottom + 4}};
}

} // namespace ui
