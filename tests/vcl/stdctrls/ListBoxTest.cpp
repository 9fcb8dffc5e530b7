// The list box: items that live without the window and follow into it, owner-draw items drawn and measured by the
// control, the top index, selection by mouse and a window recreated with its items.

#include "vcl/stdctrls/ListBox.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The colour an owner-drawn item of index paints itself in.
vcl::TColor ItemColor(int32_t index) {
    constexpr vcl::TColor colors[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};
    return colors[index % 4];
}

vcl::TListBox* AddListBox(vcl::TWinControl& parent, int itemCount) {
    auto* list = vcl_test::AddControl<vcl::TListBox>(parent, u"List", vcl::Bounds(10, 10, 120, 100));
    for (int i = 0; i < itemCount; ++i) {
        list->Items().Add(u"Item " + rtl::UnicodeString(1, static_cast<char16_t>(u'A' + i)));
    }
    return list;
}

TEST(ListBox, ItemsAddedBeforeTheWindowExistReachItAndFollowEveryChange) {
    auto form = ui_test::CreateTestForm();
    auto* list = AddListBox(*form, 3);
    list->SetItemIndex(1);
    ui_test::ShowTestForm(*form);
    ASSERT_TRUE(list->HandleAllocated());
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Items().Insert(0, u"First");
    list->Items().Delete(3);
    list->Items().Put(1, u"中文项目");
    wchar_t text[32] = {};
    SendMessageW(list->Handle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"中文项目");
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    list->SetSorted(true);
    SendMessageW(list->Handle(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"First");
    EXPECT_EQ(list->Items().Add(u"AAA"), 0) << "a sorted list inserts in order";
    SendMessageW(list->Handle(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"AAA");

    list->SetItemIndex(2);
    list->SetMultiSelect(true);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 4) << "a new window takes the items";
    EXPECT_EQ(list->ItemIndex(), 2);
    list->Clear();
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

TEST(ListBox, OwnerDrawnItemsPaintThemselvesFromTheTopIndex) {
    auto form = ui_test::ShowNewTestForm();
    auto* list = AddListBox(*form, 20);
    std::set<int32_t> drawn;
    list->SetStyle(vcl::lbOwnerDrawFixed);
    list->SetItemHeight(12);
    list->SetOnDrawItem([&](rtl::TObject*, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState) {
        drawn.insert(index);
        list->Canvas().Brush().SetColor(ItemColor(index));
        list->Canvas().FillRect(rect);
    });
    list->SetTopIndex(5);
    EXPECT_EQ(list->TopIndex(), 5);
    EXPECT_EQ(list->ItemRect(5).Height(), 12);
    ui_test::TDibSurface surface(list->Width(), list->Height());
    drawn.clear();
    ui_test::PaintControl(*list, surface);
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(*drawn.begin(), 5) << "nothing above the top index";
    // The surface holds the whole window: the client area starts inside the border.
    const vcl::TRect first = list->ItemRect(5);
    const vcl::TPoint clientOrigin = list->ClientOrigin();
    const vcl::TPoint windowOrigin = form->ClientToScreen({list->Left(), list->Top()});
    const int dx = clientOrigin.X - windowOrigin.X;
    const int dy = clientOrigin.Y - windowOrigin.Y;
    EXPECT_EQ(surface.Pixel(dx + first.Left + 4, dy + first.Top + 4), ItemColor(5));
    EXPECT_EQ(surface.Pixel(dx + first.Left + 4, dy + first.Top + 16), ItemColor(6));
    const std::vector<uint32_t> once = surface.Pixels();
    ui_test::PaintControl(*list, surface);
    EXPECT_EQ(surface.Pixels(), once) << "painting twice gives the same pixels";
}

TEST(ListBox, VariableOwnerDrawItemsTakeTheHeightsTheyMeasure) {
    auto form = ui_test::ShowNewTestForm();
    auto* list = vcl_test::AddControl<vcl::TListBox>(*form, u"List", vcl::Bounds(10, 10, 120, 100));
    std::vector<int32_t> measured;
    list->SetOnMeasureItem([&](rtl::TObject*, int32_t index, int32_t& height) {
        measured.push_back(index);
        height = 10 + 2 * index;
    });
    list->SetStyle(vcl::lbOwnerDrawVariable);
    for (const char16_t* text : {u"a", u"b", u"c"}) {
        list->Items().Add(text);
    }
    EXPECT_EQ(measured, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(list->ItemRect(0).Height(), 10);
    EXPECT_EQ(list->ItemRect(2).Height(), 14);
    EXPECT_EQ(list->ItemRect(2).Top, 22);
}

TEST(ListBox, AClickSelectsTheItemUnderThePointerAndFiresOnClick) {
    auto form = ui_test::ShowNewTestForm();
    auto* list = AddListBox(*form, 5);
    int clicks = 0;
    list->SetOnClick([&](rtl::TObject*) { ++clicks; });
    const vcl::TRect third = list->ItemRect(2);
    ui_test::Click(*list, {third.Left + 5, third.Top + 2});
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_GE(clicks, 1) << "the selection changed";
    EXPECT_TRUE(list->Selected(2));
    EXPECT_EQ(list->ItemAtPos({third.Left + 5, third.Top + 2}, true), 2);
    EXPECT_EQ(list->ItemAtPos({5, 95}, true), -1) << "below the last item";
    EXPECT_EQ(list->ItemAtPos({5, 95}, false), 5);
    EXPECT_THROW(list->Selected(9), rtl::EListError);
    // The pointer leaves the test forms' area, where later tests do not expect it.
    SetCursorPos(0, 0);
}

} // namespace
