#include "ui/editors/filterdialog/uiFilterDialog.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/data/filter/FilterTestSupport.h"
#include "tests/ui/editors/filterdialog/ScriptedFilterDialog.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filterdialog/uiFilterDialogFit.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/extctrls/Bevel.h"
#include "vcl/graphics/Font.h"
#include "vcl/stdctrls/Label.h"
#include "vcl/stdctrls/RadioButton.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using ui::TuiFilterDialog;
using ui::test::TTestFilterCriteria;
using ui_test::PickOperator;
using ui_test::TScriptedFilterDialog;
using ui_test::TypeValue;

std::vector<int32_t> OfferedOperators(const TuiFilterDialog& dialog, int32_t row) {
    std::vector<int32_t> numbers;
    const int32_t count = dialog.OperatorCombo(row).ComboBoxProperties().Items().Count();
    for (int32_t index = 0; index < count; ++index) {
        dialog.OperatorCombo(row).SetItemIndex(index);
        numbers.push_back(dialog.RowOperator(row));
    }
    return numbers;
}

const ui::TuiFilterCriteriaItem& ConditionAt(const ui::TuiFilterCriteriaItemList& list, int32_t index) {
    const auto* condition = dynamic_cast<const ui::TuiFilterCriteriaItem*>(list.GetItem(index));
    if (condition == nullptr) {
        throw std::runtime_error("no condition there");
    }
    return *condition;
}

// A Name column of text and a Price column of currency, their helpers registered as the editors' start-up does.
class FilterDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::InitializeTextEditUnit();
        ui::InitializeCurrencyEditUnit();
    }
    void TearDown() override {
        ui::FinalizeCurrencyEditUnit();
        ui::FinalizeTextEditUnit();
    }
    bool ShowForName(const ui::TuiValueType& valueType = ui::TuiStringValueType::Instance()) {
        return ui::ShowCustomFilterDialog(Criteria, Criteria.NameItem(), NameProperties, u"Customer", &valueType,
                                          nullptr, nullptr);
    }
    bool ShowForPrice() {
        return ui::ShowCustomFilterDialog(Criteria, Criteria.PriceItem(), PriceProperties, u"Unit price",
                                          &ui::TuiCurrencyValueType::Instance(), nullptr, nullptr);
    }

    TTestFilterCriteria Criteria;
    ui::TuiTextEditProperties NameProperties{nullptr};
    ui::TuiCurrencyEditProperties PriceProperties{nullptr};
};

TEST_F(FilterDialogTest, ATextColumnStartsWithLikeAndTheChosenConditionReplacesTheColumnsConditionsInOneChange) {
    Criteria.AddItem(nullptr, Criteria.NameItem(), ui::fokEqual, rtl::Variant(u"old"), u"old");
    Criteria.AddItem(nullptr, Criteria.QtyItem(), ui::fokGreater, rtl::Variant(3), u"3");
    Criteria.Changes = 0;
    bool loadedEquals = false;
    bool hintsLoaded = true;
    bool hintsWithEquals = true;
    TScriptedFilterDialog dialogs({
        [&](TuiFilterDialog& dialog) {
            EXPECT_EQ(dialog.Caption(), u"Custom Filter");
            EXPECT_EQ(dialog.ClientWidth(), 414);
            EXPECT_TRUE(dialog.ActiveControl() == &dialog.OperatorCombo(0) ||
                        dialog.ActiveControl() == &dialog.OperatorCombo(0).InnerEdit());
            loadedEquals = dialog.RowOperator(0) == ui::fcopEqual; // the condition the filter holds
            hintsLoaded = dialog.WildcardHintsShown();
            EXPECT_EQ(rtl::VarToStr(dialog.ValueEdit(0).EditValue()), u"old");
            EXPECT_EQ(dialog.RowOperator(1), ui::fcopNone);
            PickOperator(dialog, 0, ui::fcopLike);
            EXPECT_TRUE(dialog.WildcardHintsShown());
            PickOperator(dialog, 0, ui::fcopEqual);
            hintsWithEquals = dialog.WildcardHintsShown();
            TypeValue(dialog, 0, u"北京");
        },
        [](TuiFilterDialog& dialog) { ui_test::ClickDialogButton(dialog.OKButton()); },
    });
    EXPECT_TRUE(ShowForName());
    EXPECT_EQ(dialogs.Shown, 1);
    EXPECT_TRUE(loadedEquals);
    EXPECT_FALSE(hintsLoaded) << "equals was loaded from the filter";
    EXPECT_FALSE(hintsWithEquals);
    ASSERT_EQ(Criteria.Root().GetCount(), 2);
    const ui::TuiFilterCriteriaItem& name = ConditionAt(Criteria.Root(), 1);
    EXPECT_EQ(name.ItemLink(), Criteria.NameItem());
    EXPECT_EQ(name.OperatorKind(), ui::fokEqual);
    EXPECT_EQ(rtl::VarToStr(name.Value()), u"北京");
    EXPECT_EQ(name.DisplayValue(), u"北京");
    EXPECT_EQ(Criteria.Changes, 1);
}

