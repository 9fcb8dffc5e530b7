#pragma once
// TuiContainerStyle: a container's look in one state (normal, focused, disabled, hot): border colour and style, colour,
// edges, font, hot tracking, shadow, text colour and style, transparent border. A value is assigned on the style, or
// answered by the same-state style of its style controller (whose own controller may answer in turn), or falls back:
// the state styles to the normal style, the normal style to fixed rules and to the container it describes. The normal
// (main) style owns the font and the look and feel; the state styles answer those of the main style.
//
// TuiContainerStyles holds the four styles of one owner; TuiStyleController (uiStyleController.h) shares four styles
// among many containers.

#include "rtl/core/Events.h"
#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/objects/uiComponents.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/Font.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiLookAndFeel;
class TuiStyleController;

// The style values; a value's flag in the assigned set has the bit value 2 to the power of its number. Descendant
// styles add values from 10 on.
enum TuiContainerStyleValue : uint8_t {
    csvBorderColor,
    csvBorderStyle,
    csvColor,
    csvEdges,
    csvFont,
    csvHotTrack,
    csvShadow,
    csvTextColor,
    csvTextStyle,
    csvTransparentBorder
};
using TuiContainerStyleValues = rtl::TSmallSet<TuiContainerStyleValue>;

// The state a style describes.
enum TuiContainerStyleState : uint8_t { cssNormal, cssFocused, cssDisabled, cssHot };

// What a style asks of the container it describes (its owner, when the owner offers this).
class IuiContainerStyleHost {
public:
    virtual ~IuiContainerStyleHost() = default;
    virtual bool ParentColor() const = 0;
    virtual void SetParentColor(bool value) = 0;
    virtual bool ParentFont() const = 0;
    virtual void SetParentFont(bool value) = 0;
    virtual bool HasParentControl() const = 0;
    // Asked only when the container has a parent control.
    virtual vcl::TColor ParentControlColor() const = 0;
    // Whether the container takes its parent's colour by default (check boxes and the like).
    virtual bool PrefersParentColor() const = 0;
    // Whether the container is an editor inside a grid cell.
    virtual bool IsInplace() const = 0;
};

