#pragma once
// TuiMaskEditRegExprMode: the text is checked against a regular expression while it is typed. A character that keeps
// the text a possible beginning of the expression goes through; any other is refused with a beep; an edit in the
// middle that makes the rest impossible cuts the rest off.
//
// Between two operations head + tail is the editor's text, the caret stands after the head, and the engine has
// accepted the head.

#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"
#include "ui/editors/mask/regexpr/uiRegExpr.h"

#include <memory>

namespace ui {

class TuiMaskEditRegExprMode : public TuiMaskEditCustomMode {
public:
    // The separators (not owned) outlive the mode.
    TuiMaskEditRegExprMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                           const IuiRegExprSeparators& separators);
    ~TuiMaskEditRegExprMode() override;

    TuiEditMaskKind GetMaskKind() const override { return TuiEditMaskKind::emkRegExpr; }
    void AfterPaste() override {}
    void Compile(const rtl::UnicodeString& mask) override;
    rtl::UnicodeString GetEmptyString() override { return {}; }
    rtl::UnicodeString FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) override;
    void SelectAll() override;
    bool IsCursorAtStart() override;
    bool IsCursorAtEnd() override;
    bool IsTextValid(const rtl::UnicodeString& text) override;
    void SelectCharAtCursor() override { FMouseAction = true; }
    void BeforePaste() override {}
    bool PressBackspace() override;
    bool PressDelete() override;
    bool PressEnd() override;
    bool PressHome() override;
    bool PressLeft() override;
    bool PressRight() override;
    bool PressSymbol(char16_t& character) override;
    void SetText(const rtl::UnicodeString& text) override;
    void SynchronizeEditValue() override;
    void UpdateEditValue() override {}
    rtl::UnicodeString GetFormattedText(const rtl::UnicodeString& text, bool) override { return text; }

    // Cuts the selection out of the head or the tail (whichever side the caret is on) while an edit replaces it.
    virtual void TakeSelection();
    // Puts the cut selection back where it came from.
    virtual void ReturnSelection();

    // For tests and diagnostics.
    const rtl::UnicodeString& Head() const { return FHead; }
    const rtl::UnicodeString& Tail() const { return FTail; }

protected:
    // The engine works only once a mask compiled; until then the keys go through unchecked.
    bool Checking() const;
    // A second engine compiled from this one's source, with the case flag; null when there is no source or it does
    // not compile.
    std::unique_ptr<TuiRegExpr> CompileProbe() const;
    // Each character is accepted in turn; false at the first refused one.
    static bool AcceptsEvery(TuiRegExpr& engine, rtl::UnicodeStringView text);
    // Accepts what it can, ignoring refusals.
    void AcceptIgnoringRefusals(rtl::UnicodeStringView text);

    // Rebuilds head and tail from the editor when they are unknown or the caret moved outside the keys.
    virtual void Sync();
    void MoveRight();
    void MoveLeft();
    bool TailFits();
    void DropTail();
    void AcceptWholeTail();

    TuiRegExpr& Engine() { return *FEngine; }

    bool FSelectionFromTail = false;
    rtl::UnicodeString FHead;
    rtl::UnicodeString FTakenSelection;
    rtl::UnicodeString FTail;
    bool FMouseAction = false;

private:
    bool Answer(bool letThrough);

    const IuiRegExprSeparators& FSeparators;
    std::unique_ptr<TuiRegExpr> FEngine;
};

} // namespace ui
