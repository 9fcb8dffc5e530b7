#include "ui/editors/spin/uiFilterSpinEditHelper.h"

#include "ui/editors/spin/uiSpinEdit.h"

namespace ui {

const TuiFilterSpinEditHelper& TuiFilterSpinEditHelper::Instance() {
    static const TuiFilterSpinEditHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterSpinEditHelper::FilterEditClass() const {
    return &TuiSpinEdit::StaticClass();
}

TuiFilterControlOperators TuiFilterSpinEditHelper::GetSupportedOperators(TuiCustomEditProperties&, const TuiValueType*,
                                                                         bool extended) const {
    return NumericFilterControlOperators(extended);
}

void TuiFilterSpinEditHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                      const TuiCustomEditProperties& source, bool keepButtons) const {
    TuiFilterMaskEditHelper::PrepareFilterProperties(target, source, keepButtons);
    if (auto* spin = dynamic_cast<TuiCustomSpinEditProperties*>(&target)) {
        spin->SetCanEdit(true);
    }
}

} // namespace ui
