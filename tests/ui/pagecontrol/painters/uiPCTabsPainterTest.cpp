// The Tabs and Flat styles painting on 32-bit surfaces: the active tab grown, drawn first and opening into the page
// frame, the frame's pixels kept at the control's edge, corners in the control's colour, highlighted tabs, the Flat
// style's lines and buttons, a frame drawn whatever ShowFrame says, and painting twice giving the same pixels.

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/pagecontrol/painters/uiPCFlatPainter.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::ShowTabControlForm;

constexpr vcl::TColor ControlColor = vcl::clAqua;

// Three tabs 60 wide along the top, the middle one active, on a control of the given width.
struct TThreeTabs {
    ui_test::TTabControlForm Host;
    TuiTabControl& Control;
    int32_t TabHeight;

    explicit TThreeTabs(int width, int32_t active = 1, TuiPCStyleID style = 1)
        : Host(ShowTabControlForm(width, 120)), Control(*Host.Control) {
        Control.SetColor(ControlColor);
        Control.SetStyle(style);
        Control.SetTabWidth(60);
        ui_test::AddTabs(Control, {u"One", u"Two", u"Three"});
        Control.SetTabIndex(active);
        TabHeight = Control.Tabs().NormalTabHeight();
    }

    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = ui_test::PaintTabControl(Control);
        EXPECT_EQ(ui_test::PaintTabControl(Control)->Pixels(), surface->Pixels()) << "painting twice";
        return surface;
    }
};

TEST(uiPCTabsPainter, TheActiveTabIsLargerDrawnFirstAndOpensIntoThePage) {
    TThreeTabs tabs(300);
    const TuiTab& active = tabs.Control.Tabs().Tab(1);
    const vcl::TRect normal = active.GetNormalRect();
    EXPECT_EQ(normal, (vcl::TRect{62, 2, 122, 2 + tabs.TabHeight}));
    EXPECT_EQ(active.GetFullRect(), (vcl::TRect{60, 0, 124, 3 + tabs.TabHeight}));
    EXPECT_EQ(tabs.Control.Tabs().Tab(0).GetFullRect(), (vcl::TRect{2, 2, 62, 2 + tabs.TabHeight}));
    const auto surface = tabs.Paint();
    const int middle = 2 + tabs.TabHeight / 2;
    EXPECT_EQ(surface->Pixel(60, middle), Rgb(vcl::clBtnHighlight)) << "the active tab's edge lies over its neighbour";
    EXPECT_EQ(surface->Pixel(61, middle), Rgb(vcl::cl3DLight));
    EXPECT_EQ(surface->Pixel(124, middle), Rgb(vcl::clBtnFace)) << "the next tab's edge lies under it";
    EXPECT_EQ(surface->Pixel(90, 0), Rgb(vcl::clBtnHighlight)) << "2 pixels higher";
    EXPECT_EQ(surface->Pixel(30, 0), Rgb(ControlColor));
    EXPECT_EQ(surface->Pixel(30, 2), Rgb(vcl::clBtnHighlight));
    const int frame = 2 + tabs.TabHeight;
    ASSERT_EQ(tabs.Control.Painter().GetPageBoundsRect().Top, frame);
    EXPECT_EQ(surface->Pixel(200, frame), Rgb(vcl::clBtnHighlight)) << "the frame's outer line";
    EXPECT_EQ(surface->Pixel(200, frame + 1), Rgb(vcl::cl3DLight)) << "its inner line";
    EXPECT_EQ(surface->Pixel(90, frame), Rgb(vcl::clBtnFace)) << "under the active tab the frame is the tab's";
    EXPECT_EQ(surface->Pixel(90, frame + 1), Rgb(vcl::clBtnFace));
    EXPECT_EQ(surface->Pixel(30, frame), Rgb(vcl::clBtnHighlight)) << "under the others it is the frame";
}

TEST(uiPCTabsPainter, AnActiveTabAtTheRightEdgeKeepsTheFramesPixels) {
    TThreeTabs edge(184, 2);
    ASSERT_EQ(edge.Control.Tabs().Tab(2).GetFullRect().Right, 184);
    const int base = 3 + edge.TabHeight;
    const auto surface = edge.Paint();
    EXPECT_EQ(surface->Pixel(181, base), Rgb(vcl::clBtnFace));
    EXPECT_EQ(surface->Pixel(182, base), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(183, base), Rgb(vcl::cl3DDkShadow));

    TThreeTabs inner(300);
    const auto other = inner.Paint();
    EXPECT_EQ(other->Pixel(122, base), Rgb(vcl::clBtnFace)) << "away from the edge the tab's own colour";
    EXPECT_EQ(other->Pixel(123, base), Rgb(vcl::clBtnFace));
}

