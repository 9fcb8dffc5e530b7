#include "ui/editors/text/lookup/uiEditListBox.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

class EditListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm();
        List = new ui::TuiCustomEditListBox(Form.get());
        List->SetParent(Form.get());
        List->Font().SetName(u"SimSun");
        // Off the visible screen, where the pointer never hot-tracks an item by itself.
        ui_test::ShowTestForm(*Form, 320, 240, ui_test::TFormPlacement::OffScreen);
        List->UpdateItemMetrics();
        List->SetItemCount(20);
        for (int32_t i = 0; i < 20; ++i) {
            List->Items().Put(i, u"Item " + rtl::UnicodeString(1, static_cast<char16_t>(u'A' + i)));
        }
        List->SetBounds(8, 8, 120, 8 * List->GetItemHeight(0));
        List->SetOnSelectionChanged([this](rtl::TObject*) { ++SelectionChanges; });
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui::TuiCustomEditListBox* List = nullptr; // owned by the form
    int SelectionChanges = 0;
};

TEST_F(EditListBoxTest, ItemsAreOneWgRowHigh) {
    List->Canvas().Font().Assign(&List->Font());
    const int32_t height = List->Canvas().TextHeight(u"Wg");
    EXPECT_EQ(List->GetItemHeight(3), height);
    EXPECT_EQ(List->ItemHeight(), height);
    EXPECT_EQ(List->GetItemsHeight(4), 4 * height);
    EXPECT_GT(List->GetItemWidth(0), 0);
}

TEST_F(EditListBoxTest, TheItemCountIsSetAtTheEnd) {
    List->SetItemCount(22);
    EXPECT_EQ(List->Items().Count(), 22);
    EXPECT_EQ(List->Items().Get(0), u"Item A");
    List->SetItemCount(2);
    ASSERT_EQ(List->Items().Count(), 2);
    EXPECT_EQ(List->Items().Get(1), u"Item B");
}

TEST_F(EditListBoxTest, TheWheelScrollsTheSystemsWheelLines) {
    ASSERT_EQ(List->TopIndex(), 0);
    POINT centre{40, 20};
    ClientToScreen(List->Handle(), &centre);
    SendMessageW(List->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                 MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(List->TopIndex(), vcl::Mouse().WheelScrollLines());
    SendMessageW(List->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(List->TopIndex(), 0);
}

TEST_F(EditListBoxTest, ThePointerSelectsTheItemUnderIt) {
    const int32_t row = List->GetItemHeight(0);
    SendMessageW(List->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 2 * row + row / 2));
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(SelectionChanges, 1);
    SendMessageW(List->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 2 * row + row / 2));
    EXPECT_EQ(SelectionChanges, 1) << "the same item is not selected again";
    List->SetHotTrack(false);
    SendMessageW(List->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 4 * row + row / 2));
    EXPECT_EQ(List->ItemIndex(), 2);
}

} // namespace
