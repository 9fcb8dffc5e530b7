#include "ui/editors/framework/properties/uiEditProperties.h"

#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

std::vector<TuiCustomEditProperties*>& LiveEditProperties() {
    static std::vector<TuiCustomEditProperties*> list; // not owned
    return list;
}

std::unique_ptr<TuiRegisteredClasses>& EditPropertiesRegistry() {
    static std::unique_ptr<TuiRegisteredClasses> registry;
    return registry;
}

rtl::TComponent* FindOwnerComponent(const rtl::TPersistent* persistent) {
    for (rtl::TPersistent* owner = persistent->GetOwner(); owner != nullptr; owner = owner->GetOwner()) {
        if (auto* component = dynamic_cast<rtl::TComponent*>(owner)) {
            return component;
        }
    }
    return nullptr;
}

} // namespace

TuiCustomEditPropertiesValues::TuiCustomEditPropertiesValues(rtl::TPersistent* owner) : FOwner(owner) {}

TuiCustomEditProperties* TuiCustomEditPropertiesValues::Properties() const {
    return dynamic_cast<TuiCustomEditProperties*>(FOwner);
}

void TuiCustomEditPropertiesValues::Assign(const rtl::TPersistent* source) {
    const auto* values = dynamic_cast<const TuiCustomEditPropertiesValues*>(source);
    if (values == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    TuiCustomEditProperties* properties = Properties();
    if (properties != nullptr) {
        properties->BeginUpdate();
    }
    SetMaxValue(values->FMaxValue);
    SetMinValue(values->FMinValue);
    SetReadOnly(values->FReadOnly);
    if (properties != nullptr) {
        properties->EndUpdate();
    }
}

void TuiCustomEditPropertiesValues::ResetAssigned() {
    TuiCustomEditProperties* properties = Properties();
    if (properties != nullptr) {
        properties->BeginUpdate();
    }
    SetMaxValue(false);
    SetMinValue(false);
    SetReadOnly(false);
    if (properties != nullptr) {
        properties->EndUpdate();
    }
}

void TuiCustomEditPropertiesValues::SetFlag(bool& flag, bool value) {
    if (flag == value) {
        return;
    }
    flag = value;
    if (TuiCustomEditProperties* properties = Properties()) {
        properties->Changed();
    }
}

TuiCustomEditDefaultValuesProvider::~TuiCustomEditDefaultValuesProvider() {
    DetachFromProperties();
}

bool TuiCustomEditDefaultValuesProvider::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiEditDefaultValuesProvider>(this, iid, object) ||
           TuiInterfacedPersistent::QueryInterface(iid, object);
}

void TuiCustomEditDefaultValuesProvider::DetachFromProperties() {
    for (TuiCustomEditProperties* properties : LiveEditProperties()) {
        IuiEditDefaultValuesProvider* provider = properties->DefaultValuesProvider();
        if (provider != nullptr && provider->GetInstance() == this) {
            properties->DefaultValuesProviderDestroyed();
        }
    }
}

TuiCustomEditProperties::TuiCustomEditProperties(rtl::TPersistent* owner, const rtl::TMetaclass& assignedValuesClass)
    : TuiInterfacedPersistent(owner) {
    LiveEditProperties().push_back(this);
    FFreeNotificator = std::make_unique<TuiFreeNotificator>(nullptr);
    FFreeNotificator->SetOnFreeNotification([this](rtl::TComponent* component) { FreeNotification(component); });
    FAlignment = std::make_unique<TuiEditAlignment>(this);
    FAlignment->SetOnChanged([this](rtl::TObject*) { AlignmentChanged(); });
    FAssignedValues.reset(static_cast<TuiCustomEditPropertiesValues*>(assignedValuesClass.CreateInstance(this)));
    FButtons = std::make_unique<TuiEditButtons>(this, TuiEditButtons::GetButtonClass());
    FButtons->SetOnChange([this](rtl::TObject*) { ButtonsChanged(); });
    FInnerAlignment = std::make_unique<TuiEditAlignment>(this);
}

