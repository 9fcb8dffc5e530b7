// The check box driven as a user drives it: the state of its value, clicks and the space key stepping it (with
// AllowGrayed through grayed), presses that end elsewhere or with another button, read-only boxes, the caption's
// accelerator, a State read with a form, the repaint of the check alone, and the start-up's registrations.

#include "ui/editors/choice/checkbox/uiCheckBox.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewInfo.h"
#include "ui/editors/choice/checkbox/uiFilterCheckBoxHelper.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/control/uiEditControlRoutines.h"
#include "vcl/forms/FormLoader.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// A check box whose current picture a test reads.
class TProbedCheckBox : public TuiCheckBox {
public:
    using TuiCheckBox::TuiCheckBox;
    const TuiCustomCheckBoxViewInfo& Shown() {
        return static_cast<const TuiCustomCheckBoxViewInfo&>(CurrentViewInfo());
    }
    // Where the check shows now: the paint waiting (after a change of the properties) lays it out.
    vcl::TPoint CheckCentre() {
        Update();
        return GetRectCenterPoint(Shown().CheckRect);
    }
};

class TuiCheckBoxTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(320, 120);
        Box = ui_test::PlaceOnForm<TProbedCheckBox>(*Form, 20, 20, 121, 21);
        Box->SetCaption(u"&Agree");
        Other = ui_test::PlaceFocusTaker(*Form);
        Box->SetOnClick([this](rtl::TObject*) { ++Clicks; });
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
    }

    // Moves onto the check, clicks it and answers the state after it.
    TuiCheckBoxState ClickCheck() {
        ui_test::MouseMove(*Box, Box->CheckCentre());
        ui_test::Click(*Box, Box->CheckCentre());
        ui_test::ProcessPendingMessages();
        return Box->State();
    }

    void Focus() {
        Box->SetFocus();
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TProbedCheckBox* Box = nullptr;
    vcl::TWinControl* Other = nullptr;
    int Clicks = 0;
};

TEST_F(TuiCheckBoxTest, NullAndTextsShowGrayedTrueCheckedFalseUnchecked) {
    EXPECT_EQ(Box->State(), cbsUnchecked) << "a new box";
    const struct {
        rtl::Variant Value;
        TuiCheckBoxState State;
    } cases[] = {{rtl::Variant::Null(), cbsGrayed},
                 {rtl::Variant(u"abc"), cbsGrayed},
                 {rtl::Variant(true), cbsChecked},
                 {rtl::Variant(false), cbsUnchecked}};
    for (const auto& c : cases) {
        Box->SetEditValue(c.Value);
        ui_test::ProcessPendingMessages();
        EXPECT_EQ(Box->State(), c.State);
        EXPECT_EQ(Box->Shown().State, c.State) << "what the box shows";
    }
    Box->SetState(cbsGrayed);
    EXPECT_TRUE(Box->EditValue().IsNull());
    EXPECT_EQ(Clicks, 1) << "only the State set by the program clicks; a value set does not";
}

TEST_F(TuiCheckBoxTest, AClickCyclesUncheckedCheckedAndWithAllowGrayedThroughGrayed) {
    EXPECT_EQ(ClickCheck(), cbsChecked);
    EXPECT_EQ(ClickCheck(), cbsUnchecked);
    EXPECT_EQ(Clicks, 2);
    Box->Properties().SetAllowGrayed(true);
    EXPECT_EQ(ClickCheck(), cbsGrayed);
    EXPECT_EQ(ClickCheck(), cbsChecked);
    EXPECT_EQ(ClickCheck(), cbsUnchecked);
    EXPECT_EQ(Clicks, 5);
}

