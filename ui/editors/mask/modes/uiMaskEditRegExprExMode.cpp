#include "ui/editors/mask/modes/uiMaskEditRegExprExMode.h"

#include <algorithm>

namespace ui {

TuiMaskEditRegExprExMode::TuiMaskEditRegExprExMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                                                   const IuiRegExprSeparators& separators)
    : TuiMaskEditRegExprMode(site, options, separators) {
    Engine().SetOnSymbolInserted([this](char16_t character) { FInsertedText += character; });
    Engine().SetOnSymbolDeleted([this] { ++FDeletedCount; });
    SetAutoComplete(true);
    ResetPending();
}

bool TuiMaskEditRegExprExMode::BeginKey() {
    if (!Editing()) {
        return false;
    }
    Sync();
    ResetPending();
    return true;
}

void TuiMaskEditRegExprExMode::ResetPending() {
    FInsertedText.clear();
    FDeletedCount = 0;
}

void TuiMaskEditRegExprExMode::ToggleAutoComplete() {
    SetAutoComplete(false);
    SetAutoComplete(true);
}

void TuiMaskEditRegExprExMode::StepBackExactly(size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Engine().StepBackOne();
    }
}

void TuiMaskEditRegExprExMode::UndoInserted() {
    const size_t count = FInsertedText.size();
    ResetPending();
    StepBackExactly(count);
}

void TuiMaskEditRegExprExMode::Compile(const rtl::UnicodeString& mask) {
    ResetPending();
    TuiMaskEditRegExprMode::Compile(mask);
    FNeedUpdateEditValue = !HasLiveEditor();
}

void TuiMaskEditRegExprExMode::UpdateEditValue() {
    if (FNeedUpdateEditValue && HasLiveEditor()) {
        Site().AssignEditValue(FInsertedText);
        FNeedUpdateEditValue = false;
    }
}

std::unique_ptr<TuiRegExpr> TuiMaskEditRegExprExMode::CompileCollectingProbe() {
    std::unique_ptr<TuiRegExpr> probe = CompileProbe();
    if (probe != nullptr) {
        probe->SetOnSymbolInserted([this](char16_t character) { FProbeText += character; });
        FProbeText.clear();
        probe->SetAutoComplete(true);
    }
    return probe;
}

rtl::UnicodeString TuiMaskEditRegExprExMode::GetEmptyString() {
    return CompileCollectingProbe() != nullptr ? FProbeText : rtl::UnicodeString();
}

rtl::UnicodeString TuiMaskEditRegExprExMode::FormatText(const rtl::UnicodeString& text, bool textIncludesLiterals) {
    if (!Checking()) {
        return {};
    }
    SetAutoComplete(false);
    ResetPending();
    rtl::UnicodeString formatted = TuiMaskEditRegExprMode::FormatText(text, textIncludesLiterals);
    SetAutoComplete(true);
    return formatted + FInsertedText;
}

// The forced start alone (such as "(") is no more complete than an empty standard mask: valid only when blanks are
// ignored, so an entry deleted back to it is not posted as a value.
bool TuiMaskEditRegExprExMode::IsTextValid(const rtl::UnicodeString& text) {
    std::unique_ptr<TuiRegExpr> probe = CompileProbe();
    if (probe == nullptr) {
        return false;
    }
    return AcceptsEvery(*probe, text) && (Options().IgnoreMaskBlank || probe->AtFinal());
}

void TuiMaskEditRegExprExMode::SetText(const rtl::UnicodeString& text) {
    FClipboardTextLength = 0;
    if (!Checking()) {
        FHead.clear();
        FTail = text;
        return;
    }
    SetAutoComplete(false);
    Engine().Rewind();
    AcceptIgnoringRefusals(text);
    ResetPending();
    SetAutoComplete(true);
    // What auto-completion adds is not in the editor's text: the head stays that text, and the engine with it.
    UndoInserted();
    FHead = text;
    FTail.clear();
    if (HasLiveEditor()) {
        FMouseAction = true;
        Sync();
    }
}

void TuiMaskEditRegExprExMode::StepForward() {
    if (FTail.empty()) {
        return;
    }
    ResetPending();
    char16_t character = FTail.front();
    Engine().Accept(character);
    const size_t count = std::min(FTail.size(), 1 + FInsertedText.size());
    FHead += FTail.substr(0, count);
    FTail.erase(0, count);
}

