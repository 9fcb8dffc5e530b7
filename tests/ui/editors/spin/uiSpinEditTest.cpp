#include "ui/editors/spin/uiSpinEdit.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/ui/editors/spin/SpinEditTestSupport.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/objects/uxException.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/spin/uiFilterSpinEditHelper.h"

#include <algorithm>
#include <limits>

namespace {

using ui::TuiSpinEdit;

class SpinEditTest : public ui_test::TEditorFormTest<TuiSpinEdit> {
protected:
    ui::TuiSpinEditProperties& Properties() const { return Edit->SpinEditProperties(); }
    void SetIntegerRange(double minimum, double maximum) {
        Properties().SetValueType(ui::vtInt);
        Properties().SetMinValue(minimum);
        Properties().SetMaxValue(maximum);
    }
    double Value() { return rtl::VarToDouble(Edit->GetValue()); }
    rtl::UnicodeString Shown() const { return Edit->GetDisplayText(); }
};

// The message of the UI library's error action raises; empty when it raises none.
template <class TAction>
rtl::UnicodeString ErrorOf(TAction action) {
    try {
        action();
    } catch (const ui::EuxException& error) {
        return error.Message();
    }
    return {};
}

// A provider whose value kind the test chooses.
class TKindProvider : public ui::TuiCustomEditDefaultValuesProvider {
public:
    explicit TKindProvider(int32_t kind) : TuiCustomEditDefaultValuesProvider(nullptr), FKind(kind) {}
    int32_t DefaultValueKind() override { return FKind; }

private:
    int32_t FKind;
};

TEST(SpinEditProperties, AnUnassignedValueTypeFollowsTheDataAndAnAssignedOneStays) {
    ui::TuiSpinEditProperties properties(nullptr);
    EXPECT_EQ(properties.ValueType(), ui::vtFloat) << "no data";
    TKindProvider integers(0);
    properties.AssignDefaultValuesProvider(&integers);
    EXPECT_EQ(properties.ValueType(), ui::vtInt);
    TKindProvider floats(1);
    properties.AssignDefaultValuesProvider(&floats);
    EXPECT_EQ(properties.ValueType(), ui::vtFloat);
    properties.SetValueType(ui::vtInt);
    EXPECT_EQ(properties.ValueType(), ui::vtInt);
    EXPECT_TRUE(properties.AssignedValues().ValueType());
    properties.RestoreDefaults();
    EXPECT_EQ(properties.ValueType(), ui::vtFloat);
    properties.AssignDefaultValuesProvider(nullptr);
}

TEST(SpinEditProperties, TheSpinButtonsDecideHowManyEditButtonsThereAre) {
    ui::TuiSpinEditProperties properties(nullptr);
    EXPECT_EQ(properties.Buttons().Count(), 2);
    properties.SpinButtons().SetShowFastButtons(true);
    EXPECT_EQ(properties.Buttons().Count(), 4);
    properties.SpinButtons().SetVisible(false);
    EXPECT_EQ(properties.Buttons().Count(), 0);
    properties.SpinButtons().SetVisible(true);
    properties.SpinButtons().SetShowFastButtons(false);
    EXPECT_EQ(properties.Buttons().Count(), 2);

    ui::TuiSpinEditProperties copy(nullptr);
    properties.SpinButtons().SetPosition(ui::sbpHorzLeftRight);
    properties.SetIncrement(2.5);
    properties.SetCircular(true);
    properties.SetValueType(ui::vtInt);
    copy.Assign(&properties);
    EXPECT_EQ(copy.SpinButtons().Position(), ui::sbpHorzLeftRight);
    EXPECT_EQ(copy.Increment(), 2.5);
    EXPECT_TRUE(copy.Circular());
    EXPECT_TRUE(copy.AssignedValues().ValueType());
    EXPECT_EQ(copy.ValueType(), ui::vtInt);
    EXPECT_EQ(ErrorOf([&] { properties.GetIncrement(4); }), u"TuiCustomSpinEditProperties.GetIncrement fails");
}

TEST_F(SpinEditTest, StepsStayInsideTheRangeByClampingOrWrapping) {
    const struct {
        double Min;
        double Max;
        bool Circular;
        double Increment;
        int64_t Value;
        int32_t Direction;
        int64_t Result;
    } cases[] = {
        {0, 10, false, 5, 9, ui::sedUp, 10}, {0, 10, true, 5, 9, ui::sedUp, 3},    {0, 59, true, 1, 0, ui::sedDown, 59},
        {5, 10, false, 1, 2, ui::sedUp, 5},  {5, 10, false, 1, 2, ui::sedDown, 2}, {5, 10, true, 1, 2, ui::sedDown, 10},
        {0, 10, true, 30, 9, ui::sedUp, 0},  {0, 10, false, 2.6, 4, ui::sedUp, 7}, {0, 1E20, false, 1, 5, ui::sedUp, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        SetIntegerRange(c.Min, c.Max);
        Properties().SetCircular(c.Circular);
        Properties().SetIncrement(c.Increment);
        Edit->SetValue(rtl::Variant(c.Value));
        Edit->Spin(c.Direction);
        EXPECT_EQ(rtl::VarToInt64(Edit->EditValue()), c.Result);
    }
}

TEST_F(SpinEditTest, WithoutBoundsTheLargestIntegerStaysWhereItIs) {
    Properties().SetValueType(ui::vtInt);
    constexpr int64_t largest = std::numeric_limits<int64_t>::max();
    Edit->SetValue(rtl::Variant(largest));
    EXPECT_FALSE(Edit->Spin(ui::sedUp));
    EXPECT_EQ(rtl::VarToInt64(Edit->GetValue()), largest);
    EXPECT_EQ(Shown(), u"9223372036854775807");
}

TEST_F(SpinEditTest, TheKeysStepByTheIncrementsAndTheCaretMovesWithoutCtrl) {
    SetIntegerRange(-100, 100);
    Properties().SetIncrement(2);
    Properties().SetLargeIncrement(20);
    Focus();
    const struct {
        uint16_t Key;
        double Value;
    } steps[] = {{VK_UP, 2}, {VK_UP, 4}, {VK_DOWN, 2}, {VK_PRIOR, 22}, {VK_NEXT, 2}};
    for (const auto& step : steps) {
        Press(step.Key);
        EXPECT_EQ(Value(), step.Value) << step.Key;
    }
    EXPECT_EQ(Shown(), u"2");
    EXPECT_TRUE(Edit->ChangedByUser());
    EXPECT_EQ(Edit->SelStart(), 1) << "the caret goes to the end";

    Properties().SetUseCtrlIncrement(true);
    Edit->SetValue(rtl::Variant(int32_t{23}));
    Focus();
    Edit->SetSelStart(2);
    Press(VK_UP);
    EXPECT_EQ(Value(), 23);
    EXPECT_EQ(Edit->SelStart(), 1) << "Up moves the caret as Left does in one row";
    Press(VK_UP, {vcl::ssCtrl});
    EXPECT_EQ(Value(), 25);
}

TEST_F(SpinEditTest, TheWheelStepsByTheIncrement) {
    Properties().SetValueType(ui::vtInt);
    Focus();
    ui_test::MouseWheel(*Edit, WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Value(), 1);
    ui_test::MouseWheel(*Edit, -2 * WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_LT(Value(), 1);
}

TEST_F(SpinEditTest, ATypedCommaIsTheDecimalSeparatorOfAFloatEditor) {
    Properties().SetValueType(ui::vtFloat);
    FocusEmpty();
    Type(u"1,5");
    EXPECT_EQ(Shown(), u"1.5");
    EXPECT_EQ(Value(), 1.5);
    Press(VK_RETURN);
    EXPECT_EQ(rtl::VarToDouble(Edit->EditValue()), 1.5);
}

TEST_F(SpinEditTest, AnIntegerEditorTakesDigitsAndTheExponentLettersAndBeepsAtTheRest) {
    Properties().SetValueType(ui::vtInt);
    FocusEmpty();
    ui_test::TRecordedBeeps beeps;
    Type(u"1a2eE.x");
    EXPECT_EQ(Shown(), u"12eE");
    EXPECT_EQ(beeps.Beeps.size(), 3u);
}

TEST_F(SpinEditTest, WithoutCanEditNothingIsTypedButTheValueStillSpins) {
    Properties().SetValueType(ui::vtInt);
    Properties().SetCanEdit(false);
    Edit->SetValue(rtl::Variant(int32_t{7}));
    Focus();
    Edit->SetSelStart(1);
    ui_test::TRecordedBeeps beeps;
    Type(u"5");
    Press(VK_BACK);
    EXPECT_EQ(Shown(), u"7");
    EXPECT_EQ(beeps.Beeps.size(), 2u);
    Press(VK_DELETE);
    EXPECT_EQ(Shown(), u"7");
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"8");
}

TEST_F(SpinEditTest, ATextThatIsNoNumberKeepsTheValueUnlessItMustBeReported) {
    Properties().SetValueType(ui::vtFloat);
    Edit->SetValue(rtl::Variant(7.0));
    Focus();
    Edit->SelectAll();
    Type(u"e");
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(Shown(), u"7");
    EXPECT_EQ(rtl::VarToDouble(Edit->EditValue()), 7);

    Properties().SetExceptionOnInvalidInput(true);
    Edit->SelectAll();
    Type(u"e");
    EXPECT_EQ(ErrorOf([&] { Edit->ValidateEnteredText(true); }), u"Invalid numeric value");
    EXPECT_EQ(ErrorOf([&] { Edit->Spin(ui::sedUp); }), u"Invalid numeric value") << "spinning reads the typed text";
}

TEST_F(SpinEditTest, AGetValueHandlerReadsTextsThatAreNoNumbers) {
    Properties().SetValueType(ui::vtInt);
    Properties().SetExceptionOnInvalidInput(true);
    Properties().SetOnGetValue([](rtl::TObject*, const rtl::UnicodeString& text, rtl::Variant& value,
                                  rtl::UnicodeString& errorText, bool& error) {
        if (text == u"ten") {
            value = rtl::Variant(int32_t{10});
            error = false;
        } else {
            errorText = u"Say ten";
        }
    });
    FocusEmpty();
    Type(u"ten");
    EXPECT_EQ(Shown(), u"ten") << "with a handler every character may be typed";
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(Shown(), u"10");
    EXPECT_EQ(rtl::VarToInt64(Edit->EditValue()), 10);
    Edit->SelectAll();
    Type(u"six");
    EXPECT_EQ(ErrorOf([&] { Edit->ValidateEnteredText(true); }), u"Say ten");
}

TEST_F(SpinEditTest, ANumberBeyondTheRangeIsClampedUnlessItMustBeReported) {
    SetIntegerRange(0, 10);
    FocusEmpty();
    Type(u"25");
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(Shown(), u"10");
    EXPECT_EQ(rtl::VarToInt64(Edit->EditValue()), 10);

    Properties().SetExceptionOnInvalidInput(true);
    FocusEmpty();
    Type(u"-3");
    EXPECT_EQ(ErrorOf([&] { Edit->ValidateEnteredText(true); }), u"Value out of bounds");
}

TEST_F(SpinEditTest, AnEmptyEntryBecomesZeroClampedAndABoundBeyondTheIntegersKeepsTheValue) {
    Properties().SetValueType(ui::vtInt);
    Properties().SetMaxValue(1E20);
    Edit->SetValue(rtl::Variant(int32_t{5}));
    Focus();
    EXPECT_EQ(Shown(), u"5");
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"6");
    FocusOther();
    EXPECT_EQ(rtl::VarToInt64(Edit->EditValue()), 6);

    Properties().SetMinValue(3);
    FocusEmpty();
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(Shown(), u"3");
}

TEST_F(SpinEditTest, AHeldKeyShowsItsButtonPressedUntilItIsReleased) {
    Properties().SetValueType(ui::vtInt);
    Focus();
    ui_test::KeyDown(VK_UP);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->KeyPressedButton(), ui::sedUp + 1);
    EXPECT_EQ(Edit->ButtonState(ui::sedUp), ui::ebvsPressed);
    EXPECT_EQ(Edit->ButtonState(ui::sedDown), ui::ebvsNormal);
    ui_test::KeyDown(VK_UP);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Value(), 2) << "the keyboard's repeat steps again";
    ui_test::KeyUp(VK_UP);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->KeyPressedButton(), 0);
    EXPECT_EQ(Edit->ButtonState(ui::sedUp), ui::ebvsNormal);
}

