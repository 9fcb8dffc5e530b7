#include "ui/editors/framework/control/uiCustomEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/services/Beeper.h"

namespace ui {

namespace {

// The construction in progress is one for use in place (virtual constructors take the owner alone).
bool creatingInplaceEditor = false;

// Runs body and then restore, also when body throws.
template <class TBody, class TRestore>
void WithRestore(TBody&& body, TRestore&& restore) {
    try {
        body();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace

TuiCustomEdit::TuiCustomEdit(rtl::TComponent* owner) : TuiCustomEdit(owner, TuiCustomEditProperties::StaticClass()) {}

TuiCustomEdit::TuiCustomEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomEdit(owner, propertiesClass, MakeEditStyle) {}

TuiCustomEdit::TuiCustomEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass,
                             const TuiContainerStyleFactory& styleFactory)
    : TuiContainer(owner, styleFactory), FChangeEventsCatcher(*this),
      FIsInplace(std::exchange(creatingInplaceEditor, false)) {
    Initialize(propertiesClass);
}

TuiCustomEdit* TuiCustomEdit::CreateInplace(const rtl::TMetaclass& editorClass, rtl::TComponent* owner) {
    if (!editorClass.InheritsFrom(StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    creatingInplaceEditor = true;
    TuiCustomEdit* editor = nullptr;
    WithRestore([&] { editor = static_cast<TuiCustomEdit*>(rtl::TComponent::Create(editorClass, owner)); },
                [] { creatingInplaceEditor = false; });
    return editor;
}

void TuiCustomEdit::Initialize(const rtl::TMetaclass& propertiesClass) {
    if (!propertiesClass.InheritsFrom(TuiCustomEditProperties::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    FProperties.reset(static_cast<TuiCustomEditProperties*>(propertiesClass.CreateInstance(this)));
    EditStyle(essNormal).SetIgnoresDefaultController(FIsInplace);
    SetTabStop(true);
    FDataBinding = std::make_unique<TuiEditDataBinding>(this);
    FAutoSize = !FIsInplace;
    FEditValue = rtl::Variant::Null();
    if (FIsInplace) {
        SetKeys({kAll, kArrows, kTab});
    }
    FProperties->SetOnPropertiesChanged([this](rtl::TObject*) { PropertiesChanged(FProperties.get()); });
    FDblClickTimer = std::make_unique<TuiTimer>(nullptr);
    FDblClickTimer->SetEnabled(false);
    FDblClickTimer->SetInterval(GetDoubleClickTime());
    FDblClickTimer->SetOnTimer([this](rtl::TObject*) { FDblClickTimer->SetEnabled(false); });
    if (!FIsInplace) {
        FProperties->AssignDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
    }
}

void TuiCustomEdit::SetDataBinding(std::unique_ptr<TuiEditDataBinding> binding) {
    FDataBinding = std::move(binding);
    if (!FIsInplace && FRepositoryItem == nullptr) {
        FProperties->AssignDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
    }
}

TuiCustomEdit::~TuiCustomEdit() {
    Destroying();
    FDblClickTimer.reset();
    if (FRepositoryItem != nullptr) {
        FRepositoryItem->RemoveListener(this);
    }
    FProperties->SetOnPropertiesChanged({});
    if (!FIsInplace) {
        FProperties->AssignDefaultValuesProvider(nullptr);
    }
    FDataBinding.reset();
}

bool TuiCustomEdit::IsLoadingOrDestroying() const {
    return ComponentState().Contains(rtl::TComponentState::csLoading) || IsDestroying();
}

void TuiCustomEdit::Loaded() {
    LockChangeEvents(true);
    FNotificationLockCount++;
    WithRestore(
        [&] {
            TuiContainer::Loaded();
            // Anchors read with the form are kept; without them the read bounds give them.
            FAnchorsPending = FAnchorX != INT32_MAX || FAnchorY != INT32_MAX;
            FDataBinding->Loaded();
            if (FRepositoryItem == nullptr) {
                FProperties->SetOnPropertiesChanged([this](rtl::TObject*) { PropertiesChanged(FProperties.get()); });
            }
            ApplyProperties();
        },
        [&] {
            FNotificationLockCount--;
            LockChangeEvents(false, false);
        });
}

void TuiCustomEdit::SetParent(vcl::TWinControl* parent) {
    if (parent != nullptr && FFirstParentingPending) {
        FFirstParentingPending = false;
        FDataBinding->Loaded();
        ApplyProperties();
        FDataBinding->UpdateDisplayValue();
    }
    TuiContainer::SetParent(parent);
}

void TuiCustomEdit::ContainerStyleChanged() {
    TuiContainer::ContainerStyleChanged();
    Invalidate();
}

TuiEditStyle& TuiCustomEdit::ActiveEditStyle() const {
    if (!Enabled()) {
        return EditStyle(essDisabled);
    }
    return EditStyle(HandleAllocated() && Focused() ? essFocused : essNormal);
}

TuiContainerStyleValues TuiCustomEdit::GetUnpublishedStyleValues() const {
    TuiContainerStyleValues values = EditStyle(essNormal).EditUnpublishedValues();
    values.Include(esvButtonStyle);
    return values;
}

bool TuiCustomEdit::IsDataBound() const {
    return FDataBinding->GetIDefaultValuesProvider()->IsBoundToData();
}

TuiCustomEditProperties& TuiCustomEdit::GetEffectiveProperties() {
    if (FRepositoryItem == nullptr) {
        return *FProperties;
    }
    TuiCustomEditProperties& properties = FRepositoryItem->Properties();
    // Assigning a provider notifies the item's users, this editor among them: only a new one is assigned.
    if (properties.DefaultValuesProvider() != FDataBinding->GetIDefaultValuesProvider()) {
        properties.AssignDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
    }
    return properties;
}

void TuiCustomEdit::ApplyProperties() {
    if (!IsLoadingOrDestroying()) {
        PropertiesChanged(&GetEffectiveProperties());
    }
}

void TuiCustomEdit::PropertiesChanged(TuiCustomEditProperties*) {
    // Other properties may paint with a view info of another class.
    FCurrentViewInfo.reset();
    FCurrentViewInfoValid = false;
    FValueValidated = false;
    if (FChangedByUser && IsReadOnly()) {
        SetChangedByUser(false);
    }
    if (GetEffectiveProperties().Transparent()) {
        SetTransparent(true);
    }
    CalculateAnchors();
    Invalidate();
}

// Change flags.

void TuiCustomEdit::SetChangedSinceEnter(bool value) {
    FChangedSinceEnter = value;
    if (!value) {
        FChangedByUser = false;
    }
}

void TuiCustomEdit::SetChangedByUser(bool value) {
    FChangedByUser = value;
    if (value) {
        FValueValidated = false;
        FInvalidEntryReported = false;
        FChangedSinceEnter = true;
    }
}

void TuiCustomEdit::SaveChangeFlags() {
    FChangeFlagStack.emplace_back(FChangedSinceEnter, FChangedByUser);
}

void TuiCustomEdit::RestoreChangeFlags() {
    std::tie(FChangedSinceEnter, FChangedByUser) = FChangeFlagStack.back();
    FChangeFlagStack.pop_back();
}

void TuiCustomEdit::LockEditingEvent(bool lock) {
    FEditingEventLockCount = lock ? FEditingEventLockCount + 1 : std::max(FEditingEventLockCount - 1, 0);
}

void TuiCustomEdit::LockChangeEvents(bool lock, bool fireOnUnlock) {
    FChangeEventsCatcher.Lock(lock, fireOnUnlock);
}

// Values.

void TuiCustomEdit::SetEditValue(const rtl::Variant& value) {
    if (FEditingEventLockCount > 0) {
        return;
    }
    FNotificationLockCount++;
    WithRestore([&] { AssignEditValue(value); }, [&] { FNotificationLockCount--; });
}

void TuiCustomEdit::AssignEditValue(const rtl::Variant& value) {
    if (!FUserEditInProgress || TryBeginEdit()) {
        ApplyEditValue(value, true);
    }
}

void TuiCustomEdit::ApplyEditValue(const rtl::Variant& value, bool) {
    if (FUserEditInProgress && !TryBeginEdit()) {
        return;
    }
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    const bool changed = properties.NotifiesEditValueChange() && !rtl::VarSameValue(value, FEditValue);
    FEditValue = value;
    FCurrentViewInfoValid = false;
    UpdateDisplay();
    if (FUserEditInProgress) {
        SetChangedByUser(true);
    } else {
        SetChangedSinceEnter(false);
    }
    if (changed) {
        DoEditValueChanged();
        if (!properties.IsChangeEventFromText()) {
            DoChange();
        }
    }
}

rtl::Variant TuiCustomEdit::GetCurrentEditValue() {
    if (HandleAllocated() && Focused() && !FValueValidated && FChangedByUser) {
        return GetEditValueFromDisplay();
    }
    return GetEditValue();
}

void TuiCustomEdit::ChangeDisplayValue(const rtl::Variant& value) {
    SaveChangeFlags();
    WithRestore([&] { WriteDisplayValue(value); }, [&] { RestoreChangeFlags(); });
}

// Change events.

bool TuiCustomEdit::HasOnChangeHandler() {
    return FProperties->OnChange() || GetEffectiveProperties().OnChange();
}

bool TuiCustomEdit::HasOnEditValueChangedHandler() {
    return FProperties->OnEditValueChanged() || GetEffectiveProperties().OnEditValueChanged();
}

void TuiCustomEdit::DoChange() {
    if (IsLoadingOrDestroying() || !HasOnChangeHandler()) {
        return;
    }
    if (FChangeEventsCatcher.IsLocked()) {
        FChangeEventsCatcher.CatchChange();
        return;
    }
    RunChangeHandler(&TuiCustomEdit::DoOnChange);
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    if (!properties.IsChangeEventFromText() && !properties.NotifiesEditValueChange()) {
        DoEditValueChanged();
    }
}

void TuiCustomEdit::DoEditValueChanged() {
    if (IsLoadingOrDestroying() || !HasOnEditValueChangedHandler()) {
        return;
    }
    if (FChangeEventsCatcher.IsLocked()) {
        FChangeEventsCatcher.CatchEditValueChanged();
        return;
    }
    RunChangeHandler(&TuiCustomEdit::DoOnEditValueChanged);
}

void TuiCustomEdit::RunChangeHandler(void (TuiCustomEdit::*handler)()) {
    if (!FIsInplace) {
        (this->*handler)();
        return;
    }
    SaveChangeFlags();
    FChangedSinceEnter = true;
    FChangedByUser = true;
    WithRestore([&] { (this->*handler)(); }, [&] { RestoreChangeFlags(); });
}

void TuiCustomEdit::DoOnChange() {
    if (FProperties->OnChange()) {
        FProperties->OnChange()(this);
    }
    if (FRepositoryItem != nullptr && FRepositoryItem->Properties().OnChange()) {
        FRepositoryItem->Properties().OnChange()(this);
    }
}

void TuiCustomEdit::DoOnEditValueChanged() {
    if (FProperties->OnEditValueChanged()) {
        FProperties->OnEditValueChanged()(this);
    }
    if (FRepositoryItem != nullptr && FRepositoryItem->Properties().OnEditValueChanged()) {
        FRepositoryItem->Properties().OnEditValueChanged()(this);
    }
}

void TuiCustomEdit::HandleUserChange() {
    if (HandleAllocated() && Focused()) {
        SetChangedByUser(true);
    } else if (!GetEffectiveProperties().IsChanging()) {
        FDataBinding->NotifyUserChange();
    }
    DoChange();
}

// Editing permission and read-only rules.

bool TuiCustomEdit::TryBeginEdit() {
    if (!IsEditable()) {
        return false;
    }
    if (FDataBinding->GetModified()) {
        return true;
    }
    if (!CanModify()) {
        return false;
    }
    FInEditingEvent = true;
    bool canEdit = true;
    WithRestore(
        [&] {
            if (FIsInplace) {
                LockEditingEvent(true);
                WithRestore(
                    [&] {
                        if (FOnEditing) {
                            FOnEditing(this, canEdit);
                        }
                    },
                    [&] { LockEditingEvent(false); });
                return;
            }
            const bool wasChangedByUser = FDataBinding->IsChangedByUser();
            LockEditingEvent(true);
            WithRestore(
                [&] {
                    if (FOnEditing) {
                        FOnEditing(this, canEdit);
                    }
                },
                [&] { LockEditingEvent(false); });
            if (!canEdit) {
                return;
            }
            if (wasChangedByUser) {
                FDataBinding->NotifyUserChange();
            } else {
                LockEditingEvent(true);
                WithRestore([&] { canEdit = FDataBinding->SetModified(); }, [&] { LockEditingEvent(false); });
            }
        },
        [&] { FInEditingEvent = false; });
    return canEdit;
}

bool TuiCustomEdit::CanModify() {
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    if (FIsInplace) {
        return properties.CanModifyValue();
    }
    if (properties.IsReadOnlyStored()) {
        return !properties.GetReadOnly();
    }
    IuiEditDefaultValuesProvider* provider = FDataBinding->GetIDefaultValuesProvider();
    return provider != nullptr && provider->CanEnterEditMode() && provider->IsDataModifiable();
}

bool TuiCustomEdit::IsReadOnly() {
    return GetEffectiveProperties().GetReadOnly() || FDataBinding->IsDataReadOnly();
}

bool TuiCustomEdit::IsValidChar(char16_t ch) {
    return GetEffectiveProperties().IsValidInputChar(ch);
}

// Validation.

void TuiCustomEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) {
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    if (properties.CanValidate()) {
        properties.ValidateValue(displayValue, errorText, *this, error);
    }
}

bool TuiCustomEdit::ValidateEnteredText(bool raiseOnError) {
    if (!FChangedByUser || FValueValidated) {
        return true;
    }
    bool acceptable = false;
    FValidating = true;
    WithRestore(
        [&] {
            rtl::Variant displayValue(GetDisplayText());
            rtl::UnicodeString errorText;
            bool error = false;
            ValidateDisplayValue(displayValue, errorText, error);
            if (error) {
                const auto showEntry = [&] {
                    if (GetDisplayText() != rtl::VarToStr(displayValue)) {
                        SetDisplayValue(displayValue);
                    }
                    if (Visible()) {
                        SelectAll();
                    }
                    if (!IsInnerEditShown()) {
                        RefreshInnerEdit();
                    }
                };
                WithRestore(
                    [&] {
                        if (raiseOnError) {
                            ReportValidationError(errorText, true);
                        }
                    },
                    showEntry);
                return;
            }
            acceptable = true;
            if (FUserEditInProgress && !TryBeginEdit()) {
                return;
            }
            ChangeDisplayValue(displayValue);
            if (!FIsInplace && !(HandleAllocated() && Focused())) {
                SetChangedByUser(false);
            }
            FValueValidated = true;
        },
        [&] { FValidating = false; });
    return acceptable;
}

// The entry stays invalid when the editor cannot show it: only the report is not repeated, and the next change
// of the user makes it reportable again.
void TuiCustomEdit::ReportValidationError(const rtl::UnicodeString& errorText, bool raiseAbort) {
    if (!CanFocus()) {
        if (FInvalidEntryReported) {
            return;
        }
        FInvalidEntryReported = true;
    } else if (Visible()) {
        if (!Focused()) {
            FValidationFocusing = true;
            WithRestore([&] { SetFocus(); }, [&] { FValidationFocusing = false; });
        }
        SelectAll();
    }
    if (GetEffectiveProperties().BeepOnError()) {
        vcl::Beep();
    }
    if (!errorText.empty()) {
        throw EuiEditValidationError(errorText);
    }
    if (raiseAbort) {
        throw rtl::EAbort(u"");
    }
}

// Posting.

bool TuiCustomEdit::IsPostPending() {
    return !ComponentState().Contains(rtl::TComponentState::csDesigning) && FDataBinding->GetChangedByUser();
}

// In place a failing post handler reaches the host as standalone, after the editor took the focus back: a
// swallowed exception would lose the entry without telling anyone.
bool TuiCustomEdit::CommitValue(bool validateFirst) {
    if (validateFirst) {
        const bool wasInProgress = std::exchange(FUserEditInProgress, false);
        bool valid = false;
        WithRestore([&] { valid = ValidateEnteredText(true); }, [&] { FUserEditInProgress = wasInProgress; });
        if (!valid) {
            return false;
        }
    }
    try {
        BeginPosting();
        WithRestore(
            [&] {
                if (FIsInplace) {
                    if (FPostHandler) {
                        FPostHandler(this);
                    }
                    SetChangedSinceEnter(false);
                } else if (FDataBinding->GetModified()) {
                    FDataBinding->SetStoredValue(GetEditValue());
                }
            },
            [&] { EndPosting(); });
    } catch (...) {
        ReportValidationError(u"", false);
        throw;
    }
    return true;
}

void TuiCustomEdit::PostWithImmediatePost() {
    if (GetEffectiveProperties().ImmediatePost() && IsPostPending()) {
        CommitValue(false);
    }
}

void TuiCustomEdit::RevertValue() {
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    if (!FChangedByUser || !properties.CanResetValue()) {
        return;
    }
    LockChangeEvents(true);
    WithRestore(
        [&] {
            FChangedByUser = false;
            // Bound data keeps what the entry started from; unbound, the value at entry stands for it.
            rtl::Variant restored = FValueAtEnter;
            if (IsDataBound()) {
                FDataBinding->GetStoredValue(restored);
            }
            AssignEditValue(restored);
            SetChangedSinceEnter(true);
            SelectAll();
            PostWithImmediatePost();
        },
        [&] { LockChangeEvents(false); });
}

// Entering and leaving.

void TuiCustomEdit::EnterEditing() {
    SaveChangeFlags();
    WithRestore(
        [&] {
            TuiContainer::DoEnter();
            FDataBinding->UpdateDisplayValue();
            if (GetEffectiveProperties().CanResetValue()) {
                FValueAtEnter = GetEditValue();
            }
            UpdateDisplay();
        },
        [&] { RestoreChangeFlags(); });
    FChangedByUser = false;
}

void TuiCustomEdit::DoEnter() {
    if (!FValidationFocusing) {
        EnterEditing();
    }
}

void TuiCustomEdit::DoExit() {
    const bool wasInProgress = std::exchange(FUserEditInProgress, false);
    WithRestore([&] { HandleExit(true); }, [&] { FUserEditInProgress = wasInProgress; });
}

void TuiCustomEdit::HandleExit(bool runExitEvent) {
    if (IsDestroying() || FValidationFocusing) {
        return;
    }
    SaveChangeFlags();
    LockChangeEvents(true);
    bool valid = false;
    try {
        valid = ValidateEnteredText(true);
    } catch (...) {
        LockChangeEvents(false);
        RestoreChangeFlags();
        throw;
    }
    // An entry refused without a report (already reported once) is not posted either.
    if (!valid) {
        LockChangeEvents(false);
        RestoreChangeFlags();
        return;
    }
    WithRestore(
        [&] {
            if (!FIsInplace && IsPostPending()) {
                CommitValue(false);
            }
        },
        [&] { LockChangeEvents(false); });
    FDataBinding->UpdateDisplayValue();
    RefreshInnerEdit();
    RestoreChangeFlags();
    if (runExitEvent) {
        TuiContainer::DoExit();
    }
    SetChangedByUser(false);
}

void TuiCustomEdit::FocusChanged() {
    if (IsDestroying() || FValidationFocusing) {
        return;
    }
    const bool focusState = HandleAllocated() && Focused() && vcl::Application().Active();
    if (focusState != FFocusState) {
        FFocusState = focusState;
        TuiContainer::FocusChanged();
    }
}

// An accepting close of a modal form asks its active control first (the form is still shown): an invalid entry
// keeps the form open with the error reported, so OK never passes an entry the editor refused.
bool TuiCustomEdit::ValidateOnModalClose() {
    RefreshInnerEdit();
    try {
        return ValidateEnteredText(true);
    } catch (...) {
        vcl::Application().HandleException(this, std::current_exception());
        return false;
    }
}

// The repository item.

bool TuiCustomEdit::CanUseRepositoryItem(TuiEditRepositoryItem* item) const {
    return item == nullptr || item->GetPropertiesClass().InheritsFrom(GetPropertiesClass());
}

void TuiCustomEdit::SetRepositoryItem(TuiEditRepositoryItem* item) {
    if (item == FRepositoryItem) {
        return;
    }
    if (!CanUseRepositoryItem(item)) {
        throw EuiEditError(LoadResStringText(uiSEditInvalidRepositoryItem));
    }
    if (FRepositoryItem != nullptr) {
        FRepositoryItem->RemoveListener(this);
    }
    FRepositoryItem = item;
    if (item != nullptr) {
        item->AddListener(this);
        FProperties->AssignDefaultValuesProvider(nullptr);
        ApplyProperties();
        FProperties->SetOnPropertiesChanged({});
        return;
    }
    if (!IsLoadingOrDestroying()) {
        FProperties->SetOnPropertiesChanged([this](rtl::TObject*) { PropertiesChanged(FProperties.get()); });
    }
    FProperties->AssignDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
    ApplyProperties();
}

void TuiCustomEdit::ItemRemoved(TuiEditRepositoryItem* item) {
    if (item == FRepositoryItem) {
        SetRepositoryItem(nullptr);
    }
}

void TuiCustomEdit::ItemPropertiesChanged(TuiEditRepositoryItem* item) {
    if (item == FRepositoryItem && !IsLoadingOrDestroying()) {
        PropertiesChanged(&item->Properties());
    }
}

void TuiCustomEdit::SetTransparent(bool value) {
    if (value == FTransparent) {
        return;
    }
    FTransparent = value;
    vcl::TControlStyle style = ControlStyle();
    if (value) {
        style.Exclude(vcl::csOpaque);
    } else {
        style.Include(vcl::csOpaque);
    }
    SetControlStyle(style);
    Invalidate();
}

} // namespace ui
