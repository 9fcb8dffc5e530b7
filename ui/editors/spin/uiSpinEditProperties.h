#pragma once
// TuiCustomSpinEditProperties: the description of a spin editor, the masked text editor of a number that steps by
// Increment (the down and up buttons and keys) or LargeIncrement (the fast buttons and the page keys) inside
// MinValue..MaxValue, clamped to the bounds or, when Circular, wrapped round. The number is a 64-bit integer or a
// double by ValueType; TuiSpinEditButtons says how its buttons are arranged.

#include "ui/editors/mask/editor/uiMaskEditProperties.h"
#include "ui/editors/spin/uiSpinEditValues.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

enum TuiSpinEditButtonsPosition : uint8_t { sbpHorzLeftRight, sbpHorzRight, sbpVert };

// The arrangement of a spin editor's buttons; every change tells the owning properties.
class TuiSpinEditButtons : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiSpinEditButtons, rtl::TPersistent)
public:
    explicit TuiSpinEditButtons(TuiCustomEditProperties& owner) : FOwner(owner) {}

    rtl::TPersistent* GetOwner() const override { return &FOwner; }
    // The three settings, inside one update of the owner.
    void Assign(const rtl::TPersistent* source) override;

    TuiSpinEditButtonsPosition Position() const { return FPosition; }
    void SetPosition(TuiSpinEditButtonsPosition value) { SetAndNotify(FPosition, value); }
    bool ShowFastButtons() const { return FShowFastButtons; }
    void SetShowFastButtons(bool value) { SetAndNotify(FShowFastButtons, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetAndNotify(FVisible, value); }
    // The buttons shown: 4 with the fast ones, 2 without, none when not visible.
    int32_t ButtonCount() const { return FVisible ? (FShowFastButtons ? 4 : 2) : 0; }

private:
    template <class T>
    void SetAndNotify(T& field, T value) {
        if (field != value) {
            field = value;
            FOwner.Changed();
        }
    }

    TuiCustomEditProperties& FOwner; // the properties that own the buttons
    TuiSpinEditButtonsPosition FPosition = sbpVert;
    bool FShowFastButtons = false;
    bool FVisible = true;
};

// The assigned flags of the spin properties: besides the text ones, ValueType.
class TuiSpinEditPropertiesValues : public TuiTextEditPropertiesValues {
    RTL_DECLARE_CLASS(TuiSpinEditPropertiesValues, TuiTextEditPropertiesValues)
public:
    explicit TuiSpinEditPropertiesValues(rtl::TPersistent* owner) : TuiTextEditPropertiesValues(owner) {}

    void Assign(const rtl::TPersistent* source) override;
    void ResetAssigned() override;

    bool ValueType() const { return FValueType; }
    void SetValueType(bool value) { SetFlag(FValueType, value); }

private:
    bool FValueType = false;
};

class TuiCustomSpinEditProperties : public TuiCustomMaskEditProperties {
    RTL_DECLARE_CLASS(TuiCustomSpinEditProperties, TuiCustomMaskEditProperties)
public:
    // A text that is no number: the handler may set the value, or an error text with error left set.
    using TGetValueEvent = std::function<void(rtl::TObject* sender, const rtl::UnicodeString& text, rtl::Variant& value,
                                              rtl::UnicodeString& errorText, bool& error)>;

    explicit TuiCustomSpinEditProperties(rtl::TPersistent* owner);
    ~TuiCustomSpinEditProperties() override;

    // The mask properties, the assigned value type and the spin settings, inside one update.
    void Assign(const rtl::TPersistent* source) override;
    TuiSpinEditPropertiesValues& AssignedValues() const;

