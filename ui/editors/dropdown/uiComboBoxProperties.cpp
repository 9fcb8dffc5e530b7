#include "ui/editors/dropdown/uiComboBoxProperties.h"

#include "ui/editors/dropdown/uiDropDownEditViewData.h"

namespace ui {

namespace {

// The combo box's text reads as a selected item: it has a list selection.
class TuiCustomComboBoxViewData : public TuiCustomDropDownEditViewData {
    RTL_DECLARE_CLASS(TuiCustomComboBoxViewData, TuiCustomDropDownEditViewData)
public:
    using TuiCustomDropDownEditViewData::TuiCustomDropDownEditViewData;
    bool HasListSelection() const override { return true; }
};

} // namespace

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

std::unique_ptr<TuiCustomEditViewData> TuiCustomComboBoxProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                   bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomComboBoxViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

} // namespace ui
