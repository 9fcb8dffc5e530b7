#include "ui/editors/spin/uiSpinEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/spin/uiFilterSpinEditHelper.h"
#include "ui/editors/spin/uiSpinEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/services/Beeper.h"

namespace ui {

namespace {

constexpr uint32_t FirstRepeatDelay = 400;
constexpr uint32_t RepeatInterval = 100;

// The direction a spin key steps; -1 for any other key.
int32_t SpinKeyDirection(uint16_t key) {
    switch (key) {
    case VK_DOWN:
        return sedDown;
    case VK_UP:
        return sedUp;
    case VK_NEXT:
        return sedFastDown;
    case VK_PRIOR:
        return sedFastUp;
    default:
        return -1;
    }
}

int32_t& SpinEditUnitStarts() {
    static int32_t starts = 0;
    return starts;
}

} // namespace

TuiCustomSpinEdit::TuiCustomSpinEdit(rtl::TComponent* owner)
    : TuiCustomSpinEdit(owner, TuiCustomSpinEditProperties::StaticClass()) {}

TuiCustomSpinEdit::TuiCustomSpinEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomMaskEdit(owner, propertiesClass) {
    SetEditValue(rtl::Variant(int32_t{0}));
}

TuiCustomSpinEdit::~TuiCustomSpinEdit() = default;

TuiContainerStyleValues TuiCustomSpinEdit::GetUnpublishedStyleValues() const {
    return WithButtonStyleValuesPublished(TuiCustomMaskEdit::GetUnpublishedStyleValues());
}

// Values.

rtl::Variant TuiCustomSpinEdit::GetIncrement(int32_t direction) {
    return GetSpinProperties().GetIncrement(direction);
}

rtl::Variant TuiCustomSpinEdit::ReadValue(bool raising) {
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    rtl::Variant value = FInternalValue;
    if (HandleAllocated() && Focused()) {
        if (FTextTyped) {
            rtl::UnicodeString errorText;
            ConvertDisplayText(GetDisplayText(), value, raising, errorText);
        }
    } else {
        value = EditValue();
        if (rtl::VarIsStr(value) && !properties.TextToValue(rtl::VarToStr(value), value)) {
            value = rtl::Variant::Null();
        }
    }
    if (!rtl::VarIsNumeric(value)) {
        return properties.Range().ClampedZero();
    }
    return SpinValueToType(value, properties.ValueType());
}

void TuiCustomSpinEdit::SetValue(const rtl::Variant& value) {
    rtl::Variant checked = value;
    if (rtl::VarIsNumeric(value) && GetSpinProperties().IsEditValueValid(checked, HandleAllocated() && Focused())) {
        SetEditValue(checked);
    }
}

rtl::UnicodeString TuiCustomSpinEdit::GetValueDisplayText(const rtl::Variant& value) {
    rtl::Variant displayValue;
    GetSpinProperties().PrepareDisplayValue(value, displayValue, HandleAllocated() && Focused());
    return rtl::VarToStr(displayValue);
}

const TuiCustomSpinEditProperties::TGetValueEvent* TuiCustomSpinEdit::GetValueHandler() {
    const auto& own = static_cast<const TuiCustomSpinEditProperties&>(Properties()).OnGetValue();
    if (own) {
        return &own;
    }
    const auto& inForce = GetSpinProperties().OnGetValue();
    return inForce ? &inForce : nullptr;
}

bool TuiCustomSpinEdit::ConvertDisplayText(const rtl::UnicodeString& text, rtl::Variant& value, bool raising,
                                           rtl::UnicodeString& errorText) {
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    errorText.clear();
    if (text.empty()) {
        IuiEditDefaultValuesProvider* provider = properties.DefaultValuesProvider();
        const bool required = provider != nullptr && provider->IsValueRequired();
        value = required ? properties.Range().ClampedZero() : rtl::Variant::Null();
        return true;
    }
    rtl::Variant number;
    if (properties.TextToValue(text, number)) {
        value = number;
        return true;
    }
    if (const TuiCustomSpinEditProperties::TGetValueEvent* handler = GetValueHandler()) {
        bool error = true;
        try {
            (*handler)(this, text, number, errorText, error);
        } catch (const rtl::Exception& failure) {
            if (raising) {
                throw;
            }
            errorText = failure.Message();
            error = true;
        }
        if (!error && rtl::VarIsNumeric(number)) {
            value = SpinValueToType(number, properties.ValueType());
            return true;
        }
    }
    value = FInternalValue;
    if (!properties.ExceptionOnInvalidInput()) {
        errorText.clear();
        return true;
    }
    if (errorText.empty()) {
        errorText = LoadResStringText(uiSSpinEditInvalidNumericValue);
    }
    if (raising) {
        throw EuiEditError(errorText);
    }
    return false;
}

rtl::Variant TuiCustomSpinEdit::GetEditValueFromDisplay() {
    rtl::Variant value = FInternalValue;
    rtl::UnicodeString errorText;
    ConvertDisplayText(GetDisplayText(), value, false, errorText);
    return value;
}

// While the user changes the text, a text that stands for the value stays as typed: "1." or "-" are on their way to
// a number and have no text of their own.
void TuiCustomSpinEdit::UpdateDisplay() {
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    rtl::Variant value = EditValue();
    try {
        FInternalValue = properties.IsEditValueValid(value, false) ? properties.PrepareSpinValue(value)
                                                                   : properties.Range().ClampedZero();
    } catch (const rtl::Exception&) {
        FInternalValue = properties.Range().ClampedZero();
    }
    if (UserEditInProgress() && rtl::VarSameValue(GetEditValueFromDisplay(), EditValue())) {
        return;
    }
    TuiCustomMaskEdit::UpdateDisplay();
}

void TuiCustomSpinEdit::HandleUserChange() {
    FTextTyped = FTyping;
    TuiCustomMaskEdit::HandleUserChange();
    FTyping = false;
}

void TuiCustomSpinEdit::CorrectRange() {
    RunWithUserEdit(ChangedByUser(), [this] {
        const TuiSpinEditRange range = GetSpinProperties().Range();
        const rtl::Variant value = ReadValue(false);
        if (range.IsBelow(value)) {
            SetValue(range.MinValue());
        } else if (range.IsAbove(value)) {
            SetValue(range.MaxValue());
        }
    });
}

// Without an error the entry shows the number it stands for: an empty entry 0, and without ExceptionOnInvalidInput a
// number beyond the range the bound.
void TuiCustomSpinEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) {
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    const TuiSpinEditRange range = properties.Range();
    rtl::Variant value = FInternalValue;
    if (FTextTyped && !ConvertDisplayText(rtl::VarToStr(displayValue), value, false, errorText)) {
        error = true;
    }
    if (!error) {
        value = rtl::VarIsNumeric(value) ? SpinValueToType(value, properties.ValueType()) : range.ClampedZero();
        if (!properties.ExceptionOnInvalidInput()) {
            value = range.ClampToRange(value);
        } else if (range.IsBelow(value) || range.IsAbove(value)) {
            error = true;
            errorText = LoadResStringText(uiSEditValueOutOfBounds);
        }
        displayValue = rtl::Variant(GetValueDisplayText(value));
    }
    TuiCustomMaskEdit::ValidateDisplayValue(displayValue, errorText, error);
}

