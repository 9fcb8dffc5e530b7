// The drop-down popup as a user meets it: a press on its owner closes it and still reaches the owner, a press
// elsewhere on the form closes it (and is eaten when the popup takes it), the application losing the activation,
// the owner hidden, Alt keys, Escape with the capture, a popup that shows itself again from its closed event, and the
// modal loop of a popup that takes the focus.

#include "ui/core/controls/uiCustomPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/uiContainer.h"
#include "ui/core/controls/uiPopupHooks.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

// A form that records the caption notices and Alt keys it gets, and keeps the Alt keys from its system menu.
class TPopupOwnerForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TPopupOwnerForm, vcl::TForm)
public:
    using TForm::TForm;
    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == WM_NCACTIVATE) {
            CaptionNotices.push_back(message.WParam != 0);
        }
        if (message.Msg == WM_SYSKEYDOWN) {
            SystemKeys.push_back(static_cast<uint16_t>(message.WParam));
            return;
        }
        TForm::Dispatch(message);
    }
    std::vector<bool> CaptionNotices;
    std::vector<uint16_t> SystemKeys;
};

// A popup that eats the press that closes it when asked to, and counts what it was asked.
class TTestPopup : public TuiCustomPopupWindow {
    RTL_DECLARE_CLASS(TTestPopup, TuiCustomPopupWindow)
public:
    using TuiCustomPopupWindow::TuiCustomPopupWindow;
    bool AcceptsMessage(HWND, uint32_t, vcl::TPoint, vcl::TShiftState) override {
        ++Asked;
        return Accepts;
    }
    void PressKey(uint16_t key) {
        uint16_t pressed = key;
        KeyDown(pressed, {});
        LastKey = pressed;
    }
    void AfterPopup() override { ++StyleChanges; }
    bool Accepts = false;
    int Asked = 0;
    int StyleChanges = 0;
    uint16_t LastKey = 0;
};

// A view info of a kind of its own, which the popup made, and a popup that lays it out: a 2-pixel single frame in
// red round the client area.
class TFramedPopupViewInfo : public TuiContainerViewInfo {};

class TFramedPopup : public TuiCustomPopupWindow {
    RTL_DECLARE_CLASS(TFramedPopup, TuiCustomPopupWindow)
public:
    explicit TFramedPopup(vcl::TControl* owner)
        : TuiCustomPopupWindow(owner, [] { return std::make_unique<TFramedPopupViewInfo>(); }) {}

protected:
    void LayOutViewInfo() override {
        TuiCustomPopupWindow::LayOutViewInfo();
        TuiContainerViewInfo& view = ViewInfo();
        view.BorderStyle = cbsSingle;
        view.BorderWidth = 2;
        view.BorderColor = vcl::clRed;
        view.BorderRect = {2, 2, Width() - 2, Height() - 2};
        view.ClientRect = view.BorderRect;
    }
};

class CustomPopupTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm<TPopupOwnerForm>(320, 240);
        Owner = NewButton(20, 20);
        Other = NewButton(20, 100);
    }
    void TearDown() override {
        for (TuiCustomPopupWindow* popup : std::vector<TuiCustomPopupWindow*>(ShownPopups())) {
            popup->CloseUp();
        }
    }
    vcl::TButton* NewButton(int32_t left, int32_t top) {
        auto* button = new vcl::TButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(left, top, 100, 24);
        button->SetOnMouseDown([this](rtl::TObject* sender, vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) {
            Pressed.push_back(sender);
        });
        button->HandleNeeded();
        return button;
    }
    // A popup that takes no focus, shown below control.
    TTestPopup* ShowPopup(vcl::TControl* control, const char* name) {
        auto* popup = new TTestPopup(control);
        popup->SetCaptureFocus(false);
        popup->SetOwnerParent(Form.get());
        popup->SetOwnerBounds(control->BoundsRect());
        popup->SetBounds(0, 0, 80, 60);
        popup->SetOnClosed([this, name](rtl::TObject*) { Closed.push_back(name); });
        popup->Popup();
        ui_test::ProcessPendingMessages();
        return popup;
    }
    vcl::TPoint ScreenPoint(vcl::TControl* control, vcl::TPoint point) const { return control->ClientToScreen(point); }

    ui_test::TFormPtr<TPopupOwnerForm> Form;
    vcl::TButton* Owner = nullptr;
    vcl::TButton* Other = nullptr;
    std::vector<rtl::TObject*> Pressed;
    std::vector<std::string> Closed;
};

