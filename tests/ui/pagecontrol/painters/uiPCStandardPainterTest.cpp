// The standard painter every style derives from: the navigator buttons' order, places and sizes on each side, the
// tab area without buttons, metrics from its tables, glyphs moved when pressed and embossed when disabled, owner
// drawing, and the painters' colours (brightness changes and the lightened button face).

#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/painters/uiPCTabsPainter.h"
#include "ui/pagecontrol/tabs/uiPCPaintersFactory.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::AddNumberedTabs;
using ui_test::Rgb;
using ui_test::ShowTabControlForm;

// The standard painter as it stands, with flat tabs, under style 97.
class TPlainPainter final : public TuiPCStandardPainter {
public:
    class TMetaclass final : public TuiPCStandardPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 97; }
        rtl::UnicodeString GetStyleName() const override { return u"Plain"; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override {
            return std::make_unique<TPlainPainter>(control);
        }
    };
    static const TMetaclass& StaticClass() {
        static const TMetaclass metaclass;
        return metaclass;
    }
    using TuiPCStandardPainter::TuiPCStandardPainter;
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }
    vcl::TColor GetTabColor(int32_t) override { return vcl::clBtnFace; }
    vcl::TRect GetTabStripMargins() override { return {2, 3, 4, 0}; }
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override {
        ParentInfo().Canvas().FillRectColor(tab.GetFullRect(), GetTabColor(visibleIndex));
    }
};

// The plain style registered for one test.
class TPlainStyle {
public:
    TPlainStyle() { RegisterPCPainterClass(&TPlainPainter::StaticClass()); }
    ~TPlainStyle() { UnregisterPCPainterClass(&TPlainPainter::StaticClass()); }
    TPlainStyle(const TPlainStyle&) = delete;
    TPlainStyle& operator=(const TPlainStyle&) = delete;
};

// A tab control whose tab-strip mode a test may switch, as the grid's level tabs do.
class TStripTabControl final : public TuiTabControl {
public:
    using TuiTabControl::SetTabStripMode;
    using TuiTabControl::TuiTabControl;
};

TuiPCStandardPainter& StandardPainter(TuiCustomTabControl& control) {
    return dynamic_cast<TuiPCStandardPainter&>(control.Painter());
}

std::vector<TuiPCNavigatorButton> QueueButtons(TuiCustomTabControl& control) {
    std::vector<TuiPCNavigatorButton> buttons;
    for (const auto& entry : StandardPainter(control).NavigatorButtonQueue()) {
        buttons.push_back(entry.Button);
    }
    return buttons;
}

vcl::TRect BoundsOf(TuiCustomTabControl& control, TuiPCNavigatorButton button) {
    for (const auto& entry : StandardPainter(control).NavigatorButtonQueue()) {
        if (entry.Button == button) {
            return entry.Bounds;
        }
    }
    return {};
}

constexpr TuiPCOptions AllButtons{pcoGoDialog, pcoCloseButton};

constexpr vcl::TColor ColorOf(int red, int green, int blue) {
    return static_cast<vcl::TColor>(red | green << 8 | blue << 16);
}

