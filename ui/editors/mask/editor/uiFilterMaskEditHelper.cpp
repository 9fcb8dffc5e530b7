#include "ui/editors/mask/editor/uiFilterMaskEditHelper.h"

#include "ui/data/values/uiValueType.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"

namespace ui {

const TuiFilterMaskEditHelper& TuiFilterMaskEditHelper::Instance() {
    static const TuiFilterMaskEditHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterMaskEditHelper::FilterEditClass() const {
    return &TuiMaskEdit::StaticClass();
}

TuiFilterControlOperators TuiFilterMaskEditHelper::GetSupportedOperators(TuiCustomEditProperties& properties,
                                                                         const TuiValueType* valueType,
                                                                         bool extended) const {
    TuiFilterControlOperators operators = NumericFilterControlOperators(extended);
    auto* mask = dynamic_cast<TuiCustomMaskEditProperties*>(&properties);
    if ((mask == nullptr || !mask->IsMasked()) && valueType != nullptr && valueType->IsStringType()) {
        operators |= FilterControlOperatorRange(7, 8);
    }
    return operators;
}

void TuiFilterMaskEditHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                      const TuiCustomEditProperties& source, bool keepButtons) const {
    TuiFilterTextEditHelper::PrepareFilterProperties(target, source, keepButtons);
    auto* mask = dynamic_cast<TuiCustomMaskEditProperties*>(&target);
    if (mask == nullptr) {
        return;
    }
    const auto* sourceMask = dynamic_cast<const TuiCustomMaskEditProperties*>(&source);
    if (sourceMask != nullptr && sourceMask->MaskKind() == TuiEditMaskKind::emkRegExpr) {
        mask->SetMaskKind(TuiEditMaskKind::emkRegExprEx);
    }
    mask->SetAutoSelect(!mask->IsMasked());
}

} // namespace ui
