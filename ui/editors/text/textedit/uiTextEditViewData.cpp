#include "ui/editors/text/textedit/uiTextEditViewData.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/text/uiDrawTextUtils.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/graphics/Colors.h"

#include <climits>

namespace ui {

namespace {

// The host's paint option of bit value 8 asks the text for an end ellipsis.
constexpr TuiEditPaintOption EndEllipsisOption = epoFocused;
// The properties' capability of text in several rows.
constexpr uint32_t MultiRowCapability = 2;

uint32_t HorzTextFlag(vcl::TAlignment alignment) {
    switch (alignment) {
    case vcl::taRightJustify:
        return thaRight;
    case vcl::taCenter:
        return thaCenter;
    default:
        return thaLeft;
    }
}

uint32_t VertTextFlag(TuiEditVertAlignment alignment) {
    switch (alignment) {
    case taBottomJustify:
        return static_cast<uint32_t>(tvaBottom) << tlVertAlignShift;
    case taVCenter:
        return static_cast<uint32_t>(tvaCenter) << tlVertAlignShift;
    default:
        return 0;
    }
}

// Single-row flags turned into the flags of rows broken at words, as an edit control breaks them.
uint32_t RowFlags(uint32_t flags) {
    return (flags & ~tlSingleLine) | tlWordBreak | tlEditControl;
}

} // namespace

TuiCustomTextEditViewData::TuiCustomTextEditViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style,
                                                     bool isInplace)
    : TuiCustomEditViewData(properties, style, isInplace) {
    InitFromProperties();
}

void TuiCustomTextEditViewData::InitFromProperties() {
    TuiCustomEditViewData::InitFromProperties();
    UsesDataDisplayText = Properties().UsesDataDisplayFormatWhenIdle();
    const TuiEditAlignment& alignment = Properties().GetAlignment();
    HorzAlignment = alignment.Horz();
    VertAlignment = alignment.Vert();
}

TuiCustomTextEditProperties* TuiCustomTextEditViewData::TextProperties() const {
    return dynamic_cast<TuiCustomTextEditProperties*>(&Properties());
}

TuiTextEditingStyle TuiCustomTextEditViewData::EditingStyle() const {
    const TuiCustomTextEditProperties* properties = TextProperties();
    return properties != nullptr ? properties->GetEditingStyle() : tesFree;
}

void TuiCustomTextEditViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                          TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                          std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    TuiCustomEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo);
    if (textViewInfo == nullptr) {
        return;
    }
    textViewInfo->SelectionBarVisible = false;
    textViewInfo->EditingStyle = EditingStyle();
    textViewInfo->InnerEditShown = IsInnerEditShown();
    textViewInfo->PopupShown = false;
    textViewInfo->TextRect = CalculateTextEditTextRect(canvas, *textViewInfo);
    textViewInfo->LineLimit = GetMaxLineCount();
    textViewInfo->TextLayout.Done = false;
    PrepareTextOutput(canvas, *textViewInfo);
}

// The rows depend on the text: after a calculation they are prepared again for the new one.
void TuiCustomTextEditViewData::ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value,
                                                  TuiCustomEditViewInfo& viewInfo) {
    auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo);
    if (textViewInfo == nullptr) {
        return;
    }
    textViewInfo->Text = ExtraFlag ? rtl::UnicodeString() : GetDisplayTextFor(value);
    textViewInfo->TextLayout.Done = false;
    ApplySelection(*textViewInfo);
    if (!IsRectEmptyArea(textViewInfo->TextRect)) {
        PrepareTextOutput(canvas, *textViewInfo);
    }
}

void TuiCustomTextEditViewData::SetViewInfoText(const rtl::Variant& value, TuiCustomTextEditViewInfo& viewInfo) const {
    rtl::UnicodeString text = rtl::VarToStr(value);
    if (const TuiCustomTextEditProperties* properties = TextProperties()) {
        properties->PrepareDisplayText(text);
    }
    viewInfo.Text = std::move(text);
    viewInfo.TextLayout.Done = false;
}

rtl::UnicodeString TuiCustomTextEditViewData::GetDisplayText(const rtl::Variant& value) {
    TuiCustomTextEditProperties* properties = TextProperties();
    if (properties == nullptr) {
        return Properties().GetDisplayText(value);
    }
    rtl::UnicodeString text;
    try {
        text = UsesDataDisplayText ? rtl::VarToStr(value) : properties->EditValueToDisplayText(value, false);
    } catch (...) {
        properties->PrepareDisplayText(text);
        throw;
    }
    properties->PrepareDisplayText(text);
    return text;
}

