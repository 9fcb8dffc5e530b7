// Container styles as containers and style controllers use them: values resolved through the state, the controller
// chain and the container, controllers attached, refused when they would form a cycle and left when they go, and
// font heights scaled from the resolution they were stored at.

#include "ui/core/controls/containers/uiContainerStyle.h"

#include "ui/core/controls/containers/uiStyleController.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "vcl/forms/Screen.h"

#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

// A container as its styles see it: its parent colour, parent font and colour preference.
class TStyleHost : public rtl::TPersistent, public IuiContainerStyleHost {
public:
    bool ParentColor() const override { return FParentColor; }
    void SetParentColor(bool value) override { FParentColor = value; }
    bool ParentFont() const override { return FParentFont; }
    void SetParentFont(bool value) override { FParentFont = value; }
    bool HasParentControl() const override { return true; }
    vcl::TColor ParentControlColor() const override { return vcl::clTeal; }
    bool PrefersParentColor() const override { return PrefersParent; }
    bool IsInplace() const override { return false; }

    bool PrefersParent = false;

private:
    bool FParentColor = false;
    bool FParentFont = true;
};

// A host with its four styles, as a container holds them.
struct TStyledHost {
    TStyleHost Host;
    TuiContainerStyles Styles{&Host};
};

// Every test starts and ends without a global controller.
class uiContainerStyle : public ::testing::Test {
protected:
    void SetUp() override { SetGlobalStyleController(nullptr); }
    void TearDown() override { SetGlobalStyleController(nullptr); }
};

TEST_F(uiContainerStyle, StateStylesFallBackToTheNormalStyleAndTheContainer) {
    TStyledHost editor;
    EXPECT_EQ(editor.Styles.Style().Color(), vcl::clWindow);
    editor.Styles.Style().SetColor(vcl::clYellow);
    EXPECT_EQ(editor.Styles.StyleFocused().Color(), vcl::clYellow);
    EXPECT_EQ(editor.Styles.StyleHot().Color(), vcl::clYellow);
    EXPECT_EQ(editor.Styles.StyleDisabled().Color(), vcl::clBtnFace);
    EXPECT_EQ(editor.Styles.StyleDisabled().TextColor(), vcl::clBtnShadow);
    EXPECT_EQ(editor.Styles.StyleDisabled().BorderColor(), vcl::clBtnShadow);

    TStyledHost checkBox;
    checkBox.Host.PrefersParent = true;
    checkBox.Styles.Style().SetColor(vcl::clLime);
    EXPECT_EQ(checkBox.Styles.StyleDisabled().Color(), vcl::clLime);
    checkBox.Host.SetParentColor(true);
    EXPECT_EQ(checkBox.Styles.Style().Color(), vcl::clTeal);
    // An assigned colour is what the container paints with, whatever its parent's.
    EXPECT_EQ(checkBox.Styles.Style().PaintColor(), vcl::clLime);
}

TEST_F(uiContainerStyle, HotTrackingEmphasisesTheFocusedAndHotBorders) {
    TStyledHost host;
    TuiContainerStyle& normal = host.Styles.Style();
    normal.SetBorderStyle(cbsSingle);
    normal.SetHotTrack(true);
    EXPECT_EQ(host.Styles.StyleHot().BorderStyle(), cbsThick);
    EXPECT_EQ(host.Styles.StyleFocused().BorderStyle(), cbsThick);
    EXPECT_EQ(host.Styles.StyleDisabled().BorderStyle(), cbsSingle);
    host.Styles.StyleHot().SetHotTrack(false); // a state style passes it to the normal style
    EXPECT_FALSE(normal.HotTrack());
    EXPECT_EQ(host.Styles.StyleHot().BorderStyle(), cbsSingle);
    EXPECT_EQ(host.Styles.StyleFocused().BorderStyle(), cbsSingle);
}

TEST_F(uiContainerStyle, TheNormalBorderFollowsTheLookAndFeel) {
    TStyledHost host;
    const std::pair<TuiLookAndFeelKind, TuiContainerBorderStyle> cases[] = {
        {lfFlat, cbsFlat}, {lfStandard, cbs3D}, {lfUltraFlat, cbsUltraFlat}, {lfOffice11, cbsOffice11}};
    for (const auto& [kind, border] : cases) {
        host.Styles.Style().LookAndFeel().SetKind(kind);
        EXPECT_EQ(host.Styles.Style().BorderStyle(), border) << static_cast<int>(kind);
    }
}

