#pragma once
// TuiUltraFlatLookAndFeelPainter: the look of lfUltraFlat, every look-and-feel's default: single-colour one-pixel
// lines, hot-tracked buttons and highlight-coloured frames. The Office 2003 look derives from it and recolours it
// through the four colour operations it adds.

#include "ui/core/painters/uiLookAndFeelPainters.h"

namespace ui {

class TuiUltraFlatLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    static const TuiUltraFlatLookAndFeelPainter& Instance();

    void PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges) const override;
    void PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& arrowRect, bool isNext,
                               TuiButtonState state) const override;
    TuiPainterStyleKind StyleKind() const override;
    vcl::TColor ContainerFrameColor() const override;
    int32_t FrameWidth() const override;
    void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    int32_t ButtonFrameWidth(TuiButtonState state) const override;
    vcl::TColor ButtonFaceColor(TuiButtonState state) const override;
    vcl::TRect FocusRectOfButton(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    vcl::TRect ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const override;
    vcl::TColor ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const override;
    TuiButtonState ButtonGlyphState(TuiButtonState state) const override;
    int32_t ButtonCaptionIndent() const override;
    int32_t PressedCaptionShift() const override;
    void PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, int32_t buttonCount,
                          int32_t buttonIndex, vcl::TColor color) const override;
    void PaintGroupedButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool dark) const override;
    void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const override;
    void PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                 TuiButtonState state) const override;
    void PaintHeaderSectionContent(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                   TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                   vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor) const override;
    int32_t ExpandBoxSize() const override;
    bool HotTracksButtons() const override;
    void PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                          TuiBorders edges) const override;
    void PaintHeaderCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                              TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                              const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                              vcl::TColor textColor, vcl::TColor backgroundColor, bool rightmost,
                              bool special) const override;
    void PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const override;
    TuiBorders HeaderEdges(TuiBorders neighbours) const override;
    int32_t HeaderFrameWidth() const override;
    vcl::TSize SortArrowSize() const override;
    void PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    int32_t HeaderGlyphInset() const override;
    int32_t FooterFrameWidth() const override;
    int32_t FooterCellFrameWidth() const override;
    int32_t FooterCellSpacing() const override;
    void PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                             bool active) const override;
    vcl::TSize FilterCloseBoxSize() const override;
    void PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges,
                       bool vertical) const override;
    void PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges, bool vertical) const override;
    int32_t TabFrameWidth(bool vertical) const override;
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override;
    void PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal,
                            const TuiDrawParams& viewParams) const override;
    void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                         TuiGroupCaptionPosition captionPosition, TuiBorders borders) const override;
    void PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                 std::span<const vcl::TPoint> innerShadow,
                                 std::span<const vcl::TPoint> outerShadow) const override;
    void PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    vcl::TColor SplitterEdgeColor(bool highlighted) const override;
    vcl::TSize SplitterGripSize(bool horizontal) const override;

    // The frame colour of a control in state: the shadow when normal, else the highlight.
    virtual vcl::TColor UltraFlatStateColor(TuiButtonState state) const;
    virtual vcl::TColor UltraFlatShadowColor() const;
    virtual vcl::TColor UltraFlatTextColor() const;
    virtual vcl::TColor FrameHighlightColor() const;

protected:
    TuiUltraFlatLookAndFeelPainter() = default;
};

} // namespace ui
