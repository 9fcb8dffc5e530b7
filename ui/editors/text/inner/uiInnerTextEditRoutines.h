#pragma once
// What the text editors read of their inner EDIT window: where the caret stands as a character index, and the text
// and selection before a key, to tell afterwards whether the key changed anything.

#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

// The character index of the caret in an EDIT window: the end of the selection the caret stands at. Indexes are 32
// bits, so texts past 32,767 characters answer right; 0 for an empty text or a window that has no caret.
int32_t GetCaretCharIndex(HWND edit);

// The clipboard's text; False when it holds none or cannot be opened.
bool ReadClipboardText(rtl::UnicodeString& text);

// An inner edit's state before a key is processed.
struct TuiCustomInnerTextEditPrevState {
    bool Saved = false;
    bool TextSaved = false;
    rtl::UnicodeString SavedText;
    int32_t SavedSelStart = 0;
    int32_t SavedSelLength = 0;
};

// The selection, and the text when saveText.
void SaveInnerTextEditState(HWND edit, bool saveText, TuiCustomInnerTextEditPrevState& state);
// True when there is no window, or the selection or (when saved) the text differs from state.
bool InnerTextEditStateChanged(HWND edit, const TuiCustomInnerTextEditPrevState& state);

} // namespace ui