TEST(uiPCStandardPainter, ButtonsAtTheEndRunFromTheGoDialogToTheCloseButton) {
    ui_test::TTabControlForm host{ui_test::CreateTestForm<vcl::TForm>()};
    auto* control = new TStripTabControl(host.Form.get());
    control->LookAndFeel().SetKind(lfStandard);
    control->SetBounds(0, 0, 300, 100);
    control->SetParent(host.Form.get());
    ui_test::ShowTestForm(*host.Form, 300, 100, ui_test::TFormPlacement::OffScreen);
    AddNumberedTabs(*control, 12);
    control->SetOptions(AllButtons);
    for (const bool strip : {false, true}) {
        control->SetTabStripMode(strip);
        ASSERT_EQ(QueueButtons(*control), (std::vector{nbGoDialog, nbTopLeft, nbBottomRight, nbClose})) << strip;
        TuiPCStandardPainter& painter = StandardPainter(*control);
        const int32_t end = painter.GetButtonsEndOffset();
        EXPECT_EQ(end, strip ? 2 : 0);
        EXPECT_EQ(BoundsOf(*control, nbClose).Right, 300 - end) << strip;
        EXPECT_EQ(BoundsOf(*control, nbClose).Top, painter.GetButtonsEdgeOffset()) << strip;
        EXPECT_EQ(BoundsOf(*control, nbGoDialog).Width(), 12);
        EXPECT_EQ(BoundsOf(*control, nbTopLeft).Width(), 20);
        EXPECT_EQ(BoundsOf(*control, nbTopLeft).Height(), 20);
        EXPECT_EQ(BoundsOf(*control, nbGoDialog).Right, BoundsOf(*control, nbTopLeft).Left) << "no gaps";
        EXPECT_EQ(painter.NavigatorArea(), (vcl::TRect{300 - end - 72, painter.GetButtonsEdgeOffset(), 300 - end,
                                                       painter.GetButtonsEdgeOffset() + 20}));
        EXPECT_LE(control->TabsPosition().TabsRect.Right, painter.NavigatorArea().Left) << "the tabs end before them";
    }
    control->SetNavigatorPosition(npLeftBottom);
    EXPECT_EQ(QueueButtons(*control), (std::vector{nbClose, nbTopLeft, nbBottomRight, nbGoDialog}));
    EXPECT_EQ(BoundsOf(*control, nbClose).Left, 2);
}

TEST(uiPCStandardPainter, ButtonsBesideLeftTabsAreStackedDownward) {
    auto host = ShowTabControlForm(200, 300);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 12);
    control.SetOptions(AllButtons);
    control.SetTabPosition(tpLeft);
    const TuiPCStandardPainter& painter = StandardPainter(control);
    EXPECT_EQ(painter.NavigatorArea().Width(), 20);
    EXPECT_EQ(painter.NavigatorArea().Left, 0);
    EXPECT_EQ(QueueButtons(control), (std::vector{nbClose, nbTopLeft, nbBottomRight, nbGoDialog}))
        << "npRightTop puts the navigator above left tabs";
    EXPECT_EQ(BoundsOf(control, nbClose).Top, 0);
    EXPECT_EQ(BoundsOf(control, nbTopLeft).Top, 20);
    EXPECT_EQ(BoundsOf(control, nbGoDialog).Height(), 13);
    EXPECT_EQ(BoundsOf(control, nbGoDialog).Width(), 20);
}

TEST(uiPCStandardPainter, WithoutButtonsTheTabAreaLosesOnlyTheStripMargins) {
    const TPlainStyle plain;
    ui_test::TTabControlForm host{ui_test::CreateTestForm<vcl::TForm>()};
    auto* control = new TStripTabControl(host.Form.get());
    control->LookAndFeel().SetKind(lfStandard);
    control->SetBounds(0, 0, 300, 100);
    control->SetParent(host.Form.get());
    ui_test::ShowTestForm(*host.Form, 300, 100, ui_test::TFormPlacement::OffScreen);
    control->SetStyle(97);
    AddNumberedTabs(*control, 2);
    control->SetOptions({});
    TuiPCStandardPainter& painter = StandardPainter(*control);
    EXPECT_TRUE(painter.NavigatorButtonQueue().empty());
    EXPECT_TRUE(painter.GetGoDialogButtonBounds().IsEmpty());
    TuiPCNavigatorButton button;
    EXPECT_FALSE(painter.GetNavigatorButtonAt(290, 5, button));
    EXPECT_EQ(control->TabsPosition().TabsRect, (vcl::TRect{0, 0, 300, 100}));
    control->SetTabStripMode(true);
    EXPECT_EQ(control->TabsPosition().TabsRect, (vcl::TRect{2, 3, 296, 100}));
    EXPECT_EQ(control->TabsPosition().LineLength, 294);
    control->SetTabPosition(tpRight);
    EXPECT_EQ(control->TabsPosition().TabsRect, (vcl::TRect{0, 2, 297, 96})) << "turned to the right side";
    EXPECT_EQ(control->TabsPosition().LineLength, 94);
    control->SetStyle(0);
}