TEST_F(CustomPopupTest, APopupThatTakesNoFocusOpensBelowItsOwnerWithoutTakingTheActivation) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    ASSERT_TRUE(popup->IsShown());
    EXPECT_TRUE(IsWindowVisible(popup->WindowHandle()));
    EXPECT_EQ(vcl::TPoint(popup->Left(), popup->Top()), ScreenPoint(Form.get(), {20, 44}));
    EXPECT_EQ(GetActiveWindow(), Form->WindowHandle());
    EXPECT_TRUE(GetWindowLongPtrW(popup->WindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CustomPopupTest, APressOnTheOwnerClosesThePopupAndStillReachesTheOwner) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    EXPECT_TRUE(ProcessPopupOutsideClick(Owner->WindowHandle(), WM_LBUTTONDOWN, ScreenPoint(Owner, {10, 10}), {}));
    EXPECT_FALSE(popup->IsShown());
    EXPECT_FALSE(IsWindowVisible(popup->WindowHandle()));
    EXPECT_EQ(popup->Asked, 1);

    // Even a popup that takes presses lets the one on its owner through.
    popup->Accepts = true;
    popup->Popup();
    EXPECT_TRUE(ProcessPopupOutsideClick(Owner->WindowHandle(), WM_LBUTTONDOWN, ScreenPoint(Owner, {10, 10}), {}));
    EXPECT_FALSE(popup->IsShown());
}

TEST_F(CustomPopupTest, APressElsewhereOnTheFormClosesThePopupAndIsEatenOnlyWhenThePopupTakesIt) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    EXPECT_TRUE(ProcessPopupOutsideClick(Other->WindowHandle(), WM_LBUTTONDOWN, ScreenPoint(Other, {5, 5}), {}));
    EXPECT_FALSE(popup->IsShown());

    popup->Accepts = true;
    popup->Popup();
    EXPECT_FALSE(ProcessPopupOutsideClick(Other->WindowHandle(), WM_RBUTTONDOWN, ScreenPoint(Other, {5, 5}), {}));
    EXPECT_FALSE(popup->IsShown());

    // A press inside the popup leaves it open.
    popup->Popup();
    EXPECT_TRUE(
        ProcessPopupOutsideClick(popup->WindowHandle(), WM_LBUTTONDOWN, {popup->Left() + 2, popup->Top() + 2}, {}));
    EXPECT_TRUE(popup->IsShown());
}

TEST_F(CustomPopupTest, ARealPressOnTheOwnerGoesThroughTheMouseHook) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    const vcl::TPoint point = ScreenPoint(Owner, {10, 10});
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (point.X * 65536 + width - 1) / width;
        input.mi.dy = (point.Y * 65536 + height - 1) / height;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
    ASSERT_TRUE(ui_test::PumpUntil([&] { return !Pressed.empty(); }));
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(popup->Asked, 1);
    EXPECT_EQ(Pressed.front(), Owner);
}

TEST_F(CustomPopupTest, TheApplicationLosingTheActivationClosesPopupsThatTakeNoFocusAndTheCaptionTurnsInactive) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    Form->CaptionNotices.clear();
    SendMessageW(Form->WindowHandle(), WM_ACTIVATEAPP, FALSE, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(popup->IsShown());
    ASSERT_FALSE(Form->CaptionNotices.empty());
    EXPECT_FALSE(Form->CaptionNotices.front());
}

