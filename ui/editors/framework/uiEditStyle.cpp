#include "ui/editors/framework/uiEditStyle.h"

#include "ui/core/painters/uiLookAndFeels.h"
#include "vcl/graphics/Font.h"

#include <algorithm>

namespace ui {

namespace {

TuiEditStyleController*& DefaultController() {
    static TuiEditStyleController* controller = nullptr; // not owned
    return controller;
}

// How a focused or hot style's border answers for the normal style's, while hot tracking is on.
TuiEditBorderStyle EmphasisedBorderStyle(TuiEditBorderStyle style) {
    switch (style) {
    case ebsNone:
        return ebsFlat;
    case ebsSingle:
        return ebsThick;
    case ebsFlat:
        return ebs3D;
    default:
        return style;
    }
}

} // namespace

TuiCustomEditStyle::TuiCustomEditStyle(rtl::TPersistent* owner, bool directAccess, TuiCustomEditStyle* parentStyle,
                                       TuiEditStyleState state)
    : TuiInterfacedPersistent(owner), FDirectAccess(directAccess), FParentStyle(parentStyle), FState(state) {
    if (FParentStyle == nullptr) {
        FFont = std::make_unique<vcl::TFont>();
        FFont->SetOnChange([this](rtl::TObject*) { Changed(); });
        FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    }
}

TuiCustomEditStyle::~TuiCustomEditStyle() {
    SetStyleController(nullptr);
}

void TuiCustomEditStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuiCustomEditStyle*>(source);
    if (style == nullptr) {
        TuiInterfacedPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    FValues = style->FValues;
    FAssignedValues = style->FAssignedValues;
    if (FFont && style->FFont) {
        FFont->Assign(style->FFont.get());
    }
    Changed();
    EndUpdate();
}

void TuiCustomEditStyle::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedInUpdate) {
        Changed();
    }
}

void TuiCustomEditStyle::Changed() {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    FChangedInUpdate = false;
    if (FOnChanged) {
        FOnChanged(this);
    }
}

void TuiCustomEditStyle::SetAssignedValues(TuiEditStyleValues values) {
    if (values != FAssignedValues) {
        FAssignedValues = values;
        Changed();
    }
}

TuiEditStyleController* TuiCustomEditStyle::ActiveStyleController() const {
    if (FDirectAccess) {
        return nullptr;
    }
    if (TuiEditStyleController* own = StyleController()) {
        return own;
    }
    return IgnoresDefaultController() ? nullptr : DefaultEditStyleController();
}

void TuiCustomEditStyle::SetStyleController(TuiEditStyleController* controller) {
    TuiCustomEditStyle& base = BaseStyle();
    if (base.FStyleController == controller) {
        return;
    }
    if (base.FStyleController != nullptr) {
        std::erase(base.FStyleController->FListeners, &base);
    }
    base.FStyleController = controller;
    if (controller != nullptr) {
        controller->FListeners.push_back(&base);
    }
    base.Changed();
}

const TuiCustomEditStyle* TuiCustomEditStyle::AssignedSource(TuiEditStyleValue value) const {
    if (FAssignedValues.Contains(value)) {
        return this;
    }
    const TuiEditStyleController* controller = ActiveStyleController();
    if (controller == nullptr || &controller->Styles(FState) == this) {
        return nullptr;
    }
    return controller->Styles(FState).AssignedSource(value);
}

bool TuiCustomEditStyle::IsStyleValueAssigned(TuiEditStyleValue value) const {
    return AssignedSource(value) != nullptr;
}

template <class T, class TFallback>
T TuiCustomEditStyle::Resolve(TuiEditStyleValue value, T TValues::*field, TFallback fallback) const {
    if (FDirectAccess) {
        return FAssignedValues.Contains(value) ? FValues.*field : fallback();
    }
    const TuiCustomEditStyle* source = AssignedSource(value);
    return source != nullptr ? source->FValues.*field : fallback();
}

template <class T>
void TuiCustomEditStyle::Store(TuiCustomEditStyle& target, TuiEditStyleValue value, T TValues::*field, T newValue) {
    if (target.FAssignedValues.Contains(value) && target.FValues.*field == newValue) {
        return;
    }
    target.FValues.*field = newValue;
    target.FAssignedValues.Include(value);
    target.Changed();
}

vcl::TColor TuiCustomEditStyle::BorderColor() const {
    return Resolve(esvBorderColor, &TValues::BorderColor, [this] {
        if (FState == essDisabled) {
            return vcl::clBtnShadow;
        }
        return FParentStyle != nullptr ? FParentStyle->BorderColor() : vcl::clWindowFrame;
    });
}