void TuiMaskEditRegExprExMode::StepBackward() {
    if (FHead.empty()) {
        return;
    }
    ResetPending();
    Engine().StepBack();
    // Back at the start the whole head goes, forced characters the count missed included.
    const size_t count =
        Engine().AtStart() ? FHead.size() : std::min(FHead.size(), static_cast<size_t>(FDeletedCount) + 1);
    FTail.insert(0, FHead.substr(FHead.size() - count));
    FHead.erase(FHead.size() - count);
}

void TuiMaskEditRegExprExMode::Sync() {
    if (!HasLiveEditor()) {
        return;
    }
    IuiMaskEditModeSite& site = Site();
    const rtl::UnicodeString text = site.Text();
    if (FHead.empty() && FTail.empty() && !text.empty()) {
        FTail = text;
        Engine().Rewind();
        FMouseAction = true;
    }
    if (!FMouseAction) {
        return;
    }
    FMouseAction = false;
    const auto start = static_cast<size_t>(site.SelStart());
    const size_t end = start + static_cast<size_t>(site.SelLength());
    const bool hadSelection = end > start;
    while (FHead.size() < start && !FTail.empty()) {
        StepForward();
        if (FHead.size() > start) {
            StepBackward();
            site.SetSelStart(static_cast<int32_t>(FHead.size()));
            return;
        }
    }
    while (FHead.size() > start) {
        StepBackward();
        if (FHead.size() < start) {
            site.SetSelStart(static_cast<int32_t>(FHead.size()));
            return;
        }
    }
    if (hadSelection) {
        while (FHead.size() < end && !FTail.empty()) {
            StepForward();
        }
        site.SetSelLength(static_cast<int32_t>(FHead.size() - start));
    }
}