class TuiContainerStyle : public TuiInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiContainerStyle, TuiInterfacedPersistent)
public:
    // A main style (no parent) owns its font and look and feel and attaches to the global style controller. In
    // direct-access mode the style only holds values for another object: its font is that object's, it reports no
    // changes and has no controller.
    TuiContainerStyle(rtl::TPersistent* owner, bool directAccess, TuiContainerStyle* parentStyle = nullptr,
                      TuiContainerStyleState state = cssNormal);
    ~TuiContainerStyle() override;

    // From another container style: its own controller (the default one stays each style's own; refused like
    // SetStyleController when it would make a cycle), look and feel, values, font and assigned values, in one update.
    void Assign(const rtl::TPersistent* source) override;

    void BeginUpdate() { ++FUpdateCount; }
    // The outermost end reports a change made meanwhile.
    void EndUpdate();
    const rtl::TNotifyEvent& OnChanged() const { return FOnChanged; }
    void SetOnChanged(rtl::TNotifyEvent handler) { FOnChanged = std::move(handler); }

    TuiContainerStyleState State() const { return FState; }
    TuiContainerStyle* ParentStyle() const { return FParentStyle; }
    bool IsMainStyle() const { return FParentStyle == nullptr; }
    TuiContainerStyle& MainStyle() { return FParentStyle != nullptr ? *FParentStyle : *this; }
    const TuiContainerStyle& MainStyle() const { return FParentStyle != nullptr ? *FParentStyle : *this; }
    bool DirectAccess() const { return FDirectAccess; }
    // The container the style describes, when its owner is one.
    IuiContainerStyleHost* Host() const;

    // In direct-access mode every value counts as assigned.
    TuiContainerStyleValues AssignedValues() const;
    void SetAssignedValues(TuiContainerStyleValues values);
    // Assigned here or, along the chain of controllers, on a same-state style.
    bool IsStyleValueAssigned(TuiContainerStyleValue value) const;
    virtual int32_t CountStyleValues() const { return 10; }
    // The property name of a value; false (and an empty name) beyond the last.
    virtual bool StyleValueNameOf(int32_t value, rtl::UnicodeString& name) const;
    // The value named so, ignoring case.
    bool FindStyleValue(rtl::UnicodeStringView name, int32_t& value) const;
    // Whether a state style shows the property: never its look and feel or controller, nor the values it takes from
    // the main style.
    bool IsStylePropertyVisible(rtl::UnicodeStringView name) const;
    virtual TuiContainerStyleValues GetUnpublishedStyleValues() const;

    // The controller set on the main style; nullptr when it is the default (global) one, or none.
    TuiStyleController* StyleController() const;
    // Refused when the controller's chain leads back to this style. nullptr: the default controller.
    void SetStyleController(TuiStyleController* controller);
    // The controller values are asked of: the main style's, the global one included.
    TuiStyleController* ActiveStyleController() const;
    // The controller changed its styles.
    virtual void StyleControllerChanged();
    // The controller is going: the style falls back to the global one (none when that is the one going).
    virtual void StyleControllerFreed(TuiStyleController* controller);

    vcl::TColor BorderColor() const;
    void SetBorderColor(vcl::TColor value);
    TuiContainerBorderStyle BorderStyle() const;
    void SetBorderStyle(TuiContainerBorderStyle value);
    vcl::TColor Color() const;
    void SetColor(vcl::TColor value);
    // The colour a container paints with: an assigned colour wins over its parent's.
    vcl::TColor PaintColor() const;
    TuiBorders Edges() const;
    void SetEdges(TuiBorders value);
    vcl::TFont& Font() const;
    void SetFont(vcl::TFont& value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    bool Shadow() const;
    void SetShadow(bool value);
    vcl::TColor TextColor() const;
    void SetTextColor(vcl::TColor value);
    vcl::TFontStyles TextStyle() const;
    void SetTextStyle(vcl::TFontStyles value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    TuiLookAndFeel& LookAndFeel() const;
    // The font to draw with: Font with TextColor and TextStyle, made again on each call.
    vcl::TFont& DisplayFont() const;
    // Whether the style's border shows round its container (a check box draws its border round the check instead).
    virtual bool ShowsBorder() const { return true; }

    // While locked, font changes do not mark the font as assigned.
    void LockFontFlag(bool lock);
    // An unassigned font becomes the style controller's, or the default one when the container does not take its
    // parent's.
    void RefreshFont();
    // Back to nothing assigned; the main style also resets its look and feel and its container's parent colour and
    // font.
    void ResetToDefaults();

protected:
    // The controller a main style without one of its own attaches to: the global one.
    virtual TuiStyleController* DefaultStyleController() const;
    // The style whose value answers: this one when it holds it, else along the controllers' same-state styles;
    // nullptr when none does.
    const TuiContainerStyle* AssignedSource(TuiContainerStyleValue value) const;
    // Whether the value is flagged on this style itself; flagging does not report a change.
    bool HoldsValue(TuiContainerStyleValue value) const { return FAssignedValues.Contains(value); }
    void FlagValue(TuiContainerStyleValue value) { FAssignedValues.Include(value); }
    // The style changed: reported once no update is open.
    void MarkChanged();
    // Reports a change once no update is open.
    void CheckChanged();

    virtual vcl::TColor FallbackBorderColor() const;
    virtual TuiContainerBorderStyle FallbackBorderStyle() const;
    virtual vcl::TColor FallbackColor() const;
    virtual vcl::TColor FallbackTextColor() const;
    virtual vcl::TFontStyles FallbackTextStyle() const;

private:
    struct TValues {
        vcl::TColor BorderColor = vcl::clDefault;
        TuiContainerBorderStyle BorderStyle = cbsNone;
        vcl::TColor Color = vcl::clDefault;
        TuiBorders Edges = uiAllBorders;
        bool HotTrack = true;
        bool Shadow = false;
        vcl::TColor TextColor = vcl::clDefault;
        vcl::TFontStyles TextStyle;
        bool TransparentBorder = true;
    };

    template <class T, class TFallback>
    T Resolve(TuiContainerStyleValue value, T TValues::*field, TFallback fallback) const;
    // A value only the main style holds: resolved there, with fallback when nothing assigns it.
    template <class T>
    T ResolveOnMain(TuiContainerStyleValue value, T TValues::*field, T fallback, T directAccessValue) const;
    template <class T>
    void Store(TuiContainerStyleValue value, T TValues::*field, T newValue);
    // Whether controller's chain of main styles reaches this style.
    bool ChainReaches(const TuiStyleController* controller) const;
    void FontChanged();
    void ResetOwnFont();
    void AssignFontFrom(const TuiContainerStyle& source);

    TValues FValues;
    TuiContainerStyleValues FAssignedValues;
    bool FDirectAccess;
    bool FDestroying = false;
    bool FModified = false;
    int32_t FFontAssignedLockCount = 0;
    int32_t FUpdateCount = 0;
    TuiContainerStyle* FParentStyle; // not owned
    TuiContainerStyleState FState;
    std::unique_ptr<vcl::TFont> FOwnFont;           // main style only
    vcl::TFont* FFont = nullptr;                    // not owned: the own font, or the font given in direct access
    std::unique_ptr<vcl::TFont> FDisplayFont;       // remade by DisplayFont
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;   // main style only
    TuiStyleController* FStyleController = nullptr; // not owned; main style only
    rtl::TNotifyEvent FOnChanged;
};

// Makes one style of a set: owner, parent (nullptr for the main style) and state.
using TuiContainerStyleFactory = std::function<std::unique_ptr<TuiContainerStyle>(
    rtl::TPersistent* owner, TuiContainerStyle* parentStyle, TuiContainerStyleState state)>;

// The four styles of a container or a controller, indexed by state.
class TuiContainerStyles {
public:
    // The main style first, then the state styles with it as parent; factory defaults to TuiContainerStyle.
    explicit TuiContainerStyles(rtl::TPersistent* owner, const TuiContainerStyleFactory& factory = {});
    ~TuiContainerStyles();
    TuiContainerStyles(const TuiContainerStyles&) = delete;
    TuiContainerStyles& operator=(const TuiContainerStyles&) = delete;

    TuiContainerStyle& Styles(TuiContainerStyleState state) const { return *FStyles[state]; }
    TuiContainerStyle& Style() const { return Styles(cssNormal); }
    TuiContainerStyle& StyleFocused() const { return Styles(cssFocused); }
    TuiContainerStyle& StyleDisabled() const { return Styles(cssDisabled); }
    TuiContainerStyle& StyleHot() const { return Styles(cssHot); }
    void Assign(TuiContainerStyleState state, const TuiContainerStyle& source) { Styles(state).Assign(&source); }
    void SetOnChanged(const rtl::TNotifyEvent& handler);

private:
    std::array<std::unique_ptr<TuiContainerStyle>, 4> FStyles;
};

} // namespace ui
