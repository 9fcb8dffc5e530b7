// The styled list box as a form and a user drive it: its defaults, the selection following the bound value, list-box
// messages answered by the inner window, the draw and measure handlers naming the list box, a read-only binding that
// holds the selection still, a commit that fails when the focus leaves, and the integral height.

#include "ui/editors/listbox/uiListBox.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/editors/framework/control/uiEditDataBinding.h"
#include "vcl/system/ExceptionHook.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class EBindingCommitFailure : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// A binding whose stored value the test sets, which records what the list box writes back and resets, and whose
// commit fails on request.
class TRecordingListBinding : public TuiDataBinding {
    RTL_DECLARE_CLASS(TRecordingListBinding, TuiDataBinding)
public:
    using TuiDataBinding::TuiDataBinding;

    rtl::Variant GetStoredValue(TuiDataBindingValueSource, bool) override { return Stored; }
    void SetStoredValue(TuiDataBindingValueSource, const rtl::Variant& value) override { Written.push_back(value); }
    void ResetDisplay() override { ++Resets; }
    void CommitOnExit() override {
        ++Commits;
        if (FailCommit) {
            throw EBindingCommitFailure(u"The value cannot be stored");
        }
    }

    rtl::Variant Stored = rtl::Variant::Null();
    std::vector<rtl::Variant> Written;
    int Resets = 0;
    int Commits = 0;
    bool FailCommit = false;
};

class TBoundListBox : public TuiListBox {
    RTL_DECLARE_CLASS(TBoundListBox, TuiListBox)
public:
    explicit TBoundListBox(rtl::TComponent* owner)
        : TuiListBox(owner, TuiInnerListBox::StaticClass(), TRecordingListBinding::StaticClass()) {}
    TRecordingListBinding& Binding() const { return static_cast<TRecordingListBinding&>(DataBinding()); }
};

void AssignItems(TuiListBox& list, std::initializer_list<const char16_t*> texts) {
    rtl::TStringList strings;
    for (const char16_t* text : texts) {
        strings.Add(text);
    }
    list.SetItems(strings);
}

class ListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(360, 240);
        List = ui_test::PlaceOnForm<TBoundListBox>(*Form, 10, 10, 121, 97);
        Other = ui_test::PlaceFocusTaker(*Form);
        List->SetOnExit([this](rtl::TObject*) { ++Exits; });
        AssignItems(*List, {u"apple", u"banana", u"cherry", u"date", u"elder", u"fig"});
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
    }
    void Focus() {
        List->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    // The centre of item index in the inner list box's coordinates.
    vcl::TPoint ItemCentre(int32_t index) const {
        const vcl::TRect rect = List->InnerListBox().ItemRect(index);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    ui_test::TFixedClock Clock{rtl::TDateTime(46000.0), 100000};
    ui_test::TFormPtr<vcl::TForm> Form;
    TBoundListBox* List = nullptr;
    vcl::TWinControl* Other = nullptr;
    int Exits = 0;
};

TEST(ListBoxDefaults, ANewListBoxIs121By97WithAutoCompleteAndExtendedSelectAndNothingInIt) {
    auto form = ui_test::ShowNewTestForm(200, 150);
    auto* list = new TuiListBox(form.get());
    EXPECT_EQ(list->Width(), 121);
    EXPECT_EQ(list->Height(), 97);
    EXPECT_TRUE(list->AutoComplete());
    EXPECT_EQ(list->AutoCompleteDelay(), 500u);
    EXPECT_TRUE(list->ExtendedSelect());
    EXPECT_FALSE(list->IntegralHeight());
    EXPECT_FALSE(list->ReadOnly());
    EXPECT_EQ(list->ListStyle(), vcl::lbStandard);
    list->SetParent(form.get());
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->InnerListBox().Container(), list);
    EXPECT_EQ(list->InnerControl(), &list->InnerListBox());
}

