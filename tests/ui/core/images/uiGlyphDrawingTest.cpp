// Glyphs drawn into 32-bit DIB sections: the draw modes, transparent colours, alpha channels, the background brush,
// and the drawn area of the shadowed mode. Colours of the system scheme are pinned.

#include "ui/core/images/uiGlyphDrawing.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/images/ImageTestSupport.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Argb;
using ui_test::BitmapOfPixels;
using ui_test::TDibSurface;

constexpr vcl::TColor PinnedShadow = 0x00C000;
constexpr vcl::TColor PinnedHighlight = 0xC000C0;

// A 24-bit glyph of size filled with color, with an inner square of inner (unless clNone) inset by 2.
std::unique_ptr<vcl::TBitmap> Glyph(int32_t size, vcl::TColor color, vcl::TColor inner = vcl::clNone) {
    auto glyph = std::make_unique<vcl::TBitmap>(size, size, vcl::pf24bit);
    glyph->Canvas().Brush().SetColor(color);
    glyph->Canvas().FillRect({0, 0, size, size});
    if (inner != vcl::clNone) {
        glyph->Canvas().Brush().SetColor(inner);
        glyph->Canvas().FillRect({2, 2, size - 2, size - 2});
    }
    return glyph;
}

// A white surface with the glyph drawn at (10, 10) in the whole surface as background.
void DrawOnWhite(TDibSurface& surface, vcl::TBitmap& glyph, TuiGlyphDrawMode mode) {
    surface.Fill(vcl::clWhite);
    DrawGlyphOrImage(surface.DC(), vcl::Bounds(10, 10, glyph.Width(), glyph.Height()),
                     {0, 0, surface.Width(), surface.Height()}, &glyph, nullptr, 0, mode);
}

int RedOf(vcl::TColor color) {
    return static_cast<int>(color & 0xFF);
}

TEST(uiGlyphDrawing, AFadedGlyphIsGreyAtAQuarterOpacity) {
    const std::unique_ptr<vcl::TBitmap> red = Glyph(8, vcl::clRed);
    TDibSurface surface(30, 30);
    DrawOnWhite(surface, *red, gdmFaded);
    uint32_t expected = 0x00FFFFFF;
    BlendPixel(Argb(255, 76, 76, 76), expected, 64);
    const vcl::TColor inside = surface.Pixel(12, 12);
    for (int shift = 0; shift < 24; shift += 8) {
        EXPECT_NEAR(static_cast<int>((inside >> shift) & 0xFF), static_cast<int>((expected >> shift) & 0xFF), 1);
    }
    EXPECT_EQ(surface.Pixel(9, 12), vcl::clWhite);
    EXPECT_EQ(surface.Pixel(18, 12), vcl::clWhite) << "nothing outside the glyph";
}

TEST(uiGlyphDrawing, TransparentColoursShowTheBackground) {
    const std::unique_ptr<vcl::TBitmap> keyed = Glyph(8, vcl::clFuchsia, vcl::clBlue);
    TDibSurface surface(30, 30);
    const vcl::TRect glyphRect = vcl::Bounds(10, 10, 8, 8);
    const vcl::TRect whole{0, 0, 30, 30};

    surface.Fill(vcl::clYellow);
    DrawGlyphOrImage(surface.DC(), glyphRect, whole, keyed.get(), nullptr, 0, gdmNormal, false, nullptr, vcl::clNone,
                     true);
    EXPECT_EQ(surface.Pixel(10, 10), vcl::clYellow) << "the glyph's own transparent colour (its bottom-left pixel)";
    EXPECT_EQ(surface.Pixel(13, 13), vcl::clBlue);

    surface.Fill(vcl::clYellow);
    DrawGlyphOrImage(surface.DC(), glyphRect, whole, keyed.get(), nullptr, 0, gdmNormal, false, nullptr,
                     vcl::clFuchsia);
    EXPECT_EQ(surface.Pixel(17, 17), vcl::clYellow) << "a transparent colour given";

    surface.Fill(vcl::clYellow);
    DrawGlyphOrImage(surface.DC(), glyphRect, whole, keyed.get(), nullptr, 0, gdmNormal);
    EXPECT_EQ(surface.Pixel(10, 10), vcl::clFuchsia) << "without a transparent colour every pixel shows";
}

TEST(uiGlyphDrawing, TheShadowedModeCoversTwoMorePixelsFromOneUpAndLeft) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clBtnShadow, PinnedShadow);
    const std::unique_ptr<vcl::TBitmap> blue = Glyph(8, vcl::clBlue);
    TDibSurface surface(30, 30);
    DrawOnWhite(surface, *blue, gdmShadowed);
    EXPECT_EQ(ui_test::BoundsOf(ui_test::PixelsOtherThan(surface, vcl::clWhite)), (vcl::TRect{9, 9, 19, 19}));
    EXPECT_EQ(surface.Pixel(9, 9), vcl::clBlue);
    EXPECT_EQ(surface.Pixel(16, 16), vcl::clBlue);
    EXPECT_EQ(surface.Pixel(18, 18), PinnedShadow);
    EXPECT_EQ(surface.Pixel(11, 18), PinnedShadow);
    EXPECT_EQ(surface.Pixel(10, 18), vcl::clWhite) << "the shadow starts two pixels further";
}

