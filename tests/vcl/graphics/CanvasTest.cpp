// The canvas over a 32-bit DIB: frames, the XOR focus frame, pens and their mix modes, hatch brushes, shapes, copies
// between canvases, and text measured the same way as GDI measures it.

#include "vcl/graphics/Canvas.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace {

// A canvas drawing on a white surface of its own.
struct TCanvasOnSurface {
    ui_test::TDibSurface Surface{40, 30};
    vcl::TCanvas Canvas;
    TCanvasOnSurface() {
        Surface.Fill(vcl::clWhite);
        Canvas.SetHandle(Surface.DC());
    }
    ~TCanvasOnSurface() { Canvas.SetHandle(nullptr); }
};

TEST(CanvasShapes, FrameRectDrawsOnlyTheOnePixelBorderInside) {
    TCanvasOnSurface on;
    on.Canvas.Brush().SetColor(vcl::clRed);
    on.Canvas.FrameRect(vcl::Rect(5, 5, 15, 12));
    for (const vcl::TPoint border : {vcl::Point(5, 5), vcl::Point(14, 5), vcl::Point(5, 11), vcl::Point(14, 11)}) {
        EXPECT_EQ(on.Surface.Pixel(border.X, border.Y), vcl::clRed) << border.X << "," << border.Y;
    }
    EXPECT_EQ(on.Surface.Pixel(6, 6), vcl::clWhite) << "inside stays";
    EXPECT_EQ(on.Surface.Pixel(15, 5), vcl::clWhite) << "the right edge lies outside";
}

TEST(CanvasShapes, DrawingTheFocusFrameTwiceRestoresThePixels) {
    TCanvasOnSurface on;
    on.Canvas.Brush().SetColor(vcl::clNavy);
    on.Canvas.FillRect(vcl::Rect(0, 0, 20, 30));
    const std::vector<uint32_t> before = on.Surface.Pixels();
    on.Canvas.DrawFocusRect(vcl::Rect(2, 2, 30, 20));
    const std::vector<uint32_t> once = on.Surface.Pixels();
    EXPECT_NE(once, before) << "the frame shows";
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clNavy) << "the inside is untouched";
    on.Canvas.DrawFocusRect(vcl::Rect(2, 2, 30, 20));
    EXPECT_EQ(on.Surface.Pixels(), before);
}

TEST(CanvasShapes, PenModesMixWithTheBackgroundAsSetROP2Does) {
    const struct {
        vcl::TPenMode Mode;
        vcl::TColor Background;
        vcl::TColor Expected;
    } cases[] = {
        {vcl::pmCopy, vcl::clWhite, vcl::clRed},  {vcl::pmXor, vcl::clWhite, vcl::clAqua},
        {vcl::pmNot, vcl::clWhite, vcl::clBlack}, {vcl::pmNop, vcl::clLime, vcl::clLime},
        {vcl::pmMask, vcl::clYellow, vcl::clRed}, {vcl::pmWhite, vcl::clBlack, vcl::clWhite},
    };
    for (const auto& test : cases) {
        TCanvasOnSurface on;
        on.Surface.Fill(test.Background);
        on.Canvas.Pen().SetColor(vcl::clRed);
        on.Canvas.Pen().SetMode(test.Mode);
        on.Canvas.MoveTo(0, 10);
        on.Canvas.LineTo(30, 10);
        EXPECT_EQ(on.Surface.Pixel(15, 10), test.Expected) << "mode " << int(test.Mode);
        EXPECT_EQ(vcl::ROP2ToPenMode(vcl::PenModeToROP2(test.Mode)), test.Mode);
    }
    EXPECT_EQ(vcl::ROP2ToPenMode(0), vcl::pmCopy) << "an unknown code";
}

TEST(CanvasShapes, PenWidthAndClearStyle) {
    TCanvasOnSurface on;
    on.Canvas.Pen().SetWidth(5);
    on.Canvas.Pen().SetColor(vcl::clBlue);
    on.Canvas.MoveTo(0, 15);
    on.Canvas.LineTo(40, 15);
    EXPECT_EQ(on.Surface.Pixel(20, 13), vcl::clBlue);
    EXPECT_EQ(on.Surface.Pixel(20, 17), vcl::clBlue);
    EXPECT_EQ(on.Canvas.PenPos(), vcl::Point(40, 15));
    on.Canvas.Pen().SetStyle(vcl::psClear);
    on.Canvas.Brush().SetColor(vcl::clLime);
    on.Canvas.Rectangle(vcl::Rect(0, 0, 10, 10));
    EXPECT_EQ(on.Surface.Pixel(1, 1), vcl::clLime) << "filled, no outline";
    on.Canvas.Pen().SetWidth(0);
    EXPECT_EQ(on.Canvas.Pen().Width(), 1);
}

TEST(CanvasShapes, PieAndPolygonFillTheirAreasOnly) {
    TCanvasOnSurface on;
    on.Canvas.Brush().SetColor(vcl::clRed);
    on.Canvas.Pen().SetColor(vcl::clRed);
    // The quarter from the right (3 o'clock) counter-clockwise to the top (12 o'clock).
    on.Canvas.Pie(vcl::Rect(0, 0, 30, 30), vcl::Point(30, 15), vcl::Point(15, 0));
    EXPECT_EQ(on.Surface.Pixel(22, 8), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(8, 22), vcl::clWhite);
    EXPECT_EQ(on.Surface.Pixel(8, 8), vcl::clWhite);

    TCanvasOnSurface triangle;
    triangle.Canvas.Brush().SetColor(vcl::clBlue);
    const vcl::TPoint points[] = {{0, 0}, {20, 0}, {0, 20}};
    triangle.Canvas.Polygon(points);
    EXPECT_EQ(triangle.Surface.Pixel(3, 3), vcl::clBlue);
    EXPECT_EQ(triangle.Surface.Pixel(18, 18), vcl::clWhite);
}