TEST_F(FilterDialogTest, AnEmptyTextColumnOffersLikeFirstAndShowsTheWildcardHints) {
    Criteria.SetUnderscoreWildcard(u'?');
    TScriptedFilterDialog dialogs({[](TuiFilterDialog& dialog) {
        EXPECT_EQ(dialog.RowOperator(0), ui::fcopLike);
        EXPECT_TRUE(dialog.WildcardHintsShown());
        EXPECT_EQ(dialog.lblSingle->Caption(), u"Use ? to represent any single character");
        EXPECT_EQ(dialog.lblSeries->Caption(), u"Use % to represent any series of characters");
        const auto& properties =
            static_cast<ui::TuiCustomTextEditProperties&>(dialog.ValueEdit(0).GetEffectiveProperties());
        EXPECT_TRUE(properties.AcceptedChars().test(u'?'));
        EXPECT_TRUE(properties.AcceptedChars().test(u'%'));
        EXPECT_EQ(OfferedOperators(dialog, 1), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        ui_test::ClickDialogButton(dialog.CancelButton());
    }});
    EXPECT_FALSE(ShowForName());
    EXPECT_TRUE(Criteria.HasNoConditions());
}

TEST_F(FilterDialogTest, TwoRowsJoinedByOrBecomeAGroupAndTheRootJoinsByAnd) {
    Criteria.Root().ChangeBoolOperator(ui::fboOr);
    Criteria.AddItem(nullptr, Criteria.QtyItem(), ui::fokGreater, rtl::Variant(3), u"3");
    bool hintsEverShown = false;
    TScriptedFilterDialog dialogs({
        [&](TuiFilterDialog& dialog) {
            EXPECT_EQ(OfferedOperators(dialog, 0), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 9, 10}))
                << "no like for a number";
            PickOperator(dialog, 0, ui::fcopGreater);
            TypeValue(dialog, 0, u"10");
            PickOperator(dialog, 1, ui::fcopLessEqual);
            TypeValue(dialog, 1, u"20.5");
            ui_test::ClickDialogButton(dialog.OrButton());
            hintsEverShown = dialog.WildcardHintsShown();
        },
        [](TuiFilterDialog& dialog) {
            EXPECT_TRUE(dialog.OrButton().Checked());
            EXPECT_FALSE(dialog.AndButton().Checked());
            ui_test::ClickDialogButton(dialog.OKButton());
        },
    });
    EXPECT_TRUE(ShowForPrice());
    EXPECT_FALSE(hintsEverShown);
    EXPECT_EQ(Criteria.Root().BoolOperator(), ui::fboAnd) << "the other column's condition now joins by AND";
    ASSERT_EQ(Criteria.Root().GetCount(), 2);
    const auto* group = dynamic_cast<const ui::TuiFilterCriteriaItemList*>(Criteria.Root().GetItem(1));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->BoolOperator(), ui::fboOr);
    ASSERT_EQ(group->GetCount(), 2);
    EXPECT_EQ(ConditionAt(*group, 0).OperatorKind(), ui::fokGreater);
    EXPECT_EQ(rtl::VarToStr(ConditionAt(*group, 0).Value()), u"10");
    EXPECT_EQ(ConditionAt(*group, 1).OperatorKind(), ui::fokLessEqual);
    EXPECT_DOUBLE_EQ(rtl::VarToDouble(ConditionAt(*group, 1).Value()), 20.5);
    EXPECT_FALSE(ui::NeedsFilterBuilder(Criteria));
}