TEST(uiPCTabsPainter, TheCornersShowTheControlsColour) {
    TThreeTabs tabs(300);
    const auto surface = tabs.Paint();
    // The active tab covers the first tab's right corner and the last tab's left one.
    const vcl::TRect first = tabs.Control.Tabs().Tab(0).GetFullRect();
    const vcl::TRect last = tabs.Control.Tabs().Tab(2).GetFullRect();
    for (const vcl::TPoint corner :
         {vcl::TPoint{first.Left, first.Top}, vcl::TPoint{first.Left + 1, first.Top},
          vcl::TPoint{first.Left, first.Top + 1}, vcl::TPoint{last.Right - 1, last.Top},
          vcl::TPoint{last.Right - 2, last.Top}, vcl::TPoint{last.Right - 1, last.Top + 1}}) {
        EXPECT_EQ(surface->Pixel(corner.X, corner.Y), Rgb(ControlColor)) << corner.X << "," << corner.Y;
    }
    EXPECT_EQ(surface->Pixel(first.Left + 2, first.Top), Rgb(vcl::clBtnHighlight));
}

TEST(uiPCTabsPainter, AHighlightedTabIsFilledWithTheHighlightColour) {
    for (const TuiPCStyleID style : {1, 7}) {
        TThreeTabs tabs(300, 1, style);
        tabs.Control.Tabs().Tab(2).SetHighlighted(true);
        const auto surface = tabs.Paint();
        EXPECT_EQ(surface->Pixel(126, 6), Rgb(vcl::clHighlight)) << style;
        EXPECT_EQ(surface->Pixel(5, 6), Rgb(vcl::clBtnFace)) << style;
        if (style == 7) {
            EXPECT_EQ(surface->Pixel(150, 3), Rgb(AdjustBrightness(vcl::clHighlight, 85)))
                << "the Flat outline's inner line";
            EXPECT_EQ(surface->Pixel(3, 8), Rgb(AdjustBrightness(vcl::clBtnFace, 85))) << "on a plain tab";
        }
    }
}

TEST(uiPCTabsPainter, ThePageIsFramedWhateverShowFrameSays) {
    for (const TuiPCStyleID style : {1, 7}) {
        TThreeTabs tabs(300, 1, style);
        ASSERT_FALSE(tabs.Control.ShowFrame());
        const auto surface = tabs.Paint();
        const vcl::TColor corner = style == 1 ? vcl::cl3DDkShadow : vcl::clBtnShadow;
        EXPECT_EQ(surface->Pixel(299, 119), Rgb(corner)) << style;
        EXPECT_EQ(surface->Pixel(0, 60), Rgb(vcl::clBtnHighlight)) << style;
        EXPECT_EQ(surface->Pixel(style == 1 ? 2 : 1, 60), Rgb(ControlColor)) << "the page inside: " << style;
    }
}

TEST(uiPCFlatPainter, ItsNavigatorButtonsAreSmaller) {
    auto host = ShowTabControlForm(200, 200);
    TuiTabControl& control = *host.Control;
    control.SetStyle(7);
    ui_test::AddNumberedTabs(control, 12);
    control.SetOptions({pcoGoDialog});
    const auto& queue = dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue();
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue[0].Bounds.Width(), 10) << "the go-dialog button";
    EXPECT_EQ(queue[1].Bounds, (vcl::TRect{queue[0].Bounds.Right, 0, queue[0].Bounds.Right + 18, 18}));
    control.SetTabPosition(tpLeft);
    EXPECT_EQ(queue.back().Bounds.Height(), 11) << "the go-dialog button beside left tabs";
    EXPECT_EQ(queue.back().Bounds.Width(), 18);
    const auto surface = ui_test::PaintTabControl(control);
    const vcl::TRect button = queue[1].Bounds;
    EXPECT_EQ(surface->Pixel(button.Left, button.Top), Rgb(vcl::clBtnHighlight)) << "a one-pixel frame";
    EXPECT_EQ(surface->Pixel(button.Right - 1, button.Bottom - 1), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(button.Left + 1, button.Top + 1), Rgb(vcl::clBtnFace));
}

TEST(uiPCFlatPainter, ItIgnoresTheNativeStyle) {
    auto host = ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    control.SetStyle(7);
    control.LookAndFeel().SetNativeStyle(true);
    EXPECT_FALSE(control.Painter().IsNativePainting());
    EXPECT_EQ(control.Painter().ClassType().GetStyleName(), u"Flat");
}

} // namespace
} // namespace ui
