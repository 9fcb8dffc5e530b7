// The drop-down editor's input: the toggle keys, Enter and Escape on an open popup, typed characters that open it,
// the wheel over an open list, Tab, presses on the button and the text, the focus leaving, and a paste that opens
// the popup.

#include "rtl/WindowsApi.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"
#include "ui/editors/text/lookup/uiEditListBox.h"
#include "vcl/system/Messages.h"

#include <utility>

namespace ui {

// Keys.

void TuiCustomDropDownEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (HandleToggleKey(key, shift) || HandleEnterOrEscape(key, shift)) {
        return;
    }
    TuiCustomMaskEdit::DoEditKeyDown(key, shift);
}

bool TuiCustomDropDownEdit::HandleToggleKey(uint16_t& key, vcl::TShiftState shift) {
    const bool alt = shift.Contains(vcl::ssAlt);
    if (!(((key == VK_UP || key == VK_DOWN) && alt) || (key == VK_F4 && !alt))) {
        return false;
    }
    if (IsPopupShown()) {
        CloseUp(pcrToggleKey);
    } else {
        SetDroppedDown(true);
    }
    key = 0;
    return true;
}

bool TuiCustomDropDownEdit::HandleEnterOrEscape(uint16_t& key, vcl::TShiftState shift) {
    if ((key != VK_RETURN && key != VK_ESCAPE) || shift.Contains(vcl::ssAlt) || !IsPopupShown()) {
        return false;
    }
    FPopupKeyHandled = true;
    const bool wasInProgress = UserEditInProgress();
    SetUserEditInProgress(true);
    try {
        CloseUp(key == VK_RETURN && TryBeginEdit() ? pcrAccept : pcrCancel);
    } catch (...) {
        SetUserEditInProgress(wasInProgress);
        throw;
    }
    SetUserEditInProgress(wasInProgress);
    if (IsPopupShown()) {
        return false;
    }
    if (key == VK_ESCAPE && GetCapture() != nullptr) {
        ReleaseCapture();
    }
    // The key's character, already queued, belongs to the popup too: neither the text nor the form sees it.
    if (DiscardQueuedChar(key == VK_RETURN ? u'\r' : u'\x1b')) {
        FPopupKeyHandled = false;
    }
    key = 0;
    return true;
}

void TuiCustomDropDownEdit::DropDownOnTypedKey(char16_t key) {
    if (key >= u' ' && GetDropDownProperties().ImmediateDropDown() && !IsPopupShown()) {
        SetDroppedDown(true);
    }
}

bool TuiCustomDropDownEdit::DiscardQueuedChar(char16_t character) {
    if (!InnerEdit().HandleAllocated()) {
        return false;
    }
    MSG message;
    const HWND window = InnerEdit().WindowHandle();
    if (!PeekMessageW(&message, window, WM_CHAR, WM_CHAR, PM_NOREMOVE) || message.wParam != character) {
        return false;
    }
    return PeekMessageW(&message, window, WM_CHAR, WM_CHAR, PM_REMOVE) != 0;
}

void TuiCustomDropDownEdit::DoEditKeyPress(char16_t& key) {
    DropDownOnTypedKey(key);
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (key >= u' ' && properties.PopupCapturesFocus() && CanDropDown() && GetPopupFocusControl() != nullptr &&
        FPopupWindow->HandleAllocated()) {
        PostMessageW(FPopupWindow->WindowHandle(), UI_POPUPSENDCHAR, key, 0);
        key = 0;
        return;
    }
    TuiCustomMaskEdit::DoEditKeyPress(key);
}

bool TuiCustomDropDownEdit::HasPopupList() const {
    return !IsInplace() || IsPopupShown();
}

// The list's own window would hand the wheel to its form; the list takes it directly.
bool TuiCustomDropDownEdit::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiCustomMaskEdit::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    TuiCustomTextEditLookupData* lookup = LookupData();
    if (!HasPopupList() || !IsPopupShown() || !GetDropDownProperties().UsesLookupData() || lookup == nullptr ||
        lookup->IsEmpty()) {
        return false;
    }
    TuiCustomEditListBox* list = lookup->GetListControl();
    if (list != nullptr && list->HandleAllocated()) {
        SendMessageW(list->Handle(), vcl::CM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(wheelDelta)),
                     MAKELPARAM(mousePos.X, mousePos.Y));
    }
    return true;
}

bool TuiCustomDropDownEdit::PostsOnTab() const {
    return IsPopupShown() && const_cast<TuiCustomDropDownEdit*>(this)->GetDropDownProperties().PostPopupValueOnTab();
}

void TuiCustomDropDownEdit::BeforeTabFocusMove(vcl::TShiftState shift) {
    if (IsPopupShown() && GetDropDownProperties().PostPopupValueOnTab()) {
        CloseUp(pcrTab);
    }
    TuiCustomMaskEdit::BeforeTabFocusMove(shift);
}

// Mouse, focus and lifetime.

void TuiCustomDropDownEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const bool wasShown = IsPopupShown() || std::exchange(FPopupClosedByPress, false);
    const int32_t buttonIndex = button == vcl::mbLeft ? GetButtonIndexAt({x, y}) : -1;
    const vcl::TControlLink link(this);
    TuiCustomMaskEdit::MouseDown(button, shift, x, y);
    if (!link.Alive() || button != vcl::mbLeft || wasShown) {
        return;
    }
    const bool onDropDownButton = buttonIndex == GetDropDownProperties().GetDropDownButtonIndex();
    const bool onFixedList = GetDropDownProperties().IsFixedList() && buttonIndex < 0 && Focused();
    if (onDropDownButton || onFixedList) {
        SetDroppedDown(true);
    }
}

void TuiCustomDropDownEdit::FocusChanged() {
    TuiCustomMaskEdit::FocusChanged();
    if (!GetDropDownProperties().PopupCapturesFocus() && !Focused()) {
        CloseUp(pcrNone);
    }
}

void TuiCustomDropDownEdit::DoExit() {
    CloseUp(pcrNone);
    TuiCustomMaskEdit::DoExit();
}

void TuiCustomDropDownEdit::PasteFromClipboard() {
    if (!HandleAllocated() || !Focused()) {
        TuiCustomMaskEdit::PasteFromClipboard();
        return;
    }
    const rtl::UnicodeString before = GetDisplayText();
    const bool wasInProgress = UserEditInProgress();
    SetUserEditInProgress(true);
    try {
        TuiCustomMaskEdit::PasteFromClipboard();
    } catch (...) {
        SetUserEditInProgress(wasInProgress);
        throw;
    }
    SetUserEditInProgress(wasInProgress);
    if (GetDisplayText() == before || !GetDropDownProperties().ImmediateDropDown() || IsPopupShown()) {
        return;
    }
    SetDroppedDown(true);
    PopupOpenedByPaste();
}

} // namespace ui
