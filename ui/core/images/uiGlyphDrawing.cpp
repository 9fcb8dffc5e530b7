#include "ui/core/images/uiGlyphDrawing.h"

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/images/uiImageList.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {

// Destination AND NOT source: where the source is white the destination becomes 0.
constexpr DWORD MaskOutRasterOperation = 0x00220326;
constexpr uint8_t DisabledAlpha = 151;
constexpr uint8_t FadedAlpha = 64;

struct TGlyphScratch {
    TuiAlphaBitmap Composition;
    TuiAlphaBitmap Glyph;
    TuiAlphaBitmap Mask;
};

std::unique_ptr<TGlyphScratch> SharedScratch;
bool ScratchFreed = false;

// A scratch bitmap made ready for one glyph: its size, no transparent colours, every pixel 0.
void PrepareScratch(TuiAlphaBitmap& bitmap, vcl::TSize size) {
    bitmap.SetSize(size.cx, size.cy);
    bitmap.ClearTransparentColors();
    bitmap.SetTransparentBkColor(0);
    bitmap.Clear();
}

// The picture's pixels from the top-left corner into target, cut to target's size (alpha bytes included).
void CopyPictureInto(vcl::TBitmap& picture, TuiBitmap32& target) {
    TRGBColors source;
    if (!ReadBitmapColors(picture, source, true)) {
        return;
    }
    TRGBColors pixels(static_cast<size_t>(target.Width()) * static_cast<size_t>(target.Height()));
    const int32_t width = std::min(picture.Width(), target.Width());
    const int32_t height = std::min(picture.Height(), target.Height());
    for (int32_t y = 0; y < height; ++y) {
        const auto from = source.begin() + static_cast<ptrdiff_t>(y) * picture.Width();
        std::copy(from, from + width, pixels.begin() + static_cast<ptrdiff_t>(y) * target.Width());
    }
    WriteBitmapColors(target, pixels, true);
}

void MaskOut(TuiBitmap& bitmap, TuiBitmap& mask) {
    BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), mask.Canvas().Handle(), 0, 0,
           MaskOutRasterOperation);
}

// The image of a list with its mask; alpha is possible when the list's bitmaps have 32 bits.
bool FetchListImage(vcl::TCustomImageList& list, int32_t index, TuiBitmap& image, TuiBitmap& mask) {
    if (auto* library = dynamic_cast<TuiImageList*>(&list)) {
        library->GetImageBitmaps(index, image, mask);
        return GetBitmapBitsPerPixel(image) >= 32;
    }
    TuiImageList::ExtractImageInfo(list.Handle(), index, image, mask);
    return TuiImageList::GetSystemListBitsPerPixel(list.Handle()) >= 32;
}

// The list's mask (white where transparent) zeroes the masked pixels of the mask being built.
void ApplyListMask(TuiBitmap& listMask, TuiAlphaBitmap& mask) {
    TuiAlphaBitmap opaqueWhite(mask.Width(), mask.Height());
    CopyPictureInto(listMask, opaqueWhite);
    opaqueWhite.ProcessPixels(TuiPixelOperation::FixAlpha);
    MaskOut(mask, opaqueWhite);
}

// The draw mode's effect on the glyph; the constant alpha it is blended with.
uint8_t ApplyDrawMode(TuiGlyphDrawMode mode, bool useAlpha, TuiAlphaBitmap& glyph, TuiAlphaBitmap& mask,
                      vcl::TRect& glyphRect) {
    switch (mode) {
    case gdmDisabled:
        if (useAlpha) {
            glyph.ProcessPixels(TuiPixelOperation::WeightedGrey);
            return DisabledAlpha;
        }
        glyph.ProcessPixels(TuiPixelOperation::Disable);
        DrawShadow(glyph, mask, 1, vcl::clBtnHighlight, false);
        return 255;
    case gdmFaded:
        glyph.ProcessPixels(TuiPixelOperation::LuminanceGrey);
        return FadedAlpha;
    case gdmGrey:
        glyph.ProcessPixels(TuiPixelOperation::AverageGrey);
        return 255;
    case gdmLight:
        glyph.ProcessPixels(TuiPixelOperation::Lighten);
        return 255;
    case gdmShadowed:
        DrawShadow(glyph, mask, 2, vcl::clBtnShadow, true);
        glyphRect = {glyphRect.Left - 1, glyphRect.Top - 1, glyphRect.Right + 1, glyphRect.Bottom + 1};
        return 255;
    case gdmNormal:
        break;
    }
    return 255;
}

} // namespace

