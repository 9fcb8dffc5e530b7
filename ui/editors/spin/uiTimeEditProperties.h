#pragma once
// TuiCustomTimeEditProperties: the description of a time editor, the spin editor of a time of day. Its text is held by
// a standard mask of the time format (hours, minutes and seconds, or fewer; on the 24-hour clock or the 12-hour one
// with the locale's designators); spinning works in seconds of the day, 0..86399, by the part under the caret.

#include "ui/editors/spin/uiSpinEditProperties.h"
#include "ui/editors/spin/uiTimeEditRules.h"

namespace ui {

class TuiCustomTimeEditProperties : public TuiCustomSpinEditProperties {
    RTL_DECLARE_CLASS(TuiCustomTimeEditProperties, TuiCustomSpinEditProperties)
public:
    explicit TuiCustomTimeEditProperties(rtl::TPersistent* owner);

    // The spin properties, then the time settings, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    // Unfocused, a value with a date shows it.
    bool ShowDate() const { return FShowDate; }
    void SetShowDate(bool value) { SetAndNotify(FShowDate, value); }
    TuiTimeEditTimeFormat TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TuiTimeEditTimeFormat value);
    bool Use24HourFormat() const { return FUse24HourFormat; }
    void SetUse24HourFormat(bool value);
    // Unfocused, the time shows in the editing format rather than the locale's time format.
    bool UseTimeFormatWhenUnfocused() const { return FUseTimeFormatWhenUnfocused; }
    void SetUseTimeFormatWhenUnfocused(bool value) { SetAndNotify(FUseTimeFormatWhenUnfocused, value); }

    // The date-time format of the editing text.
    rtl::UnicodeString TimeDisplayFormat() const {
        return TuiTimeEditFormats::DisplayFormat(FTimeFormat, FUse24HourFormat);
    }
    // The part the text position belongs to.
    TuiTimeEditPart GetTimePart(int32_t position);
    // The locale's AM and PM designators.
    static rtl::UnicodeString AmDesignator();
    static rtl::UnicodeString PmDesignator();
    // The editing text of a time.
    rtl::UnicodeString FormatTime(rtl::TDateTime value) const;

    // The locale's formats changed: the mask follows its designator.
    void FormatChanged() override;

    bool ClampsToRange() const override { return false; }
    bool ValidatesNumericText() const override { return false; }
    rtl::Variant PrepareSpinValue(const rtl::Variant&) const override { return rtl::Variant(0.0); }
    bool KeepsSelectionOnSpin() const override { return true; }
    bool SupportsRange() const override { return false; }
    TuiEditDisplayFormatOptions GetDisplayFormatOptions() const override { return {dfoSupports, dfoNoCurrencyValue}; }
    std::unique_ptr<TuiMaskEditCustomMode> CreateMode(TuiEditMaskKind kind, IuiMaskEditModeSite* site,
                                                      const TuiMaskEditModeOptions& options) override;
    // Texts must read as a date and time; Null, dates and numbers are valid.
    bool IsEditValueValid(rtl::Variant& value, bool editing) override;
    // The text of a date and time becomes the editing text of its time.
    bool CheckTextValue(rtl::Variant& value, bool editing) override;
    rtl::Variant GetEmptyEditValue() const override;
    bool CanShowDataDisplayText(bool) override { return IsProviderDisplayFormatDefined(false); }
    // Null shows the time 0 while editing and nothing otherwise; a value that is no date, number or text raises
    // EConvertError "Could not convert to time"; a text that reads as no date shows the current time.
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;

private:
    void UpdateEditMask();
    rtl::UnicodeString DisplayText(rtl::TDateTime value, bool editing) const;

    bool FShowDate = false;
    TuiTimeEditTimeFormat FTimeFormat = tfHourMinSec;
    bool FUse24HourFormat = true;
    bool FUseTimeFormatWhenUnfocused = true;
};

class TuiTimeEditProperties : public TuiCustomTimeEditProperties {
    RTL_DECLARE_CLASS(TuiTimeEditProperties, TuiCustomTimeEditProperties)
public:
    explicit TuiTimeEditProperties(rtl::TPersistent* owner) : TuiCustomTimeEditProperties(owner) {}
    // The time editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

} // namespace ui
