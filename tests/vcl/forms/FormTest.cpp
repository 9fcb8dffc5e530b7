// Forms: showing, activation (again after a message box), modal showing, closing and releasing, and exceptions in
// event handlers.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Screen.h"
#include "vcl/system/ExceptionHook.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;
using vcl_test::TLoggingControl;

// The events of a form, by name, as they fire.
struct TFormEvents {
    std::vector<std::string> Fired;

    explicit TFormEvents(vcl::TCustomForm& form) {
        const auto record = [this](const char* name) { return [this, name](rtl::TObject*) { Fired.push_back(name); }; };
        form.SetOnShow(record("show"));
        form.SetOnHide(record("hide"));
        form.SetOnActivate(record("activate"));
        form.SetOnDeactivate(record("deactivate"));
    }
};

TEST(Form, ShowingCreatesTheWindowsFiresOnShowAndActivatesTheForm) {
    auto form = ui_test::CreateTestForm();
    TFormEvents events(*form);
    auto* child = AddControl<TLoggingControl>(*form, u"Child");
    EXPECT_FALSE(form->HandleAllocated());
    ui_test::ShowTestForm(*form);
    EXPECT_TRUE(child->Focused()) << "the first tab stop takes the focus";
    EXPECT_EQ(vcl::Screen().ActiveForm(), form.get());
    EXPECT_EQ(vcl::Screen().ActiveControl(), child);
    form->Hide();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(events.Fired, (std::vector<std::string>{"show", "activate", "hide", "deactivate"}));
}

struct TBorderCase {
    vcl::TFormBorderStyle BorderStyle;
    DWORD Style;   // present
    DWORD Absent;  // absent
    DWORD ExStyle; // present
};

TEST(Form, TheBorderStyleShapesTheWindowAndAChangeMakesItAnew) {
    const TBorderCase cases[] = {
        {vcl::bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME, 0},
        {vcl::bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME, 0},
        {vcl::bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, WS_POPUP, 0},
        {vcl::bsDialog, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_DLGMODALFRAME},
        {vcl::bsToolWindow, WS_CAPTION, WS_THICKFRAME, WS_EX_TOOLWINDOW},
    };
    auto form = ui_test::ShowNewTestForm();
    for (const TBorderCase& border : cases) {
        SCOPED_TRACE(static_cast<int>(border.BorderStyle));
        form->SetBorderStyle(border.BorderStyle);
        const auto style = static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_STYLE));
        EXPECT_EQ(style & border.Style, border.Style);
        EXPECT_EQ(style & border.Absent, 0u);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_EXSTYLE)) & border.ExStyle, border.ExStyle);
        EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the new window shows as the old one did";
    }
    form->SetFormStyle(vcl::fsStayOnTop);
    EXPECT_NE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), vcl::Application().Handle()) << "the application owns forms";
}

TEST(Form, TheApplicationKnowsWhetherItIsActive) {
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    std::vector<std::string> events;
    vcl::Application().SetOnDeactivate([&](rtl::TObject*) { events.push_back("deactivate"); });
    vcl::Application().SetOnActivate([&](rtl::TObject*) { events.push_back("activate"); });
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(vcl::Application().Active());
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(vcl::Application().Active());
    vcl::Application().SetOnDeactivate({});
    vcl::Application().SetOnActivate({});
    EXPECT_EQ(events, (std::vector<std::string>{"deactivate", "activate"}));
}

TEST(Form, OnActivateFiresAgainWhenTheFormIsActiveAgainAfterAMessageBox) {
    auto form = ui_test::ShowNewTestForm();
    TFormEvents events(*form);
    const ui_test::TWindowsMessageBoxes windowsBoxes;
    ui_test::DismissDialogAfter(100, IDOK);
    EXPECT_EQ(vcl::Application().MessageBox(u"保存了。", u"Tallyvane", MB_OK), IDOK);
    ui_test::PumpUntil([&] { return form->Active(); });
    EXPECT_EQ(events.Fired, (std::vector<std::string>{"deactivate", "activate"}));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST(Form, ShowModalRunsUntilAButtonSetsTheModalResultAndReturnsIt) {
    auto owner = ui_test::ShowNewTestForm();
    auto dialog = ui_test::CreateTestForm();
    auto* okButton = AddControl<TLoggingControl>(*dialog, u"Ok", vcl::Bounds(10, 10, 60, 25));
    okButton->SetOnClick([&](rtl::TObject*) { dialog->SetModalResult(vcl::mrOk); });
    dialog->SetPosition(vcl::poScreenCenter);
    bool ownerDisabledMeanwhile = false;
    bool dialogShownMeanwhile = false;
    ui_test::RunLater(50, [&] {
        ownerDisabledMeanwhile = !IsWindowEnabled(owner->Handle());
        dialogShownMeanwhile = dialog->Visible() && dialog->Active();
        ui_test::Click(*okButton, vcl::Point(5, 5));
    });
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(dialogShownMeanwhile);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_TRUE(ui_test::PumpUntil([&] { return owner->Active(); }));
    const vcl::TRect work = vcl::Screen().WorkAreaRect();
    EXPECT_NEAR(dialog->Left() + dialog->Width() / 2, (work.Left + work.Right) / 2, 1) << "centred on the screen";
}

// A control that refuses the first accepting close of its modal form.
class TRefusingControl : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TRefusingControl, vcl::TCustomControl)
public:
    using TCustomControl::TCustomControl;
    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_MODALACCEPT) {
            ++Asked;
            message.Result = Asked == 1 ? 1 : 0;
            return;
        }
        TCustomControl::Dispatch(message);
    }
    int Asked = 0;
};

