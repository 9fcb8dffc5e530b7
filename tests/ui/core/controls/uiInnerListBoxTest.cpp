// The inner list box as a user types into it, on a clock the test moves: the prefix search within the pause, a new
// search after it, double-byte characters and Backspace, the keys that pass or never arrive; and the library bars
// over the native ones, which scroll it, with their corner in the look's colour.

#include "ui/core/controls/uiInnerListBox.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/uiControlRoutines.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/controls/drag/DragSession.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

// The list box with its key handling reachable from the test.
class TTypedListBox : public TuiCustomInnerListBox {
    RTL_DECLARE_CLASS(TTypedListBox, TuiCustomInnerListBox)
public:
    using TuiCustomInnerListBox::TuiCustomInnerListBox;
    // The key as it leaves the list box's character handling.
    char16_t Type(char16_t key) {
        KeyPress(key);
        return key;
    }
    void CallKeyUp(uint16_t& key) { KeyUp(key, {}); }
    char16_t Search(char16_t key) {
        ProcessAutoCompleteKey(key);
        return key;
    }
};

// The GBK bytes of text.
std::string Gbk(const wchar_t* text) {
    char bytes[64] = {};
    const int length = WideCharToMultiByte(936, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<size_t>(length - 1));
}

class InnerListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(320, 240);
        ListBox = new TTypedListBox(Form.get());
        ListBox->SetParent(Form.get());
        ListBox->SetBounds(10, 10, 150, 120);
        for (const char16_t* item : {u"apple", u"Banana", u"berry", u"Blue", u"egg", u"中国", u"中文", u"Zoo"}) {
            ListBox->Items().Add(item);
        }
        ListBox->HandleNeeded();
        ListBox->SetItemIndex(3);
        ListBox->SetOnClick([this](rtl::TObject*) { ++Clicks; });
    }
    void TypeAfter(uint64_t milliseconds, char16_t key) {
        Clock.TickCountValue += milliseconds;
        ListBox->Type(key);
    }

    ui_test::TFixedClock Clock{rtl::TDateTime(46000.0), 100000};
    ui_test::TFormPtr<vcl::TForm> Form;
    TTypedListBox* ListBox = nullptr;
    int Clicks = 0;
};

TEST_F(InnerListBoxTest, TwoLettersWithinThePauseSelectTheFirstItemStartingWithBothInAnyCase) {
    TypeAfter(1000, u'B');
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    TypeAfter(499, u'E');
    EXPECT_EQ(ListBox->ItemIndex(), 2);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), "BE");
    EXPECT_EQ(Clicks, 2);

    // After the pause the second letter searches alone.
    TypeAfter(1000, u'b');
    TypeAfter(500, u'E');
    EXPECT_EQ(ListBox->ItemIndex(), 4);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), "E");
}

TEST_F(InnerListBoxTest, AnUnknownPrefixKeepsTheSelectionAndEatsTheKey) {
    EXPECT_EQ(ListBox->Type(u'q'), 0);
    EXPECT_EQ(ListBox->ItemIndex(), 3);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(InnerListBoxTest, BackspaceTakesADoubleByteCharacterBackWholeAndAnEmptiedFilterSelectsTheFirstItem) {
    TypeAfter(1000, u'中');
    EXPECT_EQ(ListBox->ItemIndex(), 5);
    TypeAfter(10, u'A');
    EXPECT_EQ(ListBox->AutoCompleteFilter(), Gbk(L"中A"));
    EXPECT_EQ(ListBox->ItemIndex(), 5);
    EXPECT_EQ(ListBox->Type(VK_BACK), VK_BACK);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), Gbk(L"中"));
    ListBox->Type(VK_BACK);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), "");
    EXPECT_EQ(ListBox->ItemIndex(), 0);

    // Backspace with nothing typed does nothing.
    ListBox->SetItemIndex(4);
    const int clicks = Clicks;
    EXPECT_EQ(ListBox->Type(VK_BACK), VK_BACK);
    EXPECT_EQ(ListBox->ItemIndex(), 4);
    EXPECT_EQ(Clicks, clicks);
}

