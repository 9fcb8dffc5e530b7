#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

namespace ui {

const TuiFilterTextEditHelper& TuiFilterTextEditHelper::Instance() {
    static const TuiFilterTextEditHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterTextEditHelper::FilterEditClass() const {
    return &TuiTextEdit::StaticClass();
}

void TuiFilterTextEditHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                      const TuiCustomEditProperties& source, bool keepButtons) const {
    TuiCustomFilterEditHelper::PrepareFilterProperties(target, source, keepButtons);
    target.SetAutoSelect(true);
    if (auto* text = dynamic_cast<TuiCustomTextEditProperties*>(&target)) {
        text->SetHideSelection(true);
        text->SetViewStyle(vsNormal);
    }
}

void TuiFilterTextEditHelper::ApplyFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties&,
                                               const rtl::Variant& value) const {
    editor.SetEditValue(value);
}

void AcceptFilterWildcards(TuiCustomEditProperties& properties, char16_t percent, char16_t underscore, bool accept) {
    auto* text = dynamic_cast<TuiCustomTextEditProperties*>(&properties);
    if (text == nullptr) {
        return;
    }
    TuiCustomTextEditProperties::TCharSet accepted = text->AcceptedChars();
    for (const char16_t wildcard : {underscore, percent}) {
        if (wildcard < accepted.size()) {
            accepted.set(wildcard, accept);
        }
    }
    text->SetAcceptedChars(accepted);
}

const TuiFilterCurrencyEditHelper& TuiFilterCurrencyEditHelper::Instance() {
    static const TuiFilterCurrencyEditHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterCurrencyEditHelper::FilterEditClass() const {
    return &TuiCurrencyEdit::StaticClass();
}

TuiFilterControlOperators TuiFilterCurrencyEditHelper::GetSupportedOperators(TuiCustomEditProperties&,
                                                                             const TuiValueType*, bool extended) const {
    return NumericFilterControlOperators(extended);
}

void TuiFilterCurrencyEditHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                          const TuiCustomEditProperties& source,
                                                          bool keepButtons) const {
    TuiFilterTextEditHelper::PrepareFilterProperties(target, source, keepButtons);
    target.SetMinValue(0);
    target.SetMaxValue(0);
    if (auto* currency = dynamic_cast<TuiCustomCurrencyEditProperties*>(&target)) {
        currency->SetNullable(true);
        currency->SetNullString({});
    }
}

} // namespace ui
