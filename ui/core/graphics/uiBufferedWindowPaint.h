#pragma once
// A window drawn through an off-screen buffer: it prints its client area into a 32-bit bitmap whose pixels are made
// opaque before they are copied at once. Under desktop composition a window that draws straight onto a glass
// background leaves pixels of alpha 0, which the compositor shows through.

#include "vcl/system/WinTypes.h"

namespace ui {

// Handles WM_PAINT: the update rectangle, inside BeginPaint and EndPaint.
void PaintWindowBuffered(HWND window);
// The whole client area, on a device context of the window.
void RepaintWindowBuffered(HWND window);

} // namespace ui
