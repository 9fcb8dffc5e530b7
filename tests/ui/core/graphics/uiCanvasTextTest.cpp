// Text on a TuiCanvas: flags, measuring, the embossed disabled look, vertical placement and rotation. Text is checked
// by where its ink lies and how two drawings relate, never against stored images.

#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;
using vcl::Rect;

TEST(uiCanvasText, TextFlagsTranslateToDrawTextFlags) {
    const struct {
        uint16_t Flags;
        uint32_t Expected;
    } cases[] = {
        {tfAlignLeft | tfAlignTop, DT_NOPREFIX},
        {tfAlignRight, DT_RIGHT | DT_NOPREFIX},
        {tfAlignHCenter | tfAlignVCenter | tfSingleLine, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX},
        {tfAlignBottom | tfDontClip | tfExpandTabs, DT_BOTTOM | DT_NOCLIP | DT_EXPANDTABS | DT_NOPREFIX},
        {tfShowPrefix, 0},
        {tfWordBreak, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX},
        {tfWordBreak | tfDontBreakChars, DT_WORDBREAK | DT_NOPREFIX},
        {tfWordBreak | tfDontBreakChars | tfNoFullWidthCharBreak, DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK | DT_NOPREFIX},
        {tfNoFullWidthCharBreak, DT_NOPREFIX},
        {tfShowEndEllipsis | tfCalcRect | tfShowPathEllipsis,
         DT_END_ELLIPSIS | DT_CALCRECT | DT_PATH_ELLIPSIS | DT_NOPREFIX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFlagsToDrawTextFlags(c.Flags), c.Expected) << std::hex << c.Flags;
    }
}

TEST(uiCanvasText, DisabledTextIsAShadowOnePixelLeftWithTheHighlightBelowRight) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clBtnHighlight, 0x0000FF);
    pinned.PinColor(vcl::clBtnShadow, 0xFF0000);
    const vcl::TRect rect = Rect(2, 2, 118, 26);
    constexpr uint16_t flags = tfSingleLine | tfAlignRight;

    TCanvasOnSurface enabled(120, 30);
    enabled.Canvas.Brush().SetStyle(vcl::bsClear);
    enabled.Canvas.Font().SetColor(0xFF0000);
    enabled.Canvas.DrawText(u"Disabled", rect, flags);
    TCanvasOnSurface disabled(120, 30);
    disabled.Canvas.DrawText(u"Disabled", rect, flags, false);

    const ui_test::TPixelSet enabledInk = ui_test::PixelsOfColor(enabled.Surface, 0xFF0000);
    const ui_test::TPixelSet shadow = ui_test::PixelsOfColor(disabled.Surface, 0xFF0000);
    const ui_test::TPixelSet highlight = ui_test::PixelsOfColor(disabled.Surface, 0x0000FF);
    ASSERT_FALSE(enabledInk.empty());
    ui_test::TPixelSet shifted;
    for (const auto& [x, y] : enabledInk) {
        shifted.insert({x - 1, y});
    }
    EXPECT_EQ(shadow, shifted) << "the shadow is the enabled text one pixel further left";
    ASSERT_FALSE(highlight.empty());
    for (const auto& [x, y] : highlight) {
        EXPECT_TRUE(shadow.count({x - 1, y - 1})) << "highlight at " << x << "," << y;
    }
    EXPECT_EQ(disabled.Canvas.Brush().Style(), vcl::bsSolid) << "the brush style comes back";
    EXPECT_EQ(disabled.Canvas.Font().Color(), vcl::clWindowText) << "the font colour comes back";
}

TEST(uiCanvasText, SingleLineTextIsPlacedByItsAlignmentAndClipped) {
    TCanvasOnSurface on(120, 40);
    on.Canvas.Brush().SetStyle(vcl::bsClear);
    const vcl::TSize extent = on.Canvas.MeasureText(u"Wide text");
    ASSERT_GT(extent.cx, 20);
    const vcl::TRect box = Rect(10, 5, 110, 35);
    on.Canvas.DrawText(u"Wide text", box, tfSingleLine | tfAlignHCenter | tfAlignBottom);
    const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite));
    EXPECT_NEAR((ink.Left + ink.Right) / 2, 60, 3) << "centred";
    EXPECT_LE(ink.Bottom, 35);
    EXPECT_GT(ink.Top, 5 + (30 - extent.cy) / 2) << "at the bottom";

    TCanvasOnSurface narrow(120, 40);
    narrow.Canvas.DrawText(u"Wide text", Rect(10, 5, 20, 35), tfSingleLine);
    const vcl::TRect clipped = ui_test::BoundsOf(ui_test::PixelsOtherThan(narrow.Surface, vcl::clWhite));
    EXPECT_GE(clipped.Left, 10);
    EXPECT_LE(clipped.Right, 20) << "a text wider than its rectangle is clipped";
}

