// The default painter's operations on 32-bit DIBs: the shapes, the rules of buttons, check boxes, text and headers, the
// indicator glyphs, the clock, the progress text, and dispatch on the painter an operation was called on.

#include "ui/core/painters/uiLookAndFeelPainters.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "vcl/graphics/Font.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;
using ui_test::TPixelSet;

const TuiCustomLookAndFeelPainter& Default = TuiCustomLookAndFeelPainter::Instance();

vcl::TColor PainterRgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

// A look that records the operations the default bodies reach and answers what a test sets.
class TProbePainter final : public TuiCustomLookAndFeelPainter {
public:
    void PaintButtonFrame(TuiCanvas&, const vcl::TRect& rect, TuiButtonState) const override {
        Calls.push_back("PaintButtonFrame");
        FrameRect = rect;
    }
    int32_t ButtonFrameWidth(TuiButtonState) const override { return FrameWidthValue; }
    vcl::TColor EditorBackgroundColorForState(int32_t state) const override {
        AskedStates.push_back(state);
        return EditorColor;
    }
    int32_t HeaderFrameWidth() const override { return FrameWidthValue; }
    vcl::TColor ProgressTextColorFor(bool overFilledPart) const override {
        return ProgressColors[overFilledPart ? 1 : 0];
    }

    mutable std::vector<std::string> Calls;
    mutable vcl::TRect FrameRect;
    mutable std::vector<int32_t> AskedStates;
    int32_t FrameWidthValue = 0;
    vcl::TColor EditorColor = vcl::clDefault;
    vcl::TColor ProgressColors[2] = {vcl::clWindowText, vcl::clDefault};
};

TEST(uiPainterShapes, ArrowsAreCentredTrianglesOfTheirDirection) {
    const struct {
        vcl::TRect Rect;
        bool Square;
        TuiArrowDirection Direction;
        std::array<vcl::TPoint, 3> Points;
    } cases[] = {
        {{0, 0, 9, 9}, true, adDown, {{{2, 3}, {6, 3}, {4, 5}}}},
        {{0, 0, 9, 9}, true, adUp, {{{2, 5}, {6, 5}, {4, 3}}}},
        {{0, 0, 9, 9}, true, adLeft, {{{5, 2}, {5, 6}, {3, 4}}}},
        {{0, 0, 9, 9}, true, adRight, {{{3, 2}, {3, 6}, {5, 4}}}},
        // Squared, a wide rectangle loses width on both sides first.
        {{0, 0, 17, 9}, true, adDown, {{{6, 3}, {10, 3}, {8, 5}}}},
        {{0, 0, 17, 9}, false, adDown, {{{4, 2}, {12, 2}, {8, 6}}}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::PrintToString(test.Rect));
        EXPECT_EQ(ArrowTrianglePoints(test.Rect, 0, test.Square, test.Direction), test.Points);
    }
}

TEST(uiLookAndFeelPainter, ADirectionArrowFillsItsTriangle) {
    TCanvasOnSurface on(9, 9);
    Default.PaintDirectionArrow(on.Canvas, {0, 0, 9, 9}, adDown, vcl::clTeal);
    EXPECT_EQ(ui_test::PixelsOfColor(on.Surface, vcl::clTeal),
              (TPixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {3, 4}, {4, 4}, {5, 4}, {4, 5}}));
}

TEST(uiLookAndFeelPainter, ButtonCaptionsSitInAnEvenRectangleRaisedForLowButtons) {
    // rect height -> the caption's rectangle, as Top and Bottom offsets.
    const struct {
        int Height;
        int TopShift;
        int BottomShift;
    } cases[] = {{15, -1, -1}, {16, -1, 0}, {21, 0, -1}, {20, 0, 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Height);
        const vcl::TRect rect{0, 6, 60, 6 + test.Height};
        TCanvasOnSurface button(60, 40);
        Default.PaintButton(button.Canvas, rect, u"Ag", uibsNormal, false, vcl::clWhite, vcl::clBlack, false, false);
        TCanvasOnSurface reference(60, 40);
        reference.Canvas.Font().SetColor(vcl::clBlack);
        reference.Canvas.Brush().SetStyle(vcl::bsClear);
        reference.Canvas.DrawText(u"Ag", {0, rect.Top + test.TopShift, 60, rect.Bottom + test.BottomShift},
                                  tfAlignHCenter | tfAlignVCenter | tfShowPrefix | tfSingleLine);
        ASSERT_FALSE(ui_test::PixelsOfColor(reference.Surface, vcl::clBlack).empty());
        EXPECT_EQ(button.Surface.Pixels(), reference.Surface.Pixels());
    }
}

