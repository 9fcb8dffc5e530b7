#pragma once
// TuiCanvas: the drawing wrapper through which every painter, view info and control of the library draws. It wraps a
// framework canvas (a device context with a font, a brush and a pen; not owned) and adds stacks of device-context
// states, clip regions and drawing objects, clipping by regions in logical or device coordinates, fills that tile a
// bitmap, frames on chosen sides, 3D edges, and text output with the library's own text flags, a disabled look, a fast
// single-line path and quarter-turn rotation. Colours are the framework's; system colours are resolved through the
// library's system-info seam wherever the canvas chooses a colour itself.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/graphics/uiPixelOps.h"
#include "ui/core/graphics/uiRegion.h"
#include "vcl/graphics/Canvas.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vcl {
class TBitmap;
class TGraphic;
} // namespace vcl

namespace ui {

enum TuiBorder : uint8_t { bLeft, bTop, bRight, bBottom };
using TuiBorders = rtl::TSmallSet<TuiBorder>;
inline constexpr TuiBorders uiAllBorders{bLeft, bTop, bRight, bBottom};

// The library's text flags (16 bits), turned into DrawText flags by TextFlagsToDrawTextFlags.
inline constexpr uint16_t tfAlignLeft = 0x0001;
inline constexpr uint16_t tfAlignRight = 0x0002;
inline constexpr uint16_t tfAlignHCenter = 0x0004;
inline constexpr uint16_t tfAlignTop = 0x0008;
inline constexpr uint16_t tfAlignBottom = 0x0010;
inline constexpr uint16_t tfAlignVCenter = 0x0020;
inline constexpr uint16_t tfSingleLine = 0x0040;
inline constexpr uint16_t tfDontClip = 0x0080;
inline constexpr uint16_t tfExpandTabs = 0x0100;
// "&" marks the next character as the mnemonic; without it "&" is drawn as it is.
inline constexpr uint16_t tfShowPrefix = 0x0200;
inline constexpr uint16_t tfWordBreak = 0x0400;
inline constexpr uint16_t tfShowEndEllipsis = 0x0800;
// Only the rectangle is calculated.
inline constexpr uint16_t tfCalcRect = 0x1000;
inline constexpr uint16_t tfShowPathEllipsis = 0x2000;
// With tfWordBreak: no break inside a word.
inline constexpr uint16_t tfDontBreakChars = 0x4000;
// With tfWordBreak and tfDontBreakChars: no break between full-width characters either.
inline constexpr uint16_t tfNoFullWidthCharBreak = 0x8000;

uint32_t TextFlagsToDrawTextFlags(uint16_t flags);

// DrawTextW on dc in color (clDefault: the device context's text colour), on a transparent or opaque background;
// returns what DrawText returns (the text height, 0 on failure).
int32_t DrawTextColored(HDC dc, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t drawTextFlags,
                        vcl::TColor color, bool transparent);

class TuiCanvas;
// Text drawn transparently in rect, turned by angle: through a 32-bit bitmap that holds the area under the rectangle
// while the text is drawn into it upright, so the font itself is never rotated.
void DrawRotatedText(TuiCanvas& canvas, rtl::UnicodeStringView text, const vcl::TRect& rect, uint32_t drawTextFlags,
                     vcl::TColor color, TuiRotationAngle angle);

class TuiCanvas {
public:
    explicit TuiCanvas(vcl::TCanvas& canvas) : FCanvas(&canvas) {}
    // Frees the saved clip regions; restores nothing.
    virtual ~TuiCanvas();
    TuiCanvas(const TuiCanvas&) = delete;
    TuiCanvas& operator=(const TuiCanvas&) = delete;

