#pragma once
// For the library's GDI+ sources only: the entry points of the GDI+ flat API that the binding looks up (in lookup
// order), and typed calls of the ones the library uses. A call whose entry is not bound answers gpNotInitialized, so
// a caller that skipped IsGdiPlusAvailable gets an error, never a jump to nowhere. Owners of GDI+ objects release
// them exactly once.

#include "rtl/core/Interfaces.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "vcl/graphics/GdiObjects.h"

#include <cstdint>

namespace ui {

// clang-format off
#define UX_GDIPLUS_ENTRIES(X)                                                                                          \
    X(GdipAlloc) X(GdipFree) X(GdiplusStartup) X(GdiplusShutdown) X(GdipCloneBrush) X(GdipDeleteBrush)                 \
    X(GdipGetBrushType) X(GdipCreateSolidFill) X(GdipSetSolidFillColor) X(GdipGetSolidFillColor)                       \
    X(GdipCreateLineBrushFromRectI) X(GdipGetLineRectI) X(GdipSetLineColors) X(GdipGetLineColors)                      \
    X(GdipSetLineWrapMode) X(GdipGetLineWrapMode) X(GdipCreateHatchBrush) X(GdipGetHatchStyle)                         \
    X(GdipGetHatchForegroundColor) X(GdipGetHatchBackgroundColor) X(GdipCreatePen1) X(GdipCreatePen2)                  \
    X(GdipClonePen) X(GdipDeletePen) X(GdipGetPenFillType) X(GdipSetPenBrushFill) X(GdipGetPenBrushFill)               \
    X(GdipSetPenColor) X(GdipGetPenColor) X(GdipSetPenMode) X(GdipGetPenMode) X(GdipSetPenWidth) X(GdipGetPenWidth)    \
    X(GdipGetPenDashStyle) X(GdipSetPenDashStyle) X(GdipCreateFromHDC) X(GdipDeleteGraphics) X(GdipGetDC)              \
    X(GdipReleaseDC) X(GdipGraphicsClear) X(GdipDrawLineI) X(GdipDrawLinesI) X(GdipFillRectangleI) X(GdipDrawArcI)     \
    X(GdipDrawBezierI) X(GdipDrawRectangleI) X(GdipDrawEllipseI) X(GdipDrawPieI) X(GdipDrawPolygonI)                   \
    X(GdipDrawCurve2I) X(GdipDrawClosedCurve2I) X(GdipFillPolygonI) X(GdipFillEllipseI) X(GdipFillPieI)                \
    X(GdipFillClosedCurveI) X(GdipLoadImageFromStream) X(GdipCreateBitmapFromFile) X(GdipCreateBitmapFromStream)       \
    X(GdipCreateBitmapFromStreamICM) X(GdipCreateHBITMAPFromBitmap) X(GdipLoadImageFromFile)                           \
    X(GdipGetImageDimension) X(GdipDrawImageRectI) X(GdipDisposeImage) X(GdipGetImageEncodersSize)                     \
    X(GdipGetImageEncoders) X(GdipSaveImageToStream) X(GdipCreateBitmapFromHBITMAP) X(GdipIsVisibleRect)               \
    X(GdipIsVisibleRectI) X(GdipGetEncoderParameterListSize) X(GdipGetEncoderParameterList)                            \
    X(GdipCreateBitmapFromGdiDib) X(GdipCreateBitmapFromScan0) X(GdipBitmapLockBits) X(GdipBitmapUnlockBits)           \
    X(GdipDrawImageRectRectI) X(GdipDrawImageRectRect) X(GdipDrawImagePointRect) X(GdipCloneImage)                     \
    X(GdipCreateTexture2I) X(GdipCreateImageAttributes) X(GdipDisposeImageAttributes)                                  \
    X(GdipSetImageAttributesColorMatrix) X(GdipAddPathArc) X(GdipAddPathLine) X(GdipClosePathFigure)                   \
    X(GdipCreatePath) X(GdipDeletePath) X(GdipDrawPath) X(GdipFillPath) X(GdipStartPathFigure)                         \
    X(GdipSetInterpolationMode) X(GdipGetInterpolationMode) X(GdipCreateCachedBitmap) X(GdipDeleteCachedBitmap)        \
    X(GdipDrawCachedBitmap) X(GdipCreateBitmapFromGraphics) X(GdipGetImageGraphicsContext) X(GdipGetImageWidth)        \
    X(GdipGetImageHeight) X(GdipSetCompositingMode) X(GdipGetCompositingMode) X(GdipSetCompositingQuality)             \
    X(GdipGetCompositingQuality) X(GdipSetSmoothingMode) X(GdipGetSmoothingMode) X(GdipCloneBitmapAreaI)
// clang-format on

enum class TuxGdipEntry : uint8_t {
#define UX_GDIPLUS_ENTRY_ID(name) name,
    UX_GDIPLUS_ENTRIES(UX_GDIPLUS_ENTRY_ID)
#undef UX_GDIPLUS_ENTRY_ID
        Count
};

inline constexpr size_t GdiPlusEntryCount = static_cast<size_t>(TuxGdipEntry::Count);

// The bound entry, or nullptr.
TuxProcAddress GdiPlusEntry(TuxGdipEntry entry);

// GDI+'s interpolation modes as the library sets them.
enum TuxGpInterpolationMode : int32_t {
    imLowQuality = 1,
    imNearestNeighbor = 5,
    imHighQualityBicubic = 7,
};

namespace gdip {

GpStatus CreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus DeleteGraphics(GpGraphics* graphics);
GpStatus GetInterpolationMode(GpGraphics* graphics, int32_t* mode);
GpStatus SetInterpolationMode(GpGraphics* graphics, int32_t mode);
GpStatus DrawImageRectI(GpGraphics* graphics, GpImage* image, const vcl::TRect& dest);
GpStatus DisposeImage(GpImage* image);
GpStatus CloneImage(GpImage* image, GpImage** clone);
GpStatus CreateBitmapFromScan0(int32_t width, int32_t height, int32_t stride, uint8_t* scan0, GpImage** bitmap);
GpStatus CreateHBITMAPFromBitmap(GpImage* bitmap, HBITMAP* result, uint32_t background);
GpStatus GetImageWidth(GpImage* image, uint32_t* width);
GpStatus GetImageHeight(GpImage* image, uint32_t* height);
GpStatus GetImageDimension(GpImage* image, float* width, float* height);
GpStatus SaveImageToStream(GpImage* image, IStream* stream, const rtl::TGUID* encoder);
GpStatus GetImageGraphicsContext(GpImage* image, GpGraphics** graphics);

} // namespace gdip

namespace detail {
struct TGpGraphicsDeleter {
    void operator()(GpGraphics* graphics) const { gdip::DeleteGraphics(graphics); }
};
} // namespace detail

// A GDI+ graphics with one owner, deleted at the end.
using TuxGpGraphicsHandle = vcl::THandleHolder<GpGraphics*, detail::TGpGraphicsDeleter>;

// A GDI+ graphics on dc; EuxGdipException when it cannot be made.
TuxGpGraphicsHandle CreateGpGraphics(HDC dc);
// A GDI+ graphics drawing into the bitmap; EuxGdipException when it cannot be made.
TuxGpGraphicsHandle CreateGpImageGraphics(GpImage* image);

} // namespace ui
