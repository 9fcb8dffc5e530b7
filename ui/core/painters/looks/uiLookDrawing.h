#pragma once
// Drawing that several looks share: the flat looks' scroll-bar elements, the dotted page areas of scroll bars, the
// arrow direction of a scroll-bar button, etched bands, the outlines of track-bar thumbs, and the lines of splitter
// frames.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/painters/uiPainterTypes.h"

#include <initializer_list>
#include <span>

namespace ui {

// The scroll-bar element of the flat looks: nothing for an empty rect or a disabled thumb; hot draws as normal; arrow
// buttons and the thumb are buttons of painter, the arrows inset by arrowInset; page areas take the dotted pattern.
void PaintFlatScrollBarElement(const TuiCustomLookAndFeelPainter& painter, TuiCanvas& canvas, bool horizontal,
                               const vcl::TRect& rect, TuiScrollBarPart part, TuiButtonState state, int32_t arrowInset);
// A page area of a scroll bar in the dotted pattern, the darker one when pressed.
void FillScrollBarPageArea(TuiCanvas& canvas, const vcl::TRect& rect, bool pressed);
// Where the arrow of a scroll bar's line-up or line-down button points on a horizontal or vertical bar.
TuiArrowDirection ScrollBarArrowDirection(bool horizontal, TuiScrollBarPart part);
// An etched band: band less its last column and row in dark, then the same moved one pixel right and down in light.
void DrawEtchedBand(TuiCanvas& canvas, const vcl::TRect& band, vcl::TColor dark, vcl::TColor light);
// A polyline in color.
void DrawPolylineIn(TuiCanvas& canvas, std::span<const vcl::TPoint> points, vcl::TColor color);
// The lines of a splitter frame from rect inwards, top and bottom for a horizontal splitter, left and right for a
// vertical one: each pair one pixel further in across the splitter and one pixel further out along it; what the last
// pair leaves is filled with viewParams. Nothing leaves rect.
void DrawSplitterFrameLines(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal,
                            std::initializer_list<TuiRing> lines, const TuiDrawParams& viewParams);

} // namespace ui
