// The standard look on 32-bit DIBs: its raised and sunken rings, the default button's black ring, the sort mark's
// geometry, the scroll-bar elements by state and the month titles that share their frame lines.

#include "ui/core/painters/looks/uiStandardPainter.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

const TuiStandardLookAndFeelPainter& Standard = TuiStandardLookAndFeelPainter::Instance();

vcl::TColor StandardRgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

// The colours of the rings of rect from the outside in, read at their top-left and bottom-right corners.
struct TRingColors {
    vcl::TColor LeftTop;
    vcl::TColor RightBottom;
    friend bool operator==(const TRingColors&, const TRingColors&) = default;
};

TRingColors RingAt(const ui_test::TDibSurface& surface, const vcl::TRect& rect, int32_t ring) {
    return {surface.Pixel(rect.Left + ring, rect.Top + ring + 1),
            surface.Pixel(rect.Right - 1 - ring, rect.Bottom - 2 - ring)};
}

TRingColors Ring(vcl::TColor leftTop, vcl::TColor rightBottom) {
    return {StandardRgb(leftTop), StandardRgb(rightBottom)};
}

TEST(uiStandardPainter, ButtonFramesAreRaisedSunkenWhenPressedAndRingedInBlackWhenDefault) {
    const vcl::TRect rect{2, 2, 30, 20};
    struct TCase {
        TuiButtonState State;
        TRingColors Outer;
        TRingColors Middle;
        TRingColors Inner;
    };
    const TCase cases[] = {
        {uibsNormal, Ring(vcl::clBtnHighlight, vcl::cl3DDkShadow), Ring(vcl::cl3DLight, vcl::clBtnShadow),
         Ring(vcl::clFuchsia, vcl::clFuchsia)},
        {uibsHot, Ring(vcl::clBtnHighlight, vcl::cl3DDkShadow), Ring(vcl::cl3DLight, vcl::clBtnShadow),
         Ring(vcl::clFuchsia, vcl::clFuchsia)},
        {uibsPressed, Ring(vcl::clBlack, vcl::clBlack), Ring(vcl::clBtnShadow, vcl::clBtnShadow),
         Ring(vcl::clFuchsia, vcl::clFuchsia)},
        {uibsDefault, Ring(vcl::clBlack, vcl::clBlack), Ring(vcl::clBtnHighlight, vcl::cl3DDkShadow),
         Ring(vcl::cl3DLight, vcl::clBtnShadow)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.State));
        TCanvasOnSurface on;
        on.Surface.Fill(vcl::clFuchsia);
        Standard.PaintButtonFrame(on.Canvas, rect, c.State);
        EXPECT_EQ(RingAt(on.Surface, rect, 0), c.Outer);
        EXPECT_EQ(RingAt(on.Surface, rect, 1), c.Middle);
        EXPECT_EQ(RingAt(on.Surface, rect, 2), c.Inner);
    }
    EXPECT_EQ(Standard.ButtonFrameWidth(uibsDefault), 3);
    EXPECT_EQ(Standard.ButtonFrameWidth(uibsPressed), 2);
}

TEST(uiStandardPainter, FramesAndCheckFramesAreTwoSunkenRings) {
    const vcl::TRect rect{1, 1, 20, 16};
    TCanvasOnSurface on;
    Standard.PaintFrame(on.Canvas, rect);
    EXPECT_EQ(RingAt(on.Surface, rect, 0), Ring(vcl::clBtnShadow, vcl::clBtnHighlight));
    EXPECT_EQ(RingAt(on.Surface, rect, 1), Ring(vcl::cl3DDkShadow, vcl::cl3DLight));
    Standard.PaintCheckFrame(on.Canvas, rect, uibsNormal);
    EXPECT_EQ(RingAt(on.Surface, rect, 0), Ring(vcl::cl3DDkShadow, vcl::cl3DLight));
    EXPECT_EQ(RingAt(on.Surface, rect, 1), Ring(vcl::clBtnShadow, vcl::clBtnHighlight));
    EXPECT_EQ(Standard.FrameWidth(), 2);
}