TEST(uiLookAndFeelPainter, ADefaultBodyReachesTheLooksOverrides) {
    TProbePainter probe;
    TCanvasOnSurface on(40, 30);
    probe.FrameWidthValue = 3;
    probe.PaintButton(on.Canvas, {0, 0, 40, 30}, {}, uibsHot, true, vcl::clRed, vcl::clDefault, false, false);
    EXPECT_EQ(probe.Calls, (std::vector<std::string>{"PaintButtonFrame"}));
    EXPECT_EQ(on.Surface.Pixel(2, 2), vcl::clWhite) << "the face leaves the frame's width";
    EXPECT_EQ(on.Surface.Pixel(3, 3), vcl::clRed);

    // Another look's body, run for the probe, still reaches the probe's operations.
    probe.Calls.clear();
    probe.TuiCustomLookAndFeelPainter::PaintGroupExpander(on.Canvas, {0, 0, 40, 30}, uibsNormal, true);
    EXPECT_EQ(probe.Calls, (std::vector<std::string>{"PaintButtonFrame"}));
}

TEST(uiLookAndFeelPainter, CheckBoxesShowTheirMarkOnlyWhenChecked) {
    const struct {
        TuiButtonState State;
        TuiCheckBoxState Check;
        vcl::TColor Face;
        vcl::TColor Mark;
    } cases[] = {
        {uibsNormal, cbsChecked, vcl::clWindow, vcl::clBtnText},
        {uibsNormal, cbsGrayed, vcl::clWindow, vcl::clNone},
        {uibsNormal, cbsUnchecked, vcl::clWindow, vcl::clNone},
        {uibsDisabled, cbsChecked, vcl::clBtnFace, vcl::clGrayText},
        {uibsPressed, cbsGrayed, vcl::clBtnFace, vcl::clNone},
    };
    ui_test::TPinnedSystemInfo system;
    system.PinColor(vcl::clWindow, 0xEEEEEE);
    system.PinColor(vcl::clBtnFace, 0xCCCCCC);
    system.PinColor(vcl::clBtnText, 0x000001);
    system.PinColor(vcl::clGrayText, 0x808081);
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << int(test.State) << " " << int(test.Check));
        TCanvasOnSurface on(17, 17);
        Default.PaintCheckBox(on.Canvas, {0, 0, 17, 17}, test.State, test.Check);
        const TPixelSet face = ui_test::PixelsOfColor(on.Surface, PainterRgb(test.Face));
        EXPECT_EQ(ui_test::BoundsOf(face), (vcl::TRect{2, 2, 15, 15})) << "the face inside the frame width";
        const TPixelSet others = ui_test::PixelsOtherThan(on.Surface, PainterRgb(test.Face));
        if (test.Mark == vcl::clNone) {
            EXPECT_EQ(others.size(), 17u * 17u - 13u * 13u) << "no mark: only the (empty) frame around";
        } else {
            const TPixelSet mark = ui_test::PixelsOfColor(on.Surface, PainterRgb(test.Mark));
            EXPECT_GE(mark.size(), 20u);
            EXPECT_TRUE((vcl::TRect{2, 2, 15, 15}).Contains(ui_test::BoundsOf(mark).TopLeft()));
        }
    }
}

TEST(uiLookAndFeelPainter, AHookThatDrawsTheBackgroundKeepsItButNotTheText) {
    TCanvasOnSurface on(80, 20);
    on.Surface.Fill(vcl::clLime);
    int hookCalls = 0;
    const TuiBackgroundHook hook = [&](TuiCanvas&, const vcl::TRect& rect) {
        ++hookCalls;
        EXPECT_EQ(rect, (vcl::TRect{0, 0, 80, 20}));
        return true;
    };
    Default.PaintContentWithText(on.Canvas, {0, 0, 80, 20}, {2, 2, 78, 18}, uibsNormal, {}, u"Text", nullptr,
                                 vcl::clBlue, vcl::clRed, hook, false);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_TRUE(ui_test::PixelsOfColor(on.Surface, vcl::clRed).empty()) << "the background stays the hook's";
    EXPECT_FALSE(ui_test::PixelsOfColor(on.Surface, vcl::clBlue).empty());
    EXPECT_EQ(on.Canvas.Brush().Style(), vcl::bsSolid);

    TCanvasOnSurface declined(80, 20);
    Default.PaintContentWithText(
        declined.Canvas, {0, 0, 80, 20}, {2, 2, 78, 18}, uibsNormal, {}, {}, nullptr, vcl::clBlue, vcl::clRed,
        [](TuiCanvas&, const vcl::TRect&) { return false; }, false);
    EXPECT_TRUE(ui_test::AllPixelsAre(declined.Surface, {0, 0, 80, 20}, vcl::clRed));
}

