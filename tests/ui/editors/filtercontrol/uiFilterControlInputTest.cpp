// The filter control driven as a user drives it: the focus moved with the keys, clicks on the parts, the selector
// combo box over a bool operator, item or operator, and the in-place value editor.

#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/ui/editors/filtercontrol/FilterControlTestSupport.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/framework/control/uiCustomEdit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui_test::FilterControlTest;
using ui_test::NameIndex;
using ui_test::PriceIndex;
using ui_test::QtyIndex;

// Where the focus is: the row's index (the row count for the footer), the part and the value.
struct TFocus {
    int32_t Row;
    ui::TuiFilterControlPart Part;
    int32_t Value = -1;
    friend bool operator==(const TFocus&, const TFocus&) = default;
};

std::ostream& operator<<(std::ostream& out, const TFocus& focus) {
    return out << "row " << focus.Row << " part " << int(focus.Part) << " value " << focus.Value;
}

class FilterControlInput : public FilterControlTest {
protected:
    TFocus Focus() const {
        const int32_t row = Control->FocusedPart() == ui::fcpAddCondition ? Control->RowCount()
                                                                          : Control->IndexOfRow(Control->FocusedRow());
        return {row, Control->FocusedPart(), Control->FocusedValue()};
    }
    std::vector<rtl::UnicodeString> SelectorItems() const {
        std::vector<rtl::UnicodeString> items;
        const rtl::TStringList& list = Control->Selector().ComboBoxProperties().Items();
        for (int32_t index = 0; index < list.Count(); ++index) {
            items.push_back(list.Get(index));
        }
        return items;
    }
    void WaitForSelector() {
        ASSERT_TRUE(ui_test::PumpUntil([this] { return Control->Selector().DroppedDown(); }));
    }
    rtl::UnicodeString EditorText() const { return Control->ValueEditor()->GetDisplayText(); }
};

TEST_F(FilterControlInput, ArrowsAndTabsWalkThePartsRowsAndTheFooter) {
    Control->SetWantTabs(true);
    AddCondition(PriceIndex, ui::fcopBetween);
    SetValues(AddCondition(QtyIndex, ui::fcopInList), {1, 2});
    AddCondition(NameIndex, ui::fcopBlanks);
    Control->FocusPart(&Control->Root(), ui::fcpButton);
    struct TStep {
        uint16_t Key;
        vcl::TShiftState Shift;
        TFocus Expected;
    };
    const vcl::TShiftState none;
    const vcl::TShiftState shifted{vcl::ssShift};
    const TStep steps[] = {
        {VK_RIGHT, none, {0, ui::fcpBoolOperator}},
        {VK_RIGHT, none, {0, ui::fcpBoolOperator}}, // only Tab leaves a row
        {VK_TAB, none, {1, ui::fcpButton}},
        {VK_RIGHT, none, {1, ui::fcpItem}},
        {VK_RIGHT, none, {1, ui::fcpOperator}},
        {VK_RIGHT, none, {1, ui::fcpValue, 0}},
        {VK_RIGHT, none, {1, ui::fcpValue, 1}},
        {VK_TAB, none, {2, ui::fcpButton}},
        {VK_DOWN, none, {3, ui::fcpItem}},
        {VK_UP, none, {2, ui::fcpItem}},
        {VK_TAB, none, {2, ui::fcpOperator}},
        {VK_TAB, none, {2, ui::fcpValue, 0}},
        {VK_TAB, none, {2, ui::fcpValue, 1}},
        {VK_TAB, none, {2, ui::fcpAddValue}},
        {VK_LEFT, none, {2, ui::fcpValue, 1}},
        {VK_DOWN, none, {3, ui::fcpItem}},
        {VK_RIGHT, none, {3, ui::fcpOperator}},
        {VK_RIGHT, none, {3, ui::fcpOperator}}, // "is blank" takes no value
        {VK_TAB, none, {4, ui::fcpAddCondition}},
        {VK_TAB, none, {4, ui::fcpAddCondition}}, // Tab stays on the footer
        {VK_DOWN, none, {4, ui::fcpAddCondition}},
        {VK_RIGHT, none, {3, ui::fcpItem}},
        {VK_DOWN, none, {4, ui::fcpAddCondition}},
        {VK_TAB, shifted, {3, ui::fcpOperator}},
        {VK_UP, none, {2, ui::fcpItem}},
        {VK_LEFT, none, {2, ui::fcpButton}},
        {VK_TAB, shifted, {1, ui::fcpValue, 1}},
        {VK_LEFT, none, {1, ui::fcpValue, 0}},
        {VK_LEFT, none, {1, ui::fcpOperator}},
        {VK_UP, none, {0, ui::fcpBoolOperator}},
        {VK_UP, none, {0, ui::fcpBoolOperator}}, // nothing above the root
    };
    for (const TStep& step : steps) {
        ui_test::PressKey(step.Key, step.Shift);
        EXPECT_EQ(Focus(), step.Expected) << "key " << step.Key;
    }
}