TEST_F(CustomPopupTest, AContainerWhosePopupTheApplicationsDeactivationClosesHearsOfItsFocusChange) {
    auto* container = new TuiContainer(Form.get());
    container->SetParent(Form.get());
    container->SetBounds(150, 20, 100, 24);
    int focusChanges = 0;
    container->SetOnFocusChanged([&focusChanges](rtl::TObject*) { ++focusChanges; });
    TTestPopup* popup = ShowPopup(container, "popup");
    focusChanges = 0;
    SendMessageW(Form->WindowHandle(), WM_ACTIVATEAPP, FALSE, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(focusChanges, 1);
}

TEST_F(CustomPopupTest, TheViewInfoPaintsThePopupAndItsClientRectangleHoldsTheChildren) {
    TTestPopup* plain = ShowPopup(Owner, "plain");
    plain->SetColor(vcl::clLime);
    ui_test::TDibSurface plainPixels(80, 60);
    ui_test::PaintControl(*plain, plainPixels);
    for (const vcl::TPoint point : {vcl::TPoint{0, 0}, vcl::TPoint{40, 30}, vcl::TPoint{79, 59}}) {
        EXPECT_EQ(plainPixels.Pixel(point.X, point.Y), vcl::clLime) << point.X << "," << point.Y;
    }
    plain->CloseUp();

    auto* framed = new TFramedPopup(Owner);
    framed->SetCaptureFocus(false);
    framed->SetOwnerParent(Form.get());
    framed->SetOwnerBounds(Owner->BoundsRect());
    framed->SetAdjustable(false);
    framed->SetBounds(0, 0, 80, 60);
    framed->SetColor(vcl::clWhite);
    EXPECT_NE(dynamic_cast<TFramedPopupViewInfo*>(&framed->ViewInfo()), nullptr);
    auto* child = new vcl::TEdit(framed);
    child->SetParent(framed);
    child->SetAlign(vcl::alClient);
    framed->Popup();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(child->BoundsRect(), (vcl::TRect{2, 2, 78, 58}));
    // Sized by the system, the popup aligns its children before it lays its view out again.
    SetWindowPos(framed->WindowHandle(), nullptr, 0, 0, 100, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(child->BoundsRect(), (vcl::TRect{2, 2, 98, 68}));
    SetWindowPos(framed->WindowHandle(), nullptr, 0, 0, 80, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    child->SetVisible(false);
    ui_test::TDibSurface first(80, 60);
    ui_test::PaintControl(*framed, first);
    EXPECT_EQ(first.Pixel(0, 0), vcl::clRed);
    EXPECT_EQ(first.Pixel(1, 30), vcl::clRed);
    EXPECT_EQ(first.Pixel(79, 59), vcl::clRed);
    EXPECT_EQ(first.Pixel(2, 2), vcl::clWhite);
    EXPECT_EQ(first.Pixel(40, 30), vcl::clWhite);
    ui_test::TDibSurface second(80, 60);
    ui_test::PaintControl(*framed, second);
    EXPECT_EQ(first.Pixels(), second.Pixels());
}

TEST_F(CustomPopupTest, HidingTheOwnerClosesItsPopupAndEveryLaterOneLastFirst) {
    TTestPopup* before = ShowPopup(Other, "before");
    TTestPopup* first = ShowPopup(Owner, "first");
    TTestPopup* second = ShowPopup(Other, "second");
    TTestPopup* third = ShowPopup(Other, "third");
    Owner->Hide();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Closed, (std::vector<std::string>{"third", "second", "first"}));
    EXPECT_TRUE(before->IsShown());
    EXPECT_FALSE(first->IsShown() || second->IsShown() || third->IsShown());
}

TEST_F(CustomPopupTest, AltWithALetterDoesNothingWhileAPopupThatTakesNoFocusIsShownButNavigationKeysPass) {
    ShowPopup(Owner, "popup");
    for (const uint16_t key : {uint16_t('A'), uint16_t(VK_DOWN), uint16_t(VK_F4)}) {
        PostMessageW(Form->WindowHandle(), WM_SYSKEYDOWN, key, 1 << 29);
    }
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Form->SystemKeys, (std::vector<uint16_t>{VK_DOWN, VK_F4}));
}

TEST_F(CustomPopupTest, EscapeWhileThePopupHoldsTheCaptureOnlyReleasesIt) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    SetCapture(popup->WindowHandle());
    popup->PressKey(VK_ESCAPE);
    EXPECT_EQ(popup->LastKey, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(popup->IsShown());
    popup->PressKey(VK_ESCAPE);
    EXPECT_EQ(popup->LastKey, VK_ESCAPE);
}

TEST_F(CustomPopupTest, APopupShownAgainByItsClosedEventEndsTheWalk) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    int reopened = 0;
    popup->SetOnClosed([&](rtl::TObject*) {
        ++reopened;
        popup->Popup();
    });
    EXPECT_TRUE(ProcessPopupOutsideClick(Other->WindowHandle(), WM_LBUTTONDOWN, ScreenPoint(Other, {5, 5}), {}));
    EXPECT_EQ(reopened, 1);
    EXPECT_TRUE(popup->IsShown());

    SendMessageW(Form->WindowHandle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(reopened, 2);
    popup->SetOnClosed(nullptr);
}

TEST_F(CustomPopupTest, ListingAPopupTwiceOrUnlistingAnUnlistedOneIsRefused) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    EXPECT_THROW(AddShownPopup(popup), rtl::EAssertionFailed);
    popup->CloseUp();
    EXPECT_THROW(RemoveShownPopup(popup), rtl::EAssertionFailed);
    EXPECT_TRUE(ShownPopups().empty());
}

