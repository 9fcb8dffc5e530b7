// Edits and memos as a user types into them: the length limit, read-only edits, change notification, letter case,
// password characters, selection on entering, windows made anew, and a memo's lines.

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/services/Clipboard.h"
#include "vcl/stdctrls/Memo.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;
using vcl_test::AddControl;

class EditTest : public testing::Test {
protected:
    void SetUp() override {
        Edit = AddControl<vcl::TEdit>(*Form, u"Edit", vcl::Bounds(10, 10, 200, 21));
        Other = AddControl<vcl::TEdit>(*Form, u"Other", vcl::Bounds(10, 40, 200, 21));
        Edit->SetOnChange([this](rtl::TObject*) { Changes.push_back(Edit->Text()); });
        Edit->SetFocus();
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    vcl::TEdit* Edit = nullptr;
    vcl::TEdit* Other = nullptr;
    std::vector<rtl::UnicodeString> Changes;
};

TEST_F(EditTest, MaxLengthRefusesTheCharacterTypedPastIt) {
    Edit->SetMaxLength(8);
    ui_test::TypeText(u"12345678九");
    EXPECT_EQ(Utf8(Edit->Text()), "12345678");
    Edit->SetText(u"0123456789");
    EXPECT_EQ(Utf8(Edit->Text()), "0123456789") << "the limit holds for typing, not for the program's text";
    Edit->SetMaxLength(0);
    ui_test::TypeText(u"ab");
    EXPECT_EQ(Edit->Text().size(), 12u) << "0 lifts the limit";
}

TEST_F(EditTest, AReadOnlyEditRefusesTypingButLetsTheUserSelectAndCopy) {
    Edit->SetText(u"只读的发票号码");
    Edit->SetReadOnly(true);
    EXPECT_NE(GetWindowLongW(Edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
    Edit->SelectAll();
    ui_test::TypeText(u"x");
    ui_test::PressKey(VK_DELETE);
    EXPECT_EQ(Utf8(Edit->Text()), "只读的发票号码");
    Edit->SetSelStart(3);
    Edit->SetSelLength(2);
    EXPECT_EQ(Utf8(Edit->SelText()), "发票");
    vcl::Clipboard().SetAsText(u"");
    ui_test::TypeText(u"\x03"); // Ctrl+C
    EXPECT_EQ(Utf8(vcl::Clipboard().AsText()), "发票");
    Edit->SetSelStart(0);
    Edit->SetSelLength(3);
    Edit->CopyToClipboard();
    EXPECT_EQ(Utf8(vcl::Clipboard().AsText()), "只读的");
    Edit->SetReadOnly(false);
    ui_test::TypeText(u"x");
    EXPECT_EQ(Utf8(Edit->Text()), "x发票号码");
}

TEST_F(EditTest, EveryChangeOfTheTextFiresOnChangeOnce) {
    ui_test::TypeText(u"ab");
    Edit->SetText(u"程序");
    Edit->SetSelStart(2);
    Edit->SetSelText(u"改");
    ui_test::PressKey(VK_BACK);
    const std::vector<rtl::UnicodeString> expected{u"a", u"ab", u"程序", u"程序改", u"程序"};
    EXPECT_EQ(Changes, expected);
    EXPECT_TRUE(Edit->Modified()) << "typing marks the text modified";
    Edit->SetModified(false);
    EXPECT_FALSE(Edit->Modified());
}

TEST_F(EditTest, CharCaseTurnsTypedLettersIntoItsCase) {
    Edit->SetCharCase(vcl::ecUpperCase);
    Edit->SetFocus();
    ui_test::TypeText(u"abc发票");
    EXPECT_EQ(Utf8(Edit->Text()), "ABC发票");
}

TEST_F(EditTest, ASettingThatNeedsAnotherWindowKeepsTextAndModifiedFlag) {
    ui_test::TypeText(u"金额");
    HWND before = Edit->Handle();
    Edit->SetAlignment(vcl::taRightJustify);
    EXPECT_NE(Edit->Handle(), before);
    EXPECT_NE(GetWindowLongW(Edit->Handle(), GWL_STYLE) & ES_RIGHT, 0);
    EXPECT_EQ(Utf8(Edit->Text()), "金额");
    EXPECT_TRUE(Edit->Modified());
    Edit->SetBorderStyle(vcl::bsNone);
    EXPECT_EQ(GetWindowLongW(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(GetWindowLongW(Edit->Handle(), GWL_STYLE) & WS_BORDER, 0);
    Edit->SetHideSelection(false);
    Edit->SetOEMConvert(true);
    EXPECT_EQ(GetWindowLongW(Edit->Handle(), GWL_STYLE) & (ES_NOHIDESEL | ES_OEMCONVERT), ES_NOHIDESEL | ES_OEMCONVERT);
}

TEST_F(EditTest, APasswordEditShowsItsCharacterButKeepsTheText) {
    Edit->SetPasswordChar(u'*');
    ui_test::TypeText(u"秘密1");
    EXPECT_EQ(SendMessageW(Edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(Utf8(Edit->Text()), "秘密1");
}

TEST_F(EditTest, EnteringByKeyboardSelectsAllAndAClickPlacesTheCaret) {
    Other->SetText(u"全部选中");
    ui_test::PressKey(VK_TAB);
    ASSERT_TRUE(Other->Focused());
    EXPECT_EQ(Other->SelLength(), 4);
    ui_test::Click(*Edit, vcl::Point(5, 5));
    Other->SetAutoSelect(false);
    Other->SetSelLength(0);
    ui_test::PressKey(VK_TAB);
    ASSERT_TRUE(Other->Focused());
    EXPECT_EQ(Other->SelLength(), 0) << "without AutoSelect";
    ui_test::Click(*Edit, vcl::Point(5, 5));
    Other->SetAutoSelect(true);
    ui_test::Click(*Other, vcl::Point(150, 5));
    ASSERT_TRUE(Other->Focused());
    EXPECT_EQ(Other->SelLength(), 0) << "a click is no keyboard entry";
}

TEST_F(EditTest, ClipboardCommandsWorkOnTheSelection) {
    Edit->SetText(u"剪切粘贴");
    Edit->SetSelStart(0);
    Edit->SetSelLength(2);
    Edit->CutToClipboard();
    EXPECT_EQ(Utf8(Edit->Text()), "粘贴");
    Edit->SetSelStart(2);
    Edit->PasteFromClipboard();
    EXPECT_EQ(Utf8(Edit->Text()), "粘贴剪切");
    EXPECT_TRUE(Edit->CanUndo());
    Edit->Undo();
    EXPECT_EQ(Utf8(Edit->Text()), "粘贴");
    Edit->SelectAll();
    Edit->ClearSelection();
    EXPECT_EQ(Edit->Text(), u"");
}

class MemoTest : public testing::Test {
protected:
    void SetUp() override {
        Memo = AddControl<vcl::TMemo>(*Form, u"Memo", vcl::Bounds(10, 10, 200, 100));
        Memo->SetFocus();
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    vcl::TMemo* Memo = nullptr;
};

TEST_F(MemoTest, TheLinesFollowWhatTheUserTypes) {
    ui_test::TypeText(u"第一行");
    ui_test::PressKey(VK_RETURN);
    ui_test::TypeText(u"second");
    EXPECT_EQ(Utf8(Memo->Text()), "第一行\r\nsecond");
    ASSERT_EQ(Memo->Lines().Count(), 2);
    EXPECT_EQ(Utf8(Memo->Lines().Get(0)), "第一行");
    EXPECT_EQ(Utf8(Memo->Lines().Get(1)), "second");
    EXPECT_EQ(Memo->CaretPos(), vcl::Point(6, 1));
}

TEST_F(MemoTest, TheProgramSetsTheTextThroughTheLines) {
    Memo->Lines().Add(u"a");
    Memo->Lines().Add(u"第二");
    EXPECT_EQ(Utf8(Memo->Text()), "a\r\n第二");
    rtl::TStringList lines;
    lines.SetText(u"x\r\ny\r\nz");
    Memo->SetLines(lines);
    EXPECT_EQ(Utf8(Memo->Text()), "x\r\ny\r\nz");
    Memo->SetText(u"p\r\nq");
    EXPECT_EQ(Memo->Lines().Count(), 2);
    Memo->SetCaretPos(vcl::Point(1, 1));
    EXPECT_EQ(Memo->SelStart(), 4);
    Memo->Lines().Clear();
    EXPECT_EQ(Memo->Text(), u"");
}

TEST_F(MemoTest, LinesSetBeforeTheWindowExistsAreItsText) {
    auto* later = new vcl::TMemo(Form.get());
    later->Lines().Add(u"早");
    later->Lines().Add(u"晚");
    EXPECT_EQ(Utf8(later->Text()), "早\r\n晚");
    EXPECT_FALSE(later->HandleAllocated());
    later->SetParent(Form.get());
    ASSERT_TRUE(later->HandleAllocated());
    wchar_t text[16] = {};
    GetWindowTextW(later->Handle(), text, 16);
    EXPECT_STREQ(text, L"早\r\n晚");
}

TEST_F(MemoTest, EnterAndTabGoIntoTheTextOnlyWhenTheMemoWantsThem) {
    auto* next = AddControl<vcl::TEdit>(*Form, u"Next", vcl::Bounds(10, 120, 100, 21));
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(next->Focused()) << "Tab moves on by default";
    Memo->SetFocus();
    Memo->SetWantTabs(true);
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(Memo->Focused());
    EXPECT_EQ(Memo->Text(), u"\t");
    Memo->SetWantReturns(false);
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Memo->Text(), u"\t") << "Enter is the form's";
    Memo->SetWantReturns(true);
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Memo->Text(), u"\t\r\n");
}

TEST_F(MemoTest, ScrollBarsAndWordWrapMakeTheWindowAnew) {
    Memo->SetText(u"保留");
    Memo->SetScrollBars(vcl::ssBoth);
    const LONG style = GetWindowLongW(Memo->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), WS_HSCROLL | WS_VSCROLL | ES_MULTILINE);
    EXPECT_NE(style & ES_AUTOHSCROLL, 0) << "a horizontal scroll bar lets lines run on";
    Memo->SetScrollBars(vcl::ssVertical);
    EXPECT_EQ(GetWindowLongW(Memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, 0) << "wrapped lines";
    Memo->SetWordWrap(false);
    EXPECT_NE(GetWindowLongW(Memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(Utf8(Memo->Text()), "保留");
    EXPECT_EQ(Memo->Lines().Count(), 1);
}

} // namespace
