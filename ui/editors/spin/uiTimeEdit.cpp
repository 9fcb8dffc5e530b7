#include "ui/editors/spin/uiTimeEdit.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace ui {

namespace {

bool IsBlankTimeValue(const rtl::Variant& value) {
    return value.IsNull() || (rtl::VarIsStr(value) && rtl::VarToStr(value).empty());
}

// The time of day a value holds, whatever the sign of its date.
rtl::TDateTime TimeOfValue(rtl::TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

// Builds the 12-hour masks again whenever the locale's formats change; not reference counted, it lives from the unit's
// start to its end.
class TuiTimeEditFormatListener final : public TuiInterfacedPersistent, public IuiFormatListener {
public:
    TuiTimeEditFormatListener() : TuiInterfacedPersistent(nullptr) {
        GetFormatController().AddListener(this);
        FormatChanged();
    }
    TuiTimeEditFormatListener(const TuiTimeEditFormatListener&) = delete;
    TuiTimeEditFormatListener& operator=(const TuiTimeEditFormatListener&) = delete;
    ~TuiTimeEditFormatListener() override { GetFormatController().RemoveListener(this); }

    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiFormatListener>(this, iid, object) ||
               TuiInterfacedPersistent::QueryInterface(iid, object);
    }
    int32_t AddRef() override { return TuiInterfacedPersistent::AddRef(); }
    int32_t Release() override { return TuiInterfacedPersistent::Release(); }
    void FormatChanged() override { TimeEditFormats().UpdateTwelveHourMasks(rtl::FormatSettings()); }
};

struct TTimeEditUnit {
    int32_t Starts = 0;
    std::unique_ptr<TuiTimeEditFormatListener> Listener;
};

TTimeEditUnit& TimeEditUnit() {
    static TTimeEditUnit unit;
    return unit;
}

} // namespace

TuiCustomTimeEdit::TuiCustomTimeEdit(rtl::TComponent* owner)
    : TuiCustomTimeEdit(owner, TuiCustomTimeEditProperties::StaticClass()) {}

TuiCustomTimeEdit::TuiCustomTimeEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomSpinEdit(owner, propertiesClass) {
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csSetCaption);
    SetControlStyle(style);
}

// Time and value.

rtl::Variant TuiCustomTimeEdit::WithDatePart(rtl::TDateTime time) const {
    const double sign = FDatePart >= 0 ? 1 : -1;
    return rtl::Variant::FromDateTime(FDatePart + sign * TimeOfValue(time));
}

// On the 12-hour clock only the numbers and the designator the text holds count: the rest of the text is the mask's.
rtl::Variant TuiCustomTimeEdit::PrepareEditValue(const rtl::UnicodeString& displayText) {
    TuiCustomTimeEditProperties& properties = GetTimeProperties();
    const bool twelveHours = !properties.Use24HourFormat();
    const auto numbers = static_cast<size_t>(TimeNumbersLength(properties.TimeFormat()));
    rtl::UnicodeString text = twelveHours ? displayText.substr(0, numbers) : displayText;
    if (text.size() == 2) {
        text += u":00";
    }
    if (twelveHours) {
        const rtl::UnicodeString am = TuiCustomTimeEditProperties::AmDesignator();
        const rtl::UnicodeString rest = displayText.substr(std::min(numbers, displayText.size()));
        text += u' ' + (rest.find(am) != rtl::UnicodeString::npos ? am : TuiCustomTimeEditProperties::PmDesignator());
    }
    rtl::TDateTime time = 0;
    if (!rtl::TryStrToTime(text, time)) {
        time = 0;
    }
    return WithDatePart(time);
}

rtl::TDateTime TuiCustomTimeEdit::Time() {
    if (HandleAllocated() && Focused()) {
        return TimeOfValue(rtl::VarToDateTime(PrepareEditValue(GetDisplayText())));
    }
    const rtl::Variant& value = EditValue();
    rtl::TDateTime dateTime = 0;
    if (rtl::VarIsStr(value)) {
        rtl::TryStrToDateTime(rtl::VarToStr(value), dateTime);
    } else if (!value.IsNull() && !value.IsEmpty()) {
        dateTime = rtl::VarToDateTime(value);
    }
    return TimeOfValue(dateTime);
}

