// The tab control's layout: an empty control, a single line that scrolls with navigator arrows (held down, they
// repeat on a timer), the go-dialog button, balanced rows of a multi-line control with the selected row moved to
// the page or the rows after it moved to the far side, the wheel, rotated tabs, the length every tab needs and the
// first displayed tab set from outside.

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/pagecontrol/painters/uiPCStandardPainter.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::AddNumberedTabs;
using ui_test::ShowTabControlForm;

vcl::TRect ButtonBounds(TuiCustomTabControl& control, TuiPCNavigatorButton button) {
    for (const auto& entry : dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue()) {
        if (entry.Button == button) {
            return entry.Bounds;
        }
    }
    return {};
}

// Tabs of 60 in rows on a line of 200 (the Tabs style's line is the control's width less 4).
ui_test::TTabControlForm ShowMultiLineTabs(int height, int count, bool scrollOpposite = false) {
    auto host = ShowTabControlForm(204, height);
    host.Control->SetTabWidth(60);
    host.Control->SetMultiLine(true);
    host.Control->SetScrollOpposite(scrollOpposite);
    AddNumberedTabs(*host.Control, count);
    return host;
}

vcl::TPoint CenterOf(const vcl::TRect& rect) {
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

TEST(uiTabControlLayout, AnEmptyControlLaysOutAndPaintsItsFrame) {
    auto host = ShowTabControlForm(200, 120);
    TuiTabControl& control = *host.Control;
    control.RecalculateLayout();
    EXPECT_EQ(control.RowCount(), 0);
    EXPECT_TRUE(control.NavigatorButtons().IsEmpty());
    const auto surface = ui_test::PaintTabControl(control);
    EXPECT_EQ(surface->Pixel(0, 0), ui_test::Rgb(vcl::clBtnHighlight)) << "the page frame fills the control";
    EXPECT_EQ(surface->Pixel(199, 119), ui_test::Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(control.GetPageAreaRect(), (vcl::TRect{2, 2, 198, 118}));
}

TEST(uiTabControlLayout, TabsThatDoNotFitScrollWithTheArrowsHeldDown) {
    auto host = ShowTabControlForm(200, 100, ui_test::TFormPlacement::OnScreen);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 10);
    EXPECT_TRUE(control.NavigatorButtons().Contains(nbTopLeft));
    EXPECT_TRUE(control.NavigatorButtons().Contains(nbBottomRight));
    EXPECT_EQ(control.FirstDisplayedIndex(), 0);
    EXPECT_EQ(control.NavigatorButtonState(nbTopLeft), nbsDisabled);
    EXPECT_EQ(control.NavigatorButtonState(nbBottomRight), nbsNormal);
    const int shownAtOnce = control.LastDisplayedIndex() + 1;
    ASSERT_GT(shownAtOnce, 1);
    ASSERT_LT(shownAtOnce, 10);

    const vcl::TPoint arrow = CenterOf(ButtonBounds(control, nbBottomRight));
    ui_test::MouseDown(control, vcl::mbLeft, arrow);
    EXPECT_EQ(control.FirstDisplayedIndex(), 1) << "the first step comes with the press";
    EXPECT_EQ(control.NavigatorButtonState(nbBottomRight), nbsPressed);
    TuiTimer* timer = control.NavigatorScrollTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 300u);
    EXPECT_TRUE(ui_test::PumpUntil([&] { return control.FirstDisplayedIndex() == 2; }));
    EXPECT_EQ(timer->Interval(), 150u) << "after the first pause it repeats faster";
    for (int tick = 0; tick < 20 && timer->Enabled(); ++tick) {
        timer->FireTimer();
    }
    EXPECT_FALSE(timer->Enabled()) << "the timer stops at the last tab";
    EXPECT_EQ(control.LastDisplayedIndex(), 9);
    EXPECT_EQ(control.FirstDisplayedIndex(), 10 - shownAtOnce);
    EXPECT_EQ(control.NavigatorButtonState(nbBottomRight), nbsDisabled);
    EXPECT_EQ(control.NavigatorButtonState(nbTopLeft), nbsNormal);
    ui_test::MouseUp(control, vcl::mbLeft, arrow);

    ui_test::Click(control, CenterOf(ButtonBounds(control, nbTopLeft)));
    EXPECT_EQ(control.FirstDisplayedIndex(), 9 - shownAtOnce);
    EXPECT_FALSE(timer->Enabled());
}

TEST(uiTabControlLayout, TheGoDialogButtonShowsOnlyWhenTheTabsDoNotFit) {
    auto host = ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 2);
    control.SetOptions({pcoGoDialog});
    EXPECT_TRUE(control.NavigatorButtons().IsEmpty());
    AddNumberedTabs(control, 8);
    EXPECT_TRUE(control.NavigatorButtons().Contains(nbGoDialog));
    control.SetOptions({pcoGoDialog, pcoAlwaysShowGoDialogButton, pcoNoArrows});
    EXPECT_EQ(control.NavigatorButtons(), (TuiPCNavigatorButtons{nbGoDialog}));
    control.SetOptions(uiPCDefaultOptions);
    EXPECT_FALSE(control.NavigatorButtons().Contains(nbGoDialog)) << "177 has no go-dialog button";
}

