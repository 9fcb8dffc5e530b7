// TuiCanvas on 32-bit DIB sections: tiled fills, frames, edges, clipping and the state stacks.

#include "ui/core/graphics/uiCanvas.h"

#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;
using vcl::Rect;

// An 8 x 8 tile whose every pixel has its own colour: (x, y) -> RGB(10 + x, 20 + y, 30).
vcl::TColor TileColor(int x, int y) {
    return static_cast<vcl::TColor>((10 + x) | (20 + y) << 8 | 30 << 16);
}

std::unique_ptr<TuiBitmap> NumberedTile() {
    auto tile = std::make_unique<TuiBitmap>(8, 8, vcl::pf32bit);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            SetPixel(tile->Canvas().Handle(), x, y, static_cast<COLORREF>(TileColor(x, y)));
        }
    }
    return tile;
}

int FloorMod(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

TEST(uiCanvas, TilesAreCountedFromTheOriginOnEverySide) {
    const std::unique_ptr<TuiBitmap> tile = NumberedTile();
    // The window origin puts logical (-10, -10) at the surface's corner, so negative rectangles show.
    const vcl::TPoint origin{-10, -10};
    for (const vcl::TRect rect : {Rect(3, 3, 17, 9), Rect(8, 8, 16, 16), Rect(-5, -5, 3, 3), Rect(-9, -2, -1, 7)}) {
        SCOPED_TRACE(testing::PrintToString(rect));
        TCanvasOnSurface on(40, 40);
        on.Canvas.SetWindowOrigin(origin);
        on.Canvas.FillRect(rect, tile.get());
        for (int y = origin.Y; y < origin.Y + 40; ++y) {
            for (int x = origin.X; x < origin.X + 40; ++x) {
                const vcl::TColor expected =
                    rect.Contains({x, y}) ? TileColor(FloorMod(x, 8), FloorMod(y, 8)) : vcl::clWhite;
                ASSERT_EQ(on.Surface.Pixel(x - origin.X, y - origin.Y), expected) << x << "," << y;
            }
        }
    }
}

TEST(uiCanvas, FillWithoutABitmapUsesTheBrushAndCanLeaveTheClip) {
    TCanvasOnSurface on;
    on.Canvas.SetBrushColor(vcl::clRed);
    on.Canvas.FillRect(Rect(2, 2, 10, 10), nullptr, true);
    on.Canvas.FillRectColor(Rect(0, 0, 40, 30), vcl::clBlue);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(2, 2, 10, 10), vcl::clRed)) << "the excluded area stays";
    EXPECT_EQ(on.Surface.Pixel(12, 12), vcl::clBlue);
    on.Canvas.FillRect(Rect(5, 5, 5, 20));
    on.Canvas.FillRectColor(Rect(0, 0, 40, 30), vcl::clNone);
    EXPECT_EQ(on.Surface.Pixel(12, 12), vcl::clBlue) << "nothing drawn for an empty rectangle or clNone";
}

TEST(uiCanvas, FrameBandsAreClampedToTheRectangle) {
    TCanvasOnSurface on;
    on.Canvas.FrameRect(Rect(4, 4, 10, 20), vcl::clRed, 10, {bLeft, bRight});
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(4, 4, 10, 20), vcl::clRed));
    EXPECT_EQ(ui_test::BoundsOf(ui_test::PixelsOfColor(on.Surface, vcl::clRed)), Rect(4, 4, 10, 20));

    TCanvasOnSurface sides;
    sides.Canvas.FrameRect(Rect(5, 5, 25, 25), vcl::clBlue, 2, {bTop, bRight});
    EXPECT_TRUE(ui_test::AllPixelsAre(sides.Surface, Rect(5, 5, 25, 7), vcl::clBlue));
    EXPECT_TRUE(ui_test::AllPixelsAre(sides.Surface, Rect(23, 5, 25, 25), vcl::clBlue));
    EXPECT_TRUE(ui_test::AllPixelsAre(sides.Surface, Rect(5, 7, 23, 25), vcl::clWhite));
}

TEST(uiCanvas, AnExcludedFrameIsKeptFromLaterDrawing) {
    TCanvasOnSurface on;
    on.Canvas.FrameRect(Rect(5, 5, 25, 25), vcl::clRed, 1, uiAllBorders, true);
    on.Canvas.FillRectColor(Rect(0, 0, 40, 30), vcl::clBlue);
    EXPECT_EQ(ui_test::PixelsOfColor(on.Surface, vcl::clRed).size(), 4u * 19u);
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clBlue);
}

