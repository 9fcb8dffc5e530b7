// The native look against Wine's visual style through the theme seam: parts drawn by the theme in the states the
// platform numbers, falling back to the standard look element by element when a class does not open, and the
// operations that draw nothing without a theme.

#include "ui/core/painters/looks/uiNativePainter.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "ui/core/painters/looks/uiStandardPainter.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

const TuiWinXPLookAndFeelPainter& Native = TuiWinXPLookAndFeelPainter::Instance();
const TuiStandardLookAndFeelPainter& StandardLookForNative = TuiStandardLookAndFeelPainter::Instance();

using TNativeDrawing = std::function<void(TuiCanvas& canvas)>;

std::vector<uint32_t> PixelsOf(const TNativeDrawing& draw, int width = 40, int height = 30) {
    TCanvasOnSurface on(width, height);
    on.Surface.Fill(vcl::clFuchsia);
    draw(on.Canvas);
    return on.Surface.Pixels();
}

// Every test starts with no cached theme, so a class hidden by the test does not open from the cache.
class uiNativePainter : public testing::Test {
protected:
    void SetUp() override { CloseAllThemeHandles(); }
    void TearDown() override {
        Api.HiddenClasses.clear();
        if (Api.StylesOff) {
            Api.StylesOff = false;
            ui_test::TThemeApiDouble::AnnounceThemeChange();
        }
        CloseAllThemeHandles();
    }

    ui_test::TThemeApiDouble Api;
};

TEST_F(uiNativePainter, WithoutTheTreeViewClassExpandBoxesAreStandardWhileButtonsStayThemed) {
    ASSERT_TRUE(AreVisualStylesActive());
    Api.HiddenClasses.insert(u"TreeView");
    const vcl::TRect box{4, 4, 16, 16};
    const auto nativeBox = PixelsOf([&](TuiCanvas& c) { Native.PaintExpandBox(c, box, true, vcl::clDefault); });
    const auto standardBox =
        PixelsOf([&](TuiCanvas& c) { StandardLookForNative.PaintExpandBox(c, box, true, vcl::clDefault); });
    EXPECT_EQ(nativeBox, standardBox);
    EXPECT_EQ(Native.ExpandBoxSize(), 12);
    EXPECT_EQ(Native.SmallExpandBoxSize(), 9);

    const vcl::TRect button{2, 2, 38, 26};
    const auto draw = [&](const TuiCustomLookAndFeelPainter& painter) {
        return PixelsOf([&](TuiCanvas& c) {
            painter.PaintButton(c, button, {}, uibsNormal, true, vcl::clDefault, vcl::clDefault, false, false);
        });
    };
    EXPECT_NE(draw(Native), draw(StandardLookForNative));
    EXPECT_EQ(Native.CheckFrameWidth(), 0);
}

TEST_F(uiNativePainter, ButtonStatesTakeThePlatformsPartStates) {
    HTHEME buttonTheme = OpenThemeOfType(totButton);
    ASSERT_NE(buttonTheme, nullptr);
    const vcl::TRect rect{2, 2, 38, 26};
    const auto theme = [&](int32_t part, int32_t state) {
        return PixelsOf(
            [&](TuiCanvas& c) { UxTheme().DrawThemeBackground(buttonTheme, c.Handle(), part, state, rect); });
    };
    EXPECT_EQ(PixelsOf([&](TuiCanvas& c) { Native.PaintArrowButtonFace(c, rect, uibsDefault); }), theme(1, 5))
        << "a default push button is the theme's defaulted button";
    EXPECT_EQ(PixelsOf([&](TuiCanvas& c) { Native.PaintCheckMark(c, rect, uibsHot, true, vcl::clBlack); }),
              theme(3, 6));

    const auto navigator = [&](TuiButtonState state) {
        return PixelsOf([&](TuiCanvas& c) { Native.PaintNavigatorButton(c, rect, state); });
    };
    EXPECT_EQ(navigator(uibsDefault), navigator(uibsNormal)) << "default and normal share the tool bar's state 2";
}

TEST_F(uiNativePainter, WithoutVisualStylesItDrawsTheStandardLookAndReportsNoThemedSizes) {
    Api.StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    EXPECT_FALSE(Native.IsThemedStyle());
    EXPECT_EQ(Native.FrameWidth(), 2);
    EXPECT_EQ(Native.ButtonFrameWidth(uibsDefault), 2);
    EXPECT_EQ(Native.RadioGlyphSize(), (vcl::TSize{0, 0}));
    EXPECT_EQ(Native.CaptionButtonSize(), (vcl::TSize{0, 0}));
    EXPECT_EQ(Native.ScrollBarThumbMinSize(true), StandardLookForNative.ScrollBarThumbMinSize(true));
    const vcl::TRect rect{0, 0, 17, 17};
    for (const TuiScrollBarPart part : {sbpLineUp, sbpThumb, sbpPageUp}) {
        EXPECT_EQ(PixelsOf([&](TuiCanvas& c) { Native.PaintScrollBarElement(c, true, rect, part, uibsNormal); }),
                  PixelsOf([&](TuiCanvas& c) {
                      StandardLookForNative.PaintScrollBarElement(c, true, rect, part, uibsNormal);
                  }))
            << part;
    }
    const auto untouched = PixelsOf([](TuiCanvas&) {});
    EXPECT_EQ(
        PixelsOf([&](TuiCanvas& c) { Native.PaintRadioGlyph(c, 2, 2, uibsNormal, true, false, vcl::clRed, false); }),
        untouched);
}

TEST_F(uiNativePainter, ASelectedTabCoversThePanesLineAndOthersLeaveIt) {
    ASSERT_NE(OpenThemeOfType(totTab), nullptr);
    const vcl::TRect tab{4, 4, 36, 24};
    const auto lastRow = [&](TuiButtonState state) {
        TCanvasOnSurface on;
        on.Surface.Fill(vcl::clFuchsia);
        Native.PaintTab(on.Canvas, tab, {bLeft, bTop, bRight}, u"", state, false, nullptr, vcl::clBlack, vcl::clDefault,
                        false);
        return on.Surface.Pixel(20, tab.Bottom - 1);
    };
    EXPECT_EQ(lastRow(uibsNormal), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clFuchsia)));
    EXPECT_NE(lastRow(uibsPressed), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clFuchsia)));
    EXPECT_TRUE(Native.PaintsTabs(false));
}

TEST_F(uiNativePainter, AVerticalTabIsTheHorizontalTabTurned) {
    const auto draw = [&](const vcl::TRect& rect, bool vertical) {
        TCanvasOnSurface on(40, 40);
        on.Surface.Fill(vcl::clFuchsia);
        Native.PaintTab(on.Canvas, rect, uiAllBorders, u"", uibsHot, vertical, nullptr, vcl::clBlack, vcl::clDefault,
                        false);
        return on.Surface.Pixels();
    };
    const std::vector<uint32_t> horizontal = draw({0, 0, 30, 16}, false);
    const std::vector<uint32_t> vertical = draw({0, 0, 16, 30}, true);
    // The vertical tab is the horizontal one turned a quarter counter-clockwise: (x, y) goes to (y, 29 - x).
    int mismatches = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (horizontal[static_cast<size_t>(y * 40 + x)] != vertical[static_cast<size_t>((29 - x) * 40 + y)]) {
                ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace ui
