#include "ui/core/skins/elements/uxSkinElementCache.h"

#include "rtl/WindowsApi.h"
#include "ui/core/gdiplus/uxGdiPlusFlat.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/skins/elements/uxSkinCanvas.h"
#include "ui/core/skins/elements/uxSkinElements.h"

namespace ui {

TuxSkinElementCache::TuxSkinElementCache() = default;

TuxSkinElementCache::~TuxSkinElementCache() = default;

void TuxSkinElementCache::Draw(HDC dc, TuxSkinElement& element, const vcl::TRect& rect, TuxSkinElementState state,
                               int32_t imageIndex) {
    CheckCache(element, rect, state, imageIndex);
    DrawFromCache(dc, rect);
}

void TuxSkinElementCache::CheckCache(TuxSkinElement& element, const vcl::TRect& rect, TuxSkinElementState state,
                                     int32_t imageIndex) {
    const vcl::TSize size{rect.Width(), rect.Height()};
    if (FElement == &element && FState == state && FImageIndex == imageIndex && FSize == size) {
        return;
    }
    FreeCache();
    if (rect.IsEmpty()) {
        return;
    }
    FElement = &element;
    FState = state;
    FImageIndex = imageIndex;
    FSize = size;
    if (element.IsAlphaUsed()) {
        InitAlphaCache(element);
    } else {
        InitOpaqueCache(element);
    }
}

void TuxSkinElementCache::FreeCache() {
    FElement = nullptr;
    FSize = {};
    FAlphaBitmap.Reset();
    FOpaqueBitmap.reset();
}

void TuxSkinElementCache::InitAlphaCache(TuxSkinElement& element) {
    TuxGpImageHandle bitmap(GpCreateBitmap(FSize.cx, FSize.cy));
    const vcl::TRect area{0, 0, FSize.cx, FSize.cy};
    TuxSkinCanvas canvas;
    canvas.BeginPaintOnGraphics(CreateGpImageGraphics(bitmap.Get()), area);
    element.PaintInterior(canvas, area, FImageIndex, FState);
    canvas.EndPaint();
    FAlphaBitmap = std::move(bitmap);
}

void TuxSkinElementCache::InitOpaqueCache(TuxSkinElement& element) {
    auto bitmap = std::make_unique<TuiBitmap32>(FSize.cx, FSize.cy);
    const vcl::TRect area{0, 0, FSize.cx, FSize.cy};
    TuxSkinCanvas canvas;
    canvas.BeginPaint(bitmap->Canvas().Handle(), area);
    element.PaintInterior(canvas, area, FImageIndex, FState);
    canvas.EndPaint();
    FOpaqueBitmap = std::move(bitmap);
}

void TuxSkinElementCache::DrawFromCache(HDC dc, const vcl::TRect& rect) {
    if (FOpaqueBitmap) {
        BitBlt(dc, rect.Left, rect.Top, FSize.cx, FSize.cy, FOpaqueBitmap->Canvas().Handle(), 0, 0, SRCCOPY);
    } else if (FAlphaBitmap) {
        const TuxGpGraphicsHandle graphics = CreateGpGraphics(dc);
        CheckGdipStatus(gdip::DrawImageRectI(graphics.Get(), FAlphaBitmap.Get(), rect));
    }
}

} // namespace ui
