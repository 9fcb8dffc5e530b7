// Panels and the bar's settings as a program sets them: the width rules, the style registry and unknown style names,
// the hint routing, the font reaching the styles, and the painter each paint style and look and feel gives.

#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"
#include "ui/pagecontrol/statusbar/uxStatusBarIndicatorPanelStyles.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPainters.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/forms/HintAction.h"
#include "vcl/graphics/Font.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::ShowStatusBarForm;

TEST(uxStatusBarPanel, WidthsKeepTheirBounds) {
    auto host = ShowStatusBarForm(400);
    struct TCase {
        const char* Name;
        int32_t MinWidth; // applied first; -1000 leaves it alone
        int32_t Width;    // applied second; -1000 leaves it alone
        int32_t ExpectedMinWidth;
        int32_t ExpectedWidth;
    };
    const TCase cases[] = {
        {"a negative minimum stores 0", -3, -1000, 0, 50},
        {"a width below the minimum stores the minimum", -1000, 10, 20, 20},
        {"a higher minimum raises the width", 80, -1000, 80, 80},
        {"a width above the minimum stays", 30, 70, 30, 70},
    };
    for (const TCase& c : cases) {
        TuxStatusBarPanel& panel = host.Bar->CreatePanel();
        if (c.MinWidth != -1000) {
            panel.SetMinWidth(c.MinWidth);
        }
        if (c.Width != -1000) {
            panel.SetWidth(c.Width);
        }
        EXPECT_EQ(panel.MinWidth(), c.ExpectedMinWidth) << c.Name;
        EXPECT_EQ(panel.Width(), c.ExpectedWidth) << c.Name;
    }
    host.Bar->SetBorderWidth(-5);
    EXPECT_EQ(host.Bar->BorderWidth(), 0);
}

TEST(uxStatusBarPanel, StylesThatAreNotSizableGiveTheirOwnWidths) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBarPanel& keys = host.Bar->CreatePanel();
    keys.SetPanelStyleClassName(u"TuxStatusBarKeyboardStatePanelStyle");
    static_cast<TuxStatusBarKeyboardStatePanelStyle&>(*keys.PanelStyle()).SetKeyboardStates({});
    keys.SetWidth(200);
    keys.SetFixed(false);
    TuxStatusBarPanel& lights = host.Bar->CreatePanel();
    lights.SetPanelStyleClassName(u"TuxStatusBarStateIndicatorPanelStyle");
    host.Bar->CreatePanel();

    // Keyboard cells draw their own bevels, so the panel gets no allowance for one.
    EXPECT_EQ(keys.Width(), 50);
    EXPECT_EQ(keys.GetRealWidth(), 50);
    EXPECT_TRUE(keys.Fixed());
    EXPECT_EQ(lights.Width(), 20);
    EXPECT_EQ(lights.GetRealWidth(), 22);
}

TEST(uxStatusBarPanel, AnUnregisteredStyleNameLeavesNoStyleAndNoBorderAllowance) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBarPanel& panel = host.Bar->CreatePanel();
    ASSERT_NE(panel.PanelStyle(), nullptr);
    EXPECT_EQ(panel.PanelStyleClassName(), u"TuxStatusBarTextPanelStyle");
    EXPECT_EQ(panel.GetRealWidth(), 52);

    panel.SetPanelStyleClassName(u"tuxstatusbartextpanelstyle");
    EXPECT_EQ(panel.PanelStyle(), nullptr);
    EXPECT_EQ(panel.PanelStyleClassName(), u"");
    EXPECT_EQ(panel.GetRealWidth(), 50);
}

TEST(uxStatusBarPanel, AssignCopiesThePanelAndItsStyle) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBarPanel& source = host.Bar->CreatePanel();
    source.SetPanelStyleClassName(u"TuxStatusBarKeyboardStatePanelStyle");
    auto& keys = static_cast<TuxStatusBarKeyboardStatePanelStyle&>(*source.PanelStyle());
    keys.SetKeyboardStates({uxksCapsLock, uxksInsert});
    keys.Appearance(uxksInsert).SetActiveCaption(u"改写");
    keys.SetColor(vcl::clYellow);
    source.SetBevel(uxpbRaised);
    source.SetText(u"keys");
    source.SetMinWidth(30);

    TuxStatusBarPanel& target = host.Bar->CreatePanel();
    target.SetWidth(200);
    target.Assign(&source);
    ASSERT_EQ(target.PanelStyleClassName(), u"TuxStatusBarKeyboardStatePanelStyle");
    const auto& copied = static_cast<const TuxStatusBarKeyboardStatePanelStyle&>(*target.PanelStyle());
    EXPECT_EQ(copied.KeyboardStates(), (TuxStatusBarKeyboardStates{uxksCapsLock, uxksInsert}));
    EXPECT_EQ(copied.Appearance(uxksInsert).ActiveCaption(), u"改写");
    EXPECT_EQ(copied.Color(), vcl::clYellow);
    EXPECT_TRUE(copied.IsColorAssigned());
    EXPECT_EQ(target.Bevel(), uxpbRaised);
    EXPECT_EQ(target.Text(), u"keys");
    EXPECT_EQ(target.Width(), copied.GetMinWidth()) << "the style's width, not the one set before";
    EXPECT_EQ(target.GetDisplayName(), u"keys");
}

