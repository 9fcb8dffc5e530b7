#include "ui/editors/text/currency/uiCurrencyEditProperties.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/text/numbers/uiCurrencyText.h"

namespace ui {

namespace {

bool IsBlankCurrencyValue(const rtl::Variant& value) {
    return value.IsNull() || (rtl::VarIsStr(value) && rtl::VarToStr(value).empty());
}

} // namespace

TuiCustomCurrencyEditProperties::TuiCustomCurrencyEditProperties(rtl::TPersistent* owner)
    : TuiCustomTextEditProperties(owner) {
    SetValidateOnEnter(true);
}

void TuiCustomCurrencyEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* currency = dynamic_cast<const TuiCustomCurrencyEditProperties*>(source);
    if (currency == nullptr) {
        TuiCustomTextEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomTextEditProperties::Assign(source);
        FDecimalPlacesAssigned = false;
        if (currency->FDecimalPlacesAssigned) {
            SetDecimalPlaces(currency->FDecimalPlaces);
        }
        SetNullable(currency->FNullable);
        SetNullString(currency->FNullString);
        SetUseThousandSeparator(currency->FUseThousandSeparator);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int32_t TuiCustomCurrencyEditProperties::DecimalPlaces() const {
    return FDecimalPlacesAssigned ? FDecimalPlaces : rtl::FormatSettings().CurrencyDecimals;
}

void TuiCustomCurrencyEditProperties::SetDecimalPlaces(int32_t value) {
    if (FDecimalPlacesAssigned && FDecimalPlaces == value) {
        return;
    }
    FDecimalPlacesAssigned = true;
    FDecimalPlaces = value;
    Changed();
}

void TuiCustomCurrencyEditProperties::ResetDecimalPlaces() {
    if (FDecimalPlacesAssigned) {
        FDecimalPlacesAssigned = false;
        Changed();
    }
}

void TuiCustomCurrencyEditProperties::SetChangedFlag(bool& field, bool value) {
    if (field != value) {
        field = value;
        Changed();
    }
}

void TuiCustomCurrencyEditProperties::SetNullable(bool value) {
    SetChangedFlag(FNullable, value);
}

void TuiCustomCurrencyEditProperties::SetNullString(const rtl::UnicodeString& value) {
    if (FNullString != value) {
        FNullString = value;
        Changed();
    }
}

void TuiCustomCurrencyEditProperties::SetUseThousandSeparator(bool value) {
    SetChangedFlag(FUseThousandSeparator, value);
}

void TuiCustomCurrencyEditProperties::PrepareEditValue(const rtl::UnicodeString& displayValue,
                                                       rtl::Variant& editValue) {
    double number = 0;
    if (!displayValue.empty() && displayValue != FNullString &&
        ParseCurrencyText(displayValue, number, rtl::FormatSettings())) {
        editValue = rtl::Variant(number);
        return;
    }
    editValue = FNullable ? rtl::Variant::Null() : rtl::Variant(rtl::Currency::FromScaled(0));
}

rtl::UnicodeString TuiCustomCurrencyEditProperties::GetDefaultDisplayFormat() const {
    return GetFormatController().CurrencyDisplayFormat();
}

bool TuiCustomCurrencyEditProperties::CanShowDataDisplayText(bool editing) {
    if (editing) {
        return false;
    }
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    return provider != nullptr && provider->HasCustomDisplayText();
}

void TuiCustomCurrencyEditProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue,
                                                          bool editing) {
    if (IsBlankCurrencyValue(editValue)) {
        if (editing) {
            displayValue = rtl::Variant(rtl::UnicodeString());
        } else if (FNullable) {
            displayValue = rtl::Variant(FNullString);
        } else {
            TuiCustomTextEditProperties::PrepareDisplayValue(rtl::Variant(int32_t{0}), displayValue, false);
        }
        return;
    }
    try {
        TuiCustomTextEditProperties::PrepareDisplayValue(editValue, displayValue, editing);
    } catch (const rtl::EConvertError&) {
        displayValue = editing ? rtl::Variant(rtl::UnicodeString()) : editValue;
    } catch (const rtl::EVariantError&) {
        displayValue = editing ? rtl::Variant(rtl::UnicodeString()) : editValue;
    }
}

bool TuiCustomCurrencyEditProperties::CheckTextValue(rtl::Variant& value, bool editing) {
    bool currencyFormat = false;
    bool dataText = false;
    if (editing && (!GetFormatText(currencyFormat, dataText, nullptr).empty() || currencyFormat || dataText)) {
        return true;
    }
    double number = 0;
    if (!ParseCurrencyText(rtl::Trim(rtl::VarToStr(value)), number, rtl::FormatSettings())) {
        return false;
    }
    value = rtl::Variant(number);
    return true;
}

} // namespace ui