TEST(uiStandardPainter, TheSortMarkHasItsApexAndBaseWhereTheGeometrySaysAndTurnsWhenDescending) {
    TCanvasOnSurface on(20, 20);
    on.Surface.Fill(vcl::clFuchsia);
    Standard.PaintSortArrow(on.Canvas, {0, 0, 20, 20}, true);
    const ui_test::TPixelSet ascending = ui_test::PixelsOtherThan(on.Surface, StandardRgb(vcl::clFuchsia));
    EXPECT_EQ(ui_test::BoundsOf(ascending), (vcl::TRect{6, 6, 14, 13}));
    EXPECT_TRUE(ascending.contains({9, 6}) && ascending.contains({10, 6})) << "the apex";
    // The base is light but for its left end, where the dark side starts.
    EXPECT_EQ(on.Surface.Pixel(6, 12), StandardRgb(vcl::clBtnShadow));
    for (int x = 7; x <= 13; ++x) {
        EXPECT_EQ(on.Surface.Pixel(x, 12), StandardRgb(vcl::clBtnHighlight)) << "the light base at " << x;
    }

    on.Surface.Fill(vcl::clFuchsia);
    Standard.PaintSortArrow(on.Canvas, {0, 0, 20, 20}, false);
    const ui_test::TPixelSet descending = ui_test::PixelsOtherThan(on.Surface, StandardRgb(vcl::clFuchsia));
    EXPECT_EQ(ui_test::BoundsOf(descending), (vcl::TRect{6, 6, 14, 13}));
    EXPECT_TRUE(descending.contains({9, 12}) && descending.contains({10, 12})) << "the apex";
    for (int x = 6; x <= 13; ++x) {
        EXPECT_EQ(on.Surface.Pixel(x, 6), StandardRgb(vcl::clBtnShadow)) << "the dark base at " << x;
    }
}

TEST(uiStandardPainter, ScrollBarElementsFollowTheirState) {
    const vcl::TRect rect{0, 0, 17, 17};
    const auto paint = [&](TuiScrollBarPart part, TuiButtonState state) {
        TCanvasOnSurface on(17, 17);
        on.Surface.Fill(vcl::clFuchsia);
        Standard.PaintScrollBarElement(on.Canvas, false, rect, part, state);
        return on.Surface.Pixels();
    };
    const std::vector<uint32_t> untouched = [] {
        TCanvasOnSurface on(17, 17);
        on.Surface.Fill(vcl::clFuchsia);
        return on.Surface.Pixels();
    }();
    EXPECT_EQ(paint(sbpThumb, uibsDisabled), untouched) << "a disabled thumb is not drawn";
    EXPECT_NE(paint(sbpThumb, uibsNormal), untouched);
    EXPECT_EQ(paint(sbpLineUp, uibsHot), paint(sbpLineUp, uibsNormal)) << "hot draws as normal";
    EXPECT_NE(paint(sbpLineUp, uibsPressed), paint(sbpLineUp, uibsNormal));
    EXPECT_NE(paint(sbpLineUp, uibsNormal), paint(sbpLineDown, uibsNormal));
    EXPECT_NE(paint(sbpPageUp, uibsPressed), paint(sbpPageUp, uibsNormal)) << "the darker pattern";

    TCanvasOnSurface on(17, 17);
    Standard.PaintScrollBarElement(on.Canvas, false, rect, sbpLineUp, uibsPressed);
    EXPECT_EQ(on.Surface.Pixel(0, 5), StandardRgb(vcl::clBtnShadow));
    EXPECT_EQ(on.Surface.Pixel(1, 5), StandardRgb(vcl::clBtnFace));
}

TEST(uiStandardPainter, NeighbouringMonthTitlesShareNoFrameLine) {
    TCanvasOnSurface on(80, 20);
    const TuiDrawParams params{nullptr, vcl::clBtnFace, nullptr, vcl::clBlack};
    const vcl::TRect left{0, 0, 40, 20};
    const vcl::TRect right{40, 0, 80, 20};
    Standard.PaintMonthTitle(on.Canvas, left, u"", {bRight}, params, 0, 0, {});
    SelectClipRgn(on.Canvas.Handle(), nullptr);
    Standard.PaintMonthTitle(on.Canvas, right, u"", {bLeft}, params, 0, 0, {});
    const vcl::TColor black = StandardRgb(vcl::clBlack);
    EXPECT_EQ(on.Surface.Pixel(0, 10), black);
    EXPECT_EQ(on.Surface.Pixel(79, 10), black);
    EXPECT_EQ(on.Surface.Pixel(40, 0), black);
    EXPECT_EQ(on.Surface.Pixel(40, 19), black);
    EXPECT_NE(on.Surface.Pixel(39, 10), black);
    EXPECT_NE(on.Surface.Pixel(40, 10), black);
}

} // namespace
} // namespace ui
