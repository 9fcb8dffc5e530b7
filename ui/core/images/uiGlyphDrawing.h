#pragma once
// DrawGlyphOrImage: the one routine through which painters, image lists and skins draw a glyph bitmap or an image of
// an image list: onto a background (a brush, or what the device context shows), with its transparency (an alpha
// channel, a mask, a transparent colour), in one of six draw modes, blended with AlphaBlend. The work goes through
// three 32-bit scratch bitmaps that are reused for every glyph, so drawing allocates no bitmap in the common case.

#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {
class TBitmap;
class TCustomImageList;
} // namespace vcl

namespace ui {

enum TuiGlyphDrawMode : uint8_t {
    // As it is.
    gdmNormal,
    // Grey: weighted grey at alpha 151 for a glyph with alpha; otherwise tinted with the button shadow and embossed
    // with the button highlight one pixel down and right.
    gdmDisabled,
    // Grey at alpha 64.
    gdmFaded,
    // The average of the colours.
    gdmGrey,
    // Lightened.
    gdmLight,
    // With a shadow in the button shadow colour two pixels down and right; the drawn area grows by two pixels and
    // starts one pixel up and left of the glyph rectangle.
    gdmShadowed,
};

// A glyph bitmap that is there and not empty.
bool HasGlyph(const vcl::TBitmap* glyph);
// An image list that has an image at index.
bool HasImage(vcl::TCustomImageList* imageList, int32_t index);

// Draws glyph (when it has one) or the image at imageIndex of imageList into glyphRect over backgroundRect, which is
// filled with backgroundBrush or, without one, keeps what dc shows. Transparent are: pixels of alpha 0 (a glyph with an
// alpha channel), else the list's mask, transparentColor (unless clNone) and, with useGlyphTransparentColor, the
// glyph's own transparent colour. smoothStretch smooths a glyph stretched to its rectangle.
void DrawGlyphOrImage(HDC dc, const vcl::TRect& glyphRect, const vcl::TRect& backgroundRect, vcl::TBitmap* glyph,
                      vcl::TCustomImageList* imageList, int32_t imageIndex, TuiGlyphDrawMode drawMode,
                      bool smoothStretch = false, HBRUSH backgroundBrush = nullptr,
                      vcl::TColor transparentColor = vcl::clNone, bool useGlyphTransparentColor = false);

// For the graphics unit: allows the shared scratch bitmaps (start-up), or frees them (shut-down), after which drawing
// uses bitmaps of its own.
void AllowGlyphScratchBitmaps();
void FreeGlyphScratchBitmaps();

} // namespace ui
