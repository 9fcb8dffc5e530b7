#pragma once
// A 32-bit top-down DIB section selected into a memory device context: the surface tests paint controls on and read
// pixels from.

#include "vcl/graphics/Colors.h"
#include "vcl/graphics/DibSection.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui_test {

class TDibSurface {
public:
    TDibSurface(int width, int height);

    HDC DC() const { return FSection.DC(); }
    int Width() const { return FSection.Width(); }
    int Height() const { return FSection.Height(); }
    // Every pixel takes color (an RGB colour, or a system colour).
    void Fill(vcl::TColor color);
    // The colour of a pixel as an RGB colour (0x00BBGGRR, comparable with ColorToRGB).
    vcl::TColor Pixel(int x, int y) const;
    // Every pixel, row by row.
    std::vector<uint32_t> Pixels() const;

private:
    vcl::TDibSection FSection;
};

// The control and its children painted on a surface of its size that was first filled with background.
void PaintControl(vcl::TWinControl& control, TDibSurface& surface, vcl::TColor background = vcl::clFuchsia);

// What the display shows of the window's client area, from its corner, as far as the surface reaches.
void CopyWindowPixels(HWND window, TDibSurface& surface);

} // namespace ui_test
