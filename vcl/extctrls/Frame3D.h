#pragma once
// The raised and sunken edges of panels and bevels: one-pixel lines, the top and left ones in one colour, the bottom
// and right ones in another.

#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace vcl {

// Draws width nested frames just inside rect (top and left lines in topColor, bottom and right lines in bottomColor,
// which also take the corners top-right and bottom-left), and moves rect inside them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width);
// A line of one pixel, horizontal or vertical, from rect filled in color.
void FillLine(TCanvas& canvas, const TRect& rect, TColor color);

} // namespace vcl
