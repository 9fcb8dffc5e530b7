#pragma once
// TuiCustomEditStyle: an editor's appearance in one state (normal, focused, disabled, hot): border, colours, font, hot
// tracking, shadow and the look of its buttons. Each value is assigned here, or answered by the same-state style of a
// style controller (the style's own, else the global default one), or falls back: state styles to the normal style,
// the normal style to fixed defaults. TuiEditStyleController holds four such styles that many editors share.
//
// The container values (0 to 9) are held here as well, so that editors and cells paint before the UI core's
// container style exists; the edit values (10 to 15) are the editors' own.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "rtl/core/SmallSet.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/uiComponents.h"
#include "ui/core/uiGeometry.h"
#include "ui/editors/framework/uiEditButtons.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiEditStyleController;
class TuiLookAndFeel;

enum TuiEditBorderStyle : uint8_t { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
enum TuiEditButtonTransparency : uint8_t { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
enum TuiEditPopupBorderStyle : uint8_t { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
// The state a style describes.
enum TuiEditStyleState : uint8_t { essNormal, essFocused, essDisabled, essHot };

// The style values; a value's flag in the assigned set has the bit value 2 to the power of its number.
enum TuiEditStyleValue : uint8_t {
    esvBorderColor,
    esvBorderStyle,
    esvColor,
    esvEdges,
    esvFont,
    esvHotTrack,
    esvShadow,
    esvTextColor,
    esvTextStyle,
    esvTransparentBorder,
    esvButtonStyle,
    esvButtonTransparency,
    esvPopupBorderStyle,
    esvGradientButtons,
    esvGradient,
    esvGradientDirection
};
using TuiEditStyleValues = rtl::TSmallSet<TuiEditStyleValue>;

class TuiCustomEditStyle : public TuiInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiCustomEditStyle, TuiInterfacedPersistent)
public:
    // A normal style (no parent) owns its font and look and feel; a state style answers those of its parent. In
    // direct-access mode the style only holds values: no controller, no fallbacks but the fixed ones.
    TuiCustomEditStyle(rtl::TPersistent* owner, bool directAccess, TuiCustomEditStyle* parentStyle = nullptr,
                       TuiEditStyleState state = essNormal);
    ~TuiCustomEditStyle() override;

    // From another edit style: its assigned values, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    void BeginUpdate() { ++FUpdateCount; }
    // The outermost end reports a change made meanwhile.
    void EndUpdate();
    const rtl::TNotifyEvent& OnChanged() const { return FOnChanged; }
    void SetOnChanged(rtl::TNotifyEvent handler) { FOnChanged = std::move(handler); }

    TuiEditStyleState State() const { return FState; }
    TuiCustomEditStyle* ParentStyle() const { return FParentStyle; }
    // This style when it is the normal one, else its parent.
    TuiCustomEditStyle& BaseStyle() { return FParentStyle != nullptr ? *FParentStyle : *this; }
    const TuiCustomEditStyle& BaseStyle() const { return FParentStyle != nullptr ? *FParentStyle : *this; }
    bool DirectAccess() const { return FDirectAccess; }

    TuiEditStyleValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TuiEditStyleValues values);
    // Assigned here or, recursively, on the active controller's style of the same state.
    bool IsStyleValueAssigned(TuiEditStyleValue value) const;
    static int32_t GetStyleValueCount() { return 16; }
    // False for values beyond the last.
    static bool GetStyleValueName(int32_t value, rtl::UnicodeString& name);
    // The values the base edit style does not publish.
    static TuiEditStyleValues GetUnpublishedStyleValues();

    // The controller set on the normal style (nullptr: the global default one applies).
    TuiEditStyleController* StyleController() const { return BaseStyle().FStyleController; }
    void SetStyleController(TuiEditStyleController* controller);
    // The style's own controller, else the default one; nullptr in direct-access mode or for an in-place editor.
    TuiEditStyleController* ActiveStyleController() const;
    // Editors used in place ignore the global default controller.
    bool IgnoresDefaultController() const { return BaseStyle().FIgnoresDefaultController; }
    void SetIgnoresDefaultController(bool value) { FIgnoresDefaultController = value; }