TEST(uxStatusBarPanel, TheRegistryListsTheFourStylesInOrder) {
    const TuiRegisteredClasses& registry = GetRegisteredStatusBarPanelStyles();
    ASSERT_EQ(registry.GetCount(), 4);
    const TuiClass classes[] = {
        &TuxStatusBarTextPanelStyle::StaticClass(), &TuxStatusBarContainerPanelStyle::StaticClass(),
        &TuxStatusBarKeyboardStatePanelStyle::StaticClass(), &TuxStatusBarStateIndicatorPanelStyle::StaticClass()};
    const char16_t* descriptions[] = {u"Text Panel", u"Container Panel", u"Keyboard State Panel",
                                      u"State Indicator Panel"};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(registry.GetClassAt(i), classes[i]) << i;
        EXPECT_EQ(registry.GetDescriptionText(i), descriptions[i]) << i;
    }
}

TEST(uxStatusBarPanel, OneTextPanelCarriesTheHint) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBarPanel& first = host.Bar->CreatePanel();
    TuxStatusBarPanel& second = host.Bar->CreatePanel();
    auto& firstStyle = static_cast<TuxStatusBarTextPanelStyle&>(*first.PanelStyle());
    auto& secondStyle = static_cast<TuxStatusBarTextPanelStyle&>(*second.PanelStyle());

    vcl::THintAction hint(u"打开销售清单");
    EXPECT_FALSE(host.Bar->ExecuteAction(&hint)) << "no panel carries AutoHint yet";

    firstStyle.SetAutoHint(true);
    secondStyle.SetAutoHint(true);
    EXPECT_FALSE(firstStyle.AutoHint());
    EXPECT_TRUE(secondStyle.AutoHint());

    EXPECT_TRUE(host.Bar->ExecuteAction(&hint));
    EXPECT_EQ(second.Text(), u"打开销售清单");
    EXPECT_EQ(first.Text(), u"");

    int hintsHeard = 0;
    host.Bar->SetOnHint([&](rtl::TObject*) { ++hintsHeard; });
    vcl::THintAction other(u"other");
    EXPECT_FALSE(host.Bar->ExecuteAction(&other));
    EXPECT_EQ(hintsHeard, 1);
    EXPECT_EQ(second.Text(), u"打开销售清单");
}

TEST(uxStatusBarPanel, TheBarsFontReachesStylesThatFollowIt) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBarPanel& following = host.Bar->CreatePanel();
    TuxStatusBarPanel& own = host.Bar->CreatePanel();
    vcl::TFont ownFont;
    ownFont.SetName(u"Tahoma");
    ownFont.SetSize(14);
    own.PanelStyle()->SetFont(ownFont);
    EXPECT_FALSE(own.PanelStyle()->ParentFont());

    host.Bar->Font().SetSize(17);
    host.Bar->Font().SetName(u"SimSun");
    EXPECT_EQ(following.PanelStyle()->Font().Size(), 17);
    EXPECT_EQ(following.PanelStyle()->Font().Name(), u"SimSun");
    EXPECT_TRUE(following.PanelStyle()->ParentFont());
    EXPECT_EQ(own.PanelStyle()->Font().Size(), 14);
}

TEST(uxStatusBarPanel, ThePaintStyleAndTheLookAndFeelChooseThePainter) {
    ui_test::TThemeApiDouble api;
    CloseAllThemeHandles();
    auto host = ShowStatusBarForm(400);
    TuxStatusBar& bar = *host.Bar;
    EXPECT_EQ(&bar.Painter(), &TuxStatusBarStandardPainter::Instance()) << "the default paint style";

    struct TCase {
        TuxStatusBarPaintStyle PaintStyle;
        TuiLookAndFeelKind Kind;
        bool NativeStyle;
        const TuxStatusBarPainter* Expected;
    };
    const TCase cases[] = {
        {stpsFlat, lfStandard, false, &TuxStatusBarFlatPainter::Instance()},
        {stpsOffice11, lfStandard, false, &TuxStatusBarOffice11Painter::Instance()},
        {stpsXP, lfStandard, false, &TuxStatusBarXPPainter::Instance()},
        {stpsUseLookAndFeel, lfUltraFlat, false, &TuxStatusBarFlatPainter::Instance()},
        {stpsUseLookAndFeel, lfOffice11, false, &TuxStatusBarOffice11Painter::Instance()},
        {stpsUseLookAndFeel, lfFlat, false, &TuxStatusBarStandardPainter::Instance()},
        {stpsUseLookAndFeel, lfStandard, false, &TuxStatusBarStandardPainter::Instance()},
        {stpsUseLookAndFeel, lfStandard, true, &TuxStatusBarXPPainter::Instance()},
    };
    ASSERT_TRUE(AreVisualStylesActive({totStatus}));
    for (const TCase& c : cases) {
        bar.LookAndFeel().SetKind(c.Kind);
        bar.LookAndFeel().SetNativeStyle(c.NativeStyle);
        bar.SetPaintStyle(c.PaintStyle);
        EXPECT_EQ(&bar.Painter(), c.Expected) << int(c.PaintStyle) << " " << int(c.Kind) << " " << c.NativeStyle;
    }

    // Without the status theme class the themed look falls back to the standard one.
    api.HiddenClasses.insert(u"Status");
    CloseAllThemeHandles();
    bar.SetPaintStyle(stpsXP);
    bar.SetPaintStyle(stpsUseLookAndFeel);
    EXPECT_EQ(&bar.Painter(), &TuxStatusBarStandardPainter::Instance());
    bar.SetPaintStyle(stpsXP);
    EXPECT_EQ(&bar.Painter(), &TuxStatusBarStandardPainter::Instance());
    CloseAllThemeHandles();
}

} // namespace
} // namespace ui
