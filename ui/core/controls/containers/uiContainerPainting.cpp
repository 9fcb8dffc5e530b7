#include "ui/core/controls/containers/uiContainerPainting.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/core/graphics/uiRegion.h"

#include <array>
#include <utility>

namespace ui {

namespace {

// The four bands of rect around excluded: left and right full height, above and below it between them.
std::array<vcl::TRect, 4> BandsAround(const vcl::TRect& rect, const vcl::TRect& excluded) {
    return {{{rect.Left, rect.Top, excluded.Left, rect.Bottom},
             {excluded.Left, rect.Top, excluded.Right, excluded.Top},
             {excluded.Right, rect.Top, rect.Right, rect.Bottom},
             {excluded.Left, excluded.Bottom, excluded.Right, rect.Bottom}}};
}

} // namespace

int32_t GetContainerBorderWidth(TuiContainerBorderStyle borderStyle) {
    switch (borderStyle) {
    case cbsNone:
        return 0;
    case cbsThick:
    case cbsFlat:
    case cbs3D:
        return 2;
    case cbsSingle:
    case cbsUltraFlat:
    case cbsOffice11:
        return 1;
    }
    return 0;
}

int32_t GetBorderWidthForPainter(TuiContainerBorderStyle borderStyle, const TuiCustomLookAndFeelPainter* skinPainter) {
    if (skinPainter != nullptr && (borderStyle == cbsFlat || borderStyle == cbs3D)) {
        return 1;
    }
    return GetContainerBorderWidth(borderStyle);
}

int32_t GetContainerBorderIndent(TuiLookAndFeelKind kind) {
    return kind == lfFlat || kind == lfStandard ? 2 : 1;
}

void GrowRectByEdges(vcl::TRect& rect, int32_t width, TuiBorders edges) {
    rect.Left -= edges.Contains(bLeft) ? width : 0;
    rect.Top -= edges.Contains(bTop) ? width : 0;
    rect.Right += edges.Contains(bRight) ? width : 0;
    rect.Bottom += edges.Contains(bBottom) ? width : 0;
}

void ShrinkRectOnMissingEdges(vcl::TRect& rect, int32_t width, TuiBorders edges) {
    rect.Left += edges.Contains(bLeft) ? 0 : width;
    rect.Top += edges.Contains(bTop) ? 0 : width;
    rect.Right -= edges.Contains(bRight) ? 0 : width;
    rect.Bottom -= edges.Contains(bBottom) ? 0 : width;
}

void PaintContainerShadow(TuiCanvas& canvas, const vcl::TRect& rect) {
    const int32_t depth = uiContainerShadowDepth;
    const vcl::TRect bottom{rect.Left + depth, rect.Bottom, rect.Right, rect.Bottom + depth};
    const vcl::TRect right{rect.Right, rect.Top + depth, rect.Right + depth, rect.Bottom + depth};
    for (const vcl::TRect& strip : {bottom, right}) {
        canvas.FillRectColor(strip, vcl::clBtnShadow);
        canvas.ExcludeClipArea(strip);
    }
}

void InvalidateRectExcept(HWND window, const vcl::TRect& rect, const vcl::TRect& excluded, bool erase) {
    if (excluded.IsEmpty()) {
        InvalidateWindowRect(window, rect, erase);
        return;
    }
    for (const vcl::TRect& band : BandsAround(rect, excluded)) {
        InvalidateWindowRect(window, band, erase);
    }
}

vcl::TRegionHandle CreatePopupShadowRegion(const vcl::TRect& bounds, const vcl::TRect& insets, bool nativeBorder,
                                           bool shadow, const vcl::TRect& excluded) {
    if (!shadow || nativeBorder) {
        return {};
    }
    vcl::TRegionHandle region(CreateRectRgn(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom));
    const vcl::TRegionHandle shadowPart(CreateRectRgn(
        bounds.Left + uiContainerShadowDepth + insets.Left, bounds.Top + uiContainerShadowDepth + insets.Top,
        bounds.Right + uiContainerShadowDepth - insets.Right, bounds.Bottom + uiContainerShadowDepth - insets.Bottom));
    CombineRgn(region.Get(), region.Get(), shadowPart.Get(), RGN_OR);
    if (!excluded.IsEmpty()) {
        const vcl::TRegionHandle cut(CreateRectRgn(excluded.Left, excluded.Top, excluded.Right, excluded.Bottom));
        CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
    }
    return region;
}

void SetPopupShadowRegion(HWND window, const vcl::TRect& bounds, const vcl::TRect& insets, bool nativeBorder,
                          bool shadow, const vcl::TRect& excluded) {
    SetWindowRegionIfChanged(window, CreatePopupShadowRegion(bounds, insets, nativeBorder, shadow, excluded));
}

bool IsWindowRegionDifferent(HWND window, HRGN region) {
    const TuiRegion current;
    const int kind = GetWindowRgn(window, current.Handle());
    const bool windowHasRegion = kind != ERROR && kind != NULLREGION;
    if (region == nullptr && !windowHasRegion) {
        return false;
    }
    return region == nullptr || !windowHasRegion || !EqualRgn(region, current.Handle());
}

void SetWindowRegionIfChanged(HWND window, vcl::TRegionHandle region) {
    if (IsWindowRegionDifferent(window, region.Get())) {
        // The system owns a region it accepts.
        if (SetWindowRgn(window, region.Get(), TRUE) != 0) {
            region.Release();
        }
    }
}

} // namespace ui
