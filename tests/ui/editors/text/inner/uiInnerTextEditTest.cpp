#include "ui/editors/text/inner/uiInnerTextEdit.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "vcl/controls/CustomControl.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/menus/Menus.h"
#include "vcl/system/Messages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ui::TuiCustomInnerTextEdit;

// An editor that hosts an inner edit and records what reaches it, with the flags a test sets.
class TInnerEditHost : public ui_test::TTestEdit, public ui::IuiInnerTextEditHost {
public:
    explicit TInnerEditHost(rtl::TComponent* owner) : TTestEdit(owner) {
        Inner = new TuiCustomInnerTextEdit(this, *this);
        Inner->SetParent(this);
        SetInnerControl(Inner);
    }

    bool CanFocus() const override { return Focusable && TTestEdit::CanFocus(); }
    // The text editor places its inner edit inside its border; this host does it by hand.
    void AlignInnerControl() override { Inner->SetBounds(2, 2, Width() - 4, Height() - 4); }

    void InnerKeyDown(uint16_t& key, vcl::TShiftState) override { KeysDown.push_back(key); }
    void InnerKeyPress(char16_t& key) override {
        CharsSeen.push_back(key);
        if (key == ConsumedChar) {
            key = 0;
        }
    }
    void InnerKeyUp(uint16_t&, vcl::TShiftState) override {}
    void AfterInnerKeyDown(uint16_t& key, vcl::TShiftState) override { KeysAfter.push_back(key); }
    void InnerMouseDown(vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) override {
        MouseSeen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    }
    void InnerMouseMove(vcl::TShiftState, int32_t, int32_t) override {}
    void InnerMouseUp(vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) override {
        MouseSeen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    }
    void InnerClick(bool doubleClick) override { MouseSeen.emplace_back(doubleClick ? "double click" : "click"); }
    void BeginInnerAutoDrag() override {
        ++AutoDrags;
        BeginAutoDrag();
    }
    bool PaintsInnerEditBuffered() const override { return Buffered; }
    bool IsInplaceEditor() const override { return Inplace; }
    bool IsPopupShown() const override { return false; }
    vcl::TWinControl* PopupKeyTarget(uint16_t key, vcl::TShiftState) override {
        return key == PopupKey ? PopupList : nullptr;
    }
    bool TakePopupKeyHandled() override { return false; }
    bool BeepOnEnter() const override { return true; }
    bool PostsOnTab() const override { return false; }
    bool TryBeginEdit() override { return MayEdit; }
    void ClearSelectionByUser() override { ++ClearCount; }
    void AfterInnerTextSet() override { ++TextSetCount; }
    bool ValidatesWithLookup() const override { return Lookup; }
    bool CompletionActive() const override { return Completion; }
    void SetCompletionActive(bool value) override { Completion = value; }
    void ClearLookupUpdating() override {}

    TuiCustomInnerTextEdit* Inner; // owned by this editor
    std::vector<uint16_t> KeysDown;
    std::vector<uint16_t> KeysAfter;
    std::u16string CharsSeen;
    std::vector<std::string> MouseSeen;
    char16_t ConsumedChar = 0;
    bool Inplace = false;
    bool Focusable = true;
    bool MayEdit = true;
    bool Lookup = false;
    uint16_t PopupKey = 0;
    vcl::TWinControl* PopupList = nullptr;
    int ClearCount = 0;
    int TextSetCount = 0;
    bool Completion = false;
    bool Buffered = false;
    int AutoDrags = 0;
};

class InnerTextEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 120);
        Host = new TInnerEditHost(Form.get());
        Host->SetParent(Form.get());
        Host->SetAutoSize(false);
        Host->SetBounds(10, 10, 200, 24);
        Other = new vcl::TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 60, 100, 24);
        ui_test::ProcessPendingMessages();
    }
    TuiCustomInnerTextEdit& Inner() { return *Host->Inner; }
    HWND Window() { return Inner().Handle(); }
    void FocusInner() {
        Inner().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    // Posted as an input method delivers it, each message handled in turn.
    void PostImeChar(uint16_t ansiCode) { PostMessageA(Window(), WM_IME_CHAR, ansiCode, 1); }
    // Handles one waiting message of the inner edit's window, as an ANSI message loop does; false when there is none.
    bool HandleOneMessage() {
        MSG msg{};
        if (!PeekMessageA(&msg, Window(), 0, 0, PM_REMOVE)) {
            return false;
        }
        DispatchMessageA(&msg);
        return true;
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TInnerEditHost* Host = nullptr; // owned by the form
    vcl::TEdit* Other = nullptr;    // owned by the form
};

TEST_F(InnerTextEditTest, TheWindowIsAnAnsiWindowWithoutBorders) {
    ASSERT_TRUE(Inner().HandleAllocated());
    EXPECT_FALSE(IsWindowUnicode(Window()));
    EXPECT_EQ(GetACP(), 936u);
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    EXPECT_EQ(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0u);
    EXPECT_NE(style & ES_AUTOHSCROLL, 0u);
    EXPECT_EQ(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    const auto margins = static_cast<DWORD>(SendMessageW(Window(), EM_GETMARGINS, 0, 0));
    EXPECT_EQ(LOWORD(margins), 0);
    EXPECT_EQ(HIWORD(margins), 1);
}

TEST_F(InnerTextEditTest, TheEditorAnswersForItsInnerEdit) {
    EXPECT_EQ(ui::FindContainerOfControl(&Inner()), Host);
    EXPECT_EQ(Host->InnerControl(), &Inner());
    EXPECT_TRUE(Inner().CanFocus());
    Host->Focusable = false;
    EXPECT_FALSE(Inner().CanFocus());
}

TEST_F(InnerTextEditTest, TextSetAndTypedKeepsChineseAndLatinCharacters) {
    Inner().SetText(u"名称 abc");
    EXPECT_EQ(Inner().Text(), u"名称 abc");
    FocusInner();
    Inner().SetSelStart(6);
    ui_test::TypeText(u"中文x");
    EXPECT_EQ(Inner().Text(), u"名称 abc中文x");
    // The editor sees each byte of a double-byte character, as an ANSI window receives it.
    EXPECT_EQ(Host->CharsSeen.size(), 5u);
    EXPECT_EQ(Host->CharsSeen.back(), u'x');
}

TEST_F(InnerTextEditTest, AnImeCharacterArrivesInTwoHalvesWhileTheSelectionReadsAsBefore) {
    Inner().SetText(u"ab");
    FocusInner();
    Inner().SetSelStart(1);
    Inner().SetSelLength(1);
    PostImeChar(0xD6D0); // "中" in code page 936
    ASSERT_TRUE(HandleOneMessage());
    EXPECT_EQ(Inner().InnerImeLastChar(), '\xD0');
    // The first half has not changed the text; the second is still to come.
    ASSERT_TRUE(HandleOneMessage());
    EXPECT_EQ(Inner().InnerSelStart(), 1);
    EXPECT_EQ(Inner().InnerSelLength(), 1);
    Inner().SetInnerSelStart(0);
    EXPECT_EQ(Inner().InnerSelStart(), 0);
    ASSERT_TRUE(HandleOneMessage());
    EXPECT_EQ(Inner().Text(), u"a中");
    EXPECT_EQ(Inner().InnerImeLastChar(), '\0');
    // Once the character has arrived the selection is the window's own again.
    EXPECT_EQ(Inner().InnerSelStart(), 2);
    EXPECT_EQ(Host->CharsSeen, (std::u16string{u'\xD6', u'\xD0'}));
}

TEST_F(InnerTextEditTest, ImeCharactersThroughTheApplicationsMessageLoopTypeText) {
    Inner().SetText(u"ab");
    FocusInner();
    Inner().SetSelStart(2);
    PostImeChar(0xD6D0); // "中"
    PostImeChar('x');
    PostImeChar(0xCEC4); // "文"
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Inner().Text(), u"ab中x文");
    EXPECT_EQ(Inner().InnerSelStart(), 5);
}

TEST_F(InnerTextEditTest, AfterAnImeCharacterActiveCompletionGetsTheSavedSelectionBack) {
    Inner().SetText(u"abc");
    FocusInner();
    Inner().SetSelStart(0);
    Inner().SetSelLength(3);
    Host->Completion = true;
    PostImeChar(0xD6D0);
    ASSERT_TRUE(HandleOneMessage());
    ASSERT_TRUE(HandleOneMessage());
    Inner().SetInnerSelStart(1);
    Inner().SetInnerSelLength(0);
    ASSERT_TRUE(HandleOneMessage());
    EXPECT_EQ(Inner().Text(), u"中");
    EXPECT_EQ(Inner().SelStart(), 1);
    EXPECT_EQ(Inner().SelLength(), 0);
    // The typed character changed the text, so completion is switched off.
    EXPECT_FALSE(Host->Completion);
}

TEST_F(InnerTextEditTest, KeysReachTheEditorFirstAndOnlyWhatItLeavesReachesTheWindow) {
    Inner().SetText(u"ab");
    FocusInner();
    Inner().SetSelStart(2);
    const struct {
        const char16_t* typed;
        bool inplace;
        const char16_t* text;
    } cases[] = {
        {u"\t", false, u"ab"},
        {u"x", false, u"abx"},
        {u"#", false, u"ab"},
        {u"\r\x1b", true, u"ab"},
    };
    Host->ConsumedChar = u'#';
    for (const auto& c : cases) {
        Inner().SetText(u"ab");
        Inner().SetSelStart(2);
        Host->Inplace = c.inplace;
        Host->CharsSeen.clear();
        ui_test::TypeText(c.typed);
        EXPECT_EQ(Inner().Text(), c.text) << static_cast<int>(c.typed[0]);
    }
    // Tab is turned into nothing before the editor sees it; Enter and Escape reach the editor in place.
    Host->CharsSeen.clear();
    ui_test::TypeText(u"\t\r\x1b");
    EXPECT_EQ(Host->CharsSeen, u"\r\x1b");
}

TEST_F(InnerTextEditTest, AKeyThatChangesNothingGoesToTheEditorAfterwards) {
    Inner().SetText(u"ab");
    FocusInner();
    Inner().SetSelStart(0);
    SendMessageW(Window(), WM_KEYDOWN, VK_LEFT, 1);
    SendMessageW(Window(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(Host->KeysDown, (std::vector<uint16_t>{VK_LEFT, VK_RIGHT}));
    EXPECT_EQ(Host->KeysAfter, (std::vector<uint16_t>{VK_LEFT}));
}

TEST_F(InnerTextEditTest, AKeyThePopupReservesGoesToItsList) {
    std::vector<uint16_t> listKeys;
    Other->SetOnKeyDown([&listKeys](rtl::TObject*, uint16_t& key, vcl::TShiftState) { listKeys.push_back(key); });
    Host->PopupList = Other;
    Host->PopupKey = VK_DOWN;
    SendMessageW(Window(), WM_KEYDOWN, VK_DOWN, 1);
    SendMessageW(Window(), WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(listKeys, (std::vector<uint16_t>{VK_DOWN}));
    EXPECT_EQ(Host->KeysDown, (std::vector<uint16_t>{VK_LEFT}));
}

TEST_F(InnerTextEditTest, InPlaceTheWindowWantsAllKeys) {
    const auto code = [this] { return static_cast<uint32_t>(SendMessageW(Window(), WM_GETDLGCODE, 0, 0)); };
    EXPECT_NE(code() & DLGC_WANTCHARS, 0u);
    EXPECT_EQ(code() & (DLGC_WANTALLKEYS | DLGC_WANTTAB), 0u);
    Host->Inplace = true;
    EXPECT_NE(code() & DLGC_WANTALLKEYS, 0u);
}

// A control hosting an in-place editor as a grid does: it keeps Tab for itself when it moves between its cells with
// it, as it answers for its own window.
class TTabKeepingHost : public vcl::TCustomControl {
public:
    explicit TTabKeepingHost(rtl::TComponent* owner) : TCustomControl(owner) {}
    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_WANTSPECIALKEY) {
            message.Result = KeepsTab && message.WParam == VK_TAB ? 1 : 0;
            return;
        }
        TCustomControl::Dispatch(message);
    }
    bool KeepsTab = false;
};

// Tab pressed in an in-place editor reaches the editor when its host keeps Tab; else the form moves the focus on.
TEST_F(InnerTextEditTest, InPlaceTabReachesTheEditorWhenItsHostKeepsTab) {
    auto* inplaceHost = new TTabKeepingHost(Form.get());
    inplaceHost->SetParent(Form.get());
    inplaceHost->SetBounds(10, 10, 200, 40);
    Host->SetParent(inplaceHost);
    Host->SetBounds(0, 0, 200, 24);
    Host->Inplace = true;
    const auto wantsTab = [this] {
        return (static_cast<uint32_t>(SendMessageW(Window(), WM_GETDLGCODE, 0, 0)) & DLGC_WANTTAB) != 0;
    };
    for (const bool keepsTab : {true, false}) {
        SCOPED_TRACE(keepsTab);
        inplaceHost->KeepsTab = keepsTab;
        FocusInner();
        Host->KeysDown.clear();
        EXPECT_EQ(wantsTab(), keepsTab);
        ui_test::PressKey(VK_TAB);
        ui_test::ProcessPendingMessages();
        const bool tabSeen = std::find(Host->KeysDown.begin(), Host->KeysDown.end(), VK_TAB) != Host->KeysDown.end();
        EXPECT_EQ(tabSeen, keepsTab);
        EXPECT_EQ(Inner().Focused(), keepsTab);
        EXPECT_EQ(Other->Focused(), !keepsTab);
    }
    Host->Inplace = false;
    inplaceHost->KeepsTab = true;
    EXPECT_FALSE(wantsTab());
}

// The leftmost and rightmost columns holding ink: any pixel not of the ground.
struct TInkSpan {
    int first = -1;
    int last = -1;
};

TInkSpan InkColumns(const ui_test::TDibSurface& surface, vcl::TColor ground) {
    TInkSpan span;
    for (int x = 0; x < surface.Width(); ++x) {
        for (int y = 0; y < surface.Height(); ++y) {
            if (surface.Pixel(x, y) != ground) {
                span.first = span.first < 0 ? x : span.first;
                span.last = x;
                break;
            }
        }
    }
    return span;
}

class InnerTextEditPaintingTest : public InnerTextEditTest {
protected:
    TInkSpan PaintedInk() {
        Inner().SetColor(vcl::clWhite);
        Inner().Font().SetColor(vcl::clBlack);
        ui_test::TDibSurface surface(Inner().Width(), Inner().Height());
        ui_test::PaintControl(Inner(), surface, vcl::clWhite);
        ui_test::TDibSurface again(Inner().Width(), Inner().Height());
        ui_test::PaintControl(Inner(), again, vcl::clWhite);
        EXPECT_EQ(surface.Pixels(), again.Pixels());
        return InkColumns(surface, vcl::ColorToRGB(vcl::clWhite));
    }
};

TEST_F(InnerTextEditPaintingTest, RightAlignedTextShowsRightUntilTheFocusComesThenLeft) {
    Inner().SetText(u"1234");
    Inner().SetDisplayAlignment(vcl::taRightJustify);
    ui_test::ProcessPendingMessages();
    const TInkSpan unfocused = PaintedInk();
    ASSERT_GE(unfocused.first, 0);
    EXPECT_GT(unfocused.first, Inner().Width() / 2);
    EXPECT_GE(unfocused.last, Inner().Width() - 6);
    FocusInner();
    const TInkSpan focused = PaintedInk();
    ASSERT_GE(focused.first, 0);
    EXPECT_LT(focused.last, Inner().Width() / 2);
}

TEST_F(InnerTextEditPaintingTest, PasswordModeShowsStarsWhileUnfocused) {
    Inner().SetText(u"il");
    Inner().SetDisplayAlignment(vcl::taRightJustify);
    const TInkSpan plain = PaintedInk();
    Inner().SetEchoMode(ui::eemPassword);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Inner().Text(), u"il");
    const TInkSpan hidden = PaintedInk();
    ASSERT_GE(hidden.first, 0);
    // Two stars are wider than "il".
    EXPECT_GT(hidden.last - hidden.first, plain.last - plain.first);
    EXPECT_NE(static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE)) & ES_PASSWORD, 0u);
    EXPECT_EQ(SendMessageW(Window(), EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST_F(InnerTextEditTest, EverySelectionChangeIsReported) {
    Inner().SetText(u"abcd");
    int reports = 0;
    Inner().SetSelectionChangedHandler([&reports](rtl::TObject*) { ++reports; });
    Inner().SetSelStart(1);
    SendMessageW(Window(), EM_SETSEL, 0, 2);
    EXPECT_EQ(reports, 2);
}

TEST_F(InnerTextEditTest, AClickFocusesTheEditorAndTheTextMovesLeftUntilTheFocusGoes) {
    Inner().SetText(u"1234");
    Inner().SetDisplayAlignment(vcl::taRightJustify);
    ui_test::Click(Inner(), {5, 5});
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Host->Focused());
    // The editor hears of the click in its own coordinates.
    EXPECT_EQ(Host->MouseSeen, (std::vector<std::string>{"down 7,7", "click", "up 7,7"}));
    RECT update{};
    Other->SetFocus();
    EXPECT_TRUE(GetUpdateRect(Window(), &update, FALSE));
    EXPECT_EQ(update.right - update.left, Inner().Width());
    EXPECT_FALSE(Host->Focused());
}

TEST_F(InnerTextEditTest, EditingMessagesAskTheEditor) {
    Inner().SetText(u"abc");
    FocusInner();
    SendMessageW(Window(), EM_SETSEL, 0, 1);
    SendMessageW(Window(), WM_CLEAR, 0, 0);
    EXPECT_EQ(Host->ClearCount, 1);
    Inner().SetReadOnly(true);
    SendMessageW(Window(), WM_CLEAR, 0, 0);
    EXPECT_EQ(Host->ClearCount, 1);
    Inner().SetReadOnly(false);
    EXPECT_EQ(Inner().Text(), u"abc");

    Host->MayEdit = false;
    SendMessageW(Window(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(L"中"));
    EXPECT_EQ(Inner().Text(), u"abc");
    Host->MayEdit = true;
    SendMessageW(Window(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(L"中"));
    EXPECT_EQ(Inner().Text(), u"中bc");

    SendMessageW(Window(), WM_UNDO, 0, 0);
    EXPECT_EQ(Inner().Text(), u"abc");
    EXPECT_EQ(Host->TextSetCount, 1);
}

TEST_F(InnerTextEditTest, ACompletedTextThatChangesOnlyLetterCaseKeepsTheSelection) {
    const struct {
        bool lookup;
        bool completion;
        const char16_t* newText;
        int32_t selStart;
    } cases[] = {
        {true, true, u"APPLE", 2},
        {true, true, u"Apples", 0},
        {false, true, u"APPLE", 0},
        {true, false, u"APPLE", 0},
    };
    for (const auto& c : cases) {
        Inner().SetText(u"apple");
        Inner().SetSelStart(2);
        Inner().SetSelLength(3);
        Host->Lookup = c.lookup;
        Host->Completion = c.completion;
        Inner().SetInnerText(c.newText);
        EXPECT_EQ(Inner().Text(), c.newText);
        EXPECT_EQ(Inner().SelStart(), c.selStart) << c.lookup << c.completion;
    }
}

TEST_F(InnerTextEditTest, BoundsStayWhileLocked) {
    const vcl::TRect before = Inner().BoundsRect();
    Inner().LockBounds(true);
    Inner().SetBounds(0, 0, 50, 10);
    EXPECT_EQ(Inner().BoundsRect(), before);
    Inner().LockBounds(false);
    Inner().SetBounds(1, 1, 50, 10);
    EXPECT_EQ(Inner().Width(), 50);
}

TEST_F(InnerTextEditTest, TheFirstVisibleCharacterFollowsAScrolledText) {
    Inner().SetText(rtl::UnicodeString(300, u'a'));
    FocusInner();
    Inner().SetSelStart(0);
    SendMessageW(Window(), EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(Inner().FirstVisibleChar(), 0);
    Inner().SetSelStart(300);
    SendMessageW(Window(), EM_SCROLLCARET, 0, 0);
    EXPECT_GT(Inner().FirstVisibleChar(), 0);
}

} // namespace

namespace {

TEST_F(InnerTextEditTest, TheEditorsPopupMenuTakesItsShortCutsBeforeTheWindow) {
    auto* menu = new vcl::TPopupMenu(Form.get());
    auto* item = new vcl::TMenuItem(menu);
    item->SetShortCut(vcl::ShortCut('K', {vcl::ssCtrl}));
    int clicks = 0;
    item->SetOnClick([&clicks](rtl::TObject*) { ++clicks; });
    menu->Items().Add(item);
    menu->Handle();
    Host->SetPopupMenuComponent(menu);
    Inner().SetText(u"ab");
    FocusInner();
    ui_test::PressKey('K', {vcl::ssCtrl});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Host->KeysDown.empty()) << "a short-cut never reaches the editor's keys";
    EXPECT_EQ(Inner().Perform(vcl::CN_KEYDOWN, 'J'), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(InnerTextEditTest, ALeftPressOnAnEditorThatDragsAutomaticallyBeginsTheEditorsDrag) {
    Inner().SetText(u"abc");
    ui_test::MouseDown(Inner(), vcl::mbLeft, {5, 5});
    ui_test::MouseUp(Inner(), vcl::mbLeft, {5, 5});
    EXPECT_EQ(Host->AutoDrags, 0);
    Host->MouseSeen.clear();

    Host->SetDragMode(vcl::dmAutomatic);
    vcl::Mouse().SetDragImmediate(true);
    ui_test::MouseDown(Inner(), vcl::mbLeft, {5, 5});
    EXPECT_EQ(Host->AutoDrags, 1);
    EXPECT_TRUE(Host->Dragging());
    EXPECT_TRUE(Host->MouseSeen.empty()) << "the press is not handled as a press";
    Host->EndDrag(false);
    ui_test::MouseUp(Inner(), vcl::mbLeft, {5, 5});
}

TEST_F(InnerTextEditTest, ADragOverTheWindowAndItsDropGoToTheEditorInItsCoordinates) {
    std::vector<std::string> seen;
    Host->SetOnDragOver([&seen](rtl::TObject*, rtl::TObject*, int32_t x, int32_t y, vcl::TDragState, bool& accept) {
        seen.push_back("over " + std::to_string(x) + "," + std::to_string(y));
        accept = true;
    });
    Host->SetOnDragDrop([&seen](rtl::TObject*, rtl::TObject*, int32_t x, int32_t y) {
        seen.push_back("drop " + std::to_string(x) + "," + std::to_string(y));
    });
    Other->SetDragMode(vcl::dmAutomatic);
    vcl::Mouse().SetDragImmediate(true);
    ui_test::MouseDown(*Other, vcl::mbLeft, {5, 5});
    ui_test::MouseMove(Inner(), {10, 4}, {vcl::ssLeft});
    ui_test::MouseUp(Inner(), vcl::mbLeft, {10, 4});
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "over 12,6") << "the inner edit sits at (2, 2) in the editor";
    EXPECT_EQ(seen.back(), "drop 12,6");
}

// The window's own pixels as the screen shows them.
std::vector<uint32_t> WindowPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    ui_test::TDibSurface surface(client.right, client.bottom);
    ui_test::CopyWindowPixels(window, surface);
    return surface.Pixels();
}

TEST_F(InnerTextEditTest, UnderCompositionTheWindowPaintsThroughAnOpaqueBufferWithTheSamePixels) {
    Inner().SetColor(vcl::clWhite);
    Inner().Font().SetColor(vcl::clBlack);
    Inner().SetText(u"名称 abc");
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<uint32_t> direct = WindowPixels(Window());

    Host->Buffered = true;
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(GetUpdateRect(Window(), nullptr, FALSE)) << "the buffered paint validates the window";
    EXPECT_EQ(WindowPixels(Window()), direct);

    // The window's colour request (typing draws outside any paint) asks for one repaint through the buffer.
    const HDC dc = GetDC(Window());
    const RECT spoiled{0, 0, 40, 8};
    FillRect(dc, &spoiled, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageW(Host->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Window()));
    SendMessageW(Host->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Window()));
    ReleaseDC(Window(), dc);
    MSG msg{};
    int repaints = 0;
    while (PeekMessageW(&msg, Window(), 0x8081, 0x8081, PM_REMOVE)) {
        ++repaints;
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(WindowPixels(Window()), direct);
}

} // namespace