TEST_F(TuiCheckBoxTest, APressReleasedOutsideOrTheRightButtonTogglesNothing) {
    const vcl::TPoint check = Box->CheckCentre();
    ui_test::MouseMove(*Box, check);
    ui_test::MouseDown(*Box, vcl::mbLeft, check);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->Shown().HotState, chsPressed);
    ui_test::MouseMove(*Box, {check.X, 60}, {vcl::ssLeft});
    ui_test::MouseUp(*Box, vcl::mbLeft, {check.X, 60});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->State(), cbsUnchecked);

    ui_test::MouseDown(*Box, vcl::mbRight, check);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->Shown().HotState, chsNormal) << "the right button shows the normal state";
    ui_test::MouseUp(*Box, vcl::mbRight, check);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->State(), cbsUnchecked);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(TuiCheckBoxTest, SpaceHeldShowsPressedAndItsReleaseTogglesOnce) {
    Focus();
    ui_test::KeyDown(VK_SPACE);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->Shown().HotState, chsPressed);
    EXPECT_EQ(Box->State(), cbsUnchecked);
    ui_test::KeyUp(VK_SPACE);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->State(), cbsChecked);
    EXPECT_NE(Box->Shown().HotState, chsPressed);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(TuiCheckBoxTest, AReadOnlyBoxIgnoresClickAndSpace) {
    Box->Properties().SetReadOnly(true);
    EXPECT_EQ(ClickCheck(), cbsUnchecked);
    Focus();
    ui_test::PressKey(VK_SPACE);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->State(), cbsUnchecked);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(TuiCheckBoxTest, TheCaptionsAcceleratorFocusesAndToggles) {
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey('A', {vcl::ssAlt});
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Box->State(), cbsChecked);
}

TEST_F(TuiCheckBoxTest, SpaceRepaintsOnlyTheCheckRectangle) {
    Focus();
    ValidateRect(Box->Handle(), nullptr);
    SendKeyDown(*Box, VK_SPACE);
    TuiRegion region;
    GetUpdateRgn(Box->Handle(), region.Handle(), FALSE);
    EXPECT_TRUE(region.SameAs(std::make_unique<TuiRegion>(Box->Shown().CheckRect).get()));
    ui_test::KeyUp(VK_SPACE);
}

TEST_F(TuiCheckBoxTest, AChangeOfTheValuesRestatesTheBoxAndClicks) {
    Box->SetEditValue(rtl::Variant(int32_t{1}));
    EXPECT_EQ(Box->State(), cbsGrayed);
    Box->Properties().SetValueChecked(rtl::Variant(int32_t{1}));
    EXPECT_EQ(Box->State(), cbsChecked);
    EXPECT_EQ(Clicks, 1);
}

TEST(CheckBoxForm, AStateReadWithTheFormAppliesAtLoadedAndAnUnboundBoxWithoutOneLoadsUnchecked) {
    auto form = ui_test::CreateTestForm();
    TuiCheckBox* stated = nullptr;
    TuiCheckBox* plain = nullptr;
    int clicks = 0;
    vcl::TFormLoader loader(*form);
    loader.Add(TuiCheckBox::StaticClass(), u"Stated", u"", [&](rtl::TComponent& component) {
        stated = &static_cast<TuiCheckBox&>(component);
        stated->SetState(cbsChecked);
        stated->SetOnClick([&](rtl::TObject*) { ++clicks; });
        EXPECT_EQ(stated->State(), cbsUnchecked) << "remembered until Loaded";
        stated->Properties().SetValueChecked(rtl::Variant(u"Y"));
    });
    loader.Add(TuiCheckBox::StaticClass(), u"Plain", u"", [&](rtl::TComponent& component) {
        plain = &static_cast<TuiCheckBox&>(component);
        plain->SetEditValue(rtl::Variant::Null());
    });
    loader.Finish();
    ASSERT_NE(stated, nullptr);
    EXPECT_EQ(stated->State(), cbsChecked);
    EXPECT_TRUE(rtl::VarIsStr(stated->EditValue())) << "the value loaded with it";
    EXPECT_EQ(plain->State(), cbsUnchecked);
    EXPECT_EQ(clicks, 0) << "loading fires nothing";
}

TEST(CheckBoxUnit, StartUpRegistersThePropertiesAndTheFilterHelper) {
    InitializeCheckBoxUnit();
    TuiRegisteredClasses& registry = GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&TuiCheckBoxProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"CheckBox");
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(TuiCheckBoxProperties::StaticClass()),
              &TuiFilterCheckBoxHelper::Instance());
    FinalizeCheckBoxUnit();
    EXPECT_EQ(registry.IndexOfClass(&TuiCheckBoxProperties::StaticClass()), -1);
}

} // namespace
} // namespace ui