bool HasGlyph(const vcl::TBitmap* glyph) {
    return glyph && !glyph->Empty();
}

bool HasImage(vcl::TCustomImageList* imageList, int32_t index) {
    return imageList && index >= 0 && index < imageList->Count();
}

void DrawGlyphOrImage(HDC dc, const vcl::TRect& glyphRect, const vcl::TRect& backgroundRect, vcl::TBitmap* glyph,
                      vcl::TCustomImageList* imageList, int32_t imageIndex, TuiGlyphDrawMode drawMode,
                      bool smoothStretch, HBRUSH backgroundBrush, vcl::TColor transparentColor,
                      bool useGlyphTransparentColor) {
    const bool hasGlyph = HasGlyph(glyph);
    if ((!hasGlyph && !HasImage(imageList, imageIndex)) || backgroundRect.IsEmpty()) {
        return;
    }
    TGlyphScratch ownScratch;
    if (!SharedScratch && !ScratchFreed) {
        SharedScratch = std::make_unique<TGlyphScratch>();
    }
    TGlyphScratch& scratch = SharedScratch ? *SharedScratch : ownScratch;

    TuiAlphaBitmap& composition = scratch.Composition;
    PrepareScratch(composition, {backgroundRect.Width(), backgroundRect.Height()});
    if (backgroundBrush) {
        const vcl::TRect whole = composition.GetClientRect();
        FillRect(composition.Canvas().Handle(), vcl::AsRECT(&whole), backgroundBrush);
    } else {
        BitBltRect(composition.Canvas().Handle(), dc, composition.GetClientRect(), backgroundRect.TopLeft(), SRCCOPY);
    }
    vcl::TRect drawnRect = vcl::OffsetRect(glyphRect, -backgroundRect.Left, -backgroundRect.Top);

    TuiAlphaBitmap& image = scratch.Glyph;
    TuiBitmap listImage;
    TuiBitmap listMask;
    bool alphaPossible = false;
    if (hasGlyph) {
        PrepareScratch(image, {glyph->Width(), glyph->Height()});
        CopyPictureInto(*glyph, image);
        alphaPossible = GetBitmapBitsPerPixel(*glyph) >= 32;
    } else {
        PrepareScratch(image, {imageList->Width(), imageList->Height()});
        alphaPossible = FetchListImage(*imageList, imageIndex, listImage, listMask);
        CopyPictureInto(listImage, image);
    }
    const bool useAlpha = alphaPossible && image.IsAlphaUsed();
    if (!useAlpha) {
        image.ProcessPixels(TuiPixelOperation::Opaque);
    }

    TuiAlphaBitmap& mask = scratch.Mask;
    PrepareScratch(mask, {image.Width(), image.Height()});
    CopyPictureInto(image, mask);
    if (!useAlpha) {
        if (!hasGlyph) {
            ApplyListMask(listMask, mask);
        }
        if (transparentColor != vcl::clNone) {
            mask.AddTransparentColor(transparentColor);
        }
        if (useGlyphTransparentColor && hasGlyph) {
            mask.AddTransparentColor(glyph->TransparentColor());
        }
    }
    mask.ProcessPixels(TuiPixelOperation::Mask);
    MaskOut(image, mask);

    const uint8_t alpha = ApplyDrawMode(drawMode, useAlpha, image, mask, drawnRect);
    AlphaBlendBitmaps(composition, image, drawnRect, image.GetClientRect(), smoothStretch, alpha);
    DrawBitmapToDC(dc, composition, backgroundRect, {0, 0}, SRCCOPY);
}

void FreeGlyphScratchBitmaps() {
    SharedScratch.reset();
    ScratchFreed = true;
}

void AllowGlyphScratchBitmaps() {
    ScratchFreed = false;
}

} // namespace ui
