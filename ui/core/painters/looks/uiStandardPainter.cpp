#include "ui/core/painters/looks/uiStandardPainter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiLookDrawing.h"

namespace ui {

namespace {

// Raised: highlight and dark shadow outside, light and shadow inside.
void DrawRaisedRings(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders sides = uiAllBorders) {
    DrawRings(canvas, rect, {{vcl::clBtnHighlight, vcl::cl3DDkShadow}, {vcl::cl3DLight, vcl::clBtnShadow}}, sides);
}

// Sunken: shadow and highlight outside, dark shadow and light inside.
void DrawSunkenRings(TuiCanvas& canvas, const vcl::TRect& rect) {
    DrawRings(canvas, rect, {{vcl::clBtnShadow, vcl::clBtnHighlight}, {vcl::cl3DDkShadow, vcl::cl3DLight}});
}

// The band of one side of a tab and its colour.
struct TTabSideBand {
    vcl::TRect Band;
    vcl::TColor Color;
};

TTabSideBand HorizontalTabSide(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges) {
    vcl::TRect band = rect;
    if (side == 1) {
        canvas.SetPixel(band.Left, band.Top + 1, vcl::clBtnHighlight);
        canvas.SetPixel(band.Right - 1, band.Top + 1, vcl::clBtnHighlight);
        band = InflateRectBy(band, -1, 0);
    } else {
        band.Top += edges.Contains(bTop) ? 2 : 0;
        band.Bottom -= edges.Contains(bBottom) ? 1 : 0;
    }
    return {band, side == 2 ? vcl::clBtnShadow : vcl::clBtnHighlight};
}

TTabSideBand VerticalTabSide(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges) {
    vcl::TRect band = rect;
    if (side == 0) {
        band.Top += edges.Contains(bTop) ? 2 : 1;
        band.Bottom -= edges.Contains(bBottom) ? 2 : 1;
        canvas.SetPixel(band.Left + 1, band.Top - 1, vcl::clBtnHighlight);
        canvas.SetPixel(band.Left + 1, band.Bottom, vcl::clBtnHighlight);
    } else if (edges.Contains(bLeft)) {
        ++band.Left;
    }
    return {band, side == 3 ? vcl::clBtnShadow : vcl::clBtnHighlight};
}

void DrawStandardScrollButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool pressed) {
    if (pressed) {
        DrawRings(canvas, rect, {{vcl::clBtnShadow, vcl::clBtnShadow}, {vcl::clBtnFace, vcl::clBtnFace}});
        return;
    }
    DrawRings(canvas, rect, {{vcl::clBtnFace, vcl::cl3DDkShadow}, {vcl::clBtnHighlight, vcl::clBtnShadow}});
}

void DrawStandardScrollArrowButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiArrowDirection direction,
                                   TuiButtonState state) {
    // The platform's arrow, drawn one pixel lower right while pressed; the frame is ours.
    static constexpr UINT arrowKinds[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
    const bool pressed = state == uibsPressed;
    UINT kind = arrowKinds[direction];
    if (state == uibsDisabled) {
        kind |= DFCS_INACTIVE;
    }
    if (pressed) {
        kind |= DFCS_FLAT;
    }
    // The shifted arrow stays inside the button: its last column and row would fall on the neighbour.
    const vcl::TRect arrowRect = pressed ? vcl::OffsetRect(rect, 1, 1) : rect;
    RECT r{arrowRect.Left, arrowRect.Top, arrowRect.Right, arrowRect.Bottom};
    canvas.PushClipRegion();
    canvas.IntersectClipArea(rect);
    DrawFrameControl(canvas.Handle(), &r, DFC_SCROLL, kind);
    canvas.PopClipRegion();
    DrawStandardScrollButtonFrame(canvas, rect, pressed);
}

} // namespace

const TuiStandardLookAndFeelPainter& TuiStandardLookAndFeelPainter::Instance() {
    static const TuiStandardLookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiStandardLookAndFeelPainter::StyleKind() const {
    return pskStandard;
}

int32_t TuiStandardLookAndFeelPainter::FrameWidth() const {
    return 2;
}

void TuiStandardLookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawSunkenRings(canvas, rect);
}

void TuiStandardLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       bool horizontal) const {
    DrawEtchedBand(canvas, CenteredBandRect(rect, FrameWidth(), horizontal), vcl::clBtnShadow, vcl::clBtnHighlight);
}

