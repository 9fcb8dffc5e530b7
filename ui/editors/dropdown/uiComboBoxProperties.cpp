#include "ui/editors/dropdown/uiComboBoxProperties.h"

#include "ui/editors/dropdown/uiComboBoxListBox.h"
#include "ui/editors/dropdown/uiComboBoxViewData.h"

namespace ui {

void TuiCustomComboBoxProperties::Assign(const rtl::TPersistent* source) {
    const auto* combo = dynamic_cast<const TuiCustomComboBoxProperties*>(source);
    if (combo == nullptr) {
        TuiCustomDropDownEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomDropDownEditProperties::Assign(source);
        SetDropDownListStyle(combo->FDropDownListStyle);
        SetDropDownRows(combo->FDropDownRows);
        SetItemHeight(combo->FItemHeight);
        SetRevertable(combo->FRevertable);
        FOnDrawItem = combo->FOnDrawItem;
        FOnMeasureItem = combo->FOnMeasureItem;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomComboBoxProperties::SetDropDownRows(int32_t value) {
    if (value > 0) {
        SetAndNotify(FDropDownRows, value);
    }
}

TuiTextEditingStyle TuiCustomComboBoxProperties::GetEditingStyle() const {
    switch (FDropDownListStyle) {
    case lsEditFixedList:
        return tesListAssisted;
    case lsFixedList:
        return tesListOnly;
    case lsEditList:
        break;
    }
    return tesFree;
}

std::unique_ptr<TuiCustomTextEditLookupData>
TuiCustomComboBoxProperties::CreateLookupData(TuiTextEditLookupOwner* owner) const {
    return std::make_unique<TuiComboBoxLookupData>(owner);
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomComboBoxProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                   bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomComboBoxViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

} // namespace ui