// Spinning.

bool TuiCustomSpinEdit::Spin(int32_t direction) {
    LockChangeEvents(true);
    const TuiTextEditScopeExit unlock([this] { LockChangeEvents(false); });
    if (!TryBeginEdit()) {
        return false;
    }
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    rtl::Variant value = GetValue();
    if (!properties.Range().StepValue(direction, value, GetIncrement(direction))) {
        return false;
    }
    const rtl::UnicodeString oldText = GetDisplayText();
    const rtl::UnicodeString newText = GetValueDisplayText(value);
    const int32_t selStart = SelStart();
    const int32_t selLength = SelLength();
    FInternalValue = value;
    if (newText == oldText) {
        return false;
    }
    RunWithUserEdit(true, [&] {
        TuiCustomTextEdit::SetDisplayValue(rtl::Variant(newText));
        HandleUserChange();
        ApplyEditValue(GetEditValueFromDisplay(), true);
    });
    SetChangedByUser(true);
    if (properties.KeepsSelectionOnSpin()) {
        SetSelStart(selStart);
        SetSelLength(selLength);
    } else {
        SetSelStart(static_cast<int32_t>(GetDisplayText().size()));
    }
    if (properties.ImmediatePost() && IsPostPending() && ValidateEnteredText(false)) {
        CommitValue(false);
        UpdateDisplay();
    }
    return true;
}

