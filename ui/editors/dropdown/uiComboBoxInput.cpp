// The combo box's input: the arrow and page keys, typing that searches the items (input-method characters
// included), the wheel, double clicks and a drag from the button into the list.

#include "rtl/WindowsApi.h"
#include "ui/editors/dropdown/uiComboBox.h"
#include "vcl/system/Messages.h"

#include <algorithm>
#include <utility>

namespace ui {

void TuiCustomComboBox::NavigateAsUser(TuiLookupNavigation direction, bool cycle) {
    const int32_t oldKey = GetItemIndex();
    LockChangeEvents(true);
    try {
        FLookupData->Navigate(direction, cycle);
        NotifyIfKeyChanged(oldKey);
        if (GetItemIndex() != oldKey && IsPostPending() && GetComboProperties().ImmediatePost() &&
            ValidateEnteredText(true)) {
            CommitValue(false);
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
}

bool TuiCustomComboBox::HandleNavigationKey(uint16_t key, vcl::TShiftState shift) {
    if (shift.Contains(vcl::ssAlt) || FLookupData->IsEmpty()) {
        return false;
    }
    const bool ctrl = shift.Contains(vcl::ssCtrl);
    const bool listOnly = GetComboProperties().GetEditingStyle() == tesListOnly;
    switch (key) {
    case VK_PRIOR:
        NavigateAsUser(ctrl ? lnFirst : lnPageUp, false);
        return true;
    case VK_NEXT:
        NavigateAsUser(ctrl ? lnLast : lnPageDown, false);
        return true;
    case VK_UP:
        NavigateAsUser(lnPrevious, false);
        return true;
    case VK_DOWN:
        NavigateAsUser(lnNext, false);
        return true;
    case VK_HOME:
        if (listOnly) {
            NavigateAsUser(lnFirst, false);
        }
        return listOnly;
    case VK_END:
        if (listOnly) {
            NavigateAsUser(lnLast, false);
        }
        return listOnly;
    default:
        return false;
    }
}

void TuiCustomComboBox::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (CanProcessKey(key, shift) && HandleNavigationKey(key, shift)) {
        key = 0;
        return;
    }
    TuiCustomDropDownEdit::DoEditKeyDown(key, shift);
}

// The text becomes the first item the typed prefix begins, the rest of the item selected after the prefix; a
// character that continues no item is dropped.
bool TuiCustomComboBox::SearchTypedCharacter(char16_t character) {
    TuiCustomComboBoxProperties& properties = GetComboProperties();
    const TuiTextEditingStyle style = properties.GetEditingStyle();
    if (style == tesFree || character < u' ' || !properties.IncrementalSearch()) {
        return false;
    }
    if (!TryBeginEdit()) {
        return true;
    }
    const rtl::UnicodeString text = GetDisplayText();
    const int32_t selStart = std::clamp(SelStart(), 0, static_cast<int32_t>(text.size()));
    rtl::UnicodeString candidate;
    if (SelLength() > 0 || (style == tesListOnly && !CompletionActive())) {
        candidate = text.substr(0, SelLength() > 0 ? selStart : 0) + character;
    } else if (style == tesListOnly) {
        candidate = text + character;
    } else {
        candidate = text.substr(0, selStart) + character + text.substr(selStart);
    }
    const int32_t oldKey = GetItemIndex();
    rtl::UnicodeString tail;
    LockChangeEvents(true);
    try {
        bool found = FLookupData->LocateText(candidate, tail, false);
        if (!found && style == tesListOnly && !properties.ListPrefixSelection() && candidate.size() > 1) {
            candidate = rtl::UnicodeString(1, character);
            found = FLookupData->LocateText(candidate, tail, false);
        }
        if (found) {
            FLookupData->SetCurrentKey(FLookupData->GetCurrentKey());
            ApplyLookupKey();
            Select(static_cast<int32_t>(candidate.size()), static_cast<int32_t>(tail.size()));
            SetCompletionActive(true);
            NotifyIfKeyChanged(oldKey);
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
    Invalidate();
    return true;
}

// The input method delivers a double-byte character to the inner edit as its two bytes; the first one, with the
// second still pending, stands for the whole character, and the second is then no character of its own.
char16_t TuiCustomComboBox::TypedCharacter(char16_t key) {
    const char trail = InnerEdit().InnerImeLastChar();
    if (trail == '\0' || key > 0xFF) {
        return key;
    }
    const char bytes[2] = {static_cast<char>(key), trail};
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, 2, &wide, 1) != 1) {
        return key;
    }
    FSkipImeTrailByte = true;
    return static_cast<char16_t>(wide);
}

void TuiCustomComboBox::DoEditKeyPress(char16_t& key) {
    if (GetComboProperties().GetEditingStyle() == tesFree || key < u' ') {
        TuiCustomDropDownEdit::DoEditKeyPress(key);
        return;
    }
    if (std::exchange(FSkipImeTrailByte, false)) {
        key = 0;
        return;
    }
    const char16_t character = TypedCharacter(key);
    DropDownOnTypedKey(character);
    if (SearchTypedCharacter(character)) {
        key = 0;
        return;
    }
    FSkipImeTrailByte = false;
    TuiCustomDropDownEdit::DoEditKeyPress(key);
}

// With the popup open the wheel scrolls the list; closed, it steps through the items.
bool TuiCustomComboBox::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiCustomDropDownEdit::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    if (FLookupData->IsEmpty()) {
        return false;
    }
    TuiComboBoxListBox* list = FLookupData->ComboListBox();
    if (IsPopupShown() && list != nullptr && list->HandleAllocated()) {
        // The list's own window would hand the wheel to its form; the list takes it directly.
        SendMessageW(list->Handle(), vcl::CM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(wheelDelta)),
                     MAKELPARAM(mousePos.X, mousePos.Y));
        return true;
    }
    if (!IsPopupShown() && TryBeginEdit()) {
        NavigateAsUser(wheelDelta > 0 ? lnPrevious : lnNext, false);
    }
    return true;
}

// A double click on a closed revertable combo box steps to the next item, from the last back to the first.
void TuiCustomComboBox::DblClick() {
    TuiCustomDropDownEdit::DblClick();
    if (!IsPopupShown() && GetComboProperties().Revertable()) {
        NavigateAsUser(lnNext, true);
    }
}

// The button still held after the press that opened the list: over the list the press moves into it, so the
// release there takes the item the pointer went to.
void TuiCustomComboBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomDropDownEdit::MouseMove(shift, x, y);
    TuiComboBoxListBox* list = FLookupData->ComboListBox();
    if (!IsPopupShown() || !MouseCapture() || list == nullptr || !list->HandleAllocated()) {
        return;
    }
    const vcl::TPoint screen = ClientToScreen({x, y});
    if (!FLookupData->IsPointInList(screen)) {
        return;
    }
    const vcl::TPoint point = list->ScreenToClient(screen);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(point.X, point.Y));
}

void TuiCustomComboBox::InnerClick(bool doubleClick) {
    if (doubleClick) {
        TuiCustomDropDownEdit::InnerClick(true);
    }
}

} // namespace ui
