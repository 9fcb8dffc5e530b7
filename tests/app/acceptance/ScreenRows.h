#pragma once
// What the screen shows inside a window, read from its pixels without knowing the font: the bands of pixel rows
// that hold dark pixels (text), counted from top to bottom. An empty list shows at most its one line of text; a
// filled one shows a band per line.

#include "rtl/WindowsApi.h"

namespace acceptance {

// The number of bands of consecutive pixel rows inside rect (screen coordinates) of the screen now that hold a dark
// pixel (each of red, green and blue below 0x60).
int DarkRowBands(const RECT& rect);

} // namespace acceptance
