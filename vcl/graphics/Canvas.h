#pragma once
// TCanvas: drawing on a device context with a font, a brush and a pen of its own. They are selected into the device
// context when a drawing operation needs them and selected out again before the device context changes or they
// change, so their GDI objects are never deleted while selected. A canvas without a device context asks CreateHandle
// for one (a control's canvas gets the control's window DC, a bitmap's canvas a memory DC); a plain canvas is given
// one with SetHandle.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "vcl/graphics/Brush.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/Pen.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <span>

namespace vcl {

class TGraphic;

namespace VclMessages {
inline constexpr char16_t NoCanvasHandle[] = u"Canvas does not allow drawing";
} // namespace VclMessages

// The raster operation of CopyRect and Draw (a BitBlt code).
using TCopyMode = uint32_t;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;
inline constexpr TCopyMode cmBlackness = 0x00000042;

// Drawing operations on a device context that the canvas is given or obtains itself.
class TCanvas : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TCanvas, rtl::TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The device context; obtained through CreateHandle when there is none. EInvalidOperation when none can be had.
    HDC Handle();
    // Uses handle (not owned) from now on; nullptr leaves the canvas without one.
    void SetHandle(HDC handle);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont& Font() { return FFont; }
    TBrush& Brush() { return FBrush; }
    TPen& Pen() { return FPen; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode mode) { FCopyMode = mode; }
    // The current position of MoveTo and LineTo.
    TPoint PenPos();
    void SetPenPos(TPoint point) { MoveTo(point.X, point.Y); }

    // Nesting count of painters working on the canvas (the UI thread only: no waiting, only the count).
    void Lock() { ++FLockCount; }
    void Unlock() { --FLockCount; }
    int32_t LockCount() const { return FLockCount; }

    // Fills with the brush.
    void FillRect(const TRect& rect);
    // A one-pixel frame inside rect in the brush.
    void FrameRect(const TRect& rect);
    // The dotted focus frame, drawn by XOR: drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& rect);
    // Outlined with the pen and filled with the brush.
    void Rectangle(const TRect& rect);
    void Ellipse(const TRect& rect);
    void Polygon(std::span<const TPoint> points);
    // The pie cut from the ellipse in rect between the rays from its centre through start and end, counter-clockwise.
    void Pie(const TRect& rect, TPoint start, TPoint end);
    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    void Polyline(std::span<const TPoint> points);
    // Separate polylines in one call: the i-th takes the next counts[i] points.
    void PolyPolyline(std::span<const TPoint> points, std::span<const uint32_t> counts);
    TColor Pixel(int32_t x, int32_t y);
    void SetPixel(int32_t x, int32_t y, TColor color);

    // Copies source's sourceRect into destRect (stretching when the sizes differ) with CopyMode.
    void CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect);
    // The graphic at (x, y) in its own size, or stretched into rect.
    void Draw(int32_t x, int32_t y, TGraphic& graphic);
    void StretchDraw(const TRect& rect, TGraphic& graphic);

    // Text at (x, y) in the font; opaque on the brush colour unless the brush is clear.
    void TextOut(int32_t x, int32_t y, rtl::UnicodeStringView text);
    // Text at (x, y), clipped to rect (which the brush fills first unless it is clear).
    void TextRect(const TRect& rect, int32_t x, int32_t y, rtl::UnicodeStringView text);
    // Windows DrawText (the DT_ flags) in the font, on the brush unless it is clear; DT_CALCRECT measures into rect.
    // Returns the height of the text.
    int32_t DrawText(rtl::UnicodeStringView text, TRect& rect, uint32_t flags);
    TSize TextExtent(rtl::UnicodeStringView text);
    int32_t TextWidth(rtl::UnicodeStringView text) { return TextExtent(text).cx; }
    int32_t TextHeight(rtl::UnicodeStringView text) { return TextExtent(text).cy; }
    // The part of the device context that drawing reaches, in logical coordinates.
    TRect ClipRect();

    // For code that draws on Handle() with GDI itself. DeselectHandles selects the canvas's objects out of the device
    // context (before it is released, or before its state is saved with SaveDC, so that the saved state never refers
    // to objects the canvas may delete); the Require functions make the device context ready for text, fills or
    // lines: the objects selected, the colours and modes set.
    void DeselectHandles();
    void RequireFont();
    void RequireBrush();
    void RequirePen();

protected:
    // Gives the canvas a device context when it has none; the base has no source for one.
    virtual void CreateHandle() {}

private:
    void FontChanged();
    void BrushChanged();
    void PenChanged();

    HDC FHandle = nullptr; // not owned
    TFont FFont;
    TBrush FBrush;
    TPen FPen;
    TCopyMode FCopyMode = cmSrcCopy;
    void* FOriginalFont = nullptr;  // the device context's own font while ours is selected
    void* FOriginalBrush = nullptr; // the device context's own brush while ours is selected
    void* FOriginalPen = nullptr;   // the device context's own pen while ours is selected
    int32_t FLockCount = 0;
};

} // namespace vcl