TEST(uiPCStandardPainter, AGoToMenuOpensAtTheGoDialogButtonsCorner) {
    auto host = ShowTabControlForm(300, 200);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 20);
    TuiPCCustomPainter& painter = control.Painter();
    const vcl::TSize menu{80, 150};
    vcl::TPoint point{-1, -1};
    painter.GetGoDialogPoint(menu, point);
    EXPECT_EQ(point, (vcl::TPoint{-1, -1})) << "no go-dialog button, no point";
    control.SetOptions({pcoGoDialog});
    vcl::TRect button = painter.GetGoDialogButtonBounds();
    painter.GetGoDialogPoint(menu, point);
    EXPECT_EQ(point, (vcl::TPoint{button.Right - 80, button.Bottom})) << "below the button, ending at its right edge";
    control.SetTabPosition(tpBottom);
    control.SetNavigatorPosition(npLeftBottom);
    button = painter.GetGoDialogButtonBounds();
    painter.GetGoDialogPoint(menu, point);
    EXPECT_EQ(point, (vcl::TPoint{button.Left, button.Top - 150})) << "above the button, from its left edge";
}

TEST(uiPCStandardPainter, ATabWidthIsTakenAsItIs) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 3);
    control.SetTabWidth(1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(control.Tabs().Tab(i).NormalWidth(), 1) << i;
    }
    control.SetTabWidth(0);
    EXPECT_EQ(control.Tabs().Tab(0).NormalWidth(), control.Painter().GetTabMinWidth(0)) << "a short caption";
}

TEST(uiPCStandardPainter, APressedButtonsGlyphMovesDownAndRight) {
    const TPlainStyle plain;
    auto host = ShowTabControlForm(200, 100, ui_test::TFormPlacement::OnScreen);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 12);
    control.SetOptions({pcoGoDialog});
    struct TCase {
        TuiPCStyleID Style;
        TuiPCNavigatorButton Button;
        vcl::TPoint Shift;
    };
    // Centred glyphs: the go-dialog glyph moves only down; the Tabs style's fixed offsets move all by (1, 1).
    const TCase cases[] = {
        {97, nbBottomRight, {1, 1}}, {97, nbGoDialog, {0, 1}}, {1, nbBottomRight, {1, 1}}, {1, nbGoDialog, {1, 1}}};
    for (const TCase& test : cases) {
        control.SetStyle(test.Style);
        TuiPCStandardPainter& painter = StandardPainter(control);
        const vcl::TPoint normal = painter.GetNavigatorButtonGlyphOffset(test.Button);
        const vcl::TRect bounds = BoundsOf(control, test.Button);
        ui_test::MouseDown(control, vcl::mbLeft, {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2});
        ASSERT_EQ(control.NavigatorButtonState(test.Button), nbsPressed);
        const vcl::TPoint pressed = painter.GetNavigatorButtonGlyphOffset(test.Button);
        EXPECT_EQ(pressed.X - normal.X, test.Shift.X) << test.Style << " " << int(test.Button);
        EXPECT_EQ(pressed.Y - normal.Y, test.Shift.Y) << test.Style << " " << int(test.Button);
        ui_test::MouseUp(control, vcl::mbLeft, {0, 90});
    }
    control.SetStyle(0);
}

TEST(uiPCStandardPainter, ADisabledControlEmbossesItsGlyphs) {
    auto host = ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 12);
    TuiPCStandardPainter& painter = StandardPainter(control);
    const vcl::TRect bounds = BoundsOf(control, nbBottomRight);
    const vcl::TPoint offset = painter.GetNavigatorButtonGlyphOffset(nbBottomRight);
    // The right arrow's triangle runs from (0, 0) through (4, 4) to (0, 8) from its origin.
    const vcl::TPoint origin{bounds.Left + offset.X, bounds.Top + offset.Y};
    auto surface = ui_test::PaintTabControl(control);
    EXPECT_EQ(surface->Pixel(origin.X + 1, origin.Y + 4), Rgb(vcl::clBtnText));
    EXPECT_EQ(surface->Pixel(origin.X + 5, origin.Y + 5), Rgb(vcl::clBtnFace));
    control.SetEnabled(false);
    surface = ui_test::PaintTabControl(control);
    EXPECT_EQ(surface->Pixel(origin.X + 1, origin.Y + 4), Rgb(vcl::clBtnShadow)) << "the shadow lies on top";
    EXPECT_EQ(surface->Pixel(origin.X + 5, origin.Y + 5), Rgb(vcl::clBtnHighlight)) << "the highlight one pixel off";
}

