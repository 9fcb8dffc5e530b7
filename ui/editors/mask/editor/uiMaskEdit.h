#pragma once
// The mask editor: the text editor with an input mask. A mode object of the mask's kind takes the editing keys
// first and keeps the text inside the mask; without a mask the editor is the text editor.

#include "ui/editors/mask/editor/uiMaskEditProperties.h"
#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"
#include "ui/editors/mask/modes/uiMaskEditModeSite.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomMaskEdit : public TuiCustomTextEdit, public IuiMaskEditModeSite {
    RTL_DECLARE_CLASS(TuiCustomMaskEdit, TuiCustomTextEdit)
public:
    explicit TuiCustomMaskEdit(rtl::TComponent* owner);
    ~TuiCustomMaskEdit() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomMaskEditProperties::StaticClass(); }
    TuiCustomMaskEditProperties& GetMaskProperties();
    // The mode, its options brought up to date with the properties.
    TuiMaskEditCustomMode& Mode();
    bool IsMasked() { return GetMaskProperties().IsMasked(); }

    void SetDisplayValue(const rtl::Variant& value) override { TuiCustomTextEdit::SetDisplayValue(value); }
    void UpdateDisplay() override;
    void Loaded() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    // The pasted text goes through the mode, which keeps what the mask takes.
    void SetDisplayTextInternal(const rtl::UnicodeString& text) override;
    // A masked text is edited only through the mask.
    bool IsEditableText() override;
    // The masked value of the text now shown.
    const rtl::UnicodeString& ValueText() const { return FValueText; }

    // IuiMaskEditModeSite
    bool HasLiveEditor() const override;
    int32_t SelStart() const override;
    int32_t SelLength() const override;
    void SetSelStart(int32_t value) override;
    void SetSelLength(int32_t value) override;
    int32_t CaretPos() const override;
    bool ShiftHeld() const override { return FShiftHeld; }
    void ClearShift() override { FShiftHeld = false; }
    rtl::UnicodeString Text() const override { return GetDisplayText(); }
    void SetDisplayValue(const rtl::UnicodeString& text) override;
    void AssignEditValue(const rtl::UnicodeString& text) override;
    bool ChangedByUser() const override { return TuiCustomTextEdit::ChangedByUser(); }
    rtl::UnicodeString PreparedDisplayValue() const override;
    void SendKey(TuiMaskEditKey key) override;
    void SendChar(char16_t character) override;
    void Beep() override;
    bool AcceptsMaskChar(char16_t& character, int32_t position) override;

protected:
    TuiCustomMaskEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    rtl::Variant GetEditValueFromDisplay() override;
    void WriteDisplayValue(const rtl::Variant& value) override;
    void HandleUserChange() override;
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    void DoEnter() override;
    void DblClick() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;

    // With a mask the window's text is the masked value, and a text set as the window's is the value.
    rtl::UnicodeString GetControlText() override;
    bool IsTextValid(const rtl::UnicodeString& text) override;
    // Lays the text read with the component into the mask.
    virtual void RevalidateMaskText();
    // The editor hands a text set by the program to the mode (the date editor keeps its own).
    virtual bool PassesTextToMask() const { return true; }

private:
    void CreateMode(TuiEditMaskKind kind);
    bool ApplyMaskSettings(TuiCustomMaskEditProperties& properties);
    void CompileMask(const rtl::UnicodeString& mask);
    void PassTextToMask();
    void SelectionChanged();
    // Answers whether the mask handling lets the key on to the native edit.
    bool MaskKeyDown(uint16_t& key, vcl::TShiftState shift);
    bool MaskHorizontalKey(uint16_t& key, vcl::TShiftState shift, bool toStart);
    void SendSimulated(uint32_t message, uintptr_t code);

    TuiMaskEditModeOptions FModeOptions;
    std::unique_ptr<TuiMaskEditCustomMode> FMode;
    bool FInternalSelection = false;
    bool FSimulatedKey = false;
    bool FShiftHeld = false;
    // Raised while the mode handles a key: the text it lays out is the user's typing.
    bool FMaskKeyHandling = false;
    vcl::TEditCharCase FCharCase = vcl::ecNormal;
    // The masked value of the text shown.
    rtl::UnicodeString FValueText;
};

class TuiMaskEditProperties : public TuiCustomMaskEditProperties {
    RTL_DECLARE_CLASS(TuiMaskEditProperties, TuiCustomMaskEditProperties)
public:
    explicit TuiMaskEditProperties(rtl::TPersistent* owner) : TuiCustomMaskEditProperties(owner) {}
    // The mask editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

class TuiMaskEdit : public TuiCustomMaskEdit {
    RTL_DECLARE_CLASS(TuiMaskEdit, TuiCustomMaskEdit)
public:
    explicit TuiMaskEdit(rtl::TComponent* owner) : TuiCustomMaskEdit(owner, TuiMaskEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiMaskEditProperties::StaticClass(); }
    TuiMaskEditProperties& MaskEditProperties() const { return static_cast<TuiMaskEditProperties&>(Properties()); }
};

// The repository item of the mask editor.
class TuiEditRepositoryMaskItem : public TuiEditRepositoryItemOf<TuiMaskEditProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryMaskItem, TuiEditRepositoryItemOf<TuiMaskEditProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the mask properties among the editor properties classes; the finalisation removes them.
void InitializeMaskEditUnit();
void FinalizeMaskEditUnit();

} // namespace ui
