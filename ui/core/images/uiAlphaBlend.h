#pragma once
// How the library puts pictures with alpha onto device contexts: one area blended onto another with a constant
// opacity, through msimg32's AlphaBlend where it can be trusted, else through GDI+ (a 32-bit process under 64-bit
// Windows) or in software, where a stretch may be smoothed by Lanczos-3 resampling; and bitmaps copied to device
// contexts with care for 32-bit destinations on the Windows 9x family. Source pixels are premultiplied.

#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuiAlphaBitmap;
class TuiBitmap;
class TuiBitmap32;

// msimg32's AlphaBlend was found at start-up.
bool IsAlphaBlendAvailable();
// AlphaBlend with the constant alpha over premultiplied source pixels; false when it is missing or fails.
bool SystemAlphaBlend(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, uint8_t alpha);

// The ways AlphaBlendDC can take.
enum class TuiAlphaBlendPath : uint8_t { System, GdiPlus, Software };
// AlphaBlend, unless the process runs under WOW64 or on the Windows 9x family, the system lacks it, or a stretch is to
// be smoothed: then GDI+ under WOW64 when GDI+ is loaded, the software path otherwise.
TuiAlphaBlendPath ChooseAlphaBlendPath(bool smooth);
// The source area blended onto the destination area with a constant alpha; smoothStretch smooths a stretch.
void AlphaBlendDC(HDC destDC, HDC srcDC, const vcl::TRect& destRect, const vcl::TRect& srcRect, bool smoothStretch,
                  uint8_t alpha);
void AlphaBlendBitmaps(TuiBitmap& destBitmap, TuiBitmap& srcBitmap, const vcl::TRect& destRect,
                       const vcl::TRect& srcRect, bool smoothStretch, uint8_t alpha);
void AlphaBlendAlphaBitmap(HDC destDC, TuiAlphaBitmap& srcBitmap, const vcl::TRect& destRect, const vcl::TRect& srcRect,
                           bool smoothStretch, uint8_t alpha);

// BitBlt of the destination rectangle's size from srcPoint.
void BitBltRect(HDC destDC, HDC srcDC, const vcl::TRect& destRect, vcl::TPoint srcPoint, uint32_t rasterOp);
// A new 32-bit bitmap of the rectangle's size holding the device context's area.
std::unique_ptr<TuiBitmap32> CopyDCAreaToBitmap(HDC dc, const vcl::TRect& rect);
// The bitmap's area from srcPoint copied into destRect; on the Windows 9x family a bitmap of fewer than 32 bits goes
// onto a 32-bit destination with alpha 0.
void DrawBitmapToDC(HDC destDC, vcl::TBitmap& bitmap, const vcl::TRect& destRect, vcl::TPoint srcPoint,
                    uint32_t rasterOp);
// dest takes source's size and pixels, with one change notice.
void CopyBitmapToBitmap(TuiBitmap& dest, vcl::TBitmap& source);
std::unique_ptr<vcl::TBitmap> CloneBitmap(vcl::TBitmap& bitmap);
// destination becomes the mask of source: white where it is transparent (alpha 0 without colour, or its transparent
// colour when it has no alpha), black elsewhere.
void CreateMaskFromBitmap32(vcl::TBitmap& source, TuiBitmap& destination);
// source stretched onto the whole destination: by GDI's halftone stretch on the NT family, else (or with
// forceHighQuality) by Lanczos-3 resampling.
void ResampleBitmap(vcl::TBitmap& source, vcl::TBitmap& destination, bool forceHighQuality);

// Start-up takes AlphaBlend from the UI core's msimg32 binding, which starts before; shut-down lets it go.
void BindAlphaBlend();
void UnbindAlphaBlend();

namespace detail {
// The AlphaBlend entry in use; a test puts nullptr in place to take the paths without it. Returns the one replaced.
using TAlphaBlendEntry = void (*)();
TAlphaBlendEntry ReplaceAlphaBlendEntry(TAlphaBlendEntry entry);
} // namespace detail

} // namespace ui
