#include "ui/core/painters/looks/uiUltraFlatPainter.h"

#include "ui/core/painters/looks/uiLookDrawing.h"
#include "ui/core/themes/uxOffice11.h"

namespace ui {

namespace {

// Each channel of color a third of the way to white.
vcl::TColor LightenedByAThird(vcl::TColor color) {
    const uint32_t rgb = vcl::ColorToRGB(color);
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = (rgb >> shift) & 0xFF;
        result |= (channel + (255 - channel) / 3) << shift;
    }
    return static_cast<vcl::TColor>(result);
}

} // namespace

const TuiUltraFlatLookAndFeelPainter& TuiUltraFlatLookAndFeelPainter::Instance() {
    static const TuiUltraFlatLookAndFeelPainter instance;
    return instance;
}

void TuiUltraFlatLookAndFeelPainter::PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect,
                                                          TuiBorders edges) const {
    canvas.FrameRect(rect, FooterSeparatorColor(), FooterSeparatorWidth(), edges);
}

void TuiUltraFlatLookAndFeelPainter::PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                           const vcl::TRect& arrowRect, bool isNext,
                                                           TuiButtonState state) const {
    canvas.FillRectColor(rect, vcl::clBtnFace);
    const TuiBorders sides = isNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    const vcl::TColor frame = state == uibsHot ? UltraFlatShadowColor() : UltraFlatTextColor();
    canvas.DrawComplexFrame(rect, frame, frame, sides);
    PaintNavigationArrow(canvas, arrowRect, isNext, ButtonGlyphColor(state, vcl::clDefault));
}

TuiPainterStyleKind TuiUltraFlatLookAndFeelPainter::StyleKind() const {
    return pskUltraFlat;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::ContainerFrameColor() const {
    return vcl::clBtnShadow;
}

int32_t TuiUltraFlatLookAndFeelPainter::FrameWidth() const {
    return 1;
}

void TuiUltraFlatLookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, vcl::clBtnShadow);
}

void TuiUltraFlatLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect,
                                                        bool horizontal) const {
    canvas.FillRectColor(CenteredBandRect(rect, 1, horizontal), vcl::clBtnShadow);
}

int32_t TuiUltraFlatLookAndFeelPainter::ButtonFrameWidth(TuiButtonState state) const {
    return state == uibsDefault ? 2 : 1;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::ButtonFaceColor(TuiButtonState state) const {
    switch (state) {
    case uibsHot:
        return GetUltraFlatHotColor();
    case uibsPressed:
        return GetUltraFlatPressedColor();
    default:
        return vcl::clBtnFace;
    }
}

vcl::TRect TuiUltraFlatLookAndFeelPainter::FocusRectOfButton(TuiCanvas& /*canvas*/, const vcl::TRect& rect) const {
    const vcl::TRect inner = InflateRectBy(rect, -3, -3);
    return inner.IsEmpty() ? rect : inner;
}

vcl::TRect TuiUltraFlatLookAndFeelPainter::ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const {
    vcl::TRect widths{1, 2, 1, 2};
    // The group's outer columns are twice as wide; a single button takes only the wider left.
    if (buttonIndex == 0) {
        widths.Left = 2;
    } else if (buttonIndex == buttonCount - 1) {
        widths.Right = 2;
    }
    return widths;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const {
    if (state == uibsPressed) {
        return vcl::clHighlightText;
    }
    return TuiCustomLookAndFeelPainter::ButtonGlyphColor(state, color);
}

TuiButtonState TuiUltraFlatLookAndFeelPainter::ButtonGlyphState(TuiButtonState /*state*/) const {
    return uibsNormal;
}

int32_t TuiUltraFlatLookAndFeelPainter::ButtonCaptionIndent() const {
    return 2;
}

int32_t TuiUltraFlatLookAndFeelPainter::PressedCaptionShift() const {
    return 0;
}

void TuiUltraFlatLookAndFeelPainter::PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiButtonState state) const {
    switch (state) {
    case uibsDefault:
        DrawRings(canvas, rect, {{vcl::clWindowFrame, vcl::clWindowFrame}, {vcl::clWindowFrame, vcl::clWindowFrame}});
        break;
    case uibsNormal:
        canvas.FrameRect(rect, vcl::clBtnText);
        break;
    case uibsDisabled:
        canvas.FrameRect(rect, vcl::clBtnShadow);
        break;
    case uibsHot:
    case uibsPressed:
        canvas.FrameRect(rect, vcl::clHighlight);
        break;
    }
}

void TuiUltraFlatLookAndFeelPainter::PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                      int32_t buttonCount, int32_t buttonIndex,
                                                      vcl::TColor color) const {
    // The group's frame owns the top and bottom rows and the outer columns.
    const bool first = buttonIndex == 0;
    const bool last = buttonIndex == buttonCount - 1;
    vcl::TRect r = InflateRectSides(rect, first ? -1 : 0, -1, last ? -1 : 0, -1);
    if (state == uibsNormal || state == uibsDisabled) {
        canvas.FrameRect(r, color);
        r = InflateRectBy(r, -1, -1);
    } else {
        TuiBorders columns;
        if (!first) {
            columns.Include(bLeft);
        }
        if (!last) {
            columns.Include(bRight);
        }
        canvas.FrameRect(r, FrameHighlightColor(), 1, columns);
        r = InflateRectSides(r, first ? 0 : -1, 0, last ? 0 : -1, 0);
    }
    canvas.FillRectColor(r, ButtonFaceColor(state));
}

