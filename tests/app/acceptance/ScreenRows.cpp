#include "tests/app/acceptance/ScreenRows.h"

#include "tests/support/ui/DibSurface.h"

namespace acceptance {

namespace {

constexpr uint32_t DarkLimit = 0x60;

bool IsDarkPixel(uint32_t pixel) {
    return (pixel & 0xFF) < DarkLimit && ((pixel >> 8) & 0xFF) < DarkLimit && ((pixel >> 16) & 0xFF) < DarkLimit;
}

} // namespace

int DarkRowBands(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return 0;
    }
    ui_test::TDibSurface surface(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(surface.DC(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    ReleaseDC(nullptr, screen);
    const std::vector<uint32_t> pixels = surface.Pixels();
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < height; ++y) {
        bool dark = false;
        for (int x = 0; x < width && !dark; ++x) {
            dark = IsDarkPixel(pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]);
        }
        bands += dark && !inBand ? 1 : 0;
        inBand = dark;
    }
    return bands;
}

} // namespace acceptance
