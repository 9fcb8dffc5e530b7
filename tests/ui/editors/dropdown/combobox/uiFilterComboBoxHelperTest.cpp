#include "ui/editors/dropdown/combobox/uiFilterComboBoxHelper.h"

#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/framework/uiEditButtons.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> FilterComboOperatorNumbers(const ui::TuiFilterControlOperators& operators) {
    std::vector<int> numbers;
    for (size_t number = 0; number < operators.size(); ++number) {
        if (operators.test(number)) {
            numbers.push_back(static_cast<int>(number));
        }
    }
    return numbers;
}

// A fixed-list column that opens on typing, steps round and shows a glyph still gives a plain editable combo box
// with its items and its drop-down button.
TEST(FilterComboBoxHelper, MakesAnEditableComboBoxWithTheColumnsItemsAndItsDropDownButton) {
    ui::TuiComboBoxProperties column(nullptr);
    for (const char16_t* item : {u" 一千", u" 一万", u" 十万"}) {
        column.Items().Add(item);
    }
    column.SetDropDownListStyle(ui::lsFixedList);
    column.SetDropDownRows(20);
    column.SetImmediateDropDown(true);
    column.SetPopupAlignment(vcl::taRightJustify);
    column.SetRevertable(true);
    column.SetReadOnly(true);
    vcl::TBitmap glyph;
    glyph.SetSize(8, 8);
    column.SetButtonGlyph(&glyph);
    ASSERT_NE(column.ButtonGlyph(), nullptr);
    int changes = 0;
    column.SetOnChange([&](rtl::TObject*) { ++changes; });

    const ui::TuiFilterComboBoxHelper& helper = ui::TuiFilterComboBoxHelper::Instance();
    EXPECT_TRUE(helper.GetOption());
    ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(helper, column);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->ClassType().InheritsFrom(ui::TuiComboBox::StaticClass()));
    auto& properties = static_cast<ui::TuiComboBoxProperties&>(editor->GetEffectiveProperties());
    EXPECT_EQ(properties.Items().Count(), 3);
    EXPECT_EQ(properties.Items().Get(1), u" 一万");
    EXPECT_EQ(properties.DropDownListStyle(), ui::lsEditList);
    EXPECT_EQ(properties.DropDownRows(), 8);
    EXPECT_FALSE(properties.ImmediateDropDown());
    EXPECT_EQ(properties.PopupAlignment(), vcl::taLeftJustify);
    EXPECT_FALSE(properties.Revertable());
    EXPECT_FALSE(properties.GetReadOnly());
    EXPECT_EQ(properties.Buttons().Count(), 1) << "the drop-down button stays";
    EXPECT_EQ(properties.ButtonGlyph(), nullptr);
    EXPECT_FALSE(properties.OnChange());
    helper.ApplyFilterValue(*editor, properties, rtl::Variant(rtl::UnicodeString(u" 十万")));
    rtl::UnicodeString display;
    rtl::Variant value;
    helper.GetFilterValue(*editor, properties, display, value);
    EXPECT_EQ(display, u" 十万");
    EXPECT_EQ(changes, 0);
}

TEST(FilterComboBoxHelper, OffersEqualityAndBlankTestsOnly) {
    ui::TuiComboBoxProperties properties(nullptr);
    const ui::TuiFilterComboBoxHelper& helper = ui::TuiFilterComboBoxHelper::Instance();
    for (bool extended : {false, true}) {
        EXPECT_EQ(FilterComboOperatorNumbers(
                      helper.GetSupportedOperators(properties, &ui::TuiStringValueType::Instance(), extended)),
                  (std::vector<int>{1, 2, 9, 10}))
            << "extended " << extended;
    }
}

} // namespace
