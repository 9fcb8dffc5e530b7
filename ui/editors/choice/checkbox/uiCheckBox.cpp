#include "ui/editors/choice/checkbox/uiCheckBox.h"

#include "rtl/WindowsApi.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewData.h"
#include "ui/editors/choice/checkbox/uiFilterCheckBoxHelper.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Messages.h"

namespace ui {

namespace {

constexpr int32_t defaultCheckBoxWidth = 121;

} // namespace

std::unique_ptr<TuiContainerStyle> MakeCheckBoxStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                     TuiContainerStyleState state) {
    return std::make_unique<TuiCheckBoxStyle>(owner, false, static_cast<TuiCustomEditStyle*>(parentStyle), state);
}

TuiCustomCheckBox::TuiCustomCheckBox(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomEdit(owner, propertiesClass, MakeCheckBoxStyle) {
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csDoubleClicks);
    style.Include(vcl::csParentBackground);
    SetControlStyle(style);
    SetBounds(Left(), Top(), defaultCheckBoxWidth, Height());
    SetEditValue(Properties().ValueUnchecked());
}

TuiCustomCheckBoxViewInfo* TuiCustomCheckBox::CheckViewInfo() {
    return dynamic_cast<TuiCustomCheckBoxViewInfo*>(&CurrentViewInfo());
}

TuiCheckHotState TuiCustomCheckBox::HotState() {
    const TuiCustomCheckBoxViewInfo* info = CheckViewInfo();
    return info != nullptr ? info->HotState : chsNormal;
}

TuiCheckBoxState TuiCustomCheckBox::State() {
    return ActiveProperties().GetStateByValue(EditValue());
}

void TuiCustomCheckBox::SetState(TuiCheckBoxState value) {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        FStateRemembered = true;
        FRememberedState = value;
        return;
    }
    if (value != State()) {
        AssignEditValue(ActiveProperties().GetValueByState(value));
    }
}

void TuiCustomCheckBox::Toggle() {
    static constexpr TuiCheckBoxState next[] = {cbsChecked, cbsUnchecked, cbsChecked};
    const TuiCheckBoxState state = State();
    const TuiCheckBoxState toggled =
        state == cbsUnchecked && ActiveProperties().AllowGrayed() ? cbsGrayed : next[state];
    LockChangeEvents(true);
    const bool wasInProgress = UserEditInProgress();
    SetUserEditInProgress(true);
    try {
        SetState(toggled);
        if (ActiveProperties().ImmediatePost() && IsPostPending() && ValidateEnteredText(true)) {
            CommitValue(false);
        }
    } catch (...) {
        SetUserEditInProgress(wasInProgress);
        LockChangeEvents(false);
        throw;
    }
    SetUserEditInProgress(wasInProgress);
    LockChangeEvents(false);
}

// A State given while the form loads applies now; an unbound box without one starts unchecked. Nothing fires.
void TuiCustomCheckBox::Loaded() {
    FInLoading = true;
    LockChangeEvents(true);
    try {
        TuiCustomEdit::Loaded();
        if (FStateRemembered) {
            FStateRemembered = false;
            SetState(FRememberedState);
        } else if (!IsDataBound()) {
            SetState(cbsUnchecked);
        }
        FShownState = State();
    } catch (...) {
        LockChangeEvents(false, false);
        FInLoading = false;
        throw;
    }
    LockChangeEvents(false, false);
    FInLoading = false;
}

bool TuiCustomCheckBox::UsesParentThemedBackground() const {
    return IsNativeBackground() && ParentBackground() && !IsInplace() && !Transparent();
}

void TuiCustomCheckBox::Click() {
    if (!IsDestroying() && NotificationLockCount() == 0 && !FInLoading &&
        !ComponentState().Contains(rtl::TComponentState::csLoading)) {
        TuiCustomEdit::Click();
    }
}

void TuiCustomCheckBox::PropertiesChanged(TuiCustomEditProperties* properties) {
    TuiCustomCheckBoxProperties& active = ActiveProperties();
    if (active.IsCaptionAssigned()) {
        active.ClearCaptionAssigned();
        SetCaption(active.Caption());
    }
    const TuiCheckBoxState state = State();
    if (state != FShownState) {
        FShownState = state;
        if (!IsChangeEventsLocked()) {
            Click();
            DoChange();
        }
    }
    TuiCustomEdit::PropertiesChanged(properties);
}