TEST_F(ListBoxTest, AssignedItemsSelectTheOneShowingTheBoundValueInAnyCase) {
    EXPECT_EQ(List->ItemIndex(), -1) << "Null matches no item";
    List->Binding().Stored = rtl::Variant(u"CHERRY");
    AssignItems(*List, {u"apple", u"banana", u"cherry"});
    EXPECT_EQ(List->ItemIndex(), 2);
    List->Binding().Stored = rtl::Variant(u"kiwi");
    AssignItems(*List, {u"apple", u"banana", u"cherry"});
    EXPECT_EQ(List->ItemIndex(), -1);

    // The binding tells of a new value: the selection follows it.
    List->Binding().Stored = rtl::Variant(u"Banana");
    List->Binding().NotifyValueChanged(nullptr, 0);
    EXPECT_EQ(List->ItemIndex(), 1);
    // Asked for the value, the list box writes the selected text, or nothing without a selection.
    List->Binding().WriteBackData();
    List->SetItemIndex(-1);
    List->Binding().WriteBackData();
    ASSERT_EQ(List->Binding().Written.size(), 2u);
    EXPECT_EQ(List->Binding().Written[0].StoredOleStr(), u"banana");
    EXPECT_EQ(List->Binding().Written[1].StoredOleStr(), u"");
}

TEST(ListBoxDefaults, TheUnboundBindingsNullSelectsAnEmptyItem) {
    auto form = ui_test::ShowNewTestForm(200, 150);
    auto* list = ui_test::PlaceOnForm<TuiListBox>(*form, 10, 10, 121, 97);
    AssignItems(*list, {u"a", u"", u"b"});
    EXPECT_EQ(list->ItemIndex(), 1);
    AssignItems(*list, {u"a", u"b"});
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, ListBoxMessagesSentToTheListBoxAreAnsweredByTheInnerWindow) {
    EXPECT_EQ(SendMessageW(List->WindowHandle(), LB_GETCOUNT, 0, 0), 6);
    SendMessageW(List->WindowHandle(), LB_SETCURSEL, 3, 0);
    EXPECT_EQ(List->ItemIndex(), 3);
    EXPECT_EQ(SendMessageW(List->WindowHandle(), LB_GETCURSEL, 0, 0), 3);
    List->Clear();
    EXPECT_EQ(SendMessageW(List->WindowHandle(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, ItemPositionsAreInTheListBoxsClientCoordinates) {
    const vcl::TRect second = List->GetItemRectInContainer(1);
    const vcl::TRect inner = List->InnerListBox().ItemRect(1);
    EXPECT_EQ(second.Left, inner.Left + List->InnerListBox().Left());
    EXPECT_EQ(second.Top, inner.Top + List->InnerListBox().Top());
    EXPECT_EQ(List->ItemAtPos({second.Left + 2, second.Top + 1}, true), 1);
    EXPECT_EQ(List->ItemAtPos({second.Left + 2, List->Height() - 3}, true), -1) << "below the last item";
    EXPECT_EQ(List->ItemAtPos({second.Left + 2, List->Height() - 3}, false), 6);
}

TEST_F(ListBoxTest, TheDrawAndMeasureHandlersGetTheListBoxNotTheInnerWindow) {
    std::vector<int32_t> drawn;
    std::vector<int32_t> measured;
    List->SetOnDrawItem(
        [&](TuiListBox& control, TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState) {
            EXPECT_EQ(&control, List);
            canvas.FillRectColor(rect, vcl::clRed);
            drawn.push_back(index);
        });
    List->SetOnMeasureItem([&](TuiListBox& control, int32_t index, int32_t& height) {
        EXPECT_EQ(&control, List);
        height = 15 + index;
        measured.push_back(index);
    });
    List->SetListStyle(vcl::lbOwnerDrawVariable);
    List->InnerListBox().Repaint();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(measured.size(), 6u);
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(List->InnerListBox().ItemRect(2).Height(), 17);

    // Without the handler the inner list box measures alone again.
    List->SetOnMeasureItem({});
    EXPECT_FALSE(List->InnerListBox().OnMeasureItem());
}

TEST_F(ListBoxTest, AReadOnlyListBoxTakesTheFocusButKeepsItsSelectionAndEscapeResetsTheBinding) {
    List->SetItemIndex(2);
    List->SetReadOnly(true);
    EXPECT_TRUE(List->DataBinding().GetReadOnly());
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::Click(List->InnerListBox(), ItemCentre(4));
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), List->InnerListBox().WindowHandle());
    EXPECT_EQ(List->ItemIndex(), 2);
    ui_test::DoubleClick(List->InnerListBox(), ItemCentre(0));
    EXPECT_EQ(List->ItemIndex(), 2);

    for (const uint16_t key : {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END, VK_LEFT, VK_RIGHT}) {
        ui_test::PressKey(key);
        EXPECT_EQ(List->ItemIndex(), 2) << key;
    }
    Clock.TickCountValue += 1000;
    ui_test::TypeText(u"e");
    EXPECT_EQ(List->ItemIndex(), 2) << "typing does not search";
    EXPECT_EQ(List->InnerListBox().AutoCompleteFilter(), "");
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(List->Binding().Resets, 1);

    // Writable again, the same keys and letters move the selection.
    List->SetReadOnly(false);
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(List->ItemIndex(), 3);
    Clock.TickCountValue += 1000;
    ui_test::TypeText(u"e");
    EXPECT_EQ(List->ItemIndex(), 4);
    ui_test::Click(List->InnerListBox(), ItemCentre(1));
    EXPECT_EQ(List->ItemIndex(), 1);
}

TEST_F(ListBoxTest, ACommitThatFailsOnExitTakesTheFocusBackAndReachesTheCallerWithoutOnExit) {
    Focus();
    List->Binding().FailCommit = true;
    std::vector<std::exception_ptr> raised;
    const vcl::TExceptionHandler previous =
        vcl::SetExceptionHandler([&raised](rtl::TObject*, std::exception_ptr error) { raised.push_back(error); });
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    vcl::SetExceptionHandler(previous);

    ASSERT_EQ(raised.size(), 1u);
    EXPECT_THROW(std::rethrow_exception(raised[0]), EBindingCommitFailure);
    EXPECT_EQ(GetFocus(), List->InnerListBox().WindowHandle());
    EXPECT_EQ(Exits, 0);

    List->Binding().FailCommit = false;
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Other->WindowHandle());
    EXPECT_EQ(Exits, 1);
}

