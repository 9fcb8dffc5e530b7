// The bar's layout as the application's main form shows it, the size grip in the corner of a sizeable form (and
// nowhere else), and mouse clicks turned into panel events.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::AddApplicationPanels;
using ui_test::ApplicationBarWidth;
using ui_test::ShowStatusBarForm;

TEST(uxStatusBarLayout, TheApplicationsPanelsShareTheBar) {
    auto host = ShowStatusBarForm(ApplicationBarWidth);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    ASSERT_EQ(bar.Width(), ApplicationBarWidth);
    ASSERT_EQ(bar.Height(), 20);
    EXPECT_FALSE(bar.IsSizeGripVisible()) << "a bsSingle form has no grip";
    EXPECT_EQ(bar.ViewInfo().Widths(), (std::vector<int32_t>{352, 2, 122, 2, 436}));
    const vcl::TRect panels = bar.GetPanelsBounds();
    EXPECT_EQ(panels.Top, 2);
    EXPECT_EQ(panels.Bottom, 20);

    // A panel that may grow takes the rest, and the last keeps its own width.
    bar.Panels().Item(0).SetFixed(false);
    EXPECT_EQ(bar.ViewInfo().Widths(), (std::vector<int32_t>{736, 2, 122, 2, 52}));

    // Hidden panels take no cell.
    bar.Panels().Item(1).SetVisible(false);
    EXPECT_EQ(bar.ViewInfo().Widths(), (std::vector<int32_t>{860, 2, 52}));
}

TEST(uxStatusBarLayout, ClicksReachThePanelUnderThePointerButNotSeparators) {
    auto host = ShowStatusBarForm(ApplicationBarWidth, vcl::bsSingle);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    std::vector<std::string> events;
    for (int32_t i = 0; i < bar.Panels().Count(); ++i) {
        bar.Panels().Item(i).SetOnClick(
            [&events, i](rtl::TObject*) { events.push_back("click " + std::to_string(i)); });
        bar.Panels().Item(i).SetOnDblClick(
            [&events, i](rtl::TObject*) { events.push_back("double " + std::to_string(i)); });
    }
    ui_test::Click(bar, {353, 10});
    ui_test::Click(bar, {477, 10});
    EXPECT_TRUE(events.empty()) << "separators belong to no panel";

    ui_test::Click(bar, {400, 10});
    EXPECT_EQ(events, (std::vector<std::string>{"click 1"}));
    events.clear();
    ui_test::DoubleClick(bar, {10, 10});
    EXPECT_EQ(events, (std::vector<std::string>{"click 0", "double 0", "click 0"}));
    EXPECT_EQ(bar.HitTestPanel(10, 1), nullptr) << "the top strip belongs to no panel";
}

// A bar whose panels each fill their whole content with red, so what the clip region keeps out stays unpainted.
void PaintPanelsRed(TuxCustomStatusBar& bar) {
    for (int32_t i = 0; i < bar.Panels().Count(); ++i) {
        bar.Panels().Item(i).SetOnDrawPanel([](TuxStatusBarPanel*, TuiCanvas& canvas, const vcl::TRect&, bool& done) {
            canvas.FillRectColor({0, 0, 30000, 30000}, vcl::clRed);
            done = true;
        });
    }
}

LRESULT HitTestAt(TuxCustomStatusBar& bar, vcl::TPoint client) {
    POINT screen{client.X, client.Y};
    ClientToScreen(bar.WindowHandle(), &screen);
    return SendMessageW(bar.WindowHandle(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

TEST(uxStatusBarLayout, TheSizeGripShowsInTheCornerOfASizeableRestoredForm) {
    auto host = ShowStatusBarForm(600, vcl::bsSizeable);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    PaintPanelsRed(bar);
    ASSERT_TRUE(bar.IsSizeGripVisible());
    TuxStatusBarPanel& last = bar.Panels().Item(2);
    EXPECT_EQ(last.GetRealWidth(), last.Width() + 18);
    EXPECT_EQ(bar.ViewInfo().Widths().back(), 600 - 352 - 2 - 122 - 2);

    EXPECT_EQ(HitTestAt(bar, {599, 19}), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTestAt(bar, {582, 2}), HTBOTTOMRIGHT);
    EXPECT_NE(HitTestAt(bar, {581, 10}), HTBOTTOMRIGHT);

    // The panels paint round the grip: its square keeps the bar's colour and dots inside 16 x 16.
    auto surface = ui_test::PaintStatusBar(bar);
    const vcl::TRect grip{600 - 1 - 16, 20 - 1 - 16, 600 - 1, 20 - 1};
    int red = 0;
    for (int y = grip.Top; y < grip.Bottom; ++y) {
        for (int x = grip.Left; x < grip.Right; ++x) {
            red += surface->Pixel(x, y) == ui_test::Rgb(vcl::clRed) ? 1 : 0;
        }
    }
    EXPECT_EQ(red, 0);
    EXPECT_EQ(surface->Pixel(500, 10), ui_test::Rgb(vcl::clRed));
    int dots = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 560; x < 600; ++x) {
            const vcl::TColor pixel = surface->Pixel(x, y);
            if (pixel != ui_test::Rgb(vcl::clRed) && pixel != ui_test::Rgb(vcl::clBtnFace)) {
                ++dots;
                EXPECT_TRUE(grip.Contains({x, y})) << x << "," << y;
            }
        }
    }
    EXPECT_GT(dots, 0);
}

TEST(uxStatusBarLayout, NoGripElsewhere) {
    struct TCase {
        const char* Name;
        vcl::TFormBorderStyle BorderStyle;
        bool SizeGrip;
        bool Maximised;
        bool OffTheCorner;
    };
    const TCase cases[] = {
        {"bsSingle", vcl::bsSingle, true, false, false},
        {"SizeGrip False", vcl::bsSizeable, false, false, false},
        {"maximised", vcl::bsSizeable, true, true, false},
        {"off the corner", vcl::bsSizeable, true, false, true},
    };
    for (const TCase& c : cases) {
        auto host = ShowStatusBarForm(600, c.BorderStyle);
        TuxStatusBar& bar = *host.Bar;
        AddApplicationPanels(bar);
        PaintPanelsRed(bar);
        bar.SetSizeGrip(c.SizeGrip);
        if (c.Maximised) {
            ShowWindow(host.Form->WindowHandle(), SW_MAXIMIZE);
            ui_test::PumpMessages(0);
        }
        if (c.OffTheCorner) {
            bar.SetAlign(vcl::alNone);
            bar.SetBounds(0, 50, 500, 20);
        }
        EXPECT_FALSE(bar.IsSizeGripVisible()) << c.Name;
        EXPECT_EQ(bar.Panels().Item(2).GetRealWidth(), 52) << c.Name;
        EXPECT_NE(HitTestAt(bar, {bar.Width() - 1, 19}), HTBOTTOMRIGHT) << c.Name;
        auto surface = ui_test::PaintStatusBar(bar);
        EXPECT_EQ(surface->Pixel(bar.Width() - 3, 17), ui_test::Rgb(vcl::clRed)) << c.Name;
    }
}

} // namespace
} // namespace ui
