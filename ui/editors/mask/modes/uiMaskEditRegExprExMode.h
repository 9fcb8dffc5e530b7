#pragma once
// TuiMaskEditRegExprExMode: the regular-expression mode with auto-completion. The characters the expression forces
// (literals, separators) appear by themselves as soon as they are the only possible continuation, the arrow keys
// skip them, and they go together with the character typed before them.

#include "ui/editors/mask/modes/uiMaskEditRegExprMode.h"

#include <functional>

namespace ui {

class TuiMaskEditRegExprExMode : public TuiMaskEditRegExprMode {
public:
    TuiMaskEditRegExprExMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                             const IuiRegExprSeparators& separators);

    TuiEditMaskKind GetMaskKind() const override { return TuiEditMaskKind::emkRegExprEx; }
    void AfterPaste() override {}
    void Compile(const rtl::UnicodeString& mask) override;
    // The characters the mask forces at its start.
    rtl::UnicodeString GetEmptyString() override;
    rtl::UnicodeString FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) override;
    void SelectAll() override;
    bool IsTextValid(const rtl::UnicodeString& text) override;
    void BeforePaste() override;
    bool PressBackspace() override;
    bool PressDelete() override;
    bool PressEnd() override;
    bool PressHome() override;
    bool PressLeft() override;
    bool PressRight() override;
    bool PressSymbol(char16_t& character) override;
    void SetText(const rtl::UnicodeString& text) override;
    void UpdateEditValue() override;
    void TakeSelection() override;
    void ReturnSelection() override;

protected:
    void Sync() override;

private:
    bool Editing() const { return Checking() && HasLiveEditor(); }
    void ResetPending();
    // Before a key: false while not editing, else the editor's text taken in and no forced characters pending.
    bool BeginKey();
    void SetAutoComplete(bool value) { Engine().SetAutoComplete(value); }
    // Off and on again: completes forward from the engine's state, collecting the inserted characters.
    void ToggleAutoComplete();
    // Steps back over exactly that many characters, forced or not.
    void StepBackExactly(size_t count);
    // Takes back what the last switch-on of auto-completion inserted into the engine alone.
    void UndoInserted();
    // A second engine without auto-completion, its inserted characters collected in the probe text.
    std::unique_ptr<TuiRegExpr> CompileCollectingProbe();
    void StepForward();
    void StepBackward();
    void RefillTail();
    void SettleTail();
    // With a selection from the start of a text the mask begins with forced characters: the selection shrinks to
    // what follows them, and the key runs again on it. False when the mask forces nothing at its start.
    bool RestartAfterForcedPrefix(int32_t selLength, const std::function<bool()>& rerun, bool& answer);

    int32_t FDeletedCount = 0;
    rtl::UnicodeString FInsertedText;
    rtl::UnicodeString FProbeText;
};

} // namespace ui
