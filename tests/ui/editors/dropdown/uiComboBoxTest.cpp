#include "ui/editors/dropdown/uiComboBox.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/uiPopupHooks.h"
#include "ui/core/uxSystemInfo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ui::TuiComboBox;
using ui::TuiPopupCloseReason;

// A form like the main window with its invoice-limit selector: a fixed-list combo box of five amounts whose
// blanks belong to the items, beside an edit that takes the focus away.
class ComboBoxFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Form->SetKeyPreview(true);
        Form->SetOnKeyPress([this](rtl::TObject*, char16_t& key) { FormChars += key; });
        Other = new vcl::TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(250, 10, 100, 24);
        Combo = new TuiComboBox(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(10, 10, 121, 21);
        ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
        properties.SetDropDownListStyle(ui::lsFixedList);
        for (const char16_t* item : {u" 一千 ", u" 一万", u" 十万", u" 百万", u" 千万"}) {
            properties.Items().Add(item);
        }
        Combo->SetItemIndex(2);
        Combo->SetOnClick([this](rtl::TObject*) { ++Clicks; });
        properties.SetOnInitPopup([this](rtl::TObject*) { Events.push_back("InitPopup"); });
        properties.SetOnPopup([this](rtl::TObject*) { Events.push_back("Popup"); });
        properties.SetOnPopupFinished([this](rtl::TObject*) { Events.push_back("PopupFinished"); });
        properties.SetOnCloseUp([this](rtl::TObject*) { Events.push_back("CloseUp"); });
        Combo->SetOnClosePopup([this](ui::TuiCustomDropDownEdit&, TuiPopupCloseReason reason) {
            Events.push_back("ClosePopup");
            Reasons.push_back(reason);
        });
        ui_test::ProcessPendingMessages();
    }
    // The form goes first: closing its popup still reports to the recorders.
    void TearDown() override { Form.reset(); }
    void FocusCombo() {
        Combo->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    void OpenByKeyboard() {
        FocusCombo();
        Press(VK_DOWN, {vcl::ssAlt});
        ASSERT_TRUE(Combo->DroppedDown());
    }
    ui::TuiComboBoxListBox& List() const { return *Combo->LookupData().ComboListBox(); }
    rtl::UnicodeString Shown() const { return Combo->GetDisplayText(); }
    vcl::TRect ScreenRect(vcl::TWinControl& control) const {
        RECT rect;
        GetWindowRect(control.Handle(), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;  // owned by the form
    TuiComboBox* Combo = nullptr; // owned by the form
    int Clicks = 0;
    std::u16string FormChars;
    std::vector<std::string> Events;
    std::vector<TuiPopupCloseReason> Reasons;
};

TEST_F(ComboBoxFormTest, TheItemIndexShowsItsItemAndTheArrowKeysStepThroughTheItems) {
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_EQ(rtl::VarToStr(Combo->EditValue()), u" 十万");
    FocusCombo();
    Press(VK_DOWN);
    EXPECT_EQ(Combo->GetItemIndex(), 3);
    EXPECT_EQ(Shown(), u" 百万");
    EXPECT_FALSE(Combo->DroppedDown()) << "a plain arrow key steps without opening the list";
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(Shown(), u" 一万");
    Press(VK_HOME);
    EXPECT_EQ(Combo->GetItemIndex(), 0);
    Press(VK_END);
    EXPECT_EQ(Shown(), u" 千万");
    Press(VK_DOWN);
    EXPECT_EQ(Combo->GetItemIndex(), 4) << "the last item stays the last";
}

TEST_F(ComboBoxFormTest, TypingABlankAndAnImeCharacterSelectsTheItemTheyBegin) {
    FocusCombo();
    Combo->SetItemIndex(0);
    Combo->SelectAll();
    ui_test::TypeText(u" ");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 0);
    PostMessageA(Combo->InnerEdit().Handle(), WM_IME_CHAR, 0xCAAE, 1); // "十" in code page 936
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_TRUE(Combo->ChangedByUser());
}

TEST_F(ComboBoxFormTest, AltDownOpensAllFiveRowsBelowTheEditorAndAClickTakesTheItem) {
    OpenByKeyboard();
    ui::TuiCustomEditPopupWindow& popup = *Combo->PopupWindow();
    const vcl::TRect editor = ScreenRect(*Combo);
    const vcl::TRect popupRect = ScreenRect(popup);
    EXPECT_EQ(popupRect.Top, editor.Bottom);
    EXPECT_EQ(popupRect.Left, editor.Left);
    EXPECT_GE(popupRect.Width(), editor.Width());
    ui::TuiComboBoxListBox& list = List();
    EXPECT_EQ(list.Height(), 5 * list.GetItemHeight(0)) << "five whole rows";
    EXPECT_EQ(GetWindowLongPtrW(list.Handle(), GWL_STYLE) & WS_VSCROLL, 0) << "no scroll bar for five items";
    EXPECT_EQ(list.ItemIndex(), 2) << "the list opens on the current item";
    EXPECT_EQ(Clicks, 0);

    const vcl::TRect item = list.ItemRect(1);
    ui_test::MouseMove(list, {item.Left + 5, item.Top + 2});
    ui_test::Click(list, {item.Left + 5, item.Top + 2});
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->GetItemIndex(), 1);
    EXPECT_EQ(Shown(), u" 一万");
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrAccept);
    EXPECT_EQ(Clicks, 0) << "no click event for a mouse click";
}