void TuiCustomCheckBox::ApplyEditValue(const rtl::Variant& value, bool validated) {
    TuiCustomEdit::ApplyEditValue(value, validated);
    const TuiCheckBoxState state = State();
    if (state != FShownState) {
        FShownState = state;
        Click();
        DoChange();
    }
    UpdateContainerHotState(false);
}

rtl::Variant TuiCustomCheckBox::GetClearValue() const {
    return Properties().ValueUnchecked();
}

void TuiCustomCheckBox::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomEdit::InitViewData(viewData);
    if (auto* check = dynamic_cast<TuiCustomCheckBoxViewData*>(&viewData)) {
        check->Caption = Caption();
        check->SpacePressed = FSpacePressed;
    }
}

void TuiCustomCheckBox::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomEdit::DoEditKeyDown(key, shift);
    if (key == VK_SPACE && (HotState() == chsNormal || HotState() == chsHot)) {
        FSpacePressed = true;
        UpdateContainerHotState(false);
        key = 0;
    }
}

// In place a space typed (the one that opened the editor) toggles at once.
void TuiCustomCheckBox::DoEditKeyPress(char16_t& key) {
    TuiCustomEdit::DoEditKeyPress(key);
    if (IsInplace() && key == u' ' && (HotState() == chsNormal || HotState() == chsHot)) {
        Toggle();
        key = 0;
    }
}

void TuiCustomCheckBox::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomEdit::KeyUp(key, shift);
    if (key == VK_SPACE && HotState() == chsPressed) {
        FSpacePressed = false;
        UpdateContainerHotState(false);
        Toggle();
    }
}

void TuiCustomCheckBox::DoExit() {
    if (std::exchange(FSpacePressed, false)) {
        UpdateContainerHotState(false);
    }
    TuiCustomEdit::DoExit();
}

void TuiCustomCheckBox::AfterHotTrackHook() {
    const TuiCustomCheckBoxViewInfo* info = CheckViewInfo();
    if (info != nullptr && info->PreviousHotState() == chsPressed && info->HotState == chsHot) {
        Toggle();
    }
}

bool TuiCustomCheckBox::PaintsOwnBorder() const {
    return !IsInplace() || TuiCustomEdit::PaintsOwnBorder();
}

vcl::TRect TuiCustomCheckBox::OuterBorderRect() const {
    if (!IsInplace() && IsNativeBackground() && EditStyle(essNormal).TransparentBorder()) {
        return {2, 2, Width() - 2, Height() - 2};
    }
    return TuiCustomEdit::OuterBorderRect();
}

TuiContainerStyleValues TuiCustomCheckBox::GetUnpublishedStyleValues() const {
    TuiContainerStyleValues values = TuiCustomEdit::GetUnpublishedStyleValues();
    values.Include(esvEdges);
    return values;
}

bool TuiCustomCheckBox::HandleDialogChar(char16_t key) {
    if (!vcl::IsAccel(key, Caption()) || !CanFocus()) {
        return false;
    }
    SetFocus();
    if (Focused()) {
        Toggle();
    }
    return true;
}

void TuiCustomCheckBox::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONUP:
        // The release toggles through the hot state; no click of the platform's follows it.
        SetControlState(ControlState() - vcl::TControlState{vcl::csClicked});
        break;
    case vcl::CM_DIALOGCHAR:
        if (HandleDialogChar(static_cast<char16_t>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case vcl::CM_TEXTCHANGED:
        TuiCustomEdit::Dispatch(message);
        AdjustSize();
        Invalidate();
        return;
    case vcl::CM_PARENTCOLORCHANGED:
        TuiCustomEdit::Dispatch(message);
        if (IsNativeBackground() && ParentBackground()) {
            Invalidate();
        }
        return;
    default:
        break;
    }
    TuiCustomEdit::Dispatch(message);
}

void InitializeCheckBoxUnit() {
    GetEditPropertiesRegistry().Register(&TuiCheckBoxProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryCheckBoxItem));
    GetFilterEditsController().RegisterHelper(TuiCheckBoxProperties::StaticClass(),
                                              TuiFilterCheckBoxHelper::Instance());
}

void FinalizeCheckBoxUnit() {
    UnregisterFilterEditHelper(TuiCheckBoxProperties::StaticClass(), TuiFilterCheckBoxHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiCheckBoxProperties::StaticClass());
    FreeCheckSignMask();
}

} // namespace ui
