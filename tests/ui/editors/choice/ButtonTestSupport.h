#pragma once
// What the button tests share: glyph bitmaps made in code, each image a coloured square on a transparent fuchsia
// ground, and pixel counts on surfaces.

#include "tests/support/ui/DibSurface.h"
#include "vcl/graphics/images/Bitmap.h"

#include <initializer_list>
#include <memory>

namespace ui_test {

// Fuchsia, the glyphs' transparent colour.
inline constexpr vcl::TColor glyphGround = vcl::clFuchsia;

// One square size x size image per colour, side by side; each image is its colour inside a 3-pixel transparent rim.
std::unique_ptr<vcl::TBitmap> MakeGlyphBitmap(std::initializer_list<vcl::TColor> colors, int size = 16);
// A bitmap of width x height in one colour.
std::unique_ptr<vcl::TBitmap> MakePlainBitmap(int width, int height, vcl::TColor color);
int CountPixels(const TDibSurface& surface, vcl::TColor color);

} // namespace ui_test