TEST(uiPCStandardPainter, AnOwnerDrawnTabIsLeftToItsHandler) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    ui_test::AddTabs(control, {u"Own", u"Plain", u"Active"});
    control.SetTabIndex(2);
    std::vector<int32_t> asked;
    control.SetOnDrawTab([&asked](TuiCustomTabControl*, TuiTab* tab, bool& defaultDraw) {
        asked.push_back(tab->Index());
        defaultDraw = tab->Index() != 0;
    });
    const vcl::TRect own = control.Tabs().Tab(0).GetVisibleRect();
    ASSERT_FALSE(own.IsEmpty());
    auto surface = ui_test::PaintTabControl(control);
    EXPECT_TRUE(asked.empty()) << "without OwnerDraw the handler is not asked";
    EXPECT_FALSE(ui_test::AllPixelsAre(*surface, own, Rgb(vcl::clFuchsia)));
    control.SetOwnerDraw(true);
    surface = ui_test::PaintTabControl(control);
    EXPECT_EQ(asked, (std::vector<int32_t>{2, 0, 1})) << "the active tab first";
    EXPECT_TRUE(ui_test::AllPixelsAre(*surface, own, Rgb(vcl::clFuchsia)))
        << "the painter drew nothing of the tab, and its region was left out of the rest";
    EXPECT_FALSE(ui_test::AllPixelsAre(*surface, control.Tabs().Tab(1).GetVisibleRect(), Rgb(vcl::clFuchsia)));
}

TEST(uiPCPainterColors, TheLightFaceIsTwentyLighterPerChannel) {
    struct TCase {
        vcl::TColor Face;
        vcl::TColor Light;
    };
    const TCase cases[] = {{ColorOf(240, 240, 240), ColorOf(255, 255, 255)},
                           {ColorOf(100, 200, 236), ColorOf(120, 220, 255)},
                           {ColorOf(0, 235, 20), ColorOf(20, 255, 40)}};
    for (const TCase& test : cases) {
        EXPECT_EQ(LightenedFaceColor(test.Face), test.Light) << std::hex << test.Face;
    }
    EXPECT_EQ(LightFaceColor(), LightenedFaceColor(vcl::clBtnFace));
}

TEST(uiPCPainterColors, BrightnessChangesKeepHueAndSaturation) {
    const vcl::TColor grey = AdjustBrightness(ColorOf(100, 100, 100), 50);
    const uint32_t rgb = ColorToRGB(grey);
    EXPECT_EQ(rgb & 0xFF, (rgb >> 8) & 0xFF);
    EXPECT_EQ(rgb & 0xFF, (rgb >> 16) & 0xFF);
    EXPECT_NEAR(static_cast<int>(rgb & 0xFF), 150, 1);
    for (int percent : {-50, 0, 85, 300}) {
        EXPECT_EQ(ColorToRGB(AdjustBrightness(vcl::clBlack, percent)), 0u) << percent;
    }
    EXPECT_EQ(ColorToRGB(AdjustBrightness(ColorOf(255, 255, 255), 50)), 0xFFFFFFu) << "at most 100";
    const TuiHsbColor blue = ColorToHsb(ColorOf(0, 0, 200));
    EXPECT_DOUBLE_EQ(blue.Hue, 240);
    EXPECT_DOUBLE_EQ(blue.Saturation, 100);
    EXPECT_EQ(ColorToRGB(AdjustBrightness(ColorOf(0, 0, 200), 25)), ColorToRGB(ColorOf(0, 0, 250)));
    EXPECT_EQ(ColorToRGB(HsbToColor(ColorToHsb(ColorOf(30, 120, 90)))), ColorToRGB(ColorOf(30, 120, 90)));
}

} // namespace
} // namespace ui
