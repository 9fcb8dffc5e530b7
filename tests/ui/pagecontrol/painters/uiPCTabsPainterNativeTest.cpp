// The Tabs style under visual styles: the tab theme class's parts and states for the tabs of a row, each side's tab
// as the theme's top tab turned into place, the navigator buttons as spin and window parts, and unthemed drawing
// when the tab class does not open.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/pagecontrol/painters/uiPCTabsPainter.h"
#include "vcl/stdctrls/Edit.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

struct TDrawnPart {
    HTHEME Theme;
    int32_t Part;
    int32_t State;
    vcl::TRect Rect;
};

// The system's theme, with every background it draws noted.
class TRecordingTheme final : public TuxThemeApi {
public:
    TRecordingTheme() : FPrevious(SetUxTheme(this)) {}
    ~TRecordingTheme() override { SetUxTheme(FPrevious); }
    TRecordingTheme(const TRecordingTheme&) = delete;
    TRecordingTheme& operator=(const TRecordingTheme&) = delete;

    int32_t DrawThemeBackground(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                const vcl::TRect* clipRect) const override {
        Drawn.push_back({theme, part, state, rect});
        return TuxThemeApi::DrawThemeBackground(theme, dc, part, state, rect, clipRect);
    }

    // The (part, state) pairs drawn with type's theme, in order.
    std::vector<std::pair<int32_t, int32_t>> PartsOf(TuxThemedObjectType type) const {
        std::vector<std::pair<int32_t, int32_t>> parts;
        for (const TDrawnPart& drawn : Drawn) {
            if (drawn.Theme == NativeTheme(type)) {
                parts.emplace_back(drawn.Part, drawn.State);
            }
        }
        return parts;
    }

    mutable std::vector<TDrawnPart> Drawn;

private:
    const TuxThemeApi* FPrevious;
};

// A themed control on a form whose focus sits in an edit, so no focus frame is drawn.
struct TNativeTabs {
    ui_test::TTabControlForm Host = ui_test::ShowTabControlForm(300, 150);
    TuiTabControl& Control = *Host.Control;

    TNativeTabs() {
        auto* edit = new vcl::TEdit(Host.Form.get());
        edit->SetBounds(0, 0, 10, 10);
        edit->SetParent(Host.Form.get());
        edit->SetFocus();
        Control.SetParentBackground(false);
        Control.LookAndFeel().SetNativeStyle(true);
        ui_test::ProcessPendingMessages();
    }
};

using TParts = std::vector<std::pair<int32_t, int32_t>>;

TEST(uiPCTabsPainterNative, ARowsTabsAreTheItemsWithTheirEdges) {
    TNativeTabs tabs;
    TuiTabControl& control = tabs.Control;
    ASSERT_TRUE(control.Painter().IsNativePainting()) << "visual styles are on under Wine";
    ui_test::AddTabs(control, {u"One", u"Two", u"Three"});
    control.SetTabIndex(1);
    const TRecordingTheme theme;
    ui_test::PaintTabControl(control);
    const TParts tabParts = theme.PartsOf(totTab);
    ASSERT_GE(tabParts.size(), 4u);
    EXPECT_EQ(TParts(tabParts.begin(), tabParts.begin() + 3), (TParts{{5, 3}, {2, 1}, {3, 1}}))
        << "the active tab first, then the first and last";
    EXPECT_EQ(tabParts.back(), (std::pair{9, 0})) << "the pane";
    control.SetMultiLine(true);
    control.SetTabIndex(2);
    int32_t part = 0;
    int32_t state = 0;
    control.Painter().GetNativeTabPartAndState(2, part, state);
    EXPECT_EQ(std::pair(part, state), (std::pair{7, 3})) << "in a multi-line control the active last tab has its edge";
}