TEST(LastAnsiCharLength, WalksFromTheStartSinceATrailByteMayLookLikeALeadByte) {
    // 中 is D6 D0 in GBK: its trail byte D0 is also a lead byte.
    EXPECT_EQ(LastAnsiCharLength(""), 0u);
    EXPECT_EQ(LastAnsiCharLength("a"), 1u);
    EXPECT_EQ(LastAnsiCharLength(Gbk(L"中")), 2u);
    EXPECT_EQ(LastAnsiCharLength(Gbk(L"中A")), 1u);
    EXPECT_EQ(LastAnsiCharLength(Gbk(L"A中中")), 2u);
    // A lone lead byte at the end is one character.
    EXPECT_EQ(LastAnsiCharLength(std::string("a\xD6")), 1u);
}

TEST_F(InnerListBoxTest, EnterAndEscapePassTheSearchTabAndEnterNeverReachTheListBoxsCharacters) {
    TypeAfter(1000, u'z');
    EXPECT_EQ(ListBox->Search(VK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(ListBox->Search(VK_RETURN), VK_RETURN);
    std::vector<char16_t> seen;
    ListBox->SetOnKeyPress([&seen](rtl::TObject*, char16_t& key) { seen.push_back(key); });
    EXPECT_EQ(ListBox->Type(VK_TAB), 0);
    EXPECT_EQ(ListBox->Type(VK_RETURN), 0);
    EXPECT_TRUE(seen.empty());

    std::vector<uint16_t> downs;
    std::vector<uint16_t> ups;
    ListBox->SetOnKeyDown([&downs](rtl::TObject*, uint16_t& key, vcl::TShiftState) { downs.push_back(key); });
    ListBox->SetOnKeyUp([&ups](rtl::TObject*, uint16_t& key, vcl::TShiftState) { ups.push_back(key); });
    ListBox->SetFocus();
    for (const uint16_t key : {uint16_t(VK_RETURN), uint16_t(VK_ESCAPE)}) {
        ui_test::PressKey(key);
    }
    EXPECT_EQ(downs, (std::vector<uint16_t>{VK_RETURN, VK_ESCAPE}));
    EXPECT_EQ(ups, (std::vector<uint16_t>{VK_RETURN, VK_ESCAPE}));
    uint16_t tab = VK_TAB;
    ListBox->CallKeyUp(tab);
    EXPECT_EQ(ups.size(), 2u);
}

TEST_F(InnerListBoxTest, WithoutAutoCompleteTypingSearchesNothing) {
    ListBox->SetAutoComplete(false);
    EXPECT_EQ(ListBox->Search(u'b'), u'b');
    EXPECT_EQ(ListBox->ItemIndex(), 3);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), "");
}

TEST_F(InnerListBoxTest, TheLibraryBarsCoverTheNativeOnesAndTheTopItemFollowsTheVerticalBar) {
    for (int index = 0; index < 40; ++index) {
        ListBox->Items().Add(u"item " + rtl::UnicodeString(1, char16_t(u'a' + index % 26)));
    }
    SendMessageW(ListBox->WindowHandle(), LB_SETHORIZONTALEXTENT, 600, 0);
    ui_test::ProcessPendingMessages();
    TuiScrollBar* vertical = ListBox->VScrollBar();
    TuiScrollBar* horizontal = ListBox->HScrollBar();
    ASSERT_TRUE(vertical->Visible());
    ASSERT_TRUE(horizontal->Visible());
    EXPECT_EQ(vertical->Parent(), Form.get());
    EXPECT_EQ(vertical->Max(), ListBox->Count() - 1);
    EXPECT_EQ(vertical->BoundsRect().Right, ListBox->BoundsRect().Right);

    vertical->ScrollByCode(scLineDown);
    EXPECT_EQ(ListBox->TopIndex(), 1);
    vertical->ScrollByCode(scPageDown);
    EXPECT_EQ(vertical->Position(), ListBox->TopIndex());
    EXPECT_GT(ListBox->TopIndex(), 1);
    vertical->ScrollByCode(scBottom);
    EXPECT_EQ(vertical->Position(), ListBox->TopIndex());

    const vcl::TRect corner = ListBox->SizeGripRect();
    ASSERT_FALSE(corner.IsEmpty());
    EXPECT_EQ(corner.Width(), vertical->Width());
    EXPECT_EQ(corner.Height(), horizontal->Height());
    // Printed with its frame, the list box shows the library's corner where the native bars' corner would be.
    ui_test::TDibSurface surface(ListBox->Width(), ListBox->Height());
    surface.Fill(vcl::clFuchsia);
    SendMessageW(ListBox->WindowHandle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.DC()), PRF_NONCLIENT);
    const vcl::TColor expected = vcl::ColorToRGB(ListBox->LookAndFeel().ActivePainter()->FormContentColor());
    for (const vcl::TPoint point :
         {vcl::TPoint{corner.Left, corner.Top}, vcl::TPoint{corner.Right - 1, corner.Bottom - 1}}) {
        EXPECT_EQ(surface.Pixel(point.X, point.Y), expected);
    }
    EXPECT_EQ(surface.Pixel(corner.Left - 1, corner.Top - 1), vcl::clFuchsia);
}

