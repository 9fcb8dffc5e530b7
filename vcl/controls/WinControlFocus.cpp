// TWinControl: tab order, the keyboard focus, and the keys (the form's dialog keys and key preview first).

#include "rtl/core/Exceptions.h"
#include "vcl/controls/FormRoot.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

int32_t TWinControl::TabOrder() const {
    if (!Parent()) {
        return -1;
    }
    const auto& list = Parent()->FTabList;
    return static_cast<int32_t>(std::find(list.begin(), list.end(), this) - list.begin());
}

// An order out of range (or negative) puts the control last.
void TWinControl::SetTabOrder(int32_t value) {
    if (!Parent()) {
        return;
    }
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    const auto position = value < 0 || static_cast<size_t>(value) > list.size() ? list.size() : size_t(value);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == FTabStop) {
        return;
    }
    FTabStop = value;
    if (FHandle) {
        const LONG style = GetWindowLongW(FHandle, GWL_STYLE);
        SetWindowLongW(FHandle, GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() const {
    const TFormRoot* form = ParentFormRoot(this);
    if (!form) {
        return true;
    }
    for (const TControl* control = this; control && control != form; control = control->Parent()) {
        if (!control->Visible() || !control->Enabled()) {
            return false;
        }
    }
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    TFormRoot* form = ParentFormRoot(this);
    if (form && form != this) {
        form->FocusControl(this);
    } else if (!Parent()) {
        ::SetFocus(Handle());
    }
}

void TWinControl::RemoveFocus(bool removing) {
    if (TFormRoot* form = ParentFormRoot(this)) {
        form->DefocusControl(this, removing);
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) {
        return nullptr;
    }
    const auto count = list.size();
    const auto found = std::find(list.begin(), list.end(), current);
    const size_t start = found != list.end() ? static_cast<size_t>(found - list.begin()) : goForward ? count - 1 : 0;
    size_t index = start;
    do {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TWinControl* candidate = list[index];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
            (!checkParent || candidate->Parent() == this)) {
            return candidate;
        }
    } while (index != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) {
        next->SetFocus();
    }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (FOnKeyDown) {
        FOnKeyDown(this, key, shift);
    }
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (FOnKeyUp) {
        FOnKeyUp(this, key, shift);
    }
}

void TWinControl::KeyPress(char16_t& key) {
    if (FOnKeyPress) {
        FOnKeyPress(this, key);
    }
}

namespace {

// The parent form when it previews the keys of its controls.
TFormRoot* PreviewingForm(TWinControl* control) {
    TFormRoot* form = ParentFormRoot(control);
    return form && form != control && form->KeyPreview() ? form : nullptr;
}

} // namespace

// The form previews the key first when it asks to; then the control's handler, which consumes the key by setting it
// to 0. False leaves the key (perhaps changed) to the default handling.
bool TWinControl::DoKeyMessage(TMessage& message, bool (TWinControl::*previewOnForm)(TMessage&),
                               const std::function<void(uintptr_t& key)>& handle) {
    const TControlLink link(this);
    if (TFormRoot* form = PreviewingForm(this); form && (form->*previewOnForm)(message)) {
        return true;
    }
    if (!link.Alive()) {
        return true;
    }
    uintptr_t key = message.WParam;
    if (!ControlStyle().Contains(csNoStdEvents)) {
        handle(key);
        if (!link.Alive() || key == 0) {
            return true;
        }
    }
    message.WParam = key;
    return false;
}

bool TWinControl::DoKeyDown(TMessage& message) {
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    return DoKeyMessage(message, &TWinControl::DoKeyDown, [this, shift](uintptr_t& key) {
        auto virtualKey = static_cast<uint16_t>(key);
        KeyDown(virtualKey, shift);
        key = virtualKey;
    });
}

bool TWinControl::DoKeyUp(TMessage& message) {
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    return DoKeyMessage(message, &TWinControl::DoKeyUp, [this, shift](uintptr_t& key) {
        auto virtualKey = static_cast<uint16_t>(key);
        KeyUp(virtualKey, shift);
        key = virtualKey;
    });
}

bool TWinControl::DoKeyPress(TMessage& message) {
    return DoKeyMessage(message, &TWinControl::DoKeyPress, [this](uintptr_t& key) {
        auto character = static_cast<char16_t>(key);
        KeyPress(character);
        key = character;
    });
}

void TWinControl::DoEnter() {
    if (FOnEnter) {
        FOnEnter(this);
    }
}

void TWinControl::DoExit() {
    if (FOnExit) {
        FOnExit(this);
    }
}

namespace {

// The dialog code a control must want for a key to stay its own; 0 for keys that are always its own.
uint32_t DialogCodeForKey(uintptr_t key) {
    switch (key) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

} // namespace

// Result 1 takes the key away from the control: a short-cut of the form, or a dialog key (Tab, arrows, Enter,
// Escape) that the control does not want and the form uses.
void TWinControl::CNKeyDown(TMessage& message) {
    message.Result = 1;
    const TControlLink link(this);
    TFormRoot* form = ParentFormRoot(this);
    if (form && form->IsShortCut(message)) {
        return;
    }
    if (!link.Alive()) {
        return;
    }
    const uintptr_t key = message.WParam;
    const uint32_t mask = DialogCodeForKey(key);
    if (mask != 0 && form && Perform(CM_WANTSPECIALKEY, key, message.LParam) == 0 &&
        (static_cast<uint32_t>(Perform(WM_GETDLGCODE)) & mask) == 0 &&
        form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) {
        return;
    }
    if (link.Alive()) {
        message.Result = 0;
    }
}

// A character the control does not want may be a mnemonic of another control of the form.
void TWinControl::CNChar(TMessage& message) {
    message.Result = 1;
    const TControlLink link(this);
    TFormRoot* form = ParentFormRoot(this);
    if (form && (static_cast<uint32_t>(Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS) == 0 &&
        form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
        return;
    }
    if (link.Alive()) {
        message.Result = 0;
    }
}

void TWinControl::CNSysChar(TMessage& message) {
    TFormRoot* form = ParentFormRoot(this);
    if (form && message.WParam != VK_SPACE) {
        message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
    }
}

} // namespace vcl
