// The go-dialog button's menu driven as a user drives it, with keys posted while the menu's loop runs: one item per
// visible tab (in order, or sorted by the caption without accelerators), the selected tab's item checked and default,
// the menu at the button's bottom-left corner, a chosen item selecting its tab, and the press that closes the menu
// over the button not opening it again.

#include "ui/pagecontrol/tabs/uiPCGoDialog.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/pagecontrol/painters/uiPCStandardPainter.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

// A control on the test display with a go-dialog button always shown, five tabs of which "Hidden" is hidden, and an
// image for each tab.
struct TGoDialogTabs {
    ui_test::TTabControlForm Host = ui_test::ShowTabControlForm(400, 120, ui_test::TFormPlacement::OnScreen);
    TuiTabControl& Control = *Host.Control;
    vcl::TImageList Images{nullptr};
    int Popups = 0;

    TGoDialogTabs() {
        vcl::TBitmap image(16, 16);
        for (int i = 0; i < 5; ++i) {
            Images.Add(image, nullptr);
        }
        Control.SetImages(&Images);
        ui_test::AddTabs(Control, {u"Delta", u"B&eta", u"Alpha", u"Hidden", u"Bar"});
        Control.Tabs().Tab(3).SetVisible(false);
        Control.Tabs().Tab(4).SetImageIndex(1);
        Control.SetTabIndex(2);
        Control.SetOptions(uiPCDefaultOptions + TuiPCOptions{pcoGoDialog});
        Control.GoDialog()->SetOnPopup([this](rtl::TObject*) { ++Popups; });
    }
    ~TGoDialogTabs() { Control.SetImages(nullptr); }

    vcl::TRect Button() { return Control.Painter().GetGoDialogButtonBounds(); }
    vcl::TPoint ButtonCenter() {
        const vcl::TRect button = Button();
        return {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    }

    // Opens the menu with a click on the button and has keys pressed in it once it is open.
    void OpenAndPress(std::vector<WPARAM> keys) {
        HWND window = Control.Handle();
        ui_test::RunLater(100, [window, keys] {
            for (const WPARAM key : keys) {
                PostMessageW(window, WM_KEYDOWN, key, 1);
                PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
            }
        });
        ui_test::Click(Control, ButtonCenter());
    }

    std::vector<std::u16string> Captions() const {
        std::vector<std::u16string> captions;
        const vcl::TMenuItem& items = Control.GoDialog()->Items();
        for (int32_t i = 0; i < items.Count(); ++i) {
            captions.push_back(items.Items(i)->Caption());
        }
        return captions;
    }
};

TEST(uiPCGoDialog, ListsTheVisibleTabsWithTheSelectedOneCheckedAtTheButtonsCorner) {
    TGoDialogTabs tabs;
    ASSERT_FALSE(tabs.Button().IsEmpty());
    tabs.OpenAndPress({VK_ESCAPE});
    EXPECT_EQ(tabs.Popups, 1);
    EXPECT_EQ(tabs.Captions(), (std::vector<std::u16string>{u"Delta", u"B&eta", u"Alpha", u"Bar"}));
    const vcl::TMenuItem& items = tabs.Control.GoDialog()->Items();
    const int32_t tags[] = {0, 1, 2, 4};
    const int32_t images[] = {0, 1, 2, 1};
    for (int32_t i = 0; i < items.Count(); ++i) {
        const vcl::TMenuItem& item = *items.Items(i);
        EXPECT_EQ(item.Tag(), tags[i]) << i;
        EXPECT_EQ(item.ImageIndex(), images[i]) << i;
        EXPECT_EQ(item.Checked(), i == 2) << i;
        EXPECT_EQ(item.Default(), i == 2) << i;
    }
    EXPECT_EQ(tabs.Control.GoDialog()->Images(), &tabs.Images);
    const vcl::TRect button = tabs.Button();
    EXPECT_EQ(tabs.Control.GoDialog()->PopupPoint(), tabs.Control.ClientToScreen({button.Left, button.Bottom}));
    EXPECT_EQ(tabs.Control.TabIndex(), 2) << "nothing chosen, nothing changes";
    EXPECT_EQ(tabs.Control.NavigatorButtonState(nbGoDialog), nbsNormal) << "the button is released";
}

TEST(uiPCGoDialog, SortsByTheCaptionWithoutItsAccelerator) {
    TGoDialogTabs tabs;
    tabs.Control.SetOptions(tabs.Control.Options() + TuiPCOptions{pcoSort});
    tabs.OpenAndPress({VK_ESCAPE});
    EXPECT_EQ(tabs.Captions(), (std::vector<std::u16string>{u"Alpha", u"Bar", u"B&eta", u"Delta"}));
    EXPECT_TRUE(tabs.Control.GoDialog()->Items().Items(0)->Checked());
}

TEST(uiPCGoDialog, AChosenItemSelectsItsTab) {
    TGoDialogTabs tabs;
    int changes = 0;
    tabs.Control.SetOnChange([&changes](rtl::TObject*) { ++changes; });
    tabs.OpenAndPress({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(tabs.Control.TabIndex(), 4) << "the fourth item is Bar";
    EXPECT_EQ(changes, 1);
}

TEST(uiPCGoDialog, ThePressThatClosesTheMenuOverTheButtonDoesNotOpenItAgain) {
    TGoDialogTabs tabs;
    HWND window = tabs.Control.Handle();
    const vcl::TPoint center = tabs.ButtonCenter();
    const LPARAM point = MAKELPARAM(center.X, center.Y);
    // The menu closes and the press reaches the button; should the menu open again, a later Escape closes it.
    ui_test::RunLater(100, [window, point] {
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(window, WM_LBUTTONUP, 0, point);
    });
    ui_test::RunLater(400, [window] { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1); });
    ui_test::Click(tabs.Control, center);
    ui_test::PumpMessages(600);
    EXPECT_EQ(tabs.Popups, 1);
    EXPECT_EQ(tabs.Control.NavigatorButtonState(nbGoDialog), nbsNormal);

    tabs.OpenAndPress({VK_ESCAPE});
    EXPECT_EQ(tabs.Popups, 2) << "the next click opens it";
}

} // namespace
} // namespace ui