TEST(uiGlyphDrawing, TheOtherModesChangeTheColours) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clBtnShadow, PinnedShadow);
    pinned.PinColor(vcl::clBtnHighlight, PinnedHighlight);
    const std::unique_ptr<vcl::TBitmap> glyph = Glyph(8, 0x0080FF);
    TDibSurface surface(30, 30);

    DrawOnWhite(surface, *glyph, gdmNormal);
    EXPECT_EQ(surface.Pixel(12, 12), 0x0080FF);
    DrawOnWhite(surface, *glyph, gdmGrey);
    EXPECT_EQ(surface.Pixel(12, 12), 0x7F7F7F) << "(255 + 128 + 0) div 3";
    DrawOnWhite(surface, *glyph, gdmLight);
    EXPECT_EQ(surface.Pixel(12, 12), 0x4DA6FF);

    // The disabled look of a glyph without alpha: grey tinted with the shadow, the highlight where the glyph's
    // shape, moved one pixel down and right, leaves the glyph.
    const std::unique_ptr<vcl::TBitmap> keyed = Glyph(8, vcl::clFuchsia, 0x0080FF);
    surface.Fill(vcl::clWhite);
    DrawGlyphOrImage(surface.DC(), vcl::Bounds(10, 10, 8, 8), {0, 0, 30, 30}, keyed.get(), nullptr, 0, gdmDisabled,
                     false, nullptr, vcl::clFuchsia);
    const vcl::TColor disabled = surface.Pixel(13, 13);
    EXPECT_NE(disabled, 0x0080FF);
    EXPECT_EQ(RedOf(disabled), static_cast<int>((disabled >> 16) & 0xFF)) << "no colour but the shadow's tint";
    EXPECT_EQ(surface.Pixel(16, 16), PinnedHighlight);
    EXPECT_EQ(surface.Pixel(16, 13), PinnedHighlight);
    EXPECT_EQ(surface.Pixel(12, 16), vcl::clWhite);
    EXPECT_EQ(surface.Pixel(17, 16), vcl::clWhite);
}

TEST(uiGlyphDrawing, AnAlphaChannelBlendsThePixels) {
    const std::unique_ptr<TuiBitmap32> halfRed =
        BitmapOfPixels(6, 6, [](int32_t x, int32_t) { return x < 3 ? Argb(128, 128, 0, 0) : Argb(0, 0, 0, 0); });
    TDibSurface surface(30, 30);
    DrawOnWhite(surface, *halfRed, gdmNormal);
    const vcl::TColor half = surface.Pixel(11, 11);
    EXPECT_EQ(RedOf(half), 255);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 1);
    EXPECT_EQ(surface.Pixel(14, 11), vcl::clWhite) << "a clear pixel";

    DrawOnWhite(surface, *halfRed, gdmDisabled);
    TRGBColors grey{Argb(128, 128, 0, 0)};
    ApplyPixelOperation(grey, TuiPixelOperation::WeightedGrey, {});
    uint32_t expected = 0x00FFFFFF;
    BlendPixel(grey[0], expected, 151);
    const vcl::TColor disabled = surface.Pixel(11, 11);
    EXPECT_EQ(RedOf(disabled), static_cast<int>((disabled >> 8) & 0xFF)) << "grey";
    EXPECT_NEAR(RedOf(disabled), static_cast<int>(expected & 0xFF), 1) << "weighted grey at 151/255";
}

TEST(uiGlyphDrawing, ABackgroundBrushFillsTheBackgroundRectangle) {
    const std::unique_ptr<vcl::TBitmap> keyed = Glyph(8, vcl::clFuchsia, vcl::clBlue);
    const vcl::TBrushHandle green(CreateSolidBrush(0x00FF00));
    TDibSurface surface(30, 30);
    surface.Fill(vcl::clWhite);
    DrawGlyphOrImage(surface.DC(), vcl::Bounds(10, 10, 8, 8), {5, 5, 25, 25}, keyed.get(), nullptr, 0, gdmNormal, false,
                     green.Get(), vcl::clFuchsia);
    EXPECT_EQ(ui_test::BoundsOf(ui_test::PixelsOtherThan(surface, vcl::clWhite)), (vcl::TRect{5, 5, 25, 25}));
    EXPECT_EQ(surface.Pixel(6, 6), 0x00FF00);
    EXPECT_EQ(surface.Pixel(10, 10), 0x00FF00);
    EXPECT_EQ(surface.Pixel(13, 13), vcl::clBlue);

    const std::vector<uint32_t> first = surface.Pixels();
    DrawGlyphOrImage(surface.DC(), vcl::Bounds(10, 10, 8, 8), {5, 5, 25, 25}, keyed.get(), nullptr, 0, gdmNormal, false,
                     green.Get(), vcl::clFuchsia);
    EXPECT_EQ(surface.Pixels(), first) << "drawing twice gives the same pixels";
}

TEST(uiGlyphDrawing, NothingIsDrawnWithoutAGlyphOrImage) {
    TDibSurface surface(10, 10);
    surface.Fill(vcl::clWhite);
    vcl::TBitmap empty;
    DrawGlyphOrImage(surface.DC(), {0, 0, 5, 5}, {0, 0, 10, 10}, &empty, nullptr, 3, gdmNormal, false,
                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawGlyphOrImage(surface.DC(), {0, 0, 5, 5}, {0, 0, 10, 10}, nullptr, nullptr, 0, gdmNormal, false,
                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(ui_test::AllPixelsAre(surface, {0, 0, 10, 10}, vcl::clWhite));
    EXPECT_FALSE(HasGlyph(&empty));
    EXPECT_FALSE(HasImage(nullptr, 0));
}

} // namespace
} // namespace ui
