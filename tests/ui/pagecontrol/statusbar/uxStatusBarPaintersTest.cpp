// The four looks painting a bar on a 32-bit surface: where the border, separators and bevels fall and in which
// colours, the Office 2003 gradient, an empty bar, the themed look against the theme's own drawing (and its sizes
// when the theme cannot tell them), and painting twice giving the same pixels.

#include "ui/pagecontrol/statusbar/uxStatusBarPainters.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::AddApplicationPanels;
using ui_test::ApplicationBarWidth;
using ui_test::ShowStatusBarForm;

vcl::TColor Rgb(vcl::TColor color) {
    return ui_test::Rgb(color);
}

bool ColumnIs(const ui_test::TDibSurface& surface, int x, int top, int bottom, vcl::TColor color) {
    return ui_test::AllPixelsAre(surface, {x, top, x + 1, bottom}, Rgb(color));
}

TEST(uxStatusBarPainters, TheStandardLookBevelsEachPanelOnTheBarsColour) {
    auto host = ShowStatusBarForm(ApplicationBarWidth);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    bar.Panels().Item(1).SetBevel(uxpbRaised);
    const auto surface = ui_test::PaintStatusBar(bar);

    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {0, 0, ApplicationBarWidth, 2}, Rgb(vcl::clBtnFace)));
    for (int x : {352, 353, 476, 477}) {
        EXPECT_TRUE(ColumnIs(*surface, x, 2, 20, vcl::clBtnFace)) << x;
    }
    struct TCell {
        int Left, Right;
        vcl::TColor TopLeft, BottomRight;
    };
    const TCell cells[] = {{0, 352, vcl::clBtnShadow, vcl::clBtnHighlight},
                           {354, 476, vcl::clBtnHighlight, vcl::clBtnShadow},
                           {478, 914, vcl::clBtnShadow, vcl::clBtnHighlight}};
    for (const TCell& cell : cells) {
        EXPECT_EQ(surface->Pixel(cell.Left, 2), Rgb(cell.TopLeft)) << cell.Left;
        EXPECT_EQ(surface->Pixel(cell.Right - 1, 19), Rgb(cell.BottomRight)) << cell.Left;
        EXPECT_EQ(surface->Pixel(cell.Left + 1, 10), Rgb(vcl::clBtnFace)) << "one-pixel bevel at " << cell.Left;
    }
    EXPECT_EQ(ui_test::PaintStatusBar(bar)->Pixels(), surface->Pixels()) << "painting twice";
}

TEST(uxStatusBarPainters, TheBorderWidthFramesThePanelsInTheBarsColour) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBar& bar = *host.Bar;
    bar.SetHeight(30);
    bar.CreatePanel();
    bar.SetColor(vcl::clYellow);
    bar.SetBorderWidth(3);
    const auto surface = ui_test::PaintStatusBar(bar);
    EXPECT_EQ(bar.GetPanelsBounds(), (vcl::TRect{3, 5, 397, 27}));
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {0, 0, 400, 5}, Rgb(vcl::clYellow)));
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {0, 27, 400, 30}, Rgb(vcl::clYellow)));
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {0, 5, 3, 27}, Rgb(vcl::clYellow)));
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {397, 5, 400, 27}, Rgb(vcl::clYellow)));
    EXPECT_EQ(surface->Pixel(3, 5), Rgb(vcl::clBtnShadow));
}

TEST(uxStatusBarPainters, TheFlatLookDrawsOneShadowLineForAnyBevelButNone) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBar& bar = *host.Bar;
    const TuxStatusBarPanelBevel bevels[] = {uxpbLowered, uxpbRaised, uxpbNone};
    for (TuxStatusBarPanelBevel bevel : bevels) {
        bar.CreatePanel().SetBevel(bevel);
    }
    bar.SetPaintStyle(stpsFlat);
    std::vector<vcl::TRect> contents;
    for (int32_t i = 0; i < 3; ++i) {
        bar.Panels().Item(i).SetOnDrawPanel(
            [&contents](TuxStatusBarPanel*, TuiCanvas&, const vcl::TRect& rect, bool&) { contents.push_back(rect); });
    }
    const auto surface = ui_test::PaintStatusBar(bar);
    const std::vector<int> lefts = ui_test::CellLefts(bar);
    for (int panel : {0, 1}) {
        const int left = lefts[2 * panel];
        const int right = lefts[2 * panel + 1] - 1;
        EXPECT_EQ(surface->Pixel(left, 2), Rgb(vcl::clBtnShadow)) << panel;
        EXPECT_EQ(surface->Pixel(right, 19), Rgb(vcl::clBtnShadow)) << panel;
        EXPECT_EQ(surface->Pixel(left + 1, 10), Rgb(vcl::clBtnFace)) << panel;
        EXPECT_EQ(contents[panel], (vcl::TRect{left + 1, 3, right, 19})) << panel;
    }
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {lefts[4], 2, 400, 20}, Rgb(vcl::clBtnFace)));
    EXPECT_EQ(contents[2], (vcl::TRect{lefts[4], 2, 400, 20})) << "no bevel, no shrink";
}