void TuiCustomTimeEdit::SetTime(rtl::TDateTime value) {
    SetEditValue(WithDatePart(value));
}

void TuiCustomTimeEdit::SetValue(const rtl::Variant& seconds) {
    if (rtl::VarIsNumeric(seconds)) {
        SetTime(rtl::VarToDouble(seconds) / TimeEditSecondsPerDay);
    }
}

// Unfocused the text may show the date or the locale's own time format: the value tells the seconds then.
rtl::Variant TuiCustomTimeEdit::ReadValue(bool) {
    TuiCustomTimeEditProperties& properties = GetTimeProperties();
    if (HandleAllocated() && Focused()) {
        return rtl::Variant(
            static_cast<double>(TimeTextSeconds(GetDisplayText(), properties.TimeFormat(), properties.Use24HourFormat(),
                                                TuiCustomTimeEditProperties::PmDesignator())));
    }
    const double seconds = std::round(Time() * TimeEditSecondsPerDay);
    return rtl::Variant(std::min(seconds, static_cast<double>(TimeEditSecondsPerDay - 1)));
}

rtl::UnicodeString TuiCustomTimeEdit::GetValueDisplayText(const rtl::Variant& seconds) {
    rtl::Variant displayValue;
    GetTimeProperties().PrepareDisplayValue(
        rtl::Variant::FromDateTime(rtl::VarToDouble(seconds) / TimeEditSecondsPerDay), displayValue,
        HandleAllocated() && Focused());
    return rtl::VarToStr(displayValue);
}

rtl::Variant TuiCustomTimeEdit::GetEditValueFromDisplay() {
    return PrepareEditValue(GetDisplayText());
}

rtl::Variant TuiCustomTimeEdit::GetClearValue() const {
    return WithDatePart(0);
}

// The value's whole days are kept as the date part the edited time goes with.
void TuiCustomTimeEdit::ApplyEditValue(const rtl::Variant& value, bool validated) {
    rtl::Variant checked = value;
    if (value.IsNull() || !GetTimeProperties().IsEditValueValid(checked, false)) {
        FDatePart = 0;
    } else if (rtl::VarIsStr(value)) {
        rtl::TDateTime dateTime = 0;
        rtl::TryStrToDateTime(rtl::VarToStr(value), dateTime);
        FDatePart = std::trunc(dateTime);
    } else {
        FDatePart = std::trunc(rtl::VarToDateTime(value));
    }
    TuiCustomSpinEdit::ApplyEditValue(value, validated);
}

// An empty 12-hour value shows empty: the mask would lay out blanks and a designator.
void TuiCustomTimeEdit::WriteDisplayValue(const rtl::Variant& value) {
    if (GetTimeProperties().Use24HourFormat() || !IsBlankTimeValue(value)) {
        TuiCustomSpinEdit::WriteDisplayValue(value);
    } else {
        TuiCustomTextEdit::WriteDisplayValue(value);
    }
}

// The text is a time by its mask: no numeric check, and a failure names the time.
void TuiCustomTimeEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) {
    if (errorText.empty()) {
        errorText = LoadResStringText(uiSEditTimeConvertError);
    }
    TuiCustomMaskEdit::ValidateDisplayValue(displayValue, errorText, error);
}

void TuiCustomTimeEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (!(HandleAllocated() && Focused())) {
        DataBinding().UpdateDisplayValue();
    }
    if (HandleAllocated()) {
        SetSelStart(static_cast<int32_t>(GetDisplayText().size()));
    }
    TuiCustomSpinEdit::PropertiesChanged(properties);
}

// Spinning.

TuiTimeEditPart TuiCustomTimeEdit::CaretPart() {
    return GetTimeProperties().GetTimePart(SelStart());
}

rtl::Variant TuiCustomTimeEdit::GetIncrement(int32_t direction) {
    const double step = rtl::VarToDouble(TuiCustomSpinEdit::GetIncrement(direction));
    const TuiTimeEditPart part = CaretPart();
    if (part == tepDesignator) {
        const auto seconds = static_cast<int32_t>(rtl::VarToDouble(ReadValue(false)));
        return rtl::Variant(static_cast<double>(TimeDesignatorStep(seconds)));
    }
    return rtl::Variant(step * TimePartSeconds(part));
}