void TuiMaskEditRegExprExMode::RefillTail() {
    ResetPending();
    if (FTail.empty()) {
        return;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    AcceptIgnoringRefusals(FTail);
    site.SetSelStart(start + static_cast<int32_t>(FTail.size()));
    SetAutoComplete(true);
    for (char16_t character : FInsertedText) {
        FTail += character;
        site.SendChar(character);
    }
    SetAutoComplete(false);
    for (size_t i = 0; i < FTail.size(); ++i) {
        Engine().StepBack();
    }
    site.SetSelStart(start);
}

void TuiMaskEditRegExprExMode::SettleTail() {
    SetAutoComplete(false);
    if (TailFits()) {
        RefillTail();
    } else {
        DropTail();
    }
    SetAutoComplete(true);
}

void TuiMaskEditRegExprExMode::TakeSelection() {
    SetAutoComplete(false);
    TuiMaskEditRegExprMode::TakeSelection();
    ResetPending();
    SetAutoComplete(true);
    UndoInserted();
}

void TuiMaskEditRegExprExMode::ReturnSelection() {
    SetAutoComplete(false);
    TuiMaskEditRegExprMode::ReturnSelection();
    ResetPending();
    SetAutoComplete(true);
    UndoInserted();
}

bool TuiMaskEditRegExprExMode::RestartAfterForcedPrefix(int32_t selLength, const std::function<bool()>& rerun,
                                                        bool& answer) {
    ResetPending();
    ToggleAutoComplete();
    if (FInsertedText.empty()) {
        return false;
    }
    IuiMaskEditModeSite& site = Site();
    const rtl::UnicodeString text = site.Text();
    // A program may have set a text without the forced start: then there is no prefix to keep.
    if (text.compare(0, FInsertedText.size(), FInsertedText) != 0) {
        UndoInserted();
        return false;
    }
    FHead = FInsertedText;
    ResetPending();
    const auto headLength = static_cast<int32_t>(FHead.size());
    site.SetSelStart(headLength);
    site.SetSelLength(std::max(0, selLength - headLength));
    FTail = text.substr(FHead.size());
    FTakenSelection.clear();
    answer = rerun();
    // The rerun kept the head at the selection's start; where a selection is left, the caret is at its end, so the
    // head is rebuilt from the editor before the next key.
    FMouseAction = true;
    return true;
}

void TuiMaskEditRegExprExMode::SelectAll() {
    if (!Editing()) {
        return;
    }
    SetAutoComplete(false);
    TuiMaskEditRegExprMode::SelectAll();
    SetAutoComplete(true);
}

void TuiMaskEditRegExprExMode::BeforePaste() {
    if (Editing()) {
        Sync();
    }
}

bool TuiMaskEditRegExprExMode::PressHome() {
    if (!BeginKey()) {
        return true;
    }
    return TuiMaskEditRegExprMode::PressHome();
}

bool TuiMaskEditRegExprExMode::PressEnd() {
    if (!BeginKey()) {
        return true;
    }
    SetAutoComplete(false);
    TuiMaskEditRegExprMode::PressEnd();
    SetAutoComplete(true);
    return true;
}

bool TuiMaskEditRegExprExMode::PressLeft() {
    if (!BeginKey()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    if (length > 0 && !site.ShiftHeld()) {
        if (site.CaretPos() == start + length) {
            SetAutoComplete(false);
            TuiMaskEditRegExprMode::PressLeft();
            ResetPending();
            SetAutoComplete(true);
            UndoInserted();
        }
        return true;
    }
    TuiMaskEditRegExprMode::PressLeft();
    if (Engine().AtStart() && FDeletedCount > 0 &&
        ((start != 0 && start == FDeletedCount) || (start == 0 && length == FDeletedCount))) {
        --FDeletedCount;
    }
    // The caret jumps over the forced characters in front of it.
    for (int32_t i = 0; i < FDeletedCount && !FHead.empty(); ++i) {
        FTail.insert(FTail.begin(), FHead.back());
        FHead.pop_back();
        site.SendKey(TuiMaskEditKey::Left);
    }
    return true;
}

bool TuiMaskEditRegExprExMode::PressRight() {
    if (!BeginKey()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    if (length > 0 && !site.ShiftHeld()) {
        if (site.CaretPos() == start) {
            SetAutoComplete(false);
            TuiMaskEditRegExprMode::PressRight();
            ResetPending();
            SetAutoComplete(true);
            UndoInserted();
        }
        return true;
    }
    TuiMaskEditRegExprMode::PressRight();
    // The caret jumps over the forced characters after the one it passes.
    for (size_t i = 0; i < FInsertedText.size() && !FTail.empty(); ++i) {
        FHead += FTail.front();
        FTail.erase(0, 1);
        site.SendKey(TuiMaskEditKey::Right);
    }
    return true;
}

bool TuiMaskEditRegExprExMode::PressBackspace() {
    if (!BeginKey()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    if (length > 0) {
        TakeSelection();
        bool answer = false;
        if (start == 0 && RestartAfterForcedPrefix(
                              length, [this] { return PressBackspace(); }, answer)) {
            return answer;
        }
        site.SendChar(u'\b');
        SettleTail();
        FTakenSelection.clear();
        return false;
    }
    if (FHead.empty()) {
        return false;
    }
    Engine().StepBack();
    if (Engine().AtStart() && start == FDeletedCount) {
        // Everything left of the caret was forced: it stays.
        char16_t first = FHead.front();
        Engine().Accept(first);
        ResetPending();
        BeepIfAllowed();
        return false;
    }
    const size_t before = site.Text().size();
    for (int32_t i = 0; i <= FDeletedCount; ++i) {
        site.SendChar(u'\b');
    }
    const size_t lost = std::min(FHead.size(), before - site.Text().size());
    FHead.erase(FHead.size() - lost);
    SettleTail();
    return false;
}

bool TuiMaskEditRegExprExMode::PressDelete() {
    if (!BeginKey()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    if (site.SelLength() > 0) {
        PressBackspace();
        return false;
    }
    if (FTail.empty()) {
        return false;
    }
    if (site.SelStart() == 0) {
        ToggleAutoComplete();
        if (!FInsertedText.empty()) {
            // The forced start stays.
            UndoInserted();
            BeepIfAllowed();
            return false;
        }
    }
    char16_t character = FTail.front();
    Engine().Accept(character);
    const size_t count = std::min(FTail.size(), 1 + FInsertedText.size());
    for (size_t i = 0; i < count; ++i) {
        site.SendKey(TuiMaskEditKey::Delete);
    }
    FTail.erase(0, count);
    StepBackExactly(count);
    SettleTail();
    return false;
}

bool TuiMaskEditRegExprExMode::PressSymbol(char16_t& character) {
    if (!BeginKey()) {
        return true;
    }
    IuiMaskEditModeSite& site = Site();
    const int32_t start = site.SelStart();
    const int32_t length = site.SelLength();
    if (length > 0) {
        TakeSelection();
        bool answer = false;
        if (start == 0 && RestartAfterForcedPrefix(
                              length, [this, &character] { return PressSymbol(character); }, answer)) {
            return answer;
        }
    }
    ResetPending();
    if (Engine().Accept(character)) {
        const rtl::UnicodeString inserted = FInsertedText;
        FHead += character;
        FHead += inserted;
        site.SendChar(character);
        for (char16_t forced : inserted) {
            site.SendChar(forced);
        }
        SettleTail();
    } else {
        if (length > 0) {
            ReturnSelection();
        }
        BeepIfAllowed();
    }
    FTakenSelection.clear();
    return false;
}

} // namespace ui