TEST(uiPCTabsPainterNative, EachSidesTabIsTheThemesTopTabTurned) {
    struct TSide {
        TuiTabPosition Position;
        TuiRotationAngle Face;
        bool Mirrored;
        TuiRotationAngle Final;
    };
    const TSide sides[] = {{tpTop, TuiRotationAngle::None, false, TuiRotationAngle::None},
                           {tpBottom, TuiRotationAngle::None, true, TuiRotationAngle::None},
                           {tpLeft, TuiRotationAngle::HalfTurn, true, TuiRotationAngle::CounterClockwise},
                           {tpRight, TuiRotationAngle::HalfTurn, false, TuiRotationAngle::CounterClockwise}};
    TNativeTabs tabs;
    TuiTabControl& control = tabs.Control;
    control.SetColor(vcl::clYellow);
    control.SetTabWidth(50);
    control.Tabs().Add(u"");
    for (const TSide& side : sides) {
        control.SetTabPosition(side.Position);
        const TuiTab& tab = control.Tabs().Tab(0);
        const vcl::TRect rect = TuiPCCustomPainter::GrowTowardPage(tab.GetFullRect(), tab.EffectiveTabPosition(), 1);
        const bool across = side.Position == tpLeft || side.Position == tpRight;
        TuiBitmap32 expected(across ? rect.Height() : rect.Width(), across ? rect.Width() : rect.Height());
        expected.Canvas().FillRectColor(expected.GetClientRect(), vcl::clYellow);
        UxTheme().DrawThemeBackground(NativeTheme(totTab), expected.Canvas().Handle(), 6, 3, expected.GetClientRect());
        expected.Rotate(side.Face, side.Mirrored);
        expected.Rotate(side.Final);
        ASSERT_EQ(expected.Width(), rect.Width());
        ASSERT_EQ(expected.Height(), rect.Height());
        const auto surface = ui_test::PaintTabControl(control);
        ui_test::TDibSurface turned(rect.Width(), rect.Height());
        BitBlt(turned.DC(), 0, 0, rect.Width(), rect.Height(), expected.Canvas().Handle(), 0, 0, SRCCOPY);
        GdiFlush();
        int differing = 0;
        for (int y = 0; y < rect.Height(); ++y) {
            for (int x = 0; x < rect.Width(); ++x) {
                differing += surface->Pixel(rect.Left + x, rect.Top + y) != turned.Pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "side " << int(side.Position);
    }
}

TEST(uiPCTabsPainterNative, NavigatorButtonsAreSpinAndWindowParts) {
    TNativeTabs tabs;
    TuiTabControl& control = tabs.Control;
    ui_test::AddNumberedTabs(control, 20);
    control.SetOptions({pcoGoDialog, pcoCloseButton});
    const TRecordingTheme theme;
    ui_test::PaintTabControl(control);
    // The left arrow is disabled at the start.
    EXPECT_EQ(theme.PartsOf(totSpin), (TParts{{2, 1}, {4, 4}, {3, 1}}));
    EXPECT_EQ(theme.PartsOf(totWindow), (TParts{{19, 1}}));
    theme.Drawn.clear();
    control.SetTabPosition(tpLeft);
    ui_test::PaintTabControl(control);
    // Left tabs run upward from the bottom: the up arrow scrolls on, the down arrow starts disabled.
    EXPECT_EQ(theme.PartsOf(totSpin), (TParts{{1, 1}, {2, 4}, {2, 1}})) << "up, down and the go-dialog button";
    const auto& queue = dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue();
    EXPECT_EQ(queue.front().Bounds.Width(), 17) << "themed buttons are 17 across";
}

TEST(uiPCTabsPainterNative, APagesBackgroundIsThePaneUnderIt) {
    TNativeTabs tabs;
    TuiTabControl& control = tabs.Control;
    ui_test::AddTabs(control, {u"One"});
    const TRecordingTheme theme;
    ui_test::TDibSurface page(100, 100);
    control.Painter().DrawNativePageBackground(page.DC(), {10, 40});
    ASSERT_EQ(theme.Drawn.size(), 1u);
    EXPECT_EQ(theme.Drawn[0].Part, 9);
    const vcl::TRect bounds = control.Painter().GetPageBoundsRect();
    EXPECT_EQ(theme.Drawn[0].Rect,
              (vcl::TRect{bounds.Left - 12, bounds.Top - 42, bounds.Right - 8, bounds.Bottom - 38}))
        << "the pane over the page bounds grown by 2, seen from the page's corner";
}

TEST(uiPCTabsPainterNative, WithoutTheTabClassTheTabsAreDrawnUnthemed) {
    TNativeTabs tabs;
    TuiTabControl& control = tabs.Control;
    ui_test::AddTabs(control, {u"One", u"Two", u"Three"});
    control.LookAndFeel().SetNativeStyle(false);
    const auto plain = ui_test::PaintTabControl(control);
    {
        ui_test::TThemeApiDouble api;
        api.HiddenClasses.insert(u"Tab");
        CloseAllThemeHandles();
        control.LookAndFeel().SetNativeStyle(true);
        EXPECT_FALSE(control.Painter().IsNativePainting());
        EXPECT_EQ(ui_test::PaintTabControl(control)->Pixels(), plain->Pixels());
    }
    CloseAllThemeHandles();
    EXPECT_TRUE(control.Painter().IsNativePainting());
}

} // namespace
} // namespace ui
