#include "ui/editors/spin/uiTimeEditProperties.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/spin/uiTimeEditMaskMode.h"

#include <cmath>

namespace ui {

namespace {

constexpr double LastSecondOfTheDay = TimeEditSecondsPerDay - 1;

} // namespace

TuiCustomTimeEditProperties::TuiCustomTimeEditProperties(rtl::TPersistent* owner) : TuiCustomSpinEditProperties(owner) {
    SetValueType(vtFloat);
    UpdateEditMask();
    SetIgnoreMaskBlank(true);
    SetIncrement(1);
    SetMinValue(0);
    SetMaxValue(LastSecondOfTheDay);
    SetAlwaysShowBlanksAndLiterals(true);
}

void TuiCustomTimeEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* time = dynamic_cast<const TuiCustomTimeEditProperties*>(source);
    if (time == nullptr) {
        TuiCustomSpinEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomSpinEditProperties::Assign(source);
        SetShowDate(time->FShowDate);
        SetTimeFormat(time->FTimeFormat);
        SetUse24HourFormat(time->FUse24HourFormat);
        SetUseTimeFormatWhenUnfocused(time->FUseTimeFormatWhenUnfocused);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomTimeEditProperties::SetTimeFormat(TuiTimeEditTimeFormat value) {
    if (FTimeFormat != value) {
        FTimeFormat = value;
        UpdateEditMask();
        Changed();
    }
}

void TuiCustomTimeEditProperties::SetUse24HourFormat(bool value) {
    if (FUse24HourFormat != value) {
        FUse24HourFormat = value;
        UpdateEditMask();
        Changed();
    }
}

void TuiCustomTimeEditProperties::UpdateEditMask() {
    SetEditMask(TimeEditFormats().EditMask(FTimeFormat, FUse24HourFormat));
}

void TuiCustomTimeEditProperties::FormatChanged() {
    BeginUpdate();
    try {
        UpdateEditMask();
        TuiCustomSpinEditProperties::FormatChanged();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TuiTimeEditPart TuiCustomTimeEditProperties::GetTimePart(int32_t position) {
    return TimePartAt(position, FTimeFormat, FUse24HourFormat, MaxLength());
}

rtl::UnicodeString TuiCustomTimeEditProperties::AmDesignator() {
    return rtl::FormatSettings().TimeAMString;
}

rtl::UnicodeString TuiCustomTimeEditProperties::PmDesignator() {
    return rtl::FormatSettings().TimePMString;
}

rtl::UnicodeString TuiCustomTimeEditProperties::FormatTime(rtl::TDateTime value) const {
    return rtl::TrimRight(rtl::FormatDateTime(TimeDisplayFormat(), value));
}

std::unique_ptr<TuiMaskEditCustomMode> TuiCustomTimeEditProperties::CreateMode(TuiEditMaskKind kind,
                                                                               IuiMaskEditModeSite* site,
                                                                               const TuiMaskEditModeOptions& options) {
    if (kind == TuiEditMaskKind::emkStandard) {
        return std::make_unique<TuiTimeEditMaskMode>(site, options, LocaleRegExprSeparators());
    }
    return TuiCustomSpinEditProperties::CreateMode(kind, site, options);
}

bool TuiCustomTimeEditProperties::IsEditValueValid(rtl::Variant& value, bool editing) {
    if (rtl::VarIsStr(value)) {
        return CheckTextValue(value, editing);
    }
    return value.IsNull() || value.VarType() == rtl::varDate || rtl::VarIsNumeric(value);
}

bool TuiCustomTimeEditProperties::CheckTextValue(rtl::Variant& value, bool) {
    rtl::TDateTime dateTime = 0;
    if (!rtl::TryStrToDateTime(rtl::VarToStr(value), dateTime)) {
        return false;
    }
    value = rtl::Variant(FormatTime(dateTime));
    return true;
}

rtl::Variant TuiCustomTimeEditProperties::GetEmptyEditValue() const {
    return rtl::Variant(FormatTime(0));
}

rtl::UnicodeString TuiCustomTimeEditProperties::DisplayText(rtl::TDateTime value, bool editing) const {
    if (!editing) {
        const bool withDate = FShowDate && value != 0 && std::trunc(value) != 0;
        if (withDate) {
            return rtl::DateTimeToStr(value);
        }
        if (!FUseTimeFormatWhenUnfocused) {
            return rtl::TimeToStr(value);
        }
    }
    return rtl::FormatDateTime(TimeDisplayFormat(), value);
}

void TuiCustomTimeEditProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue,
                                                      bool editing) {
    if (editValue.IsNull()) {
        displayValue = rtl::Variant(editing ? FormatTime(0) : rtl::UnicodeString());
        return;
    }
    const bool isText = rtl::VarIsStr(editValue);
    if (!isText && editValue.VarType() != rtl::varDate && !rtl::VarIsNumeric(editValue)) {
        throw rtl::EConvertError(LoadResStringText(uiSEditTimeConvertError));
    }
    rtl::UnicodeString text;
    try {
        const rtl::TDateTime value =
            isText ? rtl::StrToDateTime(rtl::VarToStr(editValue)) : rtl::VarToDateTime(editValue);
        text = DisplayText(value, editing);
    } catch (const rtl::Exception&) {
        text = DisplayText(ClockNow(), editing);
    }
    displayValue = rtl::Variant(rtl::TrimRight(text));
}

} // namespace ui
