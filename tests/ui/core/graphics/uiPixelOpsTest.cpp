#include "ui/core/graphics/uiPixelOps.h"

#include "tests/ui/core/SystemInfoDouble.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return b | g << 8 | r << 16 | a << 24;
}

uint32_t Operated(uint32_t pixel, TuiPixelOperation operation, const TuiPixelTransparency& transparency = {}) {
    TRGBColors pixels{pixel};
    ApplyPixelOperation(pixels, operation, transparency);
    return pixels[0];
}

TEST(uiPixelOps, ChannelValuesAreClampedAndRoundedHalfToEven) {
    EXPECT_EQ(GetChannelValue(-3), 0);
    EXPECT_EQ(GetChannelValue(300), 255);
    EXPECT_EQ(GetChannelValue(77), 77);
    EXPECT_EQ(GetChannelValue(76.5), 76);
    EXPECT_EQ(GetChannelValue(77.5), 78);
    EXPECT_EQ(GetChannelValue(255.6), 255);
}

TEST(uiPixelOps, LightenBrightensOpaquePixelsAndScalesTheOthers) {
    EXPECT_EQ(Operated(Pixel(0, 100, 255, 255), TuiPixelOperation::Lighten), Pixel(77, 147, 255, 255));
    EXPECT_EQ(Operated(Pixel(255, 128, 0, 128), TuiPixelOperation::Lighten), Pixel(200, 100, 0, 100));
    const TuiPixelTransparency transparentRed{0, {0xFF0000}};
    EXPECT_EQ(Operated(Pixel(255, 0, 0, 255), TuiPixelOperation::Lighten, transparentRed), Pixel(255, 0, 0, 255));
}

TEST(uiPixelOps, MaskTurnsTransparentPixelsWhiteAndTheRestBlack) {
    const TuiPixelTransparency transparentRed{0, {ColorToBGRA(vcl::clRed, 0)}};
    TRGBColors pixels{Pixel(255, 0, 0, 255), Pixel(255, 0, 0, 0), Pixel(0, 255, 0, 255), 0};
    ApplyPixelOperation(pixels, TuiPixelOperation::Mask, transparentRed);
    EXPECT_EQ(pixels, (TRGBColors{0xFFFFFFFF, 0xFFFFFFFF, 0, 0xFFFFFFFF}))
        << "the last pixel equals the background colour 0";
}

TEST(uiPixelOps, GreysKeepAlphaAndTransparentPixels) {
    const TuiPixelTransparency background{Pixel(1, 2, 3, 4), {}};
    const uint32_t orange = Pixel(255, 128, 0, 200);
    EXPECT_EQ(Operated(orange, TuiPixelOperation::AverageGrey), Pixel(127, 127, 127, 200));
    EXPECT_EQ(Operated(orange, TuiPixelOperation::LuminanceGrey), Pixel(151, 151, 151, 200));
    EXPECT_EQ(Operated(orange, TuiPixelOperation::WeightedGrey), Pixel(110, 110, 110, 200));
    EXPECT_EQ(Operated(Pixel(255, 255, 255, 255), TuiPixelOperation::LuminanceGrey), Pixel(255, 255, 255, 255));
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 4), TuiPixelOperation::LuminanceGrey, background), Pixel(1, 2, 3, 4));
}

TEST(uiPixelOps, AlphaOperations) {
    const TuiPixelTransparency background{Pixel(9, 9, 9, 0), {}};
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 0), TuiPixelOperation::Opaque), Pixel(1, 2, 3, 255));
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 0), TuiPixelOperation::FixAlpha, background), Pixel(1, 2, 3, 255));
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 7), TuiPixelOperation::FixAlpha, background), Pixel(1, 2, 3, 7));
    EXPECT_EQ(Operated(Pixel(9, 9, 9, 0), TuiPixelOperation::FixAlpha, background), Pixel(9, 9, 9, 0));
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 7), TuiPixelOperation::FillBackground, background), Pixel(9, 9, 9, 0));
    EXPECT_EQ(Operated(Pixel(1, 2, 3, 7), TuiPixelOperation::ClearAlpha), Pixel(1, 2, 3, 0));
}

