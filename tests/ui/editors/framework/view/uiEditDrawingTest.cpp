// The editors' small drawing routines on 32-bit DIBs: bands round a rectangle, edges that shrink it, arrows,
// inclusive polylines and glyphs; and the text-output flags, sizes and painters they choose.

#include "ui/editors/framework/view/uiEditDrawing.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>
#include <vector>

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

TEST(uiEditDrawing, TextOutputFlagsMapToDrawTextFlagsAndBack) {
    const std::pair<uint32_t, uint32_t> pairs[] = {{1, DT_VCENTER},    {2, DT_RIGHT},      {16, DT_SINGLELINE},
                                                   {32, DT_WORDBREAK}, {256, DT_CALCRECT}, {512, DT_EXPANDTABS}};
    uint32_t allTextOut = 0;
    uint32_t allDrawText = 0;
    for (const auto& [textOut, drawText] : pairs) {
        EXPECT_EQ(TextOutFlagsToDrawTextFlags(textOut), drawText) << textOut;
        EXPECT_EQ(DrawTextFlagsToTextOutFlags(drawText), textOut) << textOut;
        allTextOut |= textOut;
        allDrawText |= drawText;
    }
    EXPECT_EQ(TextOutFlagsToDrawTextFlags(allTextOut), allDrawText);
    EXPECT_EQ(DrawTextFlagsToTextOutFlags(allDrawText | DT_NOPREFIX), allTextOut) << "other flags are dropped";
    EXPECT_EQ(TextOutFlagsToDrawTextFlags(4 | 8 | 64), 0u);
}

TEST(uiEditDrawing, APolylineByPenAndByRectanglesGivesTheSamePixelsLastOneIncluded) {
    const std::vector<std::vector<vcl::TPoint>> lines = {
        {{2, 2}, {12, 2}, {12, 9}, {4, 9}},
        {{15, 15}, {15, 5}},
        {{7, 13}},
    };
    for (const std::vector<vcl::TPoint>& line : lines) {
        TCanvasSurface pen(20, 20);
        DrawPolylineInclusive(pen.Canvas, line, false, vcl::clRed);
        TCanvasSurface rectangles(20, 20);
        DrawPolylineInclusive(rectangles.Canvas, line, true, vcl::clRed);
        EXPECT_EQ(pen.Surface.Pixels(), rectangles.Surface.Pixels()) << line.size();
        EXPECT_EQ(pen.Surface.Pixel(line.back().X, line.back().Y), Rgb(vcl::clRed)) << line.size();
    }
}

TEST(uiEditDrawing, MaxSizeRaisesEachDimensionAlone) {
    vcl::TSize size{5, 20};
    MaxSize(size, {10, 3});
    EXPECT_EQ(size, (vcl::TSize{10, 20}));
}

// A 4 x 4 red square in the middle of a fuchsia (transparent) 8 x 8 glyph.
std::unique_ptr<vcl::TBitmap> RedSquareGlyph() {
    auto glyph = std::make_unique<vcl::TBitmap>(8, 8, vcl::pf24bit);
    glyph->Canvas().Brush().SetColor(vcl::clFuchsia);
    glyph->Canvas().FillRect({0, 0, 8, 8});
    glyph->Canvas().Brush().SetColor(vcl::clRed);
    glyph->Canvas().FillRect({2, 2, 6, 6});
    return glyph;
}

TEST(uiEditDrawing, AGlyphLeavesItsTransparentColourOutAndFillsTheBackgroundWhenAsked) {
    const std::unique_ptr<vcl::TBitmap> glyph = RedSquareGlyph();
    TCanvasSurface plain(20, 20);
    DrawGlyph(plain.Canvas, 4, 6, *glyph, true);
    EXPECT_EQ(InkBounds(plain.Surface, vcl::clRed), (vcl::TRect{6, 8, 10, 12}));
    EXPECT_EQ(plain.Surface.Pixel(4, 6), Rgb(vcl::clWhite)) << "transparent";

    TCanvasSurface disabled(20, 20);
    DrawGlyph(disabled.Canvas, 4, 6, *glyph, false, vcl::clYellow);
    EXPECT_EQ(InkBounds(disabled.Surface, vcl::clRed), vcl::TRect{}) << "the disabled look has no colour";
    EXPECT_EQ(disabled.Surface.Pixel(4, 6), Rgb(vcl::clYellow));
    EXPECT_EQ(disabled.Surface.Pixel(3, 6), Rgb(vcl::clWhite));
    EXPECT_NE(disabled.Surface.Pixel(7, 9), Rgb(vcl::clYellow));
}

TEST(uiEditDrawing, AnImageGoesToTheCornerOfItsFilledRectangle) {
    const std::unique_ptr<vcl::TImageList, rtl::TComponentDeleter> images(new vcl::TImageList(nullptr));
    images->SetSize(8, 8);
    EXPECT_FALSE(IsImageListDrawable(images.get())) << "no image yet";
    images->AddMasked(*RedSquareGlyph(), vcl::clFuchsia);
    EXPECT_TRUE(IsImageListDrawable(images.get()));
    EXPECT_FALSE(IsImageListDrawable(nullptr));
    TCanvasSurface on(20, 20);
    DrawImageThroughBitmap(on.Canvas, *images, 0, {4, 4, 16, 16}, vcl::clYellow);
    EXPECT_EQ(InkBounds(on.Surface, vcl::clRed), (vcl::TRect{6, 6, 10, 10}));
    EXPECT_EQ(InkBounds(on.Surface, vcl::clYellow), (vcl::TRect{4, 4, 16, 16}));
}

TEST(uiEditDrawing, APainterForAKindIsNativeOnlyWhenAskedAndThemed) {
    EXPECT_EQ(GetPainterClassForKind(false, lfStandard), &TuiStandardLookAndFeelPainter::Instance());
    EXPECT_EQ(GetPainterClassForKind(false, lfOffice11), &TuiOffice11LookAndFeelPainter::Instance());
    const TuiLookAndFeelPainterClass native = GetPainterClassForKind(true, lfOffice11);
    if (AreVisualStylesActive()) {
        EXPECT_EQ(native, &TuiWinXPLookAndFeelPainter::Instance());
    } else {
        EXPECT_EQ(native, &TuiOffice11LookAndFeelPainter::Instance());
    }
}

} // namespace
} // namespace ui
