// The memo as a user drives it, standalone and in place: its size, auto size by lines, Enter and Tab, the keys that
// reach its host, Ctrl+A, pasting, Chinese text in the window's code page, a change of scroll bars and its window
// class.

#include "ui/editors/text/memo/uiMemo.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/text/memo/uiFilterMemoHelper.h"
#include "vcl/services/Clipboard.h"
#include "vcl/stdctrls/Button.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using ui::TuiMemo;

class MemoFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(420, 320);
        Other = ui_test::PlaceFocusTaker(*Form);
        ui_test::ProcessPendingMessages();
    }
    TuiMemo* AddMemo() {
        auto* memo = new TuiMemo(Form.get());
        memo->SetParent(Form.get());
        memo->SetLeft(10);
        memo->SetTop(10);
        ui_test::ProcessPendingMessages();
        return memo;
    }
    static void Focus(TuiMemo& memo) {
        memo.InnerMemo().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    // An in-place memo over a cell of the form, its host's keys and after-keys recorded.
    TuiMemo* AddInplaceMemo(bool wantReturns) {
        ui::TuiMemoProperties cell(nullptr);
        cell.SetWantReturns(wantReturns);
        auto* memo = static_cast<TuiMemo*>(ui::TuiCustomEdit::CreateInplace(TuiMemo::StaticClass(), Form.get()));
        memo->SetProperties(cell);
        memo->SetParent(Form.get());
        memo->SetBounds(10, 120, 200, 80);
        memo->SetOnKeyDown([this](rtl::TObject*, uint16_t& key, vcl::TShiftState shift) {
            HostKeys.push_back({key, shift.Contains(vcl::ssCtrl)});
            if (key == VK_RETURN) {
                key = 0;
            }
        });
        memo->SetAfterKeyHandler([this](rtl::TObject*, uint16_t& key, vcl::TShiftState) { AfterKeys.push_back(key); });
        ui_test::ProcessPendingMessages();
        memo->Activate(Data);
        memo->Show();
        Focus(*memo);
        return memo;
    }
    void TearDown() override { delete Data; }

    struct THostKey {
        uint16_t Key;
        bool Ctrl;
        bool operator==(const THostKey&) const = default;
    };
    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr; // owned by the form
    ui::TuiCustomEditData* Data = nullptr;
    std::vector<THostKey> HostKeys;
    std::vector<uint16_t> AfterKeys;
};

TEST_F(MemoFormTest, ANewMemoIs185By89AndAutoSizesToItsVisibleLines) {
    TuiMemo* memo = AddMemo();
    EXPECT_EQ(memo->Width(), 185);
    EXPECT_EQ(memo->Height(), 89);
    ui::TuiMemoProperties& properties = memo->MemoProperties();
    properties.SetVisibleLineCount(0);
    memo->SetHeight(70);
    EXPECT_EQ(memo->Height(), 70) << "no auto size without a line count";

    properties.SetVisibleLineCount(1);
    const int32_t oneLine = memo->Height();
    properties.SetVisibleLineCount(4);
    const int32_t fourLines = memo->Height();
    ui::TuiCanvas& canvas = *ui::GetSharedScreenCanvas();
    canvas.SetFont(memo->EditStyle(ui::essNormal).Font());
    EXPECT_EQ(fourLines - oneLine, 3 * canvas.GetTextHeight(u"Zg"));
    EXPECT_GT(oneLine, canvas.GetTextHeight(u"Zg"));
    EXPECT_EQ(memo->Width(), 185) << "auto size keeps the width";

    properties.SetScrollBars(vcl::ssHorizontal);
    EXPECT_EQ(memo->Height(), fourLines + GetSystemMetrics(SM_CYHSCROLL));
}

TEST_F(MemoFormTest, InPlaceEnterWithWantReturnsAddsALineAndCtrlEnterPostsThroughTheHost) {
    TuiMemo* memo = AddInplaceMemo(true);
    ui_test::TypeText(u"ab");
    Press(VK_RETURN);
    ui_test::TypeText(u"c");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(memo->GetDisplayText(), u"ab\r\nc");
    EXPECT_TRUE(std::find(HostKeys.begin(), HostKeys.end(), THostKey{VK_RETURN, false}) == HostKeys.end());
    Press(VK_RETURN, {vcl::ssCtrl});
    EXPECT_TRUE(std::find(HostKeys.begin(), HostKeys.end(), THostKey{VK_RETURN, true}) != HostKeys.end());
    EXPECT_EQ(memo->GetDisplayText(), u"ab\r\nc");
}

