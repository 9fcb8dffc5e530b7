#pragma once
// The currency editor: a text editor that takes only the characters of a number, keeps at most DecimalPlaces
// decimals while typing and clamps its Value to the bounds that apply.

#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

namespace ui {

class TuiCustomCurrencyEdit : public TuiCustomTextEdit {
    RTL_DECLARE_CLASS(TuiCustomCurrencyEdit, TuiCustomTextEdit)
public:
    explicit TuiCustomCurrencyEdit(rtl::TComponent* owner);

    const rtl::TMetaclass& GetPropertiesClass() const override {
        return TuiCustomCurrencyEditProperties::StaticClass();
    }
    TuiCustomCurrencyEditProperties& GetCurrencyProperties() {
        return static_cast<TuiCustomCurrencyEditProperties&>(GetEffectiveProperties());
    }

    // The typed number while the user is changing the text, else the edit value's; 0 for no number.
    double Value();
    // The nearer bound when value lies beyond one that applies.
    void SetValue(double value);

    void PasteFromClipboard() override;
    // Leaves the text alone while the user types it: a partial number ("12.", "-") has no text of its own.
    void UpdateDisplay() override;

protected:
    TuiCustomCurrencyEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    rtl::Variant GetEditValueFromDisplay() override;
    bool IsValidChar(char16_t ch) override;
    void KeyPress(char16_t& key) override;
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    // A value beyond a bound that applies becomes the bound, shown at once.
    void CorrectRange() override;

private:
    bool IsNumberChar(char16_t ch);
    bool IsAcceptableNumberText(const rtl::UnicodeString& text);
    int32_t DecimalCount(const rtl::UnicodeString& text) const;
};

class TuiCurrencyEdit : public TuiCustomCurrencyEdit {
    RTL_DECLARE_CLASS(TuiCurrencyEdit, TuiCustomCurrencyEdit)
public:
    explicit TuiCurrencyEdit(rtl::TComponent* owner)
        : TuiCustomCurrencyEdit(owner, TuiCurrencyEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCurrencyEditProperties::StaticClass(); }
    TuiCurrencyEditProperties& CurrencyEditProperties() const {
        return static_cast<TuiCurrencyEditProperties&>(Properties());
    }
};

// The repository item of the currency editor; the default editor of Currency and FMTBcd values (the default editors'
// start-up registers it).
class TuiEditRepositoryCurrencyItem : public TuiEditRepositoryItemOf<TuiCurrencyEditProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryCurrencyItem, TuiEditRepositoryItemOf<TuiCurrencyEditProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the currency properties among the properties classes and their filter helper; the finalisation removes
// both.
void InitializeCurrencyEditUnit();
void FinalizeCurrencyEditUnit();

} // namespace ui