TEST_F(SpinEditTest, AHeldButtonStepsAtOnceThenAfter400AndEvery100Milliseconds) {
    Properties().SetValueType(ui::vtInt);
    Focus();
    const vcl::TPoint up = Edit->ButtonCentre(ui::sedUp);
    ui_test::MouseDown(*Edit, vcl::mbLeft, up);
    EXPECT_EQ(Value(), 1);
    EXPECT_EQ(Edit->ButtonState(ui::sedUp, up), ui::ebvsPressed);
    ui::TuiTimer* timer = Edit->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 400u);
    timer->FireTimer();
    EXPECT_EQ(Value(), 2);
    EXPECT_EQ(timer->Interval(), 100u);
    timer->FireTimer();
    EXPECT_EQ(Value(), 3);
    ui_test::MouseUp(*Edit, vcl::mbLeft, up);
    EXPECT_EQ(Edit->RepeatTimer(), nullptr);
    EXPECT_EQ(Value(), 3);

    // Another key or the focus leaving stops the repeat too.
    ui_test::MouseDown(*Edit, vcl::mbLeft, Edit->ButtonCentre(ui::sedDown));
    EXPECT_EQ(Value(), 2);
    ASSERT_NE(Edit->RepeatTimer(), nullptr);
    Press(VK_END);
    EXPECT_EQ(Edit->RepeatTimer(), nullptr);
    ui_test::MouseUp(*Edit, vcl::mbLeft, Edit->ButtonCentre(ui::sedDown));
    ui_test::MouseDown(*Edit, vcl::mbLeft, Edit->ButtonCentre(ui::sedDown));
    ASSERT_NE(Edit->RepeatTimer(), nullptr);
    FocusOther();
    EXPECT_EQ(Edit->RepeatTimer(), nullptr);
    ui_test::MouseUp(*Edit, vcl::mbLeft, Edit->ButtonCentre(ui::sedDown));
}

