// The ExtraFlat, UltraFlat and Office11 styles on 32-bit surfaces: the row edges by row, separators between inactive
// neighbours only, tab sizes from TabWidth and TabHeight, navigator buttons disabled and hot, and the Office 2003
// gradients: mixed without pcoGradient, a tab's own colour with its gradient line, the frame, captions turned on the
// gradient, and a close button without any row.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/pagecontrol/painters/uiPCOffice11Painter.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

constexpr TuiPCStyleID ExtraFlatStyle = 5;
constexpr TuiPCStyleID UltraFlatStyle = 6;
constexpr TuiPCStyleID Office11Style = 8;

// A control of a flat-row style with count tabs 60 wide along the top, the first one active.
struct TFlatRowTabs {
    ui_test::TTabControlForm Host;
    TuiTabControl& Control;

    TFlatRowTabs(TuiPCStyleID style, int width, int count)
        : Host(ui_test::ShowTabControlForm(width, 160)), Control(*Host.Control) {
        Control.SetStyle(style);
        Control.SetTabWidth(60);
        ui_test::AddNumberedTabs(Control, count);
        Control.SetTabIndex(0);
    }

    const TuiTab& Tab(int32_t index) const { return Control.VisibleTabs().Tab(index); }

    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = ui_test::PaintTabControl(Control);
        EXPECT_EQ(ui_test::PaintTabControl(Control)->Pixels(), surface->Pixels()) << "painting twice";
        return surface;
    }

    TuiPCStandardPainter::TNavigatorButtonPosition Button(TuiPCNavigatorButton button) const {
        for (const auto& entry : dynamic_cast<TuiPCStandardPainter&>(Control.Painter()).NavigatorButtonQueue()) {
            if (entry.Button == button) {
                return entry;
            }
        }
        ADD_FAILURE() << "no navigator button " << int(button);
        return {};
    }
};

vcl::TColor Mix(vcl::TColor first, vcl::TColor second) {
    return Rgb(MixColors(first, second, 50));
}

TEST(uiPCFlatRowPainters, UltraFlatRowsEdgeIsBlackNextToThePageRowsTabs) {
    TFlatRowTabs tabs(UltraFlatStyle, 200, 9);
    tabs.Control.SetMultiLine(true);
    ASSERT_EQ(tabs.Control.RowCount(), 3);
    ASSERT_EQ(tabs.Tab(0).Row(), 0);
    EXPECT_EQ(tabs.Tab(0).VisibleRow(), 2) << "the active tab's row lies next to the page";
    const auto surface = tabs.Paint();
    for (const int32_t index : {1, 4, 7}) {
        const TuiTab& tab = tabs.Tab(index);
        const vcl::TRect rect = tab.GetNormalRect();
        const int32_t x = (rect.Left + rect.Right) / 2;
        const bool pageRow = tab.Row() == 0;
        EXPECT_EQ(surface->Pixel(x, rect.Bottom), Rgb(pageRow ? vcl::clBlack : vcl::clBtnFace)) << index;
        EXPECT_EQ(surface->Pixel(x, rect.Bottom + 1), Rgb(pageRow ? vcl::clBtnFace : vcl::clBlack)) << index;
        EXPECT_EQ(surface->Pixel(x, rect.Bottom + 2), Rgb(vcl::clBtnFace)) << index;
        EXPECT_EQ(surface->Pixel(rect.Left + 2, rect.Top + 2), Rgb(LightFaceColor())) << "a tab's face: " << index;
    }
}