TEST(Form, AnAcceptingCloseAsksTheActiveControlWhichMayKeepTheFormOpenButACancelDoesNot) {
    auto dialog = ui_test::CreateTestForm();
    auto* control = AddControl<TRefusingControl>(*dialog, u"Entry");
    control->SetTabStop(true);
    bool stayedOpen = false;
    ui_test::RunLater(50, [&] {
        control->SetFocus();
        dialog->SetModalResult(vcl::mrOk);
        ui_test::RunLater(50, [&] {
            stayedOpen = dialog->Visible() && dialog->ModalResult() == vcl::mrNone;
            dialog->SetModalResult(vcl::mrOk);
        });
    });
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(control->Asked, 2);

    ui_test::RunLater(50, [&] {
        control->SetFocus();
        dialog->SetModalResult(vcl::mrCancel);
    });
    EXPECT_EQ(dialog->ShowModal(), vcl::mrCancel);
    EXPECT_EQ(control->Asked, 2) << "a cancel asks nobody";
}

TEST(Form, TheSilentAbortShowsNoErrorBox) {
    const ui_test::TRecordedMessageBoxes boxes;
    vcl::Application().ShowException(std::make_exception_ptr(rtl::EAbort(u"")));
    EXPECT_TRUE(boxes.Shown.empty());
    vcl::Application().ShowException(std::make_exception_ptr(rtl::EConvertError(u"bad")));
    EXPECT_EQ(boxes.Shown.size(), 1u);
}

TEST(Form, ClosingAModalFormGivesCancelAndAVisibleFormCannotBeShownModally) {
    auto dialog = ui_test::CreateTestForm();
    ui_test::RunLater(50, [&] { dialog->Close(); });
    EXPECT_EQ(dialog->ShowModal(), vcl::mrCancel);
    dialog->Show();
    EXPECT_EQ(test_support::MessageOf([&] { dialog->ShowModal(); }), "Cannot make a visible window modal");
}

struct TCloseCase {
    const char* Name;
    bool CanClose;
    vcl::TCloseAction Action;
    bool VisibleAfter;
    bool FreedAfter;
};

TEST(Form, CloseAsksOnCloseQueryThenDoesWhatOnCloseSays) {
    const TCloseCase cases[] = {
        {"refused", false, vcl::caHide, true, false},
        {"hide", true, vcl::caHide, false, false},
        {"nothing", true, vcl::caNone, true, false},
        {"free", true, vcl::caFree, false, true},
    };
    for (const TCloseCase& closeCase : cases) {
        SCOPED_TRACE(closeCase.Name);
        auto form = ui_test::ShowNewTestForm();
        std::vector<std::string> asked;
        form->SetOnCloseQuery([&](rtl::TObject*, bool& canClose) {
            asked.push_back("query");
            canClose = closeCase.CanClose;
        });
        form->SetOnClose([&](rtl::TObject*, vcl::TCloseAction& action) {
            asked.push_back("close");
            action = closeCase.Action;
        });
        const vcl::TControlLink link(form.get());
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
        ui_test::PumpMessages(30);
        const std::vector<std::string> expected =
            closeCase.CanClose ? std::vector<std::string>{"query", "close"} : std::vector<std::string>{"query"};
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(!link.Alive(), closeCase.FreedAfter);
        if (link.Alive()) {
            EXPECT_EQ(form->Visible(), closeCase.VisibleAfter);
        } else {
            (void)form.release();
        }
    }
}

TEST(Form, AFormReleasedFromItsOwnEventIsFreedOnceItsQueuedMessagesAreHandled) {
    auto form = ui_test::ShowNewTestForm();
    auto* button = AddControl<TLoggingControl>(*form, u"Button", vcl::Bounds(10, 10, 60, 25));
    bool destroyed = false;
    form->SetOnDestroy([&](rtl::TObject*) { destroyed = true; });
    button->SetOnClick([&](rtl::TObject*) { form->PostRelease(); });
    const vcl::TControlLink link(form.get());
    ui_test::MouseDown(*button, vcl::mbLeft, vcl::Point(5, 5));
    PostMessageW(button->Handle(), WM_LBUTTONUP, 0, vcl::PointToLParam({5, 5}));
    PostMessageW(button->Handle(), WM_MOUSEMOVE, 0, vcl::PointToLParam({6, 6}));
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(link.Alive());
    (void)form.release();
}

TEST(Form, AnExceptionInAClickHandlerReachesTheErrorBoxAndTheMessageLoopGoesOn) {
    auto form = ui_test::ShowNewTestForm();
    auto* button = AddControl<TLoggingControl>(*form, u"Button", vcl::Bounds(10, 10, 60, 25));
    int clicks = 0;
    button->SetOnClick([&](rtl::TObject*) {
        ++clicks;
        throw rtl::EConvertError(u"'x' is not a valid floating point value");
    });
    ui_test::TRecordedMessageBoxes boxes;
    ui_test::Click(*button, vcl::Point(5, 5));
    ui_test::Click(*button, vcl::Point(5, 5));
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(test_support::Utf8(boxes.Shown[1].Text), "'x' is not a valid floating point value.");

    std::vector<std::u16string> taken;
    vcl::Application().SetOnException([&](rtl::TObject* sender, std::exception_ptr error) {
        EXPECT_EQ(sender, button);
        taken.push_back(vcl::ExceptionMessage(error));
    });
    ui_test::Click(*button, vcl::Point(5, 5));
    vcl::Application().SetOnException({});
    EXPECT_EQ(taken, std::vector<std::u16string>{u"'x' is not a valid floating point value"});
    EXPECT_EQ(boxes.Shown.size(), 2u) << "OnException takes the place of the error box";
}

} // namespace
