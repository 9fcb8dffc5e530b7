#pragma once
// What a mask editor mode reads and drives of its editor: the selection and caret of the inner edit, its text, the
// keys it applies natively, the beep, and the settings of the mask properties. The mask editor control implements the
// site; a mode made only to format and check masks has none.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace ui {

enum class TuiEditMaskKind { emkStandard, emkRegExpr, emkRegExprEx };

// The mask properties' settings a mode obeys (owned by the properties, read at each use).
struct TuiMaskEditModeOptions {
    bool BeepOnError = false;
    bool CaseInsensitive = true;
    bool IgnoreMaskBlank = false;
    // The editor's CharCase is ecNormal: values keep the letter case typed.
    bool NormalCharCase = true;
};

// The keys a mode has the native edit apply as they are, past the mask handling.
enum class TuiMaskEditKey { Left, Right, Delete };

class IuiMaskEditModeSite {
public:
    // The editor's window and inner edit exist.
    virtual bool HasLiveEditor() const = 0;

    virtual int32_t SelStart() const = 0;
    virtual int32_t SelLength() const = 0;
    virtual void SetSelStart(int32_t value) = 0;
    virtual void SetSelLength(int32_t value) = 0;
    // The character index of the caret: the selection's start or its end.
    virtual int32_t CaretPos() const = 0;
    // Shift was held when the key went down; cleared by the mode where typing ends a Shift selection.
    virtual bool ShiftHeld() const = 0;
    virtual void ClearShift() = 0;

    // The inner edit's current text.
    virtual rtl::UnicodeString Text() const = 0;
    // Shows a new display text, keeping nothing of the selection.
    virtual void SetDisplayValue(const rtl::UnicodeString& text) = 0;
    // The editor's edit value becomes the text (the empty value of a freshly compiled mask).
    virtual void AssignEditValue(const rtl::UnicodeString& text) = 0;
    // The display text the editor shows again for its edit value: the user's own text when the user changed it, else
    // the properties' display form of the edit value. The mode lays it into the mask.
    virtual bool ChangedByUser() const = 0;
    virtual rtl::UnicodeString PreparedDisplayValue() const = 0;

    // Applied at once by the native edit, without passing through the mask handling again.
    virtual void SendKey(TuiMaskEditKey key) = 0;
    virtual void SendChar(char16_t character) = 0;
    virtual void Beep() = 0;
    // The editor's last word on a character the standard mask accepts at the position (1-based); it may change the
    // character, and #0 refuses it with a beep. Date and time editors check their fields here.
    virtual bool AcceptsMaskChar(char16_t& character, int32_t position) = 0;

protected:
    ~IuiMaskEditModeSite() = default;
};

} // namespace ui
