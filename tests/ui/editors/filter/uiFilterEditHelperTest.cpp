#include "ui/editors/filter/uiFilterEditHelper.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/mask/editor/uiFilterMaskEditHelper.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui::GetFilterEditsController;
using ui::TuiFilterControlOperators;

std::vector<int> OperatorNumbers(const TuiFilterControlOperators& operators) {
    std::vector<int> numbers;
    for (size_t number = 0; number < operators.size(); ++number) {
        if (operators.test(number)) {
            numbers.push_back(static_cast<int>(number));
        }
    }
    return numbers;
}

// A helper registered for a properties class serves its siblings; the last removal frees the registry.
TEST(FilterEditsController, AHelperServesTheSiblingsOfItsClassUntilItsLastRegistrationGoes) {
    const ui::TuiFilterTextEditHelper& text = ui::TuiFilterTextEditHelper::Instance();
    const ui::TuiFilterMaskEditHelper& mask = ui::TuiFilterMaskEditHelper::Instance();
    GetFilterEditsController().RegisterHelper(ui::TuiTextEditProperties::StaticClass(), text);
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiTextEditProperties::StaticClass()), &text);
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiMaskEditProperties::StaticClass()), &text);
    GetFilterEditsController().RegisterHelper(ui::TuiMaskEditProperties::StaticClass(), mask);
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiMaskEditProperties::StaticClass()), &mask);
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiCurrencyEditProperties::StaticClass()), &text);
    ui::UnregisterFilterEditHelper(ui::TuiMaskEditProperties::StaticClass(), mask);
    ui::UnregisterFilterEditHelper(ui::TuiTextEditProperties::StaticClass(), text);
    EXPECT_TRUE(GetFilterEditsController().IsEmpty());
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiTextEditProperties::StaticClass()), nullptr);
}

TEST(FilterEditsController, TheUnitsRegisterTheirHelpersAtStartUp) {
    ui::InitializeTextEditUnit();
    ui::InitializeCurrencyEditUnit();
    ui::InitializeMaskEditUnit();
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiTextEditProperties::StaticClass()),
              &ui::TuiFilterTextEditHelper::Instance());
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiCurrencyEditProperties::StaticClass()),
              &ui::TuiFilterCurrencyEditHelper::Instance());
    EXPECT_EQ(GetFilterEditsController().HelperForProperties(ui::TuiMaskEditProperties::StaticClass()),
              &ui::TuiFilterMaskEditHelper::Instance());
    ui::FinalizeMaskEditUnit();
    ui::FinalizeCurrencyEditUnit();
    ui::FinalizeTextEditUnit();
    EXPECT_TRUE(GetFilterEditsController().IsEmpty());
}

// The column's editor brings its settings but not its events, buttons, read-only state or alignment.
TEST(FilterTextEditHelper, MakesANeutralTextEditorThatTakesTheFilterValue) {
    ui::TuiTextEditProperties column(nullptr);
    column.SetMaxLength(8);
    column.SetReadOnly(true);
    column.SetBeepOnError(true);
    column.SetAutoSelect(false);
    column.GetAlignment().SetHorz(vcl::taRightJustify);
    column.Buttons().Add();
    int changes = 0;
    column.SetOnChange([&](rtl::TObject*) { ++changes; });
    const ui::TuiFilterTextEditHelper& helper = ui::TuiFilterTextEditHelper::Instance();
    ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(helper, column);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->ClassType().InheritsFrom(ui::TuiTextEdit::StaticClass()));
    auto& properties = static_cast<ui::TuiTextEditProperties&>(editor->GetEffectiveProperties());
    EXPECT_EQ(properties.MaxLength(), 8);
    EXPECT_FALSE(properties.GetReadOnly());
    EXPECT_FALSE(properties.BeepOnError());
    EXPECT_TRUE(properties.AutoSelect());
    EXPECT_TRUE(properties.ValidateOnEnter());
    EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taLeftJustify);
    EXPECT_EQ(properties.Buttons().Count(), 0);
    EXPECT_FALSE(properties.OnChange());
    helper.ApplyFilterValue(*editor, properties, rtl::Variant(rtl::UnicodeString(u"北京")));
    EXPECT_EQ(rtl::VarToStr(editor->EditValue()), u"北京");
    rtl::UnicodeString display;
    rtl::Variant value;
    helper.GetFilterValue(*editor, properties, display, value);
    EXPECT_EQ(display, u"北京");
    EXPECT_EQ(changes, 0);
}

TEST(FilterTextEditHelper, OffersLikeOnlyForStrings) {
    ui::TuiTextEditProperties properties(nullptr);
    const ui::TuiFilterTextEditHelper& helper = ui::TuiFilterTextEditHelper::Instance();
    EXPECT_EQ(OperatorNumbers(helper.GetSupportedOperators(properties, &ui::TuiStringValueType::Instance(), false)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(OperatorNumbers(helper.GetSupportedOperators(properties, &ui::TuiIntegerValueType::Instance(), true)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14}));
}

TEST(FilterCurrencyEditHelper, OffersTheNumericOperatorsAndAnUnboundedNullableEditor) {
    const ui::TuiFilterCurrencyEditHelper& helper = ui::TuiFilterCurrencyEditHelper::Instance();
    ui::TuiCurrencyEditProperties column(nullptr);
    EXPECT_EQ(OperatorNumbers(helper.GetSupportedOperators(column, &ui::TuiStringValueType::Instance(), false)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10}));
    column.SetMinValue(10);
    column.SetMaxValue(100);
    column.SetNullable(false);
    column.SetNullString(u"无");
    ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(helper, column);
    ASSERT_TRUE(editor->ClassType().InheritsFrom(ui::TuiCurrencyEdit::StaticClass()));
    auto& properties = static_cast<ui::TuiCurrencyEditProperties&>(editor->GetEffectiveProperties());
    EXPECT_FALSE(properties.HasRange());
    EXPECT_TRUE(properties.Nullable());
    EXPECT_EQ(properties.NullString(), u"");
}

TEST(FilterMaskEditHelper, TypesARegularExpressionWithItsForcedCharactersAndSelectsOnlyUnmaskedText) {
    const ui::TuiFilterMaskEditHelper& helper = ui::TuiFilterMaskEditHelper::Instance();
    ui::TuiMaskEditProperties column(nullptr);
    column.SetMaskKind(ui::TuiEditMaskKind::emkRegExpr);
    column.SetEditMask(u"\\d\\d-\\d\\d");
    ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(helper, column);
    ASSERT_TRUE(editor->ClassType().InheritsFrom(ui::TuiMaskEdit::StaticClass()));
    auto& properties = static_cast<ui::TuiMaskEditProperties&>(editor->GetEffectiveProperties());
    EXPECT_EQ(properties.MaskKind(), ui::TuiEditMaskKind::emkRegExprEx);
    EXPECT_EQ(properties.EditMask(), u"\\d\\d-\\d\\d");
    EXPECT_FALSE(properties.AutoSelect());
    EXPECT_EQ(OperatorNumbers(helper.GetSupportedOperators(column, &ui::TuiStringValueType::Instance(), false)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10}));
    ui::TuiMaskEditProperties plain(nullptr);
    EXPECT_EQ(OperatorNumbers(helper.GetSupportedOperators(plain, &ui::TuiStringValueType::Instance(), false)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

} // namespace