int32_t TuiStandardLookAndFeelPainter::ButtonFrameWidth(TuiButtonState state) const {
    return state == uibsDefault ? 3 : 2;
}

int32_t TuiStandardLookAndFeelPainter::ButtonCaptionIndent() const {
    return 1;
}

int32_t TuiStandardLookAndFeelPainter::PressedCaptionShift() const {
    return 1;
}

void TuiStandardLookAndFeelPainter::PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState state) const {
    switch (state) {
    case uibsPressed:
        DrawRings(canvas, rect, {{vcl::clBlack, vcl::clBlack}, {vcl::clBtnShadow, vcl::clBtnShadow}});
        break;
    case uibsDefault:
        canvas.FrameRect(rect, vcl::clBlack);
        DrawRaisedRings(canvas, InflateRectBy(rect, -1, -1));
        break;
    default:
        DrawRaisedRings(canvas, rect);
        break;
    }
}

void TuiStandardLookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                   vcl::TColor color) const {
    canvas.DrawEdge(rect, false, false, {bLeft, bTop});
    canvas.DrawEdge(rect, false, true, {bRight, bBottom});
    const vcl::TRect inner = InflateRectBy(rect, -1, -1);
    canvas.DrawEdge(inner, false, false, {bRight, bBottom});
    const vcl::TRect face{inner.Left, inner.Top, inner.Right - 1, inner.Bottom - 1};
    canvas.FillRectColor(face, color == vcl::clDefault ? vcl::clBtnFace : color);
    DrawExpandCross(canvas, face, expanded, vcl::clBtnText);
    canvas.ExcludeClipArea(rect);
}

void TuiStandardLookAndFeelPainter::PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                       bool up) const {
    TuiFlatLookAndFeelPainter::Instance().PaintGroupExpander(canvas, rect, state, up);
}

int32_t TuiStandardLookAndFeelPainter::ExpandBoxSize() const {
    return 12;
}

void TuiStandardLookAndFeelPainter::PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    TuiButtonState /*state*/) const {
    DrawRings(canvas, rect, {{vcl::cl3DDkShadow, vcl::cl3DLight}, {vcl::clBtnShadow, vcl::clBtnHighlight}});
}

void TuiStandardLookAndFeelPainter::PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiBorders /*neighbours*/, TuiBorders edges) const {
    canvas.DrawEdge(rect, false, false);
    // Softened corners where the cell meets its neighbours.
    if (edges.Contains(bLeft)) {
        canvas.SetPixel(rect.Left, rect.Top + 1, vcl::clBtnFace);
        canvas.SetPixel(rect.Left, rect.Bottom - 2, vcl::clBtnFace);
    }
    if (edges.Contains(bRight)) {
        canvas.SetPixel(rect.Right - 1, rect.Top, vcl::clBtnHighlight);
        canvas.SetPixel(rect.Right - 1, rect.Top + 1, vcl::clBtnFace);
        canvas.SetPixel(rect.Right - 1, rect.Bottom - 2, vcl::clBtnFace);
    }
}

void TuiStandardLookAndFeelPainter::PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                                            TuiButtonState state) const {
    if (state == uibsPressed) {
        canvas.DrawComplexFrame(rect, vcl::clBtnShadow, vcl::clBtnShadow, edges);
        return;
    }
    DrawRaisedRings(canvas, rect, edges);
}

void TuiStandardLookAndFeelPainter::PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const {
    DrawSortMark(canvas, rect, ascending, SortArrowSize(), vcl::clBtnHighlight, vcl::clBtnShadow);
}

int32_t TuiStandardLookAndFeelPainter::HeaderFrameWidth() const {
    return 1;
}

int32_t TuiStandardLookAndFeelPainter::HeaderSectionFrameWidth(TuiButtonState state) const {
    return state == uibsPressed ? 1 : 2;
}

vcl::TSize TuiStandardLookAndFeelPainter::SortArrowSize() const {
    return {8, 7};
}

int32_t TuiStandardLookAndFeelPainter::FooterFrameWidth() const {
    return 1;
}

int32_t TuiStandardLookAndFeelPainter::FooterCellFrameWidth() const {
    return 1;
}

int32_t TuiStandardLookAndFeelPainter::FooterCellSpacing() const {
    return 1;
}

void TuiStandardLookAndFeelPainter::PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.DrawEdge(rect, false, false);
}