TEST_F(CustomPopupTest, APopupThatTakesTheFocusRunsItsLoopUntilItsResultIsSetAndFocusesItsFirstTabStop) {
    auto* popup = new TTestPopup(Owner);
    popup->SetOwnerParent(Form.get());
    popup->SetOwnerBounds(Owner->BoundsRect());
    auto* edit = new vcl::TEdit(popup);
    edit->SetParent(popup);
    edit->SetBounds(0, 0, 80, 22);
    bool focusedInLoop = false;
    popup->SetOnShowed([&](rtl::TObject*) {
        ui_test::RunLater(50, [&] {
            focusedInLoop = GetFocus() == edit->WindowHandle() && popup->Focused();
            popup->SetModalResult(vcl::mrOk);
        });
    });
    popup->Popup();
    EXPECT_TRUE(focusedInLoop);
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(popup->ShownFocusedControl(), edit);
}

TEST_F(CustomPopupTest, APopupThatTakesTheFocusClosesWhenAnotherWindowIsActivated) {
    auto* popup = new TTestPopup(Owner);
    popup->SetOwnerParent(Form.get());
    popup->SetOwnerBounds(Owner->BoundsRect());
    popup->SetBounds(0, 0, 80, 60);
    popup->SetOnClosed([this](rtl::TObject*) { Closed.push_back("popup"); });
    bool activeWhileShown = false;
    popup->SetOnShowed([&](rtl::TObject*) {
        ui_test::RunLater(30, [&] {
            activeWhileShown = GetActiveWindow() == popup->WindowHandle();
            SetActiveWindow(Form->WindowHandle());
        });
    });
    popup->Popup();
    EXPECT_TRUE(activeWhileShown);
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(Closed, (std::vector<std::string>{"popup"}));
}

TEST_F(CustomPopupTest, AClosedPopupGoesWithoutEventsAndAShownOneLeavesTheList) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    rtl::TComponent::Free(popup);
    EXPECT_TRUE(ShownPopups().empty());
    EXPECT_TRUE(Closed.empty());
}

TEST_F(CustomPopupTest, ACloseRequestClosesThePopupOnceQueuedMessagesAreHandledAndTheOwnerHearsOfTheFocus) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    PostPopupCloseRequest(popup);
    EXPECT_TRUE(popup->IsShown());
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(popup->ClosingCount(), 0);

    PostMessageW(popup->WindowHandle(), UI_POPUPSHOWAGAIN, 0, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(popup->IsShown());
}

