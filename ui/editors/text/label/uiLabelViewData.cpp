#include "ui/editors/text/label/uiLabelViewData.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/text/uiTextLayout.h"
#include "ui/editors/choice/uiEditSupportRoutines.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "vcl/graphics/images/Bitmap.h"

#include <climits>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

// The canvas font of a label is put back after measuring.
class TLabelFontScope {
public:
    explicit TLabelFontScope(TuiCanvas& canvas) : FCanvas(canvas) { FSaved.Assign(&canvas.Font()); }
    ~TLabelFontScope() { FCanvas.Font().Assign(&FSaved); }
    TLabelFontScope(const TLabelFontScope&) = delete;
    TLabelFontScope& operator=(const TLabelFontScope&) = delete;

private:
    TuiCanvas& FCanvas;
    vcl::TFont FSaved;
};

bool IsBoundsUnbounded(const vcl::TRect& bounds) {
    return bounds.Right >= INT_MAX || bounds.Bottom == INT_MAX;
}

} // namespace

TuiCustomLabelProperties& TuiCustomLabelViewData::LabelProperties() const {
    return static_cast<TuiCustomLabelProperties&>(Properties());
}

const TuiCustomLookAndFeelPainter& TuiCustomLabelViewData::Painter() const {
    TuiLookAndFeelPainterClass painter = Style().LookAndFeel().ActivePainter();
    return painter != nullptr ? *painter : TuiCustomLookAndFeelPainter::Instance();
}

int32_t TuiCustomLabelViewData::GetStyleOffset(TuiCanvas& canvas) const {
    const TuiLabelStyle style = LabelProperties().LabelStyle();
    if (style != uilsRaised && style != uilsLowered) {
        return 0;
    }
    return canvas.Font().Size() >= 12 ? 2 : 1;
}

int32_t TuiCustomLabelViewData::GetLineWidth() const {
    return Painter().EtchedLineWidth();
}

bool TuiCustomLabelViewData::IsLineVisible(int32_t angle) const {
    return LabelProperties().LineOptions().Visible() && (angle == 0 || angle == 90);
}

uint32_t TuiCustomLabelViewData::GetTextFlags() const {
    const TuiEditAlignment& alignment = Properties().GetAlignment();
    uint32_t flags = static_cast<uint32_t>(alignment.Horz() == vcl::taRightJustify ? thaRight
                                           : alignment.Horz() == vcl::taCenter     ? thaCenter
                                                                                   : thaLeft);
    if (alignment.Vert() == taVCenter) {
        flags |= static_cast<uint32_t>(tvaCenter) << tlVertAlignShift;
    } else if (alignment.Vert() == taBottomJustify) {
        flags |= static_cast<uint32_t>(tvaBottom) << tlVertAlignShift;
    }
    if (PaintOptions.Contains(epoFocused)) {
        flags |= tlEndEllipsis;
    }
    if (LabelProperties().WordWrap() && LabelProperties().Angle() % 360 == 0) {
        flags |= tlWordBreak;
    } else {
        flags |= tlSingleLine;
    }
    return flags;
}

