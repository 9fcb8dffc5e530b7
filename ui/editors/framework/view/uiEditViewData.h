#pragma once
// TuiCustomEditViewData: turns an editor's properties and style into a filled view info for one value in one
// rectangle (border, colours, buttons with their rectangles and states, the client rectangle for the value), and
// measures how large an editor must be to show a value. A host that paints cells keeps one per column and sets the
// host fields (content offsets, paint options, enabled, focused, selected) before each calculation; no control is
// needed.

#include "rtl/core/Persistent.h"
#include "rtl/variants/Variant.h"
#include "ui/editors/framework/buttons/uiEditButtonsLayout.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace ui {

class TuiCustomEditProperties;

// What a host asks to be measured: a height (-1: free), a line count (0: free) and a width (-1: free).
struct TuiEditSizeRequest {
    int32_t Height = -1;
    int32_t MaxLineCount = 0;
    int32_t Width = -1;
};

class TuiCustomEditViewData : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomEditViewData, rtl::TPersistent)
public:
    using TGetDefaultButtonWidthEvent =
        std::function<void(TuiCustomEditViewData& sender, int32_t index, int32_t& width)>;
    using TGetDisplayTextEvent = std::function<void(TuiCustomEditViewData& sender, rtl::UnicodeString& text)>;

    TuiCustomEditViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style, bool isInplace);

    TuiCustomEditProperties& Properties() const { return *FProperties; }
    TuiCustomEditStyle& Style() const { return *FStyle; }
    void SetStyle(TuiCustomEditStyle& style) { FStyle = &style; }
    bool IsInplace() const { return FIsInplace; }

    // Fills viewInfo for a value in bounds. Only the mouse buttons of shift count; button is the one of the mouse
    // event being handled (none: std::nullopt); keepPressed keeps the button that was pressed.
    virtual void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                           TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                           std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos);
    // The size an editor needs to show editValue.
    vcl::TSize GetEditSize(TuiCanvas& canvas, const rtl::Variant& editValue, const TuiEditSizeRequest& request);
    // Lets the view info know what to draw; nothing here.
    virtual void ApplyDisplayValue(TuiCanvas&, const rtl::Variant&, TuiCustomEditViewInfo&) {}

    TuiContainerState GetContainerState(const vcl::TRect& bounds, vcl::TPoint mousePos, vcl::TShiftState shift) const;
    // Margins between the bounds and the border rectangle.
    vcl::TRect GetBorderExtent() const;
    vcl::TRect GetBorderExtentByEdges(int32_t width) const;
    virtual TuiEditBorderStyle GetBorderStyleForExtent() const;
    // Margins between the bounds and where buttons and content go.
    vcl::TRect GetClientExtent() const;
    vcl::TColor GetBorderColor() const;
    // The style's button style, or the one its border (or in place its look) implies.
    TuiEditButtonStyle GetButtonStyle() const;
    bool HasShadow() const;
    // The look asks for native style and the edit field's theme opens.
    static bool IsNativeStyle(const TuiLookAndFeel& lookAndFeel);
    // The edit field's theme state for the last calculated state.
    virtual int32_t GetEditNativeState() const;
    // The content offsets' width (always 3) and height (4 standalone, 2 in place).
    vcl::TSize GetContentOffsetsSize() const;

    // Host fields.
    rtl::TObject* Data = nullptr; // not owned
    vcl::TRect InplaceContentOffsets;
    bool Enabled = true;
    bool Focused = false;
    bool IsDesigning = false;
    bool Selected = false;
    // The editor holds the mouse capture: it stays hot while a button pressed on it is held.
    bool HoldsMouseCapture = false;
    TuiEditPaintOptions PaintOptions;
    // The third argument of the properties' CreateViewData, for descendants.
    bool ExtraFlag = false;
    TGetDefaultButtonWidthEvent OnGetDefaultButtonWidth;
    TGetDisplayTextEvent OnGetDisplayText;

protected:
    // Between the client rectangle and the value's content.
    const vcl::TRect& ContentOffsets() const { return FContentOffsets; }
    // Disabled, focused and hot as the last calculation found them.
    const TuiContainerState& ContainerState() const { return FContainerState; }
    virtual void InitFromProperties();
    virtual bool CanPressButton(TuiCustomEditViewInfo&, int32_t) const { return true; }
    virtual bool IsButtonDown(TuiCustomEditViewInfo&, int32_t) const { return false; }
    virtual bool IsButtonWidthFixed(int32_t) const { return false; }
    virtual vcl::TSize GetContentSize(TuiCanvas&, const rtl::Variant&, const TuiEditSizeRequest&) { return {0, 0}; }
    virtual void CalculateButtons(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                  TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                  std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos);
    // Fills the button view infos from the properties' visible buttons and lays them out, stretched when asked.
    virtual void LayOutButtons(TuiCanvas& canvas, const vcl::TRect& bounds, TuiCustomEditViewInfo& viewInfo);
    // Fills the view info's slot from the properties' button (style, glyph, width and the rest but the bounds).
    void CalculateButtonViewInfo(TuiCustomEditViewInfo& viewInfo, int32_t slot, int32_t buttonIndex);
    // The theme part and state of a button whose state is known.
    virtual void CalculateButtonNativeInfo(TuiEditButtonViewInfo& info) const;
    // Buttons that stretch share the free width (fullWidth the buttons' room before, freeWidth what is left).
    void StretchButtons(TuiCustomEditViewInfo& viewInfo, int32_t fullWidth, int32_t freeWidth) const;

private:
    TuiEditButtonVisualState ButtonStateAt(TuiCustomEditViewInfo& viewInfo, int32_t slot, vcl::TShiftState shift,
                                           std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos,
                                           int32_t previousPressed);
    void FlagOutermostButtons(TuiCustomEditViewInfo& viewInfo) const;
    vcl::TColor BackgroundColor() const;
    vcl::TRect GetSkinBorderExtent() const;
    vcl::TRect CalculateClientRect(const TuiCustomEditViewInfo& viewInfo) const;
    bool ButtonsStretch(const vcl::TRect& bounds) const;
    // The content height the buttons' glyphs (and in place their captions) need beyond the frame.
    int32_t MinContentHeight(TuiCanvas& canvas, const TuiCustomEditViewInfo& viewInfo, int32_t frameHeight) const;

    TuiCustomEditProperties* FProperties; // not owned
    TuiCustomEditStyle* FStyle;           // not owned
    bool FIsInplace;
    bool FStretchButtons = false;
    bool FNativeStyle = false;
    TuiContainerState FContainerState{csNormal};
    vcl::TRect FContentOffsets;
    TuiEditButtonSides FSides;
};

} // namespace ui