TEST_F(FilterDialogTest, APairInTheFilterFillsBothRowsAndIsBlankStoresANullTest) {
    ui::TuiFilterCriteriaItemList& pair = Criteria.Root().AddGroup(ui::fboOr);
    Criteria.AddItem(&pair, Criteria.NameItem(), ui::fokGreaterEqual, rtl::Variant(u"M"), u"M");
    Criteria.AddItem(&pair, Criteria.NameItem(), ui::fokEqual, rtl::Variant::Null(), u"blank");
    TScriptedFilterDialog dialogs({
        [](TuiFilterDialog& dialog) {
            EXPECT_EQ(dialog.RowOperator(0), ui::fcopGreaterEqual);
            EXPECT_EQ(rtl::VarToStr(dialog.ValueEdit(0).EditValue()), u"M");
            EXPECT_TRUE(dialog.OrButton().Checked());
            EXPECT_EQ(dialog.RowOperator(1), ui::fcopBlanks);
            PickOperator(dialog, 0, ui::fcopNonBlanks);
            PickOperator(dialog, 1, ui::fcopNone);
        },
        [](TuiFilterDialog& dialog) { ui_test::ClickDialogButton(dialog.OKButton()); },
    });
    EXPECT_TRUE(ShowForName());
    ASSERT_EQ(Criteria.Root().GetCount(), 1) << "an empty second row leaves one root condition";
    const ui::TuiFilterCriteriaItem& condition = ConditionAt(Criteria.Root(), 0);
    EXPECT_EQ(condition.OperatorKind(), ui::fokNotEqual);
    EXPECT_TRUE(condition.Value().IsNull());
    EXPECT_EQ(condition.DisplayValue(), u"blank");
}

TEST_F(FilterDialogTest, AValueTheColumnCannotTakeIsShownAndKeepsTheDialogOpen) {
    const ui_test::TRecordedMessageBoxes boxes;
    bool openAfterRefusal = false;
    TScriptedFilterDialog dialogs({
        [](TuiFilterDialog& dialog) {
            PickOperator(dialog, 0, ui::fcopEqual);
            TypeValue(dialog, 0, u"abc");
            ui_test::ClickDialogButton(dialog.OKButton());
        },
        [&](TuiFilterDialog& dialog) {
            openAfterRefusal = dialog.Visible();
            TypeValue(dialog, 0, u"12");
            ui_test::ClickDialogButton(dialog.OKButton());
        },
    });
    EXPECT_TRUE(ShowForName(ui::TuiIntegerValueType::Instance()));
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(boxes.Shown.size(), 1U);
    EXPECT_EQ(boxes.Shown[0].Text, u"Invalid value.");
    ASSERT_EQ(Criteria.Root().GetCount(), 1);
    EXPECT_EQ(rtl::VarToInteger(ConditionAt(Criteria.Root(), 0).Value()), 12);
}

TEST_F(FilterDialogTest, WithoutLikeTheTextColumnStartsWithEqualsAndWithoutAHelperNoDialogOpens) {
    Criteria.SetLikeAvailable(false);
    TScriptedFilterDialog dialogs({[](TuiFilterDialog& dialog) {
        EXPECT_EQ(dialog.RowOperator(0), ui::fcopEqual);
        EXPECT_EQ(OfferedOperators(dialog, 0), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 9, 10}));
        ui_test::ClickDialogButton(dialog.CancelButton());
    }});
    EXPECT_FALSE(ShowForName());
    ui::FinalizeTextEditUnit();
    EXPECT_FALSE(ShowForName()) << "no helper serves text properties now";
    ui::InitializeTextEditUnit();
    EXPECT_EQ(dialogs.Shown, 1);
}