TEST(uiPCFlatRowPainters, OnlyInactiveNeighboursAreSeparated) {
    for (const TuiPCStyleID style : {ExtraFlatStyle, UltraFlatStyle}) {
        TFlatRowTabs tabs(style, 300, 3);
        tabs.Control.SetTabIndex(2);
        const auto surface = tabs.Paint();
        const vcl::TRect first = tabs.Tab(0).GetNormalRect();
        const vcl::TRect second = tabs.Tab(1).GetNormalRect();
        const int32_t y = (first.Top + first.Bottom) / 2;
        EXPECT_EQ(second.Left - first.Right, 1) << "a one-pixel gap: " << style;
        EXPECT_EQ(surface->Pixel(first.Right, y), Rgb(vcl::clBtnShadow)) << style;
        EXPECT_EQ(surface->Pixel(first.Right, first.Top + 1), Rgb(LightFaceColor())) << "kept 2 from the top";
        EXPECT_NE(surface->Pixel(second.Right, y), Rgb(vcl::clBtnShadow)) << "beside the active tab: " << style;
        const vcl::TRect active = tabs.Tab(2).GetFullRect();
        EXPECT_EQ(active, InflateRectBy(tabs.Tab(2).GetNormalRect(), 1, 1));
        EXPECT_EQ(surface->Pixel(active.Left, y), Rgb(style == UltraFlatStyle ? vcl::clBlack : vcl::clWhite))
            << "the active tab's accent";
        EXPECT_EQ(surface->Pixel(active.Right - 1, y), Rgb(vcl::clBlack));
    }
}

TEST(uiPCFlatRowPainters, TabWidthAndTabHeightGiveWayToTheMinimums) {
    TFlatRowTabs tabs(ExtraFlatStyle, 300, 2);
    vcl::TImageList images(nullptr);
    vcl::TBitmap image(16, 16);
    images.Add(image, nullptr);
    tabs.Control.SetImages(&images);
    tabs.Control.Tabs().Tab(0).SetImageIndex(0);
    tabs.Control.Tabs().Tab(1).SetImageIndex(-1);
    tabs.Control.SetTabWidth(1);
    EXPECT_EQ(tabs.Tab(0).NormalWidth(), 16 + 4) << "the image area";
    EXPECT_EQ(tabs.Tab(1).NormalWidth(), 1) << "no image, no area";
    tabs.Control.SetImages(nullptr);

    tabs.Control.SetTabHeight(0);
    const int32_t natural = tabs.Control.Tabs().NormalTabHeight();
    EXPECT_GE(natural, 17);
    tabs.Control.SetTabHeight(20);
    EXPECT_EQ(tabs.Control.Tabs().NormalTabHeight(), natural) << "20 - 4 is below the minimum";
    tabs.Control.SetTabHeight(25);
    EXPECT_EQ(tabs.Control.Tabs().NormalTabHeight(), std::max(natural, 21));
    tabs.Control.SetTabHeight(40);
    EXPECT_EQ(tabs.Control.Tabs().NormalTabHeight(), 36);
}

TEST(uiPCFlatRowPainters, ExtraFlatArrowsAreHollowWhileTheControlIsDisabled) {
    TFlatRowTabs tabs(ExtraFlatStyle, 200, 8);
    ASSERT_TRUE(tabs.Control.NavigatorButtons().Contains(nbBottomRight));
    ASSERT_EQ(tabs.Control.NavigatorButtonState(nbBottomRight), nbsNormal);
    tabs.Control.SetEnabled(false);
    const auto disabled = tabs.Paint();
    const vcl::TRect right = tabs.Button(nbBottomRight).Bounds;
    EXPECT_EQ(right.Width(), 13);
    EXPECT_EQ(disabled->Pixel(right.Left, right.Top), Rgb(LightFaceColor())) << "no frame";
    EXPECT_EQ(disabled->Pixel(right.Right - 1, right.Bottom - 1), Rgb(LightFaceColor()));
    // The right arrow's triangle: (0, 0) (4, 4) (0, 8) from the glyph offset (3, 2).
    const vcl::TPoint origin{right.Left + 3, right.Top + 2};
    EXPECT_EQ(disabled->Pixel(origin.X, origin.Y + 4), Rgb(vcl::clBtnShadow)) << "the outline";
    EXPECT_EQ(disabled->Pixel(origin.X + 1, origin.Y + 4), Rgb(LightFaceColor())) << "hollow";

    tabs.Control.SetEnabled(true);
    const auto enabled = tabs.Paint();
    EXPECT_EQ(enabled->Pixel(origin.X + 1, origin.Y + 4), Rgb(vcl::clBtnText)) << "a plain arrow";
    EXPECT_EQ(enabled->Pixel(origin.X, origin.Y + 4), Rgb(vcl::clBtnText));
}