void TuiStandardLookAndFeelPainter::PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.DrawEdge(rect, true, true);
}

void TuiStandardLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                        bool active) const {
    const bool pressed = state == uibsPressed;
    canvas.DrawEdge(rect, pressed, pressed);
    const vcl::TRect inside = InflateRectBy(rect, -1, -1);
    canvas.FillRectColor(inside, vcl::clBtnFace);
    PaintDropTriangle(canvas, inside, active ? vcl::clBlue : vcl::clBtnText);
}

void TuiStandardLookAndFeelPainter::PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                                  TuiBorders edges, bool vertical) const {
    const TTabSideBand side3D =
        vertical ? VerticalTabSide(canvas, rect, side, edges) : HorizontalTabSide(canvas, rect, side, edges);
    canvas.FillRectColor(side3D.Band, side3D.Color);
}

void TuiStandardLookAndFeelPainter::PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                                  bool /*vertical*/) const {
    canvas.DrawEdge(rect, false, false, edges);
}

int32_t TuiStandardLookAndFeelPainter::TabFrameWidth(bool /*vertical*/) const {
    return 1;
}

void TuiStandardLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                          TuiScrollBarPart part, TuiButtonState state) const {
    if (rect.IsEmpty() || (part == sbpThumb && state == uibsDisabled)) {
        return;
    }
    switch (part) {
    case sbpLineUp:
    case sbpLineDown:
        DrawStandardScrollArrowButton(canvas, rect, ScrollBarArrowDirection(horizontal, part), state);
        break;
    case sbpThumb:
        DrawStandardScrollButtonFrame(canvas, rect, false);
        canvas.FillRectColor(InflateRectBy(rect, -ButtonFrameWidth(uibsNormal), -ButtonFrameWidth(uibsNormal)),
                             vcl::clBtnFace);
        break;
    case sbpPageUp:
    case sbpPageDown:
        FillScrollBarPageArea(canvas, rect, state == uibsPressed);
        break;
    case sbpNone:
        break;
    }
}

void TuiStandardLookAndFeelPainter::PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    rtl::UnicodeStringView text, TuiBorders neighbours,
                                                    const TuiDrawParams& viewParams, int32_t arrows,
                                                    int32_t arrowOffset, const TuiBackgroundHook& hook) const {
    // Neighbouring titles share the line between them: only the outer sides are framed.
    const TuiBorders edges = uiAllBorders - (neighbours * TuiBorders{bLeft, bRight});
    canvas.FrameRect(rect, vcl::clBlack, 1, edges, true);
    const vcl::TRect content = HeaderContentRect(rect, edges);
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintHeaderCell(canvas, content, content, {}, uiAllBorders, uibsNormal, centred, text, viewParams.Font,
                    viewParams.TextColor, viewParams.Color, hook, false, false);
    PaintMonthTitleArrows(canvas, rect, arrows, arrowOffset);
}

vcl::TColor TuiStandardLookAndFeelPainter::EventContentColor() const {
    return vcl::clWindow;
}

void TuiStandardLookAndFeelPainter::PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                       bool horizontal, const TuiDrawParams& viewParams) const {
    DrawSplitterFrameLines(canvas, rect, horizontal,
                           {{vcl::clBtnFace, vcl::cl3DDkShadow}, {vcl::clBtnHighlight, vcl::clBtnShadow}}, viewParams);
}

void TuiStandardLookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                    TuiGroupCaptionPosition /*captionPosition*/,
                                                    TuiBorders borders) const {
    const vcl::TRect frame{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    canvas.FrameRect(frame, vcl::clBtnShadow, 1, borders, true);
    canvas.FrameRect(vcl::OffsetRect(frame, 1, 1), vcl::clBtnHighlight, 1, borders, true);
}

void TuiStandardLookAndFeelPainter::PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawSunkenRings(canvas, rect);
}

void TuiStandardLookAndFeelPainter::PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                                            std::span<const vcl::TPoint> innerShadow,
                                                            std::span<const vcl::TPoint> outerShadow) const {
    DrawPolylineIn(canvas, light, vcl::clBtnHighlight);
    DrawPolylineIn(canvas, innerShadow, vcl::clBtnShadow);
    DrawPolylineIn(canvas, outerShadow, vcl::cl3DDkShadow);
}

void TuiStandardLookAndFeelPainter::PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawRaisedRings(canvas, rect);
}

} // namespace ui