TEST(uxStatusBarPainters, TheOffice2003LookIsOneGradientWithFramedPanels) {
    ASSERT_FALSE(IsOffice11SchemeActive()) << "Wine's theme has no Office 2003 colour scheme";
    auto host = ShowStatusBarForm(ApplicationBarWidth);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    bar.SetPaintStyle(stpsOffice11);
    const auto surface = ui_test::PaintStatusBar(bar);

    EXPECT_EQ(bar.GetPanelsBounds(), (vcl::TRect{1, 1, ApplicationBarWidth - 1, 19}));
    ui_test::TCanvasOnSurface expected(ApplicationBarWidth, 20);
    const TuxOffice11Colors& colors = Office11Colors();
    PaintTwoPhaseGradient(expected.Surface.DC(), {0, 0, ApplicationBarWidth, 20}, colors.Office11BarLightColor,
                          colors.Office11BarDarkColor, false);
    GdiFlush();
    const vcl::TColor frame = MixColors(colors.Office11BarDarkColor, vcl::clBlack, 90);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(surface->Pixel(0, y), expected.Surface.Pixel(0, y)) << "border row " << y;
        // Nothing is drawn between panels: the gradient shows.
        EXPECT_EQ(surface->Pixel(353, y), expected.Surface.Pixel(353, y)) << "separator row " << y;
    }
    for (int left : {1, 355, 479}) {
        EXPECT_EQ(surface->Pixel(left, 1), frame) << left;
        EXPECT_EQ(surface->Pixel(left, 18), frame) << left;
        EXPECT_EQ(surface->Pixel(left + 1, 10), expected.Surface.Pixel(left + 1, 10)) << "inside " << left;
    }
}

TEST(uxStatusBarPainters, ABarWithoutVisiblePanelsShowsOneLoweredEmptyPanel) {
    auto host = ShowStatusBarForm(300);
    TuxStatusBar& bar = *host.Bar;
    bar.CreatePanel().SetVisible(false);
    const auto surface = ui_test::PaintStatusBar(bar);
    // A sunken outer edge: shadow along the top and left, highlight along the bottom and right.
    EXPECT_EQ(surface->Pixel(0, 2), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(150, 2), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(0, 10), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(299, 10), Rgb(vcl::clBtnHighlight));
    EXPECT_EQ(surface->Pixel(150, 19), Rgb(vcl::clBtnHighlight));
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, {1, 3, 299, 19}, Rgb(vcl::clBtnFace)));
    EXPECT_EQ(bar.HitTestPanel(100, 10), nullptr);
}

// The theme's own drawing of the status parts where the themed look puts them.
TEST(uxStatusBarPainters, TheThemedLookDrawsTheThemesStatusParts) {
    ui_test::TThemeApiDouble api;
    CloseAllThemeHandles();
    auto host = ShowStatusBarForm(600, vcl::bsSizeable);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    bar.SetPaintStyle(stpsXP);
    ASSERT_EQ(&bar.Painter(), &TuxStatusBarXPPainter::Instance());
    ASSERT_TRUE(bar.IsSizeGripVisible());
    const auto surface = ui_test::PaintStatusBar(bar);

    HTHEME theme = OpenThemeOfType(totStatus);
    ASSERT_NE(theme, nullptr);
    const TuxStatusBarXPPainter& painter = TuxStatusBarXPPainter::Instance();
    const vcl::TSize grip = painter.GetSizeGripSize();
    const int separator = painter.SeparatorWidth();
    ASSERT_EQ(bar.ViewInfo().Widths()[1], separator);
    const vcl::TRect background{0, 0, 600, 20};
    const vcl::TRect pane{352, 2, 352 + separator, 20};
    const vcl::TRect gripper{599 - grip.cx, 20 - grip.cy, 599, 20};
    ui_test::TDibSurface expected(600, 20);
    expected.Fill(vcl::clFuchsia);
    for (const auto& [part, rect] : {std::pair{uxStatusPartBackground, background}, std::pair{uxStatusPartPane, pane},
                                     std::pair{uxStatusPartGripper, gripper}}) {
        UxTheme().DrawThemeBackground(theme, expected.DC(), part, 0, rect);
    }
    GdiFlush();
    for (const auto& [name, rect] :
         {std::pair{"top strip", vcl::TRect{0, 0, 600, 2}}, std::pair{"pane", pane}, std::pair{"gripper", gripper}}) {
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            for (int x = rect.Left; x < rect.Right; ++x) {
                ASSERT_EQ(surface->Pixel(x, y), expected.Pixel(x, y)) << name << " at " << x << "," << y;
            }
        }
    }
    CloseAllThemeHandles();
}

// A theme that opens the status class but cannot tell the size of any part.
class TSizelessTheme final : public TuxThemeApi {
public:
    TSizelessTheme() : FPrevious(SetUxTheme(this)) {}
    ~TSizelessTheme() override { SetUxTheme(FPrevious); }
    int32_t GetThemePartSize(HTHEME, HDC, int32_t, int32_t, const vcl::TRect*, int32_t, vcl::TSize&) const override {
        return static_cast<int32_t>(E_NOTIMPL);
    }

private:
    const TuxThemeApi* FPrevious;
};

TEST(uxStatusBarPainters, TheThemedLookTakesStandardSizesWhenTheThemeCannotTellThem) {
    TSizelessTheme theme;
    CloseAllThemeHandles();
    ASSERT_NE(OpenThemeOfType(totStatus), nullptr);
    const TuxStatusBarXPPainter& painter = TuxStatusBarXPPainter::Instance();
    EXPECT_EQ(painter.SeparatorWidth(), 2);
    EXPECT_EQ(painter.GetSizeGripSize(), (vcl::TSize{16, 16}));
    CloseAllThemeHandles();
}

} // namespace
} // namespace ui
