#include "ui/editors/mask/editor/uiMaskEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/mask/editor/uiFilterMaskEditHelper.h"
#include "ui/editors/mask/modes/uiMaskEditError.h"
#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"
#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"
#include "vcl/menus/Menus.h"
#include "vcl/services/Beeper.h"

#include <utility>

namespace ui {

namespace {

// Raises a flag for the scope, then restores it, also when the scope throws.
class TMaskEditFlagScope {
public:
    TMaskEditFlagScope(bool& flag, bool value) : FFlag(flag), FSaved(std::exchange(flag, value)) {}
    TMaskEditFlagScope(const TMaskEditFlagScope&) = delete;
    TMaskEditFlagScope& operator=(const TMaskEditFlagScope&) = delete;
    ~TMaskEditFlagScope() { FFlag = FSaved; }

private:
    bool& FFlag;
    bool FSaved;
};

bool IsStandardMode(const TuiMaskEditCustomMode& mode) {
    return mode.GetMaskKind() == TuiEditMaskKind::emkStandard;
}

} // namespace

TuiCustomMaskEdit::TuiCustomMaskEdit(rtl::TComponent* owner)
    : TuiCustomMaskEdit(owner, TuiCustomMaskEditProperties::StaticClass()) {}

TuiCustomMaskEdit::TuiCustomMaskEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomTextEdit(owner, propertiesClass) {
    CreateMode(TuiEditMaskKind::emkStandard);
    GetMaskProperties().SetEmptyText(IsMasked() ? Mode().GetEmptyString() : rtl::UnicodeString());
    InnerEdit().SetSelectionChangedHandler([this](rtl::TObject*) { SelectionChanged(); });
    PropertiesChanged(&GetEffectiveProperties());
}

TuiCustomMaskEdit::~TuiCustomMaskEdit() = default;

TuiCustomMaskEditProperties& TuiCustomMaskEdit::GetMaskProperties() {
    return static_cast<TuiCustomMaskEditProperties&>(GetEffectiveProperties());
}

void TuiCustomMaskEdit::CreateMode(TuiEditMaskKind kind) {
    FModeOptions = GetMaskProperties().ModeOptions();
    FMode = GetMaskProperties().CreateMode(kind, this, FModeOptions);
}

TuiMaskEditCustomMode& TuiCustomMaskEdit::Mode() {
    FModeOptions = GetMaskProperties().ModeOptions();
    return *FMode;
}

// The site of the mode.

bool TuiCustomMaskEdit::HasLiveEditor() const {
    return HandleAllocated() && InnerEdit().HandleAllocated();
}

int32_t TuiCustomMaskEdit::SelStart() const {
    return const_cast<TuiCustomMaskEdit*>(this)->TuiCustomTextEdit::SelStart();
}

int32_t TuiCustomMaskEdit::SelLength() const {
    return const_cast<TuiCustomMaskEdit*>(this)->TuiCustomTextEdit::SelLength();
}

void TuiCustomMaskEdit::SetSelStart(int32_t value) {
    const TMaskEditFlagScope internal(FInternalSelection, true);
    TuiCustomTextEdit::SetSelStart(value);
}

void TuiCustomMaskEdit::SetSelLength(int32_t value) {
    const TMaskEditFlagScope internal(FInternalSelection, true);
    TuiCustomTextEdit::SetSelLength(value);
}

int32_t TuiCustomMaskEdit::CaretPos() const {
    return GetCaretCharIndex(InnerEdit().Handle());
}

// Text the mode lays out while it handles a key is the user's typing; otherwise it is the program's.
void TuiCustomMaskEdit::SetDisplayValue(const rtl::UnicodeString& text) {
    if (FMaskKeyHandling) {
        InnerEdit().SetInnerText(text);
    } else {
        TuiCustomTextEdit::SetDisplayValue(rtl::Variant(text));
    }
}

void TuiCustomMaskEdit::AssignEditValue(const rtl::UnicodeString& text) {
    TuiCustomTextEdit::AssignEditValue(rtl::Variant(text));
}

rtl::UnicodeString TuiCustomMaskEdit::PreparedDisplayValue() const {
    auto& self = const_cast<TuiCustomMaskEdit&>(*this);
    if (ChangedByUser()) {
        return GetDisplayText();
    }
    return self.GetTextProperties().EditValueToDisplayText(self.EditValue(), HandleAllocated() && self.Focused());
}

void TuiCustomMaskEdit::SendKey(TuiMaskEditKey key) {
    switch (key) {
    case TuiMaskEditKey::Left:
        return SendSimulated(WM_KEYDOWN, VK_LEFT);
    case TuiMaskEditKey::Right:
        return SendSimulated(WM_KEYDOWN, VK_RIGHT);
    case TuiMaskEditKey::Delete:
        return SendSimulated(WM_KEYDOWN, VK_DELETE);
    }
}

void TuiCustomMaskEdit::SendChar(char16_t character) {
    SendSimulated(WM_CHAR, character);
}

// The native edit applies the key at once; the editor's own key handling stays out of it.
void TuiCustomMaskEdit::SendSimulated(uint32_t message, uintptr_t code) {
    if (!InnerEdit().HandleAllocated()) {
        return;
    }
    const TMaskEditFlagScope simulated(FSimulatedKey, true);
    SendMessageW(InnerEdit().Handle(), message, code, 0);
}

void TuiCustomMaskEdit::Beep() {
    vcl::Beep();
}

bool TuiCustomMaskEdit::AcceptsMaskChar(char16_t&, int32_t) {
    return true;
}

// Properties.

void TuiCustomMaskEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (FMode == nullptr) {
        TuiCustomTextEdit::PropertiesChanged(properties);
        return;
    }
    TuiCustomMaskEditProperties& maskProperties = GetMaskProperties();
    const bool wasLocked = maskProperties.IsChangeLocked();
    maskProperties.SetChangeLock(true);
    bool changed = false;
    try {
        changed = ApplyMaskSettings(maskProperties);
    } catch (...) {
        maskProperties.SetChangeLock(wasLocked);
        throw;
    }
    maskProperties.SetChangeLock(wasLocked);
    // A new echo makes the window anew, which forgets the selection.
    const bool echoChanged = InnerEdit().HandleAllocated() && InnerEdit().EchoMode() != maskProperties.EchoMode();
    const int32_t start = echoChanged ? SelStart() : 0;
    const int32_t length = echoChanged ? SelLength() : 0;
    TuiCustomTextEdit::PropertiesChanged(properties);
    if (echoChanged) {
        const TMaskEditFlagScope internal(FInternalSelection, true);
        TuiCustomTextEdit::SetSelStart(start);
        TuiCustomTextEdit::SetSelLength(length);
    }
    if (changed) {
        FValueText = Mode().GetFormattedText(GetDisplayText(), true);
    }
}

