#include "ui/editors/text/currency/uiCurrencyEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"

#include <gtest/gtest.h>

namespace {

using ui::TuiCurrencyEdit;

// A currency editor on a form beside an ordinary edit, typed into as a user types, with '.' decimals, ',' thousands
// and two currency digits whatever the machine's locale says.
class CurrencyEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = rtl::FormatSettings();
        rtl::FormatSettings() = rtl::TFormatSettings::Invariant();
        rtl::FormatSettings().CurrencyDecimals = 2;
        Form = ui_test::ShowNewTestForm(400, 200);
        Other = ui_test::PlaceFocusTaker(*Form);
        Edit = ui_test::PlaceOnForm<TuiCurrencyEdit>(*Form, 10, 10, 200, 21);
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        Form.reset();
        rtl::FormatSettings() = FSaved;
    }
    void Focus() {
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    void FocusOther() {
        Other->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Type(const char16_t* text) {
        ui_test::TypeText(text);
        ui_test::ProcessPendingMessages();
    }
    ui::TuiCurrencyEditProperties& Properties() const { return Edit->CurrencyEditProperties(); }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;     // owned by the form
    TuiCurrencyEdit* Edit = nullptr; // owned by the form

private:
    rtl::TFormatSettings FSaved;
};

TEST_F(CurrencyEditTest, TypingKeepsAtMostTheLocaleDecimals) {
    const struct {
        const char16_t* typed;
        const char16_t* shown;
        size_t beeps;
    } cases[] = {
        {u"12.34", u"12.34", 0}, {u"12.345", u"12.34", 1}, {u"12.3", u"12.3", 0}, {u"1a2", u"12", 1},
        {u"-5", u"-5", 0},       {u"--5", u"-5", 1},       {u"12,5", u"12.5", 0}, {u"1.2.3", u"1.23", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Focus();
        Edit->SelectAll();
        ui_test::PressKey(VK_DELETE);
        ui_test::TRecordedBeeps beeps;
        Type(c.typed);
        EXPECT_EQ(Edit->GetDisplayText(), c.shown);
        EXPECT_EQ(beeps.Beeps.size(), c.beeps);
    }
}

TEST_F(CurrencyEditTest, ACaretAmongTheDecimalsCountsTheWholeTextAndAssignedDecimalsHold) {
    Focus();
    Type(u"12.3");
    Edit->Select(2, 0);
    Type(u"9");
    EXPECT_EQ(Edit->GetDisplayText(), u"129.3");
    Properties().SetDecimalPlaces(0);
    Edit->SelectAll();
    ui_test::PressKey(VK_DELETE);
    ui_test::TRecordedBeeps beeps;
    Type(u"7.5");
    EXPECT_EQ(Edit->GetDisplayText(), u"7.");
    EXPECT_EQ(beeps.Beeps.size(), 1u);
}

// Grouped thousands are laid out while the user types: typed separators are not needed and land where they belong.
TEST_F(CurrencyEditTest, ACommaIsTheThousandSeparatorOnlyWhenItIsUsed) {
    Properties().SetUseThousandSeparator(true);
    const struct {
        const char16_t* typed;
        const char16_t* shown;
        double value;
    } cases[] = {
        {u"1,234.5", u"1,234.5", 1234.5},    {u"1234.5", u"1,234.5", 1234.5}, {u"4,00,5", u"4,005", 4005},
        {u"1234567", u"1,234,567", 1234567}, {u"-12345", u"-12,345", -12345},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Focus();
        Edit->SelectAll();
        ui_test::PressKey(VK_DELETE);
        Type(c.typed);
        EXPECT_EQ(Edit->GetDisplayText(), c.shown);
        EXPECT_EQ(Edit->SelStart(), static_cast<int32_t>(Edit->GetDisplayText().size()));
        EXPECT_EQ(Edit->Value(), c.value);
    }
}

TEST_F(CurrencyEditTest, TheCaretStaysAfterTheSameDigitsWhenSeparatorsMove) {
    Properties().SetUseThousandSeparator(true);
    Focus();
    Type(u"123456");
    EXPECT_EQ(Edit->GetDisplayText(), u"123,456");
    Edit->Select(1, 0);
    Type(u"9");
    EXPECT_EQ(Edit->GetDisplayText(), u"1,923,456");
    EXPECT_EQ(Edit->SelStart(), 3);
}

TEST_F(CurrencyEditTest, WithoutThousandsTheTypedTextStaysAsTyped) {
    Focus();
    Type(u"1234");
    EXPECT_EQ(Edit->GetDisplayText(), u"1234");
}

TEST_F(CurrencyEditTest, LeavingTheEditorEmptyGivesNullOrACurrencyZero) {
    for (const bool nullable : {true, false}) {
        SCOPED_TRACE(nullable);
        Properties().SetNullable(nullable);
        Edit->SetValue(12);
        Focus();
        Edit->SelectAll();
        ui_test::PressKey(VK_DELETE);
        ui_test::ProcessPendingMessages();
        FocusOther();
        if (nullable) {
            EXPECT_TRUE(Edit->EditValue().IsNull());
        } else {
            EXPECT_EQ(Edit->EditValue().VarType(), rtl::varCurrency);
        }
        EXPECT_EQ(Edit->Value(), 0);
    }
}

TEST_F(CurrencyEditTest, TypedNumberIsTheValueAndShowsThroughTheDisplayFormatWhenUnfocused) {
    Properties().SetDisplayFormat(u"0.00;-0.00");
    Focus();
    Type(u"1234.5");
    EXPECT_EQ(Edit->Value(), 1234.5);
    FocusOther();
    EXPECT_EQ(rtl::VarToDouble(Edit->EditValue()), 1234.5);
    EXPECT_EQ(Edit->GetDisplayText(), u"1234.50");
    Focus();
    EXPECT_EQ(Edit->GetDisplayText(), u"1234.5");
}

TEST_F(CurrencyEditTest, ValueIsClampedToTheBoundsThatApply) {
    const struct {
        double min;
        double max;
        double stored;
    } cases[] = {{10, 100, 10}, {0, 3, 3}, {10, 0, 10}, {0, 0, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Properties().AssignedValues().ResetAssigned();
        if (c.min != 0) {
            Properties().SetMinValue(c.min);
        }
        if (c.max != 0) {
            Properties().SetMaxValue(c.max);
        }
        Edit->SetValue(5);
        EXPECT_EQ(Edit->Value(), c.stored);
    }
}

// A bound set while the user's entry lies beyond it moves the entry; a value nobody typed stays.
TEST_F(CurrencyEditTest, ANewBoundMovesTheUsersEntryIntoTheRange) {
    Edit->SetValue(5);
    Properties().SetMaxValue(100);
    Properties().SetMinValue(10);
    EXPECT_EQ(Edit->Value(), 5);
    Focus();
    Edit->SelectAll();
    Type(u"500");
    Properties().SetMinValue(20);
    EXPECT_EQ(Edit->Value(), 100);
    EXPECT_EQ(Edit->GetDisplayText(), u"100");
}

// The locale's formats changed: the focused editor shows its number in the new separators.
TEST_F(CurrencyEditTest, AFormatChangeShowsTheValueAnew) {
    Edit->SetValue(1234.5);
    Focus();
    ASSERT_EQ(Edit->GetDisplayText(), u"1234.5");
    rtl::FormatSettings().DecimalSeparator = u',';
    rtl::FormatSettings().ThousandSeparator = u'.';
    ui::GetFormatController().TranslationChanged();
    EXPECT_EQ(Edit->GetDisplayText(), u"1234,5");
}

TEST_F(CurrencyEditTest, AStringValueThatIsNoNumberReadsAsZero) {
    Edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"abc")));
    EXPECT_EQ(Edit->Value(), 0);
    Edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"2.5")));
    EXPECT_EQ(Edit->Value(), 2.5);
}

