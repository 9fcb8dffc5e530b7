#include "ui/editors/mask/editor/uiMaskEditProperties.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/mask/modes/uiMaskEditRegExprExMode.h"
#include "ui/editors/mask/modes/uiMaskEditRegExprMode.h"
#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"

namespace ui {

namespace {

class TLocaleRegExprSeparators : public IuiRegExprSeparators {
public:
    char16_t DateSeparator() const override { return rtl::FormatSettings().DateSeparator; }
    char16_t TimeSeparator() const override { return rtl::FormatSettings().TimeSeparator; }
    char16_t DecimalSeparator() const override { return rtl::FormatSettings().DecimalSeparator; }
};

} // namespace

const IuiRegExprSeparators& LocaleRegExprSeparators() {
    static const TLocaleRegExprSeparators separators;
    return separators;
}

TuiCustomMaskEditProperties::TuiCustomMaskEditProperties(rtl::TPersistent* owner)
    : TuiCustomMaskEditProperties(owner, TuiTextEditPropertiesValues::StaticClass()) {}

TuiCustomMaskEditProperties::TuiCustomMaskEditProperties(rtl::TPersistent* owner,
                                                         const rtl::TMetaclass& assignedValuesClass)
    : TuiCustomTextEditProperties(owner, assignedValuesClass) {
    SetValidateOnEnter(true);
}

TuiCustomMaskEditProperties::~TuiCustomMaskEditProperties() = default;

void TuiCustomMaskEditProperties::Assign(const rtl::TPersistent* source) {
    auto* mask = dynamic_cast<TuiCustomMaskEditProperties*>(const_cast<rtl::TPersistent*>(source));
    if (mask == nullptr) {
        TuiCustomTextEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomTextEditProperties::Assign(source);
        SetMaskKind(mask->MaskKind());
        SetEditMask(mask->EditMask());
        SetCaseInsensitive(mask->CaseInsensitive());
        SetIgnoreMaskBlank(mask->IgnoreMaskBlank());
        SetAlwaysShowBlanksAndLiterals(mask->AlwaysShowBlanksAndLiterals());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomMaskEditProperties::SetCaseInsensitive(bool value) {
    FCaseInsensitive = CharCase() != vcl::ecNormal || value;
    Changed();
}

void TuiCustomMaskEditProperties::SetCharCase(vcl::TEditCharCase value) {
    if (value != vcl::ecNormal) {
        FCaseInsensitive = true;
    }
    TuiCustomTextEditProperties::SetCharCase(value);
}

rtl::UnicodeString TuiCustomMaskEditProperties::EditMask() {
    if (FMaskKind == TuiEditMaskKind::emkStandard && IsEditMaskBlank(FEditMask)) {
        IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
        return provider != nullptr ? provider->DefaultEditMask() : rtl::UnicodeString();
    }
    return FEditMask;
}

void TuiCustomMaskEditProperties::SetEditMask(const rtl::UnicodeString& value) {
    if (value == EditMask()) {
        FEditMask = value;
        return;
    }
    const TuiMaskEditModeOptions options = ModeOptions();
    CreateMode(FMaskKind, nullptr, options)->Compile(value);
    FEditMask = value;
    Changed();
}

std::unique_ptr<TuiMaskEditCustomMode> TuiCustomMaskEditProperties::CreateMode(TuiEditMaskKind kind,
                                                                               IuiMaskEditModeSite* site,
                                                                               const TuiMaskEditModeOptions& options) {
    const IuiRegExprSeparators& separators = LocaleRegExprSeparators();
    switch (kind) {
    case TuiEditMaskKind::emkStandard:
        return std::make_unique<TuiMaskEditStandardMode>(site, options, separators);
    case TuiEditMaskKind::emkRegExpr:
        return std::make_unique<TuiMaskEditRegExprMode>(site, options, separators);
    case TuiEditMaskKind::emkRegExprEx:
        break;
    }
    return std::make_unique<TuiMaskEditRegExprExMode>(site, options, separators);
}

TuiMaskEditModeOptions TuiCustomMaskEditProperties::ModeOptions() const {
    TuiMaskEditModeOptions options;
    options.BeepOnError = BeepOnError();
    options.CaseInsensitive = FCaseInsensitive;
    options.IgnoreMaskBlank = FIgnoreMaskBlank;
    options.NormalCharCase = CharCase() == vcl::ecNormal;
    return options;
}

bool TuiCustomMaskEditProperties::IsMaskedConst() const {
    return const_cast<TuiCustomMaskEditProperties*>(this)->IsMasked();
}

TuiEditDisplayFormatOptions TuiCustomMaskEditProperties::GetDisplayFormatOptions() const {
    return IsMaskedConst() ? TuiEditDisplayFormatOptions{} : TuiEditDisplayFormatOptions{dfoSupports};
}

bool TuiCustomMaskEditProperties::IsEditValueValid(rtl::Variant& value, bool editing) {
    return IsMasked() || TuiCustomTextEditProperties::IsEditValueValid(value, editing);
}

bool TuiCustomMaskEditProperties::UsesLookupData() const {
    return !IsMaskedConst() && TuiCustomTextEditProperties::UsesLookupData();
}

void TuiCustomMaskEditProperties::DoChanged() {
    FFormattingMode.reset();
    TuiCustomTextEditProperties::DoChanged();
}

// A masked editor has no length limit of its own: the mask is the limit.
void TuiCustomMaskEditProperties::MaxLengthChanged() {
    if (!IsMasked()) {
        TuiCustomTextEditProperties::MaxLengthChanged();
        return;
    }
    if (FMaxLengthGuard) {
        return;
    }
    FMaxLengthGuard = true;
    BeginUpdate();
    SetMaxLength(0);
    FMaxLengthGuard = false;
    EndUpdate();
}

TuiMaskEditCustomMode& TuiCustomMaskEditProperties::FormattingMode() {
    const rtl::UnicodeString mask = EditMask();
    FModeOptions = ModeOptions();
    if (FFormattingMode == nullptr || FFormattingMode->GetMaskKind() != FMaskKind ||
        FFormattingMode->EditMask() != mask) {
        FFormattingMode = CreateMode(FMaskKind, nullptr, FModeOptions);
        FFormattingMode->Compile(mask);
    }
    return *FFormattingMode;
}

void TuiCustomMaskEditProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue,
                                                      bool editing) {
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    if (!IsMasked() || (!editing && provider != nullptr && provider->IsDisplayFormatDefined(true))) {
        TuiCustomTextEditProperties::PrepareDisplayValue(editValue, displayValue, editing);
        return;
    }
    const rtl::UnicodeString text = rtl::VarToStr(editValue);
    TuiMaskEditCustomMode& mode = FormattingMode();
    const bool standard = mode.GetMaskKind() == TuiEditMaskKind::emkStandard;
    displayValue =
        rtl::Variant(editing || !standard || FAlwaysShowBlanksAndLiterals ? mode.FormatText(text, false)
                                                                          : mode.GetFormattedText(text, false));
}

} // namespace ui
