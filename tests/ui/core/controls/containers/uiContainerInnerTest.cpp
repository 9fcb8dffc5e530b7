// A container hosting a multi-line edit with both scroll bars, driven as a user drives it: the focus moves into the
// edit, Tab from the edit leaves the container, characters sent to the container reach the edit, the library's bars
// lie exactly over the native ones and hide with them, and a caption longer than CreateWindowEx takes reaches the
// window. On a coloured panel: the inner control of a parent-colour container shows the panel's colour, a panel
// font reaches only containers that take their parent's font.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/containers/uiContainer.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/Memo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// A memo that gives its own drag images and records a cancelled drag.
class TDraggedMemo : public vcl::TMemo {
    RTL_DECLARE_CLASS(TDraggedMemo, vcl::TMemo)
public:
    using TMemo::TMemo;
    vcl::TDragImageList* GetDragImages() override { return Images; }
    void DragCanceled() override { ++Cancels; }
    vcl::TDragImageList* Images = nullptr;
    int Cancels = 0;
};

// A container whose context menu opens only right of x = 40.
class TMenuContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TMenuContainer, TuiContainer)
public:
    using TuiContainer::TuiContainer;

protected:
    bool AllowsContextPopupAt(vcl::TPoint point) const override { return point.X >= 40; }
};

TEST_F(TuiContainerInnerTest, TheInnerControlIsRepaintedDraggedAndGivenTheCursorWithTheContainer) {
    ui_test::ProcessPendingMessages();
    ValidateRect(Memo->Handle(), nullptr);
    Container->Invalidate();
    EXPECT_TRUE(GetUpdateRect(Memo->Handle(), nullptr, FALSE));
    Container->Update();
    EXPECT_FALSE(GetUpdateRect(Memo->Handle(), nullptr, FALSE));

    Container->SetDragMode(vcl::dmAutomatic);
    EXPECT_EQ(Memo->DragMode(), vcl::dmAutomatic);
    Container->SetCursor(vcl::crHandPoint);
    EXPECT_EQ(Memo->Cursor(), vcl::crHandPoint);
}

TEST_F(TuiContainerInnerTest, TheInnerControlComesWithTheContainersWindowAndGivesItsDragImagesAndHearsACancel) {
    // Hidden, the container makes no window until asked.
    auto* container = new TMemoContainer(Form.get());
    container->SetVisible(false);
    container->SetParent(Form.get());
    container->SetBounds(180, 10, 100, 80);
    auto* memo = new TDraggedMemo(Form.get());
    memo->SetParent(container);
    container->SetInnerControl(memo);
    ASSERT_FALSE(container->HandleAllocated());
    EXPECT_FALSE(memo->HandleAllocated());
    container->HandleNeeded();
    EXPECT_TRUE(memo->HandleAllocated());

    vcl::TDragImageList images(nullptr);
    memo->Images = &images;
    EXPECT_EQ(container->GetDragImages(), &images);
    container->DragCanceled();
    EXPECT_EQ(memo->Cancels, 1);
}

TEST_F(TuiContainerInnerTest, APressOnTheFrameOfAnAutomaticallyDraggedContainerStartsTheFrameworksDrag) {
    Container->SetDragMode(vcl::dmAutomatic);
    ui_test::MouseDown(*Container, vcl::mbLeft, {0, 0});
    EXPECT_EQ(vcl::DragControl(), Container);
    vcl::EndControlDrag(false);
    ui_test::MouseUp(*Container, vcl::mbLeft, {0, 0});
}

TEST_F(TuiContainerInnerTest, TheContextMenuOpensFromTheKeyboardOrWhereTheContainerAllowsIt) {
    auto* container = new TMenuContainer(Form.get());
    container->SetParent(Form.get());
    container->SetBounds(180, 10, 100, 80);
    container->HandleNeeded();
    std::vector<vcl::TPoint> asked;
    container->SetOnContextPopup([&asked](rtl::TObject*, vcl::TPoint point, bool&) { asked.push_back(point); });
    for (const vcl::TPoint point : {vcl::TPoint{10, 10}, vcl::TPoint{50, 10}}) {
        const vcl::TPoint screen = container->ClientToScreen(point);
        SendMessageW(container->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(container->Handle()),
                     MAKELPARAM(screen.X, screen.Y));
    }
    SendMessageW(container->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(container->Handle()), -1);
    EXPECT_EQ(asked, (std::vector<vcl::TPoint>{{50, 10}, {-1, -1}}));
}

