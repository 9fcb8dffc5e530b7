#pragma once
// TuxSkinLookAndFeelPainter: the look that draws controls from a skin. Each operation takes the element, colour or
// property its skin info resolved; where the skin lacks it, the operation falls back to the Office 2003 look it
// derives from ("inherited"), to the ultra-flat look, or to the interface's default, as each operation chooses. The
// painter holds no state: it reaches its skin through SkinInfo, the info registered for it in the painter registry,
// and a painter without one draws as over a skin info without a skin.

#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/skins/uxSkinInfo.h"

namespace ui {

// The element state a button state draws in.
TuxSkinElementState SkinElementState(TuiButtonState state);

class TuxSkinLookAndFeelPainter : public TuiOffice11LookAndFeelPainter {
public:
    static const TuxSkinLookAndFeelPainter& Instance();

    // The info registered for this painter in the painter registry; nullptr when there is none.
    virtual TuxSkinInfo* SkinInfo() const;
    virtual rtl::UnicodeString OwnerUnitName() const;

    // Colours.
    vcl::TColor ContentColor() const override;
    vcl::TColor ContentEvenColor() const override;
    vcl::TColor ContentOddColor() const override;
    vcl::TColor ContentTextColor() const override;
    vcl::TColor EditorBackgroundColorForState(int32_t state) const override;
    vcl::TColor EditorTextColorForState(int32_t state) const override;
    vcl::TColor FilterBoxTextColor() const override;
    vcl::TColor FixedSeparatorColor() const override;
    vcl::TColor FooterColor() const override;
    vcl::TColor GridAreaColor() const override;
    vcl::TColor GridLineColor() const override;
    vcl::TColor GroupByBoxTextColor() const override;
    vcl::TColor GroupRowColor() const override;
    vcl::TColor GroupRowTextColor() const override;
    vcl::TColor HeaderBackgroundColor() const override;
    vcl::TColor HeaderBackgroundTextColor() const override;
    vcl::TColor HeaderColor() const override;
    vcl::TColor HeaderTextColor() const override;
    vcl::TColor HyperLinkTextColor() const override;
    vcl::TColor LinkColor() const override;
    vcl::TColor FixedGridLineColor() const override;
    vcl::TColor FormContentColor() const override;
    vcl::TColor BandBorderColor() const override;
    vcl::TColor CategoryColor() const override;
    vcl::TColor CategoryTextColor() const override;
    vcl::TColor RowHeaderColor() const override;
    vcl::TColor RowHeaderTextColor() const override;
    vcl::TColor VerticalGridLineColor() const override;
    vcl::TColor CalendarHeaderColor() const override;
    vcl::TColor CalendarHeaderTextColor(bool accent) const override;
    vcl::TColor CalendarHolidayTextColor() const override;
    vcl::TColor CalendarInactiveDayTextColor() const override;
    vcl::TColor CalendarSelectedDayColor() const override;
    vcl::TColor CalendarSelectedDayTextColor() const override;
    vcl::TColor CalendarSeparatorColor() const override;
    vcl::TColor CalendarSeparatorHighlightColor() const override;
    vcl::TColor CalendarDayTextColor() const override;
    vcl::TColor CalendarTodayFrameColor() const override;
    vcl::TColor CalendarTodayTextColor() const override;
    vcl::TColor ControlBackgroundColor() const override;
    vcl::TColor ContainerFrameColor() const override;
    vcl::TColor PaneColor() const override;
    vcl::TColor NavigatorPaneColor() const override;
    vcl::TColor RulerColor() const override;
    vcl::TColor RulerTextColor() const override;
    vcl::TColor EventTextColor() const override;
    vcl::TColor AppointmentTextColor() const override;
    vcl::TColor SelectionColor() const override;
    vcl::TColor SelectionTextColor() const override;
    vcl::TColor CardSeparatorColor() const override;
    vcl::TColor TimeGridHeaderTextColor() const override;
    vcl::TColor AltText2Color() const override;
    vcl::TColor Office11GroupRowColor(bool windowColor) const override;
    vcl::TColor Office11GroupSeparatorColor() const override;
    vcl::TColor Office11GroupTextColor() const override;
    vcl::TColor GroupByPanelColor() const override;
    vcl::TColor GroupByPanelTextColor() const override;
    vcl::TColor FooterSeparatorColor() const override;
    vcl::TColor NavigationButtonTextColor(bool isNext, TuiButtonState state, vcl::TColor color) const override;
    vcl::TColor EditButtonCaptionColor() const override;
    vcl::TColor ContainerBorderColorFor(bool highlighted) const override;
    vcl::TColor ProgressTextColorFor(bool overFilledPart) const override;
    vcl::TColor GroupCaptionTextColor(bool enabled, TuiGroupCaptionPosition captionPosition) const override;
    vcl::TColor GroupTextColor() const override;
    vcl::TColor LayoutColor() const override;
    vcl::TColor CalculatorTextColor(int32_t buttonKind) const override;
    vcl::TColor CalculatorFaceColor() const override;
    vcl::TColor ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const override;