void TuiCustomEditStyle::SetBorderColor(vcl::TColor value) {
    Store(*this, esvBorderColor, &TValues::BorderColor, value);
}

TuiEditBorderStyle TuiCustomEditStyle::FallbackBorderStyle() const {
    if (FParentStyle == nullptr) {
        static constexpr TuiEditBorderStyle byKind[] = {ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11};
        return byKind[std::min<int>(LookAndFeel().Kind(), 3)];
    }
    const TuiEditBorderStyle parent = FParentStyle->BorderStyle();
    const bool emphasised = (FState == essFocused || FState == essHot) && FParentStyle->HotTrack();
    return emphasised ? EmphasisedBorderStyle(parent) : parent;
}

TuiEditBorderStyle TuiCustomEditStyle::BorderStyle() const {
    return Resolve(esvBorderStyle, &TValues::BorderStyle, [this] { return FallbackBorderStyle(); });
}

void TuiCustomEditStyle::SetBorderStyle(TuiEditBorderStyle value) {
    Store(*this, esvBorderStyle, &TValues::BorderStyle, value);
}

// Without a container the style prefers its parent control's colour, the button face.
vcl::TColor TuiCustomEditStyle::FallbackColor() const {
    if (FParentStyle == nullptr) {
        return vcl::clBtnFace;
    }
    return FParentStyle->Color();
}

vcl::TColor TuiCustomEditStyle::Color() const {
    return Resolve(esvColor, &TValues::Color, [this] { return FallbackColor(); });
}

void TuiCustomEditStyle::SetColor(vcl::TColor value) {
    Store(*this, esvColor, &TValues::Color, value);
}

TuiBorders TuiCustomEditStyle::Edges() const {
    if (FParentStyle != nullptr) {
        return FParentStyle->Edges();
    }
    return Resolve(esvEdges, &TValues::Edges, [] { return uiAllBorders; });
}

void TuiCustomEditStyle::SetEdges(TuiBorders value) {
    Store(BaseStyle(), esvEdges, &TValues::Edges, value);
}

vcl::TFont& TuiCustomEditStyle::Font() const {
    return *BaseStyle().FFont;
}

void TuiCustomEditStyle::SetFont(const vcl::TFont& value) {
    TuiCustomEditStyle& base = BaseStyle();
    base.BeginUpdate();
    base.FFont->Assign(&value);
    base.FAssignedValues.Include(esvFont);
    base.Changed();
    base.EndUpdate();
}

bool TuiCustomEditStyle::HotTrack() const {
    if (FParentStyle != nullptr) {
        return FParentStyle->HotTrack();
    }
    return Resolve(esvHotTrack, &TValues::HotTrack, [] { return true; });
}

void TuiCustomEditStyle::SetHotTrack(bool value) {
    Store(BaseStyle(), esvHotTrack, &TValues::HotTrack, value);
}

bool TuiCustomEditStyle::Shadow() const {
    if (FParentStyle != nullptr) {
        return FParentStyle->Shadow();
    }
    return Resolve(esvShadow, &TValues::Shadow, [] { return false; });
}

void TuiCustomEditStyle::SetShadow(bool value) {
    Store(BaseStyle(), esvShadow, &TValues::Shadow, value);
}

vcl::TColor TuiCustomEditStyle::TextColor() const {
    return Resolve(esvTextColor, &TValues::TextColor, [this] {
        if (FState == essDisabled) {
            return vcl::clBtnShadow;
        }
        return FParentStyle != nullptr ? FParentStyle->TextColor() : Font().Color();
    });
}

void TuiCustomEditStyle::SetTextColor(vcl::TColor value) {
    Store(*this, esvTextColor, &TValues::TextColor, value);
}

bool TuiCustomEditStyle::TransparentBorder() const {
    if (FParentStyle != nullptr) {
        return FParentStyle->TransparentBorder();
    }
    return Resolve(esvTransparentBorder, &TValues::TransparentBorder, [] { return true; });
}

void TuiCustomEditStyle::SetTransparentBorder(bool value) {
    Store(BaseStyle(), esvTransparentBorder, &TValues::TransparentBorder, value);
}

TuiLookAndFeel& TuiCustomEditStyle::LookAndFeel() const {
    return *BaseStyle().FLookAndFeel;
}

TuiEditButtonStyle TuiCustomEditStyle::ButtonStyle() const {
    return Resolve(esvButtonStyle, &TValues::ButtonStyle,
                   [this] { return FParentStyle != nullptr ? FParentStyle->ButtonStyle() : btsDefault; });
}

void TuiCustomEditStyle::SetButtonStyle(TuiEditButtonStyle value) {
    Store(*this, esvButtonStyle, &TValues::ButtonStyle, value);
}

