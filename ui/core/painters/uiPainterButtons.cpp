// The default painter: arrows, buttons, expand boxes, check boxes, radio glyphs and the etched line.

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/system/uxSystemInfo.h"

namespace ui {

namespace {

vcl::TColor OrDefault(vcl::TColor color, vcl::TColor fallback) {
    return color == vcl::clDefault ? fallback : color;
}

} // namespace

// Arrows and buttons

void TuiCustomLookAndFeelPainter::PaintDirectionArrow(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiArrowDirection direction, vcl::TColor color) const {
    DrawArrowTriangle(canvas, ArrowTrianglePoints(rect, 0, true, direction), color);
}

void TuiCustomLookAndFeelPainter::PaintArrowButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                   TuiArrowDirection direction, bool drawFrame) const {
    if (drawFrame) {
        PaintArrowButtonFace(canvas, rect, state);
    } else {
        canvas.FillRectColor(rect, ButtonFaceColor(state));
    }
    DrawArrowTriangle(canvas, ArrowTrianglePoints(rect, 0, false, direction), ButtonGlyphColor(state, vcl::clDefault));
}

void TuiCustomLookAndFeelPainter::PaintArrowButtonFace(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       TuiButtonState state) const {
    canvas.FillRectColor(rect, ButtonFaceColor(state));
    PaintButtonFrame(canvas, rect, state);
}

void TuiCustomLookAndFeelPainter::PaintStateArrow(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                  TuiArrowDirection direction) const {
    vcl::TRect r = rect;
    if (state == uibsPressed) {
        r = vcl::OffsetRect(r, PressedCaptionShift(), PressedCaptionShift());
    }
    std::array<vcl::TPoint, 3> points = ArrowTrianglePoints(r, 0, true, direction);
    if (state != uibsDisabled) {
        DrawArrowTriangle(canvas, points, ButtonGlyphColor(state, vcl::clDefault));
        return;
    }
    std::array<vcl::TPoint, 3> highlight = points;
    for (vcl::TPoint& point : highlight) {
        point = {point.X + 1, point.Y + 1};
    }
    DrawArrowTriangle(canvas, highlight, vcl::clBtnHighlight);
    DrawArrowTriangle(canvas, points, vcl::clBtnShadow);
}

int32_t TuiCustomLookAndFeelPainter::FrameWidth() const {
    return 0;
}

void TuiCustomLookAndFeelPainter::PaintFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiCustomLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                     bool /*horizontal*/) const {}

vcl::TRect TuiCustomLookAndFeelPainter::ButtonGroupItemRect(const vcl::TRect& rect, int32_t /*buttonCount*/,
                                                            int32_t /*buttonIndex*/) const {
    return rect;
}

int32_t TuiCustomLookAndFeelPainter::ButtonFrameWidth(TuiButtonState /*state*/) const {
    return 0;
}

vcl::TColor TuiCustomLookAndFeelPainter::ButtonFaceColor(TuiButtonState /*state*/) const {
    return vcl::clBtnFace;
}

vcl::TRect TuiCustomLookAndFeelPainter::FocusRectOfButton(TuiCanvas& /*canvas*/, const vcl::TRect& rect) const {
    const vcl::TRect inner = InflateRectBy(rect, -4, -4);
    return inner.IsEmpty() ? rect : inner;
}

vcl::TRect TuiCustomLookAndFeelPainter::ButtonGroupFrameWidths(int32_t /*buttonCount*/, int32_t /*buttonIndex*/) const {
    const int32_t width = ButtonFrameWidth(uibsNormal);
    return {width, width, width, width};
}

int32_t TuiCustomLookAndFeelPainter::ButtonCaptionIndent() const {
    return 0;
}

int32_t TuiCustomLookAndFeelPainter::PressedCaptionShift() const {
    return 0;
}

vcl::TColor TuiCustomLookAndFeelPainter::ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const {
    return state == uibsDisabled ? vcl::clBtnShadow : OrDefault(color, vcl::clBtnText);
}

TuiButtonState TuiCustomLookAndFeelPainter::ButtonGlyphState(TuiButtonState state) const {
    return state;
}

void TuiCustomLookAndFeelPainter::PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption,
                                              TuiButtonState state, bool drawFrame, vcl::TColor faceColor,
                                              vcl::TColor textColor, bool wordWrap, bool /*toolButton*/) const {
    vcl::TRect r = rect;
    if (drawFrame) {
        PaintButtonFrame(canvas, r, state);
        const int32_t frame = ButtonFrameWidth(state);
        r = InflateRectBy(r, -frame, -frame);
    }
    canvas.FillRectColor(r, OrDefault(faceColor, ButtonFaceColor(state)));
    const vcl::TColor text = OrDefault(textColor, ButtonGlyphColor(state, vcl::clDefault));
    canvas.Brush().SetStyle(vcl::bsClear);
    if (r.Height() % 2 != 0) {
        --r.Bottom;
    }
    if (r.Height() < 18) {
        --r.Top;
    }
    if (state == uibsPressed) {
        r = vcl::OffsetRect(r, PressedCaptionShift(), PressedCaptionShift());
    }
    if (!caption.empty()) {
        canvas.Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(text)));
        canvas.DrawText(caption, r,
                        tfAlignHCenter | tfAlignVCenter | tfShowPrefix | (wordWrap ? tfWordBreak : tfSingleLine),
                        state != uibsDisabled);
    }
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiCustomLookAndFeelPainter::PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                   int32_t /*buttonCount*/, int32_t /*buttonIndex*/,
                                                   vcl::TColor /*color*/) const {
    PaintButton(canvas, rect, {}, state, true, vcl::clDefault, vcl::clDefault, false, false);
}

