#include "tests/support/ui/DibSurface.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/WinControl.h"

#include <algorithm>

namespace ui_test {

TDibSurface::TDibSurface(int width, int height) : FWidth(width), FHeight(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    FDC = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    FBitmap = bitmap;
    FBits = static_cast<uint32_t*>(bits);
    FOldBitmap = SelectObject(FDC, bitmap);
}

TDibSurface::~TDibSurface() {
    SelectObject(FDC, FOldBitmap);
    DeleteObject(static_cast<HBITMAP>(FBitmap));
    DeleteDC(FDC);
}

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
    std::fill(FBits, FBits + static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight), pixel);
}

vcl::TColor TDibSurface::Pixel(int x, int y) const {
    GdiFlush();
    return PixelToColor(FBits[static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x)]);
}

std::vector<uint32_t> TDibSurface::Pixels() const {
    GdiFlush();
    std::vector<uint32_t> pixels(FBits, FBits + static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight));
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
