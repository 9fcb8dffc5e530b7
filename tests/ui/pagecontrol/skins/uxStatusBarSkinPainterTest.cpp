// The status bar's skin painter: set by the skins' start-up and cleared by their shut-down, chosen only for a skinned
// look with stpsUseLookAndFeel, and with the built-in "Blue" skin: the text colours (a skin colour of none leaves
// clWindowText), the panel area inside the border, the panel bevels, and whole bars painted twice alike without a red
// stand-in anywhere.

#include "ui/pagecontrol/skins/uxStatusBarSkinPainter.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "ui/core/skins/painter/uxSkinsLookAndFeelPainter.h"
#include "ui/pagecontrol/skins/uxPCSkinData.h"
#include "ui/pagecontrol/skins/uxPCSkinsUnit.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

namespace ui {
namespace {

constexpr vcl::TColor BlueDisabledText = static_cast<vcl::TColor>(0x8D8D8D);
constexpr vcl::TColor Red = static_cast<vcl::TColor>(0x0000FF);

class TPartialSkinPainter final : public TuxSkinLookAndFeelPainter {};

// "Partial": a copy of "Blue" registered for the test's life with some of its elements renamed away, so that the
// skin info stands its red cross in for them.
class TPartialSkin {
public:
    TPartialSkin(std::initializer_list<std::pair<const char*, const char*>> missing) {
        TuiLookAndFeelPainterClass blue = nullptr;
        rtl::TObject* data = nullptr;
        EXPECT_TRUE(ExtendedStylePainters()->FindPainter(u"Blue", blue));
        EXPECT_TRUE(ExtendedStylePainters()->DataOfPainter(blue, data));
        std::unique_ptr<TuxSkin> skin = dynamic_cast<TuxSkinInfo&>(*data).Skin()->CloneSkin();
        for (const auto& [group, name] : missing) {
            skin->GetGroupByName(group)->GetElementByName(name)->SetName(std::string(name) + "Gone");
        }
        std::unique_ptr<rtl::TObject> info = std::make_unique<TuxSkinLookAndFeelPainterInfo>(std::move(skin));
        EXPECT_TRUE(ExtendedStylePainters()->Register(u"Partial", &FPainter, info));
    }
    ~TPartialSkin() { ExtendedStylePainters()->Unregister(u"Partial"); }
    TPartialSkin(const TPartialSkin&) = delete;
    TPartialSkin& operator=(const TPartialSkin&) = delete;

private:
    TPartialSkinPainter FPainter;
};

// A bar 300 wide with one panel in a skin ("Blue" unless told), drawn by the look and feel.
struct TBlueBar {
    ui_test::TStatusBarForm Host = ui_test::ShowStatusBarForm(300, vcl::bsSizeable);
    TuxStatusBar& Bar = *Host.Bar;

    explicit TBlueBar(const char16_t* skin = u"Blue") {
        Bar.SetPaintStyle(stpsUseLookAndFeel);
        Bar.LookAndFeel().SetSkinName(skin);
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

// Two panels and the grip painted twice alike, every pixel painted and none of them the stand-in's red.
void ExpectWholeBarWithoutStandIn(TuxStatusBar& bar) {
    bar.CreatePanel();
    bar.SetSizeGrip(true);
    const auto first = ui_test::PaintStatusBar(bar);
    EXPECT_EQ(ui_test::PaintStatusBar(bar)->Pixels(), first->Pixels());
    for (int y = 0; y < first->Height(); ++y) {
        for (int x = 0; x < first->Width(); ++x) {
            ASSERT_NE(first->Pixel(x, y), Red) << x << ", " << y;
            ASSERT_NE(first->Pixel(x, y), ui_test::Rgb(vcl::clFuchsia)) << "left unpainted: " << x << ", " << y;
        }
    }
}

TEST(uxStatusBarSkinPainter, ABlueBarPaintsAlikeTwiceWithoutAStandIn) {
    TBlueBar blue;
    ExpectWholeBarWithoutStandIn(blue.Bar);
}

TEST(uxStatusBarSkinPainter, ASkinWithoutTheBarElementDrawsTheBaseWay) {
    TPartialSkin partial({{"Bars", "StatusBar"}});
    TBlueBar bar(u"Partial");
    ASSERT_EQ(&bar.Painter(), &TuxStatusBarSkinPainter::Instance());
    EXPECT_EQ(PresentSkinElement(SkinInfoOf(bar.Bar.LookAndFeel()), seiBarsStatusBar), nullptr);
    ui_test::TCanvasOnSurface target(300, bar.Bar.Height());
    vcl::TRect rect = bar.Bar.GetClientBounds();
    const vcl::TRect bounds = rect;
    bar.Painter().DrawBorder(bar.Bar, target.Canvas, rect);
    EXPECT_EQ(rect, (vcl::TRect{bounds.Left, bounds.Top + 2, bounds.Right, bounds.Bottom})) << "the base border";
    EXPECT_FALSE(bar.Painter().ExcludesSizeGripFromPanels(bar.Bar)) << "still a skin painter's bar";
    vcl::TColor color = vcl::clWindowText;
    bar.Painter().AdjustTextColor(bar.Bar, color, true);
    EXPECT_EQ(color, vcl::clWindowText);
    ExpectWholeBarWithoutStandIn(bar.Bar);
}

TEST(uxStatusBarSkinPainter, ASkinWithoutTheGripOrBevelsDrawsThemTheBaseAndStandardWay) {
    TPartialSkin partial({{"Common", "SizeGrip"}, {"Bars", "LinkStatic"}});
    TBlueBar bar(u"Partial");
    ui_test::TCanvasOnSurface target(100, 30);
    vcl::TRect content{10, 2, 90, 24};
    bar.Painter().DrawPanelBorder(bar.Bar, uxpbLowered, content, target.Canvas);
    EXPECT_EQ(content, (vcl::TRect{11, 3, 89, 23})) << "the standard bevel";
    EXPECT_EQ(target.Surface.Pixel(10, 2), ui_test::Rgb(vcl::clBtnShadow));
    ExpectWholeBarWithoutStandIn(bar.Bar);
}

} // namespace
} // namespace ui