TEST_F(TuiContainerInnerTest, AlignedChildrenFillWhatTheFrameLeavesOnceTheContainerLaysItselfOut) {
    // The pointer away from the container, whose hot-tracked frame would be thicker.
    ui_test::MouseMove(*Form, {290, 210});
    auto* child = new vcl::TEdit(Form.get());
    child->SetParent(Container);
    child->SetAlign(vcl::alTop);
    child->SetHeight(20);
    Container->SetBounds(10, 10, 170, 120);
    EXPECT_EQ(child->BoundsRect(), (vcl::TRect{1, 1, 169, 21}));
    Container->Style().SetBorderStyle(cbsThick);
    EXPECT_EQ(child->BoundsRect(), (vcl::TRect{2, 2, 168, 22}));
}

TEST_F(TuiContainerInnerTest, AContainerHoldingTheFocusItselfHandsItToItsInnerControlWhenMoved) {
    Memo->SetVisible(false);
    Container->SetFocus();
    ASSERT_EQ(GetFocus(), Container->Handle());
    Memo->SetVisible(true);
    Container->SetBounds(12, 10, 160, 120);
    EXPECT_EQ(GetFocus(), Memo->Handle());
}

// A container on a coloured panel, its memo inside.
class TuiContainerOnPanelTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 220);
        Panel = new vcl::TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(0, 0, 280, 200);
        Panel->SetColor(vcl::clTeal);
    }

    template <class TContainer = TMemoContainer>
    TContainer* AddContainer(int32_t top = 10) {
        auto* container = new TContainer(Form.get());
        container->SetParent(Panel);
        container->SetBounds(10, top, 160, 80);
        container->Style().SetBorderStyle(cbsSingle);
        auto* memo = new vcl::TMemo(Form.get());
        memo->SetParent(container);
        container->SetInnerControl(memo);
        container->HandleNeeded();
        ui_test::ProcessPendingMessages();
        return container;
    }

    // The colour of the memo's window on the screen, away from its text and bars.
    static vcl::TColor ScreenColorOf(vcl::TWinControl& control) {
        UpdateWindow(control.Handle());
        ui_test::ProcessPendingMessages();
        ui_test::TDibSurface surface(control.Width(), control.Height());
        ui_test::CopyWindowPixels(control.Handle(), surface);
        const vcl::TPoint centre = CentreOf(control);
        return surface.Pixel(centre.X, centre.Y);
    }

    static bool IsInvalidAt(vcl::TWinControl& control, vcl::TPoint point) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(control.Handle(), region, FALSE);
        const bool invalid = PtInRegion(region, point.X, point.Y) != FALSE;
        DeleteObject(region);
        return invalid;
    }

    static vcl::TPoint CentreOf(vcl::TControl& control) { return {control.Width() / 2, control.Height() / 2}; }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TPanel* Panel = nullptr;
};

TEST_F(TuiContainerOnPanelTest, TheInnerControlOfAParentColourContainerShowsThePanelsColour) {
    TMemoContainer* container = AddContainer();
    container->SetParentColor(true);
    auto& memo = *container->InnerControl();
    EXPECT_EQ(memo.Color(), vcl::clTeal);
    EXPECT_EQ(ScreenColorOf(memo), vcl::ColorToRGB(vcl::clTeal));

    Panel->SetColor(vcl::clOlive);
    EXPECT_EQ(memo.Color(), vcl::clOlive);
    EXPECT_EQ(ScreenColorOf(memo), vcl::ColorToRGB(vcl::clOlive));
    EXPECT_FALSE(container->Style().AssignedValues().Contains(csvColor));

    container->Style().SetColor(vcl::clYellow);
    Panel->SetColor(vcl::clTeal);
    EXPECT_EQ(memo.Color(), vcl::clYellow) << "a colour of its own style wins over the parent's";
}

