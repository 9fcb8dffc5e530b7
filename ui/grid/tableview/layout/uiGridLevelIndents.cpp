#include "ui/grid/tableview/layout/uiGridLevelIndents.h"

#include <algorithm>

namespace ui {

int TableLevelCount(int groupingCount, bool office11GroupRows, bool isMaster) {
    int count = std::max(groupingCount, 0);
    if (office11GroupRows && count > 0) {
        --count;
    }
    return isMaster ? count + 1 : count;
}

TuiGridLevelIndentRects LevelIndentRects(const vcl::TRect& row, int level, int levelIndent, TuiGridLines lines,
                                         bool closesGroup, int separatorWidth) {
    const int left = row.Left + level * levelIndent;
    const int bottom = closesGroup ? std::max(row.Bottom - std::max(separatorWidth, 0), row.Top) : row.Bottom;
    const vcl::TRect indent{left, row.Top, left + levelIndent, bottom};
    TuiGridLevelIndentRects rects{indent, {}, {}};
    const bool horizontal = GridLinesHaveHorizontal(lines);
    if (horizontal) {
        rects.Background.Right = std::max(indent.Right - 1, indent.Left);
    }
    if (horizontal && closesGroup) {
        rects.Background.Bottom = std::max(indent.Bottom - 1, indent.Top);
    }
    if (rects.Background.Right < indent.Right) {
        rects.RightLine = {rects.Background.Right, indent.Top, indent.Right, rects.Background.Bottom};
    }
    if (rects.Background.Bottom < indent.Bottom) {
        rects.BottomLine = {indent.Left, rects.Background.Bottom, indent.Right, indent.Bottom};
    }
    return rects;
}

vcl::TRect ExpandButtonInIndent(const vcl::TRect& row, int indentLeft, int buttonSize) {
    const int left = indentLeft + 3;
    const int top = row.Top + (row.Height() - buttonSize) / 2;
    return {left, top, left + buttonSize, top + buttonSize};
}

} // namespace ui