void TuiUltraFlatLookAndFeelPainter::PaintGroupedButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                             bool highlighted, bool dark) const {
    vcl::TColor color = vcl::clBtnShadow;
    if (dark) {
        color = vcl::clBtnText;
    } else if (highlighted) {
        color = FrameHighlightColor();
    }
    canvas.FrameRect(rect, color);
}

void TuiUltraFlatLookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                    vcl::TColor color) const {
    canvas.FrameRect(rect, vcl::clBtnShadow);
    const vcl::TRect inside = InflateRectBy(rect, -1, -1);
    canvas.FillRectColor(inside, color == vcl::clDefault ? vcl::clBtnFace : color);
    DrawExpandCross(canvas, inside, expanded, vcl::clBtnText);
    canvas.ExcludeClipArea(rect);
}

void TuiUltraFlatLookAndFeelPainter::PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                             TuiBorders edges, TuiButtonState state) const {
    const vcl::TColor color = state == uibsDisabled ? vcl::clBtnShadow : vcl::clBlack;
    canvas.DrawComplexFrame(rect, color, color, edges);
}

void TuiUltraFlatLookAndFeelPainter::PaintHeaderSectionContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                               const vcl::TRect& textRect, TuiButtonState state,
                                                               const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                               vcl::TFont* font, vcl::TColor textColor,
                                                               vcl::TColor backgroundColor) const {
    const bool faceByState = state == uibsHot || state == uibsPressed || state == uibsDisabled;
    TuiCustomLookAndFeelPainter::PaintHeaderSectionContent(canvas, rect, textRect, state, layout, text, font, textColor,
                                                           faceByState ? ButtonFaceColor(state) : backgroundColor);
}

int32_t TuiUltraFlatLookAndFeelPainter::ExpandBoxSize() const {
    return 11;
}

bool TuiUltraFlatLookAndFeelPainter::HotTracksButtons() const {
    return true;
}

void TuiUltraFlatLookAndFeelPainter::PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState state) const {
    canvas.FrameRect(rect, vcl::clBtnText);
    canvas.FrameRect(InflateRectBy(rect, -1, -1), CheckFaceColor(state));
}

void TuiUltraFlatLookAndFeelPainter::PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiBorders /*neighbours*/, TuiBorders edges) const {
    // The right and bottom lines always: a neighbour's left or top line would be the same line again.
    const TuiBorders sides = (edges * TuiBorders{bLeft, bTop}) + TuiBorders{bRight, bBottom};
    canvas.FrameRect(rect, vcl::clBtnText, 1, sides);
}

void TuiUltraFlatLookAndFeelPainter::PaintHeaderCellPlain(
    TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect, TuiBorders neighbours, TuiBorders edges,
    TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
    vcl::TColor textColor, vcl::TColor backgroundColor, bool /*rightmost*/, bool /*special*/) const {
    PaintContentWithText(canvas, rect, InflateRectBy(textRect, -1, -1), state, layout, text, font, textColor,
                         backgroundColor, {}, false);
    PaintHeaderFrame(canvas, InflateRectBy(rect, -1, -1), neighbours, edges);
}

void TuiUltraFlatLookAndFeelPainter::PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const {
    DrawSortMark(canvas, rect, ascending, SortArrowSize(), vcl::clBtnShadow, vcl::clBtnShadow);
}

TuiBorders TuiUltraFlatLookAndFeelPainter::HeaderEdges(TuiBorders neighbours) const {
    return uiAllBorders - (neighbours * TuiBorders{bLeft, bTop});
}

int32_t TuiUltraFlatLookAndFeelPainter::HeaderFrameWidth() const {
    return 1;
}

vcl::TSize TuiUltraFlatLookAndFeelPainter::SortArrowSize() const {
    return {7, 8};
}

