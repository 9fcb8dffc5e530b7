#pragma once
// TuiCustomLabelViewData: places a label's text and line in the client rectangle (measuring the text turned, with
// its depth and style offset) and measures a label for auto size.

#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/text/label/uiLabelViewInfo.h"

namespace ui {

class TuiCustomLabelViewData : public TuiCustomEditViewData {
    RTL_DECLARE_CLASS(TuiCustomLabelViewData, TuiCustomEditViewData)
public:
    TuiCustomLabelViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style, bool isInplace)
        : TuiCustomEditViewData(properties, style, isInplace) {}

    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;
    // The view info's text: the value as a string.
    void ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override;

    TuiCustomLabelProperties& LabelProperties() const;
    // 1 for raised and lowered text (2 from 12 points on), else 0; the canvas holds the label's font.
    virtual int32_t GetStyleOffset(TuiCanvas& canvas) const;
    // The measured size of text in r, turned and grown by style offset and depth; ForDrawing uses the edit
    // control's row breaking.
    virtual vcl::TSize CalcTextSize(TuiCanvas& canvas, const vcl::TRect& r, bool forDrawing,
                                    rtl::UnicodeStringView text) const;
    virtual vcl::TRect CalcTextRect(TuiCanvas& canvas, const vcl::TRect& content, int32_t angle,
                                    rtl::UnicodeStringView text) const;
    // The line's band, moving textRect off it where they meet; empty without a visible line.
    virtual vcl::TRect CalcLineRect(const vcl::TRect& content, vcl::TRect& textRect, int32_t angle) const;
    virtual uint32_t GetTextFlags() const;
    virtual int32_t GetLineWidth() const;
    virtual bool IsLineVisible(int32_t angle) const;

    // Set by a standalone label: its control and whether it is transparent.
    vcl::TControl* StandaloneControl = nullptr; // not owned
    bool StandaloneTransparent = false;
    // The picture the standalone label keeps between paints.
    TuiLabelPictureCache* StandaloneCache = nullptr; // not owned

    // The label's text for auto size: turned, with style offset, depth and (unturned) the line's width.
    vcl::TSize GetValueContentSize(TuiCanvas& canvas, const rtl::Variant& value, const TuiEditSizeRequest& request);

protected:
    vcl::TSize GetContentSize(TuiCanvas& canvas, const rtl::Variant& value,
                              const TuiEditSizeRequest& request) override {
        return GetValueContentSize(canvas, value, request);
    }

private:
    const TuiCustomLookAndFeelPainter& Painter() const;
    void PlaceText(TuiCanvas& canvas, TuiCustomLabelViewInfo& label) const;
};

} // namespace ui
