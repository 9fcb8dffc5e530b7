#include "ui/editors/choice/checkbox/uiCheckBoxViewData.h"

#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/core/geometry/uiGeometry.h"
#include "vcl/graphics/Font.h"

#include <algorithm>

namespace ui {

namespace {

// The space between the check and the caption.
constexpr int32_t captionGap = 3;
// The check's distance from a standalone editor's client rectangle.
constexpr int32_t checkMargin = 2;
// Measuring a check box lays it out in bounds this large.
constexpr int32_t measuringExtent = 10000;

bool HoldsAnyMouseButton(vcl::TShiftState shift) {
    return shift.Contains(vcl::ssLeft) || shift.Contains(vcl::ssRight) || shift.Contains(vcl::ssMiddle);
}

bool HoldsLeftButtonOnly(vcl::TShiftState shift) {
    return shift.Contains(vcl::ssLeft) && !shift.Contains(vcl::ssRight) && !shift.Contains(vcl::ssMiddle);
}

} // namespace

TuiCustomCheckBoxProperties& TuiCustomCheckBoxViewData::CheckBoxProperties() const {
    return static_cast<TuiCustomCheckBoxProperties&>(Properties());
}

uint16_t TuiCustomCheckBoxViewData::GetDrawTextFlags() const {
    const vcl::TAlignment horz = CheckBoxProperties().GetAlignment().Horz();
    uint16_t flags = (horz == vcl::taCenter ? tfAlignHCenter : tfAlignLeft) | tfSingleLine | tfShowPrefix;
    const bool multiLine = CheckBoxProperties().MultiLine();
    if (multiLine) {
        flags = (flags & ~tfSingleLine) | tfWordBreak | tfDontClip;
    }
    return flags | (IsInplace() || !multiLine ? tfAlignVCenter : tfAlignTop);
}

TuiContainerBorderStyle TuiCustomCheckBoxViewData::CheckBorderStyleFor(uint8_t hotTrackMode) const {
    const TuiEditBorderStyle style = Style().BorderStyle();
    if (hotTrackMode != 2) {
        return style;
    }
    static constexpr TuiContainerBorderStyle emphasised[] = {cbsFlat, cbsThick,     cbsThick,   cbs3D,
                                                             cbs3D,   cbsUltraFlat, cbsOffice11};
    return emphasised[style];
}

TuiCheckBoxAlignment TuiCustomCheckBoxViewData::AlignmentFor(const TuiCustomCheckBoxViewInfo& viewInfo) const {
    TuiCustomCheckBoxProperties& properties = CheckBoxProperties();
    if (IsInplace() && !properties.UseAlignmentWhenInplace() && viewInfo.Text.empty()) {
        return cbaCheckCentred;
    }
    switch (properties.GetAlignment().Horz()) {
    case vcl::taRightJustify:
        return cbaCheckRight;
    case vcl::taCenter:
        return cbaCheckCentred;
    case vcl::taLeftJustify:
        break;
    }
    return cbaCheckLeft;
}

void TuiCustomCheckBoxViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                          TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                          std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    TuiCustomEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    auto* check = dynamic_cast<TuiCustomCheckBoxViewInfo*>(&viewInfo);
    if (check == nullptr) {
        return;
    }
    TuiCustomCheckBoxProperties& properties = CheckBoxProperties();
    check->TextFlags = GetDrawTextFlags();
    check->Text = IsInplace() && !properties.HasInplaceCaption() ? rtl::UnicodeString() : Caption;
    check->Alignment = AlignmentFor(*check);
    check->CheckBorderStyle = CheckBorderStyleFor(check->HotTrackMode);
    check->Glyph = properties.GlyphOrNull();
    check->GlyphCount = properties.GlyphCount();
    check->NullStyle = properties.NullStyle();
    check->HasGlyph = IsCheckGlyphUsable(check->Glyph, check->GlyphCount);
    check->CheckBorderOffset =
        GetCheckBorderOffset(check->CheckBorderStyle, check->NativeStyle, check->HasGlyph, check->SkinPainter);
    check->TextColorAssigned =
        Style().IsStyleValueAssigned(esvTextColor) ||
        (check->SkinPainter != nullptr && check->SkinPainter->EditorTextColor(true) != vcl::clDefault);
    const vcl::TSize checkSize =
        GetEditorCheckSize(check->NativeStyle, check->Glyph, check->GlyphCount, check->SkinPainter);
    CalculateCheckRect(*check, checkSize);
    CalculateTextRect(*check, checkSize);
    check->HotState = HotStateAt(*check, shift, button, mousePos);
    CalculateFocusRect(canvas, *check);
    if (IsInplace() && check->CheckBorderStyle == cbsSingle) {
        const bool highlighted = check->HotState == chsHot || (IsDesigning && check->HotState != chsDisabled);
        check->BorderColor = highlighted ? vcl::clHighlight : vcl::clBtnShadow;
    }
}

