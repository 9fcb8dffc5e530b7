#pragma once
// The frame geometry of containers and popups: border widths by border style, edges grown or shrunk, the shadow
// strips, invalidation that leaves a rectangle out, and the window regions of shadowed popups, set only when
// they change.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

class TuiCustomLookAndFeelPainter;

enum TuiContainerBorderStyle : uint8_t { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };

// The width of a container's frame in the border style.
int32_t GetContainerBorderWidth(TuiContainerBorderStyle borderStyle);
// The same, for a frame a skin painter draws (skins draw flat and 3-D frames one pixel wide); nullptr: no skin.
int32_t GetBorderWidthForPainter(TuiContainerBorderStyle borderStyle, const TuiCustomLookAndFeelPainter* skinPainter);
// The gap between a list's frame and its items in the look.
int32_t GetContainerBorderIndent(TuiLookAndFeelKind kind);

// Each side named in edges moves outward by width.
void GrowRectByEdges(vcl::TRect& rect, int32_t width, TuiBorders edges);
// Each side not named in edges moves inward by width.
void ShrinkRectOnMissingEdges(vcl::TRect& rect, int32_t width, TuiBorders edges);

// The width of a container's and a popup's shadow.
inline constexpr int32_t uiContainerShadowDepth = 3;
// Fills the shadow strips below and right of rect with clBtnShadow and takes them out of the canvas's clip region.
void PaintContainerShadow(TuiCanvas& canvas, const vcl::TRect& rect);
// Invalidates rect of the window but for excluded: all of rect when excluded is empty, else the four bands around it.
void InvalidateRectExcept(HWND window, const vcl::TRect& rect, const vcl::TRect& excluded, bool erase);

// The region of a popup with a shadow that is not drawn by a native border: bounds and the shadow rectangle (bounds
// moved by the shadow depth, inset by insets' sides) less excluded. No region without shadow or with a native border.
vcl::TRegionHandle CreatePopupShadowRegion(const vcl::TRect& bounds, const vcl::TRect& insets, bool nativeBorder,
                                           bool shadow, const vcl::TRect& excluded);
void SetPopupShadowRegion(HWND window, const vcl::TRect& bounds, const vcl::TRect& insets, bool nativeBorder,
                          bool shadow, const vcl::TRect& excluded);
// Whether region (nullptr: none) differs from the window's region.
bool IsWindowRegionDifferent(HWND window, HRGN region);
// Gives the window the region when it differs from its own (the window then owns it); otherwise the region is freed.
void SetWindowRegionIfChanged(HWND window, vcl::TRegionHandle region);

} // namespace ui
