#pragma once
// TuiStandardLookAndFeelPainter: the classic three-dimensional look of lfStandard: sunken two-pixel frames, raised
// buttons with a black ring round the default one, scroll-bar tracks in the dotted pattern and the platform's own
// scroll arrows. The native look derives from it and falls back to its bodies where a theme part does not open.

#include "ui/core/painters/uiLookAndFeelPainters.h"

namespace ui {

class TuiStandardLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    static const TuiStandardLookAndFeelPainter& Instance();

    TuiPainterStyleKind StyleKind() const override;
    int32_t FrameWidth() const override;
    void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    int32_t ButtonFrameWidth(TuiButtonState state) const override;
    int32_t ButtonCaptionIndent() const override;
    int32_t PressedCaptionShift() const override;
    void PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const override;
    void PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool up) const override;
    int32_t ExpandBoxSize() const override;
    void PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                          TuiBorders edges) const override;
    void PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                 TuiButtonState state) const override;
    void PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const override;
    int32_t HeaderFrameWidth() const override;
    int32_t HeaderSectionFrameWidth(TuiButtonState state) const override;
    vcl::TSize SortArrowSize() const override;
    int32_t FooterFrameWidth() const override;
    int32_t FooterCellFrameWidth() const override;
    int32_t FooterCellSpacing() const override;
    void PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                             bool active) const override;
    void PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges,
                       bool vertical) const override;
    void PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges, bool vertical) const override;
    int32_t TabFrameWidth(bool vertical) const override;
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override;
    void PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text, TuiBorders neighbours,
                         const TuiDrawParams& viewParams, int32_t arrows, int32_t arrowOffset,
                         const TuiBackgroundHook& hook) const override;
    vcl::TColor EventContentColor() const override;
    void PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal,
                            const TuiDrawParams& viewParams) const override;
    void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                         TuiGroupCaptionPosition captionPosition, TuiBorders borders) const override;
    void PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                 std::span<const vcl::TPoint> innerShadow,
                                 std::span<const vcl::TPoint> outerShadow) const override;
    void PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const override;

protected:
    TuiStandardLookAndFeelPainter() = default;
};

} // namespace ui