void TuiCustomLookAndFeelPainter::PaintButtonFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                   TuiButtonState /*state*/) const {}

void TuiCustomLookAndFeelPainter::PaintGroupedButtonFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                          bool /*highlighted*/, bool /*dark*/) const {}

// Expand boxes

void TuiCustomLookAndFeelPainter::PaintExpandBox(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/, bool /*expanded*/,
                                                 vcl::TColor /*color*/) const {}

void TuiCustomLookAndFeelPainter::PaintExpandChevronButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                           TuiRotationAngle rotation, bool up,
                                                           TuiButtonState state) const {
    PaintButton(canvas, rect, {}, state, true, vcl::clDefault, vcl::clDefault, false, false);
    const bool quarterTurn = rotation == TuiRotationAngle::CounterClockwise || rotation == TuiRotationAngle::Clockwise;
    TuiBitmap glyph(quarterTurn ? rect.Height() : rect.Width(), quarterTurn ? rect.Width() : rect.Height());
    const auto face = static_cast<vcl::TColor>(ColorToRGB(ButtonFaceColor(state)));
    glyph.Canvas().FillRectColor(glyph.GetClientRect(), face);
    DrawChevronMark(glyph.Canvas(), glyph.GetClientRect(), up, ButtonGlyphColor(state, vcl::clDefault));
    glyph.Rotate(rotation);
    // The face around the mark lets the button's frame show.
    glyph.SetTransparentColor(face);
    glyph.SetTransparent(true);
    canvas.DrawGraphic(rect.Left, rect.Top, glyph);
}

bool TuiCustomLookAndFeelPainter::PaintsExpandBoxFirst() const {
    return true;
}

void TuiCustomLookAndFeelPainter::PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                     bool up) const {
    PaintButton(canvas, rect, {}, state, true, vcl::clDefault, vcl::clDefault, false, false);
    DrawChevronMark(canvas, rect, up, ButtonGlyphColor(state, vcl::clDefault));
}

void TuiCustomLookAndFeelPainter::PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                      vcl::TColor borderColor, vcl::TColor fillColor) const {
    canvas.FrameRect(rect, borderColor);
    if (fillColor != vcl::clDefault) {
        canvas.FillRectColor(InflateRectBy(rect, -1, -1), fillColor);
    }
    DrawExpandCross(canvas, rect, expanded, vcl::clBtnText);
}

int32_t TuiCustomLookAndFeelPainter::ExpandBoxSize() const {
    return 0;
}

int32_t TuiCustomLookAndFeelPainter::GroupExpanderSize() const {
    return 15;
}

bool TuiCustomLookAndFeelPainter::HotTracksButtons() const {
    return false;
}

bool TuiCustomLookAndFeelPainter::HitTestGroupExpander(const vcl::TRect& rect, vcl::TPoint point) const {
    return rect.Contains(point);
}

int32_t TuiCustomLookAndFeelPainter::SmallExpandBoxSize() const {
    return 9;
}

// Check boxes and radio glyphs

int32_t TuiCustomLookAndFeelPainter::CheckFrameWidth() const {
    return 2;
}

vcl::TColor TuiCustomLookAndFeelPainter::CheckFaceColor(TuiButtonState state) const {
    return state == uibsPressed || state == uibsDisabled ? vcl::clBtnFace : vcl::clWindow;
}

vcl::TSize TuiCustomLookAndFeelPainter::CheckBoxSize() const {
    return CheckBoxGlyphSize();
}

void TuiCustomLookAndFeelPainter::PaintCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                 bool checked, vcl::TColor color) const {
    if (canvas.Brush().Style() == vcl::bsSolid) {
        canvas.FillRectColor(rect, CheckFaceColor(state));
    }
    if (checked) {
        DrawCheckMark(canvas, rect, color);
    }
}

void TuiCustomLookAndFeelPainter::PaintCheckFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                  TuiButtonState /*state*/) const {}

void TuiCustomLookAndFeelPainter::PaintCheckBoxForState(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                        bool checked) const {
    PaintCheckBox(canvas, rect, state, checked ? cbsChecked : cbsUnchecked);
}

void TuiCustomLookAndFeelPainter::PaintCheckBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                TuiCheckBoxState checkState) const {
    PaintCheckFrame(canvas, rect, state);
    const int32_t frame = CheckFrameWidth();
    PaintCheckMark(canvas, InflateRectBy(rect, -frame, -frame), state, checkState == cbsChecked,
                   state == uibsDisabled ? vcl::clGrayText : vcl::clBtnText);
}

void TuiCustomLookAndFeelPainter::PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state,
                                                  bool checked, bool emphasisA, vcl::TColor backgroundColor,
                                                  bool emphasisB) const {
    EnsureRadioButtonImageList().Draw(canvas, x, y, StyleKindToLookAndFeelKind(StyleKind()), state, checked, emphasisA,
                                      emphasisB, backgroundColor);
}

vcl::TSize TuiCustomLookAndFeelPainter::RadioGlyphSize() const {
    return EnsureRadioButtonImageList().Size();
}

// Etched line

void TuiCustomLookAndFeelPainter::PaintEtchedLine(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor shadowColor,
                                                  vcl::TColor highlightColor, bool vertical) const {
    canvas.DrawComplexFrame(rect, OrDefault(shadowColor, vcl::clBtnShadow),
                            OrDefault(highlightColor, vcl::clBtnHighlight),
                            vertical ? TuiBorders{bLeft, bRight} : TuiBorders{bTop, bBottom});
}

int32_t TuiCustomLookAndFeelPainter::EtchedLineWidth() const {
    return 2;
}

} // namespace ui
