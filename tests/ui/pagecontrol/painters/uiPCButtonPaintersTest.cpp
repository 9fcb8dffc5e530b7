// The Buttons and FlatButtons styles: their gaps and heights, buttons pushed in or raised by state and colour, the
// flat style's separators between neighbours of a row, captions' margins, and tabs acting as buttons: selected on
// release, a focus frame moved by the arrows and chosen with Enter, several tabs selected with Ctrl.

#include "ui/pagecontrol/painters/uiPCButtonPainters.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

constexpr TuiPCStyleID ButtonsStyle = 2;
constexpr TuiPCStyleID FlatButtonsStyle = 3;
constexpr vcl::TColor ButtonsControlColor = vcl::clAqua;

// Three tabs 60 wide along the top of a focused control in one of the button styles, the middle one active.
struct TButtonTabs {
    ui_test::TTabControlForm Host;
    TuiTabControl& Control;

    explicit TButtonTabs(TuiPCStyleID style)
        : Host(ui_test::ShowTabControlForm(300, 120, ui_test::TFormPlacement::OnScreen)), Control(*Host.Control) {
        Control.SetColor(ButtonsControlColor);
        Control.SetStyle(style);
        Control.SetTabWidth(60);
        ui_test::AddTabs(Control, {u"One", u"Two", u"Three"});
        Control.SetTabIndex(1);
    }

    vcl::TRect Tab(int32_t index) const { return Control.VisibleTabs().Tab(index).GetFullRect(); }

    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = ui_test::PaintTabControl(Control);
        EXPECT_EQ(ui_test::PaintTabControl(Control)->Pixels(), surface->Pixels()) << "painting twice";
        return surface;
    }
};

TEST(uiPCButtonPainters, TabsStandApartByTheirGapsAndAreAtLeast20High) {
    for (const auto& [style, gap] : {std::pair{ButtonsStyle, 3}, std::pair{FlatButtonsStyle, 10}}) {
        TButtonTabs tabs(style);
        EXPECT_EQ(tabs.Tab(1).Left - tabs.Tab(0).Right, gap) << style;
        EXPECT_EQ(tabs.Tab(2).Left - tabs.Tab(1).Right, gap) << style;
        EXPECT_GE(tabs.Control.Tabs().NormalTabHeight(), 20) << style;
        EXPECT_EQ(tabs.Tab(1).Height(), tabs.Tab(0).Height()) << "the active button is no larger";
        EXPECT_EQ(tabs.Control.Painter().GetPageBoundsRect().Top, tabs.Tab(0).Bottom + 2) << "2 pixels to the page";
    }
}

