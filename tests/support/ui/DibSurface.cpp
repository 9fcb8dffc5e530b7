#include "tests/support/ui/DibSurface.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/WinControl.h"

#include <algorithm>

namespace ui_test {

TDibSurface::TDibSurface(int width, int height) : FSection(width, height) {}

namespace {

// A pixel of the DIB (0x00RRGGBB in memory order B, G, R) as a GDI colour (0x00BBGGRR).
vcl::TColor PixelToColor(uint32_t pixel) {
    return static_cast<vcl::TColor>(((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF));
}

} // namespace

void TDibSurface::Fill(vcl::TColor color) {
    GdiFlush();
    const uint32_t rgb = vcl::ColorToRGB(color);
    const uint32_t pixel = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    std::fill(FSection.Pixels(), FSection.Pixels() + FSection.PixelCount(), pixel);
}

vcl::TColor TDibSurface::Pixel(int x, int y) const {
    GdiFlush();
    return PixelToColor(
        FSection.Pixels()[static_cast<size_t>(y) * static_cast<size_t>(FSection.Width()) + static_cast<size_t>(x)]);
}

std::vector<uint32_t> TDibSurface::Pixels() const {
    GdiFlush();
    std::vector<uint32_t> pixels(FSection.Pixels(), FSection.Pixels() + FSection.PixelCount());
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

void PaintControl(vcl::TWinControl& control, TDibSurface& surface, vcl::TColor background) {
    surface.Fill(background);
    control.PaintTo(surface.DC(), 0, 0);
    GdiFlush();
}

void CopyWindowPixels(HWND window, TDibSurface& surface) {
    const HDC dc = GetDC(window);
    BitBlt(surface.DC(), 0, 0, surface.Width(), surface.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
}

} // namespace ui_test
