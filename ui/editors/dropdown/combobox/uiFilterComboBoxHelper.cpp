#include "ui/editors/dropdown/combobox/uiFilterComboBoxHelper.h"

#include "ui/editors/dropdown/combobox/uiComboBox.h"

namespace ui {

namespace {

constexpr int32_t FilterComboBoxDropDownRows = 8;

} // namespace

const TuiFilterComboBoxHelper& TuiFilterComboBoxHelper::Instance() {
    static const TuiFilterComboBoxHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterComboBoxHelper::FilterEditClass() const {
    return &TuiComboBox::StaticClass();
}

TuiFilterControlOperators TuiFilterComboBoxHelper::GetSupportedOperators(TuiCustomEditProperties&, const TuiValueType*,
                                                                         bool) const {
    return FilterControlOperatorRange(1, 2) | FilterControlOperatorRange(9, 10);
}

void TuiFilterComboBoxHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                      const TuiCustomEditProperties& source, bool keepButtons) const {
    TuiFilterDropDownEditHelper::PrepareFilterProperties(target, source, keepButtons);
    auto* comboBox = dynamic_cast<TuiCustomComboBoxProperties*>(&target);
    if (comboBox == nullptr) {
        return;
    }
    comboBox->SetButtonGlyph(nullptr);
    comboBox->SetDropDownRows(FilterComboBoxDropDownRows);
    comboBox->SetDropDownListStyle(lsEditList);
    comboBox->SetImmediateDropDown(false);
    comboBox->SetPopupAlignment(vcl::taLeftJustify);
    comboBox->SetRevertable(false);
}

} // namespace ui
