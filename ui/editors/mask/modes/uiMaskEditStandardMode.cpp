#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"

#include <algorithm>

namespace ui {

TuiMaskEditStandardMode::TuiMaskEditStandardMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                                                 const IuiRegExprSeparators& separators)
    : TuiMaskEditCustomMode(site, options), FMask(separators) {}

void TuiMaskEditStandardMode::Compile(const rtl::UnicodeString& mask) {
    FEditMask = mask;
    if (IsEditMaskBlank(mask)) {
        return;
    }
    FMask.Compile(mask);
    FNeedUpdateEditValue = !HasLiveEditor();
}

rtl::UnicodeString TuiMaskEditStandardMode::FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) {
    rtl::UnicodeString laid = text;
    FMask.LayText(laid, true, textIncludesLiterals);
    return laid;
}

rtl::UnicodeString TuiMaskEditStandardMode::GetFormattedText(const rtl::UnicodeString& text,
                                                             bool textIncludesLiterals) {
    if (!InForce()) {
        return text;
    }
    rtl::UnicodeString laid = text;
    FMask.LayText(laid, Options().NormalCharCase, textIncludesLiterals);
    FMask.ToValueText(laid);
    return laid;
}

bool TuiMaskEditStandardMode::IsTextValid(const rtl::UnicodeString& text) {
    rtl::UnicodeString tested = text;
    if (FMask.IsTextValid(tested)) {
        return true;
    }
    // The untouched empty mask counts as valid only when blanks are ignored.
    return Options().IgnoreMaskBlank && text == FormatText({}, true);
}

char16_t TuiMaskEditStandardMode::GetBlank(int32_t) const {
    return FMask.Blank();
}

void TuiMaskEditStandardMode::SelectCharAtCursor() {
    if (HasLiveEditor() && InForce() && Site().SelLength() == 0) {
        Site().SetSelLength(1);
    }
}

void TuiMaskEditStandardMode::SynchronizeEditValue() {
    TuiMaskEditCustomMode::SynchronizeEditValue();
    SelectCharAtCursor();
}

void TuiMaskEditStandardMode::UpdateEditValue() {
    if (FNeedUpdateEditValue && HasLiveEditor()) {
        Site().AssignEditValue(GetEmptyString());
        FNeedUpdateEditValue = false;
    }
}

bool TuiMaskEditStandardMode::IsLiteralAt(int32_t position) const {
    return position >= 0 && position < FMask.ItemCount() && FMask.ItemAt(position).IsLiteral();
}

int32_t TuiMaskEditStandardMode::LiteralRun(int32_t from, int32_t to, int32_t step) const {
    int32_t count = 0;
    for (int32_t position = from; (step > 0 ? position <= to : position >= to) && IsLiteralAt(position);
         position += step) {
        ++count;
    }
    return count;
}

void TuiMaskEditStandardMode::MoveTo(int32_t position) {
    Site().SetSelStart(position);
    SelectCharAtCursor();
}

bool TuiMaskEditStandardMode::IsCursorAtStart() {
    if (!HasLiveEditor()) {
        return false;
    }
    const int32_t start = Site().SelStart();
    const bool withinLeadingLiterals = LiteralRun(0, FMask.ItemCount() - 1, 1) >= start;
    return withinLeadingLiterals && (Site().SelLength() < 2 || Site().CaretPos() == start);
}

bool TuiMaskEditStandardMode::IsCursorAtEnd() {
    return HasLiveEditor() && Site().SelStart() == static_cast<int32_t>(Site().Text().size());
}

bool TuiMaskEditStandardMode::PressHome() {
    if (!HasLiveEditor() || Site().ShiftHeld()) {
        return true;
    }
    MoveTo(0);
    if (InForce() && IsLiteralAt(0)) {
        PressRight();
    }
    return false;
}

bool TuiMaskEditStandardMode::PressEnd() {
    if (!HasLiveEditor() || Site().ShiftHeld()) {
        return true;
    }
    MoveTo(static_cast<int32_t>(Site().Text().size()));
    return false;
}

