#pragma once
// The small drawing routines the editors share: fills through the solid-brush cache, frames that shrink their
// rectangle, edges on chosen sides, and the filled arrows of spin and scroll buttons.

#include "ui/core/graphics/uiCanvas.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

enum TuiEditArrowDirection : uint8_t { eadUp, eadDown, eadLeft, eadRight };

// Fills rect with the editors' cached brush of the colour; nothing for an empty rectangle or clNone.
void FillRectByColor(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color);
// Fills outer less inner as four bands: nothing when outer is empty or equals inner, all of outer when inner is empty.
void FillRectExcept(TuiCanvas& canvas, const vcl::TRect& outer, const vcl::TRect& inner, vcl::TColor color);
// A one-pixel frame, then rect shrinks by 1.
void DrawSolidFrameAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor color);
void DrawFrameAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor leftTopColor, vcl::TColor rightBottomColor);
// One-pixel lines on the edges given; each drawn edge moves that side of rect one pixel in.
void DrawRectEdges(TuiCanvas& canvas, vcl::TRect& rect, TuiBorders edges, vcl::TColor color);

// An arrow's size for a button of size: its width across the direction is half the smaller side less one, made odd;
// its depth is half that plus one.
vcl::TSize CalculateArrowSize(vcl::TSize size, TuiEditArrowDirection direction);
// count + 1 filled arrows of arrowSize one after another along direction, centred in rect (one pixel right and down
// when pressed), each drawn row by row from its apex.
void DrawEditArrows(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TSize arrowSize, bool pressed, vcl::TColor color,
                    int32_t count, TuiEditArrowDirection direction);

} // namespace ui