// Brings the mode in line with the kind, mask and case of the properties; answers whether any of them changed.
bool TuiCustomMaskEdit::ApplyMaskSettings(TuiCustomMaskEditProperties& properties) {
    const rtl::UnicodeString mask = properties.EditMask();
    const bool maskChanged = Mode().EditMask() != mask || properties.LocaleFormatChanging();
    const bool kindChanged = Mode().GetMaskKind() != properties.MaskKind();
    const bool caseChanged = FCharCase != properties.CharCase();
    bool maskCleared = false;
    if (kindChanged) {
        const bool pictureSwitch = IsStandardMode(Mode()) != (properties.MaskKind() == TuiEditMaskKind::emkStandard);
        CreateMode(properties.MaskKind());
        if (pictureSwitch) {
            // A picture mask is no regular expression, nor a regular expression a picture mask.
            properties.StoreEditMask({});
            maskCleared = true;
        }
        CompileMask(properties.EditMask());
    }
    if (maskChanged) {
        properties.SetMaxLength(0);
        CompileMask(mask);
        if (maskCleared) {
            properties.StoreEditMask(Mode().EditMask());
        }
    }
    if (caseChanged) {
        FCharCase = properties.CharCase();
        if (IsMasked()) {
            Mode().SynchronizeEditValue();
        }
    }
    properties.SetEmptyText(Mode().GetEmptyString());
    if (IsMasked()) {
        Mode().UpdateEditValue();
    }
    return kindChanged || maskChanged || caseChanged;
}

