#include "ui/editors/mask/modes/uiMaskEditRegExprMode.h"

#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/mask/modes/uiMaskEditError.h"

#include <algorithm>

namespace ui {

TuiMaskEditRegExprMode::TuiMaskEditRegExprMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options,
                                               const IuiRegExprSeparators& separators)
    : TuiMaskEditCustomMode(site, options), FSeparators(separators), FEngine(std::make_unique<TuiRegExpr>(separators)) {
    FEngine->SetCaseInsensitive(options.CaseInsensitive);
}

TuiMaskEditRegExprMode::~TuiMaskEditRegExprMode() = default;

void TuiMaskEditRegExprMode::Compile(const rtl::UnicodeString& mask) {
    FEditMask = mask;
    if (IsEditMaskBlank(mask)) {
        return;
    }
    try {
        FEngine->Compile(mask);
    } catch (const EuiRegExprError& error) {
        rtl::UnicodeString message = LoadResStringText(suiMaskEditRegExprError);
        for (int32_t i = 0; i < error.Errors().Count(); ++i) {
            message += u"\r\n" + error.Errors().Item(i).FullText();
        }
        throw EuiMaskEditError(message);
    }
}

bool TuiMaskEditRegExprMode::Checking() const {
    return FEngine->IsCompiled();
}

std::unique_ptr<TuiRegExpr> TuiMaskEditRegExprMode::CompileProbe() const {
    const rtl::UnicodeString* source = FEngine->GetSource();
    if (source == nullptr) {
        return nullptr;
    }
    auto probe = std::make_unique<TuiRegExpr>(FSeparators);
    probe->SetCaseInsensitive(Options().CaseInsensitive);
    try {
        probe->Compile(*source);
    } catch (const EuiRegExprError&) {
        return nullptr;
    }
    return probe;
}

bool TuiMaskEditRegExprMode::AcceptsEvery(TuiRegExpr& engine, rtl::UnicodeStringView text) {
    return std::all_of(text.begin(), text.end(), [&engine](char16_t character) { return engine.Accept(character); });
}

void TuiMaskEditRegExprMode::AcceptIgnoringRefusals(rtl::UnicodeStringView text) {
    for (char16_t character : text) {
        FEngine->Accept(character);
    }
}

rtl::UnicodeString TuiMaskEditRegExprMode::FormatText(const rtl::UnicodeString& text, bool) {
    if (!Checking()) {
        return {};
    }
    FEngine->Rewind();
    rtl::UnicodeString formatted;
    for (char16_t character : text) {
        if (FEngine->Accept(character)) {
            formatted += character;
        }
    }
    return formatted;
}

bool TuiMaskEditRegExprMode::IsTextValid(const rtl::UnicodeString& text) {
    if (text.empty()) {
        return true;
    }
    std::unique_ptr<TuiRegExpr> probe = CompileProbe();
    return probe != nullptr && AcceptsEvery(*probe, text) && (Options().IgnoreMaskBlank || probe->AtFinal());
}

void TuiMaskEditRegExprMode::SynchronizeEditValue() {
    TuiMaskEditCustomMode::SynchronizeEditValue();
    if (!HasLiveEditor()) {
        return;
    }
    FHead = Site().Text();
    FTail.clear();
    Site().SetSelStart(static_cast<int32_t>(FHead.size()));
    if (Checking()) {
        FEngine->Rewind();
        AcceptIgnoringRefusals(FHead);
    }
}

void TuiMaskEditRegExprMode::SetText(const rtl::UnicodeString& text) {
    if (Checking()) {
        FEngine->Rewind();
    }
    if (FClipboardTextLength < 1 || text.empty() || !HasLiveEditor() || !Checking()) {
        FHead.clear();
        FTail = text;
    } else {
        const size_t headLength =
            std::min(text.size(), static_cast<size_t>(std::max(0, Site().SelStart() + FClipboardTextLength)));
        FHead = text.substr(0, headLength);
        FTail = text.substr(headLength);
        AcceptIgnoringRefusals(FHead);
    }
    FClipboardTextLength = 0;
}

void TuiMaskEditRegExprMode::Sync() {
    if (!HasLiveEditor()) {
        return;
    }
    const rtl::UnicodeString text = Site().Text();
    if (!FMouseAction && !(FHead.empty() && FTail.empty() && !text.empty())) {
        return;
    }
    FMouseAction = false;
    FEngine->Rewind();
    FTail = text;
    FHead.clear();
    const int32_t caret = std::clamp(Site().CaretPos(), 0, static_cast<int32_t>(text.size()));
    for (int32_t i = 0; i < caret; ++i) {
        MoveRight();
    }
}

// The head keeps the character as the editor shows it, whatever letter case the mask gives it back in.
void TuiMaskEditRegExprMode::MoveRight() {
    char16_t character = FTail.front();
    FEngine->Accept(character);
    FHead += FTail.front();
    FTail.erase(0, 1);
}

void TuiMaskEditRegExprMode::MoveLeft() {
    FEngine->StepBack();
    FTail.insert(FTail.begin(), FHead.back());
    FHead.pop_back();
}

bool TuiMaskEditRegExprMode::TailFits() {
    int32_t accepted = 0;
    bool fits = true;
    for (char16_t character : FTail) {
        if (!FEngine->Accept(character)) {
            fits = false;
            break;
        }
        ++accepted;
    }
    for (; accepted > 0; --accepted) {
        FEngine->StepBack();
    }
    return fits;
}

