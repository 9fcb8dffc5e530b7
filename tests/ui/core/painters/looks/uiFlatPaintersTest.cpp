// The flat and ultra-flat looks on 32-bit DIBs: button rings by state, the frame widths of grouped buttons, header
// lines shared with neighbours, the flat look's etched separator and the ultra-flat look's unshifted pressed glyphs.

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/themes/uxOffice11.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

const TuiFlatLookAndFeelPainter& Flat = TuiFlatLookAndFeelPainter::Instance();
const TuiUltraFlatLookAndFeelPainter& UltraFlat = TuiUltraFlatLookAndFeelPainter::Instance();

vcl::TColor FlatRgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

TEST(uiUltraFlatPainter, ButtonsShowOneRingByStateAndTwoWindowFrameRingsWhenDefault) {
    const vcl::TRect rect{2, 2, 30, 20};
    struct TCase {
        TuiButtonState State;
        vcl::TColor Outer;
        vcl::TColor Second;
        vcl::TColor Face;
    };
    const TCase cases[] = {
        {uibsDefault, vcl::clWindowFrame, vcl::clWindowFrame, vcl::clBtnFace},
        {uibsNormal, vcl::clBtnText, vcl::clBtnFace, vcl::clBtnFace},
        {uibsHot, vcl::clHighlight, GetUltraFlatHotColor(), GetUltraFlatHotColor()},
        {uibsPressed, vcl::clHighlight, GetUltraFlatPressedColor(), GetUltraFlatPressedColor()},
        {uibsDisabled, vcl::clBtnShadow, vcl::clBtnFace, vcl::clBtnFace},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.State));
        TCanvasOnSurface on;
        UltraFlat.PaintButton(on.Canvas, rect, {}, c.State, true, vcl::clDefault, vcl::clDefault, false, false);
        EXPECT_EQ(on.Surface.Pixel(2, 10), FlatRgb(c.Outer));
        EXPECT_EQ(on.Surface.Pixel(29, 10), FlatRgb(c.Outer));
        EXPECT_EQ(on.Surface.Pixel(3, 10), FlatRgb(c.Second));
        EXPECT_EQ(on.Surface.Pixel(15, 10), FlatRgb(c.Face));
    }
}

TEST(uiUltraFlatPainter, GroupedButtonsHaveWiderOuterColumns) {
    EXPECT_EQ(UltraFlat.ButtonGroupFrameWidths(3, 0), (vcl::TRect{2, 2, 1, 2}));
    EXPECT_EQ(UltraFlat.ButtonGroupFrameWidths(3, 1), (vcl::TRect{1, 2, 1, 2}));
    EXPECT_EQ(UltraFlat.ButtonGroupFrameWidths(3, 2), (vcl::TRect{1, 2, 2, 2}));
    EXPECT_EQ(UltraFlat.ButtonGroupFrameWidths(1, 0), (vcl::TRect{2, 2, 1, 2}));
}

TEST(uiUltraFlatPainter, AHeaderCellWithALeftNeighbourLeavesTheLineBetweenThemToTheNeighbour) {
    const TuiBorders edges = UltraFlat.HeaderEdges({bLeft});
    EXPECT_EQ(edges, (TuiBorders{bTop, bRight, bBottom}));
    EXPECT_EQ(UltraFlat.HeaderEdges({bLeft, bTop, bRight}), (TuiBorders{bRight, bBottom}));
    TCanvasOnSurface on;
    UltraFlat.PaintHeaderFrame(on.Canvas, {0, 0, 20, 10}, {bLeft}, edges);
    const vcl::TColor line = FlatRgb(vcl::clBtnText);
    EXPECT_NE(on.Surface.Pixel(0, 5), line);
    EXPECT_EQ(on.Surface.Pixel(19, 5), line);
    EXPECT_EQ(on.Surface.Pixel(5, 0), line);
    EXPECT_EQ(on.Surface.Pixel(5, 9), line);
}

TEST(uiUltraFlatPainter, APressedArrowIsNotShiftedAndTakesTheHighlightTextColour) {
    const vcl::TRect rect{0, 0, 16, 16};
    TCanvasOnSurface normal;
    normal.Surface.Fill(vcl::clFuchsia);
    UltraFlat.PaintStateArrow(normal.Canvas, rect, uibsNormal, adDown);
    TCanvasOnSurface pressed;
    pressed.Surface.Fill(vcl::clFuchsia);
    UltraFlat.PaintStateArrow(pressed.Canvas, rect, uibsPressed, adDown);
    const ui_test::TPixelSet normalArrow = ui_test::PixelsOfColor(normal.Surface, FlatRgb(vcl::clBtnText));
    const ui_test::TPixelSet pressedArrow = ui_test::PixelsOfColor(pressed.Surface, FlatRgb(vcl::clHighlightText));
    ASSERT_FALSE(normalArrow.empty());
    EXPECT_EQ(pressedArrow, normalArrow);
    EXPECT_EQ(UltraFlat.ButtonGlyphState(uibsPressed), uibsNormal);
}

TEST(uiFlatPainter, TheSeparatorIsATwoPixelEtchedBandWhileTheFrameIsOnePixel) {
    TCanvasOnSurface on(20, 20);
    on.Surface.Fill(vcl::clFuchsia);
    Flat.PaintSeparatorLine(on.Canvas, {0, 0, 20, 20}, true);
    const ui_test::TPixelSet drawn = ui_test::PixelsOtherThan(on.Surface, FlatRgb(vcl::clFuchsia));
    EXPECT_EQ(ui_test::BoundsOf(drawn).Height(), 2);
    EXPECT_EQ(on.Surface.Pixel(5, ui_test::BoundsOf(drawn).Top), FlatRgb(vcl::clBtnShadow));
    EXPECT_EQ(on.Surface.Pixel(5, ui_test::BoundsOf(drawn).Top + 1), FlatRgb(vcl::clBtnHighlight));
    EXPECT_EQ(Flat.FrameWidth(), 1);
}

TEST(uiFlatPainter, ButtonFramesAreOnePixelRaisedSunkenWhenPressedAndRingedWhenDefault) {
    const vcl::TRect rect{0, 0, 20, 12};
    const auto leftTop = [&](TuiButtonState state, int ring) {
        TCanvasOnSurface on;
        Flat.PaintButtonFrame(on.Canvas, rect, state);
        return on.Surface.Pixel(ring, 5);
    };
    EXPECT_EQ(leftTop(uibsNormal, 0), FlatRgb(vcl::clBtnHighlight));
    EXPECT_EQ(leftTop(uibsPressed, 0), FlatRgb(vcl::clBtnShadow));
    EXPECT_EQ(leftTop(uibsDefault, 0), FlatRgb(vcl::clBlack));
    EXPECT_EQ(leftTop(uibsDefault, 1), FlatRgb(vcl::clBtnHighlight));
    EXPECT_EQ(Flat.ButtonFrameWidth(uibsDefault), 2);
}

} // namespace
} // namespace ui
