#include "ui/core/painters/uiPainterShapes.h"

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/system/uxSystemInfo.h"

namespace ui {

namespace {

vcl::TColor ShapeColor(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

void SetPenColor(TuiCanvas& canvas, vcl::TColor color) {
    canvas.Pen().SetColor(ShapeColor(color));
}

void FillPolygon(TuiCanvas& canvas, std::span<const vcl::TPoint> points, vcl::TColor color) {
    canvas.SetBrushColor(color);
    SetPenColor(canvas, color);
    canvas.Polygon(points);
}

// A line from one point to another with both end pixels drawn.
void DrawClosedLine(TuiCanvas& canvas, vcl::TPoint from, vcl::TPoint to, vcl::TColor color) {
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    canvas.SetPixel(to.X, to.Y, ShapeColor(color));
}

} // namespace

std::array<vcl::TPoint, 3> ArrowTrianglePoints(const vcl::TRect& rect, int32_t arrowSize, bool makeSquare,
                                               TuiArrowDirection direction) {
    vcl::TRect r = rect;
    if (makeSquare) {
        const int32_t d = r.Width() - r.Height();
        if (d > 0) {
            r.Left += d / 2;
            r.Right -= d / 2;
        } else {
            r.Top += -d / 2;
            r.Bottom -= -d / 2;
        }
    }
    const bool vertical = direction == adUp || direction == adDown;
    int32_t s = arrowSize;
    if (s == 0) {
        s = (vertical ? r.Width() - 1 : r.Height() - 1) / 4 + 1;
    }
    const int32_t w = vertical ? 2 * s - 1 : s;
    const int32_t h = vertical ? s : 2 * s - 1;
    const int32_t x0 = (r.Left + r.Right - w) / 2;
    const int32_t y0 = MulDiv(r.Top + r.Bottom - h, 1, 2);
    const int32_t midX = (r.Left + r.Right - 1) / 2;
    const int32_t midY = (r.Top + r.Bottom) / 2;
    switch (direction) {
    case adUp:
        return {{{x0, y0 + h - 1}, {x0 + w - 1, y0 + h - 1}, {midX, y0}}};
    case adDown:
        return {{{x0, y0}, {x0 + w - 1, y0}, {midX, y0 + h - 1}}};
    case adLeft:
        return {{{x0 + w - 1, y0}, {x0 + w - 1, y0 + h - 1}, {x0, midY}}};
    case adRight:
        break;
    }
    return {{{x0, y0}, {x0, y0 + h - 1}, {x0 + w - 1, midY}}};
}

void DrawArrowTriangle(TuiCanvas& canvas, const std::array<vcl::TPoint, 3>& points, vcl::TColor color) {
    FillPolygon(canvas, points, color);
}

void DrawCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color) {
    const int32_t a = rect.Width() - 2;
    const int32_t b = rect.Height() - 4;
    const int32_t mx = (rect.Left + rect.Right) / 2;
    SetPenColor(canvas, color);
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t d = (rect.Top + rect.Bottom + b) / 2 - 2 + k;
        const vcl::TPoint stroke[3] = {{mx - a / 2, d - b / 2}, {mx - 1, d}, {mx + 1 + a / 2, d - b}};
        canvas.Polyline(stroke);
    }
}

void DrawExpandCross(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) {
    const int32_t cx = (rect.Left + rect.Right) / 2;
    const int32_t cy = (rect.Top + rect.Bottom) / 2;
    const int32_t h = (rect.Width() - 4) / 2;
    canvas.FillRectColor({cx - h, cy, cx + h + 1, cy + 1}, color);
    if (!expanded) {
        canvas.FillRectColor({cx, cy - h, cx + 1, cy + h + 1}, color);
    }
}