TEST(uiCanvas, EdgesTakeTheSchemeColoursOfTheirKind) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clBtnHighlight, 0x0000FF);
    pinned.PinColor(vcl::clBtnShadow, 0x00FF00);
    pinned.PinColor(vcl::cl3DLight, 0xFF0000);
    pinned.PinColor(vcl::cl3DDkShadow, 0x000080);
    const struct {
        bool Sunken;
        bool Outer;
        vcl::TColor LeftTop;
        vcl::TColor RightBottom;
    } cases[] = {
        {false, true, 0xFF0000, 0x000080},
        {true, true, 0x00FF00, 0x0000FF},
        {false, false, 0x0000FF, 0x00FF00},
        {true, false, 0x000080, 0xFF0000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.Sunken ? "sunken" : "raised") << (c.Outer ? " outer" : " inner"));
        TCanvasOnSurface on;
        on.Canvas.DrawEdge(Rect(2, 2, 12, 12), c.Sunken, c.Outer);
        EXPECT_EQ(on.Surface.Pixel(2, 6), c.LeftTop);
        EXPECT_EQ(on.Surface.Pixel(6, 2), c.LeftTop);
        EXPECT_EQ(on.Surface.Pixel(11, 6), c.RightBottom);
        EXPECT_EQ(on.Surface.Pixel(6, 11), c.RightBottom);
        EXPECT_EQ(on.Surface.Pixel(6, 6), vcl::clWhite);
    }
}

TEST(uiCanvas, WithoutAClipRegionTheClipReadsAsTheLargeRectangle) {
    TCanvasOnSurface on;
    EXPECT_EQ(on.Canvas.CopyClipRegion()->Bounds(), Rect(0, 0, 30000, 30000));
    on.Canvas.IntersectClipArea(Rect(2, 3, 12, 13));
    EXPECT_EQ(on.Canvas.CopyClipRegion()->Bounds(), Rect(2, 3, 12, 13));
    on.Canvas.SetWindowOrigin({5, 5});
    EXPECT_EQ(on.Canvas.CopyClipRegion(true)->Bounds(), Rect(7, 8, 17, 18)) << "logical coordinates";
    EXPECT_EQ(on.Canvas.CopyClipRegion(false)->Bounds(), Rect(2, 3, 12, 13)) << "device coordinates";
}

TEST(uiCanvas, ClipRegionsCombineAndPopBackExactly) {
    TCanvasOnSurface on;
    on.Canvas.PushClipRegion();
    on.Canvas.SetClipRegion(TuiRegion(Rect(0, 0, 20, 20)), TuiRegionOperation::Copy);
    on.Canvas.SetClipRegion(TuiRegion(Rect(0, 0, 10, 20)), TuiRegionOperation::Difference);
    on.Canvas.PushClipRegion();
    on.Canvas.SetClipRegion(TuiRegion(Rect(15, 0, 18, 5)), TuiRegionOperation::Intersection);
    EXPECT_EQ(on.Canvas.CopyClipRegion()->Bounds(), Rect(15, 0, 18, 5));
    on.Canvas.PopClipRegion();
    EXPECT_EQ(on.Canvas.CopyClipRegion()->Bounds(), Rect(10, 0, 20, 20));
    on.Canvas.PopClipRegion();
    on.Canvas.PopClipRegion();
    EXPECT_EQ(GetClipRgn(on.Surface.DC(), TuiRegion().Handle()), 0) << "no clip region again, not a rectangle";
    on.Canvas.SetWindowOrigin({-5, -5});
    on.Canvas.FillRectColor(Rect(-5, -5, -4, -4), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(0, 0), vcl::clRed) << "negative coordinates are not clipped away";
}