TEST_F(FilterControlInput, CtrlTabLeavesTheControlAndInsertAddsAConditionToTheFocusedRowsGroup) {
    Control->SetWantTabs(true);
    vcl::TEdit* other = ui_test::PlaceFocusTaker(*Form);
    other->SetTop(275);
    ui::TuiConditionViewInfo& nested = Control->AddGroupRow(Control->Root());
    ui_test::PressKey(VK_INSERT);
    ASSERT_EQ(Control->RowCount(), 4);
    EXPECT_EQ(ConditionAt(3).Parent(), nested.Parent());
    EXPECT_EQ(Focus(), (TFocus{3, ui::fcpItem}));
    Control->FocusPart(&Control->Root(), ui::fcpBoolOperator);
    ui_test::PressKey(VK_INSERT);
    EXPECT_EQ(ConditionAt(4).Parent(), &Control->Root()) << "a group row adds to itself";
    ui_test::PressKey(VK_TAB, {vcl::ssCtrl});
    EXPECT_FALSE(Control->Focused());
    EXPECT_TRUE(other->Focused());
}

TEST_F(FilterControlInput, AClickFocusesAPartAndOpensItAndTheFooterAndPlusButtonsAdd) {
    ui::TuiConditionViewInfo& list = AddCondition(QtyIndex, ui::fcopInList);
    ClickPart(nullptr, ui::fcpAddCondition);
    ASSERT_EQ(Control->RowCount(), 3);
    EXPECT_EQ(Focus(), (TFocus{2, ui::fcpItem}));
    ClickPart(&list, ui::fcpAddValue);
    EXPECT_EQ(list.Values().Count(), 2);
    ClickPart(&list, ui::fcpOperator);
    EXPECT_EQ(Control->OpenSelector(), ui::fcsOperatorList);
    EXPECT_EQ(Focus(), (TFocus{1, ui::fcpOperator}));
    WaitForSelector();
    ui_test::PressKey(VK_ESCAPE);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Control->OpenSelector(), ui::fcsNone);
    EXPECT_EQ(list.Operator(), ui::fcopInList);
    EXPECT_TRUE(Control->Focused());
    Control->SetLinkComponent(nullptr);
    ClickPart(nullptr, ui::fcpAddCondition);
    EXPECT_EQ(Control->RowCount(), 1) << "without link items clicks are ignored";
}

TEST_F(FilterControlInput, TheItemSelectorCoversThePartListsTheItemsThatCanFilterAndSpaceChooses) {
    ui::TuiCustomEditProperties plain(nullptr);
    Link->AddNotesItem(&plain);
    ui::TuiConditionViewInfo& condition = AddCondition(NameIndex, ui::fcopLike);
    Control->FocusPart(&condition, ui::fcpItem);
    ui_test::PressKey(VK_RETURN);
    ASSERT_EQ(Control->OpenSelector(), ui::fcsItemList);
    WaitForSelector();
    EXPECT_EQ(Control->Selector().BoundsRect(), condition.ItemRect());
    EXPECT_EQ(SelectorItems(), (std::vector<rtl::UnicodeString>{u"Customer", u"Unit price"}));
    EXPECT_EQ(Control->Selector().ComboBoxProperties().DropDownRows(), 2);
    EXPECT_EQ(Control->Selector().GetItemIndex(), 0);
    ui_test::PressKey(VK_DOWN);
    ui_test::PressKey(VK_SPACE);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Control->OpenSelector(), ui::fcsNone);
    EXPECT_FALSE(Control->Selector().Visible());
    EXPECT_EQ(condition.ItemIndex(), PriceIndex);
    EXPECT_EQ(condition.Operator(), ui::fcopEqual);
    EXPECT_EQ(Focus(), (TFocus{1, ui::fcpOperator}));
    EXPECT_TRUE(Control->Focused());
}

TEST_F(FilterControlInput, TheOperatorSelectorListsTheSupportedOperatorsInNumberOrderUpToTwelveRows) {
    ui::TuiConditionViewInfo& text = AddCondition(NameIndex, ui::fcopLike);
    Control->EditOperator(text);
    WaitForSelector();
    std::vector<rtl::UnicodeString> expected;
    for (int32_t number = ui::fcopEqual; number <= ui::fcopNotInList; ++number) {
        expected.push_back(ui::GetFilterOperatorCaption(number));
    }
    EXPECT_EQ(SelectorItems(), expected);
    EXPECT_EQ(Control->Selector().ComboBoxProperties().DropDownRows(), 12);
    EXPECT_EQ(Control->Selector().GetItemIndex(), ui::fcopLike - 1);
    ui_test::PressKey(VK_DOWN);
    ui_test::PressKey(VK_RETURN);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(text.Operator(), ui::fcopNotLike);
    EXPECT_EQ(Focus(), (TFocus{1, ui::fcpValue, 0}));

    Link->Criteria.SetLikeAvailable(false);
    Control->SetLinkComponent(nullptr);
    Control->SetLinkComponent(Link);
    ui::TuiConditionViewInfo& withoutLike = Control->AddConditionRow(Control->Root());
    EXPECT_EQ(withoutLike.Operator(), ui::fcopEqual);
    Control->EditOperator(withoutLike);
    WaitForSelector();
    std::erase(expected, ui::GetFilterOperatorCaption(ui::fcopLike));
    std::erase(expected, ui::GetFilterOperatorCaption(ui::fcopNotLike));
    EXPECT_EQ(SelectorItems(), expected);
    ui_test::PressKey(VK_ESCAPE);
}