rtl::UnicodeString TuiCustomTextEditViewData::GetDisplayTextFor(const rtl::Variant& value) {
    rtl::UnicodeString text = GetDisplayText(value);
    if (OnGetDisplayText) {
        OnGetDisplayText(*this, text);
    }
    return text;
}

uint32_t TuiCustomTextEditViewData::GetTextFlags() const {
    return HorzTextFlag(HorzAlignment) | VertTextFlag(VertAlignment) | tlSingleLine | tefAlwaysSet;
}

vcl::TRect TuiCustomTextEditViewData::GetContentOffsets() const {
    vcl::TRect offsets = ContentOffsets();
    const TuiTextEditingStyle style = EditingStyle();
    if (!IsInplace() && (style == tesListOnly || style == tesLocked)) {
        ++offsets.Top;
        --offsets.Bottom;
        ++(HorzAlignment == vcl::taRightJustify ? offsets.Right : offsets.Left);
    }
    return offsets;
}

int32_t TuiCustomTextEditViewData::ZgHeight(TuiCanvas& canvas) const {
    canvas.SetFont(Style().Font());
    return canvas.GetTextHeight(u"Zg");
}

vcl::TRect TuiCustomTextEditViewData::CalculateTextEditTextRect(TuiCanvas& canvas,
                                                                const TuiCustomTextEditViewInfo& viewInfo) const {
    vcl::TRect rect = DeflateRectByMargins(viewInfo.ClientRect, GetContentOffsets());
    if (!IsInplace()) {
        const int32_t height = ZgHeight(canvas);
        if (rect.Height() < height) {
            rect.Bottom = std::min(rect.Top + height, viewInfo.ClientRect.Bottom);
        }
    }
    return rect;
}

void TuiCustomTextEditViewData::PrepareTextOutput(TuiCanvas& canvas, TuiCustomTextEditViewInfo& viewInfo) {
    const TuiCustomTextEditProperties* properties = TextProperties();
    const bool multiLineText = properties != nullptr && properties->IsMultiLineText();
    if (!multiLineText && (Properties().GetCapabilities() & MultiRowCapability) != 0 && WrapsText) {
        PrepareTextEditTextRows(canvas, viewInfo);
    } else {
        viewInfo.TextFlags = GetTextFlags();
    }
    if (PaintOptions.Contains(EndEllipsisOption)) {
        viewInfo.TextFlags |= tlEndEllipsis;
    }
    viewInfo.HasListSelection = HasListSelection();
}

// Breaks the text at the text rectangle's width: more than one row switches to row flags, and rows taller than the
// rectangle start at its top.
void TuiCustomTextEditViewData::PrepareTextEditTextRows(TuiCanvas& canvas, TuiCustomTextEditViewInfo& viewInfo) const {
    viewInfo.TextFlags = GetTextFlags();
    if (viewInfo.Text.empty()) {
        return;
    }
    canvas.SetFont(Style().Font());
    canvas.Canvas().RequireFont();
    const uint32_t trialFlags = RowFlags(viewInfo.TextFlags) | tlCalcRowCount;
    const int32_t width = viewInfo.TextRect.Width() - InplaceContentOffsets.Left - InplaceContentOffsets.Right +
                          (HorzAlignment == vcl::taRightJustify ? 1 : 0);
    const TuiTextParams params = InitTextParams(canvas.Handle(), trialFlags);
    if (params.FullRowHeight <= 0 || width <= 0) {
        return;
    }
    const int32_t textHeight = std::max(viewInfo.TextRect.Height(), 0);
    TuiDrawTextOptions options;
    options.MaxRows = (textHeight + params.FullRowHeight - 1) / params.FullRowHeight + 1;
    vcl::TRect trial{0, 0, width, INT_MAX / 2};
    const int32_t rows = DrawTextWide(canvas.Handle(), viewInfo.Text, trial, trialFlags, options);
    if (rows > 1) {
        viewInfo.TextFlags = RowFlags(viewInfo.TextFlags);
        if (rows * params.FullRowHeight > textHeight) {
            viewInfo.TextFlags &= ~tlVertAlignMask;
        }
    }
}

