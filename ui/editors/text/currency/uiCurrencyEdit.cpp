#include "ui/editors/text/currency/uiCurrencyEdit.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/numbers/uiCurrencyText.h"
#include "ui/editors/text/numbers/uiTextEditNumberText.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include <algorithm>

namespace ui {

namespace {

// A text the editor shows for no value: empty, or the properties' NullString.
bool IsNullCurrencyText(const rtl::UnicodeString& text, const TuiCustomCurrencyEditProperties& properties) {
    return text.empty() || text == properties.NullString();
}

} // namespace

TuiCustomCurrencyEdit::TuiCustomCurrencyEdit(rtl::TComponent* owner)
    : TuiCustomCurrencyEdit(owner, TuiCustomCurrencyEditProperties::StaticClass()) {}

TuiCustomCurrencyEdit::TuiCustomCurrencyEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomTextEdit(owner, propertiesClass) {
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csSetCaption);
    SetControlStyle(style);
}

double TuiCustomCurrencyEdit::Value() {
    if (HandleAllocated() && Focused() && !ValueValidated() && ChangedByUser()) {
        const rtl::Variant typed = GetEditValueFromDisplay();
        return rtl::VarIsNumeric(typed) ? rtl::VarToDouble(typed) : 0;
    }
    const rtl::Variant& value = EditValue();
    if (value.IsNull()) {
        return 0;
    }
    if (rtl::VarIsStr(value)) {
        double number = 0;
        return ParseCurrencyText(rtl::VarToStr(value), number, rtl::FormatSettings()) ? number : 0;
    }
    return rtl::VarToDouble(value);
}

void TuiCustomCurrencyEdit::SetValue(double value) {
    TuiCustomCurrencyEditProperties& properties = GetCurrencyProperties();
    if (properties.IsRangeBoundSet(0) && properties.GetMinValue() > value) {
        value = properties.GetMinValue();
    } else if (properties.IsRangeBoundSet(1) && value > properties.GetMaxValue()) {
        value = properties.GetMaxValue();
    }
    AssignEditValue(rtl::Variant(value));
}

void TuiCustomCurrencyEdit::PasteFromClipboard() {
    if (CanModify()) {
        TuiCustomTextEdit::PasteFromClipboard();
    }
}

void TuiCustomCurrencyEdit::UpdateDisplay() {
    if (!UserEditInProgress()) {
        TuiCustomTextEdit::UpdateDisplay();
    }
}

rtl::Variant TuiCustomCurrencyEdit::GetEditValueFromDisplay() {
    rtl::Variant value = rtl::Variant::Null();
    GetCurrencyProperties().PrepareEditValue(GetDisplayText(), value);
    return value;
}

bool TuiCustomCurrencyEdit::IsNumberChar(char16_t ch) {
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    return (ch >= u'0' && ch <= u'9') || ch == u'+' || ch == u'-' || ch == u'e' || ch == u'E' ||
           ch == settings.DecimalSeparator ||
           (GetCurrencyProperties().UseThousandSeparator() && ch == settings.ThousandSeparator);
}

int32_t TuiCustomCurrencyEdit::DecimalCount(const rtl::UnicodeString& text) const {
    const size_t separator = text.find(rtl::FormatSettings().DecimalSeparator);
    if (separator == rtl::UnicodeString::npos) {
        return 0;
    }
    const size_t exponent = text.find_first_of(u"eE", separator);
    const size_t end = exponent == rtl::UnicodeString::npos ? text.size() : exponent;
    return static_cast<int32_t>(end - separator - 1);
}

