#include "ui/core/painters/looks/uiFlatPainter.h"

#include "ui/core/painters/looks/uiLookDrawing.h"
#include "ui/core/painters/looks/uiStandardPainter.h"

namespace ui {

namespace {

// The flat look's raised one-pixel frame, sunken when pressed.
void DrawFlatRaisedFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool sunken, TuiBorders sides = uiAllBorders) {
    canvas.DrawComplexFrame(rect, sunken ? vcl::clBtnShadow : vcl::clBtnHighlight,
                            sunken ? vcl::clBtnHighlight : vcl::clBtnShadow, sides);
}

const TuiStandardLookAndFeelPainter& StandardLook() {
    return TuiStandardLookAndFeelPainter::Instance();
}

} // namespace

const TuiFlatLookAndFeelPainter& TuiFlatLookAndFeelPainter::Instance() {
    static const TuiFlatLookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiFlatLookAndFeelPainter::StyleKind() const {
    return pskFlat;
}

int32_t TuiFlatLookAndFeelPainter::FrameWidth() const {
    return 1;
}

void TuiFlatLookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.DrawEdge(rect, true, true);
}

void TuiFlatLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const {
    StandardLook().PaintSeparatorLine(canvas, rect, horizontal);
}

int32_t TuiFlatLookAndFeelPainter::ButtonFrameWidth(TuiButtonState state) const {
    return state == uibsDefault ? 2 : 1;
}

int32_t TuiFlatLookAndFeelPainter::ButtonCaptionIndent() const {
    return 1;
}

int32_t TuiFlatLookAndFeelPainter::PressedCaptionShift() const {
    return 1;
}

void TuiFlatLookAndFeelPainter::PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                 TuiButtonState state) const {
    if (state == uibsDefault) {
        canvas.FrameRect(rect, vcl::clBlack);
        DrawFlatRaisedFrame(canvas, InflateRectBy(rect, -1, -1), false);
        return;
    }
    DrawFlatRaisedFrame(canvas, rect, state == uibsPressed);
}

void TuiFlatLookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                               vcl::TColor color) const {
    PaintButton(canvas, rect, {}, uibsNormal, true, color, vcl::clDefault, false, false);
    DrawExpandCross(canvas, InflateRectBy(rect, -1, -1), expanded, vcl::clBtnText);
    canvas.ExcludeClipArea(rect);
}

int32_t TuiFlatLookAndFeelPainter::ExpandBoxSize() const {
    return 11;
}

void TuiFlatLookAndFeelPainter::PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const {
    canvas.DrawEdge(rect, true, true);
    canvas.FrameRect(InflateRectBy(rect, -1, -1), CheckFaceColor(state));
}

void TuiFlatLookAndFeelPainter::PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                                                 TuiBorders edges) const {
    StandardLook().PaintHeaderFrame(canvas, rect, neighbours, edges);
}

void TuiFlatLookAndFeelPainter::PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                                        TuiButtonState state) const {
    DrawFlatRaisedFrame(canvas, rect, state == uibsPressed, edges);
}

void TuiFlatLookAndFeelPainter::PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const {
    DrawSortMark(canvas, rect, ascending, SortArrowSize(), vcl::clBtnHighlight, vcl::clBtnShadow);
}

int32_t TuiFlatLookAndFeelPainter::HeaderFrameWidth() const {
    return 1;
}

vcl::TSize TuiFlatLookAndFeelPainter::SortArrowSize() const {
    return {8, 7};
}

int32_t TuiFlatLookAndFeelPainter::FooterFrameWidth() const {
    return 1;
}

int32_t TuiFlatLookAndFeelPainter::FooterCellFrameWidth() const {
    return 1;
}

int32_t TuiFlatLookAndFeelPainter::FooterCellSpacing() const {
    return 1;
}

void TuiFlatLookAndFeelPainter::PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.DrawEdge(rect, false, false);
}

void TuiFlatLookAndFeelPainter::PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.DrawEdge(rect, true, true);
}

void TuiFlatLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                    bool active) const {
    StandardLook().PaintFilterDropDown(canvas, rect, state, active);
}

void TuiFlatLookAndFeelPainter::PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges,
                                              bool vertical) const {
    StandardLook().PaintTabFrame(canvas, rect, side, edges, vertical);
}

void TuiFlatLookAndFeelPainter::PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                              bool vertical) const {
    StandardLook().PaintTabStrip(canvas, rect, edges, vertical);
}

int32_t TuiFlatLookAndFeelPainter::TabFrameWidth(bool /*vertical*/) const {
    return 1;
}

void TuiFlatLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                      TuiScrollBarPart part, TuiButtonState state) const {
    PaintFlatScrollBarElement(*this, canvas, horizontal, rect, part, state, ButtonFrameWidth(uibsNormal));
}

void TuiFlatLookAndFeelPainter::PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                   bool horizontal, const TuiDrawParams& viewParams) const {
    DrawSplitterFrameLines(canvas, rect, horizontal, {{vcl::clBtnHighlight, vcl::clBtnShadow}}, viewParams);
}

void TuiFlatLookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                TuiGroupCaptionPosition /*captionPosition*/, TuiBorders borders) const {
    canvas.FrameRect(rect, vcl::clBtnShadow, 1, borders, true);
    canvas.FrameRect(InflateRectBy(rect, -1, -1), vcl::clBtnHighlight, 1, borders, true);
}

void TuiFlatLookAndFeelPainter::PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawRings(canvas, rect, {{vcl::clBtnShadow, vcl::clBtnHighlight}, {vcl::clBtnFace, vcl::clBtnFace}});
}

void TuiFlatLookAndFeelPainter::PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                                        std::span<const vcl::TPoint> /*innerShadow*/,
                                                        std::span<const vcl::TPoint> outerShadow) const {
    DrawPolylineIn(canvas, light, vcl::clBtnHighlight);
    DrawPolylineIn(canvas, outerShadow, vcl::clBtnShadow);
}

void TuiFlatLookAndFeelPainter::PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawFlatRaisedFrame(canvas, rect, false);
}

void TuiFlatLookAndFeelPainter::PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const {
    canvas.FillRectColor(rect, CalendarHeaderColor());
    canvas.FrameRect(rect, vcl::clBtnFace, 1, {bBottom}, true);
    --rect.Bottom;
}

vcl::TColor TuiFlatLookAndFeelPainter::SplitterEdgeColor(bool highlighted) const {
    return highlighted ? vcl::cl3DDkShadow : vcl::clBtnShadow;
}

} // namespace ui
