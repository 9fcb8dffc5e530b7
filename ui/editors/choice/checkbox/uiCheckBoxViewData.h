#pragma once
// TuiCustomCheckBoxViewData: lays a check box out for one value in one rectangle: the check's place by alignment,
// the caption's rectangle beside it, the focus frame, the border style of the check (the style's edit border, heavier
// while the editor is hot or focused), the check's hot state from the pointer, and the size auto size and hosts ask
// for. The editor itself draws no border: its border style turns into the check's frame.

#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewInfo.h"
#include "ui/editors/framework/view/uiEditViewData.h"

namespace ui {

class TuiCustomCheckBoxViewData : public TuiCustomEditViewData {
    RTL_DECLARE_CLASS(TuiCustomCheckBoxViewData, TuiCustomEditViewData)
public:
    TuiCustomCheckBoxViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style, bool isInplace)
        : TuiCustomEditViewData(properties, style, isInplace) {}

    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;
    // The state of the value (checked whatever it is with the extra flag); in place without a caption.
    void ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override;
    // The check box has no edit border: the check has a frame of its own.
    TuiEditBorderStyle GetBorderStyleForExtent() const override { return ebsNone; }
    // The canvas's text flags of the caption: left for left and right alignment, centred for centre; one line shown
    // with its accelerator vertically centred, or with MultiLine words broken, unclipped and (standalone) from the top.
    virtual uint16_t GetDrawTextFlags() const;
    // The check's border style: the style's edit border, one heavier while hot tracking finds the editor hot or
    // focused.
    TuiContainerBorderStyle CheckBorderStyleFor(uint8_t hotTrackMode) const;
    TuiCustomCheckBoxProperties& CheckBoxProperties() const;

    // Host fields of a check box control: its caption, and the space key held over it (the check shows pressed).
    rtl::UnicodeString Caption;
    bool SpacePressed = false;

protected:
    // The check with its margins, and the caption's height (or "Gg"'s in place or centred) when it is higher.
    vcl::TSize GetContentSize(TuiCanvas& canvas, const rtl::Variant& value, const TuiEditSizeRequest& request) override;

private:
    TuiCheckBoxAlignment AlignmentFor(const TuiCustomCheckBoxViewInfo& viewInfo) const;
    void CalculateCheckRect(TuiCustomCheckBoxViewInfo& viewInfo, vcl::TSize checkSize) const;
    void CalculateTextRect(TuiCustomCheckBoxViewInfo& viewInfo, vcl::TSize checkSize) const;
    void CalculateFocusRect(TuiCanvas& canvas, TuiCustomCheckBoxViewInfo& viewInfo) const;
    TuiCheckHotState HotStateAt(const TuiCustomCheckBoxViewInfo& viewInfo, vcl::TShiftState shift,
                                std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) const;
};

} // namespace ui
