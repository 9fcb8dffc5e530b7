#pragma once
// TuiMaskEditCustomMode: what a mask editor does differently for each mask kind. The mode compiles the mask, lays
// values into masked text and back, checks texts, and takes the editing keys first: each Press operation either edits
// the text itself and answers false (the key is swallowed), or answers true and lets the key go on to the native
// edit. A mode without a site only formats and checks.

#include "rtl/text/StringTypes.h"
#include "ui/editors/mask/modes/uiMaskEditModeSite.h"

#include <cstdint>

namespace ui {

// Empty, or only spaces, NULs, tabs, line feeds, form feeds and carriage returns: no mask at all.
bool IsEditMaskBlank(rtl::UnicodeStringView mask);

class TuiMaskEditCustomMode {
public:
    // The site (not owned, may be null) and the options (not owned) outlive the mode.
    TuiMaskEditCustomMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options);
    TuiMaskEditCustomMode(const TuiMaskEditCustomMode&) = delete;
    TuiMaskEditCustomMode& operator=(const TuiMaskEditCustomMode&) = delete;
    virtual ~TuiMaskEditCustomMode();

    virtual TuiEditMaskKind GetMaskKind() const { return TuiEditMaskKind::emkStandard; }
    virtual void AfterPaste() = 0;
    // Takes a new mask; raises EuiMaskEditError when the mask does not compile, keeping the text.
    virtual void Compile(const rtl::UnicodeString& mask) = 0;
    // The edit value of an editor whose text is empty under the mask.
    virtual rtl::UnicodeString GetEmptyString() = 0;
    // The masked text that shows a value.
    virtual rtl::UnicodeString FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) = 0;
    // Before the whole text is selected.
    virtual void SelectAll() = 0;
    virtual bool IsCursorAtStart() = 0;
    virtual bool IsCursorAtEnd() = 0;
    // The text is complete under the mask.
    virtual bool IsTextValid(const rtl::UnicodeString& text) = 0;
    // The selection changed by mouse or program.
    virtual void SelectCharAtCursor() = 0;
    virtual void BeforePaste() = 0;
    virtual bool PressBackspace() = 0;
    virtual bool PressDelete() = 0;
    virtual bool PressEnd() = 0;
    virtual bool PressHome() = 0;
    virtual bool PressLeft() = 0;
    virtual bool PressRight() = 0;
    // A typed character, which the mode may turn into the mask's own letter case.
    virtual bool PressSymbol(char16_t& character) = 0;
    // The editor's text was set by the program.
    virtual void SetText(const rtl::UnicodeString& text) = 0;
    // Shows the editor's value again in masked form.
    virtual void SynchronizeEditValue();
    // Gives the editor the mask's empty value when the mask was compiled while no live editor existed.
    virtual void UpdateEditValue() = 0;
    // The value text that a masked text stands for.
    virtual rtl::UnicodeString GetFormattedText(const rtl::UnicodeString& text, bool textIncludesLiterals) = 0;

    // The mask text last given to Compile.
    const rtl::UnicodeString& EditMask() const { return FEditMask; }
    // The length of the text being pasted; 0 when no paste is under way.
    int32_t ClipboardTextLength() const { return FClipboardTextLength; }
    void SetClipboardTextLength(int32_t value) { FClipboardTextLength = value; }

protected:
    const TuiMaskEditModeOptions& Options() const { return FOptions; }
    bool HasLiveEditor() const { return FSite != nullptr && FSite->HasLiveEditor(); }
    // Only where HasLiveEditor() answered true.
    IuiMaskEditModeSite& Site() const { return *FSite; }
    void BeepIfAllowed();

    int32_t FClipboardTextLength = 0;
    rtl::UnicodeString FEditMask;
    bool FNeedUpdateEditValue = false;

private:
    const TuiMaskEditModeOptions& FOptions;
    IuiMaskEditModeSite* FSite;
};

} // namespace ui
