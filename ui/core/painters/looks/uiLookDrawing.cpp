#include "ui/core/painters/looks/uiLookDrawing.h"

#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/system/uxSystemInfo.h"

namespace ui {

void PaintFlatScrollBarElement(const TuiCustomLookAndFeelPainter& painter, TuiCanvas& canvas, bool horizontal,
                               const vcl::TRect& rect, TuiScrollBarPart part, TuiButtonState state,
                               int32_t arrowInset) {
    if (rect.IsEmpty() || (part == sbpThumb && state == uibsDisabled)) {
        return;
    }
    const TuiButtonState drawn = state == uibsHot ? uibsNormal : state;
    switch (part) {
    case sbpLineUp:
    case sbpLineDown:
        painter.PaintButton(canvas, rect, {}, drawn, true, vcl::clDefault, vcl::clDefault, false, false);
        painter.PaintStateArrow(canvas, InflateRectBy(rect, -arrowInset, -arrowInset), drawn,
                                ScrollBarArrowDirection(horizontal, part));
        break;
    case sbpThumb:
        painter.PaintButton(canvas, rect, {}, drawn, true, vcl::clDefault, vcl::clDefault, false, false);
        break;
    case sbpPageUp:
    case sbpPageDown:
        FillScrollBarPageArea(canvas, rect, state == uibsPressed);
        break;
    case sbpNone:
        break;
    }
}

void FillScrollBarPageArea(TuiCanvas& canvas, const vcl::TRect& rect, bool pressed) {
    canvas.FillRect(rect, ScrollBarPatternBitmap(pressed));
    canvas.Brush().SetStyle(vcl::bsSolid);
}

TuiArrowDirection ScrollBarArrowDirection(bool horizontal, TuiScrollBarPart part) {
    if (horizontal) {
        return part == sbpLineUp ? adLeft : adRight;
    }
    return part == sbpLineUp ? adUp : adDown;
}

void DrawEtchedBand(TuiCanvas& canvas, const vcl::TRect& band, vcl::TColor dark, vcl::TColor light) {
    const vcl::TRect first{band.Left, band.Top, band.Right - 1, band.Bottom - 1};
    canvas.FillRectColor(first, dark);
    canvas.FillRectColor(vcl::OffsetRect(first, 1, 1), light);
}

void DrawPolylineIn(TuiCanvas& canvas, std::span<const vcl::TPoint> points, vcl::TColor color) {
    canvas.Pen().SetColor(static_cast<vcl::TColor>(vcl::ColorToRGB(color)));
    canvas.Polyline(points);
}

void DrawSplitterFrameLines(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal,
                            std::initializer_list<TuiRing> lines, const TuiDrawParams& viewParams) {
    // The lines grow along the splitter as they go in; what would pass its ends is cut off.
    canvas.PushClipRegion();
    canvas.IntersectClipArea(rect);
    const TuiBorders sides = horizontal ? TuiBorders{bTop, bBottom} : TuiBorders{bLeft, bRight};
    vcl::TRect r = rect;
    for (const TuiRing& line : lines) {
        canvas.DrawComplexFrame(r, line.LeftTop, line.RightBottom, sides);
        r = horizontal ? InflateRectBy(r, 1, -1) : InflateRectBy(r, -1, 1);
    }
    canvas.FillRectWithParams(r, viewParams);
    canvas.PopClipRegion();
}

} // namespace ui