TEST(uiLookAndFeelPainter, TheIndicatorKindsHighBitIsIgnored) {
    const auto glyph = [](int32_t kind) {
        TCanvasOnSurface on(20, 20);
        Default.PaintIndicatorGlyph(on.Canvas, {0, 0, 20, 20}, kind);
        return on.Surface.Pixels();
    };
    const std::vector<uint32_t> blank = [] {
        TCanvasOnSurface on(20, 20);
        return on.Surface.Pixels();
    }();
    EXPECT_EQ(glyph(0x81), glyph(1));
    EXPECT_NE(glyph(1), blank);
    EXPECT_NE(glyph(1), glyph(2));
    EXPECT_EQ(glyph(0), blank);
    EXPECT_EQ(glyph(0x80), blank) << "no image before the first";
    EXPECT_EQ(glyph(7), blank) << "no image after the sixth";

    TCanvasOnSurface centred(20, 20);
    Default.PaintIndicatorGlyph(centred.Canvas, {0, 0, 20, 20}, 1);
    EXPECT_TRUE((vcl::TRect{6, 5, 14, 14})
                    .Contains(ui_test::BoundsOf(ui_test::PixelsOtherThan(centred.Surface, vcl::clWhite)).TopLeft()));
}

TEST(uiLookAndFeelPainter, TheAccentColourIsVistasBlueFromVersionSixOn) {
    const struct {
        TuxOSVersion Version;
        vcl::TColor Accent;
    } cases[] = {
        {{uxPlatformWinNT, 5, 1}, vcl::clHighlightText},
        {{uxPlatformWinNT, 6, 0}, 0xCC6600},
        {{uxPlatformWinNT, 10, 0}, 0xCC6600},
        {{uxPlatformWin9x, 6, 0}, vcl::clHighlightText},
    };
    for (const auto& test : cases) {
        ui_test::TPinnedSystemInfo system(test.Version);
        EXPECT_EQ(Default.AccentTextColor(), test.Accent) << test.Version.Major;
        EXPECT_EQ(Default.CalendarHeaderTextColor(true), test.Accent);
    }
    EXPECT_EQ(Default.CalendarHeaderTextColor(false), vcl::clBtnText);
}

TEST(uiLookAndFeelPainter, EditorColoursAskForTheirStateAndFallBackOnTheContent) {
    TProbePainter probe;
    EXPECT_EQ(probe.EditorBackgroundColor(true), vcl::clDefault);
    EXPECT_EQ(probe.EditorOrContentColor(), vcl::clWindow) << "the content while the editor has no colour";
    EXPECT_EQ(probe.AskedStates, (std::vector<int32_t>{1, 0}));
    probe.EditorColor = vcl::clAqua;
    EXPECT_EQ(probe.EditorOrContentColor(), vcl::clAqua);
}

TEST(uiLookAndFeelPainter, HeaderWidthsCountTheFrameOfEveryFramedSide) {
    TProbePainter probe;
    probe.FrameWidthValue = 1;
    TCanvasOnSurface on;
    const int32_t text = on.Canvas.GetTextWidth(u"Amount");
    EXPECT_EQ(probe.HeaderWidthForText(on.Canvas, {bLeft, bRight}, u"Amount", nullptr), text + 6);
    EXPECT_EQ(probe.HeaderWidthForText(on.Canvas, {bLeft}, u"Amount", nullptr), text + 5);
    EXPECT_EQ(probe.HeaderWidthForText(on.Canvas, {}, u"Amount", nullptr), text + 4);
    EXPECT_EQ(probe.HeaderWidthFor(text), text + 6) << "the same width the content asks for";
    EXPECT_EQ(probe.HeaderContentRect({0, 0, 50, 20}, {bLeft, bBottom}), (vcl::TRect{1, 0, 50, 19}));
    EXPECT_EQ(probe.HeaderRectWithBorders({0, 0, 50, 20}, {}, {bTop}), (vcl::TRect{0, 0, 50, 20}))
        << "every edge of a cell without neighbours is drawn inside";
}