// A mask stored under another kind may not compile under this one: the editor then has no mask.
void TuiCustomMaskEdit::CompileMask(const rtl::UnicodeString& mask) {
    try {
        Mode().Compile(mask);
    } catch (const EuiMaskEditError&) {
        Mode().Compile({});
    }
    if (!IsEditMaskBlank(Mode().EditMask())) {
        Mode().SynchronizeEditValue();
    } else if (IsStandardMode(Mode()) && HasLiveEditor() && SelLength() == 1) {
        SetSelLength(0);
    }
}

// Values and text.

rtl::Variant TuiCustomMaskEdit::GetEditValueFromDisplay() {
    if (!IsMasked()) {
        return TuiCustomTextEdit::GetEditValueFromDisplay();
    }
    const bool editing = HandleAllocated() && Focused();
    if (editing || !IsStandardMode(Mode()) || GetMaskProperties().AlwaysShowBlanksAndLiterals()) {
        return rtl::Variant(Mode().GetFormattedText(GetDisplayText(), true));
    }
    return TuiCustomTextEdit::GetEditValueFromDisplay();
}

// The text the mode lays out while it handles a key is shown as it stands: formatting it again would complete it
// under the caret.
void TuiCustomMaskEdit::WriteDisplayValue(const rtl::Variant& value) {
    if (!IsMasked() || FMaskKeyHandling || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        TuiCustomTextEdit::WriteDisplayValue(value);
        return;
    }
    const rtl::UnicodeString text = rtl::VarToStr(value);
    const bool focused = HandleAllocated() && Focused();
    const bool fullForm = focused || !IsStandardMode(Mode()) || GetMaskProperties().AlwaysShowBlanksAndLiterals();
    TuiCustomTextEdit::WriteDisplayValue(
        rtl::Variant(fullForm ? Mode().FormatText(text, true) : Mode().GetFormattedText(text, true)));
    PassTextToMask();
}

rtl::UnicodeString TuiCustomMaskEdit::GetControlText() {
    return IsMasked() ? Mode().GetFormattedText(GetDisplayText(), true) : TuiCustomTextEdit::GetControlText();
}

// A text read with a form waits for the editor to be loaded, when its mask is compiled.
bool TuiCustomMaskEdit::IsTextValid(const rtl::UnicodeString& text) {
    if (!IsMasked() || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return TuiCustomTextEdit::IsTextValid(text);
    }
    TuiCustomTextEdit::AssignEditValue(rtl::Variant(text));
    FValueText = GetControlText();
    TuiCustomTextEdit::AssignEditValue(rtl::Variant(FValueText));
    return true;
}

