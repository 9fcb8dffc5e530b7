#pragma once
// The small glyphs the painters share: the arrow triangle, the check mark, the expand cross, the group expander's
// double chevrons, the filter box's close cross, the month title's arrows and the analogue clock's hands.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterTypes.h"

#include <array>
#include <cstdint>

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

} // namespace ui
