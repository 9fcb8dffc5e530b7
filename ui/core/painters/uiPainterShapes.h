#pragma once
// The small glyphs and frames the painters share: the arrow triangle, the check mark, the expand cross, the group
// expander's double chevrons, the filter box's close cross, the month title's arrows, the header's sort mark, and
// nested one-pixel rings.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterTypes.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace ui {

// The three corners of an arrow in rect: with makeSquare the longer side first shrinks to the shorter one; a size of
// 0 fits the arrow to rect. Base first, apex last.
std::array<vcl::TPoint, 3> ArrowTrianglePoints(const vcl::TRect& rect, int32_t arrowSize, bool makeSquare,
                                               TuiArrowDirection direction);
// The triangle filled with brush and pen in color.
void DrawArrowTriangle(TuiCanvas& canvas, const std::array<vcl::TPoint, 3>& points, vcl::TColor color);
// A three-pixel-thick check mark in color inside rect.
void DrawCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color);
// A minus, or a plus when not expanded, centred in rect.
void DrawExpandCross(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color);
// Two double chevrons pointing up (or down), centred in rect.
void DrawChevronMark(TuiCanvas& canvas, const vcl::TRect& rect, bool up, vcl::TColor color);
// A cross of two-pixel diagonals in a square of side crossSize centred in rect, one pixel lower right when pressed.
void DrawCloseCross(TuiCanvas& canvas, const vcl::TRect& rect, int32_t crossSize, bool pressed, vcl::TColor color);
// The previous (arrows 1), next (2) or both (3) arrows of a month title, offset from the area's sides.
void DrawMonthTitleArrows(TuiCanvas& canvas, const vcl::TRect& area, int32_t arrows, int32_t offset, vcl::TColor color);
// The outlined triangle of a sorted header, apex up when ascending, of size (width x height) centred in rect; its sides
// are two pixels thick: the right one in light, the left one in dark, the base in light when ascending, else in dark.
void DrawSortMark(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending, vcl::TSize size, vcl::TColor light,
                  vcl::TColor dark);

// The colours of a one-pixel frame: its left and top sides, its right and bottom sides.
struct TuiRing {
    vcl::TColor LeftTop;
    vcl::TColor RightBottom;
};
// The rings from rect inwards, each one pixel inside the one before, on the named sides.
void DrawRings(TuiCanvas& canvas, const vcl::TRect& rect, std::initializer_list<TuiRing> rings,
               TuiBorders sides = uiAllBorders);

} // namespace ui