TEST_F(MemoFormTest, InPlaceWithoutWantReturnsEnterGoesToTheHostAndCtrlEnterAddsALine) {
    TuiMemo* memo = AddInplaceMemo(false);
    ui_test::TypeText(u"ab");
    Press(VK_RETURN);
    EXPECT_TRUE(std::find(HostKeys.begin(), HostKeys.end(), THostKey{VK_RETURN, false}) != HostKeys.end());
    EXPECT_EQ(memo->GetDisplayText(), u"ab");
    Press(VK_RETURN, {vcl::ssCtrl});
    ui_test::TypeText(u"c");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(memo->GetDisplayText(), u"ab\r\nc");
}

TEST_F(MemoFormTest, AnInPlaceMemoOpenedByEnterDoesNotTypeIt) {
    ui::TuiMemoProperties cell(nullptr);
    auto* memo = static_cast<TuiMemo*>(ui::TuiCustomEdit::CreateInplace(TuiMemo::StaticClass(), Form.get()));
    memo->SetProperties(cell);
    memo->SetParent(Form.get());
    memo->SetBounds(10, 120, 200, 80);
    ui_test::ProcessPendingMessages();
    memo->ActivateByKey(u'\r', Data);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(memo->GetDisplayText(), u"");
    memo->ActivateByKey(u'x', Data);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(memo->GetDisplayText(), u"x");
}

// At the edges of the text the keys that would leave it reach the host; Up and Down never do.
TEST_F(MemoFormTest, KeysAtTheTextsEdgesReachTheHostButUpAndDownNever) {
    TuiMemo* memo = AddInplaceMemo(true);
    memo->SetEditValue(rtl::Variant(rtl::UnicodeString(u"ab\r\ncd")));
    memo->InnerMemo().SetSelStart(0);
    for (const uint16_t key : {VK_LEFT, VK_HOME, VK_UP}) {
        Press(key);
    }
    memo->InnerMemo().SetSelStart(6);
    for (const uint16_t key : {VK_RIGHT, VK_END, VK_DOWN}) {
        Press(key);
    }
    EXPECT_EQ(AfterKeys, (std::vector<uint16_t>{VK_LEFT, VK_HOME, VK_RIGHT, VK_END}));
    AfterKeys.clear();
    memo->InnerMemo().SetSelStart(3);
    Press(VK_LEFT);
    EXPECT_TRUE(AfterKeys.empty()) << "a key that moves the caret stays the memo's";
}

TEST_F(MemoFormTest, CtrlASelectsAllOfAMemoWithText) {
    TuiMemo* memo = AddMemo();
    Focus(*memo);
    Press('A', {vcl::ssCtrl});
    EXPECT_EQ(memo->SelLength(), 0) << "an empty memo";
    memo->SetEditValue(rtl::Variant(rtl::UnicodeString(u"一\r\n二")));
    memo->InnerMemo().SetSelStart(1);
    Press('A', {vcl::ssCtrl});
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_EQ(memo->SelLength(), 4);
}

