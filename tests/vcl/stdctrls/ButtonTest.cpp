// Push buttons and radio buttons as a user presses them: clicks and modal results, the form's default and cancel
// buttons, mnemonics, and radio groups.

#include "vcl/stdctrls/Button.h"

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/RadioButton.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;

// The buttons a dialog has: OK (default), Cancel (cancel) and another one; each click is logged by name.
class ButtonTest : public testing::Test {
protected:
    void SetUp() override {
        Edit = AddControl<vcl::TEdit>(*Form, u"Edit", vcl::Bounds(10, 10, 120, 21));
        Ok = AddButton(u"OkButton", u"确定", 10);
        Ok->SetDefault(true);
        Ok->SetModalResult(vcl::mrOk);
        Cancel = AddButton(u"CancelButton", u"取消", 90);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(vcl::mrCancel);
        Save = AddButton(u"SaveButton", u"保存(&S)", 170);
    }

    vcl::TButton* AddButton(const char16_t* name, const char16_t* caption, int left) {
        auto* button = AddControl<vcl::TButton>(*Form, name, vcl::Bounds(left, 50, 75, 25));
        button->SetCaption(caption);
        button->SetOnClick([this, button](rtl::TObject*) { Clicks.push_back(test_support::Utf8(button->Name())); });
        return button;
    }

    // Shows the form modally, runs action inside its modal loop, and returns the modal result.
    vcl::TModalResult ShowModalAnd(const std::function<void()>& action) {
        ui_test::RunLater(50, [this, action] {
            Edit->SetFocus();
            action();
            if (Form->ModalResult() == vcl::mrNone) {
                Form->SetModalResult(vcl::mrAbort);
            }
        });
        return Form->ShowModal();
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::CreateTestForm();
    vcl::TEdit* Edit = nullptr;
    vcl::TButton* Ok = nullptr;
    vcl::TButton* Cancel = nullptr;
    vcl::TButton* Save = nullptr;
    std::vector<std::string> Clicks;
};

TEST_F(ButtonTest, EnterPressesTheDefaultButtonAndItsModalResultClosesTheForm) {
    EXPECT_EQ(ShowModalAnd([] { ui_test::PressKey(VK_RETURN); }), vcl::mrOk);
    EXPECT_EQ(Clicks, std::vector<std::string>{"OkButton"});
}

TEST_F(ButtonTest, EscapePressesTheCancelButton) {
    EXPECT_EQ(ShowModalAnd([] { ui_test::PressKey(VK_ESCAPE); }), vcl::mrCancel);
    EXPECT_EQ(Clicks, std::vector<std::string>{"CancelButton"});
}

TEST_F(ButtonTest, AClickPressesTheButtonOnceAndAButtonWithoutResultLeavesTheFormOpen) {
    EXPECT_EQ(ShowModalAnd([this] {
                  ui_test::Click(*Save, vcl::Point(10, 10));
                  EXPECT_EQ(Form->ModalResult(), vcl::mrNone);
                  EXPECT_TRUE(Form->Visible());
                  ui_test::Click(*Cancel, vcl::Point(10, 10));
              }),
              vcl::mrCancel);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"SaveButton", "CancelButton"}));
}

TEST_F(ButtonTest, AFocusedButtonTakesEnterAndTheDefaultFrameFromTheDefaultButton) {
    ui_test::ShowTestForm(*Form);
    const auto isDefaultStyle = [](vcl::TButton* button) {
        return (GetWindowLongW(button->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    Edit->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(isDefaultStyle(Ok));
    EXPECT_FALSE(isDefaultStyle(Save));
    Save->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Save->Active());
    EXPECT_FALSE(Ok->Active());
    EXPECT_TRUE(isDefaultStyle(Save));
    EXPECT_FALSE(isDefaultStyle(Ok));
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Clicks, std::vector<std::string>{"SaveButton"});
    Edit->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(isDefaultStyle(Ok)) << "the default button has it back once no button has the focus";
    Ok->SetDefault(false);
    EXPECT_FALSE(isDefaultStyle(Ok));
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Clicks, std::vector<std::string>{"SaveButton"}) << "no default button: Enter presses nothing";
}