// The text's window sits between the buttons, which stay visible and pressable beside it.
TEST_F(SpinEditTest, TheTextWindowLeavesTheButtonsUncovered) {
    for (const ui::TuiSpinEditButtonsPosition position : {ui::sbpVert, ui::sbpHorzRight, ui::sbpHorzLeftRight}) {
        SCOPED_TRACE(position);
        Properties().SpinButtons().SetPosition(position);
        Properties().SpinButtons().SetShowFastButtons(true);
        ui_test::ProcessPendingMessages();
        const vcl::TRect up = Edit->ButtonBounds(ui::sedUp);
        const vcl::TRect down = Edit->ButtonBounds(ui::sedDown);
        const int32_t textRight = Edit->InnerEdit().Left() + Edit->InnerEdit().Width();
        EXPECT_LE(textRight, std::min(up.Left, Edit->ButtonBounds(ui::sedFastUp).Left));
        if (position == ui::sbpHorzLeftRight) {
            EXPECT_GE(Edit->InnerEdit().Left(), down.Right);
        } else {
            EXPECT_LE(textRight, down.Left);
        }
        EXPECT_GT(Edit->InnerEdit().Width(), 0);
    }
}

TEST_F(SpinEditTest, APressOnTheTextStartsNoSpin) {
    Properties().SetValueType(ui::vtInt);
    Focus();
    ui_test::Click(*Edit, {20, 10});
    EXPECT_EQ(Value(), 0);
    EXPECT_EQ(Edit->RepeatTimer(), nullptr);
}

