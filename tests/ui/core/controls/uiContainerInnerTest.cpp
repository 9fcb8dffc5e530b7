// A container hosting a multi-line edit with both scroll bars, driven as a user drives it: the focus moves into the
// edit, Tab from the edit leaves the container, characters sent to the container reach the edit, the library's bars
// lie exactly over the native ones and hide with them, and a caption longer than CreateWindowEx takes reaches the
// window.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/uiContainer.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/Memo.h"

#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

// A container with built-in bars, as list-like containers have.
class TMemoContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TMemoContainer, TuiContainer)
public:
    using TuiContainer::TuiContainer;
    using TuiContainer::UpdateScrollBars;

protected:
    bool NeedsScrollBars() const override { return true; }
};

class TuiContainerInnerTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 220);
        Container = new TMemoContainer(Form.get());
        Container->SetParent(Form.get());
        Container->SetBounds(10, 10, 160, 120);
        Container->Style().SetBorderStyle(cbsSingle);
        Container->Style().SetTransparentBorder(false);
        Memo = new vcl::TMemo(Form.get());
        Memo->SetParent(Container);
        Memo->SetScrollBars(vcl::ssBoth);
        Container->SetInnerControl(Memo);
        Next = new vcl::TEdit(Form.get());
        Next->SetParent(Form.get());
        Next->SetBounds(10, 150, 100, 24);
        Container->HandleNeeded();
        ui_test::ProcessPendingMessages();
    }

    static vcl::TRect ScreenRectOf(HWND window, LONG objectId) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(window, objectId, &info);
        return {info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right, info.rcScrollBar.bottom};
    }

    static vcl::TRect ScreenRectOf(vcl::TWinControl& control) {
        RECT rect;
        GetWindowRect(control.Handle(), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TMemoContainer* Container = nullptr;
    vcl::TMemo* Memo = nullptr;
    vcl::TEdit* Next = nullptr;
};

TEST_F(TuiContainerInnerTest, TheInnerControlFillsTheClientRectangleInTheStylesColour) {
    EXPECT_EQ(Memo->Left(), 1);
    EXPECT_EQ(Memo->Top(), 1);
    EXPECT_EQ(Memo->Width(), 158);
    EXPECT_EQ(Memo->Height(), 118);
    Container->Style().SetColor(vcl::clYellow);
    EXPECT_EQ(Memo->Color(), vcl::clYellow);
    Form->Font().SetHeight(-21);
    EXPECT_EQ(Memo->Font().Height(), -21);
}

TEST_F(TuiContainerInnerTest, FocusGoesIntoTheInnerControlAndTabLeavesTheContainer) {
    Container->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Memo->WindowHandle());
    EXPECT_TRUE(Container->Focused());
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleFocused());
    ui_test::PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Next->WindowHandle());
    EXPECT_FALSE(Container->Focused());
    EXPECT_EQ(&Container->ActiveStyle(), &Container->Style());
}

TEST_F(TuiContainerInnerTest, CharactersSentToTheContainerReachTheInnerControl) {
    SendMessageW(Container->Handle(), WM_CHAR, u'x', 0);
    SendMessageW(Container->Handle(), WM_CHAR, u'y', 0);
    EXPECT_EQ(Memo->Text(), u"xy");
}

TEST_F(TuiContainerInnerTest, LibraryBarsLieOverTheNativeBarsAndHideWithThem) {
    std::u16string lines;
    for (int i = 0; i < 40; ++i) {
        lines += u"a long line of text that does not fit the width of the memo\r\n";
    }
    Memo->SetText(lines);
    Container->UpdateScrollBars();
    ASSERT_NE(Container->HScrollBar(), nullptr);
    ASSERT_TRUE(Container->VScrollBar()->Visible());
    ASSERT_TRUE(Container->HScrollBar()->Visible());
    EXPECT_EQ(ScreenRectOf(*Container->VScrollBar()), ScreenRectOf(Memo->Handle(), OBJID_VSCROLL));
    EXPECT_EQ(ScreenRectOf(*Container->HScrollBar()), ScreenRectOf(Memo->Handle(), OBJID_HSCROLL));
    EXPECT_GT(Container->VScrollBar()->Max(), 0);
    // A plain native control does not paint the corner between the bars: no grip.
    EXPECT_FALSE(Container->InnerSizeGripVisible());
    // Resized, the container moves its inner control and then the bars after the native ones.
    Container->SetBounds(10, 10, 200, 100);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(ScreenRectOf(*Container->VScrollBar()), ScreenRectOf(Memo->Handle(), OBJID_VSCROLL));
    EXPECT_EQ(ScreenRectOf(*Container->HScrollBar()), ScreenRectOf(Memo->Handle(), OBJID_HSCROLL));

    Memo->SetScrollBars(vcl::ssNone);
    Memo->HandleNeeded();
    Container->UpdateScrollBars();
    EXPECT_FALSE(Container->VScrollBar()->Visible());
    EXPECT_FALSE(Container->HScrollBar()->Visible());
}

// The window region of window: its box, or the empty rectangle when it has none.
vcl::TRect WindowRegionBox(HWND window) {
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    const int kind = GetWindowRgn(window, region);
    if (kind != ERROR && kind != NULLREGION) {
        GetRgnBox(region, &box);
    }
    DeleteObject(region);
    return {box.left, box.top, box.right, box.bottom};
}

TEST_F(TuiContainerInnerTest, AChildWindowReachingOutOfTheContainerIsCutToItByAWindowRegion) {
    auto* child = new vcl::TEdit(Form.get());
    child->SetParent(Container);
    child->HandleNeeded();
    const struct {
        vcl::TRect Bounds;
        vcl::TRect Region;
    } cases[] = {
        {{120, 100, 200, 140}, {0, 0, 40, 20}},
        {{-10, -5, 40, 25}, {10, 5, 50, 30}},
        {{10, 10, 60, 40}, {}},
        {{-1, 0, 200, 20}, {1, 0, 161, 20}},
    };
    for (const auto& test : cases) {
        child->SetBoundsRect(test.Bounds);
        EXPECT_EQ(WindowRegionBox(child->WindowHandle()), test.Region) << testing::PrintToString(test.Bounds);
    }
    // The inner control fills the client rectangle: it has no region.
    EXPECT_EQ(WindowRegionBox(Memo->WindowHandle()), vcl::TRect{});
}

TEST_F(TuiContainerInnerTest, ACaptionLongerThanWindowCreationTakesReachesTheWindow) {
    auto* titled = new TMemoContainer(Form.get());
    titled->SetText(std::u16string(70000, u'a'));
    titled->SetParent(Form.get());
    titled->HandleNeeded();
    EXPECT_EQ(GetWindowTextLengthW(titled->Handle()), 70000);
}

} // namespace
} // namespace ui