    // The wrapped canvas and its parts.
    vcl::TCanvas& Canvas() const { return *FCanvas; }
    HDC Handle() const { return FCanvas->Handle(); }
    vcl::TBrush& Brush() const { return FCanvas->Brush(); }
    vcl::TFont& Font() const { return FCanvas->Font(); }
    vcl::TPen& Pen() const { return FCanvas->Pen(); }
    vcl::TCopyMode CopyMode() const { return FCanvas->CopyMode(); }
    void SetCopyMode(vcl::TCopyMode mode) { FCanvas->SetCopyMode(mode); }
    void SetFont(const vcl::TFont& font) { Font().Assign(&font); }
    void SetPixel(int32_t x, int32_t y, vcl::TColor color);
    // Sets the brush colour only when it differs, so the GDI brush is not made anew for every cell.
    void SetBrushColor(vcl::TColor color);

    // Origins: logical (window) and device (viewport); the DC origin is viewport - window, the offset from logical to
    // device coordinates.
    vcl::TPoint GetWindowOrigin() const;
    void SetWindowOrigin(vcl::TPoint origin);
    vcl::TPoint GetViewportOrigin() const;
    vcl::TPoint GetDCOrigin() const;

    // The device context's state: SaveDC while the canvas is locked, and back. Pops on an empty stack do nothing.
    void PushDCState();
    void PopDCState();
    // The clip region, and back exactly (also when there was none). Pops on an empty stack do nothing.
    void PushClipRegion();
    void PopClipRegion();
    // The device context's state with copies of the canvas's font, brush and pen, and back. The canvas's own objects
    // are the ones kept: the framework canvas selects them only when it draws, so the device context may not show
    // them yet.
    void PushState();
    void PopState();
    // Makes the canvas's font (with the text colour), brush and pen describe what is selected in dc.
    void TakeObjectsFromDC(HDC dc);

    // The clip region, (0, 0, 30000, 30000) when the device context has none; with considerOrigin in logical
    // coordinates, else in device ones.
    std::unique_ptr<TuiRegion> CopyClipRegion(bool considerOrigin = true) const;
    // Copy selects region as the clip region; other operations combine it with the current one first.
    void SetClipRegion(const TuiRegion& region, TuiRegionOperation operation, bool considerOrigin = true);
    void ExcludeClipArea(const vcl::TRect& rect);
    void IntersectClipArea(const vcl::TRect& rect);
    bool RectVisible(const vcl::TRect& rect) const;
    void BeginPath();
    void EndPath();
    // The path closed by EndPath as a region.
    std::unique_ptr<TuiRegion> PathToRegion(bool considerOrigin = true);

    // clNone draws nothing, clDefault fills with the current brush, any other colour becomes the brush colour.
    void FillRectColor(const vcl::TRect& rect, vcl::TColor color);
    // Fills with the brush, or with bitmap (not empty) tiled from the origin (0, 0); with excludeRect the rectangle
    // then leaves the clip region.
    void FillRect(const vcl::TRect& rect, vcl::TBitmap* bitmap = nullptr, bool excludeRect = false);
    // Bands of width along the named sides inside rect (left, right, top, bottom), each clamped to the rectangle.
    // clDefault keeps the brush colour, clNone draws nothing.
    void FrameRect(const vcl::TRect& rect, vcl::TColor color, int32_t width = 1, TuiBorders borders = uiAllBorders,
                   bool excludeFrame = false);
    // A frame of borderWidth in borderColor on the named sides, then the rest filled with the params' colour, or
    // their bitmap tiled when they have one.
    void FillRectWithParams(const vcl::TRect& rect, const TuiDrawParams& params, TuiBorders borders = {},
                            vcl::TColor borderColor = vcl::clDefault, int32_t borderWidth = 0, bool exclude = false);
    // The brush colour, the font and its colour as draw parameters (no bitmap); and back onto the canvas.
    void ReadDrawParams(TuiDrawParams& params);
    void ApplyDrawParams(const TuiDrawParams& params);
    // Bands of width along the named sides, left and top in leftTopColor, right and bottom in rightBottomColor.
    void DrawComplexFrame(const vcl::TRect& rect, vcl::TColor leftTopColor, vcl::TColor rightBottomColor,
                          TuiBorders borders = uiAllBorders, int32_t width = 1);
    // A one-pixel 3D edge: the outer or inner line of a raised or sunken border.
    void DrawEdge(const vcl::TRect& rect, bool sunken, bool outer, TuiBorders borders = uiAllBorders);
    void DrawRegion(const TuiRegion& region, vcl::TColor fillColor, vcl::TColor frameColor, int32_t frameWidth = 1,
                    int32_t frameHeight = 1);
    void InvertRect(const vcl::TRect& rect);
    // The dotted XOR frame; drawing it twice restores the pixels.
    void DrawFocusRect(const vcl::TRect& rect);
    // count focus frames, each one pixel further in.
    void DrawThickFocusRect(const vcl::TRect& rect, int32_t count);

