#include "ui/core/controls/containers/uiContainerStyle.h"

#include "rtl/text/StringUtils.h"
#include "ui/core/controls/containers/uiStyleController.h"
#include "ui/core/painters/uiLookAndFeels.h"

#include <algorithm>

namespace ui {

namespace {

// How a focused or hot style's border answers for the main style's while hot tracking is on.
TuiContainerBorderStyle EmphasisedBorderStyle(TuiContainerBorderStyle style) {
    switch (style) {
    case cbsNone:
        return cbsFlat;
    case cbsSingle:
        return cbsThick;
    case cbsFlat:
        return cbs3D;
    default:
        return style;
    }
}

constexpr TuiContainerStyleValues DirectAccessValues{csvColor, csvFont, csvTextColor, csvTextStyle};

} // namespace

TuiContainerStyle::TuiContainerStyle(rtl::TPersistent* owner, bool directAccess, TuiContainerStyle* parentStyle,
                                     TuiContainerStyleState state)
    : TuiInterfacedPersistent(owner), FDirectAccess(directAccess),
      FParentStyle(state == cssNormal ? nullptr : parentStyle), FState(state),
      FDisplayFont(std::make_unique<vcl::TFont>()) {
    if (FDirectAccess) {
        FAssignedValues = DirectAccessValues;
    }
    if (!IsMainStyle()) {
        return;
    }
    FOwnFont = std::make_unique<vcl::TFont>();
    FFont = FOwnFont.get();
    if (!FDirectAccess) {
        FOwnFont->SetOnChange([this](rtl::TObject*) { FontChanged(); });
    }
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    FLookAndFeel->SetOnChanged([this](TuiLookAndFeel*, TuiLookAndFeelValues) { MarkChanged(); });
    if (!FDirectAccess) {
        SetStyleController(nullptr);
    }
}

TuiContainerStyle::~TuiContainerStyle() {
    FDestroying = true;
    if (IsMainStyle() && FStyleController != nullptr) {
        FStyleController->RemoveStyleListener(this);
        FStyleController = nullptr;
    }
    if (FOwnFont) {
        FOwnFont->SetOnChange({});
    }
}

IuiContainerStyleHost* TuiContainerStyle::Host() const {
    return dynamic_cast<IuiContainerStyleHost*>(GetOwner());
}

void TuiContainerStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuiContainerStyle*>(source);
    if (style == nullptr) {
        TuiInterfacedPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    if (IsMainStyle() && !FDirectAccess) {
        SetStyleController(style->StyleController());
        FLookAndFeel->Assign(&style->LookAndFeel());
    }
    FValues = style->FValues;
    AssignFontFrom(*style);
    FAssignedValues = style->FAssignedValues;
    MarkChanged();
    EndUpdate();
}

void TuiContainerStyle::AssignFontFrom(const TuiContainerStyle& source) {
    if (FDirectAccess) {
        FFont = &source.Font();
        FValues.TextColor = source.TextColor();
        return;
    }
    LockFontFlag(true);
    Font().Assign(&source.Font());
    if (source.FDirectAccess) {
        Font().SetColor(source.TextColor());
    }
    LockFontFlag(false);
    FValues.TextColor = source.TextColor();
    FValues.TextStyle = source.TextStyle();
}

void TuiContainerStyle::EndUpdate() {
    if (FUpdateCount > 0) {
        --FUpdateCount;
        CheckChanged();
    }
}

void TuiContainerStyle::MarkChanged() {
    FModified = true;
    CheckChanged();
}

void TuiContainerStyle::CheckChanged() {
    if (!FModified || FUpdateCount > 0) {
        return;
    }
    FModified = false;
    if (!FDestroying && !FDirectAccess && FOnChanged) {
        FOnChanged(this);
    }
}

TuiContainerStyleValues TuiContainerStyle::AssignedValues() const {
    if (!FDirectAccess) {
        return FAssignedValues;
    }
    TuiContainerStyleValues all;
    for (int32_t value = 0; value < CountStyleValues(); ++value) {
        all.Include(static_cast<TuiContainerStyleValue>(value));
    }
    return all;
}

void TuiContainerStyle::SetAssignedValues(TuiContainerStyleValues values) {
    if (values == FAssignedValues) {
        return;
    }
    FAssignedValues = values;
    if (IsMainStyle()) {
        RefreshFont();
    }
    MarkChanged();
}

TuiStyleController* TuiContainerStyle::ActiveStyleController() const {
    return FDirectAccess ? nullptr : MainStyle().FStyleController;
}

TuiStyleController* TuiContainerStyle::StyleController() const {
    TuiStyleController* controller = ActiveStyleController();
    return controller == DefaultStyleController() ? nullptr : controller;
}

TuiStyleController* TuiContainerStyle::DefaultStyleController() const {
    return GlobalStyleController();
}

bool TuiContainerStyle::ChainReaches(const TuiStyleController* controller) const {
    // Chains are acyclic (every link passes this test), so the walk ends; the count only bounds a damaged chain.
    for (size_t step = 0; controller != nullptr && step < 10000; ++step) {
        const TuiContainerStyle& main = controller->Style();
        if (&main == &MainStyle()) {
            return true;
        }
        controller = main.FStyleController;
    }
    return controller != nullptr;
}

void TuiContainerStyle::SetStyleController(TuiStyleController* controller) {
    TuiContainerStyle& main = MainStyle();
    if (&main != this) {
        main.SetStyleController(controller);
        return;
    }
    TuiStyleController* global = GlobalStyleController();
    if (FDirectAccess || (global != nullptr && GetOwner() == global)) {
        return;
    }
    if (controller == nullptr) {
        controller = DefaultStyleController();
    }
    // A controller that is going, or whose styles lead back here, is never attached to.
    if (controller != nullptr && (controller->IsDestroying() || ChainReaches(controller))) {
        return;
    }
    if (controller == FStyleController) {
        return;
    }
    if (FStyleController != nullptr) {
        FStyleController->RemoveStyleListener(this);
    }
    FStyleController = controller;
    if (controller != nullptr) {
        controller->AddStyleListener(this);
    }
    StyleControllerChanged();
}

void TuiContainerStyle::StyleControllerChanged() {
    RefreshFont();
    MarkChanged();
}

void TuiContainerStyle::StyleControllerFreed(TuiStyleController* controller) {
    TuiContainerStyle& main = MainStyle();
    if (main.FStyleController != controller) {
        return;
    }
    controller->RemoveStyleListener(&main);
    main.FStyleController = nullptr;
    main.SetStyleController(nullptr);
    if (main.FStyleController == nullptr) {
        main.StyleControllerChanged();
    }
}

const TuiContainerStyle* TuiContainerStyle::AssignedSource(TuiContainerStyleValue value) const {
    const TuiContainerStyle* style = this;
    for (size_t step = 0; style != nullptr && step < 10000; ++step) {
        if (style->FAssignedValues.Contains(value)) {
            return style;
        }
        const TuiStyleController* controller = style->ActiveStyleController();
        if (controller == nullptr) {
            return nullptr;
        }
        const TuiContainerStyle* next = &controller->Styles(FState);
        style = next == style ? nullptr : next;
    }
    return nullptr;
}

bool TuiContainerStyle::IsStyleValueAssigned(TuiContainerStyleValue value) const {
    return AssignedSource(value) != nullptr;
}

template <class T, class TFallback>
T TuiContainerStyle::Resolve(TuiContainerStyleValue value, T TValues::*field, TFallback fallback) const {
    const TuiContainerStyle* source = AssignedSource(value);
    return source != nullptr ? source->FValues.*field : fallback();
}

template <class T>
T TuiContainerStyle::ResolveOnMain(TuiContainerStyleValue value, T TValues::*field, T fallback,
                                   T directAccessValue) const {
    if (FDirectAccess) {
        return directAccessValue;
    }
    return MainStyle().Resolve(value, field, [fallback] { return fallback; });
}

template <class T>
void TuiContainerStyle::Store(TuiContainerStyleValue value, T TValues::*field, T newValue) {
    if (FAssignedValues.Contains(value) && FValues.*field == newValue) {
        return;
    }
    FValues.*field = newValue;
    FAssignedValues.Include(value);
    MarkChanged();
}

vcl::TColor TuiContainerStyle::FallbackBorderColor() const {
    if (FState == cssDisabled) {
        return vcl::clBtnShadow;
    }
    return IsMainStyle() ? vcl::clWindowFrame : FParentStyle->BorderColor();
}

TuiContainerBorderStyle TuiContainerStyle::FallbackBorderStyle() const {
    if (IsMainStyle()) {
        switch (LookAndFeel().Kind()) {
        case lfFlat:
            return cbsFlat;
        case lfStandard:
            return cbs3D;
        case lfUltraFlat:
            return cbsUltraFlat;
        case lfOffice11:
            return cbsOffice11;
        }
        return cbs3D;
    }
    const TuiContainerBorderStyle parent = FParentStyle->BorderStyle();
    const bool emphasised = (FState == cssFocused || FState == cssHot) && FParentStyle->HotTrack();
    return emphasised ? EmphasisedBorderStyle(parent) : parent;
}

vcl::TColor TuiContainerStyle::FallbackColor() const {
    const IuiContainerStyleHost* host = Host();
    const bool prefersParentColor = host == nullptr || host->PrefersParentColor();
    if (IsMainStyle()) {
        return prefersParentColor ? vcl::clBtnFace : vcl::clWindow;
    }
    if (FState == cssDisabled && !prefersParentColor) {
        return vcl::clBtnFace;
    }
    return FParentStyle->Color();
}

vcl::TColor TuiContainerStyle::FallbackTextColor() const {
    if (FState == cssDisabled) {
        return vcl::clBtnShadow;
    }
    return IsMainStyle() ? Font().Color() : FParentStyle->TextColor();
}

vcl::TFontStyles TuiContainerStyle::FallbackTextStyle() const {
    return IsMainStyle() ? Font().Style() : FParentStyle->TextStyle();
}

vcl::TColor TuiContainerStyle::BorderColor() const {
    if (FDirectAccess) {
        return vcl::clDefault;
    }
    return Resolve(csvBorderColor, &TValues::BorderColor, [this] { return FallbackBorderColor(); });
}

void TuiContainerStyle::SetBorderColor(vcl::TColor value) {
    Store(csvBorderColor, &TValues::BorderColor, value);
}

TuiContainerBorderStyle TuiContainerStyle::BorderStyle() const {
    if (FDirectAccess) {
        return FAssignedValues.Contains(csvBorderStyle) ? FValues.BorderStyle : FallbackBorderStyle();
    }
    return Resolve(csvBorderStyle, &TValues::BorderStyle, [this] { return FallbackBorderStyle(); });
}

void TuiContainerStyle::SetBorderStyle(TuiContainerBorderStyle value) {
    Store(csvBorderStyle, &TValues::BorderStyle, value);
}

vcl::TColor TuiContainerStyle::Color() const {
    if (FDirectAccess) {
        return FValues.Color;
    }
    const IuiContainerStyleHost* host = Host();
    if (IsMainStyle() && host != nullptr && host->ParentColor() && host->HasParentControl()) {
        return host->ParentControlColor();
    }
    return Resolve(csvColor, &TValues::Color, [this] { return FallbackColor(); });
}

vcl::TColor TuiContainerStyle::PaintColor() const {
    if (FDirectAccess) {
        return FValues.Color;
    }
    if (const TuiContainerStyle* source = AssignedSource(csvColor)) {
        return source->FValues.Color;
    }
    const IuiContainerStyleHost* host = Host();
    if (IsMainStyle() && host != nullptr && !host->IsInplace() && host->ParentColor() && host->HasParentControl()) {
        return host->ParentControlColor();
    }
    return FallbackColor();
}

void TuiContainerStyle::SetColor(vcl::TColor value) {
    Store(csvColor, &TValues::Color, value);
}

TuiBorders TuiContainerStyle::Edges() const {
    return ResolveOnMain(csvEdges, &TValues::Edges, uiAllBorders, TuiBorders{});
}

void TuiContainerStyle::SetEdges(TuiBorders value) {
    MainStyle().Store(csvEdges, &TValues::Edges, value);
}

vcl::TFont& TuiContainerStyle::Font() const {
    return IsMainStyle() ? *FFont : FParentStyle->Font();
}

void TuiContainerStyle::SetFont(vcl::TFont& value) {
    if (!IsMainStyle()) {
        FParentStyle->SetFont(value);
        return;
    }
    if (FDirectAccess) {
        FFont = &value;
        return;
    }
    BeginUpdate();
    FOwnFont->Assign(&value);
    FAssignedValues.Include(csvFont);
    MarkChanged();
    EndUpdate();
}

void TuiContainerStyle::FontChanged() {
    if (FFontAssignedLockCount == 0) {
        FAssignedValues.Include(csvFont);
    }
    MarkChanged();
}

void TuiContainerStyle::LockFontFlag(bool lock) {
    if (lock) {
        ++FFontAssignedLockCount;
    } else if (FFontAssignedLockCount > 0) {
        --FFontAssignedLockCount;
    }
}

void TuiContainerStyle::ResetOwnFont() {
    const vcl::TFont defaults;
    FOwnFont->Assign(&defaults);
}

void TuiContainerStyle::RefreshFont() {
    if (FDirectAccess || !IsMainStyle() || FAssignedValues.Contains(csvFont)) {
        return;
    }
    LockFontFlag(true);
    const TuiContainerStyle* source = AssignedSource(csvFont);
    const IuiContainerStyleHost* host = Host();
    if (source != nullptr) {
        FOwnFont->Assign(&source->Font());
    } else if (host == nullptr || !host->ParentFont()) {
        ResetOwnFont();
    }
    LockFontFlag(false);
}

bool TuiContainerStyle::HotTrack() const {
    const bool directAccessValue = !FAssignedValues.Contains(csvHotTrack) || FValues.HotTrack;
    return ResolveOnMain(csvHotTrack, &TValues::HotTrack, true, directAccessValue);
}

void TuiContainerStyle::SetHotTrack(bool value) {
    MainStyle().Store(csvHotTrack, &TValues::HotTrack, value);
}

bool TuiContainerStyle::Shadow() const {
    return ResolveOnMain(csvShadow, &TValues::Shadow, false, false);
}

void TuiContainerStyle::SetShadow(bool value) {
    MainStyle().Store(csvShadow, &TValues::Shadow, value);
}

vcl::TColor TuiContainerStyle::TextColor() const {
    if (FDirectAccess) {
        return FValues.TextColor;
    }
    return Resolve(csvTextColor, &TValues::TextColor, [this] { return FallbackTextColor(); });
}

void TuiContainerStyle::SetTextColor(vcl::TColor value) {
    Store(csvTextColor, &TValues::TextColor, value);
}

vcl::TFontStyles TuiContainerStyle::TextStyle() const {
    if (FDirectAccess) {
        return Font().Style();
    }
    return Resolve(csvTextStyle, &TValues::TextStyle, [this] { return FallbackTextStyle(); });
}

void TuiContainerStyle::SetTextStyle(vcl::TFontStyles value) {
    Store(csvTextStyle, &TValues::TextStyle, value);
}

bool TuiContainerStyle::TransparentBorder() const {
    return ResolveOnMain(csvTransparentBorder, &TValues::TransparentBorder, true, true);
}

void TuiContainerStyle::SetTransparentBorder(bool value) {
    MainStyle().Store(csvTransparentBorder, &TValues::TransparentBorder, value);
}

TuiLookAndFeel& TuiContainerStyle::LookAndFeel() const {
    return *MainStyle().FLookAndFeel;
}

vcl::TFont& TuiContainerStyle::DisplayFont() const {
    FDisplayFont->Assign(&Font());
    FDisplayFont->SetColor(TextColor());
    FDisplayFont->SetStyle(TextStyle());
    return *FDisplayFont;
}

bool TuiContainerStyle::StyleValueNameOf(int32_t value, rtl::UnicodeString& name) const {
    static constexpr const char16_t* names[] = {u"BorderColor", u"BorderStyle",      u"Color",  u"Edges",
                                                u"Font",        u"HotTrack",         u"Shadow", u"TextColor",
                                                u"TextStyle",   u"TransparentBorder"};
    if (value < 0 || value >= 10) {
        name.clear();
        return false;
    }
    name = names[value];
    return true;
}

bool TuiContainerStyle::FindStyleValue(rtl::UnicodeStringView name, int32_t& value) const {
    rtl::UnicodeString candidate;
    for (int32_t index = 0; index < CountStyleValues(); ++index) {
        if (StyleValueNameOf(index, candidate) && rtl::SameText(candidate, name)) {
            value = index;
            return true;
        }
    }
    return false;
}

TuiContainerStyleValues TuiContainerStyle::GetUnpublishedStyleValues() const {
    return {csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};
}

bool TuiContainerStyle::IsStylePropertyVisible(rtl::UnicodeStringView name) const {
    if (rtl::SameText(name, u"LookAndFeel") || rtl::SameText(name, u"StyleController")) {
        return false;
    }
    int32_t value = 0;
    if (!FindStyleValue(name, value) || value >= 32) {
        return true;
    }
    return !GetUnpublishedStyleValues().Contains(static_cast<TuiContainerStyleValue>(value));
}

void TuiContainerStyle::ResetToDefaults() {
    BeginUpdate();
    SetAssignedValues({});
    if (IsMainStyle()) {
        FLookAndFeel->ResetAssignedValues();
        IuiContainerStyleHost* host = Host();
        if (host != nullptr) {
            host->SetParentColor(false);
            host->SetParentFont(true);
        } else if (!FDirectAccess) {
            LockFontFlag(true);
            ResetOwnFont();
            LockFontFlag(false);
        }
        const TuiStyleController* controller = ActiveStyleController();
        if (host != nullptr && host->PrefersParentColor() &&
            !(controller != nullptr && controller->Style().IsStyleValueAssigned(csvColor))) {
            host->SetParentColor(true);
        }
    }
    EndUpdate();
}

TuiContainerStyles::TuiContainerStyles(rtl::TPersistent* owner, const TuiContainerStyleFactory& factory) {
    const auto make = [&](TuiContainerStyle* parent, TuiContainerStyleState state) {
        return factory ? factory(owner, parent, state)
                       : std::make_unique<TuiContainerStyle>(owner, false, parent, state);
    };
    FStyles[cssNormal] = make(nullptr, cssNormal);
    for (const TuiContainerStyleState state : {cssFocused, cssDisabled, cssHot}) {
        FStyles[state] = make(FStyles[cssNormal].get(), state);
    }
}

TuiContainerStyles::~TuiContainerStyles() {
    for (size_t i = FStyles.size(); i-- > 0;) {
        FStyles[i].reset();
    }
}

void TuiContainerStyles::SetOnChanged(const rtl::TNotifyEvent& handler) {
    for (const std::unique_ptr<TuiContainerStyle>& style : FStyles) {
        style->SetOnChanged(handler);
    }
}

} // namespace ui