class IntegralHeightTest : public ListBoxTest {
protected:
    void SetUp() override {
        ListBoxTest::SetUp();
        List->SetListStyle(vcl::lbOwnerDrawFixed);
        List->SetItemHeight(ItemHeight);
        List->SetIntegralHeight(true);
        ui_test::ProcessPendingMessages();
    }
    // The frame around the inner list box, top and bottom.
    int32_t FrameHeight() const { return List->Height() - List->InnerListBox().Height(); }

    static constexpr int32_t ItemHeight = 20;
};

TEST_F(IntegralHeightTest, AHeightBetweenTwoItemBoundariesSnapsDownAndOneBelowTheFirstItemSnapsUp) {
    const int32_t frame = FrameHeight();
    List->SetHeight(frame + 3 * ItemHeight + 7);
    EXPECT_EQ(List->Height(), frame + 3 * ItemHeight);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(List->InnerListBox().Height(), 3 * ItemHeight);
    List->SetHeight(frame + 4 * ItemHeight);
    EXPECT_EQ(List->Height(), frame + 4 * ItemHeight);
    List->SetHeight(5);
    EXPECT_EQ(List->Height(), frame + ItemHeight);
}

TEST_F(IntegralHeightTest, TheHorizontalBarCountsWhenTheClientIsNarrowerThanScrollWidthPlusFour) {
    const int32_t frame = FrameHeight();
    const int32_t bar = GetSystemMetrics(SM_CYHSCROLL);
    List->SetScrollWidth(List->Width());
    List->SetHeight(frame + 3 * ItemHeight + bar + 7);
    EXPECT_EQ(List->Height(), frame + 3 * ItemHeight + bar);
    List->SetScrollWidth(0);
    List->SetHeight(frame + 3 * ItemHeight + bar + 7);
    EXPECT_EQ(List->Height(), frame + 4 * ItemHeight);
}

TEST_F(IntegralHeightTest, AListAlignedToTheClientAreaOrNotIntegralIsNotSnapped) {
    const int32_t frame = FrameHeight();
    List->SetIntegralHeight(false);
    List->SetHeight(frame + 2 * ItemHeight + 7);
    EXPECT_EQ(List->Height(), frame + 2 * ItemHeight + 7);
    List->SetIntegralHeight(true);
    EXPECT_EQ(List->Height(), frame + 2 * ItemHeight) << "switched on, the height snaps at once";

    List->SetAlign(vcl::alClient);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(List->Height(), Form->ClientHeight());
}

} // namespace
} // namespace ui