TEST(uiTabControlLayout, MultiLineTabsGoIntoBalancedRows) {
    auto host = ShowMultiLineTabs(150, 5);
    TuiTabControl& control = *host.Control;
    control.SetRaggedRight(true);
    ASSERT_EQ(control.TabsPosition().LineLength, 200);
    EXPECT_EQ(control.RowCount(), 2);
    const int rows[] = {0, 0, 0, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(control.Tabs().Tab(i).Row(), rows[i]) << i;
        EXPECT_EQ(control.Tabs().Tab(i).NormalWidth(), 60) << "ragged rows keep their widths";
    }
    control.SetRaggedRight(false);
    EXPECT_EQ(control.Tabs().Tab(3).NormalWidth(), 100) << "the short row is stretched to the line";
    EXPECT_TRUE(control.NavigatorButtons().IsEmpty());
}

TEST(uiTabControlLayout, TheSelectedRowMovesNextToThePage) {
    auto host = ShowMultiLineTabs(150, 5);
    TuiTabControl& control = *host.Control;
    const TuiTabs& tabs = control.Tabs();
    EXPECT_GT(tabs.Tab(0).GetNormalRect().Top, tabs.Tab(3).GetNormalRect().Top) << "row 0 is selected";
    control.SetTabIndex(3);
    EXPECT_GT(tabs.Tab(3).GetNormalRect().Top, tabs.Tab(0).GetNormalRect().Top);
    EXPECT_EQ(tabs.Tab(3).VisibleRow(), 1);
    EXPECT_EQ(control.FrontRowCount(), 2);
    EXPECT_EQ(control.GetPageAreaRect().Top, tabs.Tab(3).GetNormalRect().Bottom + 2)
        << "the page lies under the selected row (its frame 2 wide)";
}

TEST(uiTabControlLayout, ScrollOppositeMovesTheRowsAfterTheSelectedOneToTheFarSide) {
    auto host = ShowMultiLineTabs(200, 8, true);
    TuiTabControl& control = *host.Control;
    ASSERT_EQ(control.RowCount(), 3);
    const TuiTabs& tabs = control.Tabs();
    const int32_t lastRowTab = 7;
    ASSERT_EQ(tabs.Tab(lastRowTab).Row(), 2);
    control.SetTabIndex(3);
    ASSERT_EQ(tabs.Tab(3).Row(), 1);
    EXPECT_EQ(control.FrontRowCount(), 2);
    EXPECT_EQ(tabs.Tab(lastRowTab).GetNormalRect().Bottom, 200) << "the last row lies at the bottom";
    EXPECT_EQ(tabs.Tab(lastRowTab).EffectiveTabPosition(), tpBottom);
    const vcl::TRect page = control.GetPageAreaRect();
    EXPECT_GT(page.Top, tabs.Tab(3).GetNormalRect().Top);
    EXPECT_LT(page.Bottom, tabs.Tab(lastRowTab).GetNormalRect().Top);
}

TEST(uiTabControlLayout, SelectingATabOutOfViewScrollsToIt) {
    auto host = ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 10);
    control.SetTabIndex(9);
    EXPECT_EQ(control.LastDisplayedIndex(), 9);
    EXPECT_TRUE(control.Tabs().Tab(9).HasVisibleRect());
    control.SetTabIndex(0);
    EXPECT_EQ(control.FirstDisplayedIndex(), 0);
}

TEST(uiTabControlLayout, TheWheelOverTheTabLineScrollsOneTab) {
    auto host = ShowTabControlForm(200, 100, ui_test::TFormPlacement::OnScreen);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 10);
    control.SetFocus();
    ui_test::ProcessPendingMessages();
    const vcl::TPoint onTabs = ui_test::TabCenter(control, 0);
    ui_test::MouseWheel(control, -120, onTabs);
    EXPECT_EQ(control.FirstDisplayedIndex(), 1);
    ui_test::MouseWheel(control, -120, {onTabs.X, 80});
    EXPECT_EQ(control.FirstDisplayedIndex(), 1) << "below the tab line the wheel does not scroll the tabs";
    ui_test::MouseWheel(control, 120, onTabs);
    EXPECT_EQ(control.FirstDisplayedIndex(), 0);
}

