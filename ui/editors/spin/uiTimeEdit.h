#pragma once
// The time editor: the spin editor of a time of day under a standard mask. Typed digits are corrected part by part,
// the spin buttons and keys step the part under the caret (hours, minutes, seconds, or AM/PM), and the value keeps the
// date part of the value it was given, with its sign. A format listener rebuilds the 12-hour masks when the locale's
// formats change.

#include "ui/editors/spin/uiFilterSpinEditHelper.h"
#include "ui/editors/spin/uiSpinEdit.h"
#include "ui/editors/spin/uiTimeEditProperties.h"

namespace ui {

class TuiCustomTimeEdit : public TuiCustomSpinEdit {
    RTL_DECLARE_CLASS(TuiCustomTimeEdit, TuiCustomSpinEdit)
public:
    explicit TuiCustomTimeEdit(rtl::TComponent* owner);

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomTimeEditProperties::StaticClass(); }
    TuiCustomTimeEditProperties& GetTimeProperties() {
        return static_cast<TuiCustomTimeEditProperties&>(GetEffectiveProperties());
    }

    // The time of day shown (focused: of the text), without its date.
    rtl::TDateTime Time();
    // The edit value becomes the date part with the time, the time taking the date part's sign.
    void SetTime(rtl::TDateTime value);
    // Seconds of the day become the time.
    void SetValue(const rtl::Variant& seconds) override;
    // The caret's part steps; the part's second digit, or the designator the step shows, is selected afterwards.
    bool Spin(int32_t direction) override;

    // IuiMaskEditModeSite: a typed digit or designator letter is corrected for its part.
    bool AcceptsMaskChar(char16_t& character, int32_t position) override;
    // The mask's empty value is no time: the value stays.
    void AssignEditValue(const rtl::UnicodeString&) override {}

protected:
    TuiCustomTimeEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    rtl::Variant GetIncrement(int32_t direction) override;
    // Seconds of the day: focused, of the text.
    rtl::Variant ReadValue(bool raising) override;
    rtl::UnicodeString GetValueDisplayText(const rtl::Variant& seconds) override;
    rtl::Variant GetEditValueFromDisplay() override;
    rtl::Variant GetClearValue() const override;
    void ApplyEditValue(const rtl::Variant& value, bool validated) override;
    void WriteDisplayValue(const rtl::Variant& value) override;
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    // Every character reaches the mask, which decides.
    bool IsValidChar(char16_t) override { return true; }

private:
    // The value of a display text: the date part with the time the text shows.
    rtl::Variant PrepareEditValue(const rtl::UnicodeString& displayText);
    rtl::Variant WithDatePart(rtl::TDateTime time) const;
    TuiTimeEditPart CaretPart();

    // The whole days of the value last applied.
    double FDatePart = 0;
};

class TuiTimeEdit : public TuiCustomTimeEdit {
    RTL_DECLARE_CLASS(TuiTimeEdit, TuiCustomTimeEdit)
public:
    explicit TuiTimeEdit(rtl::TComponent* owner) : TuiCustomTimeEdit(owner, TuiTimeEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiTimeEditProperties::StaticClass(); }
    TuiTimeEditProperties& TimeEditProperties() const { return static_cast<TuiTimeEditProperties&>(Properties()); }
};

// The repository item of the time editor.
class TuiEditRepositoryTimeItem : public TuiEditRepositoryItem {
    RTL_DECLARE_CLASS(TuiEditRepositoryTimeItem, TuiEditRepositoryItem)
public:
    explicit TuiEditRepositoryTimeItem(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TuiTimeEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiTimeEditProperties::StaticClass(); }
};

// The filter edit helper of the time editor: its value editor starts at the time 0.
class TuiFilterTimeEditHelper : public TuiFilterSpinEditHelper {
    RTL_DECLARE_CLASS(TuiFilterTimeEditHelper, TuiFilterSpinEditHelper)
public:
    static const TuiFilterTimeEditHelper& Instance();

    const rtl::TMetaclass* FilterEditClass() const override;
    void InitializeFilterEdit(TuiCustomEdit& editor, const TuiCustomEditProperties& source) const override;
};

// Starts the time editors' unit once however often it is called: the 12-hour masks built from the locale and a
// listener that builds them again on every format change, the time properties and their filter helper registered.
// The balancing finalisation undoes it.
void InitializeTimeEditUnit();
void FinalizeTimeEditUnit();

} // namespace ui