TEST_F(ButtonTest, TheMnemonicPressesTheButtonAndSpacePressesTheFocusedOne) {
    ui_test::ShowTestForm(*Form);
    Edit->SetFocus();
    ui_test::PressKey('S', {vcl::ssAlt});
    EXPECT_EQ(Clicks, std::vector<std::string>{"SaveButton"});
    Cancel->SetFocus();
    ui_test::PressKey(VK_SPACE);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"SaveButton", "CancelButton"}));
}

TEST_F(ButtonTest, DisabledOrHiddenButtonsAreNotPressedByTheirKeys) {
    ui_test::ShowTestForm(*Form);
    Edit->SetFocus();
    Ok->SetEnabled(false);
    Cancel->Hide();
    ui_test::PressKey(VK_RETURN);
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(Clicks.empty());
}

class RadioButtonTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* name : {u"And", u"Or", u"Not"}) {
            auto* radio = AddControl<vcl::TRadioButton>(*Form, name, vcl::Bounds(10, 10 + 25 * Radios.size(), 100, 20));
            radio->SetCaption(name);
            radio->SetOnClick([this, radio](rtl::TObject*) { Clicks.push_back(test_support::Utf8(radio->Name())); });
            Radios.push_back(radio);
        }
        Radios[2]->SetCaption(u"&Not");
    }

    std::vector<bool> CheckedStates() const {
        std::vector<bool> states;
        for (const auto* radio : Radios) {
            states.push_back(radio->Checked());
        }
        return states;
    }

    std::vector<bool> WindowCheckedStates() const {
        std::vector<bool> states;
        for (auto* radio : Radios) {
            states.push_back(SendMessageW(radio->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
        }
        return states;
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    std::vector<vcl::TRadioButton*> Radios;
    std::vector<std::string> Clicks;
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsSiblingsAndFiresOnClick) {
    Radios[0]->SetChecked(true);
    ui_test::Click(*Radios[1], vcl::Point(5, 10));
    EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(WindowCheckedStates(), CheckedStates());
    EXPECT_EQ(Clicks, (std::vector<std::string>{"And", "Or"}));
    EXPECT_TRUE(Radios[1]->TabStop()) << "the checked button is the group's tab stop";
    EXPECT_FALSE(Radios[0]->TabStop());
    ui_test::Click(*Radios[1], vcl::Point(5, 10));
    EXPECT_EQ(Clicks.size(), 2u) << "clicking the checked button changes nothing";
}

TEST_F(RadioButtonTest, ArrowKeysAndTheMnemonicCheckTheButtonTheyFocus) {
    Radios[0]->SetChecked(true);
    Radios[0]->SetFocus();
    ui_test::PressKey(VK_DOWN);
    EXPECT_TRUE(Radios[1]->Focused());
    EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, true, false}));
    ui_test::PressKey('N', {vcl::ssAlt});
    EXPECT_TRUE(Radios[2]->Focused());
    EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Clicks, (std::vector<std::string>{"And", "Or", "Not"}));
}

TEST_F(RadioButtonTest, ButtonsOnAnotherParentFormAnotherGroup) {
    auto* panel = AddControl<vcl_test::TLoggingControl>(*Form, u"Panel", vcl::Bounds(150, 10, 120, 60));
    auto* apart = AddControl<vcl::TRadioButton>(*panel, u"Apart", vcl::Bounds(5, 5, 100, 20));
    Radios[0]->SetChecked(true);
    apart->SetChecked(true);
    EXPECT_TRUE(Radios[0]->Checked());
    EXPECT_TRUE(apart->Checked());
}

TEST_F(RadioButtonTest, TheCheckedStateSurvivesANewWindowAndAlignmentPutsTheCaptionLeft) {
    Radios[2]->SetChecked(true);
    Radios[2]->SetAlignment(vcl::taLeftJustify);
    EXPECT_NE(GetWindowLongW(Radios[2]->Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
    EXPECT_EQ(SendMessageW(Radios[2]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

} // namespace
