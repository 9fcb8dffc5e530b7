#pragma once
// The optional spell checker of the text editors: nil until a checker installs itself. The editors tell it what
// happens in their inner edit windows, so that it can underline and correct words as the user types.

#include "rtl/WindowsApi.h"

namespace vcl {
class TWinControl;
}

namespace ui {

class IuiSpellCheckerHook {
public:
    virtual ~IuiSpellCheckerHook() = default;
    virtual void FocusGained(vcl::TWinControl* edit) = 0;
    virtual void FocusLost(vcl::TWinControl* edit) = 0;
    virtual void UndoPerformed(vcl::TWinControl* edit) = 0;
    virtual void TextChanged(vcl::TWinControl* edit) = 0;
    virtual void SelectionChanged(vcl::TWinControl* edit) = 0;
    virtual void LayoutChanged(vcl::TWinControl* edit) = 0;
    // The edit's pending repaint of its misspellings is due.
    virtual void TextHookActivated(vcl::TWinControl* edit) = 0;
    // A window of the checker's own (its suggestion list) counts as part of the editor.
    virtual bool IsSpellCheckerWindow(HWND window) = 0;
};

// The installed checker, not owned; nullptr when none.
IuiSpellCheckerHook* GetSpellCheckerHook();
// The checker installs itself and removes itself (nullptr) before it goes.
void SetSpellCheckerHook(IuiSpellCheckerHook* hook);

// The autocorrect request the checker sends to an editor with the registered autocorrect message (lParam).
struct TuiSpellCheckerAutoCorrection {
    const wchar_t* Replacement = nullptr;
    int SelStart = 0;
    int SelLength = 0;
    int NewCaret = 0;
};

} // namespace ui
