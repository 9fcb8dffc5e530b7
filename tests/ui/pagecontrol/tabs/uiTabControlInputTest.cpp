// The tab control driven as a user drives it: clicks select tabs and focus the control, keys move between selectable
// tabs (Ctrl+Tab wrapping round, arrows not), accelerators select their tab, the close button closes the selected
// tab unless OnCanClose refuses, and hot tracking colours the captions.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/pagecontrol/painters/uiPCStandardPainter.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::ShowTabControlForm;

// A control on the test display with five tabs, the first one disabled, focused.
struct TFocusedTabs {
    ui_test::TTabControlForm Host = ShowTabControlForm(400, 120, ui_test::TFormPlacement::OnScreen);
    TuiTabControl& Control = *Host.Control;

    TFocusedTabs() {
        ui_test::AddTabs(Control, {u"&File", u"Edit", u"View", u"Tools", u"Help"});
        Control.Tabs().Tab(0).SetEnabled(false);
        Control.SetTabIndex(4);
        Control.SetFocus();
        ui_test::ProcessPendingMessages();
    }
};

TEST(uiTabControlInput, KeysStepBetweenSelectableTabs) {
    TFocusedTabs tabs;
    TuiTabControl& control = tabs.Control;
    ASSERT_TRUE(control.Focused());
    ui_test::PressKey(VK_RIGHT);
    EXPECT_EQ(control.TabIndex(), 4) << "Right on the last tab does nothing";
    EXPECT_TRUE(control.Focused()) << "and the key is not passed on to move the focus";
    ui_test::PressKey(VK_TAB, {vcl::ssCtrl});
    EXPECT_EQ(control.TabIndex(), 1) << "Ctrl+Tab wraps to the first selectable tab";
    ui_test::PressKey(VK_TAB, {vcl::ssCtrl, vcl::ssShift});
    EXPECT_EQ(control.TabIndex(), 4) << "Ctrl+Shift+Tab wraps backward";
    ui_test::PressKey(VK_LEFT);
    EXPECT_EQ(control.TabIndex(), 3);
    ui_test::PressKey(VK_HOME);
    EXPECT_EQ(control.TabIndex(), 1) << "Home skips the disabled tab";
    ui_test::PressKey(VK_LEFT);
    EXPECT_EQ(control.TabIndex(), 1);
    ui_test::PressKey(VK_END);
    EXPECT_EQ(control.TabIndex(), 4);
}

TEST(uiTabControlInput, AnAcceleratorSelectsItsTab) {
    TFocusedTabs tabs;
    TuiTabControl& control = tabs.Control;
    control.Tabs().Tab(0).SetEnabled(true);
    EXPECT_EQ(control.Perform(vcl::CM_DIALOGCHAR, u'f'), 1);
    EXPECT_EQ(control.TabIndex(), 0);
    EXPECT_EQ(control.Perform(vcl::CM_DIALOGCHAR, u'x'), 0);
    control.SetTabIndex(2);
    ui_test::PressKey('F', {vcl::ssAlt});
    EXPECT_EQ(control.TabIndex(), 0) << "Alt+F reaches the control through its form";
    control.Tabs().Tab(0).SetEnabled(false);
    control.SetTabIndex(2);
    EXPECT_EQ(control.Perform(vcl::CM_DIALOGCHAR, u'f'), 0) << "a disabled tab takes no accelerator";
}

TEST(uiTabControlInput, TheControlWantsTheArrowKeys) {
    auto host = ShowTabControlForm(200, 100);
    EXPECT_NE(host.Control->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);
}

TEST(uiTabControlInput, AClickSelectsATabAndFocusesTheControl) {
    TFocusedTabs tabs;
    TuiTabControl& control = tabs.Control;
    auto* edit = new vcl::TEdit(tabs.Host.Form.get());
    edit->SetBounds(0, 100, 100, 20);
    edit->SetParent(tabs.Host.Form.get());
    edit->SetFocus();
    ui_test::ProcessPendingMessages();
    ASSERT_FALSE(control.Focused());
    int changes = 0;
    control.SetOnChange([&changes](rtl::TObject*) { ++changes; });
    ui_test::Click(control, ui_test::TabCenter(control, 2));
    EXPECT_EQ(control.TabIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(control.Focused());
    ui_test::Click(control, ui_test::TabCenter(control, 0));
    EXPECT_EQ(control.TabIndex(), 2) << "a disabled tab is not selected";
}

TEST(uiTabControlInput, TheCloseButtonClosesTheSelectedTabUnlessOnCanCloseRefuses) {
    TFocusedTabs tabs;
    TuiTabControl& control = tabs.Control;
    control.SetOptions(uiPCDefaultOptions + TuiPCOptions{pcoCloseButton});
    control.SetTabIndex(2);
    vcl::TRect close;
    for (const auto& entry : dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue()) {
        if (entry.Button == nbClose) {
            close = entry.Bounds;
        }
    }
    ASSERT_FALSE(close.IsEmpty());
    const vcl::TPoint center{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
    bool allow = false;
    int asked = 0;
    control.SetOnCanClose([&](rtl::TObject*, bool& canClose) {
        ++asked;
        canClose = allow;
    });
    ui_test::Click(control, center);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(control.Tabs().Count(), 5);
    allow = true;
    ui_test::Click(control, center);
    ASSERT_EQ(control.Tabs().Count(), 4);
    EXPECT_EQ(control.Tabs().IndexOf(u"View"), -1);
    EXPECT_EQ(control.TabIndex(), 2) << "the next tab takes the closed one's place";
}

TEST(uiTabControlInput, HotTrackingColoursTheCaptionUnderThePointer) {
    TFocusedTabs tabs;
    TuiTabControl& control = tabs.Control;
    control.SetHotTrack(true);
    control.Tabs().Tab(3).SetHighlighted(true);
    ui_test::MouseMove(control, ui_test::TabCenter(control, 2));
    EXPECT_EQ(control.HotTabVisibleIndex(), 2);
    TuiPCCustomPainter& painter = control.Painter();
    EXPECT_EQ(painter.GetTabTextColor(2), uiPCHotLightColor);
    EXPECT_EQ(painter.GetTabTextColor(3), vcl::clHighlightText);
    EXPECT_EQ(painter.GetTabTextColor(1), vcl::clBtnText);
    ui_test::MouseMove(control, ui_test::TabCenter(control, 0));
    EXPECT_EQ(control.HotTabVisibleIndex(), -1) << "a disabled tab is never hot";
    ui_test::MouseMove(control, {200, 100});
    EXPECT_EQ(control.HotTabVisibleIndex(), -1);
}

} // namespace
} // namespace ui
