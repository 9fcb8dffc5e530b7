#pragma once
// Pixel arithmetic of the library's bitmaps, independent of any device: 32-bit pixels B | G << 8 | R << 16 | A << 24
// (in memory blue, green, red, alpha), rows one after another. The per-pixel operations of alpha bitmaps (lighten,
// grey, mask, alpha fix-ups), quarter-turn rotation, blending, and the mixing of system colours live here; the
// bitmap classes read and write the pixels and call them.

#include "vcl/graphics/Colors.h"

#include <cstdint>
#include <vector>

namespace ui {

using TRGBColors = std::vector<uint32_t>;

// v clamped to 0 .. 255; the floating form rounds to the nearest integer first (halves to even).
uint8_t GetChannelValue(int32_t v);
uint8_t GetChannelValue(double v);

// The colour (system colours resolved) as a pixel with the alpha byte on top.
uint32_t ColorToBGRA(vcl::TColor color, uint8_t alpha);

// Blends a premultiplied source pixel onto destination with factor / 255 of its alpha.
void BlendPixel(uint32_t source, uint32_t& destination, uint8_t factor);

// Which pixels of an alpha bitmap count as transparent: those equal to the background colour in all 32 bits, and
// those whose colour (low 24 bits) is listed.
struct TuiPixelTransparency {
    uint32_t BackgroundColor = 0;
    std::vector<uint32_t> Colors;

    bool IsTransparent(uint32_t pixel) const;
};

// The per-pixel operations of alpha bitmaps, by their codes. Transparent pixels keep their value except where said.
enum class TuiPixelOperation : int32_t {
    // Opaque pixels: each colour channel c becomes c + (255 - c) * 3 / 10; others: every channel times 200 / 255.
    Lighten = 0,
    // Luminance grey, then the button-shadow colour blended over it (alpha 0xC0, factor 238).
    Disable = 1,
    // The mean of the three colour channels.
    AverageGrey = 2,
    // Alpha 255 for every pixel.
    Opaque = 3,
    // Transparent pixels white (0xFFFFFFFF), all others 0.
    Mask = 4,
    // Luminance grey: 0.299 R + 0.587 G + 0.114 B.
    LuminanceGrey = 5,
    // Green-weighted grey: 0.0729 R + 0.7146 G + 0.2125 B.
    WeightedGrey = 6,
    // A pixel that is not transparent and has alpha 0 gets alpha 255.
    FixAlpha = 7,
    // Every pixel becomes the background colour.
    FillBackground = 9,
    // Alpha 0 for every pixel.
    ClearAlpha = 10,
};

void ApplyPixelOperation(TRGBColors& pixels, TuiPixelOperation operation, const TuiPixelTransparency& transparency);

// Quarter turns: 0 none, 1 counter-clockwise, 2 clockwise, 3 a half turn.
enum class TuiRotationAngle : int32_t { None = 0, CounterClockwise = 1, Clockwise = 2, HalfTurn = 3 };

// The pixels of a width x height picture (rows top-down) turned by angle and, with flip, mirrored: vertically for
// None, horizontally for HalfTurn, across the other diagonal for quarter turns. width and height become the new
// picture's (exchanged for quarter turns).
TRGBColors RotatePixels(const TRGBColors& pixels, int32_t& width, int32_t& height, TuiRotationAngle angle, bool flip);

// Per channel: the button face, highlight and window colours weighted by percentages (each -128 .. 127) and summed,
// clamped; the highlight colour itself when the button face is black or white. An RGB colour.
vcl::TColor MixSystemColorsWeighted(int8_t faceWeight, int8_t highlightWeight, int8_t windowWeight);

} // namespace ui
