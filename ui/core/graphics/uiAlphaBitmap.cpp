#include "ui/core/graphics/uiBitmaps.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Destination AND brush AND NOT source (the ternary raster operation PDSna).
constexpr DWORD ShadowRasterOperation = 0x00200F09;

void FillPixels(TuiBitmap32& bitmap, uint32_t pixel) {
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        auto* row = static_cast<uint32_t*>(bitmap.ScanLine(y));
        std::fill(row, row + bitmap.Width(), pixel);
    }
}

void CopyPixels(TuiBitmap& target, vcl::TPoint at, TuiBitmap& source, vcl::TPoint from, vcl::TSize size,
                DWORD rasterOperation) {
    BitBlt(target.Canvas().Handle(), at.X, at.Y, size.cx, size.cy, source.Canvas().Handle(), from.X, from.Y,
           rasterOperation);
}

} // namespace

TuiAlphaBitmap::TuiAlphaBitmap(int32_t width, int32_t height, uint32_t transparentBkColor)
    : TuiBitmap32(width, height) {
    FTransparency.BackgroundColor = transparentBkColor;
}

void TuiAlphaBitmap::Clear() {
    if ((FTransparency.BackgroundColor >> 24) != 0) {
        FillPixels(*this, FTransparency.BackgroundColor);
        return;
    }
    TuiBitmap32::Clear();
}

void TuiAlphaBitmap::SetTransparentColor(vcl::TColor color) {
    const uint32_t pixel = ColorToBGRA(color, 0);
    FTransparency.Colors = {pixel};
    FTransparency.BackgroundColor = pixel;
    ProcessPixels(TuiPixelOperation::FixAlpha);
}

void TuiAlphaBitmap::AddTransparentColor(vcl::TColor color) {
    FTransparency.Colors.push_back(ColorToBGRA(color, 0));
}

void TuiAlphaBitmap::ProcessPixels(TuiPixelOperation operation) {
    TRGBColors pixels;
    if (!ReadBitmapColors(*this, pixels, false)) {
        return;
    }
    ApplyPixelOperation(pixels, operation, FTransparency);
    WriteBitmapColors(*this, pixels, false);
    Changed();
}

void DrawShadow(TuiBitmap& bitmap, TuiBitmap& mask, int32_t offset, vcl::TColor color, bool grow) {
    const int32_t width = bitmap.Width();
    const int32_t height = bitmap.Height();
    TuiAlphaBitmap shadow(width + 2 * offset, height + 2 * offset, 0xFFFFFFFF);
    shadow.Clear();
    CopyPixels(shadow, {offset, offset}, mask, {0, 0}, {mask.Width(), mask.Height()}, SRCCOPY);
    // Where the mask moved by offset is glyph and the mask itself is not: the shadow's colour; elsewhere 0.
    shadow.Canvas().SetBrushColor(color);
    shadow.Canvas().Canvas().RequireBrush();
    CopyPixels(shadow, {offset, offset}, shadow, {0, 0}, {width + offset, height + offset}, ShadowRasterOperation);
    shadow.SetTransparentBkColor(0);
    shadow.ProcessPixels(TuiPixelOperation::FixAlpha);

    TuiAlphaBitmap combined(width + offset, height + offset);
    CopyPixels(combined, {0, 0}, bitmap, {0, 0}, {width, height}, SRCCOPY);
    CopyPixels(combined, {0, 0}, shadow, {offset, offset}, {width + offset, height + offset}, SRCPAINT);
    if (grow) {
        bitmap.SetSize(width + offset, height + offset);
    }
    CopyPixels(bitmap, {0, 0}, combined, {0, 0}, {bitmap.Width(), bitmap.Height()}, SRCCOPY);
}

} // namespace ui