// Measured unturned with DrawText, then the bounding box of the turned text.
vcl::TSize TuiCustomLabelViewData::CalcTextSize(TuiCanvas& canvas, const vcl::TRect& r, bool forDrawing,
                                                rtl::UnicodeStringView text) const {
    const TuiCustomLabelProperties& properties = LabelProperties();
    TEXTMETRICW metrics{};
    canvas.Canvas().RequireFont();
    GetTextMetricsW(canvas.Handle(), &metrics);
    const int32_t angle = NormalizeLabelAngle(properties.Angle(), (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0);
    rtl::UnicodeString measured(text);
    if (angle != 0 && properties.ShowAccelChar()) {
        measured = RemoveAccelerators(measured);
    }
    const bool wordWrap = properties.WordWrap() && angle == 0 && !(IsInplace() && r.Right <= 0);
    const bool prefix = properties.ShowAccelChar() && angle == 0;
    RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    UINT flags = DT_CALCRECT | DT_LEFT | DT_TOP | (wordWrap ? DT_WORDBREAK : 0u) | (prefix ? 0u : DT_NOPREFIX) |
                 (forDrawing && wordWrap ? DT_EDITCONTROL : 0u);
    DrawTextW(canvas.Handle(), reinterpret_cast<const wchar_t*>(measured.c_str()), static_cast<int>(measured.size()),
              &rect, flags);
    const int32_t width = rect.right - rect.left;
    const int32_t height = rect.bottom - rect.top;
    vcl::TSize size{width, height};
    if (angle != 0) {
        const double theta = angle * std::numbers::pi / 180.0;
        size.cx = static_cast<int32_t>(std::abs(std::sin(theta) * height) + std::abs(std::cos(theta) * width) + 0.5);
        size.cy = static_cast<int32_t>(std::abs(std::cos(theta) * height) + std::abs(std::sin(theta) * width) + 0.5);
    }
    const int32_t styleOffset = GetStyleOffset(canvas);
    const vcl::TSize depth = properties.GetDepthExtent();
    return {size.cx + styleOffset + depth.cx, size.cy + styleOffset + depth.cy};
}

vcl::TRect TuiCustomLabelViewData::CalcTextRect(TuiCanvas& canvas, const vcl::TRect& content, int32_t angle,
                                                rtl::UnicodeStringView text) const {
    vcl::TRect textRect = content;
    if (IsInplace() && angle == 0 && !IsLineVisible(angle)) {
        return textRect;
    }
    const TuiEditAlignment& alignment = Properties().GetAlignment();
    vcl::TSize size = CalcTextSize(canvas, content, false, text);
    switch (alignment.Horz()) {
    case vcl::taLeftJustify:
        textRect.Right = std::min(textRect.Left + size.cx, textRect.Right);
        break;
    case vcl::taRightJustify:
        textRect.Left = std::max(textRect.Right - size.cx, textRect.Left);
        break;
    case vcl::taCenter:
        textRect.Left = content.Left + (content.Width() - size.cx) / 2;
        textRect.Right = textRect.Left + size.cx;
        break;
    }
    size = CalcTextSize(canvas, textRect, true, text);
    switch (alignment.Vert()) {
    case taTopJustify:
        textRect.Bottom = std::min(textRect.Top + size.cy, textRect.Bottom);
        break;
    case taBottomJustify:
        textRect.Top = std::max(textRect.Bottom - size.cy, textRect.Top);
        break;
    case taVCenter:
        textRect.Top = content.Top + (content.Height() - size.cy) / 2;
        textRect.Bottom = textRect.Top + size.cy;
        break;
    }
    return textRect;
}

// A horizontal line is a band of rows (a vertical one of columns): at the top, at the bottom, or through the middle
// beside the text.
vcl::TRect TuiCustomLabelViewData::CalcLineRect(const vcl::TRect& content, vcl::TRect& textRect, int32_t angle) const {
    if (!IsLineVisible(angle)) {
        return {};
    }
    const int32_t width = GetLineWidth();
    const TuiLabelLineAlignment where = LabelProperties().LineOptions().Alignment();
    const bool vertical = angle != 0;
    const vcl::TRect area = vertical ? RotateRect(content) : content;
    vcl::TRect text = vertical ? RotateRect(textRect) : textRect;
    vcl::TRect line = area;
    switch (where) {
    case uillaTop:
        line.Bottom = line.Top + width;
        break;
    case uillaBottom:
        line.Top = line.Bottom - width;
        break;
    case uillaCenter: {
        line.Top = area.Top + (area.Height() - width) / 2;
        line.Bottom = line.Top + width;
        const TuiEditAlignment& alignment = Properties().GetAlignment();
        const bool textAtStart = vertical ? alignment.Vert() == taTopJustify : alignment.Horz() == vcl::taLeftJustify;
        const bool textAtEnd = vertical ? alignment.Vert() == taBottomJustify : alignment.Horz() == vcl::taRightJustify;
        if (textAtStart) {
            line.Left = text.Right + 3;
        } else if (textAtEnd) {
            line.Right = text.Left - 3;
        }
        break;
    }
    }
    if (where != uillaCenter && RectsIntersect(line, text)) {
        const int32_t shift = where == uillaTop ? width : -width;
        text.Top += shift;
        text.Bottom += shift;
    }
    textRect = vertical ? RotateRect(text) : text;
    return vertical ? RotateRect(line) : line;
}

void TuiCustomLabelViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                       TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                       std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    TuiCustomEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    auto* label = dynamic_cast<TuiCustomLabelViewInfo*>(&viewInfo);
    if (label == nullptr || (IsInplace() && IsBoundsUnbounded(bounds))) {
        return;
    }
    const TuiCustomLabelProperties& properties = LabelProperties();
    label->InvalidateOwnCache();
    label->SelStart = 0;
    label->SelLength = 0;
    label->TextFlags = GetTextFlags();
    if (label->EditBorderStyle == ebsNone) {
        label->NativeStyle = false;
    }
    const TuiEditAlignment& alignment = Properties().GetAlignment();
    label->LabelHorz = alignment.Horz();
    label->LabelVert = alignment.Vert();
    label->Angle = properties.Angle();
    label->Depth = properties.Depth();
    label->LabelEffect = properties.LabelEffect();
    label->LabelStyle = properties.LabelStyle();
    label->Orientation = properties.Orientation();
    label->PenWidth = properties.PenWidth();
    label->ShadowedColor = properties.ShadowedColor();
    label->ShowAccelChar = properties.ShowAccelChar();
    label->WordWrap = properties.WordWrap();
    label->Glyph.reset();
    if (properties.HasGlyph()) {
        label->Glyph = std::make_unique<vcl::TBitmap>();
        label->Glyph->Assign(properties.GlyphOrNull());
    }
    label->LineInnerColor = properties.LineOptions().InnerColor();
    label->LineOuterColor = properties.LineOptions().OuterColor();
    label->DepthExtent = properties.GetDepthExtent();
    label->Painter = &Painter();
    if (StandaloneControl != nullptr && !IsInplace()) {
        label->Transparent = StandaloneTransparent;
        label->Control = StandaloneControl;
        label->SharedCache = StandaloneCache;
    }

    PlaceText(canvas, *label);
}