TEST(uiPixelOps, DisableBlendsTheButtonShadowOverTheGrey) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clBtnShadow, 0x808080);
    // Grey 255, then shadow 128 at alpha 0xC0 with factor 238: 238/255 * 128 + 255 * (1 - 179.2/255).
    EXPECT_EQ(Operated(Pixel(255, 255, 255, 255), TuiPixelOperation::Disable), Pixel(195, 195, 195, 255));
}

TEST(uiPixelOps, BlendPixelTakesThePremultipliedSourceOverTheDestination) {
    uint32_t destination = Pixel(0, 0, 255, 255);
    BlendPixel(Pixel(255, 0, 0, 255), destination, 255);
    EXPECT_EQ(destination, Pixel(255, 0, 0, 255)) << "opaque source covers";
    destination = Pixel(0, 0, 200, 255);
    BlendPixel(Pixel(100, 0, 0, 128), destination, 255);
    EXPECT_EQ(destination, Pixel(100, 0, 100, 255));
    destination = Pixel(0, 0, 200, 255);
    BlendPixel(Pixel(100, 0, 0, 128), destination, 0);
    EXPECT_EQ(destination, Pixel(0, 0, 200, 255)) << "factor 0 leaves the destination";
}

TEST(uiPixelOps, ColorToBGRAResolvesSystemColoursAndPutsRedHigh) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clWindow, 0x00332211);
    EXPECT_EQ(ColorToBGRA(vcl::clWindow, 0x80), Pixel(0x11, 0x22, 0x33, 0x80));
    EXPECT_EQ(ColorToBGRA(vcl::clRed, 0), Pixel(255, 0, 0, 0));
}

// A 3 x 2 picture numbered 1 .. 6 row by row, turned and mirrored.
TEST(uiPixelOps, RotationMovesEveryPixelWhereItsCodeSays) {
    const TRGBColors numbered{1, 2, 3, 4, 5, 6};
    const struct {
        TuiRotationAngle Angle;
        bool Flip;
        int32_t Width;
        TRGBColors Expected;
    } cases[] = {
        {TuiRotationAngle::None, false, 3, {1, 2, 3, 4, 5, 6}},
        {TuiRotationAngle::None, true, 3, {4, 5, 6, 1, 2, 3}},
        {TuiRotationAngle::CounterClockwise, false, 2, {3, 6, 2, 5, 1, 4}},
        {TuiRotationAngle::CounterClockwise, true, 2, {1, 4, 2, 5, 3, 6}},
        {TuiRotationAngle::Clockwise, false, 2, {4, 1, 5, 2, 6, 3}},
        {TuiRotationAngle::Clockwise, true, 2, {6, 3, 5, 2, 4, 1}},
        {TuiRotationAngle::HalfTurn, false, 3, {6, 5, 4, 3, 2, 1}},
        {TuiRotationAngle::HalfTurn, true, 3, {3, 2, 1, 6, 5, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.Angle) << (c.Flip ? " flipped" : ""));
        int32_t width = 3;
        int32_t height = 2;
        EXPECT_EQ(RotatePixels(numbered, width, height, c.Angle, c.Flip), c.Expected);
        EXPECT_EQ(width, c.Width);
        EXPECT_EQ(height, 6 / c.Width);
    }
}

TEST(uiPixelOps, MixingSystemColoursWeighsThemOrGivesTheHighlightOnABlackOrWhiteFace) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clHighlight, 0x00C08040);
    pinned.PinColor(vcl::clWindow, 0x00FFFFFF);
    pinned.PinColor(vcl::clBtnFace, 0x00FFFFFF);
    EXPECT_EQ(MixSystemColorsWeighted(-2, 30, 72), 0x00C08040);
    pinned.PinColor(vcl::clBtnFace, 0);
    EXPECT_EQ(MixSystemColorsWeighted(14, 44, 40), 0x00C08040);
    pinned.PinColor(vcl::clBtnFace, 0x00C8D0D4);
    // Per channel (red, green, blue): face * -2% + highlight * 30% + window * 72%, each term rounded.
    const int32_t red = -4 + 19 + 184;
    const int32_t green = -4 + 38 + 184;
    const int32_t blue = -4 + 58 + 184;
    EXPECT_EQ(MixSystemColorsWeighted(-2, 30, 72), red | green << 8 | blue << 16);
}

} // namespace
} // namespace ui