TEST(CanvasShapes, HatchBrushesPaintTheirLinesInTheColourOnTheBackground) {
    TCanvasOnSurface on;
    on.Canvas.Brush().SetStyle(vcl::bsHorizontal);
    on.Canvas.Brush().SetColor(vcl::clRed);
    EXPECT_EQ(on.Canvas.Brush().Style(), vcl::bsHorizontal) << "a colour keeps a hatch style";
    on.Canvas.Brush().SetStyle(vcl::bsClear);
    on.Canvas.Brush().SetStyle(vcl::bsHorizontal);
    on.Canvas.FillRect(vcl::Rect(0, 0, 16, 16));
    int red = 0;
    for (int y = 0; y < 16; ++y) {
        red += on.Surface.Pixel(4, y) == vcl::clRed;
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(on.Surface.Pixel(x, y), on.Surface.Pixel(0, y)) << "rows are uniform";
        }
    }
    EXPECT_EQ(red, 2) << "one line every eight rows";
    EXPECT_EQ(on.Surface.Pixel(4, 1), vcl::clWhite) << "the background shows between the lines";
}

TEST(CanvasShapes, CopyRectCopiesAndStretchesFromAnotherCanvas) {
    vcl::TBitmap source(4, 4, vcl::pf24bit);
    source.Canvas().Brush().SetColor(vcl::clGreen);
    source.Canvas().FillRect(vcl::Rect(0, 0, 4, 4));
    source.Canvas().SetPixel(0, 0, vcl::clRed);
    TCanvasOnSurface on;
    on.Canvas.CopyRect(vcl::Rect(10, 10, 14, 14), source.Canvas(), vcl::Rect(0, 0, 4, 4));
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(13, 13), vcl::clGreen);
    on.Canvas.CopyRect(vcl::Rect(20, 0, 28, 8), source.Canvas(), vcl::Rect(0, 0, 4, 4));
    EXPECT_EQ(on.Surface.Pixel(21, 1), vcl::clRed) << "stretched twice";
    EXPECT_EQ(on.Surface.Pixel(27, 7), vcl::clGreen);
    on.Canvas.SetCopyMode(vcl::cmDstInvert);
    on.Canvas.CopyRect(vcl::Rect(0, 0, 4, 4), source.Canvas(), vcl::Rect(0, 0, 4, 4));
    EXPECT_EQ(on.Surface.Pixel(1, 1), vcl::clBlack) << "white inverted";
}

TEST(CanvasText, ExtentOfLatinAndChineseTextMatchesGdiInSimSun) {
    TCanvasOnSurface on;
    on.Canvas.Font().SetName(u"宋体");
    on.Canvas.Font().SetHeight(-12);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    for (const char16_t* text : {u"Qq", u"中文"}) {
        const vcl::TSize extent = on.Canvas.TextExtent(text);
        SIZE direct{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text), 2, &direct);
        EXPECT_GT(extent.cx, 0);
        EXPECT_GT(extent.cy, 0);
        EXPECT_EQ(extent.cx, direct.cx);
        EXPECT_EQ(extent.cy, direct.cy);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
}

TEST(CanvasText, TextRectClipsToItsRectangleAndFillsIt) {
    TCanvasOnSurface on;
    on.Canvas.Brush().SetColor(vcl::clYellow);
    on.Canvas.Font().SetColor(vcl::clBlack);
    on.Canvas.TextRect(vcl::Rect(0, 0, 10, 30), 2, 2, u"WWWWWWWW");
    EXPECT_EQ(on.Surface.Pixel(9, 28), vcl::clYellow) << "the whole rectangle is filled";
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(on.Surface.Pixel(12, y), vcl::clWhite) << "nothing beyond the rectangle";
    }
}

TEST(CanvasObjects, HandlesTakenOverDescribeTheObjects) {
    vcl::TPen pen;
    pen.SetHandle(CreatePen(PS_DASH, 3, RGB(1, 2, 3)));
    EXPECT_EQ(pen.Style(), vcl::psDash);
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Color(), static_cast<vcl::TColor>(RGB(1, 2, 3)));
    vcl::TBrush brush;
    brush.SetHandle(CreateHatchBrush(HS_DIAGCROSS, RGB(4, 5, 6)));
    EXPECT_EQ(brush.Style(), vcl::bsDiagCross);
    EXPECT_EQ(brush.Color(), static_cast<vcl::TColor>(RGB(4, 5, 6)));
    vcl::TFont font;
    LOGFONTW description{};
    description.lfHeight = -20;
    description.lfWeight = FW_BOLD;
    wcscpy(description.lfFaceName, L"Tahoma");
    font.SetHandle(CreateFontIndirectW(&description));
    EXPECT_EQ(font.Name(), u"Tahoma");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_TRUE(font.Style().Contains(vcl::fsBold));
}

} // namespace
