// The keyboard focus: tab order, Tab and Shift+Tab, the CM_ENTER and CM_EXIT path, controls that cannot take the
// focus, dialog keys and the form's key preview.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddLoggingControl;
using vcl_test::TLoggingControl;
using vcl_test::TMessageLog;

// The names of the controls that have the focus after each Tab (or Shift+Tab) pressed.
std::vector<std::string> FocusAfterEachTab(vcl::TForm& form, int presses, vcl::TShiftState shift = {}) {
    std::vector<std::string> names;
    for (int i = 0; i < presses; ++i) {
        ui_test::PressKey(VK_TAB, shift);
        vcl::TWinControl* focused = form.ActiveControl();
        names.push_back(focused && focused->Focused() ? test_support::Utf8(focused->Name()) : "none");
    }
    return names;
}

class FocusTest : public testing::Test {
protected:
    void SetUp() override {
        A = AddLoggingControl<TLoggingControl>(*Form, u"A", Log, vcl::Bounds(10, 10, 40, 20));
        B = AddLoggingControl<TLoggingControl>(*Form, u"B", Log, vcl::Bounds(60, 10, 40, 20));
        NoTabStop = AddLoggingControl<TLoggingControl>(*Form, u"NoTabStop", Log, vcl::Bounds(110, 10, 40, 20));
        C = AddLoggingControl<TLoggingControl>(*Form, u"C", Log, vcl::Bounds(160, 10, 40, 20));
        NoTabStop->SetTabStop(false);
        A->SetFocus();
        ui_test::ProcessPendingMessages();
        Log.clear();
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    TMessageLog Log;
    TLoggingControl* A = nullptr;
    TLoggingControl* B = nullptr;
    TLoggingControl* NoTabStop = nullptr;
    TLoggingControl* C = nullptr;
};

TEST_F(FocusTest, TabCyclesThroughTheTabStopsInTabOrder) {
    ASSERT_TRUE(A->Focused());
    EXPECT_EQ(FocusAfterEachTab(*Form, 4), (std::vector<std::string>{"B", "C", "A", "B"}));
}

TEST_F(FocusTest, ShiftTabAndSelectNextGoBackwards) {
    EXPECT_EQ(FocusAfterEachTab(*Form, 3, {vcl::ssShift}), (std::vector<std::string>{"C", "B", "A"}));
    Form->SelectNext(A, false, true);
    EXPECT_TRUE(C->Focused());
    Form->SelectNext(C, false, false);
    EXPECT_TRUE(NoTabStop->Focused()) << "without the tab-stop check every control that can take the focus counts";
}

TEST_F(FocusTest, TabOrderDecidesTheCycle) {
    C->SetTabOrder(0);
    EXPECT_EQ(C->TabOrder(), 0);
    EXPECT_EQ(A->TabOrder(), 1);
    EXPECT_EQ(FocusAfterEachTab(*Form, 3), (std::vector<std::string>{"B", "C", "A"}));
}

TEST_F(FocusTest, DisabledAndInvisibleControlsAreSkipped) {
    B->SetEnabled(false);
    C->Hide();
    auto* D = AddLoggingControl<TLoggingControl>(*Form, u"D", Log, vcl::Bounds(10, 50, 40, 20));
    EXPECT_EQ(FocusAfterEachTab(*Form, 2), (std::vector<std::string>{"D", "A"}));
    EXPECT_FALSE(B->CanFocus());
    EXPECT_FALSE(C->CanFocus());
    EXPECT_TRUE(D->CanFocus());
}

TEST_F(FocusTest, FocusingAControlThatCannotTakeItFails) {
    B->SetEnabled(false);
    EXPECT_EQ(test_support::MessageOf([&] { B->SetFocus(); }), "Cannot focus a disabled or invisible window");
    EXPECT_TRUE(A->Focused());
}

TEST_F(FocusTest, DisablingTheFocusedControlTakesTheFocusAway) {
    A->SetEnabled(false);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    EXPECT_FALSE(A->Focused());
    EXPECT_EQ(Log, (TMessageLog{"A CM_EXIT"}));
}

TEST(Focus, EnterAndExitFollowThePathFromTheOldControlToTheNew) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* left = AddLoggingControl<TLoggingControl>(*form, u"Left", log, vcl::Bounds(0, 0, 100, 100));
    auto* right = AddLoggingControl<TLoggingControl>(*form, u"Right", log, vcl::Bounds(100, 0, 100, 100));
    left->SetTabStop(false);
    right->SetTabStop(false);
    auto* first = AddLoggingControl<TLoggingControl>(*left, u"First", log, vcl::Bounds(5, 5, 40, 20));
    auto* second = AddLoggingControl<TLoggingControl>(*left, u"Second", log, vcl::Bounds(5, 40, 40, 20));
    auto* third = AddLoggingControl<TLoggingControl>(*right, u"Third", log, vcl::Bounds(5, 5, 40, 20));
    first->SetFocus();
    second->SetFocus();
    third->SetFocus();
    first->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(log, (TMessageLog{"Left CM_ENTER", "First CM_ENTER",                                    //
                                "First CM_EXIT", "Second CM_ENTER",                                   //
                                "Second CM_EXIT", "Left CM_EXIT", "Right CM_ENTER", "Third CM_ENTER", //
                                "Third CM_EXIT", "Right CM_EXIT", "Left CM_ENTER", "First CM_ENTER"}));
    EXPECT_EQ(form->ActiveControl(), first);
}

