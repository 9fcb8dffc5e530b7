// Draw parameters on the canvas: read from it, applied to it, and filled with a frame on chosen sides.

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiCanvasDrawParams, FillsInsideAFrameOnTheNamedSidesWithTheColourOrTheTile) {
    ui_test::TCanvasOnSurface on(20, 20);
    on.Canvas.FillRectWithParams({0, 0, 20, 20}, {nullptr, vcl::clRed, nullptr, vcl::clDefault}, {bLeft, bTop},
                                 vcl::clBlue, 2);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, {0, 0, 2, 20}, vcl::clBlue));
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, {0, 0, 20, 2}, vcl::clBlue));
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, {2, 2, 20, 20}, vcl::clRed));

    vcl::TBitmap tile(2, 2, vcl::pf24bit);
    tile.Canvas().Brush().SetColor(vcl::clGreen);
    tile.Canvas().FillRect({0, 0, 2, 2});
    tile.Canvas().SetPixel(0, 0, vcl::clYellow);
    ui_test::TCanvasOnSurface tiled(8, 8);
    tiled.Canvas.FillRectWithParams({1, 1, 7, 7}, {&tile, vcl::clRed, nullptr, vcl::clDefault});
    EXPECT_EQ(ui_test::PixelsOfColor(tiled.Surface, vcl::clYellow),
              (ui_test::TPixelSet{{2, 2}, {4, 2}, {6, 2}, {2, 4}, {4, 4}, {6, 4}, {2, 6}, {4, 6}, {6, 6}}))
        << "tiles counted from the origin";
    EXPECT_EQ(tiled.Surface.Pixel(1, 1), vcl::clGreen);
    EXPECT_EQ(tiled.Surface.Pixel(0, 0), vcl::clWhite);
}

TEST(uiCanvasDrawParams, ReadAndApplyTheBrushColourTheFontAndItsColour) {
    ui_test::TCanvasOnSurface on;
    on.Canvas.SetBrushColor(vcl::clRed);
    on.Canvas.Font().SetColor(vcl::clBlue);
    TuiDrawParams params;
    on.Canvas.ReadDrawParams(params);
    EXPECT_EQ(params.Color, vcl::clRed);
    EXPECT_EQ(params.Font, &on.Canvas.Font());
    EXPECT_EQ(params.TextColor, vcl::clBlue);
    EXPECT_EQ(params.Bitmap, nullptr);

    vcl::TFont font;
    font.SetHeight(-21);
    on.Canvas.ApplyDrawParams({nullptr, vcl::clLime, &font, vcl::clNavy});
    EXPECT_EQ(on.Canvas.Brush().Color(), vcl::clLime);
    EXPECT_EQ(on.Canvas.Font().Height(), -21);
    EXPECT_EQ(on.Canvas.Font().Color(), vcl::clNavy);
    on.Canvas.ApplyDrawParams({});
    EXPECT_EQ(on.Canvas.Brush().Color(), vcl::clLime) << "unset values leave the canvas's own";
    EXPECT_EQ(on.Canvas.Font().Color(), vcl::clNavy);
}

} // namespace
} // namespace ui
