// Popup menus driven as a user drives them: shown at a point, items chosen with the arrow keys and Enter (or the menu
// left with Escape) while the menu's own loop runs; items that draw themselves; short-cuts.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/menus/Menus.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A popup menu "Cut", "Copy", a line, "Paste" (disabled) and "Delete", logging the captions of clicked items.
struct TEditMenu {
    vcl::TPopupMenu Menu{nullptr};
    std::vector<std::u16string> Clicked;

    TEditMenu() {
        for (const char16_t* caption : {u"Cut", u"Copy", u"-", u"Paste", u"Delete"}) {
            auto* item = new vcl::TMenuItem(nullptr);
            item->SetCaption(caption);
            item->SetOnClick([this, item](rtl::TObject*) { Clicked.push_back(item->Caption()); });
            Menu.Items().Add(item);
        }
        Menu.Items().Items(3)->SetEnabled(false);
    }
};

// Posts the keys to a window of the test while the menu's loop runs (it reads the thread's key messages).
void PressKeysLater(HWND window, std::vector<WPARAM> keys) {
    ui_test::RunLater(100, [window, keys] {
        for (WPARAM key : keys) {
            PostMessageW(window, WM_KEYDOWN, key, 1);
            PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
        }
    });
}

TEST(PopupMenu, OpensAtAPointAndRunsTheItemChosenWithTheKeyboard) {
    auto form = ui_test::ShowNewTestForm();
    TEditMenu edit;
    bool popped = false;
    edit.Menu.SetOnPopup([&](rtl::TObject*) { popped = true; });
    edit.Menu.SetPopupComponent(form.get());
    PressKeysLater(form->Handle(), {VK_DOWN, VK_DOWN, VK_RETURN});
    edit.Menu.Popup(200, 150);
    EXPECT_TRUE(popped);
    EXPECT_EQ(edit.Menu.PopupPoint(), vcl::Point(200, 150));
    EXPECT_EQ(edit.Clicked, std::vector<std::u16string>{u"Copy"});
    EXPECT_EQ(edit.Menu.PopupComponent(), form.get());
}

