#pragma once
// TuiMaskEditStandardMode: the picture mask. Every position of the masked text is a literal or an editable place;
// the caret always selects one character, which typing overwrites, and the keys step over the literals.

#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"
#include "ui/editors/mask/modes/uiStandardMask.h"

namespace ui {

class TuiMaskEditStandardMode : public TuiMaskEditCustomMode {
public:
    // The separators (not owned) outlive the mode.
    TuiMaskEditStandardMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                            const IuiRegExprSeparators& separators);

    void AfterPaste() override;
    void Compile(const rtl::UnicodeString& mask) override;
    rtl::UnicodeString GetEmptyString() override { return FMask.EmptyValueText(); }
    rtl::UnicodeString FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) override;
    void SelectAll() override {}
    bool IsCursorAtStart() override;
    bool IsCursorAtEnd() override;
    bool IsTextValid(const rtl::UnicodeString& text) override;
    void SelectCharAtCursor() override;
    void BeforePaste() override;
    bool PressBackspace() override;
    bool PressDelete() override;
    bool PressEnd() override;
    bool PressHome() override;
    bool PressLeft() override;
    bool PressRight() override;
    bool PressSymbol(char16_t& character) override;
    void SetText(const rtl::UnicodeString&) override { SelectCharAtCursor(); }
    void SynchronizeEditValue() override;
    void UpdateEditValue() override;
    rtl::UnicodeString GetFormattedText(const rtl::UnicodeString& text, bool textIncludesLiterals) override;
    // The character an emptied editable position shows (position 1-based); #0 leaves the position as it is.
    virtual char16_t GetBlank(int32_t position) const;

    const TuiStandardMask& Mask() const { return FMask; }

private:
    bool InForce() const { return FMask.ItemCount() > 0; }
    bool IsLiteralAt(int32_t position) const;
    // Literal positions counted from the position onward (step 1) or backward (step -1), while they are literal.
    int32_t LiteralRun(int32_t from, int32_t to, int32_t step) const;
    // The selection start moves there, and the one-character selection comes back.
    void MoveTo(int32_t position);

    TuiStandardMask FMask;
    int32_t FSavedSelStart = 0;
};

} // namespace ui
