#pragma once
// The spin editor: the masked text editor of a number with spin buttons. Up and Down (or with UseCtrlIncrement
// Ctrl+Up and Ctrl+Down), PgUp and PgDn, the wheel and the buttons step the value; a held button steps at once, again
// after 400 ms and then every 100 ms, and a key held down shows its button pressed until it is released. Typed text
// is checked character by character and turned into the value on validation, clamped into the range or refused.

#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "ui/editors/spin/uiSpinEditProperties.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiTimer;

class TuiCustomSpinEdit : public TuiCustomMaskEdit {
    RTL_DECLARE_CLASS(TuiCustomSpinEdit, TuiCustomMaskEdit)
public:
    explicit TuiCustomSpinEdit(rtl::TComponent* owner);
    ~TuiCustomSpinEdit() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomSpinEditProperties::StaticClass(); }
    TuiCustomSpinEditProperties& GetSpinProperties() {
        return static_cast<TuiCustomSpinEditProperties&>(GetEffectiveProperties());
    }

    // The value spinning works on: while focused the typed text converted (raising EuiEditError for a text that is
    // no number under ExceptionOnInvalidInput), else the edit value; anything that is no number reads as 0 clamped.
    rtl::Variant GetValue() { return ReadValue(true); }
    // A number that the properties accept becomes the edit value.
    virtual void SetValue(const rtl::Variant& value);
    // One step in the direction (sedDown..sedFastUp); whether the text changed.
    virtual bool Spin(int32_t direction);
    // The button the keyboard holds down: 0 none, else its index + 1.
    uint8_t KeyPressedButton() const { return FKeyPressedButton; }
    // The timer that repeats a held button's step; nullptr while no button is held.
    TuiTimer* RepeatTimer() const { return FRepeatTimer.get(); }

    // The styles store the button style, transparency and gradient.
    TuiContainerStyleValues GetUnpublishedStyleValues() const override;
    void UpdateDisplay() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;

protected:
    TuiCustomSpinEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    // The step of a direction; the time editor's depends on the part under the caret.
    virtual rtl::Variant GetIncrement(int32_t direction);
    // GetValue, raising only when asked.
    virtual rtl::Variant ReadValue(bool raising);
    // The text that shows value in the form the editor shows now.
    virtual rtl::UnicodeString GetValueDisplayText(const rtl::Variant& value);
    // The number of a display text; false with errorText for a text that is no number (reported only under
    // ExceptionOnInvalidInput), value then the value spun last.
    bool ConvertDisplayText(const rtl::UnicodeString& text, rtl::Variant& value, bool raising,
                            rtl::UnicodeString& errorText);
    // Ends a spin: no repeat, no button pressed by the mouse or the keyboard, no capture.
    void StopSpin();
    // The value spun last.
    const rtl::Variant& InternalValue() const { return FInternalValue; }
    void SetInternalValue(const rtl::Variant& value) { FInternalValue = value; }

    rtl::Variant GetEditValueFromDisplay() override;
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void HandleUserChange() override;
    void CorrectRange() override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    bool IsValidChar(char16_t ch) override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void DoExit() override;

private:
    // The index of the button the mouse presses at point; -1 when none is pressed.
    int32_t MousePressedButtonAt(vcl::TPoint point);
    void StartRepeatTimer();
    void RepeatSpin();
    // Clipboard changes of a focused editor need CanEdit.
    bool AllowsTextChange();
    // The handler that reads a text that is no number: the editor's own, else the one of the properties in force.
    const TuiCustomSpinEditProperties::TGetValueEvent* GetValueHandler();

    rtl::Variant FInternalValue;
    // The text was typed since the value was last converted.
    bool FTextTyped = false;
    // A key or clipboard operation is changing the text.
    bool FTyping = false;
    uint8_t FKeyPressedButton = 0;
    std::unique_ptr<TuiTimer> FRepeatTimer;
};

class TuiSpinEdit : public TuiCustomSpinEdit {
    RTL_DECLARE_CLASS(TuiSpinEdit, TuiCustomSpinEdit)
public:
    explicit TuiSpinEdit(rtl::TComponent* owner) : TuiCustomSpinEdit(owner, TuiSpinEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiSpinEditProperties::StaticClass(); }
    TuiSpinEditProperties& SpinEditProperties() const { return static_cast<TuiSpinEditProperties&>(Properties()); }
};

// The repository item of the spin editor.
class TuiEditRepositorySpinItem : public TuiEditRepositoryItem {
    RTL_DECLARE_CLASS(TuiEditRepositorySpinItem, TuiEditRepositoryItem)
public:
    explicit TuiEditRepositorySpinItem(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TuiSpinEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiSpinEditProperties::StaticClass(); }
};

// Registers the spin properties and their filter helper, once however often it is called; the balancing
// finalisation removes both.
void InitializeSpinEditUnit();
void FinalizeSpinEditUnit();

} // namespace ui
