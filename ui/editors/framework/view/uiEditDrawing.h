#pragma once
// The small drawing routines the editors share: fills through the solid-brush cache, frames that shrink their
// rectangle, edges on chosen sides, polylines that include their last pixel, the filled arrows of spin and scroll
// buttons, glyphs and image-list images drawn over a background, the highlight and flat button colours of the flat
// looks, the painter of a look-and-feel kind, and the conversions between the text-output flags and DrawText's.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <span>

namespace vcl {
class TBitmap;
class TCustomImageList;
} // namespace vcl

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

// An axis-aligned polyline through points in color, its last pixel included (a pen stops one short of it): drawn
// with a pen, or byRectangles as one-pixel-wide rectangles filled with the cached brush. Both give the same pixels.
void DrawPolylineInclusive(TuiCanvas& canvas, std::span<const vcl::TPoint> points, bool byRectangles,
                           vcl::TColor color);

// Draws glyph with its top-left corner at (x, y), its transparent colour left out: as it is when enabled, else in the
// disabled look over backgroundColor (clNone keeps what lies under it).
void DrawGlyph(TuiCanvas& canvas, int32_t x, int32_t y, vcl::TBitmap& glyph, bool enabled,
               vcl::TColor backgroundColor = vcl::clNone);
// Draws the image at index of images at the top-left of rect, over rect filled with backgroundColor (clNone keeps
// what lies under it); in the disabled look unless enabled.
void DrawImageThroughBitmap(TuiCanvas& canvas, vcl::TCustomImageList& images, int32_t index, const vcl::TRect& rect,
                            vcl::TColor backgroundColor, bool enabled = true);
// Assigned, with images, and a positive width and height.
bool IsImageListDrawable(vcl::TCustomImageList* images);

// The frame colour of a hot or pressed flat button or check: the Office 2003 selection border colour, else
// clHighlight.
vcl::TColor GetHighlightBorderColor(bool office11);
// The face of a pressed (else hot) flat button or check: the Office 2003 or the ultra-flat painter's button face.
vcl::TColor GetFlatButtonColor(bool pressed, bool office11);
// The painter an editor draws with for a kind: the native one when native style is asked and the visual styles are
// active, else the kind's own.
TuiLookAndFeelPainterClass GetPainterClassForKind(bool nativeStyle, TuiLookAndFeelKind kind);

// The editors' text-output flags, which DrawText knows under other numbers.
inline constexpr uint32_t tofVCenter = 0x001;
inline constexpr uint32_t tofRight = 0x002;
inline constexpr uint32_t tofSingleLine = 0x010;
inline constexpr uint32_t tofWordBreak = 0x020;
inline constexpr uint32_t tofCalcRect = 0x100;
inline constexpr uint32_t tofExpandTabs = 0x200;
// Each text-output flag as its DrawText flag; the other bits are dropped.
uint32_t TextOutFlagsToDrawTextFlags(uint32_t flags);
// The reverse: each DrawText flag that has a text-output flag as that flag.
uint32_t DrawTextFlagsToTextOutFlags(uint32_t flags);

// Raises each dimension of size to at least that of least.
void MaxSize(vcl::TSize& size, vcl::TSize least);

} // namespace ui
