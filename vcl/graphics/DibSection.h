#pragma once
// A 32-bit top-down DIB section selected into a memory device context of its own: a surface that GDI paints on and
// whose pixels (0x00RRGGBB, row by row from the top) the program reads and writes directly. Call GdiFlush before
// touching the pixels after GDI painted.

#include "vcl/graphics/GdiObjects.h"

#include <cstddef>
#include <cstdint>

namespace vcl {

class TDibSection {
public:
    // Empty (no pixels, a device context without a bitmap) when GDI cannot make it.
    TDibSection(int32_t width, int32_t height);

    explicit operator bool() const { return FPixels != nullptr; }
    HDC DC() const { return FDC.Get(); }
    uint32_t* Pixels() const { return FPixels; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    size_t PixelCount() const { return static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight); }

private:
    int32_t FWidth;
    int32_t FHeight;
    uint32_t* FPixels = nullptr;
    TBitmapHandle FBitmap;
    TBitmapDC FDC;
};

} // namespace vcl
