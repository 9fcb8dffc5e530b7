#pragma once
// TuiWinXPLookAndFeelPainter: the platform's own look through its visual styles. Each operation opens the theme of
// its element's class; where that does not open, the call falls back to the standard look (or the default drawing),
// so the native look degrades element by element when visual styles go away.

#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxUxTheme.h"

namespace ui {

class TuiWinXPLookAndFeelPainter : public TuiStandardLookAndFeelPainter {
public:
    static const TuiWinXPLookAndFeelPainter& Instance();

    void PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& arrowRect, bool isNext,
                               TuiButtonState state) const override;
    TuiPainterStyleKind StyleKind() const override;
    bool IsThemedStyle() const override;
    vcl::TColor ContainerFrameColor() const override;
    vcl::TColor EventContentColor() const override;
    void PaintArrowButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, TuiArrowDirection direction,
                          bool drawFrame) const override;
    void PaintArrowButtonFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    int32_t FrameWidth() const override;
    void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    vcl::TRect ButtonGroupItemRect(const vcl::TRect& rect, int32_t buttonCount, int32_t buttonIndex) const override;
    int32_t ButtonFrameWidth(TuiButtonState state) const override;
    vcl::TColor ButtonFaceColor(TuiButtonState state) const override;
    vcl::TRect FocusRectOfButton(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    vcl::TRect ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const override;
    vcl::TColor ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const override;
    int32_t ButtonCaptionIndent() const override;
    int32_t PressedCaptionShift() const override;
    void PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption, TuiButtonState state,
                     bool drawFrame, vcl::TColor faceColor, vcl::TColor textColor, bool wordWrap,
                     bool toolButton) const override;
    void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const override;
    bool PaintsExpandBoxFirst() const override;
    void PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool up) const override;
    void PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor borderColor,
                             vcl::TColor fillColor) const override;
    int32_t ExpandBoxSize() const override;
    int32_t GroupExpanderSize() const override;
    bool HotTracksButtons() const override;
    bool HitTestGroupExpander(const vcl::TRect& rect, vcl::TPoint point) const override;
    int32_t SmallExpandBoxSize() const override;
    int32_t CheckFrameWidth() const override;
    vcl::TSize CheckBoxSize() const override;
    void PaintCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool checked,
                        vcl::TColor color) const override;
    void PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state, bool checked, bool emphasisA,
                         vcl::TColor backgroundColor, bool emphasisB) const override;
    vcl::TSize RadioGlyphSize() const override;
    void PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect, TuiBorders neighbours,
                         TuiBorders edges, TuiButtonState state, const TuiTextLayout& layout,
                         rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                         vcl::TColor backgroundColor, const TuiBackgroundHook& hook, bool rightmost,
                         bool special) const override;
    void PaintPressedHeader(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                            TuiBorders neighbours, TuiBorders edges, TuiButtonState state, const TuiTextLayout& layout,
                            rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                            vcl::TColor backgroundColor) const override;
    void PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const override;
    int32_t HeaderFrameWidth() const override;
    int32_t HeaderSectionFrameWidth(TuiButtonState state) const override;
    vcl::TRect HeaderSectionInnerRect(const vcl::TRect& rect, TuiButtonState state) const override;
    bool HotTracksHeaders() const override;
    vcl::TSize SortArrowSize() const override;
    void PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                  TuiButtonState state) const override;
    int32_t FooterFrameWidth() const override;
    int32_t FooterCellFrameWidth() const override;
    int32_t FooterCellSpacing() const override;
    bool PaintsFooterCellsFirst() const override;
    void PaintFooterCell(TuiCanvas& canvas, const vcl::TRect& rect, const TuiTextLayout& layout,
                         rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                         vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const override;
    void PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                             bool active) const override;
    vcl::TSize FilterActivateBoxSize() const override;
    vcl::TSize FilterCloseBoxSize() const override;
    void PaintTab(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders borders, rtl::UnicodeStringView text,
                  TuiButtonState state, bool vertical, vcl::TFont* font, vcl::TColor textColor,
                  vcl::TColor backgroundColor, bool showPrefix) const override;
    void PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges,
                       bool vertical) const override;
    void PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges, bool vertical) const override;
    bool PaintsTabs(bool vertical) const override;
    bool HotTracksTabs(bool vertical) const override;
    int32_t TabFrameWidth(bool vertical) const override;
    void PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind, vcl::TColor backgroundColor,
                            const TuiBackgroundHook& hook) const override;
    int32_t ScrollBarThumbMinSize(bool vertical) const override;
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override;
    void PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    vcl::TSize CaptionButtonSize() const override;
    void PaintCaptionButton(TuiCanvas& canvas, const vcl::TRect& rect, bool hot, bool pressed, bool disabled,
                            vcl::TColor frameColor) const override;
    void PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text, TuiBorders neighbours,
                         const TuiDrawParams& viewParams, int32_t arrows, int32_t arrowOffset,
                         const TuiBackgroundHook& hook) const override;
    void PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds, const vcl::TRect& progressRect,
                            const TuiDrawParams& viewParams, bool frameOnly) const override;
    void PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal,
                            const TuiDrawParams& viewParams) const override;
    vcl::TRect ProgressStripInsets() const override;
    void PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const override;
    void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                         TuiGroupCaptionPosition captionPosition, TuiBorders borders) const override;
    vcl::TColor GroupCaptionTextColor(bool enabled, TuiGroupCaptionPosition captionPosition) const override;
    void TrackBarTrackRect(TuiCanvas& canvas, vcl::TRect& rect, bool horizontal, int32_t shape) const override;
    void PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& selectionRect,
                            bool showSelection, bool variant, bool horizontal, vcl::TColor color) const override;
    void PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool horizontal,
                            int32_t shape, vcl::TColor color) const override;
    void PaintSplitter(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal) const override;

    // Text through the theme, in part and state of theme: nothing for empty text. Multi-line text is first aligned
    // vertically in textRect; prefixes are shown only when asked.
    virtual void PaintThemedText(TuiCanvas& canvas, HTHEME theme, int32_t part, int32_t state,
                                 const vcl::TRect& textRect, const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                 vcl::TFont* font, vcl::TColor textColor, bool showPrefix) const;

protected:
    TuiWinXPLookAndFeelPainter() = default;
};

} // namespace ui
