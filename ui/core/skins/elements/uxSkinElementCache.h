#pragma once
// The picture of an element's last drawing, for elements drawn again and again at one size: kept while the element,
// state, image index and size stay the same, and drawn with one blit (an opaque element) or one picture draw (a
// translucent one, kept as a 32-bit ARGB GDI+ bitmap so it blends with whatever it is drawn on each time).

#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/skins/elements/uxSkinImageLayout.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <memory>

namespace ui {

class TuiBitmap32;
class TuxSkinElement;

class TuxSkinElementCache {
public:
    TuxSkinElementCache();
    ~TuxSkinElementCache();
    TuxSkinElementCache(const TuxSkinElementCache&) = delete;
    TuxSkinElementCache& operator=(const TuxSkinElementCache&) = delete;

    void Draw(HDC dc, TuxSkinElement& element, const vcl::TRect& rect, TuxSkinElementState state, int32_t imageIndex);
    // Whether the picture kept is translucent (a GDI+ bitmap with alpha).
    bool IsAlphaCache() const { return static_cast<bool>(FAlphaBitmap); }
    // Drops the picture: the element changed, so the next drawing renders it anew.
    void FreeCache();

private:
    void CheckCache(TuxSkinElement& element, const vcl::TRect& rect, TuxSkinElementState state, int32_t imageIndex);
    void InitAlphaCache(TuxSkinElement& element);
    void InitOpaqueCache(TuxSkinElement& element);
    void DrawFromCache(HDC dc, const vcl::TRect& rect);

    const TuxSkinElement* FElement = nullptr; // not owned
    vcl::TSize FSize;
    TuxSkinElementState FState = esNormal;
    int32_t FImageIndex = 0;
    TuxGpImageHandle FAlphaBitmap;
    std::unique_ptr<TuiBitmap32> FOpaqueBitmap;
};

} // namespace ui
