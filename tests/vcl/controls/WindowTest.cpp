// Windows of controls: created when shown, subclassed Windows controls, reflected notifications, recreation, the
// exception barrier of the window procedure, and controls freed by their own messages.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;
using vcl_test::AddLoggingControl;
using vcl_test::TLoggingControl;
using vcl_test::TLoggingGraphic;
using vcl_test::TMessageLog;
using vcl_test::TSubclassedButton;

TEST(Window, WindowsAreCreatedWhenTheFormIsShownAndKnowTheirControls) {
    auto form = ui_test::CreateTestForm();
    auto* panel = AddControl<TLoggingControl>(*form, u"Panel", vcl::Bounds(5, 5, 100, 50));
    auto* child = AddControl<TLoggingControl>(*panel, u"Child", vcl::Bounds(5, 5, 40, 20));
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(child->HandleAllocated());
    ui_test::ShowTestForm(*form);
    ASSERT_TRUE(child->HandleAllocated());
    EXPECT_TRUE(child->Showing());
    EXPECT_EQ(GetParent(child->WindowHandle()), panel->WindowHandle());
    EXPECT_EQ(vcl::FindControl(child->WindowHandle()), child);
    EXPECT_EQ(vcl::FindControl(GetDesktopWindow()), nullptr);
    child->Hide();
    EXPECT_FALSE(IsWindowVisible(child->WindowHandle()));
}

TEST(Window, ASubclassedButtonKeepsItsBehaviourAndHearsItsClickAsCNCommand) {
    auto form = ui_test::ShowNewTestForm();
    auto* button = AddControl<TSubclassedButton>(*form, u"Button", vcl::Bounds(10, 10, 80, 25));
    button->SetCaption(u"确定");
    wchar_t className[32] = {};
    GetClassNameW(button->Handle(), className, 32);
    EXPECT_STREQ(className, L"TSubclassedButton");
    wchar_t text[32] = {};
    GetWindowTextW(button->Handle(), text, 32);
    EXPECT_STREQ(text, L"确定");
    ui_test::Click(*button, vcl::Point(5, 5));
    EXPECT_EQ(button->Commands, std::vector<int>{BN_CLICKED});
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(button->Commands, (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

struct TReflectedCase {
    const char* Name;
    uint32_t Msg;
    uint32_t Reflected;
};

// What Windows sends a parent about a child comes back to the child as the CN_ message; the structure-carrying
// messages name the child inside their structure.
TEST(Window, NotificationsToAParentAreReflectedToTheChildThatSentThem) {
    auto form = ui_test::ShowNewTestForm();
    auto* child = AddControl<TLoggingControl>(*form, u"Child", vcl::Bounds(10, 10, 80, 25));
    HWND childWindow = child->Handle();
    const TReflectedCase byHandle[] = {
        {"command", WM_COMMAND, vcl::CN_COMMAND},
        {"horizontal scroll", WM_HSCROLL, vcl::CN_HSCROLL},
        {"vertical scroll", WM_VSCROLL, vcl::CN_VSCROLL},
        {"edit colour", WM_CTLCOLOREDIT, vcl::CN_CTLCOLOREDIT},
        {"static colour", WM_CTLCOLORSTATIC, vcl::CN_CTLCOLORSTATIC},
    };
    for (const TReflectedCase& reflected : byHandle) {
        SCOPED_TRACE(reflected.Name);
        child->Notifications.clear();
        SendMessageW(form->Handle(), reflected.Msg, 0, reinterpret_cast<LPARAM>(childWindow));
        EXPECT_EQ(child->Notifications, std::vector<uint32_t>{reflected.Msg + vcl::CN_BASE});
    }
    child->Notifications.clear();
    DRAWITEMSTRUCT drawItem{};
    drawItem.CtlType = ODT_BUTTON;
    drawItem.hwndItem = childWindow;
    SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&drawItem));
    MEASUREITEMSTRUCT measureItem{};
    measureItem.CtlType = ODT_LISTBOX;
    measureItem.CtlID = static_cast<UINT>(GetDlgCtrlID(childWindow));
    SendMessageW(form->Handle(), WM_MEASUREITEM, measureItem.CtlID, reinterpret_cast<LPARAM>(&measureItem));
    NMHDR notify{childWindow, 0, 0};
    SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    EXPECT_EQ(child->Notifications, (std::vector<uint32_t>{vcl::CN_DRAWITEM, vcl::CN_MEASUREITEM, vcl::CN_NOTIFY}));

    child->SetColor(vcl::clYellow);
    HDC dc = GetDC(childWindow);
    const LRESULT brush = SendMessageW(form->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(childWindow));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), child->Brush().Handle());
    EXPECT_EQ(GetBkColor(dc), vcl::ColorToRGB(vcl::clYellow)) << "a Windows control paints in its control's colours";
    ReleaseDC(childWindow, dc);
}

