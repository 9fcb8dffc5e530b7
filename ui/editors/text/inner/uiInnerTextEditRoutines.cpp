#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"

#include "rtl/WindowsApi.h"

#include <algorithm>

namespace ui {

namespace {

struct TEditSelection {
    int32_t Start = 0;
    int32_t End = 0;
};

TEditSelection EditSelection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

// The client x of a character; characters outside the visible part may carry a wrapped 16-bit value, so only a
// character near the caret is ever compared.
int32_t CharacterX(HWND edit, int32_t index) {
    const LRESULT position = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    return static_cast<int16_t>(LOWORD(position));
}

rtl::UnicodeString EditText(HWND edit) {
    rtl::UnicodeString text(static_cast<size_t>(std::max(GetWindowTextLengthW(edit), 0)), u'\0');
    if (!text.empty()) {
        const int copied =
            GetWindowTextW(edit, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()) + 1);
        text.resize(static_cast<size_t>(std::max(copied, 0)));
    }
    return text;
}

} // namespace

// The caret of an EDIT always stands at one end of its selection: the end whose character lies at the caret's x.
// The position after the last character has no character, so the end answers when neither matches.
int32_t GetCaretCharIndex(HWND edit) {
    if (edit == nullptr || GetWindowTextLengthW(edit) <= 0) {
        return 0;
    }
    const TEditSelection selection = EditSelection(edit);
    POINT caret{};
    if (selection.Start == selection.End || !GetCaretPos(&caret)) {
        return selection.End;
    }
    if (CharacterX(edit, selection.Start) == caret.x) {
        return selection.Start;
    }
    return selection.End;
}

void SaveInnerTextEditState(HWND edit, bool saveText, TuiCustomInnerTextEditPrevState& state) {
    state.Saved = true;
    state.TextSaved = saveText;
    state.SavedText = saveText && edit != nullptr ? EditText(edit) : rtl::UnicodeString();
    const TEditSelection selection = edit != nullptr ? EditSelection(edit) : TEditSelection{};
    state.SavedSelStart = selection.Start;
    state.SavedSelLength = selection.End - selection.Start;
}

bool InnerTextEditStateChanged(HWND edit, const TuiCustomInnerTextEditPrevState& state) {
    if (edit == nullptr || !IsWindow(edit)) {
        return true;
    }
    const TEditSelection selection = EditSelection(edit);
    if (selection.Start != state.SavedSelStart || selection.End - selection.Start != state.SavedSelLength) {
        return true;
    }
    return state.TextSaved && EditText(edit) != state.SavedText;
}

bool ReadClipboardText(rtl::UnicodeString& text) {
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) {
        return false;
    }
    text.clear();
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return true;
}

} // namespace ui
