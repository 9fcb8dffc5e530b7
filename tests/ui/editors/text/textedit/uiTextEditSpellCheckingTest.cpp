#include "ui/editors/text/textedit/uiTextEditSpellChecking.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/controls/services/uiSpellCheckerHook.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "vcl/stdctrls/Edit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A spell checker that writes down what the editors tell it, and about which window.
class TRecordingSpellChecker final : public ui::IuiSpellCheckerHook {
public:
    void FocusGained(vcl::TWinControl* edit) override { Record("focus gained", edit); }
    void FocusLost(vcl::TWinControl* edit) override { Record("focus lost", edit); }
    void UndoPerformed(vcl::TWinControl* edit) override { Record("undo", edit); }
    void TextChanged(vcl::TWinControl* edit) override { Record("text", edit); }
    void SelectionChanged(vcl::TWinControl* edit) override { Record("selection", edit); }
    void LayoutChanged(vcl::TWinControl* edit) override { Record("layout", edit); }
    void TextHookActivated(vcl::TWinControl* edit) override { Record("activate", edit); }
    bool IsSpellCheckerWindow(HWND) override { return false; }

    // How many times the event came, from the expected window only.
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(Events.begin(), Events.end(), event));
    }
    void Clear() { Events.clear(); }

    vcl::TWinControl* Expected = nullptr;
    std::vector<std::string> Events;
    int ForeignEvents = 0;

private:
    void Record(const char* event, vcl::TWinControl* edit) {
        if (edit == Expected) {
            Events.emplace_back(event);
        } else {
            ++ForeignEvents;
        }
    }
};

class TextEditSpellCheckingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 200);
        Other = ui_test::PlaceFocusTaker(*Form);
        Edit = ui_test::PlaceOnForm<ui::TuiTextEdit>(*Form, 10, 10, 200, 21);
        Checker.Expected = &Edit->InnerEdit();
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override { ui::SetSpellCheckerHook(nullptr); }

    void Install() {
        ui::SetSpellCheckerHook(&Checker);
        Checker.Clear();
    }
    void Focus(vcl::TWinControl& control) {
        control.SetFocus();
        ui_test::ProcessPendingMessages();
    }
    HWND InnerWindow() const { return Edit->InnerEdit().Handle(); }
    void SendAutoCorrection(const wchar_t* replacement, int start, int length, int caret) {
        ui::TuiSpellCheckerAutoCorrection correction{replacement, start, length, caret};
        SendMessageW(Edit->Handle(), ui::SpellCheckerAutoCorrectMessage(), 0, reinterpret_cast<LPARAM>(&correction));
        ui_test::ProcessPendingMessages();
    }

    TRecordingSpellChecker Checker;
    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;
    ui::TuiTextEdit* Edit = nullptr;
};

TEST_F(TextEditSpellCheckingTest, TheCheckerHearsFocusTypingSelectionUndoAndLayout) {
    Install();
    Focus(Edit->InnerEdit());
    EXPECT_EQ(Checker.Count("focus gained"), 1);

    ui_test::TypeText(u"ab");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Checker.Count("text"), 2);

    Checker.Clear();
    ui_test::PressKey(VK_LEFT);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Checker.Count("selection"), 1);
    ui_test::PressKey(VK_SHIFT);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Checker.Count("selection"), 1) << "a key that moves nothing reports nothing";
    ui_test::Click(Edit->InnerEdit(), {1, 3});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->InnerEdit().InnerSelStart(), 0);
    EXPECT_EQ(Checker.Count("selection"), 2) << "the click put the caret before the text";

    SendMessageW(InnerWindow(), WM_UNDO, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Checker.Count("undo"), 1);
    EXPECT_EQ(Edit->GetDisplayText(), u"");

    Checker.Clear();
    Edit->SetWidth(150);
    ui_test::ProcessPendingMessages();
    EXPECT_GE(Checker.Count("layout"), 1);

    Focus(*Other);
    EXPECT_EQ(Checker.Count("focus lost"), 1);
    EXPECT_EQ(Checker.ForeignEvents, 0);
}

TEST_F(TextEditSpellCheckingTest, PaintsQueuedTogetherActivateTheTextHookOnce) {
    Install();
    for (int i = 0; i < 3; ++i) {
        PostMessageW(InnerWindow(), ui::RedrawMisspellingsMessage(), 0, 0);
    }
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Checker.Count("activate"), 1);

    Checker.Clear();
    Edit->InnerEdit().Invalidate();
    ui_test::ProcessPendingMessages();
    EXPECT_GE(Checker.Count("activate"), 1) << "a repaint leads the checker to redraw its underlines";
}

TEST_F(TextEditSpellCheckingTest, AnAutoCorrectionReplacesTheRangeUndoablyAndPlacesTheCaret) {
    Install();
    Focus(Edit->InnerEdit());
    ui_test::TypeText(u"teh cat");
    ui_test::ProcessPendingMessages();

    SendAutoCorrection(L"the", 0, 3, 3);
    EXPECT_EQ(Edit->GetDisplayText(), u"the cat");
    EXPECT_EQ(Edit->InnerEdit().InnerSelStart(), 3);
    EXPECT_EQ(Edit->InnerEdit().InnerSelLength(), 0);
    EXPECT_GE(Checker.Count("text"), 1);

    SendMessageW(InnerWindow(), WM_UNDO, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->GetDisplayText(), u"teh cat");
}

TEST_F(TextEditSpellCheckingTest, WithoutACheckerTheEditorWorksAndTellsNoOne) {
    ui::SetSpellCheckerHook(nullptr);
    Focus(Edit->InnerEdit());
    ui_test::TypeText(u"word");
    ui_test::PressKey(VK_LEFT);
    Edit->SetWidth(150);
    Edit->InnerEdit().Invalidate();
    ui_test::ProcessPendingMessages();
    SendMessageW(InnerWindow(), WM_UNDO, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->GetDisplayText(), u"");
    Focus(*Other);

    SendAutoCorrection(L"x", 0, 0, 1);
    EXPECT_EQ(Edit->GetDisplayText(), u"x") << "an autocorrect request needs no installed checker";
    EXPECT_TRUE(Checker.Events.empty());
    EXPECT_EQ(Checker.ForeignEvents, 0);
}

} // namespace