TEST(uiLookAndFeelPainter, RectanglesOfButtonsFootersAndBands) {
    TCanvasOnSurface on;
    EXPECT_EQ(Default.FocusRectOfButton(on.Canvas, {0, 0, 8, 8}), (vcl::TRect{0, 0, 8, 8}));
    EXPECT_EQ(Default.FocusRectOfButton(on.Canvas, {0, 0, 20, 10}), (vcl::TRect{4, 4, 16, 6}));
    EXPECT_EQ(Default.FooterCellTextRect({0, 0, 40, 20}), (vcl::TRect{2, 2, 38, 18}));
    EXPECT_EQ(Default.CenteredBandRect({0, 0, 40, 20}, 3, true), (vcl::TRect{0, 9, 40, 12}));
    EXPECT_EQ(Default.CenteredBandRect({0, 0, 40, 20}, 2, false), (vcl::TRect{19, 0, 21, 20}));
    EXPECT_EQ(Default.SortArrowAreaSize(), (vcl::TSize{16, 0}));
}

TEST(uiLookAndFeelPainter, NavigationButtonsMakeRoomForTheirText) {
    vcl::TRect bounds{0, 0, 20, 100};
    vcl::TRect text;
    vcl::TRect arrow;
    Default.NavigationButtonLayout(false, true, 0, 0, bounds, text, arrow);
    EXPECT_EQ(bounds, (vcl::TRect{0, 33, 20, 66})) << "21 for the arrow and 6 above and below";
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(arrow, (vcl::TRect{6, 46, 13, 53}));

    bounds = {0, 0, 20, 100};
    Default.NavigationButtonLayout(true, false, 40, 30, bounds, text, arrow);
    EXPECT_EQ(text, (vcl::TRect{2, 32, 20, 80})) << "below the arrow area, above two arrow heights";
    EXPECT_EQ(bounds, (vcl::TRect{0, 0, 20, 100}));
    Default.NavigationButtonLayout(true, false, 60, 10, bounds, text, arrow);
    EXPECT_EQ(bounds, (vcl::TRect{0, -12, 20, 112})) << "12 more pixels for the text, half above";
    EXPECT_EQ(text.Height(), 72);
}

TEST(uiLookAndFeelPainter, AtThreeOClockTheHourHandPointsRightAndTheMinuteHandUp) {
    TCanvasOnSurface on(100, 100);
    Default.PaintClockFace(on.Canvas, {0, 0, 100, 100}, 0.125, vcl::clWhite); // 3:00:00
    const TPixelSet teal = ui_test::PixelsOfColor(on.Surface, vcl::clTeal);
    // The centre is (50, 50) and the radii 48: the hour hand reaches 0.75 of them to the right, the minute hand 0.85
    // of them upwards; neither reaches far the other way.
    EXPECT_TRUE(teal.count({86, 50})) << "the hour hand's tip";
    EXPECT_TRUE(teal.count({49, 30})) << "the minute hand, beside the second hand that also points up";
    EXPECT_FALSE(teal.count({30, 50}));
    EXPECT_FALSE(teal.count({49, 70}));
    EXPECT_EQ(on.Surface.Pixel(50, 20), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(98, 50), vcl::clTeal) << "the hour dot at three";
    EXPECT_EQ(on.Surface.Pixel(97, 50), vcl::clAqua);
    EXPECT_FALSE(ui_test::PixelsOfColor(on.Surface, vcl::clRed).empty()) << "the second hand";
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(on.Surface.DC(), clip), 0) << "the dots' clipping is undone";
    DeleteObject(clip);
}

