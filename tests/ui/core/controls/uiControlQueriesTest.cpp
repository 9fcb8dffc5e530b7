// What the windows of a control and its form contain, on a form with an edit and a popup opened from it: the form's
// own window, its children, the popup and the popup's children belong to it, another form's window does not; forms are
// found from their windows; a control can have a window only through a parent that can, or as a form.

#include "ui/core/controls/uiControlQueries.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/uiContainer.h"
#include "ui/core/controls/uiCustomPopupWindow.h"
#include "ui/core/controls/uiInnerListBox.h"
#include "vcl/stdctrls/Edit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class ControlQueriesTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Edit = new vcl::TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 100, 24);
        Edit->HandleNeeded();
        Popup = new TuiCustomPopupWindow(Edit);
        Popup->SetCaptureFocus(false);
        Popup->SetOwnerParent(Form.get());
        Popup->SetOwnerBounds(Edit->BoundsRect());
        PopupChild = new vcl::TEdit(Popup);
        PopupChild->SetParent(Popup);
        PopupChild->SetBounds(0, 0, 80, 24);
        Popup->Popup();
        ui_test::ProcessPendingMessages();
        Other = ui_test::ShowNewTestForm(100, 80);
        Other->SetBounds(400, 300, 100, 80);
    }
    void TearDown() override { Popup->CloseUp(); }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui_test::TFormPtr<vcl::TForm> Other;
    vcl::TEdit* Edit = nullptr;
    TuiCustomPopupWindow* Popup = nullptr;
    vcl::TEdit* PopupChild = nullptr;
};

TEST_F(ControlQueriesTest, AFormHasItsWindowAndContainsItsChildrenAndThePopupsOpenedFromThem) {
    const HWND form = Form->WindowHandle();
    const HWND edit = Edit->WindowHandle();
    const HWND popup = Popup->WindowHandle();
    const HWND popupChild = PopupChild->WindowHandle();
    const HWND other = Other->WindowHandle();
    const struct {
        HWND Window;
        bool Owns;
        bool Contains;
        bool Has;
    } cases[] = {
        {form, true, false, true},       {edit, false, true, true},    {popup, false, true, true},
        {popupChild, false, true, true}, {other, false, false, false}, {nullptr, false, false, false},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ControlOwnsHandle(Form.get(), test.Window), test.Owns) << test.Window;
        EXPECT_EQ(ControlContainsHandle(Form.get(), test.Window), test.Contains) << test.Window;
        EXPECT_EQ(ControlHasHandle(Form.get(), test.Window, true), test.Has) << test.Window;
    }
    EXPECT_TRUE(IsChildWindowOfControl(Form.get(), edit));
    EXPECT_FALSE(IsChildWindowOfControl(Form.get(), popup));
    EXPECT_FALSE(IsChildWindowOfControl(Form.get(), form));

    // The edit's form holds the popup opened from the edit; another form's window lies outside.
    EXPECT_TRUE(IsHandleInsideParentForm(Edit, popupChild));
    EXPECT_TRUE(IsHandleInsideParentForm(Edit, form));
    EXPECT_FALSE(IsHandleInsideParentForm(Edit, other));
    EXPECT_FALSE(IsHandleInsideParentForm(nullptr, form));
}

TEST_F(ControlQueriesTest, AFormEmbeddedIntoAForeignWindowCountsThatWindowsFamilyAsInside) {
    // A window of no framework control, standing for another program's host window.
    const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    const HWND sibling = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, host, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    auto embedded = ui_test::CreateTestForm();
    embedded->SetParentWindow(host);
    auto* inside = new vcl::TEdit(embedded.get());
    inside->SetParent(embedded.get());
    embedded->HandleNeeded();
    ASSERT_EQ(GetParent(embedded->WindowHandle()), host);
    EXPECT_TRUE(IsHandleInsideParentForm(inside, sibling));
    EXPECT_TRUE(IsHandleInsideParentForm(inside, host));
    EXPECT_FALSE(IsHandleInsideParentForm(inside, Other->WindowHandle()));
    embedded.reset();
    DestroyWindow(host);
}