TEST(Window, RecreatingAWindowKeepsTheTextTheChildrenAndTheFocus) {
    auto form = ui_test::ShowNewTestForm();
    auto* panel = AddControl<TLoggingControl>(*form, u"Panel", vcl::Bounds(5, 5, 100, 50));
    panel->SetCaption(u"panel text");
    auto* child = AddControl<TLoggingControl>(*panel, u"Child", vcl::Bounds(5, 5, 40, 20));
    panel->SetFocus();
    HWND before = panel->Handle();
    panel->RecreateWnd();
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(panel->HandleAllocated());
    EXPECT_NE(panel->WindowHandle(), before);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(vcl::FindControl(before), nullptr) << "a destroyed window no longer names its control";
    EXPECT_EQ(vcl::FindControl(panel->WindowHandle()), panel);
    EXPECT_EQ(test_support::Utf8(panel->Caption()), "panel text");
    ASSERT_TRUE(child->HandleAllocated());
    EXPECT_EQ(GetParent(child->WindowHandle()), panel->WindowHandle());
    EXPECT_TRUE(panel->Focused());
}

// A control whose window procedure raises for one message.
class TRaisingControl : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;
    static constexpr uint32_t RaisingMessage = WM_APP + 3;

    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == RaisingMessage) {
            throw rtl::EConvertError(u"'abc' is not a valid integer value");
        }
        TLoggingControl::Dispatch(message);
    }
};

TEST(Window, AnExceptionInAWindowProcedureReachesTheErrorBoxAndTheWindowGoesOn) {
    auto form = ui_test::ShowNewTestForm();
    auto* control = AddControl<TRaisingControl>(*form, u"Raising");
    ui_test::TRecordedMessageBoxes boxes;
    vcl::Application().SetTitle(u"Tallyvane");
    SendMessageW(control->Handle(), TRaisingControl::RaisingMessage, 0, 0);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(test_support::Utf8(boxes.Shown[0].Text), "'abc' is not a valid integer value.");
    EXPECT_EQ(test_support::Utf8(boxes.Shown[0].Caption), "Tallyvane");
    EXPECT_EQ(boxes.Shown[0].Flags, static_cast<uint32_t>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(SendMessageW(control->Handle(), WM_GETDLGCODE, 0, 0), 0) << "the window still answers";
}

struct TSelfFreeCase {
    const char* Name;
    bool Graphic;
    const char* Event;
};

// A control freed by a handler of one of its own messages: the framework stops touching it and the form goes on.
TEST(Window, AControlFreedByItsOwnEventHandlerIsLeftAlone) {
    const TSelfFreeCase cases[] = {
        {"windowed, click", false, "click"}, {"graphic, click", true, "click"}, {"windowed, press", false, "press"},
        {"graphic, press", true, "press"},   {"windowed, key", false, "key"},   {"windowed, exit", false, "exit"},
    };
    for (const TSelfFreeCase& freeCase : cases) {
        SCOPED_TRACE(freeCase.Name);
        auto form = ui_test::ShowNewTestForm();
        TMessageLog log;
        vcl::TControl* victim =
            freeCase.Graphic ? static_cast<vcl::TControl*>(AddLoggingControl<TLoggingGraphic>(
                                   *form, u"Victim", log, vcl::Bounds(10, 10, 40, 20)))
                             : AddLoggingControl<TLoggingControl>(*form, u"Victim", log, vcl::Bounds(10, 10, 40, 20));
        auto* other = AddLoggingControl<TLoggingControl>(*form, u"Other", log, vcl::Bounds(100, 10, 40, 20));
        const vcl::TControlLink link(victim);
        const auto freeVictim = [victim] { rtl::TComponent::Free(victim); };
        const std::string event = freeCase.Event;
        if (event == "click") {
            victim->SetOnClick([&](rtl::TObject*) { freeVictim(); });
            ui_test::Click(*victim, vcl::Point(5, 5));
        } else if (event == "press") {
            victim->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { freeVictim(); });
            ui_test::MouseDown(*victim, vcl::mbLeft, vcl::Point(5, 5));
            ui_test::MouseUp(*form, vcl::mbLeft, vcl::Point(15, 15));
        } else if (event == "key") {
            auto* windowed = static_cast<TLoggingControl*>(victim);
            windowed->SetFocus();
            windowed->SetOnKeyDown([&](rtl::TObject*, uint16_t&, vcl::TShiftState) { freeVictim(); });
            ui_test::PressKey('A');
        } else {
            auto* windowed = static_cast<TLoggingControl*>(victim);
            windowed->SetFocus();
            windowed->SetOnExit([&](rtl::TObject*) { freeVictim(); });
            other->SetFocus();
        }
        ui_test::ProcessPendingMessages();
        EXPECT_FALSE(link.Alive());
        EXPECT_EQ(form->ControlCount(), 1);
        other->SetFocus();
        EXPECT_TRUE(other->Focused()) << "the form goes on working";
    }
}

} // namespace
