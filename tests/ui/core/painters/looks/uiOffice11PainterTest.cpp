// The Office 2003 look on 32-bit DIBs: the scheme's gradient in header cells, the hot band, the expand button's corners
// blended with what lies beneath, the header frame's columns, and the standard and ultra-flat fallbacks without
// visual styles.

#include "ui/core/painters/looks/uiOffice11Painter.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxOffice11.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

const TuiOffice11LookAndFeelPainter& Office11 = TuiOffice11LookAndFeelPainter::Instance();

// Every channel within a gradient's last step.
bool NearColor(vcl::TColor a, vcl::TColor b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (difference > 8 || difference < -8) {
            return false;
        }
    }
    return true;
}

TEST(uiOffice11Painter, AHotCellIsFlatPaleWithAHotBandAndANormalOneDarkensInItsLastFourRows) {
    const vcl::TRect rect{0, 0, 30, 20};
    const TuiTextLayout layout;
    TCanvasOnSurface normal(30, 20);
    Office11.PaintContentWithText(normal.Canvas, rect, rect, uibsNormal, layout, {}, nullptr, vcl::clBlack,
                                  vcl::clWhite, {}, false);
    EXPECT_EQ(normal.Surface.Pixel(5, 0), Office11.Office11MidColor());
    EXPECT_EQ(normal.Surface.Pixel(5, 16), Office11.Office11MidColor()) << "the gradient starts at the top colour";
    EXPECT_TRUE(NearColor(normal.Surface.Pixel(5, 19), Office11.Office11DarkColor())) << "and ends near the dark one";

    TCanvasOnSurface hot(30, 20);
    Office11.PaintContentWithText(hot.Canvas, rect, rect, uibsHot, layout, {}, nullptr, vcl::clBlack, vcl::clWhite, {},
                                  false);
    const vcl::TColor pale = Office11Colors().Office11BarLightColor;
    EXPECT_EQ(hot.Surface.Pixel(5, 0), pale);
    EXPECT_EQ(hot.Surface.Pixel(5, 17), pale);
    EXPECT_EQ(hot.Surface.Pixel(5, 18), Office11Colors().Office11HotColor1);

    TCanvasOnSurface plain(30, 20);
    Office11.PaintContentWithText(plain.Canvas, rect, rect, uibsNormal, layout, {}, nullptr, vcl::clBlack, vcl::clWhite,
                                  {}, true);
    EXPECT_TRUE(ui_test::AllPixelsAre(plain.Surface, rect, Office11.Office11MidColor()));
}

TEST(uiOffice11Painter, TheExpandButtonsCornersBlendWithTheBackgroundAndTheSharedBitmapStays) {
    const vcl::TRect rect{2, 2, 13, 13};
    for (const vcl::TColor background : {vcl::TColor(0x0000FF), vcl::TColor(0xFF0000)}) {
        SCOPED_TRACE(background);
        TCanvasOnSurface on(16, 16);
        on.Surface.Fill(background);
        Office11.PaintExpandBox(on.Canvas, rect, true, vcl::clDefault);
        EXPECT_EQ(on.Surface.Pixel(2, 2), MixColors(Office11ExpandButtonLightColor, background, 25));
        const vcl::TColor dark = MixColors(Office11ExpandButtonColor, background, 25);
        EXPECT_EQ(on.Surface.Pixel(12, 12), dark);
        EXPECT_EQ(on.Surface.Pixel(2, 12), dark);
        EXPECT_EQ(on.Surface.Pixel(12, 2), dark);
    }
    TCanvasOnSurface on(16, 16);
    on.Canvas.DrawGraphic(0, 0, *Office11ExpandButtonBitmap(true));
    const vcl::TColor corner = on.Surface.Pixel(0, 0);
    on.Surface.Fill(vcl::clRed);
    on.Canvas.DrawGraphic(0, 0, *Office11ExpandButtonBitmap(true));
    EXPECT_EQ(on.Surface.Pixel(0, 0), corner);
}

TEST(uiOffice11Painter, TheHeaderFrameIsLightOnTheLeftAndInTheLineColourOnTheRight) {
    const vcl::TRect rect{0, 0, 20, 16};
    TCanvasOnSurface alone(20, 16);
    Office11.PaintHeaderFrame(alone.Canvas, rect, {}, uiAllBorders);
    EXPECT_EQ(alone.Surface.Pixel(0, 8), Office11.Office11LightColor());
    EXPECT_EQ(alone.Surface.Pixel(19, 8), Office11.Office11ShadowColor());
    EXPECT_EQ(alone.Surface.Pixel(8, 15), Office11.Office11ShadowColor());
    EXPECT_EQ(alone.Surface.Pixel(8, 0), Office11.Office11MidColor());
    EXPECT_EQ(alone.Surface.Pixel(19, 0), MixColors(Office11.Office11MidColor(), Office11.Office11ShadowColor(), 50));

    TCanvasOnSurface between(20, 16);
    Office11.PaintHeaderFrame(between.Canvas, rect, {bLeft, bRight}, uiAllBorders);
    EXPECT_EQ(between.Surface.Pixel(0, 2), Office11.Office11LightColor()) << "the fill comes last";
    EXPECT_EQ(between.Surface.Pixel(0, 13), MixColors(Office11.Office11MidColor(), Office11.Office11DarkColor(), 25));
    EXPECT_EQ(between.Surface.Pixel(19, 1), Office11.Office11MidColor());
    EXPECT_EQ(between.Surface.Pixel(19, 14), Office11.Office11DarkColor());
}

TEST(uiOffice11Painter, WithoutASchemeAPressedGlyphIsHighlightText) {
    ASSERT_FALSE(IsOffice11SchemeActive()) << "Wine's theme has no Office 2003 scheme";
    EXPECT_EQ(Office11.ButtonGlyphColor(uibsPressed, vcl::clRed), vcl::clHighlightText);
    EXPECT_EQ(Office11.ButtonGlyphColor(uibsNormal, vcl::clRed), Office11Colors().Office11GlyphColor);
    EXPECT_EQ(Office11.ButtonGlyphColor(uibsDisabled, vcl::clRed), Office11Colors().Office11DisabledGlyphColor);
}

TEST(uiOffice11Painter, WithoutVisualStylesScrollBarsAreStandardAndGroupBoxesUltraFlat) {
    ui_test::TThemeApiDouble api;
    api.StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    const vcl::TRect rect{0, 0, 17, 17};
    const auto paint = [&](const TuiCustomLookAndFeelPainter& painter, TuiScrollBarPart part) {
        TCanvasOnSurface on(17, 17);
        painter.PaintScrollBarElement(on.Canvas, false, rect, part, uibsNormal);
        return on.Surface.Pixels();
    };
    for (const TuiScrollBarPart part : {sbpLineUp, sbpThumb, sbpPageDown}) {
        EXPECT_EQ(paint(Office11, part), paint(TuiStandardLookAndFeelPainter::Instance(), part)) << part;
    }
    TCanvasOnSurface group(30, 20);
    Office11.PaintGroupFrame(group.Canvas, {0, 0, 30, 20}, true, gcpTop, uiAllBorders);
    EXPECT_EQ(group.Surface.Pixel(0, 10), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clHighlight)));
    api.StylesOff = false;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
}

} // namespace
} // namespace ui
