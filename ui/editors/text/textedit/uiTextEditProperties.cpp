#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Bcd.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/numbers/NumberFormat.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/lookup/uiTextEditLookupData.h"
#include "ui/editors/text/numbers/uiTextEditNumberText.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"

namespace ui {

namespace {

constexpr uint32_t TextEditCapabilities = 0x15E;

TuiCustomTextEditProperties* TextPropertiesOwner(rtl::TPersistent* owner) {
    return dynamic_cast<TuiCustomTextEditProperties*>(owner);
}

bool IsBlankEditValue(const rtl::Variant& value) {
    return value.IsNull() || (rtl::VarIsStr(value) && rtl::VarToStr(value).empty());
}

// A number or a date the range check can compare.
bool IsRangeCheckedValue(const rtl::Variant& value) {
    return rtl::VarIsNumeric(value) || value.VarType() == rtl::varDate;
}

} // namespace

void TuiTextEditPropertiesValues::Assign(const rtl::TPersistent* source) {
    const auto* values = dynamic_cast<const TuiTextEditPropertiesValues*>(source);
    if (values == nullptr) {
        TuiCustomEditPropertiesValues::Assign(source);
        return;
    }
    TuiCustomEditProperties* properties = Properties();
    if (properties != nullptr) {
        properties->BeginUpdate();
    }
    TuiCustomEditPropertiesValues::Assign(source);
    SetDisplayFormat(values->FDisplayFormat);
    SetEditFormat(values->FEditFormat);
    SetMaxLength(values->FMaxLength);
    if (properties != nullptr) {
        properties->EndUpdate();
    }
}

void TuiTextEditPropertiesValues::ResetAssigned() {
    TuiCustomEditProperties* properties = Properties();
    if (properties != nullptr) {
        properties->BeginUpdate();
    }
    TuiCustomEditPropertiesValues::ResetAssigned();
    SetDisplayFormat(false);
    SetEditFormat(false);
    SetMaxLength(false);
    if (properties != nullptr) {
        properties->EndUpdate();
    }
}

void TuiTextEditPropertiesValues::SetMaxLength(bool value) {
    if (FMaxLength == value) {
        return;
    }
    FMaxLength = value;
    if (TuiCustomTextEditProperties* properties = TextPropertiesOwner(GetOwner())) {
        properties->MaxLengthChanged();
    }
}

TuiCustomTextEditProperties::TuiCustomTextEditProperties(rtl::TPersistent* owner)
    : TuiCustomTextEditProperties(owner, TuiTextEditPropertiesValues::StaticClass()) {}

TuiCustomTextEditProperties::TuiCustomTextEditProperties(rtl::TPersistent* owner,
                                                         const rtl::TMetaclass& assignedValuesClass)
    : TuiCustomEditProperties(owner, assignedValuesClass), FLookupItems(std::make_unique<rtl::TStringList>()) {
    FLookupItems->SetDuplicates(rtl::TDuplicates::dupAccept);
    FLookupItems->SetOnChange([this](rtl::TObject*) { Changed(); });
    GetFormatController().AddListener(this);
}

TuiCustomTextEditProperties::~TuiCustomTextEditProperties() {
    GetFormatController().RemoveListener(this);
    FLookupItems->SetOnChange({});
}

bool TuiCustomTextEditProperties::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiFormatListener>(this, iid, object) ||
           TuiCustomEditProperties::QueryInterface(iid, object);
}

TuiTextEditPropertiesValues& TuiCustomTextEditProperties::AssignedValues() const {
    return static_cast<TuiTextEditPropertiesValues&>(TuiCustomEditProperties::AssignedValues());
}

