#include "ui/data/common/uiCustomDataBinding.h"

#include "rtl/core/Exceptions.h"

namespace ui {

TuiCustomDataBinding::TuiCustomDataBinding(rtl::TComponent* owner, rtl::TComponent* dataComponent)
    : FDataComponent(dataComponent), FOwner(owner) {}

void TuiCustomDataBinding::AttachVisualControl(rtl::TComponent* control) {
    if (control == FVisualControl) {
        return;
    }
    FVisualControl = control;
    VisualControlAttached();
}

void TuiCustomDataBinding::NotifyValueChanged(rtl::TObject* sender, int32_t info) {
    if (FOnValueChanged) {
        FOnValueChanged(sender, info);
    }
}

void TuiCustomDataBinding::NotifyStateChanged(rtl::TObject* sender, int32_t info) {
    if (FOnStateChanged) {
        FOnStateChanged(sender, info);
    }
}

void TuiCustomDataBinding::ChangeReadOnly(bool value) {
    if (value == FReadOnly) {
        return;
    }
    FReadOnly = value;
    NotifyStateChanged(this, 0);
}

void TuiCustomDataBinding::WriteBackData() {
    if (FOnWriteBack) {
        FOnWriteBack();
    }
}

std::unique_ptr<TuiCustomDataBinding> CreateDataBinding(const rtl::TMetaclass& bindingClass, rtl::TComponent* owner,
                                                        rtl::TComponent* dataComponent) {
    if (!bindingClass.InheritsFrom(TuiCustomDataBinding::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    std::unique_ptr<TuiCustomDataBinding> binding(
        static_cast<TuiCustomDataBinding*>(bindingClass.CreateInstance(owner)));
    binding->FDataComponent = dataComponent;
    return binding;
}

} // namespace ui
