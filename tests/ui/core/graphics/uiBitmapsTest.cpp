// The library's bitmaps: pixel access, the update lock, 32-bit bitmaps, alpha bitmaps and their operations,
// rotation and shadows.

#include "ui/core/graphics/uiBitmaps.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/io/Streams.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using vcl::Rect;

constexpr uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return b | g << 8 | r << 16 | a << 24;
}

TEST(uiBitmapPixels, PixelsRoundTripInBothRowOrders) {
    for (const vcl::TPixelFormat format : {vcl::pf32bit, vcl::pf24bit, vcl::pfDevice}) {
        SCOPED_TRACE(static_cast<int>(format));
        TuiBitmap bitmap(3, 2, format);
        const TRGBColors topDown{Pixel(1, 2, 3, 0),    Pixel(4, 5, 6, 0),    Pixel(7, 8, 9, 0),
                                 Pixel(10, 11, 12, 0), Pixel(13, 14, 15, 0), Pixel(16, 17, 18, 0)};
        ASSERT_TRUE(WriteBitmapColors(bitmap, topDown, true));
        TRGBColors read;
        ASSERT_TRUE(ReadBitmapColors(bitmap, read, true));
        EXPECT_EQ(read, topDown);
        ASSERT_TRUE(ReadBitmapColors(bitmap, read, false));
        EXPECT_EQ(read, (TRGBColors{topDown[3], topDown[4], topDown[5], topDown[0], topDown[1], topDown[2]}));
        EXPECT_EQ(static_cast<vcl::TColor>(GetPixel(bitmap.Canvas().Handle(), 2, 0)),
                  static_cast<vcl::TColor>(RGB(7, 8, 9)));
    }
}

TEST(uiBitmapPixels, EmptyBitmapsAndWrongSizedArraysAreRefused) {
    TuiBitmap empty;
    TRGBColors colors{1, 2};
    EXPECT_FALSE(ReadBitmapColors(empty, colors, false));
    EXPECT_TRUE(colors.empty());
    TuiBitmap bitmap(2, 2, vcl::pf32bit);
    EXPECT_FALSE(WriteBitmapColors(bitmap, TRGBColors{1, 2, 3}, false)) << "an array too short for the bitmap";
}

TEST(uiBitmapPixels, BitsPerPixelAndAlpha) {
    TuiBitmap bitmap(2, 2, vcl::pf15bit);
    EXPECT_EQ(GetBitmapBitsPerPixel(bitmap), 16);
    bitmap.SetPixelFormat(vcl::pfDevice);
    EXPECT_EQ(GetBitmapBitsPerPixel(bitmap), GetDeviceCaps(vcl::TScreenDC().Get(), BITSPIXEL));
    TuiBitmap32 opaque(2, 2, true);
    EXPECT_FALSE(opaque.IsAlphaUsed());
    opaque.SetBitmapColors({0, 0, Pixel(0, 0, 0, 1), 0});
    EXPECT_TRUE(opaque.IsAlphaUsed());
    TuiBitmap noAlphaChannel(2, 2, vcl::pf24bit);
    EXPECT_FALSE(BitmapHasAlpha(noAlphaChannel));
}

TEST(uiBitmap, ChangesInsideAnUpdateAreNoticedOnce) {
    TuiBitmap bitmap(4, 4);
    int changes = 0;
    bitmap.SetOnChange([&](rtl::TObject*) { ++changes; });
    bitmap.BeginUpdate();
    bitmap.SetSize(10, 4);
    bitmap.SetSize(10, 12);
    EXPECT_EQ(changes, 0);
    bitmap.EndUpdate(false);
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(10, 12);
    bitmap.BeginUpdate();
    bitmap.EndUpdate(false);
    EXPECT_EQ(changes, 1) << "nothing changed, nothing noticed";
    bitmap.SetSizeRect(Rect(0, 0, -3, 5));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Width(), 0);
    bitmap.EndUpdate();
    EXPECT_EQ(changes, 2) << "an EndUpdate without a lock does nothing";
}

TEST(uiBitmap, ItsCanvasDrawsIntoItsPixelsAndCopiesComeAcross) {
    TuiBitmap source(6, 6, vcl::pf32bit);
    source.Canvas().FillRectColor(source.GetClientRect(), vcl::clRed);
    source.Canvas().FillRectColor(Rect(0, 0, 3, 3), vcl::clBlue);
    TuiBitmap copy(6, 6, vcl::pf32bit);
    copy.CopyBitmap(source);
    TRGBColors pixels;
    ReadBitmapColors(copy, pixels, true);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(pixels[35] & 0xFFFFFF, 0xFF0000u);
    TuiBitmap part(4, 4, vcl::pf32bit);
    part.CopyBitmapRect(source, Rect(0, 0, 2, 2), {2, 2});
    ReadBitmapColors(part, pixels, true);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0000FFu) << "source (2, 2) is blue";
    EXPECT_EQ(pixels[1] & 0xFFFFFF, 0xFF0000u) << "source (3, 2) is red";
}

TEST(uiBitmap32, AnotherPixelFormatRaises) {
    TuiBitmap32 bitmap(4, 4);
    EXPECT_EQ(bitmap.PixelFormat(), vcl::pf32bit);
    EXPECT_THROW(bitmap.SetPixelFormat(vcl::pf24bit), EuxException);
}