TuiCustomEditProperties::~TuiCustomEditProperties() {
    DisconnectFromInplaceEditLists(*this);
    FDefaultValuesProvider.Reset();
    FButtons.reset();
    FInnerAlignment.reset();
    FAssignedValues.reset();
    FAlignment.reset();
    FFreeNotificator.reset();
    std::erase(LiveEditProperties(), this);
}

std::unique_ptr<TuiCustomEditProperties> TuiCustomEditProperties::CreateEmptyCopy() const {
    return std::unique_ptr<TuiCustomEditProperties>(
        static_cast<TuiCustomEditProperties*>(ClassType().CreateInstance(nullptr)));
}

void TuiCustomEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* other = dynamic_cast<const TuiCustomEditProperties*>(source);
    if (other == nullptr) {
        TuiInterfacedPersistent::Assign(source);
        return;
    }
    auto& properties = const_cast<TuiCustomEditProperties&>(*other);
    BeginUpdate();
    SetAutoSelect(properties.FAutoSelect);
    FButtons->Assign(properties.FButtons.get());
    SetButtonsOnlyMode(properties.FButtonsOnlyMode);
    FBeepOnError = properties.FBeepOnError;
    FClearKey = properties.FClearKey;
    FClickKey = properties.FClickKey;
    FUseLeftAlignmentOnEditing = properties.FUseLeftAlignmentOnEditing;
    FDefaultValuesProvider = properties.FDefaultValuesProvider;
    SetAlignment(properties.GetAlignment());
    FAssignedValues->SetMaxValue(false);
    if (properties.FAssignedValues->MaxValue()) {
        SetMaxValue(properties.GetMaxValue());
    }
    FAssignedValues->SetMinValue(false);
    if (properties.FAssignedValues->MinValue()) {
        SetMinValue(properties.GetMinValue());
    }
    FAssignedValues->SetReadOnly(false);
    if (properties.FAssignedValues->ReadOnly()) {
        SetReadOnly(properties.GetReadOnly());
    }
    FImmediatePost = properties.FImmediatePost;
    SetTransparent(properties.FTransparent);
    FAcceptsMouseWheel = properties.FAcceptsMouseWheel;
    FValidateOnEnter = properties.FValidateOnEnter;
    FOnButtonClick = properties.FOnButtonClick;
    FOnChange = properties.FOnChange;
    FOnEditValueChanged = properties.FOnEditValueChanged;
    FOnValidate = properties.FOnValidate;
    EndUpdate();
}

void TuiCustomEditProperties::BeginUpdate() {
    if (FUpdateCount == 0) {
        FChangePending = false;
    }
    ++FUpdateCount;
}

void TuiCustomEditProperties::EndUpdate(bool notify) {
    if (FUpdateCount <= 0) {
        return;
    }
    if (--FUpdateCount == 0 && notify && FChangePending) {
        Changed();
    }
}

bool TuiCustomEditProperties::CanNotifyChange() const {
    if (IsChangeLocked()) {
        return false;
    }
    const auto* owner = dynamic_cast<const rtl::TComponent*>(GetOwner());
    return owner == nullptr || !owner->ComponentState().Contains(rtl::TComponentState::csDestroying);
}

void TuiCustomEditProperties::Changed() {
    if (CanNotifyChange()) {
        DoChanged();
    } else {
        FChangePending = true;
    }
}

void TuiCustomEditProperties::DoChanged() {
    if (!FOnPropertiesChanged) {
        return;
    }
    struct TChangingScope {
        int32_t& Count;
        explicit TChangingScope(int32_t& count) : Count(count) { ++Count; }
        ~TChangingScope() { --Count; }
    } scope(FChangingCount);
    FOnPropertiesChanged(this);
}

bool TuiCustomEditProperties::IsOwnerBeingWritten() const {
    const rtl::TComponent* component = FindOwnerComponent(this);
    return component != nullptr && component->ComponentState().Contains(rtl::TComponentState::csWriting);
}

