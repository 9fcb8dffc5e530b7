#pragma once
// TuiCustomEditStyle: an editor's appearance in one state (normal, focused, disabled, hot): the container style's
// values (border, colours, font, hot tracking, shadow) and the look of its buttons and popup. Each edit value is
// assigned here, or answered by the same-state style of the style controller (the style's own, else the global
// default one), or falls back: state styles to the normal style, the normal style to fixed defaults.
// TuiEditStyleController is a style controller whose four styles are edit styles.

#include "rtl/core/Component.h"
#include "ui/core/controls/containers/uiContainerStyle.h"
#include "ui/core/controls/containers/uiStyleController.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"

#include <cstdint>
#include <memory>

namespace ui {

// The edit border style is the container's, under the editors' names.
using TuiEditBorderStyle = TuiContainerBorderStyle;
inline constexpr TuiEditBorderStyle ebsNone = cbsNone;
inline constexpr TuiEditBorderStyle ebsSingle = cbsSingle;
inline constexpr TuiEditBorderStyle ebsThick = cbsThick;
inline constexpr TuiEditBorderStyle ebsFlat = cbsFlat;
inline constexpr TuiEditBorderStyle ebs3D = cbs3D;
inline constexpr TuiEditBorderStyle ebsUltraFlat = cbsUltraFlat;
inline constexpr TuiEditBorderStyle ebsOffice11 = cbsOffice11;

enum TuiEditButtonTransparency : uint8_t { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
enum TuiEditPopupBorderStyle : uint8_t { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };

// The state a style describes: the container's states.
using TuiEditStyleState = TuiContainerStyleState;
inline constexpr TuiEditStyleState essNormal = cssNormal;
inline constexpr TuiEditStyleState essFocused = cssFocused;
inline constexpr TuiEditStyleState essDisabled = cssDisabled;
inline constexpr TuiEditStyleState essHot = cssHot;

// The style values: the container's 0 to 9, then the edit values 10 to 15.
using TuiEditStyleValue = TuiContainerStyleValue;
using TuiEditStyleValues = TuiContainerStyleValues;
inline constexpr TuiEditStyleValue esvBorderColor = csvBorderColor;
inline constexpr TuiEditStyleValue esvBorderStyle = csvBorderStyle;
inline constexpr TuiEditStyleValue esvColor = csvColor;
inline constexpr TuiEditStyleValue esvEdges = csvEdges;
inline constexpr TuiEditStyleValue esvFont = csvFont;
inline constexpr TuiEditStyleValue esvHotTrack = csvHotTrack;
inline constexpr TuiEditStyleValue esvShadow = csvShadow;
inline constexpr TuiEditStyleValue esvTextColor = csvTextColor;
inline constexpr TuiEditStyleValue esvTextStyle = csvTextStyle;
inline constexpr TuiEditStyleValue esvTransparentBorder = csvTransparentBorder;
inline constexpr auto esvButtonStyle = static_cast<TuiEditStyleValue>(10);
inline constexpr auto esvButtonTransparency = static_cast<TuiEditStyleValue>(11);
inline constexpr auto esvPopupBorderStyle = static_cast<TuiEditStyleValue>(12);
inline constexpr auto esvGradientButtons = static_cast<TuiEditStyleValue>(13);
inline constexpr auto esvGradient = static_cast<TuiEditStyleValue>(14);
inline constexpr auto esvGradientDirection = static_cast<TuiEditStyleValue>(15);

class TuiEditStyleController;

class TuiCustomEditStyle : public TuiContainerStyle {
    RTL_DECLARE_CLASS(TuiCustomEditStyle, TuiContainerStyle)
public:
    TuiCustomEditStyle(rtl::TPersistent* owner, bool directAccess, TuiCustomEditStyle* parentStyle = nullptr,
                       TuiEditStyleState state = essNormal);

    // From another edit style: its edit values, then the container style's assignment, in one update; from
    // another container style only the latter.
    void Assign(const rtl::TPersistent* source) override;

    TuiCustomEditStyle* ParentStyle() const {
        return static_cast<TuiCustomEditStyle*>(TuiContainerStyle::ParentStyle());
    }

