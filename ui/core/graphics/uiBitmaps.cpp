#include "ui/core/graphics/uiBitmaps.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/io/Streams.h"
#include "ui/core/graphics/uiBitmapDataCodec.h"
#include "ui/core/objects/uxException.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <cstring>

namespace ui {

namespace {

BITMAPINFO InitBitmapInfoHeader(int32_t width, int32_t height, bool topDown) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// GetDIBits and SetDIBits want the bitmap selected into no device context.
void ReleaseBitmapContext(vcl::TBitmap& bitmap) {
    static_cast<vcl::TBitmapCanvas&>(bitmap.Canvas()).FreeContext();
}

size_t PixelCount(const vcl::TBitmap& bitmap) {
    return static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height());
}

// Calls copyRow with each scan line of a 32-bit bitmap (row 0 at the top) and the pixels of that row in a buffer whose
// rows run top-down or bottom-up; the count of pixels to copy is the bitmap's width.
template <class TCopyRow>
void ForEachScanLine(vcl::TBitmap& bitmap, bool topDown, TCopyRow copyRow) {
    const int32_t height = bitmap.Height();
    for (int32_t y = 0; y < height; ++y) {
        const auto bufferRow = static_cast<size_t>(topDown ? y : height - 1 - y);
        copyRow(static_cast<uint32_t*>(bitmap.ScanLine(y)), bufferRow * static_cast<size_t>(bitmap.Width()));
    }
}

} // namespace

uint16_t GetBitmapBitsPerPixel(vcl::TBitmap& bitmap) {
    const uint16_t bits = vcl::PixelFormatBits(bitmap.PixelFormat());
    if (bits != 0) {
        return bits;
    }
    const vcl::TScreenDC screen;
    return static_cast<uint16_t>(GetDeviceCaps(screen.Get(), BITSPIXEL));
}