    vcl::TColor BorderColor() const;
    void SetBorderColor(vcl::TColor value);
    TuiEditBorderStyle BorderStyle() const;
    void SetBorderStyle(TuiEditBorderStyle value);
    vcl::TColor Color() const;
    void SetColor(vcl::TColor value);
    TuiBorders Edges() const;
    void SetEdges(TuiBorders value);
    vcl::TFont& Font() const;
    void SetFont(const vcl::TFont& value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    bool Shadow() const;
    void SetShadow(bool value);
    vcl::TColor TextColor() const;
    void SetTextColor(vcl::TColor value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    // The look and feel of the normal style.
    TuiLookAndFeel& LookAndFeel() const;

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

    // The style changed: tells OnChanged, or remembers it until the update ends.
    void Changed();

private:
    struct TValues {
        vcl::TColor BorderColor = vcl::clDefault;
        TuiEditBorderStyle BorderStyle = ebsNone;
        vcl::TColor Color = vcl::clDefault;
        TuiBorders Edges = uiAllBorders;
        bool HotTrack = true;
        bool Shadow = false;
        vcl::TColor TextColor = vcl::clDefault;
        bool TransparentBorder = true;
        TuiEditButtonStyle ButtonStyle = btsDefault;
        TuiEditButtonTransparency ButtonTransparency = ebtNone;
        TuiEditPopupBorderStyle PopupBorderStyle = epbsDefault;
        bool GradientButtons = false;
        bool Gradient = false;
        TuiDirection GradientDirection = dirDown;
    };

    // The style answering value: this one when it holds it, else the controller's same-state style that does
    // (recursively); nullptr when none does.
    const TuiCustomEditStyle* AssignedSource(TuiEditStyleValue value) const;
    // The value from the assigned source, else fallback().
    template <class T, class TFallback>
    T Resolve(TuiEditStyleValue value, T TValues::*field, TFallback fallback) const;
    // Stores the value on target and flags it, unless it is flagged there with an equal value.
    template <class T>
    static void Store(TuiCustomEditStyle& target, TuiEditStyleValue value, T TValues::*field, T newValue);
    TuiEditBorderStyle FallbackBorderStyle() const;
    vcl::TColor FallbackColor() const;

    TValues FValues;
    TuiEditStyleValues FAssignedValues;
    bool FDirectAccess;
    TuiCustomEditStyle* FParentStyle; // not owned
    TuiEditStyleState FState;
    std::unique_ptr<vcl::TFont> FFont;                  // normal style only
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;       // normal style only
    TuiEditStyleController* FStyleController = nullptr; // not owned; normal style only
    bool FIgnoresDefaultController = false;
    int32_t FUpdateCount = 0;
    bool FChangedInUpdate = false;
    rtl::TNotifyEvent FOnChanged;
};

// The stored edit style of editors and hosts.
class TuiEditStyle : public TuiCustomEditStyle {
    RTL_DECLARE_CLASS(TuiEditStyle, TuiCustomEditStyle)
public:
    using TuiCustomEditStyle::TuiCustomEditStyle;
};

// Four edit styles (normal, focused, disabled, hot) that editors point to; editors hear of their changes.
class TuiEditStyleController : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiEditStyleController, rtl::TComponent)
public:
    explicit TuiEditStyleController(rtl::TComponent* owner);
    ~TuiEditStyleController() override;

    TuiEditStyle& Styles(TuiEditStyleState state) const { return *FStyles[state]; }
    TuiEditStyle& Style() const { return Styles(essNormal); }
    TuiEditStyle& StyleFocused() const { return Styles(essFocused); }
    TuiEditStyle& StyleDisabled() const { return Styles(essDisabled); }
    TuiEditStyle& StyleHot() const { return Styles(essHot); }
    void SetStyle(const TuiEditStyle& value) { Style().Assign(&value); }

    const rtl::TNotifyEvent& OnStyleChanged() const { return FOnStyleChanged; }
    void SetOnStyleChanged(rtl::TNotifyEvent handler) { FOnStyleChanged = std::move(handler); }

private:
    friend class TuiCustomEditStyle;
    void StylesChanged();

    std::array<std::unique_ptr<TuiEditStyle>, 4> FStyles;
    std::vector<TuiCustomEditStyle*> FListeners; // not owned: the normal styles pointing here
    rtl::TNotifyEvent FOnStyleChanged;
};

// The global default controller (nullptr when none is set); the framework's start-up makes one.
TuiEditStyleController* DefaultEditStyleController();
void SetDefaultEditStyleController(TuiEditStyleController* controller);

} // namespace ui
