// The filter control's rows and the filter behind them: new rows, their changes, the filter they write, the link that
// applies it, and ".flt" files.

#include "rtl/core/Exceptions.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/editors/filtercontrol/FilterControlTestSupport.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "vcl/menus/Menus.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui_test::FilterControlTest;
using ui_test::NameIndex;
using ui_test::PriceIndex;
using ui_test::QtyIndex;

const ui::TuiFilterCriteriaItem& FilterCondition(const ui::TuiFilterCriteriaItemList& list, int32_t index) {
    return dynamic_cast<const ui::TuiFilterCriteriaItem&>(*list.GetItem(index));
}

std::vector<int32_t> IntegerValues(const ui::TuiConditionViewInfo& condition) {
    std::vector<int32_t> values;
    for (int32_t index = 0; index < condition.Values().Count(); ++index) {
        values.push_back(static_cast<int32_t>(rtl::VarToInt64(condition.Values().Value(index).Value)));
    }
    return values;
}

std::vector<int32_t> ArrayValues(const rtl::Variant& value) {
    std::vector<int32_t> values;
    for (int32_t index = value.ArrayLowBound(); index <= value.ArrayHighBound(); ++index) {
        values.push_back(static_cast<int32_t>(rtl::VarToInt64(value.ArrayElement(index))));
    }
    return values;
}

TEST_F(FilterControlTest, ANewConditionTakesTheFirstItemWithLikeForTextAndEqualsOtherwise) {
    ui::TuiConditionViewInfo& condition = Control->AddConditionRow(Control->Root());
    EXPECT_EQ(condition.ItemIndex(), NameIndex);
    EXPECT_EQ(condition.ItemText(), u"Customer");
    EXPECT_EQ(condition.Operator(), ui::fcopLike);
    ASSERT_EQ(condition.Values().Count(), 1);
    EXPECT_TRUE(condition.Values().Value(0).Value.IsNull());
    EXPECT_EQ(Control->FocusedRow(), &condition);
    EXPECT_EQ(Control->FocusedPart(), ui::fcpItem);
    for (const int32_t item : {PriceIndex, QtyIndex}) {
        Control->SetConditionItem(condition, item);
        EXPECT_EQ(condition.Operator(), ui::fcopEqual) << item;
        EXPECT_EQ(Control->FocusedPart(), ui::fcpOperator);
    }
    Control->SetConditionOperator(condition, ui::fcopBetween);
    ASSERT_EQ(condition.Values().Count(), 2);
    EXPECT_TRUE(condition.Values().Value(0).Value.IsNull() && condition.Values().Value(1).Value.IsNull());
    EXPECT_EQ(Control->FocusedPart(), ui::fcpValue);
    EXPECT_EQ(Control->FocusedValue(), 0);
}

TEST_F(FilterControlTest, WithSortItemsANewConditionTakesTheItemWhoseCaptionSortsFirst) {
    Link->Captions[QtyIndex] = u"amount";
    EXPECT_EQ(Control->AddConditionRow(Control->Root()).ItemIndex(), NameIndex);
    Control->SetSortItems(true);
    ui::TuiConditionViewInfo& sorted = Control->AddConditionRow(Control->Root());
    EXPECT_EQ(sorted.ItemIndex(), QtyIndex);
    EXPECT_EQ(sorted.Operator(), ui::fcopEqual) << "an Integer item has no like";
}

TEST_F(FilterControlTest, AddGroupOfTheRowMenuAddsAnAndGroupHoldingOneConditionFocusedAtItsItem) {
    ui_test::PressMenuKeysLater(Form->Handle(), {VK_DOWN, VK_DOWN, VK_RETURN});
    Control->ShowRowMenu(Control->Root());
    EXPECT_EQ(Control->OpenSelector(), ui::fcsNone);
    ASSERT_EQ(Control->RowCount(), 3);
    ui::TuiGroupViewInfo& group = GroupAt(1);
    EXPECT_EQ(group.Parent(), &Control->Root());
    EXPECT_EQ(group.BoolOperator(), ui::fboAnd);
    ASSERT_EQ(group.RowCount(), 1);
    EXPECT_EQ(&group.Row(0), &ConditionAt(2));
    EXPECT_EQ(Control->FocusedRow(), &ConditionAt(2));
    EXPECT_EQ(Control->FocusedPart(), ui::fcpItem);

    ui_test::PressMenuKeysLater(Form->Handle(), {VK_DOWN, VK_RETURN});
    Control->ShowRowMenu(ConditionAt(2));
    ASSERT_EQ(Control->RowCount(), 4) << "a condition's menu adds to the condition's group";
    EXPECT_EQ(&ConditionAt(3).OwnGroup(), &group);
}

