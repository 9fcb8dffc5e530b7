#include "ui/editors/buttonedit/uiButtonEdit.h"

#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

namespace ui {

TuiCustomButtonEditProperties::TuiCustomButtonEditProperties(rtl::TPersistent* owner)
    : TuiCustomMaskEditProperties(owner) {
    TuiEditButton& button = Buttons().Add();
    button.SetKind(bkEllipsis);
    button.SetDefault(true);
}

const rtl::TMetaclass& TuiCustomButtonEditProperties::GetContainerClass() const {
    return TuiButtonEdit::StaticClass();
}

TuiContainerStyleValues TuiCustomButtonEdit::GetUnpublishedStyleValues() const {
    return WithButtonStyleValuesPublished(TuiCustomMaskEdit::GetUnpublishedStyleValues());
}

void TuiButtonEdit::ReadState(vcl::TWinControl* parent, const std::function<void()>& readProperties) {
    if (!FButtonsCleared) {
        Properties().Buttons().Clear();
        GetEffectiveProperties().Buttons().Clear();
        FButtonsCleared = true;
    }
    TuiCustomButtonEdit::ReadState(parent, readProperties);
}

void InitializeButtonEditUnit() {
    GetEditPropertiesRegistry().Register(&TuiButtonEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryButtonItem));
}

void FinalizeButtonEditUnit() {
    GetEditPropertiesRegistry().Unregister(&TuiButtonEditProperties::StaticClass());
}

} // namespace ui