    // One line of text in the font; (0, 0) when it cannot be measured.
    vcl::TSize MeasureText(rtl::UnicodeStringView text);
    int32_t GetTextWidth(rtl::UnicodeStringView text) { return MeasureText(text).cx; }
    int32_t GetTextHeight(rtl::UnicodeStringView text) { return MeasureText(text).cy; }
    // Makes font the canvas's font and returns the height of "Qq".
    int32_t FontHeight(const vcl::TFont& font);
    // The rectangle text takes with the flags, placed in rect by its alignment flags.
    void MeasureTextRect(rtl::UnicodeStringView text, vcl::TRect& rect, uint16_t flags);
    // Moves rect's top so that the text sits at its bottom or centre.
    void AlignTextRectVertically(vcl::TRect& rect, rtl::UnicodeStringView text, TuiAlignmentVert alignment,
                                 bool wordBreak, bool showPrefix, bool enabled, bool dontBreakChars, bool endEllipsis);
    // Text in rect with the library's flags; disabled text is drawn embossed (highlight at (+1, +1), then shadow).
    // Single-line text without prefix, ellipsis or rotation takes ExtTextOut, which fills the text's background
    // unless the brush is clear; the rest is drawn transparently.
    void DrawText(rtl::UnicodeStringView text, const vcl::TRect& rect, uint16_t flags, bool enabled = true,
                  TuiRotationAngle angle = TuiRotationAngle::None);
    // The font turned by angle degrees (counter-clockwise).
    void SetFontAngle(int32_t angle);

    void MoveTo(int32_t x, int32_t y) { FCanvas->MoveTo(x, y); }
    void LineTo(int32_t x, int32_t y) { FCanvas->LineTo(x, y); }
    void Polygon(std::span<const vcl::TPoint> points) { FCanvas->Polygon(points); }
    void Polyline(std::span<const vcl::TPoint> points) { FCanvas->Polyline(points); }
    void PolyPolyline(std::span<const vcl::TPoint> points, std::span<const uint32_t> counts) {
        FCanvas->PolyPolyline(points, counts);
    }
    void CopyRectFrom(const vcl::TRect& destRect, TuiCanvas& source, const vcl::TRect& sourceRect) {
        FCanvas->CopyRect(destRect, source.Canvas(), sourceRect);
    }
    void DrawGraphic(int32_t x, int32_t y, vcl::TGraphic& graphic) { FCanvas->Draw(x, y, graphic); }

protected:
    // Wraps another canvas from now on (the shared paint canvas switches between canvases).
    void SetCanvas(vcl::TCanvas& canvas) { FCanvas = &canvas; }

private:
    struct TDCState {
        HDC DC;
        int32_t SavedIndex;
    };
    struct TCanvasState {
        std::unique_ptr<vcl::TFont> Font;
        std::unique_ptr<vcl::TBrush> Brush;
        std::unique_ptr<vcl::TPen> Pen;
    };

    void OutputText(rtl::UnicodeStringView text, const vcl::TRect& rect, uint16_t flags, TuiRotationAngle angle,
                    bool fastPath);

    vcl::TCanvas* FCanvas; // not owned
    std::vector<TDCState> FDCStates;
    // nullptr stands for "no clip region".
    std::vector<std::unique_ptr<TuiRegion>> FSavedClipRegions;
    std::vector<TCanvasState> FCanvasStates;
};

} // namespace ui