void TuiCustomSpinEdit::StartRepeatTimer() {
    if (GetSpinProperties().GetReadOnly() || !DataBinding().IsDataAvailable()) {
        return;
    }
    FRepeatTimer = std::make_unique<TuiTimer>(nullptr);
    FRepeatTimer->SetInterval(FirstRepeatDelay);
    FRepeatTimer->SetOnTimer([this](rtl::TObject*) { RepeatSpin(); });
}

// The pointer may have left the button meanwhile: the step waits until it is back.
void TuiCustomSpinEdit::RepeatSpin() {
    if (FRepeatTimer->Interval() == FirstRepeatDelay) {
        FRepeatTimer->SetInterval(RepeatInterval);
    }
    const int32_t pressed = MousePressedButtonAt(ScreenToClient(vcl::Mouse().CursorPos()));
    if (pressed >= 0) {
        Spin(pressed);
    }
}

void TuiCustomSpinEdit::StopSpin() {
    const bool spinning = FRepeatTimer != nullptr || FKeyPressedButton != 0;
    FRepeatTimer.reset();
    ForgetPressedButton();
    FKeyPressedButton = 0;
    if (spinning) {
        Invalidate();
    }
    if (HandleAllocated() && GetCapture() == WindowHandle()) {
        ReleaseCapture();
    }
}

int32_t TuiCustomSpinEdit::MousePressedButtonAt(vcl::TPoint point) {
    const std::unique_ptr<TuiCustomEditViewInfo> viewInfo = CalculateViewInfoAt(UICanvas(), point);
    return viewInfo->PressedIndex >= 0 ? viewInfo->Buttons(viewInfo->PressedIndex).ButtonIndex : -1;
}

void TuiCustomSpinEdit::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomMaskEdit::InitViewData(viewData);
    if (auto* spin = dynamic_cast<TuiSpinEditViewData*>(&viewData)) {
        spin->KeyPressedButton = FKeyPressedButton;
    }
}

// Keys.

bool TuiCustomSpinEdit::IsValidChar(char16_t ch) {
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    if (properties.CanEdit() && GetValueHandler() != nullptr) {
        return true;
    }
    if (!properties.CanEdit() && (ch == u'\b' || ch >= u' ')) {
        return false;
    }
    if (ch < u' ' || (ch < properties.AcceptedChars().size() && properties.AcceptedChars().test(ch))) {
        return true;
    }
    const bool isFloat = properties.ValueType() == vtFloat;
    return IsNumberChar(ch, isFloat ? 2 : 0) || ch == u'e' || ch == u'E';
}

void TuiCustomSpinEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    FTyping = false;
    TuiCustomSpinEditProperties& properties = GetSpinProperties();
    const int32_t direction = SpinKeyDirection(key);
    if (direction >= 0 && properties.UseCtrlIncrement() && !shift.Contains(vcl::ssCtrl)) {
        // The host may take the key (a grid moves to another row); otherwise the edit moves the caret.
        StopSpin();
        FTyping = true;
        DoAfterKeyDown(key, shift);
        return;
    }
    if (direction < 0) {
        StopSpin();
        FTyping = key != VK_ESCAPE;
        if (!properties.CanEdit() && IsEditingKey(key, shift)) {
            DoAfterKeyDown(key, shift);
            key = 0;
            return;
        }
        TuiCustomMaskEdit::DoEditKeyDown(key, shift);
        return;
    }
    if (!DataBinding().IsChangedByUser() && !TryBeginEdit()) {
        return;
    }
    FKeyPressedButton = static_cast<uint8_t>(direction + 1);
    Invalidate();
    if (HandleAllocated() && GetCapture() == WindowHandle()) {
        ReleaseCapture();
    }
    Spin(direction);
    key = 0;
}

void TuiCustomSpinEdit::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    FTyping = false;
    const bool spinKey = SpinKeyDirection(key) >= 0;
    TuiCustomMaskEdit::KeyUp(key, shift);
    if (spinKey) {
        StopSpin();
    }
}

void TuiCustomSpinEdit::DoEditKeyPress(char16_t& key) {
    if (key == u'.' || key == u',') {
        key = rtl::FormatSettings().DecimalSeparator;
    }
    if (key >= u' ' || key == u'\b') {
        if (!IsValidChar(key)) {
            key = 0;
            vcl::Beep();
            return;
        }
        FTyping = true;
    }
    TuiCustomMaskEdit::DoEditKeyPress(key);
}

bool TuiCustomSpinEdit::AllowsTextChange() {
    return !(HandleAllocated() && Focused()) || GetSpinProperties().CanEdit();
}

void TuiCustomSpinEdit::CutToClipboard() {
    if (AllowsTextChange()) {
        const auto typing = RaiseForScope(FTyping);
        TuiCustomMaskEdit::CutToClipboard();
    }
}

void TuiCustomSpinEdit::PasteFromClipboard() {
    if (AllowsTextChange()) {
        const auto typing = RaiseForScope(FTyping);
        TuiCustomMaskEdit::PasteFromClipboard();
    }
}

// Mouse.

bool TuiCustomSpinEdit::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (!GetSpinProperties().AcceptsMouseWheel()) {
        return TuiCustomMaskEdit::DoMouseWheel(shift, wheelDelta, mousePos);
    }
    Spin(wheelDelta < 0 ? sedDown : sedUp);
    return true;
}

// A press on a button steps at once and starts the repeat; a press anywhere else ends a spin.
void TuiCustomSpinEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomMaskEdit::MouseDown(button, shift, x, y);
    const int32_t pressed = button == vcl::mbLeft ? MousePressedButtonAt({x, y}) : -1;
    if (pressed < 0) {
        StopSpin();
        return;
    }
    Invalidate();
    if (FKeyPressedButton == 0) {
        Spin(pressed);
        StartRepeatTimer();
    }
}

void TuiCustomSpinEdit::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomMaskEdit::MouseUp(button, shift, x, y);
    StopSpin();
}

void TuiCustomSpinEdit::DoExit() {
    StopSpin();
    TuiCustomMaskEdit::DoExit();
}

const rtl::TMetaclass& TuiSpinEditProperties::GetContainerClass() const {
    return TuiSpinEdit::StaticClass();
}

void InitializeSpinEditUnit() {
    if (SpinEditUnitStarts()++ != 0) {
        return;
    }
    GetEditPropertiesRegistry().Register(&TuiSpinEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositorySpinItem));
    GetFilterEditsController().RegisterHelper(TuiSpinEditProperties::StaticClass(),
                                              TuiFilterSpinEditHelper::Instance());
}

void FinalizeSpinEditUnit() {
    if (SpinEditUnitStarts() == 0 || --SpinEditUnitStarts() != 0) {
        return;
    }
    UnregisterFilterEditHelper(TuiSpinEditProperties::StaticClass(), TuiFilterSpinEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiSpinEditProperties::StaticClass());
}

} // namespace ui