TEST(uiCanvasText, MeasuredRectanglesFollowTheAlignment) {
    TCanvasOnSurface on;
    const int32_t width = on.Canvas.GetTextWidth(u"Text");
    vcl::TRect right = Rect(0, 0, 200, 50);
    on.Canvas.MeasureTextRect(u"Text", right, tfSingleLine | tfAlignRight);
    EXPECT_EQ(right.Right, 200);
    EXPECT_EQ(right.Width(), width);
    vcl::TRect centred = Rect(0, 0, 200, 50);
    on.Canvas.MeasureTextRect(u"Text", centred, tfSingleLine | tfAlignHCenter | tfAlignVCenter);
    EXPECT_EQ(centred.Left, (200 - width) / 2);
    EXPECT_EQ(centred.Top, (50 - centred.Height()) / 2);
    vcl::TRect unwrapped = Rect(5, 5, 5, 5);
    on.Canvas.MeasureTextRect(u"one two", unwrapped, tfWordBreak | tfDontBreakChars);
    EXPECT_EQ(unwrapped.Height(), 2 * on.Canvas.GetTextHeight(u"one")) << "no width: every word on a line";
    EXPECT_EQ(unwrapped.Left, 5);
    vcl::TRect broken = Rect(5, 5, 5, 5);
    on.Canvas.MeasureTextRect(u"one two", broken, tfWordBreak);
    EXPECT_GT(broken.Height(), unwrapped.Height()) << "words break inside without tfDontBreakChars";
}

TEST(uiCanvasText, MultiLineTextCentredVerticallySitsInTheMiddle) {
    TCanvasOnSurface on(80, 100);
    on.Canvas.DrawText(u"one\r\ntwo", Rect(0, 0, 80, 100), tfAlignLeft | tfAlignVCenter);
    const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite));
    const int32_t lineHeight = on.Canvas.GetTextHeight(u"Wg");
    EXPECT_GT(ink.Height(), lineHeight) << "two lines";
    EXPECT_NEAR(ink.Top, 50 - lineHeight, lineHeight / 2 + 1);
    EXPECT_NEAR(ink.Bottom, 50 + lineHeight, lineHeight / 2 + 1);

    vcl::TRect bottom = Rect(0, 0, 80, 100);
    on.Canvas.AlignTextRectVertically(bottom, u"one\r\ntwo", vaBottom, false, false, false, false, false);
    EXPECT_EQ(bottom.Top, 100 - 1 - 2 * lineHeight) << "a disabled text leaves a pixel for its highlight";
}

TEST(uiCanvasText, RotatedTextRunsAlongTheRectangle) {
    for (const TuiRotationAngle angle : {TuiRotationAngle::CounterClockwise, TuiRotationAngle::Clockwise}) {
        TCanvasOnSurface on(40, 120);
        const vcl::TRect rect = Rect(5, 5, 35, 115);
        on.Canvas.DrawText(u"Rotated text", rect, tfSingleLine | tfAlignHCenter | tfAlignVCenter, true, angle);
        const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite));
        EXPECT_GT(ink.Height(), 2 * ink.Width()) << static_cast<int>(angle);
        EXPECT_GE(ink.Top, rect.Top);
        EXPECT_LE(ink.Bottom, rect.Bottom);
    }
    TCanvasOnSurface flat(120, 40);
    flat.Canvas.DrawText(u"Rotated text", Rect(0, 0, 120, 40), tfSingleLine, true, TuiRotationAngle::HalfTurn);
    const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOtherThan(flat.Surface, vcl::clWhite));
    EXPECT_GT(ink.Width(), 2 * ink.Height());
    EXPECT_GT(ink.Bottom, 40 - flat.Canvas.GetTextHeight(u"Wg")) << "turned upside down, at the bottom";
}

TEST(uiCanvasText, DrawingTwiceGivesTheSamePixels) {
    std::vector<uint32_t> first;
    for (int pass = 0; pass < 2; ++pass) {
        TCanvasOnSurface on(120, 60);
        on.Canvas.DrawText(u"Fast", Rect(0, 0, 60, 20), tfSingleLine | tfAlignRight);
        on.Canvas.DrawText(u"&Prefix", Rect(0, 20, 60, 40), tfSingleLine | tfShowPrefix, false);
        on.Canvas.DrawText(u"Up", Rect(60, 0, 80, 60), tfSingleLine, true, TuiRotationAngle::CounterClockwise);
        if (pass == 0) {
            first = on.Surface.Pixels();
        } else {
            EXPECT_EQ(on.Surface.Pixels(), first);
        }
    }
}

} // namespace
} // namespace ui
