#include "ui/editors/framework/properties/uiEditStyle.h"

#include "ui/core/painters/uiLookAndFeels.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Puts a default controller in place for the test's life, then the one before.
struct TDefaultControllerScope {
    TuiStyleController* Previous = GlobalStyleController();
    explicit TDefaultControllerScope(TuiStyleController* controller) { SetGlobalStyleController(controller); }
    ~TDefaultControllerScope() { SetGlobalStyleController(Previous); }
};

// An editor's normal style with its focused and hot styles.
struct TEditorStyles {
    TuiEditStyle Normal{nullptr, false};
    TuiEditStyle Focused{nullptr, false, &Normal, essFocused};
    TuiEditStyle Hot{nullptr, false, &Normal, essHot};
};

TEST(uiEditStyle, ANewStyleAnswersTheFixedDefaults) {
    ASSERT_NE(dynamic_cast<TuiEditStyleController*>(GlobalStyleController()), nullptr); // made at start-up
    TEditorStyles styles;
    for (const TuiEditStyle* style : {&styles.Normal, &styles.Hot}) {
        EXPECT_EQ(style->ButtonStyle(), btsDefault);
        EXPECT_EQ(style->ButtonTransparency(), ebtNone);
        EXPECT_EQ(style->PopupBorderStyle(), epbsDefault);
        EXPECT_FALSE(style->GradientButtons());
        EXPECT_FALSE(style->Gradient());
        EXPECT_EQ(style->GradientDirection(), dirDown);
        EXPECT_TRUE(style->AssignedValues().IsEmpty());
    }
}

TEST(uiEditStyle, BaseValuesLandOnTheNormalStyleAndTheButtonStyleStaysOnItsState) {
    TEditorStyles styles;
    int32_t normalChanges = 0;
    styles.Normal.SetOnChanged([&normalChanges](rtl::TObject*) { ++normalChanges; });
    styles.Focused.SetButtonTransparency(ebtAlways);
    EXPECT_EQ(styles.Normal.ButtonTransparency(), ebtAlways);
    EXPECT_TRUE(styles.Normal.AssignedValues().Contains(esvButtonTransparency));
    EXPECT_FALSE(styles.Focused.AssignedValues().Contains(esvButtonTransparency));
    EXPECT_EQ(styles.Hot.ButtonTransparency(), ebtAlways);
    EXPECT_EQ(normalChanges, 1);
    styles.Focused.SetButtonTransparency(ebtAlways);
    EXPECT_EQ(normalChanges, 1);

    styles.Focused.SetButtonStyle(btsFlat);
    EXPECT_EQ(styles.Focused.ButtonStyle(), btsFlat);
    EXPECT_EQ(styles.Normal.ButtonStyle(), btsDefault);
    EXPECT_EQ(styles.Hot.ButtonStyle(), btsDefault);
}

TEST(uiEditStyle, AControllerAnswersWhatTheStyleLeavesUnassignedStateByState) {
    TuiEditStyleController controller(nullptr);
    controller.Style().SetButtonStyle(bts3D);
    controller.StyleHot().SetButtonStyle(btsUltraFlat);
    TEditorStyles styles;
    styles.Normal.SetStyleController(&controller);
    EXPECT_EQ(styles.Normal.ButtonStyle(), bts3D);
    EXPECT_TRUE(styles.Normal.IsStyleValueAssigned(esvButtonStyle));
    EXPECT_EQ(styles.Focused.ButtonStyle(), bts3D); // the controller's focused style falls back to its normal one
    EXPECT_EQ(styles.Hot.ButtonStyle(), btsUltraFlat);
    styles.Normal.SetButtonStyle(btsFlat);
    EXPECT_EQ(styles.Normal.ButtonStyle(), btsFlat);
    EXPECT_EQ(styles.Hot.ButtonStyle(), btsUltraFlat);
}

TEST(uiEditStyle, TheDefaultControllerServesUnlessTheEditorIsInPlace) {
    TuiEditStyleController defaults(nullptr);
    defaults.Style().SetButtonStyle(btsHotFlat);
    const TDefaultControllerScope scope(&defaults);
    TEditorStyles standalone;
    TEditorStyles inplace;
    inplace.Normal.SetIgnoresDefaultController(true);
    EXPECT_EQ(standalone.Normal.ButtonStyle(), btsHotFlat);
    EXPECT_EQ(inplace.Normal.ButtonStyle(), btsDefault);
    EXPECT_EQ(inplace.Hot.ButtonStyle(), btsDefault);
}