TEST(uiPCButtonPainters, TheActiveButtonIsPushedInTheOthersRaised) {
    TButtonTabs tabs(ButtonsStyle);
    const auto surface = tabs.Paint();
    const auto [l, t, r, b] = tabs.Tab(1);
    EXPECT_EQ(surface->Pixel(l, t), Rgb(vcl::cl3DDkShadow)) << "the active tab is pushed in";
    EXPECT_EQ(surface->Pixel(l + 1, t + 1), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(r - 1, b - 1), Rgb(vcl::clBtnHighlight));
    // Inside the focus frame, which the focused control draws on the active tab.
    EXPECT_EQ(surface->Pixel(l + 3, t + 3), Rgb(vcl::clBtnHighlight)) << "and filled with the highlight colour";
    const vcl::TRect other = tabs.Tab(0);
    EXPECT_EQ(surface->Pixel(other.Left, other.Top), Rgb(vcl::clBtnHighlight)) << "an inactive tab is raised";
    EXPECT_EQ(surface->Pixel(other.Right - 1, other.Bottom - 1), Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(surface->Pixel(other.Left + 3, other.Top + 3), Rgb(vcl::clBtnFace));

    tabs.Control.Tabs().Tab(0).SetColor(vcl::clYellow);
    tabs.Control.Tabs().Tab(2).SetHighlighted(true);
    const auto coloured = tabs.Paint();
    EXPECT_EQ(coloured->Pixel(other.Left + 3, other.Top + 3), Rgb(vcl::clYellow));
    EXPECT_EQ(coloured->Pixel(tabs.Tab(2).Left + 3, tabs.Tab(2).Top + 3), Rgb(vcl::clHighlight));
}

TEST(uiPCButtonPainters, AFocusedActiveTabIsRaisedWhenFlatAndPushedInOtherwise) {
    for (const TuiPCStyleID style : {ButtonsStyle, FlatButtonsStyle}) {
        TButtonTabs tabs(style);
        tabs.Control.SetFocus();
        ui_test::ProcessPendingMessages();
        ui_test::PressKey(VK_RIGHT);
        ui_test::PressKey(VK_LEFT);
        ASSERT_EQ(tabs.Control.FocusedTabVisibleIndex(), 1) << style;
        const auto surface = tabs.Paint();
        const auto [l, t, r, b] = tabs.Tab(1);
        if (style == ButtonsStyle) {
            EXPECT_EQ(surface->Pixel(l, t), Rgb(vcl::cl3DDkShadow));
        } else {
            EXPECT_EQ(surface->Pixel(l, t), Rgb(vcl::clBtnHighlight)) << "a one-pixel raised edge";
            EXPECT_EQ(surface->Pixel(r - 1, b - 1), Rgb(vcl::clBtnShadow));
            EXPECT_EQ(surface->Pixel(l + 3, t + 3), Rgb(vcl::clBtnHighlight)) << "the face inside it";
        }
    }
}

TEST(uiPCButtonPainters, FlatButtonsAreSunkenWhenDownAndOtherwiseWithoutEdge) {
    TButtonTabs tabs(FlatButtonsStyle);
    const auto surface = tabs.Paint();
    const auto [l, t, r, b] = tabs.Tab(1);
    EXPECT_EQ(surface->Pixel(l, t), Rgb(vcl::clBtnShadow)) << "the sunken frame's outer line";
    EXPECT_EQ(surface->Pixel(l + 1, t + 1), Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(surface->Pixel(r - 1, b - 1), Rgb(vcl::clBtnHighlight));
    const vcl::TRect other = tabs.Tab(0);
    EXPECT_EQ(surface->Pixel(other.Left, other.Top), Rgb(vcl::clBtnFace)) << "no edge on a plain button";
    EXPECT_EQ(surface->Pixel(other.Right - 1, other.Bottom - 1), Rgb(vcl::clBtnFace));
}

TEST(uiPCButtonPainters, FlatButtonsOfARowAreSeparatedButNotAfterItsLastTab) {
    TButtonTabs tabs(FlatButtonsStyle);
    const auto surface = tabs.Paint();
    for (int32_t i = 0; i < 2; ++i) {
        const vcl::TRect tab = tabs.Tab(i);
        const int32_t y = (tab.Top + tab.Bottom) / 2;
        EXPECT_EQ(surface->Pixel(tab.Right + 3, y), Rgb(ButtonsControlColor)) << i;
        EXPECT_EQ(surface->Pixel(tab.Right + 4, y), Rgb(vcl::clBtnShadow)) << i;
        EXPECT_EQ(surface->Pixel(tab.Right + 5, y), Rgb(vcl::clBtnHighlight)) << i;
        EXPECT_EQ(surface->Pixel(tab.Right + 6, y), Rgb(ButtonsControlColor)) << i;
        EXPECT_EQ(surface->Pixel(tab.Right + 4, tab.Top), Rgb(ButtonsControlColor)) << "the line stops short";
    }
    const vcl::TRect last = tabs.Tab(2);
    EXPECT_EQ(surface->Pixel(last.Right + 4, (last.Top + last.Bottom) / 2), Rgb(ButtonsControlColor));

    tabs.Control.SetBounds(0, 0, 300, 300);
    tabs.Control.SetTabPosition(tpLeft);
    ASSERT_TRUE(tabs.Control.AllTabsFit());
    const auto left = tabs.Paint();
    // Left tabs are laid from the bottom up, so the gap after a tab lies above it.
    const vcl::TRect tab = tabs.Tab(1);
    const int32_t x = (tab.Left + tab.Right) / 2;
    EXPECT_EQ(left->Pixel(x, tab.Top - 10 + 4), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(left->Pixel(x, tab.Top - 10 + 5), Rgb(vcl::clBtnHighlight));
}

TEST(uiPCButtonPainters, CaptionsKeepFourPixelsEachSideAndThreeBeforeAnImage) {
    TButtonTabs tabs(ButtonsStyle);
    TuiPCCustomPainter& painter = tabs.Control.Painter();
    tabs.Control.Tabs().Tab(0).SetCaption(u"A caption far too long for its button");
    painter.SetTabImageAndTextRects(0);
    const vcl::TRect text = painter.TabContentData().TextRect;
    EXPECT_EQ(text.Left - tabs.Tab(0).Left, 4);
    EXPECT_LE(text.Right, tabs.Tab(0).Right - 4);
    EXPECT_GT(text.Width(), 0);

    vcl::TImageList images(nullptr);
    vcl::TBitmap image(16, 16);
    images.Add(image, nullptr);
    tabs.Control.SetImages(&images);
    tabs.Control.Tabs().Tab(0).SetImageIndex(0);
    painter.SetTabImageAndTextRects(0);
    EXPECT_EQ(painter.TabContentData().ImageRect.Left - tabs.Tab(0).Left, 3);
    tabs.Control.SetImages(nullptr);
}

TEST(uiPCButtonPainters, ATabIsChosenOnReleaseAndByTheFocusFrame) {
    TButtonTabs tabs(FlatButtonsStyle);
    TuiTabControl& control = tabs.Control;
    const vcl::TPoint third = ui_test::TabCenter(control, 2);
    ui_test::MouseDown(control, vcl::mbLeft, third);
    EXPECT_EQ(control.TabIndex(), 1) << "a press does not select";
    EXPECT_EQ(control.PressedTabVisibleIndex(), 2);
    EXPECT_TRUE(control.Painter().IsTabDown(2)) << "the pressed button is down";
    ui_test::MouseUp(control, vcl::mbLeft, third);
    EXPECT_EQ(control.TabIndex(), 2);
    EXPECT_EQ(control.PressedTabVisibleIndex(), -1);

    control.SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_LEFT);
    ui_test::PressKey(VK_LEFT);
    EXPECT_EQ(control.FocusedTabVisibleIndex(), 0);
    EXPECT_EQ(control.TabIndex(), 2) << "the arrows move only the focus frame";
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(control.TabIndex(), 0);
}

TEST(uiPCButtonPainters, CtrlClicksSelectSeveralTabs) {
    TButtonTabs tabs(ButtonsStyle);
    TuiTabControl& control = tabs.Control;
    TuiTabs& list = control.Tabs();
    list.Tab(1).SetSelected(true);
    EXPECT_FALSE(control.MultiSelect());
    list.Tab(0).SetSelected(true);
    EXPECT_TRUE(control.MultiSelect()) << "a second selected tab";
    EXPECT_TRUE(control.Painter().IsTabDown(0)) << "a selected button is down";

    const auto ctrlClick = [&control](int32_t visibleIndex) {
        const vcl::TPoint point = ui_test::TabCenter(control, visibleIndex);
        ui_test::MouseDown(control, vcl::mbLeft, point, {vcl::ssCtrl});
        ui_test::MouseUp(control, vcl::mbLeft, point, {vcl::ssCtrl});
    };
    ctrlClick(2);
    EXPECT_TRUE(list.Tab(2).Selected());
    EXPECT_EQ(control.TabIndex(), 1);
    ctrlClick(2);
    EXPECT_FALSE(list.Tab(2).Selected());
    ctrlClick(1);
    EXPECT_EQ(control.TabIndex(), -1) << "a Ctrl click on the selected tab";
}

} // namespace
} // namespace ui
