#pragma once
// Whether a window is painted as a user needs it, judged from what the display shows in its rectangle: a picture
// that is one colour, or that holds a large black area, is not painted; a text control's rectangle must hold dark
// text pixels on a light face.

#include "rtl/WindowsApi.h"
#include "tests/app/acceptance/ScreenRows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace acceptance {

// The display's pixels in a screen rectangle, row by row as 0x00RRGGBB.
struct TScreenPicture {
    RECT Rect{};
    std::vector<uint32_t> Pixels;

    int Width() const { return Rect.right - Rect.left; }
    int Height() const { return Rect.bottom - Rect.top; }
    uint32_t At(int x, int y) const;
};

TScreenPicture ReadScreenPicture(const RECT& rect);

// A pixel of text: each of red, green and blue below 0x60.
bool IsDarkPixel(uint32_t pixel);

// The first run of at least two pixel rows, from the top, whose pixel in column x (picture coordinates) is colour; in
// screen coordinates.
std::optional<TRowBand> RowsOfColour(const TScreenPicture& picture, uint32_t colour, int x);

// Why the picture shows no painted window (one colour, a black block of BlackBlockSize pixels square); empty when it
// shows one.
std::string UnpaintedReason(const TScreenPicture& picture);
// The part of the picture inside area (screen coordinates) holds dark pixels and is mostly light.
bool HoldsDarkTextOnLightFace(const TScreenPicture& picture, const RECT& area);

} // namespace acceptance
