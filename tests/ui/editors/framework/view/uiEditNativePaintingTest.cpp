// A native-style editor painted through the visual-styles theme, compared with the theme API's own drawing of the
// same parts: the newer edit border and combo drop-down parts on Windows 6.1, the older ones on Windows XP.

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;
using ui_test::TPaintedEditor;

constexpr vcl::TRect nativeBounds{0, 0, 80, 24};

// The theme's own drawing of part over rect on a white surface.
std::unique_ptr<TCanvasSurface> ThemeDrawing(TuxThemedObjectType type, int32_t part, int32_t state,
                                             const vcl::TRect& rect) {
    auto on = std::make_unique<TCanvasSurface>(90, 30);
    UxTheme().DrawThemeBackground(OpenThemeOfType(type), on->Surface.DC(), part, state, rect);
    return on;
}

bool PointIn(const vcl::TRect& rect, int x, int y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

struct TNativeEditor : TPaintedEditor {
    TNativeEditor() {
        Style.LookAndFeel().SetNativeStyle(true);
        Properties.Buttons().Add().SetKind(bkDown);
    }
};

class uiEditNativePainting : public testing::Test {
protected:
    void SetUp() override {
        if (!AreVisualStylesActive({totEdit, totComboBox})) {
            GTEST_SKIP() << "visual styles are not active";
        }
    }
};

TEST_F(uiEditNativePainting, TheNewerThemeFramesTheFieldAndDrawsTheDropDownOverTheWholeHeight) {
    const ui_test::TPinnedSystemInfo windows7({uxPlatformWinNT, 6, 1});
    TNativeEditor editor;
    const auto on = editor.Paint(nativeBounds, 90, 30);
    const TuiCustomEditViewInfo& info = *editor.ViewInfo;
    ASSERT_TRUE(info.NativeStyle);
    ASSERT_EQ(info.ButtonCount(), 1);
    const TuiEditButtonViewInfo& button = info.Buttons(0);
    EXPECT_TRUE(button.ComboLook);
    EXPECT_EQ(button.ThemePart, 6);
    EXPECT_EQ(button.ThemeState, 1);
    EXPECT_EQ(button.Bounds.Top, 0);
    EXPECT_EQ(button.Bounds.Bottom, 24);
    EXPECT_EQ(button.Bounds.Right, 80);
    EXPECT_EQ(info.ThemeState, 1);

    const auto frame = ThemeDrawing(totEdit, 6, 1, nativeBounds);
    const auto dropDown = ThemeDrawing(totComboBox, 6, 1, button.Bounds);
    const vcl::TRect field{2, 2, 78, 22};
    int compared = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (PointIn(button.Bounds, x, y)) {
                if (!button.PartlyTransparent) {
                    ASSERT_EQ(on->Surface.Pixel(x, y), dropDown->Surface.Pixel(x, y)) << x << "," << y;
                }
            } else if (!PointIn(field, x, y)) {
                ASSERT_EQ(on->Surface.Pixel(x, y), frame->Surface.Pixel(x, y)) << x << "," << y;
                ++compared;
            } else {
                ASSERT_EQ(on->Surface.Pixel(x, y), Rgb(vcl::clWindow)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(compared, 0);
}

TEST_F(uiEditNativePainting, BeforeWindows6TheButtonSitsInsideTheFieldsMargins) {
    const ui_test::TPinnedSystemInfo windowsXP({uxPlatformWinNT, 5, 1});
    TNativeEditor editor;
    const auto on = editor.Paint(nativeBounds, 90, 30);
    const TuiEditButtonViewInfo& button = editor.ViewInfo->Buttons(0);
    EXPECT_EQ(button.ThemePart, 1);
    EXPECT_GT(button.Bounds.Top, 0);
    EXPECT_LT(button.Bounds.Right, 80);
    if (!button.PartlyTransparent) {
        const auto dropDown = ThemeDrawing(totComboBox, 1, 1, button.Bounds);
        EXPECT_EQ(on->Surface.Pixel(button.Bounds.Left + 2, 10), dropDown->Surface.Pixel(button.Bounds.Left + 2, 10));
    }
}

TEST_F(uiEditNativePainting, ThemeStatesFollowTheEditor) {
    const ui_test::TPinnedSystemInfo windows7({uxPlatformWinNT, 6, 1});
    TNativeEditor editor;
    TCanvasSurface on(90, 30);
    editor.Calculate(on.Canvas, nativeBounds, {75, 10});
    EXPECT_EQ(editor.ViewInfo->ThemeState, 2);
    EXPECT_EQ(editor.ViewInfo->Buttons(0).ThemeState, 2);
    editor.ViewData->Focused = true;
    editor.Calculate(on.Canvas, nativeBounds);
    EXPECT_EQ(editor.ViewInfo->ThemeState, 5);
    editor.ViewData->Enabled = false;
    editor.Calculate(on.Canvas, nativeBounds);
    EXPECT_EQ(editor.ViewInfo->ThemeState, 4);
    EXPECT_EQ(editor.ViewInfo->Buttons(0).ThemeState, 4);
    // Painting twice gives the same pixels.
    const auto first = editor.Paint(nativeBounds, 90, 30);
    const auto second = editor.Paint(nativeBounds, 90, 30);
    EXPECT_EQ(first->Surface.Pixels(), second->Surface.Pixels());
}

} // namespace
} // namespace ui