void TuiMaskEditRegExprMode::DropTail() {
    rtl::UnicodeString text = Site().Text();
    const size_t start = std::min(text.size(), static_cast<size_t>(std::max(0, Site().SelStart())));
    text.erase(start, FTail.size());
    Site().SetDisplayValue(text);
    Site().SetSelStart(static_cast<int32_t>(text.size()));
    FTail.clear();
}

void TuiMaskEditRegExprMode::AcceptWholeTail() {
    AcceptIgnoringRefusals(FTail);
    FHead += FTail;
    FTail.clear();
}

void TuiMaskEditRegExprMode::TakeSelection() {
    const int32_t start = Site().SelStart();
    const int32_t length = Site().SelLength();
    const auto headLength = static_cast<int32_t>(FHead.size());
    if (start == headLength) {
        FTakenSelection = FTail.substr(0, static_cast<size_t>(length));
        FTail.erase(0, FTakenSelection.size());
        FSelectionFromTail = true;
    } else if (start + length == headLength) {
        FTakenSelection = FHead.substr(static_cast<size_t>(start));
        FHead.erase(static_cast<size_t>(start));
        for (int32_t i = 0; i < length; ++i) {
            FEngine->StepBack();
        }
        FSelectionFromTail = false;
    }
}

void TuiMaskEditRegExprMode::ReturnSelection() {
    if (FSelectionFromTail) {
        FTail.insert(0, FTakenSelection);
    } else {
        FHead += FTakenSelection;
        AcceptIgnoringRefusals(FTakenSelection);
    }
}

bool TuiMaskEditRegExprMode::Answer(bool letThrough) {
    FTakenSelection.clear();
    if (!letThrough) {
        BeepIfAllowed();
    }
    return letThrough;
}

void TuiMaskEditRegExprMode::SelectAll() {
    if (!Checking()) {
        return;
    }
    Sync();
    AcceptWholeTail();
}

bool TuiMaskEditRegExprMode::IsCursorAtStart() {
    return HasLiveEditor() && Site().SelStart() == 0;
}

bool TuiMaskEditRegExprMode::IsCursorAtEnd() {
    return HasLiveEditor() && Site().SelStart() == static_cast<int32_t>(Site().Text().size());
}

bool TuiMaskEditRegExprMode::PressHome() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    if (!FHead.empty()) {
        FTail.insert(0, FHead);
        FHead.clear();
        FEngine->Rewind();
    }
    return true;
}

bool TuiMaskEditRegExprMode::PressEnd() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    AcceptWholeTail();
    return true;
}

bool TuiMaskEditRegExprMode::PressLeft() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    if (FHead.empty()) {
        return true;
    }
    const int32_t start = Site().SelStart();
    const int32_t length = Site().SelLength();
    if (length > 0 && !Site().ShiftHeld()) {
        if (Site().CaretPos() == start + length) {
            for (int32_t i = 0; i < length && !FHead.empty(); ++i) {
                MoveLeft();
            }
        }
        return true;
    }
    MoveLeft();
    return true;
}

bool TuiMaskEditRegExprMode::PressRight() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    if (FTail.empty()) {
        return true;
    }
    const int32_t start = Site().SelStart();
    const int32_t length = Site().SelLength();
    if (length > 0 && !Site().ShiftHeld()) {
        if (Site().CaretPos() == start) {
            for (int32_t i = 0; i < length && !FTail.empty(); ++i) {
                MoveRight();
            }
        }
        return true;
    }
    MoveRight();
    return true;
}

bool TuiMaskEditRegExprMode::PressDelete() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    bool letThrough = true;
    if (Site().SelLength() > 0) {
        TakeSelection();
        if (!TailFits()) {
            Site().SendKey(TuiMaskEditKey::Delete);
            DropTail();
            letThrough = false;
        }
    } else if (!FTail.empty()) {
        FTakenSelection = FTail.substr(0, 1);
        FTail.erase(0, 1);
        if (!TailFits()) {
            DropTail();
            // The Delete let through removes the one character the drop left: everything from the caret on goes.
            if (Site().SelStart() > 0) {
                Site().SetSelStart(Site().SelStart() - 1);
            }
        }
    }
    return Answer(letThrough);
}

bool TuiMaskEditRegExprMode::PressBackspace() {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    bool letThrough = true;
    if (Site().SelLength() > 0) {
        TakeSelection();
        if (!TailFits()) {
            Site().SendChar(u'\b');
            DropTail();
            letThrough = false;
        }
    } else if (!FHead.empty()) {
        FEngine->StepBack();
        FHead.pop_back();
        if (!TailFits()) {
            DropTail();
        }
    }
    return Answer(letThrough);
}

bool TuiMaskEditRegExprMode::PressSymbol(char16_t& character) {
    if (!Checking() || !HasLiveEditor()) {
        return true;
    }
    Sync();
    const bool replacesSelection = Site().SelLength() > 0;
    if (replacesSelection) {
        TakeSelection();
    }
    bool letThrough = false;
    if (FEngine->Accept(character)) {
        FHead += character;
        letThrough = true;
        if (!TailFits()) {
            if (replacesSelection) {
                Site().SendKey(TuiMaskEditKey::Delete);
                Site().SendChar(character);
                letThrough = false;
            }
            DropTail();
        }
    } else {
        ReturnSelection();
    }
    return Answer(letThrough);
}

} // namespace ui
