#include "vcl/stdctrls/RadioButton.h"

#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Win32.h"

namespace vcl {

TRadioButton::TRadioButton(rtl::TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HiWord(message.WParam) == BN_CLICKED) {
            SetChecked(true);
        } else if (HiWord(message.WParam) == BN_DOUBLECLICKED) {
            DblClick();
        }
        return;
    case CM_ENTER:
        // The focus moved here by keyboard checks the button; a press of the mouse checks it when released over it.
        if (!ControlState().Contains(csLButtonDown)) {
            SetChecked(true);
        }
        return TButtonControl::Dispatch(message);
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char16_t>(message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            message.Result = 1;
            return;
        }
        return TButtonControl::Dispatch(message);
    default:
        return TButtonControl::Dispatch(message);
    }
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) {
        params.Style |= BS_LEFTTEXT;
    }
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageW(WindowHandle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (value != FAlignment) {
        FAlignment = value;
        RecreateWnd();
    }
}

// The checked button of a group is its tab stop.
void TRadioButton::SetChecked(bool value) {
    if (value == FChecked) {
        return;
    }
    FChecked = value;
    SetTabStop(value);
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (!value) {
        return;
    }
    TurnSiblingsOff();
    if (!ClicksDisabled()) {
        Click();
    }
}

void TRadioButton::TurnSiblingsOff() {
    TWinControl* parent = Parent();
    if (!parent) {
        return;
    }
    for (int32_t i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (sibling && sibling != this) {
            sibling->SetChecked(false);
        }
    }
}

} // namespace vcl
