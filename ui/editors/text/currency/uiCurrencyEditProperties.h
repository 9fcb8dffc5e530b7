#pragma once
// TuiCustomCurrencyEditProperties: the description of an editor of money amounts. Its text is a number with at most
// DecimalPlaces decimals, shown through a currency or the assigned display format; an empty text is Null (or a
// Currency 0 when the value may not be empty) and shows NullString.

#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include <cstdint>

namespace ui {

class TuiCustomCurrencyEditProperties : public TuiCustomTextEditProperties {
    RTL_DECLARE_CLASS(TuiCustomCurrencyEditProperties, TuiCustomTextEditProperties)
public:
    explicit TuiCustomCurrencyEditProperties(rtl::TPersistent* owner);

    // Text properties, then the decimals (only when the source assigned them), Nullable, NullString and the
    // thousand separator, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    // The assigned number of decimals, else the locale's currency digits.
    int32_t DecimalPlaces() const;
    void SetDecimalPlaces(int32_t value);
    bool IsDecimalPlacesAssigned() const { return FDecimalPlacesAssigned; }
    void ResetDecimalPlaces();
    bool Nullable() const { return FNullable; }
    void SetNullable(bool value);
    const rtl::UnicodeString& NullString() const { return FNullString; }
    void SetNullString(const rtl::UnicodeString& value);
    bool UseThousandSeparator() const { return FUseThousandSeparator; }
    void SetUseThousandSeparator(bool value);

    // The value of a text: its number, or Null (a Currency 0 when not Nullable) for an empty text, NullString or a
    // text that is no number.
    void PrepareEditValue(const rtl::UnicodeString& displayValue, rtl::Variant& editValue);

    TuiEditDisplayFormatOptions GetDisplayFormatOptions() const override { return {dfoSupports, dfoNoCurrencyValue}; }
    rtl::UnicodeString GetDefaultDisplayFormat() const override;
    bool UsesThousandSeparator(bool editing) const override { return !editing && FUseThousandSeparator; }
    bool SupportsRange() const override { return true; }
    bool CanShowDataDisplayText(bool editing) override;
    // A blank value shows empty while editing, NullString when Nullable, else the display of 0; a value the number
    // formats cannot take shows as it is (empty while editing).
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;
    // The trimmed text must be a number, which replaces it; while editing under an edit format any text passes.
    bool CheckTextValue(rtl::Variant& value, bool editing) override;

private:
    void SetChangedFlag(bool& field, bool value);

    int32_t FDecimalPlaces = 0;
    bool FDecimalPlacesAssigned = false;
    bool FNullable = true;
    rtl::UnicodeString FNullString;
    bool FUseThousandSeparator = false;
};

class TuiCurrencyEditProperties : public TuiCustomCurrencyEditProperties {
    RTL_DECLARE_CLASS(TuiCurrencyEditProperties, TuiCustomCurrencyEditProperties)
public:
    explicit TuiCurrencyEditProperties(rtl::TPersistent* owner) : TuiCustomCurrencyEditProperties(owner) {}
    // The currency editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

} // namespace ui