// Ctrl held, as the keyboard itself reports it, while the object lives.
class TListBoxCtrlHeld final : public TuiKeyboardQuery {
public:
    TListBoxCtrlHeld() : FPrevious(KeyboardQuery().Inject(this)) {}
    ~TListBoxCtrlHeld() override { KeyboardQuery().Inject(FPrevious); }
    bool ControlKeyDown() const override { return true; }

private:
    TuiKeyboardQuery* FPrevious;
};

TEST_F(InnerListBoxTest, InsideAContainerItTakesCharactersAndTabUnlessCtrlIsHeldAndNamesItsContainer) {
    const auto dialogCode = [this] { return SendMessageW(ListBox->WindowHandle(), WM_GETDLGCODE, 0, 0); };
    EXPECT_EQ(dialogCode() & DLGC_WANTTAB, 0);
    EXPECT_EQ(FindContainerOfControl(ListBox), nullptr);

    auto* container = new TuiContainer(Form.get());
    container->SetParent(Form.get());
    ListBox->SetContainer(container);
    EXPECT_EQ(FindContainerOfControl(ListBox), container);
    EXPECT_EQ(dialogCode() & (DLGC_WANTCHARS | DLGC_WANTTAB), DLGC_WANTCHARS | DLGC_WANTTAB);
    {
        const TListBoxCtrlHeld ctrl;
        EXPECT_EQ(dialogCode() & (DLGC_WANTCHARS | DLGC_WANTTAB), DLGC_WANTCHARS);
    }
    rtl::TComponent::Free(container);
    EXPECT_EQ(ListBox->Container(), nullptr);
}

TEST_F(InnerListBoxTest, AnAutomaticallyDraggedListBoxDragsItsContainerAndAPressOnASelectedItemKeepsTheSelection) {
    auto* container = new TuiContainer(Form.get());
    container->SetParent(Form.get());
    container->SetBounds(200, 10, 50, 50);
    ListBox->SetContainer(container);
    ListBox->SetDragMode(vcl::dmAutomatic);
    const vcl::TRect second = ListBox->ItemRect(1);
    ui_test::MouseDown(*ListBox, vcl::mbLeft, {second.Left + 5, second.Top + 2});
    EXPECT_EQ(vcl::DragControl(), container);
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    EXPECT_EQ(ListBox->DragMode(), vcl::dmAutomatic);
    vcl::EndControlDrag(false);
    ui_test::MouseUp(*ListBox, vcl::mbLeft, {second.Left + 5, second.Top + 2});

    ListBox->SetMultiSelect(true);
    ListBox->SetSelected(1, true);
    ListBox->SetSelected(2, true);
    ui_test::MouseDown(*ListBox, vcl::mbLeft, {second.Left + 5, second.Top + 2});
    EXPECT_EQ(vcl::DragControl(), container);
    EXPECT_EQ(ListBox->SelCount(), 2);
    vcl::EndControlDrag(false);
    ui_test::MouseUp(*ListBox, vcl::mbLeft, {second.Left + 5, second.Top + 2});
}

TEST_F(InnerListBoxTest, AContainerThatHostsTheListBoxCoversItsNativeBarsAlone) {
    for (int index = 0; index < 40; ++index) {
        ListBox->Items().Add(u"more");
    }
    ListBox->UpdateScrollBars();
    ASSERT_TRUE(ListBox->VScrollBar()->Visible());
    auto* container = new TuiContainer(Form.get());
    container->SetParent(Form.get());
    container->SetBounds(170, 10, 140, 120);
    ListBox->SetContainer(container);
    ListBox->SetParent(container);
    container->SetInnerControl(ListBox);
    ui_test::ProcessPendingMessages();
    ListBox->UpdateScrollBars();
    EXPECT_FALSE(ListBox->VScrollBar()->Visible());
    EXPECT_FALSE(ListBox->HScrollBar()->Visible());
    EXPECT_TRUE(ListBox->SizeGripRect().IsEmpty());
}

} // namespace
} // namespace ui
