// The check box's description: the state of a value, the three values kept apart, the display texts, assignment, and
// the filter helper's fixed list of the checked and the unchecked text.

#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"

#include "rtl/variants/VariantCompare.h"
#include "ui/editors/choice/checkbox/uiFilterCheckBoxHelper.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiCheckBoxProperties, NullAndTextsReadGrayedTrueCheckedFalseUnchecked) {
    TuiCheckBoxProperties properties(nullptr);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant::Null()), cbsGrayed);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(u"abc")), cbsGrayed);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(true)), cbsChecked);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(false)), cbsUnchecked);
    // A Boolean meets a text as the text that shows it.
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(u"True")), cbsChecked);
    EXPECT_TRUE(properties.GetValueByState(cbsGrayed).IsNull());
    EXPECT_EQ(properties.GetValueByState(cbsChecked).VarType(), rtl::varBoolean);
}

TEST(uiCheckBoxProperties, ValuesThatWouldMeetAnotherOrBeNullAreIgnored) {
    TuiCheckBoxProperties properties(nullptr);
    int changes = 0;
    properties.SetOnPropertiesChanged([&](rtl::TObject*) { ++changes; });
    properties.SetValueChecked(rtl::Variant::Null());
    properties.SetValueChecked(properties.ValueUnchecked());
    properties.SetValueUnchecked(rtl::Variant(true));
    properties.SetValueGrayed(rtl::Variant(false));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(properties.ValueChecked().VarType(), rtl::varBoolean);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(true)), cbsChecked);

    properties.SetValueChecked(rtl::Variant(int32_t{1}));
    properties.SetValueUnchecked(rtl::Variant(int32_t{0}));
    properties.SetValueGrayed(rtl::Variant(int32_t{2}));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(int32_t{1})), cbsChecked);
    EXPECT_EQ(properties.GetStateByValue(rtl::Variant(int32_t{2})), cbsGrayed);
    // Of another type, True is another value than Integer 1.
    properties.SetValueGrayed(rtl::Variant(true));
    EXPECT_EQ(properties.ValueGrayed().VarType(), rtl::varBoolean);
}

TEST(uiCheckBoxProperties, DisplayTextsFollowTheStateAndValidValuesAreTheThreeByType) {
    TuiCheckBoxProperties properties(nullptr);
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(true)), u"True");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(false)), u"False");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant::Null()), u"");
    properties.SetDisplayGrayed(u"?");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"x")), u"?");
    rtl::Variant value(u"True");
    EXPECT_FALSE(properties.IsEditValueValid(value, false)) << "of another type";
    value = rtl::Variant(true);
    EXPECT_TRUE(properties.IsEditValueValid(value, false));
    EXPECT_TRUE(properties.AreDisplayValuesEqual(rtl::Variant::Null(), rtl::Variant(u"abc"))) << "both grayed";
}

TEST(uiCheckBoxProperties, AssignCopiesTheValuesOnlyWhenTheyStayApart) {
    TuiCheckBoxProperties source(nullptr);
    source.SetAllowGrayed(true);
    source.SetNullStyle(nssInactive);
    source.SetGlyphCount(3);
    source.SetValueChecked(rtl::Variant(u"Y"));
    source.SetValueUnchecked(rtl::Variant(u"N"));
    TuiCheckBoxProperties copy(nullptr);
    copy.Assign(&source);
    EXPECT_TRUE(copy.AllowGrayed());
    EXPECT_EQ(copy.NullStyle(), nssInactive);
    EXPECT_EQ(copy.GlyphCount(), 3);
    EXPECT_EQ(copy.GetStateByValue(rtl::Variant(u"Y")), cbsChecked);
    EXPECT_EQ(copy.GetStateByValue(rtl::Variant(u"N")), cbsUnchecked);
}

TEST(uiCheckBoxProperties, TheGlyphIsMadeOnRequestAndItsCountMattersOnlyWithIt) {
    TuiCheckBoxProperties properties(nullptr);
    int changes = 0;
    properties.SetOnPropertiesChanged([&](rtl::TObject*) { ++changes; });
    properties.SetGlyphCount(2);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(properties.GlyphOrNull(), nullptr);
    properties.GetGlyph().SetSize(26, 13);
    EXPECT_GT(changes, 0);
    changes = 0;
    properties.SetGlyphCount(3);
    EXPECT_EQ(changes, 1);
    properties.SetGlyph(nullptr);
    EXPECT_EQ(properties.GlyphOrNull(), nullptr);
}

TEST(uiFilterCheckBoxHelper, ABooleanConditionIsPickedFromTheCheckedThenTheUncheckedText) {
    TuiCheckBoxProperties column(nullptr);
    column.SetDisplayChecked(u"是");
    column.SetDisplayUnchecked(u"否");
    const TuiFilterCheckBoxHelper& helper = TuiFilterCheckBoxHelper::Instance();
    EXPECT_TRUE(helper.FilterByDisplayText());
    TuiFilterEditPtr editor = CreateFilterEdit(helper, column);
    ASSERT_NE(editor, nullptr);
    auto& combo = static_cast<TuiComboBoxProperties&>(editor->GetEffectiveProperties());
    ASSERT_EQ(combo.Items().Count(), 2);
    EXPECT_EQ(combo.Items().Get(0), u"是");
    EXPECT_EQ(combo.Items().Get(1), u"否");
    EXPECT_EQ(combo.DropDownListStyle(), lsFixedList);
    EXPECT_EQ(combo.DefaultValuesProvider(), nullptr);

    const struct {
        rtl::Variant Value;
        rtl::Variant Expected;
        const char16_t* Text;
    } cases[] = {{rtl::Variant(true), rtl::Variant(true), u"是"},
                 {rtl::Variant(false), rtl::Variant(false), u"否"},
                 {rtl::Variant::Null(), rtl::Variant::Null(), u""}};
    for (const auto& c : cases) {
        helper.ApplyFilterValue(*editor, column, c.Value);
        rtl::UnicodeString text;
        rtl::Variant value;
        helper.GetFilterValue(*editor, column, text, value);
        EXPECT_EQ(text, c.Text);
        EXPECT_EQ(value.VarType(), c.Expected.VarType());
        EXPECT_TRUE(rtl::VarSameValue(value, c.Expected));
    }
}

} // namespace
} // namespace ui
