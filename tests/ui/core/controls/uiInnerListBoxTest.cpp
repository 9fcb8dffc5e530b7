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
#include "vcl/menus/Menus.h"
#include "vcl/stdctrls/Edit.h"

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
    vcl::TPopupMenu* PopupMenuShown() const { return GetPopupMenu(); }
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

// A list-like container: its built-in bars cover its inner list box's native ones.
class TListContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TListContainer, TuiContainer)
public:
    using TuiContainer::TuiContainer;

protected:
    bool NeedsScrollBars() const override { return true; }
};

TEST_F(InnerListBoxTest, TheCornerBetweenTheContainersBarsIsPaintedByTheListBoxAndGoesWithTheBars) {
    auto* container = new TListContainer(Form.get());
    container->SetParent(Form.get());
    container->SetBounds(170, 10, 140, 120);
    ListBox->SetContainer(container);
    ListBox->SetParent(container);
    container->SetInnerControl(ListBox);
    for (int index = 0; index < 40; ++index) {
        ListBox->Items().Add(u"more");
    }
    SendMessageW(ListBox->WindowHandle(), LB_SETHORIZONTALEXTENT, 600, 0);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(container->VScrollBar()->Visible());
    ASSERT_TRUE(container->HScrollBar()->Visible());
    ASSERT_TRUE(container->InnerSizeGripVisible());

    // The corner lies right of the horizontal bar and below the vertical one, in the list box's window.
    const vcl::TRect corner = container->InnerSizeGripRect();
    EXPECT_EQ(corner, ListBox->SizeGripRect());
    EXPECT_EQ(corner.Width(), container->VScrollBar()->Width());
    EXPECT_EQ(corner.Height(), container->HScrollBar()->Height());
    const vcl::TPoint barsMeet =
        container->ClientToScreen({container->VScrollBar()->Left(), container->HScrollBar()->Top()});
    EXPECT_EQ(ListBox->ClientToScreen({corner.Left, corner.Top}), barsMeet);

    ui_test::TDibSurface surface(ListBox->Width(), ListBox->Height());
    surface.Fill(vcl::clFuchsia);
    SendMessageW(ListBox->WindowHandle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.DC()), PRF_NONCLIENT);
    const vcl::TColor expected = vcl::ColorToRGB(container->LookAndFeel().ActivePainter()->FormContentColor());
    EXPECT_EQ(surface.Pixel(corner.Left, corner.Top), expected);
    EXPECT_EQ(surface.Pixel(corner.Right - 1, corner.Bottom - 1), expected);

    // With the bars gone the corner goes too.
    ListBox->Items().Clear();
    SendMessageW(ListBox->WindowHandle(), LB_SETHORIZONTALEXTENT, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(container->VScrollBar()->Visible());
    EXPECT_FALSE(container->InnerSizeGripVisible());
    EXPECT_TRUE(container->InnerSizeGripRect().IsEmpty());
    EXPECT_TRUE(ListBox->SizeGripRect().IsEmpty());
}

// The list box as a container's inner control, with what reaches the container recorded.
class ListBoxInContainerTest : public InnerListBoxTest {
protected:
    void SetUp() override {
        InnerListBoxTest::SetUp();
        for (int index = 0; index < 30; ++index) {
            ListBox->Items().Add(u"more");
        }
        Container = new TuiContainer(Form.get());
        Container->SetParent(Form.get());
        Container->SetBounds(20, 20, 160, 120);
        ListBox->SetContainer(Container);
        ListBox->SetParent(Container);
        Container->SetInnerControl(ListBox);
        ListBox->SetBounds(3, 4, 150, 110);
        Container->SetOnMouseDown([this](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) {
            Presses.push_back({x, y});
            FocusedAtPress = GetFocus();
        });
        Container->SetOnMouseMove([this](rtl::TObject*, vcl::TShiftState, int32_t x, int32_t y) {
            Moves.push_back({x, y});
        });
        Container->SetOnClick([this](rtl::TObject*) { ++ContainerClicks; });
        Container->SetOnDblClick([this](rtl::TObject*) { ++ContainerDoubleClicks; });
        Container->SetOnFocusChanged([this](rtl::TObject*) { ++FocusChanges; });
        ui_test::ProcessPendingMessages();
    }
    vcl::TPoint InContainer(vcl::TPoint point) const { return {point.X + ListBox->Left(), point.Y + ListBox->Top()}; }