// With thousand separators the editor lays the groups out itself as the user types (the text editor reformats it):
// separators of the integer part may stand anywhere then, as long as the digits make a number.
bool TuiCustomCurrencyEdit::IsAcceptableNumberText(const rtl::UnicodeString& text) {
    if (DecimalCount(text) > GetCurrencyProperties().DecimalPlaces()) {
        return false;
    }
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    double number = 0;
    if (ParseCurrencyText(text, number, settings)) {
        return true;
    }
    if (!GetCurrencyProperties().UseThousandSeparator()) {
        return false;
    }
    const size_t fraction = text.find_first_of(rtl::UnicodeString{settings.DecimalSeparator, u'e', u'E'});
    if (fraction != rtl::UnicodeString::npos &&
        text.find(settings.ThousandSeparator, fraction) != rtl::UnicodeString::npos) {
        return false;
    }
    rtl::UnicodeString digits = text;
    RemoveThousandSeparators(digits, settings);
    return ParseCurrencyText(digits, number, settings);
}

// A character is taken when the text it makes is still a number within the decimals; a lone "-" starts one.
bool TuiCustomCurrencyEdit::IsValidChar(char16_t ch) {
    if (!IsNumberChar(ch)) {
        return false;
    }
    TuiCustomCurrencyEditProperties& properties = GetCurrencyProperties();
    const rtl::UnicodeString current = GetDisplayText();
    bool currencyFormat = false;
    bool dataText = false;
    const bool hasEditFormat =
        !properties.GetFormatText(currencyFormat, dataText, this).empty() || currencyFormat || dataText;
    double number = 0;
    if (hasEditFormat && !ParseCurrencyText(current, number, rtl::FormatSettings())) {
        return true;
    }
    const int32_t start = std::clamp(SelStart(), 0, static_cast<int32_t>(current.size()));
    const int32_t length = std::clamp(SelLength(), 0, static_cast<int32_t>(current.size()) - start);
    const rtl::UnicodeString before = current.substr(0, start);
    const rtl::UnicodeString after = current.substr(start + length);
    if (ch == u'-' && before.empty() && after.empty()) {
        return true;
    }
    return IsAcceptableNumberText(before + ch + after);
}

void TuiCustomCurrencyEdit::KeyPress(char16_t& key) {
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    const bool thousandSeparator = GetCurrencyProperties().UseThousandSeparator() && key == settings.ThousandSeparator;
    if (!thousandSeparator && (key == u',' || key == u'.')) {
        key = settings.DecimalSeparator;
    }
    TuiCustomTextEdit::KeyPress(key);
}

// An empty text or the NullString stands for no value; any other text must be a number.
void TuiCustomCurrencyEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText,
                                                 bool& error) {
    const rtl::UnicodeString text = rtl::VarToStr(displayValue);
    double number = 0;
    error =
        !IsNullCurrencyText(text, GetCurrencyProperties()) && !ParseCurrencyText(text, number, rtl::FormatSettings());
    TuiCustomTextEdit::ValidateDisplayValue(displayValue, errorText, error);
}

void TuiCustomCurrencyEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (!(HandleAllocated() && Focused())) {
        DataBinding().UpdateDisplayValue();
    }
    TuiCustomTextEdit::PropertiesChanged(properties);
}

void TuiCustomCurrencyEdit::CorrectRange() {
    TuiCustomCurrencyEditProperties& properties = GetCurrencyProperties();
    const double value = Value();
    const bool below = properties.IsRangeBoundSet(0) && value < properties.GetMinValue();
    const bool above = properties.IsRangeBoundSet(1) && value > properties.GetMaxValue();
    if (!below && !above) {
        return;
    }
    RunWithUserEdit(ChangedByUser(), [this, value] { SetValue(value); });
    TuiCustomTextEdit::UpdateDisplay();
}

const rtl::TMetaclass& TuiCurrencyEditProperties::GetContainerClass() const {
    return TuiCurrencyEdit::StaticClass();
}

void InitializeCurrencyEditUnit() {
    GetEditPropertiesRegistry().Register(&TuiCurrencyEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryCurrencyItem));
    GetFilterEditsController().RegisterHelper(TuiCurrencyEditProperties::StaticClass(),
                                              TuiFilterCurrencyEditHelper::Instance());
}

void FinalizeCurrencyEditUnit() {
    UnregisterFilterEditHelper(TuiCurrencyEditProperties::StaticClass(), TuiFilterCurrencyEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiCurrencyEditProperties::StaticClass());
}

} // namespace ui
