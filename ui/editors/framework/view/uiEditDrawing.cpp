#include "ui/editors/framework/view/uiEditDrawing.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"

#include <algorithm>
#include <utility>

namespace ui {

void FillRectByColor(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color) {
    if (IsRectEmptyArea(rect) || color == vcl::clNone) {
        return;
    }
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FillRect(canvas.Handle(), &r, SolidBrushCache().GetSolidBrush(color));
}

void FillRectExcept(TuiCanvas& canvas, const vcl::TRect& outer, const vcl::TRect& inner, vcl::TColor color) {
    if (IsRectEmptyArea(outer) || outer == inner) {
        return;
    }
    if (IsRectEmptyArea(inner)) {
        FillRectByColor(canvas, outer, color);
        return;
    }
    FillRectByColor(canvas, {outer.Left, outer.Top, outer.Right, inner.Top}, color);
    FillRectByColor(canvas, {outer.Left, inner.Bottom, outer.Right, outer.Bottom}, color);
    FillRectByColor(canvas, {outer.Left, inner.Top, inner.Left, inner.Bottom}, color);
    FillRectByColor(canvas, {inner.Right, inner.Top, outer.Right, inner.Bottom}, color);
}

void DrawSolidFrameAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor color) {
    canvas.FrameRect(rect, color);
    rect = InflateRectBy(rect, -1, -1);
}

void DrawFrameAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor leftTopColor, vcl::TColor rightBottomColor) {
    canvas.DrawComplexFrame(rect, leftTopColor, rightBottomColor);
    rect = InflateRectBy(rect, -1, -1);
}

void DrawRectEdges(TuiCanvas& canvas, vcl::TRect& rect, TuiBorders edges, vcl::TColor color) {
    if (edges.Contains(bLeft)) {
        FillRectByColor(canvas, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, color);
    }
    if (edges.Contains(bTop)) {
        FillRectByColor(canvas, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, color);
    }
    if (edges.Contains(bRight)) {
        FillRectByColor(canvas, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, color);
    }
    if (edges.Contains(bBottom)) {
        FillRectByColor(canvas, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, color);
    }
    rect = InflateRectSides(rect, edges.Contains(bLeft) ? -1 : 0, edges.Contains(bTop) ? -1 : 0,
                            edges.Contains(bRight) ? -1 : 0, edges.Contains(bBottom) ? -1 : 0);
}

vcl::TSize CalculateArrowSize(vcl::TSize size, TuiEditArrowDirection direction) {
    int32_t width = (std::min(size.cx, size.cy) - 1) / 2;
    if (width % 2 == 0) {
        ++width;
    }
    const vcl::TSize arrow{width, width / 2 + 1};
    return direction == eadLeft || direction == eadRight ? vcl::TSize{arrow.cy, arrow.cx} : arrow;
}

void DrawEditArrows(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TSize arrowSize, bool pressed, vcl::TColor color,
                    int32_t count, TuiEditArrowDirection direction) {
    const bool vertical = direction == eadUp || direction == eadDown;
    // Along the direction every arrow takes its depth; across it, its width.
    const int32_t depth = vertical ? arrowSize.cy : arrowSize.cx;
    const int32_t width = vertical ? arrowSize.cx : arrowSize.cy;
    const int32_t arrows = std::max(count, 0) + 1;
    vcl::TRect area = CenterRectInRect(rect, vertical ? width : depth * arrows, vertical ? depth * arrows : width);
    if (pressed) {
        area = ShiftRect(area, 1, 1);
    }
    const bool apexFirst = direction == eadUp || direction == eadLeft;
    for (int32_t arrow = 0; arrow < arrows; ++arrow) {
        for (int32_t row = 0; row < depth; ++row) {
            // Row 0 is the apex, one pixel; each row further grows by one pixel on either side.
            const int32_t along = arrow * depth + (apexFirst ? row : depth - 1 - row);
            const int32_t half = std::min(row, width / 2);
            const int32_t middle = width / 2;
            vcl::TRect line = vertical ? vcl::TRect{middle - half, along, middle + half + 1, along + 1}
                                       : vcl::TRect{along, middle - half, along + 1, middle + half + 1};
            FillRectByColor(canvas, ShiftRect(line, area.Left, area.Top), color);
        }
    }
}

} // namespace ui
