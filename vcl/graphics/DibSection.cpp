// The 32-bit DIB section surface.

#include "vcl/graphics/DibSection.h"

#include "rtl/WindowsApi.h"

namespace vcl {

namespace {

HBITMAP CreateTopDownDib32(int32_t width, int32_t height, uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = bitmap != nullptr ? static_cast<uint32_t*>(bits) : nullptr;
    return bitmap;
}

} // namespace

TDibSection::TDibSection(int32_t width, int32_t height)
    : FWidth(width), FHeight(height), FBitmap(CreateTopDownDib32(width, height, FPixels)), FDC(FBitmap.Get()) {}

} // namespace vcl
