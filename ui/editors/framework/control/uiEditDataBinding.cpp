#include "ui/editors/framework/control/uiEditDataBinding.h"

#include "rtl/core/Exceptions.h"
#include "ui/editors/framework/control/uiCustomEdit.h"

namespace ui {

TuiEditDataBinding::TuiEditDataBinding(TuiCustomEdit* editor, const rtl::TMetaclass& providerClass) : FEditor(editor) {
    if (!providerClass.InheritsFrom(TuiCustomEditDefaultValuesProvider::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    FDefaultValuesProvider.reset(
        static_cast<TuiCustomEditDefaultValuesProvider*>(providerClass.CreateInstance(nullptr)));
}

TuiEditDataBinding::~TuiEditDataBinding() = default;

rtl::TPersistent* TuiEditDataBinding::GetOwner() const {
    return FEditor;
}

IuiEditDefaultValuesProvider* TuiEditDataBinding::GetIDefaultValuesProvider() const {
    return FDefaultValuesProvider.get();
}

void TuiEditDataBinding::DefaultValuesChanged() {
    TuiCustomEditProperties& properties = FEditor->GetEffectiveProperties();
    if (FEditor->RepositoryItem() == nullptr) {
        properties.Changed();
        return;
    }
    properties.BeginUpdate();
    properties.Changed();
    properties.EndUpdate(false);
    FEditor->PropertiesChanged(&properties);
}

void TuiEditDataBinding::GetDisplayValue(rtl::Variant& value) {
    value = rtl::Variant(FEditor->GetDisplayText());
}

bool TuiEditDataBinding::IsChangedByUser() {
    return FEditor->ChangedByUser();
}

bool TuiEditDataBinding::GetModified() {
    return FEditor->ChangedByUser();
}

void TuiEditDataBinding::GetStoredValue(rtl::Variant& value) {
    value = FEditor->GetEditValue();
}

void TuiEditDataBinding::Reset() {
    FEditor->RevertValue();
}

void TuiEditDataBinding::SetDisplayValue(const rtl::Variant& value) {
    FEditor->SetDisplayValue(value);
}

bool TuiEditDataBinding::SetModified() {
    FEditor->SetChangedByUser(true);
    return true;
}

bool TuiEditDataBinding::IsValueUntouched() {
    return FEditor->ComponentState().Contains(rtl::TComponentState::csDesigning) || !FEditor->ChangedByUser();
}

bool TuiEditDataBinding::IsDataAvailable() {
    return FDefaultValuesProvider->HasData();
}

void TuiEditDataBinding::NotifyUserChange() {
    if (FEditor->HandleAllocated() && FEditor->Focused()) {
        FEditor->SetChangedByUser(true);
    }
}

void TuiEditDataBinding::UpdateDisplayValue() {
    FEditor->UpdateDisplay();
}

TuiCustomEditData::TuiCustomEditData(rtl::TComponent* editor) : FEditor(dynamic_cast<TuiCustomEdit*>(editor)) {
    FFreeNotificator = std::make_unique<TuiFreeNotificator>(nullptr);
    FFreeNotificator->SetOnFreeNotification([this](rtl::TComponent* component) {
        if (component == FEditor) {
            FEditor = nullptr;
        }
    });
    FFreeNotificator->WatchComponent(FEditor);
    Clear();
}

TuiCustomEditData::~TuiCustomEditData() = default;

void TuiCustomEditData::Clear() {
    FCleared = true;
    if (FEditor != nullptr) {
        FEditor->ReleaseEditData(*this);
    }
}

void TuiEditChangeEventsCatcher::Lock(bool lock, bool fire) {
    if (lock) {
        if (FLockCount == 0) {
            FOnChangeCaught = false;
            FOnEditValueChangedCaught = false;
        }
        ++FLockCount;
        return;
    }
    if (FLockCount == 0 || --FLockCount > 0 || !fire) {
        return;
    }
    if (FEditor.ComponentState().Contains(rtl::TComponentState::csLoading) || FEditor.IsDestroying()) {
        return;
    }
    if (std::exchange(FOnChangeCaught, false) && FEditor.HasOnChangeHandler()) {
        FEditor.DoOnChange();
    }
    if (std::exchange(FOnEditValueChangedCaught, false) && FEditor.HasOnEditValueChangedHandler()) {
        FEditor.DoOnEditValueChanged();
    }
}

} // namespace ui
