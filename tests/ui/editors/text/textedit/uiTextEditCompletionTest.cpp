#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// Text properties whose editing style the test chooses, as the combo boxes' list styles give it.
class TCompletionTestProperties : public ui::TuiTextEditProperties {
    RTL_DECLARE_CLASS(TCompletionTestProperties, ui::TuiTextEditProperties)
public:
    using TuiTextEditProperties::TuiTextEditProperties;
    ui::TuiTextEditingStyle GetEditingStyle() const override { return Style; }
    ui::TuiTextEditingStyle Style = ui::tesFree;
};

// A text editor of those properties; with PopupList it steps through its items as the combo boxes do.
class TCompletionTestEdit : public ui::TuiCustomTextEdit {
    RTL_DECLARE_CLASS(TCompletionTestEdit, ui::TuiCustomTextEdit)
public:
    explicit TCompletionTestEdit(rtl::TComponent* owner)
        : TuiCustomTextEdit(owner, TCompletionTestProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TCompletionTestProperties::StaticClass(); }
    TCompletionTestProperties& TestProperties() const { return static_cast<TCompletionTestProperties&>(Properties()); }
    bool PopupList = false;

protected:
    bool HasPopupList() const override { return PopupList; }
};

class TextEditCompletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 120);
        Edit = new TCompletionTestEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 200, 21);
        Edit->SetAfterKeyHandler([this](rtl::TObject*, uint16_t& key, vcl::TShiftState) { HostKeys.push_back(key); });
        ui_test::ProcessPendingMessages();
    }
    void Prepare(ui::TuiTextEditingStyle style, std::initializer_list<const char16_t*> items,
                 bool listPrefixSelection = true) {
        TCompletionTestProperties& properties = Edit->TestProperties();
        properties.Style = style;
        properties.SetListPrefixSelection(listPrefixSelection);
        for (const char16_t* item : items) {
            properties.LookupItems().Add(item);
        }
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Type(const char16_t* text) {
        ui_test::TypeText(text);
        ui_test::ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    // The text, and the selected part of it.
    std::pair<std::u16string, std::u16string> Shown() const {
        const std::u16string text = Edit->GetDisplayText();
        return {text, text.substr(static_cast<size_t>(Edit->SelStart()), static_cast<size_t>(Edit->SelLength()))};
    }
    using TShown = std::pair<std::u16string, std::u16string>;

    ui_test::TFormPtr<vcl::TForm> Form;
    TCompletionTestEdit* Edit = nullptr; // owned by the form
    std::vector<uint16_t> HostKeys;
};

// The free style keeps the letters as typed and completes from the first item the typed text begins.
TEST_F(TextEditCompletionTest, FreeStyleCompletesTypedLettersAndBackspaceSearchesAgain) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    Type(u"a");
    EXPECT_EQ(Shown(), TShown(u"apple", u"pple"));
    EXPECT_EQ(Edit->GetItemIndex(), 0);
    Type(u"pr");
    EXPECT_EQ(Shown(), TShown(u"apricot", u"icot"));
    EXPECT_EQ(Edit->GetItemIndex(), 1);
    Press(VK_BACK);
    EXPECT_EQ(Shown(), TShown(u"apple", u"ple"));
    EXPECT_EQ(Edit->GetItemIndex(), 0);
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"apple");
    EXPECT_TRUE(Edit->ChangedByUser());
}

TEST_F(TextEditCompletionTest, FreeStyleEntryOfACompletedItemTakesTheItemsLetters) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    Type(u"apr");
    Press(VK_RETURN);
    EXPECT_EQ(Edit->GetDisplayText(), u"Apricot");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"Apricot");
}

TEST_F(TextEditCompletionTest, FreeStyleTypesFreelyPastTheItems) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    Type(u"ax");
    EXPECT_EQ(Shown(), TShown(u"ax", u""));
    EXPECT_EQ(Edit->GetItemIndex(), -1);
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"ax");
}

TEST_F(TextEditCompletionTest, ListOnlyWithPrefixSelectionDropsACharacterNoItemContinues) {
    Prepare(ui::tesListOnly, {u"Apple", u"Apricot", u"Banana"});
    Type(u"a");
    EXPECT_EQ(Shown(), TShown(u"Apple", u"pple"));
    Type(u"x");
    EXPECT_EQ(Shown(), TShown(u"Apple", u"pple"));
    EXPECT_EQ(Edit->GetItemIndex(), 0);
    Type(u"b");
    EXPECT_EQ(Edit->GetDisplayText(), u"Apple");
}

TEST_F(TextEditCompletionTest, ListOnlyWithoutPrefixSelectionStartsANewSearch) {
    Prepare(ui::tesListOnly, {u"Apple", u"Apricot", u"Banana"}, false);
    Type(u"a");
    EXPECT_EQ(Edit->GetDisplayText(), u"Apple");
    Type(u"b");
    EXPECT_EQ(Edit->GetDisplayText(), u"Banana");
    EXPECT_EQ(Edit->GetItemIndex(), 2);
    Type(u"x");
    EXPECT_EQ(Edit->GetDisplayText(), u"Banana");
    Press(VK_BACK);
    EXPECT_EQ(Edit->GetDisplayText(), u"Banana");
}