    TuiSpinEditButtons& SpinButtons() const { return *FSpinButtons; }
    void SetSpinButtons(const TuiSpinEditButtons& value) { FSpinButtons->Assign(&value); }
    // Whether the text may be typed; spinning works either way.
    bool CanEdit() const { return FCanEdit; }
    void SetCanEdit(bool value) { SetAndNotify(FCanEdit, value); }
    bool Circular() const { return FCircular; }
    void SetCircular(bool value) { SetAndNotify(FCircular, value); }
    bool ExceptionOnInvalidInput() const { return FExceptionOnInvalidInput; }
    void SetExceptionOnInvalidInput(bool value) { SetAndNotify(FExceptionOnInvalidInput, value); }
    double Increment() const { return FIncrement; }
    void SetIncrement(double value) { SetAndNotify(FIncrement, value); }
    double LargeIncrement() const { return FLargeIncrement; }
    void SetLargeIncrement(double value) { SetAndNotify(FLargeIncrement, value); }
    // The arrow and page keys spin only with Ctrl held.
    bool UseCtrlIncrement() const { return FUseCtrlIncrement; }
    void SetUseCtrlIncrement(bool value) { SetAndNotify(FUseCtrlIncrement, value); }
    // The assigned type; else the data's value kind (0 an integer, 1 a float); without data a float.
    TuiSpinEditValueType ValueType() const;
    void SetValueType(TuiSpinEditValueType value);
    const TGetValueEvent& OnGetValue() const { return FOnGetValue; }
    void SetOnGetValue(TGetValueEvent handler) { FOnGetValue = std::move(handler); }

    // The range of the value: the bounds that are set (as values of the type), and what a step past them does.
    TuiSpinEditRange Range();
    // Wrap when Circular, else clamp when the editor clamps, else nothing.
    TuiSpinEditRangeMode GetRangeMode() const;
    // The step of a direction (sedDown..sedFastUp) as a value of the type; EuxException for any other.
    rtl::Variant GetIncrement(int32_t direction) const;
    // The number of a text (the locale's decimal separator); false when it is none.
    bool TextToValue(rtl::UnicodeStringView text, rtl::Variant& value) const;

    // Steps past a bound stop there (the time editor's day does not).
    virtual bool ClampsToRange() const { return true; }
    // Whether a text checked for the editor must be a number.
    virtual bool ValidatesNumericText() const { return true; }
    // A value as a number of the type to spin from: Null or an empty text is 0.
    virtual rtl::Variant PrepareSpinValue(const rtl::Variant& value) const;
    // Spinning keeps the selection instead of putting the caret at the end.
    virtual bool KeepsSelectionOnSpin() const { return false; }

    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override;
    // Null, an empty text and dates are valid; a text or number must be a number of the type.
    bool IsEditValueValid(rtl::Variant& value, bool editing) override;
    // Not while editing nor under an assigned display format: whether the data defines one.
    bool CanShowDataDisplayText(bool editing) override;
    // The text of 0 clamped into the range.
    rtl::Variant GetEmptyEditValue() const override;
    bool SupportsRange() const override { return true; }
    // The text editor's check, then a text that is no number fails; a number beyond the range shows its own text.
    bool CheckTextValue(rtl::Variant& value, bool editing) override;

protected:
    // The edit buttons follow SpinButtons: missing ones added, surplus ones taken from the front.
    void DoChanged() override;

private:
    void SyncEditButtons();

    std::unique_ptr<TuiSpinEditButtons> FSpinButtons;
    bool FCanEdit = true;
    bool FCircular = false;
    bool FExceptionOnInvalidInput = false;
    double FIncrement = 1;
    double FLargeIncrement = 10;
    bool FUseCtrlIncrement = false;
    TuiSpinEditValueType FValueType = vtFloat;
    TGetValueEvent FOnGetValue;
};

class TuiSpinEditProperties : public TuiCustomSpinEditProperties {
    RTL_DECLARE_CLASS(TuiSpinEditProperties, TuiCustomSpinEditProperties)
public:
    explicit TuiSpinEditProperties(rtl::TPersistent* owner) : TuiCustomSpinEditProperties(owner) {}
    // The spin editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

} // namespace ui