void TuiCustomMaskEdit::Loaded() {
    TuiCustomTextEdit::Loaded();
    if (!IsMasked()) {
        return;
    }
    LockChangeEvents(true);
    try {
        RevalidateMaskText();
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
}

void TuiCustomMaskEdit::RevalidateMaskText() {
    WriteDisplayValue(rtl::Variant(GetDisplayText()));
}

void TuiCustomMaskEdit::UpdateDisplay() {
    if (FMaskKeyHandling) {
        return;
    }
    TuiCustomTextEdit::UpdateDisplay();
    PassTextToMask();
}

// The text the mode itself lays out while it handles a key is already its own.
void TuiCustomMaskEdit::PassTextToMask() {
    if (!FMaskKeyHandling && IsMasked() && PassesTextToMask()) {
        Mode().SetText(GetDisplayText());
    }
}

void TuiCustomMaskEdit::HandleUserChange() {
    FValueText = IsMasked() ? Mode().GetFormattedText(GetDisplayText(), true) : GetDisplayText();
    TuiCustomTextEdit::HandleUserChange();
}

// A text the mask does not complete is refused before any handler of the properties sees it.
void TuiCustomMaskEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) {
    if (!error && IsMasked() && !Mode().IsTextValid(rtl::VarToStr(displayValue))) {
        error = true;
        errorText = LoadResStringText(suiMaskEditInvalidEditValue);
    }
    TuiCustomTextEdit::ValidateDisplayValue(displayValue, errorText, error);
}

void TuiCustomMaskEdit::SelectionChanged() {
    if (!FInternalSelection && IsMasked() && HasLiveEditor()) {
        Mode().SelectCharAtCursor();
    }
}

// Keys.

void TuiCustomMaskEdit::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (!FSimulatedKey) {
        TuiCustomTextEdit::KeyDown(key, shift);
    }
}

void TuiCustomMaskEdit::KeyPress(char16_t& key) {
    if (!FSimulatedKey) {
        TuiCustomTextEdit::KeyPress(key);
    }
}

void TuiCustomMaskEdit::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    if (!FSimulatedKey) {
        TuiCustomTextEdit::KeyUp(key, shift);
    }
}

void TuiCustomMaskEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    const uint16_t shortCut = vcl::ShortCut(key, shift);
    if (!IsMasked() || key == 0 || (properties.ClearKey() != 0 && shortCut == properties.ClearKey()) ||
        (properties.Buttons().Count() > 0 && shortCut == properties.ClickKey())) {
        TuiCustomTextEdit::DoEditKeyDown(key, shift);
        return;
    }
    if (!CanProcessKey(key, shift)) {
        DoAfterKeyDown(key, shift);
        key = 0;
        return;
    }
    if (key != VK_TAB) {
        FShiftHeld = shift.Contains(vcl::ssShift);
        const TMaskEditFlagScope handling(FMaskKeyHandling, true);
        if (!MaskKeyDown(key, shift)) {
            key = 0;
            return;
        }
    }
    TuiCustomTextEdit::DoEditKeyDown(key, shift);
}

bool TuiCustomMaskEdit::MaskKeyDown(uint16_t& key, vcl::TShiftState shift) {
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (IsPopupShown()) {
            return true;
        }
        DoAfterKeyDown(key, shift);
        return false;
    case VK_LEFT:
        return MaskHorizontalKey(key, shift, true);
    case VK_RIGHT:
        return MaskHorizontalKey(key, shift, false);
    case VK_DELETE:
        if (!shift.Contains(vcl::ssShift)) {
            return Mode().PressDelete();
        }
        // Shift+Delete cuts: without a selection it removes the character before the caret.
        return SelLength() > 0 || Mode().PressBackspace();
    case VK_HOME:
        return Mode().PressHome();
    case VK_END:
        return Mode().PressEnd();
    default:
        return true;
    }
}

// Left and Right, or with Ctrl Home and End; at the edge of the text a refused key goes on to the after-key handler.
bool TuiCustomMaskEdit::MaskHorizontalKey(uint16_t& key, vcl::TShiftState shift, bool toStart) {
    if (shift.Contains(vcl::ssCtrl)) {
        key = toStart ? VK_HOME : VK_END;
        return toStart ? Mode().PressHome() : Mode().PressEnd();
    }
    const bool atEdge = toStart ? Mode().IsCursorAtStart() : Mode().IsCursorAtEnd();
    if (toStart ? Mode().PressLeft() : Mode().PressRight()) {
        return true;
    }
    if (atEdge) {
        DoAfterKeyDown(key, shift);
    }
    return false;
}