void TuiUltraFlatLookAndFeelPainter::PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    PaintFooterSeparator(canvas, rect, {bRight, bBottom});
}

void TuiUltraFlatLookAndFeelPainter::PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, FooterSeparatorColor());
}

int32_t TuiUltraFlatLookAndFeelPainter::HeaderGlyphInset() const {
    return 12;
}

int32_t TuiUltraFlatLookAndFeelPainter::FooterFrameWidth() const {
    return 1;
}

int32_t TuiUltraFlatLookAndFeelPainter::FooterCellFrameWidth() const {
    return 1;
}

int32_t TuiUltraFlatLookAndFeelPainter::FooterCellSpacing() const {
    return 2;
}

void TuiUltraFlatLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         TuiButtonState state, bool active) const {
    canvas.FrameRect(rect, UltraFlatStateColor(state));
    const vcl::TRect inside = InflateRectBy(rect, -1, -1);
    canvas.FillRectColor(inside, ButtonFaceColor(state));
    PaintDropTriangle(canvas, inside, active ? vcl::clBlue : ButtonGlyphColor(state, vcl::clDefault));
}

vcl::TSize TuiUltraFlatLookAndFeelPainter::FilterCloseBoxSize() const {
    const vcl::TSize size = TuiCustomLookAndFeelPainter::FilterCloseBoxSize();
    return {size.cx, size.cy + 1};
}

void TuiUltraFlatLookAndFeelPainter::PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                                   TuiBorders /*edges*/, bool vertical) const {
    vcl::TRect band = rect;
    const bool dark = vertical ? side == 3 : side == 2;
    if (dark && !vertical) {
        band.Bottom -= TabFrameWidth(vertical);
    }
    canvas.FillRectColor(band, dark ? UltraFlatTextColor() : UltraFlatShadowColor());
}

void TuiUltraFlatLookAndFeelPainter::PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                                   bool vertical) const {
    canvas.DrawComplexFrame(rect, UltraFlatShadowColor(), UltraFlatShadowColor(), edges, TabFrameWidth(vertical));
}

int32_t TuiUltraFlatLookAndFeelPainter::TabFrameWidth(bool /*vertical*/) const {
    return 1;
}

void TuiUltraFlatLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                           TuiScrollBarPart part, TuiButtonState state) const {
    PaintFlatScrollBarElement(*this, canvas, horizontal, rect, part, state, 0);
}

void TuiUltraFlatLookAndFeelPainter::PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                          TuiButtonState state) const {
    const bool framed = state == uibsHot || state == uibsPressed;
    PaintButton(canvas, rect, {}, state, framed, vcl::clDefault, vcl::clDefault, false, false);
}

void TuiUltraFlatLookAndFeelPainter::PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                        bool horizontal, const TuiDrawParams& viewParams) const {
    DrawSplitterFrameLines(canvas, rect, horizontal, {{ContainerFrameColor(), ContainerFrameColor()}}, viewParams);
}

void TuiUltraFlatLookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                                     TuiGroupCaptionPosition /*captionPosition*/,
                                                     TuiBorders borders) const {
    canvas.FrameRect(rect, highlighted ? vcl::clHighlight : vcl::clBtnShadow, 1, borders, true);
}

void TuiUltraFlatLookAndFeelPainter::PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, vcl::clWindowText);
}

void TuiUltraFlatLookAndFeelPainter::PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                                             std::span<const vcl::TPoint> /*innerShadow*/,
                                                             std::span<const vcl::TPoint> outerShadow) const {
    DrawPolylineIn(canvas, light, vcl::clWindowText);
    DrawPolylineIn(canvas, outerShadow, vcl::clWindowText);
}

void TuiUltraFlatLookAndFeelPainter::PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, vcl::clWindowText);
}

void TuiUltraFlatLookAndFeelPainter::PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, LightenedByAThird(vcl::clBtnShadow));
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::SplitterEdgeColor(bool highlighted) const {
    return highlighted ? vcl::clHighlight : vcl::clBtnShadow;
}

vcl::TSize TuiUltraFlatLookAndFeelPainter::SplitterGripSize(bool horizontal) const {
    // One pixel thick, so the splitter shows a single line.
    const vcl::TSize size = TuiCustomLookAndFeelPainter::SplitterGripSize(horizontal);
    return horizontal ? vcl::TSize{size.cx, 1} : vcl::TSize{1, size.cy};
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatStateColor(TuiButtonState state) const {
    return state == uibsNormal ? vcl::clBtnShadow : vcl::clHighlight;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatShadowColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::FrameHighlightColor() const {
    return vcl::clHighlight;
}

} // namespace ui