bool TuiCustomTimeEdit::Spin(int32_t direction) {
    if (!HandleAllocated()) {
        return TuiCustomSpinEdit::Spin(direction);
    }
    const TuiTimeEditPart part = CaretPart();
    int32_t start = 3 * part + 1;
    int32_t length = 1;
    if (part == tepDesignator) {
        const bool afternoon = rtl::VarToDouble(ReadValue(false)) >= TimeEditSecondsPerHalfDay;
        start = TimeDesignatorTextStart(GetDisplayText(), GetTimeProperties().TimeFormat());
        length = static_cast<int32_t>(
            (afternoon ? TuiCustomTimeEditProperties::AmDesignator() : TuiCustomTimeEditProperties::PmDesignator())
                .size());
    }
    const bool changed = TuiCustomSpinEdit::Spin(direction);
    SetSelStart(start);
    SetSelLength(length);
    return changed;
}

// Typing.

bool TuiCustomTimeEdit::AcceptsMaskChar(char16_t& character, int32_t position) {
    TuiCustomTimeEditProperties& properties = GetTimeProperties();
    const int32_t index = position - 1;
    const rtl::UnicodeString text = GetDisplayText();
    const TuiTimeEditPart part = properties.GetTimePart(index);
    const int32_t partStart = TimePartStart(part, properties.TimeFormat());
    TuiTimeTyping typing;
    if (part == tepDesignator) {
        typing = TypeTimeDesignator(text, index, partStart, TuiCustomTimeEditProperties::AmDesignator(),
                                    TuiCustomTimeEditProperties::PmDesignator(), character);
    } else {
        int32_t minimum = 0;
        int32_t maximum = 0;
        TimePartLimits(part, properties.Use24HourFormat(), minimum, maximum);
        typing = TypeTimeDigit(text, index, partStart, minimum, maximum, character);
    }
    switch (typing.Kind) {
    case TuiTimeTyping::ttAccept:
        if (!typing.Text.empty() && typing.Text != text) {
            SetDisplayValue(typing.Text);
            SetSelStart(index);
        }
        character = typing.Character;
        return true;
    case TuiTimeTyping::ttRewrite:
        SetDisplayValue(typing.Text);
        SetSelStart(typing.Caret);
        Mode().PressRight();
        return false;
    case TuiTimeTyping::ttRefuse:
        break;
    }
    character = 0;
    return true;
}

const TuiFilterTimeEditHelper& TuiFilterTimeEditHelper::Instance() {
    static const TuiFilterTimeEditHelper helper;
    return helper;
}

const rtl::TMetaclass* TuiFilterTimeEditHelper::FilterEditClass() const {
    return &TuiTimeEdit::StaticClass();
}

void TuiFilterTimeEditHelper::InitializeFilterEdit(TuiCustomEdit& editor, const TuiCustomEditProperties& source) const {
    TuiFilterSpinEditHelper::InitializeFilterEdit(editor, source);
    if (auto* timeEdit = dynamic_cast<TuiCustomTimeEdit*>(&editor)) {
        timeEdit->SetTime(0);
    }
}

const rtl::TMetaclass& TuiTimeEditProperties::GetContainerClass() const {
    return TuiTimeEdit::StaticClass();
}

void InitializeTimeEditUnit() {
    TTimeEditUnit& unit = TimeEditUnit();
    if (unit.Starts++ != 0) {
        return;
    }
    unit.Listener = std::make_unique<TuiTimeEditFormatListener>();
    GetEditPropertiesRegistry().Register(&TuiTimeEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryTimeItem));
    GetFilterEditsController().RegisterHelper(TuiTimeEditProperties::StaticClass(),
                                              TuiFilterTimeEditHelper::Instance());
}

void FinalizeTimeEditUnit() {
    TTimeEditUnit& unit = TimeEditUnit();
    if (unit.Starts == 0 || --unit.Starts != 0) {
        return;
    }
    UnregisterFilterEditHelper(TuiTimeEditProperties::StaticClass(), TuiFilterTimeEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiTimeEditProperties::StaticClass());
    unit.Listener.reset();
}

} // namespace ui
