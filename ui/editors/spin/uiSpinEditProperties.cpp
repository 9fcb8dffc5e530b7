#include "ui/editors/spin/uiSpinEditProperties.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/spin/uiSpinEditViewData.h"
#include "ui/editors/spin/uiSpinEditViewInfo.h"

namespace ui {

namespace {

bool IsBlankSpinValue(const rtl::Variant& value) {
    return value.IsNull() || value.IsEmpty() || (rtl::VarIsStr(value) && rtl::VarToStr(value).empty());
}

} // namespace

void TuiSpinEditButtons::Assign(const rtl::TPersistent* source) {
    const auto* buttons = dynamic_cast<const TuiSpinEditButtons*>(source);
    if (buttons == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    FOwner.BeginUpdate();
    SetPosition(buttons->FPosition);
    SetShowFastButtons(buttons->FShowFastButtons);
    SetVisible(buttons->FVisible);
    FOwner.EndUpdate();
}

void TuiSpinEditPropertiesValues::Assign(const rtl::TPersistent* source) {
    TuiTextEditPropertiesValues::Assign(source);
    if (const auto* values = dynamic_cast<const TuiSpinEditPropertiesValues*>(source)) {
        SetValueType(values->FValueType);
    }
}

void TuiSpinEditPropertiesValues::ResetAssigned() {
    TuiTextEditPropertiesValues::ResetAssigned();
    SetValueType(false);
}

TuiCustomSpinEditProperties::TuiCustomSpinEditProperties(rtl::TPersistent* owner)
    : TuiCustomMaskEditProperties(owner, TuiSpinEditPropertiesValues::StaticClass()),
      FSpinButtons(std::make_unique<TuiSpinEditButtons>(*this)) {
    SyncEditButtons();
}

TuiCustomSpinEditProperties::~TuiCustomSpinEditProperties() = default;

TuiSpinEditPropertiesValues& TuiCustomSpinEditProperties::AssignedValues() const {
    return static_cast<TuiSpinEditPropertiesValues&>(TuiCustomEditProperties::AssignedValues());
}

void TuiCustomSpinEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* spin = dynamic_cast<const TuiCustomSpinEditProperties*>(source);
    if (spin == nullptr) {
        TuiCustomMaskEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomMaskEditProperties::Assign(source);
        AssignedValues().SetValueType(false);
        if (spin->AssignedValues().ValueType()) {
            SetValueType(spin->FValueType);
        }
        SetCanEdit(spin->FCanEdit);
        SetCircular(spin->FCircular);
        SetExceptionOnInvalidInput(spin->FExceptionOnInvalidInput);
        SetIncrement(spin->FIncrement);
        SetLargeIncrement(spin->FLargeIncrement);
        SetSpinButtons(*spin->FSpinButtons);
        SetUseCtrlIncrement(spin->FUseCtrlIncrement);
        FOnGetValue = spin->FOnGetValue;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TuiSpinEditValueType TuiCustomSpinEditProperties::ValueType() const {
    if (AssignedValues().ValueType()) {
        return FValueType;
    }
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    return provider != nullptr && provider->DefaultValueKind() == 0 ? vtInt : vtFloat;
}

void TuiCustomSpinEditProperties::SetValueType(TuiSpinEditValueType value) {
    if (AssignedValues().ValueType() && FValueType == value) {
        return;
    }
    BeginUpdate();
    FValueType = value;
    AssignedValues().SetValueType(true);
    Changed();
    EndUpdate();
}

TuiSpinEditRange TuiCustomSpinEditProperties::Range() {
    const std::optional<double> minValue = IsRangeBoundSet(0) ? std::optional(GetMinValue()) : std::nullopt;
    const std::optional<double> maxValue = IsRangeBoundSet(1) ? std::optional(GetMaxValue()) : std::nullopt;
    return {ValueType(), minValue, maxValue, GetRangeMode()};
}

TuiSpinEditRangeMode TuiCustomSpinEditProperties::GetRangeMode() const {
    if (FCircular) {
        return srmWrap;
    }
    return ClampsToRange() ? srmClamp : srmNone;
}

rtl::Variant TuiCustomSpinEditProperties::GetIncrement(int32_t direction) const {
    return SpinIncrement(direction, FIncrement, FLargeIncrement, ValueType());
}

bool TuiCustomSpinEditProperties::TextToValue(rtl::UnicodeStringView text, rtl::Variant& value) const {
    return SpinTextToValue(text, ValueType(), value, rtl::FormatSettings());
}

rtl::Variant TuiCustomSpinEditProperties::PrepareSpinValue(const rtl::Variant& value) const {
    if (IsBlankSpinValue(value)) {
        return SpinDoubleAsValueType(0, ValueType());
    }
    if (rtl::VarIsStr(value)) {
        rtl::Variant number;
        if (!TextToValue(rtl::VarToStr(value), number)) {
            throw rtl::EConvertError(rtl::VarToStr(value));
        }
        return number;
    }
    return rtl::VarAsType(value, ValueType() == vtInt ? rtl::varInt64 : rtl::varDouble);
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomSpinEditProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                   bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiSpinEditViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomSpinEditProperties::CreateViewInfo() const {
    return std::make_unique<TuiSpinEditViewInfo>();
}

bool TuiCustomSpinEditProperties::IsEditValueValid(rtl::Variant& value, bool) {
    if (IsBlankSpinValue(value)) {
        return true;
    }
    if (rtl::VarIsStr(value) || rtl::VarIsNumeric(value)) {
        rtl::Variant number;
        if (!TextToValue(rtl::VarToStr(value), number)) {
            return false;
        }
        value = number;
    } else if (value.VarType() != rtl::varDate) {
        return false;
    }
    try {
        SpinValueAsType(PrepareSpinValue(value), ValueType());
    } catch (const rtl::Exception&) {
        return false;
    }
    return true;
}

bool TuiCustomSpinEditProperties::CanShowDataDisplayText(bool editing) {
    return !editing && !AssignedValues().DisplayFormat() && IsProviderDisplayFormatDefined(false);
}

rtl::Variant TuiCustomSpinEditProperties::GetEmptyEditValue() const {
    auto& self = const_cast<TuiCustomSpinEditProperties&>(*this);
    return rtl::Variant(self.EditValueToDisplayText(self.Range().ClampedZero(), false));
}

bool TuiCustomSpinEditProperties::CheckTextValue(rtl::Variant& value, bool editing) {
    if (!TuiCustomMaskEditProperties::CheckTextValue(value, editing)) {
        return false;
    }
    const rtl::UnicodeString text = rtl::Trim(rtl::VarToStr(value));
    if (!ValidatesNumericText() || text.empty()) {
        return true;
    }
    rtl::Variant number;
    if (!TextToValue(text, number)) {
        return false;
    }
    const TuiSpinEditRange range = Range();
    if (range.IsBelow(number) || range.IsAbove(number)) {
        value = rtl::Variant(rtl::VarToStr(number));
    }
    return true;
}

void TuiCustomSpinEditProperties::DoChanged() {
    SyncEditButtons();
    TuiCustomMaskEditProperties::DoChanged();
}

// Inside an update of its own, whose change the notification in progress already reports.
void TuiCustomSpinEditProperties::SyncEditButtons() {
    const int32_t wanted = FSpinButtons->ButtonCount();
    TuiEditButtons& buttons = Buttons();
    if (buttons.Count() == wanted) {
        return;
    }
    BeginUpdate();
    while (buttons.Count() < wanted) {
        buttons.Add();
    }
    while (buttons.Count() > wanted) {
        buttons.Delete(0);
    }
    EndUpdate(false);
}

} // namespace ui