TEST(uiCanvas, StatesPopBackFontBrushPenAndDeviceContext) {
    TCanvasOnSurface on;
    on.Canvas.SetBrushColor(vcl::clRed);
    on.Canvas.Font().SetHeight(-20);
    on.Canvas.Pen().SetWidth(3);
    on.Canvas.PopState();
    on.Canvas.PopDCState();
    EXPECT_EQ(on.Canvas.Brush().Color(), vcl::clRed) << "pops on empty stacks change nothing";

    on.Canvas.PushState();
    on.Canvas.SetBrushColor(vcl::clBlue);
    on.Canvas.Font().SetHeight(-8);
    on.Canvas.Pen().SetWidth(1);
    on.Canvas.SetWindowOrigin({3, 4});
    on.Canvas.FillRectColor(Rect(3, 4, 5, 6), vcl::clDefault);
    on.Canvas.PopState();
    EXPECT_EQ(on.Canvas.Brush().Color(), vcl::clRed);
    EXPECT_EQ(on.Canvas.Font().Height(), -20);
    EXPECT_EQ(on.Canvas.Pen().Width(), 3);
    EXPECT_EQ(on.Canvas.GetWindowOrigin(), vcl::Point(0, 0));
    EXPECT_EQ(on.Surface.Pixel(0, 0), vcl::clBlue);
    on.Canvas.FillRectColor(Rect(0, 0, 1, 1), vcl::clDefault);
    EXPECT_EQ(on.Surface.Pixel(0, 0), vcl::clRed) << "the restored brush draws";
}

TEST(uiCanvas, TakingObjectsFromADeviceContextDescribesWhatIsSelected) {
    TCanvasOnSurface on;
    const vcl::TBrushHandle brush(CreateHatchBrush(HS_CROSS, RGB(1, 2, 3)));
    const vcl::TPenHandle pen(CreatePen(PS_DOT, 1, RGB(4, 5, 6)));
    ui_test::TDibSurface other(4, 4);
    const vcl::TSelectedObject selectedBrush(other.DC(), brush.Get());
    const vcl::TSelectedObject selectedPen(other.DC(), pen.Get());
    SetTextColor(other.DC(), RGB(7, 8, 9));
    SetROP2(other.DC(), R2_XORPEN);
    on.Canvas.TakeObjectsFromDC(other.DC());
    EXPECT_EQ(on.Canvas.Brush().Color(), static_cast<vcl::TColor>(RGB(1, 2, 3)));
    EXPECT_EQ(on.Canvas.Brush().Style(), vcl::bsCross);
    EXPECT_EQ(on.Canvas.Pen().Color(), static_cast<vcl::TColor>(RGB(4, 5, 6)));
    EXPECT_EQ(on.Canvas.Pen().Style(), vcl::psDot);
    EXPECT_EQ(on.Canvas.Pen().Mode(), vcl::pmXor);
    EXPECT_EQ(on.Canvas.Font().Color(), static_cast<vcl::TColor>(RGB(7, 8, 9)));
}

TEST(uiCanvas, TheSameBrushColourKeepsTheBrush) {
    TCanvasOnSurface on;
    on.Canvas.SetBrushColor(vcl::clGreen);
    HBRUSH brush = on.Canvas.Brush().Handle();
    on.Canvas.SetBrushColor(vcl::clGreen);
    EXPECT_EQ(on.Canvas.Brush().Handle(), brush);
}

TEST(uiCanvas, InvertingAndFocusFramesTwiceRestoreThePixels) {
    TCanvasOnSurface on;
    on.Canvas.FillRectColor(Rect(0, 0, 20, 30), vcl::clNavy);
    const std::vector<uint32_t> before = on.Surface.Pixels();
    on.Canvas.InvertRect(Rect(5, 5, 30, 20));
    EXPECT_EQ(on.Surface.Pixel(25, 10), vcl::clBlack);
    on.Canvas.InvertRect(Rect(5, 5, 30, 20));
    EXPECT_EQ(on.Surface.Pixels(), before);
    on.Canvas.DrawThickFocusRect(Rect(2, 2, 30, 25), 2);
    EXPECT_NE(on.Surface.Pixels(), before);
    on.Canvas.DrawThickFocusRect(Rect(2, 2, 30, 25), 2);
    EXPECT_EQ(on.Surface.Pixels(), before);
    EXPECT_EQ(on.Canvas.CopyMode(), vcl::cmSrcCopy);
}

TEST(uiCanvas, RegionsAreFilledAndFramed) {
    TCanvasOnSurface on;
    on.Canvas.DrawRegion(TuiRegion(Rect(5, 5, 15, 15)), vcl::clYellow, vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(5, 10), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(14, 14), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clYellow);
    EXPECT_EQ(on.Surface.Pixel(15, 10), vcl::clWhite);
}