TEST_F(uiContainerStyle, AControllersValuesReachItsContainersUnlessTheyAssignTheirOwn) {
    TuiStyleController controller(nullptr);
    controller.Style().SetColor(vcl::clAqua);
    controller.StyleHot().SetBorderColor(vcl::clRed);
    TStyledHost first;
    TStyledHost second;
    int changes = 0;
    first.Styles.SetOnChanged([&](rtl::TObject*) { ++changes; });
    first.Styles.Style().SetStyleController(&controller);
    second.Styles.Style().SetStyleController(&controller);
    second.Styles.Style().SetColor(vcl::clPurple);
    EXPECT_EQ(first.Styles.Style().Color(), vcl::clAqua);
    EXPECT_TRUE(first.Styles.Style().IsStyleValueAssigned(csvColor));
    EXPECT_EQ(first.Styles.StyleHot().BorderColor(), vcl::clRed);
    EXPECT_EQ(second.Styles.Style().Color(), vcl::clPurple);
    const int before = changes;
    controller.Style().SetColor(vcl::clNavy);
    EXPECT_GT(changes, before);
    EXPECT_EQ(first.Styles.Style().Color(), vcl::clNavy);
    EXPECT_EQ(first.Styles.Style().StyleController(), &controller);
}

TEST_F(uiContainerStyle, AControllerChainThatLeadsBackIsRefusedAlsoThroughAssign) {
    TuiStyleController a(nullptr);
    TuiStyleController b(nullptr);
    a.Style().SetStyleController(&b);
    ASSERT_EQ(a.Style().StyleController(), &b);
    EXPECT_EQ(a.FakeStyleController(), &b);
    b.Style().SetStyleController(&a);
    EXPECT_EQ(b.Style().StyleController(), nullptr);
    EXPECT_EQ(b.FakeStyleController(), nullptr);
    a.Style().SetStyleController(&a);
    EXPECT_EQ(a.Style().StyleController(), &b);

    // A style holding controller A, assigned into B's style, would put B into its own chain.
    TuiContainerStyle holder(nullptr, false);
    holder.SetStyleController(&a);
    holder.SetColor(vcl::clGreen);
    b.Style().Assign(&holder);
    EXPECT_EQ(b.Style().StyleController(), nullptr);
    EXPECT_EQ(b.Style().Color(), vcl::clGreen);
    EXPECT_EQ(a.Style().BorderColor(), vcl::clWindowFrame); // the lookup ends
}

TEST_F(uiContainerStyle, FreeingAControllerMovesItsStylesToTheGlobalOne) {
    TuiStyleController global(nullptr);
    global.Style().SetColor(vcl::clSilver);
    SetGlobalStyleController(&global);
    TStyledHost host;
    EXPECT_EQ(host.Styles.Style().ActiveStyleController(), &global);
    EXPECT_EQ(host.Styles.Style().StyleController(), nullptr);
    {
        TuiStyleController own(nullptr);
        own.Style().SetColor(vcl::clMaroon);
        host.Styles.Style().SetStyleController(&own);
        EXPECT_EQ(host.Styles.Style().Color(), vcl::clMaroon);
        EXPECT_EQ(host.Styles.Style().LookAndFeel().Master(), &own.Style().LookAndFeel());
    }
    EXPECT_EQ(host.Styles.Style().ActiveStyleController(), &global);
    EXPECT_EQ(host.Styles.Style().Color(), vcl::clSilver);
}

TEST_F(uiContainerStyle, AStyleWhoseGlobalControllerGoesResolvesOnItsOwn) {
    auto global = std::make_unique<TuiStyleController>(nullptr);
    global->Style().SetColor(vcl::clSilver);
    SetGlobalStyleController(global.get());
    TStyledHost host;
    ASSERT_EQ(host.Styles.Style().Color(), vcl::clSilver);
    // The editors' shut-down clears the reference, then frees the controller.
    SetGlobalStyleController(nullptr);
    global.reset();
    EXPECT_EQ(host.Styles.Style().ActiveStyleController(), nullptr);
    EXPECT_EQ(host.Styles.Style().Color(), vcl::clWindow);
    // Freed while still the global one: nothing attaches to it meanwhile, nor later.
    global = std::make_unique<TuiStyleController>(nullptr);
    SetGlobalStyleController(global.get());
    TStyledHost late;
    ASSERT_EQ(late.Styles.Style().ActiveStyleController(), global.get());
    global.reset();
    EXPECT_EQ(GlobalStyleController(), nullptr);
    EXPECT_EQ(late.Styles.Style().ActiveStyleController(), nullptr);
    late.Styles.Style().SetStyleController(nullptr);
    EXPECT_EQ(late.Styles.Style().ActiveStyleController(), nullptr);
}