TEST_F(FilterDialogTest, TheEditorsAndButtonsFollowTheLookAndFeelGivenAndTheDialogTakesTheFont) {
    ui::TuiLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetKind(ui::lfOffice11);
    vcl::TFont font;
    font.SetName(u"SimSun");
    font.SetSize(11);
    TuiFilterDialog dialog(Criteria, Criteria.NameItem(), ui::TuiFilterTextEditHelper::Instance(), NameProperties,
                           u"Customer", &ui::TuiStringValueType::Instance(), &lookAndFeel, &font);
    for (int32_t row = 0; row < 2; ++row) {
        EXPECT_EQ(dialog.OperatorCombo(row).Style().LookAndFeel().Kind(), ui::lfOffice11);
        EXPECT_EQ(dialog.ValueEdit(row).Style().LookAndFeel().Kind(), ui::lfOffice11);
    }
    EXPECT_EQ(dialog.OKButton().LookAndFeel().Kind(), ui::lfOffice11);
    EXPECT_EQ(dialog.CancelButton().LookAndFeel().Kind(), ui::lfOffice11);
    EXPECT_EQ(dialog.Font().Name(), u"SimSun");
    EXPECT_EQ(dialog.Font().Size(), 11);
    EXPECT_EQ(dialog.lblColumnCaption->Caption(), u"Customer ");
    EXPECT_EQ(dialog.bvlLine->Left(), dialog.lblColumnCaption->Left() + dialog.lblColumnCaption->Width())
        << "the line starts after the caption in the dialog's font";
    EXPECT_EQ(dialog.bvlLine->Left() + dialog.bvlLine->Width(), 404) << "the line keeps its right edge";
    EXPECT_EQ(dialog.ValueEdit(0).Left(), 208) << "on its place holder";
    EXPECT_EQ(dialog.ValueEdit(0).Top(), 46);
    EXPECT_EQ(dialog.ValueEdit(0).Width(), 193);
    EXPECT_EQ(dialog.ValueEdit(0).TabOrder(), dialog.OperatorCombo(0).TabOrder() + 1);
    EXPECT_EQ(dialog.AndButton().TabOrder(), dialog.ValueEdit(0).TabOrder() + 1);
}

struct TValidateCase {
    const char* Name;
    rtl::Variant Value;
    int32_t Operator;
    const ui::TuiValueType* ValueType;
    bool Accepted;
    bool NullAfter;
};

TEST(ValidateFilterValue, EmptyTextsOfNonStringsBecomeNullAndPatternsPassButAWrongValueIsInvalid) {
    const TValidateCase cases[] = {
        {"no value type", rtl::Variant(u"x"), ui::fcopEqual, nullptr, true, false},
        {"empty date", rtl::Variant(u""), ui::fcopEqual, &ui::TuiDateTimeValueType::Instance(), true, true},
        {"empty string stays", rtl::Variant(u""), ui::fcopEqual, &ui::TuiStringValueType::Instance(), true, false},
        {"not a date", rtl::Variant(u"abc"), ui::fcopEqual, &ui::TuiDateTimeValueType::Instance(), false, false},
        {"a pattern", rtl::Variant(u"1%"), ui::fcopLike, &ui::TuiIntegerValueType::Instance(), true, false},
        {"a number", rtl::Variant(u"42"), ui::fcopLess, &ui::TuiIntegerValueType::Instance(), true, false},
    };
    const ui::TuiCustomFilterEditHelper& helper = ui::TuiFilterTextEditHelper::Instance();
    for (const TValidateCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        rtl::Variant value = entry.Value;
        if (entry.Accepted) {
            EXPECT_NO_THROW(ui::ValidateFilterValue(value, entry.Operator, entry.ValueType, helper));
            EXPECT_EQ(value.IsNull(), entry.NullAfter);
        } else {
            try {
                ui::ValidateFilterValue(value, entry.Operator, entry.ValueType, helper);
                ADD_FAILURE() << "accepted";
            } catch (const ui::EuiFilterControlError& error) {
                EXPECT_EQ(error.Message(), u"Invalid value");
            }
        }
    }
}

} // namespace