TEST_F(TuiContainerOnPanelTest, APanelsColourLeavesTheInnerControlOfAContainerWithItsOwnColour) {
    TMemoContainer* container = AddContainer();
    ASSERT_FALSE(container->ParentColor());
    auto& memo = *container->InnerControl();
    Panel->SetColor(vcl::clOlive);
    EXPECT_EQ(memo.Color(), vcl::clWindow);
    EXPECT_EQ(ScreenColorOf(memo), vcl::ColorToRGB(vcl::clWindow));
}

// A container whose inner control leaves its parent's colour showing.
class TSeeThroughContainer : public TMemoContainer {
    RTL_DECLARE_CLASS(TSeeThroughContainer, TMemoContainer)
public:
    using TMemoContainer::TMemoContainer;

protected:
    bool NeedsParentColorForInner() const override { return true; }
};

TEST_F(TuiContainerOnPanelTest, APanelsColourRepaintsTheWholeOfAContainerWhoseInnerControlShowsIt) {
    TMemoContainer* plain = AddContainer();
    auto* seeThrough = AddContainer<TSeeThroughContainer>(100);
    Panel->SetColor(vcl::clOlive);
    ui_test::ProcessPendingMessages();
    for (TuiContainer* container : {static_cast<TuiContainer*>(plain), static_cast<TuiContainer*>(seeThrough)}) {
        ValidateRect(container->Handle(), nullptr);
        container->Perform(vcl::CM_PARENTCOLORCHANGED);
    }
    EXPECT_TRUE(IsInvalidAt(*seeThrough, CentreOf(*seeThrough)));
    EXPECT_FALSE(IsInvalidAt(*plain, CentreOf(*plain))) << "its inner control covers the centre";
}

TEST_F(TuiContainerOnPanelTest, AMoveRepaintsTheFrameOfAContainerWhoseInnerControlShowsTheParentsColour) {
    TMemoContainer* plain = AddContainer();
    auto* seeThrough = AddContainer<TSeeThroughContainer>(100);
    for (TuiContainer* container : {static_cast<TuiContainer*>(plain), static_cast<TuiContainer*>(seeThrough)}) {
        ValidateRect(container->Handle(), nullptr);
        container->SetLeft(30);
    }
    EXPECT_TRUE(IsInvalidAt(*seeThrough, {0, 0}));
    EXPECT_FALSE(IsInvalidAt(*plain, {0, 0})) << "a move alone keeps what the container showed";
}

TEST_F(TuiContainerOnPanelTest, APanelsFontReachesAContainerTakingItsParentsFontButNotOneWhoseStyleAssignsOne) {
    TMemoContainer* following = AddContainer();
    TMemoContainer* own = AddContainer(100);
    own->Style().Font().SetHeight(-17);
    ASSERT_TRUE(own->Style().AssignedValues().Contains(csvFont));
    ASSERT_TRUE(following->ParentFont());

    Panel->Font().SetHeight(-23);
    EXPECT_EQ(following->Font().Height(), -23);
    EXPECT_EQ(following->Style().Font().Height(), -23);
    EXPECT_EQ(following->InnerControl()->Font().Height(), -23);
    EXPECT_FALSE(following->Style().AssignedValues().Contains(csvFont));
    EXPECT_EQ(own->Font().Height(), -17);
    EXPECT_EQ(own->Style().Font().Height(), -17);
    EXPECT_EQ(own->InnerControl()->Font().Height(), -17);
    EXPECT_TRUE(own->Style().AssignedValues().Contains(csvFont));
}

TEST_F(TuiContainerOnPanelTest, AContainerLeavingItsParentsFontRefreshesTheStyleFontOnTheNextParentFontChange) {
    TMemoContainer* container = AddContainer();
    Panel->Font().SetHeight(-23);
    ASSERT_EQ(container->Style().Font().Height(), -23);
    container->SetParentFont(false);
    Panel->Font().SetHeight(-29);
    EXPECT_EQ(container->Font().Height(), -23);
    const vcl::TFont defaults;
    EXPECT_EQ(container->Style().Font().Height(), defaults.Height())
        << "a style font the container no longer takes from its parent falls back to the default";
    EXPECT_FALSE(container->Style().AssignedValues().Contains(csvFont));
}

} // namespace
} // namespace ui
