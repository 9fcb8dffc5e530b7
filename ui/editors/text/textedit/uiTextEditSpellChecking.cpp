#include "ui/editors/text/textedit/uiTextEditSpellChecking.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiSpellCheckerHook.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"

namespace ui {

uint32_t RedrawMisspellingsMessage() {
    static const uint32_t message = RegisterWindowMessageW(L"WM_REDRAWMISSPELLINGS");
    return message;
}

uint32_t SpellCheckerAutoCorrectMessage() {
    static const uint32_t message = RegisterWindowMessageW(L"WM_SPELLCHECKERAUTOCORRECT");
    return message;
}

void RegisterSpellCheckerMessages() {
    RedrawMisspellingsMessage();
    SpellCheckerAutoCorrectMessage();
}

void TuiCustomTextEdit::PreprocessInnerMessage(uint32_t msg, uintptr_t wParam) {
    // The inner edit's messages while it is made reach no editor that knows it yet.
    if (GetSpellCheckerHook() != nullptr && FInnerEdit != nullptr) {
        HandleInnerEditMessage(msg, wParam);
    }
}

void TuiCustomTextEdit::HandleInnerEditMessage(uint32_t msg, uintptr_t wParam) {
    IuiSpellCheckerHook& hook = *GetSpellCheckerHook();
    switch (msg) {
    case WM_SIZE:
    case WM_SETFONT:
        return InnerEditLayoutChanged();
    case WM_SETFOCUS:
        return hook.FocusGained(FInnerEdit);
    case WM_KILLFOCUS:
        return hook.FocusLost(FInnerEdit);
    case WM_PAINT:
    case WM_CTLCOLOREDIT:
    case vcl::CN_CTLCOLOREDIT:
        PostMessageW(FInnerEdit->Handle(), RedrawMisspellingsMessage(), 0, 0);
        return;
    case EM_UNDO:
    case WM_UNDO:
        return hook.UndoPerformed(FInnerEdit);
    case WM_KEYUP:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return CheckSelectionChange();
    case vcl::CN_COMMAND:
        if (HIWORD(wParam) == EN_HSCROLL || HIWORD(wParam) == EN_VSCROLL) {
            InnerEditLayoutChanged();
        }
        return;
    default:
        break;
    }
    if (msg == RedrawMisspellingsMessage()) {
        // One repaint of the underlines answers every paint queued so far.
        MSG queued;
        while (PeekMessageW(&queued, FInnerEdit->Handle(), msg, msg, PM_REMOVE)) {
        }
        NotifyTextHookActivate();
    }
}

// A scrolled window reports its layout; otherwise a moved selection reports the selection.
void TuiCustomTextEdit::CheckSelectionChange() {
    if (!FInnerEdit->HandleAllocated()) {
        return;
    }
    if (FInnerEdit->FirstVisibleChar() != FLastFirstVisibleChar) {
        return InnerEditLayoutChanged();
    }
    const int32_t start = FInnerEdit->InnerSelStart();
    const int32_t length = FInnerEdit->InnerSelLength();
    if (start != FLastSelStart || length != FLastSelLength) {
        FLastSelStart = start;
        FLastSelLength = length;
        InnerEditSelectionChanged();
    }
}

void TuiCustomTextEdit::InnerEditLayoutChanged() {
    if (FInnerEdit->HandleAllocated()) {
        FLastFirstVisibleChar = FInnerEdit->FirstVisibleChar();
    }
    if (auto* hook = GetSpellCheckerHook()) {
        hook->LayoutChanged(FInnerEdit);
    }
}

void TuiCustomTextEdit::InnerEditSelectionChanged() {
    if (auto* hook = GetSpellCheckerHook()) {
        hook->SelectionChanged(FInnerEdit);
    }
}

void TuiCustomTextEdit::InnerEditTextChanged() {
    if (auto* hook = GetSpellCheckerHook()) {
        hook->TextChanged(FInnerEdit);
    }
}

void TuiCustomTextEdit::NotifyTextHookActivate() {
    if (auto* hook = GetSpellCheckerHook()) {
        hook->TextHookActivated(FInnerEdit);
    }
}

// The window's own replacement keeps the correction undoable (EM_UNDO brings the word back). The selection style is
// left alone: changing it would make the window anew and lose its undo buffer.
void TuiCustomTextEdit::ApplyAutoCorrection(const vcl::TMessage& message) {
    const auto* correction = reinterpret_cast<const TuiSpellCheckerAutoCorrection*>(message.LParam);
    if (correction == nullptr || !FInnerEdit->HandleAllocated()) {
        return;
    }
    const auto restore = RaiseForScope(FInternalTextSetting);
    FInnerEdit->SetInnerSelStart(correction->SelStart);
    FInnerEdit->SetInnerSelLength(correction->SelLength);
    SendMessageW(FInnerEdit->Handle(), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(correction->Replacement != nullptr ? correction->Replacement : L""));
    FInnerEdit->SetInnerSelStart(correction->NewCaret);
}

} // namespace ui