TEST(uiPCFlatRowPainters, AHotExtraFlatButtonHasARaisedFrame) {
    ui_test::TTabControlForm host = ui_test::ShowTabControlForm(200, 120);
    TuiTabControl& control = *host.Control;
    control.SetStyle(ExtraFlatStyle);
    ui_test::AddNumberedTabs(control, 8);
    control.SetHotTrack(true);
    const auto& queue = dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue();
    ASSERT_FALSE(queue.empty());
    const vcl::TRect button = queue.back().Bounds;
    control.Perform(WM_MOUSEMOVE, 0, MAKELPARAM((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2));
    ASSERT_EQ(control.NavigatorButtonState(queue.back().Button), nbsHot);
    const auto surface = ui_test::PaintTabControl(control);
    EXPECT_EQ(surface->Pixel(button.Left, button.Top), Rgb(vcl::cl3DLight));
    EXPECT_EQ(surface->Pixel(button.Right - 1, button.Bottom - 1), Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(surface->Pixel(button.Left + 1, button.Top + 1), Rgb(vcl::clBtnFace));
}

TEST(uiPCFlatRowPainters, Office11WithoutGradientsPaintsTheirMixes) {
    TFlatRowTabs tabs(Office11Style, 300, 3);
    tabs.Control.SetOptions(uiPCDefaultOptions - TuiPCOptions{pcoGradient});
    const TuxOffice11Colors& colors = Office11Colors();
    const vcl::TColor bar = Mix(colors.Office11BarLightColor, colors.Office11BarDarkColor);
    const auto surface = tabs.Paint();
    const vcl::TRect inactive = tabs.Tab(1).GetNormalRect();
    for (const int32_t y : {inactive.Top, inactive.Top + 3, inactive.Bottom - 1}) {
        EXPECT_EQ(surface->Pixel(inactive.Left + 1, y), bar) << y;
        EXPECT_EQ(surface->Pixel(280, y), bar) << "the free part of the row: " << y;
    }
    const vcl::TRect page = tabs.Control.Painter().GetPageClientRect();
    EXPECT_EQ(surface->Pixel(page.Left, page.Top), bar);
    EXPECT_EQ(surface->Pixel(page.Right - 1, page.Bottom - 1), bar);
    const vcl::TRect active = tabs.Tab(0).GetFullRect();
    EXPECT_EQ(surface->Pixel(active.Left + 4, active.Top + 4), Mix(colors.Office11HotColor1, colors.Office11HotColor2));
}

TEST(uiPCFlatRowPainters, AnOffice11TabKeepsItsOwnColourAboveAGradientLine) {
    TFlatRowTabs tabs(Office11Style, 300, 3);
    tabs.Control.Tabs().Tab(1).SetColor(vcl::clAqua);
    tabs.Control.Tabs().Tab(0).SetColor(vcl::clYellow);
    const auto surface = tabs.Paint();
    const vcl::TRect inactive = tabs.Tab(1).GetFullRect();
    EXPECT_EQ(surface->Pixel(inactive.Left + 1, inactive.Top + 1), Rgb(vcl::clAqua));
    EXPECT_EQ(surface->Pixel(inactive.Left + 1, inactive.Bottom - 1), Rgb(Office11Colors().Office11BarDarkColor))
        << "the line on the page side";
    const vcl::TRect active = tabs.Tab(0).GetFullRect();
    EXPECT_EQ(surface->Pixel(active.Left + 2, active.Bottom - 1), Rgb(vcl::clYellow)) << "no line on the active tab";
    const vcl::TRect rows = dynamic_cast<TuiPCOffice11Painter&>(tabs.Control.Painter()).GetRowsAreaRect();
    EXPECT_EQ(surface->Pixel(200, rows.Top), Rgb(vcl::clYellow)) << "the rows area takes the active tab's colour";
}

TEST(uiPCFlatRowPainters, TheOffice11FrameIsTheSelectionFrameColour) {
    ASSERT_FALSE(IsOffice11SchemeActive()) << "the test display has no colour scheme";
    TFlatRowTabs tabs(Office11Style, 300, 3);
    tabs.Control.SetShowFrame(true);
    const auto surface = tabs.Paint();
    const vcl::TRect frame = InflateRectBy(tabs.Control.Painter().GetPageClientRect(), 1, 1);
    EXPECT_EQ(surface->Pixel(frame.Left, frame.Top + 20), Rgb(vcl::clHighlight));
    EXPECT_EQ(surface->Pixel(frame.Right - 1, frame.Bottom - 1), Rgb(vcl::clHighlight));
    const vcl::TRect active = tabs.Tab(0).GetFullRect();
    EXPECT_EQ(surface->Pixel(active.Left, active.Top + 5), Rgb(vcl::clHighlight)) << "the active tab's accent";
}

// A caption of blanks shows only what lies under it: the row's gradient, turned with the caption.
TEST(uiPCFlatRowPainters, AnOffice11CaptionTurnedWithLeftTabsSitsOnTheGradient) {
    for (const bool topToBottom : {false, true}) {
        TFlatRowTabs tabs(Office11Style, 300, 0);
        tabs.Control.SetTabPosition(tpLeft);
        if (topToBottom) {
            tabs.Control.SetOptions(uiPCDefaultOptions + TuiPCOptions{pcoTopToBottomText});
        }
        tabs.Control.SetTabWidth(0);
        ui_test::AddTabs(tabs.Control, {u"Active", u"          "});
        const auto surface = tabs.Paint();
        TuiPCCustomPainter& painter = tabs.Control.Painter();
        painter.SetTabImageAndTextRects(1);
        const vcl::TRect text = painter.TabContentData().TextRect;
        ASSERT_FALSE(text.IsEmpty());
        const vcl::TRect tab = tabs.Tab(1).GetNormalRect();
        ASSERT_GT(text.Top, tab.Top);
        for (int32_t x = text.Left; x < text.Right; ++x) {
            EXPECT_EQ(surface->Pixel(x, (text.Top + text.Bottom) / 2), surface->Pixel(x, tab.Top + 1))
                << x << (topToBottom ? " top to bottom" : " bottom to top");
        }
    }
}

TEST(uiPCFlatRowPainters, AnOffice11CloseButtonWithoutRowsHasAGradientOfItsOwn) {
    TFlatRowTabs tabs(Office11Style, 300, 0);
    tabs.Control.SetOptions(uiPCDefaultOptions + TuiPCOptions{pcoCloseButton});
    ASSERT_EQ(tabs.Control.RowCount(), 0);
    const vcl::TRect face = InflateRectBy(tabs.Button(nbClose).Bounds, -1, -1);
    const auto surface = tabs.Paint();
    ui_test::TDibSurface expected(face.Width(), face.Height());
    const TuxOffice11Colors& colors = Office11Colors();
    PaintGradientRect(expected.DC(), {0, 0, face.Width(), face.Height()}, colors.Office11BarLightColor,
                      colors.Office11BarDarkColor, false);
    for (int32_t y = 0; y < face.Height(); ++y) {
        EXPECT_EQ(surface->Pixel(face.Left, face.Top + y), expected.Pixel(0, y)) << y;
    }
    EXPECT_EQ(surface->Pixel(face.Left - 1, face.Top), Rgb(colors.Office11DisabledGlyphColor))
        << "the frame of a button that has no tab to close";
}

} // namespace
} // namespace ui