TEST(uiEditStyle, TheControllerIsAStyleControllerForContainerAndEditValuesAlike) {
    TuiEditStyleController defaults(nullptr);
    defaults.Style().SetColor(vcl::clYellow);
    defaults.StyleHot().SetButtonStyle(btsOffice11);
    const TDefaultControllerScope scope(&defaults);
    TEditorStyles editor;
    TuiContainerStyle container(nullptr, false);
    EXPECT_EQ(editor.Normal.Color(), vcl::clYellow);
    EXPECT_EQ(container.Color(), vcl::clYellow);
    EXPECT_EQ(editor.Hot.ButtonStyle(), btsOffice11);
    EXPECT_EQ(editor.Normal.StyleController(), nullptr); // the default one is not the style's own

    // Leaving in-place use attaches to the default controller again; an own controller stays.
    editor.Normal.SetIgnoresDefaultController(true);
    EXPECT_EQ(editor.Normal.ActiveStyleController(), nullptr);
    editor.Normal.SetIgnoresDefaultController(false);
    EXPECT_EQ(editor.Normal.ActiveStyleController(), &defaults);
    // Taking another style's values keeps an in-place editor off the default controller.
    TEditorStyles inplace;
    inplace.Normal.SetIgnoresDefaultController(true);
    inplace.Normal.Assign(&editor.Normal);
    EXPECT_EQ(inplace.Normal.ActiveStyleController(), nullptr);
    TuiEditStyleController own(nullptr);
    editor.Normal.SetStyleController(&own);
    editor.Normal.SetIgnoresDefaultController(true);
    EXPECT_EQ(editor.Normal.StyleController(), &own);
}

TEST(uiEditStyle, AFreedControllerIsForgotten) {
    const TDefaultControllerScope scope(nullptr);
    TEditorStyles styles;
    int32_t changes = 0;
    styles.Normal.SetOnChanged([&changes](rtl::TObject*) { ++changes; });
    {
        TuiEditStyleController controller(nullptr);
        styles.Normal.SetStyleController(&controller);
        controller.Style().SetButtonStyle(bts3D);
        EXPECT_EQ(changes, 2); // attached, then told of the controller's change
        SetGlobalStyleController(&controller);
    }
    EXPECT_EQ(styles.Normal.StyleController(), nullptr);
    EXPECT_EQ(GlobalStyleController(), nullptr);
    EXPECT_EQ(styles.Normal.ButtonStyle(), btsDefault);
}

TEST(uiEditStyle, StateStylesEmphasiseTheBorderWhileHotTracking) {
    TEditorStyles styles;
    styles.Normal.SetBorderStyle(ebsSingle);
    EXPECT_EQ(styles.Hot.BorderStyle(), ebsThick);
    EXPECT_EQ(styles.Focused.BorderStyle(), ebsThick);
    styles.Normal.SetHotTrack(false);
    EXPECT_EQ(styles.Hot.BorderStyle(), ebsSingle);
    TuiEditStyle disabled(nullptr, false, &styles.Normal, essDisabled);
    EXPECT_EQ(disabled.BorderColor(), vcl::clBtnShadow);
    EXPECT_EQ(disabled.TextColor(), vcl::clBtnShadow);
    EXPECT_EQ(styles.Normal.BorderColor(), vcl::clWindowFrame);

    // The normal style's border follows its look and feel.
    TuiEditStyle plain(nullptr, false);
    plain.LookAndFeel().SetKind(lfStandard);
    EXPECT_EQ(plain.BorderStyle(), ebs3D);
    plain.LookAndFeel().SetKind(lfUltraFlat);
    EXPECT_EQ(plain.BorderStyle(), ebsUltraFlat);
}

TEST(uiEditStyle, ValueNamesAndTheUnpublishedValues) {
    const TuiEditStyle style(nullptr, false);
    rtl::UnicodeString name;
    EXPECT_TRUE(style.StyleValueNameOf(9, name));
    EXPECT_EQ(name, u"TransparentBorder");
    EXPECT_TRUE(style.StyleValueNameOf(10, name));
    EXPECT_EQ(name, u"ButtonStyle");
    EXPECT_TRUE(style.StyleValueNameOf(15, name));
    EXPECT_EQ(name, u"GradientDirection");
    EXPECT_FALSE(style.StyleValueNameOf(16, name));
    EXPECT_TRUE(style.IsStylePropertyVisible(u"ButtonStyle"));
    EXPECT_FALSE(style.IsStylePropertyVisible(u"popupborderstyle"));
    uint32_t mask = 0;
    for (int value = 0; value < style.CountStyleValues(); ++value) {
        if (style.GetUnpublishedStyleValues().Contains(static_cast<TuiEditStyleValue>(value))) {
            mask |= 1u << value;
        }
    }
    EXPECT_EQ(mask, 0xFA78u);
}

TEST(uiEditStyle, AssignCopiesTheAssignedValuesWithOneChange) {
    TuiEditStyle source(nullptr, false);
    source.SetButtonStyle(btsOffice11);
    source.SetShadow(true);
    source.SetColor(vcl::clYellow);
    TuiEditStyle target(nullptr, false);
    int32_t changes = 0;
    target.SetOnChanged([&changes](rtl::TObject*) { ++changes; });
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.ButtonStyle(), btsOffice11);
    EXPECT_TRUE(target.Shadow());
    EXPECT_EQ(target.Color(), vcl::clYellow);
    EXPECT_EQ(target.AssignedValues(), source.AssignedValues());
}

} // namespace
} // namespace ui
