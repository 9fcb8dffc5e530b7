#include "vcl/controls/FormRoot.h"

#include "rtl/core/Exceptions.h"
#include "vcl/system/Win32.h"

namespace vcl {

TFormRoot* ParentFormRoot(const TControl* control) {
    if (!control) {
        return nullptr;
    }
    while (control->Parent()) {
        control = control->Parent();
    }
    return dynamic_cast<TFormRoot*>(const_cast<TControl*>(control));
}

TFormRoot::TFormRoot(rtl::TComponent* owner) : TCustomControl(owner) {}

void TFormRoot::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY:
        return CMDialogKey(message);
    case WM_NEXTDLGCTL:
        // LParam non-zero: WParam is the window to focus; otherwise WParam 0 moves forward, 1 backward.
        if (LoWord(static_cast<uintptr_t>(message.LParam)) != 0) {
            ::SetFocus(reinterpret_cast<HWND>(message.WParam));
        } else {
            SelectNext(FActiveControl, message.WParam == 0, true);
        }
        return;
    default:
        return TCustomControl::Dispatch(message);
    }
}

void TFormRoot::CMDialogKey(TMessage& message) {
    if (GetKeyState(VK_MENU) < 0) {
        return TCustomControl::Dispatch(message);
    }
    switch (message.WParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
            message.Result = 1;
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            return;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
            message.Result = 1;
            FActiveControl->Parent()->SelectNext(FActiveControl,
                                                 message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
        }
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(message);
}

void TFormRoot::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) {
        return;
    }
    const bool loading = ComponentState().Contains(rtl::TComponentState::csLoading);
    if (control && (control == this || ParentFormRoot(control) != this || (!loading && !control->CanFocus()))) {
        throw rtl::EInvalidOperation(VclMessages::CannotFocus);
    }
    FActiveControl = control;
    if (!loading && FActive) {
        SetWindowFocus();
    }
}

// Each change of focus has its number: when a CM_EXIT or CM_ENTER handler moves the focus elsewhere, the later
// change has done the work and this one stops.
bool TFormRoot::SetFocusedControl(TWinControl* control) {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return false;
    }
    if (control != this && ParentFormRoot(control) != this) {
        return true;
    }
    const uint32_t change = ++FFocusChangeCount;
    const TControlLink link(this);
    if (control != this) {
        FActiveControl = control;
    }
    const auto interrupted = [&] { return !link.Alive() || FFocusChangeCount != change; };
    TWinControl* current = FFocusedControl ? FFocusedControl : this;
    while (current && !current->ContainsControl(control)) {
        TWinControl* parent = current->Parent();
        FFocusedControl = parent;
        current->Perform(CM_EXIT);
        if (interrupted()) {
            return false;
        }
        current = parent;
    }
    FFocusedControl = current ? current : this;
    while (FFocusedControl != control) {
        TWinControl* next = control;
        while (next->Parent() != FFocusedControl) {
            next = next->Parent();
        }
        FFocusedControl = next;
        next->Perform(CM_ENTER);
        if (interrupted()) {
            return false;
        }
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
    return link.Alive();
}

void TFormRoot::FocusControl(TWinControl* control) {
    const bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive) {
        SetFocus();
    }
}

void TFormRoot::DefocusControl(TWinControl* control, bool removing) {
    if (removing && control->ContainsControl(FFocusedControl)) {
        FFocusedControl = control->Parent();
    }
    if (control->ContainsControl(FActiveControl)) {
        FActiveControl = nullptr;
        if (FActive && !ComponentState().Contains(rtl::TComponentState::csDestroying)) {
            SetWindowFocus();
        }
    }
}

void TFormRoot::SetFocus() {
    if (FActive) {
        return;
    }
    if (!Visible() || !Enabled()) {
        throw rtl::EInvalidOperation(VclMessages::CannotFocus);
    }
    SetWindowFocus();
}

void TFormRoot::SetActive(bool value) {
    FActive = value;
    if (!value) {
        return;
    }
    if (!FActiveControl) {
        FActiveControl = FindNextControl(nullptr, true, true, false);
    }
    SetWindowFocus();
}

void TFormRoot::SetWindowFocus() {
    HWND target = FActiveControl ? FActiveControl->Handle() : Handle();
    if (target && GetFocus() != target) {
        ::SetFocus(target);
    }
}

bool TFormRoot::IsShortCut(TMessage&) {
    return false;
}

void TFormRoot::MouseWheelHandler(TMessage& message) {
    if (FFocusedControl && FFocusedControl != this) {
        message.Result = FFocusedControl->Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
    } else {
        message.Result = Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
    }
}

} // namespace vcl
