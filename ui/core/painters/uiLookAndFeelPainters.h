#pragma once
// TuiCustomLookAndFeelPainter: the operations every control of the library draws through (frames, buttons, glyphs,
// headers, footers, check boxes, scroll bars and the rest), with their default behaviour. A painter holds no state:
// each painter class has one immutable instance, passed as a const reference, and its operations are virtual, so a
// default body that calls another operation reaches the look's override. The looks derive from it and override what
// differs; a look that runs another look's body calls it on that look's instance. Every Paint operation draws on the
// TuiCanvas given first; sizes are in pixels.

#include "rtl/text/StringTypes.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiPainterTypes.h"

#include <cstdint>

namespace vcl {
class TBitmap;
class TCustomImageList;
class TFont;
} // namespace vcl

namespace ui {

class TuiCustomLookAndFeelPainter;
// A painter, as settings and registries hold it.
using TuiLookAndFeelPainterClass = const TuiCustomLookAndFeelPainter*;

class TuiCustomLookAndFeelPainter {
public:
    // The default painter.
    static const TuiCustomLookAndFeelPainter& Instance();

    virtual ~TuiCustomLookAndFeelPainter() = default;
    TuiCustomLookAndFeelPainter(const TuiCustomLookAndFeelPainter&) = delete;
    TuiCustomLookAndFeelPainter& operator=(const TuiCustomLookAndFeelPainter&) = delete;