TEST_F(FilterControlInput, TheBoolOperatorSelectorSetsTheGroupsOperator) {
    Control->EditBoolOperator(Control->Root());
    WaitForSelector();
    EXPECT_EQ(SelectorItems(), (std::vector<rtl::UnicodeString>{u"AND", u"OR", u"NOT AND", u"NOT OR"}));
    ui_test::PressKey(VK_DOWN);
    ui_test::PressKey(VK_DOWN);
    ui_test::PressKey(VK_RETURN);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Control->Root().BoolOperator(), ui::fboNotAnd);
    EXPECT_EQ(Control->Root().BoolOperatorText(), u"NOT AND");
}

TEST_F(FilterControlInput, TypingOnAValueOpensItsEditorWithTheCharacterAndTheEditorsKeysEndIt) {
    ui::TuiConditionViewInfo& first = AddCondition(PriceIndex, ui::fcopEqual);
    AddCondition(PriceIndex, ui::fcopEqual);
    Control->FocusPart(&first, ui::fcpValue, 0);
    ui_test::TypeText(u"5");
    ASSERT_NE(Control->ValueEditor(), nullptr);
    EXPECT_EQ(Control->OpenSelector(), ui::fcsValueEditor);
    EXPECT_EQ(EditorText(), u"5");
    EXPECT_EQ(Control->ValueEditor()->BoundsRect(), first.Values().Value(0).ValueRect);
    ui_test::TypeText(u"2");
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Control->ValueEditor(), nullptr);
    EXPECT_TRUE(Control->Focused());
    EXPECT_EQ(rtl::VarToInt64(first.Values().Value(0).Value), 52);
    ui_test::TypeText(u"7");
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(Control->ValueEditor(), nullptr);
    EXPECT_EQ(rtl::VarToInt64(first.Values().Value(0).Value), 52) << "Esc cancels";
    ui_test::TypeText(u"8");
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(Control->ValueEditor(), nullptr);
    EXPECT_EQ(rtl::VarToInt64(first.Values().Value(0).Value), 8) << "Down accepts";
    EXPECT_EQ(Focus(), (TFocus{2, ui::fcpItem}));
    Control->FocusPart(&ConditionAt(2), ui::fcpValue, 0);
    ui_test::PressKey(VK_SPACE);
    ASSERT_NE(Control->ValueEditor(), nullptr) << "Space opens the focused part";
    ui_test::TypeText(u"9");
    ui_test::PressKey(VK_UP);
    EXPECT_EQ(rtl::VarToInt64(ConditionAt(2).Values().Value(0).Value), 9) << "Up accepts";
    EXPECT_EQ(Focus(), (TFocus{1, ui::fcpItem}));
}

TEST_F(FilterControlInput, AnInvalidValueKeepsTheEditorOpenAndClicksAreIgnoredUntilItIsCorrected) {
    ui_test::TRecordedMessageBoxes boxes;
    ui::TuiConditionViewInfo& quantity = AddCondition(QtyIndex, ui::fcopEqual);
    Control->FocusPart(&quantity, ui::fcpValue, 0);
    ui_test::TypeText(u"abc");
    ui_test::PressKey(VK_RETURN);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, u"Invalid value.") << "the application's error box ends the message";
    ASSERT_NE(Control->ValueEditor(), nullptr);
    EXPECT_TRUE(Control->IsValueInvalid());
    ClickPart(nullptr, ui::fcpAddCondition);
    EXPECT_EQ(Control->RowCount(), 2) << "the click was ignored";
    EXPECT_NE(Control->ValueEditor(), nullptr);
    Control->ValueEditor()->SelectAll();
    ui_test::TypeText(u"12");
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Control->ValueEditor(), nullptr);
    EXPECT_FALSE(Control->IsValueInvalid());
    EXPECT_EQ(rtl::VarToInt64(quantity.Values().Value(0).Value), 12);
    ClickPart(nullptr, ui::fcpAddCondition);
    EXPECT_EQ(Control->RowCount(), 3);
}

} // namespace