TEST_F(MemoFormTest, TabIsAskedForWhenTheMemoPostsOnTabAndEscapeReachesTheForm) {
    TuiMemo* memo = AddMemo();
    HWND window = memo->InnerMemo().Handle();
    EXPECT_EQ(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    memo->MemoProperties().SetWantTabs(true);
    EXPECT_NE(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    EXPECT_NE(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
    Focus(*memo);
    Press(VK_TAB);
    EXPECT_EQ(memo->GetDisplayText(), u"\t");

    auto* cancel = ui_test::PlaceOnForm<vcl::TButton>(*Form, 250, 60, 80, 24);
    cancel->SetCancel(true);
    int clicks = 0;
    cancel->SetOnClick([&clicks](rtl::TObject*) { ++clicks; });
    Focus(*memo);
    Press(VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MemoFormTest, PastedLineFeedsBeforeCarriageReturnsBecomeTwoLineBreaks) {
    TuiMemo* memo = AddMemo();
    Focus(*memo);
    vcl::Clipboard().SetAsText(u"a\n\rb");
    memo->PasteFromClipboard();
    EXPECT_EQ(memo->GetDisplayText(), u"a\r\n\r\nb");
    EXPECT_EQ(rtl::VarToStr(memo->EditValue()), u"a\r\n\r\nb");
    EXPECT_EQ(ui::NormalizeMemoLineBreaks(u"a\r\n\rb\nc\r"), u"a\r\n\rb\nc\r");
}

TEST_F(MemoFormTest, PasteKeepsToMaxLengthCharactersBeforeTheCaret) {
    const struct {
        const char16_t* Text;
        const char16_t* Kept;
    } cases[] = {
        {u"12345678", u"12345678ab"}, {u"一二三四五六七八", u"一二三四五六七八ab"}, {u"1234567890", u"1234567890"}};
    for (const auto& c : cases) {
        TuiMemo* memo = AddMemo();
        memo->MemoProperties().SetMaxLength(10);
        Focus(*memo);
        memo->SetEditValue(rtl::Variant(rtl::UnicodeString(c.Text)));
        memo->InnerMemo().SetSelStart(static_cast<int32_t>(std::u16string(c.Text).size()));
        vcl::Clipboard().SetAsText(u"abcd");
        memo->PasteFromClipboard();
        EXPECT_EQ(memo->GetDisplayText(), c.Kept);
        delete memo;
    }
}

TEST_F(MemoFormTest, ChineseLinesRoundTripThroughTheWindowsCodePage) {
    TuiMemo* memo = AddMemo();
    Focus(*memo);
    ui_test::TypeText(u"发票");
    Press(VK_RETURN);
    ui_test::TypeText(u"金额");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(memo->GetDisplayText(), u"发票\r\n金额");
    EXPECT_EQ(rtl::VarToStr(memo->EditValue()), u"发票\r\n金额");
    std::unique_ptr<rtl::TStringList> lines = memo->Lines();
    ASSERT_EQ(lines->Count(), 2);
    EXPECT_EQ(lines->Get(1), u"金额");
}

TEST_F(MemoFormTest, AScrollBarsChangeMakesBothWindowsAnewKeepingTextAndValue) {
    TuiMemo* memo = AddMemo();
    memo->SetEditValue(rtl::Variant(rtl::UnicodeString(u"第一\r\n第二")));
    HWND oldEditor = memo->Handle();
    HWND oldInner = memo->InnerMemo().Handle();
    memo->MemoProperties().SetScrollBars(vcl::ssVertical);
    ui_test::ProcessPendingMessages();
    EXPECT_NE(memo->Handle(), oldEditor);
    EXPECT_NE(memo->InnerMemo().Handle(), oldInner);
    EXPECT_NE(GetWindowLongW(memo->InnerMemo().Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(memo->GetDisplayText(), u"第一\r\n第二");
    EXPECT_EQ(rtl::VarToStr(memo->EditValue()), u"第一\r\n第二");
}

TEST_F(MemoFormTest, TheWindowClassesRepaintOnAWidthChangeOnlyWhileLinesWrap) {
    TuiMemo* memo = AddMemo();
    const auto classStyle = [](HWND window) { return static_cast<uint32_t>(GetClassLongPtrW(window, GCL_STYLE)); };
    EXPECT_NE(classStyle(memo->Handle()) & CS_HREDRAW, 0u);
    memo->MemoProperties().SetWordWrap(false);
    ui_test::ProcessPendingMessages();
    for (HWND window : {memo->Handle(), memo->InnerMemo().Handle()}) {
        EXPECT_EQ(classStyle(window) & CS_VREDRAW, 0u);
        EXPECT_EQ(classStyle(window) & CS_HREDRAW, 0u);
    }
}

TEST(MemoUnit, StartUpRegistersTheMemoPropertiesAndItsFilterHelper) {
    ui::InitializeMemoUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiMemoProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"Memo");
    EXPECT_EQ(ui::GetFilterEditsController().HelperForProperties(ui::TuiMemoProperties::StaticClass()),
              &ui::TuiFilterMemoHelper::Instance());
    ui::FinalizeMemoUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiMemoProperties::StaticClass()), -1);
}

} // namespace