// The lookup items keep the source's order: sorting is off while they are copied and then takes the source's flag.
// A format or length the source did not assign stays unassigned here.
void TuiCustomTextEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* text = dynamic_cast<const TuiCustomTextEditProperties*>(source);
    if (text == nullptr) {
        TuiCustomEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomEditProperties::Assign(source);
        SetCharCase(text->FCharCase);
        SetEchoMode(text->FEchoMode);
        FListPrefixSelection = text->FListPrefixSelection;
        SetHideCursor(text->FHideCursor);
        SetHideSelection(text->FHideSelection);
        FImmediateTextSync = text->FImmediateTextSync;
        SetIncrementalSearch(text->FIncrementalSearch);
        SetRecentItemsMode(text->FRecentItemsMode);
        FAcceptedChars = text->FAcceptedChars;
        SetLookupItemsSorted(false);
        FLookupItems->Assign(*text->FLookupItems);
        SetLookupItemsSorted(text->LookupItemsSorted());
        AssignedValues().SetDisplayFormat(false);
        if (text->AssignedValues().DisplayFormat()) {
            SetDisplayFormat(text->FDisplayFormat);
        }
        AssignedValues().SetEditFormat(false);
        if (text->AssignedValues().EditFormat()) {
            SetEditFormat(text->FEditFormat);
        }
        AssignedValues().SetMaxLength(false);
        if (text->AssignedValues().MaxLength()) {
            SetMaxLength(text->FMaxLength);
        }
        SetOEMConvert(text->FOEMConvert);
        SetImeMode(text->FImeMode);
        SetImeName(text->FImeName);
        SetPasswordChar(text->FPasswordChar);
        SetDisplayFormatWhileEditing(text->FDisplayFormatWhileEditing);
        FOnNewLookupDisplayText = text->FOnNewLookupDisplayText;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomTextEditProperties::SetCharCase(vcl::TEditCharCase value) {
    SetAndNotify(FCharCase, value);
}

void TuiCustomTextEditProperties::SetListPrefixSelection(bool value) {
    if (FListPrefixSelection == value) {
        return;
    }
    FListPrefixSelection = value;
    if (GetEditingStyle() == tesListOnly) {
        Changed();
    }
}

rtl::UnicodeString TuiCustomTextEditProperties::DisplayFormat() {
    if (AssignedValues().DisplayFormat()) {
        return FDisplayFormat;
    }
    if (IuiEditDefaultValuesProvider* provider = DefaultValuesProvider()) {
        rtl::UnicodeString format = provider->DefaultDisplayFormat();
        if (!format.empty()) {
            return format;
        }
    }
    return GetDefaultDisplayFormat();
}

void TuiCustomTextEditProperties::SetDisplayFormat(const rtl::UnicodeString& value) {
    if (AssignedValues().DisplayFormat() && FDisplayFormat == value) {
        return;
    }
    BeginUpdate();
    AssignedValues().SetDisplayFormat(true);
    FDisplayFormat = value;
    Changed();
    EndUpdate();
}

rtl::UnicodeString TuiCustomTextEditProperties::GetEditFormat() {
    bool currencyFormat = false;
    bool dataText = false;
    return GetFormatText(currencyFormat, dataText, nullptr);
}

void TuiCustomTextEditProperties::SetEditFormat(const rtl::UnicodeString& value) {
    if (AssignedValues().EditFormat() && FEditFormat == value) {
        return;
    }
    BeginUpdate();
    AssignedValues().SetEditFormat(true);
    FEditFormat = value;
    Changed();
    EndUpdate();
}

int32_t TuiCustomTextEditProperties::MaxLength() {
    return AssignedValues().MaxLength() ? FMaxLength : GetDefaultMaxLength();
}

void TuiCustomTextEditProperties::SetMaxLength(int32_t value) {
    value = std::max(value, 0);
    if (AssignedValues().MaxLength() && FMaxLength == value) {
        return;
    }
    BeginUpdate();
    FMaxLength = value;
    if (AssignedValues().MaxLength()) {
        MaxLengthChanged();
    } else {
        AssignedValues().SetMaxLength(true);
    }
    EndUpdate();
}

int32_t TuiCustomTextEditProperties::GetDefaultMaxLength() {
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    return provider != nullptr ? provider->DefaultMaxLength() : 0;
}

TuiTextEditViewStyle TuiCustomTextEditProperties::ViewStyle() const {
    switch (ButtonsOnlyMode()) {
    case 1:
        return vsButtonsOnly;
    case 2:
        return vsButtonsAutoWidth;
    default:
        return FHideCursor ? vsHideCursor : vsNormal;
    }
}

void TuiCustomTextEditProperties::SetViewStyle(TuiTextEditViewStyle value) {
    if (ViewStyle() == value) {
        return;
    }
    BeginUpdate();
    SetButtonsOnlyMode(value == vsButtonsOnly ? 1 : value == vsButtonsAutoWidth ? 2 : 0);
    SetHideCursor(value != vsNormal);
    EndUpdate();
}

bool TuiCustomTextEditProperties::IsIncrementalSearchActive() {
    const TuiTextEditingStyle style = GetEditingStyle();
    return style == tesListAssisted || style == tesListOnly || (style == tesFree && FIncrementalSearch);
}

void TuiCustomTextEditProperties::FormatChanged() {
    FLocaleFormatChanging = true;
    try {
        Changed();
    } catch (...) {
        FLocaleFormatChanging = false;
        throw;
    }
    FLocaleFormatChanging = false;
}

std::unique_ptr<TuiCustomTextEditLookupData>
TuiCustomTextEditProperties::CreateLookupData(TuiTextEditLookupOwner* owner) const {
    return std::make_unique<TuiCustomTextEditLookupData>(owner);
}

bool TuiCustomTextEditProperties::FindLookupItem(rtl::UnicodeStringView text) const {
    const rtl::UnicodeString upper = rtl::WideUpperCase(text);
    for (int32_t i = 0; i < FLookupItems->Count(); ++i) {
        if (rtl::WideUpperCase(FLookupItems->Get(i)) == upper) {
            return true;
        }
    }
    return false;
}

// The explicit edit format first; then the provider's; then the display format, which serves editing only with
// DisplayFormatWhileEditing. Without any format a currency field of the provider is edited as currency.
rtl::UnicodeString TuiCustomTextEditProperties::GetFormatText(bool& currencyFormat, bool& dataText,
                                                              const TuiCustomEdit* edit) {
    currencyFormat = false;
    dataText = false;
    if (AssignedValues().EditFormat()) {
        return FEditFormat;
    }
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    if (edit == nullptr && provider != nullptr && provider->HasCustomDisplayText()) {
        dataText = true;
    }
    if (provider != nullptr && !provider->DefaultEditFormat().empty()) {
        return provider->DefaultEditFormat();
    }
    rtl::UnicodeString result = DisplayFormat();
    if (result.empty() && provider != nullptr) {
        currencyFormat = !GetDisplayFormatOptions().Contains(dfoNoCurrencyValue) && provider->IsCurrency();
    }
    return FDisplayFormatWhileEditing ? result : rtl::UnicodeString();
}

bool TuiCustomTextEditProperties::IsRangeBoundSet(int32_t bound) {
    const bool minAssigned = AssignedValues().MinValue();
    const bool maxAssigned = AssignedValues().MaxValue();
    if (minAssigned != maxAssigned) {
        return bound == 0 ? minAssigned : maxAssigned;
    }
    return GetMaxValue() > GetMinValue();
}

void TuiCustomTextEditProperties::PrepareDisplayText(rtl::UnicodeString& text) const {
    if (FEchoMode != eemNormal) {
        text.assign(text.size(), FPasswordChar != 0 ? FPasswordChar : u'*');
        return;
    }
    text = ApplyCharCase(text, FCharCase);
}

bool TuiCustomTextEditProperties::CheckTextValue(rtl::Variant& value, bool) {
    const rtl::UnicodeString text = rtl::VarToStr(value);
    const TuiTextEditingStyle style = GetEditingStyle();
    const bool acceptable =
        text.empty() || (style != tesListAssisted && style != tesListOnly) || !UsesLookupData() || FindLookupItem(text);
    if (acceptable) {
        value = rtl::Variant(ApplyCharCase(text, FCharCase));
    }
    return acceptable;
}

void TuiCustomTextEditProperties::CheckRange(const rtl::Variant& editValue, rtl::UnicodeString& errorText,
                                             bool& error) {
    if (!SupportsRange() || !HasRange() || !IsRangeCheckedValue(editValue)) {
        return;
    }
    const double value = rtl::VarToDouble(editValue);
    if ((IsRangeBoundSet(0) && value < GetMinValue()) || (IsRangeBoundSet(1) && value > GetMaxValue())) {
        error = true;
        errorText = GetValidateErrorText(1);
    }
}

rtl::UnicodeString TuiCustomTextEditProperties::EditValueToDisplayText(const rtl::Variant& value, bool editForm) {
    rtl::Variant checked = value;
    if (!IsEditValueValid(checked, editForm)) {
        return rtl::VarToStr(value);
    }
    rtl::Variant displayValue;
    PrepareDisplayValue(value, displayValue, editForm);
    return rtl::VarToStr(displayValue);
}

int32_t TuiCustomTextEditProperties::ProviderPrecision() const {
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    return provider != nullptr ? provider->DefaultPrecision() : 15;
}

rtl::UnicodeString TuiCustomTextEditProperties::FormatNumericValue(const rtl::Variant& value, bool editForm) {
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    if (!editForm) {
        const rtl::UnicodeString format = DisplayFormat();
        return format.empty() ? rtl::VarToStr(value) : rtl::FormatFloat(format, rtl::VarToDouble(value), settings);
    }
    bool currencyFormat = false;
    bool dataText = false;
    const rtl::UnicodeString format = GetFormatText(currencyFormat, dataText, nullptr);
    rtl::UnicodeString text = rtl::VarToStr(value);
    rtl::TBcd number;
    if (currencyFormat) {
        return rtl::TryStrToBcd(text, number, settings)
                   ? rtl::BcdToStrF(number, rtl::TFloatFormat::ffFixed, ProviderPrecision(), settings.CurrencyDecimals,
                                    settings)
                   : text;
    }
    if (!format.empty()) {
        return rtl::FormatFloat(format, rtl::VarToDouble(value), settings);
    }
    if (rtl::TryStrToBcd(text, number, settings)) {
        text = rtl::BcdToStrF(number, rtl::TFloatFormat::ffGeneral, ProviderPrecision(), 0, settings);
    }
    if (UsesThousandSeparator(false)) {
        InsertThousandSeparators(text, settings);
    }
    return text;
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomTextEditProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                   bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomTextEditViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomTextEditProperties::CreateViewInfo() const {
    return std::make_unique<TuiCustomTextEditViewInfo>();
}

rtl::UnicodeString TuiCustomTextEditProperties::GetValidateErrorText(int32_t errorKind) const {
    return errorKind == 1 ? LoadResStringText(uiSEditValueOutOfBounds)
                          : TuiCustomEditProperties::GetValidateErrorText(errorKind);
}

bool TuiCustomTextEditProperties::AreDisplayValuesEqual(const rtl::Variant& value1, const rtl::Variant& value2) {
    return GetDisplayText(value1, true, true) == GetDisplayText(value2, true, true);
}

rtl::UnicodeString TuiCustomTextEditProperties::GetDisplayText(const rtl::Variant& editValue, bool, bool isInplace) {
    rtl::UnicodeString text;
    if (GetDisplayFormatOptions().Contains(dfoSupports) && !CanShowDataDisplayText(true) &&
        CanShowDataDisplayText(false) && IsProviderDisplayFormatDefined(false)) {
        text = rtl::VarToStr(editValue);
    } else {
        text = EditValueToDisplayText(editValue, !isInplace && !HasSeparateDisplayForm());
    }
    PrepareDisplayText(text);
    return text;
}

uint32_t TuiCustomTextEditProperties::GetCapabilities() const {
    return TuiCustomEditProperties::GetCapabilities() | TextEditCapabilities;
}

bool TuiCustomTextEditProperties::IsEditValueValid(rtl::Variant& value, bool editing) {
    if (value.IsNull() || !rtl::VarIsStr(value)) {
        return true;
    }
    return CheckTextValue(value, editing);
}

void TuiCustomTextEditProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue,
                                                      bool editing) {
    if (SupportsRange()) {
        if (IsBlankEditValue(editValue)) {
            displayValue = rtl::Variant(rtl::UnicodeString());
        } else if (rtl::VarIsNumeric(editValue) || rtl::VarIsStr(editValue)) {
            displayValue = rtl::Variant(FormatNumericValue(editValue, editing));
        } else {
            throw rtl::EConvertError(LoadResStringText(uiSEditNumericValueConvertError));
        }
        return;
    }
    displayValue = rtl::Variant(editValue.IsArray() ? rtl::UnicodeString() : rtl::VarToStr(editValue));
}

void TuiCustomTextEditProperties::AlignmentChanged() {
    BeginUpdate();
    TuiCustomEditProperties::AlignmentChanged();
    EndUpdate();
}

rtl::UnicodeString ApplyCharCase(rtl::UnicodeStringView text, vcl::TEditCharCase charCase) {
    switch (charCase) {
    case vcl::ecUpperCase:
        return rtl::WideUpperCase(text);
    case vcl::ecLowerCase:
        return rtl::WideLowerCase(text);
    default:
        return rtl::UnicodeString(text);
    }
}

} // namespace ui
