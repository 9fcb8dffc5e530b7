// The drop-down kinds of the push button: where the menu opens, which part opens it, clicks that must not reopen it,
// the handler that may cancel or swap it, and a menu freed elsewhere.

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/editors/choice/uiButton.h"
#include "vcl/system/Win32.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// A menu that records where it was asked to open and closes at once, taking the capture as a real menu does.
class TRecordingMenu : public vcl::TPopupMenu {
public:
    explicit TRecordingMenu(rtl::TComponent* owner) : vcl::TPopupMenu(owner) {
        auto* item = new vcl::TMenuItem(this);
        item->SetCaption(u"Item");
        Items().Add(item);
    }
    void Popup(int32_t x, int32_t y) override {
        Points.push_back({x, y});
        ReleaseCapture();
        if (WhileOpen) {
            WhileOpen();
        }
    }
    std::vector<vcl::TPoint> Points;
    std::function<void()> WhileOpen;
};

class uiButtonDropDown : public testing::Test {
protected:
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 120);
    TuiButton* Button = nullptr;
    TRecordingMenu* Menu = new TRecordingMenu(Form.get());
    int Clicks = 0;

    void SetUp() override {
        Button = new TuiButton(Form.get());
        Button->SetParent(Form.get());
        Button->SetBounds(20, 20, 100, 30);
        Button->SetCaption(u"Menu");
        Button->SetDropDownMenu(Menu);
        Button->SetOnClick([this](rtl::TObject*) { ++Clicks; });
    }
    void ClickAt(vcl::TPoint point) {
        ui_test::Click(*Button, point);
        ui_test::ProcessPendingMessages();
    }
};

TEST_F(uiButtonDropDown, TheWholeButtonOpensTheMenuUnderItsLeftEdge) {
    Button->SetKind(uibkDropDown);
    ClickAt({50, 15});
    ASSERT_EQ(Menu->Points.size(), 1u);
    EXPECT_EQ(Menu->Points[0], Button->ClientToScreen({0, Button->Height()}));
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(Button->IsMenuShowing());
}

TEST_F(uiButtonDropDown, NearTheScreenBottomTheMenuOpensAbove) {
    Button->SetKind(uibkDropDown);
    const vcl::TRect workArea = DesktopWorkAreaAt(Form->ClientToScreen({0, 0}));
    const vcl::TPoint origin = Form->ClientToScreen({0, 0});
    Form->SetTop(Form->Top() + (workArea.Bottom - 5) - (origin.Y + Button->Top() + Button->Height()));
    ui_test::ProcessPendingMessages();
    ClickAt({50, 15});
    ASSERT_EQ(Menu->Points.size(), 1u);
    const int32_t top = Button->ClientToScreen({0, 0}).Y;
    EXPECT_EQ(Menu->Points[0].Y, top - PopupMenuHeight(*Menu) - 2);
}

TEST_F(uiButtonDropDown, OnlyTheArrowPartOfASplitButtonOpensTheMenu) {
    Button->SetKind(uibkDropDownButton);
    EXPECT_EQ(Button->GetDropDownRect(), (vcl::TRect{85, 0, 100, 30}));
    ClickAt({95, 15});
    EXPECT_EQ(Menu->Points.size(), 1u);
    EXPECT_EQ(Clicks, 0);
    ClickAt({40, 15});
    EXPECT_EQ(Menu->Points.size(), 1u);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(uiButtonDropDown, TheArrowClickedWhileTheMenuIsOpenClosesItWithoutReopening) {
    Button->SetKind(uibkDropDownButton);
    Menu->WhileOpen = [this] {
        const vcl::TPoint screen = Button->ClientToScreen({95, 15});
        SetCursorPos(screen.X, screen.Y);
        PostMessageW(Button->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, vcl::PointToLParam({95, 15}));
        PostMessageW(Button->WindowHandle(), WM_LBUTTONUP, 0, vcl::PointToLParam({95, 15}));
    };
    ClickAt({95, 15});
    ui_test::PumpMessages(50);
    EXPECT_EQ(Menu->Points.size(), 1u);
    EXPECT_EQ(Clicks, 0);

    Menu->WhileOpen = nullptr;
    ClickAt({95, 15});
    EXPECT_EQ(Menu->Points.size(), 2u) << "the next press opens it again";
}

TEST_F(uiButtonDropDown, TheHandlerMayCancelOrSwapTheMenu) {
    Button->SetKind(uibkDropDown);
    auto* other = new TRecordingMenu(Form.get());
    bool cancel = true;
    Button->SetOnDropDownMenuPopup([&](rtl::TObject*, vcl::TPopupMenu*& menu, bool& handled) {
        handled = cancel;
        menu = other;
    });
    ClickAt({50, 15});
    EXPECT_TRUE(Menu->Points.empty());
    EXPECT_TRUE(other->Points.empty());
    cancel = false;
    ClickAt({50, 15});
    EXPECT_TRUE(Menu->Points.empty());
    EXPECT_EQ(other->Points.size(), 1u);
}

TEST_F(uiButtonDropDown, AFreedMenuReadsNil) {
    Button->SetKind(uibkDropDown);
    Button->SetPopupMenu(Menu);
    delete Menu;
    EXPECT_EQ(Button->DropDownMenu(), nullptr);
    EXPECT_EQ(Button->PopupMenu(), nullptr);
    ClickAt({50, 15});
    EXPECT_EQ(Clicks, 0);
}

TEST_F(uiButtonDropDown, PopupMenuTakesOnlyMenus) {
    Button->SetPopupMenu(Form.get());
    EXPECT_EQ(Button->PopupMenu(), nullptr);
    Button->SetPopupMenu(Menu);
    EXPECT_EQ(Button->PopupMenu(), Menu);
}

} // namespace
} // namespace ui
