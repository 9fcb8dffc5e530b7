#pragma once
// What the screen shows inside a window, read from its pixels without knowing the font: the bands of pixel rows
// that hold dark pixels (text), counted from top to bottom. An empty list shows at most its one line of text; a
// filled one shows a band per line.

#include "rtl/WindowsApi.h"

#include <vector>

namespace acceptance {

// Pixel rows [Top, Bottom) of the screen that hold dark pixels, one after the other.
struct TRowBand {
    int Top = 0;
    int Bottom = 0;
    int Height() const { return Bottom - Top; }
};

// The bands of consecutive pixel rows inside rect (screen coordinates) of the screen now that hold a dark pixel
// (each of red, green and blue below 0x60), in screen coordinates.
std::vector<TRowBand> DarkRowBandsOf(const RECT& rect);
int DarkRowBands(const RECT& rect);

} // namespace acceptance