bool ReadBitmapBits(vcl::TBitmap& bitmap, uint32_t* buffer, bool topDown) {
    if (bitmap.Empty()) {
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(bitmap.Width()) * sizeof(uint32_t);
    if (bitmap.PixelFormat() == vcl::pf32bit) {
        ForEachScanLine(bitmap, topDown, [&](uint32_t* row, size_t at) { std::memcpy(buffer + at, row, rowBytes); });
        return true;
    }
    ReleaseBitmapContext(bitmap);
    const int32_t height = bitmap.Height();
    BITMAPINFO info = InitBitmapInfoHeader(bitmap.Width(), height, topDown);
    const vcl::TScreenDC screen;
    const vcl::TMemoryDCHandle dc(CreateCompatibleDC(screen.Get()));
    return GetDIBits(dc.Get(), bitmap.Handle(), 0, height, buffer, &info, DIB_RGB_COLORS) == height;
}

bool WriteBitmapBits(vcl::TBitmap& bitmap, const uint32_t* buffer, bool topDown) {
    if (bitmap.Empty()) {
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(bitmap.Width()) * sizeof(uint32_t);
    if (bitmap.PixelFormat() == vcl::pf32bit) {
        ForEachScanLine(bitmap, topDown, [&](uint32_t* row, size_t at) { std::memcpy(row, buffer + at, rowBytes); });
        return true;
    }
    ReleaseBitmapContext(bitmap);
    const int32_t height = bitmap.Height();
    const BITMAPINFO info = InitBitmapInfoHeader(bitmap.Width(), height, topDown);
    const vcl::TScreenDC screen;
    return SetDIBits(screen.Get(), bitmap.Handle(), 0, height, buffer, &info, DIB_RGB_COLORS) == height;
}

bool ReadBitmapColors(vcl::TBitmap& bitmap, TRGBColors& colors, bool topDown) {
    colors.assign(PixelCount(bitmap), 0);
    return ReadBitmapBits(bitmap, colors.data(), topDown);
}

bool WriteBitmapColors(vcl::TBitmap& bitmap, const TRGBColors& colors, bool topDown) {
    return colors.size() == PixelCount(bitmap) && WriteBitmapBits(bitmap, colors.data(), topDown);
}

void CopyBitmapPixels(vcl::TBitmap& source, vcl::TPoint from, vcl::TBitmap& target) {
    const int32_t width = std::min(source.Width() - from.X, target.Width());
    const int32_t height = std::min(source.Height() - from.Y, target.Height());
    TRGBColors sourcePixels;
    TRGBColors targetPixels;
    if (width <= 0 || height <= 0 || from.X < 0 || from.Y < 0 || !ReadBitmapColors(source, sourcePixels, true) ||
        !ReadBitmapColors(target, targetPixels, true)) {
        return;
    }
    for (int32_t y = 0; y < height; ++y) {
        const auto row = sourcePixels.begin() + static_cast<ptrdiff_t>(from.Y + y) * source.Width() + from.X;
        std::copy(row, row + width, targetPixels.begin() + static_cast<ptrdiff_t>(y) * target.Width());
    }
    WriteBitmapColors(target, targetPixels, true);
}

bool BitmapHasAlpha(vcl::TBitmap& bitmap) {
    TRGBColors colors;
    return GetBitmapBitsPerPixel(bitmap) >= 32 && ReadBitmapColors(bitmap, colors, false) &&
           std::any_of(colors.begin(), colors.end(), [](uint32_t pixel) { return (pixel >> 24) != 0; });
}

void RotateBitmap(vcl::TBitmap& bitmap, TuiRotationAngle angle, bool flip) {
    if ((angle == TuiRotationAngle::None && !flip) || bitmap.Empty()) {
        return;
    }
    TRGBColors colors;
    ReadBitmapColors(bitmap, colors, true);
    int32_t width = bitmap.Width();
    int32_t height = bitmap.Height();
    const TRGBColors rotated = RotatePixels(colors, width, height, angle, flip);
    bitmap.SetSize(width, height);
    WriteBitmapColors(bitmap, rotated, true);
}

TuiBitmap::TuiBitmap(int32_t width, int32_t height, vcl::TPixelFormat format)
    : FCanvas(std::make_unique<TuiCanvas>(vcl::TBitmap::Canvas())) {
    BeginUpdate();
    SetPixelFormat(format);
    SetSize(width, height);
    EndUpdate(true);
}

TuiBitmap::TuiBitmap(const vcl::TRect& rect, vcl::TPixelFormat format)
    : TuiBitmap(rect.Width(), rect.Height(), format) {}

TuiBitmap::~TuiBitmap() = default;

void TuiBitmap::EndUpdate(bool forceChanged) {
    if (FLockCount == 0) {
        return;
    }
    if (--FLockCount == 0 && (forceChanged || FChangedWhileLocked)) {
        Changed();
    }
}

void TuiBitmap::SetSize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) {
        return;
    }
    BeginUpdate();
    try {
        vcl::TBitmap::SetSize(width, height);
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(false);
}

void TuiBitmap::CopyBitmap(vcl::TBitmap& source, vcl::TCopyMode rasterOp) {
    CopyBitmapRect(source, GetClientRect(), {0, 0}, rasterOp);
}

void TuiBitmap::CopyBitmapRect(vcl::TBitmap& source, const vcl::TRect& destRect, vcl::TPoint sourcePoint,
                               vcl::TCopyMode rasterOp) {
    if (Empty() || source.Empty()) {
        return;
    }
    BitBlt(FCanvas->Handle(), destRect.Left, destRect.Top, destRect.Width(), destRect.Height(),
           source.Canvas().Handle(), sourcePoint.X, sourcePoint.Y, rasterOp);
}

void TuiBitmap::ReadData(rtl::TStream& stream) {
    const std::optional<std::vector<uint8_t>> plain = ReadCompressedBitmapData(stream);
    if (!plain) {
        vcl::TBitmap::ReadData(stream);
        return;
    }
    rtl::TMemoryStream expanded;
    expanded.WriteBuffer(plain->data(), static_cast<int32_t>(plain->size()));
    expanded.SetPosition(0);
    vcl::TBitmap::ReadData(expanded);
}

void TuiBitmap::WriteData(rtl::TStream& stream) {
    if (!FCompressData) {
        vcl::TBitmap::WriteData(stream);
        return;
    }
    rtl::TMemoryStream plain;
    vcl::TBitmap::WriteData(plain);
    const auto* bytes = static_cast<const uint8_t*>(plain.Memory());
    const std::vector<uint8_t> packed = CompressBitmapData(std::span(bytes, static_cast<size_t>(plain.Size())),
                                                           BitmapDataBlockSize(GetBitmapBitsPerPixel(*this)));
    stream.WriteBuffer(packed.data(), static_cast<int32_t>(packed.size()));
}

void TuiBitmap::Changed() {
    if (FLockCount > 0) {
        FChangedWhileLocked = true;
        return;
    }
    vcl::TBitmap::Changed();
    FChangedWhileLocked = false;
    Update();
}

TuiBitmap32::TuiBitmap32(int32_t width, int32_t height, bool clear) : TuiBitmap(width, height, vcl::pf32bit) {
    if (clear) {
        Clear();
    }
}

void TuiBitmap32::LoadFromStream(rtl::TStream& stream) {
    BeginUpdate();
    try {
        TuiBitmap::LoadFromStream(stream);
        SetPixelFormat(vcl::pf32bit);
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(true);
}

void TuiBitmap32::Clear() {
    for (int32_t y = 0; y < Height(); ++y) {
        std::memset(ScanLine(y), 0, static_cast<size_t>(Width()) * sizeof(uint32_t));
    }
}

void TuiBitmap32::Update() {
    if (GetBitmapBitsPerPixel(*this) != 32) {
        throw EuxException(u"Wrong PixelFormat");
    }
}

void RegisterBitmapClasses() {
    rtl::RegisterClasses({&TuiBitmap::StaticClass(), &TuiBitmap32::StaticClass()});
}

void UnregisterBitmapClasses() {
    rtl::UnRegisterClass(TuiBitmap32::StaticClass());
    rtl::UnRegisterClass(TuiBitmap::StaticClass());
}

} // namespace ui