    // Common drawing.
    virtual vcl::TColor AccentTextColor() const;
    // Fills with color unless transparent; transparent tiles bitmap when there is one.
    virtual void FillBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent, vcl::TColor color,
                                vcl::TBitmap* bitmap) const;
    virtual void PaintDropTriangle(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color) const;
    // The background (unless hook drew it), then the text in textRect; state and plain serve the Office 2003 look.
    virtual void PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                      TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                      vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                                      const TuiBackgroundHook& hook, bool plain) const;
    virtual void PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges) const;
    // The previous or next button of a navigation bar.
    virtual void PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& arrowRect,
                                       bool isNext, TuiButtonState state) const;
    virtual vcl::TRect FooterCellContentRect(const vcl::TRect& rect) const;
    virtual vcl::TRect FooterCellTextRect(const vcl::TRect& rect) const;
    // A band of thickness across rect's middle, along rect (horizontal) or down it.
    virtual vcl::TRect CenteredBandRect(const vcl::TRect& rect, int32_t thickness, bool horizontal) const;
    virtual TuiPainterStyleKind StyleKind() const;
    virtual bool IsThemedStyle() const;

    // Colours.
    virtual vcl::TColor ContentColor() const;
    virtual vcl::TColor ContentEvenColor() const;
    virtual vcl::TColor ContentOddColor() const;
    virtual vcl::TColor ContentTextColor() const;
    virtual vcl::TColor EditorBackgroundColor(bool disabled) const;
    // state: 0 normal, 1 disabled, 2 inactive, 3 read-only.
    virtual vcl::TColor EditorBackgroundColorForState(int32_t state) const;
    virtual vcl::TColor EditorTextColor(bool disabled) const;
    virtual vcl::TColor EditorTextColorForState(int32_t state) const;
    virtual vcl::TColor FilterBoxColor() const;
    virtual vcl::TColor FilterBoxTextColor() const;
    virtual vcl::TColor FixedSeparatorColor() const;
    virtual vcl::TColor FooterColor() const;
    virtual vcl::TColor FooterTextColor() const;
    virtual vcl::TColor GridAreaColor() const;
    virtual vcl::TColor GridLineColor() const;
    virtual vcl::TColor GroupByBoxColor() const;
    virtual vcl::TColor GroupByBoxTextColor() const;
    virtual vcl::TColor GroupRowColor() const;
    virtual vcl::TColor GroupRowTextColor() const;
    virtual vcl::TColor HeaderBackgroundColor() const;
    virtual vcl::TColor HeaderBackgroundTextColor() const;
    virtual vcl::TColor HeaderColor() const;
    virtual vcl::TColor HeaderTextColor() const;
    virtual vcl::TColor HyperLinkTextColor() const;
    virtual vcl::TColor FaceColor() const;
    virtual vcl::TColor FaceTextColor() const;
    virtual vcl::TColor LinkColor() const;
    virtual vcl::TColor FixedGridLineColor() const;
    virtual vcl::TColor FormContentColor() const;
    virtual vcl::TColor BandBorderColor() const;
    virtual vcl::TColor CategoryColor() const;
    virtual vcl::TColor CategoryTextColor() const;
    virtual vcl::TColor RowHeaderColor() const;
    virtual vcl::TColor RowHeaderTextColor() const;
    virtual vcl::TColor VerticalGridLineColor() const;
    // The editor's colour, or the content's while the editor has none.
    virtual vcl::TColor EditorOrContentColor() const;
    virtual vcl::TColor CalendarHeaderColor() const;
    virtual vcl::TColor CalendarHeaderTextColor(bool accent) const;
    virtual vcl::TColor CalendarHolidayTextColor() const;
    virtual vcl::TColor CalendarInactiveDayTextColor() const;
    virtual vcl::TColor CalendarSelectedDayColor() const;
    virtual vcl::TColor CalendarSelectedDayTextColor() const;
    virtual vcl::TColor CalendarSeparatorColor() const;
    virtual vcl::TColor CalendarSeparatorHighlightColor() const;
    virtual vcl::TColor CalendarDayTextColor() const;
    virtual vcl::TColor CalendarTodayFrameColor() const;
    virtual vcl::TColor CalendarTodayTextColor() const;
    virtual vcl::TColor ControlBackgroundColor() const;
    virtual vcl::TColor ControlTextColor() const;
    virtual vcl::TColor ContainerFrameColor() const;
    virtual vcl::TColor PaneColor() const;
    virtual vcl::TColor NavigatorPaneColor() const;
    virtual vcl::TColor RulerColor() const;
    virtual vcl::TColor RulerTextColor() const;
    virtual vcl::TColor EventContentColor() const;
    virtual vcl::TColor EventTextColor() const;
    virtual vcl::TColor AppointmentTextColor() const;
    virtual vcl::TColor SelectionColor() const;
    virtual vcl::TColor SelectionTextColor() const;
    virtual vcl::TColor CardSeparatorColor() const;
    virtual vcl::TColor AltFaceColor() const;
    virtual vcl::TColor AltTextColor() const;
    virtual vcl::TColor AltFace2Color() const;
    virtual vcl::TColor PaperColor() const;
    virtual vcl::TColor TimeGridHeaderTextColor() const;
    virtual vcl::TColor AltFace3Color() const;
    virtual vcl::TColor AltText2Color() const;
    virtual vcl::TColor Paper2Color() const;
    virtual vcl::TColor BlackColor() const;
    virtual vcl::TColor Black2Color() const;
    virtual vcl::TColor Black3Color() const;
    virtual vcl::TColor SilverColor() const;
    virtual vcl::TColor Paper3Color() const;
    virtual vcl::TColor InfoFrameColor() const;
    virtual vcl::TColor SkyColor() const;
    virtual vcl::TColor NavyColor() const;
    virtual vcl::TColor AltShadowColor() const;
    virtual vcl::TColor AltShadow2Color() const;

    // Arrows and buttons.
    virtual void PaintDirectionArrow(TuiCanvas& canvas, const vcl::TRect& rect, TuiArrowDirection direction,
                                     vcl::TColor color) const;
    virtual void PaintArrowButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                  TuiArrowDirection direction, bool drawFrame) const;
    virtual void PaintArrowButtonFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    // An arrow embossed when disabled and shifted when pressed.
    virtual void PaintStateArrow(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                 TuiArrowDirection direction) const;
    // The width of the frame PaintFrame draws round editors and containers.
    virtual int32_t FrameWidth() const;
    virtual void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const;
    virtual vcl::TRect ButtonGroupItemRect(const vcl::TRect& rect, int32_t buttonCount, int32_t buttonIndex) const;
    virtual int32_t ButtonFrameWidth(TuiButtonState state) const;
    virtual vcl::TColor ButtonFaceColor(TuiButtonState state) const;
    virtual vcl::TRect FocusRectOfButton(TuiCanvas& canvas, const vcl::TRect& rect) const;
    // The frame widths of one button of a group (left, top, right, bottom).
    virtual vcl::TRect ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const;
    virtual int32_t ButtonCaptionIndent() const;
    virtual int32_t PressedCaptionShift() const;
    // color, or the look's glyph colour for clDefault.
    virtual vcl::TColor ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const;
    virtual TuiButtonState ButtonGlyphState(TuiButtonState state) const;
    // clDefault face and text colours take the look's; toolButton serves the native look.
    virtual void PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption,
                             TuiButtonState state, bool drawFrame, vcl::TColor faceColor, vcl::TColor textColor,
                             bool wordWrap, bool toolButton) const;
    // One button of a group of buttonCount.
    virtual void PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, int32_t buttonCount,
                                  int32_t buttonIndex, vcl::TColor color) const;
    virtual void PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    virtual void PaintGroupedButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool dark) const;

    // Expand boxes.
    virtual void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const;
    virtual void PaintExpandChevronButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiRotationAngle rotation, bool up,
                                          TuiButtonState state) const;
    virtual bool PaintsExpandBoxFirst() const;
    virtual void PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool up) const;
    virtual void PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor borderColor,
                                     vcl::TColor fillColor) const;
    virtual int32_t ExpandBoxSize() const;
    virtual int32_t GroupExpanderSize() const;
    virtual bool HotTracksButtons() const;
    virtual bool HitTestGroupExpander(const vcl::TRect& rect, vcl::TPoint point) const;
    virtual int32_t SmallExpandBoxSize() const;

    // Check boxes and radio glyphs.
    virtual int32_t CheckFrameWidth() const;
    virtual vcl::TColor CheckFaceColor(TuiButtonState state) const;
    virtual vcl::TSize CheckBoxSize() const;
    // The face (when the brush is solid) and, when checked, the mark in color.
    virtual void PaintCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool checked,
                                vcl::TColor color) const;
    virtual void PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    virtual void PaintCheckBoxForState(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                       bool checked) const;
    virtual void PaintCheckBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                               TuiCheckBoxState checkState) const;
    // The radio image of the look at (x, y); state is normal, hot, pressed or disabled. A background colour other than
    // clDefault fills the glyph's square first.
    virtual void PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state, bool checked,
                                 bool emphasisA, vcl::TColor backgroundColor, bool emphasisB) const;
    virtual vcl::TSize RadioGlyphSize() const;

    // Etched line.
    virtual void PaintEtchedLine(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor shadowColor,
                                 vcl::TColor highlightColor, bool vertical) const;
    virtual int32_t EtchedLineWidth() const;

    // Headers. neighbours names the sides that have a neighbouring cell; edges the sides whose frame is drawn.
    // rightmost and special tell the native and skin looks about the cell.
    virtual void PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                 TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                 const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                                 vcl::TColor textColor, vcl::TColor backgroundColor, const TuiBackgroundHook& hook,
                                 bool rightmost, bool special) const;
    virtual void PaintHeaderCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                      TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                      const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                                      vcl::TColor textColor, vcl::TColor backgroundColor, bool rightmost,
                                      bool special) const;
    virtual void PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                                  TuiBorders edges) const;
    virtual void PaintPressedHeader(TuiCanvas& canvas, const vcl::TRect& rect) const;
    // A section of a header control.
    virtual void PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                    TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                    const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                                    vcl::TColor textColor, vcl::TColor backgroundColor) const;
    virtual void PaintHeaderSectionFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                         TuiButtonState state) const;
    virtual void PaintHeaderSectionContent(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                           TuiButtonState state, const TuiTextLayout& layout,
                                           rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                           vcl::TColor backgroundColor) const;
    virtual void PaintHeaderSectionText(TuiCanvas& canvas, const vcl::TRect& textRect, TuiButtonState state,
                                        const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
                                        vcl::TColor textColor) const;
    virtual void PaintHeaderDivider(TuiCanvas& canvas, const vcl::TRect& bounds, int32_t indent, vcl::TColor color,
                                    const TuiDrawParams& viewParams) const;
    virtual void PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const;
    // The edges to draw for a cell with these neighbours.
    virtual TuiBorders HeaderEdges(TuiBorders neighbours) const;
    virtual int32_t HeaderFrameWidth() const;
    virtual vcl::TRect HeaderRectWithBorders(const vcl::TRect& rect, TuiBorders neighbours, TuiBorders edges) const;
    virtual vcl::TRect HeaderContentRect(const vcl::TRect& rect, TuiBorders edges) const;
    virtual bool HasOpaqueHeaders() const;
    virtual int32_t HeaderWidthFor(int32_t contentWidth) const;
    virtual int32_t HeaderSectionFrameWidth(TuiButtonState state) const;
    virtual vcl::TRect HeaderSectionTextRect(const vcl::TRect& rect, TuiButtonState state) const;
    virtual vcl::TRect HeaderSectionInnerRect(const vcl::TRect& rect, TuiButtonState state) const;
    // The width a header needs for text in font, with the frame of the framed left and right edges.
    virtual int32_t HeaderWidthForText(TuiCanvas& canvas, TuiBorders edges, rtl::UnicodeStringView text,
                                       vcl::TFont* font) const;
    virtual bool HotTracksHeaders() const;
    virtual vcl::TSize SortArrowAreaSize() const;
    virtual vcl::TSize SortArrowSize() const;

    // Grid group-by box and group rows.
    virtual void PaintGroupByBox(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent, vcl::TColor color,
                                 vcl::TBitmap* bitmap) const;
    virtual vcl::TColor Office11GroupRowColor(bool windowColor) const;
    virtual vcl::TColor Office11GroupSeparatorColor() const;
    virtual vcl::TColor Office11GroupTextColor() const;
    virtual bool IsHeaderOpaque() const;
    virtual vcl::TColor GroupByPanelColor() const;
    virtual vcl::TColor GroupByPanelTextColor() const;

    // Layout views.
    virtual void PaintLayoutItemFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                     TuiBorders borders) const;
    virtual void PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                          TuiButtonState state) const;
    // The frame's bands leave the clip region, so later fills of rect keep the frame.
    virtual void PaintLayoutFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                  TuiBorders edges) const;
    virtual void PaintLayoutRecordBody(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiButtonState state,
                                       TuiBorders edges) const;
    virtual void PaintLayoutExpandButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                         bool expanded) const;
    virtual vcl::TRect LayoutCaptionInsets(TuiButtonState state) const;
    virtual vcl::TRect LayoutBodyInsets(TuiButtonState state) const;

    // Header glyph and footer.
    virtual int32_t HeaderGlyphInset() const;
    virtual int32_t FooterFrameWidth() const;
    virtual int32_t FooterCellFrameWidth() const;
    virtual int32_t FooterCellSpacing() const;
    virtual bool PaintsFooterCellsFirst() const;
    virtual vcl::TColor FooterSeparatorColor() const;
    virtual int32_t FooterSeparatorWidth() const;
    virtual void PaintFooterCell(TuiCanvas& canvas, const vcl::TRect& rect, const TuiTextLayout& layout,
                                 rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                 vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const;
    virtual void PaintFooterCellContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuiTextLayout& layout,
                                        rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                        vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const;
    virtual void PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintFooterBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                       const TuiDrawParams& viewParams) const;
    virtual void FillFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect) const;

    // Filter box.
    virtual void PaintFilterActivateBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                        bool checked) const;
    virtual void PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    virtual void PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                     bool active) const;
    virtual void PaintFilterBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                          vcl::TColor color, vcl::TBitmap* bitmap) const;
    virtual vcl::TSize FilterActivateBoxSize() const;
    virtual vcl::TSize FilterCloseBoxSize() const;
    // A height of 0 takes the height of the place it is drawn in.
    virtual vcl::TSize FilterDropDownSize() const;

    // Window face and popup.
    virtual void PaintWindowFace(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual int32_t PopupFrameKind() const;

    // Tabs. side: 0 left, 1 top, 2 right, 3 bottom.
    virtual void PaintTab(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders borders, rtl::UnicodeStringView text,
                          TuiButtonState state, bool vertical, vcl::TFont* font, vcl::TColor textColor,
                          vcl::TColor backgroundColor, bool showPrefix) const;
    virtual void PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side, TuiBorders edges,
                               bool vertical) const;
    virtual void PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges, bool vertical) const;
    virtual bool PaintsTabs(bool vertical) const;
    virtual bool HotTracksTabs(bool vertical) const;
    virtual int32_t TabFrameWidth(bool vertical) const;

    // Row indicators. kind: 1 to 6 for the six indicator images (the high bit is ignored), 0 for none.
    virtual void PaintIndicatorCustomizeMark(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor color) const;
    virtual void PaintIndicatorGlyph(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind) const;
    virtual void PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                    vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const;
    virtual void PaintIndicatorCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                         vcl::TColor backgroundColor) const;
    virtual bool IndicatorFlag() const;

    // Scroll bar and size grip.
    // The least thumb length along a vertical (or horizontal) bar.
    virtual int32_t ScrollBarThumbMinSize(bool vertical) const;
    virtual void PaintScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const;
    virtual void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                       TuiScrollBarPart part, TuiButtonState state) const;
    virtual vcl::TSize SizeGripExtent() const;
    virtual void PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const;
    // corner: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    virtual void PaintSizeGrip(TuiCanvas& canvas, const vcl::TRect& rect, int32_t corner,
                               vcl::TColor backgroundColor) const;

    // Caption button (the close box of small windows).
    virtual vcl::TSize CaptionButtonSize() const;
    virtual void PaintCaptionButton(TuiCanvas& canvas, const vcl::TRect& rect, bool hot, bool pressed, bool disabled,
                                    vcl::TColor frameColor) const;

    // Calendar, navigation buttons and progress strip.
    // Places the arrow and the text of a navigation button in bounds (which may grow for the text).
    virtual void NavigationButtonLayout(bool isNext, bool textHidden, int32_t textExtent1, int32_t textExtent2,
                                        vcl::TRect& bounds, vcl::TRect& textRect, vcl::TRect& arrowRect) const;
    // arrows: 1 the previous arrow, 2 the next one, 3 both.
    virtual void PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text,
                                 TuiBorders neighbours, const TuiDrawParams& viewParams, int32_t arrows,
                                 int32_t arrowOffset, const TuiBackgroundHook& hook) const;
    virtual void PaintCalendarFrame(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds, const vcl::TRect& progressRect,
                                    const TuiDrawParams& viewParams, bool frameOnly) const;
    virtual void PaintNavigationButtonText(TuiCanvas& canvas, const vcl::TRect& rect, bool isNext, TuiButtonState state,
                                           rtl::UnicodeStringView text, const vcl::TRect& textRect,
                                           const vcl::TRect& arrowRect) const;
    virtual void PaintNavigationArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool isNext, vcl::TColor color) const;
    virtual void PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    // The frame of a splitter along (horizontal) or across rect; the looks fill what their lines leave with viewParams.
    virtual void PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal,
                                    const TuiDrawParams& viewParams) const;
    virtual vcl::TRect ProgressStripInsets() const;
    virtual vcl::TColor NavigationButtonTextColor(bool isNext, TuiButtonState state, vcl::TColor color) const;
    virtual void NavigationButtonMetrics(bool isNext, vcl::TRect& borders, bool& hasTextArea,
                                         vcl::TSize& arrowSize) const;
    virtual int32_t InfoFrameWidth() const;

    // Clock: an analogue face showing time (a date-time value; its fraction is the time of day).
    virtual void PaintClockFace(TuiCanvas& canvas, const vcl::TRect& rect, double time,
                                vcl::TColor backgroundColor) const;

    // Editor buttons and container border.
    virtual void PaintEditButton(TuiCanvas& canvas, const vcl::TRect& rect, int32_t buttonKind, TuiButtonState state,
                                 int32_t position) const;
    virtual int32_t EditButtonCaptionIndent() const;
    virtual vcl::TSize EditButtonMinSize() const;
    virtual vcl::TColor EditButtonCaptionColor() const;
    virtual vcl::TColor ContainerBorderColorFor(bool highlighted) const;

    // Header panel and navigator glyph.
    // rect comes back as the inside of the panel.
    virtual void PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const;
    virtual void PaintNavigatorGlyph(TuiCanvas& canvas, vcl::TCustomImageList* images, int32_t imageIndex,
                                     int32_t buttonIndex, const vcl::TRect& rect, bool enabled, bool userGlyphs) const;
    virtual vcl::TSize NavigatorGlyphSize() const;

    // Progress bar.
    virtual void PaintProgressFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const;
    virtual void PaintProgressChunk(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const;
    // The bar's text, readable over both the filled and the empty part.
    virtual void PaintProgressBar(TuiCanvas& canvas, bool vertical, bool solidText, rtl::UnicodeStringView text,
                                  const vcl::TRect& textRect, const vcl::TRect& barRect, const vcl::TRect& chunkRect,
                                  vcl::TColor textColor) const;
    virtual vcl::TRect ProgressFrameInsets(bool vertical) const;
    virtual vcl::TColor ProgressTextColor() const;
    // clDefault asks for text inverted over its background.
    virtual vcl::TColor ProgressTextColorFor(bool overFilledPart) const;

    // Group box and panel.
    virtual void PaintGroupBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                         const vcl::TRect& captionRect) const;
    virtual void PaintGroupBoxCaption(TuiCanvas& canvas, const vcl::TRect& rect,
                                      TuiGroupCaptionPosition captionPosition) const;
    virtual void PaintGroupBoxCaptionText(TuiCanvas& canvas, const vcl::TRect& rect,
                                          TuiGroupCaptionPosition captionPosition, TuiBorders borders) const;
    virtual void PaintGroupBoxExpandButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiRotationAngle rotation,
                                           bool up, TuiButtonState state) const;
    virtual void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                 TuiGroupCaptionPosition captionPosition, TuiBorders borders) const;
    virtual vcl::TRect GroupFrameInsets(bool hasCaption, TuiGroupCaptionPosition captionPosition) const;
    virtual vcl::TColor GroupCaptionTextColor(bool enabled, TuiGroupCaptionPosition captionPosition) const;
    virtual int32_t GroupCaptionTailWidth(bool hasCaption, TuiGroupCaptionPosition captionPosition) const;
    virtual void PaintGroupContent(TuiCanvas& canvas, const vcl::TRect& rect, TuiGroupCaptionPosition captionPosition,
                                   TuiBorders borders) const;
    virtual void PaintGroupPanel(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintGroupCaptionFor(TuiCanvas& canvas, const vcl::TRect& rect,
                                      TuiGroupCaptionPosition captionPosition) const;
    virtual void PaintPanelFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const;
    virtual vcl::TRect PanelInsets() const;
    virtual vcl::TColor GroupTextColor() const;

    // Track bar. shape: 0 pointing up (left on a vertical bar), 1 down (right), 2 a rectangle.
    // The rectangle of the track, or in the native look of the thumb of shape, within rect.
    virtual void TrackBarTrackRect(TuiCanvas& canvas, vcl::TRect& rect, bool horizontal, int32_t shape) const;
    virtual void PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& selectionRect,
                                    bool showSelection, bool variant, bool horizontal, vcl::TColor color) const;
    virtual void PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, bool horizontal,
                                    int32_t shape, vcl::TColor color) const;
    virtual void PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                         std::span<const vcl::TPoint> innerShadow,
                                         std::span<const vcl::TPoint> outerShadow) const;
    virtual void PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual vcl::TSize TrackBarThumbSize(bool horizontal) const;
    virtual vcl::TColor TrackBarTrackColor() const;
    virtual int32_t TrackBarTrackWidth() const;
    virtual vcl::TColor TrackBarThumbColor(bool highlighted) const;

    // Splitter.
    virtual vcl::TColor SplitterEdgeColor(bool highlighted) const;
    virtual void PaintSplitter(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted, bool horizontal) const;
    virtual vcl::TSize SplitterGripSize(bool horizontal) const;

    // Layout control.
    virtual vcl::TColor LayoutColor() const;
    virtual void PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const;

    // Print preview.
    virtual vcl::TRect PreviewPageInsets() const;
    virtual void PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintPreviewPage(TuiCanvas& canvas, const vcl::TRect& pageRect, bool fillContent, bool selected,
                                  const vcl::TRect& contentRect) const;

    // Calculator.
    virtual vcl::TColor CalculatorTextColor(int32_t buttonKind) const;
    virtual vcl::TColor CalculatorFaceColor() const;

protected:
    TuiCustomLookAndFeelPainter() = default;

    // The text part of PaintContentWithText: text in textRect, transparent, in font and textColor; nothing when empty.
    static void DrawContentText(TuiCanvas& canvas, const vcl::TRect& textRect, const TuiTextLayout& layout,
                                rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor);
    // The arrows of PaintMonthTitle in clWindowText, below the title's top frame.
    void PaintMonthTitleArrows(TuiCanvas& canvas, const vcl::TRect& rect, int32_t arrows, int32_t arrowOffset) const;
};

} // namespace ui
