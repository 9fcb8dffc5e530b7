#include "ui/editors/text/label/uiLabel.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiExtEditConsts.h"
#include "ui/editors/text/label/uiLabelViewData.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Messages.h"

namespace ui {

std::unique_ptr<TuiContainerStyle> MakeLabelEditStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                      TuiContainerStyleState state) {
    return std::make_unique<TuiLabelEditStyle>(owner, false, static_cast<TuiCustomEditStyle*>(parentStyle), state);
}

TuiCustomLabel::TuiCustomLabel(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomEdit(owner, propertiesClass, MakeLabelEditStyle) {
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csCaptureMouse);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 121, 21);
}

void TuiCustomLabel::SetFocusControl(vcl::TWinControl* value) {
    if (value == this || value == FFocusControl) {
        return;
    }
    if (FFocusControl != nullptr) {
        FFocusControl->RemoveFreeNotification(this);
    }
    FFocusControl = value;
    if (FFocusControl != nullptr) {
        FFocusControl->FreeNotification(this);
    }
}

void TuiCustomLabel::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiCustomEdit::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FFocusControl) {
        FFocusControl = nullptr;
    }
}

// A new caption is measured again: an auto-sized label grows or shrinks to it.
void TuiCustomLabel::SetDisplayValue(const rtl::Variant&) {
    FPictureCache.Invalidate();
    AdjustSize();
    Invalidate();
}

bool TuiCustomLabel::CanFocus() const {
    return IsInplace() && TuiCustomEdit::CanFocus();
}

// The caption follows the value, unless the value follows the caption.
void TuiCustomLabel::ApplyEditValue(const rtl::Variant& value, bool validated) {
    TuiCustomEdit::ApplyEditValue(value, validated);
    if (!FTextSettingFlag) {
        SetText(rtl::VarToStr(value));
    }
    SetDisplayValue(rtl::Variant(Caption()));
}

void TuiCustomLabel::SetAutoSize(bool value) {
    if (value) {
        Properties().LineOptions().SetVisible(false);
    }
    TuiCustomEdit::SetAutoSize(value);
}

void TuiCustomLabel::PropertiesChanged(TuiCustomEditProperties* properties) {
    FPictureCache.Invalidate();
    if (Properties().LineOptions().Visible() && AutoSize()) {
        TuiCustomEdit::SetAutoSize(false);
    }
    TuiCustomEdit::PropertiesChanged(properties);
}

void TuiCustomLabel::ContainerStyleChanged() {
    FPictureCache.Invalidate();
    TuiCustomEdit::ContainerStyleChanged();
}

void TuiCustomLabel::BoundsChanged() {
    FPictureCache.Invalidate();
    TuiCustomEdit::BoundsChanged();
}

void TuiCustomLabel::ColorChanged() {
    FPictureCache.Invalidate();
    TuiCustomEdit::ColorChanged();
}

void TuiCustomLabel::FontChanged() {
    FPictureCache.Invalidate();
    TuiCustomEdit::FontChanged();
}

void TuiCustomLabel::LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
    FPictureCache.Invalidate();
    TuiCustomEdit::LookAndFeelChanged(sender, changed);
}

void TuiCustomLabel::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomEdit::InitViewData(viewData);
    if (auto* label = dynamic_cast<TuiCustomLabelViewData*>(&viewData)) {
        label->StandaloneControl = this;
        label->StandaloneTransparent = Transparent();
        label->StandaloneCache = &FPictureCache;
    }
}

bool TuiCustomLabel::KeepsWidthWhenAutoSizing() const {
    return Properties().WordWrap();
}

bool TuiCustomLabel::UsesAnchorX() const {
    return Properties().GetAlignment().Horz() != vcl::taLeftJustify;
}

bool TuiCustomLabel::UsesAnchorY() const {
    return Properties().GetAlignment().Vert() != taTopJustify;
}

bool TuiCustomLabel::IsHorzAnchorCentred() const {
    return Properties().GetAlignment().Horz() == vcl::taCenter;
}

bool TuiCustomLabel::IsVertAnchorCentred() const {
    return Properties().GetAlignment().Vert() == taVCenter;
}

bool TuiCustomLabel::HandleDialogChar(char16_t key) {
    if (FFocusControl == nullptr || !Enabled() || !ActiveProperties().ShowAccelChar() ||
        !vcl::IsAccel(key, Caption()) || !FFocusControl->CanFocus()) {
        return false;
    }
    FFocusControl->SetFocus();
    return true;
}

void TuiCustomLabel::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    // The disabled style and the system colours change the picture too.
    case vcl::CM_ENABLEDCHANGED:
    case WM_SYSCOLORCHANGE:
        FPictureCache.Invalidate();
        break;
    case vcl::CM_DIALOGCHAR:
        if (HandleDialogChar(static_cast<char16_t>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case vcl::CM_TEXTCHANGED:
        TuiCustomEdit::Dispatch(message);
        FTextSettingFlag = true;
        try {
            AssignEditValue(rtl::Variant(Caption()));
        } catch (...) {
            FTextSettingFlag = false;
            throw;
        }
        FTextSettingFlag = false;
        return;
    default:
        break;
    }
    TuiCustomEdit::Dispatch(message);
}

void InitializeLabelUnit() {
    GetEditPropertiesRegistry().Register(&TuiLabelProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryLabelItem));
    GetFilterEditsController().RegisterHelper(TuiLabelProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
}

void FinalizeLabelUnit() {
    UnregisterFilterEditHelper(TuiLabelProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiLabelProperties::StaticClass());
}

} // namespace ui