TEST(uiBitmap32, LoadingKeeps32BitsWithOneNotice) {
    vcl::TBitmap source(5, 3, vcl::pf24bit);
    source.Canvas().Brush().SetColor(vcl::clRed);
    source.Canvas().FillRect(Rect(0, 0, 5, 3));
    rtl::TMemoryStream stream;
    source.SaveToStream(stream);
    stream.SetPosition(0);
    TuiBitmap32 bitmap;
    int changes = 0;
    bitmap.SetOnChange([&](rtl::TObject*) { ++changes; });
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.PixelFormat(), vcl::pf32bit);
    EXPECT_EQ(bitmap.Width(), 5);
    TRGBColors pixels;
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
    bitmap.Clear();
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels, TRGBColors(15, 0));
}

TEST(uiAlphaBitmap, MaskWithRedTransparentTurnsRedWhiteAndTheRestBlack) {
    TuiAlphaBitmap bitmap(3, 1);
    bitmap.SetBitmapColors({Pixel(255, 0, 0, 0), Pixel(0, 255, 0, 0), Pixel(255, 0, 0, 255)});
    bitmap.SetTransparentColor(vcl::clRed);
    TRGBColors pixels;
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels[1], Pixel(0, 255, 0, 255)) << "setting the transparent colour makes other pixels opaque";
    bitmap.ProcessPixels(TuiPixelOperation::Mask);
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels, (TRGBColors{0xFFFFFFFF, 0, 0xFFFFFFFF}));
}

TEST(uiAlphaBitmap, ClearingUsesTheBackgroundWhenItHasAlpha) {
    TuiAlphaBitmap bitmap(2, 2, Pixel(1, 2, 3, 4));
    bitmap.Clear();
    TRGBColors pixels;
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels, TRGBColors(4, Pixel(1, 2, 3, 4)));
    bitmap.SetTransparentBkColor(Pixel(1, 2, 3, 0));
    bitmap.Clear();
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels, TRGBColors(4, 0));
}

TEST(uiAlphaBitmap, OperationsNoticeTheChange) {
    TuiAlphaBitmap bitmap(1, 1);
    bitmap.SetBitmapColors({Pixel(0, 100, 255, 255)});
    int changes = 0;
    bitmap.SetOnChange([&](rtl::TObject*) { ++changes; });
    bitmap.ProcessPixels(TuiPixelOperation::Lighten);
    EXPECT_EQ(changes, 1);
    TRGBColors pixels;
    bitmap.GetBitmapColors(pixels);
    EXPECT_EQ(pixels[0], Pixel(77, 147, 255, 255));
}

TEST(uiBitmapRotation, AQuarterTurnOfThreeByTwoIsTwoByThree) {
    TuiBitmap32 bitmap(3, 2);
    WriteBitmapColors(bitmap, {1, 2, 3, 4, 5, 6}, true);
    bitmap.Rotate(TuiRotationAngle::CounterClockwise);
    ASSERT_EQ(bitmap.Width(), 2);
    ASSERT_EQ(bitmap.Height(), 3);
    TRGBColors pixels;
    ReadBitmapColors(bitmap, pixels, true);
    EXPECT_EQ(pixels, (TRGBColors{3, 6, 2, 5, 1, 4})) << "the top-left pixel was the top-right one";
    bitmap.Rotate(TuiRotationAngle::Clockwise);
    ReadBitmapColors(bitmap, pixels, true);
    EXPECT_EQ(pixels, (TRGBColors{1, 2, 3, 4, 5, 6}));
    bitmap.Rotate(TuiRotationAngle::None, true);
    ReadBitmapColors(bitmap, pixels, true);
    EXPECT_EQ(pixels, (TRGBColors{4, 5, 6, 1, 2, 3}));
}

TEST(uiBitmapShadow, TheGlyphCastsAShadowDownAndRight) {
    // A blue square on a black (empty) background, and its mask: black where the glyph is, white elsewhere.
    TuiBitmap glyph(8, 8, vcl::pf32bit);
    glyph.Canvas().FillRectColor(glyph.GetClientRect(), vcl::clBlack);
    glyph.Canvas().FillRectColor(Rect(2, 2, 5, 5), vcl::clBlue);
    TuiBitmap mask(8, 8, vcl::pf32bit);
    mask.Canvas().FillRectColor(mask.GetClientRect(), vcl::clWhite);
    mask.Canvas().FillRectColor(Rect(2, 2, 5, 5), vcl::clBlack);

    DrawShadow(glyph, mask, 2, vcl::clRed, true);
    ASSERT_EQ(glyph.Width(), 10);
    ASSERT_EQ(glyph.Height(), 10);
    TRGBColors pixels;
    ReadBitmapColors(glyph, pixels, true);
    const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * 10 + x] & 0xFFFFFF; };
    EXPECT_EQ(at(3, 3), 0x0000FFu) << "the glyph";
    EXPECT_EQ(at(4, 4), 0x0000FFu) << "the glyph covers its own shadow";
    EXPECT_EQ(at(6, 6), 0xFF0000u) << "the shadow, two pixels down and right";
    EXPECT_EQ(at(5, 4), 0xFF0000u);
    EXPECT_EQ(at(5, 3), 0u);
    EXPECT_EQ(at(7, 7), 0u);
    EXPECT_EQ(at(9, 9), 0u) << "the grown part is empty";

    TuiBitmap same(8, 8, vcl::pf32bit);
    same.Canvas().FillRectColor(same.GetClientRect(), vcl::clBlack);
    DrawShadow(same, mask, 2, vcl::clRed, false);
    EXPECT_EQ(same.Width(), 8) << "without growing the shadow is cut at the edges";
}

TEST(uiBitmap, StreamsMayNameTheBitmapClasses) {
    EXPECT_EQ(rtl::GetClass(u"TuiBitmap"), &TuiBitmap::StaticClass());
    EXPECT_EQ(rtl::GetClass(u"TuiBitmap32"), &TuiBitmap32::StaticClass());
}

} // namespace
} // namespace ui