TEST(PopupMenu, ArrowsSkipLinesDisabledItemsRunNothingAndEscapeChoosesNothing) {
    auto form = ui_test::ShowNewTestForm();
    TEditMenu edit;
    PressKeysLater(form->Handle(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    edit.Menu.Popup(100, 100);
    EXPECT_TRUE(edit.Clicked.empty()) << "the third item down is the disabled Paste";
    PressKeysLater(form->Handle(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    edit.Menu.Popup(100, 100);
    EXPECT_EQ(edit.Clicked, std::vector<std::u16string>{u"Delete"});
    edit.Clicked.clear();
    PressKeysLater(form->Handle(), {VK_DOWN, VK_ESCAPE});
    edit.Menu.Popup(100, 100);
    EXPECT_TRUE(edit.Clicked.empty());
}

TEST(PopupMenu, ItemsWithImagesMeasureAndDrawThemselves) {
    auto form = ui_test::ShowNewTestForm();
    TEditMenu edit;
    vcl::TImageList images(nullptr);
    vcl::TBitmap glyph(16, 16, vcl::pf24bit);
    images.Add(glyph, nullptr);
    edit.Menu.SetImages(&images);
    vcl::TMenuItem* cut = edit.Menu.Items().Items(0);
    cut->SetImageIndex(0);
    int measured = 0;
    int drawn = 0;
    vcl::TRect drawnRect;
    cut->SetOnMeasureItem([&](rtl::TObject*, vcl::TCanvas&, int32_t& width, int32_t& height) {
        ++measured;
        EXPECT_GT(width, 16 + cut->Caption().size());
        EXPECT_GE(height, 16);
        height = 30;
    });
    cut->SetOnDrawItem([&](rtl::TObject*, vcl::TCanvas& canvas, const vcl::TRect& rect, bool) {
        ++drawn;
        drawnRect = rect;
        canvas.Brush().SetColor(vcl::clRed);
        canvas.FillRect(rect);
    });
    PressKeysLater(form->Handle(), {VK_ESCAPE});
    edit.Menu.Popup(100, 100);
    EXPECT_GE(measured, 1);
    EXPECT_GE(drawn, 1);
    EXPECT_EQ(drawnRect.Height(), 30) << "the measured height";
}

TEST(Menu, ShortCutsClickTheirItemsWhileTheMenuHasItsWindowsMenu) {
    EXPECT_EQ(vcl::ShortCutToText(vcl::ShortCut('S', {vcl::ssCtrl})), u"Ctrl+S");
    EXPECT_EQ(vcl::ShortCutToText(vcl::ShortCut(VK_DELETE, {vcl::ssShift})), u"Shift+Del");
    EXPECT_EQ(vcl::ShortCutToText(vcl::ShortCut(VK_F5, {})), u"F5");
    EXPECT_EQ(vcl::ShortCutToText(0), u"");

    TEditMenu edit;
    edit.Menu.Items().Items(1)->SetShortCut(vcl::ShortCut('C', {vcl::ssCtrl}));
    edit.Menu.Items().Items(3)->SetShortCut(vcl::ShortCut('V', {vcl::ssCtrl}));
    EXPECT_NE(edit.Menu.Handle(), nullptr);
    wchar_t text[64] = {};
    GetMenuStringW(edit.Menu.Handle(), 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Copy\tCtrl+C");

    BYTE state[256] = {};
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    EXPECT_TRUE(edit.Menu.IsShortCut(vcl::TMessage{WM_KEYDOWN, 'C', 1, 0}));
    EXPECT_FALSE(edit.Menu.IsShortCut(vcl::TMessage{WM_KEYDOWN, 'V', 1, 0})) << "a disabled item";
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
    EXPECT_FALSE(edit.Menu.IsShortCut(vcl::TMessage{WM_KEYDOWN, 'C', 1, 0})) << "without Ctrl";
    EXPECT_EQ(edit.Clicked, std::vector<std::u16string>{u"Copy"});
}

TEST(Menu, ItemsFormATreeThatFreesItsBranches) {
    vcl::TPopupMenu menu(nullptr);
    auto* file = new vcl::TMenuItem(nullptr);
    auto* recent = new vcl::TMenuItem(nullptr);
    auto* first = new vcl::TMenuItem(nullptr);
    menu.Items().Add(file);
    file->Add(recent);
    recent->Add(first);
    EXPECT_EQ(first->GetParentMenu(), &menu);
    EXPECT_EQ(recent->MenuIndex(), 0);
    EXPECT_EQ(menu.FindItem(first->Command()), first);
    EXPECT_THROW(menu.Items().Add(first), rtl::EInvalidOperation) << "an item has one parent";
    EXPECT_NE(first->Command(), recent->Command());
    HMENU handle = menu.Handle();
    EXPECT_NE(GetSubMenu(GetSubMenu(handle, 0), 0), nullptr);
    delete recent;
    EXPECT_EQ(file->Count(), 0) << "a freed item leaves its parent, with its own items";
    menu.Items().Delete(0);
    EXPECT_EQ(menu.Items().Count(), 0);
}

} // namespace

namespace {

TEST(PopupMenu, AControlShowsItsPopupMenuOnAContextRequestUnlessItsEventTookIt) {
    auto form = ui_test::ShowNewTestForm();
    auto* edit = new TEditMenu;
    form->SetPopupMenu(&edit->Menu);
    PressKeysLater(form->Handle(), {VK_DOWN, VK_RETURN});
    const vcl::TPoint screen = form->ClientToScreen(vcl::Point(10, 10));
    SendMessageW(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), vcl::PointToLParam(screen));
    EXPECT_EQ(edit->Clicked, std::vector<std::u16string>{u"Cut"});
    EXPECT_EQ(edit->Menu.PopupComponent(), form.get());
    EXPECT_EQ(edit->Menu.PopupPoint(), screen);

    form->SetOnContextPopup([](rtl::TObject*, vcl::TPoint, bool& handled) { handled = true; });
    edit->Clicked.clear();
    SendMessageW(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), vcl::PointToLParam(screen));
    EXPECT_TRUE(edit->Clicked.empty());
    delete edit;
    EXPECT_EQ(form->PopupMenu(), nullptr) << "a freed menu is forgotten";
}

} // namespace
