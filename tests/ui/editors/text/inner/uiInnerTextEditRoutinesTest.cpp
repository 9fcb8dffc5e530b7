#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/stdctrls/Edit.h"

#include <gtest/gtest.h>

namespace {

class InnerTextEditRoutinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm();
        Edit = new vcl::TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(8, 8, 160, 24);
        ui_test::ShowTestForm(*Form);
        Edit->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    HWND Window() { return Edit->Handle(); }
    void Select(int32_t anchor, int32_t caret) {
        SendMessageW(Window(), EM_SETSEL, static_cast<WPARAM>(anchor), static_cast<LPARAM>(caret));
        SendMessageW(Window(), EM_SCROLLCARET, 0, 0);
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Edit = nullptr; // owned by the form
};

TEST_F(InnerTextEditRoutinesTest, TheCaretIndexOfALongTextNeedsMoreThanSixteenBits) {
    SendMessageW(Window(), EM_SETLIMITTEXT, 0, 0);
    Edit->SetText(rtl::UnicodeString(40000, u'a'));
    const struct {
        int32_t anchor;
        int32_t caret;
    } cases[] = {{35000, 35000}, {34990, 35000}, {35000, 34990}, {40000, 40000}, {0, 0}, {5, 3}};
    for (const auto& c : cases) {
        Select(c.anchor, c.caret);
        EXPECT_EQ(ui::GetCaretCharIndex(Window()), c.caret) << c.anchor << " " << c.caret;
    }
    Edit->SetText(u"");
    EXPECT_EQ(ui::GetCaretCharIndex(Window()), 0);
}

TEST_F(InnerTextEditRoutinesTest, TheSavedStateTellsWhatAKeyChanged) {
    Edit->SetText(u"abc");
    Select(1, 2);
    ui::TuiCustomInnerTextEditPrevState state;
    ui::SaveInnerTextEditState(Window(), true, state);
    EXPECT_EQ(state.SavedText, u"abc");
    EXPECT_EQ(state.SavedSelStart, 1);
    EXPECT_EQ(state.SavedSelLength, 1);
    EXPECT_FALSE(ui::InnerTextEditStateChanged(Window(), state));
    Select(0, 2);
    EXPECT_TRUE(ui::InnerTextEditStateChanged(Window(), state));
    Select(1, 2);
    Edit->SetText(u"abd");
    Select(1, 2);
    EXPECT_TRUE(ui::InnerTextEditStateChanged(Window(), state));
    ui::SaveInnerTextEditState(Window(), false, state);
    Edit->SetText(u"xyz");
    Select(1, 2);
    EXPECT_FALSE(ui::InnerTextEditStateChanged(Window(), state)) << "only the selection was saved";
    EXPECT_TRUE(ui::InnerTextEditStateChanged(nullptr, state));
}

} // namespace