TEST(SpinEditUnit, StartUpRegistersTheSpinPropertiesAndTheirFilterHelper) {
    EXPECT_EQ(ui::LoadResStringText(ui::suiSEditRepositorySpinItem), u"SpinEdit|Represents a spin editor");
    ui::InitializeSpinEditUnit();
    ui::InitializeSpinEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiSpinEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"SpinEdit");
    const ui::TuiCustomFilterEditHelper* helper =
        ui::GetFilterEditsController().HelperForProperties(ui::TuiSpinEditProperties::StaticClass());
    ASSERT_EQ(helper, &ui::TuiFilterSpinEditHelper::Instance());

    ui::TuiSpinEditProperties source(nullptr);
    source.SetCanEdit(false);
    EXPECT_EQ(helper->GetSupportedOperators(source, &ui::TuiIntegerValueType::Instance(), false).to_ulong(), 1662u);
    EXPECT_EQ(helper->GetSupportedOperators(source, &ui::TuiIntegerValueType::Instance(), true).to_ulong(),
              1662u | 0x7800u);
    const ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(*helper, source);
    ASSERT_NE(dynamic_cast<TuiSpinEdit*>(editor.get()), nullptr);
    const auto& prepared = static_cast<ui::TuiCustomSpinEditProperties&>(editor->GetEffectiveProperties());
    EXPECT_TRUE(prepared.CanEdit());
    EXPECT_EQ(prepared.Buttons().Count(), 2) << "the spin buttons stay";

    ui::FinalizeSpinEditUnit();
    EXPECT_NE(registry.IndexOfClass(&ui::TuiSpinEditProperties::StaticClass()), -1) << "started twice";
    ui::FinalizeSpinEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiSpinEditProperties::StaticClass()), -1);
}

} // namespace