TEST_F(ComboBoxFormTest, OnClickFiresForAChangedItemIndexOnly) {
    Combo->SetItemIndex(3);
    EXPECT_EQ(Clicks, 1);
    Combo->SetItemIndex(3);
    EXPECT_EQ(Clicks, 1);
    ui_test::Click(*Combo, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Combo->ChangedByUser()) << "a program's item is no change of the user";
}

TEST_F(ComboBoxFormTest, TheToggleKeysOpenAndCloseTakingTheListsSelection) {
    OpenByKeyboard();
    Press(VK_DOWN);
    EXPECT_EQ(List().ItemIndex(), 3) << "in the open list the arrow moves the list's selection";
    EXPECT_EQ(Shown(), u" 十万") << "the text waits for the list to close";
    Press(VK_UP, {vcl::ssAlt});
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 百万");
    Press(VK_F4);
    EXPECT_TRUE(Combo->DroppedDown());
    Press(VK_F4);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrToggleKey, ui::pcrToggleKey}));
    EXPECT_EQ(Events, (std::vector<std::string>{"InitPopup", "Popup", "PopupFinished", "ClosePopup", "CloseUp",
                                                "InitPopup", "Popup", "PopupFinished", "ClosePopup", "CloseUp"}));
}

TEST_F(ComboBoxFormTest, EscapeClosesWithoutTheSelectionAndReachesNeitherTheTextNorTheForm) {
    OpenByKeyboard();
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrCancel);
    EXPECT_EQ(FormChars.find(u'\x1b'), std::u16string::npos);
}

TEST_F(ComboBoxFormTest, EnterAcceptsButAReadOnlyEditorCancels) {
    OpenByKeyboard();
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(Shown(), u" 百万");
    Combo->ComboBoxProperties().SetReadOnly(true);
    Press(VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(Combo->DroppedDown());
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 百万");
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrAccept, ui::pcrCancel}));
    EXPECT_EQ(FormChars.find(u'\r'), std::u16string::npos);
}

TEST_F(ComboBoxFormTest, AClickOnTheButtonOpensTheListAndAClickOutsideClosesIt) {
    FocusCombo();
    ui_test::Click(*Combo, {Combo->Width() - 5, 10});
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Combo->DroppedDown());
    // The mouse hook's rule for a press on the form outside the popup (posted input does not pass the hook).
    const vcl::TPoint outside = Form->ClientToScreen({200, 200});
    ui::ProcessPopupOutsideClick(Form->Handle(), WM_LBUTTONDOWN, outside, {});
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrNone);
    EXPECT_EQ(Shown(), u" 十万");
}

TEST_F(ComboBoxFormTest, FocusLeavingTheEditorClosesThePopup) {
    OpenByKeyboard();
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrNone}));
}

TEST_F(ComboBoxFormTest, TheWheelStepsAClosedComboBoxThroughTheItems) {
    FocusCombo();
    ui_test::MouseWheel(*Combo, -WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 3);
    ui_test::MouseWheel(*Combo, WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 2);
}

// The focused, closed fixed list shows its text as a selected item: the highlight colour fills the text area (the
// frame may take the highlight colour too when the editor is hot, so only the inside counts).
TEST_F(ComboBoxFormTest, AFocusedClosedFixedListPaintsItsTextHighlighted) {
    const auto highlightPixels = [this] {
        ui_test::TDibSurface surface(Combo->Width(), Combo->Height());
        ui_test::PaintControl(*Combo, surface);
        int count = 0;
        const vcl::TColor highlight = static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clHighlight));
        // Inside the frame, left of the button.
        for (int y = 3; y < surface.Height() - 3; ++y) {
            for (int x = 3; x < surface.Width() - 24; ++x) {
                count += surface.Pixel(x, y) == highlight ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(highlightPixels(), 0) << "unfocused";
    FocusCombo();
    const int focused = highlightPixels();
    EXPECT_GT(focused, 10 * 5);
    EXPECT_EQ(highlightPixels(), focused) << "painting twice gives the same picture";
    Press(VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(highlightPixels(), 0) << "open, the list shows the selection";
}

} // namespace