TEST_F(CustomPopupTest, ANewWindowStyleShowsAShownPopupAgainInANewWindow) {
    TTestPopup* popup = ShowPopup(Owner, "popup");
    const HWND first = popup->WindowHandle();
    popup->SetFollowParentTopMost(true);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(popup->IsShown());
    EXPECT_NE(popup->WindowHandle(), first);
    EXPECT_EQ(Closed, (std::vector<std::string>{"popup"}));
}

// A popup the user may size, which a test places where it wants.
class TSizablePopup : public TuiCustomPopupWindow {
    RTL_DECLARE_CLASS(TSizablePopup, TuiCustomPopupWindow)
public:
    using TuiCustomPopupWindow::TuiCustomPopupWindow;
    bool IsSizingAllowed() const override { return true; }
};

TEST_F(CustomPopupTest, APopupThatMayBeSizedShrinksToTheWorkArea) {
    TuiPopupWindow::SetWorkAreaSource([](vcl::TPoint) { return vcl::TRect{0, 0, 800, 600}; });
    auto* popup = new TSizablePopup(Owner);
    popup->SetBounds(0, 0, 300, 400);
    vcl::TPoint point{-50, 350};
    popup->CorrectBoundsToScreen(point);
    EXPECT_EQ(point, vcl::TPoint(0, 350));
    EXPECT_EQ(popup->Width(), 250);
    EXPECT_EQ(popup->Height(), 250);

    auto* fixed = new TTestPopup(Owner);
    fixed->SetBounds(0, 0, 300, 400);
    point = {-50, 350};
    fixed->CorrectBoundsToScreen(point);
    EXPECT_EQ(point, vcl::TPoint(-50, 350));
    EXPECT_EQ(fixed->Height(), 400);
    TuiPopupWindow::SetWorkAreaSource(nullptr);
}

TEST_F(CustomPopupTest, ClosingAFocusedPopupWithAltF4ClosesTheFormItOpenedFrom) {
    auto* popup = new TTestPopup(Owner);
    popup->SetOwnerParent(Form.get());
    popup->SetOwnerBounds(Owner->BoundsRect());
    popup->SetBounds(0, 0, 80, 60);
    bool formClosing = false;
    Form->SetOnCloseQuery([&](rtl::TObject*, bool& canClose) {
        formClosing = true;
        canClose = false;
    });
    popup->SetOnShowed(
        [&](rtl::TObject*) { ui_test::RunLater(30, [&] { SendMessageW(popup->WindowHandle(), WM_CLOSE, 0, 0); }); });
    popup->Popup();
    EXPECT_FALSE(popup->IsShown());
    EXPECT_TRUE(formClosing);
}

TEST_F(CustomPopupTest, TheOwnersFormKeepsItsActiveCaptionWhileAPopupIsShown) {
    ShowPopup(Owner, "popup");
    Form->CaptionNotices.clear();
    SendMessageW(Form->WindowHandle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_TRUE(Form->CaptionNotices.empty());
    SendMessageW(Form->WindowHandle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(Form->CaptionNotices, (std::vector<bool>{true}));
}

TEST_F(CustomPopupTest, WhileActivationIsTrackedTheFrameworksActivationNoticesAreSwallowed) {
    int activations = 0;
    Form->SetOnActivate([&activations](rtl::TObject*) { ++activations; });
    TrackPopupActivation(true);
    SendMessageW(Form->WindowHandle(), vcl::CM_ACTIVATE, 0, 0);
    TrackPopupActivation(false);
    EXPECT_EQ(activations, 0);
    SendMessageW(Form->WindowHandle(), vcl::CM_ACTIVATE, 0, 0);
    EXPECT_EQ(activations, 1);
}

TEST_F(CustomPopupTest, AChangedStyleReachesThePopup) {
    auto* popup = new TTestPopup(Owner);
    popup->Style().SetColor(vcl::clYellow);
    EXPECT_EQ(popup->StyleChanges, 1);
    EXPECT_EQ(popup->Style().Color(), vcl::clYellow);
}

} // namespace
} // namespace ui