// The text and line rectangles for the view info's text, with the label's font turned meanwhile.
void TuiCustomLabelViewData::PlaceText(TuiCanvas& canvas, TuiCustomLabelViewInfo& label) const {
    const TuiCustomLabelProperties& properties = LabelProperties();
    TLabelFontScope fontScope(canvas);
    const bool isTrueType = SelectRotatedFont(canvas, Style().Font(), properties.Angle());
    const int32_t angle = NormalizeLabelAngle(properties.Angle(), isTrueType);
    label.StyleOffset = GetStyleOffset(canvas);
    vcl::TRect textRect = CalcTextRect(canvas, label.ClientRect, angle, label.Text);
    label.LineVertical = angle != 0;
    label.LineBounds = CalcLineRect(label.ClientRect, textRect, angle);
    label.TextBounds = textRect;
    label.TextRect = textRect;
    label.TextOffsets = ContentOffsets();
    label.TextLayout.Done = false;
}

// After a calculation the text is placed again for the new text.
void TuiCustomLabelViewData::ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value,
                                               TuiCustomEditViewInfo& viewInfo) {
    auto* label = dynamic_cast<TuiCustomLabelViewInfo*>(&viewInfo);
    if (label == nullptr) {
        return;
    }
    label->InvalidateOwnCache();
    rtl::UnicodeString text = rtl::VarToStr(value);
    if (OnGetDisplayText) {
        OnGetDisplayText(*this, text);
    }
    label->Text = std::move(text);
    if (!IsRectEmptyArea(label->ClientRect)) {
        PlaceText(canvas, *label);
    }
}

// A side line (not through the middle) takes room across the text: height unturned, width turned by 90 degrees.
vcl::TSize TuiCustomLabelViewData::GetValueContentSize(TuiCanvas& canvas, const rtl::Variant& value,
                                                       const TuiEditSizeRequest& request) {
    const TuiCustomLabelProperties& properties = LabelProperties();
    TLabelFontScope fontScope(canvas);
    const bool isTrueType = SelectRotatedFont(canvas, Style().Font(), properties.Angle());
    const int32_t angle = NormalizeLabelAngle(properties.Angle(), isTrueType);
    rtl::UnicodeString text = rtl::VarToStr(value);
    if (OnGetDisplayText) {
        OnGetDisplayText(*this, text);
    }
    if (text.empty()) {
        text.assign(1, u' ');
    }
    const vcl::TRect offsets = ContentOffsets();
    const bool bordered = !IsInplace() && Style().BorderStyle() != ebsNone;
    int32_t width = request.Width;
    if (width >= 0) {
        width -= GetStyleOffset(canvas) + properties.GetDepthExtent().cx;
        width -= IsInplace() ? offsets.Left + offsets.Right : (bordered ? 2 : 0);
    }
    vcl::TSize size = CalcTextSize(canvas, {0, 0, width >= 0 ? width : INT_MAX / 4, 0}, false, text);
    if (IsInplace()) {
        size.cx += offsets.Left + offsets.Right;
        size.cy += offsets.Top + offsets.Bottom;
    } else if (bordered) {
        size.cx += 2;
    }
    if (IsLineVisible(angle) && properties.LineOptions().Alignment() != uillaCenter) {
        (angle == 0 ? size.cy : size.cx) += GetLineWidth();
    }
    return size;
}

} // namespace ui