void TuiCustomCheckBoxViewData::CalculateCheckRect(TuiCustomCheckBoxViewInfo& viewInfo, vcl::TSize checkSize) const {
    vcl::TRect area = viewInfo.ClientRect;
    if (!IsInplace()) {
        area = InflateRectBy(area, -checkMargin, -checkMargin);
    } else if (viewInfo.Alignment == cbaCheckLeft) {
        area.Left += checkMargin;
    } else if (viewInfo.Alignment == cbaCheckRight) {
        area.Right -= checkMargin;
    }
    const int32_t width = std::min(checkSize.cx, std::max(area.Width(), 0));
    vcl::TRect rect = CenterRectInRect(area, width, checkSize.cy);
    if (width < area.Width() && viewInfo.Alignment == cbaCheckLeft) {
        rect = PlaceRectAtLeft(rect, area.Left, width);
    } else if (width < area.Width() && viewInfo.Alignment == cbaCheckRight) {
        rect = PlaceRectAtRight(rect, area.Right, width);
    }
    viewInfo.CheckRect = rect;
}

void TuiCustomCheckBoxViewData::CalculateTextRect(TuiCustomCheckBoxViewInfo& viewInfo, vcl::TSize checkSize) const {
    vcl::TRect rect = viewInfo.ClientRect;
    if (IsInplace()) {
        if (viewInfo.Alignment == cbaCheckLeft) {
            rect.Right -= checkMargin;
        } else if (viewInfo.Alignment == cbaCheckRight) {
            rect.Left += checkMargin;
        }
        rect.Top += InplaceContentOffsets.Top;
        rect.Bottom -= InplaceContentOffsets.Bottom;
    } else {
        rect = InflateRectBy(rect, -checkMargin, -checkMargin);
        // The caption's row starts a pixel higher than the check's.
        --rect.Top;
    }
    if (checkSize.cx >= viewInfo.ClientRect.Width()) {
        rect.Right = rect.Left;
    } else if (viewInfo.Alignment == cbaCheckLeft) {
        rect.Left = viewInfo.CheckRect.Right + captionGap;
    } else if (viewInfo.Alignment == cbaCheckRight) {
        rect.Right = viewInfo.CheckRect.Left - captionGap;
    }
    // Room for the embossed copy of a disabled caption.
    if (!viewInfo.IsCaptionEnabled() && viewInfo.SkinPainter == nullptr) {
        ++rect.Right;
        ++rect.Bottom;
    }
    viewInfo.TextRect = rect;
}

TuiCheckHotState TuiCustomCheckBoxViewData::HotStateAt(const TuiCustomCheckBoxViewInfo& viewInfo,
                                                       vcl::TShiftState shift, std::optional<vcl::TMouseButton> button,
                                                       vcl::TPoint mousePos) const {
    if (!Enabled) {
        return chsDisabled;
    }
    if (SpacePressed) {
        return chsPressed;
    }
    if (IsDesigning || !viewInfo.BorderRect.Contains(mousePos)) {
        return chsNormal;
    }
    if (!HoldsAnyMouseButton(shift)) {
        return chsHot;
    }
    // Pressed only by a press that began on the check, and only with the left button.
    const bool pressedHere = button == vcl::mbLeft || viewInfo.HotState == chsPressed;
    return HoldsLeftButtonOnly(shift) && pressedHere ? chsPressed : chsNormal;
}

