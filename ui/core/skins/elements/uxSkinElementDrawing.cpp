// Drawing of skin images, borders and elements on a skin canvas (Windows: GDI+ draws the textures).
#include "rtl/WindowsApi.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/core/skins/elements/uxSkinCanvas.h"
#include "ui/core/skins/elements/uxSkinElementCache.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "vcl/graphics/GdiObjects.h"

namespace ui {

namespace {

// GDI+ interpolation modes: the default for stretched parts, nearest neighbour for frames drawn at their own size.
constexpr int32_t SkinInterpolationDefault = 0;
constexpr int32_t SkinInterpolationNearestNeighbor = 5;

bool IsRectVisibleOn(HDC dc, const vcl::TRect& rect) {
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    return !rect.IsEmpty() && RectVisible(dc, &r);
}

vcl::TRect DeflateByMargins(const vcl::TRect& rect, const vcl::TRect& margins) {
    return {rect.Left + margins.Left, rect.Top + margins.Top, rect.Right - margins.Right, rect.Bottom - margins.Bottom};
}

// The frame's size centred in rect (it may stick out when rect is smaller).
vcl::TRect CentredFrame(const vcl::TRect& rect, vcl::TSize size) {
    const int32_t left = rect.Left + (rect.Width() - size.cx) / 2;
    const int32_t top = rect.Top + (rect.Height() - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

} // namespace

void TuxSkinImage::Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state) {
    const vcl::TSize size = GetSize();
    if (size.cx == 0 || size.cy == 0 || !IsRectVisibleOn(dc, rect)) {
        return;
    }
    TuxSkinCanvas canvas;
    canvas.BeginPaint(dc, rect);
    DrawOnCanvas(canvas, rect, imageIndex, state);
    canvas.EndPaint();
}

void TuxSkinImage::DrawOnCanvas(TuxSkinCanvas& canvas, const vcl::TRect& rect, int32_t imageIndex,
                                TuxSkinElementState state) {
    if (FTexture->Empty()) {
        if (FGradientBeginColor != vcl::clNone) {
            canvas.FillRectByGradient(DeflateByMargins(rect, FMargins), FGradientBeginColor, FGradientEndColor,
                                      FGradient);
        }
        return;
    }
    const vcl::TRect frame = Layout().FrameRect(imageIndex, state);
    if (frame.IsEmpty() || rect.IsEmpty()) {
        return;
    }
    DrawParts(canvas, rect, frame);
}

void TuxSkinImage::DrawParts(TuxSkinCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& frame) {
    TuxPNGImage& picture = FTexture->Picture();
    if (FStretch == smNoResize) {
        canvas.SetInterpolationMode(SkinInterpolationNearestNeighbor);
        canvas.DrawImage(picture, CentredFrame(rect, {frame.Width(), frame.Height()}), frame, smStretch);
        return;
    }
    canvas.SetInterpolationMode(SkinInterpolationDefault);
    const TuxSkinFrameLayout& layout = Layout();
    const TuxSkinNineParts destParts = CalcNineGridParts(rect, FitMarginsToRect(FMargins, rect));
    for (int32_t part = 0; part < static_cast<int32_t>(destParts.size()); ++part) {
        const vcl::TRect& dest = destParts[static_cast<size_t>(part)];
        if (!layout.PartVisible(part) || dest.IsEmpty()) {
            continue;
        }
        if (part == SkinCentrePart && FGradientBeginColor != vcl::clNone) {
            canvas.FillRectByGradient(dest, FGradientBeginColor, FGradientEndColor, FGradient);
            continue;
        }
        const vcl::TRect source =
            vcl::OffsetRect(layout.SourceParts()[static_cast<size_t>(part)], frame.Left, frame.Top);
        canvas.DrawImage(picture, dest, source, FStretch);
    }
}

void TuxSkinBorder::Draw(HDC dc, const vcl::TRect& rect) {
    if (FColor == vcl::clNone || !IsRectVisibleOn(dc, rect)) {
        return;
    }
    TuxSkinCanvas canvas;
    canvas.BeginPaint(dc, rect);
    DrawOnCanvas(canvas, rect);
    canvas.EndPaint();
}

void TuxSkinBorder::DrawOnCanvas(TuxSkinCanvas& canvas, const vcl::TRect& rect) {
    if (FColor != vcl::clNone && FThin > 0) {
        canvas.FillRectByColor(vcl::IntersectRect(BandRect(rect), rect), FColor);
    }
}

void TuxSkinBorders::Draw(TuxSkinCanvas& canvas, const vcl::TRect& rect) {
    for (const std::unique_ptr<TuxSkinBorder>& side : FSides) {
        side->DrawOnCanvas(canvas, rect);
    }
}

void TuxSkinElementCacheDeleter::operator()(TuxSkinElementCache* cache) const {
    delete cache;
}

void TuxSkinElement::Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state) {
    if (!IsRectVisibleOn(dc, rect)) {
        return;
    }
    if (FCache) {
        FCache->Draw(dc, *this, rect, state, imageIndex);
        return;
    }
    TuxSkinCanvas canvas;
    canvas.BeginPaint(dc, rect);
    PaintInterior(canvas, rect, imageIndex, state);
    canvas.EndPaint();
}

void TuxSkinElement::PaintInterior(TuxSkinCanvas& canvas, const vcl::TRect& rect, int32_t imageIndex,
                                   TuxSkinElementState state) {
    FillBackground(canvas, rect);
    FImage->DrawOnCanvas(canvas, rect, imageIndex, state);
    FBorders->Draw(canvas, rect);
    FGlyph->DrawOnCanvas(canvas, DeflateByMargins(rect, FContentOffset), imageIndex, state);
}

void TuxSkinElement::FillBackground(TuxSkinCanvas& canvas, const vcl::TRect& rect) {
    if (ColorAssigned() && (FImage->GetEmpty() || FImage->Stretch() == smNoResize || IsAlphaUsed())) {
        canvas.FillRectByColor(rect, FColor, FAlpha);
    }
}

bool TuxSkinElement::IsAlphaUsed() const {
    if (!FImage->Texture().Empty()) {
        return FImage->Texture().Picture().IsAlphaUsed();
    }
    return FAlpha < 255 || FColor == vcl::clNone;
}

void TuxSkinElement::ChangeCaching(bool on) {
    if (on == GetUseCache()) {
        return;
    }
    if (on) {
        FCache.reset(new TuxSkinElementCache);
    } else {
        FCache.reset();
    }
}

vcl::TColor TuxSkinElement::GetTextColor(TuiButtonState state) const {
    const char* name = state == uibsHot        ? "TextColorHot"
                       : state == uibsPressed  ? "TextColorPressed"
                       : state == uibsDisabled ? "TextColorDisabled"
                                               : nullptr;
    const auto* color = name ? dynamic_cast<const TuxSkinColor*>(GetPropertyByName(name)) : nullptr;
    return color && color->Value() != vcl::clDefault ? color->Value() : FTextColor;
}

void TuxSkinElement::FlagChanged() {
    if (FCache) {
        FCache->FreeCache();
    }
    TuxSkinPersistent::FlagChanged();
}

bool TuxSkinElement::IsAlphaCached() const {
    return FCache && FCache->IsAlphaCache();
}

void TuxSkinEmptyElement::Draw(HDC dc, const vcl::TRect& rect, int32_t, TuxSkinElementState) {
    if (!IsRectVisibleOn(dc, rect)) {
        return;
    }
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const vcl::TBrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
    const vcl::TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &r, white.Get());
    FrameRect(dc, &r, red.Get());
}

} // namespace ui