TuiEditAlignment& TuiCustomEditProperties::GetAlignment() {
    FAlignment->SetOnChanged(nullptr);
    FAlignment->Assign(FInnerAlignment.get());
    if (!(IsAlignmentStored() && IsOwnerBeingWritten()) && !FInnerAlignment->IsHorzStored()) {
        FAlignment->SetHorz(GetDefaultHorzAlignment());
    }
    FAlignment->SetOnChanged([this](rtl::TObject*) { AlignmentChanged(); });
    return *FAlignment;
}

void TuiCustomEditProperties::SetAlignment(const TuiEditAlignment& value) {
    FInnerAlignment->Assign(&value);
    Changed();
}

void TuiCustomEditProperties::AlignmentChanged() {
    FInnerAlignment->Assign(FAlignment.get());
    Changed();
}

vcl::TAlignment TuiCustomEditProperties::GetDefaultHorzAlignment() {
    if (FDefaultValuesProvider) {
        return FDefaultValuesProvider->DefaultAlignment();
    }
    return FAlignment->Horz();
}

double TuiCustomEditProperties::GetMaxValue() {
    if (FAssignedValues->MaxValue()) {
        return FMaxValue;
    }
    return FDefaultValuesProvider ? FDefaultValuesProvider->DefaultMaxValue() : 0.0;
}

double TuiCustomEditProperties::GetMinValue() {
    if (FAssignedValues->MinValue()) {
        return FMinValue;
    }
    return FDefaultValuesProvider ? FDefaultValuesProvider->DefaultMinValue() : 0.0;
}

bool TuiCustomEditProperties::GetReadOnly() {
    if (FAssignedValues->ReadOnly()) {
        return FReadOnly;
    }
    return FDefaultValuesProvider && FDefaultValuesProvider->DefaultReadOnly();
}

void TuiCustomEditProperties::SetLimit(double& field, double value, bool assigned,
                                       void (TuiCustomEditPropertiesValues::*flag)(bool)) {
    if (assigned && field == value) {
        return;
    }
    field = value;
    BeginUpdate();
    (FAssignedValues.get()->*flag)(true);
    Changed();
    EndUpdate();
}

void TuiCustomEditProperties::SetMaxValue(double value) {
    SetLimit(FMaxValue, value, FAssignedValues->MaxValue(), &TuiCustomEditPropertiesValues::SetMaxValue);
}

void TuiCustomEditProperties::SetMinValue(double value) {
    SetLimit(FMinValue, value, FAssignedValues->MinValue(), &TuiCustomEditPropertiesValues::SetMinValue);
}

void TuiCustomEditProperties::SetReadOnly(bool value) {
    if (FAssignedValues->ReadOnly() && FReadOnly == value) {
        return;
    }
    FReadOnly = value;
    BeginUpdate();
    FAssignedValues->SetReadOnly(true);
    Changed();
    EndUpdate();
}

bool TuiCustomEditProperties::CanModifyValue() {
    if (FAssignedValues->ReadOnly() && !FReadOnly) {
        return true;
    }
    if (GetReadOnly()) {
        return false;
    }
    return !FDefaultValuesProvider ||
           (FDefaultValuesProvider->CanEnterEditMode() && FDefaultValuesProvider->IsDataModifiable());
}

void TuiCustomEditProperties::AssignDefaultValuesProvider(IuiEditDefaultValuesProvider* provider) {
    FDefaultValuesProvider = rtl::TInterfacePtr<IuiEditDefaultValuesProvider>(provider);
    if (dynamic_cast<rtl::TComponent*>(GetOwner()) != nullptr) {
        Changed();
    }
}

bool TuiCustomEditProperties::IsProviderDisplayFormatDefined(bool editing) {
    const TuiEditDisplayFormatOptions options = GetDisplayFormatOptions();
    if (editing || !options.Contains(dfoSupports) || !FDefaultValuesProvider) {
        return false;
    }
    return FDefaultValuesProvider->IsDisplayFormatDefined(!options.Contains(dfoNoCurrencyValue));
}