void TuiCustomCheckBoxViewData::CalculateFocusRect(TuiCanvas& canvas, TuiCustomCheckBoxViewInfo& viewInfo) const {
    viewInfo.FocusRect = {};
    const bool withCaption = !IsInplace() || CheckBoxProperties().HasInplaceCaption();
    const bool centred = viewInfo.Alignment == cbaCheckCentred;
    const bool framed = viewInfo.Focused && ((withCaption && !centred) ||
                                             (IsInplace() && centred && PaintOptions.Contains(epoContentFrame)));
    if (!framed) {
        return;
    }
    vcl::TRect rect;
    if (centred) {
        rect = InflateRectBy(viewInfo.ClientRect, -1, -1);
    } else if (!viewInfo.Text.empty()) {
        rect = viewInfo.TextRect;
        if (!CheckBoxProperties().FullFocusRect()) {
            if (viewInfo.Font != nullptr) {
                canvas.SetFont(*viewInfo.Font);
            }
            canvas.MeasureTextRect(viewInfo.Text, rect, viewInfo.TextFlags);
        }
        rect = InflateRectSides(rect, 1, 1, 1, 2);
    }
    if (IsRectEmptyArea(rect)) {
        return;
    }
    vcl::TRect bound = centred ? vcl::TRect{rect.Left, viewInfo.ClientRect.Top, rect.Right, viewInfo.ClientRect.Bottom}
                               : InflateRectBy(viewInfo.TextRect, 1, IsInplace() ? -1 : 1);
    if (!centred) {
        bound.Right = std::min(bound.Right, viewInfo.BorderRect.Right - 1);
    }
    IntersectRects(viewInfo.FocusRect, rect, bound);
}

void TuiCustomCheckBoxViewData::ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value,
                                                  TuiCustomEditViewInfo& viewInfo) {
    auto* check = dynamic_cast<TuiCustomCheckBoxViewInfo*>(&viewInfo);
    if (check == nullptr) {
        return;
    }
    check->State = ExtraFlag ? cbsChecked : CheckBoxProperties().GetStateByValue(value);
    if (IsInplace() && !CheckBoxProperties().HasInplaceCaption()) {
        check->Text.clear();
    }
    CalculateFocusRect(canvas, *check);
}

vcl::TSize TuiCustomCheckBoxViewData::GetContentSize(TuiCanvas& canvas, const rtl::Variant&,
                                                     const TuiEditSizeRequest& request) {
    TuiCustomCheckBoxViewInfo measured;
    Calculate(canvas, {0, 0, measuringExtent, measuringExtent}, false, measured, {}, std::nullopt, {-1, -1});
    const vcl::TSize check{measured.CheckRect.Width(), measured.CheckRect.Height()};
    const int32_t height = IsInplace() ? check.cy + (1 - measured.CheckBorderOffset) * 2 : check.cy + 2 * checkMargin;
    const bool sampleText = IsInplace() || CheckBoxProperties().GetAlignment().Horz() == vcl::taCenter;
    const rtl::UnicodeString text = sampleText ? rtl::UnicodeString(u"Gg") : StripAccelCharsWide(Caption, false);
    const bool captioned = !IsInplace() && measured.Alignment != cbaCheckCentred && !text.empty();
    const int32_t textWidth =
        captioned && request.Width >= 0 ? std::max(request.Width - check.cx - captionGap, 1) : measuringExtent;
    vcl::TRect textRect{0, 0, textWidth, 0};
    canvas.SetFont(Style().Font());
    canvas.MeasureTextRect(text, textRect, GetDrawTextFlags() & ~tfShowPrefix);
    const int32_t width = check.cx + 2 * checkMargin + (captioned ? captionGap + textRect.Width() : 0);
    return {width, std::max(height, textRect.Height())};
}

} // namespace ui
