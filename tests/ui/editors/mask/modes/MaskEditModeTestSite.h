#pragma once
// A stand-in for the mask editor around a mode: an edit that applies keys as the native edit control does, and a
// driver that offers each key to the mode first and lets it through when the mode answers true.
//
// Keys are written as text: plain characters are typed; {Left}, {Right}, {Home}, {End}, {Del}, {Back} are the
// editing keys, {Shift+Left} and the like hold Shift, and {AtN} clicks the caret to position N.

#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ui::test {

class TTestMaskEditSite : public IuiMaskEditModeSite {
public:
    rtl::UnicodeString EditText;
    int32_t Anchor = 0;
    int32_t Caret = 0;
    bool Shift = false;
    int32_t Beeps = 0;
    rtl::UnicodeString AssignedEditValue;
    bool UserChanged = true;
    rtl::UnicodeString Prepared;
    bool Live = true;

    bool HasLiveEditor() const override { return Live; }
    int32_t SelStart() const override { return std::min(Anchor, Caret); }
    int32_t SelLength() const override { return std::abs(Caret - Anchor); }
    void SetSelStart(int32_t value) override { Anchor = Caret = Clamp(value); }
    void SetSelLength(int32_t value) override {
        Anchor = SelStart();
        Caret = Clamp(Anchor + value);
    }
    int32_t CaretPos() const override { return Caret; }
    bool ShiftHeld() const override { return Shift; }
    void ClearShift() override { Shift = false; }
    rtl::UnicodeString Text() const override { return EditText; }
    void SetDisplayValue(const rtl::UnicodeString& text) override {
        EditText = text;
        Anchor = Caret = 0;
    }
    void AssignEditValue(const rtl::UnicodeString& text) override {
        AssignedEditValue = text;
        SetDisplayValue(text);
    }
    bool ChangedByUser() const override { return UserChanged; }
    rtl::UnicodeString PreparedDisplayValue() const override { return Prepared; }
    void Beep() override { ++Beeps; }
    // A date or time editor would check its field here; #0 refuses with a beep.
    char16_t RefusedChar = 0;
    bool AcceptsMaskChar(char16_t& character, int32_t) override {
        if (RefusedChar != 0 && character == RefusedChar) {
            character = 0;
        }
        return true;
    }

    void SendKey(TuiMaskEditKey key) override {
        switch (key) {
        case TuiMaskEditKey::Left:
            MoveCaret(-1);
            break;
        case TuiMaskEditKey::Right:
            MoveCaret(1);
            break;
        case TuiMaskEditKey::Delete:
            if (SelLength() == 0 && Caret < static_cast<int32_t>(EditText.size())) {
                Caret += 1;
            }
            ReplaceSelection({});
            break;
        }
    }

    void SendChar(char16_t character) override {
        if (character != u'\b') {
            ReplaceSelection(rtl::UnicodeString(1, character));
            return;
        }
        if (SelLength() == 0 && Caret > 0) {
            Caret -= 1;
        }
        ReplaceSelection({});
    }

    // Home and End as the native edit moves them.
    void MoveTo(int32_t position) {
        Caret = Clamp(position);
        if (!Shift) {
            Anchor = Caret;
        }
    }

private:
    int32_t Clamp(int32_t value) const { return std::clamp(value, 0, static_cast<int32_t>(EditText.size())); }

    void MoveCaret(int32_t step) {
        if (!Shift && SelLength() > 0) {
            MoveTo(step < 0 ? SelStart() : SelStart() + SelLength());
            return;
        }
        MoveTo(Caret + step);
    }

    void ReplaceSelection(const rtl::UnicodeString& text) {
        const int32_t start = SelStart();
        EditText.replace(static_cast<size_t>(start), static_cast<size_t>(SelLength()), text);
        Anchor = Caret = start + static_cast<int32_t>(text.size());
    }
};

// Offers each key of the text to the mode, then to the edit when the mode lets it through.
inline void DriveKeys(TuiMaskEditCustomMode& mode, TTestMaskEditSite& site, const std::u16string& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != u'{') {
            char16_t character = keys[i];
            site.Shift = false;
            if (mode.PressSymbol(character)) {
                site.SendChar(character);
            }
            continue;
        }
        const size_t close = keys.find(u'}', i);
        std::u16string name = keys.substr(i + 1, close - i - 1);
        i = close;
        site.Shift = name.rfind(u"Shift+", 0) == 0;
        if (site.Shift) {
            name.erase(0, 6);
        }
        if (name.rfind(u"At", 0) == 0) {
            int32_t position = 0;
            for (char16_t digit : name.substr(2)) {
                position = position * 10 + (digit - u'0');
            }
            site.SetSelStart(position);
            mode.SelectCharAtCursor();
        } else if (name == u"Left" && mode.PressLeft()) {
            site.SendKey(TuiMaskEditKey::Left);
        } else if (name == u"Right" && mode.PressRight()) {
            site.SendKey(TuiMaskEditKey::Right);
        } else if (name == u"Del" && mode.PressDelete()) {
            site.SendKey(TuiMaskEditKey::Delete);
        } else if (name == u"Back" && mode.PressBackspace()) {
            site.SendChar(u'\b');
        } else if (name == u"Home" && mode.PressHome()) {
            site.MoveTo(0);
        } else if (name == u"End" && mode.PressEnd()) {
            site.MoveTo(static_cast<int32_t>(site.EditText.size()));
        }
        site.Shift = false;
    }
}

} // namespace ui::test
