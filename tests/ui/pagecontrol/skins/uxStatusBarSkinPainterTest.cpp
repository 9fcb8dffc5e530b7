// The status bar's skin painter: set by the skins' start-up and cleared by their shut-down, chosen only for a skinned
// look with stpsUseLookAndFeel, and with the built-in "Blue" skin: the text colours (a skin colour of none leaves
// clWindowText), the panel area inside the border, the panel bevels, and whole bars painted twice alike without a red
// stand-in anywhere.

#include "ui/pagecontrol/skins/uxStatusBarSkinPainter.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "ui/pagecontrol/skins/uxPCSkinData.h"
#include "ui/pagecontrol/skins/uxPCSkinsUnit.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr vcl::TColor BlueDisabledText = static_cast<vcl::TColor>(0x8D8D8D);
constexpr vcl::TColor Red = static_cast<vcl::TColor>(0x0000FF);

// A bar 300 wide with one panel in the "Blue" skin, drawn by the look and feel.
struct TBlueBar {
    ui_test::TStatusBarForm Host = ui_test::ShowStatusBarForm(300, vcl::bsSizeable);
    TuxStatusBar& Bar = *Host.Bar;

    TBlueBar() {
        Bar.SetPaintStyle(stpsUseLookAndFeel);
        Bar.LookAndFeel().SetSkinName(u"Blue");
        Bar.CreatePanel();
    }
    const TuxStatusBarPainter& Painter() const { return Bar.Painter(); }
    TuxSkinElement& Element(TuxSkinElementId id) const {
        TuxSkinElement* element = PresentSkinElement(SkinInfoOf(Bar.LookAndFeel()), id);
        EXPECT_NE(element, nullptr);
        return *element;
    }
};

TEST(uxStatusBarSkinPainter, TheStartUpSetsTheBarsSkinPainterAndTheShutDownClearsIt) {
    EXPECT_EQ(StatusBarSkinPainterClass, &TuxStatusBarSkinPainter::Instance());
    FinalizePageControlSkinsUnit();
    EXPECT_EQ(StatusBarSkinPainterClass, nullptr);
    InitializePageControlSkinsUnit();
    EXPECT_EQ(StatusBarSkinPainterClass, &TuxStatusBarSkinPainter::Instance());
}

TEST(uxStatusBarSkinPainter, OnlyASkinnedLookWithUseLookAndFeelTakesIt) {
    TBlueBar blue;
    EXPECT_EQ(&blue.Painter(), &TuxStatusBarSkinPainter::Instance());
    blue.Bar.SetPaintStyle(stpsStandard);
    EXPECT_EQ(&blue.Painter(), &TuxStatusBarStandardPainter::Instance()) << "the standard style ignores the skin";
    blue.Bar.SetPaintStyle(stpsUseLookAndFeel);
    blue.Bar.LookAndFeel().SetSkinName(u"");
    EXPECT_NE(&blue.Painter(), &TuxStatusBarSkinPainter::Instance());
}

TEST(uxStatusBarSkinPainter, WindowTextTakesTheSkinsColoursWhereTheSkinHasThem) {
    TBlueBar blue;
    ASSERT_EQ(blue.Element(seiBarsStatusBar).TextColor(), vcl::clDefault) << "Blue's bar has no text colour";
    const struct {
        vcl::TColor Color;
        bool Active;
        vcl::TColor Expected;
    } cases[] = {{vcl::clWindowText, true, vcl::clWindowText},
                 {vcl::clWindowText, false, BlueDisabledText},
                 {vcl::clRed, false, vcl::clRed},
                 {vcl::clBtnText, true, vcl::clBtnText}};
    for (const auto& c : cases) {
        vcl::TColor color = c.Color;
        blue.Painter().AdjustTextColor(blue.Bar, color, c.Active);
        EXPECT_EQ(color, c.Expected) << int(c.Color) << " " << c.Active;
    }
}

TEST(uxStatusBarSkinPainter, TheBorderLeavesThePanelsInsideTheBorderWidth) {
    TBlueBar blue;
    blue.Bar.SetBorderWidth(2);
    ASSERT_EQ(blue.Element(seiBarsStatusBar).ContentOffset().Top, 0);
    ui_test::TCanvasOnSurface target(300, blue.Bar.Height());
    vcl::TRect rect = blue.Bar.GetClientBounds();
    const vcl::TRect bounds = rect;
    blue.Painter().DrawBorder(blue.Bar, target.Canvas, rect);
    EXPECT_EQ(rect, (vcl::TRect{bounds.Left + 3, bounds.Top + 2, bounds.Right - 3, bounds.Bottom - 3}));
}

TEST(uxStatusBarSkinPainter, BevelledPanelsAreLinkStaticAndUnbevelledOnesKeepTheirRectangle) {
    TBlueBar blue;
    ui_test::TCanvasOnSurface target(100, 30);
    const vcl::TRect cell{10, 2, 90, 24};
    vcl::TRect none = cell;
    blue.Painter().DrawPanelBorder(blue.Bar, uxpbNone, none, target.Canvas);
    EXPECT_EQ(none, cell);
    EXPECT_TRUE(ui_test::AllPixelsAre(target.Surface, {0, 0, 100, 30}, vcl::clWhite)) << "nothing drawn";
    const vcl::TRect offsets = blue.Element(seiBarsLinkStatic).ContentOffset();
    for (const TuxStatusBarPanelBevel bevel : {uxpbLowered, uxpbRaised}) {
        vcl::TRect content = cell;
        blue.Painter().DrawPanelBorder(blue.Bar, bevel, content, target.Canvas);
        EXPECT_EQ(content, (vcl::TRect{cell.Left + offsets.Left, cell.Top + offsets.Top, cell.Right - offsets.Right,
                                       cell.Bottom - offsets.Bottom}));
    }
    EXPECT_EQ(blue.Painter().GetPanelContentMargins(&blue.Bar.Panels().Item(0), true), offsets);
    EXPECT_EQ(blue.Painter().GetPanelContentMargins(&blue.Bar.Panels().Item(0), false), (vcl::TRect{}));
}

TEST(uxStatusBarSkinPainter, ABlueBarPaintsAlikeTwiceWithoutAStandIn) {
    TBlueBar blue;
    blue.Bar.CreatePanel();
    blue.Bar.SetSizeGrip(true);
    const auto first = ui_test::PaintStatusBar(blue.Bar);
    EXPECT_EQ(ui_test::PaintStatusBar(blue.Bar)->Pixels(), first->Pixels());
    for (int y = 0; y < first->Height(); ++y) {
        for (int x = 0; x < first->Width(); ++x) {
            ASSERT_NE(first->Pixel(x, y), Red) << x << ", " << y;
            ASSERT_NE(first->Pixel(x, y), ui_test::Rgb(vcl::clFuchsia)) << "left unpainted: " << x << ", " << y;
        }
    }
}

} // namespace
} // namespace ui