TEST(Focus, AnExitHandlerThatMovesTheFocusElsewhereWins) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* a = AddLoggingControl<TLoggingControl>(*form, u"A", log, vcl::Bounds(0, 0, 40, 20));
    auto* b = AddLoggingControl<TLoggingControl>(*form, u"B", log, vcl::Bounds(50, 0, 40, 20));
    auto* c = AddLoggingControl<TLoggingControl>(*form, u"C", log, vcl::Bounds(100, 0, 40, 20));
    a->SetFocus();
    bool redirected = false;
    a->SetOnExit([&](rtl::TObject*) {
        if (!redirected) {
            redirected = true;
            c->SetFocus();
        }
    });
    log.clear();
    b->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(form->ActiveControl(), c);
    EXPECT_EQ(std::count(log.begin(), log.end(), "B CM_ENTER"), 0) << "the interrupted change enters nothing";
    EXPECT_EQ(log.back(), "C CM_ENTER");
}

TEST(Focus, ArrowKeysMoveAmongSiblings) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* a = AddLoggingControl<TLoggingControl>(*form, u"A", log, vcl::Bounds(0, 0, 40, 20));
    auto* b = AddLoggingControl<TLoggingControl>(*form, u"B", log, vcl::Bounds(50, 0, 40, 20));
    a->SetFocus();
    ui_test::PressKey(VK_RIGHT);
    EXPECT_TRUE(b->Focused());
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(a->Focused());
}

TEST(Focus, KeyPreviewGivesTheFormTheKeysFirst) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* a = AddLoggingControl<TLoggingControl>(*form, u"A", log, vcl::Bounds(0, 0, 40, 20));
    a->SetFocus();
    std::vector<std::string> keys;
    form->SetOnKeyDown([&](rtl::TObject*, uint16_t& key, vcl::TShiftState shift) {
        keys.push_back("form " + std::to_string(key) + (shift.Contains(vcl::ssCtrl) ? " ctrl" : ""));
        if (key == 'X') {
            key = 0;
        }
    });
    a->SetOnKeyDown(
        [&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { keys.push_back("a " + std::to_string(key)); });
    std::vector<char16_t> typed;
    a->SetOnKeyPress([&](rtl::TObject*, char16_t& key) { typed.push_back(key); });

    ui_test::PressKey('Q', {vcl::ssCtrl});
    EXPECT_EQ(keys, (std::vector<std::string>{"a 81"})) << "without key preview only the control hears it";
    keys.clear();
    form->SetKeyPreview(true);
    ui_test::PressKey('Q');
    ui_test::PressKey('X');
    EXPECT_EQ(keys, (std::vector<std::string>{"form 81", "a 81", "form 88"}));
    EXPECT_EQ(typed, (std::vector<char16_t>{0x11, u'q', u'x'}))
        << "Ctrl+Q is character 17; a key consumed on its way down has been translated already";
}

TEST_F(FocusTest, NextDialogControlMovesThroughTheTabOrder) {
    PostMessageW(Form->Handle(), WM_NEXTDLGCTL, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(B->Focused());
    PostMessageW(Form->Handle(), WM_NEXTDLGCTL, 1, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(A->Focused());
    PostMessageW(Form->Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(C->Handle()), 1);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(C->Focused());
}

// A control that answers the dialog key Escape (as a Cancel button does) and its mnemonic character.
class TEscapeTaker : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;
    int EscapesTaken = 0;
    int MnemonicsTaken = 0;

    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
            ++EscapesTaken;
            message.Result = 1;
            return;
        }
        if (message.Msg == vcl::CM_DIALOGCHAR && message.WParam == u'c') {
            ++MnemonicsTaken;
            message.Result = 1;
            return;
        }
        TLoggingControl::Dispatch(message);
    }
};

TEST(Focus, ADialogKeyTheFocusedControlDoesNotWantGoesToTheControlThatAnswersIt) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* edit = AddLoggingControl<TLoggingControl>(*form, u"Edit", log, vcl::Bounds(0, 0, 40, 20));
    auto* cancel = AddLoggingControl<TEscapeTaker>(*form, u"Cancel", log, vcl::Bounds(50, 0, 40, 20));
    edit->SetFocus();
    int editKeys = 0;
    edit->SetOnKeyDown([&](rtl::TObject*, uint16_t&, vcl::TShiftState) { ++editKeys; });
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(cancel->EscapesTaken, 1);
    EXPECT_EQ(editKeys, 0);
    ui_test::PressKey(VK_F2);
    EXPECT_EQ(editKeys, 1) << "other keys stay with the focused control";

    std::u16string typed;
    edit->SetOnKeyPress([&](rtl::TObject*, char16_t& key) { typed += key; });
    ui_test::TypeText(u"abcd");
    EXPECT_EQ(cancel->MnemonicsTaken, 1);
    EXPECT_EQ(typed, u"abd") << "a control that does not want characters loses the mnemonic of another";
}

} // namespace