    // Sizes and flags.
    int32_t ButtonFrameWidth(TuiButtonState state) const override;
    vcl::TRect ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const override;
    int32_t ExpandBoxSize() const override;
    vcl::TSize CheckBoxSize() const override;
    vcl::TSize RadioGlyphSize() const override;
    int32_t EtchedLineWidth() const override;
    TuiBorders HeaderEdges(TuiBorders neighbours) const override;
    bool HasOpaqueHeaders() const override;
    bool IsHeaderOpaque() const override;
    int32_t FooterCellFrameWidth() const override;
    bool PaintsFooterCellsFirst() const override;
    vcl::TSize FilterCloseBoxSize() const override;
    bool IndicatorFlag() const override;
    int32_t ScrollBarThumbMinSize(bool vertical) const override;
    vcl::TSize SizeGripExtent() const override;
    vcl::TRect ProgressStripInsets() const override;
    void NavigationButtonLayout(bool isNext, bool textHidden, int32_t textExtent1, int32_t textExtent2,
                                vcl::TRect& bounds, vcl::TRect& textRect, vcl::TRect& arrowRect) const override;
    void NavigationButtonMetrics(bool isNext, vcl::TRect& borders, bool& hasTextArea,
                                 vcl::TSize& arrowSize) const override;
    int32_t EditButtonCaptionIndent() const override;
    vcl::TSize EditButtonMinSize() const override;
    vcl::TSize NavigatorGlyphSize() const override;
    vcl::TRect ProgressFrameInsets(bool vertical) const override;
    vcl::TRect GroupFrameInsets(bool hasCaption, TuiGroupCaptionPosition captionPosition) const override;
    int32_t GroupCaptionTailWidth(bool hasCaption, TuiGroupCaptionPosition captionPosition) const override;
    vcl::TSize TrackBarThumbSize(bool horizontal) const override;
    int32_t TrackBarTrackWidth() const override;
    vcl::TSize SplitterGripSize(bool horizontal) const override;
    vcl::TRect PreviewPageInsets() const override;