void DrawChevronMark(TuiCanvas& canvas, const vcl::TRect& rect, bool up, vcl::TColor color) {
    const int32_t x0 = (rect.Left + rect.Right - 7) / 2;
    const int32_t y0 = (rect.Top + rect.Bottom - 8) / 2;
    SetPenColor(canvas, color);
    for (const int32_t y : {y0, y0 + 1, y0 + 4, y0 + 5}) {
        const int32_t ends = up ? y + 3 : y;
        const int32_t tip = up ? y : y + 3;
        canvas.MoveTo(x0, ends);
        canvas.LineTo(x0 + 3, tip);
        DrawClosedLine(canvas, {x0 + 3, tip}, {x0 + 6, ends}, color);
    }
}

void DrawCloseCross(TuiCanvas& canvas, const vcl::TRect& rect, int32_t crossSize, bool pressed, vcl::TColor color) {
    const int32_t s = crossSize % 2 == 0 ? crossSize - 1 : crossSize;
    const int32_t shift = pressed ? 1 : 0;
    const int32_t x = (rect.Left + rect.Right - s) / 2 + shift;
    const int32_t y = (rect.Top + rect.Bottom - s) / 2 + shift;
    SetPenColor(canvas, color);
    for (const int32_t offset : {0, 1}) {
        canvas.MoveTo(x + offset, y);
        canvas.LineTo(x + offset + s, y + s);
        canvas.MoveTo(x + offset + s - 1, y);
        canvas.LineTo(x + offset - 1, y + s);
    }
}

void DrawMonthTitleArrows(TuiCanvas& canvas, const vcl::TRect& area, int32_t arrows, int32_t offset,
                          vcl::TColor color) {
    int32_t c = area.Height() / 2;
    if (c % 2 == 0) {
        ++c;
    }
    const int32_t y1 = (area.Top + area.Bottom - c) / 2 - 1;
    const int32_t apexY = y1 + c / 2 + 1;
    const auto arrow = [&](int32_t x, int32_t apexX) {
        const vcl::TPoint points[3] = {{x, y1}, {x, y1 + c + 1}, {apexX, apexY}};
        FillPolygon(canvas, points, color);
    };
    if (arrows & 1) {
        const int32_t x = area.Left + offset - 1;
        arrow(x, x - (c / 2 + 1));
    }
    if (arrows & 2) {
        const int32_t x = area.Right - offset + 1;
        arrow(x, x + c / 2 + 1);
    }
}

void DrawSortMark(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending, vcl::TSize size, vcl::TColor light,
                  vcl::TColor dark) {
    const int32_t w = size.cx;
    const int32_t h = size.cy;
    const bool evenWidth = w % 2 == 0;
    const int32_t x = (rect.Left + rect.Right) / 2 - (evenWidth ? 1 : 0);
    const int32_t s = ascending ? 1 : -1;
    const int32_t y = ascending ? (rect.Top + rect.Bottom - h) / 2 : (rect.Top + rect.Bottom + h) / 2 - 1;
    const int32_t a = w / 2 - (evenWidth ? 1 : 0);
    const int32_t b = w / 2;
    SetPenColor(canvas, light);
    canvas.MoveTo(x + b, y + (h - 2) * s);
    canvas.LineTo(x + b - a, y);
    canvas.LineTo(x + b, y + (h - 1) * s);
    if (!ascending) {
        SetPenColor(canvas, dark);
    }
    canvas.LineTo(x - a, y + (h - 1) * s);
    if (ascending) {
        SetPenColor(canvas, dark);
    }
    canvas.LineTo(x, y);
    canvas.LineTo(x - a, y + (h - w % 2) * s);
}

void DrawRings(TuiCanvas& canvas, const vcl::TRect& rect, std::initializer_list<TuiRing> rings, TuiBorders sides) {
    vcl::TRect ring = rect;
    for (const TuiRing& colors : rings) {
        canvas.DrawComplexFrame(ring, colors.LeftTop, colors.RightBottom, sides);
        ring = InflateRectBy(ring, -1, -1);
    }
}

} // namespace ui