    TuiContainer* Container = nullptr;
    std::vector<vcl::TPoint> Presses;
    std::vector<vcl::TPoint> Moves;
    HWND FocusedAtPress = nullptr;
    int ContainerClicks = 0;
    int ContainerDoubleClicks = 0;
    int FocusChanges = 0;
};

TEST_F(ListBoxInContainerTest, PressesMovesAndClicksReachTheContainerInItsCoordinatesWithoutTakingTheFocus) {
    ListBox->SetFocus();
    const vcl::TRect second = ListBox->ItemRect(1);
    const vcl::TPoint point{second.Left + 5, second.Top + 2};
    ui_test::MouseMove(*ListBox, point);
    ui_test::Click(*ListBox, point);
    ASSERT_EQ(Presses.size(), 1u);
    EXPECT_EQ(Presses[0], InContainer(point));
    ASSERT_FALSE(Moves.empty());
    EXPECT_EQ(Moves.front(), InContainer(point));
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(ContainerClicks, 1);
    // The press passed on does not move the focus from the list box into the container.
    EXPECT_EQ(FocusedAtPress, ListBox->WindowHandle());
    EXPECT_EQ(GetFocus(), ListBox->WindowHandle());
    EXPECT_FALSE(Container->InnerClickInProgress());

    ui_test::DoubleClick(*ListBox, point);
    EXPECT_EQ(ContainerDoubleClicks, 1);
}

TEST_F(ListBoxInContainerTest, KeysGoToTheContainerFirstAndAKeyItConsumesGoesNoFurther) {
    ListBox->SetFocus();
    ListBox->SetItemIndex(0);
    std::vector<uint16_t> containerDowns;
    std::vector<uint16_t> listDowns;
    std::vector<char16_t> containerChars;
    Container->SetOnKeyDown([&containerDowns](rtl::TObject*, uint16_t& key, vcl::TShiftState) {
        containerDowns.push_back(key);
        if (key == VK_NEXT) {
            key = 0;
        }
    });
    ListBox->SetOnKeyDown([&listDowns](rtl::TObject*, uint16_t& key, vcl::TShiftState) { listDowns.push_back(key); });
    Container->SetOnKeyPress([&containerChars](rtl::TObject*, char16_t& key) {
        containerChars.push_back(key);
        if (key == u'z') {
            key = 0;
        }
    });

    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    ui_test::PressKey(VK_NEXT);
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    EXPECT_EQ(containerDowns, (std::vector<uint16_t>{VK_DOWN, VK_NEXT}));
    EXPECT_EQ(listDowns, (std::vector<uint16_t>{VK_DOWN}));

    // The container sees Enter and the characters first; one it eats searches nothing.
    Clock.TickCountValue += 1000;
    ui_test::TypeText(u"z");
    EXPECT_EQ(ListBox->ItemIndex(), 1);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), "");
    Clock.TickCountValue += 1000;
    ui_test::TypeText(u"e");
    EXPECT_EQ(ListBox->ItemIndex(), 4);
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(containerChars, (std::vector<char16_t>{u'z', u'e', VK_RETURN}));
}

TEST_F(ListBoxInContainerTest, TheWheelScrollsTheListBoxOnlyWhenTheContainerLeavesIt) {
    ListBox->SetFocus();
    bool containerTakes = true;
    int turns = 0;
    Container->SetOnMouseWheel([&](rtl::TObject*, vcl::TShiftState, int32_t, vcl::TPoint, bool& handled) {
        ++turns;
        handled = containerTakes;
    });
    const vcl::TPoint point{20, 20};
    ui_test::MouseWheel(*ListBox, -WHEEL_DELTA, point);
    EXPECT_EQ(turns, 1);
    EXPECT_EQ(ListBox->TopIndex(), 0);

    containerTakes = false;
    ui_test::MouseWheel(*ListBox, -WHEEL_DELTA, point);
    EXPECT_GT(turns, 1);
    EXPECT_GT(ListBox->TopIndex(), 0);
}

