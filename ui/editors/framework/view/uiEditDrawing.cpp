#include "ui/editors/framework/view/uiEditDrawing.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/images/uiGlyphDrawing.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

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

namespace {

// The rectangle of the pixels from a to b, both included, of an axis-aligned segment.
vcl::TRect SegmentRect(vcl::TPoint a, vcl::TPoint b) {
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
}

HBRUSH BackgroundBrush(vcl::TColor color) {
    return color == vcl::clNone ? nullptr : SolidBrushCache().GetSolidBrush(color);
}

// Pairs of (text-output flag, DrawText flag).
constexpr std::pair<uint32_t, uint32_t> textOutFlagPairs[] = {
    {tofVCenter, DT_VCENTER},     {tofRight, DT_RIGHT},       {tofSingleLine, DT_SINGLELINE},
    {tofWordBreak, DT_WORDBREAK}, {tofCalcRect, DT_CALCRECT}, {tofExpandTabs, DT_EXPANDTABS}};

} // namespace

void DrawPolylineInclusive(TuiCanvas& canvas, std::span<const vcl::TPoint> points, bool byRectangles,
                           vcl::TColor color) {
    if (points.empty()) {
        return;
    }
    if (byRectangles) {
        for (size_t i = 1; i < points.size(); ++i) {
            FillRectByColor(canvas, SegmentRect(points[i - 1], points[i]), color);
        }
        FillRectByColor(canvas, SegmentRect(points.back(), points.back()), color);
        return;
    }
    canvas.Pen().SetStyle(vcl::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    if (points.size() > 1) {
        canvas.Polyline(points);
    }
    // The pen leaves out the end point of the last segment.
    FillRectByColor(canvas, SegmentRect(points.back(), points.back()), color);
}

void DrawGlyph(TuiCanvas& canvas, int32_t x, int32_t y, vcl::TBitmap& glyph, bool enabled,
               vcl::TColor backgroundColor) {
    const vcl::TRect rect{x, y, x + glyph.Width(), y + glyph.Height()};
    DrawGlyphOrImage(canvas.Handle(), rect, rect, &glyph, nullptr, -1, enabled ? gdmNormal : gdmDisabled, false,
                     BackgroundBrush(backgroundColor), vcl::clNone, true);
}

void DrawImageThroughBitmap(TuiCanvas& canvas, vcl::TCustomImageList& images, int32_t index, const vcl::TRect& rect,
                            vcl::TColor backgroundColor, bool enabled) {
    const vcl::TRect image{rect.Left, rect.Top, rect.Left + images.Width(), rect.Top + images.Height()};
    DrawGlyphOrImage(canvas.Handle(), image, rect, nullptr, &images, index, enabled ? gdmNormal : gdmDisabled, false,
                     BackgroundBrush(backgroundColor));
}

bool IsImageListDrawable(vcl::TCustomImageList* images) {
    return images != nullptr && images->Count() > 0 && images->Width() > 0 && images->Height() > 0;
}

vcl::TColor GetHighlightBorderColor(bool office11) {
    return office11 ? Office11Colors().Office11HighlightBorderColor : vcl::clHighlight;
}

vcl::TColor GetFlatButtonColor(bool pressed, bool office11) {
    const TuiButtonState state = pressed ? uibsPressed : uibsHot;
    return office11 ? TuiOffice11LookAndFeelPainter::Instance().ButtonFaceColor(state)
                    : TuiUltraFlatLookAndFeelPainter::Instance().ButtonFaceColor(state);
}

TuiLookAndFeelPainterClass GetPainterClassForKind(bool nativeStyle, TuiLookAndFeelKind kind) {
    if (nativeStyle && AreVisualStylesActive()) {
        return &TuiWinXPLookAndFeelPainter::Instance();
    }
    return LookAndFeelPainterOfKind(kind);
}

uint32_t TextOutFlagsToDrawTextFlags(uint32_t flags) {
    uint32_t result = 0;
    for (const auto& [textOut, drawText] : textOutFlagPairs) {
        result |= (flags & textOut) != 0 ? drawText : 0;
    }
    return result;
}

uint32_t DrawTextFlagsToTextOutFlags(uint32_t flags) {
    uint32_t result = 0;
    for (const auto& [textOut, drawText] : textOutFlagPairs) {
        result |= (flags & drawText) != 0 ? textOut : 0;
    }
    return result;
}

void MaxSize(vcl::TSize& size, vcl::TSize least) {
    size.cx = std::max(size.cx, least.cx);
    size.cy = std::max(size.cy, least.cy);
}

} // namespace ui