TEST_F(uiContainerStyle, ValueNamesAndVisibleProperties) {
    TStyledHost host;
    int32_t value = -1;
    ASSERT_TRUE(host.Styles.Style().FindStyleValue(u"bordercolor", value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(host.Styles.Style().FindStyleValue(u"TRANSPARENTBORDER", value));
    EXPECT_EQ(value, 9);
    EXPECT_FALSE(host.Styles.Style().FindStyleValue(u"ButtonStyle", value));
    rtl::UnicodeString name = u"x";
    EXPECT_FALSE(host.Styles.Style().StyleValueNameOf(10, name));
    EXPECT_TRUE(name.empty());
    EXPECT_TRUE(host.Styles.StyleHot().IsStylePropertyVisible(u"BorderColor"));
    EXPECT_FALSE(host.Styles.StyleHot().IsStylePropertyVisible(u"Edges"));
    EXPECT_FALSE(host.Styles.StyleHot().IsStylePropertyVisible(u"LookAndFeel"));
    EXPECT_TRUE(host.Styles.StyleHot().IsStylePropertyVisible(u"Anything"));
}

TEST_F(uiContainerStyle, FontFlagsAndTheDisplayFont) {
    TStyledHost host;
    TuiContainerStyle& normal = host.Styles.Style();
    EXPECT_FALSE(normal.AssignedValues().Contains(csvFont));
    normal.LockFontFlag(true);
    normal.Font().SetHeight(-20);
    normal.LockFontFlag(false);
    EXPECT_FALSE(normal.AssignedValues().Contains(csvFont));
    normal.Font().SetHeight(-18);
    EXPECT_TRUE(normal.AssignedValues().Contains(csvFont));
    host.Styles.StyleHot().SetTextColor(vcl::clRed);
    host.Styles.StyleHot().SetTextStyle({vcl::fsBold});
    const vcl::TFont& display = host.Styles.StyleHot().DisplayFont();
    EXPECT_EQ(display.Color(), vcl::clRed);
    EXPECT_EQ(display.Height(), -18);
    EXPECT_TRUE(display.Style().Contains(vcl::fsBold));
    EXPECT_FALSE(normal.Font().Style().Contains(vcl::fsBold));

    normal.ResetToDefaults();
    EXPECT_TRUE(normal.AssignedValues().IsEmpty());
    EXPECT_FALSE(host.Host.ParentColor());
    EXPECT_TRUE(host.Host.ParentFont());
    host.Host.PrefersParent = true;
    normal.ResetToDefaults();
    EXPECT_TRUE(host.Host.ParentColor());
}

TEST(uiStyleController, FontHeightsScaleFromTheStoredResolution) {
    EXPECT_EQ(ScaleFontHeightToScreen(-11, 96, 120), -14);
    EXPECT_EQ(ScaleFontHeightToScreen(-11, 0, 120), -11);
    EXPECT_EQ(ScaleFontHeightToScreen(-11, 120, 120), -11);

    TuiStyleController controller(nullptr);
    controller.Style().Font().SetHeight(-15);
    const int32_t screen = vcl::Screen().PixelsPerInch();
    const int32_t stored = screen * 5 / 4;
    controller.SetPixelsPerInch(stored);
    EXPECT_EQ(controller.Style().Font().Height(), ScaleFontHeightToScreen(-15, stored, screen));
    const int32_t scaled = controller.Style().Font().Height();
    for (const int32_t ignored : {0, -96}) {
        controller.SetPixelsPerInch(ignored);
        EXPECT_EQ(controller.PixelsPerInch(), stored);
        EXPECT_EQ(controller.Style().Font().Height(), scaled);
    }
}

} // namespace
} // namespace ui
