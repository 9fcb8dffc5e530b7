#include "ui/editors/text/label/uiLabelProperties.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/editors/text/label/uiLabelViewData.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

void TuiLabelLineOptions::Assign(const rtl::TPersistent* source) {
    const auto* options = dynamic_cast<const TuiLabelLineOptions*>(source);
    if (options == nullptr) {
        rtl::TPersistent::Assign(source);
        return;
    }
    FAlignment = options->FAlignment;
    FInnerColor = options->FInnerColor;
    FOuterColor = options->FOuterColor;
    FVisible = options->FVisible;
    Changed();
}

void TuiLabelLineOptions::Changed() {
    if (FOnChanged) {
        FOnChanged(this);
    }
}

TuiCustomLabelProperties::TuiCustomLabelProperties(rtl::TPersistent* owner)
    : TuiCustomEditProperties(owner), FLineOptions(std::make_unique<TuiLabelLineOptions>()) {
    FLineOptions->SetOnChanged([this](rtl::TObject*) { Changed(); });
}

TuiCustomLabelProperties::~TuiCustomLabelProperties() = default;

vcl::TBitmap& TuiCustomLabelProperties::Glyph() {
    if (FGlyph == nullptr) {
        FGlyph = std::make_unique<vcl::TBitmap>();
        FGlyph->SetOnChange([this](rtl::TObject*) { Changed(); });
    }
    return *FGlyph;
}

void TuiCustomLabelProperties::SetGlyph(const vcl::TBitmap* value) {
    if (value == nullptr) {
        FGlyph.reset();
    } else {
        Glyph().Assign(value);
    }
    Changed();
}

bool TuiCustomLabelProperties::HasGlyph() const {
    return FGlyph != nullptr && !FGlyph->Empty();
}

void TuiCustomLabelProperties::Assign(const rtl::TPersistent* source) {
    const auto* label = dynamic_cast<const TuiCustomLabelProperties*>(source);
    if (label == nullptr) {
        TuiCustomEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomEditProperties::Assign(source);
        SetLabelEffect(label->FLabelEffect);
        SetLabelStyle(label->FLabelStyle);
        SetOrientation(label->FOrientation);
        SetDepth(label->FDepth);
        SetShadowedColor(label->FShadowedColor);
        SetAngle(label->FAngle);
        SetPenWidth(label->FPenWidth);
        SetGlyph(label->GlyphOrNull());
        SetShowAccelChar(label->FShowAccelChar);
        SetWordWrap(label->FWordWrap);
        FLineOptions->Assign(label->FLineOptions.get());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

vcl::TSize TuiCustomLabelProperties::GetDepthExtent() const {
    if (FLabelEffect == uileNormal) {
        return {0, 0};
    }
    switch (FOrientation) {
    case uioLeft:
    case uioRight:
        return {FDepth, 0};
    case uioTop:
    case uioBottom:
        return {0, FDepth};
    default:
        return {FDepth, FDepth};
    }
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomLabelProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomLabelViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomLabelProperties::CreateViewInfo() const {
    return std::make_unique<TuiCustomLabelViewInfo>();
}

void TuiCustomLabelProperties::PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool) {
    displayValue = rtl::Variant(rtl::VarToStr(editValue));
}

rtl::UnicodeString TuiCustomLabelProperties::GetDisplayText(const rtl::Variant& editValue, bool, bool) {
    return rtl::VarToStr(editValue);
}

int32_t NormalizeLabelAngle(int32_t angle, bool isTrueType) {
    return isTrueType ? ((angle % 360) + 360) % 360 : 0;
}

} // namespace ui
