#pragma once
// TuiCustomTextEditViewData: fills a text view info for a value in a rectangle (the text rectangle inside the client
// area, the text and its flags, the selection to show) and measures a value's text for best-fit widths and automatic
// heights. A host sets the alignment, the row options and the selection before each calculation.

#include "ui/editors/framework/properties/uiEditAlignment.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"

#include <cstdint>

namespace ui {

class TuiCustomTextEditViewData : public TuiCustomEditViewData {
    RTL_DECLARE_CLASS(TuiCustomTextEditViewData, TuiCustomEditViewData)
public:
    TuiCustomTextEditViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style, bool isInplace);

    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;
    // The view info's text: empty for a view data made with the extra flag, else the display text of value.
    void ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override;
    // The view info's text: value's string, prepared (echo, case).
    void SetViewInfoText(const rtl::Variant& value, TuiCustomTextEditViewInfo& viewInfo) const;
    // The text of value, prepared, also when the conversion fails.
    virtual rtl::UnicodeString GetDisplayText(const rtl::Variant& value);
    // The display text with the host's display-text event.
    rtl::UnicodeString GetDisplayTextFor(const rtl::Variant& value);

    // The editor control's answer (its host field); false without a control, as in a grid cell.
    virtual bool IsInnerEditShown() const { return InnerEditShown; }
    virtual int32_t GetMaxLineCount() const { return MaxLineCount; }
    virtual bool HasListSelection() const { return false; }
    virtual uint32_t GetTextFlags() const;
    // The client rectangle's offsets to the text, with the one-pixel shift of the list-only and locked styles.
    virtual vcl::TRect GetContentOffsets() const;
    TuiTextEditingStyle EditingStyle() const;
    // The properties as text properties; nullptr for other properties.
    TuiCustomTextEditProperties* TextProperties() const;

    // Measures text with flags: rows when the flags or the row option ask for them, at most rowCount rows (0: the
    // request's line count), the content offsets added when addOffsets.
    vcl::TSize CalculateEditTextSize(TuiCanvas& canvas, rtl::UnicodeStringView text, uint32_t flags,
                                     const TuiEditSizeRequest& request, int32_t rowCount, bool addOffsets);

    // Host fields.
    vcl::TAlignment HorzAlignment = vcl::taLeftJustify;
    TuiEditVertAlignment VertAlignment = taTopJustify;
    // Most rows drawn; 0 = no limit.
    int32_t MaxLineCount = 0;
    // An empty text measures zero high.
    bool EmptyTextMeasuresZero = false;
    // The text may wrap into several rows.
    bool WrapsText = false;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    vcl::TColor SelTextColor = vcl::clDefault;
    vcl::TColor SelBackgroundColor = vcl::clDefault;
    bool UsesDataDisplayText = false;
    bool InnerEditShown = false;

protected:
    void InitFromProperties() override;
    vcl::TSize GetContentSize(TuiCanvas& canvas, const rtl::Variant& value, const TuiEditSizeRequest& request) override;
    // The text flags, in rows when they do not fit one, and the end ellipsis the host asks for.
    virtual void PrepareTextOutput(TuiCanvas& canvas, TuiCustomTextEditViewInfo& viewInfo);

private:
    vcl::TRect CalculateTextEditTextRect(TuiCanvas& canvas, const TuiCustomTextEditViewInfo& viewInfo) const;
    void PrepareTextEditTextRows(TuiCanvas& canvas, TuiCustomTextEditViewInfo& viewInfo) const;
    void ApplySelection(TuiCustomTextEditViewInfo& viewInfo) const;
    bool MeasuresWithPad() const;
    int32_t ZgHeight(TuiCanvas& canvas) const;
};

} // namespace ui