void TuiCustomTextEditViewData::ApplySelection(TuiCustomTextEditViewInfo& viewInfo) const {
    viewInfo.SelStart = SelStart;
    viewInfo.SelLength = SelLength;
    if (SelLength == 0) {
        return;
    }
    const bool hasBack = SelBackgroundColor != vcl::clDefault;
    const bool hasText = SelTextColor != vcl::clDefault;
    if (hasBack || hasText) {
        const vcl::TColor given = hasBack ? SelBackgroundColor : SelTextColor;
        const auto inverse = static_cast<vcl::TColor>(vcl::ColorToRGB(given) ^ 0xFFFFFF);
        viewInfo.SelectionBackColor = hasBack ? SelBackgroundColor : inverse;
        viewInfo.SelectionTextColor = hasText ? SelTextColor : inverse;
    } else if (Style().Color() == vcl::clHighlight) {
        viewInfo.SelectionBackColor = vcl::clBlack;
        viewInfo.SelectionTextColor = vcl::clWhite;
    } else {
        viewInfo.SelectionBackColor = vcl::clHighlight;
        viewInfo.SelectionTextColor = vcl::clHighlightText;
    }
}

bool TuiCustomTextEditViewData::MeasuresWithPad() const {
    const TuiTextEditingStyle style = EditingStyle();
    return !IsInplace() && (style == tesListOnly || style == tesLocked) && !HasListSelection();
}

vcl::TSize TuiCustomTextEditViewData::GetContentSize(TuiCanvas& canvas, const rtl::Variant& value,
                                                     const TuiEditSizeRequest& request) {
    const vcl::TSize base = TuiCustomEditViewData::GetContentSize(canvas, value, request);
    const vcl::TSize text = CalculateEditTextSize(canvas, GetDisplayTextFor(value), GetTextFlags(), request, 0, true);
    return {std::max(base.cx, text.cx), std::max(base.cy, text.cy)};
}

// A single row measures its own width; rows measure the longest one; a width limit breaks the text at that width.
vcl::TSize TuiCustomTextEditViewData::CalculateEditTextSize(TuiCanvas& canvas, rtl::UnicodeStringView text,
                                                            uint32_t flags, const TuiEditSizeRequest& request,
                                                            int32_t rowCount, bool addOffsets) {
    const int32_t pad = MeasuresWithPad() ? 1 : 0;
    const int32_t rowHeight = ZgHeight(canvas);
    canvas.Canvas().RequireFont();
    const vcl::TRect offsets = GetContentOffsets();
    const int32_t verticalOffsets = std::max(offsets.Top + offsets.Bottom, 0);
    const bool severalRows =
        (flags & tlSingleLine) == 0 || (WrapsText && (Properties().GetCapabilities() & MultiRowCapability) != 0);
    const int32_t maxRows = rowCount > 0 ? rowCount : request.MaxLineCount;
    vcl::TSize size;
    if (request.Width < 0) {
        if (text.empty()) {
            size = {0, EmptyTextMeasuresZero ? 0 : rowHeight};
        } else if (severalRows) {
            vcl::TRect rect{0, 0, INT_MAX / 2, INT_MAX / 2};
            TuiDrawTextOptions options;
            options.MaxRows = maxRows;
            DrawTextWide(canvas.Handle(), text, rect, RowFlags(flags) | tlCalcRect, options);
            size = {rect.Width(), rowCount > 0 ? rowHeight * rowCount : std::max(rect.Height(), rowHeight)};
        } else {
            vcl::TRect rect{0, 0, INT_MAX / 2, INT_MAX / 2};
            DrawTextWide(canvas.Handle(), text, rect, flags | tlCalcRect);
            size = {rect.Width(), rowHeight};
        }
        size.cx += pad + (addOffsets ? offsets.Left + offsets.Right : 0);
        size.cy += verticalOffsets;
        return size;
    }
    if (rowCount > 0) {
        return {request.Width, rowHeight * rowCount + verticalOffsets};
    }
    const int32_t usable = request.Width - (IsInplace() ? 2 : 0) - pad;
    if (usable <= 0 || text.empty()) {
        size = {usable <= 0 ? 0 : request.Width, text.empty() && EmptyTextMeasuresZero ? 0 : rowHeight};
    } else {
        vcl::TRect rect{0, 0, usable, INT_MAX / 2};
        TuiDrawTextOptions options;
        options.MaxRows = request.MaxLineCount;
        const int32_t rows =
            DrawTextWide(canvas.Handle(), text, rect, (RowFlags(flags) & ~tlVertAlignMask) | tlCalcRowCount, options);
        size = {request.Width, std::max(rows, 1) * rowHeight};
    }
    size.cy += verticalOffsets;
    return size;
}

} // namespace ui
