// The shared painter images: the radio glyphs measured from Wine's own and coloured per look and state, remade after a
// system-colour change; the check-box size; the row indicators; the scroll-bar patterns.

#include "ui/core/painters/uiPainterImages.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/painters/uiSystemPaletteNotifier.h"
#include "ui/core/themes/uxOffice11.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

vcl::TColor ImageRgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

// One radio image drawn at (2, 2) of a white surface.
struct TRadioOnSurface {
    ui_test::TCanvasOnSurface On{24, 24};
    vcl::TSize Size = EnsureRadioButtonImageList().Size();

    TRadioOnSurface(TuiLookAndFeelKind kind, TuiButtonState state, bool checked, bool emphasisA = false,
                    bool emphasisB = false, vcl::TColor background = vcl::clDefault) {
        EnsureRadioButtonImageList().Draw(On.Canvas, 2, 2, kind, state, checked, emphasisA, emphasisB, background);
    }
    vcl::TColor Centre() const { return On.Surface.Pixel(2 + Size.cx / 2, 2 + Size.cy / 2); }
    // The left end of the middle row: the outer ring's upper-left half.
    vcl::TColor Ring() const { return On.Surface.Pixel(2, 2 + Size.cy / 2); }
    vcl::TColor Corner() const { return On.Surface.Pixel(2, 2); }
};

TEST(uiPainterImages, TheRadioCircleAndDotAreMeasuredFromWinesGlyph) {
    TuiRadioButtonImageList& radios = EnsureRadioButtonImageList();
    EXPECT_EQ(radios.ImageCount(), 128);
    // Wine's radio glyph is a circle 11 pixels across in a 14 x 13 cell, whose dot sits off the spot Windows puts it:
    // the dot is the circle's centre third.
    EXPECT_EQ(radios.RadioRect(), (vcl::TRect{1, 1, 12, 12}));
    EXPECT_EQ(radios.Size(), (vcl::TSize{11, 11}));
    EXPECT_EQ(radios.DotRect(), (vcl::TRect{4, 4, 9, 9}));
    EXPECT_EQ(CheckBoxGlyphSize(), (vcl::TSize{14, 13}));
}

TEST(uiPainterImages, EachLookAndStateHasItsColours) {
    const struct {
        TuiLookAndFeelKind Kind;
        TuiButtonState State;
        bool Checked;
        bool EmphasisA;
        vcl::TColor Centre;
        vcl::TColor Ring;
    } cases[] = {
        {lfStandard, uibsNormal, false, false, vcl::clWindow, vcl::clBtnShadow},
        {lfStandard, uibsDefault, false, false, vcl::clWindow, vcl::clBtnShadow},
        {lfStandard, uibsPressed, false, false, vcl::clBtnFace, vcl::clBtnShadow},
        {lfStandard, uibsNormal, true, false, vcl::clWindowText, vcl::clBtnShadow},
        {lfFlat, uibsDisabled, true, false, vcl::clBtnShadow, vcl::clBtnShadow},
        {lfUltraFlat, uibsNormal, false, false, vcl::clWindow, vcl::clBtnShadow},
        {lfUltraFlat, uibsNormal, false, true, vcl::clWindow, vcl::clHighlight},
        {lfUltraFlat, uibsHot, false, false, GetUltraFlatHotColor(), vcl::clHighlight},
        {lfOffice11, uibsNormal, false, false, vcl::clWindow, vcl::clBtnText},
        {lfOffice11, uibsPressed, false, false, Office11Colors().Office11PressedColor1,
         Office11Colors().Office11HighlightBorderColor},
        {lfOffice11, uibsDisabled, true, false, Office11Colors().Office11DisabledGlyphColor,
         Office11Colors().Office11DisabledGlyphColor},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(test.Kind) << " state " << int(test.State));
        const TRadioOnSurface radio(test.Kind, test.State, test.Checked, test.EmphasisA);
        EXPECT_EQ(radio.Centre(), ImageRgb(test.Centre));
        EXPECT_EQ(radio.Ring(), ImageRgb(test.Ring));
        EXPECT_EQ(radio.Corner(), vcl::clWhite) << "outside the circle the canvas shows";
    }
    const TRadioOnSurface onRed(lfStandard, uibsNormal, false, false, false, vcl::clRed);
    EXPECT_EQ(onRed.Corner(), vcl::clRed);
    EXPECT_EQ(onRed.Centre(), ImageRgb(vcl::clWindow));
}

TEST(uiPainterImages, ASystemColourChangeRemakesTheRadioImagesInTheNewColours) {
    const TRadioOnSurface before(lfStandard, uibsNormal, false);
    {
        ui_test::TPinnedSystemInfo system;
        system.PinColor(vcl::clWindow, 0x030201);
        SendMessageW(PaletteChangeListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
        const TRadioOnSurface pinned(lfStandard, uibsNormal, false);
        EXPECT_EQ(pinned.Centre(), 0x030201);
        EXPECT_EQ(EnsureRadioButtonImageList().Size(), before.Size) << "the measured size stays";
        EXPECT_EQ(EnsureRadioButtonImageList().ImageCount(), 128);
    }
    SendMessageW(PaletteChangeListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(TRadioOnSurface(lfStandard, uibsNormal, false).Centre(), before.Centre());
}

TEST(uiPainterImages, TheSixRowIndicatorsAreEightByNineWithWhiteLeftOut) {
    vcl::TCustomImageList* indicators = IndicatorImages();
    ASSERT_NE(indicators, nullptr);
    EXPECT_EQ(indicators->Count(), 6);
    EXPECT_EQ(indicators->Width(), 8);
    EXPECT_EQ(indicators->Height(), 9);
    for (int32_t image = 0; image < 6; ++image) {
        ui_test::TCanvasOnSurface on(8, 9);
        on.Surface.Fill(vcl::clRed);
        indicators->Draw(on.Frame, 0, 0, image);
        const ui_test::TPixelSet black = ui_test::PixelsOfColor(on.Surface, vcl::clBlack);
        EXPECT_FALSE(black.empty()) << image;
        EXPECT_EQ(black.size() + ui_test::PixelsOfColor(on.Surface, vcl::clRed).size(), 72u)
            << "black strokes on the canvas, no white: " << image;
    }
}

TEST(uiPainterImages, TheScrollBarPatternsAreCheckerboardsOfTheSystemColours) {
    ui_test::TPinnedSystemInfo system;
    system.PinColor(vcl::clBtnHighlight, 0x0000F0);
    system.PinColor(vcl::clBtnFace, 0x00F000);
    system.PinColor(vcl::cl3DDkShadow, 0xF00000);
    UpdateScrollBarBitmaps();
    vcl::TBitmap* normal = ScrollBarPatternBitmap(false);
    vcl::TBitmap* pressed = ScrollBarPatternBitmap(true);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(normal->Width(), 8);
    EXPECT_EQ(normal->Canvas().Pixel(1, 0), 0x0000F0);
    EXPECT_EQ(normal->Canvas().Pixel(1, 1), 0x00F000);
    EXPECT_EQ(pressed->Canvas().Pixel(0, 3), 0xF00000);
    EXPECT_EQ(pressed->Canvas().Pixel(2, 2), vcl::clBlack);
    system.Colors.clear();
    UpdateScrollBarBitmaps();
    EXPECT_EQ(normal->Canvas().Pixel(0, 0), ImageRgb(vcl::clBtnFace)) << "painted again in place";
}

} // namespace
} // namespace ui