void TuiCustomMaskEdit::DoEditKeyPress(char16_t& key) {
    if (!IsMasked()) {
        TuiCustomTextEdit::DoEditKeyPress(key);
        return;
    }
    if (key == u'\t' || key == u'\x1b' || !HandleKeyPress(key)) {
        key = 0;
        return;
    }
    if (key == u'\r') {
        return;
    }
    if (key == 3 || key == 22 || key == 24) {
        TuiCustomTextEdit::DoEditKeyPress(key);
        return;
    }
    const TMaskEditFlagScope handling(FMaskKeyHandling, true);
    if (!(key == u'\b' ? Mode().PressBackspace() : Mode().PressSymbol(key))) {
        key = 0;
    }
}

// Focus and mouse.

void TuiCustomMaskEdit::DoEnter() {
    if (IsMasked() && GetMaskProperties().AutoSelect()) {
        Mode().SelectAll();
    }
    TuiCustomTextEdit::DoEnter();
}

void TuiCustomMaskEdit::DblClick() {
    if (IsMasked()) {
        Mode().SelectAll();
    }
    TuiCustomTextEdit::DblClick();
}

void TuiCustomMaskEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    if (IsMasked() && button == vcl::mbLeft && HasLiveEditor()) {
        Mode().SelectCharAtCursor();
    }
    TuiCustomTextEdit::MouseDown(button, shift, x, y);
}

void TuiCustomMaskEdit::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    if (IsMasked() && shift.Contains(vcl::ssLeft) && HasLiveEditor()) {
        // Dragging extends the selection as Shift with an arrow key would.
        const TMaskEditFlagScope extending(FShiftHeld, true);
        Mode().SelectCharAtCursor();
    }
    TuiCustomTextEdit::MouseMove(shift, x, y);
}

// Clipboard.

void TuiCustomMaskEdit::CutToClipboard() {
    if (!IsMasked()) {
        TuiCustomTextEdit::CutToClipboard();
        return;
    }
    if (HandleAllocated() && Focused() && !TryBeginEdit()) {
        return;
    }
    CopyToClipboard();
    const TMaskEditFlagScope handling(FMaskKeyHandling, true);
    if (Mode().PressDelete()) {
        SendSimulated(WM_CHAR, u'\b');
    }
}

void TuiCustomMaskEdit::PasteFromClipboard() {
    if (!IsMasked()) {
        TuiCustomTextEdit::PasteFromClipboard();
        return;
    }
    rtl::UnicodeString pasted;
    if (ReadClipboardText(pasted)) {
        SetDisplayTextInternal(pasted);
    }
}

void TuiCustomMaskEdit::SetDisplayTextInternal(const rtl::UnicodeString& text) {
    if (!IsMasked()) {
        TuiCustomTextEdit::SetDisplayTextInternal(text);
        return;
    }
    TuiMaskEditCustomMode& mode = Mode();
    mode.SetClipboardTextLength(static_cast<int32_t>(text.size()));
    mode.BeforePaste();
    TuiCustomTextEdit::SetDisplayTextInternal(text);
    mode.AfterPaste();
}

bool TuiCustomMaskEdit::IsEditableText() {
    return GetMaskProperties().EditMask().empty() && TuiCustomTextEdit::IsEditableText();
}

const rtl::TMetaclass& TuiMaskEditProperties::GetContainerClass() const {
    return TuiMaskEdit::StaticClass();
}

void InitializeMaskEditUnit() {
    GetEditPropertiesRegistry().Register(&TuiMaskEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryMaskItem));
    GetFilterEditsController().RegisterHelper(TuiMaskEditProperties::StaticClass(),
                                              TuiFilterMaskEditHelper::Instance());
}

void FinalizeMaskEditUnit() {
    UnregisterFilterEditHelper(TuiMaskEditProperties::StaticClass(), TuiFilterMaskEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiMaskEditProperties::StaticClass());
}

} // namespace ui