    // Drawing.
    void PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                              TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text,
                              vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                              const TuiBackgroundHook& hook, bool plain) const override;
    void PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges) const override;
    void PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& arrowRect, bool isNext,
                               TuiButtonState state) const override;
    void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    void PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption, TuiButtonState state,
                     bool drawFrame, vcl::TColor faceColor, vcl::TColor textColor, bool wordWrap,
                     bool toolButton) const override;
    void PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, int32_t buttonCount,
                          int32_t buttonIndex, vcl::TColor color) const override;
    void PaintGroupedButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool dark) const override;
    void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const override;
    void PaintExpandChevronButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiRotationAngle rotation, bool up,
                                  TuiButtonState state) const override;
    void PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor borderColor,
                             vcl::TColor fillColor) const override;
    void PaintCheckBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                       TuiCheckBoxState checkState) const override;
    void PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state, bool checked, bool emphasisA,
                         vcl::TColor backgroundColor, bool emphasisB) const override;
    void PaintEtchedLine(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor shadowColor, vcl::TColor highlightColor,
                         bool vertical) const override;
    void PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect, TuiBorders neighbours,
                         TuiBorders edges, TuiButtonState state, const TuiTextLayout& layout,
                         rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                         vcl::TColor backgroundColor, const TuiBackgroundHook& hook, bool rightmost,
                         bool special) const override;
    void PaintHeaderCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                              TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                              const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                              vcl::TColor textColor, vcl::TColor backgroundColor, bool rightmost,
                              bool special) const override;
    void PaintHeaderDivider(TuiCanvas& canvas, const vcl::TRect& bounds, int32_t indent, vcl::TColor color,
                            const TuiDrawParams& viewParams) const override;
    void PaintGroupByBox(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent, vcl::TColor color,
                         vcl::TBitmap* bitmap) const override;
    void PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                  TuiButtonState state) const override;
    void PaintLayoutRecordBody(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiButtonState state,
                               TuiBorders edges) const override;
    void PaintLayoutExpandButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                 bool expanded) const override;
    void PaintFooterCellContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuiTextLayout& layout,
                                rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const override;
    void PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintFooterBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                               const TuiDrawParams& viewParams) const override;
    void PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                             bool active) const override;
    void PaintFilterBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent, vcl::TColor color,
                                  vcl::TBitmap* bitmap) const override;
    void PaintWindowFace(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintIndicatorCustomizeMark(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color) const override;
    void PaintIndicatorGlyph(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind) const override;
    void PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind, vcl::TColor backgroundColor,
                            const TuiBackgroundHook& hook) const override;
    void PaintIndicatorCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                 vcl::TColor backgroundColor) const override;
    void PaintScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override;
    void PaintSizeGrip(TuiCanvas& canvas, const vcl::TRect& rect, int32_t corner,
                       vcl::TColor backgroundColor) const override;
    void PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds, const vcl::TRect& progressRect,
                            const TuiDrawParams& viewParams, bool frameOnly) const override;
    void PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintEditButton(TuiCanvas& canvas, const vcl::TRect& rect, int32_t buttonKind, TuiButtonState state,
                         int32_t position) const override;
    void PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const override;
    void PaintProgressFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const override;
    void PaintProgressChunk(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const override;
    void PaintGroupBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                 const vcl::TRect& captionRect) const override;
    void PaintGroupBoxCaption(TuiCanvas& canvas, const vcl::TRect& rect,
                              TuiGroupCaptionPosition captionPosition) const override;
    void PaintGroupBoxCaptionText(TuiCanvas& canvas, const vcl::TRect& rect, TuiGroupCaptionPosition captionPosition,
                                  TuiBorders borders) const override;
    void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                         TuiGroupCaptionPosition captionPosition, TuiBorders borders) const override;
    void PaintGroupPanel(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintPanelFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& selectionRect,
                            bool showSelection, bool variant, bool horizontal, vcl::TColor color) const override;
    void PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool horizontal,
                            int32_t shape, vcl::TColor color) const override;
    void PaintSplitter(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal) const override;
    void PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintLayoutItemFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                             TuiBorders borders) const override;
    void PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text, TuiBorders neighbours,
                         const TuiDrawParams& viewParams, int32_t arrows, int32_t arrowOffset,
                         const TuiBackgroundHook& hook) const override;
    void PaintClockFace(TuiCanvas& canvas, const vcl::TRect& rect, double time,
                        vcl::TColor backgroundColor) const override;
    void PaintNavigatorGlyph(TuiCanvas& canvas, vcl::TCustomImageList* images, int32_t imageIndex, int32_t buttonIndex,
                             const vcl::TRect& rect, bool enabled, bool userGlyphs) const override;
    void PaintGroupBoxExpandButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiRotationAngle rotation, bool up,
                                   TuiButtonState state) const override;
    void PaintPreviewPage(TuiCanvas& canvas, const vcl::TRect& pageRect, bool fillContent, bool selected,
                          const vcl::TRect& contentRect) const override;
    void PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const override;

protected:
    TuxSkinLookAndFeelPainter() = default;

    // The info's element, colour and properties; nullptr without an info.
    TuxSkinElement* SkinElement(TuxSkinElementId id) const;
    TuxSkinColor* SkinColor(TuxSkinColorId id) const;
    TuxSkinColor* SkinPropertyColor(TuxSkinPropertyId id) const;

private:
    // Draws the element into rect on the canvas's DC.
    static void DrawElement(TuiCanvas& canvas, TuxSkinElement& element, const vcl::TRect& rect, int32_t imageIndex = 0,
                            TuxSkinElementState state = esNormal);
};

} // namespace ui
