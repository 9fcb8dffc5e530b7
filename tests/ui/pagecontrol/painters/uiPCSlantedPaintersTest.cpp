// The Slanted and OneNote styles on 32-bit surfaces: the cut and the overlap of neighbouring tabs by slant kind and
// position, rotated tabs, a point shared with the active tab, OneNote's refusal of Rotate, the faces' gradients and
// highlight bands, OneNote's outlines without a colour scheme, and the base lines of several rows.

#include "rtl/WindowsApi.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/pagecontrol/painters/uiPCOneNotePainter.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

using ui_test::Rgb;

constexpr TuiPCStyleID SlantedStyle = 9;
constexpr TuiPCStyleID OneNoteStyle = 10;

// A control of a polygon style with count tabs along the top, 20 high, the first one active.
struct TPolygonTabs {
    ui_test::TTabControlForm Host;
    TuiTabControl& Control;

    TPolygonTabs(TuiPCStyleID style, int count, int width = 400)
        : Host(ui_test::ShowTabControlForm(width, 160)), Control(*Host.Control) {
        Control.SetStyle(style);
        Control.SetTabHeight(20);
        ui_test::AddNumberedTabs(Control, count);
        Control.SetTabIndex(0);
    }

    void SetSlants(TuiTabSlantKind kind, TuiTabSlantPositions positions) {
        TuiTabSlants slants;
        slants.SetKind(kind);
        slants.SetPositions(positions);
        Control.SetTabSlants(slants);
    }

    const TuiTab& Tab(int32_t index) const { return Control.VisibleTabs().Tab(index); }
    TuiPCSlantedPainter& Painter() const { return dynamic_cast<TuiPCSlantedPainter&>(Control.Painter()); }
    // The distance from one tab's end to the next one's start (negative where they overlap).
    int32_t Gap(int32_t index) const { return Tab(index + 1).GetNormalRect().Left - Tab(index).GetNormalRect().Right; }

    void Hover(int32_t index) {
        Control.SetHotTrack(true);
        const vcl::TPoint centre = ui_test::TabCenter(Control, index);
        Control.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(centre.X, centre.Y));
        ASSERT_TRUE(Tab(index).IsHotTracked());
    }

    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = ui_test::PaintTabControl(Control);
        EXPECT_EQ(ui_test::PaintTabControl(Control)->Pixels(), surface->Pixels()) << "painting twice";
        return surface;
    }
};

// A gradient changes a little from row to row: a colour within 5 of each channel.
bool IsNear(vcl::TColor actual, vcl::TColor expected) {
    const auto channel = [](vcl::TColor color, int shift) { return int((uint32_t(color) >> shift) & 0xFF); };
    const vcl::TColor want = Rgb(expected);
    for (const int shift : {0, 8, 16}) {
        if (std::abs(channel(actual, shift) - channel(want, shift)) > 5) {
            return false;
        }
    }
    return true;
}

TEST(uiPCSlantedPainters, SlantedEndsOverlapTheirNeighboursByTheCut) {
    TPolygonTabs tabs(SlantedStyle, 4);
    tabs.SetSlants(skSlant, {spLeft, spRight});
    EXPECT_EQ(tabs.Control.Tabs().NormalTabHeight(), 20);
    EXPECT_EQ(tabs.Painter().CutValue(), 19);
    EXPECT_EQ(tabs.Gap(1), -18);
    EXPECT_EQ(tabs.Gap(2), -18);

    tabs.Control.SetRotate(true);
    EXPECT_EQ(tabs.Gap(1), 1) << "rotated tabs stand apart";
    const auto surface = tabs.Paint();
    const vcl::TRect rect = tabs.Tab(2).GetFullRect();
    EXPECT_EQ(surface->Pixel(rect.Left, rect.Top), Rgb(tabs.Control.Color())) << "a 2-pixel cut";
    EXPECT_EQ(surface->Pixel(rect.Left + 2, rect.Top), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(rect.Right - 1, rect.Top), Rgb(tabs.Control.Color()));
    EXPECT_EQ(surface->Pixel(rect.Right - 3, rect.Top), Rgb(vcl::clBtnShadow));
}

TEST(uiPCSlantedPainters, CutCornersFollowThePositions) {
    TPolygonTabs tabs(SlantedStyle, 3);
    tabs.SetSlants(skCutCorner, {});
    auto surface = tabs.Paint();
    vcl::TRect rect = tabs.Tab(1).GetFullRect();
    EXPECT_EQ(surface->Pixel(rect.Left, rect.Top), Rgb(tabs.Control.Color()));
    EXPECT_EQ(surface->Pixel(rect.Left, rect.Top + 2), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(rect.Right - 1, rect.Top), Rgb(tabs.Control.Color()));
    EXPECT_EQ(surface->Pixel(rect.Right - 1, rect.Top + 2), Rgb(vcl::clBtnShadow));

    tabs.SetSlants(skCutCorner, {spLeft});
    surface = tabs.Paint();
    rect = tabs.Tab(1).GetFullRect();
    EXPECT_EQ(surface->Pixel(rect.Right - 1, rect.Top), Rgb(vcl::clBtnShadow)) << "a square right end";
    EXPECT_EQ(surface->Pixel(rect.Left, rect.Top + 3), Rgb(tabs.Control.Color())) << "a 6-pixel cut on the left";
}