TEST(uiCanvas, PathsBecomeRegionsInLogicalCoordinates) {
    TCanvasOnSurface on;
    on.Canvas.SetWindowOrigin({2, 2});
    on.Canvas.BeginPath();
    const vcl::TPoint square[] = {{4, 4}, {14, 4}, {14, 14}, {4, 14}};
    on.Canvas.Polygon(square);
    on.Canvas.EndPath();
    EXPECT_EQ(on.Canvas.PathToRegion()->Bounds(), Rect(4, 4, 14, 14));
}

TEST(uiCanvas, DrawingTwiceGivesTheSamePixels) {
    const std::unique_ptr<TuiBitmap> tile = NumberedTile();
    std::vector<uint32_t> first;
    for (int pass = 0; pass < 2; ++pass) {
        TCanvasOnSurface on;
        on.Canvas.FillRect(Rect(1, 1, 30, 20), tile.get());
        on.Canvas.DrawEdge(Rect(0, 0, 40, 30), true, true);
        on.Canvas.DrawComplexFrame(Rect(3, 3, 20, 20), vcl::clRed, vcl::clBlue, {bLeft, bBottom}, 2);
        on.Canvas.FrameRect(Rect(10, 10, 35, 28), vcl::clGreen, 3);
        if (pass == 0) {
            first = on.Surface.Pixels();
        } else {
            EXPECT_EQ(on.Surface.Pixels(), first);
        }
    }
}

TEST(uiPaintCanvas, PaintsOnADeviceContextAndGoesBack) {
    TuiPaintCanvas* canvas = GetSharedPaintCanvas();
    ASSERT_NE(canvas, nullptr);
    ui_test::TDibSurface outer(10, 10);
    ui_test::TDibSurface inner(10, 10);
    outer.Fill(vcl::clWhite);
    inner.Fill(vcl::clWhite);
    canvas->BeginPaintDC(outer.DC());
    canvas->FillRectColor(Rect(0, 0, 2, 2), vcl::clRed);
    canvas->BeginPaintDC(inner.DC());
    SetWindowOrgEx(inner.DC(), 5, 5, nullptr);
    canvas->FillRectColor(Rect(5, 5, 7, 7), vcl::clBlue);
    canvas->EndPaint();
    EXPECT_EQ(canvas->Handle(), outer.DC());
    POINT origin{};
    GetWindowOrgEx(inner.DC(), &origin);
    EXPECT_EQ(origin.x, 0) << "the inner device context's state is restored";
    canvas->FillRectColor(Rect(8, 8, 10, 10), vcl::clDefault);
    canvas->EndPaint();
    canvas->EndPaint();
    EXPECT_EQ(outer.Pixel(0, 0), vcl::clRed);
    EXPECT_EQ(outer.Pixel(9, 9), vcl::clRed) << "the outer brush is back";
    EXPECT_EQ(inner.Pixel(0, 0), vcl::clBlue);
}

TEST(uiPaintCanvas, PaintsOnAFrameworkCanvasAndGivesItsStateBack) {
    TuiPaintCanvas* canvas = GetSharedPaintCanvas();
    TCanvasOnSurface on;
    on.Frame.Brush().SetColor(vcl::clLime);
    canvas->BeginPaintCanvas(on.Frame);
    EXPECT_EQ(&canvas->Canvas(), &on.Frame);
    canvas->FillRectColor(Rect(0, 0, 4, 4), vcl::clRed);
    canvas->EndPaint();
    EXPECT_EQ(on.Frame.Brush().Color(), vcl::clLime);
    EXPECT_EQ(on.Surface.Pixel(1, 1), vcl::clRed);
}

TEST(uiScreenCanvas, MeasuresAndGivesTheScreenBack) {
    TuiScreenCanvas* canvas = GetSharedScreenCanvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_GT(canvas->GetTextWidth(u"Measure"), 0);
    canvas->FreeScreenDC();
    EXPECT_FALSE(canvas->Canvas().HandleAllocated());
    EXPECT_GT(canvas->GetTextHeight(u"Qq"), 0) << "the device context comes back on demand";
    canvas->FreeScreenDC();
}

} // namespace
} // namespace ui