bool TuiMaskEditStandardMode::PressLeft() {
    if (!HasLiveEditor()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    const auto textLength = static_cast<int32_t>(site.Text().size());
    if (site.ShiftHeld()) {
        if (length == 1) {
            // The overwrite selection gives way to a Shift selection that starts from the caret.
            site.SetSelStart(start + 1);
            site.SendKey(TuiMaskEditKey::Left);
            site.SendKey(TuiMaskEditKey::Left);
        }
        return true;
    }
    if (length >= 2) {
        const bool reachesEnd = start + length >= textLength;
        const int32_t last = reachesEnd ? start + length - 2 : start + length - 1;
        const int32_t span = last - start + 1;
        int32_t run = LiteralRun(start, last, 1);
        if (run == span) {
            run = reachesEnd ? span : 0;
        }
        MoveTo(start + run);
        return false;
    }
    const int32_t run = LiteralRun(start - 1, 0, -1);
    if (start > 0 && run < start) {
        MoveTo(start - run - 1);
    }
    return false;
}

bool TuiMaskEditStandardMode::PressRight() {
    if (!HasLiveEditor()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    const auto textLength = static_cast<int32_t>(site.Text().size());
    if (site.ShiftHeld()) {
        if (length == 1 && site.CaretPos() == start) {
            site.SetSelLength(0);
        }
        return true;
    }
    if (length < 2) {
        const int32_t run = LiteralRun(start + 1, FMask.ItemCount() - 1, 1);
        if (start + run + 1 <= textLength) {
            MoveTo(start + run + 1);
        }
        return false;
    }
    int32_t end = start + length;
    if (end < textLength) {
        int32_t run = LiteralRun(end - 1, start, -1);
        if (run == length) {
            run = 0;
        }
        end -= run + 1;
    }
    MoveTo(end);
    return false;
}

bool TuiMaskEditStandardMode::PressDelete() {
    if (!HasLiveEditor()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    rtl::UnicodeString text = site.Text();
    const int32_t end = std::min(start + length, static_cast<int32_t>(text.size()));
    bool changed = false;
    for (int32_t position = start; position < end; ++position) {
        const char16_t blank = GetBlank(position + 1);
        if (!IsLiteralAt(position) && blank != 0) {
            text[static_cast<size_t>(position)] = blank;
            changed = true;
        }
    }
    if (changed) {
        site.SetDisplayValue(text);
        site.SetSelStart(start);
        site.SetSelLength(length);
    }
    return false;
}

bool TuiMaskEditStandardMode::PressBackspace() {
    if (!HasLiveEditor()) {
        return true;
    }
    if (Site().SelLength() <= 1) {
        PressLeft();
    }
    PressDelete();
    return false;
}

bool TuiMaskEditStandardMode::PressSymbol(char16_t& character) {
    if (!HasLiveEditor() || !InForce()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    if (start >= static_cast<int32_t>(site.Text().size()) || start >= FMask.ItemCount()) {
        return false;
    }
    if (IsLiteralAt(start)) {
        site.ClearShift();
        if (site.SelLength() > 1) {
            PressDelete();
        }
        PressRight();
        // Typing skips the literals in its way.
        if (site.SelStart() != start) {
            PressSymbol(character);
        }
        return false;
    }
    char16_t converted = character;
    if (!FMask.ItemAt(start).Accepts(converted) || !site.AcceptsMaskChar(converted, start + 1)) {
        return false;
    }
    if (converted == 0) {
        BeepIfAllowed();
        return false;
    }
    if (site.SelLength() > 1) {
        PressDelete();
    }
    rtl::UnicodeString text = site.Text();
    text[static_cast<size_t>(start)] = converted;
    site.SetDisplayValue(text);
    site.SetSelStart(start);
    site.ClearShift();
    PressRight();
    return false;
}

void TuiMaskEditStandardMode::BeforePaste() {
    if (!HasLiveEditor()) {
        return;
    }
    FSavedSelStart = Site().SelStart();
    Site().SetSelStart(FSavedSelStart);
    Site().SetSelLength(FClipboardTextLength);
}

void TuiMaskEditStandardMode::AfterPaste() {
    if (!HasLiveEditor()) {
        return;
    }
    const auto textLength = static_cast<int32_t>(Site().Text().size());
    int32_t start = FSavedSelStart + FClipboardTextLength;
    if (start >= textLength) {
        start = textLength - 1;
    }
    MoveTo(std::max(start, 0));
    if (IsLiteralAt(Site().SelStart())) {
        Site().ClearShift();
        PressRight();
    }
}

} // namespace ui
