#include "ui/editors/choice/checkbox/uiFilterCheckBoxHelper.h"

#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"
#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

namespace ui {

namespace {

constexpr int32_t checkedItem = 0;
constexpr int32_t uncheckedItem = 1;

} // namespace

const TuiFilterCheckBoxHelper& TuiFilterCheckBoxHelper::Instance() {
    static const TuiFilterCheckBoxHelper helper;
    return helper;
}

// The combo box's own preparation comes first: it would otherwise make the list editable again.
void TuiFilterCheckBoxHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                      const TuiCustomEditProperties& source, bool keepButtons) const {
    TuiFilterComboBoxHelper::PrepareFilterProperties(target, source, keepButtons);
    auto* comboBox = dynamic_cast<TuiCustomComboBoxProperties*>(&target);
    auto* checkBox = dynamic_cast<const TuiCustomCheckBoxProperties*>(&source);
    if (comboBox == nullptr || checkBox == nullptr) {
        return;
    }
    comboBox->BeginUpdate();
    comboBox->Items().Clear();
    comboBox->Items().Add(checkBox->DisplayChecked());
    comboBox->Items().Add(checkBox->DisplayUnchecked());
    comboBox->SetDropDownListStyle(lsFixedList);
    comboBox->EndUpdate();
}

void TuiFilterCheckBoxHelper::GetFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                                             rtl::UnicodeString& displayText, rtl::Variant& value) const {
    auto* checkBox = dynamic_cast<TuiCustomCheckBoxProperties*>(&properties);
    const auto* list = dynamic_cast<TuiCustomTextEdit*>(&editor);
    if (checkBox == nullptr || list == nullptr) {
        TuiFilterComboBoxHelper::GetFilterValue(editor, properties, displayText, value);
        return;
    }
    switch (list->GetItemIndex()) {
    case checkedItem:
        value = checkBox->ValueChecked();
        break;
    case uncheckedItem:
        value = checkBox->ValueUnchecked();
        break;
    default:
        value = rtl::Variant::Null();
        displayText.clear();
        return;
    }
    displayText = checkBox->GetDisplayText(value);
}

void TuiFilterCheckBoxHelper::ApplyFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                                               const rtl::Variant& value) const {
    auto* checkBox = dynamic_cast<TuiCustomCheckBoxProperties*>(&properties);
    auto* list = dynamic_cast<TuiCustomTextEdit*>(&editor);
    if (checkBox == nullptr || list == nullptr) {
        TuiFilterComboBoxHelper::ApplyFilterValue(editor, properties, value);
        return;
    }
    switch (checkBox->GetStateByValue(value)) {
    case cbsChecked:
        list->SetItemIndex(checkedItem);
        break;
    case cbsUnchecked:
        list->SetItemIndex(uncheckedItem);
        break;
    case cbsGrayed:
        list->SetItemIndex(-1);
        break;
    }
}

} // namespace ui