bool TuiCustomEditProperties::UsesDataDisplayFormatWhenIdle() {
    const TuiEditDisplayFormatOptions options = GetDisplayFormatOptions();
    return options.Contains(dfoSupports) && !CanShowDataDisplayText(true) && CanShowDataDisplayText(false) &&
           FDefaultValuesProvider &&
           FDefaultValuesProvider->IsDisplayFormatDefined(!options.Contains(dfoNoCurrencyValue));
}

void TuiCustomEditProperties::RestoreDefaults() {
    FInnerAlignment->Reset();
    BeginUpdate();
    FAssignedValues->ResetAssigned();
    EndUpdate();
}

const rtl::TMetaclass& TuiCustomEditProperties::GetContainerClass() const {
    return TuiCustomEdit::StaticClass();
}

void TuiCustomEditProperties::ValidateValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText,
                                            TuiCustomEdit& edit, bool& error) {
    if (!CanValidate()) {
        return;
    }
    if (errorText.empty()) {
        errorText = GetValidateErrorText(0);
    }
    TuiEditRepositoryItem* item = edit.RepositoryItem();
    const TValidateEvent& own = edit.Properties().OnValidate();
    const TValidateEvent* itemHandler = item != nullptr ? &item->Properties().OnValidate() : nullptr;
    if (!own && (itemHandler == nullptr || !*itemHandler)) {
        return;
    }
    const rtl::UnicodeString oldText = rtl::VarToStr(displayValue);
    if (own) {
        own(&edit, displayValue, errorText, error);
    }
    if (itemHandler != nullptr && *itemHandler) {
        (*itemHandler)(&edit, displayValue, errorText, error);
    }
    if (error && rtl::VarToStr(displayValue) == oldText) {
        displayValue = rtl::Variant(edit.GetDisplayText());
    }
}

rtl::UnicodeString TuiCustomEditProperties::GetValidateErrorText(int32_t) const {
    return LoadResStringText(uiSEditValidateErrorText);
}

bool TuiCustomEditProperties::AreDisplayValuesEqual(const rtl::Variant& value1, const rtl::Variant& value2) {
    rtl::Variant display1;
    rtl::Variant display2;
    PrepareDisplayValue(value1, display1, false);
    PrepareDisplayValue(value2, display2, false);
    return rtl::VarSameValue(display1, display2);
}

rtl::UnicodeString TuiCustomEditProperties::GetDisplayText(const rtl::Variant&, bool, bool) {
    return {};
}

uint32_t TuiCustomEditProperties::GetCapabilities() const {
    constexpr uint32_t hasButtons = 32;
    return FButtons->Count() > 0 ? hasButtons : 0;
}

void TuiCustomEditProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool) {
    displayValue = editValue;
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomEditProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                               bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomEditViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomEditProperties::CreateViewInfo() const {
    return std::make_unique<TuiCustomEditViewInfo>();
}

vcl::TSize TuiCustomEditProperties::GetEditSize(TuiCanvas& canvas, TuiCustomEditStyle& style, bool isInplace,
                                                const rtl::Variant& editValue, const TuiEditSizeRequest& request) {
    return CreateViewData(style, isInplace)->GetEditSize(canvas, editValue, request);
}

int32_t EditPropertiesCount() {
    return static_cast<int32_t>(LiveEditProperties().size());
}

TuiCustomEditProperties& EditPropertiesAt(int32_t index) {
    return *LiveEditProperties().at(static_cast<size_t>(index));
}

TuiRegisteredClasses& GetEditPropertiesRegistry() {
    std::unique_ptr<TuiRegisteredClasses>& registry = EditPropertiesRegistry();
    if (!registry) {
        registry = std::make_unique<TuiRegisteredClasses>(false);
        registry->SetSortedMode(true);
    }
    return *registry;
}

void FreeEditPropertiesRegistry() {
    EditPropertiesRegistry().reset();
}

} // namespace ui
