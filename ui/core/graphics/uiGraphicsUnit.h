#pragma once
// Start-up and shut-down of the library's graphics, and what they provide: the 50 % halftone brush, the screen's
// resolution, the process's DPI awareness on Windows Vista and later, the bitmap classes named in streams, and the
// shared canvases, which are freed at shut-down and not made again after it.

#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

namespace ui {

// The brush of an 8 x 8 pattern whose rows alternate 0xAA and 0x55 (a checkerboard of single pixels); it draws in
// the device context's text and background colours. nullptr outside start-up and shut-down.
HBRUSH GetHalftoneBrush();
// The screen's pixels per inch (LOGPIXELSX, LOGPIXELSY), read at start-up.
vcl::TPoint GetScreenDPI();

void InitializeGraphicsUnit();
void FinalizeGraphicsUnit();

} // namespace ui