TEST_F(CurrencyEditTest, FourHundredDigitsAreRefused) {
    Properties().SetMaxLength(0);
    Focus();
    const std::u16string digits(400, u'9');
    Type(digits.c_str());
    EXPECT_LT(Edit->GetDisplayText().size(), 400u);
    EXPECT_GT(Edit->GetDisplayText().size(), 300u);
}

TEST_F(CurrencyEditTest, AReadOnlyEditorPastesNothing) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(memory));
    chars[0] = u'4';
    chars[1] = u'2';
    chars[2] = 0;
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    Focus();
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->GetDisplayText(), u"42");
    Edit->SelectAll();
    ui_test::PressKey(VK_DELETE);
    Properties().SetReadOnly(true);
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->GetDisplayText(), u"");
}

// A value given while the form is still hidden outlives the making and showing of the editor's windows; an edit
// first in the tab order takes the focus, so the editor keeps showing its display text.
TEST_F(CurrencyEditTest, AValueSetBeforeTheFormIsShownSurvivesTheShowing) {
    auto hidden = ui_test::CreateTestForm();
    auto* first = new vcl::TEdit(hidden.get());
    first->SetParent(hidden.get());
    auto* edit = new TuiCurrencyEdit(hidden.get());
    edit->SetParent(hidden.get());
    edit->SetBounds(10, 40, 200, 21);
    edit->SetValue(5);
    const rtl::UnicodeString shownBefore = edit->GetDisplayText();
    ASSERT_FALSE(shownBefore.empty());
    ui_test::ShowTestForm(*hidden, 300, 100);
    ASSERT_TRUE(first->Focused());
    EXPECT_EQ(edit->GetDisplayText(), shownBefore);
    EXPECT_FALSE(edit->EditValue().IsNull());
    EXPECT_EQ(edit->Value(), 5);
}

TEST(CurrencyEditUnit, StartUpRegistersTheCurrencyProperties) {
    ui::InitializeCurrencyEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiCurrencyEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"CurrencyEdit");
    ui::FinalizeCurrencyEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiCurrencyEditProperties::StaticClass()), -1);
}

} // namespace

namespace {

TEST(CurrencyEditInPlace, AnInPlaceEditorListMakesACurrencyEditorForCurrencyProperties) {
    ui::TuiInplaceEditList list(nullptr);
    ui::TuiCurrencyEditProperties properties(nullptr);
    ui::TuiCustomEdit& editor = list.GetEditor(properties);
    EXPECT_NE(dynamic_cast<TuiCurrencyEdit*>(&editor), nullptr);
}

} // namespace
