// The editors' small drawing routines on 32-bit DIBs: bands round a rectangle, edges that shrink it, and arrows.

#include "ui/editors/framework/view/uiEditDrawing.h"

#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;

int CountOf(const ui_test::TDibSurface& surface, vcl::TColor color) {
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            count += surface.Pixel(x, y) == Rgb(color) ? 1 : 0;
        }
    }
    return count;
}

TEST(uiEditDrawing, FillRectExceptPaintsTheBandsOnly) {
    const struct {
        vcl::TRect Outer;
        vcl::TRect Inner;
        int Painted;
    } cases[] = {
        {{2, 2, 12, 12}, {4, 4, 10, 10}, 100 - 36},
        {{2, 2, 12, 12}, {2, 2, 12, 12}, 0},
        {{2, 2, 12, 12}, {}, 100},
        {{}, {4, 4, 10, 10}, 0},
    };
    for (const auto& c : cases) {
        TCanvasSurface on(20, 20);
        FillRectExcept(on.Canvas, c.Outer, c.Inner, vcl::clRed);
        EXPECT_EQ(CountOf(on.Surface, vcl::clRed), c.Painted);
    }
}

TEST(uiEditDrawing, EdgesAreDrawnOnTheSidesAskedAndShrinkTheRectangle) {
    TCanvasSurface on(20, 20);
    vcl::TRect rect{2, 2, 12, 12};
    DrawRectEdges(on.Canvas, rect, {bLeft, bBottom}, vcl::clRed);
    EXPECT_EQ(rect, (vcl::TRect{3, 2, 12, 11}));
    EXPECT_EQ(on.Surface.Pixel(2, 5), Rgb(vcl::clRed));
    EXPECT_EQ(on.Surface.Pixel(6, 11), Rgb(vcl::clRed));
    EXPECT_EQ(on.Surface.Pixel(6, 2), Rgb(vcl::clWhite));
    EXPECT_EQ(on.Surface.Pixel(11, 5), Rgb(vcl::clWhite));
}

TEST(uiEditDrawing, ArrowSizesAreOddAcrossTheirDirection) {
    EXPECT_EQ(CalculateArrowSize({20, 20}, eadDown), (vcl::TSize{9, 5}));
    EXPECT_EQ(CalculateArrowSize({21, 30}, eadUp), (vcl::TSize{11, 6}));
    EXPECT_EQ(CalculateArrowSize({20, 20}, eadRight), (vcl::TSize{5, 9}));
}

TEST(uiEditDrawing, ArrowsGrowRowByRowFromTheirApex) {
    TCanvasSurface on(20, 20);
    DrawEditArrows(on.Canvas, {0, 0, 20, 20}, {9, 5}, false, vcl::clBlack, 0, eadDown);
    // A 9 x 5 down arrow centred in 20 x 20: rows 7 to 11, the base row 9 wide at the top, the apex below.
    EXPECT_EQ(CountOf(on.Surface, vcl::clBlack), 9 + 7 + 5 + 3 + 1);
    EXPECT_EQ(on.Surface.Pixel(5, 7), Rgb(vcl::clBlack));
    EXPECT_EQ(on.Surface.Pixel(13, 7), Rgb(vcl::clBlack));
    EXPECT_EQ(on.Surface.Pixel(9, 11), Rgb(vcl::clBlack));
    EXPECT_EQ(on.Surface.Pixel(8, 11), Rgb(vcl::clWhite));

    TCanvasSurface two(20, 20);
    DrawEditArrows(two.Canvas, {0, 0, 20, 20}, {9, 5}, true, vcl::clBlack, 1, eadUp);
    EXPECT_EQ(CountOf(two.Surface, vcl::clBlack), 2 * 25);
    // Two up arrows stacked from row 5 (moved one down when pressed): the apexes on rows 6 and 11.
    EXPECT_EQ(two.Surface.Pixel(10, 6), Rgb(vcl::clBlack));
    EXPECT_EQ(two.Surface.Pixel(9, 6), Rgb(vcl::clWhite));
    EXPECT_EQ(two.Surface.Pixel(10, 11), Rgb(vcl::clBlack));
}

} // namespace
} // namespace ui