TuiEditButtonTransparency TuiCustomEditStyle::ButtonTransparency() const {
    return Resolve(esvButtonTransparency, &TValues::ButtonTransparency,
                   [this] { return FParentStyle != nullptr ? FParentStyle->ButtonTransparency() : ebtNone; });
}

void TuiCustomEditStyle::SetButtonTransparency(TuiEditButtonTransparency value) {
    Store(BaseStyle(), esvButtonTransparency, &TValues::ButtonTransparency, value);
}

TuiEditPopupBorderStyle TuiCustomEditStyle::PopupBorderStyle() const {
    return Resolve(esvPopupBorderStyle, &TValues::PopupBorderStyle,
                   [this] { return FParentStyle != nullptr ? FParentStyle->PopupBorderStyle() : epbsDefault; });
}

void TuiCustomEditStyle::SetPopupBorderStyle(TuiEditPopupBorderStyle value) {
    Store(BaseStyle(), esvPopupBorderStyle, &TValues::PopupBorderStyle, value);
}

bool TuiCustomEditStyle::GradientButtons() const {
    return Resolve(esvGradientButtons, &TValues::GradientButtons,
                   [this] { return FParentStyle != nullptr && FParentStyle->GradientButtons(); });
}

void TuiCustomEditStyle::SetGradientButtons(bool value) {
    Store(BaseStyle(), esvGradientButtons, &TValues::GradientButtons, value);
}

bool TuiCustomEditStyle::Gradient() const {
    return Resolve(esvGradient, &TValues::Gradient,
                   [this] { return FParentStyle != nullptr && FParentStyle->Gradient(); });
}

void TuiCustomEditStyle::SetGradient(bool value) {
    Store(BaseStyle(), esvGradient, &TValues::Gradient, value);
}

TuiDirection TuiCustomEditStyle::GradientDirection() const {
    return Resolve(esvGradientDirection, &TValues::GradientDirection,
                   [this] { return FParentStyle != nullptr ? FParentStyle->GradientDirection() : dirDown; });
}

void TuiCustomEditStyle::SetGradientDirection(TuiDirection value) {
    Store(BaseStyle(), esvGradientDirection, &TValues::GradientDirection, value);
}

bool TuiCustomEditStyle::GetStyleValueName(int32_t value, rtl::UnicodeString& name) {
    static constexpr const char16_t* names[] = {u"BorderColor",
                                                u"BorderStyle",
                                                u"Color",
                                                u"Edges",
                                                u"Font",
                                                u"HotTrack",
                                                u"Shadow",
                                                u"TextColor",
                                                u"TextStyle",
                                                u"TransparentBorder",
                                                u"ButtonStyle",
                                                u"ButtonTransparency",
                                                u"PopupBorderStyle",
                                                u"GradientButtons",
                                                u"Gradient",
                                                u"GradientDirection"};
    if (value < 0 || value >= GetStyleValueCount()) {
        name.clear();
        return false;
    }
    name = names[value];
    return true;
}

TuiEditStyleValues TuiCustomEditStyle::GetUnpublishedStyleValues() {
    return {esvEdges,
            esvFont,
            esvHotTrack,
            esvShadow,
            esvTransparentBorder,
            esvButtonTransparency,
            esvPopupBorderStyle,
            esvGradientButtons,
            esvGradient,
            esvGradientDirection};
}

TuiEditStyleController::TuiEditStyleController(rtl::TComponent* owner) : TComponent(owner) {
    FStyles[essNormal] = std::make_unique<TuiEditStyle>(this, false);
    for (const TuiEditStyleState state : {essFocused, essDisabled, essHot}) {
        FStyles[state] = std::make_unique<TuiEditStyle>(this, false, FStyles[essNormal].get(), state);
    }
    for (const std::unique_ptr<TuiEditStyle>& style : FStyles) {
        style->SetOnChanged([this](rtl::TObject*) { StylesChanged(); });
    }
}

TuiEditStyleController::~TuiEditStyleController() {
    if (DefaultController() == this) {
        DefaultController() = nullptr;
    }
    while (!FListeners.empty()) {
        FListeners.back()->SetStyleController(nullptr);
    }
    for (size_t i = FStyles.size(); i-- > 0;) {
        FStyles[i].reset();
    }
}

void TuiEditStyleController::StylesChanged() {
    if (FOnStyleChanged) {
        FOnStyleChanged(this);
    }
    for (TuiCustomEditStyle* style : std::vector<TuiCustomEditStyle*>(FListeners)) {
        style->Changed();
    }
}

TuiEditStyleController* DefaultEditStyleController() {
    return DefaultController();
}

void SetDefaultEditStyleController(TuiEditStyleController* controller) {
    DefaultController() = controller;
}

} // namespace ui
