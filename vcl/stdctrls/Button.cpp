#include "vcl/stdctrls/Button.h"

#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Win32.h"

namespace vcl {

TButton::TButton(rtl::TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HiWord(message.WParam) == BN_CLICKED && !ClicksDisabled()) {
            Click();
        }
        return;
    case CM_DIALOGKEY:
        return CMDialogKey(message);
    case CM_DIALOGCHAR:
        return CMDialogChar(message);
    case CM_FOCUSCHANGED:
        CMFocusChanged(message);
        return TButtonControl::Dispatch(message);
    default:
        return TButtonControl::Dispatch(message);
    }
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWnd() {
    TButtonControl::CreateWnd();
    FActive = FDefault;
}

// The form's buttons work out again which of them Enter presses.
void TButton::SetDefault(bool value) {
    FDefault = value;
    if (!HandleAllocated()) {
        return;
    }
    if (TCustomForm* form = GetParentForm(this)) {
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
    }
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) {
        form->SetModalResult(FModalResult);
    }
    TButtonControl::Click();
}

void TButton::SetButtonStyle(bool isDefault) {
    if (!HandleAllocated()) {
        return;
    }
    const uint32_t style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowLongW(WindowHandle(), GWL_STYLE) & BS_TYPEMASK) != style) {
        SendMessageW(WindowHandle(), BM_SETSTYLE, style, 1);
    }
}

void TButton::CMFocusChanged(TMessage& message) {
    const auto* focused = reinterpret_cast<const TWinControl*>(message.LParam);
    FActive = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
    SetButtonStyle(FActive);
}

// Enter and Escape without Shift, Ctrl or Alt.
void TButton::CMDialogKey(TMessage& message) {
    const bool pressed = (message.WParam == VK_RETURN && FActive) || (message.WParam == VK_ESCAPE && FCancel);
    if (pressed && KeyDataToShiftState(message.LParam).IsEmpty() && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TButtonControl::Dispatch(message);
}

void TButton::CMDialogChar(TMessage& message) {
    if (IsAccel(static_cast<char16_t>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TButtonControl::Dispatch(message);
}

} // namespace vcl
