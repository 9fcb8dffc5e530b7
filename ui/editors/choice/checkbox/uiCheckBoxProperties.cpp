#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"

#include "rtl/core/Component.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/values/uiVariants.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewData.h"
#include "ui/editors/framework/properties/uiEditValueRoutines.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

TuiCustomCheckBoxProperties::TuiCustomCheckBoxProperties(rtl::TPersistent* owner)
    : TuiCustomEditProperties(owner), FDisplayChecked(LoadResStringText(uiSEditCheckBoxChecked)),
      FDisplayGrayed(LoadResStringText(uiSEditCheckBoxGrayed)),
      FDisplayUnchecked(LoadResStringText(uiSEditCheckBoxUnchecked)), FValueChecked(true),
      FValueGrayed(rtl::Variant::Null()), FValueUnchecked(false) {}

TuiCustomCheckBoxProperties::~TuiCustomCheckBoxProperties() = default;

void TuiCustomCheckBoxProperties::Assign(const rtl::TPersistent* source) {
    const auto* other = dynamic_cast<const TuiCustomCheckBoxProperties*>(source);
    if (other == nullptr) {
        TuiCustomEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomEditProperties::Assign(source);
        SetAllowGrayed(other->FAllowGrayed);
        SetDisplayChecked(other->FDisplayChecked);
        SetDisplayUnchecked(other->FDisplayUnchecked);
        SetDisplayGrayed(other->FDisplayGrayed);
        SetFullFocusRect(other->FFullFocusRect);
        SetGlyph(other->GlyphOrNull());
        SetGlyphCount(other->FGlyphCount);
        SetMultiLine(other->FMultiLine);
        SetNullStyle(other->FNullStyle);
        SetUseAlignmentWhenInplace(other->FUseAlignmentWhenInplace);
        const bool acceptable = !other->FValueChecked.IsNull() && !other->FValueUnchecked.IsNull() &&
                                !VariantsEqualSameType(other->FValueChecked, other->FValueUnchecked) &&
                                !VariantsEqualSameType(other->FValueChecked, other->FValueGrayed) &&
                                !VariantsEqualSameType(other->FValueUnchecked, other->FValueGrayed);
        if (acceptable) {
            FValueChecked = other->FValueChecked;
            FValueGrayed = other->FValueGrayed;
            FValueUnchecked = other->FValueUnchecked;
            Changed();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomCheckBoxProperties::SetCaption(rtl::UnicodeStringView value) {
    FCaption = rtl::UnicodeString(value);
    FCaptionAssigned = true;
    Changed();
}

vcl::TBitmap& TuiCustomCheckBoxProperties::GetGlyph() {
    if (FGlyph == nullptr) {
        FGlyph = std::make_unique<vcl::TBitmap>();
        FGlyph->SetOnChange([this](rtl::TObject*) { Changed(); });
    }
    return *FGlyph;
}

void TuiCustomCheckBoxProperties::SetGlyph(const vcl::TBitmap* value) {
    if (value == nullptr) {
        if (FGlyph != nullptr) {
            FGlyph.reset();
            Changed();
        }
        return;
    }
    GetGlyph().Assign(value);
}

// The count only matters to a glyph.
void TuiCustomCheckBoxProperties::SetGlyphCount(int32_t value) {
    if (value == FGlyphCount) {
        return;
    }
    FGlyphCount = value;
    if (FGlyph != nullptr) {
        Changed();
    }
}

bool TuiCustomCheckBoxProperties::IsOwnerLoading() const {
    const auto* owner = dynamic_cast<const rtl::TComponent*>(GetOwner());
    return owner != nullptr && owner->ComponentState().Contains(rtl::TComponentState::csLoading);
}

bool TuiCustomCheckBoxProperties::IsNewValueAcceptable(const rtl::Variant& value, bool nullAllowed) const {
    if (IsOwnerLoading()) {
        return true;
    }
    if (value.IsNull() && !nullAllowed) {
        return false;
    }
    for (const rtl::Variant* current : {&FValueChecked, &FValueGrayed, &FValueUnchecked}) {
        if (VariantsEqualSameType(value, *current)) {
            return false;
        }
    }
    return true;
}

void TuiCustomCheckBoxProperties::SetValue(rtl::Variant& field, const rtl::Variant& value, bool nullAllowed) {
    if (IsNewValueAcceptable(value, nullAllowed)) {
        field = value;
        Changed();
    }
}

void TuiCustomCheckBoxProperties::SetValueChecked(const rtl::Variant& value) {
    SetValue(FValueChecked, value, false);
}

void TuiCustomCheckBoxProperties::SetValueGrayed(const rtl::Variant& value) {
    SetValue(FValueGrayed, value, true);
}

void TuiCustomCheckBoxProperties::SetValueUnchecked(const rtl::Variant& value) {
    SetValue(FValueUnchecked, value, false);
}

// A Boolean meets a value of another type as the text that shows it.
TuiCheckBoxState TuiCustomCheckBoxProperties::GetStateByValue(const rtl::Variant& value) const {
    if (VariantsEqual(value, FValueChecked)) {
        return cbsChecked;
    }
    return VariantsEqual(value, FValueUnchecked) ? cbsUnchecked : cbsGrayed;
}

rtl::Variant TuiCustomCheckBoxProperties::GetValueByState(TuiCheckBoxState state) const {
    switch (state) {
    case cbsChecked:
        return FValueChecked;
    case cbsUnchecked:
        return FValueUnchecked;
    case cbsGrayed:
        break;
    }
    return FValueGrayed;
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomCheckBoxProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                   bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomCheckBoxViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomCheckBoxProperties::CreateViewInfo() const {
    return std::make_unique<TuiCustomCheckBoxViewInfo>();
}

const rtl::TMetaclass& TuiCustomCheckBoxProperties::GetContainerClass() const {
    return TuiCheckBox::StaticClass();
}

bool TuiCustomCheckBoxProperties::IsEditValueValid(rtl::Variant& value, bool editing) {
    if (!TuiCustomEditProperties::IsEditValueValid(value, editing)) {
        return false;
    }
    return VariantsEqualSameType(value, FValueChecked) || VariantsEqualSameType(value, FValueUnchecked) ||
           VariantsEqualSameType(value, FValueGrayed);
}

void TuiCustomCheckBoxProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool) {
    displayValue = rtl::Variant(static_cast<int32_t>(GetStateByValue(editValue)));
}

rtl::UnicodeString TuiCustomCheckBoxProperties::GetDisplayText(const rtl::Variant& editValue, bool, bool) {
    return GetDisplayTextByState(GetStateByValue(editValue));
}

const rtl::UnicodeString& TuiCustomCheckBoxProperties::GetDisplayTextByState(TuiCheckBoxState state) const {
    switch (state) {
    case cbsChecked:
        return FDisplayChecked;
    case cbsUnchecked:
        return FDisplayUnchecked;
    case cbsGrayed:
        break;
    }
    return FDisplayGrayed;
}

} // namespace ui
