#include "vcl/stdctrls/Edit.h"

#include "vcl/system/Win32.h"

namespace vcl {

TCustomEdit::TCustomEdit(rtl::TComponent* owner) : TWinControl(owner) {
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomEdit::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HiWord(message.WParam) == EN_CHANGE) {
            Change();
        }
        return;
    case CM_ENTER:
        CMEnter();
        return TWinControl::Dispatch(message);
    default:
        return TWinControl::Dispatch(message);
    }
}

// A click places the caret where it clicks: only the keyboard selects the whole text on entering.
void TCustomEdit::CMEnter() {
    const bool multiLine = HandleAllocated() && (GetWindowLongW(WindowHandle(), GWL_STYLE) & ES_MULTILINE) != 0;
    if (FAutoSelect && !ControlState().Contains(csLButtonDown) && !multiLine) {
        SelectAll();
    }
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, u"EDIT");
    constexpr uint32_t AlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    constexpr uint32_t CaseStyles[] = {0, ES_UPPERCASE, ES_LOWERCASE};
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | AlignmentStyles[FAlignment] | CaseStyles[FCharCase];
    if (!FHideSelection) {
        params.Style |= ES_NOHIDESEL;
    }
    if (FOEMConvert) {
        params.Style |= ES_OEMCONVERT;
    }
    if (FReadOnly) {
        params.Style |= ES_READONLY;
    }
    if (FBorderStyle == bsSingle) {
        if (Ctl3D()) {
            params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            params.Style |= WS_BORDER;
        }
    }
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendToWindow(EM_LIMITTEXT, static_cast<uintptr_t>(FMaxLength));
    SendToWindow(EM_SETMODIFY, FModified ? 1 : 0);
    if (FPasswordChar != 0) {
        SendToWindow(EM_SETPASSWORDCHAR, FPasswordChar);
    }
}

void TCustomEdit::DestroyWnd() {
    FModified = Modified();
    TWinControl::DestroyWnd();
}

intptr_t TCustomEdit::SendToWindow(uint32_t msg, uintptr_t wParam, intptr_t lParam) const {
    HWND window = WindowHandle();
    return window ? SendMessageW(window, msg, wParam, lParam) : 0;
}

void TCustomEdit::Change() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void TCustomEdit::SetAlignment(TAlignment value) {
    SetWindowStyleValue(FAlignment, value);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    SetWindowStyleValue(FBorderStyle, value);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    SetWindowStyleValue(FCharCase, value);
}

void TCustomEdit::SetHideSelection(bool value) {
    SetWindowStyleValue(FHideSelection, value);
}

void TCustomEdit::SetOEMConvert(bool value) {
    SetWindowStyleValue(FOEMConvert, value);
}

void TCustomEdit::SetMaxLength(int32_t value) {
    FMaxLength = value < 0 ? 0 : value;
    SendToWindow(EM_LIMITTEXT, static_cast<uintptr_t>(FMaxLength));
}

void TCustomEdit::SetPasswordChar(char16_t value) {
    if (value == FPasswordChar) {
        return;
    }
    FPasswordChar = value;
    if (HandleAllocated()) {
        SendToWindow(EM_SETPASSWORDCHAR, value);
        Invalidate();
    }
}

void TCustomEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    SendToWindow(EM_SETREADONLY, value ? 1 : 0);
}

bool TCustomEdit::Modified() const {
    return HandleAllocated() ? SendToWindow(EM_GETMODIFY) != 0 : FModified;
}

void TCustomEdit::SetModified(bool value) {
    FModified = value;
    SendToWindow(EM_SETMODIFY, value ? 1 : 0);
}

void TCustomEdit::Selection(int32_t& start, int32_t& end) const {
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendToWindow(EM_GETSEL, reinterpret_cast<uintptr_t>(&selectionStart), reinterpret_cast<intptr_t>(&selectionEnd));
    start = static_cast<int32_t>(selectionStart);
    end = static_cast<int32_t>(selectionEnd);
}

void TCustomEdit::SetSelection(int32_t start, int32_t end) {
    SendToWindow(EM_SETSEL, static_cast<uintptr_t>(start), end);
    SendToWindow(EM_SCROLLCARET);
}

int32_t TCustomEdit::SelStart() const {
    int32_t start = 0;
    int32_t end = 0;
    Selection(start, end);
    return start;
}

void TCustomEdit::SetSelStart(int32_t value) {
    SetSelection(value, value);
}

int32_t TCustomEdit::SelLength() const {
    int32_t start = 0;
    int32_t end = 0;
    Selection(start, end);
    return end - start;
}

void TCustomEdit::SetSelLength(int32_t value) {
    const int32_t start = SelStart();
    SetSelection(start, start + value);
}

rtl::UnicodeString TCustomEdit::SelText() const {
    int32_t start = 0;
    int32_t end = 0;
    Selection(start, end);
    return Text().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

void TCustomEdit::SetSelText(rtl::UnicodeStringView value) {
    const rtl::UnicodeString text(value);
    SendToWindow(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(text.c_str()));
}

void TCustomEdit::SelectAll() {
    SendToWindow(EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() {
    SendToWindow(WM_CLEAR);
}

void TCustomEdit::CopyToClipboard() {
    SendToWindow(WM_COPY);
}

void TCustomEdit::CutToClipboard() {
    SendToWindow(WM_CUT);
}

void TCustomEdit::PasteFromClipboard() {
    SendToWindow(WM_PASTE);
}

bool TCustomEdit::CanUndo() const {
    return SendToWindow(EM_CANUNDO) != 0;
}

void TCustomEdit::Undo() {
    SendToWindow(EM_UNDO);
}

} // namespace vcl
