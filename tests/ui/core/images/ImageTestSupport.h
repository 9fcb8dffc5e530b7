#pragma once
// What the UI core's image tests share: 32-bit bitmaps made from a pixel rule, their pixels read back whole (alpha
// included), channel comparisons with a tolerance, and AlphaBlend hidden for a scope.

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/images/uiAlphaBlend.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>

namespace ui_test {

// A w x h 32-bit bitmap whose pixel (x, y) (row 0 at the top) is pixelAt(x, y).
inline std::unique_ptr<ui::TuiBitmap32> BitmapOfPixels(int32_t width, int32_t height,
                                                       const std::function<uint32_t(int32_t, int32_t)>& pixelAt) {
    auto bitmap = std::make_unique<ui::TuiBitmap32>(width, height);
    ui::TRGBColors pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixelAt(x, y);
        }
    }
    ui::WriteBitmapColors(*bitmap, pixels, true);
    return bitmap;
}

// Every pixel, rows top-down.
inline ui::TRGBColors PixelsOf(vcl::TBitmap& bitmap) {
    ui::TRGBColors pixels;
    ui::ReadBitmapColors(bitmap, pixels, true);
    return pixels;
}

// True when each of the four bytes of a and b differ by at most tolerance.
inline bool ChannelsWithin(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

constexpr uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

// The system's AlphaBlend out of reach for the scope, as on a system without it.
class THiddenAlphaBlend {
public:
    THiddenAlphaBlend() : FPrevious(ui::detail::ReplaceAlphaBlendEntry(nullptr)) {}
    ~THiddenAlphaBlend() { ui::detail::ReplaceAlphaBlendEntry(FPrevious); }
    THiddenAlphaBlend(const THiddenAlphaBlend&) = delete;
    THiddenAlphaBlend& operator=(const THiddenAlphaBlend&) = delete;

private:
    ui::detail::TAlphaBlendEntry FPrevious;
};

} // namespace ui_test
