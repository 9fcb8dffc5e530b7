#include "ui/editors/framework/properties/uiEditStyle.h"

#include "ui/editors/framework/control/uiCustomEdit.h"

namespace ui {

TuiCustomEditStyle::TuiCustomEditStyle(rtl::TPersistent* owner, bool directAccess, TuiCustomEditStyle* parentStyle,
                                       TuiEditStyleState state)
    : TuiContainerStyle(owner, directAccess, parentStyle, state) {}

void TuiCustomEditStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuiCustomEditStyle*>(source);
    if (style == nullptr) {
        TuiContainerStyle::Assign(source);
        return;
    }
    BeginUpdate();
    FEditValues = style->FEditValues;
    TuiContainerStyle::Assign(source);
    MarkChanged();
    EndUpdate();
}

bool TuiCustomEditStyle::IgnoresDefaultController() const {
    return EditMainStyle().FIgnoresDefaultController;
}

void TuiCustomEditStyle::SetIgnoresDefaultController(bool value) {
    TuiCustomEditStyle& main = EditMainStyle();
    if (main.FIgnoresDefaultController == value) {
        return;
    }
    // Attaches to or leaves the default controller, keeping a controller of its own.
    TuiStyleController* own = main.StyleController();
    main.FIgnoresDefaultController = value;
    main.SetStyleController(own);
}

TuiStyleController* TuiCustomEditStyle::DefaultStyleController() const {
    return IgnoresDefaultController() ? nullptr : TuiContainerStyle::DefaultStyleController();
}

template <class T>
T TuiCustomEditStyle::ResolveEdit(TuiEditStyleValue value, T TEditValues::*field,
                                  T (TuiCustomEditStyle::*getter)() const, T defaultValue) const {
    if (const auto* source = dynamic_cast<const TuiCustomEditStyle*>(AssignedSource(value))) {
        return source->FEditValues.*field;
    }
    const TuiCustomEditStyle* parent = ParentStyle();
    return parent != nullptr ? (parent->*getter)() : defaultValue;
}

template <class T>
void TuiCustomEditStyle::StoreEdit(TuiEditStyleValue value, T TEditValues::*field, T newValue) {
    if (HoldsValue(value) && FEditValues.*field == newValue) {
        return;
    }
    FEditValues.*field = newValue;
    FlagValue(value);
    MarkChanged();
}

TuiEditButtonStyle TuiCustomEditStyle::ButtonStyle() const {
    return ResolveEdit(esvButtonStyle, &TEditValues::ButtonStyle, &TuiCustomEditStyle::ButtonStyle, btsDefault);
}

void TuiCustomEditStyle::SetButtonStyle(TuiEditButtonStyle value) {
    StoreEdit(esvButtonStyle, &TEditValues::ButtonStyle, value);
}

TuiEditButtonTransparency TuiCustomEditStyle::ButtonTransparency() const {
    return ResolveEdit(esvButtonTransparency, &TEditValues::ButtonTransparency, &TuiCustomEditStyle::ButtonTransparency,
                       ebtNone);
}

void TuiCustomEditStyle::SetButtonTransparency(TuiEditButtonTransparency value) {
    EditMainStyle().StoreEdit(esvButtonTransparency, &TEditValues::ButtonTransparency, value);
}

TuiEditPopupBorderStyle TuiCustomEditStyle::PopupBorderStyle() const {
    return ResolveEdit(esvPopupBorderStyle, &TEditValues::PopupBorderStyle, &TuiCustomEditStyle::PopupBorderStyle,
                       epbsDefault);
}

void TuiCustomEditStyle::SetPopupBorderStyle(TuiEditPopupBorderStyle value) {
    EditMainStyle().StoreEdit(esvPopupBorderStyle, &TEditValues::PopupBorderStyle, value);
}

bool TuiCustomEditStyle::GradientButtons() const {
    return ResolveEdit(esvGradientButtons, &TEditValues::GradientButtons, &TuiCustomEditStyle::GradientButtons, false);
}

void TuiCustomEditStyle::SetGradientButtons(bool value) {
    EditMainStyle().StoreEdit(esvGradientButtons, &TEditValues::GradientButtons, value);
}

bool TuiCustomEditStyle::Gradient() const {
    return ResolveEdit(esvGradient, &TEditValues::Gradient, &TuiCustomEditStyle::Gradient, false);
}

void TuiCustomEditStyle::SetGradient(bool value) {
    EditMainStyle().StoreEdit(esvGradient, &TEditValues::Gradient, value);
}

TuiDirection TuiCustomEditStyle::GradientDirection() const {
    return ResolveEdit(esvGradientDirection, &TEditValues::GradientDirection, &TuiCustomEditStyle::GradientDirection,
                       dirDown);
}

void TuiCustomEditStyle::SetGradientDirection(TuiDirection value) {
    EditMainStyle().StoreEdit(esvGradientDirection, &TEditValues::GradientDirection, value);
}

bool TuiCustomEditStyle::StyleValueNameOf(int32_t value, rtl::UnicodeString& name) const {
    static constexpr const char16_t* names[] = {u"ButtonStyle",     u"ButtonTransparency", u"PopupBorderStyle",
                                                u"GradientButtons", u"Gradient",           u"GradientDirection"};
    if (value < esvButtonStyle || value >= CountStyleValues()) {
        return TuiContainerStyle::StyleValueNameOf(value, name);
    }
    name = names[value - esvButtonStyle];
    return true;
}

TuiContainerStyleValues TuiCustomEditStyle::GetUnpublishedStyleValues() const {
    if (const auto* edit = dynamic_cast<const TuiCustomEdit*>(GetOwner())) {
        return edit->GetUnpublishedStyleValues();
    }
    return EditUnpublishedValues();
}

TuiContainerStyleValues TuiCustomEditStyle::EditUnpublishedValues() const {
    TuiContainerStyleValues values = TuiContainerStyle::GetUnpublishedStyleValues();
    for (const TuiEditStyleValue value :
         {esvButtonTransparency, esvPopupBorderStyle, esvGradientButtons, esvGradient, esvGradientDirection}) {
        values.Include(value);
    }
    return values;
}

TuiContainerStyleValues WithButtonStyleValuesPublished(TuiContainerStyleValues values) {
    for (const TuiEditStyleValue value : {esvButtonStyle, esvButtonTransparency, esvGradientButtons}) {
        values.Exclude(value);
    }
    return values;
}

std::unique_ptr<TuiContainerStyle> MakeEditStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                 TuiContainerStyleState state) {
    return std::make_unique<TuiEditStyle>(owner, false, static_cast<TuiCustomEditStyle*>(parentStyle), state);
}

TuiEditStyleController::TuiEditStyleController(rtl::TComponent* owner) : TuiStyleController(owner, MakeEditStyle) {}

} // namespace ui