TEST_F(TextEditCompletionTest, ListAssistedDropsAnUnmatchedCharacterAndLeavesDeleteToTheHost) {
    Prepare(ui::tesListAssisted, {u"Apple", u"Apricot"});
    Type(u"ap");
    EXPECT_EQ(Shown(), TShown(u"Apple", u"ple"));
    Type(u"z");
    EXPECT_EQ(Shown(), TShown(u"Apple", u"ple"));
    Press(VK_DELETE);
    EXPECT_EQ(Edit->GetDisplayText(), u"Apple");
    EXPECT_EQ(HostKeys, std::vector<uint16_t>{VK_DELETE});
}

TEST_F(TextEditCompletionTest, RightCollapsesTheCompletedTailAndEndsTheCompletion) {
    Prepare(ui::tesFree, {u"Apple"});
    Type(u"a");
    Press(VK_RIGHT);
    EXPECT_EQ(Shown(), TShown(u"apple", u""));
    EXPECT_EQ(Edit->SelStart(), 5);
    Type(u"s");
    EXPECT_EQ(Edit->GetDisplayText(), u"apples");
}

TEST_F(TextEditCompletionTest, APlainEditorLeavesUpAndDownToTheHost) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    Edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"Apple")));
    Press(VK_DOWN);
    Press(VK_UP);
    EXPECT_EQ(Edit->GetDisplayText(), u"Apple");
    EXPECT_EQ(HostKeys, (std::vector<uint16_t>{VK_DOWN, VK_UP}));
}

TEST_F(TextEditCompletionTest, AnEditorWithAPopupListStepsThroughItsItemsWithoutCycling) {
    Edit->PopupList = true;
    Prepare(ui::tesListOnly, {u"Apple", u"Apricot", u"Banana"});
    Press(VK_DOWN);
    EXPECT_EQ(Edit->GetDisplayText(), u"Apple");
    Press(VK_NEXT, {vcl::ssCtrl});
    EXPECT_EQ(Edit->GetDisplayText(), u"Banana");
    Press(VK_DOWN);
    EXPECT_EQ(Edit->GetItemIndex(), 2);
    Press(VK_HOME);
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"Apple");
    EXPECT_TRUE(Edit->ChangedByUser());
    ui_test::MouseWheel(*Edit, -120, {5, 5});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->GetDisplayText(), u"Apricot");
    EXPECT_TRUE(HostKeys.empty());
}

// "中" reaches the ANSI window as a lead and a trail byte; the search takes the character whole.
TEST_F(TextEditCompletionTest, AChineseCharacterThroughTheInputMethodCompletesItsItem) {
    Prepare(ui::tesFree, {u"日本", u"中国"});
    PostMessageA(Edit->InnerEdit().Handle(), WM_IME_CHAR, 0xD6D0, 1);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Shown(), TShown(u"中国", u"国"));
    EXPECT_EQ(Edit->GetItemIndex(), 1);
    Type(u"x");
    EXPECT_EQ(Edit->GetDisplayText(), u"中x");
}

TEST_F(TextEditCompletionTest, TheProgramChoosesAnItemByIndex) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    int clicks = 0;
    Edit->SetOnClick([&](rtl::TObject*) { ++clicks; });
    Edit->SetItemIndex(1);
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"Apricot");
    EXPECT_EQ(Edit->GetItemIndex(), 1);
    EXPECT_FALSE(Edit->ChangedByUser());
    EXPECT_EQ(clicks, 1);
    Edit->SetItemIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Edit->GetItemObject(), nullptr);
}

// An entry that is no lookup item is reported when it is taken; an item is not.
TEST_F(TextEditCompletionTest, ANewTextTakenInTheFreeStyleIsReported) {
    Prepare(ui::tesFree, {u"Apple", u"Apricot"});
    std::vector<std::u16string> reported;
    Edit->TestProperties().SetValidateOnEnter(true);
    Edit->TestProperties().SetOnNewLookupDisplayText(
        [&](rtl::TObject*, const rtl::UnicodeString& text) { reported.push_back(text); });
    Type(u"cherry");
    Press(VK_RETURN);
    Edit->SelectAll();
    Type(u"apr");
    Press(VK_RETURN);
    EXPECT_EQ(reported, std::vector<std::u16string>{u"cherry"});
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"Apricot");
}

TEST_F(TextEditCompletionTest, AListStyleTakesOnlyItemTextsThroughSetText) {
    Prepare(ui::tesListOnly, {u"Apple", u"Apricot"});
    EXPECT_EQ(SendMessageW(Edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Cherry")), 0);
    EXPECT_EQ(Edit->GetDisplayText(), u"");
    EXPECT_EQ(SendMessageW(Edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Apricot")), 1);
    EXPECT_EQ(Edit->GetDisplayText(), u"Apricot");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"Apricot");
}

// The user's entry that the changed list no longer holds is cleared; an entry of the free style stays.
TEST_F(TextEditCompletionTest, AnEntryTheChangedListNoLongerHoldsIsCleared) {
    Prepare(ui::tesListOnly, {u"Apple", u"Apricot"});
    Type(u"a");
    ASSERT_EQ(Edit->GetDisplayText(), u"Apple");
    Edit->TestProperties().LookupItems().Delete(0);
    EXPECT_EQ(Edit->GetDisplayText(), u"");
    Edit->TestProperties().Style = ui::tesFree;
    Type(u"ap");
    Edit->TestProperties().LookupItems().Clear();
    EXPECT_EQ(Edit->GetDisplayText(), u"apricot");
}

} // namespace
