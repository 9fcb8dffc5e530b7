#include "ui/core/images/uiAlphaBlend.h"

#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/gdiplus/uxGdiPlusFlat.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/images/uiResampling.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxMsimg32.h"
#include "vcl/system/Win32.h"

#include <utility>

namespace ui {

namespace {

using TAlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

detail::TAlphaBlendEntry AlphaBlendEntry = nullptr;

// The bits per pixel of what a device context draws on: its bitmap's, or the device's.
int32_t DCBitsPerPixel(HDC dc) {
    BITMAP bitmap{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (selected && GetObjectW(selected, sizeof(bitmap), &bitmap) == sizeof(bitmap)) {
        return bitmap.bmBitsPixel;
    }
    return GetDeviceCaps(dc, BITSPIXEL);
}

// Under WOW64 AlphaBlend is not trusted: GDI+ draws instead, smoothing with high-quality bicubic interpolation.
void AlphaBlendThroughGdiPlus(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, bool smooth,
                              uint8_t alpha) {
    const std::unique_ptr<TuiBitmap32> source = CopyDCAreaToBitmap(srcDC, srcRect);
    const std::unique_ptr<TuxGPImage> image = TuxGPImage::CreateFromBitmap(*source);
    GpGraphics* created = nullptr;
    if (gdip::CreateFromHDC(destDC, &created) != gpOk) {
        return;
    }
    const TuxGpGraphicsHandle graphics(created);
    int32_t previousMode = imLowQuality;
    gdip::GetInterpolationMode(created, &previousMode);
    gdip::SetInterpolationMode(created, smooth ? imHighQualityBicubic : imLowQuality);
    image->DrawImage(created, destRect, image->GetImageRect(), alpha);
    gdip::SetInterpolationMode(created, previousMode);
}

void BlendPixelsInSoftware(TuiBitmap32& dest, TuiBitmap32& source, uint8_t alpha) {
    TRGBColors destPixels;
    TRGBColors sourcePixels;
    dest.GetBitmapColors(destPixels);
    source.GetBitmapColors(sourcePixels);
    for (size_t i = 0; i < destPixels.size() && i < sourcePixels.size(); ++i) {
        BlendPixel(sourcePixels[i], destPixels[i], alpha);
    }
    dest.SetBitmapColors(destPixels);
}

// Both areas go through 32-bit bitmaps: the source stretched (or resampled) to the destination's size is blended
// onto a copy of the destination, which then goes back.
void AlphaBlendInSoftware(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, bool smooth,
                          uint8_t alpha) {
    const std::unique_ptr<TuiBitmap32> source = CopyDCAreaToBitmap(srcDC, srcRect);
    const std::unique_ptr<TuiBitmap32> dest = CopyDCAreaToBitmap(destDC, destRect);
    TuiBitmap32 stretched(destRect.Width(), destRect.Height(), true);
    if (smooth) {
        ResampleBitmap(*source, stretched, true);
    } else {
        StretchBlt(stretched.Canvas().Handle(), 0, 0, destRect.Width(), destRect.Height(), source->Canvas().Handle(), 0,
                   0, srcRect.Width(), srcRect.Height(), SRCCOPY);
    }
    const vcl::TRect whole = stretched.GetClientRect();
    if (!SystemAlphaBlend(dest->Canvas().Handle(), stretched.Canvas().Handle(), whole, whole, alpha)) {
        BlendPixelsInSoftware(*dest, stretched, alpha);
    }
    BitBltRect(destDC, dest->Canvas().Handle(), destRect, {0, 0}, SRCCOPY);
}

} // namespace

bool IsAlphaBlendAvailable() {
    return AlphaBlendEntry != nullptr;
}

bool SystemAlphaBlend(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, uint8_t alpha) {
    if (!AlphaBlendEntry) {
        return false;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    return reinterpret_cast<TAlphaBlendFunction>(AlphaBlendEntry)(destDC, destRect.Left, destRect.Top, destRect.Width(),
                                                                  destRect.Height(), srcDC, srcRect.Left, srcRect.Top,
                                                                  srcRect.Width(), srcRect.Height(), blend) != FALSE;
}

TuiAlphaBlendPath ChooseAlphaBlendPath(bool smooth) {
    const TuxOSFlags& flags = OSFlags();
    if (!flags.IsWow64 && !flags.IsWin9x && IsAlphaBlendAvailable() && !smooth) {
        return TuiAlphaBlendPath::System;
    }
    return flags.IsWow64 && IsGdiPlusAvailable() ? TuiAlphaBlendPath::GdiPlus : TuiAlphaBlendPath::Software;
}

void AlphaBlendDC(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, bool smoothStretch,
                  uint8_t alpha) {
    if (destRect.IsEmpty() || srcRect.IsEmpty()) {
        return;
    }
    const bool smooth = smoothStretch && (destRect.Width() != srcRect.Width() || destRect.Height() != srcRect.Height());
    switch (ChooseAlphaBlendPath(smooth)) {
    case TuiAlphaBlendPath::System:
        SystemAlphaBlend(destDC, srcDC, destRect, srcRect, alpha);
        break;
    case TuiAlphaBlendPath::GdiPlus:
        AlphaBlendThroughGdiPlus(destDC, srcDC, destRect, srcRect, smooth, alpha);
        break;
    case TuiAlphaBlendPath::Software:
        AlphaBlendInSoftware(destDC, srcDC, destRect, srcRect, smooth, alpha);
        break;
    }
}

void AlphaBlendBitmaps(TuiBitmap& destBitmap, TuiBitmap& srcBitmap, const vcl::TRect& destRect,
                       const vcl::TRect& srcRect, bool smoothStretch, uint8_t alpha) {
    AlphaBlendDC(destBitmap.Canvas().Handle(), srcBitmap.Canvas().Handle(), destRect, srcRect, smoothStretch, alpha);
}

void AlphaBlendAlphaBitmap(HDC destDC, TuiAlphaBitmap& srcBitmap, const vcl::TRect& destRect, const vcl::TRect& srcRect,
                           bool smoothStretch, uint8_t alpha) {
    AlphaBlendDC(destDC, srcBitmap.Canvas().Handle(), destRect, srcRect, smoothStretch, alpha);
}

void BitBltRect(HDC destDC, HDC srcDC, const vcl::TRect& destRect, vcl::TPoint srcPoint, uint32_t rasterOp) {
    BitBlt(destDC, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), srcDC, srcPoint.X, srcPoint.Y,
           rasterOp);
}

std::unique_ptr<TuiBitmap32> CopyDCAreaToBitmap(HDC dc, const vcl::TRect& rect) {
    auto bitmap = std::make_unique<TuiBitmap32>(rect.Width(), rect.Height(), true);
    BitBltRect(bitmap->Canvas().Handle(), dc, bitmap->GetClientRect(), rect.TopLeft(), SRCCOPY);
    return bitmap;
}

// The Windows 9x family keeps the fourth byte of what a bitmap of fewer bits leaves on a 32-bit destination: it is
// cleared on the way.
void DrawBitmapToDC(HDC destDC, vcl::TBitmap& bitmap, const vcl::TRect& destRect, vcl::TPoint srcPoint,
                    uint32_t rasterOp) {
    if (OSFlags().IsWin9x && DCBitsPerPixel(destDC) == 32 && GetBitmapBitsPerPixel(bitmap) < 32) {
        TuiAlphaBitmap cleared(destRect.Width(), destRect.Height());
        BitBltRect(cleared.Canvas().Handle(), bitmap.Canvas().Handle(), cleared.GetClientRect(), srcPoint, SRCCOPY);
        cleared.ProcessPixels(TuiPixelOperation::ClearAlpha);
        BitBltRect(destDC, cleared.Canvas().Handle(), destRect, {0, 0}, rasterOp);
        return;
    }
    BitBltRect(destDC, bitmap.Canvas().Handle(), destRect, srcPoint, rasterOp);
}

void CopyBitmapToBitmap(TuiBitmap& dest, vcl::TBitmap& source) {
    dest.BeginUpdate();
    dest.SetSize(source.Width(), source.Height());
    DrawBitmapToDC(dest.Canvas().Handle(), source, dest.GetClientRect(), {0, 0}, SRCCOPY);
    dest.EndUpdate(true);
}

std::unique_ptr<vcl::TBitmap> CloneBitmap(vcl::TBitmap& bitmap) {
    auto clone = std::make_unique<vcl::TBitmap>();
    clone->Assign(&bitmap);
    return clone;
}

void CreateMaskFromBitmap32(vcl::TBitmap& source, TuiBitmap& destination) {
    TuiAlphaBitmap copy(source.Width(), source.Height());
    TRGBColors pixels;
    if (ReadBitmapColors(source, pixels, false)) {
        copy.SetBitmapColors(pixels);
    }
    if (!copy.IsAlphaUsed()) {
        copy.SetTransparentColor(source.TransparentColor());
    }
    copy.ProcessPixels(TuiPixelOperation::Mask);
    CopyBitmapToBitmap(destination, copy);
}

void ResampleBitmap(vcl::TBitmap& source, vcl::TBitmap& destination, bool forceHighQuality) {
    if (source.Empty() || destination.Empty()) {
        return;
    }
    if (OSFlags().IsWinNT && !forceHighQuality) {
        HDC dc = destination.Canvas().Handle();
        const int previousMode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, destination.Width(), destination.Height(), source.Canvas().Handle(), 0, 0, source.Width(),
                   source.Height(), SRCCOPY);
        SetStretchBltMode(dc, previousMode);
        return;
    }
    TRGBColors pixels;
    ReadBitmapColors(source, pixels, false);
    WriteBitmapColors(
        destination, ResamplePixels(pixels, source.Width(), source.Height(), destination.Width(), destination.Height()),
        false);
}

void BindAlphaBlend() {
    AlphaBlendEntry = Msimg32Library().Function<detail::TAlphaBlendEntry>(msimg32AlphaBlend);
}

void UnbindAlphaBlend() {
    AlphaBlendEntry = nullptr;
}

namespace detail {

TAlphaBlendEntry ReplaceAlphaBlendEntry(TAlphaBlendEntry entry) {
    return std::exchange(AlphaBlendEntry, entry);
}

} // namespace detail

} // namespace ui