TEST(uiLookAndFeelPainter, ProgressTextIsInvertedOrDrawnInThePartsColours) {
    TCanvasOnSurface inverted(60, 20);
    inverted.Surface.Fill(vcl::clBlack);
    inverted.Canvas.FillRectColor({0, 0, 30, 20}, vcl::clWhite);
    Default.PaintProgressBar(inverted.Canvas, false, false, u"50% 50%", {10, 2, 60, 18}, {0, 0, 60, 20}, {0, 0, 30, 20},
                             vcl::clDefault);
    const TPixelSet whiteOverDark = ui_test::PixelsOfColor(inverted.Surface, vcl::clWhite);
    EXPECT_TRUE(std::any_of(whiteOverDark.begin(), whiteOverDark.end(), [](auto p) { return p.first >= 30; }))
        << "text over the empty part shows white";
    const TPixelSet blackOverLight = ui_test::PixelsOfColor(inverted.Surface, vcl::clBlack);
    EXPECT_TRUE(std::any_of(blackOverLight.begin(), blackOverLight.end(), [](auto p) { return p.first < 30; }))
        << "text over the filled part shows black";

    TProbePainter probe;
    probe.ProgressColors[0] = vcl::clBlue;
    probe.ProgressColors[1] = vcl::clRed;
    TCanvasOnSurface apart(60, 20);
    probe.PaintProgressBar(apart.Canvas, false, false, u"50%", {30, 2, 60, 18}, {0, 0, 60, 20}, {0, 0, 20, 20},
                           vcl::clDefault);
    EXPECT_FALSE(ui_test::PixelsOfColor(apart.Surface, vcl::clBlue).empty()) << "the empty part's colour";
    EXPECT_TRUE(ui_test::PixelsOfColor(apart.Surface, vcl::clRed).empty());

    TCanvasOnSurface across(60, 20);
    probe.PaintProgressBar(across.Canvas, false, false, u"50%", {5, 2, 60, 18}, {0, 0, 60, 20}, {0, 0, 15, 20},
                           vcl::clDefault);
    const TPixelSet red = ui_test::PixelsOfColor(across.Surface, vcl::clRed);
    const TPixelSet blue = ui_test::PixelsOfColor(across.Surface, vcl::clBlue);
    EXPECT_FALSE(red.empty());
    EXPECT_FALSE(blue.empty());
    EXPECT_LT(ui_test::BoundsOf(red).Right, 16) << "the filled part's colour only over the chunk";
    EXPECT_GE(ui_test::BoundsOf(blue).Left, 15);
}

TEST(uiLookAndFeelPainter, VerticalProgressTextRunsDownwardsAndLeavesTheCanvasFontUpright) {
    for (const bool solid : {true, false}) {
        SCOPED_TRACE(solid ? "solid" : "inverted");
        TCanvasOnSurface on(20, 100);
        on.Surface.Fill(vcl::clWhite);
        Default.PaintProgressBar(on.Canvas, true, solid, u"50% 50%", {2, 0, 18, 100}, {0, 0, 20, 100}, {0, 50, 20, 100},
                                 vcl::clBlack);
        const TPixelSet text = ui_test::PixelsOfColor(on.Surface, vcl::clBlack);
        ASSERT_FALSE(text.empty());
        const vcl::TRect bounds = ui_test::BoundsOf(text);
        EXPECT_GT(bounds.Height(), bounds.Width());
        LOGFONTW font{};
        GetObjectW(on.Canvas.Font().Handle(), sizeof(font), &font);
        EXPECT_EQ(font.lfEscapement, 0) << "the canvas's font is upright again";
    }
}

TEST(uiLookAndFeelPainter, SplittersDrawADashedGripInTheMiddle) {
    TCanvasOnSurface on(32, 6);
    on.Surface.Fill(vcl::clLime);
    Default.PaintSplitter(on.Canvas, {0, 0, 30, 6}, false, true);
    const vcl::TColor shadow = PainterRgb(vcl::clBtnShadow);
    std::string line;
    for (int x = 0; x < 30; ++x) {
        line += on.Surface.Pixel(x, 2) == shadow ? '#' : '.';
    }
    // m = (0 + 30) / 2 - 5 = 10: gaps at 10, 13, 16 and 19.
    EXPECT_EQ(line, "##########.##.##.##.##########");
    EXPECT_EQ(on.Surface.Pixel(12, 3), vcl::clWhite) << "the light line one pixel lower right";
    EXPECT_EQ(on.Surface.Pixel(11, 3), vcl::clLime);
    EXPECT_EQ(on.Surface.Pixel(0, 3), vcl::clLime);
    EXPECT_EQ(on.Surface.Pixel(30, 3), vcl::clLime) << "kept inside the rectangle";
}

} // namespace
} // namespace ui