TEST_F(ControlQueriesTest, FormsAreFoundFromTheirWindowsAndChildWindowsClimbToTheirTopWindow) {
    vcl::TCustomForm* form = nullptr;
    vcl::TFormStyle style = vcl::fsMDIForm;
    ASSERT_TRUE(GetFormOfWindow(Form->WindowHandle(), form, style));
    EXPECT_EQ(form, Form.get());
    EXPECT_EQ(style, vcl::fsNormal);
    EXPECT_FALSE(GetFormOfWindow(Edit->WindowHandle(), form, style));
    EXPECT_EQ(FindTopOrMDIChildWindow(Edit->WindowHandle()), Form->WindowHandle());
    EXPECT_EQ(FindTopOrMDIChildWindow(Form->WindowHandle()), Form->WindowHandle());
}

TEST_F(ControlQueriesTest, AControlCanHaveAWindowThroughItsParentsOrAsAForm) {
    auto* loose = new vcl::TEdit(Form.get());
    EXPECT_FALSE(CanAllocateHandle(loose));
    EXPECT_EQ(ControlWindowRect(loose), vcl::TRect{});
    EXPECT_FALSE(IsControlWindowVisible(loose));
    auto* panel = new vcl::TEdit(Form.get());
    loose->SetParent(Other.get());
    EXPECT_TRUE(CanAllocateHandle(loose));
    panel->SetParentWindow(Other->WindowHandle());
    EXPECT_TRUE(CanAllocateHandle(panel));
    auto unshown = ui_test::CreateTestForm();
    EXPECT_TRUE(CanAllocateHandle(unshown.get()));
    EXPECT_EQ(ControlWindowRect(Edit).Width(), 100);
    EXPECT_TRUE(IsControlWindowVisible(Edit));
    EXPECT_EQ(CanAllocateHandle(nullptr), false);
}

TEST_F(ControlQueriesTest, ThePointerIsOverTheActiveControlOnlyOverItInTheActiveForm) {
    SetForegroundWindow(Form->WindowHandle());
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Form->Active());
    const vcl::TPoint overEdit = Edit->ClientToScreen({5, 5});
    SetCursorPos(overEdit.X, overEdit.Y);
    EXPECT_TRUE(IsMouseOverActiveControl(Edit));
    EXPECT_FALSE(IsMouseOverActiveControl(PopupChild));
    const vcl::TPoint overForm = Form->ClientToScreen({200, 150});
    SetCursorPos(overForm.X, overForm.Y);
    EXPECT_FALSE(IsMouseOverActiveControl(Edit));

    // Over the edit of a form that is not active, without a popup opened from inside that form.
    auto* otherEdit = new vcl::TEdit(Other.get());
    otherEdit->SetParent(Other.get());
    otherEdit->SetBounds(5, 5, 60, 24);
    otherEdit->HandleNeeded();
    const vcl::TPoint overOtherEdit = otherEdit->ClientToScreen({5, 5});
    SetCursorPos(overOtherEdit.X, overOtherEdit.Y);
    ASSERT_FALSE(Other->Active());
    EXPECT_FALSE(IsMouseOverActiveControl(otherEdit));
}

// A container that says its popup is open.
class TOpenPopupContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TOpenPopupContainer, TuiContainer)
public:
    using TuiContainer::TuiContainer;
    bool IsPopupShown() const override { return true; }
};

TEST_F(ControlQueriesTest, AContainersPopupIsAskedOfItOrOfItsInnerControl) {
    auto* container = new TOpenPopupContainer(Form.get());
    auto* list = new TuiCustomInnerListBox(Form.get());
    EXPECT_FALSE(IsContainerPopupShown(list));
    list->SetContainer(container);
    EXPECT_TRUE(IsContainerPopupShown(list));
    EXPECT_TRUE(IsContainerPopupShown(container));
    EXPECT_FALSE(IsContainerPopupShown(Edit));
    EXPECT_FALSE(IsContainerPopupShown(nullptr));
}

} // namespace
} // namespace ui