TEST(uiTabControlLayout, RotatedRowsAreAsHighAsTheWidestTabUpToTheirLimit) {
    auto host = ShowTabControlForm(300, 200);
    TuiTabControl& control = *host.Control;
    ui_test::AddTabs(control, {u"A", u"A much longer caption", u"B"});
    control.SetRotate(true);
    const int32_t widest = control.Tabs().Tab(1).NormalWidth();
    EXPECT_EQ(control.RowHeight(), widest);
    const vcl::TRect tab = control.Tabs().Tab(0).GetNormalRect();
    EXPECT_EQ(tab.Height(), widest) << "rotated tabs stand across the line";
    EXPECT_EQ(tab.Width(), control.Tabs().NormalTabHeight());
    control.SetMaxRotatedTabWidth(60);
    EXPECT_EQ(control.RowHeight(), 60);
    control.SetMaxRotatedTabWidth(1);
    EXPECT_EQ(control.MaxRotatedTabWidth(), control.Painter().GetTabMinWidth(-1)) << "raised to the minimum";
}

TEST(uiTabControlLayout, TabsOnEachSideLieAlongThatSide) {
    struct TCase {
        TuiTabPosition Position;
        bool Vertical;
    };
    auto host = ShowTabControlForm(300, 200);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 3);
    for (const TCase test : {TCase{tpTop, false}, TCase{tpBottom, false}, TCase{tpLeft, true}, TCase{tpRight, true}}) {
        control.SetTabPosition(test.Position);
        const vcl::TRect first = control.Tabs().Tab(0).GetNormalRect();
        const vcl::TRect second = control.Tabs().Tab(1).GetNormalRect();
        const vcl::TRect page = control.GetPageAreaRect();
        if (test.Vertical) {
            EXPECT_EQ(first.Left, second.Left) << int(test.Position);
            EXPECT_NE(first.Top, second.Top) << int(test.Position);
        } else {
            EXPECT_EQ(first.Top, second.Top) << int(test.Position);
            EXPECT_LT(first.Left, second.Left) << int(test.Position);
        }
        switch (test.Position) {
        case tpTop:
            EXPECT_LT(first.Bottom, page.Top);
            break;
        case tpBottom:
            EXPECT_GT(first.Top, page.Bottom);
            break;
        case tpLeft:
            EXPECT_LT(first.Right, page.Left);
            break;
        case tpRight:
            EXPECT_GT(first.Left, page.Right);
            break;
        }
    }
}

// A control as long as the tabs' full length shows them all without arrows; a pixel less needs the arrows.
TEST(uiTabControlLayout, TheFullTabsLengthIsTheLeastLengthThatShowsEveryTab) {
    struct TCase {
        TuiTabPosition Position;
        bool Rotate;
    };
    for (const TCase test : {TCase{tpTop, false}, TCase{tpLeft, true}, TCase{tpLeft, false}}) {
        auto host = ShowTabControlForm(300, 300);
        TuiTabControl& control = *host.Control;
        control.SetTabPosition(test.Position);
        control.SetRotate(test.Rotate);
        AddNumberedTabs(control, 6);
        const int32_t fullLength = control.CalcFullTabsLength();
        const bool horizontal = test.Position == tpTop;
        for (const int32_t length : {fullLength, fullLength - 1}) {
            if (horizontal) {
                control.SetWidth(length);
            } else {
                control.SetHeight(length);
            }
            EXPECT_EQ(control.AllTabsFit(), length == fullLength) << int(test.Position) << test.Rotate << length;
            EXPECT_EQ(control.NavigatorButtons().Contains(nbBottomRight), length < fullLength);
            EXPECT_EQ(control.CalcFullTabsLength(), fullLength) << "whatever the control's own length";
        }
    }
}

TEST(uiTabControlLayout, TheFullTabsLengthLeavesStretchedRowsAsTheyAre) {
    auto host = ShowMultiLineTabs(200, 5);
    TuiTabControl& control = *host.Control;
    const int32_t stretched = control.Tabs().Tab(0).NormalWidth();
    ASSERT_GT(stretched, 60);
    const int32_t lineEnds = control.Width() - control.TabsPosition().LineLength;
    const int32_t gaps = 4 * control.Painter().GetTabsDistance().First;
    EXPECT_EQ(control.CalcFullTabsLength(), lineEnds + 5 * 60 + gaps) << "the tabs' own widths";
    EXPECT_EQ(control.Tabs().Tab(0).NormalWidth(), stretched);
}

TEST(uiTabControlLayout, TheFirstDisplayedTabSetFromOutsideHoldsWhileTheTabsDoNotFit) {
    auto host = ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 10);
    control.SetFirstDisplayedIndex(4);
    EXPECT_EQ(control.FirstDisplayedIndex(), 4);
    EXPECT_TRUE(control.Tabs().Tab(4).HasVisibleRect());
    EXPECT_FALSE(control.Tabs().Tab(3).HasVisibleRect());
    control.SetFirstDisplayedIndex(99);
    EXPECT_GT(control.FirstDisplayedIndex(), 4) << "as far as the last tabs fill the line";
    EXPECT_EQ(control.LastDisplayedIndex(), 9);
    control.SetWidth(2000);
    control.SetFirstDisplayedIndex(4);
    EXPECT_EQ(control.FirstDisplayedIndex(), 0) << "every tab fits";
}

} // namespace
} // namespace ui