TEST_F(FilterControlTest, TheRootsLastMenuEntryClearsAllAndHidesWithTheSeparatorWhileTheRootIsEmpty) {
    vcl::TMenuItem& items = Control->RowMenu().Items();
    ui_test::PressMenuKeysLater(Form->Handle(), {VK_ESCAPE});
    Control->ShowRowMenu(Control->Root());
    EXPECT_EQ(items.Items(3)->Caption(), u"Clear &All");
    EXPECT_FALSE(items.Items(2)->Visible());
    EXPECT_FALSE(items.Items(3)->Visible());
    ui::TuiConditionViewInfo& condition = AddCondition(PriceIndex, ui::fcopGreater);
    ui_test::PressMenuKeysLater(Form->Handle(), {VK_ESCAPE});
    Control->ShowRowMenu(condition);
    EXPECT_EQ(items.Items(0)->Caption(), u"Add &Condition");
    EXPECT_EQ(items.Items(1)->Caption(), u"Add &Group");
    EXPECT_EQ(items.Items(3)->Caption(), u"&Remove Row");
    EXPECT_TRUE(items.Items(3)->Visible());
    ui_test::PressMenuKeysLater(Form->Handle(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    Control->ShowRowMenu(Control->Root());
    EXPECT_TRUE(items.Items(2)->Visible());
    EXPECT_EQ(Control->RowCount(), 1) << "Clear All";
    EXPECT_EQ(Control->FocusedRow(), &Control->Root());
    EXPECT_EQ(Control->FocusedPart(), ui::fcpBoolOperator);
}

TEST_F(FilterControlTest, TheRowsWriteRangesInOrderListsAsArraysAndBlankTestsAsBlank) {
    SetValues(AddCondition(PriceIndex, ui::fcopBetween), {10, 5});
    SetValues(AddCondition(QtyIndex, ui::fcopInList), {1, 2, 3});
    AddCondition(NameIndex, ui::fcopBlanks);
    Control->SetGroupBoolOperator(Control->Root(), ui::fboOr);
    rtl::TStringStream stream;
    Control->SaveToStream(stream);
    const ui::TuiFilterCriteriaItemList& root = Control->Criteria().Root();
    EXPECT_EQ(root.BoolOperator(), ui::fboOr);
    ASSERT_EQ(root.GetCount(), 3);
    const ui::TuiFilterCriteriaItem& range = FilterCondition(root, 0);
    EXPECT_EQ(range.OperatorKind(), ui::fokBetween);
    EXPECT_EQ(range.ItemLink(), Link->Criteria.PriceItem());
    EXPECT_EQ(ArrayValues(range.Value()), (std::vector<int32_t>{5, 10}));
    EXPECT_EQ(range.DisplayValue(), u"5;10");
    const ui::TuiFilterCriteriaItem& list = FilterCondition(root, 1);
    EXPECT_EQ(list.OperatorKind(), ui::fokInList);
    EXPECT_EQ(ArrayValues(list.Value()), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(list.DisplayValue(), u"1;2;3");
    const ui::TuiFilterCriteriaItem& blank = FilterCondition(root, 2);
    EXPECT_EQ(blank.OperatorKind(), ui::fokEqual);
    EXPECT_TRUE(blank.Value().IsNull());
    EXPECT_EQ(blank.DisplayValue(), u"blank");
}

TEST_F(FilterControlTest, WithAConditionLackingItsItemTheStreamHoldsThePreviousFilter) {
    SetValues(AddCondition(PriceIndex, ui::fcopGreater), {7});
    rtl::TStringStream complete;
    Control->SaveToStream(complete);
    Link->AddNotesItem(&Link->NameProperties, u"");
    ui::TuiConditionViewInfo& incomplete = Control->AddConditionRow(Control->Root());
    Control->SetConditionItem(incomplete, 3);
    EXPECT_FALSE(Control->RowsReady());
    rtl::TStringStream written;
    Control->SaveToStream(written);
    EXPECT_EQ(written.DataString(), complete.DataString());
    EXPECT_EQ(Control->Criteria().Root().GetCount(), 1);
}

TEST_F(FilterControlTest, AnOperatorKeepsTheValuesItTakesAndANewItemResetsThem) {
    ui::TuiConditionViewInfo& condition = AddCondition(PriceIndex, ui::fcopInList);
    SetValues(condition, {1, 2, 3});
    Control->SetConditionOperator(condition, ui::fcopBetween);
    EXPECT_EQ(IntegerValues(condition), (std::vector<int32_t>{1, 2}));
    Control->SetConditionOperator(condition, ui::fcopEqual);
    EXPECT_EQ(IntegerValues(condition), (std::vector<int32_t>{1}));
    Control->SetConditionOperator(condition, ui::fcopBlanks);
    EXPECT_FALSE(condition.TakesValues());
    ASSERT_EQ(condition.Values().Count(), 1);
    EXPECT_TRUE(condition.Values().Value(0).Value.IsNull()) << "one hidden empty value";
    Control->SetConditionOperator(condition, ui::fcopInList);
    SetValues(condition, {4, 5});
    Control->SetConditionItem(condition, NameIndex);
    EXPECT_EQ(condition.Operator(), ui::fcopLike);
    ASSERT_EQ(condition.Values().Count(), 1);
    EXPECT_TRUE(condition.Values().Value(0).Value.IsNull());
}

TEST_F(FilterControlTest, CtrlDeleteRemovesAnInValueAndOnALoneValueTheRow) {
    ui::TuiConditionViewInfo& condition = AddCondition(PriceIndex, ui::fcopInList);
    SetValues(condition, {1, 2, 3});
    Control->FocusPart(&condition, ui::fcpValue, 1);
    ui_test::PressKey(VK_DELETE, {vcl::ssCtrl});
    EXPECT_EQ(IntegerValues(condition), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(Control->FocusedValue(), 0);
    ui_test::PressKey(VK_DELETE, {vcl::ssCtrl});
    EXPECT_EQ(IntegerValues(condition), (std::vector<int32_t>{3}));
    EXPECT_EQ(Control->FocusedValue(), 0) << "the new first value";
    ui_test::PressKey(VK_DELETE, {vcl::ssCtrl});
    EXPECT_EQ(Control->RowCount(), 1);
    EXPECT_EQ(Control->FocusedRow(), &Control->Root());
    EXPECT_EQ(Control->FocusedPart(), ui::fcpBoolOperator);
}

TEST_F(FilterControlTest, RemovingANestedGroupsOnlyConditionRemovesTheGroupAndTheRowBeforeTakesTheFocus) {
    ui::TuiConditionViewInfo& first = AddCondition(NameIndex, ui::fcopLike);
    ui::TuiGroupViewInfo& outer = Control->AddGroupRow(Control->Root()).OwnGroup();
    ui::TuiConditionViewInfo& inner = Control->AddGroupRow(outer);
    ASSERT_EQ(Control->RowCount(), 6);
    Control->RemoveRow(inner);
    ASSERT_EQ(Control->RowCount(), 4) << "the inner group went, and its parent keeps a condition";
    EXPECT_EQ(Control->FocusedRow(), &ConditionAt(3));
    EXPECT_EQ(Control->FocusedPart(), ui::fcpItem);
    Control->RemoveRow(ConditionAt(3));
    ASSERT_EQ(Control->RowCount(), 2) << "the emptied group went with it";
    EXPECT_EQ(Control->FocusedRow(), &first);
    Control->RemoveRow(Control->Root());
    EXPECT_EQ(Control->RowCount(), 2) << "the root stays";
}

TEST_F(FilterControlTest, AComponentWithoutTheInterfaceReadsAsNoLinkAndAFreedLinkClearsTheControl) {
    Link->Criteria.AddItem(nullptr, Link->Criteria.PriceItem(), ui::fokGreater, rtl::Variant(7), u"7");
    Control->SetLinkComponent(nullptr);
    EXPECT_EQ(Control->RowCount(), 1);
    Control->SetLinkComponent(Link);
    ASSERT_EQ(Control->RowCount(), 2) << "the link's filter";
    EXPECT_EQ(ConditionAt(1).Operator(), ui::fcopGreater);
    EXPECT_EQ(IntegerValues(ConditionAt(1)), (std::vector<int32_t>{7}));
    EXPECT_EQ(ConditionAt(1).Values().Value(0).DisplayText, u"7");
    Control->SetLinkComponent(Form.get());
    EXPECT_EQ(Control->LinkComponent(), nullptr);
    EXPECT_EQ(Control->GetLinkInterface(), nullptr);
    EXPECT_EQ(Control->RowCount(), 1);
    const rtl::TInterfacePtr<ui::ILinkableFilterControl> linkable =
        rtl::Supports<ui::ILinkableFilterControl>(static_cast<rtl::TComponent*>(Control));
    ASSERT_TRUE(linkable);
    linkable->AttachLinkComponent(Link);
    EXPECT_EQ(Control->LinkComponent(), Link);
    ASSERT_EQ(Control->RowCount(), 2);
    rtl::TComponent::Free(Link);
    EXPECT_EQ(Control->LinkComponent(), nullptr);
    EXPECT_EQ(Control->RowCount(), 1);
    EXPECT_TRUE(Control->Criteria().HasNoConditions());
}

TEST_F(FilterControlTest, ApplyFilterReachesTheLinkAsOneChangeAndTheRowsShowWhatWasApplied) {
    SetValues(AddCondition(PriceIndex, ui::fcopGreater), {7});
    Link->Criteria.Changes = 0;
    int applied = 0;
    Control->SetOnApplyFilter([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, Control);
        EXPECT_EQ(Link->Criteria.Changes, 0) << "reported after the handler";
        ++applied;
        Link->Criteria.AddItem(nullptr, Link->Criteria.QtyItem(), ui::fokLess, rtl::Variant(3), u"3");
    });
    Control->ApplyFilter();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(Link->Criteria.Changes, 1);
    const ui::TuiFilterCriteriaItemList& root = Link->Criteria.Root();
    ASSERT_EQ(root.GetCount(), 2);
    EXPECT_EQ(FilterCondition(root, 0).ItemLink(), Link->Criteria.PriceItem());
    EXPECT_EQ(FilterCondition(root, 0).OperatorKind(), ui::fokGreater);
    ASSERT_EQ(Control->RowCount(), 3) << "the rows show the handler's condition too";
    EXPECT_EQ(ConditionAt(2).ItemIndex(), QtyIndex);

    Control->SetOnApplyFilter([&](rtl::TObject*) {
        Link->Criteria.AddItem(nullptr, Link->Criteria.NameItem(), ui::fokLike, rtl::Variant(u"a%"), u"a%");
        throw rtl::Exception(u"refused");
    });
    EXPECT_THROW(Control->ApplyFilter(), rtl::Exception);
    EXPECT_EQ(Link->Criteria.Changes, 2);
    ASSERT_EQ(Control->RowCount(), 4) << "the applied rows and the handler's condition";
    EXPECT_EQ(ConditionAt(3).Operator(), ui::fcopLike);
}

TEST_F(FilterControlTest, LoadingWithoutLinkItemsRaisesAndAFailedLoadKeepsTheRows) {
    SetValues(AddCondition(PriceIndex, ui::fcopGreater), {7});
    rtl::TStringStream garbage("not a filter");
    EXPECT_ANY_THROW(Control->LoadFromStream(garbage));
    ASSERT_EQ(Control->RowCount(), 2);
    EXPECT_EQ(IntegerValues(ConditionAt(1)), (std::vector<int32_t>{7}));
    Control->SetLinkComponent(nullptr);
    rtl::TStringStream stream;
    Link->Criteria.SaveToStream(stream);
    stream.SetPosition(0);
    const std::string message = test_support::MessageOf([&] { Control->LoadFromStream(stream); });
    EXPECT_EQ(message, "Can't build filter from source");
}

TEST_F(FilterControlTest, AnotherViewsFileLoadsEmptyAndSaveThenLoadKeepsTheFilterText) {
    ui::test::TTestFilterCriteria other;
    other.Items[0]->Name = u"Region";
    other.Items[0]->ID = 9;
    other.AddItem(nullptr, other.NameItem(), ui::fokEqual, rtl::Variant(u"north"), u"north");
    rtl::TStringStream otherView;
    other.SaveToStream(otherView);
    otherView.SetPosition(0);
    AddCondition(NameIndex, ui::fcopLike);
    Control->LoadFromStream(otherView);
    EXPECT_EQ(Control->RowCount(), 1);

    SetValues(AddCondition(PriceIndex, ui::fcopBetween), {3, 9});
    ui::TuiConditionViewInfo& list = Control->AddGroupRow(Control->Root());
    Control->SetConditionItem(list, QtyIndex);
    Control->SetConditionOperator(list, ui::fcopNotInList);
    SetValues(list, {1, 2});
    const test_support::TTempFile file(u"saved.flt", {});
    Control->SaveToFile(file.Name());
    const rtl::UnicodeString text = Control->FilterText();
    EXPECT_FALSE(text.empty());
    Control->ClearAll();
    Control->LoadFromFile(file.Name());
    EXPECT_EQ(Control->FilterText(), text);
    EXPECT_EQ(Control->RowCount(), 4);
}

TEST_F(FilterControlTest, ASaveThatFailsOnTheOpenEditorsValueLeavesTheFileAsItWas) {
    const test_support::TTempFile file(u"kept.flt", {'o', 'l', 'd'});
    ui::TuiConditionViewInfo& quantity = AddCondition(QtyIndex, ui::fcopEqual);
    Control->EditValue(quantity, 0, ui::vaKey, u'a');
    ASSERT_NE(Control->ValueEditor(), nullptr);
    ui_test::TypeText(u"bc");
    EXPECT_THROW(Control->SaveToFile(file.Name()), ui::EuiFilterControlError);
    EXPECT_TRUE(Control->IsValueInvalid());
    rtl::TFileStream kept(file.Name(), rtl::fmOpenRead);
    EXPECT_EQ(kept.Size(), 3);
}

} // namespace