    int32_t CountStyleValues() const override { return 16; }
    bool StyleValueNameOf(int32_t value, rtl::UnicodeString& name) const override;
    // The editor that owns the style decides; a style of no editor leaves out EditUnpublishedValues.
    TuiContainerStyleValues GetUnpublishedStyleValues() const override;
    // The container's values, the button transparency, the popup border and the gradients.
    TuiContainerStyleValues EditUnpublishedValues() const;

    // Editors used in place ignore the global default controller.
    bool IgnoresDefaultController() const;
    void SetIgnoresDefaultController(bool value);

    TuiEditButtonStyle ButtonStyle() const;
    // Stored on this style, also a state style.
    void SetButtonStyle(TuiEditButtonStyle value);
    TuiEditButtonTransparency ButtonTransparency() const;
    // These act on the normal style.
    void SetButtonTransparency(TuiEditButtonTransparency value);
    TuiEditPopupBorderStyle PopupBorderStyle() const;
    void SetPopupBorderStyle(TuiEditPopupBorderStyle value);
    bool GradientButtons() const;
    void SetGradientButtons(bool value);
    bool Gradient() const;
    void SetGradient(bool value);
    TuiDirection GradientDirection() const;
    void SetGradientDirection(TuiDirection value);

protected:
    TuiStyleController* DefaultStyleController() const override;

private:
    struct TEditValues {
        TuiEditButtonStyle ButtonStyle = btsDefault;
        TuiEditButtonTransparency ButtonTransparency = ebtNone;
        TuiEditPopupBorderStyle PopupBorderStyle = epbsDefault;
        bool GradientButtons = false;
        bool Gradient = false;
        TuiDirection GradientDirection = dirDown;
    };

    // The value from the edit style that assigns it (here or along the controllers), else fallback(): the
    // parent's value on a state style, defaultValue on the normal style.
    template <class T>
    T ResolveEdit(TuiEditStyleValue value, T TEditValues::*field, T (TuiCustomEditStyle::*getter)() const,
                  T defaultValue) const;
    // Stores the value on this style and flags it, unless it is flagged with an equal value.
    template <class T>
    void StoreEdit(TuiEditStyleValue value, T TEditValues::*field, T newValue);
    TuiCustomEditStyle& EditMainStyle() { return static_cast<TuiCustomEditStyle&>(MainStyle()); }
    const TuiCustomEditStyle& EditMainStyle() const { return static_cast<const TuiCustomEditStyle&>(MainStyle()); }

    TEditValues FEditValues;
    bool FIgnoresDefaultController = false; // normal style only
};

// The stored edit style of editors and hosts.
class TuiEditStyle : public TuiCustomEditStyle {
    RTL_DECLARE_CLASS(TuiEditStyle, TuiCustomEditStyle)
public:
    using TuiCustomEditStyle::TuiCustomEditStyle;
};

// The values without the button style, transparency and gradient: what an editor that stores its buttons' looks
// leaves unpublished.
TuiContainerStyleValues WithButtonStyleValuesPublished(TuiContainerStyleValues values);

// Makes one of a set of four edit styles (a TuiContainerStyleFactory).
std::unique_ptr<TuiContainerStyle> MakeEditStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                 TuiContainerStyleState state);

// A style controller whose four styles (normal, focused, disabled, hot) are edit styles.
class TuiEditStyleController : public TuiStyleController {
    RTL_DECLARE_CLASS(TuiEditStyleController, TuiStyleController)
public:
    explicit TuiEditStyleController(rtl::TComponent* owner);

    TuiEditStyle& Styles(TuiEditStyleState state) const {
        return static_cast<TuiEditStyle&>(TuiStyleController::Styles(state));
    }
    TuiEditStyle& Style() const { return Styles(essNormal); }
    TuiEditStyle& StyleFocused() const { return Styles(essFocused); }
    TuiEditStyle& StyleDisabled() const { return Styles(essDisabled); }
    TuiEditStyle& StyleHot() const { return Styles(essHot); }
    void SetStyle(const TuiEditStyle& value) { Style().Assign(&value); }
};

} // namespace ui