TEST_F(ListBoxInContainerTest, TheContainerHearsOfEachFocusChangeOfItsListBoxOnce) {
    auto* other = new vcl::TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(200, 150, 80, 24);
    other->SetFocus();
    // The pointer away from the container, which would show its hot style.
    ui_test::MouseMove(*Form, {310, 230});
    FocusChanges = 0;

    Container->SetFocus();
    EXPECT_EQ(GetFocus(), ListBox->WindowHandle());
    EXPECT_EQ(FocusChanges, 1);
    EXPECT_TRUE(Container->Focused());
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleFocused());

    other->SetFocus();
    EXPECT_EQ(FocusChanges, 2);
    EXPECT_EQ(&Container->ActiveStyle(), &Container->Style());

    // Straight into the list box, past the container.
    ui_test::Click(*ListBox, {10, 5});
    EXPECT_EQ(GetFocus(), ListBox->WindowHandle());
    EXPECT_EQ(FocusChanges, 3);
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleFocused());
}

TEST_F(ListBoxInContainerTest, ADragOverTheListBoxIsADragOverTheContainer) {
    auto* source = new vcl::TEdit(Form.get());
    source->SetParent(Form.get());
    source->SetBounds(200, 150, 80, 24);
    std::vector<vcl::TPoint> overs;
    std::vector<vcl::TPoint> drops;
    Container->SetOnDragOver(
        [&overs](rtl::TObject*, rtl::TObject*, int32_t x, int32_t y, vcl::TDragState, bool& accept) {
            overs.push_back({x, y});
            accept = true;
        });
    Container->SetOnDragDrop([&drops](rtl::TObject*, rtl::TObject*, int32_t x, int32_t y) { drops.push_back({x, y}); });
    bool listBoxAsked = false;
    ListBox->SetOnDragOver([&listBoxAsked](rtl::TObject*, rtl::TObject*, int32_t, int32_t, vcl::TDragState, bool&) {
        listBoxAsked = true;
    });

    source->BeginDrag(true);
    const vcl::TPoint point{30, 25};
    ui_test::MouseMove(*ListBox, point);
    ui_test::MouseUp(*ListBox, vcl::mbLeft, point);
    ASSERT_FALSE(overs.empty());
    EXPECT_EQ(overs.back(), InContainer(point));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0], InContainer(point));
    EXPECT_FALSE(listBoxAsked);
}

// A menu of the library's own kind whose short-cut is F7.
class TListBoxShortCutMenu : public rtl::TComponent, public IuiPopupMenu {
    RTL_DECLARE_CLASS(TListBoxShortCutMenu, rtl::TComponent)
public:
    explicit TListBoxShortCutMenu(rtl::TComponent* owner) : TComponent(owner) {}
    bool IsShortCut(const vcl::TMessage& message) override { return message.WParam == VK_F7; }
    void Popup(int32_t, int32_t) override {}
};

TEST_F(ListBoxInContainerTest, TheContainersMenuShortCutsAreTakenInTheListBoxAndItsMenuIsTheContainers) {
    Container->SetPopupMenuComponent(new TListBoxShortCutMenu(Form.get()));
    std::vector<uint16_t> listDowns;
    ListBox->SetOnKeyDown([&listDowns](rtl::TObject*, uint16_t& key, vcl::TShiftState) { listDowns.push_back(key); });
    EXPECT_EQ(ListBox->Perform(vcl::CN_KEYDOWN, VK_F7), 1);
    EXPECT_EQ(ListBox->Perform(vcl::CN_KEYDOWN, VK_F8), 0);
    ListBox->SetFocus();
    ui_test::PressKey(VK_F7);
    ui_test::PressKey(VK_F8);
    EXPECT_EQ(listDowns, (std::vector<uint16_t>{VK_F8}));

    auto* menu = new vcl::TPopupMenu(Form.get());
    Container->SetPopupMenu(menu);
    EXPECT_EQ(static_cast<TTypedListBox*>(ListBox)->PopupMenuShown(), menu);
}

} // namespace
} // namespace ui