TEST(uiPCSlantedPainters, APointSharedWithTheActiveTabIsTheActiveTabs) {
    TPolygonTabs tabs(SlantedStyle, 3);
    tabs.SetSlants(skSlant, {spLeft, spRight});
    tabs.Control.SetTabIndex(1);
    const vcl::TRect first = tabs.Tab(0).GetNormalRect();
    const vcl::TRect second = tabs.Tab(1).GetNormalRect();
    ASSERT_LT(second.Left, first.Right);
    // Near the base, inside both slanted ends.
    const vcl::TPoint shared{(second.Left + first.Right) / 2, first.Bottom - 2};
    EXPECT_EQ(tabs.Control.VisibleTabIndexAtPoint(shared.X, shared.Y), 1);
    tabs.Control.SetTabIndex(0);
    EXPECT_EQ(tabs.Control.VisibleTabIndexAtPoint(shared.X, shared.Y), 0) << "the inactive next tab lies beneath";
}

TEST(uiPCSlantedPainters, OneNoteRefusesRotationAndOverlapsByTheCutLessFive) {
    TPolygonTabs tabs(OneNoteStyle, 3);
    try {
        tabs.Control.SetRotate(true);
        ADD_FAILURE() << "Rotate accepted";
    } catch (const EuxException& error) {
        const std::u16string message(error.Message().data(), error.Message().size());
        EXPECT_NE(message.find(u"OneNote style does not support rotation of tabs"), std::u16string::npos);
    }
    EXPECT_FALSE(tabs.Control.Rotate());
    EXPECT_EQ(tabs.Painter().CutValue(), 22);
    EXPECT_EQ(tabs.Gap(1), 5 - 22);
}

TEST(uiPCSlantedPainters, FacesRunFromLighterToDarkerUnlessActive) {
    for (const TuiPCStyleID style : {SlantedStyle, OneNoteStyle}) {
        TPolygonTabs tabs(style, 3);
        tabs.Hover(2);
        const vcl::TColor c = tabs.Control.Color();
        const auto surface = tabs.Paint();
        const auto middle = [&](int32_t index) { return tabs.Tab(index).GetFullRect().Right - 3; };
        // Clear of the captions and their focus frame.
        const vcl::TRect active = tabs.Tab(0).GetFullRect();
        EXPECT_EQ(surface->Pixel(middle(0), active.Bottom - 1), Rgb(c)) << "solid, no gradient's darker end: " << style;
        const vcl::TRect normal = tabs.Tab(1).GetFullRect();
        EXPECT_TRUE(IsNear(surface->Pixel(middle(1), normal.Top + 2), AdjustBrightness(c, 13))) << style;
        EXPECT_TRUE(IsNear(surface->Pixel(middle(1), normal.Bottom - 2), ScaleColorByPercent(c, 90))) << style;
        const vcl::TRect hot = tabs.Tab(2).GetFullRect();
        const bool band = style == SlantedStyle;
        EXPECT_EQ(surface->Pixel(middle(2), hot.Top + 3) == Rgb(vcl::clHighlight), band) << style;
        EXPECT_EQ(surface->Pixel(middle(0), active.Top + 3) == Rgb(vcl::clHighlight), band) << style;
        EXPECT_TRUE(IsNear(surface->Pixel(middle(2), hot.Bottom - 2), c)) << style;
        EXPECT_FALSE(IsNear(surface->Pixel(middle(2), hot.Top + 5), c)) << "lighter at the far edge: " << style;

        tabs.Control.SetOptions(tabs.Control.Options() - TuiPCOptions{pcoGradient});
        const auto solid = tabs.Paint();
        EXPECT_EQ(solid->Pixel(middle(1), normal.Top + 2), Rgb(c)) << style;
        EXPECT_EQ(solid->Pixel(middle(2), hot.Top + 5), Rgb(c)) << style;
    }
}

TEST(uiPCSlantedPainters, OneNoteOutlinesWithoutAColourScheme) {
    ASSERT_FALSE(IsOffice11SchemeActive()) << "the test display has no colour scheme";
    TPolygonTabs tabs(OneNoteStyle, 3);
    tabs.Hover(2);
    const auto surface = tabs.Paint();
    for (const auto& [index, color] : {std::pair{0, vcl::clBtnShadow}, std::pair{1, vcl::clBtnShadow},
                                       std::pair{2, static_cast<vcl::TColor>(0x6A240A)}}) {
        const vcl::TRect rect = tabs.Tab(index).GetFullRect();
        EXPECT_EQ(surface->Pixel(rect.Right - 6, rect.Top), Rgb(color)) << index;
    }
}

TEST(uiPCSlantedPainters, RowsNextToThePageHaveABaseLineAndTheOutermostNoEndLines) {
    TPolygonTabs tabs(SlantedStyle, 9, 240);
    tabs.SetSlants(skSlant, {spLeft, spRight});
    tabs.Control.SetMultiLine(true);
    ASSERT_GE(tabs.Control.RowCount(), 2);
    const auto surface = tabs.Paint();
    const TuiTab& active = tabs.Tab(0);
    const int32_t baseY = active.GetNormalRect().Bottom;
    EXPECT_EQ(surface->Pixel(0, baseY), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface->Pixel(tabs.Control.Width() - 1, baseY), Rgb(vcl::clBtnShadow));
    int32_t outer = -1;
    for (int32_t i = 0; i < tabs.Control.VisibleTabs().Count(); ++i) {
        if (tabs.Tab(i).VisibleRow() == tabs.Control.RowCount() - 1) {
            outer = i;
        }
    }
    ASSERT_NE(outer, -1);
    const vcl::TRect rect = tabs.Tab(outer).GetNormalRect();
    EXPECT_EQ(surface->Pixel(0, rect.Top + 2), Rgb(tabs.Control.Color())) << "no end line in the outermost row";
}

} // namespace
} // namespace ui
