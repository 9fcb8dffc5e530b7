#pragma once
// The binding to GDI+. gdiplus.dll is never imported: the first IsGdiPlusAvailable loads it by name and looks up
// each of its 108 entry points in a fixed order, so that the program starts without it and simply runs without PNG
// pictures and skins. GDI+ counts as available only when every entry exists and it starts. The library is opened and
// its entries looked up through a seam, so a test can hide an entry. On the binding stand the status check with its
// exception and the drawing services that the images and skins use (images drawn with a constant alpha, tiles,
// gradients).

#include "rtl/core/Interfaces.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/gdiplus/uxGpGradientMode.h"
#include "ui/core/objects/uxException.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Seam.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <array>
#include <cstdint>
#include <span>

struct IStream;

namespace rtl {
class TStream;
} // namespace rtl

namespace ui {

// The GDI+ objects, known to the library only by their handles.
struct GpGraphics;
struct GpImage;
struct GpImageAttributes;
struct GpBrush;

using GpStatus = int32_t;
inline constexpr GpStatus gpOk = 0;
inline constexpr GpStatus gpInvalidParameter = 2;
// What a call answers when its entry point is not bound.
inline constexpr GpStatus gpNotInitialized = 18;

namespace detail {
struct TGpImageDeleter {
    void operator()(GpImage* image) const;
};
} // namespace detail

// A GDI+ image (a bitmap) with one owner, disposed at the end.
using TuxGpImageHandle = vcl::THandleHolder<GpImage*, detail::TGpImageDeleter>;

// A GDI+ call that failed, with its status.
class EuxGdipException : public EuxException {
public:
    explicit EuxGdipException(GpStatus status);
    ~EuxGdipException() override;
    GpStatus Status() const { return FStatus; }

private:
    GpStatus FStatus;
};

// The address of an entry point of a library.
using TuxProcAddress = void (*)();

// How the binding opens gdiplus.dll and finds its entries: the system's way, or a test's.
class TuxGdiPlusLibrary {
public:
    // The library's handle, or nullptr.
    virtual HMODULE Open() = 0;
    // The entry point of that name, or nullptr.
    virtual TuxProcAddress Lookup(HMODULE library, const char* name) = 0;
    virtual void Close(HMODULE library) = 0;

protected:
    ~TuxGdiPlusLibrary() = default;
};

vcl::TSeam<TuxGdiPlusLibrary>& GdiPlusLibrarySeam();
// The names of the entry points, in the order they are looked up.
std::span<const char* const> GdiPlusEntryNames();

// Loads GDI+ on the first call after the unit's start-up; true while it is loaded and started.
bool IsGdiPlusAvailable();
// Loads and starts GDI+ unless it is loaded: when an entry is missing no later one is looked up, and the library is
// closed again. Nothing is reported either way.
void LoadGdiPlus();
// Shuts GDI+ down and closes the library.
void UnloadGdiPlus();

// status, or EuxGdipException for any status but gpOk.
GpStatus CheckGdipStatus(GpStatus status);
// EuxGdipException (gpInvalidParameter) when the flag is false.
void CheckGdipSuccess(bool success);
// The colour as GDI+ writes it (0xAARRGGBB, system colours resolved); 0 for clNone.
uint32_t ColorToARGB(vcl::TColor color, uint8_t alpha = 255);

// The class identifier of the encoder for the MIME type ("image/png", case-insensitive): 0 and clsid set when GDI+
// has one, 1 with clsid unchanged otherwise.
int32_t GetEncoderClsid(rtl::UnicodeStringView mimeType, rtl::TGUID& clsid);
// The PNG encoder's class identifier, found once; all zero without GDI+ or without the encoder.
const rtl::TGUID& PngEncoderClsid();
void EnsurePngEncoder();

// The 5 x 5 colour matrix that scales alpha by alpha / 255 and keeps the colours.
std::array<float, 25> GpAlphaColorMatrix(uint8_t alpha);
// Draws the source rectangle of image into the destination rectangle (pixels) with a constant alpha. A stretched
// source loses its last column (row) when wider (higher) than one pixel, so the stretch never blends in what lies
// beyond it.
void GpDrawImage(GpGraphics* graphics, const vcl::TRect& destRect, vcl::TRect sourceRect, GpImage* image,
                 uint8_t alpha = 255);
// Fills the destination rectangle with tiles of the source rectangle from its top-left corner; the last tiles are cut.
void GpDrawImageTiled(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect, GpImage* image);

void GpFillRectGradient(GpGraphics* graphics, const vcl::TRect& rect, vcl::TColor color1, vcl::TColor color2,
                        TuxGpGradientMode mode);
// Fills the rectangle with one colour (0xAARRGGBB) through a solid brush.
void GpFillRectColor(GpGraphics* graphics, const vcl::TRect& rect, uint32_t argb);
bool GpIsVisibleRect(GpGraphics* graphics, const vcl::TRect& rect);
// A 32-bit premultiplied GDI+ bitmap of the size, its pixels owned by GDI+.
GpImage* GpCreateBitmap(int32_t width, int32_t height);
GpImage* GpCreateBitmapOfRect(const vcl::TRect& rect);

// A GDI+ bitmap decoded from a copy of the stream's bytes from its position to its end, which must stay readable for
// as long as the bitmap lives: the caller releases memory with ReleaseGpStream after disposing the bitmap.
GpImage* GpLoadImageFromStream(rtl::TStream& stream, IStream*& memory);
void ReleaseGpStream(IStream* memory);

// Start-up and shut-down of the binding: it joins the unit loader, whose shut-down at the end unloads GDI+ after the
// units that started through it.
void InitializeGdiPlusAPIUnit();
void FinalizeGdiPlusAPIUnit();

} // namespace ui
