#pragma once
// The drawing surface of one skin drawing call: a GDI+ graphics on a device context, or on a bitmap it is given, with
// the fills and picture parts that element drawing needs. Rectangles are in the coordinates of the device context. A
// device context of 16 bits per pixel or fewer (or with a palette) is drawn on through a 32-bit buffer that first
// takes a copy of its pixels under the rectangle and is copied back at the end, so that translucent textures blend.
// Whether a device context counts as low-colour goes through a seam, so tests can take the buffered way on any DIB.

#include "ui/core/gdiplus/uxGdiPlusFlat.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "vcl/system/Seam.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <memory>

namespace ui {

class TuiBitmap32;
class TuxPNGImage;

// How many colours a device context shows: the system's answer, or a test's.
class TuxSkinColorDepth {
public:
    // True for a palette device or one of 16 bits per pixel or fewer.
    virtual bool IsLowColorsMode(HDC dc) = 0;

protected:
    ~TuxSkinColorDepth() = default;
};

vcl::TSeam<TuxSkinColorDepth>& SkinColorDepthSeam();

class TuxSkinCanvas {
public:
    TuxSkinCanvas();
    // Ends a painting still begun (after an exception), without raising.
    ~TuxSkinCanvas();
    TuxSkinCanvas(const TuxSkinCanvas&) = delete;
    TuxSkinCanvas& operator=(const TuxSkinCanvas&) = delete;

    void BeginPaint(HDC dc, const vcl::TRect& rect);
    // Draws on the graphics given (of a bitmap), which the canvas deletes at the end.
    void BeginPaintOnGraphics(TuxGpGraphicsHandle graphics, const vcl::TRect& rect);
    // Deletes the graphics; with a buffer, copies it onto the device context and frees it.
    void EndPaint();

    // The rectangle in one colour (system colours resolved), with alpha as its opacity.
    void FillRectByColor(const vcl::TRect& rect, vcl::TColor color, uint8_t alpha = 255);
    // Equal colours, or color2 clNone or clDefault, fill with color1 alone.
    void FillRectByGradient(const vcl::TRect& rect, vcl::TColor color1, vcl::TColor color2, TuxSkinGradientMode mode);
    // The source rectangle of the picture into the destination, stretched or (smTile) tiled.
    void DrawImage(TuxPNGImage& picture, const vcl::TRect& dest, const vcl::TRect& source, TuxSkinStretchMode stretch);
    void SetInterpolationMode(int32_t mode);

    static bool IsLowColorsMode(HDC dc);

private:
    // rect moved from the device context's coordinates to the drawing surface's.
    vcl::TRect ToSurface(const vcl::TRect& rect) const;
    GpGraphics* Graphics() const;

    HDC FDC = nullptr;
    vcl::TRect FRect;
    TuxGpGraphicsHandle FGraphics;
    std::unique_ptr<TuiBitmap32> FBuffer;
};

} // namespace ui
